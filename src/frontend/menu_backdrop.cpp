#include "frontend/menu_backdrop.h"

#include <algorithm>

#include "frontend/menu_backdrop_bar.h"
#include "platform/clock.h"
#include "platform/graphics_device.h"
#include "platform/input_device.h"
#include "platform/point_in_rect.h"
#include "platform/random_range.h"
#include "platform/screen_art.h"
#include "platform/sprite_sheet.h"

namespace {

constexpr int kSheetImages = 31;
constexpr ScreenImage kImages[] = {
    {0, "Art\\Menu2\\Fire.bmp", 32, 32, kKeyBlack},
    {1, "Art\\Menu\\Buttons.bmp", 512, 64, kNoKey},
    {2, "Art\\Awards\\Star1.bmp", 32, 32, kKeyRed},
    {3, "Art\\Menu\\Words3.bmp", 128, 32, kKeyRed},
    {5, "Art\\Menu\\Vexmoor.bmp", 32, 32, kKeyBlack},
    {8, "Art\\Space\\8\\2.bmp", 8, 8, kKeyBlack},
    {9, "Art\\Space\\64\\1.bmp", 64, 64, kKeyBlack},
    {16, "Art\\Ship\\E1.bmp", 32, 32, kKeyBlack},
    {17, "Art\\Ship\\E2.bmp", 32, 32, kKeyBlack},
    {18, "Art\\Ship\\E3.bmp", 32, 32, kKeyBlack},
    {19, "Art\\Ship\\E4.bmp", 32, 32, kKeyBlack},
    {20, "Art\\Ship\\Ship2.bmp", 64, 64, kKeyBlack},
    {21, "Art\\Awards\\Star1.bmp", 32, 32, kKeyRed},
    {22, "Art\\Ship\\ParticleShields.PNG", 128, 128, kKeyBlack},
    {23, "Art\\Ship\\HardShields.bmp", 64, 64, kKeyRed},
    {24, "Art\\Space\\512\\2.bmp", 512, 512, kKeyBlack},
    {25, "Art\\Space\\512\\3.bmp", 512, 512, kKeyBlack},
    {26, "Art\\Space\\512\\4.bmp", 512, 512, kNoKey},
    {27, "Art\\Space\\512\\5.bmp", 128, 512, kNoKey},
    {28, "Art\\Space\\512\\7.bmp", 512, 512, kNoKey},
    {29, "Art\\Space\\512\\8.bmp", 256, 512, kNoKey},
};

// Rocks fall to here, then start again above the screen one column over.
constexpr int32_t kRockBottom = 1300;
constexpr int32_t kRockRestartY = -30;
constexpr int32_t kRockShift = 100;
constexpr int32_t kRockRightmost = 790;
constexpr int32_t kRockWrap = 770;

// The ship holds still this long in the main menu's opening flight.
constexpr uint32_t kOpeningSeconds = 4;
constexpr uint32_t kNoHoldSeconds = 6;
constexpr uint32_t kParkSeconds = 2;
constexpr int32_t kParkX = 368, kParkY = 310;

// Beyond these the ship is turned back toward the middle.
constexpr int32_t kFarLeft = -200, kFarRight = 1000, kFarTop = -200, kFarBottom = 800;
constexpr int32_t kMiddleX = 400, kMiddleY = 300;

// Heading 0 points up, 16 right, 32 down, 48 left.
constexpr uint8_t kQuarter = 16;
constexpr uint8_t kHalf = 32;
constexpr uint8_t kLastHeading = 63;
constexpr uint32_t kMaxFactor = 8;
constexpr int32_t kSpeedPerFactor = 20;
constexpr float kRadiansPerHeading = -0.098125f;

// Where the flame sits beside the ship's frame on each heading.
struct Offset {
    int8_t dx, dy;
};
constexpr Offset kFlameOffsets[MenuBackdrop::kHeadings] = {
    {20, 62}, {17, 61}, {14, 60}, {12, 58}, {10, 56}, {8, 53},  {6, 51},  {4, 49},  {2, 46},  {1, 43},  {-1, 40},
    {-2, 37}, {-2, 33}, {-2, 29}, {-2, 26}, {-1, 23}, {0, 20},  {2, 17},  {3, 14},  {5, 12},  {7, 9},   {9, 7},
    {13, 6},  {16, 4},  {19, 2},  {22, 0},  {24, -1}, {27, -2}, {31, -2}, {34, -2}, {37, -2}, {41, -1}, {43, 0},
    {47, 2},  {49, 3},  {52, 5},  {55, 7},  {57, 9},  {59, 12}, {61, 15}, {62, 18}, {63, 21}, {64, 24}, {65, 27},
    {66, 30}, {66, 33}, {66, 37}, {65, 40}, {63, 43}, {61, 46}, {59, 49}, {57, 52}, {56, 54}, {53, 56}, {51, 58},
    {48, 60}, {45, 62}, {43, 64}, {39, 64}, {36, 65}, {33, 66}, {30, 66}, {26, 65}, {23, 65},
};

constexpr uint32_t kTickMs = 150;
constexpr float kSpinStep = 0.08f;
constexpr float kShieldTurn = 0.07f;
constexpr float kFullTurn = 6.28f;
constexpr uint8_t kShadeStep = 16;
constexpr uint8_t kShadeFloor = 17;
constexpr uint8_t kLastFireFrame = 7;
constexpr uint32_t kRockFrames = 16;
constexpr uint8_t kLastShipFrame = 3;
constexpr uint32_t kLastShieldFrame = 3;
constexpr uint32_t kLastFlameImage = 3;

float Turn(float angle, float step) {
    angle += step;
    return angle >= kFullTurn ? 0.0f : angle;
}

bool MousePressed(InputDevice* mouse) { return mouse && (mouse->ButtonPressed(0) || mouse->ButtonPressed(1)); }

}  // namespace

