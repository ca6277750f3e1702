#include "devices/MidiInput.h"

#include "devices/MidiSystem.h"
#include "sound/SwitchQueue.h"
#include "sound/ToneSynth.h"

#include <QCoreApplication>

#include <atomic>
#include <bitset>

namespace cordavo {

namespace {

constexpr int kDeliveryMilliseconds = 5;
constexpr qint64 kPortCheckMilliseconds = 500;

} // namespace

// One keyboard: its device, the decoder and the queue its MIDI thread fills,
// and what this side has it sounding.
struct MidiInput::Source {
    Source(QString portName, int channel, std::size_t capacity, ToneSynth *playing)
        : name(std::move(portName)), synth(playing), lane(playing ? playing->openKeyboard() : nullptr),
          decoder(channel), queue(capacity, {MidiNoteEvent::Kind::AllOff, 0})
    {
    }
    // The device stops its thread before the queue and lane it fills go.
    ~Source()
    {
        device.reset();
        if (synth)
            synth->closeKeyboard(lane);
    }

    static void received(double, std::vector<unsigned char> *message, void *self)
    {
        auto &source = *static_cast<Source *>(self);
        const std::size_t count = source.decoder.decode(message->data(), message->size(), source.events);
        for (std::size_t i = 0; i < count; ++i) {
            const MidiNoteEvent &event = source.events[i];
            if (source.lane)
                source.lane->push({static_cast<KeySwitch::Kind>(event.kind), event.key});
            source.queue.push(event);
        }
    }

    QString name;
    ToneSynth *synth;
    KeyboardLane *lane; // where the keyboard plays, straight from its thread
    std::string error;  // RtMidi's last message, before the device that writes it
    std::unique_ptr<RtMidiIn> device;
    // The MIDI thread's own.
    MidiDecoder decoder;
    MidiNoteEvents events;
    // Between the threads.
    KeyQueue<MidiNoteEvent> queue;
    // This side's.
    std::bitset<128> sounding;
};

MidiInput::MidiInput(QObject *parent, std::size_t queueCapacity, ToneSynth *synth)
    : QObject(parent), m_queueCapacity(queueCapacity), m_synth(synth)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(kDeliveryMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &MidiInput::deliver);
}

MidiInput::~MidiInput()
{
    // The devices stop their threads before the queues they fill go.
    m_sources.clear();
}

Result<QStringList> MidiInput::open(const QStringList &ports, int channel)
{
    close();
    m_channel = channel;
    m_allPorts = ports.isEmpty();
    m_lister = openMidiIn(&m_listerError);
    const QStringList names = m_lister ? midiPortNames(*m_lister) : QStringList();
    QStringList missing;
    for (const QString &port : m_allPorts ? names : ports) {
        if (!names.contains(port) || !openSource(port))
            missing << port;
    }
    if (m_allPorts)
        m_refused = missing;
    // No keyboard yet: where the system lets one be connected later (JACK, the
    // ALSA sequencer), an input of our own waits for it.
    if (names.isEmpty() && m_lister) {
        const RtMidi::Api api = m_lister->getCurrentApi();
        if (api == RtMidi::UNIX_JACK || api == RtMidi::LINUX_ALSA)
            openSource(QString());
    }
    if (m_sources.empty()) {
        m_lister.reset();
        if (names.isEmpty())
            return failure(QCoreApplication::translate("MidiInput", "No MIDI input was found"));
    } else {
        m_sinceCheck.start();
        m_timer.start();
    }
    if (!missing.isEmpty()) {
        return failure(QCoreApplication::translate("MidiInput", "These MIDI inputs could not be opened: %1")
                           .arg(missing.join(QStringLiteral(", "))));
    }
    return openPorts();
}

bool MidiInput::openSource(const QString &port)
{
    auto source = std::make_unique<Source>(port, m_channel, m_queueCapacity, m_synth);
    // Every lane taken: more keyboards than the synthesizer takes.
    if (m_synth && !source->lane)
        return false;
    source->device = openMidiIn(&source->error);
    if (!source->device)
        return false;
    source->device->setCallback(&Source::received, source.get());
    if (port.isEmpty()) {
        source->device->openVirtualPort("MIDI in");
    } else {
        // Found again in the device's own list, which a port coming or going
        // meanwhile may have reordered.
        const qsizetype index = midiPortNames(*source->device).indexOf(port);
        if (index >= 0)
            source->device->openPort(static_cast<unsigned int>(index), "MIDI in");
    }
    // RtMidi says a virtual port is not open, though it is: its error is the sign.
    if (port.isEmpty() ? !source->error.empty() : !source->device->isPortOpen())
        return false;
    m_sources.push_back(std::move(source));
    return true;
}

void MidiInput::close()
{
    m_timer.stop();
    for (auto &source : m_sources) {
        source->device.reset();
        releaseAll(*source);
    }
    m_sources.clear();
    m_lister.reset();
}

QStringList MidiInput::openPorts() const
{
    QStringList names;
    for (const auto &source : m_sources) {
        if (!source->name.isEmpty())
            names << source->name;
    }
    return names;
}

void MidiInput::take(Source &source, const MidiNoteEvent &event)
{
    if (event.kind == MidiNoteEvent::Kind::AllOff) {
        releaseAll(source);
        return;
    }
    const int key = event.key;
    const bool on = event.kind == MidiNoteEvent::Kind::On;
    if (source.sounding[key] == on)
        return;
    source.sounding[key] = on;
    if (on && ++m_soundingCount[key] == 1)
        emit noteOn(key);
    else if (!on && --m_soundingCount[key] == 0)
        emit noteOff(key);
}

void MidiInput::releaseAll(Source &source)
{
    for (int key = 0; key < 128; ++key) {
        if (source.sounding[key])
            take(source, {MidiNoteEvent::Kind::Off, static_cast<std::uint8_t>(key)});
    }
}

void MidiInput::deliver()
{
    for (auto &source : m_sources) {
        MidiNoteEvent event;
        while (source->queue.pop(event))
            take(*source, event);
        // Checked after the queue is empty: what the keyboard queued before
        // the loss is taken, then released.
        if (source->queue.dropping())
            releaseAll(*source);
    }
    if (m_sinceCheck.isValid() && m_sinceCheck.elapsed() >= kPortCheckMilliseconds) {
        m_sinceCheck.restart();
        checkPorts();
    }
}

void MidiInput::checkPorts()
{
    if (m_sources.empty() || !m_lister)
        return;
    const QStringList names = midiPortNames(*m_lister);
    for (auto it = m_sources.begin(); it != m_sources.end();) {
        Source &source = **it;
        if (source.name.isEmpty() || names.contains(source.name)) {
            ++it;
            continue;
        }
        source.device.reset();
        MidiNoteEvent event;
        while (source.queue.pop(event))
            take(source, event);
        releaseAll(source);
        const QString name = source.name;
        it = m_sources.erase(it);
        emit inputLost(name);
    }
    // Listening to every keyboard: one plugged in meanwhile plays too. One
    // that cannot be opened is not tried again while it stays.
    if (m_allPorts) {
        const QStringList open = openPorts();
        m_refused.removeIf([&names](const QString &name) { return !names.contains(name); });
        for (const QString &name : names) {
            if (!open.contains(name) && !m_refused.contains(name) && !openSource(name))
                m_refused << name;
        }
    }
    if (m_sources.empty()) {
        m_timer.stop();
        m_lister.reset();
    }
}

} // namespace cordavo
