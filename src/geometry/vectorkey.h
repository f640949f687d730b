#pragma once

#include <QPushButton>

namespace geometry {

// A push button whose caption wraps onto further lines instead of being cut; its text stays
// the caption as given. It is as wide as `widestLine` (or the caption's widest word) in its font.
class WrappingKey : public QPushButton {
public:
    WrappingKey(const QString& caption, const QString& widestLine, QWidget* parent);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSize padding() const;
};

} // namespace geometry
