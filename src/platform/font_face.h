#pragma once
#include <string>

// The font file standing in for a face the game names: "Arial" and unknown
// faces are Liberation Sans, with the bold and italic variants.
std::string FontFileForFace(const char* faceName, bool bold, bool italic);
