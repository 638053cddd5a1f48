#include "harness/game_driver.h"

#include <SDL.h>
#include <stdlib.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>

#include "app/game_scenes.h"
#include "battle/battle_engine.h"
#include "hud/area_backdrop.h"
#include "platform/data_blob.h"
#include "platform/image_codec.h"
#include "platform/key_codes.h"
#include "platform/mouse_cursor.h"
#include "shell/game_state.h"
#include "shell/game_state_assign.h"
#include "shell/game_state_dump.h"
#include "shell/save_file.h"
#include "shell/scene_set.h"
#include "support/golden_image.h"

namespace fs = std::filesystem;

namespace {
constexpr int32_t kShipHalf = 32;
constexpr double kSteerReach = 150.0;

// The stand-in art built next to the tests, unless GAME_DIR says otherwise:
// build/game seen from the build directory or from the source tree.
std::string StandInGameDir() {
    const char* dir = std::getenv("GAME_DIR");
    if (dir) return dir;
    return fs::is_directory("game/Art") ? "game" : "build/game";
}

bool ParseKeyName(const std::string& name, int& code) {
    if (name.size() > 2 && name[0] == '0' && (name[1] == 'x' || name[1] == 'X')) {
        code = static_cast<int>(std::strtol(name.c_str(), nullptr, 16)) & 0xFF;
        return code != 0;
    }
    SDL_Scancode scancode = SDL_GetScancodeFromName(name.c_str());
    if (scancode == SDL_SCANCODE_UNKNOWN) return false;
    code = KeyCodeFromScancode(scancode);
    return code != 0;
}

bool ParseUpDown(const std::string& word, bool& down) {
    if (word == "down") down = true;
    else if (word == "up") down = false;
    else return false;
    return true;
}

bool ParseLine(const std::string& line, DriverAction& action, std::string& why) {
    std::istringstream in(line);
    std::string verb;
    if (!(in >> action.frame >> verb)) {
        why = "expected '<frame> <action> ...'";
        return false;
    }
    using Kind = DriverAction::Kind;
    if (verb == "key") {
        std::string rest;
        std::getline(in, rest);
        size_t end = rest.find_last_not_of(" \t");
        size_t split = rest.find_last_of(" \t", end);
        bool down = false;
        if (end == std::string::npos || split == std::string::npos ||
            !ParseUpDown(rest.substr(split + 1, end - split), down)) {
            why = "expected 'key <name> down|up'";
            return false;
        }
        std::string name = rest.substr(0, split);
        name.erase(0, name.find_first_not_of(" \t"));
        if (!ParseKeyName(name, action.a)) {
            why = "unknown key '" + name + "'";
            return false;
        }
        action.kind = down ? Kind::KeyDown : Kind::KeyUp;
        return true;
    }
    if (verb == "mouse") {
        action.kind = Kind::MouseMove;
        if (in >> action.a >> action.b) return true;
        why = "expected 'mouse <dx> <dy>'";
        return false;
    }
    if (verb == "button") {
        std::string word;
        bool down = false;
        if (in >> action.a >> word && action.a >= 0 && action.a < 4 && ParseUpDown(word, down)) {
            action.kind = down ? Kind::ButtonDown : Kind::ButtonUp;
            return true;
        }
        why = "expected 'button <0-3> down|up'";
        return false;
    }
    if (verb == "screenshot") {
        action.kind = Kind::Screenshot;
        if (in >> action.path) return true;
        why = "expected 'screenshot <file.png>'";
        return false;
    }
    if (verb == "set") {
        action.kind = Kind::SetField;
        std::getline(in >> action.path, action.values);
        // Checked against a record of its own, so that a bad line fails the script.
        auto scratch = std::make_unique<GameState>();
        if (!action.path.empty() && AssignGameStateField(*scratch, action.path, action.values, why)) return true;
        if (action.path.empty()) why = "expected 'set <field> <values>'";
        return false;
    }
    if (verb == "scene") {
        action.kind = Kind::SwitchScene;
        std::string name;
        in >> name;
        const std::optional<SceneId> scene = scenes::FromName(name);
        if (scene) {
            action.a = static_cast<int>(*scene);
            return true;
        }
        why = "unknown scene '" + name + "'";
        return false;
    }
    if (verb == "steer") {
        action.kind = Kind::Steer;
        if (in >> action.a >> action.b >> action.c && action.c >= 0) return true;
        why = "expected 'steer <x> <y> <frames>'";
        return false;
    }
    if (verb == "lose-device") {
        action.kind = Kind::LoseDevice;
        return true;
    }
    if (verb == "restore-device") {
        action.kind = Kind::RestoreDevice;
        return true;
    }
    why = "unknown action '" + verb + "'";
    return false;
}
}  // namespace

