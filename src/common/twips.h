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

} // namespace common
