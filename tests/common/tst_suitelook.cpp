#include "about/aform.h"
#include "app/shell.h"
#include "calc/calcform.h"
#include "common/message.h"
#include "common/suitelook.h"
#include "equations/gform.h"
#include "equations/kvurform.h"
#include "equations/linurform.h"
#include "fractions/drobform.h"
#include "geometry/treugform.h"
#include "geometry/vectorform.h"
#include "support/formdriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>
#include <functional>
#include <memory>
#include <vector>

// Every window of the suite wears the one look, is wide enough for its caption and takes its
// size from its contents at the font it is shown in: each caption, key and box gets the room it
// asks for inside the window, and the window, title bar included, fits a 1280 × 720 screen at
// 96 dpi, as much larger as the dpi is. Run at the normal font and at 144 dpi.
class TestSuiteLook : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { common::applySuiteLook(*qApp); }
    void cleanup();
    void wearsTheLook_data() { windows(); }
    void wearsTheLook();
    void captionFits_data() { windows(); }
    void captionFits();
    void controlsFit_data() { windows(); }
    void controlsFit();
    void fitsTheScreen_data() { windows(); }
    void fitsTheScreen();

private:
    static void windows();
};

namespace {

// The windows the registry does not keep.
std::vector<std::unique_ptr<QWidget>> owned;

Opener own(const std::function<QWidget*()>& make) {
    return [make]() -> QWidget& {
        owned.emplace_back(make());
        owned.back()->show();
        return *owned.back();
    };
}

} // namespace

void TestSuiteLook::cleanup() {
    owned.clear();
    formdriver::discardWindows();
}

void TestSuiteLook::windows() {
    QTest::addColumn<Opener>("open");
    QTest::newRow("CalcForm") << own([] { return app::makeMainWindow().release(); });
    QTest::newRow("GForm") << formdriver::opener<equations::GForm>();
    QTest::newRow("LINURForm") << formdriver::opener<equations::LINURForm>();
    QTest::newRow("KVURForm") << formdriver::opener<equations::KVURForm>();
    QTest::newRow("TreugForm") << formdriver::opener<geometry::TreugForm>();
    QTest::newRow("VectorForm") << formdriver::opener<geometry::VectorForm>();
    QTest::newRow("DrobForm") << formdriver::opener<fractions::DrobForm>();
    QTest::newRow("AForm") << formdriver::opener<about::AForm>();
    QTest::newRow("message box") << own([] {
        return common::makeMessageBox(QStringLiteral("Цифроид 2 треугольник"),
                                      QStringLiteral("Введены нечисловые данные"))
            .release();
    });
}

// The suite's style on the window and on every control in it (a style sheet anywhere would
// put its own in between), and the suite's case colour.
void TestSuiteLook::wearsTheLook() {
    QFETCH(Opener, open);
    QWidget& window = open();
    QVERIFY(common::isSuiteStyle(window.style()));
    const auto controls = window.findChildren<QWidget*>();
    for (const QWidget* control : controls) {
        QVERIFY2(common::isSuiteStyle(control->style()), qPrintable(control->objectName()));
    }
    QCOMPARE(window.palette().color(QPalette::Window),
             common::suitePalette().color(QPalette::Window));
    if (auto* box = qobject_cast<QMessageBox*>(&window)) {
        QVERIFY(box->button(QMessageBox::Ok)->icon().isNull());
    }
}

// A title bar sets the caption in bold beside an icon and up to three buttons of some 20
// pixels each.
void TestSuiteLook::captionFits() {
    QFETCH(Opener, open);
    QWidget& window = open();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QFont title = QApplication::font();
    title.setBold(true);
    title.setPointSize(9);
    const int needed = QFontMetrics(title).horizontalAdvance(window.windowTitle()) + 100;
    QVERIFY2(window.width() >= needed,
             qPrintable(QStringLiteral("%1 < %2").arg(window.width()).arg(needed)));
}

namespace {

// Whether a caption, key or box has the room it asks for, inside its window.
bool fits(const QWidget& control) {
    QSize least = control.minimumSizeHint();
    if (const auto* label = qobject_cast<const QLabel*>(&control); label && label->wordWrap()) {
        least.setHeight(label->heightForWidth(label->width()));
    }
    const QRect place(control.mapTo(control.window(), QPoint(0, 0)), control.size());
    return least.boundedTo(control.size()) == least && control.window()->rect().contains(place);
}

} // namespace

void TestSuiteLook::controlsFit() {
    QFETCH(Opener, open);
    QWidget& window = open();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QStringList cut;
    const auto controls = window.findChildren<QWidget*>();
    for (const QWidget* control : controls) {
        const bool looked = qobject_cast<const QLabel*>(control) != nullptr ||
                            qobject_cast<const QAbstractButton*>(control) != nullptr ||
                            qobject_cast<const QLineEdit*>(control) != nullptr;
        if (looked && control->isVisibleTo(&window) && !fits(*control)) {
            cut << control->objectName();
        }
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u' ')));
}

void TestSuiteLook::fitsTheScreen() {
    QFETCH(Opener, open);
    QWidget& window = open();
    const qreal scale = std::max<qreal>(1, window.logicalDpiY() / 96.0);
    // With a title bar and borders as a common window manager draws them.
    const QSize outer = window.size() + QSize(8, 40) * scale;
    const QSize screen = QSize(1280, 720) * scale;
    QVERIFY2(outer.boundedTo(screen) == outer,
             qPrintable(QStringLiteral("%1x%2").arg(outer.width()).arg(outer.height())));
}

QTEST_MAIN(TestSuiteLook)
#include "tst_suitelook.moc"
