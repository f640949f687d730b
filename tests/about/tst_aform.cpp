#include "about/aform.h"

#include "common/windowregistry.h"
#include "support/formdriver.h"
#include "support/recorders.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using about::AForm;

namespace {

const QStringList kLinks{"Label4", "Label5", "Label12", "Label6", "LabelAdr"};

// The links lit red, in the order of kLinks.
QStringList litLinks(const AForm& form) {
    QStringList lit;
    for (const QString& name : kLinks) {
        const QColor colour = form.findChild<QLabel*>(name)->palette().color(QPalette::WindowText);
        if (colour.rgb() == AForm::kRed) {
            lit << name;
        } else if (colour.rgb() != AForm::kDarkBlue) {
            qWarning("%s has neither link colour", qPrintable(name));
            lit << name + QStringLiteral("?");
        }
    }
    return lit;
}

// A point of the window's bare page, clear of every control.
QPoint backgroundPoint(const QWidget& page) {
    for (int y = 0; y < page.height(); y += 3) {
        for (int x = 0; x < page.width(); x += 3) {
            if (page.childAt(x, y) == nullptr) {
                return {x, y};
            }
        }
    }
    return {};
}

// A mouse movement with no button held, as the window system hands it to the control under
// the mouse: the control's own handler, then its parents' unless the control stops it.
void moveOver(AForm& form, const QString& name) {
    QWidget* page = form.centralWidget();
    QWidget* control = name == u"AForm" ? page : form.findChild<QWidget*>(name);
    QVERIFY2(control, qPrintable(name));
    const QPoint local = control == page ? backgroundPoint(*page) : control->rect().center();
    QMouseEvent move(QEvent::MouseMove, local, control->mapToGlobal(local), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(control, &move);
}

} // namespace

class TestAForm : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void hover_data();
    void hover();
    void linkClicks_data();
    void linkClicks();
    void okHidesAndKeepsColoursCloseBoxResets();
};

void TestAForm::cleanup() {
    formdriver::discardWindows();
}

void TestAForm::hover_data() {
    QTest::addColumn<QStringList>("moves");
    QTest::addColumn<QStringList>("lit");
    using L = QStringList;
    const L allLit{"Label4", "Label6", "Label12", "LabelAdr"}; // all but the advertisers' link

    QTest::newRow("background then site") << L{"AForm", "Label4"} << L{"Label4"};
    QTest::newRow("site then advertisers") << L{"Label4", "Label5"} << L{"Label5"};
    QTest::newRow("advertisers then site") << L{"Label5", "Label4"} << L{"Label4"};
    QTest::newRow("lone links stay lit") << allLit << L{"Label4", "Label12", "Label6", "LabelAdr"};
    QTest::newRow("site caption dims site") << L{"Label4", "s"} << L{};
    QTest::newRow("subtitle dims advertisers") << L{"Label5", "Label2"} << L{};
    QTest::newRow("notice dims new version only")
        << L{"Label4", "Label12", "Label11"} << L{"Label4"};
    QTest::newRow("mail caption dims mail and download")
        << L{"Label12", "Label6", "LabelAdr", "Label10"} << L{"Label12"};
    QTest::newRow("advert dims download only")
        << (allLit + L{"OSpC"}) << L{"Label4", "Label12", "LabelAdr"};
    QTest::newRow("Ok key dims mail only")
        << (allLit + L{"Command1"}) << L{"Label4", "Label12", "Label6"};
    QTest::newRow("background dims every link") << (allLit + L{"AForm"}) << L{};
    QTest::newRow("title, footer and tool list change nothing")
        << (allLit + L{"Label1", "Label3", "Label9"})
        << L{"Label4", "Label12", "Label6", "LabelAdr"};
}

void TestAForm::hover() {
    QFETCH(QStringList, moves);
    QFETCH(QStringList, lit);

    AForm& form = common::showWindow<AForm>();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(litLinks(form), QStringList());
    for (const QString& name : moves) {
        moveOver(form, name);
    }
    QCOMPARE(litLinks(form), lit);
}

void TestAForm::linkClicks_data() {
    // A click, or with the control focused Enter or Space (`key`), opens its address; a link
    // announces itself as one.
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("address");
    const int click = 0;
    QTest::newRow("site") << "Label4" << click << "https://cifroid.example/index.htm";
    QTest::newRow("advertisers") << "Label5" << click << "https://cifroid.example/reclama.htm";
    QTest::newRow("new version") << "Label12" << click << "https://cifroid.example/Cifr.htm";
    QTest::newRow("other program")
        << "Label6" << click << "https://download.cifroid.example/rus/download.htm";
    QTest::newRow("mail") << "LabelAdr" << click << "mailto:support@cifroid.example";
    QTest::newRow("plain label opens nothing") << "Label9" << click << QString();
    QTest::newRow("site by Enter")
        << "Label4" << int(Qt::Key_Return) << "https://cifroid.example/index.htm";
    QTest::newRow("mail by Space")
        << "LabelAdr" << int(Qt::Key_Space) << "mailto:support@cifroid.example";
}

void TestAForm::linkClicks() {
    QFETCH(QString, control);
    QFETCH(int, key);
    QFETCH(QString, address);

    AForm& form = common::showWindow<AForm>();
    AddressRecorder recorder;
    QWidget* pressed = form.findChild<QWidget*>(control);
    if (key == 0) {
        QTest::mouseClick(pressed, Qt::LeftButton);
    } else {
        pressed->setFocus();
        QTest::keyClick(pressed, static_cast<Qt::Key>(key));
    }
    const bool link = QAccessible::queryAccessibleInterface(pressed)->role() == QAccessible::Link;
    QCOMPARE(link, !address.isEmpty());
    const QStringList expected = address.isEmpty() ? QStringList() : QStringList{address};
    QStringList opened;
    for (const QUrl& url : recorder.opened) {
        opened << url.toString();
    }
    QCOMPARE(opened, expected);
}

void TestAForm::okHidesAndKeepsColoursCloseBoxResets() {
    AForm* form = &common::showWindow<AForm>();
    moveOver(*form, "Label12");
    formdriver::press(*form, "Command1");
    QVERIFY(!form->isVisible());
    QCOMPARE(&common::showWindow<AForm>(), form);
    QCOMPARE(litLinks(*form), QStringList{"Label12"});

    form->close();
    QCOMPARE(common::existingWindow<AForm>(), nullptr);
    QCOMPARE(litLinks(common::showWindow<AForm>()), QStringList());
}

QTEST_MAIN(TestAForm)
#include "tst_aform.moc"
