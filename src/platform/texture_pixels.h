#pragma once
#include <cstdint>

#include "platform/image_codec.h"

// The smallest power of two not below n (n >= 1).
int NextPowerOfTwo(int n);

// Turns a decoded picture into texture pixels the way the original loader
// did: pixels equal to the colour key (any ARGB value, 0 = none) become
// transparent black, the picture is stretched to power-of-two sides, and the
// pixels are reduced to the requested format (A1R5G5B5: one alpha bit and five
// bits per colour). Format 0 keeps the file's own pixels.
bool PrepareTexturePixels(const Image& picture, uint32_t colourKey, uint32_t format, Image& out);
