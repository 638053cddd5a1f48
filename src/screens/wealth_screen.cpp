#include "screens/wealth_screen.h"

#include "platform/font.h"
#include "platform/point_in_rect.h"
#include "platform/screen_art.h"
#include "platform/sprite_sheet.h"
#include "screens/screen_drawing.h"
#include "screens/screen_protocol.h"

namespace {

constexpr int kFontHeight = 20;
constexpr ScreenImage kImages[] = {
    {0, "Art\\Controls\\Back.bmp", 128, 128, kNoKey},
    {1, "Art\\Controls\\Back3.bmp", 128, 32, kNoKey},
};

// Row bands across the whole width: row r (1..6) runs down to kBandBottoms[r-1].
constexpr int32_t kBandBottoms[WealthScreen::kRows] = {85, 172, 278, 390, 490, 0x7FFFFFFF};
constexpr int32_t kExitX = 365, kExitY = 330, kExitW = 51, kExitH = 35;

// Amounts stand 5 px further left per digit, from x 650 for one digit to
// 615 for eight or more.
constexpr int kOneDigitX = 650;
constexpr int kDigitShift = 5;
constexpr int kMostDigits = 8;

}  // namespace

WealthScreen::WealthScreen() = default;

WealthScreen::~WealthScreen() { FreeArt(); }

int WealthScreen::LoadArt(GraphicsDevice* graphics) {
    CreateScreenFont(font, graphics, kFontHeight);
    return LoadScreenSheet(sheet, graphics, kImageCount, kImages);
}

void WealthScreen::FreeArt() { ReleaseSheetAndFont(font, sheet); }

void WealthScreen::FormatAmounts() {
    for (int row = 0; row < kRows; ++row) FormatNumber(amountTexts[row], amounts[row]);
}

int WealthScreen::AmountX(uint32_t amount) {
    const int digits = DigitCount(amount) < kMostDigits ? DigitCount(amount) : kMostDigits;
    return kOneDigitX - kDigitShift * (digits - 1);
}

bool WealthScreen::AnyPopupOpen() const {
    for (uint8_t open : popupOpen) {
        if (open) return true;
    }
    return false;
}

void WealthScreen::ClosePopups() {
    for (uint8_t& open : popupOpen) open = 0;
}

void WealthScreen::HitTest(int32_t mouseX, int32_t mouseY) {
    hoverCode = 0;
    clickedThisFrame = 0;
    for (uint8_t& held : popupHeld) held = 0;
    const bool popupShown = AnyPopupOpen();
    if (rowArmed && !popupShown) {
        for (int row = 0; row < kRows; ++row) {
            if (mouseY < kBandBottoms[row]) {
                hoverCode = static_cast<uint8_t>(kCodeFirstRow + row);
                rowArmed = 0;
                break;
            }
        }
    }
    if (rowArmed && popupShown && PointInRect(kExitX, kExitY, kExitW, kExitH, mouseX, mouseY)) hoverCode = kCodeExit;
    if (hoverCode >= kCodeFirstRow && hoverCode <= kCodeLastRow) {
        QuietHover(hoverSound, clickSound);
    } else {
        hoverSound = hoverCode;
    }
}

int WealthScreen::OnClick(int32_t, int32_t, InputDevice* mouse) {
    if (!ReadClickButtons(mouse, leftDown, rightDown)) return 0;
    clickCode = hoverCode;
    if (rightDown) rowArmed = 1;
    if (clickCode >= kCodeFirstRow && clickCode <= kCodeLastRow) {
        const int row = clickCode - kCodeFirstRow;
        if (leftDown && !popupOpen[row]) {
            popupOpen[row] = 1;
            boxSound = 1;
        }
        if (rightDown) {
            popupHeld[row] = 1;
            boxSound = 1;
        }
    }
    if (clickCode == kCodeExit) {
        ClosePopups();
        rowArmed = 0;
        clickSound = kClickRequested;
    }
    return 1;
}
