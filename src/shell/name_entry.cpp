#include "shell/name_entry.h"

#include <algorithm>

#include "platform/clock.h"
#include "platform/graphics_device.h"
#include "platform/input_device.h"
#include "platform/point_in_rect.h"
#include "platform/sprite_sheet.h"
#include "platform/texture.h"

namespace {
constexpr uint32_t kWhite = 0xFFFFFFFFu;
constexpr uint32_t kFrameColour = 0x9BFFFFFFu;
constexpr uint32_t kHeadingColour = 0xB9FFFF00u;
constexpr uint32_t kGlyphColour = 0x370000C8u;
constexpr uint32_t kCursorColour = 0x5F0000C8u;
constexpr uint32_t kBlack = 0xFF000000u;
constexpr uint32_t kRed = 0xFFFF0000u;
constexpr uint32_t kWhiteKey = 0xFFFFFFFFu;

constexpr int32_t kReadyRect[4] = {363, 488, 100, 35};
constexpr int32_t kClearRect[4] = {140, 410, 64, 35};
constexpr int32_t kBackRect[4] = {700, 10, 64, 32};

constexpr int32_t kFirstCellX = 260;
constexpr int32_t kCellSpacing = 14;
constexpr int32_t kNameY = 410;
constexpr int kLastCell = NameEntry::kCells - 1;

constexpr int32_t kStripsRestX = 233;
constexpr int32_t kHand2MaxSpread = 336;
constexpr int32_t kHand5RestY = 536;
constexpr uint32_t kGrowTickMs = 20;
constexpr float kGrowFull = 1.1f;

// Glyphs of the name font.
constexpr uint8_t kFirstCapitalCode = 28;
constexpr uint8_t kLastCapitalCode = 53;
constexpr uint8_t kFirstPairCode = 55;
constexpr uint8_t kCapitalI = 44;
constexpr uint8_t kCapitalJ = 45;
constexpr uint8_t kFullStopGlyph = 78;
constexpr uint8_t kFirstPairGlyph = 80;

// A glyph that fills one cell: space, the small letters, I, J, the full stop.
bool OneCellGlyph(uint8_t cell) {
    return cell < kFirstCapitalCode || cell == kCapitalI || cell == kCapitalJ || cell == kFullStopGlyph;
}

// The first glyph cell of a key code, and how many cells it takes.
struct Glyph {
    uint8_t first;
    int cells;
};
Glyph GlyphOf(uint8_t code) {
    if (code < kFirstCapitalCode) return {code, 1};  // space and a-z
    if (code <= kLastCapitalCode) {
        const int letter = code - kFirstCapitalCode;
        constexpr int kI = 8, kJ = 9;
        if (letter < kI) return {static_cast<uint8_t>(kFirstCapitalCode + 2 * letter), 2};
        if (letter == kI) return {kCapitalI, 1};
        if (letter == kJ) return {kCapitalJ, 1};
        return {static_cast<uint8_t>(kCapitalJ + 1 + 2 * (letter - kJ - 1)), 2};
    }
    if (code == NameEntry::kFullStopCode) return {kFullStopGlyph, 1};
    return {static_cast<uint8_t>(kFirstPairGlyph + 2 * (code - kFirstPairCode)), 2};
}

std::unique_ptr<Texture> LoadTexture(GraphicsDevice* graphics, const char* file, uint32_t key) {
    auto texture = std::make_unique<Texture>();
    texture->Load(graphics, file, key, kFormatA1R5G5B5);
    return texture;
}

void DrawWhole(Texture* texture, float x, float y, uint32_t colour, float scaleX, float scaleY) {
    if (!texture) return;
    texture->Draw(x, y, 0, 0, texture->Width(), texture->Height(), scaleX, scaleY, colour, 0, 0.0f);
}

void DrawFrame(SpriteSheet* sheet, int image, int frame, float x, float y, uint32_t colour, float scaleX,
               float scaleY) {
    if (sheet) sheet->Draw(image, frame, x, y, colour, scaleX, scaleY, 0, 0.0f);
}

bool Pressed(InputDevice* mouse) { return mouse && (mouse->ButtonPressed(0) || mouse->ButtonPressed(1)); }

bool Inside(const int32_t (&rect)[4], int32_t x, int32_t y) {
    return PointInRect(rect[0], rect[1], rect[2], rect[3], x, y) != 0;
}
}  // namespace

