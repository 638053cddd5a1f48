#include "ship/item_icon_sheets.h"

#include <cstdio>

#include "platform/screen_art.h"
#include "platform/sprite_sheet.h"

namespace {

constexpr int kIconSheetImages = 10;
constexpr int16_t kIconWidth = 32;
struct IconSet {
    const char* folder;
    int count;
    int16_t frameHeight;
};
constexpr IconSet kIconSets[kItemClassCount] = {
    {"Art\\Items\\Armor\\", 6, 32},
    {"Art\\Items\\Shields\\", 6, 32},
    {"Art\\Items\\Weapons\\", 5, 64},
    {"Art\\Items\\Engine\\", 4, 64},
};

}  // namespace

int LoadItemIconSheets(ItemIconSheets& sheets, GraphicsDevice* graphics) {
    int result = 0;
    for (int c = 0; c < kItemClassCount; ++c) {
        CreateScreenSheet(sheets[c], graphics, kIconSheetImages);
        for (int i = 0; i < kIconSets[c].count; ++i) {
            char file[64];
            std::snprintf(file, sizeof file, "%s%d.bmp", kIconSets[c].folder, i + 1);
            result = LoadScreenImage(sheets[c].get(), {i, file, kIconWidth, kIconSets[c].frameHeight, kKeyRed});
        }
    }
    return result;
}

void ReleaseItemIconSheets(ItemIconSheets& sheets) {
    for (std::unique_ptr<SpriteSheet>& sheet : sheets) sheet.reset();
}
