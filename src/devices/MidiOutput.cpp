#include "devices/MidiOutput.h"

#include "devices/MidiSystem.h"

#include <QCoreApplication>
#include <QThread>

namespace cordavo {

namespace {

constexpr unsigned long kJackSettleMilliseconds = 100;

// The length of a message that begins with 'status', other than
// system-exclusive: 0 for a byte that begins none.
int messageLength(unsigned char status)
{
    if (status < 0x80 || status == 0xF0 || status == 0xF7)
        return 0;
    if (status < 0xF0) {
        const unsigned char type = status & 0xF0;
        return type == 0xC0 || type == 0xD0 ? 2 : 3;
    }
    switch (status) {
    case 0xF1:
    case 0xF3:
        return 2;
    case 0xF2:
        return 3;
    case 0xF4:
    case 0xF5:
        return 0;
    default:
        return 1;
    }
}

} // namespace

std::optional<QList<QByteArray>> splitMidiMessages(const QByteArray &bytes)
{
    QList<QByteArray> messages;
    qsizetype at = 0;
    while (at < bytes.size()) {
        const auto status = static_cast<unsigned char>(bytes[at]);
        qsizetype end = 0;
        if (status == 0xF0) {
            end = bytes.indexOf('\xF7', at);
            if (end < 0)
                return std::nullopt;
            ++end;
        } else {
            const int length = messageLength(status);
            if (length == 0 || at + length > bytes.size())
                return std::nullopt;
            end = at + length;
        }
        for (qsizetype i = at + 1; i < end - (status == 0xF0 ? 1 : 0); ++i) {
            if (static_cast<unsigned char>(bytes[i]) >= 0x80)
                return std::nullopt;
        }
        messages << bytes.mid(at, end - at);
        at = end;
    }
    return messages;
}

MidiOutput::MidiOutput() = default;

MidiOutput::~MidiOutput()
{
    close();
}

Result<void> MidiOutput::open(const QString &port)
{
    close();
    m_error.clear();
    auto device = openMidiOut(&m_error);
    const QStringList names = device ? midiPortNames(*device) : QStringList();
    const qsizetype index = names.indexOf(port);
    if (index < 0) {
        QString text = QCoreApplication::translate("MidiOutput", "MIDI output \"%1\" was not found.").arg(port);
        if (names.isEmpty())
            return failure(text + QLatin1Char(' ') +
                           QCoreApplication::translate("MidiOutput", "No MIDI output was found."));
        return failure(text + QLatin1Char(' ') + QCoreApplication::translate("MidiOutput", "The MIDI outputs are:") +
                       QLatin1Char('\n') + names.join(QLatin1Char('\n')));
    }
    m_error.clear();
    device->openPort(static_cast<unsigned int>(index), "MIDI out");
    if (!device->isPortOpen()) {
        return failure(QCoreApplication::translate("MidiOutput", "MIDI output \"%1\" could not be opened: %2")
                           .arg(port, m_error.empty()
                                          ? QCoreApplication::translate("MidiOutput", "the MIDI system refused it")
                                          : QString::fromStdString(m_error)));
    }
    // The connection RtMidi just made to the port is not yet in use.
    if (device->getCurrentApi() == RtMidi::UNIX_JACK)
        awaitJackGraph();
    m_device = std::move(device);
    m_port = port;
    return {};
}

Result<void> MidiOutput::send(const QByteArray &messages)
{
    if (!m_device)
        return failure(QCoreApplication::translate("MidiOutput", "No MIDI output is open."));
    const auto split = splitMidiMessages(messages);
    if (!split)
        return failure(QCoreApplication::translate("MidiOutput", "The bytes to send to %1 are not whole MIDI messages.")
                           .arg(m_port));
    m_error.clear();
    for (const QByteArray &message : *split) {
        m_device->sendMessage(reinterpret_cast<const unsigned char *>(message.constData()),
                              static_cast<size_t>(message.size()));
        if (!m_error.empty())
            return failure(QCoreApplication::translate("MidiOutput", "The MIDI output %1 did not take the messages: %2")
                               .arg(m_port, QString::fromStdString(m_error)));
    }
    return {};
}

void MidiOutput::close()
{
    if (!m_device)
        return;
    // RtMidi's JACK output hands the messages to JACK in its next period and
    // waits at most a second for it when the port closes; a busy machine may
    // run that period later. Time for a few periods first.
    if (m_device->getCurrentApi() == RtMidi::UNIX_JACK)
        QThread::msleep(kJackSettleMilliseconds);
    m_device->closePort();
    m_device.reset();
    m_port.clear();
}

} // namespace cordavo
