#include "generator.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "image.h"
#include "painter.h"
#include "sounds.h"
#include "text_renderer.h"

namespace standin {

namespace fs = std::filesystem;

namespace {

constexpr float kLoopSeconds = 4.0f;
constexpr float kMp3Seconds = 6.0f;

struct Stamp {
    uintmax_t size = 0;
    long long mtime = 0;
    bool operator==(const Stamp&) const = default;
};

using Record = std::map<std::string, Stamp>;

bool StampOf(const fs::path& path, Stamp& stamp) {
    std::error_code ec;
    stamp.size = fs::file_size(path, ec);
    if (ec) return false;
    const auto t = fs::last_write_time(path, ec);
    if (ec) return false;
    stamp.mtime = static_cast<long long>(t.time_since_epoch().count());
    return true;
}

Record ReadRecord(const fs::path& file) {
    Record record;
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string name;
        Stamp s;
        if (std::getline(fields, name, '\t') && fields >> s.size >> s.mtime) record[name] = s;
    }
    return record;
}

void WriteRecord(const fs::path& file, const Record& record) {
    std::ofstream out(file, std::ios::trunc);
    for (const auto& [name, s] : record) out << name << '\t' << s.size << ' ' << s.mtime << '\n';
}

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

// The file already there under this name in any letter case, if any.
bool ExistingFile(const fs::path& path, fs::path& found) {
    std::error_code ec;
    if (!fs::is_directory(path.parent_path(), ec)) return false;
    if (fs::exists(path, ec)) {
        found = path;
        return true;
    }
    const std::string leaf = Lower(path.filename().string());
    for (const auto& item : fs::directory_iterator(path.parent_path(), ec))
        if (Lower(item.path().filename().string()) == leaf) {
            found = item.path();
            return true;
        }
    return false;
}

bool WriteAsset(const ManifestEntry& e, const fs::path& path, const GeneratorOptions& options, TextRenderer& text,
                const fs::path& scratch, std::string& error) {
    switch (e.kind) {
    case AssetKind::Bmp:
    case AssetKind::Png: {
        const Image image = PaintImage(e, text);
        if (image.Width() == 0) {
            error = "unknown picture style '" + e.style + "'";
            return false;
        }
        return e.kind == AssetKind::Bmp ? WriteBmp(path.string(), image) : WritePng(path.string(), image);
    }
    case AssetKind::Wav:
        return WriteWav(path.string(), e.style == "loop" ? MakeLoop(e.name, kLoopSeconds) : MakeEffect(e.name));
    case AssetKind::Midi:
        return WriteBytes(path.string(), MakeMidi(e.name));
    case AssetKind::Mp3: {
        if (!WriteWav(scratch.string(), MakeLoop(e.name, kMp3Seconds))) return false;
        const bool ok = EncodeMp3(options.lamePath, scratch.string(), path.string());
        std::error_code ec;
        fs::remove(scratch, ec);
        return ok;
    }
    }
    return false;
}

bool HaveEncoder(const GeneratorOptions& options) {
    std::error_code ec;
    return !options.lamePath.empty() && fs::exists(options.lamePath, ec);
}

}  // namespace

bool AssetsUpToDate(const Manifest& manifest, const std::string& gameDir, const std::vector<std::string>& inputs,
                    const GeneratorOptions& options) {
    const fs::path root(gameDir);
    std::error_code ec;
    const auto made = fs::last_write_time(root / kRecordName, ec);
    if (ec) return false;
    for (const std::string& input : inputs) {
        const auto t = fs::last_write_time(input, ec);
        if (ec || t > made) return false;
    }
    if (!fs::is_directory(root / "Saves", ec)) return false;
    const bool encoder = HaveEncoder(options);
    for (const ManifestEntry& e : manifest.entries) {
        fs::path found;
        if (e.kind == AssetKind::Mp3 && !encoder) continue;
        if (!ExistingFile(root / DiskName(e.name), found)) return false;
    }
    return true;
}

GeneratorReport GenerateAssets(const Manifest& manifest, const std::string& gameDir, const GeneratorOptions& options) {
    GeneratorReport report;
    const fs::path root(gameDir);
    std::error_code ec;
    fs::create_directories(root / "Saves", ec);
    if (ec) {
        report.errors.push_back("cannot make " + (root / "Saves").string());
        return report;
    }
    TextRenderer text(options.fontPath.empty() ? DefaultFontPath() : options.fontPath);
    if (!text.Ok()) {
        report.errors.push_back("cannot open the font " + DefaultFontPath());
        return report;
    }
    const Record old = ReadRecord(root / kRecordName);
    Record now;
    const bool haveEncoder = HaveEncoder(options);
    for (const ManifestEntry& e : manifest.entries) {
        const std::string disk = DiskName(e.name);
        const fs::path path = root / disk;
        fs::create_directories(path.parent_path(), ec);
        fs::path existing;
        if (ExistingFile(path, existing)) {
            Stamp s;
            const auto it = old.find(disk);
            const bool ours = existing == path && it != old.end() && StampOf(path, s) && s == it->second;
            if (!ours) {
                ++report.kept;
                continue;
            }
        }
        if (e.kind == AssetKind::Mp3 && !haveEncoder) {
            ++report.skipped;
            continue;
        }
        std::string error;
        if (!WriteAsset(e, path, options, text, root / ".standin-scratch.wav", error)) {
            report.errors.push_back(disk + ": " + (error.empty() ? "cannot write" : error));
            continue;
        }
        Stamp s;
        if (StampOf(path, s)) now[disk] = s;
        ++report.written;
    }
    WriteRecord(root / kRecordName, now);
    return report;
}

}  // namespace standin
