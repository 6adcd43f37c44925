#include "chime_synth.h"

#include "model/reminder.h"

#include <QByteArray>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <numbers>

namespace {

constexpr double twoPi = 2.0 * std::numbers::pi;
constexpr double rate = ChimeSynth::sampleRate;

// A buffer under construction; every voice is mixed into it.
class Track {
public:
    explicit Track(double seconds) : m_samples(static_cast<qsizetype>(seconds * rate), 0.0f) {}

    // A sine partial starting at `start` seconds, with an attack and an
    // exponential decay (time constant `decay` seconds).
    void partial(double start, double freq, double amp, double attack, double decay,
                 double length = -1)
    {
        mix(start, length, [=](double t) {
            const double env = std::min(1.0, t / attack) * std::exp(-t / decay);
            return amp * env * std::sin(twoPi * freq * t);
        });
    }

    void mix(double start, double length, const std::function<double(double)>& voice)
    {
        const auto first = static_cast<qsizetype>(start * rate);
        auto last = m_samples.size();
        if (length > 0)
            last = std::min(last, first + static_cast<qsizetype>(length * rate));
        for (qsizetype i = std::max<qsizetype>(first, 0); i < last; ++i)
            m_samples[i] += static_cast<float>(voice(static_cast<double>(i - first) / rate));
    }