bool ParseDriverScript(const std::string& text, std::vector<DriverAction>& actions, std::string& error) {
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        size_t first = line.find_first_not_of(" \t\r");
        if (first == std::string::npos || line[first] == '#') continue;
        if (line.back() == '\r') line.pop_back();
        DriverAction action;
        std::string why;
        if (!ParseLine(line, action, why)) {
            error = "line " + std::to_string(number) + ": " + why;
            return false;
        }
        actions.push_back(action);
    }
    return true;
}

std::vector<DriverAction> HarnessScript(const std::string& name) {
    const char* source = std::getenv("GAME_SOURCE_DIR");
    const std::string path = std::string(source ? source : ".") + "/tests/harness/" + name;
    std::ifstream file(path);
    std::ostringstream text;
    text << file.rdbuf();
    std::vector<DriverAction> actions;
    std::string error;
    if (!file.good()) ADD_FAILURE() << "cannot read " << path;
    else if (!ParseDriverScript(text.str(), actions, error)) ADD_FAILURE() << path << ": " << error;
    return actions;
}

GameDriver::GameDriver() : GameDriver(Options{}) {}

GameDriver::GameDriver(const Options& options) : msPerFrame_(options.msPerFrame) {
    // Headless unless the caller chose a display.
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("SDL_RENDER_DRIVER", "software", 0);
    PrepareGameDir(options);
    clock_.presentMs = msPerFrame_;
    Clock::Install(&clock_);
    app_ = std::make_unique<GameApp>(MakeGameScenes());
}

GameDriver::~GameDriver() {
    Finish();
    app_.reset();
    Clock::Install(nullptr);
    if (!previousDir_.empty() && chdir(previousDir_.c_str()) != 0) std::perror("game-driver: chdir back");
    if (removeDir_) {
        std::error_code ignored;
        fs::remove_all(gameDir_, ignored);
    }
}

void GameDriver::PrepareGameDir(const Options& options) {
    previousDir_ = fs::current_path().string();
    std::string art = fs::absolute(StandInGameDir()).string();
    if (options.gameDir.empty()) {
        fs::path base = fs::temp_directory_path();
        std::string pattern = (base / "game-driver-XXXXXX").string();
        if (!mkdtemp(pattern.data())) {
            std::perror("game-driver: temporary directory");
            std::exit(2);
        }
        gameDir_ = pattern;
        removeDir_ = true;
    } else {
        gameDir_ = fs::absolute(options.gameDir).string();
        fs::create_directories(gameDir_);
    }
    std::error_code ignored;
    for (const char* sub : {"Art", "Data"}) {
        fs::path link = fs::path(gameDir_) / sub;
        if (!fs::exists(link)) fs::create_directory_symlink(fs::path(art) / sub, link, ignored);
    }
    fs::create_directories(fs::path(gameDir_) / "Saves" / "Options");
    if (chdir(gameDir_.c_str()) != 0) {
        std::perror("game-driver: chdir");
        std::exit(2);
    }
}

bool GameDriver::StartScript(const std::string& name) {
    const std::vector<DriverAction> actions = HarnessScript(name);
    if (actions.empty()) return false;
    AddActions(actions);
    return Start();
}

bool GameDriver::Start() {
    if (started_) return true;
    if (!app_->OpenWindow()) return false;
    started_ = true;
    if (app_->Init() != 1) return false;
    return true;
}

void GameDriver::PumpEvents() {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        app_->MsgProc(event);
        if (event.type == SDL_QUIT) quit_ = true;
    }
}

