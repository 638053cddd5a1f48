#include "screens/bonuses_screen.h"

#include <initializer_list>

#include "platform/font.h"
#include "platform/point_in_rect.h"
#include "platform/screen_art.h"
#include "platform/sprite_sheet.h"
#include "screens/screen_drawing.h"
#include "screens/screen_protocol.h"

namespace {

constexpr int kFontHeight = 22;
constexpr ScreenImage kImages[] = {{0, "Art\\Menu\\Bonuses.bmp", 32, 32, kKeyBlack}};
constexpr int32_t kExitX = 395, kExitY = 310, kExitW = 51, kExitH = 35;

struct Row {
    const char* label;
    uint32_t BonusBlock::*value;
    const char* sentence;
};
constexpr Row kRowTable[BonusesScreen::kRows] = {
    {"Gold", &BonusBlock::goldBonus, "gold every time gold found."},
    {"Crystal", &BonusBlock::crystalBonus, "crystal every time crystal found."},
    {"Favors", &BonusBlock::favorsBonus, nullptr},
    {"Ship Material", &BonusBlock::shipMaterialBonus, "ship material when some found."},
    {"Ship Upgrade", &BonusBlock::shipUpgradeDiscount, "cheaper ship upgrades."},
    {"Ship Repair", &BonusBlock::shipRepairDiscount, "cheaper ship repair."},
    {"Robot Material", &BonusBlock::robotMaterialBonus, "robot material when some found."},
    {"Robot Cost", &BonusBlock::robotMakeDiscount, "cheaper make robot cost."},
    {"Robot Upgrade", &BonusBlock::robotUpgradeDiscount, "cheaper robot upgrades."},
    {"Robot Repair", &BonusBlock::robotRepairDiscount, "cheaper robot repair."},
    {"Building Material", &BonusBlock::buildingMaterialBonus, "material when some found."},
};
constexpr int kFavorsRow = 2;

// The sentence after a value of one, two or three digits; longer values
// carry on 12 px a digit.
constexpr int kSentenceX[] = {343, 354, 366};
constexpr int kSentenceStep = 12;

constexpr int kRowTop = 22;
constexpr int kRowStep = 53;
constexpr uint32_t kRowColour = 0xFFC8C8C8u;

struct Icon {
    int frame;
    float y;
};
constexpr Icon kIcons[] = {{0, 19},  {1, 70},  {3, 122}, {4, 174}, {4, 227}, {4, 280}, {6, 336},
                           {6, 389}, {6, 442}, {6, 495}, {5, 548}, {7, 206}, {7, 259}, {7, 312}};
constexpr float kIconLeftX = 9;
constexpr float kIconRightX = 235;

struct Band {
    float top, bottom;
};
constexpr Band kBands[] = {{7, 156}, {156, 322}, {322, 534}, {534, 598}};

constexpr HelpText kNotes = {"Notes",
                             {"The total bonuses combined from awards, ", "buildings, and upgrades are shown here.",
                              "Your bonuses have a 10 times larger  ", "effects on gifts for solving quests."}};

}  // namespace

BonusesScreen::BonusesScreen() = default;

BonusesScreen::~BonusesScreen() { FreeArt(); }

int BonusesScreen::LoadArt(GraphicsDevice* graphics) {
    CreateScreenFont(font, graphics, kFontHeight);
    return LoadScreenSheet(sheet, graphics, 1, kImages);
}

void BonusesScreen::FreeArt() { ReleaseSheetAndFont(font, sheet); }

uint32_t BonusesScreen::RowValue(int row) const {
    return row >= 0 && row < kRows ? bonuses.*kRowTable[row].value : 0;
}

const char* BonusesScreen::RowSentence(int row, uint32_t value) {
    if (row < 0 || row >= kRows) return "";
    if (row != kFavorsRow) return kRowTable[row].sentence;
    if (value == 1) return "favor every time favors found.";
    if (value < 10) return "favors every time favors found.";
    return "favors whenever some gained.";
}

