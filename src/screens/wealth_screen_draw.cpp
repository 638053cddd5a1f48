#include <initializer_list>

#include "platform/sprite_sheet.h"
#include "screens/screen_drawing.h"
#include "screens/wealth_screen.h"

namespace {

enum Resource { kGold = 0, kCrystal, kFavors, kShipMaterial, kBuildingMaterial, kRobotMaterial };

struct Icon {
    int image;
    int frame;
    float x, y, scaleX, scaleY, size;  // size: of the image's frame
    uint32_t colour;
};

// The rows top to bottom: robot material is shown before building material,
// although the record keeps building material first.
struct RowLook {
    const char* label;
    int labelX, labelY;
    uint32_t colour;
    int resource;
    int amountY;
    Icon icon;
    HelpText popup;
};
constexpr RowLook kRowLooks[WealthScreen::kRows] = {
    {"Gold ", 320, 35, 0xFFFAFA32u, kGold, 35, {menu_art::kWealth, 0, 70, 20, 0.8f, 0.8f, 64, 0xE1FFFFFFu},
     {"Gold",
      {"Gold is used to buy items for your ship.", "You get gold by destroying the enemy", "and by solving quests. "}}},
    {"Crystal ", 313, 115, 0xFF8C8CFAu, kCrystal, 115, {menu_art::kWealth, 1, 70, 100, 0.8f, 0.8f, 64, 0xE1FFFFFFu},
     {"Crystal",
      {"Crystal is used to buy items for your ship.", "You get crystal by destroying the enemy",
       "and by solving quests. "}}},
    {"Favors ", 318, 213, 0xFFF0F0F0u, kFavors, 213, {menu_art::kFavor, 0, 80, 205, 1.1f, 1.2f, 32, 0xE1FFFFFFu},
     {"Favors",
      {"Favors are used to get help for quests.", "You get favors by destroying the enemy",
       "and by solving quests. "}}},
    {"Ship Material ", 287, 325, 0xFFFF5A5Au, kShipMaterial, 325,
     {menu_art::kMaterial, 1, 76, 320, 1.2f, 1.2f, 32, 0xD2FFFFFFu},
     {"Ship Material",
      {"This material is used to repair and to", "upgrade your ship. You get the ship",
       "material by destroying the enemy and", "by solving quests. "}}},
    {"Robot Material ", 279, 431, 0xFFFF5A5Au, kRobotMaterial, 431,
     {menu_art::kMaterial, 2, 76, 420, 1.2f, 1.2f, 32, 0xD2FFFFFFu},
     {"Robot Material",
      {"This material is used to repair, upgrade,", "and make new robots. You get the robot",
       "material by destroying the enemy and", "by solving quests. "}}},
    {"Building Material ", 275, 532, 0xFFFF5A5Au, kBuildingMaterial, 533,
     {menu_art::kMaterial, 3, 76, 520, 1.2f, 1.2f, 32, 0xD2FFFFFFu},
     {"Building Material",
      {"This material is used to upgrade and", "construct new buildings. You get this",
       "material by destroying the enemy and", "by solving quests. "}}},
};

// Three panels across the screen: gold and crystal, favors, the materials.
constexpr ScreenRect kPanels[] = {
    ScaledFill(6, 6, 25, 5.1f),
    ScaledFill(6, 178, 25, 3.1f),
    ScaledFill(6, 284, 25, 9.8f),
};
constexpr float kIconColumnWidth = 184;  // up to the first divider
constexpr float kDividers[] = {190, 500};
constexpr int kBadgeImage = 0;
constexpr int kPlateImage = 1;
constexpr float kBadgeX = 57;
constexpr float kBadgeScale = 0.6f;
constexpr float kBadgeSize = 128 * kBadgeScale;
constexpr float kPlateScaleX = 1.6f;
constexpr float kAmountPlateX = 580;
constexpr int kAmountBoxWidth = 150;

constexpr ScreenRect kPopupFill = ScaledFill(179, 140, 13.4f, 7.3f);

}  // namespace

void WealthScreen::Draw(SpriteSheet* menuSheet) {
    DrawPanels(menuSheet);
    DrawRows(menuSheet);
    DrawPopup(menuSheet);
}

void WealthScreen::DrawPanels(SpriteSheet* menu) {
    for (const ScreenRect& panel : kPanels) {
        DrawFillWithFrame(menu, menu_art::kPlainFill, panel);
        const float glowScaleY = panel.h / 64.0f;
        DrawGlow(menu, 1, panel.x, panel.y, kIconColumnWidth / 64.0f, glowScaleY, 0x82FFFF64u);
        DrawGlow(menu, 0, panel.x, panel.y, kIconColumnWidth / 64.0f, glowScaleY, 0x96FFFF64u);
        if (menu == nullptr) continue;
        for (float dividerX : kDividers) {
            menu->Draw(menu_art::kEdgeSides, 1, dividerX - 4, panel.y, kOpaqueWhite, 1.0f, panel.h / 16.0f, 0, 0.0f);
            menu->Draw(menu_art::kEdgeSides, 0, dividerX + 2, panel.y, kOpaqueWhite, 1.0f, panel.h / 16.0f, 0, 0.0f);
        }
    }
    if (sheet == nullptr) return;
    for (const RowLook& row : kRowLooks) {
        const Icon& icon = row.icon;
        const float iconMiddle = icon.y + icon.size * icon.scaleY / 2;
        sheet->Draw(kBadgeImage, 0, kBadgeX, iconMiddle - kBadgeSize / 2, kOpaqueWhite, kBadgeScale, kBadgeScale, 0,
                    0.0f);
        const float plateY = static_cast<float>(row.labelY - 4);
        sheet->Draw(kPlateImage, 0, static_cast<float>(row.labelX - 48), plateY, kOpaqueWhite, kPlateScaleX, 1.0f, 0,
                    0.0f);
        sheet->Draw(kPlateImage, 0, kAmountPlateX, static_cast<float>(row.amountY - 4), kOpaqueWhite, kPlateScaleX, 1.0f,
                    0, 0.0f);
    }
}

void WealthScreen::DrawRows(SpriteSheet* menu) {
    for (const RowLook& row : kRowLooks) {
        const Icon& icon = row.icon;
        if (menu != nullptr) {
            menu->Draw(icon.image, icon.frame, icon.x, icon.y, icon.colour, icon.scaleX, icon.scaleY, 0, 0.0f);
        }
        DrawLabel(font.get(), row.label, row.labelX, row.labelY, row.colour);
        const uint32_t amount = amounts[row.resource];
        DrawBoxedLabel(font.get(), amountTexts[row.resource], AmountX(amount), row.amountY, kAmountBoxWidth,
                       row.colour);
    }
}

void WealthScreen::DrawPopup(SpriteSheet* menu) {
    for (int r = 0; r < kRows; ++r) {
        if (!popupOpen[r] && !popupHeld[r]) continue;
        DrawHelpBox(menu, font.get(), kPopupFill, kRowLooks[r].popup, 200, 160, 200);
        break;
    }
    if (!AnyPopupOpen()) return;
    ExitLook look;
    look.fill = 0xCDFAC832u;
    look.hoveredFill = 0xCDFF0032u;
    look.square = 0xCDFAC832u;
    look.glow = 0x76C3C36Eu;
    DrawExitButton(menu, font.get(), 365, 330, hoverCode == kCodeExit, 374, 336, look);
}
