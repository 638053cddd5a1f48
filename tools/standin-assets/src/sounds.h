#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace standin {

constexpr int kSampleRate = 22050;

// Mono 16-bit PCM.
std::vector<int16_t> MakeEffect(const std::string& name);  // short tone or noise burst, one per name
std::vector<int16_t> MakeLoop(const std::string& name, float seconds);  // ends where it starts
bool WriteWav(const std::string& path, const std::vector<int16_t>& samples);
// A few bars of a format-0 Standard MIDI File, a tune per name.
std::vector<uint8_t> MakeMidi(const std::string& name);
bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);
// Runs the encoder on a WAV; false when it is missing or fails.
bool EncodeMp3(const std::string& lame, const std::string& wavPath, const std::string& mp3Path);

struct WavInfo {
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    int format = 0;  // 1 = PCM
    uint32_t dataBytes = 0;
};
// Walks the RIFF chunks; false when the file is not a whole WAV.
bool ReadWavInfo(const std::string& path, WavInfo& info);
// Checks the header and every track chunk down to its end-of-track event.
bool CheckMidi(const std::vector<uint8_t>& bytes, std::string& error);
bool ReadBytes(const std::string& path, std::vector<uint8_t>& bytes);

}  // namespace standin
