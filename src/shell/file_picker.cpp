#include "shell/file_picker.h"

#include <algorithm>

#include "platform/clock.h"
#include "platform/graphics_device.h"
#include "platform/input_device.h"
#include "platform/point_in_rect.h"
#include "platform/sprite_sheet.h"

namespace {
constexpr uint32_t kWhite = 0xFFFFFFFFu;
constexpr uint32_t kDim = 0x9BC8C8C8u;
constexpr uint32_t kLabel = 0xC3C8C8C8u;
constexpr uint32_t kLoadingColour = 0xC3FAFAC8u;
constexpr uint32_t kBlack = 0xFF000000u;
constexpr uint32_t kRed = 0xFFFF0000u;
constexpr uint32_t kNoKey = 0;

struct PickerImage {
    int image;
    const char* file;
    int16_t frameWidth;
    int16_t frameHeight;
    uint32_t key;
};
// Image 11 is never loaded.
constexpr PickerImage kImages[] = {
    {0, "Art//Menu//Button2.bmp", 128, 128, kBlack},   {1, "Art//Menu//Empty.bmp", 256, 64, kBlack},
    {2, "Art//Menu//Save.bmp", 128, 64, kBlack},       {3, "Art//Menu//Numbers7.bmp", 32, 32, kBlack},
    {4, "Art//Menu//Loading.PNG", 128, 32, kBlack},    {5, "Art//Menu//Line.bmp", 64, 4, kNoKey},
    {6, "Art//Menu//Numbers2.bmp", 32, 32, kRed},      {7, "Art//Menu//Numbers5.bmp", 64, 64, kBlack},
    {8, "Art//Menu//WriteLevel.bmp", 128, 32, kBlack}, {9, "Art//Menu//Numbers4.bmp", 64, 64, kRed},
    {10, "Art//Menu//Pickanumber.bmp", 256, 64, kBlack}, {12, "Art//Menu//ButtonBack.bmp", 64, 32, kNoKey},
    {13, "Art//Menu//NoRoom.bmp", 256, 32, kBlack},    {14, "Art//Menu//PickFile.bmp", 512, 32, kBlack},
};

enum PickerArt : int {
    kButton = 0,
    kEmptyLabel = 1,
    kSaveLabel = 2,
    kSmallNumbers = 3,
    kLoadingMarker = 4,
    kLine = 5,
    kSlotNumbers = 6,
    kLevelLabel = 8,
    kLevelNumbers = 9,
    kPickHeading = 10,
    kBackButton = 12,
    kNoRoomHeading = 13,
    kPickFileHeading = 14,
};

// Images of the shared menu sheet that hold the name glyphs.
constexpr int kCapitalGlyphs = 29;
constexpr int kSmallGlyphs = 30;
constexpr uint8_t kFirstCapital = 28;
constexpr uint8_t kEndMarker = 1;

constexpr int32_t kSlotButtonX = 470;
constexpr int32_t kSlotButtonWidth = 115;
constexpr int32_t kSlotButtonHeight = 76;
constexpr int32_t kSlotButtonY[FilePicker::kSlots] = {182, 268, 352, 435, 520};
constexpr int32_t kBackX = 710, kBackY = 20, kBackWidth = 64, kBackHeight = 32;
constexpr int32_t kRowSpacing = 84;
constexpr int32_t kLoadingMarkerY[FilePicker::kSlots] = {200, 284, 368, 448, 536};
constexpr uint32_t kLoadingMs = 1000;
}  // namespace

FilePicker::FilePicker() {
    std::fill(std::begin(infoPending), std::end(infoPending), uint8_t{1});
    std::fill(std::begin(slotUsed), std::end(slotUsed), uint8_t{1});
}

FilePicker::~FilePicker() { FreeSheet(); }

int FilePicker::LoadArt(GraphicsDevice* graphics) {
    FreeSheet();
    sheet = std::make_unique<SpriteSheet>();
    sheet->Init(graphics, kImageCount);
    sheet->SetAlphaTest(1);
    int result = 1;
    for (const PickerImage& art : kImages) {
        result = sheet->LoadImage(art.image, art.file, art.frameWidth, art.frameHeight, art.key, kFormatA1R5G5B5);
    }
    return result;
}

