// Writes the game's wave files: block bells, tapper, lever, whistles and message chimes, all
// synthesised here so that nothing recorded has to be shipped. Run at build time:
//   wave_generator OUTPUT_DIRECTORY
// Every file is 16-bit mono PCM at 22050 samples a second.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <functional>
#include <iostream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int Rate = 22050;
constexpr double TwoPi = 2.0 * std::numbers::pi;

using Samples = std::vector<double>;

// A fixed generator, so that every build writes the same files.
class Noise {
public:
    double Next() {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<double>(state_ >> 8) / static_cast<double>(1u << 24) * 2.0 - 1.0;
    }

private:
    uint32_t state_ = 12345u;
};

int SampleCount(double seconds) {
    return static_cast<int>(seconds * Rate);
}

// Mixes source into target starting at a time, growing target as needed.
void MixAt(Samples& target, const Samples& source, double startSeconds, double gain = 1.0) {
    const auto start = static_cast<std::size_t>(SampleCount(startSeconds));
    if (target.size() < start + source.size()) target.resize(start + source.size(), 0.0);
    for (std::size_t i = 0; i < source.size(); ++i) target[start + i] += source[i] * gain;
}

struct Partial {
    double Ratio;  // of the fundamental
    double Level;  // starting amplitude
    double Decay;  // time constant in seconds
};

// One stroke of a bell: inharmonic partials, each dying away at its own rate, and the click of
// the hammer on the metal.
Samples BellStroke(double fundamental, double seconds, Noise& noise) {
    static const Partial partials[] = {
        {0.50, 0.20, 0.40}, {1.00, 1.00, 0.32}, {1.19, 0.45, 0.24}, {1.50, 0.30, 0.20},
        {2.00, 0.40, 0.15}, {2.52, 0.25, 0.10}, {2.68, 0.18, 0.08}, {3.36, 0.12, 0.05},
    };
    Samples out(static_cast<std::size_t>(SampleCount(seconds)), 0.0);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / Rate;
        double v = 0.0;
        for (const Partial& p : partials) {
            v += p.Level * std::exp(-t / p.Decay) * std::sin(TwoPi * fundamental * p.Ratio * t);
        }
        if (t < 0.004) v += noise.Next() * 0.6 * (1.0 - t / 0.004);
        out[i] = v;
    }
    return out;
}

// A wooden knock: a short thump with a little rattle.
Samples Knock(double pitch, double seconds, Noise& noise) {
    Samples out(static_cast<std::size_t>(SampleCount(seconds)), 0.0);
    double low = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / Rate;
        low += 0.25 * (noise.Next() - low);
        const double body = std::sin(TwoPi * pitch * t) * std::exp(-t / 0.018);
        const double rattle = low * std::exp(-t / 0.008);
        out[i] = 0.9 * body + 0.7 * rattle;
    }
    return out;
}

// A steady tone with a soft start and end, optionally gliding in pitch and breathy.
Samples Tone(const std::vector<double>& frequencies, double seconds, double attack, double release,
             double glide, double breath, Noise& noise) {
    Samples out(static_cast<std::size_t>(SampleCount(seconds)), 0.0);
    std::vector<double> phase(frequencies.size(), 0.0);
    double hiss = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / Rate;
        const double envelope = std::min({1.0, t / attack, std::max(0.0, (seconds - t) / release)});
        // The pitch settles from slightly below as the steam gets going.
        const double bend = 1.0 - glide * std::exp(-t / 0.08);
        double v = 0.0;
        for (std::size_t k = 0; k < frequencies.size(); ++k) {
            phase[k] += TwoPi * frequencies[k] * bend / Rate;
            v += std::sin(phase[k]) + 0.2 * std::sin(2.0 * phase[k]);
        }
        hiss += 0.5 * (noise.Next() - hiss);
        out[i] = envelope * (v / static_cast<double>(frequencies.size()) + breath * hiss);
    }
    return out;
}

// A soft struck note for the message chimes.
Samples Chime(double frequency, double seconds) {
    Samples out(static_cast<std::size_t>(SampleCount(seconds)), 0.0);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / Rate;
        out[i] = std::exp(-t / 0.35) *
                 (std::sin(TwoPi * frequency * t) +
                  0.3 * std::sin(TwoPi * 2.0 * frequency * t) * std::exp(-t / 0.1));
    }
    return out;
}

// The lever: the catch lifting, the long pull through the frame and the heavy clunk home.
Samples LeverSound(Noise& noise) {
    Samples out;
    MixAt(out, Knock(900.0, 0.05, noise), 0.0, 0.4);
    Samples slide(static_cast<std::size_t>(SampleCount(0.35)), 0.0);
    double rumble = 0.0;
    for (std::size_t i = 0; i < slide.size(); ++i) {
        const double t = static_cast<double>(i) / Rate;
        rumble += 0.05 * (noise.Next() - rumble);
        const double envelope = std::sin(std::numbers::pi * t / 0.35);
        slide[i] = envelope * (3.0 * rumble + 0.15 * std::sin(TwoPi * 55.0 * t));
    }
    MixAt(out, slide, 0.06, 0.5);
    Samples clunk(static_cast<std::size_t>(SampleCount(0.3)), 0.0);
    double low = 0.0;
    for (std::size_t i = 0; i < clunk.size(); ++i) {
        const double t = static_cast<double>(i) / Rate;
        low += 0.15 * (noise.Next() - low);
        clunk[i] = std::sin(TwoPi * 70.0 * t) * std::exp(-t / 0.06) +
                   0.5 * std::sin(TwoPi * 160.0 * t) * std::exp(-t / 0.03) +
                   1.5 * low * std::exp(-t / 0.02);
    }
    MixAt(out, clunk, 0.42, 1.0);
    MixAt(out, Knock(600.0, 0.05, noise), 0.55, 0.3);
    return out;
}

