#pragma once
#include <memory>

#include "shell/scene.h"

class CreditsScreen;

// The credits page over its full-screen picture. Back (on release over it,
// or at once when the pointer slides off it while held), Esc and Backspace
// return to the main menu. Each visit makes the page afresh.
class CreditsScene : public Scene {
public:
    CreditsScene();
    ~CreditsScene() override;

    void Leave(GameApp& app) override;
    void ReleaseArt(GameApp& app) override;
    void ReloadArt(GameApp& app) override;

    // The page while the scene shows; null between visits.
    const CreditsScreen* Screen() const { return screen_.get(); }

private:
    void Body(GameApp& app) override;

    void ActOnInput(GameApp& app);

    std::unique_ptr<CreditsScreen> screen_;
};
