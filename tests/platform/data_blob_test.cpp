#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/data_blob.h"
#include "platform/file_replace.h"
#include "platform/options_file.h"
#include "support/scratch_folder.h"

namespace {

std::vector<unsigned char> BlobFile(uint32_t lengthWord, size_t bodyBytes, unsigned char fill = 0x5A) {
    std::vector<unsigned char> bytes(4 + bodyBytes, fill);
    for (int b = 0; b < 4; ++b) bytes[b] = static_cast<unsigned char>(lengthWord >> (8 * b));
    return bytes;
}

}  // namespace

TEST(DataBlob, SixHundredBytesMakeASixHundredFourByteFile) {
    ScratchFolder dir(ScratchFolder::kWorkInside);
    DataBlob blob;
    ASSERT_EQ(blob.Alloc(600), 1);
    EXPECT_EQ(blob.size, 600u);
    for (uint32_t i = 0; i < 600; ++i) EXPECT_EQ(blob.data[i], 0) << i;  // fresh buffers are zero
    for (uint32_t i = 0; i < 600; ++i) blob.data[i] = static_cast<uint8_t>(i * 7);
    ASSERT_EQ(blob.WriteFile("Saves\\HallOfFame.save"), 1);  // "Saves" is made on the way
    const auto bytes = ScratchFolder::ReadBytes("Saves/HallOfFame.save");
    ASSERT_EQ(bytes.size(), 604u);
    EXPECT_EQ(bytes[0], 88);  // 600 = 0x258, little-endian: 88 2 0 0
    EXPECT_EQ(bytes[1], 2);
    EXPECT_EQ(bytes[2], 0x00);
    EXPECT_EQ(bytes[3], 0x00);
    EXPECT_EQ(bytes[4 + 599], static_cast<unsigned char>(599 * 7));
    EXPECT_FALSE(std::filesystem::exists("Saves/HallOfFame.save.tmp"));

    DataBlob back;
    uint32_t size = 0;
    uint8_t* data = back.ReadFile("Saves\\HallOfFame.save", &size, 600);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(size, 600u);
    EXPECT_EQ(data, back.Data());
    EXPECT_EQ(std::memcmp(data, blob.Data(), 600), 0);

    DataBlob empty;  // an empty blob writes nothing
    EXPECT_EQ(empty.WriteFile("Saves\\1.save"), 0);
    empty.Alloc(0);
    EXPECT_EQ(empty.WriteFile("Saves\\1.save"), 0);
    EXPECT_FALSE(std::filesystem::exists("Saves/1.save"));
}

TEST(DataBlob, MissingAndDamagedFilesReadAsNothing) {
    ScratchFolder dir(ScratchFolder::kWorkInside);
    DataBlob blob;
    blob.Alloc(16);
    uint32_t size = 12345;
    EXPECT_EQ(blob.ReadFile("Saves\\missing.save", &size), nullptr);
    EXPECT_EQ(blob.data, nullptr);  // the old bytes are gone either way
    EXPECT_EQ(blob.size, 0u);
    EXPECT_EQ(size, 12345u);

    struct Case {
        const char* name;
        std::vector<unsigned char> bytes;
    };
    const Case cases[] = {
        {"empty", {}},
        {"short length word", {0x10, 0x00}},
        {"truncated body", BlobFile(600, 300)},
        {"trailing bytes", BlobFile(600, 700)},
        {"zero length", BlobFile(0, 0)},
        {"huge length word", BlobFile(0xFFFFFFF0u, 64)},
        {"over the reader's limit", BlobFile(90004, 90004)},
    };
    for (const Case& c : cases) {
        ScratchFolder::WriteBytes("Saves/bad.save", c.bytes);
        EXPECT_EQ(blob.ReadFile("Saves\\bad.save", &size, 90000), nullptr) << c.name;
        EXPECT_EQ(blob.size, 0u) << c.name;
    }
    ScratchFolder::WriteBytes("Saves/good.save", BlobFile(90000, 90000));
    EXPECT_NE(blob.ReadFile("Saves\\good.save", &size, 90000), nullptr);
    EXPECT_EQ(size, 90000u);
}

// The steps of one write, as the seams see them.
std::vector<std::string> steps;
int RecordSync(int fd) {
    struct stat info {};
    fstat(fd, &info);
    steps.push_back(S_ISDIR(info.st_mode) ? "flush folder" : "flush file");
    return fsync(fd);
}
int RecordRename(const char* from, const char* to) {
    steps.push_back("rename");
    return std::rename(from, to);
}
int FailingSync(int) { return -1; }

