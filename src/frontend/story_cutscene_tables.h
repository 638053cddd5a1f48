#pragma once
#include <cstdint>

#include "platform/screen_art.h"

// The fixed data of the story cutscenes: pictures, start places, motions and
// the stars of the ending's sky.
namespace story_tables {

constexpr int kIntroSheetSlots = 1;
constexpr int kIntroImageCount = 1;
constexpr ScreenImage kIntroImages[kIntroImageCount] = {{0, "Art\\Menu\\Intro.PNG", 512, 512, kKeyBlack}};

// The ending's sheet has room for ten pictures; eight are loaded.
constexpr int kEndingSheetSlots = 10;
constexpr int kEndingImageCount = 8;
constexpr ScreenImage kEndingImages[kEndingImageCount] = {
    {0, "Art\\Menu2\\Capital17.bmp", 512, 512, kKeyGreen}, {1, "Art\\Menu2\\Star9.bmp", 8, 8, kKeyBlack},
    {2, "Art\\Menu2\\Star10.bmp", 4, 4, kKeyBlack},        {3, "Art\\Menu2\\Moon2.bmp", 32, 32, kKeyBlack},
    {4, "Art\\Menu2\\Asteroid2.bmp", 64, 64, kKeyRed},     {5, "Art\\Menu2\\Comet.bmp", 128, 128, kKeyRed},
    {6, "Art\\Menu2\\ShipsMany.bmp", 32, 8, kKeyRed},      {7, "Art\\Menu2\\Peace.bmp", 256, 32, kKeyBlack},
};
constexpr int kCapitalImage = 0, kStarImage = 1, kSmallStarImage = 2, kMoonImage = 3, kAsteroidImage = 4,
              kCometImage = 5, kShipsImage = 6, kWordImage = 7;

struct Point {
    int32_t x, y;
};

// Intro.
constexpr Point kIntroStart{110, 600};
constexpr float kIntroScale = 1.2f;

// Ending: the fleet (capital ship and small ships) slides in and stops.
constexpr Point kFleetStart{-1000, -50};
constexpr int32_t kFleetStopX = -200;
constexpr Point kCapitalOffset{80, 80};
constexpr float kCapitalScale = 1.2f;

// Steps the cutscene moves by, one per frame stepper speed it uses.
enum Speed : uint8_t { kS30, kS70, kS120, kS177, kS250, kSpeedCount };

struct ShipRow {
    int32_t startX;
    Speed speed;
    uint8_t frame;
    int16_t dy;
    int32_t shownAbove;  // the ship is hidden once it reaches the capital ship
    float scaleX, scaleY;
};
constexpr ShipRow kShipRows[9] = {
    {950, kS120, 0, 343, 611, 1.0f, 1.0f},  {800, kS177, 1, 500, 530, 1.0f, 1.0f},
    {1150, kS120, 2, 343, 620, 1.0f, 1.0f}, {1250, kS250, 3, 330, 614, 1.0f, 1.0f},
    {1400, kS120, 4, 343, 611, 1.0f, 1.0f}, {1900, kS250, 5, 330, 614, 1.0f, 1.0f},
    {1700, kS120, 6, 343, 614, 1.0f, 1.0f}, {2000, kS120, 7, 343, 614, 1.0f, 1.0f},
    {2300, kS120, 1, 343, 614, 0.5f, 1.1f},
};
constexpr int32_t kLeadShipReturnX = 2400;
constexpr float kLeadShipReturnScale = 2.0f;

// Asteroids (entries 0-7) and comets (8-10): start, look.
enum FrameKind : uint8_t { kFrameUp, kFrameDown, kFrameFirst };
struct ObjectRow {
    Point start;
    FrameKind frame;
    float scaleX, scaleY;
};
constexpr ObjectRow kObjectRows[11] = {
    {{820, 5}, kFrameUp, 0.6f, 0.2f},       {{900, 150}, kFrameDown, 0.6f, 0.4f},
    {{960, 350}, kFrameUp, 1.0f, 0.6f},     {{600, -50}, kFrameDown, 1.3f, 0.9f},
    {{500, -50}, kFrameDown, 0.7f, 0.9f},   {{890, 0}, kFrameUp, 0.6f, 0.5f},
    {{800, 120}, kFrameDown, 1.1f, 0.2f},   {{800, 230}, kFrameUp, 0.8f, 0.5f},
    {{800, 0}, kFrameFirst, 1.1f, 1.1f},    {{600, -100}, kFrameFirst, 0.7f, 0.7f},
    {{900, 0}, kFrameFirst, 0.5f, 0.5f},
};
constexpr int32_t kObjectShownAboveX = -100;
constexpr int32_t kObjectShownBelowX = 800;

// How each asteroid moves: left and down by steps, from the start or once an
// earlier asteroid (watch) is left of a line; the first two come round again.
struct AsteroidRow {
    Speed speedX, speedY;
    int8_t watch;  // -1: always moves
    int32_t belowX;
    bool wraps;
    Point wrapTo;
};
constexpr AsteroidRow kAsteroidRows[8] = {
    {kS177, kS30, -1, 0, true, {820, 400}}, {kS250, kS120, -1, 0, true, {800, 200}},
    {kS70, kS30, -1, 0, false, {}},         {kS30, kS30, 2, 0, false, {}},
    {kS120, kS120, 2, 50, false, {}},       {kS250, kS120, 2, 50, false, {}},
    {kS70, kS120, 4, 0, false, {}},         {kS120, kS120, 3, 300, false, {}},
};
constexpr int32_t kAsteroidWrapBelowX = -400;
constexpr uint8_t kAsteroidFrames = 16;
constexpr uint32_t kFrameTickMs = 100;

// Comets 8, 9 and 10 fall down and left along diagonals, each at its speed;
// comet 9 comes back at these points in turn.
constexpr Speed kCometSpeeds[3] = {kS120, kS70, kS177};
constexpr int32_t kCometReentryBelowX = -100;
constexpr Point kCometReturnPoints[7] = {{400, -200}, {800, 300}, {700, -20}, {800, 150},
                                         {400, -80},  {800, 20},  {500, -120}};

// The ending's sky.
struct Star {
    int16_t x, y;
    float scale;
};
constexpr Star kBigStars[] = {{20, 50, 1.0f}, {300, 100, 1.2f}, {650, 280, 1.2f}};
constexpr Star kSmallStars[] = {
    {159, 10, 1.0f},  {450, 70, 1.2f},  {700, 20, 1.2f},  {50, 170, 1.2f},  {180, 180, 1.2f},
    {350, 210, 1.2f}, {520, 140, 1.2f}, {690, 200, 1.5f}, {150, 350, 1.6f}, {300, 270, 1.2f},
    {420, 320, 1.2f}, {580, 290, 1.2f}, {750, 340, 1.2f}, {60, 470, 1.2f},  {250, 420, 1.2f},
    {360, 510, 1.2f}, {590, 450, 1.6f}, {700, 410, 1.2f}, {250, 550, 1.6f}, {450, 570, 1.2f},
};
constexpr Star kMoon{610, 470, 1.0f};

// The word picture over the ending's first seconds.
constexpr Point kWordAt{266, 20};
constexpr uint32_t kWordColour = 0xF5FF0000u;
constexpr float kWordScale = 1.1f;

constexpr uint32_t kWhite = 0xFFFFFFFFu;

}  // namespace story_tables
