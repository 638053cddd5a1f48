#include "front_end_driving.h"

#include <cstdio>

#include "frontend_test_support.h"
#include "platform/image_codec.h"
#include "platform/key_codes.h"
#include "platform/mouse_cursor.h"
#include "shell/game_state.h"
#include "shell/name_entry.h"
#include "shell/save_file.h"

namespace front_end_test {

bool ToMainMenu(GameDriver& driver) {
    if (!driver.Start()) return false;
    driver.RunFrames(2);
    driver.TapKey(key::kReturn);
    return driver.RunUntilScene(SceneId::MainMenu, 20);
}

void PointAt(GameDriver& driver, int x, int y) {
    MouseCursor& cursor = *driver.App().cursor;
    driver.MoveMouse(x - cursor.x, y - cursor.y);
    driver.RunFrames(1);
}

void ClickAt(GameDriver& driver, int x, int y) {
    PointAt(driver, x, y);
    driver.PressButton(0);
    driver.RunFrames(1);
    driver.ReleaseButton(0);
    driver.RunFrames(1);
}

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr) << path;
    if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

void WriteSlot(const std::string& gameDir, int slot, uint32_t level, std::vector<uint8_t> name) {
    GameState state;
    state.NewGame();
    state.level = level;
    name.push_back(NameEntry::kEndMarker);
    for (size_t i = 0; i < NameEntry::kCells; ++i) state.playerName[i] = i < name.size() ? name[i] : 0;
    std::vector<uint8_t> file(4 + save_file::kBodyBytes);
    for (int b = 0; b < 4; ++b) file[b] = static_cast<uint8_t>(save_file::kBodyBytes >> (8 * b));
    save_file::Encode(state, file.data() + 4);
    WriteFile(gameDir + "/Saves/" + std::to_string(slot) + ".save", file);
}

::testing::AssertionResult ScreenMatches(GameDriver& driver, const std::string& name) {
    Image shot;
    if (driver.App().graphics.ReadBackBuffer(shot) != 1) return ::testing::AssertionFailure() << "no back buffer";
    return frontend_test::MatchesReference(shot, name);
}

}  // namespace front_end_test
