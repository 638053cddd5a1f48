#pragma once
#include <cstdint>
#include <memory>

#include "platform/app_framework.h"
#include "platform/audio_system.h"
#include "platform/graphics_device.h"
#include "platform/input_device.h"
#include "platform/input_system.h"
#include "platform/mp3_stream.h"
#include "platform/music_track.h"
#include "platform/sound_channel.h"
#include "shell/scene_id.h"

class AdvisorBubble;
class AreaBackdrop;
class BattleEngine;
class Camera;
class ControlPanel;
class FilePicker;
class Font;
class GameState;
class MotionStepper;
class MouseCursor;
class OptionsFile;
class Scene;
class SceneSet;
class SharedArt;

// The one application object: owns what every scene shares, keeps input
// alive, steers the graphics device through loss and reset, and runs the
// current scene once per frame. The scenes themselves come from the scene
// set it is given.
class GameApp : public AppFramework {
public:
    static constexpr int kChannelCount = 8;
    static constexpr int kStepperCount = 13;
    static constexpr uint32_t kLoadingColour = 0xFFF582F5u;
    // Speeds of the thirteen steppers in pixels per second.
    static constexpr int32_t kStepperSpeeds[kStepperCount] = {50, 30, 0, 0, 70, 140, 210, 280, 350, 420, 490, 560, 90};

    // Without a scene set no scene runs (tests of the shell's own parts).
    GameApp();
    explicit GameApp(std::unique_ptr<SceneSet> scenes);
    ~GameApp() override;

    int MsgProc(const SDL_Event& event) override;
    void PlaceWindow() override;
    int Init() override;
    int Cleanup() override;
    int Frame() override;

    void KeepMp3Playing(int32_t volume);
    void StopMp3();

    // ---- Scene machine ----
    void SwitchScene(SceneId target, uint8_t leave = 1);
    // The object that serves a scene; null when the set has none.
    Scene* SceneFor(SceneId id) const;
    bool IsCurrent(SceneId id) const { return sceneFrame == id; }
    void BeginFrameTimer();
    void EndFrameTimer();
    void CountFps();
    // The shortcut keys to the management screens; nothing at the menus.
    void HandleScreenHotkeys();
    // The scene of a page number HandleScreenHotkeys stores in screenPage
    // (2 Your Ship .. 12 Options); false for any other number.
    static bool SceneForScreenPage(uint8_t page, SceneId& scene);

    // ---- The scene protocol, written once for every scene ----
    // One frame of the scene in the fixed order, calling its hooks.
    void RunSceneFrame(Scene& scene);
    // What a scene needs made of the shared art before it draws.
    enum ArtUse : uint32_t {
        kArtSharedFont = 1,
        kArtShared = 2,
    };
    // Creates the shared font and shared art on first use.
    void EnsureSharedObjects(uint32_t artUse);
    // Makes the shared font if needed, (re)creates it on the current device
    // and opens it for drawing.
    void OpenSharedFont();
    // Makes stepper k when it is missing (reset and given the record's base).
    MotionStepper& Stepper(int k);
    uint8_t StepStepper(int k, bool adaptive, int32_t speed);

    // ---- The graphics device and what the scenes draw with it ----
    GraphicsDevice graphics;
    // Set when start-up found no usable graphics device; the loop is skipped.
    uint8_t startFailed = 0;
    uint8_t deviceLost = 0;
    uint8_t reloadArt = 0;
    // Counts "L O A D I N G" pictures shown (tests read it).
    uint32_t loadingScreens = 0;
    // Made by the first scene that needs each, kept to shut-down; null
    // while it does not exist.
    std::unique_ptr<SharedArt> sharedArt;
    std::unique_ptr<Font> sharedFont;
    std::unique_ptr<Camera> sceneCamera;
    std::unique_ptr<ControlPanel> controlPanel;
    std::unique_ptr<AreaBackdrop> areaBackdrop;
    // The tutorial's advisor, made by the first scene that shows it.
    std::unique_ptr<AdvisorBubble> advisor;
    // The slot pickers' screen, while one of them shows.
    std::unique_ptr<FilePicker> filePicker;

    // ---- Input ----
    InputSystem inputSystem;
    InputDevice keyboard;
    std::unique_ptr<MouseCursor> cursor;

    // ---- Audio ----
    AudioSystem audio;
    SoundChannel channels[kChannelCount];
    MusicTrack music;
    // The MP3 stream player standing in for the filter graph.
    Mp3Stream mp3;
    uint8_t mp3State = 0;  // 0 must be (re)started, 2 playing
    int32_t mp3EventCode = 0;

    // ---- The record and the engine that plays an area out ----
    // The player's record, from Init (or the loader) to shut-down.
    std::unique_ptr<GameState> gameState;
    // The option files, read by the title and the name entry.
    std::unique_ptr<OptionsFile> optionsFile;
    std::unique_ptr<BattleEngine> battleEngine;

    // ---- Scene machine and timing ----
    SceneId sceneFrame = SceneId::Title;
    uint8_t screenPage = 0;
    uint8_t leaveScene = 0;
    uint32_t fps = 0;
    uint32_t framesCounted = 0;
    uint32_t msCounted = 0;
    uint32_t lastFrameMs = 0;
    uint32_t frameStartMs = 0;
    uint8_t frameTimerArmed = 0;
    uint8_t sceneClockRestart = 1;
    uint32_t secondsInScene = 0;
    uint32_t sceneClockStart = 0;
    std::unique_ptr<MotionStepper> steppers[kStepperCount];
    // Counts scene runs (the game driver and tests read it).
    uint32_t sceneRuns = 0;
    // Scene frames whose picture was begun and ended, and those that began
    // one and returned without the end step (device test, present): the
    // latter must stay 0.
    uint32_t picturesEnded = 0;
    uint32_t picturesLeftOpen = 0;

private:
    // ---- The steps of RunSceneFrame; scenes fill in hooks between them ----
    // Entry: on the first frame after a switch or a device reset, restarts
    // the scene clock and calls the scene's Enter. True on such a frame.
    bool SceneEntry(Scene& scene);
    // Frame timer, frame counter, cursor, begin and clear.
    void SceneBeginFrame(bool countFps);
    // After a device reset: shows "L O A D I N G", loads the art of every
    // shared object that exists, then the scene's own (its ReloadArt). True
    // on such a frame.
    bool SceneReloadArt(Scene& scene);
    void SceneTickClock();
    // Leaving: when a switch is pending, a scene chosen again by its own key
    // stays if it allows that; otherwise its Leave runs.
    void SceneLeaveStep(Scene& scene, bool staysWhenChosenAgain);
    // Cursor (unless hidden this frame), end of scene, device test and
    // present. A device found lost releases the art of every shared object
    // that exists and the scene's own (its ReleaseArt).
    void SceneEndFrame(Scene& scene, bool drawCursor);

    void PollInput();
    void HandleLostDevice();
    void RunScene();
    void ReleaseSharedArt();
    void LoadSharedArt();

    std::unique_ptr<SceneSet> scenes_;
    bool pictureOpen_ = false;
};
