#include <initializer_list>

#include "platform/number_text.h"
#include "platform/sprite_sheet.h"
#include "screens/awards_screen.h"
#include "screens/screen_drawing.h"

namespace {

struct RowText {
    const char* name;
    const char* phrase;
};
constexpr RowText kRowTexts[AwardsScreen::kRows] = {
    {"Gold", "gold every time gold found."},
    {"Crystal", "crystal every time crystal found."},
    {"Favors", "favors every time favors found."},
    {"Ship Material", "ship material when some found."},
    {"Robot Material", "robot material when some found."},
    {"Building Material", "building material when some found."},
    {"Goodies From Enemy", "% more chance of getting goodies from enemy."},
};

constexpr HelpText kHelp = {"Awards",
                            {"When you gain enough experience and level up",
                             "then you automatically get to choose an award.",
                             "All awards give bonuses. Awards have 10 times ",
                             "larger effects on gifts for solving quests."}};

constexpr uint32_t kRowColour = 0xFFC8C8C8u;
constexpr uint32_t kPanelColour = 0x38FFFFFFu;
constexpr uint32_t kPictureColour = 0xD2FFFFFFu;
constexpr int kRowStep = 84;
constexpr int kFirstRowY = 40;
constexpr int kGoodiesRow = 6;

// Where the phrase after a value stands: 362 for two digits and 372 for
// three (goodies: 368 up to three, 379 for four); longer values, which the
// rows never reach in play, push it on by the same step a digit.
int PhraseX(int row, uint64_t value) {
    int digits = 1;
    for (uint64_t rest = value; rest >= 10; rest /= 10) ++digits;
    if (row == kGoodiesRow) return digits <= 3 ? 368 : 379 + 11 * (digits - 4);
    return digits <= 2 ? 362 : 372 + 10 * (digits - 3);
}

}  // namespace

void AwardsScreen::Draw(SpriteSheet* menuSheet) {
    DrawBackground(menuSheet);
    for (int row = 0; row < kRows; ++row) {
        if (rowShown[row]) DrawRow(row);
    }
    if (picks > 0 && sheet != nullptr) {
        for (int row = 0; row < kRows; ++row) {
            const int frameNumber = hoverCode == kPickCodes[row] ? 1 : 0;
            sheet->Draw(kArrowImage, frameNumber, 245, static_cast<float>(35 + kRowStep * row), kOpaqueWhite, 1.0f,
                        1.0f, 0, 0.0f);
        }
    }
    DrawHelp(menuSheet);
    for (int row = 0; row < kRows; ++row) {
        if (!fade[row]) continue;
        const uint32_t count = awardCounts[row];
        const float starX = count < 10 ? 157.0f : 159.0f;
        const int dy = count < 10 ? 32 : (count < 100 ? 29 : 24);
        DrawFlashStars(sheet.get(), kStarImage, starX, static_cast<float>(dy + kRowStep * row), spinAngle, fade[row],
                       count);
    }
}

void AwardsScreen::DrawBackground(SpriteSheet* menu) {
    DrawFill(menu, menu_art::kLitFill, ScaledFill(6, 6, 6.9f, 18.4f), kPanelColour);
    DrawFill(menu, menu_art::kLitFill, ScaledFill(228, 6, 18.7f, 18.4f), kPanelColour);
    DrawGlow(menu, 1, 5, 7, 1.9f, 9.3f, 0x64FF0000u);
    DrawGlow(menu, 1, 127, 7, 1.53f, 9.3f, 0x64FFFF00u);
    for (int row = 0; row < kRows; ++row) {
        const float top = static_cast<float>(7 + kRowStep * row);
        DrawGlow(menu, 1, 231, top, 8.8f, 1.31f, 0x46FA3228u);
        DrawGlow(menu, 0, 231, top, 8.8f, 1.31f, 0x3CFAFA28u);
    }
    DrawEdgeFrame(menu, Between(0, 0, 800, 600));
    if (menu == nullptr) return;
    // The two column dividers.
    for (float dividerX : {118.0f, 220.0f}) {
        menu->Draw(menu_art::kEdgeSides, 1, dividerX, 8, kOpaqueWhite, 1.0f, 584.0f / 16.0f, 0, 0.0f);
        menu->Draw(menu_art::kEdgeSides, 0, dividerX + 6, 8, kOpaqueWhite, 1.0f, 584.0f / 16.0f, 0, 0.0f);
    }
}

void AwardsScreen::DrawRow(int row) {
    const int kind = rowKind[row] < kRowSlots ? rowKind[row] : 0;
    const int y = kFirstRowY + kRowStep * row;
    if (sheet != nullptr) {
        sheet->Draw(rowImage[kind], 0, 45, static_cast<float>(y - 10), kPictureColour, 1.1f, 0.6f, 0, 0.0f);
    }
    const uint32_t count = awardCounts[row];
    FormatNumber(countText, count);
    DrawLabel(font.get(), countText, 170, y, kRowColour);
    if (count == 0) {
        DrawLabel(font.get(), kRowTexts[row].name, 290, y, kRowColour);
        return;
    }
    const uint64_t value = ShownValue(row, count);
    FormatNumber(valueText, static_cast<int64_t>(value));
    DrawLabel(font.get(), "Plus", 290, y, kRowColour);
    DrawLabel(font.get(), valueText, 333, y, kRowColour);
    DrawLabel(font.get(), kRowTexts[row].phrase, PhraseX(row, value), y, kRowColour);
}

void AwardsScreen::DrawHelp(SpriteSheet* menu) {
    if (!helpOpen && !helpHeld) return;
    DrawHelpBox(menu, font.get(), ScaledFill(199, 140, 14.8f, 6.6f), kHelp, 223, 155, 185);
    if (!helpOpen) return;
    ExitLook look;
    look.glow = 0x76FF6E6Eu;
    DrawExitButton(menu, font.get(), 395, 310, hoverCode == kCodeExitHelp, 405, 316, look);
}
