#pragma once
#include <cstdint>

// The three player options, each kept as one decimal integer in a small text
// file under "Saves//Options//". Callers set loadPending or savePending and
// copy the values in or out around Load and Save.
class OptionsFile {
public:
    // Used while no option file exists yet: music and sounds audible (the
    // title scene switches music off below 5 and sounds below 53), hints on.
    static constexpr int32_t kStartMusicVolume = 50;
    static constexpr int32_t kStartSoundsVolume = 82;
    static constexpr uint32_t kStartAdvisorOn = 1;

    OptionsFile() = default;
    virtual ~OptionsFile() = default;

    // Reads the files that exist and hold a number, clamped to its range;
    // a missing or unreadable file keeps the value held.
    void Load();
    // Writes the three files; 1 when all three were written.
    int Save();

    uint8_t loadPending = 1;
    uint8_t savePending = 1;
    int32_t musicVolume = kStartMusicVolume;
    int32_t soundsVolume = kStartSoundsVolume;
    uint32_t advisorOn = kStartAdvisorOn;
};
