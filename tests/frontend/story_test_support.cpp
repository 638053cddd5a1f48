#include "story_test_support.h"

#include <cstdlib>

namespace story_test {

namespace {

int Distance(uint32_t a, uint32_t b) {
    int sum = 0;
    for (int shift = 0; shift < 24; shift += 8) sum += std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF));
    return sum;
}

int CountFar(const Image& a, const Image* b, int x, int y, int width, int height) {
    int count = 0;
    for (int py = y; py < y + height; ++py)
        for (int px = x; px < x + width; ++px) count += Distance(a.At(px, py), b ? b->At(px, py) : 0) > 24;
    return count;
}

}  // namespace

Player::Player() {
    system_.Create(nullptr, nullptr);
    keyboard.Create(&system_, InputDevice::kKeyboard, 0);
    mouse.Create(&system_, InputDevice::kMouse, 0);
}

void Canvas::SetUp() {
    HeadlessCanvas::SetUp();
    if (!HasFatalFailure()) Clear();
}

int LitPixels(const Image& image, int x, int y, int width, int height) {
    return CountFar(image, nullptr, x, y, width, height);
}

int ChangedPixels(const Image& a, const Image& b, int x, int y, int width, int height) {
    return CountFar(a, &b, x, y, width, height);
}

}  // namespace story_test
