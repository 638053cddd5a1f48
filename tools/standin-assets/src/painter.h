#pragma once
#include "image.h"
#include "manifest.h"
#include "text_renderer.h"

namespace standin {

// Paints the stand-in picture of one manifest image: every frame the grid
// holds that the game draws, on the file's colour-key background.
Image PaintImage(const ManifestEntry& entry, TextRenderer& text);

// The colour that marks a file's frames: one per file, never a key colour.
Rgb FileColour(const std::string& name);
// Colour of the parts of a picture that the loader should make transparent
// (the key), or an opaque dark backdrop when the file is also loaded unkeyed.
Rgb BackgroundColour(const ManifestEntry& entry);

}  // namespace standin