TEST(DataBlob, AWriteReachesTheDiskBeforeAndAfterItsRename) {
    ScratchFolder dir(ScratchFolder::kWorkInside);
    DataBlob blob;
    blob.Alloc(8);
    SetReplaceRenameForTesting(RecordRename);
    SetReplaceSyncForTesting(RecordSync);
    steps.clear();
    EXPECT_EQ(blob.WriteFile("Saves\\1.save"), 1);
    EXPECT_EQ(steps, (std::vector<std::string>{"flush file", "rename", "flush folder"}));
    // A file that cannot be flushed is not put in place.
    SetReplaceSyncForTesting(FailingSync);
    blob.data[0] = 9;
    EXPECT_EQ(blob.WriteFile("Saves\\1.save"), 0);
    SetReplaceSyncForTesting(nullptr);
    SetReplaceRenameForTesting(nullptr);
    EXPECT_EQ(ScratchFolder::ReadBytes("Saves/1.save")[4], 0);
    EXPECT_FALSE(std::filesystem::exists("Saves/1.save.tmp"));
}

TEST(DataBlob, FailedWriteKeepsTheOldFile) {
    ScratchFolder dir(ScratchFolder::kWorkInside);
    DataBlob blob;
    blob.Alloc(8);
    ASSERT_EQ(blob.WriteFile("Saves\\1.save"), 1);
    // A directory in the way of the temporary file makes the write fail.
    std::filesystem::create_directories("Saves/1.save.tmp/x");
    blob.data[0] = 9;
    EXPECT_EQ(blob.WriteFile("Saves\\1.save"), 0);
    const auto bytes = ScratchFolder::ReadBytes("Saves/1.save");
    ASSERT_EQ(bytes.size(), 12u);
    EXPECT_EQ(bytes[4], 0);
    // A file standing where the directory should be.
    ScratchFolder::WriteBytes("Blocked", {1});
    EXPECT_EQ(blob.WriteFile("Blocked\\2.save"), 0);
}

TEST(OptionsFile, StartValuesAndLoading) {
    ScratchFolder dir(ScratchFolder::kWorkInside);
    OptionsFile options;
    EXPECT_EQ(options.loadPending, 1);
    EXPECT_EQ(options.savePending, 1);
    options.Load();  // no files yet: the start values stay, the directories appear
    EXPECT_EQ(options.musicVolume, OptionsFile::kStartMusicVolume);
    EXPECT_EQ(options.soundsVolume, OptionsFile::kStartSoundsVolume);
    EXPECT_EQ(options.advisorOn, 1u);
    EXPECT_EQ(options.loadPending, 0);
    EXPECT_TRUE(std::filesystem::is_directory("Saves/Options"));

    ScratchFolder::WriteBytes("Saves/Options/MusicVolume.txt", {'7', '3'});
    ScratchFolder::WriteBytes("Saves/Options/SoundsVolume.txt", {'l', 'o', 'u', 'd'});
    ScratchFolder::WriteBytes("Saves/Options/Advisor.txt", {' ', '0', '\n'});
    options.Load();  // not pending: nothing read
    EXPECT_EQ(options.musicVolume, OptionsFile::kStartMusicVolume);
    options.loadPending = 1;
    options.Load();
    EXPECT_EQ(options.musicVolume, 73);
    EXPECT_EQ(options.soundsVolume, OptionsFile::kStartSoundsVolume);  // not a number
    EXPECT_EQ(options.advisorOn, 0u);
}

TEST(OptionsFile, OutOfRangeValuesAreClamped) {
    ScratchFolder dir(ScratchFolder::kWorkInside);
    ScratchFolder::WriteBytes("Saves/Options/MusicVolume.txt", {'9', '9', '9', '9', '9', '9', '9', '9', '9', '9', '9', '9'});
    ScratchFolder::WriteBytes("Saves/Options/SoundsVolume.txt", {'-', '4', '0'});
    ScratchFolder::WriteBytes("Saves/Options/Advisor.txt", {'7'});
    OptionsFile options;
    options.Load();
    EXPECT_EQ(options.musicVolume, 100);
    EXPECT_EQ(options.soundsVolume, 0);
    EXPECT_EQ(options.advisorOn, 1u);
}

TEST(OptionsFile, SaveWritesThreeDecimalFiles) {
    ScratchFolder dir(ScratchFolder::kWorkInside);  // no "Saves" yet
    OptionsFile options;
    options.musicVolume = 5;
    options.soundsVolume = 100;
    options.advisorOn = 0;
    EXPECT_EQ(options.Save(), 1);
    EXPECT_EQ(options.savePending, 0);
    auto text = [](const char* name) {
        const auto bytes = ScratchFolder::ReadBytes(name);
        return std::string(bytes.begin(), bytes.end());
    };
    EXPECT_EQ(text("Saves/Options/MusicVolume.txt"), "5");
    EXPECT_EQ(text("Saves/Options/SoundsVolume.txt"), "100");
    EXPECT_EQ(text("Saves/Options/Advisor.txt"), "0");
    options.musicVolume = 60;
    EXPECT_EQ(options.Save(), 0);  // not pending
    EXPECT_EQ(text("Saves/Options/MusicVolume.txt"), "5");
    options.savePending = 1;
    options.Save();
    OptionsFile reader;
    reader.Load();
    EXPECT_EQ(reader.musicVolume, 60);
    EXPECT_EQ(reader.soundsVolume, 100);
    EXPECT_EQ(reader.advisorOn, 0u);
}
