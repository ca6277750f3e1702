#pragma once

#include "devices/MidiDecoder.h"
#include "tuning/Result.h"

#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

class RtMidiIn;

namespace cordavo {

class ToneSynth;

// The keyboards that play the temperament: MIDI inputs opened by name (on
// JACK a client named "Cordavo" with an input port that any MIDI source can
// be connected to). Each input is decoded in its own MIDI thread, which
// neither locks, allocates nor waits: it queues the keys that start and stop
// sounding, and this object, in the thread that made it, hands them on as
// signals every few milliseconds. A key held on two keyboards sounds until
// both release it. A full queue loses no release: the keyboard's every note
// is released, and it plays on once the queue has room. A keyboard that
// disappears has its notes released and is named by inputLost().
// Given a synthesizer, each keyboard also plays straight into it from its
// MIDI thread, so that a key sounds in the next period the sound device
// renders, whatever the window is doing; the signals then only show it.
class MidiInput : public QObject
{
    Q_OBJECT

public:
    // 'queueCapacity' events per keyboard are waiting at most.
    explicit MidiInput(QObject *parent = nullptr, std::size_t queueCapacity = 1024, ToneSynth *synth = nullptr);
    ~MidiInput() override;

    // Opens the inputs named in 'ports' (as midiInputNames() lists them), or
    // every one when empty, those plugged in later included, listening on
    // 'channel' (1 to 16, or MidiDecoder::kAnyChannel); closes those open
    // before. Where there is none yet on JACK or the ALSA sequencer, an input
    // of our own ("MIDI in") is opened for one to be connected to. Gives the
    // names of the keyboards opened; fails with "No MIDI input was found"
    // where MIDI cannot be reached, or with the names that are not there or
    // could not be opened (the others are open then).
    Result<QStringList> open(const QStringList &ports = {}, int channel = MidiDecoder::kAnyChannel);
    // Releases every sounding key and closes every input.
    void close();
    QStringList openPorts() const;
    // Whether any input is open, our own included.
    bool isOpen() const { return !m_sources.empty(); }

    // Hands on what the keyboards played since the last call, and notices
    // keyboards that disappeared (twice a second). Called by the object's
    // own timer while an input is open; tests call it when they want.
    void deliver();

signals:
    void noteOn(int key);
    void noteOff(int key);
    // The keyboard of input 'port' is gone; its notes were released.
    void inputLost(const QString &port);

public:
    struct Source;

private:
    // Opens one keyboard, or our own input when 'port' is empty.
    bool openSource(const QString &port);
    void take(Source &source, const MidiNoteEvent &event);
    void releaseAll(Source &source);
    void checkPorts();

    std::size_t m_queueCapacity;
    ToneSynth *m_synth;
    int m_channel = MidiDecoder::kAnyChannel;
    bool m_allPorts = false;
    QStringList m_refused;              // inputs that could not be opened, while they are there
    std::string m_listerError;          // RtMidi's last message, before the device that writes it
    std::unique_ptr<RtMidiIn> m_lister; // lists the inputs there are, to notice one going
    std::vector<std::unique_ptr<Source>> m_sources;
    std::array<int, 128> m_soundingCount{}; // how many keyboards sound each key
    QTimer m_timer;
    QElapsedTimer m_sinceCheck;
};

} // namespace cordavo
