#pragma once

// The window's geometry is kept in twips (1/1440 inch); at 96 dpi one pixel is 15 twips.

namespace r36::ui {

inline constexpr int kTwipsPerPixel = 15;

constexpr int px(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

} // namespace r36::ui
