#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// A fresh folder of a test's own, removed with everything in it at the end.
// It lies under GAME_TEST_OUT (or the system's temporary folder), or in
// memory where the machine has /dev/shm (for tests that write thousands of
// files). A test that works inside it has the working directory moved there
// (the game's file names are relative to it) and back at the end.
class ScratchFolder {
public:
    enum Options : unsigned { kStayOutside = 0, kWorkInside = 1, kInMemory = 2 };

    explicit ScratchFolder(unsigned options = 0, const std::string& prefix = "scratch");
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // False when the folder could not be made (or entered).
    bool Ok() const { return !path_.empty(); }
    const std::filesystem::path& Path() const { return path_; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }
    // A file in the folder, its parents made as needed.
    void Write(const std::string& name, const std::vector<uint8_t>& bytes) const { WriteBytes(File(name), bytes); }

    // Relative to the working directory, parents made as needed.
    static void WriteBytes(const std::string& name, const std::vector<uint8_t>& bytes);
    // The whole file; empty when it cannot be read.
    static std::vector<uint8_t> ReadBytes(const std::string& name);

private:
    std::filesystem::path path_;
    std::filesystem::path previous_;
};
