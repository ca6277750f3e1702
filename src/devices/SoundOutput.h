#pragma once

#include "devices/SoundSink.h"

#include <QObject>
#include <QTimer>

#include <atomic>
#include <functional>
#include <memory>

namespace cordavo {

class ToneSynth;

// The sound systems and their output devices, asked afresh at each call:
// what the Sound and MIDI dialog offers.
struct SoundDeviceLists {
    std::function<QList<SoundApi>()> apis;
    std::function<QString()> automaticApi;
    std::function<QStringList(const QString &api)> devices;
};

// Plays a synthesizer through the sound device chosen (by default the
// automatic choice of sound system and its default device): the device
// pulls the samples, rendered as it asks for them, mono, at the rate of the
// device's mixer (the synthesizer is set to it before the device starts). The sound
// system lives in a module (cordavo_audio) loaded only when available() or
// start() is first called, so that the program starts without it; without
// the module there is no sound output. The device's thread is the
// synthesizer's one renderer while it plays: it takes no lock the window
// holds and allocates nothing (see ToneSynth).
class SoundOutput : public QObject
{
    Q_OBJECT
public:
    explicit SoundOutput(ToneSynth &synth, QObject *parent = nullptr);
    ~SoundOutput() override;

    // A stream that has taken no sound this long after it started is closed.
    static constexpr int kStartMilliseconds = 1000;

    // Whether there is a sound device to play through.
    bool available() const;
    // Starts playing (the synthesizer's silence, until notes are switched
    // on); true once the device takes sound, else false with problem()
    // saying why. Starting again while playing does nothing.
    bool start(const SoundChoice &choice = {});
    void stop();
    bool playing() const;
    // Why the last start failed, or why the stream stopped while it played.
    SoundProblem problem() const;
    // A choice that could not be followed at the last start, and what
    // plays instead.
    SoundProblem notice() const;
    QString playingApi() const;
    QString playingDevice() const;
    int playingBufferFrames() const;
    int playingSampleRate() const;
    // How many samples the device has taken so far: the moment it grows after
    // a key press is when the note's first sample is handed to the device.
    qint64 samplesRendered() const { return m_samplesRendered.load(); }

    // The lists of the module, loaded for them.
    static SoundDeviceLists deviceLists();

signals:
    // The sound system stopped the stream while it played; problem() says why.
    void failed();

private:
    SoundSink *sink() const;
    void watch();

    ToneSynth &m_synth;
    mutable bool m_loaded = false;
    mutable std::unique_ptr<SoundSink> m_sink;
    mutable std::atomic<qint64> m_samplesRendered = 0;
    SoundProblem m_problem;
    QTimer m_watch;
};

} // namespace cordavo
