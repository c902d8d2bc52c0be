#pragma once
// Twips, the unit the layouts are written in: 1440 to the inch, 20 to the
// point, and 15 to the screen's pixel (the desktop at 96 dpi).

namespace platform {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kTwipsPerPoint = 20;
inline constexpr int kTwipsPerPixel = 15;

// Twips to the whole pixels they fill: the part of a pixel left over is
// dropped. Every window and printed layout places its controls so.
constexpr int px(int twips) { return twips / kTwipsPerPixel; }

// Twips to the nearest whole pixel (a width, not negative): a grid column's
// width as the grid control sets it.
constexpr int pxNearest(int twips) { return (twips + 7) / kTwipsPerPixel; }

// Pixels back to twips.
constexpr int pixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

} // namespace platform
