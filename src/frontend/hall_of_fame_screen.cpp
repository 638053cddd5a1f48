#include "frontend/hall_of_fame_screen.h"

#include "platform/graphics_device.h"
#include "platform/input_device.h"
#include "platform/key_codes.h"
#include "platform/point_in_rect.h"
#include "platform/screen_art.h"
#include "platform/sprite_sheet.h"

namespace {

constexpr int kPictureImage = 0, kDigitImage = 1, kBackImage = 2;
constexpr ScreenImage kImages[HallOfFameScreen::kImageCount] = {
    {kPictureImage, "Art\\Menu\\HallOfFame3.bmp", 512, 256, kNoKey},
    {kDigitImage, "Art\\Menu\\Numbers2.bmp", 32, 32, kKeyRed},
    {kBackImage, "Art\\Menu\\ButtonBack.bmp", 64, 32, kKeyRed},
};

// The 512 x 256 picture stretched over 800 x 600.
constexpr float kPictureScaleX = 1.5625f, kPictureScaleY = 2.34375f;
constexpr uint32_t kWhite = 0xFFFFFFFFu;

// Names: glyphs of the shared menu sheet, centred on kNameCentreX.
constexpr int kCapitalGlyphs = 29, kSmallGlyphs = 30;
constexpr uint8_t kEndMarker = 1;
constexpr uint8_t kFirstCapital = 28;
constexpr int32_t kNameCentreX = 390;
constexpr int32_t kHalfPitch = 11;
constexpr int16_t kNameRowY[HallOfFameScreen::kEntries] = {50, 165, 279, 399, 520};
constexpr uint32_t kNameColour = 0x69FFFF00u;
constexpr float kNameScale = 0.7f;

// Numbers: each sits over its entry's name, in the name's column. (Drawn at
// y 17, 31, 46, 62 and 78 the five numbers would pile up on the first name.)
constexpr int32_t kValueX = 350;
constexpr int32_t kValueAboveName = 33;
constexpr int16_t kDigitOffsets[HallOfFameScreen::kMaxDigits][HallOfFameScreen::kMaxDigits] = {
    {39}, {47, 30}, {58, 39, 22}, {65, 48, 31, 14}, {74, 57, 40, 23, 6}};
// A narrow leading 1 of a five-digit number sits a little to the right.
constexpr int16_t kLeadingOneOffsetFirst = 8;
constexpr int16_t kLeadingOneOffset = 9;
constexpr uint32_t kDigitColour = 0xA0FF3200u;
constexpr float kDigitScale = 0.6f;

bool InsideBack(int32_t x, int32_t y) {
    return PointInRect(HallOfFameScreen::kBackX, HallOfFameScreen::kBackY, HallOfFameScreen::kBackWidth,
                       HallOfFameScreen::kBackHeight, x, y) != 0;
}

bool AnyButtonPressed(InputDevice* mouse) { return mouse->ButtonPressed(0) || mouse->ButtonPressed(1); }

}  // namespace

HallOfFameScreen::HallOfFameScreen() = default;

HallOfFameScreen::~HallOfFameScreen() { ReleaseSheet(); }

void HallOfFameScreen::LoadArt(GraphicsDevice* graphics) {
    ReleaseSheet();
    LoadScreenSheet(sheet, graphics, kImageCount, kImages);
}

void HallOfFameScreen::ReleaseSheet() { sheet.reset(); }

void HallOfFameScreen::CopyEntries(const uint8_t entryUsed[kEntries], const int32_t entryValues[kEntries],
                                   const uint8_t entryNames[kEntries][kNameCells]) {
    for (int k = 0; k < kEntries; ++k) {
        used[k] = entryUsed[k];
        values[k] = static_cast<uint32_t>(entryValues[k]);
        for (int i = 0; i < kNameCells; ++i) names[k][i] = entryNames[k][i];
    }
    MeasureNames();
}

void HallOfFameScreen::MeasureNames() {
    for (int k = 0; k < kEntries; ++k) {
        lastCell[k] = 0;
        for (int i = 0; i < kNameCells; ++i) {
            if (names[k][i] != 0) lastCell[k] = static_cast<uint8_t>(i);
        }
    }
}

int HallOfFameScreen::PlaceValue(int entry, uint32_t value, int32_t x, int32_t digitX[kMaxDigits],
                                 uint8_t digitValue[kMaxDigits]) {
    int count = 1;
    for (int d = 0; d < kMaxDigits; ++d) {
        digitValue[d] = static_cast<uint8_t>(value % 10);
        value /= 10;
        if (digitValue[d] != 0) count = d + 1;
    }
    for (int d = 0; d < count; ++d) digitX[d] = x + kDigitOffsets[count - 1][d];
    if (count == kMaxDigits && digitValue[kMaxDigits - 1] == 1) {
        digitX[kMaxDigits - 1] = x + (entry == 1 ? kLeadingOneOffsetFirst : kLeadingOneOffset);
    }
    return count;
}

