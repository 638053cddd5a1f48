// Writes the stand-in art and sound of the game into a game directory, when
// the manifest or this program changed or a file went missing.
//   standin-assets MANIFEST GAME_DIR [--lame PATH] [--force]
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "generator.h"
#include "manifest.h"

using namespace standin;

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s MANIFEST GAME_DIR [--lame PATH] [--force]\n", argv[0]);
        return 2;
    }
    GeneratorOptions options;
    bool force = false;
    for (int i = 3; i < argc; ++i) {
        if (std::strcmp(argv[i], "--lame") == 0 && i + 1 < argc) options.lamePath = argv[++i];
        else if (std::strcmp(argv[i], "--force") == 0) force = true;
    }
    Manifest manifest;
    std::string error;
    if (!LoadManifest(argv[1], manifest, error)) {
        std::fprintf(stderr, "standin-assets: %s: %s\n", argv[1], error.c_str());
        return 1;
    }
    std::error_code ec;
    const std::string self = std::filesystem::read_symlink("/proc/self/exe", ec).string();
    if (!force && !ec && AssetsUpToDate(manifest, argv[2], {argv[1], self}, options)) return 0;
    const GeneratorReport report = GenerateAssets(manifest, argv[2], options);
    for (const std::string& e : report.errors) std::fprintf(stderr, "standin-assets: %s\n", e.c_str());
    std::printf("standin-assets: %d files written, %d of the player's kept\n", report.written, report.kept);
    if (report.skipped) std::printf("standin-assets: no MP3 encoder, %d MP3 left out\n", report.skipped);
    return report.errors.empty() ? 0 : 1;
}
