// Drawing of the Your Ship screen: the panels and values, the items, the
// help and message boxes, the upgrade panel, the leave question and the name.
#include <cstring>

#include "platform/font.h"
#include "platform/sprite_sheet.h"
#include "ship/ship_help_topics.h"
#include "ship/ship_screen.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFF;
constexpr uint32_t kTitle = 0xFF141414;
constexpr uint32_t kValue = 0xFF960A0A;
constexpr uint32_t kLit = 0xFFDCDCDC;
constexpr uint32_t kSettingText = 0xFF1414A0;
constexpr uint32_t kCubeLabel = 0xFF1414E6;
constexpr uint32_t kOtherLabel = 0xFF1414A0;
constexpr uint32_t kMessageText = 0xFF323232;
constexpr uint32_t kHelpTitle = 0xFFFF3232;
constexpr uint32_t kHelpLine = 0xFF969696;
constexpr uint32_t kItemsLabel = 0xFFC30505;
constexpr uint32_t kCloseLit = 0xFFDCDC50;
constexpr uint32_t kPageNormal = 0xFF000000, kPageOpen = 0xFF0A78FA, kPageLit = 0xFFBEBE0A, kPagePressed = 0xFFE60000;
constexpr uint32_t kInspectName = 0xFFC8C8C8;
constexpr uint32_t kInspectBox = 0xC8141414;
constexpr uint32_t kHullLayer = 0x5A787878;
constexpr uint32_t kArmageddonIcon = 0xBEFFFFFF;

// Shared menu sheet images.
constexpr int kCorners = 1, kTopBottomEdge = 2, kSideEdge = 3, kPanelFill = 5, kSkillIcons = 19, kMessageBox = 20,
              kRim = 21, kLitFace = 22, kPanelBox = 28, kCapitals = 29, kSmallLetters = 30, kSettingIcons = 31,
              kGlow = 32;
// Ship sheet images.
constexpr int kHull = 0, kMark = 2, kArrows = 5, kUpgradeArrow = 6;

constexpr int kArmageddon = 12;
constexpr const char* kSkillNames[ShipScreen::kSkillCount] = {
    "Fast Escape",   "Particle Shields",   "Hard Shields",      "Shields Recharge", "Hard Armor",       "Extra Armor",
    "Ship Protection", "Robot Protection", "Electron Explosion", "Neutron Explosion", "Proton Explosion", "Armageddon",
};
// The inspect panel names cubes with a trailing blank.
constexpr const char* kInspectCubeNames[] = {"Armor Cube ",      "Defence Cube ", "Atomic Cube ",
                                              "Chemical Cube ",   "Electrical Cube ", "Exotic Cube "};
constexpr const char* kMainLabels[kItemClassCount] = {"Armor:", "Shields:", "Attack:", "Speed:"};
constexpr const char* kProtectionLabels[] = {"Atomic:", "Chemical:", "Electrical:", "Protection:"};
constexpr const char* kWrongClassTexts[] = {"Armor goes here", "Shields go here", "Weapon goes here",
                                            "Engine goes here"};
constexpr const char* kSettingNames[] = {"Straight ", "Small Spread ", "Wide Spread"};
constexpr int32_t kSettingY[] = {206, 236, 266};
constexpr int32_t kMarkX[] = {716, 763, 763}, kMarkY[] = {213, 243, 273};
constexpr const char* kProtectionNames[] = {"Atomic", "Chemical", "Electrical"};
constexpr int32_t kProtectionY[] = {252, 279, 306};
constexpr const char* kUpgradeLines[] = {
    "Your ship has been upgraded",         "Ship's shields have been raised by 1.", "Ship's armor has been raised by 2.",
    "Ship's protection has been raised by 1.", "Ship's defence has been raised by 1. ", "The amount of items that can be ",
    "installed on your ship was raised by 3.", "Current max amount of items on ship:"};

constexpr int32_t kAttackRowY = 53, kAttackRowStep = 27;
constexpr int32_t kHelpX = 198, kHelpY = 140, kHelpW = 430, kLineStep = 30;
constexpr int32_t kExitW = 51, kExitH = 35;
// Wide enough for the longest message, "Can't Leave with no engine installed!".
constexpr int32_t kMessageW = 350;

