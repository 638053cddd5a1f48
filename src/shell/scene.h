#pragma once

class GameApp;

// One scene of the game: exactly one is current, and GameApp runs its Frame
// once per pass of the loop (twice on the frame the device comes back). A
// scene owns its own state; what several scenes share lives in GameApp.
//
// The frame's order is written once, in GameApp::RunSceneFrame: music
// upkeep [BeforeEntry], entry, begin, the objects made on first use
// [Prepare], art reload after a device reset, the scene's own work [Body],
// scene clock, the leave decision [AfterClock], leaving, end with the device
// test [DrawsCursor], then [AfterFrame]. A scene fills in the hooks in
// brackets and says in FrameRules what it keeps of the fixed steps; it
// cannot leave a step out. A scene that draws nothing is a PicturelessScene.
class Scene {
public:
    // What a scene keeps of the frame's fixed steps.
    struct FrameRules {
        // The frame counter counts this scene's frames.
        bool countsFps = true;
        // A switch to this scene while it runs (its own key) keeps it
        // instead of leaving and entering again.
        bool staysWhenChosenAgain = false;
    };

    Scene() = default;
    explicit Scene(FrameRules rules) : frameRules_(rules) {}
    virtual ~Scene() = default;
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;

    // One frame, in the written order: input, update, drawing and
    // presentation. Not virtual: no scene writes its own order.
    void Frame(GameApp& app);

    // The first frame after a switch to this scene or after a device reset:
    // restart what the scene restarts and create what it shows.
    virtual void Enter(GameApp&) {}
    // A switch away (or a re-entry) was decided in this frame: write changes
    // back to the game record and drop the screen objects.
    virtual void Leave(GameApp&) {}
    // The device was lost at the end of this scene's frame, or the run ends:
    // release every texture, sheet and font of the scene's own. Must
    // tolerate objects that were never made.
    virtual void ReleaseArt(GameApp&) {}
    // The device was reset: load the scene's own art again. The art of the
    // shared objects is back already.
    virtual void ReloadArt(GameApp&) {}

protected:
    friend class GameApp;

    // A frame that shows no picture (a file written or read, the next scene
    // chosen) does its whole work here and returns true; the frame's steps
    // are then skipped.
    virtual bool RunWithoutPicture(GameApp&) { return false; }
    // Before entry: music upkeep, objects the entry needs.
    virtual void BeforeEntry(GameApp&) {}
    // After the picture is begun, before the art reload: the shared and own
    // objects made on first use.
    virtual void Prepare(GameApp&) {}
    // Input, update, sounds and drawing.
    virtual void Body(GameApp&) = 0;
    // After the scene clock: where to go next, the shortcut keys.
    virtual void AfterClock(GameApp&) {}
    // Read at the end of the frame: false while the scene draws its own
    // pointer.
    virtual bool DrawsCursor() const { return true; }
    // After the picture is presented: a hand-over that must not see this
    // frame's leave step.
    virtual void AfterFrame(GameApp&) {}

private:
    FrameRules frameRules_{};
};

// A scene whose frame draws nothing: it does its work in one step and
// chooses the next scene.
class PicturelessScene : public Scene {
protected:
    virtual void Run(GameApp& app) = 0;

private:
    bool RunWithoutPicture(GameApp& app) final {
        Run(app);
        return true;
    }
    void Body(GameApp&) final {}
};