// Scales to a comfortable level and writes a 16-bit mono PCM wave file.
bool WriteWave(const std::string& path, Samples samples) {
    double peak = 0.0;
    for (double v : samples) peak = std::max(peak, std::abs(v));
    const double scale = peak > 0.0 ? 0.7 / peak : 0.0;
    // A fade over the last tenth of a second keeps the end from clicking.
    const std::size_t fade = std::min<std::size_t>(samples.size(), Rate / 10);
    for (std::size_t i = 0; i < fade; ++i) {
        samples[samples.size() - 1 - i] *= static_cast<double>(i) / static_cast<double>(fade);
    }
    std::ofstream out(path, std::ios::binary);
    auto put = [&out](uint32_t value, int bytes) {
        for (int b = 0; b < bytes; ++b) out.put(static_cast<char>((value >> (8 * b)) & 0xff));
    };
    const auto dataBytes = static_cast<uint32_t>(samples.size() * 2);
    out.write("RIFF", 4);
    put(36 + dataBytes, 4);
    out.write("WAVEfmt ", 8);
    put(16, 4);
    put(1, 2);  // PCM
    put(1, 2);  // mono
    put(Rate, 4);
    put(Rate * 2, 4);
    put(2, 2);
    put(16, 2);
    out.write("data", 4);
    put(dataBytes, 4);
    for (double v : samples) {
        const auto s = static_cast<int16_t>(std::lround(std::clamp(v * scale, -1.0, 1.0) * 32767));
        put(static_cast<uint16_t>(s), 2);
    }
    return static_cast<bool>(out);
}

// Strokes of a group follow each other at the pace of a signalman's plunger.
constexpr double StrokeSpacing = 0.22;

Samples StrokeGroup(int strokes, double spacing, double tail,
                    const std::function<Samples()>& stroke) {
    Samples out;
    // Each stroke rings on under the next, as a bell does.
    for (int k = 0; k < strokes; ++k) MixAt(out, stroke(), k * spacing);
    out.resize(static_cast<std::size_t>(SampleCount((strokes - 1) * spacing + tail)), 0.0);
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: wave_generator OUTPUT_DIRECTORY\n";
        return 2;
    }
    const std::string dir = std::string(argv[1]) + "/";
    Noise noise;
    bool ok = true;
    auto write = [&](const std::string& name, Samples samples) {
        if (!WriteWave(dir + name, std::move(samples))) {
            std::cerr << "wave_generator: cannot write " << dir << name << '\n';
            ok = false;
        }
    };

    // Each neighbouring box's bell has its own note, so the signalman knows which is ringing.
    const double boxBell[] = {0.0, 880.0, 1046.5, 740.0, 622.3, 1174.7};
    const int groupSizes[] = {1, 2, 3, 4, 5, 8};
    for (int box = 1; box <= 5; ++box) {
        for (int size : groupSizes) {
            const std::string name =
                "sndBell" + std::to_string(box) + (size == 1 ? "" : std::to_string(size)) + ".wav";
            write(name, StrokeGroup(size, StrokeSpacing, 0.7,
                                    [&] { return BellStroke(boxBell[box], 0.7, noise); }));
        }
    }
    for (int size : groupSizes) {
        const std::string name =
            "sndTapper" + (size == 1 ? std::string() : std::to_string(size)) + ".wav";
        // The tail keeps the pause between groups of a code longer than the beats within one.
        write(name,
              StrokeGroup(size, StrokeSpacing, 0.45, [&] { return Knock(190.0, 0.12, noise); }));
    }
    for (int bell = 1; bell <= 4; ++bell) {
        write("sndbell" + std::to_string(bell) + ".wav", BellStroke(boxBell[bell], 1.0, noise));
    }

    write("sndLever.wav", LeverSound(noise));
    write("sndwGWR.wav", Tone({1180.0}, 1.3, 0.05, 0.15, 0.06, 0.25, noise));
    write("sndwLMS.wav", Tone({415.0, 523.0}, 1.3, 0.08, 0.2, 0.04, 0.15, noise));
    write("sndwChime.wav", Tone({370.0, 466.0, 554.0}, 1.6, 0.1, 0.25, 0.03, 0.12, noise));

    Samples bonus;
    MixAt(bonus, Chime(784.0, 0.5), 0.0);
    MixAt(bonus, Chime(988.0, 0.5), 0.12);
    MixAt(bonus, Chime(1175.0, 0.7), 0.24);
    write("sndbonus.wav", bonus);

    Samples error;
    MixAt(error, Tone({220.0, 233.0}, 0.22, 0.01, 0.04, 0.0, 0.0, noise), 0.0);
    MixAt(error, Tone({165.0, 175.0}, 0.3, 0.01, 0.08, 0.0, 0.0, noise), 0.25);
    write("snderror.wav", error);

    write("sndnotify.wav", Chime(660.0, 0.35));

    Samples message;
    for (int ring = 0; ring < 2; ++ring) {
        MixAt(message, Chime(988.0, 0.35), ring * 0.45);
        MixAt(message, Chime(784.0, 0.45), ring * 0.45 + 0.15);
    }
    write("sndmessage.wav", message);

    write("sndnormal.wav", Chime(523.0, 0.6));
    Samples passed;
    MixAt(passed, Chime(659.0, 0.4), 0.0);
    MixAt(passed, Chime(523.0, 0.6), 0.2);
    write("sndpassgr.wav", passed);
    write("sndurgent.wav",
          StrokeGroup(6, 0.12, 0.5, [&] { return BellStroke(1318.5, 0.5, noise); }));

    return ok ? 0 : 1;
}
