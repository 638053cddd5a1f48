#pragma once
#include <array>
#include <cstddef>

#include "shell/scene.h"
#include "shell/scene_id.h"

// The scene objects of a run, one for each SceneId. The top of the program
// builds one (every layer's scenes, stand-ins included) and hands it to
// GameApp, so that the shell never names a scene of a higher layer.
class SceneSet {
public:
    SceneSet() = default;
    virtual ~SceneSet() = default;
    SceneSet(const SceneSet&) = delete;
    SceneSet& operator=(const SceneSet&) = delete;

    // The scene that serves `id`; null when none was put there.
    Scene* Find(SceneId id) const { return scenes_[Index(id)]; }

protected:
    void Put(SceneId id, Scene& scene) { scenes_[Index(id)] = &scene; }

private:
    static size_t Index(SceneId id) { return static_cast<size_t>(id); }
    std::array<Scene*, kSceneCount> scenes_{};
};
