#include "platform/font_face.h"

#include <strings.h>

#include <cstdlib>

#ifndef GAME_FONT_DIR
#define GAME_FONT_DIR "/usr/share/fonts/truetype/liberation2"
#endif

namespace {

struct FaceFamily {
    const char* face;
    const char* family;
};

constexpr FaceFamily kFamilies[] = {
    {"Arial", "LiberationSans"},
    {"Times New Roman", "LiberationSerif"},
    {"Courier New", "LiberationMono"},
};

}  // namespace

std::string FontFileForFace(const char* faceName, bool bold, bool italic) {
    const char* family = kFamilies[0].family;
    for (const FaceFamily& f : kFamilies)
        if (faceName && strcasecmp(faceName, f.face) == 0) family = f.family;
    const char* style = bold ? (italic ? "-BoldItalic" : "-Bold") : (italic ? "-Italic" : "-Regular");
    // GAME_FONT_DIR in the environment points at another copy of the fonts.
    const char* dir = std::getenv("GAME_FONT_DIR");
    return std::string(dir && *dir ? dir : GAME_FONT_DIR) + "/" + family + style + ".ttf";
}
