#include <initializer_list>
#include <iterator>

#include "platform/number_text.h"
#include "platform/sprite_sheet.h"
#include "screens/buildings_screen.h"
#include "screens/screen_drawing.h"

namespace {

struct KindText {
    const char* name;
    const char* description;
};
constexpr KindText kKindTexts[BuildingsScreen::kKinds] = {
    {"Storage", "Holds equipment for your ship."},
    {"General Repair", "Repairs your ship and robots."},
    {"Ship Repair", "Cheap repair of your ship."},
    {"Robot Repair", "Cheap repair of your robots."},
    {"Gold Lab", "Get more gold."},
    {"Crystal Lab", "Get more crystal."},
    {"Wealth Center", "Get more of each resource."},
    {"Favors Office", "Get more favors."},
    {"Ship Research", "Ship upgrades."},
    {"Robot Research", "Robot making and upgrades."},
    {"Building Research", "Building construction and upgrades."},
    {"Robot Factory", "Makes and upgrades robots."},
};

constexpr HelpText kKindHelp[BuildingsScreen::kKinds] = {
    {"Storage", {"Each Storage holds 12 items.", "Storage is not upgradable. "}},
    {"General Repair Facility",
     {"Each facility lowers the repair cost", "of your ship and robots. (6,2)", "Each upgrade lowers the repair cost",
      "of your ship and robots. (3,1)"}},
    {"Ship Repair Facility",
     {"Each facility lowers the repair cost", "of your ship. (20)", "Each upgrade lowers the repair cost",
      "of your ship. (10)"}},
    {"Robot Repair Facility",
     {"Each facility lowers the repair cost", "of each robots. (5)", "Each upgrade lowers the repair cost",
      "of each robots. (3)"}},
    {"Gold Lab",
     {"Each facility raises the amount", "of gold you find and receive. (12)", "Each upgrade raises the amount",
      "of gold you find and receive. (6)"}},
    {"Crystal Lab",
     {"Each facility raises the amount", "of crystal you find and receive. (12)", "Each upgrade raises the amount",
      "of crystal you find and receive. (6)"}},
    {"Wealth Center",
     {"Each center raises the amount", "of each resource you get. (2)", "Each upgrade raises the amount",
      "of each resource you get. (1)"}},
    {"Favors Office",
     {"Each office raises the amount", "of favors you find and receive. (12)", "Each upgrade raises the amount",
      "of favors you find and receive. (6)"}},
    {"Ship Research Facility",
     {"Each facility lowers the upgrade", "cost of your ship. (100)", "Each upgrade lowers the upgrade",
      "cost of your ship. (50)"}},
    {"Robot Research Facility",
     {"Each facility lowers the making", "cost of each robot. (100)", "Each upgrade lowers the upgrade",
      "cost of each robot. (50)"}},
    {"Building Research Facility",
     {"Each facility raises the amount", "of material you find and receive. (12)", "Each upgrade raises the amount",
      "of material you find and receive. (6)"}},
    {"Robot Factory",
     {"Each factory raises the maximum", "robot count. (3)", "Each upgrade raises the maximum",
      "robot quality. (1)"}},
};

constexpr HelpLine kTopBarHelp[] = {
    {"Count", 160, true},
    {"Count shows how many buildings you have.", 190, false},
    {"Building Material", 240, true},
    {"This material is used to construct new buildings", 270, false},
    {"and to upgrade them.", 300, false},
    {"Constructing Buildings", 350, true},
    {"Constructing a building brings a benefit to you", 380, false},
    {"as well as upgrading them.", 410, false},
};
constexpr HelpText kListHelp = {"Buildings", {"All your buildings are shown here", "and the cost to upgrade them."}};
constexpr HelpText kArrowsHelp = {
    "Arrows", {"Scroll up and down if you have", "alot of buildings to look at. ", "Double arrows move faster."}};

constexpr ScreenRect kTopBarFill = ScaledFill(6, 6, 24.7f, 1.3f);
constexpr ScreenRect kTopBarFrame = Between(0, 0, 800, 50);
constexpr ScreenRect kListFill = ScaledFill(6, 56, 25, 17.7f);
constexpr ScreenRect kListFrame = Between(0, 50, 800, 600);
constexpr float kDividerLeftX = 315;
constexpr float kDividerRightX = 322;
constexpr ScreenRect kConstructFace = ScaledFill(500, 10, 5.9f, 1);
constexpr ScreenRect kConstructFrame = {494, 7, 195, 38};
constexpr ScreenRect kUpgradeFace = ScaledFill(187, 78, 3.9f, 0.7f);  // row 0; +70 a row
constexpr ScreenRect kUpgradeFrame = {180, 73, 130, 32};
constexpr ScreenRect kTopHelpFill = ScaledFill(199, 140, 14.8f, 12.85f);
constexpr ScreenRect kListHelpFill = ScaledFill(219, 140, 11.4f, 6.6f);
constexpr ScreenRect kKindHelpFill = ScaledFill(219, 140, 11.4f, 7.8f);
constexpr ScreenRect kNotEnoughFill = ScaledFill(228, 260, 10.9f, 2.4f);
constexpr ScreenRect kNotAtBaseFill = ScaledFill(218, 260, 12.5f, 2.4f);
constexpr uint32_t kConstructGlow = 0x9E320AFAu;
constexpr uint32_t kUpgradeGlow = 0x7AC8D26Eu;
constexpr int kRowStep = 70;

struct ArrowLook {
    int image;
    float x, y;
    uint8_t code;
};
constexpr ArrowLook kArrowLooks[] = {
    {menu_art::kArrowUp, 177, 560, BuildingsScreen::kCodePageUp},
    {menu_art::kArrowDown, 210, 560, BuildingsScreen::kCodePageDown},
    {menu_art::kArrowTenUp, 70, 560, BuildingsScreen::kCodeTenPagesUp},
    {menu_art::kArrowTenDown, 103, 560, BuildingsScreen::kCodeTenPagesDown},
};
constexpr float kArrowScale = 1.3f;

// Where the flash stars of a row stand, by the level they mark.
struct FlashPlace {
    uint32_t below;
    int x, dy;
};
constexpr FlashPlace kFlashPlaces[] = {{10, 86, 40}, {20, 88, 37}, {100, 87, 37}, {0, 86, 31}};

const FlashPlace& FlashPlaceFor(uint32_t level) {
    for (const FlashPlace& place : kFlashPlaces) {
        if (level < place.below) return place;
    }
    return kFlashPlaces[std::size(kFlashPlaces) - 1];
}

ScreenRect RowRect(const ScreenRect& row0, int r) { return {row0.x, row0.y + kRowStep * r, row0.w, row0.h}; }

}  // namespace

