#pragma once
#include <cstdint>

#include "platform/app_framework.h"
#include "platform/audio_system.h"
#include "platform/graphics_device.h"
#include "platform/input_device.h"
#include "platform/input_system.h"
#include "platform/mp3_stream.h"
#include "platform/music_track.h"
#include "platform/sound_channel.h"
#include "shell/scene_entries.h"

class AdvisorBubble;
class AreaBackdrop;
class BasePlacement;
class BattleEngine;
class Camera;
class ControlPanel;
class DataBlob;
class FilePicker;
class Font;
class GameState;
class MotionStepper;
class MouseCursor;
class NameEntry;
class OptionsFile;
struct RegionData;
class SharedArt;

// The one application object: owns every object of the run, keeps input
// alive, steers the graphics device through loss and reset, and runs the
// current scene once per frame.
class GameApp : public AppFramework {
public:
    static constexpr int kChannelCount = 8;
    static constexpr int kStepperCount = 13;
    static constexpr uint32_t kLoadingColour = 0xFFF582F5u;
    // Speeds of the thirteen steppers in pixels per second.
    static constexpr int32_t kStepperSpeeds[kStepperCount] = {50, 30, 0, 0, 70, 140, 210, 280, 350, 420, 490, 560, 90};

    GameApp();
    ~GameApp() override;

    int MsgProc(const SDL_Event& event) override;
    int Init() override;
    int Cleanup() override;
    int Frame() override;

    void KeepMp3Playing(int32_t volume);
    void StopMp3();

    // Scene machine.
    void SwitchScene(SceneThunk entry, uint8_t leave = 1);
    void BeginFrameTimer();
    void EndFrameTimer();
    void CountFps();
    void HandleScreenHotkeys();

    // The scene protocol, written once for every scene.
    enum ArtUse : uint32_t {
        kArtSharedFont = 1,
        kArtShared = 2,
        kArtPanel = 4,
        kArtEngine = 8,
    };
    // Entry: true on the first frame after a switch or a device reset.
    bool SceneEntry();
    // Frame timer, frame counter, cursor, begin and clear.
    void SceneBeginFrame(bool countFps);
    // Creates what the scene needs of the shared objects on first use.
    void EnsureSharedObjects(uint32_t artUse);
    // Makes the shared font if needed, (re)creates it on the current device
    // and opens it for drawing.
    void OpenSharedFont();
    // After a device reset: shows "L O A D I N G", then loads the shared art
    // the scene uses again. Returns true when the caller must reload its own.
    bool SceneReloadArt(uint32_t artUse);
    void SceneTickClock();
    // Cursor, end, device test (releasing the shared art the scene uses and,
    // through releaseOwn, its own) and present.
    void SceneEndFrame(uint32_t artUse, void (*releaseOwn)(GameApp&) = nullptr);
    // Makes stepper k when it is missing (reset and given the record's base).
    MotionStepper& Stepper(int k);
    uint8_t StepStepper(int k, bool adaptive, int32_t speed);
    bool IsCurrent(SceneThunk entry) const { return sceneFrame == entry; }

    // Scenes (entries of the scene table).
    void StoreSceneFrame();
    void NotesSceneFrame();
    void SkillsSceneFrame();
    void AwardsSceneFrame();
    void YourShipSceneFrame();
    void TitleSceneFrame();
    void GalaxySceneFrame();
    void QuestsSceneFrame();
    void ConstructSceneFrame();
    void MakeRobotsSceneFrame();
    void HomeBaseFrame();
    void EarthSystemFrame();
    void InvasionsFrame();
    void MainMenuSceneFrame();
    void StorySceneFrame();
    void NameEntrySceneFrame();
    void HelpSceneFrame();
    void CreditsSceneFrame();
    void SaveGame();
    void HallOfFameSceneFrame();
    void WriteHallOfFame();
    void SaveQuitSceneFrame();
    void OptionsSceneFrame();
    void LoadGameSceneFrame();
    void NewGameSlotSceneFrame();
    void WealthSceneFrame();
    void BuildingsSceneFrame();
    void RobotsSceneFrame();

