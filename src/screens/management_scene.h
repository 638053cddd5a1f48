#pragma once
#include <cstdint>

#include "hud/advisor_scenes.h"
#include "screens/screen_protocol.h"
#include "shell/scene.h"
#include "shell/scene_id.h"

class AdvisorBubble;
class GameApp;
class InputDevice;

// The frame every management scene shares: it hosts one screen object,
// copies what the screen shows out of the game record when the screen is
// made, reads the keyboard and mouse, lets the screen animate, plays the
// sounds it asks for, draws it (with the advisor where the scene has one)
// and, when the player leaves, copies the screen's results back, deletes it
// and switches to the area the record's location names, or to the screen a
// shortcut key chose.
//
// One frame, in the scene protocol's order (a scene fills in the hooks
// named in brackets):
//   - a running quest-done jingle stops; the MP3 keeps playing at -700
//   - entry after a switch or a device reset: clock restarted, the advisor
//     placed                                                    [OnEntry]
//   - frame timer, cursor, begin and clear
//   - first use: shared font and art, the scene's own shared objects, then
//     the screen with its copy-in          [MakeSharedObjects, CreateScreen]
//   - after a device reset: "L O A D I N G" and every piece of art again
//                                                         [LoadScreenArt]
//   - keys: Backspace, then Esc, leave unless a pop-up is open, which they
//     close instead; Enter closes pop-ups
//                     [QuestionKeys, AnyPopupOpen, ClosePopups, OwnKeys]
//   - mouse: the screen's hit test and click, the re-arm while no button is
//     down, then actions of buttons let go  [Pointer, Rearm, ButtonActions]
//   - the advisor's steppers, then animation                    [Animate]
//   - the scene's own sounds, then STAMP, RIGHTDEF and SNAP1
//                                              [PlayOwnSounds, TakeSounds]
//   - drawing, unless the device is lost: the screen, the advisor
//                                                 [DrawScreen, AdvisorRules]
//   - scene clock
//   - leave target: the area of the record's location [LeaveTarget];
//     skipped when a screen button already chose a scene (LeaveTo); the
//     shortcut keys override it; the scene's own key keeps it open
//   - leaving: copy back, the return flag, the screen deleted
//                                                 [CopyBack, DeleteScreen]
//   - cursor, end of scene, device test (art released)  [FreeScreenArt]
//
// The keys and mouse run in Input, the advisor and animation in Update and
// the leave target in ChooseLeave: a scene whose order differs (Your Ship)
// overrides those whole and keeps the rest.
class ManagementScene : public Scene {
public:
    // What a scene keeps of the common frame.
    struct Rules {
        SceneId self;
        // Ends the jingle and keeps the MP3 going.
        bool keepsMusic = true;
        // Makes the shared font and art when missing.
        bool makesSharedArt = true;
        // Backspace and Esc leave or close pop-ups, Enter closes
        // them. A page whose keys mean more reads them all in OwnKeys.
        bool commonKeys = true;
        // The shortcut keys switch to other screens.
        bool hotkeys = true;
        // Leaving tells the area that it comes back from a screen.
        bool marksReturn = true;
        // Null: the scene shows no advisor.
        const AdvisorSceneValues* advisor = nullptr;
    };

    // The MP3 track's volume in every management scene.
    static constexpr int32_t kMp3Volume = -700;

    // Interface sounds the frame played (tests and the game driver read them).
    struct SoundCounts {
        uint32_t stamp = 0;
        uint32_t box = 0;
        uint32_t hover = 0;
        uint32_t own = 0;
    };

    explicit ManagementScene(const Rules& rules) : rules_(rules) {}

    void Enter(GameApp& app) final;
    void Leave(GameApp& app) final;
    void ReleaseArt(GameApp& app) final;
    void ReloadArt(GameApp& app) final;

