// Build tool: writes the ten default alarm sounds, alarm01.wav to alarm10.wav, into the folder
// named on the command line. Each is a short tone pattern of its own so the user can tell the
// sounds apart in the options and the alert window. Plain C++, no Qt, so it builds first.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;

// One tone: a frequency gliding from start to end, then silence; decay > 0 makes it ring out.
struct Tone
{
    double startHz;
    double endHz;
    int ms;
    int gapMs;
    double decay = 0.0;
};

const std::vector<std::vector<Tone>> kSounds = {
    {{880, 880, 400, 0}},                                        // beep
    {{660, 660, 180, 90}, {660, 660, 180, 0}},                   // double beep
    {{988, 988, 90, 60}, {988, 988, 90, 60}, {988, 988, 90, 0}}, // triple pip
    {{440, 880, 500, 0}},                                        // rising
    {{880, 440, 500, 0}},                                        // falling
    {{784, 784, 250, 20, 4}, {622, 622, 400, 0, 4}},             // ding-dong
    {{1047, 1047, 50, 0},
     {1175, 1175, 50, 0},
     {1047, 1047, 50, 0},
     {1175, 1175, 50, 0},
     {1047, 1047, 50, 0},
     {1175, 1175, 50, 0},
     {1047, 1047, 50, 0},
     {1175, 1175, 50, 0}},                                                               // trill
    {{523, 523, 150, 30}, {659, 659, 150, 30}, {784, 784, 250, 0}},                      // arpeggio
    {{330, 330, 120, 80}, {330, 330, 120, 80}, {330, 330, 120, 80}, {330, 330, 120, 0}}, // low pulses
    {{1319, 1319, 800, 0, 5}},                                                           // chime
};

std::vector<int16_t> Render(const std::vector<Tone>& tones)
{
    std::vector<int16_t> out;
    for (const Tone& t : tones) {
        const int n = t.ms * kRate / 1000;
        const int ramp = kRate / 200; // 5 ms in and out, so no clicks
        double phase = 0;
        for (int i = 0; i < n; ++i) {
            const double x = double(i) / n;
            phase += 2 * kPi * (t.startHz + (t.endHz - t.startHz) * x) / kRate;
            double amp = 0.45 * std::exp(-t.decay * x);
            amp *= std::fmin(1.0, std::fmin(double(i) / ramp, double(n - 1 - i) / ramp));
            out.push_back(int16_t(std::lround(amp * 32767 * std::sin(phase))));
        }
        out.insert(out.end(), size_t(t.gapMs) * kRate / 1000, int16_t(0));
    }
    return out;
}

void Put32(std::ofstream& f, uint32_t v)
{
    const char b[4] = {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
    f.write(b, 4);
}

void Put16(std::ofstream& f, uint16_t v)
{
    const char b[2] = {char(v), char(v >> 8)};
    f.write(b, 2);
}

bool WriteWave(const std::string& path, const std::vector<int16_t>& samples)
{
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    const auto bytes = uint32_t(samples.size() * 2);
    f.write("RIFF", 4);
    Put32(f, 36 + bytes);
    f.write("WAVEfmt ", 8);
    Put32(f, 16);
    Put16(f, 1); // PCM
    Put16(f, 1); // mono
    Put32(f, kRate);
    Put32(f, kRate * 2);
    Put16(f, 2);
    Put16(f, 16);
    f.write("data", 4);
    Put32(f, bytes);
    for (int16_t s : samples) Put16(f, uint16_t(s));
    return bool(f);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    for (size_t i = 0; i < kSounds.size(); ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "/alarm%02zu.wav", i + 1);
        const std::string path = std::string(argv[1]) + name;
        if (!WriteWave(path, Render(kSounds[i]))) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
