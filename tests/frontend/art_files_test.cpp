#include <gtest/gtest.h>

#include <filesystem>

#include "frontend/credits_screen.h"
#include "frontend/directions_screen.h"
#include "frontend/menu_backdrop.h"
#include "frontend/options_screen.h"
#include "frontend/save_and_quit_dialog.h"
#include "frontend_test_support.h"
#include "platform/game_path.h"

namespace frontend_test {
namespace {

class FrontendArt : public Canvas {};

// Every picture the objects name is one of the stand-ins in the game directory.
TEST_F(FrontendArt, EveryFileTheObjectsNameIsThere) {
    ClearRequestedGamePaths();
    SaveAndQuitDialog dialog;
    dialog.LoadArt(&graphics_);
    MenuBackdrop backdrop;
    backdrop.LoadArt(&graphics_);
    OptionsScreen options;
    options.LoadArt(&graphics_);
    DirectionsScreen directions;
    directions.LoadArt(&graphics_);
    CreditsScreen credits;
    credits.LoadArt(&graphics_);
    const std::vector<std::string> requested = RequestedGamePaths();
    EXPECT_GE(requested.size(), 30u);
    for (const std::string& name : requested) {
        EXPECT_TRUE(std::filesystem::is_regular_file(ResolveGamePath(name))) << name;
    }
}

}  // namespace
}  // namespace frontend_test
