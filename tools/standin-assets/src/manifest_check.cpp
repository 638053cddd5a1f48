#include "manifest_check.h"

#include <set>

namespace standin {

std::vector<std::string> NamesMissingFromManifest(const std::vector<std::string>& requested, const Manifest& manifest) {
    std::set<std::string> known;
    for (const ManifestEntry& e : manifest.entries) known.insert(MatchKey(e.name));
    std::set<std::string> reported;
    std::vector<std::string> missing;
    for (const std::string& name : requested) {
        const std::string key = MatchKey(name);
        const bool asset = key.rfind("art/", 0) == 0 || key.rfind("data/", 0) == 0;
        if (!asset || known.count(key) || !reported.insert(key).second) continue;
        missing.push_back(name);
    }
    return missing;
}

std::vector<std::string> NamesMissingFromRepoManifest(const std::vector<std::string>& requested) {
    Manifest manifest;
    std::string error;
    if (!LoadRepoManifest(manifest, error)) return {"(manifest) " + error};
    return NamesMissingFromManifest(requested, manifest);
}

}  // namespace standin
