// SPDX-License-Identifier: GPL-3.0-or-later
#include "synth.h"

#include <QFile>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <stdexcept>
#include <vector>

namespace contentgen {
namespace {

constexpr int kRate = 44100;
constexpr double kTwoPi = 2 * std::numbers::pi;

struct Partial {
    double ratio; // of the note's frequency
    double amp;   // relative level
    double decay; // seconds to fall to 1/e; 0 keeps the level
};

struct Timbre {
    std::vector<Partial> partials;
    double attack;      // seconds
    double release;     // seconds of fade at the note's end
    double vibrato = 0; // depth as a fraction of the frequency
    double vibratoRate = 5.5;
    double vibratoDelay = 0.25; // the vibrato swells in over this long, as a player's would
};

// Struck wood: a strong fundamental and a quickly dying fourth partial.
const Timbre kMarimba{{{1, 1, 0.45}, {4, 0.22, 0.05}, {10, 0.04, 0.012}}, 0.004, 0.06};
// Small bell: slightly inharmonic upper partials give the glassy shimmer.
const Timbre kBell{
    {{1, 1, 0.55}, {2.0, 0.32, 0.25}, {3.01, 0.14, 0.12}, {4.23, 0.07, 0.06}}, 0.003, 0.08};
// Soft brass-like tone for held chords: harmonics falling off as 1/n.
const Timbre kHorn{
    {{1, 1, 3.0}, {2, 0.5, 2.5}, {3, 0.3, 2.0}, {4, 0.18, 2.0}, {5, 0.1, 1.5}, {6, 0.06, 1.0}},
    0.035,
    0.35,
    0.006};

class Track {
public:
    explicit Track(double seconds) : samples_(size_t(std::ceil(seconds * kRate)), 0.0) {}

    void note(double start, double freq, double length, double level, const Timbre& t) {
        const size_t first = size_t(start * kRate);
        const size_t count = std::min(size_t(length * kRate), samples_.size() - first);
        std::vector<double> phase(t.partials.size(), 0.0);
        for (size_t i = 0; i < count; ++i) {
            const double time = double(i) / kRate;
            double env = 1.0;
            if (time < t.attack)
                env = 0.5 - 0.5 * std::cos(std::numbers::pi * time / t.attack);
            // Short notes get a shorter release, or they would be all fade and no note.
            const double release = std::min(t.release, length * 0.4);
            const double left = length - time;
            if (left < release)
                env *= 0.5 - 0.5 * std::cos(std::numbers::pi * std::max(left, 0.0) / release);
            double wobble = 1.0;
            if (t.vibrato > 0) {
                const double swell = std::min(time / t.vibratoDelay, 1.0);
                wobble += t.vibrato * swell * swell * std::sin(kTwoPi * t.vibratoRate * time);
            }
            double value = 0;
            for (size_t k = 0; k < t.partials.size(); ++k) {
                const Partial& part = t.partials[k];
                const double f = freq * part.ratio * wobble;
                if (f > 0.45 * kRate)
                    continue; // would alias
                phase[k] += kTwoPi * f / kRate;
                const double fade = part.decay > 0 ? std::exp(-time / part.decay) : 1.0;
                value += part.amp * fade * std::sin(phase[k]);
            }
            samples_[first + i] += level * env * value;
        }
    }

    // Decaying noise for the attack of a tick; a fixed seed keeps the file reproducible.
    void noiseBurst(double start, double length, double level, double decay) {
        std::uint32_t state = 0x2545f491u;
        double low = 0;
        const size_t first = size_t(start * kRate);
        for (size_t i = 0; i < size_t(length * kRate) && first + i < samples_.size(); ++i) {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            const double white = (state & 0xffff) / 32768.0 - 1.0;
            low += 0.35 * (white - low); // take the hiss off
            const double time = double(i) / kRate;
            samples_[first + i] += level * low * std::exp(-time / decay);
        }
    }