NameEntry::NameEntry() {
    for (int i = 0; i < kCells; ++i) cellX[i] = kFirstCellX + kCellSpacing * i;
}

NameEntry::~NameEntry() { FreeArt(); }

void NameEntry::LoadArt(GraphicsDevice* graphics) {
    FreeArt();
    box2 = LoadTexture(graphics, "Art\\Name\\Box2.bmp", 0);
    box3 = LoadTexture(graphics, "Art\\Name\\Box3.bmp", 0);
    box4 = LoadTexture(graphics, "Art\\Name\\Box4.bmp", 0);
    box5 = LoadTexture(graphics, "Art\\Name\\Box5.bmp", 0);
    hand2 = LoadTexture(graphics, "Art\\Name\\Hand2.bmp", kBlack);
    hand3 = LoadTexture(graphics, "Art\\Name\\Hand3.bmp", kBlack);
    hand5 = LoadTexture(graphics, "Art\\Name\\Hand5.bmp", kBlack);
    hand6 = LoadTexture(graphics, "Art\\Name\\Hand6.bmp", kBlack);

    auto makeSheet = [graphics](int images) {
        auto sheet = std::make_unique<SpriteSheet>();
        sheet->Init(graphics, images);
        sheet->SetAlphaTest(1);
        return sheet;
    };
    handSheet = makeSheet(3);
    handSheet->LoadImage(0, "Art\\Name\\Hand4.bmp", 128, 8, kBlack, kFormatA1R5G5B5);
    handSheet->LoadImage(1, "Art\\Name\\ButtonBack.bmp", 64, 32, kRed, kFormatA1R5G5B5);
    handSheet->LoadImage(2, "Art\\Name\\Hand1.bmp", 256, 32, kRed, kFormatA1R5G5B5);
    headingSheet = makeSheet(1);
    headingSheet->LoadImage(0, "Art\\Name\\WriteEnterName.bmp", 256, 32, kWhiteKey, kFormatA1R5G5B5);
    glyphSheet = makeSheet(1);
    glyphSheet->LoadImage(0, "Art\\Name\\Name.PNG", 16, 32, kBlack, kFormatA1R5G5B5);
    readySheet = makeSheet(1);
    readySheet->LoadImage(0, "Art\\Name\\ButtonReady.bmp", 128, 32, kWhiteKey, kFormatA1R5G5B5);
    clearSheet = makeSheet(1);
    clearSheet->LoadImage(0, "Art\\Name\\ButtonClear.bmp", 64, 32, kWhiteKey, kFormatA1R5G5B5);
}

void NameEntry::FreeArt() {
    for (auto* texture : {&box2, &box3, &box4, &box5, &hand2, &hand3, &hand5, &hand6}) texture->reset();
    for (auto* sheet : {&handSheet, &headingSheet, &glyphSheet, &readySheet, &clearSheet}) sheet->reset();
}

void NameEntry::HitTestButton(int32_t left, int32_t top, int32_t width, int32_t height, uint8_t code,
                              uint8_t& frame, int32_t x, int32_t y) {
    if (PointInRect(left, top, width, height, x, y)) {
        hoverCode = code;
        if (!pressLock) frame = 1;
    } else if (!pressLock) {
        frame = 0;
    }
    hoverSoundCode = hoverCode;
}

void NameEntry::HitTestReady(int32_t x, int32_t y) {
    HitTestButton(kReadyRect[0], kReadyRect[1], kReadyRect[2], kReadyRect[3], kHoverReady, readyFrame, x, y);
}