void Text(Font* font, const char* text, int32_t x, int32_t y, uint32_t colour) {
    if (font && text) font->DrawText(text, x, y, 0, 0, colour, DT_LEFT | DT_TOP);
}

// The x of a number whose first digit moves left by `step` for every digit
// after the first, not past `leftmost`.
int32_t DigitX(const char* text, int32_t x, int32_t step, int32_t leftmost) {
    const int32_t digits = static_cast<int32_t>(std::strlen(text));
    const int32_t at = x - step * (digits > 0 ? digits - 1 : 0);
    return at < leftmost ? leftmost : at;
}

// Frame 0 of a 32 x 32 menu image stretched over a rectangle.
void Fill(SpriteSheet* menu, int image, int32_t x, int32_t y, int32_t w, int32_t h, uint32_t colour = kWhite) {
    if (menu) menu->Draw(image, 0, float(x), float(y), colour, float(w) / 32.0f, float(h) / 32.0f, 0, 0.0f);
}

// The frame edges and corners round a rectangle.
void Frame(SpriteSheet* menu, int32_t x, int32_t y, int32_t w, int32_t h) {
    if (!menu) return;
    const float l = float(x), t = float(y), fw = float(w), fh = float(h);
    menu->Draw(kTopBottomEdge, 0, l, t - 4, kWhite, fw / 16.0f, 1.0f, 0, 0.0f);
    menu->Draw(kTopBottomEdge, 1, l, t + fh - 4, kWhite, fw / 16.0f, 1.0f, 0, 0.0f);
    menu->Draw(kSideEdge, 0, l - 4, t, kWhite, 1.0f, fh / 16.0f, 0, 0.0f);
    menu->Draw(kSideEdge, 1, l + fw - 4, t, kWhite, 1.0f, fh / 16.0f, 0, 0.0f);
    menu->Draw(kCorners, 0, l - 8, t - 8, kWhite, 0.5f, 0.5f, 0, 0.0f);
    menu->Draw(kCorners, 1, l + fw - 8, t - 8, kWhite, 0.5f, 0.5f, 0, 0.0f);
    menu->Draw(kCorners, 2, l - 8, t + fh - 8, kWhite, 0.5f, 0.5f, 0, 0.0f);
    menu->Draw(kCorners, 3, l + fw - 8, t + fh - 8, kWhite, 0.5f, 0.5f, 0, 0.0f);
}

void Panel(SpriteSheet* menu, int image, int32_t x, int32_t y, int32_t w, int32_t h) {
    Fill(menu, image, x, y, w, h);
    Frame(menu, x, y, w, h);
}

