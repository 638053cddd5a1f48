#pragma once
#include <cstdint>

struct SDL_Window;
union SDL_Event;

// Window styles the game passes; only the pop-up bit changes anything here
// (a pop-up window has no border or caption).
constexpr uint32_t kStylePopup = 0x80000000u;
constexpr uint32_t kStyleOverlappedWindow = 0x00CF0000u;

// Base of the one application object: owns the window and the event loop,
// and calls Frame whenever no event is waiting.
class AppFramework {
public:
    AppFramework();
    virtual ~AppFramework();
    AppFramework(const AppFramework&) = delete;
    AppFramework& operator=(const AppFramework&) = delete;

    // Sees each event the loop takes; the quit event ends the loop after it.
    virtual int MsgProc(const SDL_Event& event);
    // Called once video is up, just before the window is made. An
    // application whose Init gives the window another size or place sets x,
    // y, width and height here, so that the window opens there: every later
    // change waits on the window manager.
    virtual void PlaceWindow() {}
    virtual int Init() { return 1; }
    virtual int Cleanup() { return 1; }
    virtual int Frame() { return 1; }

    // The whole life of the window: 1 after a normal end, 0 when video or the
    // window cannot be made (then neither Init nor Cleanup runs). The window
    // is destroyed after Cleanup, so Cleanup must release the graphics device.
    int Run();
    // Run's steps, for a driver that steps the loop itself: the window (1/0),
    // one pass of the loop (0 once it must end), and closing the window.
    int OpenWindow();
    int Pump();
    void CloseWindow();
    // Sizes the client area; a size the window already has is left alone.
    int ResizeClient(int clientWidth, int clientHeight);
    // Centres a window of the given outer size on the desktop: stores the
    // position in x and y and moves the window there. 0 when the desktop's
    // size cannot be read (nothing changes then). A window already there
    // is not moved.
    int CentreWindow(int outerWidth, int outerHeight);
    SDL_Window* Window() const { return window; }

    // The quit message: the loop ends once it is taken.
    static void PostQuit();

    char className[260];
    char caption[260];
    uint32_t style = kStyleOverlappedWindow;
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 256;
    int32_t height = 256;
    SDL_Window* window = nullptr;
};

// The one application object; the constructor sets it.
extern AppFramework* theApp;

// Gives the window this client size unless it has it already (SDL's X11
// side waits for a change that never comes on a size the window has).
void SizeWindowClient(SDL_Window* window, int clientWidth, int clientHeight);

// Shows (non-zero) or hides the system mouse cursor; returns 1.
int ShowMouseCursor(int show);
