#pragma once
#include <memory>

#include "screens/management_scene.h"

// A management page that shows one screen object: the screen lives while
// the scene is current, made on entry by CreateScreen and dropped on leaving.
template <class PageScreen>
class PageScene : public ManagementScene {
public:
    using ManagementScene::ManagementScene;

    // The screen while the scene is current, else null.
    const PageScreen* Screen() const { return screen_.get(); }

protected:
    bool HasScreen() const override { return screen_ != nullptr; }
    void DeleteScreen() override { screen_.reset(); }

    std::unique_ptr<PageScreen> screen_;
};
