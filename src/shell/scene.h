#pragma once

class GameApp;

// One scene of the game: exactly one is current, and GameApp runs its Frame
// once per pass of the loop (twice on the frame the device comes back). A
// scene owns its own state; what several scenes share lives in GameApp.
//
// Frame follows the scene protocol through GameApp's steps, each written
// once (SceneEntry, SceneBeginFrame, SceneReloadArt, SceneTickClock,
// SceneLeaveStep, SceneEndFrame); the steps call the hooks below at their
// place in the frame, passing the scene that runs.
class Scene {
public:
    Scene() = default;
    virtual ~Scene() = default;
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;

    // One frame: input, update, drawing and presentation.
    virtual void Frame(GameApp& app) = 0;

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
};
