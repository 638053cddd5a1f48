#include "platform/input_pointer_watch.h"

#include <SDL.h>
#include <SDL_syswm.h>

#include <cmath>

#if defined(SDL_VIDEO_DRIVER_X11)
#include <X11/extensions/XInput2.h>
#endif

#include "platform/raw_input_state.h"

namespace {

// The window system's pointer position carried by the event, in window
// pixels; false when the event is not a pointer move. With XInput 2 the
// window gets XI_Motion instead of MotionNotify; its data lives only while
// SDL sends the event.
bool WindowPointerMove(const SDL_Event& event, int* x, int* y, bool* core) {
#if defined(SDL_VIDEO_DRIVER_X11)
    const SDL_SysWMmsg* msg = event.syswm.msg;
    if (event.type != SDL_SYSWMEVENT || !msg || msg->subsystem != SDL_SYSWM_X11) return false;
    const XEvent& xevent = msg->msg.x11.event;
    *core = xevent.type == MotionNotify;
    if (xevent.type == MotionNotify) {
        *x = xevent.xmotion.x;
        *y = xevent.xmotion.y;
        return true;
    }
    // The window selects no other extension's generic events.
    if (xevent.type == GenericEvent && xevent.xcookie.evtype == XI_Motion && xevent.xcookie.data) {
        const auto* motion = static_cast<const XIDeviceEvent*>(xevent.xcookie.data);
        *x = static_cast<int>(std::floor(motion->event_x));
        *y = static_cast<int>(std::floor(motion->event_y));
        return true;
    }
    return false;
#else
    (void)event;
    (void)x;
    (void)y;
    (void)core;
    return false;
#endif
}

int TakeWhole(float& rest) {
    const int whole = static_cast<int>(rest);
    rest -= static_cast<float>(whole);
    return whole;
}

}  // namespace

void InputPointerWatch::Start(SDL_Window* window, RawInputState* raw) {
    Stop();
    // A warping relative mode reports warps as pointer moves with no motion.
    if (!raw || SDL_GetHintBoolean(SDL_HINT_MOUSE_RELATIVE_MODE_WARP, SDL_FALSE)) return;
    window_ = window;
    raw_ = raw;
    oldWindowEvents_ = SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
    SDL_AddEventWatch(&InputPointerWatch::Watch, this);
    active_ = true;
}

void InputPointerWatch::Stop() {
    if (active_) {
        SDL_DelEventWatch(&InputPointerWatch::Watch, this);
        SDL_EventState(SDL_SYSWMEVENT, oldWindowEvents_);
    }
    active_ = false;
    window_ = nullptr;
    raw_ = nullptr;
    havePointer_ = false;
    relativeSeen_ = false;
    pending_ = false;
    coreJustMoved_ = false;
    followsPointer_ = false;
    restX_ = restY_ = 0;
}

int InputPointerWatch::Watch(void* self, SDL_Event* event) {
    static_cast<InputPointerWatch*>(self)->Observe(*event);
    return 0;
}

void InputPointerWatch::Observe(const SDL_Event& event) {
    if (followsPointer_) return;
    int x = 0;
    int y = 0;
    bool core = false;
    if (WindowPointerMove(event, &x, &y, &core)) {
        PointerMoved(x, y);
        coreJustMoved_ = core;
        return;
    }
    const bool afterCoreMove = coreJustMoved_;
    coreJustMoved_ = false;
    if (event.type == SDL_MOUSEMOTION) {
        if (afterCoreMove && pending_) {
            // The motion was made from this very pointer move: the mouse is
            // not in raw relative mode (warped or plain) and sees every move.
            // (XI_Motion comes only with raw motion, which SDL then uses.)
            followsPointer_ = true;
            pending_ = false;
        } else {
            relativeSeen_ = true;  // raw motion comes before the move it causes
        }
        return;
    }
    if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
        // The pointer may come back anywhere.
        pending_ = false;
        havePointer_ = false;
        return;
    }
    ApplyPending();
}

void InputPointerWatch::Settle() {
    if (active_) ApplyPending();
}

void InputPointerWatch::PointerMoved(int windowX, int windowY) {
    ApplyPending();
    float x = static_cast<float>(windowX);
    float y = static_cast<float>(windowY);
    if (SDL_Renderer* renderer = window_ ? SDL_GetRenderer(window_) : nullptr) {
        SDL_RenderWindowToLogical(renderer, windowX, windowY, &x, &y);
    }
    pending_ = havePointer_ && !relativeSeen_;
    pendingX_ = x;
    pendingY_ = y;
    if (!pending_) {
        lastX_ = x;
        lastY_ = y;
    }
    havePointer_ = true;
    relativeSeen_ = false;
}

void InputPointerWatch::ApplyPending() {
    if (!pending_) return;
    pending_ = false;
    restX_ += pendingX_ - lastX_;
    restY_ += pendingY_ - lastY_;
    lastX_ = pendingX_;
    lastY_ = pendingY_;
    const int dx = TakeWhole(restX_);
    const int dy = TakeWhole(restY_);
    if (dx != 0 || dy != 0) {
        raw_->MoveMouse(dx, dy, static_cast<int32_t>(pendingX_), static_cast<int32_t>(pendingY_));
    }
}
