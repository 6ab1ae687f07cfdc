#pragma once

namespace Platform {

// Window layouts are given in twips (1/1440 inch); the screen counts 15 twips
// to the pixel (96 dots per inch).
struct Twips {
    static constexpr int PerPixel = 15;

    // Rounds to the nearest pixel, halves away from zero.
    static constexpr int toPixels(int twips)
    {
        return (twips >= 0 ? twips + PerPixel / 2 : twips - PerPixel / 2) / PerPixel;
    }

    static constexpr int fromPixels(int pixels) { return pixels * PerPixel; }
};

} // namespace Platform