    // Members held by value.
    GraphicsDevice graphics;
    InputSystem inputSystem;
    InputDevice keyboard;
    AudioSystem audio;
    SoundChannel channels[kChannelCount];
    MusicTrack music;

    // The MP3 stream player standing in for the filter graph.
    Mp3Stream mp3;
    uint8_t mp3State = 0;  // 0 must be (re)started, 2 playing
    int32_t mp3EventCode = 0;

    // Owned objects, null while they do not exist.
    SharedArt* sharedArt = nullptr;
    Camera* sceneCamera = nullptr;
    DataBlob* writeBlob = nullptr;
    DataBlob* readBlob = nullptr;
    DataBlob* probeBlob = nullptr;
    GameState* gameState = nullptr;
    MouseCursor* cursor = nullptr;
    MotionStepper* steppers[kStepperCount] = {};
    OptionsFile* optionsFile = nullptr;
    BattleEngine* battleEngine = nullptr;
    Font* sharedFont = nullptr;
    FilePicker* filePicker = nullptr;  // the slot pickers' screen object
    NameEntry* nameEntry = nullptr;    // kept from the first name entry to shut-down

    // Scene machine and timing.
    SceneThunk sceneFrame = nullptr;
    uint8_t deviceLost = 0;
    uint8_t reloadArt = 0;
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
    // The save scene could not write its slot and shows that before going back.
    uint8_t saveFailed = 0;

    // ---- Area scenes ----
    // The objects every area scene shares, created by the first that needs them.
    ControlPanel* controlPanel = nullptr;
    AreaBackdrop* areaBackdrop = nullptr;
    // The data of the battle region whose frame runs (null elsewhere).
    const RegionData* activeRegion = nullptr;
    // Set on entry and by every travel: the next frame (re)loads the area.
    uint8_t areaLoadPending = 0;
    // Whole seconds in the current area: since the last restart plus the mark
    // carried across visits to the screens.
    uint8_t areaClockRestart = 1;
    uint32_t areaClockStart = 0;
    uint32_t areaClockMark = 0;
    uint32_t secondsInArea = 0;
    // The advisor's "Press F1 to return" hint after the first quest.
    uint8_t returnHint = 0;
    // Sound flags of the three shock-wave rings: 1 started, 2 sounded.
    uint8_t ringSounds[3] = {};
    // Plays per area sound, in the order of the sound table (tests read it).
    static constexpr int kAreaSoundSlots = 24;
    uint32_t areaSoundsPlayed[kAreaSoundSlots] = {};
    // Quest steps of the first region, run inside its frame.
    void HandOverAllies();
    void PlaceQuestDrops();
    void CheckEarthSystemQuests();
    void CompleteQuest();
    void MoveConvoy();
    void ChangeToInvasions();
    void ShowReturnHint();
    // Portals and travel menus of the region in which the ship flies.
    void PlacePortals();
    void HandlePortals();

    // ---- Home base ----
    // The tutorial's advisor, made by the first scene that shows it.
    AdvisorBubble* advisor = nullptr;
    // The home base's building work (placement, the building box).
    BasePlacement* basePlacement = nullptr;
    // Set by a scene that hides the cursor sprite this frame.
    uint8_t cursorHidden = 0;

    // Set when start-up found no usable graphics device; the loop is skipped.
    uint8_t startFailed = 0;
    // Counts "L O A D I N G" pictures shown (tests read it).
    uint32_t loadingScreens = 0;
    // Counts scene runs (the game driver and tests read it).
    uint32_t sceneRuns = 0;

private:
    void PollInput();
    void HandleLostDevice();
    void RunScene();
    void ReleaseFrameArt(uint32_t artUse);
    void LoadFrameArt(uint32_t artUse);
};
