#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace cordavo {

// Frames per period asked of the sound system unless the user chose others:
// 5.3 ms at 48 kHz, short enough for a key to be heard at once, long enough
// for the sound servers to play without dropouts.
inline constexpr int kDefaultBufferFrames = 256;
inline constexpr int kOutputSampleRate = 48000;

// What the user chose to play through; empty names ask for the automatic
// choice of sound system and for its default device.
struct SoundChoice {
    QString api;
    QString device;
    int bufferFrames = kDefaultBufferFrames;
};

// A sound system the program was built with: the short name it is stored
// under ("jack", "pulse", "alsa", "wasapi", "ds") and the name users know.
struct SoundApi {
    QString id;
    QString name;
};

// What went wrong with the sound device, for the window to put in words.
struct SoundProblem {
    enum Kind {
        None,
        NoOutput,     // no sound system offers an output device
        ApiGone,      // the chosen sound system offers none now; the automatic choice plays
        DeviceGone,   // the chosen device is not there now; the default plays
        OpenFailed,   // the stream could not be made
        StartFailed,  // the stream was made but did not start
        NotStarted,   // the stream took no sound within a second, and was closed
        StreamFailed, // the sound system stopped the stream while it played
    };
    Kind kind = None;
    QString api;    // the sound system's name as users know it
    QString device; // the device concerned
    QString detail; // the sound system's own words, when it gave any
};

// A sound device that pulls mono samples from 'render' as it plays, at the
// rate of the device's own mixer (48 kHz where it has none), told to
// 'prepare' before the device first asks: a rate the sound system would have
// to convert leaves the conversion to it (RtAudio's own converter on WASAPI
// is missing under Wine, and its thread then crashes).
// It lives in a module of its own, loaded when the Listen window first needs
// it, so that starting the program never loads the sound system. Every
// failure of the sound system comes back as a SoundProblem: nothing is
// thrown out of the module.
class SoundSink
{
public:
    virtual ~SoundSink() = default;

    // The sound systems built in, in the order the automatic choice tries
    // them: JACK while a JACK server runs, then PulseAudio, then ALSA on
    // Linux; WASAPI, then DirectSound on Windows.
    virtual QList<SoundApi> apis() const = 0;
    // The first of apis() that offers an output device now; empty if none.
    virtual QString automaticApi() const = 0;
    // A sound system's output devices, its default first.
    virtual QStringList devices(const QString &api) const = 0;
    // Whether any sound system offers an output device.
    virtual bool available() const = 0;

    // Opens and starts a stream as chosen; false, with problem() saying why,
    // when none plays. A missing choice falls back to the default and says
    // so in notice(), and the stream plays.
    virtual bool start(const SoundChoice &choice) = 0;
    virtual void stop() = 0;
    // Lets go of a stream that has never asked for sound: it is stopped and
    // closed in a thread of its own, so that a sound system stuck in its own
    // thread cannot hold up the window's.
    virtual void abandon() = 0;
    // False once the sound system has reported a failure of the stream.
    virtual bool playing() const = 0;
    virtual SoundProblem problem() const = 0;
    virtual SoundProblem notice() const = 0;
    // What plays now: the sound system's id, the device, frames per period.
    virtual QString playingApi() const = 0;
    virtual QString playingDevice() const = 0;
    virtual int playingBufferFrames() const = 0;
    virtual int playingSampleRate() const = 0;
};

using RenderSamples = std::function<void(float *out, int frames)>;
using PrepareRate = std::function<void(int sampleRate)>;
// The module's one entry point, found by this name.
using CreateSoundSink = SoundSink *(*)(const RenderSamples &render, const PrepareRate &prepare);
inline constexpr char kCreateSoundSink[] = "cordavoCreateSoundSink";

} // namespace cordavo
