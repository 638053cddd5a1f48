#pragma once
#include <memory>

#include "shell/scene.h"

struct FrontEndShared;
class TitleScreen;

// The first scene of a run, in the 400 x 400 window: reads the option files
// into the record, shows the title screen, and on Play (Enter, P or a click)
// makes the device full screen at 800 x 600 and hands over to the main menu.
// Esc or Backspace closes the credits panel, or quits from the main page.
class TitleScene : public Scene {
public:
    explicit TitleScene(FrontEndShared& shared);
    ~TitleScene() override;

    void Enter(GameApp& app) override;
    void ReleaseArt(GameApp& app) override;
    void ReloadArt(GameApp& app) override;

    // The screen while the title runs; null after the hand-over.
    const TitleScreen* Screen() const { return screen_.get(); }

private:
    void Prepare(GameApp& app) override;
    void Body(GameApp& app) override;
    void AfterFrame(GameApp& app) override;

    void CreateMissing(GameApp& app);
    void ReadKeys(GameApp& app);
    void ReadMouse(GameApp& app);
    void PlaySounds(GameApp& app);
    void HandOver(GameApp& app);

    FrontEndShared& shared_;
    std::unique_ptr<TitleScreen> screen_;
    bool exit_ = false;     // Play was chosen this frame
    bool leaving_ = false;  // the hand-over has begun: input and drawing stop
};
