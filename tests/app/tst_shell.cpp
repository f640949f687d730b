#include "app/helppage.h"
#include "app/shell.h"
#include "calc/calcdriver.h"
#include "common/windowregistry.h"
#include "support/formdriver.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>

// The program around the calculator: the tool keys open their windows, and the "Справка" menu.
class TestShell : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void toolKeysOpenTheirWindows_data();
    void toolKeysOpenTheirWindows();
    void helpPage_data();
    void helpPage();
    void whatsNewTouchesNothing();
    void toolkitSpeaksRussian();

private:
    QString startFolder_;
};

void TestShell::initTestCase() {
    QStandardPaths::setTestModeEnabled(true); // the installed copy is looked for here
    startFolder_ = QDir::currentPath();
}

void TestShell::cleanup() {
    QDir::setCurrent(startFolder_);
    formdriver::discardWindows();
}

void TestShell::toolKeysOpenTheirWindows_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Решить уравнение") << "Command7"
                                      << "GForm"
                                      << "Цифроид 2 уравнение 1.1";
    QTest::newRow("Треугольник") << "treug"
                                 << "TreugForm"
                                 << "Цифроид 2 треугольник 1.1";
    QTest::newRow("Вектор") << "Command2"
                            << "VectorForm"
                            << "Цифроид 2 вектор 1.0";
    QTest::newRow("Дробный калькулятор") << "Command8"
                                         << "DrobForm"
                                         << "Цифроид 2 - дробь 1.0";
}

void TestShell::toolKeysOpenTheirWindows() {
    QFETCH(QString, key);
    QFETCH(QString, window);
    QFETCH(QString, caption);
    CalcDriver calc;
    calc.press("5 +");
    const auto opened = [&window] {
        QList<QWidget*> found;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() == window && top->isVisible()) {
                found << top;
            }
        }
        return found;
    };
    calc.click(key);
    calc.click(key); // the second press only brings it to the front
    QCOMPARE(opened().size(), 1);
    QVERIFY(!opened().front()->parentWidget());
    QCOMPARE(opened().front()->windowTitle(), caption);
    QCOMPARE(calc.operationLine(), QStringLiteral("Текущее действие: +"));
}

void TestShell::helpPage_data() {
    QTest::addColumn<bool>("inCurrentFolder");
    QTest::addColumn<bool>("installed");
    QTest::newRow("current folder first") << true << true;
    QTest::newRow("installed copy") << false << true;
    QTest::newRow("none: say which file") << false << false;
}

void TestShell::helpPage() {
    QFETCH(bool, inCurrentFolder);
    QFETCH(bool, installed);
    QTemporaryDir current;
    QDir::setCurrent(current.path());
    const QString local = current.filePath(app::kHelpFile);
    const QString dataFolder =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/cifroid";
    const QString copy = dataFolder + "/" + app::kHelpFile;
    QFile::remove(copy);
    for (const auto& [wanted, path] : {std::pair{inCurrentFolder, local}, {installed, copy}}) {
        if (wanted) {
            QDir().mkpath(QFileInfo(path).path());
            QFile page(path);
            QVERIFY(page.open(QIODevice::WriteOnly));
        }
    }

    CalcDriver calc;
    AddressRecorder addresses;
    calc.window().findChild<QAction*>("help")->trigger();
    QFile::remove(copy);

    if (!inCurrentFolder && !installed) {
        QCOMPARE(addresses.opened, QList<QUrl>{});
        QCOMPARE(calc.messages.texts(),
                 QStringList{"Не найден файл справки " + QDir::toNativeSeparators(local)});
        return;
    }
    QCOMPARE(addresses.opened,
             QList<QUrl>{QUrl::fromLocalFile(inCurrentFolder ? local : QDir::cleanPath(copy))});
    QVERIFY(calc.messages.shown.isEmpty());
}

void TestShell::whatsNewTouchesNothing() {
    CalcDriver calc;
    calc.press("7 * 2");
    calc.window().findChild<QAction*>("WhatNEW")->trigger();
    QCOMPARE(calc.messages.shown, (QList<QPair<QString, QString>>{
                                      {"Цифроид 2.26", "Новые функции в калькуляторе: x*10"}}));
    calc.press("=");
    QCOMPARE(calc.display(), QStringLiteral("14"));
}

// The boxes' own context menu reads in Russian.
void TestShell::toolkitSpeaksRussian() {
    QVERIFY(app::useRussianToolkitTexts());
    QLineEdit box;
    const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    QVERIFY(menu->actions().first()->text().startsWith(QStringLiteral("&Отменить действие")));
}

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
