#include "sounds.h"

#include "byte_io.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

#include "painter_util.h"

extern char** environ;

namespace standin {

namespace {

constexpr float kTwoPi = 6.28318531f;
constexpr float kPeak = 0.45f * 32767;

uint32_t Be32(const uint8_t* p) { return (uint32_t(p[0]) << 24) | (p[1] << 16) | (p[2] << 8) | p[3]; }

int16_t Sample(float v) { return static_cast<int16_t>(std::clamp(v, -1.0f, 1.0f) * kPeak); }

// Recipes: each effect is one of these with its own pitch and length.
enum class Recipe { Sweep, Noise, Blips, Chord };

}  // namespace

std::vector<int16_t> MakeEffect(const std::string& name) {
    paint::Random rnd(paint::Hash(name));
    const Recipe recipe = static_cast<Recipe>(rnd.Range(0, 3));
    const float seconds = 0.12f + 0.4f * rnd.Unit();
    const float f0 = 180.0f + 900.0f * rnd.Unit(), f1 = 120.0f + 1200.0f * rnd.Unit();
    const int n = static_cast<int>(seconds * kSampleRate);
    std::vector<int16_t> out(n);
    float phase = 0, noise = 0;
    for (int i = 0; i < n; ++i) {
        const float t = static_cast<float>(i) / n;
        const float env = std::min(1.0f, t * 40.0f) * (1.0f - t) * (1.0f - t);
        float v = 0;
        switch (recipe) {
        case Recipe::Sweep:
            phase += kTwoPi * (f0 + (f1 - f0) * t) / kSampleRate;
            v = std::sin(phase);
            break;
        case Recipe::Noise:
            noise = 0.7f * noise + 0.3f * (rnd.Unit() * 2 - 1);
            v = noise * 2.5f;
            break;
        case Recipe::Blips:
            phase += kTwoPi * (static_cast<int>(t * 4) % 2 ? f0 : f1) / kSampleRate;
            v = std::sin(phase) > 0 ? 0.6f : -0.6f;
            break;
        case Recipe::Chord:
            phase += kTwoPi * f0 / kSampleRate;
            v = (std::sin(phase) + std::sin(phase * 1.25f) + std::sin(phase * 1.5f)) / 3;
            break;
        }
        out[i] = Sample(v * env);
    }
    return out;
}

// Whole cycles of every partial over the loop, so its end meets its start.
std::vector<int16_t> MakeLoop(const std::string& name, float seconds) {
    paint::Random rnd(paint::Hash(name));
    const int n = static_cast<int>(seconds * kSampleRate);
    const int base = 55 + rnd.Range(0, 40);  // cycles per loop for the root
    const int partials[] = {base * 4, base * 5, base * 6, base * 8};
    const int pulses = 2 * static_cast<int>(seconds);
    std::vector<int16_t> out(n);
    for (int i = 0; i < n; ++i) {
        const float t = static_cast<float>(i) / n;
        float v = 0;
        for (int k = 0; k < 4; ++k) v += std::sin(kTwoPi * partials[k] * t) / (k + 1);
        const float pulse = 0.6f + 0.4f * std::cos(kTwoPi * pulses * t);
        out[i] = Sample(0.5f * v * pulse);
    }
    return out;
}

bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    File f(std::fopen(path.c_str(), "wb"));
    return f && std::fwrite(bytes.data(), 1, bytes.size(), f.get()) == bytes.size();
}

bool ReadBytes(const std::string& path, std::vector<uint8_t>& bytes) {
    File f(std::fopen(path.c_str(), "rb"));
    if (!f) return false;
    bytes.clear();
    uint8_t buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f.get())) > 0) bytes.insert(bytes.end(), buffer, buffer + n);
    return true;
}

bool WriteWav(const std::string& path, const std::vector<int16_t>& samples) {
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    std::vector<uint8_t> out;
    out.reserve(44 + dataBytes);
    out.insert(out.end(), {'R', 'I', 'F', 'F'});
    Put32(out, 36 + dataBytes);
    out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    Put32(out, 16);
    Put16(out, 1);  // PCM
    Put16(out, 1);  // mono
    Put32(out, kSampleRate);
    Put32(out, kSampleRate * 2);
    Put16(out, 2);
    Put16(out, 16);
    out.insert(out.end(), {'d', 'a', 't', 'a'});
    Put32(out, dataBytes);
    for (int16_t s : samples) Put16(out, static_cast<uint16_t>(s));
    return WriteBytes(path, out);
}

bool ReadWavInfo(const std::string& path, WavInfo& info) {
    std::vector<uint8_t> d;
    if (!ReadBytes(path, d) || d.size() < 12) return false;
    if (std::string(d.begin(), d.begin() + 4) != "RIFF" || std::string(d.begin() + 8, d.begin() + 12) != "WAVE") return false;
    if (Get32(&d[4]) + 8ull != d.size()) return false;
    bool haveFormat = false, haveData = false;
    size_t pos = 12;
    while (pos + 8 <= d.size()) {
        const std::string id(d.begin() + pos, d.begin() + pos + 4);
        const uint32_t size = Get32(&d[pos + 4]);
        if (size > d.size() - pos - 8) return false;
        const uint8_t* body = &d[pos + 8];
        if (id == "fmt " && size >= 16) {
            info.format = static_cast<int>(Get16(body));
            info.channels = static_cast<int>(Get16(body + 2));
            info.sampleRate = static_cast<int>(Get32(body + 4));
            info.bitsPerSample = static_cast<int>(Get16(body + 14));
            haveFormat = true;
        } else if (id == "data") {
            info.dataBytes = size;
            haveData = true;
        }
        pos += 8 + size + (size & 1);
    }
    return haveFormat && haveData;
}