    // Scales to the given peak and fades both ends so playback starts and stops without a click.
    std::vector<std::int16_t> finish(double peak, double fadeIn, double fadeOut) const {
        std::vector<double> s = samples_;
        const size_t in = size_t(fadeIn * kRate), out = size_t(fadeOut * kRate);
        for (size_t i = 0; i < in && i < s.size(); ++i)
            s[i] *= double(i) / double(in);
        for (size_t i = 0; i < out && i < s.size(); ++i)
            s[s.size() - 1 - i] *= double(i) / double(out);
        double max = 0;
        for (double v : s)
            max = std::max(max, std::abs(v));
        const double gain = max > 0 ? peak / max : 0;
        std::vector<std::int16_t> pcm(s.size());
        for (size_t i = 0; i < s.size(); ++i)
            pcm[i] = std::int16_t(std::lround(s[i] * gain * 32767.0));
        return pcm;
    }

private:
    std::vector<double> samples_;
};

double midi(int note) {
    return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

void putLe(QByteArray& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.append(char((value >> (8 * i)) & 0xff));
}

void writeWav(const QString& path, const std::vector<std::int16_t>& pcm) {
    const std::uint32_t dataBytes = std::uint32_t(pcm.size() * 2);
    QByteArray out = "RIFF";
    putLe(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    putLe(out, 16, 4);
    putLe(out, 1, 2); // PCM
    putLe(out, 1, 2); // mono
    putLe(out, kRate, 4);
    putLe(out, kRate * 2, 4);
    putLe(out, 2, 2);
    putLe(out, 16, 2);
    out += "data";
    putLe(out, dataBytes, 4);
    for (std::int16_t v : pcm)
        putLe(out, std::uint16_t(v), 2);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(out) != out.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

std::vector<std::int16_t> silence() {
    return std::vector<std::int16_t>(size_t(kRate / 20), 0);
}

// Heard on every move, so it stays soft: a low wooden tap with a rounded 4 ms onset and no noise,
// peaking at a quarter of full scale (-12 dBFS).
std::vector<std::int16_t> tick() {
    Track t(0.06);
    const Timbre tap{{{1, 1, 0.014}, {2.76, 0.18, 0.006}}, 0.004, 0.012};
    t.note(0, 880, 0.06, 1.0, tap);
    return t.finish(0.25, 0.001, 0.008);
}

std::vector<std::int16_t> pairChime() {
    Track t(0.7);
    t.note(0.0, midi(84), 0.6, 0.8, kBell);  // C6
    t.note(0.09, midi(91), 0.6, 0.7, kBell); // G6
    return t.finish(0.6, 0.002, 0.05);
}

// Plain win: a quick rising arpeggio.
std::vector<std::int16_t> victoryPlain() {
    Track t(1.2);
    const int notes[] = {72, 76, 79, 84}; // C5 E5 G5 C6
    for (int i = 0; i < 4; ++i)
        t.note(0.13 * i, midi(notes[i]), i == 3 ? 0.8 : 0.35, 1.0, kMarimba);
    return t.finish(0.65, 0.002, 0.08);
}

// Top-ten place: arpeggio into a held chord with a bell on top.
std::vector<std::int16_t> victoryTopTen() {
    Track t(2.0);
    const int run[] = {67, 72, 76, 79}; // G4 C5 E5 G5
    for (int i = 0; i < 4; ++i)
        t.note(0.11 * i, midi(run[i]), 0.3, 0.9, kMarimba);
    for (int n : {60, 64, 67, 72}) // C major, held
        t.note(0.46, midi(n), 1.5, 0.32, kHorn);
    t.note(0.46, midi(84), 1.2, 0.45, kBell);
    t.note(0.62, midi(88), 1.1, 0.35, kBell);
    return t.finish(0.7, 0.002, 0.12);
}

// First place: a fanfare call, a big held chord and a sparkle of bells running up.
std::vector<std::int16_t> victoryFirst() {
    Track t(3.2);
    const struct {
        double at;
        int note;
        double length;
    } call[] = {{0.00, 67, 0.13}, {0.15, 67, 0.13}, {0.30, 67, 0.13}, {0.45, 72, 0.40},
                {0.78, 76, 0.16}, {0.96, 72, 0.16}, {1.14, 79, 0.30}};
    for (const auto& c : call)
        t.note(c.at, midi(c.note), c.length, 0.55, kHorn);
    for (int n : {48, 60, 64, 67, 72, 76}) // C3 .. E5
        t.note(1.40, midi(n), 1.75, n == 48 ? 0.35 : 0.24, kHorn);
    const int sparkle[] = {84, 88, 91, 96, 100, 103}; // C6 up to G7
    for (int i = 0; i < 6; ++i)
        t.note(1.48 + 0.09 * i, midi(sparkle[i]), 1.0, 0.3 - 0.025 * i, kBell);
    t.note(2.05, midi(96), 1.1, 0.3, kBell);
    return t.finish(0.75, 0.003, 0.2);
}

} // namespace

void writeSounds(const QDir& dataDir) {
    if (!dataDir.mkpath("sounds"))
        throw std::runtime_error("cannot create the sounds folder");
    const QDir dir(dataDir.filePath("sounds"));
    writeWav(dir.filePath("No.wav"), silence());
    writeWav(dir.filePath("click1.wav"), tick());
    writeWav(dir.filePath("click2.wav"), pairChime());
    writeWav(dir.filePath("victory.wav"), victoryPlain());
    writeWav(dir.filePath("victory10.wav"), victoryTopTen());
    writeWav(dir.filePath("victory1.wav"), victoryFirst());
}

} // namespace contentgen
