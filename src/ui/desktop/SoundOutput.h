#pragma once

#include <QObject>

#include <atomic>
#include <memory>

namespace cordavo {

class SoundSink;
class ToneSynth;

// Plays a synthesizer through the default sound device: the device pulls
// the samples, rendered as it asks for them, 48 kHz mono in the sample
// format it prefers. The sound system lives in a module (cordavo_audio)
// loaded only when available() or start() is first called, so that the
// program starts without it; without the module there is no sound output.
// The device's thread is the synthesizer's one renderer while it plays: it
// takes no lock the window holds and allocates nothing (see ToneSynth).
class SoundOutput : public QObject
{
    Q_OBJECT
public:
    explicit SoundOutput(ToneSynth &synth, QObject *parent = nullptr);
    ~SoundOutput() override;

    // Whether there is a sound device to play through.
    bool available() const;
    // Starts playing (the synthesizer's silence, until notes are switched
    // on); true once the device plays. Starting again while playing does
    // nothing.
    bool start();
    void stop();
    bool playing() const;
    // How many samples the device has taken so far: the moment it grows after
    // a key press is when the note's first sample is handed to the device.
    qint64 samplesRendered() const { return m_samplesRendered.load(); }

private:
    SoundSink *sink() const;

    ToneSynth &m_synth;
    mutable bool m_loaded = false;
    mutable std::unique_ptr<SoundSink> m_sink;
    mutable std::atomic<qint64> m_samplesRendered = 0;
};

} // namespace cordavo
