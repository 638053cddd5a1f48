#include <gtest/gtest.h>

#include "platform/game_path.h"
#include "test_support.h"

TEST(GamePath, ResolvesTheGamesOddSpellingsAgainstTheDisk) {
    ScratchFolder dir;
    dir.Write("Art/Menu/Back1.bmp", {1});
    dir.Write("Art/Menu/Numbers2.bmp", {1});
    dir.Write("Art/Space/256/Dust1.png", {1});
    dir.Write("Data/STAMP.WAV", {1});
    const std::string& base = dir.Path();
    EXPECT_EQ(ResolveGamePathIn(base, "Art\\Menu\\Back1.bmp"), "Art/Menu/Back1.bmp");
    EXPECT_EQ(ResolveGamePathIn(base, "Art//Menu//Numbers2.bmp"), "Art/Menu/Numbers2.bmp");
    EXPECT_EQ(ResolveGamePathIn(base, "Art\\Space\\256\\Dust1.PNG"), "Art/Space/256/Dust1.png");
    EXPECT_EQ(ResolveGamePathIn(base, "art\\MENU\\back1.BMP"), "Art/Menu/Back1.bmp");
    EXPECT_EQ(ResolveGamePathIn(base, "Data\\STAMP.wav"), "Data/STAMP.WAV");
    EXPECT_EQ(ResolveGamePathIn(base, ".\\Art\\\\Menu\\Back1.bmp"), "Art/Menu/Back1.bmp");
}

TEST(GamePath, MissingFilesKeepTheGamesSpellingForWriters) {
    ScratchFolder dir;
    dir.Write("saves/placeholder", {1});
    // The existing folder is matched; the new file keeps its name.
    EXPECT_EQ(ResolveGamePathIn(dir.Path(), "Saves\\1.save"), "saves/1.save");
    EXPECT_EQ(ResolveGamePathIn(dir.Path(), "Saves//Options//MusicVolume.txt"), "saves/Options/MusicVolume.txt");
    EXPECT_EQ(ResolveGamePathIn(dir.Path(), "Nowhere\\x.bmp"), "Nowhere/x.bmp");
    EXPECT_EQ(ResolveGamePathIn(dir.Path(), ""), "");
}

TEST(GamePath, ResolvesFromTheWorkingDirectoryAndRecordsLoadsOnce) {
    ScratchFolder dir;
    dir.Write("Art/Menu/Back1.bmp", {1});
    ScopedChdir in(dir.Path());
    ClearRequestedGamePaths();
    EXPECT_EQ(ResolveGamePath("ART\\menu\\BACK1.bmp"), "Art/Menu/Back1.bmp");
    ResolveGamePath("ART\\menu\\BACK1.bmp");
    ResolveGamePath("Data\\Music.mid");
    EXPECT_EQ(ResolveGamePathForWriting("Saves\\1.save"), "Saves/1.save");
    ASSERT_EQ(RequestedGamePaths().size(), 2u);
    EXPECT_EQ(RequestedGamePaths()[0], "ART\\menu\\BACK1.bmp");
    EXPECT_EQ(RequestedGamePaths()[1], "Data\\Music.mid");
    ClearRequestedGamePaths();
    EXPECT_TRUE(RequestedGamePaths().empty());
}
