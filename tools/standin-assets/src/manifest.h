#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace standin {

// One file of the stand-in art and sound, as the manifest lists it.
enum class AssetKind { Bmp, Png, Wav, Midi, Mp3 };

// Colour keys a file's loaders use; a file may be loaded with several.
enum KeyFlag : uint32_t {
    KeyNone = 1u << 0,
    KeyBlack = 1u << 1,
    KeyRed = 1u << 2,
    KeyGreen = 1u << 3,
    KeyWhite = 1u << 4,
};

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

struct ManifestEntry {
    std::string name;  // as the game spells it
    AssetKind kind = AssetKind::Bmp;
    int frameWidth = 0;
    int frameHeight = 0;
    int frames = 0;
    uint32_t keys = 0;  // KeyFlag bits
    std::string style;
    int width = 0;  // image size, powers of two
    int height = 0;
    std::vector<std::string> labels;
    std::string loadedBy;

    bool IsImage() const { return kind == AssetKind::Bmp || kind == AssetKind::Png; }
    int FramesPerRow() const { return frameWidth > 0 ? width / frameWidth : 0; }
    int FrameCapacity() const { return frameHeight > 0 ? FramesPerRow() * (height / frameHeight) : 0; }
    // The one colour that becomes transparent, when the file has a single
    // colour key and is never loaded unkeyed.
    bool HasBackgroundKey() const;
    Rgb BackgroundKey() const;
    std::string Label(int frame) const;
};

struct Manifest {
    std::vector<ManifestEntry> entries;
    const ManifestEntry* Find(const std::string& gameName) const;
};

// Parses manifest text; on a malformed line returns false and says why.
bool ParseManifest(const std::string& text, Manifest& out, std::string& error);
bool LoadManifest(const std::string& path, Manifest& out, std::string& error);
// The manifest of this source tree (its path is fixed when the tool is built).
bool LoadRepoManifest(Manifest& out, std::string& error);

// "Art\Menu\Back1.bmp", "Art//Menu//Back1.bmp" -> "Art/Menu/Back1.bmp".
std::string DiskName(const std::string& gameName);
// DiskName in lower case: two names load the same file when these match.
std::string MatchKey(const std::string& gameName);

int NextPowerOfTwo(int value);
Rgb KeyColour(uint32_t keyFlag);

}  // namespace standin
