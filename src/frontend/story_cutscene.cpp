#include "frontend/story_cutscene.h"

#include "frontend/story_cutscene_tables.h"
#include "platform/clock.h"
#include "platform/graphics_device.h"
#include "platform/input_device.h"
#include "platform/key_codes.h"
#include "platform/screen_art.h"
#include "platform/sprite_sheet.h"

using namespace story_tables;

StoryCutscene::StoryCutscene() = default;

StoryCutscene::~StoryCutscene() { FreeArt(); }

void StoryCutscene::LoadArt(GraphicsDevice* graphics) {
    // A reload after a device reset starts from a fresh sheet.
    FreeArt();
    const bool ending = stage == kEnding;
    const std::span<const ScreenImage> images = ending ? std::span<const ScreenImage>(kEndingImages) : kIntroImages;
    LoadScreenSheet(sheet, graphics, ending ? kEndingSheetSlots : kIntroSheetSlots, images);
}

void StoryCutscene::FreeArt() { sheet.reset(); }

void StoryCutscene::Setup() {
    tickState = 1;
    skipRequested = 0;
    finished = 0;
    musicRequest = 0;
    if (stage == kIntro) {
        objX[0] = kIntroStart.x;
        objY[0] = kIntroStart.y;
        pictureScaleX = kIntroScale;
        pictureScaleY = kIntroScale;
        return;
    }
    frameUp = 0;
    frameDown = 0;
    shipScale = 1.0f;
    cometStep = 0;
    fleetX = kFleetStart.x;
    fleetY = kFleetStart.y;
    for (int i = 0; i < kShips; ++i) shipX[i] = kShipRows[i].startX;
    for (int i = 0; i < kObjects; ++i) {
        objX[i] = kObjectRows[i].start.x;
        objY[i] = kObjectRows[i].start.y;
    }
}

void StoryCutscene::Move1(uint8_t step) {
    if (objY[0] <= 0) return;
    objY[0] -= step;
    if (objY[0] < 0) objY[0] = 0;
}

void StoryCutscene::Move2(uint8_t s30, uint8_t s70, uint8_t s120, uint8_t s177, uint8_t s250) {
    const uint8_t steps[kSpeedCount] = {s30, s70, s120, s177, s250};
    fleetX += steps[kS70];
    if (fleetX > kFleetStopX) fleetX = kFleetStopX;
    MoveShips(steps);
    MoveComets(steps);
    MoveAsteroids(steps);
}

void StoryCutscene::MoveShips(const uint8_t* stepBySpeed) {
    for (int i = 0; i < kShips; ++i) shipX[i] -= stepBySpeed[kShipRows[i].speed];
    // The lead ship comes round again from far behind, half as wide.
    if (shipX[0] < kShipRows[0].shownAbove) {
        shipX[0] = kLeadShipReturnX;
        shipScale = kLeadShipReturnScale;
    }
}

void StoryCutscene::MoveComets(const uint8_t* stepBySpeed) {
    for (int i = kFirstComet; i < kObjects; ++i) {
        const uint8_t step = stepBySpeed[kCometSpeeds[i - kFirstComet]];
        objX[i] -= step;
        objY[i] += step;
    }
    constexpr int kReturning = kFirstComet + 1;
    if (objX[kReturning] < kCometReentryBelowX && cometStep < kCometReentries) {
        objX[kReturning] = kCometReturnPoints[cometStep].x;
        objY[kReturning] = kCometReturnPoints[cometStep].y;
        ++cometStep;
    }
}

void StoryCutscene::MoveAsteroids(const uint8_t* stepBySpeed) {
    for (int i = 0; i < kAsteroids; ++i) {
        const AsteroidRow& row = kAsteroidRows[i];
        // Later asteroids wait for an earlier one (already moved this frame)
        // to pass a line.
        if (row.watch >= 0 && objX[row.watch] >= row.belowX) continue;
        objX[i] -= stepBySpeed[row.speedX];
        objY[i] += stepBySpeed[row.speedY];
        if (row.wraps && objX[i] < kAsteroidWrapBelowX) {
            objX[i] = row.wrapTo.x;
            objY[i] = row.wrapTo.y;
        }
    }
}

void StoryCutscene::Animate1() {
    const uint32_t now = NowMs();
    if (tickState == 1) {
        tickStartMs = now;
        tickState = 2;
    } else if (tickState == 2 && now - tickStartMs > kFrameTickMs) {
        frameUp = static_cast<uint8_t>((frameUp + 1) % kAsteroidFrames);
        frameDown = static_cast<uint8_t>((frameDown + kAsteroidFrames - 1) % kAsteroidFrames);
        tickState = 1;
    }
}

void StoryCutscene::CheckSkip(InputDevice* keyboard, InputDevice* mouse) {
    if (keyboard) {
        for (uint8_t code : {key::kReturn, key::kEscape, key::kBack}) {
            if (!keyboard->KeyPressed(code)) continue;
            keyboard->SetLatch(code, 1);
            skipRequested = 1;
        }
    }
    if (mouse && (mouse->ButtonPressed(0) || mouse->ButtonPressed(1))) {
        mouse->SetLatch(0, 1);
        mouse->SetLatch(1, 1);
        skipRequested = 1;
    }
}

uint8_t StoryCutscene::CueMusic(uint8_t musicCue) {
    if (stage != kEnding || musicCue != kCueEndingDue) return musicCue;
    musicRequest = 1;
    return kCueEndingPlaying;
}

void StoryCutscene::CheckTime(uint32_t secondsInScene) {
    if (stage == kEnding && secondsInScene > kEndingLastSecond) finished = 1;
}

bool StoryCutscene::ShipShown(int ship, int32_t x) {
    return ship >= 0 && ship < kShips && x > kShipRows[ship].shownAbove;
}

bool StoryCutscene::ObjectShown(int32_t x) { return x > kObjectShownAboveX && x < kObjectShownBelowX; }

bool StoryCutscene::WordPictureShown(uint32_t secondsInScene) {
    return secondsInScene > 0 && secondsInScene < kWordUntilSecond;
}
