#pragma once

#include "common/toolwindow.h"

#include <QColor>

namespace about {

// The About window: the suite's parts, the version notice and five links to the maker's
// pages. A link lights up red under the mouse and goes back to dark blue when the mouse moves
// over certain other parts of the window. "Ok" only hides it.
class AForm : public common::ToolWindow {
    Q_OBJECT

public:
    static constexpr QRgb kDarkBlue = qRgb(0, 0, 192);
    static constexpr QRgb kRed = qRgb(255, 0, 0);
    static constexpr QRgb kGreen = qRgb(0, 128, 0);

    explicit AForm(QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void mouseOver(const QString& control);
    void openLink(const QString& control);
    void paintLink(const char* link, QRgb colour);
};

} // namespace about