namespace {

void VarLen(std::vector<uint8_t>& out, uint32_t v) {
    uint8_t bytes[5];
    int n = 0;
    do {
        bytes[n++] = v & 0x7F;
        v >>= 7;
    } while (v);
    while (n > 1) out.push_back(bytes[--n] | 0x80);
    out.push_back(bytes[0]);
}

bool ReadVarLen(const std::vector<uint8_t>& d, size_t& pos, size_t end, uint32_t& v) {
    v = 0;
    for (int i = 0; i < 4; ++i) {
        if (pos >= end) return false;
        const uint8_t b = d[pos++];
        v = (v << 7) | (b & 0x7F);
        if (!(b & 0x80)) return true;
    }
    return false;
}

constexpr int kTicksPerBeat = 96;

}  // namespace

std::vector<uint8_t> MakeMidi(const std::string& name) {
    paint::Random rnd(paint::Hash(name));
    static constexpr int kScale[] = {0, 2, 4, 7, 9, 12, 14, 16};
    static constexpr int kPrograms[] = {0, 4, 11, 48, 80, 88};
    const int root = 55 + rnd.Range(0, 7);
    std::vector<uint8_t> track;
    const uint32_t tempo = 500000 - rnd.Range(0, 4) * 40000;  // microseconds a beat
    track.insert(track.end(), {0x00, 0xFF, 0x51, 0x03});
    track.insert(track.end(), {static_cast<uint8_t>(tempo >> 16), static_cast<uint8_t>(tempo >> 8), static_cast<uint8_t>(tempo)});
    track.insert(track.end(), {0x00, 0xC0, static_cast<uint8_t>(kPrograms[rnd.Range(0, 5)])});
    track.insert(track.end(), {0x00, 0xC1, 32});
    // Four bars of eighth notes over a held bass note per bar.
    for (int bar = 0; bar < 4; ++bar) {
        const int bass = root - 24 + kScale[(bar * 3) % 4];
        track.insert(track.end(), {0x00, 0x91, static_cast<uint8_t>(bass), 80});
        for (int step = 0; step < 8; ++step) {
            const int note = root + kScale[rnd.Range(0, 7)];
            track.insert(track.end(), {0x00, 0x90, static_cast<uint8_t>(note), 96});
            VarLen(track, kTicksPerBeat / 2);
            track.insert(track.end(), {0x80, static_cast<uint8_t>(note), 0});
        }
        track.insert(track.end(), {0x00, 0x81, static_cast<uint8_t>(bass), 0});
    }
    track.insert(track.end(), {0x00, 0xFF, 0x2F, 0x00});
    // One header, then the track behind its big-endian length. Written byte
    // by byte: GCC 12 at -O3 takes a range insert here for an overflow.
    constexpr uint8_t kHeader[] = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, kTicksPerBeat, 'M', 'T', 'r', 'k'};
    std::vector<uint8_t> out(std::begin(kHeader), std::end(kHeader));
    const uint32_t len = static_cast<uint32_t>(track.size());
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(len >> shift));
    for (uint8_t byte : track) out.push_back(byte);
    return out;
}

bool CheckMidi(const std::vector<uint8_t>& d, std::string& error) {
    if (d.size() < 14 || std::string(d.begin(), d.begin() + 4) != "MThd" || Be32(&d[4]) != 6) {
        error = "no MThd header";
        return false;
    }
    const int tracks = (d[10] << 8) | d[11];
    size_t pos = 14;
    for (int t = 0; t < tracks; ++t) {
        if (pos + 8 > d.size() || std::string(d.begin() + pos, d.begin() + pos + 4) != "MTrk") {
            error = "missing track " + std::to_string(t);
            return false;
        }
        const uint32_t len = Be32(&d[pos + 4]);
        if (len > d.size() - pos - 8) {
            error = "track longer than the file";
            return false;
        }
        size_t p = pos + 8;
        const size_t end = p + len;
        uint8_t status = 0;
        bool ended = false;
        while (p < end && !ended) {
            uint32_t delta;
            if (!ReadVarLen(d, p, end, delta) || p >= end) break;
            if (d[p] & 0x80) status = d[p++];
            if (status == 0xFF) {
                if (p >= end) break;
                const uint8_t type = d[p++];
                uint32_t n;
                if (!ReadVarLen(d, p, end, n) || n > end - p) break;
                p += n;
                ended = type == 0x2F;
            } else if (status == 0xF0 || status == 0xF7) {
                uint32_t n;
                if (!ReadVarLen(d, p, end, n) || n > end - p) break;
                p += n;
            } else if (status >= 0x80) {
                const int kind = status >> 4;
                p += (kind == 0xC || kind == 0xD) ? 1 : 2;
            } else {
                break;  // running status with no status yet
            }
        }
        if (!ended || p != end) {
            error = "track " + std::to_string(t) + " does not end with end-of-track";
            return false;
        }
        pos = end;
    }
    return true;
}

bool EncodeMp3(const std::string& lame, const std::string& wavPath, const std::string& mp3Path) {
    if (lame.empty() || access(lame.c_str(), X_OK) != 0) return false;
    std::vector<std::string> args = {lame, "--quiet", "-b", "64", wavPath, mp3Path};
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid;
    if (posix_spawn(&pid, lame.c_str(), nullptr, nullptr, argv.data(), environ) != 0) return false;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid) return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace standin
