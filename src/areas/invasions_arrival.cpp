// The second region's arrival display: the area's title in letter glyphs,
// each at its own place, and the squares closing in on the ship.
#include "areas/invasions_arrival.h"

#include "battle/battle_engine.h"
#include "hud/area_backdrop.h"
#include "hud/control_panel.h"
#include "platform/shared_art.h"
#include "platform/sprite_sheet.h"
#include "shell/game_app.h"

namespace {
constexpr int kCapitalsImage = 29;
constexpr int kSmallImage = 30;
constexpr int32_t kHalfWidth = 16;  // a capital's right half follows its left
constexpr float kGlyphScaleX = 0.5f;
constexpr float kGlyphScaleY = 0.6f;
constexpr float kTitleY = 190.0f;
constexpr uint32_t kWhite = 0xFFFFFFFFu;
constexpr int kSquareImage = 9;  // on the panel's own sheet, 4 x 4 frames
constexpr uint32_t kSquareColour = 0xAA9B9BFFu;
constexpr int32_t kShipSide = 64;
constexpr float kBarThickness = 0.5f;  // 2 pixels
constexpr float kFramePixels = 4.0f;
constexpr int32_t kNoEnteringArea = 2;

struct Glyph {
    char letter;
    int16_t x;
};

constexpr int kMostGlyphs = 20;
struct Title {
    uint8_t area;
    Glyph glyphs[kMostGlyphs];
};

constexpr Glyph kEntering[] = {{'E', 180}, {'n', 214}, {'t', 232}, {'e', 250},
                               {'r', 268}, {'i', 286}, {'n', 304}, {'g', 322}};

// The three Dragons titles have no apostrophe.
constexpr Title kTitles[] = {
    {2, {{'T', 360}, {'r', 389}, {'a', 408}, {'p', 426}}},
    {3, {{'F', 360}, {'a', 389}, {'r', 408}, {'C', 450}, {'o', 479}, {'l', 495}, {'o', 511}, {'n', 527}, {'y', 543},
          {'P', 580}, {'a', 609}, {'t', 625}, {'h', 641}, {'I', 680}}},
    {4, {{'F', 360}, {'a', 389}, {'r', 408}, {'C', 450}, {'o', 479}, {'l', 495}, {'o', 511}, {'n', 527}, {'y', 543},
          {'P', 580}, {'a', 609}, {'t', 625}, {'h', 641}, {'I', 680}, {'I', 696}}},
    {5, {{'F', 410}, {'a', 439}, {'r', 458}, {'C', 530}, {'o', 559}, {'l', 575}, {'o', 591}, {'n', 607}, {'y', 623}}},
    {6, {{'M', 360}, {'e', 389}, {'e', 408}, {'t', 426}, {'i', 442}, {'n', 458}, {'g', 474}, {'A', 513}, {'r', 542},
          {'e', 559}, {'a', 576}}},
    {7, {{'E', 360}, {'n', 389}, {'e', 408}, {'m', 426}, {'y', 442}, {'F', 476}, {'l', 505}, {'e', 521}, {'e', 537},
          {'t', 553}}},
    {8, {{'S', 350}, {'u', 379}, {'p', 398}, {'p', 416}, {'l', 432}, {'y', 448}, {'S', 476}, {'h', 505}, {'i', 521},
          {'p', 537}, {'s', 553}, {'A', 580}, {'r', 609}, {'e', 626}, {'a', 643}}},
    {9, {{'V', 360}, {'e', 389}, {'n', 404}, {'u', 421}, {'s', 437}, {'A', 480}, {'r', 509}, {'e', 526}, {'a', 543}}},
    {10, {{'S', 360}, {'t', 389}, {'a', 408}, {'t', 426}, {'i', 442}, {'o', 458}, {'n', 474}, {'P', 510}, {'a', 539},
          {'t', 555}, {'h', 571}, {'I', 600}}},
    {11, {{'S', 360}, {'t', 389}, {'a', 408}, {'t', 426}, {'i', 442}, {'o', 458}, {'n', 474}, {'P', 510}, {'a', 539},
          {'t', 555}, {'h', 571}, {'I', 600}, {'I', 616}}},
    {12, {{'M', 360}, {'i', 389}, {'l', 408}, {'i', 426}, {'t', 442}, {'a', 458}, {'r', 474}, {'y', 490}, {'S', 560},
          {'t', 589}, {'a', 608}, {'t', 626}, {'i', 642}, {'o', 658}, {'n', 674}}},
    {13, {{'W', 360}, {'a', 389}, {'r', 408}, {'r', 426}, {'i', 444}, {'o', 462}, {'r', 478}, {'C', 520}, {'l', 549},
          {'a', 568}, {'n', 586}}},
    {14, {{'M', 360}, {'e', 389}, {'c', 408}, {'h', 426}, {'a', 444}, {'n', 459}, {'i', 475}, {'c', 491}, {'a', 507},
          {'l', 523}, {'D', 550}, {'r', 579}, {'a', 598}, {'g', 616}, {'o', 634}, {'n', 649}, {'L', 680}, {'a', 709},
          {'i', 726}, {'r', 743}}},
    {15, {{'S', 360}, {'a', 389}, {'t', 404}, {'u', 421}, {'r', 437}, {'n', 453}, {'A', 490}, {'r', 519}, {'e', 536},
          {'a', 553}}},
    {16, {{'D', 360}, {'r', 389}, {'a', 408}, {'g', 426}, {'o', 444}, {'n', 459}, {'s', 475}, {'O', 510}, {'u', 541},
          {'t', 556}, {'p', 570}, {'o', 586}, {'s', 601}, {'t', 614}}},
    {17, {{'D', 360}, {'r', 389}, {'a', 408}, {'g', 426}, {'o', 444}, {'n', 459}, {'s', 475}, {'F', 510}, {'l', 539},
          {'e', 555}, {'e', 571}, {'t', 587}}},
    {18, {{'D', 360}, {'r', 389}, {'a', 408}, {'g', 426}, {'o', 444}, {'n', 459}, {'s', 475}, {'B', 510}, {'a', 541},
          {'s', 556}, {'e', 570}}},
    {19, {{'D', 360}, {'u', 389}, {'n', 406}, {'m', 423}, {'a', 440}, {'r', 457}, {'k', 474}}},
    {20, {{'V', 360}, {'e', 389}, {'x', 406}, {'m', 423}, {'o', 440}, {'o', 457}, {'r', 474}}},};

// Square k's margin about the ship, and the stages (bit n for stage n) it shows in.
struct Square {
    int32_t margin;
    uint16_t stages;
};
constexpr uint16_t Stages(int first, int last) {
    uint16_t bits = 0;
    for (int n = first; n <= last; ++n) bits = static_cast<uint16_t>(bits | (1u << n));
    return bits;
}
constexpr Square kSquares[] = {
    {100, Stages(1, 1)}, {85, Stages(1, 1)}, {70, Stages(2, 4)}, {55, Stages(3, 5)},
    {40, Stages(4, 6)},  {25, Stages(5, 7)}, {10, Stages(6, 8)},
};

// Capitals take two frames but I and J, which take one.
int CapitalFirstFrame(char c) {
    const int index = c - 'A';
    if (c < 'I') return 2 * index;
    if (c == 'I') return 16;
    if (c == 'J') return 17;
    return 2 * index - 2;
}

// The glyph (image, frame, x) or two of a letter, handed to `use`.
template <class Use>
void ForEachGlyphOf(const Glyph& glyph, Use&& use) {
    const char c = glyph.letter;
    if (c >= 'a' && c <= 'z') {
        use(BannerGlyph{kSmallImage, c - 'a' + 2, glyph.x});
        return;
    }
    if (c < 'A' || c > 'Z') return;
    const int frame = CapitalFirstFrame(c);
    use(BannerGlyph{kCapitalsImage, frame, glyph.x});
    if (c != 'I' && c != 'J') use(BannerGlyph{kCapitalsImage, frame + 1, glyph.x + kHalfWidth});
}

// Every glyph of an area's arrival title, straight from the tables: the
// title is drawn every frame of the arrival, so nothing is built for it.
template <class Use>
void ForEachTitleGlyph(int32_t area, Use&& use) {
    if (area != kNoEnteringArea) {
        for (const Glyph& glyph : kEntering) ForEachGlyphOf(glyph, use);
    }
    for (const Title& title : kTitles) {
        if (title.area != area) continue;
        for (const Glyph& glyph : title.glyphs) ForEachGlyphOf(glyph, use);
    }
}

template <class Use>
void ForEachSquareMargin(uint8_t stage, Use&& use) {
    if (stage >= 16) return;
    for (const Square& square : kSquares) {
        if (square.stages & (1u << stage)) use(square.margin);
    }
}

void DrawSquare(SpriteSheet* sheet, int32_t sx, int32_t sy, int32_t margin) {
    const float side = static_cast<float>(kShipSide + 2 * margin) / kFramePixels;
    const float left = static_cast<float>(sx - margin);
    const float top = static_cast<float>(sy - margin);
    const float right = static_cast<float>(sx + kShipSide + margin);
    const float bottom = static_cast<float>(sy + kShipSide + margin);
    sheet->Draw(kSquareImage, 0, left, top, kSquareColour, kBarThickness, side, 0, 0.0f);
    // The right bar runs 2 pixels further to fill the bottom-right corner.
    sheet->Draw(kSquareImage, 0, right, top, kSquareColour, kBarThickness, side + kBarThickness, 0, 0.0f);
    sheet->Draw(kSquareImage, 0, left, top, kSquareColour, side, kBarThickness, 0, 0.0f);
    sheet->Draw(kSquareImage, 0, left, bottom, kSquareColour, side, kBarThickness, 0, 0.0f);
}
}  // namespace

