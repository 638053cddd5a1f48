#pragma once
#include <memory>

#include "shell/scene.h"

class NameEntry;

// The name-entry scene: a fresh game record, the name typed into the panel,
// then the intro story (Enter or Ready) or the main menu (Esc or Back). The
// panel, with the typed name, is kept after the scene is left: the story
// takes the name from it; loading a game drops it.
class NameEntryScene : public Scene {
public:
    NameEntryScene();
    ~NameEntryScene() override;

    void Frame(GameApp& app) override;
    void Enter(GameApp& app) override;
    void Leave(GameApp& app) override;
    void ReleaseArt(GameApp& app) override;
    void ReloadArt(GameApp& app) override;

    // The panel with the typed name; null before the first name entry and
    // after a load.
    const NameEntry* Panel() const { return panel_.get(); }
    NameEntry* Panel() { return panel_.get(); }
    void DropPanel();

private:
    void CreateMissing(GameApp& app);
    void LoadPanelArt(GameApp& app);
    void FreePanelArt();

    std::unique_ptr<NameEntry> panel_;
    bool artLoaded_ = false;
};
