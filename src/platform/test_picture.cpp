#include "platform/test_picture.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>

#include "platform/app_framework.h"
#include "platform/clock.h"
#include "platform/font.h"
#include "platform/graphics_device.h"
#include "platform/image_codec.h"
#include "platform/sprite_sheet.h"

namespace {

constexpr float kHeadingToRotation = -0.098125f;
constexpr uint32_t kBlackKey = 0xFF000000;

// A 64 x 64 ship outline pointing up on a black (keyed) background.
Image MakeArrow() {
    Image img;
    img.Resize(64, 64);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            int half = y / 3;  // widening from the nose at the top
            bool body = y >= 4 && y < 60 && x >= 32 - half && x < 32 + half;
            bool tail = y >= 52 && y < 60;
            img.At(x, y) = body ? (tail ? 0xFFE04020u : 0xFFE0E0F0u) : 0xFF000000u;
        }
    return img;
}

// Four 32 x 32 frames in a row, each a different colour with a white corner.
Image MakeFrames() {
    static constexpr uint32_t kColours[] = {0xFFD03030, 0xFF30B030, 0xFF3050D0, 0xFFD0B020};
    Image img;
    img.Resize(128, 32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 128; ++x) img.At(x, y) = (x % 32 < 8 && y < 8) ? 0xFFFFFFFF : kColours[x / 32];
    return img;
}

class TestPictureApp : public AppFramework {
public:
    TestPictureApp() {
        std::snprintf(caption, sizeof caption, "%s", "Test picture");
        style = kStylePopup;
        x = SDL_WINDOWPOS_CENTERED;
        y = SDL_WINDOWPOS_CENTERED;
        width = 800;
        height = 600;
    }

    int MsgProc(const SDL_Event& event) override {
        if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_ESCAPE) PostQuit();
        return 0;
    }

    int Init() override {
        if (!graphics_.CreateDirect3D() || !graphics_.Create(window, 1, 0, 800, 600, 0)) {
            std::fprintf(stderr, "game: cannot create the graphics device\n");
            return 0;
        }
        if (!font_.Create(&graphics_, "Arial", 14, 1, 0, 0, 0)) return 0;
        sheet_.Init(&graphics_, 2);
        sheet_.SetAlphaTest(1);
        sheet_.LoadImagePixels(0, MakeArrow(), 64, 64, kBlackKey, kFormatA1R5G5B5);
        sheet_.LoadImagePixels(1, MakeFrames(), 32, 32, 0, kFormatA1R5G5B5);
        ready_ = true;
        return 1;
    }

    bool Ready() const { return ready_; }

    int Cleanup() override {
        font_.Release();
        sheet_.Release();
        graphics_.Release();
        return 1;
    }

    int Frame() override {
        const uint32_t now = NowMs();
        graphics_.Clear(0xFF102030, 1.0f);
        graphics_.BeginScene();
        for (int heading = 0; heading < 64; heading += 8) {
            float px = 60.0f + (heading / 8) * 90.0f;
            sheet_.Draw(0, 0, px, 60, 0xFFFFFFFF, 1, 1, 32, heading * kHeadingToRotation);
            char label[16];
            std::snprintf(label, sizeof label, "%d", heading);
            font_.DrawText(label, static_cast<int>(px), 130, 64, 20, 0xFFFFFFFF, DT_CENTER);
        }
        static constexpr uint32_t kTints[] = {0xFFFFFFFF, 0xFFFF0000, 0x80FFFFFF, 0xFF00FF00};
        for (int i = 0; i < 4; ++i) sheet_.Draw(1, i, 60.0f + i * 90.0f, 200, kTints[i], 2, 2, 0, 0);
        sheet_.Draw(0, 0, 450, 200, 0xFFFFFFFF, 1.5f, 0.75f, 32, (now % 6283) / 1000.0f);
        font_.DrawText("Frames 0-3: plain, red tint, half alpha, green tint", 60, 290, 0, 0, 0xFFFFFF80, 0);
        font_.DrawText("The top row turns through the headings 0, 8 ... 56; 16 points right.", 60, 320, 680, 60,
                       0xFFC0C0C0, DT_WORDBREAK);
        font_.DrawText("Esc or closing the window quits.", 0, 540, 800, 40, 0xFFFFFFFF,
                       DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        graphics_.EndScene();
        // GAME_SCREENSHOT=file.png: save the first frame and quit (for looking at it headless).
        const char* shot = std::getenv("GAME_SCREENSHOT");
        if (shot && *shot) {
            graphics_.SaveScreenshot(shot);
            return 0;
        }
        graphics_.Present();
        return ready_ ? 1 : 0;
    }

private:
    GraphicsDevice graphics_;
    SpriteSheet sheet_;
    Font font_;
    bool ready_ = false;
};

}  // namespace

int RunTestPicture() {
    TestPictureApp app;
    // No display, no renderer or no font: the reason is already on stderr.
    return app.Run() && app.Ready() ? 0 : 1;
}
