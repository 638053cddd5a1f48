#include <sys/stat.h>

#include <cstdio>
#include <memory>

#include "app/game_scenes.h"
#include "shell/game_app.h"
#include "shell/scene_set.h"

namespace {
bool IsDirectory(const char* path) {
    struct stat info;
    return stat(path, &info) == 0 && S_ISDIR(info.st_mode);
}
}  // namespace

// The game runs in the directory that holds its Art, Data and Saves.
int main() {
    if (!IsDirectory("Art")) {
        std::fprintf(stderr, "game: no Art folder here; run the game from its game directory (build/game)\n");
        return 1;
    }
    auto app = std::make_unique<GameApp>(MakeGameScenes());
    int ran = app->Run();
    bool failed = ran == 0 || app->startFailed;
    app.reset();
    return failed ? 1 : 0;
}
