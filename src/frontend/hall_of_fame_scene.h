#pragma once
#include <memory>

#include "shell/scene.h"

class HallOfFameScreen;

// The Hall of Fame page: "Saves\HallOfFame.save" is read into the record's
// table as the page opens (a missing or damaged file leaves the table as it
// is), and the five best games are shown until Back, Esc or Backspace
// return to the main menu. Arriving from the ending brings the menu music
// back.
class HallOfFameScene : public Scene {
public:
    HallOfFameScene();
    ~HallOfFameScene() override;

    void Leave(GameApp& app) override;
    void ReleaseArt(GameApp& app) override;
    void ReloadArt(GameApp& app) override;

    // The page while it shows; null otherwise.
    const HallOfFameScreen* Screen() const { return screen_.get(); }

private:
    void BeforeEntry(GameApp& app) override;
    void Prepare(GameApp& app) override;
    void Body(GameApp& app) override;
    void AfterClock(GameApp& app) override;

    void MakeScreen(GameApp& app);
    void BackToMenuMusic(GameApp& app);
    void HandleInput(GameApp& app);

    std::unique_ptr<HallOfFameScreen> screen_;
};
