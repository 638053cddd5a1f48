// Starts the game (or any program that honours GAME_PICTURE_FD) a few times
// on the X display in DISPLAY and reports, for each start and as medians:
// the time from the start to the first picture and, with --menu, the peak
// memory once the game has gone full screen from its title into the main
// menu (it is sent the Return key until its window covers the screen).
//
//   start-timer [--runs N] [--menu FRAMES] -- PROGRAM [ARGUMENTS...]
//
// Run it in the game directory; the environment (SDL_RENDER_DRIVER...) is
// passed on to the program.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int kPictureWaitMs = 30000;
// Pictures between two looks at the window (and two presses of Return).
constexpr int kPicturesPerLook = 20;

struct Options {
    int runs = 5;
    int menuFrames = 0;  // 0: stop at the first picture
    std::vector<char*> program;
};

struct Outcome {
    double firstPictureMs = 0;
    long peakKb = 0;
};

double NowMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_nsec) / 1e6;
}

std::optional<Options> ParseOptions(int argc, char** argv) {
    Options options;
    int i = 1;
    for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc) {
            options.runs = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--menu") == 0 && i + 1 < argc) {
            options.menuFrames = std::atoi(argv[++i]);
        } else {
            return std::nullopt;
        }
    }
    for (++i; i < argc; ++i) options.program.push_back(argv[i]);
    if (options.program.empty() || options.runs < 1) return std::nullopt;
    options.program.push_back(nullptr);
    return options;
}

// The pictures the program reports, one byte each.
class PictureFeed {
public:
    explicit PictureFeed(int fd) : fd_(fd) {}
    // Waits for at least one more picture; the count taken, 0 on time-out or end.
    int Take(int timeoutMs) {
        pollfd p{fd_, POLLIN, 0};
        if (poll(&p, 1, timeoutMs) <= 0) return 0;
        char buffer[256];
        const ssize_t got = read(fd_, buffer, sizeof buffer);
        return got > 0 ? static_cast<int>(got) : 0;
    }

private:
    int fd_;
};

long PeakKb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::atol(line.c_str() + 6);
    return 0;
}

// The top-level window whose _NET_WM_PID is the program's.
Window FindWindowOf(Display* display, Window under, pid_t pid) {
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", True);
    if (pidAtom != None) {
        Atom type = None;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(display, under, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after,
                               &data) == Success &&
            data) {
            const bool match = format == 32 && count == 1 && *reinterpret_cast<unsigned long*>(data) ==
                                                                 static_cast<unsigned long>(pid);
            XFree(data);
            if (match) return under;
        }
    }
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    Window found = 0;
    if (XQueryTree(display, under, &root, &parent, &children, &count)) {
        for (unsigned int k = 0; k < count && !found; ++k) found = FindWindowOf(display, children[k], pid);
        if (children) XFree(children);
    }
    return found;
}

bool CoversScreen(Display* display, Window window) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes)) return false;
    const int screen = DefaultScreen(display);
    return attributes.width == DisplayWidth(display, screen) && attributes.height == DisplayHeight(display, screen);
}

void PressReturn(Display* display, Window window) {
    XKeyEvent key{};
    key.display = display;
    key.window = window;
    key.root = DefaultRootWindow(display);
    key.time = CurrentTime;
    key.same_screen = True;
    key.keycode = XKeysymToKeycode(display, XK_Return);
    for (int type : {KeyPress, KeyRelease}) {
        key.type = type;
        XSendEvent(display, window, True, type == KeyPress ? KeyPressMask : KeyReleaseMask,
                   reinterpret_cast<XEvent*>(&key));
    }
    XFlush(display);
}

// From the title into the main menu, then `frames` pictures there.
bool ReachMenu(PictureFeed& feed, pid_t pid, int frames) {
    Display* display = XOpenDisplay(nullptr);
    if (!display) return false;
    Window window = 0;
    bool inMenu = false;
    int left = frames;
    while (left > 0) {
        int taken = 0;
        while (taken < kPicturesPerLook && left > 0) {
            const int got = feed.Take(kPictureWaitMs);
            if (got == 0) break;
            taken += got;
            if (inMenu) left -= got;
        }
        if (taken == 0) break;
        if (!window) window = FindWindowOf(display, DefaultRootWindow(display), pid);
        if (!window || inMenu) continue;
        inMenu = CoversScreen(display, window);
        if (!inMenu) PressReturn(display, window);
    }
    XCloseDisplay(display);
    return left <= 0;
}

void Stop(pid_t pid) {
    kill(pid, SIGTERM);
    for (int k = 0; k < 100; ++k) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) return;
        usleep(50000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

std::optional<Outcome> RunOnce(const Options& options) {
    int ends[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) return std::nullopt;
    setenv("GAME_PICTURE_FD", std::to_string(ends[1]).c_str(), 1);
    const double start = NowMs();
    const pid_t pid = fork();
    if (pid == 0) {
        fcntl(ends[1], F_SETFD, 0);
        execvp(options.program[0], options.program.data());
        _exit(127);
    }
    close(ends[1]);
    if (pid < 0) {
        close(ends[0]);
        return std::nullopt;
    }
    PictureFeed feed(ends[0]);
    std::optional<Outcome> outcome;
    if (feed.Take(kPictureWaitMs) > 0) {
        Outcome o;
        o.firstPictureMs = NowMs() - start;
        if (options.menuFrames == 0 || ReachMenu(feed, pid, options.menuFrames)) {
            o.peakKb = PeakKb(pid);
            outcome = o;
        }
    }
    Stop(pid);
    close(ends[0]);
    return outcome;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    const std::optional<Options> options = ParseOptions(argc, argv);
    if (!options) {
        std::fprintf(stderr, "usage: start-timer [--runs N] [--menu FRAMES] -- PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    std::vector<double> times, peaks;
    for (int run = 1; run <= options->runs; ++run) {
        const std::optional<Outcome> outcome = RunOnce(*options);
        if (!outcome) {
            std::fprintf(stderr, "start-timer: run %d gave no %s\n", run,
                         options->menuFrames ? "main menu" : "picture");
            return 1;
        }
        times.push_back(outcome->firstPictureMs);
        peaks.push_back(static_cast<double>(outcome->peakKb) / 1024.0);
        std::printf("run %d: first picture %.0f ms", run, outcome->firstPictureMs);
        if (options->menuFrames) std::printf(", peak memory %.1f MB", peaks.back());
        std::printf("\n");
    }
    std::printf("median of %d: first picture %.0f ms", options->runs, Median(times));
    if (options->menuFrames) std::printf(", peak memory %.1f MB", Median(peaks));
    std::printf("\n");
    return 0;
}
