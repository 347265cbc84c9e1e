// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

// wavegen: synthesises Tolvenn's two sound effects as complete RIFF WAVE images.
//
//   wavegen sui OUTFILE   watery swish with bubbles, 16-bit mono, 22016 samples
//   wavegen uge OUTFILE   short comic squelch, 8-bit mono, 4319 samples
//
// Output is byte-identical on every run: the only randomness is a fixed-seed
// xorshift32, and all integers are written little-endian by hand.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr std::uint32_t kRate = 22050;
constexpr std::size_t kSuiSamples = 22016;
constexpr std::size_t kUgeSamples = 4319;

class XorShift32 {
public:
    explicit XorShift32(std::uint32_t seed) : state_(seed) {}
    std::uint32_t next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    // Uniform in [-1, 1).
    double bipolar() { return static_cast<double>(next()) / 2147483648.0 - 1.0; }

private:
    std::uint32_t state_;
};

void put16(std::vector<std::uint8_t>& out, std::uint16_t v)
{
    out.push_back(static_cast<std::uint8_t>(v & 0xFFu));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>((v >> (8 * i)) & 0xFFu));
}

void putTag(std::vector<std::uint8_t>& out, const char* tag)
{
    out.insert(out.end(), tag, tag + 4);
}

// Wraps PCM bytes in a RIFF/WAVE container; odd data chunks get the pad byte
// RIFF requires, which counts in the RIFF size but not in the data size.
std::vector<std::uint8_t> wrapWave(const std::vector<std::uint8_t>& pcm, std::uint16_t bits)
{
    const std::uint16_t blockAlign = bits / 8;
    const auto dataSize = static_cast<std::uint32_t>(pcm.size());
    const std::uint32_t pad = dataSize & 1u;

    std::vector<std::uint8_t> out;
    out.reserve(44 + dataSize + pad);
    putTag(out, "RIFF");
    put32(out, 4 + (8 + 16) + (8 + dataSize + pad));
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, kRate);
    put32(out, kRate * blockAlign);
    put16(out, blockAlign);
    put16(out, bits);
    putTag(out, "data");
    put32(out, dataSize);
    out.insert(out.end(), pcm.begin(), pcm.end());
    if (pad)
        out.push_back(0);
    return out;
}

// Scales the signal so its largest excursion equals `peak`.
void normalise(std::vector<double>& s, double peak)
{
    double m = 0.0;
    for (double v : s)
        m = std::max(m, std::fabs(v));
    if (m > 0.0)
        for (double& v : s)
            v *= peak / m;
}

// Short linear ramps at both ends so playback never starts or stops on a click.
void fadeEdges(std::vector<double>& s, std::size_t len)
{
    len = std::min(len, s.size() / 2);
    for (std::size_t i = 0; i < len; ++i) {
        const double g = static_cast<double>(i) / static_cast<double>(len);
        s[i] *= g;
        s[s.size() - 1 - i] *= g;
    }
}

std::vector<std::uint8_t> makeSui()
{
    std::vector<double> s(kSuiSamples, 0.0);
    XorShift32 rng(0x2545F491u);
    const double n = static_cast<double>(kSuiSamples);

    // Swish: noise through a resonant band-pass whose centre sweeps up and
    // back down while the level swells and fades.
    double low = 0.0, band = 0.0;
    for (std::size_t i = 0; i < kSuiSamples; ++i) {
        const double t = static_cast<double>(i) / n;
        const double centre = 350.0 + 1300.0 * std::sin(kPi * t) * std::sin(kPi * t);
        const double f = 2.0 * std::sin(kPi * centre / kRate);
        const double damping = 0.35;
        const double high = rng.bipolar() - low - damping * band;
        band += f * high;
        low += f * band;
        const double swell = std::pow(std::sin(kPi * t), 2.0) * (0.75 + 0.25 * std::sin(2.0 * kPi * 5.0 * t));
        s[i] = 0.55 * band * swell;
    }

    // Bubbles: short sine chirps rising in pitch, each with a quick decay.
    struct Bloop {
        double start, length, fromHz, toHz, level;
    };
    const Bloop bloops[] = {
        {0.12, 0.060, 320.0, 900.0, 0.55},
        {0.27, 0.045, 450.0, 1200.0, 0.45},
        {0.41, 0.070, 260.0, 780.0, 0.60},
        {0.55, 0.040, 520.0, 1400.0, 0.40},
        {0.68, 0.055, 380.0, 1050.0, 0.50},
        {0.80, 0.050, 300.0, 860.0, 0.35},
    };
    for (const Bloop& b : bloops) {
        const auto first = static_cast<std::size_t>(b.start * kRate);
        const auto count = static_cast<std::size_t>(b.length * kRate);
        double phase = 0.0;
        for (std::size_t k = 0; k < count && first + k < kSuiSamples; ++k) {
            const double u = static_cast<double>(k) / static_cast<double>(count);
            const double hz = b.fromHz * std::pow(b.toHz / b.fromHz, u);
            phase += 2.0 * kPi * hz / kRate;
            const double env = std::min(1.0, u * 12.0) * std::pow(1.0 - u, 1.5);
            s[first + k] += b.level * env * std::sin(phase);
        }
    }

    normalise(s, 0.68);
    fadeEdges(s, 220);

    std::vector<std::uint8_t> pcm;
    pcm.reserve(kSuiSamples * 2);
    for (double v : s) {
        const long q = std::lround(std::clamp(v, -1.0, 1.0) * 32767.0);
        put16(pcm, static_cast<std::uint16_t>(static_cast<std::int16_t>(q)));
    }
    return pcm;
}

std::vector<std::uint8_t> makeUge()
{
    std::vector<double> s(kUgeSamples, 0.0);
    XorShift32 rng(0x9E3779B9u);
    const double n = static_cast<double>(kUgeSamples);

    // A wobbling tone gliding down in pitch, made buzzy and wet with a soft
    // clip and a little noise; it dies away to silence by the last sample.
    double phase = 0.0;
    double grit = 0.0;
    for (std::size_t i = 0; i < kUgeSamples; ++i) {
        const double t = static_cast<double>(i) / n;
        const double seconds = static_cast<double>(i) / kRate;
        const double wobble = 1.0 + 0.18 * std::sin(2.0 * kPi * 28.0 * seconds);
        const double hz = 720.0 * std::pow(110.0 / 720.0, t) * wobble;
        phase += 2.0 * kPi * hz / kRate;
        grit = 0.6 * grit + 0.4 * rng.bipolar();
        const double tone = std::tanh(2.5 * std::sin(phase)) + 0.35 * std::sin(2.0 * phase);
        const double env = std::min(1.0, t * 25.0) * std::pow(1.0 - t, 1.4);
        s[i] = env * (0.8 * tone + 0.3 * grit);
    }

    normalise(s, 0.68);
    fadeEdges(s, 40);

    std::vector<std::uint8_t> pcm;
    pcm.reserve(kUgeSamples);
    for (double v : s) {
        const long q = 128 + std::lround(std::clamp(v, -1.0, 1.0) * 127.0);
        pcm.push_back(static_cast<std::uint8_t>(std::clamp(q, 0L, 255L)));
    }
    return pcm;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc == 3 ? argv[1] : "";
    std::vector<std::uint8_t> image;
    if (mode == "sui")
        image = wrapWave(makeSui(), 16);
    else if (mode == "uge")
        image = wrapWave(makeUge(), 8);
    else {
        std::fprintf(stderr, "usage: wavegen sui|uge OUTFILE\n");
        return 2;
    }

    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "wavegen: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