void NameEntry::HitTestClear(int32_t x, int32_t y) {
    HitTestButton(kClearRect[0], kClearRect[1], kClearRect[2], kClearRect[3], kHoverClear, clearFrame, x, y);
}

void NameEntry::HitTestBack(int32_t x, int32_t y) {
    HitTestButton(kBackRect[0], kBackRect[1], kBackRect[2], kBackRect[3], kHoverBack, backFrame, x, y);
}

int NameEntry::ClickReady(int32_t x, int32_t y, InputDevice* mouse) {
    if (!Inside(kReadyRect, x, y) || !Pressed(mouse)) return 0;
    pressedCode = kHoverReady;
    return 1;
}

int NameEntry::ClickClear(int32_t x, int32_t y, InputDevice* mouse) {
    if (!Inside(kClearRect, x, y) || !Pressed(mouse)) return 0;
    pressedCode = kHoverClear;
    return 1;
}

int NameEntry::ClickBack(int32_t x, int32_t y, InputDevice* mouse) {
    if (!Inside(kBackRect, x, y) || !Pressed(mouse)) return 0;
    pressedCode = kHoverBack;
    return 1;
}

int NameEntry::MarkerIndex() const {
    for (int i = 0; i < kCells; ++i) {
        if (nameCells[i] == kEndMarker) return i;
    }
    return -1;
}

int NameEntry::AddLetter(uint8_t code) {
    if (code == kEndMarker || code > kDeleteCode) return code;
    if (letterTaken) return 1;
    const int m = MarkerIndex();
    if (code == kDeleteCode) {
        if (m <= 0) return 1;
        if (OneCellGlyph(nameCells[m - 1]) || m < 2) {
            nameCells[m - 1] = kEndMarker;
            nameCells[m] = 0;
        } else {
            nameCells[m - 2] = kEndMarker;
            nameCells[m - 1] = 0;
            nameCells[m] = 0;
        }
        letterTaken = 1;
        return 1;
    }
    letterTaken = 1;
    if (m < 0) return 1;
    const Glyph glyph = GlyphOf(code);
    // Space and small letters may use the last cell; everything else keeps
    // one cell spare, so the name never passes cell 19.
    const bool smallOrSpace = code < kFirstCapitalCode;
    if (m >= (smallOrSpace ? kLastCell : kLastCell - 1)) return 1;
    nameCells[m] = glyph.first;
    if (glyph.cells == 2) nameCells[m + 1] = static_cast<uint8_t>(glyph.first + 1);
    nameCells[m + glyph.cells] = kEndMarker;
    return 1;
}

void NameEntry::Clear() {
    if (!letterTaken) {
        std::fill(std::begin(nameCells), std::end(nameCells), uint8_t{0});
        nameCells[0] = kEndMarker;
    }
    letterTaken = 1;
}

void NameEntry::BlinkCursor() {
    const uint32_t now = NowMs();
    switch (blinkState) {
    case 1:
        blinkStart = now;
        blinkState = 2;
        break;
    case 2:
        blinkPhase = 0;
        if (now - blinkStart > blinkPeriod) {
            blinkState = 3;
            blinkStart = now;
        }
        break;
    case 3:
        blinkPhase = 1;
        if (now - blinkStart > blinkPeriod) {
            blinkState = 2;
            blinkStart = now;
        }
        break;
    default:
        blinkState = 1;
        break;
    }
}

void NameEntry::SlideStrips(uint8_t step) {
    if (stripsX > kStripsRestX) stripsX = std::max(kStripsRestX, stripsX - step);
}

void NameEntry::SpreadHand2(uint8_t step) {
    if (stripsX == kStripsRestX && hand2Spread < kHand2MaxSpread) hand2Spread = std::min(kHand2MaxSpread, hand2Spread + step);
}

void NameEntry::SlideHand3(uint8_t step) {
    if (hand3X < 0) hand3X = std::min(0, hand3X + step / 3);
}