    // Scales to a comfortable peak and fades out the last 30 ms along a
    // squared sine, so whatever still sounds there ends softly, not in a click.
    QList<float> finish(double peak = 0.7)
    {
        float max = 0;
        for (float s : m_samples)
            max = std::max(max, std::abs(s));
        if (max > 0) {
            const float gain = static_cast<float>(peak) / max;
            for (float& s : m_samples)
                s *= gain;
        }
        const qsizetype fade =
            std::min<qsizetype>(m_samples.size(), static_cast<qsizetype>(0.03 * rate));
        for (qsizetype i = 0; i < fade; ++i) {
            const double gain =
                std::sin(std::numbers::pi / 2 * static_cast<double>(i) / static_cast<double>(fade));
            m_samples[m_samples.size() - 1 - i] *= static_cast<float>(gain * gain);
        }
        return m_samples;
    }

private:
    QList<float> m_samples;
};

// Deterministic noise, so a chime renders the same every time.
class Noise {
public:
    double next()
    {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(m_state >> 11) / static_cast<double>(1ULL << 53) * 2.0 - 1.0;
    }

private:
    quint64 m_state = 0x9e3779b97f4a7c15ULL;
};

// A glassy bell: the inharmonic partials of a struck glass.
QList<float> glass()
{
    Track t(1.4);
    const double f = 1318.5;
    t.partial(0, f, 1.0, 0.002, 0.45);
    t.partial(0, f * 2.76, 0.45, 0.002, 0.22);
    t.partial(0, f * 5.40, 0.25, 0.001, 0.10);
    t.partial(0, f * 8.93, 0.12, 0.001, 0.05);
    return t.finish();
}

// A soft ping: a pure high tone with a gentle attack.
QList<float> ping()
{
    Track t(0.9);
    t.partial(0, 1760, 1.0, 0.008, 0.25);
    t.partial(0, 3520, 0.12, 0.008, 0.1);
    return t.finish();
}

// A pop: a short downward pitch sweep.
QList<float> pop()
{
    Track t(0.16);
    t.mix(0, -1, [](double s) {
        const double phase = twoPi * (600 * s - 1500 * s * s);
        return std::exp(-s / 0.03) * std::sin(phase);
    });
    return t.finish();
}

// A tiny tink: very short and very high.
QList<float> tink()
{
    Track t(0.22);
    t.partial(0, 3951, 1.0, 0.0005, 0.04);
    t.partial(0, 6200, 0.4, 0.0005, 0.02);
    return t.finish();
}

// A rising fanfare: a brassy arpeggio C5 E5 G5 C6.
QList<float> hero()
{
    Track t(1.0);
    const double notes[] = {523.25, 659.25, 783.99, 1046.5};
    for (int n = 0; n < 4; ++n) {
        const double start = n * 0.11;
        const double length = n == 3 ? 0.85 : 0.13;
        for (int h = 1; h <= 5; ++h)
            t.partial(start, notes[n] * h, 1.0 / h, 0.01, n == 3 ? 0.35 : 0.1, length);
    }
    return t.finish();
}

// A low purr: a low tone trembling twenty-five times a second.
QList<float> purr()
{
    Track t(0.8);
    t.mix(0, -1, [](double s) {
        const double env = std::min(1.0, s / 0.05) * std::exp(-s / 0.4);
        const double tremble = 0.55 + 0.45 * std::sin(twoPi * 25 * s);
        return env * tremble * (std::sin(twoPi * 90 * s) + 0.5 * std::sin(twoPi * 180 * s));
    });
    return t.finish();
}

// A breathy blow: noise filtered around a hollow pitch, swelling and fading.
QList<float> blow()
{
    Track t(0.7);
    Noise noise;
    double low = 0, band = 0;
    t.mix(0, -1, [&](double s) {
        // A state-variable band-pass filter at 700 Hz.
        const double f = 2 * std::sin(std::numbers::pi * 700 / rate);
        const double high = noise.next() - low - 0.3 * band;
        band += f * high;
        low += f * band;
        const double env = std::sin(std::numbers::pi * std::min(1.0, s / 0.7));
        return env * band;
    });
    return t.finish(0.6);
}

// A hollow bottle: a breathy onset into a round, wavering tone.
QList<float> bottle()
{
    Track t(0.75);
    Noise noise;
    t.mix(0, -1, [&](double s) {
        const double vibrato = 4 * std::sin(twoPi * 5 * s);
        const double env = std::min(1.0, s / 0.04) * std::exp(-s / 0.25);
        const double tone = std::sin(twoPi * (392 + vibrato) * s) +
                            0.15 * std::sin(twoPi * 3 * (392 + vibrato) * s);
        // The breath swells in over 2 ms rather than starting with a click.
        const double breath = std::min(1.0, s / 0.002) * std::exp(-s / 0.03);
        return env * tone + 0.25 * breath * noise.next();
    });
    return t.finish();
}

// A croak: two bursts of a low, rough pulse.
QList<float> frog()
{
    Track t(0.62);
    for (double start : {0.0, 0.3}) {
        t.mix(start, 0.24, [](double s) {
            // Squared, so each croak dies away rather than stopping.
            const double arch = std::sin(std::numbers::pi * s / 0.24);
            const double env = arch * arch;
            const double rough = 0.5 + 0.5 * std::sin(twoPi * 32 * s);
            double pulse = 0;
            for (int h = 1; h <= 8; ++h)
                pulse += std::sin(twoPi * 170 * h * s) / h;
            return env * rough * pulse;
        });
    }
    return t.finish();
}

// A funky low tone: a square-ish bass with a sweeping wah filter.
QList<float> funk()
{
    Track t(0.6);
    double low = 0, band = 0;
    t.mix(0, -1, [&](double s) {
        const double square = std::sin(twoPi * 110 * s) > 0 ? 1.0 : -1.0;
        const double cutoff = 300 + 1500 * std::sin(std::numbers::pi * std::min(1.0, s / 0.35));
        const double f = 2 * std::sin(std::numbers::pi * cutoff / rate);
        const double high = square - low - 0.25 * band;
        band += f * high;
        low += f * band;
        return std::min(1.0, s / 0.01) * std::exp(-s / 0.3) * low;
    });
    return t.finish();
}

// Morse-like beeps: dit dit dah.
QList<float> morse()
{
    Track t(0.72);
    const double starts[] = {0.0, 0.13, 0.26};
    const double lengths[] = {0.08, 0.08, 0.3};
    // Crisp dits; the closing dah rings out over 40 ms instead of snapping off.
    const double releases[] = {0.005, 0.005, 0.04};
    for (int i = 0; i < 3; ++i) {
        const double length = lengths[i];
        const double release = releases[i];
        t.mix(starts[i], length, [length, release](double s) {
            const double tail = std::min(1.0, (length - s) / release);
            const double edge = std::min(s / 0.005, tail * tail);
            return std::min(1.0, edge) * std::sin(twoPi * 880 * s);
        });
    }
    return t.finish(0.55);
}

// A sonar ping with two fading echoes.
QList<float> submarine()
{
    Track t(1.3);
    const double echoes[][2] = {{0.0, 1.0}, {0.38, 0.4}, {0.76, 0.16}};
    for (const auto& echo : echoes) {
        t.partial(echo[0], 1046.5, echo[1], 0.01, 0.16);
        t.partial(echo[0], 523.25, echo[1] * 0.3, 0.01, 0.2);
    }
    return t.finish();
}

// A low thud: a falling sub-bass with a soft click on top.
QList<float> basso()
{
    Track t(0.45);
    Noise noise;
    t.mix(0, -1, [&](double s) {
        const double phase = twoPi * (75 * s - 30 * s * s);
        return std::exp(-s / 0.12) * std::sin(phase) + 0.2 * std::exp(-s / 0.004) * noise.next();
    });
    return t.finish();
}

// A two-note mallet: a marimba-like G5 then C6.
QList<float> sosumi()
{
    Track t(0.8);
    const double notes[][2] = {{0.0, 783.99}, {0.16, 1046.5}};
    for (const auto& note : notes) {
        t.partial(note[0], note[1], 1.0, 0.002, 0.18);
        t.partial(note[0], note[1] * 4.0, 0.35, 0.001, 0.03);
        t.partial(note[0], note[1] * 10.0, 0.1, 0.0005, 0.01);
    }
    return t.finish();
}

} // namespace

QList<float> ChimeSynth::render(const QString& name)
{
    // In the order of systemSounds(), which names them.
    static constexpr std::array<QList<float> (*)(), 14> voices = {
        glass,  ping, pop,  tink,  hero,      purr,  blow,
        bottle, frog, funk, morse, submarine, basso, sosumi,
    };
    const qsizetype index = systemSounds().indexOf(name);
    const auto make =
        index >= 0 && index < qsizetype(voices.size()) ? voices[size_t(index)] : nullptr;
    return make ? make() : QList<float>();
}

QByteArray ChimeSynth::renderPcm16(const QString& name)
{
    const QList<float> samples = render(name);
    QByteArray pcm(samples.size() * 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < samples.size(); ++i) {
        const auto value =
            static_cast<qint16>(std::lround(std::clamp(samples[i], -1.0f, 1.0f) * 32767.0f));
        pcm[2 * i] = static_cast<char>(value & 0xff);
        pcm[2 * i + 1] = static_cast<char>((value >> 8) & 0xff);
    }
    return pcm;
}