void GameDriver::RunFrames(uint32_t n) {
    for (uint32_t k = 0; k < n && !quit_; ++k) {
        ApplyDueActions();
        SteerStep();
        PumpEvents();
        if (quit_) break;
        uint32_t before = clock_.Milliseconds();
        app_->Frame();
        // A frame that presented has spent its time waiting for the display;
        // one that did not (device lost) still takes a frame's time.
        if (clock_.Milliseconds() == before) clock_.Advance(msPerFrame_);
        ++frame_;
    }
}

bool GameDriver::RunUntilScene(SceneId scene, uint32_t limit) {
    for (uint32_t k = 0; k < limit && !quit_; ++k) {
        if (app_->sceneFrame == scene && app_->leaveScene == 0) return true;
        RunFrames(1);
    }
    return app_->sceneFrame == scene;
}

void GameDriver::Finish() {
    if (!started_ || finished_) return;
    finished_ = true;
    app_->Cleanup();
    app_->CloseWindow();
}

void GameDriver::AddActions(const std::vector<DriverAction>& actions) {
    actions_.insert(actions_.end(), actions.begin(), actions.end());
}

void GameDriver::ApplyDueActions() {
    for (const DriverAction& action : actions_) {
        if (action.frame == frame_) Apply(action);
    }
}

void GameDriver::Apply(const DriverAction& action) {
    using Kind = DriverAction::Kind;
    switch (action.kind) {
    case Kind::KeyDown:
        PressKey(static_cast<uint8_t>(action.a));
        break;
    case Kind::KeyUp:
        ReleaseKey(static_cast<uint8_t>(action.a));
        break;
    case Kind::MouseMove:
        MoveMouse(action.a, action.b);
        break;
    case Kind::ButtonDown:
        PressButton(action.a);
        break;
    case Kind::ButtonUp:
        ReleaseButton(action.a);
        break;
    case Kind::Screenshot:
        if (!Screenshot(fs::absolute(fs::path(previousDir_) / action.path).string())) {
            std::fprintf(stderr, "game-driver: screenshot %s failed\n", action.path.c_str());
        }
        break;
    case Kind::LoseDevice:
        LoseDevice();
        break;
    case Kind::RestoreDevice:
        RestoreDevice();
        break;
    case Kind::SetField:
        SetField(action.path, action.values);
        break;
    case Kind::SwitchScene:
        SwitchToScene(static_cast<SceneId>(action.a));
        break;
    case Kind::Steer:
        SteerToward(action.a, action.b, static_cast<uint32_t>(action.c));
        break;
    }
}

void GameDriver::PressKey(uint8_t code) { app_->inputSystem.Raw().PressKey(code); }
void GameDriver::ReleaseKey(uint8_t code) { app_->inputSystem.Raw().ReleaseKey(code); }

void GameDriver::TapKey(uint8_t code) {
    PressKey(code);
    RunFrames(1);
    ReleaseKey(code);
    RunFrames(1);
}

void GameDriver::MoveMouse(int dx, int dy) {
    RawInputState& raw = app_->inputSystem.Raw();
    raw.MoveMouse(dx, dy, raw.cursorX + dx, raw.cursorY + dy);
}

void GameDriver::PressButton(int button) { app_->inputSystem.Raw().PressButton(button); }
void GameDriver::ReleaseButton(int button) { app_->inputSystem.Raw().ReleaseButton(button); }

bool GameDriver::Screenshot(const std::string& path) {
    fs::path target = fs::path(path).is_absolute() ? fs::path(path) : fs::path(previousDir_) / path;
    std::error_code ignored;
    if (target.has_parent_path()) fs::create_directories(target.parent_path(), ignored);
    return app_->graphics.SaveScreenshot(target.string().c_str()) == 1;
}

bool GameDriver::SetField(const std::string& name, const std::string& values) {
    std::string error;
    if (app_->gameState && AssignGameStateField(*app_->gameState, name, values, error)) return true;
    std::fprintf(stderr, "game-driver: set %s: %s\n", name.c_str(), app_->gameState ? error.c_str() : "no record");
    return false;
}