MenuBackdrop::MenuBackdrop() : random(std::make_unique<RandomRange>()) {}

MenuBackdrop::~MenuBackdrop() { FreeArt(); }

void MenuBackdrop::LoadArt(GraphicsDevice* graphics) {
    FreeArt();
    LoadScreenSheet(sheet, graphics, kSheetImages, kImages);
}

void MenuBackdrop::FreeArt() { sheet.reset(); }

void MenuBackdrop::Update(uint8_t step40, uint8_t stepX, uint8_t stepY, uint32_t seconds, uint8_t holdFlag) {
    ScrollCloudRows(rowY, step40);
    for (int r = 0; r < kRocks; ++r) {
        rockY[r] += step40;
        if (rockY[r] > kRockBottom) {
            rockY[r] = kRockRestartY;
            rockX[r] += kRockShift;
            if (rockX[r] > kRockRightmost) rockX[r] -= kRockWrap;
        }
    }
    const uint32_t held = holdFlag ? seconds : kNoHoldSeconds;
    if (openingFlight && held < kOpeningSeconds) return;
    if (directionFlags[kRight]) shipX += stepX;
    if (directionFlags[kLeft]) shipX -= stepX;
    if (directionFlags[kUp]) shipY -= stepY;
    if (directionFlags[kDown]) shipY += stepY;
}

void MenuBackdrop::SpeedFactors(uint8_t heading, uint32_t& xFactor, uint32_t& yFactor) {
    const uint32_t m = heading % kHalf;
    const uint32_t d = std::min<uint32_t>(m, kHalf - m);
    xFactor = std::min(d, kMaxFactor);
    yFactor = std::min(kQuarter - d, kMaxFactor);
}

