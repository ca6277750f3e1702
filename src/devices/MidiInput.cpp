#include "devices/MidiInput.h"

#include "devices/MidiSystem.h"
#include "sound/SwitchQueue.h"

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
    Source(QString portName, int channel, std::size_t capacity)
        : name(std::move(portName)), decoder(channel), queue(capacity)
    {
    }
    // The device stops its thread before the queue it fills goes.
    ~Source() { device.reset(); }

    // In the MIDI thread. Once an event found the queue full, the keyboard
    // is "dropping": the other side releases its notes, and it queues nothing
    // more until it has queued an AllOff, so that nothing played before the
    // loss sounds after it.
    void push(const MidiNoteEvent &event)
    {
        if (dropping.load(std::memory_order_relaxed)) {
            if (!queue.push({MidiNoteEvent::Kind::AllOff, 0}))
                return;
            dropping.store(false, std::memory_order_release);
        }
        if (!queue.push(event))
            dropping.store(true, std::memory_order_release);
    }

    static void received(double, std::vector<unsigned char> *message, void *self)
    {
        auto &source = *static_cast<Source *>(self);
        const std::size_t count = source.decoder.decode(message->data(), message->size(), source.events);
        for (std::size_t i = 0; i < count; ++i)
            source.push(source.events[i]);
    }

    QString name;
    std::string error; // RtMidi's last message, before the device that writes it
    std::unique_ptr<RtMidiIn> device;
    // The MIDI thread's own.
    MidiDecoder decoder;
    MidiNoteEvents events;
    // Between the threads.
    SwitchQueue<MidiNoteEvent> queue;
    std::atomic<bool> dropping = false;
    // This side's.
    std::bitset<128> sounding;
};

MidiInput::MidiInput(QObject *parent, std::size_t queueCapacity) : QObject(parent), m_queueCapacity(queueCapacity)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(kDeliveryMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &MidiInput::deliver);
}

MidiInput::~MidiInput()
{
    // The devices stop their threads before the queues they fill go.
    for (auto &source : m_sources)
        source->device.reset();
}

Result<QStringList> MidiInput::open(const QStringList &ports, int channel)
{
    close();
    m_lister = openMidiIn(&m_listerError);
    const QStringList names = m_lister ? midiPortNames(*m_lister) : QStringList();
    if (names.isEmpty()) {
        m_lister.reset();
        return failure(QCoreApplication::translate("MidiInput", "No MIDI input was found"));
    }

    QStringList missing;
    for (const QString &port : ports) {
        if (!names.contains(port))
            missing << port;
    }
    for (const QString &port : ports.isEmpty() ? names : ports) {
        if (!names.contains(port))
            continue;
        auto source = std::make_unique<Source>(port, channel, m_queueCapacity);
        source->device = openMidiIn(&source->error);
        // Found again in the device's own list, which a port coming or going
        // meanwhile may have reordered.
        const qsizetype index = source->device ? midiPortNames(*source->device).indexOf(port) : -1;
        if (index >= 0) {
            source->device->setCallback(&Source::received, source.get());
            source->device->openPort(static_cast<unsigned int>(index), "MIDI in");
        }
        if (!source->device || !source->device->isPortOpen()) {
            missing << port;
            continue;
        }
        m_sources.push_back(std::move(source));
    }
    if (m_sources.empty())
        m_lister.reset();
    else {
        m_sinceCheck.start();
        m_timer.start();
    }
    if (!missing.isEmpty()) {
        return failure(QCoreApplication::translate("MidiInput", "These MIDI inputs could not be opened: %1")
                           .arg(missing.join(QStringLiteral(", "))));
    }
    return openPorts();
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
    for (const auto &source : m_sources)
        names << source->name;
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
        if (source->dropping.load(std::memory_order_acquire))
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
        if (names.contains(source.name)) {
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
    if (m_sources.empty()) {
        m_timer.stop();
        m_lister.reset();
    }
}

} // namespace cordavo
