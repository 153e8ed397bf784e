#pragma once

#include <QPointF>
#include <QRect>
#include <QRectF>

namespace ui {

// Window layouts are drawn up in twips, 1/1440 inch. Fifteen twips make one device-independent
// pixel, so the program keeps its proportions on screens of any resolution.
inline constexpr int kTwipsPerPixel = 15;

// Exact conversion, for painting.
constexpr double TwipsToPixels(double twips) {
    return twips / kTwipsPerPixel;
}

// Nearest whole pixel, for placing widgets.
constexpr int TwipsToWholePixels(int twips) {
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

constexpr int PixelsToTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}

// A rectangle given as Left, Top, Width, Height in twips.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    constexpr int right() const { return left + width; }
    constexpr int bottom() const { return top + height; }
};

inline QRect ToPixels(const TwipsRect& r) {
    return {TwipsToWholePixels(r.left), TwipsToWholePixels(r.top), TwipsToWholePixels(r.width),
            TwipsToWholePixels(r.height)};
}

inline QRectF ToPixelsF(const TwipsRect& r) {
    return {TwipsToPixels(r.left), TwipsToPixels(r.top), TwipsToPixels(r.width),
            TwipsToPixels(r.height)};
}

inline QPointF ToPixelsF(double leftTwips, double topTwips) {
    return {TwipsToPixels(leftTwips), TwipsToPixels(topTwips)};
}

}  // namespace ui