int BonusesScreen::SentenceX(uint32_t value) {
    const int digits = DigitCount(value);
    if (digits <= 3) return kSentenceX[digits - 1];
    return kSentenceX[2] + kSentenceStep * (digits - 3);
}

void BonusesScreen::HitTest(int32_t mouseX, int32_t mouseY) {
    hoverCode = 0;
    notesPeek = 0;
    if (hoverEnabled) {
        if (PointInRect(-200, -200, 1200, 1000, mouseX, mouseY)) hoverCode = kCodeScreen;
        if (notesOpen && PointInRect(kExitX, kExitY, kExitW, kExitH, mouseX, mouseY)) hoverCode = kCodeExit;
    }
    if (hoverCode == kCodeScreen) {
        QuietHover(hoverSound, stampSound);
    } else {
        hoverSound = hoverCode;
    }
}

int BonusesScreen::OnClick(int32_t, int32_t, InputDevice* mouse) {
    if (!ReadClickButtons(mouse, leftClick, rightClick)) return 0;
    clickCode = hoverCode;
    if (clickCode == kCodeScreen) {
        hoverEnabled = 0;
        if (leftClick) notesOpen = 1;
        if (rightClick) notesPeek = 1;
        helpClickSound = 1;
    } else if (clickCode == 0 && rightClick) {
        notesPeek = 1;
    } else if (clickCode == kCodeExit) {
        notesOpen = 0;
        hoverEnabled = 0;
        stampSound = kClickRequested;
    }
    return 1;
}

void BonusesScreen::Draw(SpriteSheet* menuSheet) {
    DrawBackground(menuSheet);
    DrawRows();
    if (notesOpen || notesPeek) DrawNotes(menuSheet);
}

void BonusesScreen::DrawBackground(SpriteSheet* menu) {
    DrawFill(menu, menu_art::kPressedFill, {6, 6, 800, 598}, 0x46FFFFFFu);
    DrawGlow(menu, 1, 5, 7, 218.0f / 64.0f, 595.0f / 64.0f, 0x50FA6432u);
    for (const Band& band : kBands) {
        DrawGlow(menu, 1, 231, band.top, 566.0f / 64.0f, (band.bottom - band.top) / 64.0f, 0x3C00FA00u);
    }
    DrawEdgeFrame(menu, Between(0, 0, 800, 600));
    if (menu != nullptr) {
        for (float dividerX : {220.0f, 225.0f}) {
            menu->Draw(menu_art::kEdgeSides, dividerX < 222 ? 1 : 0, dividerX, 8, kOpaqueWhite, 1.0f, 584.0f / 16.0f, 0,
                       0.0f);
        }
    }
    if (sheet == nullptr) return;
    for (const Icon& icon : kIcons) {
        for (float iconX : {kIconLeftX, kIconRightX}) {
            sheet->Draw(0, icon.frame, iconX, icon.y, kOpaqueWhite, 1.0f, 1.0f, 0, 0.0f);
        }
    }
}

void BonusesScreen::DrawRows() {
    for (int row = 0; row < kRows; ++row) {
        const int y = kRowTop + kRowStep * row;
        DrawBoxedLabel(font.get(), kRowTable[row].label, 42, y, 300 - 42, kRowColour);
        const uint32_t value = RowValue(row);
        if (value == 0) {
            DrawLabel(font.get(), "0", 275, y, kRowColour);
            continue;
        }
        FormatNumber(valueText, value);
        DrawLabel(font.get(), "Plus", 270, y, kRowColour);
        DrawLabel(font.get(), valueText, 320, y, kRowColour);
        DrawLabel(font.get(), RowSentence(row, value), SentenceX(value), y, kRowColour);
    }
}

void BonusesScreen::DrawNotes(SpriteSheet* menu) {
    DrawFramedFill(menu, menu_art::kPopupFill, Between(198, 140, 673, 356));
    DrawHelpText(font.get(), kNotes, 223, 155, 190);
    if (notesOpen) DrawExitButton(menu, font.get(), 395, 310, hoverCode == kCodeExit, 403, 315);
}
