#include "screen_test_support.h"

TestMouse::TestMouse() {
    system_.Create(nullptr, nullptr);
    device_.Create(&system_, InputDevice::kMouse, 1);
}

void ScreenDrawTest::SetUp() {
    Clock::Install(&clock_);
    HeadlessCanvas::SetUp();
}

void ScreenDrawTest::TearDown() {
    HeadlessCanvas::TearDown();
    Clock::Install(nullptr);
}

void ScreenDrawTest::Begin() {
    graphics_.Clear(0xFF000000, 1.0f);
    graphics_.BeginScene();
}

Image ScreenDrawTest::Finish(const std::string& name) {
    graphics_.EndScene();
    return ReadBack(name);
}

long DifferentPixelsIn(const Image& a, const Image& b, int x, int y, int width, int height) {
    if (a.width != b.width || a.height != b.height) return -1;
    long count = 0;
    for (int py = y; py < y + height && py < a.height; ++py) {
        for (int px = x; px < x + width && px < a.width; ++px) count += a.At(px, py) != b.At(px, py);
    }
    return count;
}
