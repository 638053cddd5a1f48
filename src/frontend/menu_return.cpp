#include "frontend/menu_return.h"

#include "platform/key_codes.h"
#include "shell/game_app.h"
#include "shell/game_state.h"

namespace {
constexpr const char* kBackSound = "Data\\SETUPWH.wav";
}  // namespace

bool LeaveKeyPressed(GameApp& app) {
    bool pressed = false;
    for (uint8_t code : {key::kBack, key::kEscape}) {
        if (!app.keyboard.KeyPressed(code)) continue;
        app.keyboard.SetLatch(code, 1);
        pressed = true;
    }
    return pressed;
}

void ReturnToMainMenu(GameApp& app) {
    app.channels[0].Play(kBackSound, static_cast<int32_t>(app.gameState->soundVolume), 1);
    app.SwitchScene(SceneId::MainMenu);
}
