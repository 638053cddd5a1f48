#pragma once
#include <cstdint>

struct SDL_Window;
union SDL_Event;
struct RawInputState;

// A relative mouse reports the movement of the mouse itself, and some
// pointers never give one: remote desktops and shared-mouse tools place the
// pointer at absolute positions. While the mouse is relative this watches the
// window system's own pointer moves; a move that no relative motion came with
// is turned into movement from the change of position, in back-buffer pixels.
// Events are seen as SDL makes them, in order, while their X data is alive.
class InputPointerWatch {
public:
    InputPointerWatch() = default;
    ~InputPointerWatch() { Stop(); }
    InputPointerWatch(const InputPointerWatch&) = delete;
    InputPointerWatch& operator=(const InputPointerWatch&) = delete;

    void Start(SDL_Window* window, RawInputState* raw);
    void Stop();
    bool Active() const { return active_; }

    // Applies a pointer move still waiting to know whether relative motion
    // follows; called before the mouse is read.
    void Settle();

private:
    static int Watch(void* self, SDL_Event* event);
    void Observe(const SDL_Event& event);
    void PointerMoved(int windowX, int windowY);
    void ApplyPending();

    SDL_Window* window_ = nullptr;
    RawInputState* raw_ = nullptr;
    bool active_ = false;
    uint8_t oldWindowEvents_ = 0;
    bool havePointer_ = false;
    bool relativeSeen_ = false;    // since the last pointer move
    bool pending_ = false;         // a move no relative motion came before
    bool coreJustMoved_ = false;   // the last event was a core pointer move
    bool followsPointer_ = false;  // the mouse's motion is made from the pointer: nothing to add
    float lastX_ = 0, lastY_ = 0;
    float pendingX_ = 0, pendingY_ = 0;
    float restX_ = 0, restY_ = 0;  // fractions of a pixel carried to the next move
};
