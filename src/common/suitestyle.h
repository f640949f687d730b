#pragma once

#include <QProxyStyle>

namespace common {

// The suite's style on the Fusion base: keys are rounded panels in their palette's button colour
// with a border a shade darker (twice as heavy on a window's default key), focus is a ring
// drawn inside that border so nothing on the key moves, text boxes are rounded too, and dialog
// buttons carry no icons. A menu bar's "more" mark and the frame of a group are drawn rather than
// read from pictures, so showing the main window reads no picture files.
class SuiteStyle : public QProxyStyle {
public:
    SuiteStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                           const QWidget* widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;

private:
    void drawKey(const QStyleOption& option, QPainter& painter) const;
    void drawGroupFrame(const QStyleOption& option, QPainter& painter, const QWidget* widget) const;
    void drawTextBox(const QStyleOption& option, QPainter& painter, const QWidget* widget) const;
};

} // namespace common
