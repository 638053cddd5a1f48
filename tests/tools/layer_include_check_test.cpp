// The include check the build runs before a layer compiles, run by itself
// on a scratch tree of one file: what it lets through, and what it refuses
// with the file and line. It reads the real table of layers.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/scratch_folder.h"

namespace fs = std::filesystem;

namespace {

struct Case {
    const char* what;
    const char* layer;
    const char* file;  // under src/
    const char* text;
    int refusedLine;  // 0: let through
    const char* why;
};

const Case kCases[] = {
    {"its own layer, those it uses and the system's", "hud", "hud/bits.h",
     "#pragma once\n#include <vector>\n#include \"hud/control_panel.h\"\n#include \"battle/battle_engine.h\"\n"
     "#include \"platform/sprite.h\"\n#include <SDL.h>\n",
     0, ""},
    {"layers used through another", "screens", "screens/page.cpp",
     "#include \"areas/x.h\"\n#include \"ship/x.h\"\n#include \"shell/x.h\"\n#include \"hud/x.h\"\n"
     "#include \"waves/x.h\"\n#include \"battle/x.h\"\n#include \"platform/x.h\"\n",
     0, ""},
    {"a header including a layer above", "hud", "hud/upward.h",
     "#pragma once\n#include \"hud/control_panel.h\"\n#include \"shell/game_app.h\"\n", 3, "names the shell layer"},
    {"an include through a macro", "battle", "battle/computed.cpp",
     "#define P \"../shell/scene_id.h\"\n#include P\n", 2, "literal"},
    {"a layer beside it", "ship", "ship/beside.cpp", "#include \"areas/home_base_scene.h\"\n", 1,
     "names the areas layer"},
    {"a layer below another it uses, not below it", "waves", "waves/w.cpp", "#include \"hud/control_panel.h\"\n", 1,
     "names the hud layer"},
    {"angle brackets", "battle", "battle/angle.cpp", "#include <hud/control_panel.h>\n", 1, "names the hud layer"},
    {"a path dressed up", "hud", "hud/dressed.cpp", "#include \".//./shell/game_app.h\"\n", 1, "names the shell layer"},
    {"spaces, comments and the digraph", "battle", "battle/spaced.cpp",
     "int a;\nint b;\n  /* c */ %:  include \"shell/scene.h\" // d\n", 3, "names the shell layer"},
    {"climbing with ..", "battle", "battle/climb.cpp", "#include \"battle/../shell/scene_id.h\"\n", 1,
     "reaches out"},
    {"from the root", "battle", "battle/root.cpp", "#include \"/tmp/x.h\"\n", 1, "reaches out"},
    {"a file in a subfolder", "hud", "hud/deep/er.h", "#pragma once\n\n#include \"frontend/x.h\"\n", 3,
     "names the frontend layer"},
};

// Runs the check on one layer's folder: its exit status and what it printed.
int RunCheck(const fs::path& src, const std::string& layer, const fs::path& stamp, std::string& output) {
    const char* cmake = std::getenv("GAME_CMAKE");
    const char* root = std::getenv("GAME_SOURCE_DIR");
    if (!cmake || !root) return -1;
    const std::string command = std::string("\"") + cmake + "\" -DLAYER=" + layer + " \"-DLAYER_DIR=" +
                                (src / layer).string() + "\" \"-DSTAMP=" + stamp.string() + "\" -P \"" + root +
                                "/cmake/check_layer_includes.cmake\" 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return -1;
    char buffer[512];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, n);
    const int status = pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

TEST(LayerIncludeCheck, RefusesEachIncludeItsLayerMayNotMake) {
    ASSERT_NE(std::getenv("GAME_CMAKE"), nullptr);
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        ScratchFolder scratch;
        ASSERT_TRUE(scratch.Ok());
        const fs::path src = scratch.Path() / "src";
        const std::string text = c.text;
        scratch.Write(std::string("src/") + c.file, std::vector<uint8_t>(text.begin(), text.end()));
        const fs::path stamp = scratch.Path() / "checked";
        std::string output;
        const int status = RunCheck(src, c.layer, stamp, output);
        if (c.refusedLine == 0) {
            EXPECT_EQ(status, 0) << output;
            EXPECT_TRUE(fs::exists(stamp));
        } else {
            EXPECT_NE(status, 0);
            EXPECT_FALSE(fs::exists(stamp));
            const std::string where = (src / c.file).string() + ":" + std::to_string(c.refusedLine) + ": error:";
            EXPECT_NE(output.find(where), std::string::npos) << output;
            EXPECT_NE(output.find(c.why), std::string::npos) << output;
        }
    }
}
