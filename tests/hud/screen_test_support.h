#pragma once
#include <gtest/gtest.h>

#include <string>

#include "platform/image_codec.h"
#include "support/golden_image.h"
#include "support/headless_canvas.h"

// A headless 800 x 600 device with the shared art of the game directory
// loaded, for drawing whole screens.
class ScreenTest : public HeadlessCanvas {
protected:
    Image Shot() { return ReadBack(); }
    // Clears the back buffer to the colour of empty space.
    void Clear() { graphics_.Clear(0xFF000000, 1.0f); }
};

// Compares a picture with tests/hud/ref/<name>.png: a pixel matches when
// every channel is within `tolerance`, and at most `maxMismatch` of the pixels
// may differ.
inline ::testing::AssertionResult MatchesReference(const Image& actual, const std::string& name, int tolerance = 0,
                                                   double maxMismatch = 0.0) {
    return MatchesGolden(actual, "hud", name, tolerance, maxMismatch);
}

// Number of pixels in which two pictures of the same size differ at all.
long DifferentPixels(const Image& a, const Image& b);
