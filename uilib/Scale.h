#pragma once
// Pixel measures are given at 96 dots per inch; a dialog's scale is its dots per inch.

namespace crvUiVista {

inline constexpr int kBaseScale = 96;

// Multiplies first so that integer division loses as little as possible.
constexpr int Scaled(int nPixelsAt96, int nScale) { return nPixelsAt96 * nScale / kBaseScale; }

// A dialog's scale, measured on its header picture control, which is 45 pixels wide at 96 dots
// per inch; never below 96, and the division truncates.
constexpr int ScaleFromHeaderPictureWidth(int nWidthPixels) {
    const int nScale = nWidthPixels * kBaseScale / 45;
    return nScale > kBaseScale ? nScale : kBaseScale;
}

}  // namespace crvUiVista
