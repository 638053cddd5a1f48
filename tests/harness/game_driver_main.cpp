// game-driver: runs the real game headless for a number of frames with a
// scripted input, taking screenshots and dumping the game record.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <unistd.h>
#include <sstream>
#include <string>
#include <vector>

#include "harness/game_driver.h"

namespace {
void Usage() {
    std::fprintf(stderr,
                 "usage: game-driver [--frames N] [--script FILE] [--screenshot FRAME:FILE.png]...\n"
                 "                   [--dump FILE]\n"
                 "                   [--game-dir DIR] [--ms-per-frame MS]\n");
}

bool ReadFile(const std::string& path, std::string& text) {
    std::ifstream in(path);
    if (!in) return false;
    std::ostringstream all;
    all << in.rdbuf();
    text = all.str();
    return true;
}

bool ParseFrameAndPath(const char* arg, DriverAction& action) {
    const char* colon = std::strchr(arg, ':');
    if (!colon) return false;
    action.frame = static_cast<uint32_t>(std::strtoul(arg, nullptr, 10));
    action.path = colon + 1;
    return !action.path.empty();
}
}  // namespace

int main(int argc, char** argv) {
    uint32_t frames = 60;
    std::string dumpPath;
    GameDriver::Options options;
    std::vector<DriverAction> actions;

    for (int k = 1; k < argc; ++k) {
        std::string arg = argv[k];
        const char* value = k + 1 < argc ? argv[k + 1] : nullptr;
        if (!value) {
            Usage();
            return 2;
        }
        ++k;
        if (arg == "--frames") {
            frames = static_cast<uint32_t>(std::strtoul(value, nullptr, 10));
        } else if (arg == "--script") {
            std::string text, error;
            if (!ReadFile(value, text)) {
                std::fprintf(stderr, "game-driver: cannot read %s\n", value);
                return 2;
            }
            if (!ParseDriverScript(text, actions, error)) {
                std::fprintf(stderr, "game-driver: %s: %s\n", value, error.c_str());
                return 2;
            }
        } else if (arg == "--screenshot") {
            DriverAction action;
            action.kind = DriverAction::Kind::Screenshot;
            if (!ParseFrameAndPath(value, action)) {
                Usage();
                return 2;
            }
            actions.push_back(action);
        } else if (arg == "--dump") {
            dumpPath = value;
        } else if (arg == "--game-dir") {
            options.gameDir = value;
        } else if (arg == "--ms-per-frame") {
            options.msPerFrame = static_cast<uint32_t>(std::strtoul(value, nullptr, 10));
        } else {
            Usage();
            return 2;
        }
    }

    std::string cwd;
    {
        char buffer[4096];
        cwd = getcwd(buffer, sizeof buffer) ? buffer : ".";
    }
    // Dump path relative to where the driver was started.
    if (!dumpPath.empty() && dumpPath[0] != '/') dumpPath = cwd + "/" + dumpPath;

    GameDriver driver(options);
    driver.AddActions(actions);
    if (!driver.Start()) {
        std::fprintf(stderr, "game-driver: the game did not start\n");
        return 1;
    }
    driver.RunFrames(frames);
    std::printf("game-driver: ran %u frames, scene %s\n", driver.FrameNumber(), scenes::Name(driver.App().sceneFrame));
    if (!dumpPath.empty()) {
        std::ofstream out(dumpPath);
        out << "frame = " << driver.FrameNumber() << '\n';
        out << "scene = " << scenes::Name(driver.App().sceneFrame) << '\n';
        out << driver.DumpState();
        if (!out) {
            std::fprintf(stderr, "game-driver: cannot write %s\n", dumpPath.c_str());
            return 1;
        }
    }
    driver.Finish();
    return 0;
}
