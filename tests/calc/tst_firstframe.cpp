#include "calc/calcform.h"
#include "common/suitelook.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QStyle>
#include <QtTest>

// The calculator's first frame reads no picture files: the marks on it are drawn. Reading one
// would load every image plugin of the system, each costing start-up time and memory.
class TestFirstFrame : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { common::applySuiteLook(*qApp); }
    void loadsNoImagePlugin();
    void menuBarMarkIsDrawn_data();
    void menuBarMarkIsDrawn();
};

namespace {

// The image plugins in this process's memory map.
QStringList loadedImagePlugins() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly)) {
        return {};
    }
    QStringList plugins;
    for (const QByteArray& line : maps.readAll().split('\n')) {
        if (line.contains("/imageformats/")) {
            plugins << QString::fromLocal8Bit(line.mid(line.lastIndexOf('/') + 1));
        }
    }
    plugins.removeDuplicates();
    return plugins;
}

} // namespace

void TestFirstFrame::loadsNoImagePlugin() {
    if (!QFile::exists(QStringLiteral("/proc/self/maps"))) {
        QSKIP("this system shows no process memory map");
    }
    calc::CalcForm window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.grab(); // every control painted
    QCOMPARE(loadedImagePlugins(), QStringList());
}

void TestFirstFrame::menuBarMarkIsDrawn_data() {
    QTest::addColumn<int>("icon");
    QTest::newRow("horizontal bar") << int(QStyle::SP_ToolBarHorizontalExtensionButton);
    QTest::newRow("vertical bar") << int(QStyle::SP_ToolBarVerticalExtensionButton);
}

void TestFirstFrame::menuBarMarkIsDrawn() {
    QFETCH(int, icon);
    const QImage mark =
        QApplication::style()->standardIcon(QStyle::StandardPixmap(icon)).pixmap(16).toImage();
    int inked = 0;
    for (int y = 0; y < mark.height(); ++y) {
        for (int x = 0; x < mark.width(); ++x) {
            inked += qAlpha(mark.pixel(x, y)) > 0 ? 1 : 0;
        }
    }
    QVERIFY2(inked > 10, "the mark is blank");
}

QTEST_MAIN(TestFirstFrame)
#include "tst_firstframe.moc"