void FilePicker::FreeSheet() { sheet.reset(); }

bool FilePicker::InsideSlot(int slot, int32_t x, int32_t y) {
    if (slot < 1 || slot > kSlots) return false;
    return PointInRect(kSlotButtonX, kSlotButtonY[slot - 1], kSlotButtonWidth, kSlotButtonHeight, x, y) != 0;
}

bool FilePicker::InsideBack(int32_t x, int32_t y) {
    return PointInRect(kBackX, kBackY, kBackWidth, kBackHeight, x, y) != 0;
}

void FilePicker::DrawLinesAndBack() {
    constexpr int kLines = 6;
    for (int i = 0; i < kLines; ++i) {
        sheet->Draw(kLine, 0, 0.0f, static_cast<float>(176 + kRowSpacing * i), kWhite, 12.5f, 1.0f, 0, 0.0f);
    }
    sheet->Draw(kBackButton, backButtonFrame, kBackX, kBackY, kWhite, 1.0f, 1.0f, 0, 0.0f);
}

void FilePicker::DrawButtonsAndLabels(uint32_t buttonColour, uint32_t labelColour) {
    for (int k = 1; k <= kSlots; ++k) {
        const float r = static_cast<float>(kRowSpacing * (k - 1));
        sheet->Draw(kButton, slotFrames[k - 1], 470.0f, 183.0f + r, buttonColour, 0.9f, 0.6f, 0, 0.0f);
        sheet->Draw(kSlotNumbers, k, 511.0f, 206.0f + r, kWhite, 1.0f, 1.0f, 0, 0.0f);
    }
    for (int k = 1; k <= kSlots; ++k) {
        const float r = static_cast<float>(kRowSpacing * (k - 1));
        if (slotUsed[k - 1] == 0) {
            sheet->Draw(kEmptyLabel, 0, 240.0f, 197.0f + r, kWhite, 0.8f, 0.8f, 0, 0.0f);
        } else {
            sheet->Draw(kSaveLabel, 0, 620.0f, 193.0f + r, labelColour, 0.9f, 0.9f, 0, 0.0f);
            sheet->Draw(kSmallNumbers, k, 600.0f, 200.0f + r, labelColour, 0.8f, 1.3f, 0, 0.0f);
        }
    }
}

void FilePicker::DrawLoad(SpriteSheet* /*menuSheet*/) {
    if (!sheet) return;
    DrawLinesAndBack();
    sheet->Draw(kPickHeading, 0, 245.0f, 30.0f, kLabel, 1.0f, 0.9f, 0, 0.0f);
    DrawButtonsAndLabels(kDim, kLabel);
    if (chosenSlot >= 1 && chosenSlot <= kSlots) {
        sheet->Draw(kLoadingMarker, 0, 255.0f, static_cast<float>(kLoadingMarkerY[chosenSlot - 1]), kLoadingColour,
                    1.3f, 1.3f, 0, 0.0f);
    }
}

void FilePicker::DrawSave(SpriteSheet* /*menuSheet*/) {
    if (!sheet) return;
    DrawLinesAndBack();
    sheet->Draw(kNoRoomHeading, 0, 250.0f, 50.0f, kWhite, 1.0f, 1.0f, 0, 0.0f);
    sheet->Draw(kPickFileHeading, 0, 220.0f, 100.0f, kWhite, 1.0f, 1.0f, 0, 0.0f);
    DrawButtonsAndLabels(kWhite, kWhite);
}

int FilePicker::PlaceLevelDigits(uint8_t level, uint32_t x, int32_t digitX[3], uint8_t digitFrame[3]) {
    const int32_t left = static_cast<int32_t>(x);
    digitFrame[0] = static_cast<uint8_t>(level % 10);
    digitFrame[1] = static_cast<uint8_t>(level / 10 % 10);
    digitFrame[2] = static_cast<uint8_t>(level / 100);
    if (level < 10) {
        digitX[0] = left + 362;
        return 1;
    }
    if (level < 100) {
        digitX[0] = left + 379;
        digitX[1] = left + 355;
        return 2;
    }
    digitX[0] = left + 398;
    digitX[1] = left + 374;
    digitX[2] = left + 350;
    return 3;
}