void BuildingsScreen::Draw(SpriteSheet* menuSheet, SpriteSheet* buildingSheet) {
    pageOffset = -kRowStep * kRowsPerPage * page;
    DrawFrames(menuSheet);
    DrawConstructButton(menuSheet);
    DrawLabel(textFont.get(), "Count:", 50, 16);
    DrawLabel(textFont.get(), countText, 111, 16);
    DrawLabel(textFont.get(), "Material:", 270, 16);
    DrawLabel(textFont.get(), materialText, 352, 16);
    DrawLabel(textFont.get(), "Construct Buildings", 510, 16);
    DrawImage(menuSheet, menu_art::kBlockLine, 0, 80, 68, 22.8f, 0.6f);
    DrawRows(menuSheet, buildingSheet);
    DrawLabel(textFont.get(), pageText, page >= 10 ? 138 : 146, 558);
    DrawHoveredUpgrade(menuSheet);
    for (int slot = 0; slot < kSlots; ++slot) {
        if (!Upgradable(slot) || PageRow(slot) < 0) continue;
        DrawLabel(smallFont.get(), "Upgrade", static_cast<int>(x[slot]) + 206,
                  static_cast<int>(y[slot]) + pageOffset + 50);
    }
    DrawArrows(menuSheet);
    DrawBoxes(menuSheet);
    if (notEnoughTimer) DrawMessageBox(menuSheet, textFont.get(), kNotEnoughFill, "Not enough material", 317, 290);
    if (notAtBaseTimer) {
        DrawMessageBox(menuSheet, textFont.get(), kNotAtBaseFill, "You must be at Base to upgrade buildings.", 231,
                       290);
    }
}

void BuildingsScreen::DrawFrames(SpriteSheet* menu) {
    DrawFill(menu, menu_art::kPlainFill, kTopBarFill);
    DrawEdgeFrame(menu, kTopBarFrame);
    DrawFill(menu, menu_art::kPlainFill, kListFill);
    DrawEdgeFrame(menu, kListFrame);
    if (menu == nullptr) return;
    const float down = (kListFrame.h - 16) / 16.0f;
    menu->Draw(menu_art::kEdgeSides, 1, kDividerLeftX, kListFrame.y + 8, kOpaqueWhite, 1.0f, down, 0, 0.0f);
    menu->Draw(menu_art::kEdgeSides, 0, kDividerRightX, kListFrame.y + 8, kOpaqueWhite, 1.0f, down, 0, 0.0f);
}

void BuildingsScreen::DrawConstructButton(SpriteSheet* menu) {
    if (clickCode == kCodeConstruct) {
        DrawFill(menu, menu_art::kPressedFill, kConstructFace);
    } else if (hoverCode == kCodeConstruct) {
        DrawFill(menu, menu_art::kLitFill, kConstructFace);
    }
    if (hoverCode != kCodeConstruct) return;
    DrawGlow(menu, 1, kConstructFace.x, kConstructFace.y, 2.91f, 0.55f, kConstructGlow);
    DrawEdgeFrame(menu, kConstructFrame);
}