    const SoundCounts& Sounds() const { return sounds_; }
    // Whether the screen object exists, and how many visits have made one.
    bool ScreenOpen() const { return HasScreen(); }
    uint32_t ScreensMade() const { return screensMade_; }

protected:
    // ---- The screen object (required) ----
    virtual bool HasScreen() const = 0;
    // Makes the screen, loads its art and copies the record in.
    virtual void CreateScreen(GameApp& app) = 0;
    // Loads the screen's art again after a device reset.
    virtual void LoadScreenArt(GameApp& app) = 0;
    // Releases the screen's art (device lost); the screen itself stays.
    virtual void FreeScreenArt() = 0;
    // Releases the screen's art and deletes it.
    virtual void DeleteScreen() = 0;
    // HitTest and Click with the cursor, and what the click's result does.
    virtual void Pointer(GameApp& app, int32_t x, int32_t y, InputDevice* mouse) = 0;
    // Neither mouse button is down: the screen's button-released flags.
    virtual void Rearm() = 0;
    // The screen's STAMP, RIGHTDEF and SNAP1 requests, taken this frame
    // (TakeInterfaceSounds with the screen's bytes).
    virtual InterfaceSounds TakeSounds() = 0;
    // The screen's Draw (menu sheet, and an engine sheet where it uses one).
    virtual void DrawScreen(GameApp& app) = 0;

    // ---- Optional hooks ----
    // At entry, after the common entry and the advisor's placement.
    virtual void OnEntry(GameApp&) {}
    // On first use, before the screen: the battle engine where the scene
    // makes one when missing.
    virtual void MakeSharedObjects(GameApp&) {}
    // While a Yes/No question is open, reads its keys and returns
    // true; the common keys are then skipped this frame.
    virtual bool QuestionKeys(GameApp&) { return false; }
    virtual bool AnyPopupOpen() const { return false; }
    virtual void ClosePopups() {}
    // After the common keys.
    virtual void OwnKeys(GameApp&) {}
    // After the re-arm: pending button codes acted on once the
    // mouse is released (MouseButtonsReleased), then cleared.
    virtual void ButtonActions(GameApp&, InputDevice*) {}
    // The screen's Animate (and text updates).
    virtual void Animate(GameApp&) {}
    // Before the interface sounds: the scene's own (PlaySceneSound, channel 0).
    virtual void PlayOwnSounds(GameApp&) {}
    // Every frame before the advisor is drawn, also while it is
    // off: the scene's hint rules. False hides the advisor this frame.
    virtual bool AdvisorRules(GameApp&, AdvisorBubble&) { return true; }
    // Where leaving goes. The area of the record's location (the
    // main menu for location 0, where no area is loaded).
    virtual SceneId LeaveTarget(GameApp& app);
    // On leaving, before the screen is deleted: the screen's results into the
    // record (and the battle engine where the scene says so).
    virtual void CopyBack(GameApp&) {}

    // ---- Step groups a scene with its own order replaces ----
    // The keys, then the mouse.
    virtual void Input(GameApp& app);
    // The advisor's steppers, then animation.
    virtual void Update(GameApp& app);
    // The leave target, the shortcut keys, the own key that keeps the page.
    virtual void ChooseLeave(GameApp& app);
    // False while the screen draws its own pointer.
    bool DrawsCursor() const override { return true; }

    // ---- Helpers for the hooks ----
    // The key is down and not yet taken: latches it and returns true.
    static bool TakeKey(GameApp& app, uint8_t code);
    // A screen button chose the next scene: it replaces the area as target.
    void LeaveTo(GameApp& app, SceneId target);
    // The battle engine, when no area has made one yet: loaded and seeded
    // from the record.
    static void MakeEngineWhenMissing(GameApp& app);
    // A sound of the scene's own at the record's sound volume plus offset.
    void PlaySceneSound(GameApp& app, int channel, const char* file, int32_t volumeOffset);
    // This frame's steps of the advisor's steppers.
    AdvisorSteps AdvisorStepsNow() const { return advisorSteps_; }
    const Rules& SceneRules() const { return rules_; }

private:
    // The frame's hooks, the same for every page.
    void BeforeEntry(GameApp& app) final;
    void Prepare(GameApp& app) final;
    void Body(GameApp& app) final;
    void AfterClock(GameApp& app) final;

    void KeepMusic(GameApp& app);
    void MakeMissing(GameApp& app);
    void CommonKeys(GameApp& app);
    void StepAdvisor(GameApp& app);
    void PlaySounds(GameApp& app);
    void Draw(GameApp& app);

    Rules rules_;
    SoundCounts sounds_;
    uint32_t screensMade_ = 0;
    AdvisorSteps advisorSteps_;
    bool targetChosen_ = false;
};
