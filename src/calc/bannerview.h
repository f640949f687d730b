#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

namespace calc {

class Banner;

// The banner line under the links. Its columns fill the box in a fixed-pitch font, so each text
// enters at the right edge and leaves at the left at an even pace. The text is drawn once, into
// a strip, when it first shows; a tick moves the strip along and paints only the column it
// uncovers. The line takes no focus, and a screen reader meets it by a fixed name and
// description, not by a change at every tick.
class BannerView : public QWidget {
    Q_OBJECT

public:
    explicit BannerView(QWidget* parent);

    // Shows the banner as it stands now: a new text, or the same text a tick further on.
    void follow(const Banner& banner);

    // Where the line's columns lie, inside the frame, and the width of one column.
    QRect lineRect() const;
    qreal columnWidth() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The strip's left edge while the text's first character stands in `column`.
    int stripX(int column) const;
    // What the strip covers while its first character stands in `column`.
    QRect stripRect(int column) const;
    void drawStrip();

    QString text_;
    int column_;
    QPixmap strip_; // the text in its font and colours; empty until it shows
};

} // namespace calc
