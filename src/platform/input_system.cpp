#include "platform/input_system.h"

#include <SDL.h>

#include "platform/key_codes.h"

namespace {

// Wheel movement per notch, as the game's mouse state reports it.
constexpr int32_t kWheelNotch = 120;

int ButtonIndex(uint8_t sdlButton) {
    switch (sdlButton) {
        case SDL_BUTTON_LEFT: return 0;
        case SDL_BUTTON_RIGHT: return 1;
        case SDL_BUTTON_MIDDLE: return 2;
        case SDL_BUTTON_X1: return 3;
        default: return -1;
    }
}

}  // namespace

int InputSystem::Create(SDL_Window* newWindow, void* /*instance*/) {
    Release();
    window = newWindow;
    if (!SDL_WasInit(SDL_INIT_EVENTS)) {
        if (SDL_InitSubSystem(SDL_INIT_EVENTS) != 0) {
            window = nullptr;
            return 0;
        }
        startedEvents_ = true;
    }
    created_ = true;
    return 1;
}

int InputSystem::Release() {
    if (startedEvents_) {
        SDL_QuitSubSystem(SDL_INIT_EVENTS);
        startedEvents_ = false;
    }
    pointerWatch_.Stop();
    created_ = false;
    window = nullptr;
    return 1;
}

void InputSystem::WatchPointer(bool on) {
    if (on) {
        pointerWatch_.Start(window, &raw_);
    } else {
        pointerWatch_.Stop();
    }
}

void InputSystem::HandleEvent(const SDL_Event& event) {
    switch (event.type) {
        case SDL_KEYDOWN:
            if (!event.key.repeat) {
                if (uint8_t code = KeyCodeFromScancode(event.key.keysym.scancode)) raw_.PressKey(code);
            }
            break;
        case SDL_KEYUP:
            if (uint8_t code = KeyCodeFromScancode(event.key.keysym.scancode)) raw_.ReleaseKey(code);
            break;
        case SDL_MOUSEMOTION:
            raw_.MoveMouse(event.motion.xrel, event.motion.yrel, event.motion.x, event.motion.y);
            break;
        case SDL_MOUSEBUTTONDOWN:
            raw_.PressButton(ButtonIndex(event.button.button));
            break;
        case SDL_MOUSEBUTTONUP:
            raw_.ReleaseButton(ButtonIndex(event.button.button));
            break;
        case SDL_MOUSEWHEEL:
            raw_.TurnWheel((event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.wheel.y : event.wheel.y) *
                           kWheelNotch);
            break;
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) raw_.LoseFocus();
            if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) raw_.GainFocus();
            break;
        default:
            break;
    }
}
