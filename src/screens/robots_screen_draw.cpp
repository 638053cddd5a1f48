#include <initializer_list>
#include <iterator>

#include "platform/font.h"
#include "platform/number_text.h"
#include "platform/sprite_sheet.h"
#include "screens/robots_screen.h"
#include "screens/screen_drawing.h"

namespace {

constexpr const char* kRankNames[RobotsScreen::kRanks] = {"Grunt", "Sarge", "Captain", "General"};

constexpr HelpLine kHeaderHelpLines[] = {
    {"Operational", 120, true},
    {"Shows how many robots are ready to fight.", 150, false},
    {"Broken", 190, true},
    {"Shows how many robots are broken.", 220, false},
    {"Repairs are automatic but take material.", 250, false},
    {"Max Count", 290, true},
    {"Shows how many robots you can have.", 320, false},
    {"Raise the max count by building factories. ", 350, false},
    {"1 factory supports 3 robots", 380, false},
    {"Max Quality", 420, true},
    {"Shows highest quality your robots can", 450, false},
    {"reach. Robots can be upgraded.", 480, false},
    {"Factory upgrades raise the Max Quality.", 510, false},
};
constexpr HelpLine kStatsHelpLines[] = {
    {"Shields", 120, true},
    {"Raising a robot's quality raises its shields.", 150, false},
    {"Armor", 190, true},
    {"Raising a robot's quality raises its armor.", 220, false},
    {"Protection (vs non-conventional attacks)", 260, true},
    {"Both your robot quality and your robot protection skill raise ", 290, false},
    {"protection against atomic,chemical, and electrical attacks.", 320, false},
    {"Attack", 360, true},
    {"Raising a robot's quality raises its attack.", 390, false},
    {"Defence", 430, true},
    {"Higher defence means less conventional damage taken.", 460, false},
    {"Quality", 500, true},
    {"Raise a robot's quality all the way to max quality by", 530, false},
    {"upgrading it.", 560, false},
};
constexpr HelpText kCountHelpText = {
    "Count", {"Shows how many robots you have ", "right now. Both operational and ", "broken robots are displayed."}};
constexpr HelpText kArrowsHelpText = {
    "Arrows", {"Scroll up and down if you have", "alot of robots to look at. ", "Double arrows move faster."}};
constexpr HelpText kMakeRobotsHelpText = {
    "Make Robots", {"Robots are expensive to make", "but are a huge help in combat.", "They are 100% loyal to you."}};

struct ColumnHeader {
    const char* text;
    int x;
};
constexpr ColumnHeader kColumns[] = {{"Shields", 206}, {"Armor", 332},   {"Protection", 417},
                                     {"Attack", 539},  {"Defence", 623}, {"Quality", 724}};

struct ArrowLook {
    int image;
    float x;
    uint8_t code;
};
constexpr ArrowLook kArrowLooks[] = {
    {menu_art::kArrowTenUp, 20, RobotsScreen::kCodeTenPagesUp},
    {menu_art::kArrowTenDown, 45, RobotsScreen::kCodeTenPagesDown},
    {menu_art::kArrowUp, 115, RobotsScreen::kCodePageUp},
    {menu_art::kArrowDown, 140, RobotsScreen::kCodePageDown},
};

constexpr int kRowHeight = 50;
constexpr int kPageHeight = kRowHeight * RobotsScreen::kRowsPerPage;
constexpr int kVisibleAbove = 80;
constexpr int kVisibleBelow = 535;
constexpr uint32_t kStatColour = 0xFF0A6E0Au;
constexpr uint32_t kBrokenColour = 0xFF963232u;
constexpr uint32_t kButtonGlow = 0x8496E68Cu;
constexpr uint32_t kAnswerLit = 0xC8FF0A0Au;
constexpr ScreenRect kMessageBox = Between(223, 260, 578, 343);

// Shields and armor end just before their "/": right-aligned into a box
// ending there, which puts one to four digits where the page always had
// them and keeps "None" and longer values clear of the slash.
constexpr int kShieldsRight = 239;
constexpr int kArmorRight = 359;
constexpr int kAlignedWidth = 120;

void DrawRightAligned(Font* font, const char* text, int right, int y, uint32_t colour) {
    if (font == nullptr) return;
    font->DrawText(text, right - kAlignedWidth, y, kAlignedWidth, 32, colour, DT_RIGHT | DT_SINGLELINE | DT_NOCLIP);
}

}  // namespace

void RobotsScreen::Draw(SpriteSheet* menuSheet, SpriteSheet* robotSheet) {
    costText[0] = '\0';
    DrawPanels(menuSheet);
    if (anyUpgradable && sheet != nullptr) {
        sheet->Draw(0, hoverCode == kCodeUpgradeAll ? 1 : 0, 565, 8, kOpaqueWhite, 1.0f, 1.0f, 0, 0.0f);
    }
    DrawImage(menuSheet, menu_art::kBlockLine, 0, 80, 96, 800.0f / 32, 0.5f);
    for (int slot = 0; slot < kSlots; ++slot) DrawRobot(menuSheet, robotSheet, slot);
    DrawTexts();
    DrawArrows(menuSheet);
    if (confirmAll) DrawConfirm(menuSheet);
    DrawMessages(menuSheet);
    DrawHelps(menuSheet);
    if (notAtBase) {
        DrawMessageBox(menuSheet, font.get(), Between(223, 260, 658, 343), "You must be at Base to upgrade robots.",
                       250, 290);
    }
}