int32_t HallOfFameScreen::NameCellX(int cell, uint8_t last) { return kNameCentreX + kHalfPitch * (2 * cell - last); }

void HallOfFameScreen::Draw(SpriteSheet* menuSheet) {
    DrawBackground();
    DrawBack();
    DrawNames(menuSheet);
    DrawValue1(kValueX, kNameRowY[0] - kValueAboveName);
    DrawValue2(kValueX, kNameRowY[1] - kValueAboveName);
    DrawValue3(kValueX, kNameRowY[2] - kValueAboveName);
    DrawValue4(kValueX, kNameRowY[3] - kValueAboveName);
    DrawValue5(kValueX, kNameRowY[4] - kValueAboveName);
}

void HallOfFameScreen::DrawBackground() {
    if (sheet) sheet->Draw(kPictureImage, 0, 0.0f, 0.0f, kWhite, kPictureScaleX, kPictureScaleY, 0, 0.0f);
}

void HallOfFameScreen::DrawBack() {
    if (sheet) sheet->Draw(kBackImage, backFrame, kBackX, kBackY, kWhite, 1.0f, 1.0f, 0, 0.0f);
}

void HallOfFameScreen::DrawNames(SpriteSheet* glyphSheet) {
    if (!glyphSheet) return;
    for (int k = 0; k < kEntries; ++k) {
        if (!used[k]) continue;
        const float y = kNameRowY[k];
        for (int i = 0; i < kNameCells; ++i) {
            const uint8_t c = names[k][i];
            if (c == kEndMarker) continue;
            const float x = static_cast<float>(NameCellX(i, lastCell[k]));
            const int image = c >= kFirstCapital ? kCapitalGlyphs : kSmallGlyphs;
            const int frame = c >= kFirstCapital ? c - kFirstCapital : c;
            glyphSheet->Draw(image, frame, x, y, kNameColour, kNameScale, kNameScale, 0, 0.0f);
        }
    }
}

void HallOfFameScreen::DrawValue(int entry, int32_t x, int32_t y) {
    if (!sheet || entry < 1 || entry > kEntries || !used[entry - 1]) return;
    int32_t digitX[kMaxDigits];
    const int count = PlaceValue(entry, values[entry - 1], x, digitX, digits);
    for (int d = 0; d < count; ++d) {
        sheet->Draw(kDigitImage, digits[d], static_cast<float>(digitX[d]), static_cast<float>(y), kDigitColour,
                    kDigitScale, kDigitScale, 0, 0.0f);
    }
}

void HallOfFameScreen::HitTest(int32_t x, int32_t y) {
    if (InsideBack(x, y)) {
        backHover = 1;
        if (!backHeld) backFrame = kBackLit;
    } else if (!backHeld) {
        backFrame = kBackNormal;
    }
    hoverForSound = backHover;
}

int HallOfFameScreen::OnClick(int32_t x, int32_t y, InputDevice* mouse) {
    if (!mouse || !InsideBack(x, y) || !AnyButtonPressed(mouse)) return 0;
    backClicked = 1;
    return 1;
}

void HallOfFameScreen::CheckKeys(InputDevice* keyboard) {
    if (!keyboard) return;
    for (uint8_t code : {key::kBack, key::kEscape}) {
        if (!keyboard->KeyPressed(code)) continue;
        keyboard->SetLatch(code, 1);
        leaveRequested = 1;
    }
}

void HallOfFameScreen::HandleBack(int32_t x, int32_t y, InputDevice* mouse) {
    HitTest(x, y);
    if (!mouse) return;
    if (AnyButtonPressed(mouse) && OnClick(x, y, mouse)) {
        backFrame = kBackPressed;
        backHeld = 1;
    }
    if (!backClicked) return;
    // Holding on Back keeps the page; letting go, or sliding off, leaves.
    if (InsideBack(x, y) && MouseButtonsReleased(mouse) == 0) return;
    leaveRequested = 1;
    backHeld = 0;
    backClicked = 0;
}

int HallOfFameScreen::HoverSoundDue() {
    if (hoverForSound == 0) {
        lastHoverSound = 0;
        return 0;
    }
    if (hoverForSound == lastHoverSound) return 0;
    lastHoverSound = hoverForSound;
    return 1;
}
