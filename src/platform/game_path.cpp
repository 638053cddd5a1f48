#include "platform/game_path.h"

#include <strings.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

std::vector<std::string>& Requested() {
    static std::vector<std::string> names;
    return names;
}

// "Art\\Menu//Back1.bmp" -> {"Art", "Menu", "Back1.bmp"}; empty and "." parts dropped.
std::vector<std::string> SplitGameName(const std::string& name) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : name) {
        if (c == '\\' || c == '/') {
            if (!part.empty() && part != ".") parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty() && part != ".") parts.push_back(part);
    return parts;
}

// The entry of `dir` named `part`, exactly or else ignoring case; empty when none.
std::string MatchEntry(const fs::path& dir, const std::string& part) {
    std::error_code ec;
    if (part == "..") return part;
    if (fs::exists(dir / part, ec)) return part;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        std::string entry = it->path().filename().string();
        if (strcasecmp(entry.c_str(), part.c_str()) == 0) return entry;
    }
    return {};
}

std::string Join(const std::vector<std::string>& parts, bool absolute) {
    std::string out = absolute ? "/" : "";
    for (size_t i = 0; i < parts.size(); ++i) {
        if (i) out += '/';
        out += parts[i];
    }
    return out;
}

}  // namespace

std::string ResolveGamePathIn(const std::string& baseDir, const std::string& gameName) {
    const bool absolute = !gameName.empty() && (gameName[0] == '/' || gameName[0] == '\\');
    std::vector<std::string> parts = SplitGameName(gameName);
    fs::path dir = absolute ? fs::path("/") : fs::path(baseDir.empty() ? "." : baseDir);
    for (size_t i = 0; i < parts.size(); ++i) {
        std::string found = MatchEntry(dir, parts[i]);
        if (found.empty()) break;  // the rest does not exist yet: keep the game's spelling
        parts[i] = found;
        dir /= found;
    }
    return Join(parts, absolute);
}

std::string ResolveGamePathForWriting(const std::string& gameName) { return ResolveGamePathIn(".", gameName); }

std::string ResolveGamePath(const std::string& gameName) {
    std::vector<std::string>& names = Requested();
    if (std::find(names.begin(), names.end(), gameName) == names.end()) names.push_back(gameName);
    return ResolveGamePathIn(".", gameName);
}

const std::vector<std::string>& RequestedGamePaths() { return Requested(); }

void ClearRequestedGamePaths() { Requested().clear(); }
