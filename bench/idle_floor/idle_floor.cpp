// The floor for the idle benchmark: a bare Qt window whose one-line strip moves a column every
// 100 ms, as the calculator's banner does, with nothing else to do.
#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {

class Strip : public QWidget {
public:
    using QWidget::QWidget;
    int column = 0;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.fillRect(width() - column % width(), 0, 7, height(), Qt::black);
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(656, 529);
    auto* strip = new Strip(&window);
    strip->setGeometry(10, 490, 636, 24);
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, strip, [strip] {
        strip->column += 7;
        strip->scroll(-7, 0);
    });
    timer.start(100);
    window.show();
    return QApplication::exec();
}
