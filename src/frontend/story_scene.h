#pragma once
#include <memory>

#include "shell/scene.h"

class NameEntryScene;
class StoryCutscene;
struct FrontEndShared;

// The story scene plays the cutscene the record's story stage names. The
// intro, after the name entry, rises over the menu backdrop until a key or a
// click, then starts the new game at the home base with the typed name. The
// ending, after the last interlude, plays over the galaxy's background to
// its own music for about 17 seconds, then the game is saved and the Hall of
// Fame follows. Leaving drops the cutscene, the galaxy animation and the
// menu backdrop.
class StoryScene : public Scene {
public:
    StoryScene(FrontEndShared& frontEnd, NameEntryScene& nameEntry);
    ~StoryScene() override;

    void Enter(GameApp& app) override;
    void Leave(GameApp& app) override;
    void ReleaseArt(GameApp& app) override;
    void ReloadArt(GameApp& app) override;

    // The cutscene playing; null outside the scene.
    const StoryCutscene* Cutscene() const { return cutscene_.get(); }

private:
    void BeforeEntry(GameApp& app) override;
    void Prepare(GameApp& app) override;
    void Body(GameApp& app) override;
    void AfterClock(GameApp& app) override;
    bool DrawsCursor() const override;

    static constexpr int kSteps = 6;

    void EnsureObjects(GameApp& app);
    void TakeSteps(GameApp& app);
    void Move(GameApp& app);
    void CueEndingMusic(GameApp& app);
    void Draw(GameApp& app);
    void HandOver(GameApp& app);
    void StartNewGame(GameApp& app);

    FrontEndShared& frontEnd_;
    NameEntryScene& nameEntry_;
    std::unique_ptr<StoryCutscene> cutscene_;
    // This frame's whole-pixel steps of the first six frame steppers.
    uint8_t steps_[kSteps] = {};
};
