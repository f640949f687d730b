#include "equations/gform.h"
#include "equations/kvurform.h"
#include "equations/linurform.h"

#include "about/aform.h"
#include "common/toolwindow.h"
#include "common/windowregistry.h"
#include "support/formdriver.h"
#include "support/recorders.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using equations::GForm;
using equations::KVURForm;
using equations::LINURForm;

namespace {

GForm& chooser() {
    return common::showWindow<GForm>();
}

void choose(GForm& form, const QString& option) {
    form.findChild<QRadioButton*>(option)->setChecked(true);
}

void next(GForm& form) {
    formdriver::press(form, "Command1");
}

} // namespace

class TestGForm : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        common::setAboutHandler([] { common::showWindow<about::AForm>(); });
    }
    void cleanup();
    void routing_data();
    void routing();
    void nextAgainBringsBackTheSameSolver();
    void closingHidesOnlyTheChooser_data();
    void closingHidesOnlyTheChooser();
    void windowsOutliveADiscardedChooser();
};

void TestGForm::cleanup() {
    formdriver::discardWindows();
}

void TestGForm::routing_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<bool>("linear");
    QTest::addColumn<bool>("quadratic");
    QTest::newRow("nothing chosen opens nothing") << QString() << false << false;
    QTest::newRow("linear") << "Option1" << true << false;
    QTest::newRow("quadratic or biquadratic") << "Option2" << false << true;
}

void TestGForm::routing() {
    QFETCH(QString, option);
    QFETCH(bool, linear);
    QFETCH(bool, quadratic);

    GForm& form = chooser();
    if (!option.isEmpty()) {
        choose(form, option);
    }
    MessageRecorder recorder;
    next(form);

    QCOMPARE(common::existingWindow<LINURForm>() != nullptr, linear);
    QCOMPARE(common::existingWindow<KVURForm>() != nullptr, quadratic);
    if (auto* solver = common::existingWindow<LINURForm>()) {
        QVERIFY(solver->isVisible());
        QVERIFY(!solver->parentWidget());
        QVERIFY(!solver->isModal());
    }
    QVERIFY(form.isVisible());
    QVERIFY(recorder.shown.isEmpty());
}

void TestGForm::nextAgainBringsBackTheSameSolver() {
    GForm& form = chooser();
    choose(form, "Option2");
    next(form);
    KVURForm* solver = common::existingWindow<KVURForm>();
    solver->findChild<QLineEdit*>("a")->setText("5");
    solver->hide();
    next(form);
    QCOMPARE(common::existingWindow<KVURForm>(), solver);
    QVERIFY(solver->isVisible());
    QCOMPARE(solver->findChild<QLineEdit*>("a")->text(), QStringLiteral("5"));
}

void TestGForm::closingHidesOnlyTheChooser_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("key") << "Command2";
    QTest::newRow("menu item") << "Exit";
    QTest::newRow("F12") << "F12";
}

void TestGForm::closingHidesOnlyTheChooser() {
    QFETCH(QString, how);
    GForm& form = chooser();
    choose(form, "Option1");
    next(form);
    QVERIFY(QTest::qWaitForWindowActive(&chooser()));

    if (how == u"Command2") {
        QTest::mouseClick(form.findChild<QPushButton*>(how), Qt::LeftButton);
    } else if (how == u"Exit") {
        form.findChild<QAction*>(how)->trigger();
    } else {
        QTest::keyClick(&form, Qt::Key_F12);
    }

    QVERIFY(!form.isVisible());
    QVERIFY(common::existingWindow<LINURForm>()->isVisible());
    QCOMPARE(&chooser(), &form);
    QVERIFY(form.findChild<QRadioButton*>("Option1")->isChecked());
}

void TestGForm::windowsOutliveADiscardedChooser() {
    GForm* form = &chooser();
    choose(*form, "Option1");
    next(*form);
    choose(*form, "Option2");
    next(*form);
    form->findChild<QAction*>("Opg")->trigger();
    QVERIFY(common::existingWindow<about::AForm>());

    form->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(common::existingWindow<GForm>(), nullptr);
    QVERIFY(common::existingWindow<LINURForm>()->isVisible());
    QVERIFY(common::existingWindow<KVURForm>()->isVisible());
    QVERIFY(common::existingWindow<about::AForm>()->isVisible());

    GForm& fresh = chooser();
    QVERIFY(!fresh.findChild<QRadioButton*>("Option1")->isChecked());
    QVERIFY(!fresh.findChild<QRadioButton*>("Option2")->isChecked());
}

QTEST_MAIN(TestGForm)
#include "tst_gform.moc"
