#include "about/aform.h"
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

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>
#include <functional>
#include <memory>
#include <vector>

// Every window of the suite wears the one look and is wide enough for its caption.
class TestSuiteLook : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { common::applySuiteLook(*qApp); }
    void cleanup();
    void wearsTheLook_data() { windows(); }
    void wearsTheLook();
    void captionFits_data() { windows(); }
    void captionFits();

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
    QTest::newRow("CalcForm") << own([] { return new calc::CalcForm; });
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

QTEST_MAIN(TestSuiteLook)
#include "tst_suitelook.moc"
