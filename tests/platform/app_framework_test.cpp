#include <SDL.h>
#include <gtest/gtest.h>

#include <vector>

#include "platform/app_framework.h"

namespace {

class ScriptedApp : public AppFramework {
public:
    int initResult = 1;
    int quitAfterFrames = -1;   // post the quit message on this frame
    int failOnFrame = -1;       // Frame returns 0 on this frame
    bool queueEventsAtInit = false;
    int inits = 0, frames = 0, cleanups = 0;
    std::vector<int> userCodes;
    bool sawQuit = false;
    uint32_t windowFlags = 0;
    int clientW = 0, clientH = 0;

    int Init() override {
        ++inits;
        windowFlags = SDL_GetWindowFlags(window);
        ResizeClient(400, 400);
        SDL_GetWindowSize(window, &clientW, &clientH);
        if (queueEventsAtInit) {
            for (int code : {1, 2, 3}) PushUser(code);
            PostQuit();
            PushUser(4);  // behind the quit: never taken
        }
        return initResult;
    }
    int Frame() override {
        ++frames;
        if (frames == failOnFrame) return 0;
        if (frames == quitAfterFrames) PostQuit();
        return 1;
    }
    int Cleanup() override {
        ++cleanups;
        return 1;
    }
    int MsgProc(const SDL_Event& event) override {
        if (event.type == SDL_USEREVENT) userCodes.push_back(event.user.code);
        if (event.type == SDL_QUIT) sawQuit = true;
        return 0;
    }

private:
    static void PushUser(int code) {
        SDL_Event e;
        SDL_zero(e);
        e.type = SDL_USEREVENT;
        e.user.code = code;
        SDL_PushEvent(&e);
    }
};

}  // namespace

TEST(AppFramework, FramesRunUntilTheQuitMessageThenCleanup) {
    ScriptedApp app;
    EXPECT_EQ(theApp, &app);
    app.quitAfterFrames = 5;
    EXPECT_EQ(app.Run(), 1);
    EXPECT_EQ(app.inits, 1);
    EXPECT_EQ(app.frames, 5) << "no frame runs once the quit message is taken";
    EXPECT_TRUE(app.sawQuit);
    EXPECT_EQ(app.cleanups, 1);
    EXPECT_EQ(app.Window(), nullptr);
}

TEST(AppFramework, FrameReturningZeroEndsTheLoop) {
    ScriptedApp app;
    app.failOnFrame = 3;
    EXPECT_EQ(app.Run(), 1);
    EXPECT_EQ(app.frames, 3);
    EXPECT_FALSE(app.sawQuit);
    EXPECT_EQ(app.cleanups, 1);
}

TEST(AppFramework, FailedInitSkipsTheLoopButStillCleansUp) {
    for (int result : {0, 2}) {
        ScriptedApp app;
        app.initResult = result;
        EXPECT_EQ(app.Run(), 1);
        EXPECT_EQ(app.frames, 0) << "Init returned " << result;
        EXPECT_EQ(app.cleanups, 1);
    }
}

TEST(AppFramework, QueuedEventsAreDrainedOneAPassAndQuitStopsAtOnce) {
    ScriptedApp app;
    app.queueEventsAtInit = true;
    EXPECT_EQ(app.Run(), 1);
    EXPECT_EQ(app.userCodes, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(app.frames, 0) << "Frame waits for an empty queue";
    EXPECT_EQ(app.cleanups, 1);
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
}

TEST(AppFramework, PopupWindowsAreBorderlessAndSizedByClientArea) {
    ScriptedApp app;
    app.style = kStylePopup;
    app.failOnFrame = 1;
    app.Run();
    EXPECT_NE(app.windowFlags & SDL_WINDOW_BORDERLESS, 0u);
    EXPECT_EQ(app.clientW, 400);
    EXPECT_EQ(app.clientH, 400);

    ScriptedApp framed;
    framed.failOnFrame = 1;
    framed.Run();
    EXPECT_EQ(framed.windowFlags & SDL_WINDOW_BORDERLESS, 0u);
    EXPECT_EQ(ShowMouseCursor(0), 1);
    EXPECT_EQ(ShowMouseCursor(1), 1);
}