int32_t FilePicker::NameCellX(uint32_t x, int cell, uint8_t nameLength) {
    return static_cast<int32_t>(x) + 196 + 11 * (2 * cell - nameLength);
}

void FilePicker::DrawSlot(int slot, uint32_t x, uint32_t y, SpriteSheet* nameSheet) {
    if (slot < 1 || slot > kSlots || !sheet) return;
    const int k = slot - 1;
    if (slotUsed[k] == 0 || chosenSlot == slot) return;
    const float fy = static_cast<float>(y);
    sheet->Draw(kLevelLabel, 0, static_cast<float>(x + 250), fy - 5.0f, kWhite, 1.0f, 1.0f, 0, 0.0f);
    if (nameSheet) {
        for (int i = 0; i < kNameCells; ++i) {
            const uint8_t cell = slotNames[k][i];
            if (cell == kEndMarker) continue;
            const float cx = static_cast<float>(NameCellX(x, i, nameLength[k]));
            if (cell >= kFirstCapital) {
                nameSheet->Draw(kCapitalGlyphs, cell - kFirstCapital, cx, fy + 27.0f, kWhite, 0.7f, 0.7f, 0, 0.0f);
            } else {
                nameSheet->Draw(kSmallGlyphs, cell, cx, fy + 27.0f, kWhite, 0.7f, 0.7f, 0, 0.0f);
            }
        }
    }
    int32_t digitX[3];
    const int count = PlaceLevelDigits(slotLevel[k], x, digitX, levelDigits);
    for (int d = 0; d < count; ++d) {
        sheet->Draw(kLevelNumbers, levelDigits[d], static_cast<float>(digitX[d]), fy - 4.0f, kWhite, 0.5f, 0.5f, 0,
                    0.0f);
    }
}

void FilePicker::Animate() {
    if (chosenSlot == 0) return;
    const uint32_t now = NowMs();
    if (loadingTimerState == 1) {
        loadingTimerStart = now;
        loadingTimerState = 2;
    } else if (loadingTimerState == 2 && now - loadingTimerStart > kLoadingMs) {
        loadingTimerState = 1;
        chosenSlot = 0;
    }
}

void FilePicker::MeasureNames() {
    for (int k = 0; k < kSlots; ++k) {
        nameLength[k] = 0;
        for (int i = 0; i < kNameCells; ++i) {
            if (slotNames[k][i] != 0) nameLength[k] = static_cast<uint8_t>(i);
        }
    }
}

void FilePicker::HitTest(int32_t x, int32_t y) {
    for (int slot = 1; slot <= kSlots; ++slot) {
        if (InsideSlot(slot, x, y)) {
            hoverId = static_cast<uint8_t>(slot);
            if (!pressLock) slotFrames[slot - 1] = 1;
        } else if (!pressLock) {
            slotFrames[slot - 1] = 0;
        }
    }
    if (InsideBack(x, y)) {
        hoverId = kBackId;
        if (!pressLock) backButtonFrame = 1;
    } else if (!pressLock) {
        backButtonFrame = 0;
    }
    hoverIdCopy = hoverId;
}

int FilePicker::OnClickSlot(int slot, int32_t x, int32_t y, InputDevice* mouse) {
    if (!mouse || !InsideSlot(slot, x, y)) return 0;
    if (!mouse->ButtonPressed(0) && !mouse->ButtonPressed(1)) return 0;
    clickedId = static_cast<uint8_t>(slot);
    return 1;
}

int FilePicker::OnClickBack(int32_t x, int32_t y, InputDevice* mouse) {
    if (!mouse || !InsideBack(x, y)) return 0;
    if (!mouse->ButtonPressed(0) && !mouse->ButtonPressed(1)) return 0;
    clickedId = kBackId;
    return 1;
}
