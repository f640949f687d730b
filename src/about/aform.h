#pragma once

#include <QColor>
#include <QWidget>

class QLabel;

namespace about {

// The About window: the suite's parts, the version notice and five links to the maker's
// pages. A link lights up red under the mouse and goes back to dark blue when the mouse moves
// over certain other parts of the window. "Ok" only hides it.
class AForm : public QWidget {
    Q_OBJECT

public:
    static const QString kTitle; // "О программе"
    static constexpr QRgb kDarkBlue = qRgb(0, 0, 192);
    static constexpr QRgb kRed = qRgb(255, 0, 0);
    static constexpr QRgb kGreen = qRgb(0, 128, 0);

    explicit AForm(QWidget* parent = nullptr);

    QSize sizeHint() const override;

    void Command1_Click(); // "Ok"

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void mouseOver(const QString& control);
    void openLink(const QString& control);
    void paintLink(const char* link, QRgb colour);
};

// Creates the About window if needed and shows it; every "О программе" of the suite.
void showAbout();

} // namespace about
