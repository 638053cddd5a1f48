#pragma once
#include <cstdint>

#include "areas/base_placement.h"
#include "shell/scene.h"

struct AreaSession;

// The home base: the ship flies among the player's buildings, which can be
// placed, moved and upgraded; robots leave their factory; the portal's
// travel menu leads to the store and to the regions. The frame is the
// battle frame's subset plus the base's own work.
class HomeBaseScene : public Scene {
public:
    explicit HomeBaseScene(AreaSession& session) : Scene({.countsFps = false}), session_(session) {}

    void Enter(GameApp& app) override;
    void Leave(GameApp& app) override;

    AreaSession& Session() { return session_; }
    // The base's building work (placement, the building box).
    BasePlacement& Placement() { return placement_; }

    // Set on entry: the next frame loads the base.
    uint8_t loadPending = 0;
    // A mouse button went down this frame (none was down the frame before).
    uint8_t pressStarted = 0;
    uint8_t buttonsDown = 0;

private:
    void BeforeEntry(GameApp& app) override;
    void Prepare(GameApp& app) override;
    void Body(GameApp& app) override;
    void AfterClock(GameApp& app) override;
    // The carried building's picture stands for the cursor.
    bool DrawsCursor() const override { return !carrying_; }
    void Load(GameApp& app);

    // A building was being placed or moved when the frame's clock ticked.
    bool carrying_ = false;

    AreaSession& session_;
    BasePlacement placement_;
};