void GameDriver::SwitchToScene(SceneId scene) { app_->SwitchScene(scene); }

void GameDriver::SteerToward(int32_t x, int32_t y, uint32_t frames) {
    steerX_ = x;
    steerY_ = y;
    steerFrames_ = frames;
}

void GameDriver::ShipCentre(int32_t& x, int32_t& y) const {
    const BattleEngine& engine = *app_->battleEngine;
    x = app_->areaBackdrop->viewX + engine.shipX + engine.offsetRight - engine.offsetLeft + kShipHalf;
    y = app_->areaBackdrop->viewY + engine.shipY + engine.offsetDown - engine.offsetUp + kShipHalf;
}

void GameDriver::SteerStep() {
    if (steerFrames_ == 0 || !app_->battleEngine || !app_->areaBackdrop || !app_->cursor) return;
    --steerFrames_;
    int32_t shipX = 0, shipY = 0;
    ShipCentre(shipX, shipY);
    // The cursor's offset from the ship picks the heading; a short offset
    // keeps it on screen, and a point closer than that is pointed at itself.
    int32_t dx = steerX_ - shipX, dy = steerY_ - shipY;
    const double length = std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy);
    if (length > kSteerReach) {
        dx = static_cast<int32_t>(std::lround(dx * kSteerReach / length));
        dy = static_cast<int32_t>(std::lround(dy * kSteerReach / length));
    }
    const MouseCursor& cursor = *app_->cursor;
    MoveMouse(shipX - app_->areaBackdrop->viewX + dx - cursor.x, shipY - app_->areaBackdrop->viewY + dy - cursor.y);
}

::testing::AssertionResult GameDriver::MatchesReference(const std::string& suite, const std::string& name,
                                                        int tolerance, double maxMismatch) {
    // The driver works in its game directory; relative places are the caller's.
    GoldenFiles files = GoldenFilesFor(suite, name);
    files.reference = fs::absolute(fs::path(previousDir_) / files.reference).string();
    files.actual = fs::absolute(fs::path(previousDir_) / files.actual).string();
    Image actual;
    if (!Screenshot(files.actual)) return ::testing::AssertionFailure() << "no screenshot";
    if (!LoadImageFile(files.actual, actual)) return ::testing::AssertionFailure() << "cannot read " << files.actual;
    return MatchesGolden(actual, files, tolerance, maxMismatch);
}

void GameDriver::LoseDevice() { app_->graphics.ForceState(DeviceState::Lost); }
void GameDriver::RestoreDevice() { app_->graphics.ForceState(DeviceState::NotReset); }

bool GameDriver::ToMainMenu() {
    if (!Start()) return false;
    RunFrames(2);
    TapKey(key::kReturn);
    return RunUntilScene(SceneId::MainMenu, 20);
}

bool GameDriver::NewGameToHomeBase() {
    if (!ToMainMenu()) return false;
    TapKey(key::kN);
    if (!RunUntilScene(SceneId::NameEntry, 20)) return false;
    TapKey(key::kReturn);
    if (!RunUntilScene(SceneId::Story, 5)) return false;
    TapKey(key::kReturn);  // past the intro
    return RunUntilScene(SceneId::HomeBase, 50);
}

bool GameDriver::LoadSlot(int slot) {
    TapKey(key::kL);
    if (!RunUntilScene(SceneId::LoadGamePicker, 20)) return false;
    TapKey(static_cast<uint8_t>(key::k1 + slot - 1));
    return RunUntilScene(SceneId::HomeBase, 20);
}

bool GameDriver::WriteSaveSlot(int slot, const GameState& record) {
    const char* path = save_file::SlotPath(slot);
    DataBlob blob;
    if (!path || !blob.Alloc(save_file::kBodyBytes)) return false;
    save_file::Encode(record, blob.Data());
    return blob.WriteFile(path) == 1;
}

void GameDriver::PointAt(int x, int y) {
    const MouseCursor& cursor = *app_->cursor;
    MoveMouse(x - cursor.x, y - cursor.y);
    RunFrames(1);
}

std::string GameDriver::DumpState() const {
    return app_->gameState ? DumpGameState(*app_->gameState) : std::string();
}
