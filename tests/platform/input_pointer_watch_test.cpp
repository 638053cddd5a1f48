#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_syswm.h>

#if defined(SDL_VIDEO_DRIVER_X11)
#include <X11/extensions/XInput2.h>
#endif

#include "platform/input_device.h"
#include "platform/input_system.h"

namespace {

// A 600x450 window showing an 800x600 back buffer: a window pixel is 4/3 of
// a back-buffer pixel.
class PointerWatchTest : public ::testing::Test {
protected:
    void SetUp() override {
#if !defined(SDL_VIDEO_DRIVER_X11)
        GTEST_SKIP() << "pointer moves are read from X11 events";
#endif
        // As the graphics device does: the window's own pixels, not a GL
        // texture behind them (whose driver leaks at exit).
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
        window = SDL_CreateWindow("pointer", 0, 0, 600, 450, SDL_WINDOW_SHOWN);
        ASSERT_NE(window, nullptr) << SDL_GetError();
        renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
        ASSERT_NE(renderer, nullptr) << SDL_GetError();
        ASSERT_EQ(SDL_RenderSetLogicalSize(renderer, 800, 600), 0);
        ASSERT_EQ(system.Create(window, nullptr), 1);
        ASSERT_EQ(mouse.Create(&system, InputDevice::kMouse, 0), 1);
        Pump();  // whatever the window's creation queued
        mouse.Poll();
        mouse.ClearState();
    }

    void TearDown() override {
        mouse.Release();
        system.Release();
        if (renderer) SDL_DestroyRenderer(renderer);
        if (window) SDL_DestroyWindow(window);
        if (window) SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }

    // The X server's report of the pointer at window pixel (x, y): with
    // XInput 2.2 an XI_Motion, whose data lives only while it is sent.
    void PushPointer(int x, int y) {
#if defined(SDL_VIDEO_DRIVER_X11)
        XIDeviceEvent motion{};
        motion.evtype = XI_Motion;
        motion.event_x = x + 0.25;
        motion.event_y = y + 0.5;
        SDL_SysWMmsg msg{};
        msg.subsystem = SDL_SYSWM_X11;
        msg.msg.x11.event.xcookie.type = GenericEvent;
        msg.msg.x11.event.xcookie.evtype = XI_Motion;
        msg.msg.x11.event.xcookie.data = &motion;
        PushX(msg);
#else
        (void)x;
        (void)y;
#endif
    }

#if defined(SDL_VIDEO_DRIVER_X11)
    // The same from a server without XInput 2.
    void PushCoreMotion(int x, int y) {
        SDL_SysWMmsg msg{};
        msg.subsystem = SDL_SYSWM_X11;
        msg.msg.x11.event.type = MotionNotify;
        msg.msg.x11.event.xmotion.x = x;
        msg.msg.x11.event.xmotion.y = y;
        PushX(msg);
    }

    // Any other X event, such as the raw motion SDL made a motion of.
    void PushXEvent(int type) {
        SDL_SysWMmsg msg{};
        msg.subsystem = SDL_SYSWM_X11;
        msg.msg.x11.event.type = type;
        PushX(msg);
    }

    void PushX(SDL_SysWMmsg& msg) {
        SDL_Event event{};
        event.type = SDL_SYSWMEVENT;
        event.syswm.msg = &msg;
        SDL_PushEvent(&event);
    }
#endif

    void PushRelative(int dx, int dy) {
        SDL_Event event{};
        event.type = SDL_MOUSEMOTION;
        event.motion.xrel = dx;
        event.motion.yrel = dy;
        SDL_PushEvent(&event);
    }

    void PushFocus(Uint8 what) {
        SDL_Event event{};
        event.type = SDL_WINDOWEVENT;
        event.window.event = what;
        SDL_PushEvent(&event);
    }