void RobotsScreen::DrawPanels(SpriteSheet* menu) {
    DrawFramedFill(menu, menu_art::kPlainFill, Between(0, 0, 800, 53));
    DrawFramedFill(menu, menu_art::kPlainFill, Between(0, 50, 181, 600));
    DrawFramedFill(menu, menu_art::kPlainFill, Between(180, 50, 802, 600));
    const ScreenRect button = {610, 555, 163, 32};
    const bool hovered = hoverCode == kCodeMakeRobots;
    if (makeRobotsRequest) {
        DrawFill(menu, menu_art::kPressedFill, button);
    } else if (hovered) {
        DrawFill(menu, menu_art::kLitFill, button);
    }
    if (makeRobotsRequest || hovered) {
        DrawGlow(menu, 1, button.x, button.y, button.w / 64.0f, button.h / 64.0f, kButtonGlow);
        DrawEdgeFrame(menu, {button.x - 3, button.y - 3, button.w + 6, button.h + 6});
    }
}

void RobotsScreen::DrawRobot(SpriteSheet* menu, SpriteSheet* robotSheet, int slot) {
    if (!listed[slot]) return;
    const int64_t top = ScreenTop(slot);
    if (top <= kVisibleAbove || top >= kVisibleBelow) return;
    const int y = static_cast<int>(top);
    const float fy = static_cast<float>(y);
    DrawFill(menu, menu_art::kPictureBack, {21, fy, 60, 48});
    if (menu != nullptr) {
        for (float lineX : {20.0f, 40.0f, 60.0f}) {
            for (float lineY : {fy, fy + 24, fy + 48}) {
                menu->Draw(menu_art::kBlockLine, 0, lineX, lineY, kOpaqueWhite, 20.0f / 32.0f, 0.5f, 0, 0.0f);
            }
        }
        menu->Draw(menu_art::kBlock, 0, 20, fy, 0x50FFFFFFu, 60.0f / 32.0f, 48.0f / 32.0f, 0, 0.0f);
    }
    DrawImage(menu, menu_art::kBlockLine, 0, 80, fy + 48, 720.0f / 32, 0.5f);
    const uint32_t k = kind[slot] < static_cast<uint32_t>(kRanks) ? kind[slot] : 0;
    if (flash[slot]) DrawFlashStars(menu, menu_art::kStar, 744, fy + 6, starAngle, flash[slot], quality[slot]);
    DrawLabel(font.get(), kRankNames[k], 90, y + 16);
    if (sheet != nullptr) sheet->Draw(1, 0, 32, fy + 5, kOpaqueWhite, 0.64f, 0.64f, 0, 0.0f);
    if (robotSheet != nullptr) robotSheet->Draw(static_cast<int>(k), pictureFrame[slot], 35, fy + 8, kOpaqueWhite, 1.1f, 1.1f, 0, 0.0f);
    if (!operational[slot]) {
        DrawLabel(font.get(), "BROKEN", 255, y + 16, kBrokenColour);
        return;
    }
    const int ty = y + 16;
    char number[kNumberTextSize];
    FormatNumber(number, shields[slot]);
    DrawRightAligned(font.get(), shields[slot] == 0 ? "None" : number, kShieldsRight, ty, kStatColour);
    DrawLabel(font.get(), "/", 240, ty, kStatColour);
    DrawNumber(font.get(), maxShields[slot], 248, ty, kStatColour);
    FormatNumber(number, armor[slot]);
    DrawRightAligned(font.get(), number, kArmorRight, ty, kStatColour);
    DrawLabel(font.get(), "/", 360, ty, kStatColour);
    DrawNumber(font.get(), maxArmor[slot], 368, ty, kStatColour);
    DrawNumber(font.get(), static_cast<int64_t>(protection[slot]) + protectionBonus, 460, ty, kStatColour);
    DrawNumber(font.get(), attack[slot], 565, ty, kStatColour);
    DrawNumber(font.get(), defence[slot], 651, ty, kStatColour);
    DrawNumber(font.get(), quality[slot], 754, ty, kStatColour);
    if (!upgradable[slot]) return;
    const uint8_t arrowCode = static_cast<uint8_t>(kCodeFirstArrow + (y - 95) / kRowHeight);
    const bool hovered = hoverCode == arrowCode;
    if (sheet != nullptr) sheet->Draw(0, hovered ? 1 : 0, 710, fy + 8, kOpaqueWhite, 1.0f, 1.0f, 0, 0.0f);
    if (hovered) FormatNumber(costText, upgradeCost[slot]);
}

