#include "devices/MidiSystem.h"

#include "devices/MidiPorts.h"

#include <QFileInfo>
#include <QThread>

#include <algorithm>
#include <mutex>
#include <type_traits>
#include <vector>

#ifdef CORDAVO_MIDI_JACK
#include <jack/jack.h>
#endif
#ifdef Q_OS_WIN
#include <windows.h>

#include <mmsystem.h>
#endif

namespace cordavo {

namespace {

void recordError(RtMidiError::Type, const std::string &text, void *error)
{
    *static_cast<std::string *>(error) = text;
}

#ifdef CORDAVO_MIDI_JACK
void quiet(const char *) {}

// Asked before RtMidi is, which would print its failure to find one.
bool jackServerRuns()
{
    static std::once_flag silenced;
    std::call_once(silenced, [] {
        jack_set_error_function(quiet);
        jack_set_info_function(quiet);
    });
    jack_status_t status{};
    // Under a name of its own: a client of the same name as the one about to
    // be opened, still closing in the server, made that one fail at times.
    jack_client_t *client = jack_client_open("Cordavo probe", JackNoStartServer, &status);
    if (!client)
        return false;
    jack_client_close(client);
    return true;
}
#endif

// The systems worth trying for an input or an output, in order.
std::vector<RtMidi::Api> candidateApis(bool input)
{
    std::vector<RtMidi::Api> compiled;
    RtMidi::getCompiledApi(compiled);
    std::vector<RtMidi::Api> apis;
    for (RtMidi::Api api : compiled) {
        if (api == RtMidi::RTMIDI_DUMMY)
            continue;
#ifdef CORDAVO_MIDI_JACK
        if (api == RtMidi::UNIX_JACK && !jackServerRuns())
            continue;
#else
        if (api == RtMidi::UNIX_JACK)
            continue;
#endif
#ifdef Q_OS_LINUX
        // Without its device the ALSA sequencer fails noisily (a container).
        if (api == RtMidi::LINUX_ALSA && !QFileInfo::exists(QStringLiteral("/dev/snd/seq")))
            continue;
#endif
#ifdef Q_OS_WIN
        // Without devices RtMidi says so on standard error as it starts.
        if (api == RtMidi::WINDOWS_MM && (input ? midiInGetNumDevs() : midiOutGetNumDevs()) == 0)
            continue;
#else
        Q_UNUSED(input);
#endif
        apis.push_back(api);
    }
    // JACK first where its server runs: it reaches the ALSA ports too (a2jmidid).
    std::stable_partition(apis.begin(), apis.end(), [](RtMidi::Api api) { return api == RtMidi::UNIX_JACK; });
    return apis;
}

template <typename Device> std::unique_ptr<Device> openDevice(std::string *error)
{
    for (RtMidi::Api api : candidateApis(std::is_same_v<Device, RtMidiIn>)) {
        try {
            auto device = std::make_unique<Device>(api, kMidiClientName);
            device->setErrorCallback(recordError, error);
            return device;
        } catch (const RtMidiError &failure) {
            *error = failure.getMessage();
        }
    }
    return nullptr;
}

} // namespace

void awaitJackGraph()
{
#ifdef CORDAVO_MIDI_JACK
    jack_status_t status{};
    jack_client_t *client = jack_client_open("Cordavo probe", JackNoStartServer, &status);
    if (!client)
        return;
    // Counted in the server's frames, which run on while the graph is changed.
    const jack_nframes_t start = jack_frame_time(client);
    const jack_nframes_t wait = 2 * jack_get_buffer_size(client);
    for (int tries = 0; tries < 500 && jack_frame_time(client) - start < wait; ++tries)
        QThread::msleep(2);
    jack_client_close(client);
#endif
}

std::unique_ptr<RtMidiIn> openMidiIn(std::string *error)
{
    return openDevice<RtMidiIn>(error);
}

std::unique_ptr<RtMidiOut> openMidiOut(std::string *error)
{
    return openDevice<RtMidiOut>(error);
}

QStringList midiPortNames(RtMidi &device)
{
    QStringList names;
    const unsigned int count = device.getPortCount();
    for (unsigned int i = 0; i < count; ++i)
        names << QString::fromStdString(device.getPortName(i));
    return names;
}

QStringList midiInputNames()
{
    std::string error;
    const auto device = openMidiIn(&error);
    return device ? midiPortNames(*device) : QStringList();
}

QStringList midiOutputNames()
{
    std::string error;
    const auto device = openMidiOut(&error);
    return device ? midiPortNames(*device) : QStringList();
}

} // namespace cordavo