    // As the event loop does: every event to the input system.
    void Pump() {
        SDL_Event event;
        while (SDL_PollEvent(&event)) system.HandleEvent(event);
    }

    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    InputSystem system;
    InputDevice mouse;
};

TEST_F(PointerWatchTest, PointerMovesWithoutRelativeMotionMoveTheMouse) {
    PushPointer(100, 200);
    Pump();
    ASSERT_EQ(mouse.Poll(), 1);
    EXPECT_EQ(mouse.DeltaX(), 0);  // the first report only places the pointer
    PushPointer(103, 197);
    Pump();
    mouse.Poll();
    EXPECT_EQ(mouse.DeltaX(), 4);  // in back-buffer pixels
    EXPECT_EQ(mouse.DeltaY(), -4);
    // Single window pixels keep their fractions: three of them make four.
    for (int x = 104; x <= 106; ++x) {
        PushPointer(x, 197);
        Pump();
        mouse.Poll();
    }
    EXPECT_EQ(mouse.x, 8);
    EXPECT_EQ(mouse.y, -4);
}

TEST_F(PointerWatchTest, MovesThatBroughtRelativeMotionAreNotCountedTwice) {
    PushPointer(300, 200);
    Pump();
    mouse.Poll();
    // Raw motion (the motion made of it, then its own X event) arrives
    // before the pointer move it caused.
    PushRelative(5, 1);
    PushXEvent(GenericEvent);
    PushPointer(306, 201);
    Pump();
    mouse.Poll();
    EXPECT_EQ(mouse.DeltaX(), 5);
    EXPECT_EQ(mouse.DeltaY(), 1);
    // A move without raw motion still counts, from where the last one ended.
    PushPointer(309, 201);
    PushRelative(2, 0);
    PushXEvent(GenericEvent);
    PushPointer(310, 201);
    Pump();
    mouse.Poll();
    EXPECT_EQ(mouse.DeltaX(), 6);
    EXPECT_EQ(mouse.x, 11);
}

TEST_F(PointerWatchTest, MotionMadeFromThePointerItselfStopsTheWatch) {
#if defined(SDL_VIDEO_DRIVER_X11)
    PushCoreMotion(290, 220);
    Pump();
    mouse.Poll();
    // Without XInput 2 relative mode warps: SDL makes its motion from the
    // move just reported, then warps the pointer back to the middle.
    PushCoreMotion(315, 225);
    PushRelative(20, 0);
    PushCoreMotion(300, 225);
    PushCoreMotion(303, 225);
    PushRelative(4, 0);
    PushCoreMotion(300, 225);
    Pump();
    mouse.Poll();
    EXPECT_EQ(mouse.DeltaX(), 24);
    EXPECT_EQ(mouse.DeltaY(), 0);
    PushCoreMotion(330, 240);
    Pump();
    mouse.Poll();
    EXPECT_EQ(mouse.DeltaX(), 0);
    EXPECT_EQ(mouse.x, 24);
#endif
}

TEST_F(PointerWatchTest, FocusLossForgetsThePointerAndReleaseStopsTheWatch) {
    PushPointer(100, 100);
    PushFocus(SDL_WINDOWEVENT_FOCUS_LOST);
    PushFocus(SDL_WINDOWEVENT_FOCUS_GAINED);
    Pump();
    ASSERT_EQ(mouse.Poll(), 1);
    // Back elsewhere, after the focus change was handled: no jump.
    PushPointer(400, 300);
    Pump();
    ASSERT_EQ(mouse.Poll(), 1);
    EXPECT_EQ(mouse.DeltaX(), 0);
    EXPECT_EQ(mouse.DeltaY(), 0);
    PushPointer(403, 300);
    Pump();
    mouse.Poll();
    EXPECT_EQ(mouse.DeltaX(), 4);
    mouse.Release();
    EXPECT_EQ(SDL_EventState(SDL_SYSWMEVENT, SDL_QUERY), SDL_DISABLE);
    // Moves, each ending the one before, as the server would send them.
    PushPointer(430, 300);
    PushPointer(460, 300);
    PushFocus(SDL_WINDOWEVENT_FOCUS_GAINED);
    Pump();
    EXPECT_EQ(system.Raw().mouseDx, 0);
}

}  // namespace