void RobotsScreen::DrawTexts() {
    struct Pair {
        const char* label;
        int labelX, y;
        const char* value;
        int valueX;
    };
    const Pair pairs[] = {
        {"Count:", 20, 63, countText, 86},          {"Operational:", 20, 15, operationalText, 140},
        {"Broken:", 240, 15, brokenText, 319},      {"Max Count:", 400, 15, maxCountText, 513},
        {"Max Quality:", 600, 15, maxQualityText, 722},
    };
    for (const Pair& pair : pairs) {
        DrawLabel(font.get(), pair.label, pair.labelX, pair.y);
        DrawLabel(font.get(), pair.value, pair.valueX, pair.y);
    }
    for (const ColumnHeader& column : kColumns) DrawLabel(font.get(), column.text, column.x, 64);
    DrawLabel(font.get(), "Cost: ", 205, 558);
    if (hoverCode >= kCodeFirstArrow && hoverCode < kCodeFirstArrow + kRowsPerPage) {
        DrawLabel(font.get(), costText, 270, 558);
    } else if (hoverCode == kCodeUpgradeAll) {
        DrawLabel(font.get(), totalText, 270, 558);
    }
    DrawLabel(font.get(), "Material: ", 400, 558);
    DrawLabel(font.get(), materialText, 495, 558);
    DrawLabel(font.get(), pageText, page >= 10 ? 78 : 86, 558);
}

void RobotsScreen::DrawArrows(SpriteSheet* menu) {
    if (menu == nullptr) return;
    for (const ArrowLook& arrow : kArrowLooks) {
        const int frameNumber = clickCode == arrow.code ? 2 : (hoverCode == arrow.code ? 1 : 0);
        menu->Draw(arrow.image, frameNumber, arrow.x, 560, kOpaqueWhite, 1.3f, 1.3f, 0, 0.0f);
    }
}

void RobotsScreen::DrawConfirm(SpriteSheet* menu) {
    DrawFramedFill(menu, menu_art::kPlainFill, Between(223, 140, 578, 386));
    DrawLabel(font.get(), "robot material cost", 306, 180, kHelpTitleColour);
    DrawLabel(font.get(), totalText, 370, 210, kHelpLineColour);
    DrawLabel(font.get(), "Upgrade all robots?", 303, 300);
    DrawAnswerButton(menu, font.get(), 313, 334, clickCode == kCodeYes, hoverCode == kCodeYes, "Yes", 317, 340,
                     kAnswerLit, kButtonGlow);
    DrawAnswerButton(menu, font.get(), 428, 334, clickCode == kCodeNo, hoverCode == kCodeNo, "No", 436, 340, kAnswerLit,
                     kButtonGlow);
}

void RobotsScreen::DrawMessages(SpriteSheet* menu) {
    if (shortMaterial) {
        DrawMessageBox(menu, font.get(), kMessageBox, "Short material. You need:", 260, 290);
        DrawNumber(font.get(), neededMaterial, 507, 290);
    }
    if (shortMaterialAll) {
        DrawMessageBox(menu, font.get(), kMessageBox, "Short material. You need:", 260, 290);
        DrawLabel(font.get(), totalText, 507, 290);
    }
    if (upgradedAll && !confirmAll) DrawMessageBox(menu, font.get(), kMessageBox, "Upgraded all robots", 312, 290);
    if (allAtMax) DrawMessageBox(menu, font.get(), kMessageBox, "All robots are at Max Quality", 264, 290);
    if (reachedMax && !confirmAll) DrawMessageBox(menu, font.get(), kMessageBox, "Robot reached max quality", 264, 290);
}

void RobotsScreen::DrawHelps(SpriteSheet* menu) {
    const auto shown = [this](Help help) { return helpOpen[help] || helpPeek[help]; };
    if (shown(kHeaderHelp)) {
        DrawFramedFill(menu, menu_art::kPopupFill, Between(178, 97, 623, 596));
        DrawHelpLines(font.get(), kHeaderHelpLines, static_cast<int>(std::size(kHeaderHelpLines)), 198);
        if (helpOpen[kHeaderHelp]) {
            DrawExitButton(menu, font.get(), 370, 550, hoverCode == kCodeExitHeaderHelp, 380, 556);
        }
    }
    const struct {
        Help help;
        const HelpText* text;
    } smallHelps[] = {{kCountHelp, &kCountHelpText}, {kArrowsHelp, &kArrowsHelpText},
                      {kMakeRobotsHelp, &kMakeRobotsHelpText}};
    for (const auto& small : smallHelps) {
        if (!shown(small.help)) continue;
        DrawFramedFill(menu, menu_art::kPopupFill, Between(213, 140, 588, 356));
        DrawHelpText(font.get(), *small.text, 238, 160, 200);
        if (helpOpen[small.help]) DrawExitButton(menu, font.get(), 370, 300, hoverCode == kCodeExitSmallHelp, 380, 306);
    }
    if (shown(kStatsHelp)) {
        DrawFramedFill(menu, menu_art::kPopupFill, Between(178, 97, 773, 596));
        DrawHelpLines(font.get(), kStatsHelpLines, static_cast<int>(std::size(kStatsHelpLines)), 198);
        if (helpOpen[kStatsHelp]) DrawExitButton(menu, font.get(), 700, 550, hoverCode == kCodeExitStatsHelp, 710, 556);
    }
}
