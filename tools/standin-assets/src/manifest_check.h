#pragma once
#include <string>
#include <vector>

#include "manifest.h"

// Names the game asked for that the manifest does not hold, each once, in
// the order first asked. Spellings that load the same file match; names
// outside Art and Data (saves, options) are the player's, not assets.
std::vector<std::string> NamesMissingFromManifest(const std::vector<std::string>& requested, const Manifest& manifest);
