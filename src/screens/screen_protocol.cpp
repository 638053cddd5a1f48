#include "screens/screen_protocol.h"

#include "platform/clock.h"
#include "platform/input_device.h"

namespace {

constexpr int kLeftButton = 0;
constexpr int kRightButton = 1;

constexpr uint8_t kFlashRise = 20;
constexpr uint8_t kFlashPeak = 170;
constexpr uint8_t kFlashFall = 30;
constexpr uint8_t kFlashEnd = 40;
constexpr float kFullTurn = 6.28f;

}  // namespace

bool ScreenTick::Tick(uint32_t lengthMs) {
    const uint32_t now = NowMs();
    if (state == 1) {
        start = now;
        state = 2;
        return false;
    }
    if (now - start <= lengthMs) return false;
    state = 1;
    return true;
}

void AdvanceMessageTimer(uint8_t& timer, uint8_t lastTick) {
    if (timer == 0) return;
    ++timer;
    if (timer > lastTick) timer = 0;
}

void StepFlash(uint8_t& fade, uint8_t& falling) {
    if (fade == 0) return;
    fade = static_cast<uint8_t>(fade + kFlashRise);
    if (fade > kFlashPeak) falling = 1;
    if (!falling) return;
    fade = static_cast<uint8_t>(fade - kFlashFall);
    if (fade < kFlashEnd) {
        fade = 0;
        falling = 0;
    }
}

float StepSpin(float angle, float step) {
    angle += step;
    return angle > kFullTurn ? 0.0f : angle;
}

void QuietHover(uint8_t& hoverSound, uint8_t& clickSound) {
    hoverSound = 0;
    if (clickSound == kClickRequested) clickSound = kClickPlayNow;
}

bool ReadClickButtons(InputDevice* mouse, uint8_t& leftDown, uint8_t& rightDown) {
    if (mouse == nullptr) return false;
    const bool left = mouse->ButtonPressed(kLeftButton) != 0;
    const bool right = mouse->ButtonPressed(kRightButton) != 0;
    if (!left && !right) return false;
    rightDown = right ? 1 : 0;
    leftDown = right ? 0 : 1;
    return true;
}

bool MouseButtonsUp(InputDevice* mouse) {
    return mouse == nullptr || (!mouse->ButtonPressed(kLeftButton) && !mouse->ButtonPressed(kRightButton));
}

uint8_t PageAfter(uint8_t page, int step) {
    const int next = static_cast<int>(page) + step;
    if (next < 0) return 0;
    if (next > kLastPage) return kLastPage;
    return static_cast<uint8_t>(next);
}

InterfaceSounds TakeInterfaceSounds(uint8_t& clickSound, uint8_t guard, uint8_t& boxSound, uint8_t hoverSound,
                                    uint8_t& lastHoverSound) {
    InterfaceSounds sounds;
    if (clickSound == kClickRequested && guard == 0) clickSound = kClickPlayNow;
    if (clickSound == kClickPlayNow) {
        clickSound = 0;
        sounds.stamp = true;
    }
    if (boxSound) {
        boxSound = 0;
        sounds.box = true;
    }
    if (hoverSound != 0 && hoverSound != lastHoverSound) {
        lastHoverSound = hoverSound;
        sounds.hover = true;
    }
    if (hoverSound == 0) lastHoverSound = 0;
    return sounds;
}
