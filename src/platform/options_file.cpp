#include "platform/options_file.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <span>
#include <string>

#include "platform/file_replace.h"
#include "platform/game_path.h"

namespace {

constexpr const char* kMusicFile = "Saves//Options//MusicVolume.txt";
constexpr const char* kSoundsFile = "Saves//Options//SoundsVolume.txt";
constexpr const char* kAdvisorFile = "Saves//Options//Advisor.txt";
constexpr const char* kOptionsDirectory = "Saves//Options//";

constexpr int64_t kMaxVolume = 100;

// The integer a file starts with (after blanks), saturated far beyond any
// range the options use. False when the file is missing or holds no number.
bool ReadLeadingInteger(const char* gameName, int64_t* value) {
    std::FILE* file = std::fopen(ResolveGamePathForWriting(gameName).c_str(), "rb");
    if (!file) return false;
    char text[64] = {};
    const size_t length = std::fread(text, 1, sizeof text - 1, file);
    std::fclose(file);
    size_t i = 0;
    while (i < length && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    bool negative = false;
    if (i < length && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    const size_t firstDigit = i;
    int64_t number = 0;
    constexpr int64_t kSaturate = 1000000000;
    for (; i < length && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        number = std::min<int64_t>(number * 10 + (text[i] - '0'), kSaturate);
    }
    if (i == firstDigit) return false;
    *value = negative ? -number : number;
    return true;
}

int WriteInteger(const char* gameName, long long value) {
    char text[32];
    const int length = std::snprintf(text, sizeof text, "%lld", value);
    if (length <= 0) return 0;
    return WriteFileReplacing(ResolveGamePathForWriting(gameName),
                              {std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(text),
                                                        static_cast<size_t>(length))});
}

// "Saves" and "Saves/Options", made when missing.
void EnsureOptionsDirectory() {
    EnsureParentDirectory(ResolveGamePathForWriting(kOptionsDirectory) + "/x");
}

}  // namespace

void OptionsFile::Load() {
    if (!loadPending) return;
    EnsureOptionsDirectory();
    int64_t value = 0;
    if (ReadLeadingInteger(kSoundsFile, &value)) soundsVolume = static_cast<int32_t>(std::clamp<int64_t>(value, 0, kMaxVolume));
    if (ReadLeadingInteger(kMusicFile, &value)) musicVolume = static_cast<int32_t>(std::clamp<int64_t>(value, 0, kMaxVolume));
    if (ReadLeadingInteger(kAdvisorFile, &value)) advisorOn = static_cast<uint32_t>(std::clamp<int64_t>(value, 0, 1));
    loadPending = 0;
}

int OptionsFile::Save() {
    if (!savePending) return 0;
    EnsureOptionsDirectory();
    int written = WriteInteger(kSoundsFile, soundsVolume);
    written &= WriteInteger(kMusicFile, musicVolume);
    written &= WriteInteger(kAdvisorFile, advisorOn);
    savePending = 0;
    return written;
}