void BuildingsScreen::DrawRows(SpriteSheet* menu, SpriteSheet* buildingSheet) {
    for (int slot = 0; slot < kSlots; ++slot) {
        if (!exists[slot] || PageRow(slot) < 0) continue;
        const int left = static_cast<int>(x[slot]);
        const int top = static_cast<int>(y[slot]) + pageOffset;
        const uint32_t k = kind[slot] < static_cast<uint32_t>(kKinds) ? kind[slot] : 0;
        DrawLabel(textFont.get(), kKindTexts[k].name, left + 80, top + 75);
        DrawLabel(textFont.get(), kKindTexts[k].description, left + 410, top + 75);
        DrawImage(menu, menu_art::kBlockLine, 0, 80, static_cast<float>(top + 98), 22.8f, 0.6f);
        if (buildingSheet != nullptr) {
            buildingSheet->Draw(static_cast<int>(k), frame[slot], static_cast<float>(left + 10),
                                static_cast<float>(top + 36), kOpaqueWhite, 1.0f, 1.0f, 0, 0.0f);
        }
        if (fade[slot]) {
            const FlashPlace& place = FlashPlaceFor(level[slot]);
            DrawFlashStars(menu, menu_art::kStar, static_cast<float>(place.x), static_cast<float>(top + place.dy),
                           spinAngle, fade[slot], level[slot]);
        }
    }
    for (int slot = 0; slot < kSlots; ++slot) {
        if (!exists[slot] || PageRow(slot) < 0 || kind[slot] == kStorage) continue;
        FormatNumber(levelText, level[slot]);
        DrawLabel(smallFont.get(), levelText, static_cast<int>(x[slot]) + 90,
                  static_cast<int>(y[slot]) + pageOffset + 50);
    }
}

void BuildingsScreen::DrawHoveredUpgrade(SpriteSheet* menu) {
    if (hoverCode < kCodeFirstUpgrade || hoverCode >= kCodeFirstUpgrade + kRowsPerPage) return;
    const int r = hoverCode - kCodeFirstUpgrade;
    DrawLabel(smallFont.get(), "Cost:", 335, 80 + kRowStep * r);
    FormatNumber(levelText, UpgradePrice(static_cast<int>(selected)));
    DrawLabel(smallFont.get(), levelText, 375, 80 + kRowStep * r);
    const ScreenRect face = RowRect(kUpgradeFace, r);
    DrawFill(menu, clickCode ? menu_art::kPressedFill : menu_art::kLitFill, face);
    DrawGlow(menu, 1, face.x, face.y, 1.88f, 0.38f, kUpgradeGlow);
    DrawEdgeFrame(menu, RowRect(kUpgradeFrame, r));
}

void BuildingsScreen::DrawArrows(SpriteSheet* menu) {
    if (menu == nullptr) return;
    for (const ArrowLook& arrow : kArrowLooks) {
        const int frameNumber = clickCode == arrow.code ? 2 : (hoverCode == arrow.code ? 1 : 0);
        menu->Draw(arrow.image, frameNumber, arrow.x, arrow.y, kOpaqueWhite, kArrowScale, kArrowScale, 0, 0.0f);
    }
}

void BuildingsScreen::DrawBoxes(SpriteSheet* menu) {
    if (boxOpen[kBoxTopBar] || boxHeld[kBoxTopBar]) {
        DrawFillWithFrame(menu, menu_art::kPopupFill, kTopHelpFill);
        DrawHelpLines(textFont.get(), kTopBarHelp, static_cast<int>(std::size(kTopBarHelp)), 223);
        if (boxOpen[kBoxTopBar]) {
            DrawExitButton(menu, textFont.get(), 395, 510, hoverCode == kCodeExitTopHelp, 405, 516);
        }
    }
    const bool listOpen = boxOpen[kBoxList] || boxOpen[kBoxArrows];
    if (boxOpen[kBoxList] || boxHeld[kBoxList]) {
        DrawHelpBox(menu, textFont.get(), kListHelpFill, kListHelp, 238, 160, 200);
    }
    if (boxOpen[kBoxArrows] || boxHeld[kBoxArrows]) {
        DrawHelpBox(menu, textFont.get(), kListHelpFill, kArrowsHelp, 238, 160, 200);
    }
    if (listOpen) DrawExitButton(menu, textFont.get(), 370, 300, hoverCode == kCodeExitListHelp, 379, 305);
    if (boxOpen[kBoxKind] || boxHeld[kBoxKind]) {
        const uint8_t k = boxKind < kKinds ? boxKind : 0;
        DrawHelpBox(menu, textFont.get(), kKindHelpFill, kKindHelp[k], 238, 160, 200);
        if (boxOpen[kBoxKind]) DrawExitButton(menu, textFont.get(), 370, 340, hoverCode == kCodeExitKindHelp, 379, 345);
    }
}
