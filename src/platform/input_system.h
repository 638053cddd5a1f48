#pragma once
#include <cstdint>

#include "platform/input_pointer_watch.h"
#include "platform/raw_input_state.h"

struct SDL_Window;
union SDL_Event;

// The input service the devices are made from. The application's event loop
// hands every SDL event to HandleEvent, which keeps the raw snapshot that the
// devices read when they are polled.
class InputSystem {
public:
    InputSystem() = default;
    ~InputSystem() { Release(); }
    InputSystem(const InputSystem&) = delete;
    InputSystem& operator=(const InputSystem&) = delete;

    // The window may be null (tests): the mouse then stays in plain mode.
    int Create(SDL_Window* window, void* instance);
    int Release();
    int IsCreated() const { return created_ ? 1 : 0; }

    // Called by the event loop for each event it takes.
    void HandleEvent(const SDL_Event& event);
    RawInputState& Raw() { return raw_; }

    // While the mouse is relative, pointer moves that bring no relative
    // motion still move it (see InputPointerWatch).
    void WatchPointer(bool on);
    // Called before the mouse is read.
    void SettlePointer() { pointerWatch_.Settle(); }

    SDL_Window* window = nullptr;

private:
    bool created_ = false;
    bool startedEvents_ = false;  // the events subsystem was started here
    RawInputState raw_;
    InputPointerWatch pointerWatch_;
};
