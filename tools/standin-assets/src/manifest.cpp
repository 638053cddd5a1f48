#include "manifest.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>

namespace standin {

namespace {

constexpr int kMaxRowWidth = 256;

struct KeyName {
    const char* name;
    KeyFlag flag;
};
constexpr KeyName kKeyNames[] = {
    {"none", KeyNone}, {"black", KeyBlack}, {"red", KeyRed}, {"green", KeyGreen}, {"white", KeyWhite},
};

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator)) parts.push_back(part);
    if (!text.empty() && text.back() == separator) parts.emplace_back();
    return parts;
}

bool ParseInt(const std::string& text, int& out) {
    if (text.empty() || text.size() > 6) return false;
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    out = std::stoi(text);
    return true;
}

bool ParseKeys(const std::string& text, uint32_t& out) {
    out = 0;
    for (const std::string& word : Split(text, '+')) {
        bool known = false;
        for (const KeyName& k : kKeyNames)
            if (word == k.name) {
                out |= k.flag;
                known = true;
            }
        if (!known) return false;
    }
    return out != 0;
}

bool KindFromName(const std::string& name, AssetKind& kind) {
    const size_t dot = name.rfind('.');
    if (dot == std::string::npos) return false;
    std::string ext = name.substr(dot + 1);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    if (ext == "bmp") kind = AssetKind::Bmp;
    else if (ext == "png") kind = AssetKind::Png;
    else if (ext == "wav") kind = AssetKind::Wav;
    else if (ext == "mid") kind = AssetKind::Midi;
    else if (ext == "mp3") kind = AssetKind::Mp3;
    else return false;
    return true;
}

// Rows of at most kMaxRowWidth pixels (one frame when it is wider), then
// both sides rounded up to powers of two so the loader never stretches.
void AutoSize(ManifestEntry& e) {
    const int wanted = std::max(1, std::min(e.frames, kMaxRowWidth / e.frameWidth));
    e.width = NextPowerOfTwo(wanted * e.frameWidth);
    const int perRow = e.width / e.frameWidth;
    const int rows = (e.frames + perRow - 1) / perRow;
    e.height = NextPowerOfTwo(rows * e.frameHeight);
}

bool IsPowerOfTwo(int v) { return v > 0 && (v & (v - 1)) == 0; }

bool ParseLine(const std::string& line, ManifestEntry& e, std::string& error) {
    const std::vector<std::string> f = Split(line, '\t');
    if (f.size() != 9) {
        error = "expected 9 tab-separated fields";
        return false;
    }
    e.name = f[0];
    if (!KindFromName(e.name, e.kind)) {
        error = "unknown file type";
        return false;
    }
    if (!ParseInt(f[1], e.frameWidth) || !ParseInt(f[2], e.frameHeight) || !ParseInt(f[3], e.frames)) {
        error = "bad frame size or count";
        return false;
    }
    if (!ParseKeys(f[4], e.keys)) {
        error = "bad colour keys";
        return false;
    }
    e.style = f[5];
    if (!f[7].empty()) e.labels = Split(f[7], '|');
    e.loadedBy = f[8];
    if (!e.IsImage()) return true;
    if (e.frameWidth <= 0 || e.frameHeight <= 0 || e.frames <= 0) {
        error = "an image needs a frame size and a frame count";
        return false;
    }
    if (f[6] == "auto") {
        AutoSize(e);
    } else {
        const size_t x = f[6].find('x');
        if (x == std::string::npos || !ParseInt(f[6].substr(0, x), e.width) ||
            !ParseInt(f[6].substr(x + 1), e.height)) {
            error = "bad size";
            return false;
        }
    }
    if (!IsPowerOfTwo(e.width) || !IsPowerOfTwo(e.height)) {
        error = "image size is not a power of two";
        return false;
    }
    if (e.width % e.frameWidth != 0 || e.height % e.frameHeight != 0 || e.FrameCapacity() < e.frames) {
        error = "frames do not fit the image";
        return false;
    }
    return true;
}

}  // namespace

int NextPowerOfTwo(int value) {
    int p = 1;
    while (p < value) p <<= 1;
    return p;
}

Rgb KeyColour(uint32_t keyFlag) {
    switch (keyFlag) {
    case KeyRed: return {255, 0, 0};
    case KeyGreen: return {0, 255, 0};
    case KeyWhite: return {255, 255, 255};
    default: return {0, 0, 0};
    }
}

bool ManifestEntry::HasBackgroundKey() const {
    if (keys & KeyNone) return false;
    return keys == KeyBlack || keys == KeyRed || keys == KeyGreen || keys == KeyWhite;
}

Rgb ManifestEntry::BackgroundKey() const { return KeyColour(keys); }

// A lone frame is named after its file ("3" for Armor\3.bmp, "Stat" for
// Station.bmp), so that a series of one-picture files can be told apart.
std::string ManifestEntry::Label(int frame) const {
    if (frame >= 0 && frame < static_cast<int>(labels.size())) return labels[frame];
    if (frames == 1 && frame == 0) {
        const std::string disk = DiskName(name);
        const size_t slash = disk.rfind('/'), dot = disk.rfind('.');
        const size_t from = slash == std::string::npos ? 0 : slash + 1;
        if (dot != std::string::npos && dot > from) return disk.substr(from, std::min<size_t>(dot - from, 4));
    }
    return std::to_string(frame);
}

std::string DiskName(const std::string& gameName) {
    std::string out;
    for (char c : gameName) {
        const char d = c == '\\' ? '/' : c;
        if (d == '/' && !out.empty() && out.back() == '/') continue;
        out += d;
    }
    return out;
}

std::string MatchKey(const std::string& gameName) {
    std::string key = DiskName(gameName);
    std::transform(key.begin(), key.end(), key.begin(), [](unsigned char c) { return std::tolower(c); });
    return key;
}

const ManifestEntry* Manifest::Find(const std::string& gameName) const {
    const std::string key = MatchKey(gameName);
    for (const ManifestEntry& e : entries)
        if (MatchKey(e.name) == key) return &e;
    return nullptr;
}

bool ParseManifest(const std::string& text, Manifest& out, std::string& error) {
    out.entries.clear();
    std::istringstream in(text);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        ManifestEntry e;
        std::string why;
        if (!ParseLine(line, e, why)) {
            error = "line " + std::to_string(number) + ": " + why;
            return false;
        }
        if (out.Find(e.name)) {
            error = "line " + std::to_string(number) + ": " + e.name + " listed twice";
            return false;
        }
        out.entries.push_back(std::move(e));
    }
    return true;
}

bool LoadManifest(const std::string& path, Manifest& out, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot read " + path;
        return false;
    }
    std::stringstream text;
    text << in.rdbuf();
    return ParseManifest(text.str(), out, error);
}

bool LoadRepoManifest(Manifest& out, std::string& error) { return LoadManifest(STANDIN_MANIFEST_PATH, out, error); }

}  // namespace standin
