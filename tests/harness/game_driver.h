#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "shell/game_app.h"
#include "shell/scene_id.h"

class GameState;

// One scripted action, run at the start of its frame.
struct DriverAction {
    enum class Kind {
        KeyDown,
        KeyUp,
        MouseMove,
        ButtonDown,
        ButtonUp,
        Screenshot,
        LoseDevice,
        RestoreDevice,
        SetField,
        SwitchScene,
        Steer
    };
    uint32_t frame = 0;
    Kind kind = Kind::KeyDown;
    int a = 0;  // key code, button, dx, scene id
    int b = 0;  // dy
    int c = 0;  // frames to steer
    std::string path;    // screenshot file, record field name
    std::string values;  // the field's values as the dump writes them
};

// Parses the driver's plain-text script, one action a line:
//   <frame> key <name> down|up      (SDL key names: Y, Return, Escape, "Left Ctrl", F1 ... or 0x15)
//   <frame> mouse <dx> <dy>
//   <frame> button <0-3> down|up
//   <frame> screenshot <file.png>
//   <frame> lose-device | restore-device
//   <frame> set <field> <values>    (a field of the game record, named and written as the dump does)
//   <frame> scene <Name>            (switch to the scene the dump names so)
//   <frame> steer <x> <y> <frames>  (for that many frames, the cursor points the
//                                    ship at the world point (x, y) of its area)
// Blank lines and lines starting with # are skipped. On a bad line returns
// false and describes it in error.
bool ParseDriverScript(const std::string& text, std::vector<DriverAction>& actions, std::string& error);

// The actions of tests/harness/<name> in the source tree ($GAME_SOURCE_DIR);
// a test failure (and no actions) when it cannot be read or parsed.
std::vector<DriverAction> HarnessScript(const std::string& name);

// Drives the real GameApp headless, frame by frame, with a manual clock that
// moves on by a frame's time at each present (as the wait for the display).
// It runs in a game directory of its own: Art and Data linked from the
// built stand-ins, an empty Saves (or the directory given).
class GameDriver {
public:
    struct Options {
        std::string gameDir;       // empty: a fresh temporary directory
        uint32_t msPerFrame = 16;
    };

    GameDriver();
    explicit GameDriver(const Options& options);
    ~GameDriver();
    GameDriver(const GameDriver&) = delete;
    GameDriver& operator=(const GameDriver&) = delete;

    // Opens the window and runs Init. False when that failed.
    bool Start();
    // Queues the actions of tests/harness/<name> and starts; false when the
    // script gave no actions or the start failed.
    bool StartScript(const std::string& name);
    // Runs n frames, applying scripted actions due on each.
    void RunFrames(uint32_t n);
    // Runs frames until the current scene is the given one (at most limit).
    bool RunUntilScene(SceneId scene, uint32_t limit = 600);
    // Ends the run: Cleanup and the window closed. Also done by the destructor.
    void Finish();

    void AddActions(const std::vector<DriverAction>& actions);
    void PressKey(uint8_t code);
    void ReleaseKey(uint8_t code);
    // Down for one frame, then up for one.
    void TapKey(uint8_t code);
    void MoveMouse(int dx, int dy);
    void PressButton(int button);
    void ReleaseButton(int button);
    bool Screenshot(const std::string& path);
    // The script's set and scene actions, now; false (with a message on
    // stderr) when the field or the values do not fit.
    bool SetField(const std::string& name, const std::string& values);
    void SwitchToScene(SceneId scene);
    // From now on, for `frames` frames, the cursor is put each frame where
    // it points the ship at (x, y) in its area's world; the buttons are left
    // as they are. Zero frames stops it.
    void SteerToward(int32_t x, int32_t y, uint32_t frames);
    // The centre of the ship in its area's world.
    void ShipCentre(int32_t& x, int32_t& y) const;

    // Compares the screen with tests/<suite>/ref/<name>.png. The software
    // renderer draws the same picture every run, so by default every pixel
    // must match; a caller may allow a tolerance per channel and a share.
    // The picture goes to GAME_TEST_OUT/<name>.png; with GAME_UPDATE_REFS=1
    // the reference is rewritten instead.
    ::testing::AssertionResult MatchesReference(const std::string& suite, const std::string& name,
                                                int tolerance = 0, double maxMismatch = 0.0);
    void LoseDevice();
    void RestoreDevice();

    // Ways into the game as a player takes them, each false when the
    // expected scene did not come. From the title: Return to the main menu.
    bool ToMainMenu();
    // From the title: a new game with the default name, into the home base.
    bool NewGameToHomeBase();
    // From the main menu: L, then the slot's key, into the home base.
    bool LoadSlot(int slot);
    // Writes the record as the save file of a slot, as the save scene would.
    bool WriteSaveSlot(int slot, const GameState& record);
    // Moves the cursor to (x, y) and runs a frame.
    void PointAt(int x, int y);

    GameApp& App() { return *app_; }
    // The scene object that serves `id`, as its own class.
    template <class T>
    T& SceneAs(SceneId id) {
        return dynamic_cast<T&>(*app_->SceneFor(id));
    }
    ManualClock& TheClock() { return clock_; }
    uint32_t FrameNumber() const { return frame_; }
    bool QuitRequested() const { return quit_; }
    const std::string& GameDir() const { return gameDir_; }
    std::string DumpState() const;

private:
    void PrepareGameDir(const Options& options);
    void ApplyDueActions();
    void Apply(const DriverAction& action);
    void PumpEvents();
    void SteerStep();

    std::unique_ptr<GameApp> app_;
    ManualClock clock_;
    std::vector<DriverAction> actions_;
    std::string gameDir_;
    std::string previousDir_;
    uint32_t msPerFrame_ = 16;
    uint32_t frame_ = 0;
    int32_t steerX_ = 0;
    int32_t steerY_ = 0;
    uint32_t steerFrames_ = 0;
    bool started_ = false;
    bool finished_ = false;
    bool quit_ = false;
    bool removeDir_ = false;
};