std::vector<BannerGlyph> InvasionsTitleGlyphs(int32_t area) {
    std::vector<BannerGlyph> glyphs;
    ForEachTitleGlyph(area, [&](const BannerGlyph& glyph) { glyphs.push_back(glyph); });
    return glyphs;
}

std::vector<int32_t> ArrivalSquareMargins(uint8_t stage) {
    std::vector<int32_t> margins;
    ForEachSquareMargin(stage, [&](int32_t margin) { margins.push_back(margin); });
    return margins;
}

void DrawInvasionsArrival(GameApp& app) {
    const ControlPanel& panel = *app.controlPanel;
    const uint8_t stage = panel.areaTitleTimer;
    if (stage == 0) return;
    SpriteSheet* letters = app.sharedArt->menuSheet;
    ForEachTitleGlyph(app.areaBackdrop->areaNumber, [&](const BannerGlyph& glyph) {
        letters->Draw(glyph.image, glyph.frame, static_cast<float>(glyph.x), kTitleY, kWhite, kGlyphScaleX,
                      kGlyphScaleY, 0, 0.0f);
    });
    const BattleEngine& engine = *app.battleEngine;
    if (engine.emergencyEscape != 0 || !panel.sheet) return;
    // Centred on the ship as drawn, shifted at a map bound or not.
    const int32_t sx = engine.shipX + engine.offsetRight - engine.offsetLeft;
    const int32_t sy = engine.shipY + engine.offsetDown - engine.offsetUp;
    ForEachSquareMargin(stage, [&](int32_t margin) { DrawSquare(panel.sheet.get(), sx, sy, margin); });
}