void MenuBackdrop::RandomizeStars() {
    const bool up = shipY >= kMiddleY;
    const bool right = shipX < kMiddleX;
    directionFlags[kUp] = up ? 1 : 0;
    directionFlags[kDown] = up ? 0 : 1;
    directionFlags[kRight] = right ? 1 : 0;
    directionFlags[kLeft] = right ? 0 : 1;
    if (up && right) {
        random->SetRange(0, kQuarter);
    } else if (up) {
        random->SetRange(kHalf + kQuarter, kLastHeading);
    } else if (right) {
        random->SetRange(kQuarter, kHalf);
    } else {
        random->SetRange(kHalf, kHalf + kQuarter);
    }
    heading = static_cast<uint8_t>(random->Next());
    SpeedFactors(heading, xFactor, yFactor);
    speedX = kSpeedPerFactor * static_cast<int32_t>(xFactor);
    speedY = kSpeedPerFactor * static_cast<int32_t>(yFactor);
    shipAngle = heading * kRadiansPerHeading;
    flameDX = kFlameOffsets[heading % kHeadings].dx;
    flameDY = kFlameOffsets[heading % kHeadings].dy;
}

void MenuBackdrop::SteerShip() {
    if (shipX > kFarRight || shipX < kFarLeft || shipY < kFarTop || shipY > kFarBottom) reaimShip = 1;
    if (!reaimShip) return;
    reaimShip = 0;
    RandomizeStars();
}

void MenuBackdrop::HoldForOpening(uint32_t seconds) {
    if (!openingFlight || seconds >= kParkSeconds) return;
    shipX = kParkX;
    shipY = kParkY;
}

void MenuBackdrop::Animate() {
    const uint32_t now = NowMs();
    if (tickState) {
        tickStart = now;
        tickState = 0;
        return;
    }
    if (now - tickStart <= kTickMs) return;
    tickState = 1;
    spin = Turn(spin, kSpinStep);
    rockFrame = (rockFrame + 1) % kRockFrames;
    for (uint8_t& f : fireFrame) f = f >= kLastFireFrame ? 0 : f + 1;
    for (uint8_t& s : letterShade) {
        s = static_cast<uint8_t>(s - kShadeStep);
        if (s < kShadeFloor) s = 255;
    }
    shipFrame = shipFrame >= kLastShipFrame ? 0 : shipFrame + 1;
    shieldFrame = shieldFrame >= kLastShieldFrame ? 0 : shieldFrame + 1;
    flameImage = flameImage == 0 ? kLastFlameImage : flameImage - 1;
    spin = Turn(spin, kSpinStep);
    shieldAngle = Turn(shieldAngle, kShieldTurn);
}

void MenuBackdrop::HoverButtons(int32_t x, int32_t y) {
    for (const menu_bar::Button& b : menu_bar::kButtons) {
        const bool inside = PointInRect(b.x, menu_bar::kTop, b.width, menu_bar::kHeight, x, y) != 0;
        if (inside) hoverButton = b.code;
        if (!buttonHeld) buttonState[b.stateIndex] = inside ? 1 : 0;
    }
    hoverForSound = hoverButton;
}

int MenuBackdrop::ClickButton(int b, int32_t x, int32_t y, InputDevice* mouse) {
    if (b < 0 || b >= kBarButtons) return 0;
    const menu_bar::Button& button = menu_bar::kButtons[b];
    if (!PointInRect(button.x, menu_bar::kTop, button.width, menu_bar::kHeight, x, y) || !MousePressed(mouse)) {
        return 0;
    }
    chosenButton = button.code;
    return 1;
}

void MenuBackdrop::PressButtons(int32_t x, int32_t y, InputDevice* mouse) {
    // The press decides: dragged onto another button, the held one stays chosen.
    if (buttonHeld || !MousePressed(mouse)) return;
    for (int b = 0; b < kBarButtons; ++b) {
        if (!ClickButton(b, x, y, mouse)) continue;
        buttonState[menu_bar::kButtons[b].stateIndex] = 2;
        buttonHeld = 1;
    }
}

uint8_t MenuBackdrop::TakeChoice(InputDevice* mouse) {
    if (chosenButton == 0) return 0;
    if (hoverButton == chosenButton && !MouseButtonsReleased(mouse)) return 0;
    const uint8_t code = chosenButton;
    chosenButton = 0;
    buttonHeld = 0;
    return code;
}
