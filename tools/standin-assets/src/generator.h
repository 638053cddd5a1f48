#pragma once
#include <string>
#include <vector>

#include "manifest.h"

namespace standin {

struct GeneratorOptions {
    std::string lamePath;  // empty or missing: the MP3 is left out
    std::string fontPath;
};

struct GeneratorReport {
    int written = 0;
    int kept = 0;     // files the player put in place, left alone
    int skipped = 0;  // MP3 with no encoder
    std::vector<std::string> errors;
};

// Writes every manifest file under gameDir (Art/..., Data/...) and makes
// Saves/. A record of what it wrote lets it tell its own files from a
// player's originals: those, and any file it did not write, are kept.
GeneratorReport GenerateAssets(const Manifest& manifest, const std::string& gameDir, const GeneratorOptions& options);

// True when the last run is newer than its inputs (manifest, generator) and
// every file is still there: nothing to do.
bool AssetsUpToDate(const Manifest& manifest, const std::string& gameDir, const std::vector<std::string>& inputs,
                    const GeneratorOptions& options);

// Name of the record file inside the game directory.
constexpr const char* kRecordName = ".standin-record";

}  // namespace standin