void NameEntry::SlideHand5(uint8_t step) {
    if (hand5Y > kHand5RestY) hand5Y = std::max(kHand5RestY, hand5Y - step / 3);
}

bool NameEntry::GrowTickDue() {
    const uint32_t now = NowMs();
    if (growTickState == 1) {
        growTickStart = now;
        growTickState = 2;
        return false;
    }
    if (now - growTickStart <= kGrowTickMs) return false;
    growTickStart = now;
    return true;
}

void NameEntry::GrowHand4() {
    const bool growing = (growPhase == 1 && hand3X == 0) || growPhase == 2;
    if (!growing || !GrowTickDue()) return;
    growScale += growPhase == 1 ? 0.03f : 0.04f;
    if (growScale >= kGrowFull) {
        growPhase = growPhase == 1 ? 2 : 3;
        growScale = 0.0f;
    }
}

void NameEntry::DrawBox() {
    DrawWhole(box2.get(), 258, 400, kWhite, 9.5f, 1.3f);
    DrawWhole(box3.get(), 250, 392, kFrameColour, 19.9f, 1.0f);
    DrawWhole(box3.get(), 250, 442, kFrameColour, 19.9f, 1.0f);
    DrawWhole(box4.get(), 250, 400, kFrameColour, 1.0f, 5.3f);
    DrawWhole(box5.get(), 560, 400, kFrameColour, 1.0f, 5.3f);
}

void NameEntry::DrawHeading() { DrawFrame(headingSheet.get(), 0, 0, 297, 325, kHeadingColour, 1.0f, 1.1f); }

void NameEntry::DrawBack() { DrawFrame(handSheet.get(), 1, backFrame, 700, 10, kWhite, 1.0f, 1.0f); }

void NameEntry::DrawName() {
    for (int i = 0; i < kCells; ++i) {
        const uint8_t cell = nameCells[i];
        const float x = static_cast<float>(cellX[i]);
        if (cell == kEndMarker) {
            DrawFrame(glyphSheet.get(), 0, blinkPhase == 0 ? 1 : 0, x, kNameY, kCursorColour, 1.0f, 1.0f);
        } else {
            DrawFrame(glyphSheet.get(), 0, cell, x, kNameY, kGlyphColour, 1.0f, 1.0f);
        }
    }
}

void NameEntry::DrawReady() { DrawFrame(readySheet.get(), 0, readyFrame, 363, 488, kWhite, 1.0f, 1.1f); }

void NameEntry::DrawClear() { DrawFrame(clearSheet.get(), 0, clearFrame, 140, 410, kWhite, 1.0f, 1.1f); }

void NameEntry::DrawStrips() {
    const float x = static_cast<float>(stripsX);
    DrawFrame(handSheet.get(), 2, 0, x, 358, kFrameColour, 2.417f, 1.0f);
    DrawFrame(handSheet.get(), 2, 0, x, 450, kFrameColour, 2.417f, 1.0f);
}

void NameEntry::DrawHand2Pair() {
    DrawWhole(hand2.get(), static_cast<float>(stripsX), 387, kFrameColour, 1.0f, 1.0f);
    DrawWhole(hand2.get(), static_cast<float>(stripsX + hand2Spread), 387, kFrameColour, 1.0f, 1.0f);
}

void NameEntry::DrawHand3() { DrawWhole(hand3.get(), static_cast<float>(hand3X), 430, kWhite, 1.0f, 1.0f); }

void NameEntry::DrawHand4Bar() {
    DrawFrame(handSheet.get(), 0, 0, 64, 443, kWhite, growPhase == 1 ? growScale : kGrowFull, 1.0f);
}

void NameEntry::DrawHand5() { DrawWhole(hand5.get(), 400, static_cast<float>(hand5Y), kWhite, 1.0f, 1.0f); }

void NameEntry::DrawHand6() {
    if (growPhase == 1) DrawWhole(hand6.get(), 352, 520, kWhite, growScale, growScale);
    else DrawWhole(hand6.get(), 350, 520, kWhite, 1.0f, 1.0f);
}
