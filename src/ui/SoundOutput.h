#pragma once

#include <QObject>

#include <memory>

namespace cordavo {

class SoundSink;
class ToneSynth;

// Plays a synthesizer through the default sound device: the device pulls
// the samples, rendered as it asks for them, 48 kHz mono in the sample
// format it prefers. The sound system lives in a module (cordavo_audio)
// loaded only when available() or start() is first called, so that the
// program starts without it; without the module there is no sound output.
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

private:
    SoundSink *sink() const;

    ToneSynth &m_synth;
    mutable bool m_loaded = false;
    mutable std::unique_ptr<SoundSink> m_sink;
};

} // namespace cordavo
