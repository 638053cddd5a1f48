#pragma once
#include <memory>

#include "shell/scene.h"

class DirectionsScreen;
struct FrontEndShared;

// The help pages over the drifting menu backdrop: a press on a topic shows
// its page at once and clicks on release; Back, Esc and Backspace return to
// the main menu. Each visit starts again at the first topic.
class HelpScene : public Scene {
public:
    explicit HelpScene(FrontEndShared& shared);
    ~HelpScene() override;

    void Leave(GameApp& app) override;
    void ReleaseArt(GameApp& app) override;
    void ReloadArt(GameApp& app) override;

    // The pages while the scene shows; null between visits.
    const DirectionsScreen* Screen() const { return screen_.get(); }

private:
    void Prepare(GameApp& app) override;
    void Body(GameApp& app) override;

    void EnsureObjects(GameApp& app);
    void ActOnInput(GameApp& app);
    void MoveBackdrop(GameApp& app);

    FrontEndShared& shared_;
    std::unique_ptr<DirectionsScreen> screen_;
};
