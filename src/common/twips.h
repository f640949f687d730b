#pragma once

#include <QPoint>
#include <QRect>

// Window layouts are drawn up in twips: 1440 to the inch, 15 to a logical pixel.
namespace common {

constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips) {
    return (twips >= 0 ? twips + kTwipsPerPixel / 2 : twips - kTwipsPerPixel / 2) / kTwipsPerPixel;
}

constexpr QRect twipsRect(int left, int top, int width, int height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

// The same at `scale` times the size (a larger dpi); at scale 1 exactly as above. Above it the
// edges are scaled, so places that touch at one scale touch at every other.
inline int twipsToPixels(int twips, qreal scale) {
    return scale == 1 ? twipsToPixels(twips) : qRound(twips * scale / kTwipsPerPixel);
}

inline QRect twipsRect(int left, int top, int width, int height, qreal scale) {
    if (scale == 1) {
        return twipsRect(left, top, width, height);
    }
    const int x = twipsToPixels(left, scale);
    const int y = twipsToPixels(top, scale);
    return {x, y, twipsToPixels(left + width, scale) - x, twipsToPixels(top + height, scale) - y};
}

} // namespace common
