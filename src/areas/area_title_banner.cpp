// "Entering" and the area's name in the letter glyphs of the shared art,
// shown after every arrival while the panel's title timer runs.
#include <cstring>

#include "areas/region_data.h"
#include "areas/region_frame_steps.h"
#include "battle/battle_engine.h"
#include "hud/area_backdrop.h"
#include "hud/control_panel.h"
#include "platform/shared_art.h"
#include "platform/sprite_sheet.h"
#include "shell/game_app.h"

namespace {
constexpr int kCapitalsImage = 29;
constexpr int kSmallImage = 30;
constexpr int kBarImage = 9;  // on the panel's own sheet
constexpr float kGlyphScaleX = 0.5f;
constexpr float kGlyphScaleY = 0.6f;
constexpr float kBannerY = 190.0f;
constexpr int32_t kCellStep = 17;
constexpr int32_t kWordX = 180;
constexpr int32_t kNameX = 360;
constexpr int32_t kLongNameX = 70;
constexpr size_t kLongName = 20;
constexpr uint32_t kWhite = 0xFFFFFFFFu;
constexpr uint32_t kBarColour = 0xAA9B9BFFu;

// Frames of the capital letter c: two cells, except I and J, which take one.
int CapitalFirstFrame(char c) {
    const int index = c - 'A';
    if (index <= 'H' - 'A') return 2 * index;
    if (c == 'I') return 16;
    if (c == 'J') return 17;
    return 2 * index - 2;
}

// Every small letter, r included, from its place in the alphabet: frame 0
// is the blank cell that the slot pickers draw after a name's end.
int SmallFrame(char c) { return c - 'a' + 2; }

// Draws the text from x and returns where the next glyph would go.
int32_t DrawGlyphs(SpriteSheet* sheet, const char* text, int32_t x) {
    for (const char* p = text; *p != '\0'; ++p) {
        const char c = *p;
        if (c >= 'A' && c <= 'Z') {
            const int frame = CapitalFirstFrame(c);
            sheet->Draw(kCapitalsImage, frame, static_cast<float>(x), kBannerY, kWhite, kGlyphScaleX, kGlyphScaleY, 0,
                        0.0f);
            x += kCellStep;
            if (c != 'I' && c != 'J') {
                sheet->Draw(kCapitalsImage, frame + 1, static_cast<float>(x), kBannerY, kWhite, kGlyphScaleX,
                            kGlyphScaleY, 0, 0.0f);
                x += kCellStep;
            }
        } else if (c >= 'a' && c <= 'z') {
            sheet->Draw(kSmallImage, SmallFrame(c), static_cast<float>(x), kBannerY, kWhite, kGlyphScaleX, kGlyphScaleY,
                        0, 0.0f);
            x += kCellStep;
        } else {
            x += kCellStep;
        }
    }
    return x;
}

void DrawShipBars(GameApp& app) {
    SpriteSheet* sheet = app.controlPanel->sheet.get();
    if (!sheet) return;
    const BattleEngine& engine = *app.battleEngine;
    const float x = static_cast<float>(engine.shipX);
    const float y = static_cast<float>(engine.shipY);
    sheet->Draw(kBarImage, 0, x - 16.0f, y - 24.0f, kBarColour, 3.0f, 0.5f, 0, 0.0f);
    sheet->Draw(kBarImage, 0, x - 16.0f, y + 72.0f, kBarColour, 3.0f, 0.5f, 0, 0.0f);
    sheet->Draw(kBarImage, 0, x - 24.0f, y - 16.0f, kBarColour, 0.5f, 3.0f, 0, 0.0f);
    sheet->Draw(kBarImage, 0, x + 72.0f, y - 16.0f, kBarColour, 0.5f, 3.0f, 0, 0.0f);
}
}  // namespace

void DrawAreaTitleWords(GameApp& app, const RegionData& region) {
    SpriteSheet* sheet = app.sharedArt->menuSheet;
    const int32_t number = app.areaBackdrop->areaNumber;
    if (number < 0 || number >= kRegionAreaSlots || !region.bannerNames[number]) return;
    const char* name = region.bannerNames[number];
    // The longest names do not fit after x 360: both words start further left.
    if (std::strlen(name) > kLongName) {
        const int32_t x = DrawGlyphs(sheet, "Entering", kLongNameX);
        DrawGlyphs(sheet, name, x + kCellStep);
    } else {
        DrawGlyphs(sheet, "Entering", kWordX);
        DrawGlyphs(sheet, name, kNameX);
    }
}

void DrawAreaTitleBanner(GameApp& app, const RegionData& region) {
    DrawAreaTitleWords(app, region);
    DrawShipBars(app);
}