void Button(SpriteSheet* menu, Font* font, const char* label, int32_t x, int32_t y, int32_t w, bool lit, bool pressed) {
    Fill(menu, pressed ? kMessageBox : (lit ? kLitFace : kPanelFill), x, y, w, kExitH);
    Fill(menu, kRim, x, y, w, kExitH);
    if (font) font->DrawText(label, x, y, w, kExitH, kMessageText, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void MessageBox(SpriteSheet* menu, int32_t x, int32_t y, int32_t w) { Panel(menu, kMessageBox, x, y, w, 70); }

}  // namespace

void ShipScreen::DrawPanels(SpriteSheet* menu) {
    Panel(menu, kPanelBox, 0, 0, 800, 43);
    Panel(menu, kPanelBox, 0, 43, 196, 557);
    Panel(menu, kPanelBox, 621, 43, 179, 557);
    Panel(menu, kPanelBox, 626, 160, 170, 135);
    Text(font.get(), "Level", 25, 10, kTitle);
    Text(font.get(), levelText, DigitX(levelText, 150, 10, 140), 10, kValue);
    Text(font.get(), "Experience", 222, 10, kTitle);
    Text(font.get(), experienceText, DigitX(experienceText, 430, 10, 350), 10, kValue);
    DrawValueColumns();
    if (!storageOpen) DrawLowerLeft(menu);
    DrawAttackSettings(menu);
    if (storageOpen) DrawStoragePanel(menu);
    DrawItemIcons();
}

void ShipScreen::DrawValueColumns() {
    for (int w = 0; w < kWeaponPositionCount; ++w) {
        const int32_t y = kAttackRowY + kAttackRowStep * w;
        Text(font.get(), "Attack", 25, y, kTitle);
        if (loadout.weaponPositions[w] == 0) Text(font.get(), "--", 144, y, kValue);
        else Text(font.get(), attackTexts[w], DigitX(attackTexts[w], 150, 10, 130), y, kValue);
    }
    Text(font.get(), "Defence", 25, 206, kTitle);
    Text(font.get(), defenceText, DigitX(defenceText, 150, 10, 130), 206, kValue);
    for (int t = 0; t < kProtectionKinds; ++t) {
        Text(font.get(), kProtectionNames[t], 22, kProtectionY[t], kTitle);
        Text(font.get(), protectionTexts[t], DigitX(protectionTexts[t], 150, 10, 140), kProtectionY[t], kValue);
    }
    Text(font.get(), "Speed ", 645, 53, kTitle);
    Text(font.get(), speedText, DigitX(speedText, 750, 10, 730), 53, kValue);
    Text(font.get(), "Armor", 645, 97, kTitle);
    Text(font.get(), armorText, DigitX(armorText, 750, 10, 740), 97, kValue);
    Text(font.get(), "Shields", 645, 124, kTitle);
    Text(font.get(), shieldsText, DigitX(shieldsText, 750, 10, 740), 124, kValue);
}

void ShipScreen::DrawLowerLeft(SpriteSheet* menu) {
    Text(font.get(), "Upgrade", 22, 355, kTitle);
    Text(font.get(), upgradesText, DigitX(upgradesText, 150, 10, 140), 355, kValue);
    Text(font.get(), "Material", 22, 382, kTitle);
    Text(font.get(), materialText, DigitX(materialText, 150, 10, 100), 382, kValue);
    Text(font.get(), "Highest Skill", 22, 430, kTitle);
    if (highestSkill >= 1 && highestSkill <= kSkillCount) {
        const uint32_t tint = highestSkill == kArmageddon ? kArmageddonIcon : kWhite;
        if (menu) menu->Draw(kSkillIcons, highestSkill - 1, 50.0f, 455.0f, tint, 1.0f, 1.0f, 0, 0.0f);
        Text(font.get(), skillLevelText, 150, 430, kValue);
        Text(font.get(), kSkillNames[highestSkill - 1], 22, 525, kTitle);
    }
    Text(font.get(), "Open Storage", 22, 567, hoverCode == kOpenStorageCode ? kLit : kTitle);
}

void ShipScreen::DrawAttackSettings(SpriteSheet* menu) {
    if (heldItem != 0) {
        DrawItemValues(heldItem, 645, 176, 750, kTitle, false);
        return;
    }
    Text(font.get(), "Attack Settings ", 645, 176, kTitle);
    for (int s = 0; s < 3; ++s) {
        const bool lit = hoverCode == kStraightCode + s;
        if (menu) menu->Draw(kSettingIcons, s, 630.0f, float(kSettingY[s] + 2), kWhite, 0.8f, 0.8f, 0, 0.0f);
        Text(font.get(), kSettingNames[s], 645, kSettingY[s], lit ? kLit : kSettingText);
    }
    if (fireMode >= 1 && fireMode <= 3 && shipSheet) {
        shipSheet->Draw(kMark, 0, float(kMarkX[fireMode - 1]), float(kMarkY[fireMode - 1]), kWhite, 1.0f, 1.0f, 0,
                        0.0f);
    }
}

void ShipScreen::DrawStoragePanel(SpriteSheet* menu) {
    Panel(menu, kPanelBox, 0, 330, 205, 270);
    for (int c = 0; c < kStorageCellCount; ++c) {
        const PlaceRect r = StorageCellRect(c);
        Fill(menu, kRim, r.x, r.y, r.w, r.h);
    }
    Text(font.get(), "Storage", 16, 338, kTitle);
    Text(font.get(), storageText, DigitX(storageText, 93, 4, 89), 338, kValue);
    if (hoverCode == kCloseStorageCode) Text(font.get(), "close", 127, 338, kCloseLit);
    else Text(font.get(), "x", 145, 338, kTitle);
    if (!shipSheet) return;
    const auto arrowFrame = [&](uint8_t code, int first) {
        if (hoverCode != code) return first;
        return buttonDown ? first + 2 : first + 1;
    };
    constexpr float kButtonScaleX = 20.0f / 32.0f, kButtonScaleY = 26.0f / 32.0f;
    shipSheet->Draw(kArrows, arrowFrame(kPreviousGroupCode, 0), 180.0f, 340.0f, kWhite, kButtonScaleX, kButtonScaleY,
                    0, 0.0f);
    shipSheet->Draw(kArrows, arrowFrame(kNextGroupCode, 3), 180.0f, 574.0f, kWhite, kButtonScaleX, kButtonScaleY, 0,
                    0.0f);
    for (int k = 0; k < kPageButtons; ++k) {
        const uint32_t number = kPageButtons * (storageGroup - 1u) + k + 1u;
        if (number > storageCount) break;
        const float y = 366.0f + 26.0f * float(k);
        shipSheet->Draw(kArrows, 6, 180.0f, y, kWhite, kButtonScaleX, kButtonScaleY, 0, 0.0f);
        const uint8_t code = static_cast<uint8_t>(kFirstPageCode + k);
        uint32_t colour = number == currentStorage ? kPageOpen : kPageNormal;
        if (hoverCode == code) colour = buttonDown ? kPagePressed : kPageLit;
        char label[kNumberTextSize];
        FormatNumber(label, number);
        if (pageFont) pageFont->DrawText(label, 180, int(y), 20, 26, colour, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
}

void ShipScreen::DrawItemIcons() {
    const ItemPool& pool = loadout.pool;
    for (int k = 0; k < ItemPool::kItemCount; ++k) {
        if (!pool.exists[k] || static_cast<ItemId>(k + 1) == heldItem) continue;
        if (pool.storageNumber[k] != 0 && (!storageOpen || pool.storageNumber[k] != currentStorage)) continue;
        const uint8_t cls = pool.itemClass[k];
        if (cls >= kItemClassCount || !iconSheets[cls]) continue;
        const float x = float(pool.x[k]), y = float(pool.y[k]);
        SpriteSheet* sheet = iconSheets[cls].get();
        if (cls == kEngine && pool.x[k] == RectOf(PlaceKind::kEngine, 1).cornerX) {
            sheet->Draw(pool.icon[k], 0, x, y - 6, kWhite, 1.18f, 1.25f, 0, 0.0f);
        } else if (cls == kEngine) {
            sheet->Draw(pool.icon[k], 0, x + 10, y, kWhite, 1.0f, 1.0f, 0, 0.0f);
        } else if (cls == kCannon) {
            sheet->Draw(pool.icon[k], 0, x + 10, y - 1, kWhite, 1.0f, 1.0f, 0, 0.0f);
        } else {
            sheet->Draw(pool.icon[k], 0, x + 10, y + 10, kWhite, 1.0f, 1.0f, 0, 0.0f);
        }
    }
}

void ShipScreen::DrawItems(SpriteSheet* menu) {
    DrawOutlines(menu);
    if (shipSheet) shipSheet->Draw(kHull, 0, 41.0f, 50.0f, kHullLayer, 2.9f, 2.2f, 0, 0.0f);
    DrawInspect(menu);
    for (int t = kArmorHereTimer; t <= kEngineHereTimer; ++t) {
        if (!timers[t]) continue;
        MessageBox(menu, 240, 260, 330);
        Text(font.get(), kWrongClassTexts[t], 330, 290, kMessageText);
    }
    const ItemPool& pool = loadout.pool;
    if (pool.Exists(heldItem)) {
        const int k = static_cast<int>(heldItem - 1);
        SpriteSheet* sheet = pool.itemClass[k] < kItemClassCount ? iconSheets[pool.itemClass[k]].get() : nullptr;
        if (sheet) sheet->Draw(pool.icon[k], 0, float(pool.x[k]), float(pool.y[k]), kWhite, 1.1f, 1.1f, 0, 0.0f);
    }
    DrawHelp(menu, leftHelp);
    if (rightHelp != leftHelp) DrawHelp(menu, rightHelp);
    if (!storageOpen) {
        if (canAfford && shipSheet) {
            shipSheet->Draw(kUpgradeArrow, hoverCode == kUpgradeCode ? 1 : 0, 100.0f, 352.0f, kWhite, 0.8f, 0.8f, 0,
                            0.0f);
        }
        if (flashDirection != 0 && menu) {
            const uint32_t glow = static_cast<uint32_t>(flashAlpha) << 24 | 0xFFFFFF;
            menu->Draw(kGlow, 0, 84.0f, 336.0f, glow, 1.5f, 1.5f, 16, flashAngle);
            menu->Draw(kGlow, 0, 84.0f, 336.0f, glow, 1.5f, 1.5f, 16, flashAngle + 0.785f);
        }
    }
    DrawMessages(menu);
    if (upgradePanelOpen) DrawUpgradePanel(menu);
    Text(font.get(), "Items Max", 233, 63, kItemsLabel);
    Text(font.get(), "Items Now", 491, 63, kItemsLabel);
    Text(font.get(), ItemsMaxShown(), AllSlots() ? 237 : 276, 85, kValue);
    Text(font.get(), itemsNowText, 534, 84, kValue);
    if (leaveDialog) DrawLeaveDialog(menu);
    if (timers[kAwayTimer]) {
        static constexpr const char* kAway[] = {"", "You must be at Base to open storage.",
                                                "You must be at Base to upgrade ship.",
                                                "You must be at Base to change ship.",
                                                "Inspect installed items only at Base."};
        static constexpr int32_t kAwayX[] = {0, 250, 250, 251, 254};
        if (awayMessage >= kAwayOpenStorage && awayMessage <= kAwayInspect) {
            MessageBox(menu, 236, 260, kMessageW);
            Text(font.get(), kAway[awayMessage], kAwayX[awayMessage], 290, kMessageText);
        }
    }
}

bool ShipScreen::AllSlots() const { return loadout.itemsMax >= ShipLoadout::kItemsLimitCap; }

const char* ShipScreen::ItemsMaxShown() const { return AllSlots() ? "All Slots!" : itemsMaxText; }

void ShipScreen::DrawOutlines(SpriteSheet* menu) {
    const ShipPosition* positions = ShipPositions();
    for (int p = 0; p < kShipPositionCount; ++p) {
        const PlaceRect& r = positions[p].rect;
        Fill(menu, kRim, r.x, r.y, r.w, r.h);
    }
    for (int c = 0; c < kHoldCells; ++c) {
        const PlaceRect r = HoldCellRect(c);
        Fill(menu, kRim, r.x, r.y, r.w, r.h);
    }
}

void ShipScreen::DrawInspect(SpriteSheet* menu) {
    if (!loadout.pool.Exists(inspectItem)) return;
    if (menu) menu->Draw(kPanelFill, 0, 323.0f, 260.0f, kInspectBox, 5.25f, 4.3f, 0, 0.0f);
    DrawItemValues(inspectItem, 342, 276, 447, kInspectName, true);
}

// Name, main value, defence and protection of an item, 30 px apart.
void ShipScreen::DrawItemValues(ItemId id, int32_t x, int32_t y, int32_t valueX, uint32_t nameColour, bool inspect) {
    const ItemPool& pool = loadout.pool;
    if (!pool.Exists(id)) return;
    const int k = static_cast<int>(id - 1);
    const uint8_t cls = pool.itemClass[k];
    if (cls >= kItemClassCount) return;
    const char* name = ItemName(cls, pool.subtype[k]);
    if (inspect && cls == kCube && pool.subtype[k] < 6) name = kInspectCubeNames[pool.subtype[k]];
    Text(font.get(), name, x, y, nameColour);
    const uint32_t label = cls == kCube ? kCubeLabel : kOtherLabel;
    char number[kNumberTextSize];
    const auto line = [&](const char* text, uint32_t value, int32_t lineY) {
        Text(font.get(), text, x, lineY, label);
        FormatNumber(number, value);
        Text(font.get(), number, DigitX(number, valueX, 10, valueX - 10), lineY, kValue);
    };
    line(kMainLabels[cls], pool.stat[k], y + kLineStep);
    if (cls != kCube && cls != kSphere) return;
    if (pool.defence[k] != 0) line("Defence:", pool.defence[k], y + 2 * kLineStep);
    const uint8_t type = pool.protectionType[k];
    if (pool.protection[k] != 0 && type <= kAllProtections) line(kProtectionLabels[type], pool.protection[k], y + 3 * kLineStep);
}

void ShipScreen::DrawHelp(SpriteSheet* menu, uint8_t topic) {
    const ShipHelpTopic* help = FindShipHelpTopic(topic);
    if (!help) return;
    int32_t exitY = 310;
    if (topic == 7 || topic == 21) exitY = 440;
    if (topic == 1 || topic == 6) exitY = 340;
    Panel(menu, kMessageBox, kHelpX, kHelpY, kHelpW, exitY + kExitH + 15 - kHelpY);
    Text(font.get(), help->title, 218, 155, kHelpTitle);
    for (int i = 0; i < ShipHelpTopic::kMaxLines && help->lines[i]; ++i) {
        Text(font.get(), help->lines[i], 218, 192 + kLineStep * i, kHelpLine);
    }
    if (help->value == ShipHelpTopic::kNextLevel) Text(font.get(), nextLevelText, 505, 312, kValue);
    if (help->value == ShipHelpTopic::kUpgradeCost) {
        Text(font.get(), costText, 505, 312, kValue);
        Text(font.get(), itemsMaxText, 535, 342, kValue);
    }
    const uint8_t exitCode = exitY == 440 ? 97 : (exitY == 340 ? 98 : 99);
    Button(menu, font.get(), "Exit", 384, exitY, kExitW, hoverCode == exitCode, buttonDown && hoverCode == exitCode);
}

void ShipScreen::DrawMessages(SpriteSheet* menu) {
    if (timers[kShortMaterialTimer]) {
        MessageBox(menu, 236, 260, kMessageW);
        Text(font.get(), "Short material. You need:", 266, 290, kMessageText);
        Text(font.get(), costText, 483, 290, kValue);
    }
    if (timers[kLeaveRefusedTimer] && (noEngine || holding)) {
        MessageBox(menu, 236, 260, kMessageW);
        if (noEngine) Text(font.get(), "Can't Leave with no engine installed!", 256, 290, kMessageText);
        else Text(font.get(), "Can't Leave while holding an item!", 263, 290, kMessageText);
    }
    if (timers[kLimitTimer]) {
        MessageBox(menu, 236, 260, kMessageW);
        Text(font.get(), "Max amount of items on ship reached ", 252, 280, kMessageText);
        Text(font.get(), itemsMaxText, 400, 303, kValue);
    }
}

void ShipScreen::DrawUpgradePanel(SpriteSheet* menu) {
    Panel(menu, kMessageBox, kHelpX, kHelpY, kHelpW, 440 + kExitH + 15 - kHelpY);
    Text(font.get(), kUpgradeLines[0], 218, 155, kHelpTitle);
    const int lines = static_cast<int>(sizeof kUpgradeLines / sizeof kUpgradeLines[0]);
    for (int i = 1; i < lines; ++i) Text(font.get(), kUpgradeLines[i], 218, 192 + kLineStep * (i - 1), kHelpLine);
    Text(font.get(), itemsMaxText, 560, 192 + kLineStep * (lines - 2), kValue);
    Button(menu, font.get(), "Exit", 384, 440, kExitW, hoverCode == kUpgradeExitCode,
           buttonDown && hoverCode == kUpgradeExitCode);
}

void ShipScreen::DrawLeaveDialog(SpriteSheet* menu) {
    Panel(menu, kMessageBox, 229, 240, 340, 145);
    Text(font.get(), "You have no weapon installed.", 273, 265, kMessageText);
    Text(font.get(), "Leave anyways?", 273, 295, kMessageText);
    Button(menu, font.get(), "Yes", 313, 334, 45, hoverCode == kYesCode, buttonDown && hoverCode == kYesCode);
    Button(menu, font.get(), "No", 428, 334, 45, hoverCode == kNoCode, buttonDown && hoverCode == kNoCode);
}

void ShipScreen::DrawName(int32_t x, int32_t y, SpriteSheet* menu) {
    if (!menu) return;
    constexpr uint8_t kEndMarker = 1, kLastSmall = 27, kFirstCapital = 28;
    for (int i = 0; i < kNameCells; ++i) {
        const uint8_t cell = playerName[i];
        if (cell == kEndMarker) continue;
        const float cx = float(x + 16 * i - 8 * lastNameCell - 37);
        if (cell <= kLastSmall) menu->Draw(kSmallLetters, cell, cx, float(y), kWhite, 0.5f, 0.6f, 0, 0.0f);
        else menu->Draw(kCapitals, cell - kFirstCapital, cx, float(y), kWhite, 0.5f, 0.6f, 0, 0.0f);
    }
}
