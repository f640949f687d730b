#include "geometry/vectorform.h"

#include "common/windowregistry.h"
#include "common/words.h"
#include "support/formdriver.h"
#include "support/recorders.h"

#include <QAction>
#include <QImage>
#include <QtTest>

using formdriver::press;
using formdriver::setTexts;
using formdriver::texts;
using geometry::VectorForm;

namespace {

using L = QStringList;
using Points = QList<QPoint>;

const L kInputs{"tx1", "ty1", "tx2", "ty2", "Mstb"};
const L kResults{"tRst", "tkordx", "tkordy", "tSerx", "tSery"};
const QString kOverflow = QStringLiteral("Переполнение!");

VectorForm& vectorForm(const L& inputs) {
    VectorForm& form = common::showWindow<VectorForm>();
    setTexts(form, kInputs, inputs);
    return form;
}

// The drawing area as the screen shows it, in pixels from its top left.
QImage drawnArea(VectorForm& form) {
    return form.findChild<QWidget*>("plane")->grab().toImage();
}

bool isRed(QRgb pixel) {
    return qRed(pixel) == 255 && qGreen(pixel) == 0 && qBlue(pixel) == 0;
}

// Red within a pixel of the point.
bool redNear(const QImage& image, QPoint point) {
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            if (isRed(image.pixel(point + QPoint(dx, dy)))) {
                return true;
            }
        }
    }
    return false;
}

bool anyRed(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (isRed(image.pixel(x, y))) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

class TestVectorForm : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void keys_data();
    void keys();
    void drawing_data();
    void drawing();
    void drawingsStayUntilErased();
};

void TestVectorForm::cleanup() {
    formdriver::discardWindows();
}

void TestVectorForm::keys_data() {
    // Typed X1, Y1, X2, Y2, scale; the key; then every input and result box, and the messages.
    QTest::addColumn<L>("typed");
    QTest::addColumn<QString>("key");
    QTest::addColumn<L>("inputs");
    QTest::addColumn<L>("results");
    QTest::addColumn<L>("messages");
    const L none;
    const L blank{"", "", "", "", ""};
    const L start{"0", "0", "0", "0", "120"};

    QTest::newRow("as created: nothing") << start << "kord" << start << blank << none;
    QTest::newRow("coordinates") << L{"1", "2", "4", "6", "120"} << "kord"
                                 << L{"1", "2", "4", "6", "120"} << L{"", "3", "4", "", ""} << none;
    QTest::newRow("midpoint, not half the difference")
        << L{"1", "2", "4", "6", "120"} << "Command1" << L{"1", "2", "4", "6", "120"}
        << L{"", "", "", "2,5", "4"} << none;
    QTest::newRow("midpoint exact, a tie rounded away from zero")
        << L{"1E15", "0,1", "1", "0,2", "120"} << "Command1" << L{"1E15", "0,1", "1", "0,2", "120"}
        << L{"", "", "", "500000000000001", "0,15"} << none;
    QTest::newRow("length correctly rounded")
        << L{"0", "0", "1", "1", "120"} << "dlina" << L{"0", "0", "1", "1", "120"}
        << L{"1,4142135623731", "", "", "", ""} << none;
    QTest::newRow("ending at the origin is a vector")
        << L{"3", "4", "", "0", "120"} << "kord" << L{"3", "4", "0", "0", "120"}
        << L{"", "-3", "-4", "", ""} << none;
    QTest::newRow("bad X2 stops before Y1")
        << L{"", "", "x", "5", ""} << "dlina" << L{"0", "", "x", "5", ""} << blank
        << L{common::words::kNotNumber};
    QTest::newRow("empty scale becomes 1")
        << L{"0", "0", "0", "5", ""} << "dlina" << L{"0", "0", "0", "5", "1"}
        << L{"5", "", "", "", ""} << none;
    QTest::newRow("bad scale stops the calculation")
        << L{"1", "2", "4", "6", "x"} << "Command1" << L{"1", "2", "4", "6", "x"} << blank
        << L{common::words::kNotNumber};
    QTest::newRow("scale beyond 16 bits")
        << L{"1", "2", "4", "6", "32768"} << "kord" << L{"1", "2", "4", "6", "32768"} << blank
        << L{kOverflow};
}

void TestVectorForm::keys() {
    QFETCH(L, typed);
    QFETCH(QString, key);
    QFETCH(L, inputs);
    QFETCH(L, results);
    QFETCH(L, messages);

    const auto row = formdriver::pressWith(common::showWindow<VectorForm>(), kInputs, typed, key,
                                           kInputs + kResults, QStringLiteral("Цифроид 2 вектор"));
    QCOMPARE(row.texts, inputs + results);
    QCOMPARE(row.messages, messages);
    QVERIFY(row.underTitle);
}

void TestVectorForm::drawing_data() {
    // The plane's origin is at pixel (16, 168) of the drawing area; 120 twips are 8 pixels.
    QTest::addColumn<L>("typed");
    QTest::addColumn<Points>("red");

    QTest::newRow("line and start circle")
        << L{"0", "0", "3", "4", "120"} << Points{{28, 152}, {40, 136}, {14, 168}};
    QTest::newRow("along the X axis, over it") << L{"0", "0", "2", "0", "60"} << Points{{20, 168}};
    QTest::newRow("outside the axes")
        << L{"-1", "-1", "2", "2", "120"} << Points{{12, 172}, {6, 176}, {32, 152}};
    QTest::newRow("far off, cut at the edge")
        << L{"0", "0", "9E99", "9E99", "32767"} << Points{{40, 144}, {150, 34}};
}

void TestVectorForm::drawing() {
    QFETCH(L, typed);
    QFETCH(Points, red);

    VectorForm& form = vectorForm(typed);
    press(form, "Pict");
    const QImage image = drawnArea(form);
    for (const QPoint& point : red) {
        QVERIFY2(redNear(image, point),
                 qPrintable(QStringLiteral("%1, %2").arg(point.x()).arg(point.y())));
    }
}

void TestVectorForm::drawingsStayUntilErased() {
    VectorForm& form = vectorForm({"0", "0", "3", "4", "120"});
    press(form, "Pict");
    setTexts(form, kInputs, {"0", "0", "-1", "2", "60"});
    press(form, "Pict");
    const QImage both = drawnArea(form);
    QVERIFY(redNear(both, {28, 152}));
    QVERIFY(redNear(both, {14, 164}));
    const QColor axis = both.pixelColor(100, 168);
    const QWidget* plane = form.findChild<QWidget*>("plane");
    QCOMPARE(plane->accessibleDescription(),
             QStringLiteral("вектор от (0; 0) до (3; 4), масштаб 1:120; "
                            "вектор от (0; 0) до (-1; 2), масштаб 1:60"));

    press(form, "Clear");
    const QImage erased = drawnArea(form);
    QVERIFY(!anyRed(erased));
    QCOMPARE(plane->accessibleDescription(), QString());
    QCOMPARE(erased.pixelColor(100, 168), axis);
    QCOMPARE(texts(form, kInputs), (L{"0", "0", "-1", "2", "60"}));

    press(form, "Pict");
    form.findChild<QAction*>("Close")->trigger();
    QVERIFY(!form.isVisible());
    QCOMPARE(&common::showWindow<VectorForm>(), &form);
    QVERIFY(!anyRed(drawnArea(form)));
}

QTEST_MAIN(TestVectorForm)
#include "tst_vectorform.moc"
