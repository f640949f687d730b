#pragma once

#include <QPushButton>

namespace geometry {

// A push button of a fixed width whose caption wraps onto further lines instead of being
// cut; its text stays the caption as given, so screen readers announce it whole.
class WrappingKey : public QPushButton {
public:
    WrappingKey(const QString& caption, int width, QWidget* parent);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSize padding() const;
};

} // namespace geometry
