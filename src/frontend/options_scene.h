#pragma once
#include <memory>

#include "shell/scene.h"

class OptionsScreen;

// The options: music, sounds and the advisor switched by their ON and OFF
// words, the two volumes by their sliders. Every change is written to the
// option files at once and heard at once: the menu tune in the menus, the
// area's MP3 stream in an area. Back, Esc and Backspace return to where
// `location` says; from an area the screen shortcut keys work here too.
class OptionsScene : public Scene {
public:
    OptionsScene();
    ~OptionsScene() override;

    void Enter(GameApp& app) override;
    void Leave(GameApp& app) override;
    void ReleaseArt(GameApp& app) override;
    void ReloadArt(GameApp& app) override;

    // The page while the scene shows; null between visits.
    const OptionsScreen* Screen() const { return screen_.get(); }

private:
    void BeforeEntry(GameApp& app) override;
    void Prepare(GameApp& app) override;
    void Body(GameApp& app) override;
    void AfterClock(GameApp& app) override;

    void EnsureScreen(GameApp& app);
    void ActOnInput(GameApp& app);
    void CarryOutEvents(GameApp& app);
    void FollowMusicSlider(GameApp& app);
    void SaveOptions(GameApp& app);
    void Draw(GameApp& app, uint8_t upStep, uint8_t downStep);

    std::unique_ptr<OptionsScreen> screen_;
    bool leaving_ = false;
    bool saveDue_ = false;
};
