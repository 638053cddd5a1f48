#pragma once
#include <string>
#include <vector>

#include "manifest.h"

namespace standin {

// Names the game asked for that the manifest does not hold, each once, in
// the order first asked. Spellings that load the same file match; names
// outside Art and Data (saves, options) are the player's, not assets.
std::vector<std::string> NamesMissingFromManifest(const std::vector<std::string>& requested, const Manifest& manifest);

// For game tests: after a run, pass RequestedGamePaths(); the result names
// every asset the game asked for that the stand-ins lack (or why the
// manifest could not be read).
std::vector<std::string> NamesMissingFromRepoManifest(const std::vector<std::string>& requested);

}  // namespace standin
