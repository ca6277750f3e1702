#include "devices/SoundSink.h"

#include <QtGlobal>

#include <rtaudio/RtAudio.h>

#ifdef Q_OS_WIN
#include <objbase.h>
#endif

#include <algorithm>
#include <array>
#include <atomic>
#include <cstring>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

namespace cordavo {

namespace {

// The order the automatic choice tries the sound systems in: a JACK server
// runs only when the musician started one for their audio programs, and a
// PulseAudio (or PipeWire) server is the desktop's own; ALSA alone is what is
// left. On Windows WASAPI is the present interface, DirectSound the older one.
constexpr std::array kApiOrder = {RtAudio::UNIX_JACK,      RtAudio::LINUX_PULSE, RtAudio::LINUX_ALSA,
                                  RtAudio::WINDOWS_WASAPI, RtAudio::WINDOWS_DS,  RtAudio::MACOSX_CORE,
                                  RtAudio::WINDOWS_ASIO,   RtAudio::LINUX_OSS};

// The name of the program as the sound servers show it: JACK names the
// ports "Cordavo:outport 0" and so on, PulseAudio the stream.
constexpr char kStreamName[] = "Cordavo";

// PulseAudio holds this much sound ahead of what is heard, in periods of the
// chosen length: at least two, and no more than about 20 ms.
int pulsePeriods(int frames)
{
    return std::max(2, kOutputSampleRate / 50 / std::max(frames, 1));
}

// RtAudio's error callback carries no pointer to its stream, so the errors
// of the one stream the module plays at a time are kept here. The callback
// may run in the sound system's thread: it only copies the first text into
// room made beforehand and counts.
struct StreamErrors {
    std::atomic<unsigned> count = 0;
    std::atomic<bool> textTaken = false;
    std::array<char, 512> text{};
};
StreamErrors g_errors;

void streamError(RtAudioError::Type type, const std::string &text)
{
    if (type == RtAudioError::WARNING || type == RtAudioError::DEBUG_WARNING)
        return;
    if (!g_errors.textTaken.exchange(true)) {
        const size_t length = std::min(text.size(), g_errors.text.size() - 1);
        std::memcpy(g_errors.text.data(), text.data(), length);
        g_errors.text[length] = '\0';
    }
    g_errors.count.fetch_add(1, std::memory_order_release);
}

QString apiId(RtAudio::Api api)
{
    return QString::fromStdString(RtAudio::getApiName(api));
}

QString apiName(RtAudio::Api api)
{
    // RtAudio writes "Jack" and "Pulse"; musicians write these.
    switch (api) {
    case RtAudio::UNIX_JACK:
        return QStringLiteral("JACK");
    case RtAudio::LINUX_PULSE:
        return QStringLiteral("PulseAudio");
    default:
        return QString::fromStdString(RtAudio::getApiDisplayName(api));
    }
}

std::vector<RtAudio::Api> builtApis()
{
    std::vector<RtAudio::Api> compiled;
    RtAudio::getCompiledApi(compiled);
    std::vector<RtAudio::Api> ordered;
    for (RtAudio::Api api : kApiOrder)
        if (std::find(compiled.begin(), compiled.end(), api) != compiled.end())
            ordered.push_back(api);
    return ordered;
}

std::optional<RtAudio::Api> apiOf(const QString &id)
{
    for (RtAudio::Api api : builtApis())
        if (apiId(api) == id)
            return api;
    return std::nullopt;
}

// A sound system's output devices, the default first, with RtAudio's number
// for each; nothing when it cannot be reached (a JACK or PulseAudio server
// that does not run).
struct OutputDevice {
    unsigned id;
    QString name;
    unsigned channels;
    unsigned rate;
};

// RtAudio's WASAPI stream converts through Windows' resampler object, made
// in the stream's own thread, which crashes when there is none (Windows N
// without its media pack, Wine without GStreamer's plugins): WASAPI then
// offers no device, and DirectSound plays.
bool wasapiConverterPresent()
{
#ifdef Q_OS_WIN
    static const bool present = [] {
        const HRESULT initialised = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        // CLSID_CResamplerMediaObject of wmcodecdsp.h.
        const GUID resampler = {0xf447b69e, 0x1884, 0x4a7e, {0x80, 0x55, 0x34, 0x6f, 0x74, 0xd6, 0xed, 0xb3}};
        IUnknown *object = nullptr;
        const bool made = SUCCEEDED(CoCreateInstance(resampler, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                                     reinterpret_cast<void **>(&object))) &&
                          object;
        if (object)
            object->Release();
        if (SUCCEEDED(initialised))
            CoUninitialize();
        return made;
    }();
    return present;
#else
    return true;
#endif
}

std::vector<OutputDevice> outputDevices(RtAudio &audio)
{
    if (audio.getCurrentApi() == RtAudio::WINDOWS_WASAPI && !wasapiConverterPresent())
        return {};
    std::vector<OutputDevice> found;
    try {
        const unsigned count = audio.getDeviceCount();
        const unsigned preferred = count > 0 ? audio.getDefaultOutputDevice() : 0;
        for (unsigned id = 0; id < count; ++id) {
            const RtAudio::DeviceInfo info = audio.getDeviceInfo(id);
            if (!info.probed || info.outputChannels == 0)
                continue;
            const OutputDevice device{id, QString::fromStdString(info.name), info.outputChannels,
                                      info.preferredSampleRate > 0 ? info.preferredSampleRate
                                                                   : unsigned(kOutputSampleRate)};
            if (id == preferred)
                found.insert(found.begin(), device);
            else
                found.push_back(device);
        }
    } catch (const RtAudioError &) {
        // A sound system that fails to list its devices offers none.
    }
    return found;
}

std::unique_ptr<RtAudio> openApi(RtAudio::Api api)
{
    try {
        auto audio = std::make_unique<RtAudio>(api);
        audio->showWarnings(false);
        if (audio->getCurrentApi() != api)
            return nullptr;
        return audio;
    } catch (const RtAudioError &) {
        return nullptr;
    }
}

std::vector<OutputDevice> outputDevices(RtAudio::Api api)
{
    const std::unique_ptr<RtAudio> audio = openApi(api);
    return audio ? outputDevices(*audio) : std::vector<OutputDevice>{};
}

// What the sound system's thread renders from: handed over to a stream that
// is let go unclosed, so that it stays valid for as long as that stream might
// still call; once let go it renders silence, never the synthesizer.
struct Feed {
    explicit Feed(const RenderSamples &render) : render(render) {}
    RenderSamples render;
    std::vector<float> samples;
    unsigned channels = 1;
    std::atomic<bool> live = true;
};

// The platform's sound systems through RtAudio, fed from RtAudio's own
// thread: each period renders the mono samples once and copies them into
// every channel.
class RtAudioSink : public SoundSink
{
public:
    RtAudioSink(const RenderSamples &render, const PrepareRate &prepare)
        : m_prepare(prepare), m_feed(std::make_shared<Feed>(render))
    {
    }
    ~RtAudioSink() override { stop(); }

    QList<SoundApi> apis() const override
    {
        QList<SoundApi> list;
        for (RtAudio::Api api : builtApis())
            list.append({apiId(api), apiName(api)});
        return list;
    }

    QString automaticApi() const override
    {
        for (RtAudio::Api api : builtApis())
            if (!outputDevices(api).empty())
                return apiId(api);
        return {};
    }

    QStringList devices(const QString &id) const override
    {
        QStringList names;
        if (const std::optional<RtAudio::Api> api = apiOf(id))
            for (const OutputDevice &device : outputDevices(*api))
                names << device.name;
        return names;
    }

    bool available() const override { return !automaticApi().isEmpty(); }

    bool playing() const override
    {
        if (!m_running || g_errors.count.load(std::memory_order_acquire) != m_errorsAtStart)
            return false;
        try {
            // JACK closes the stream itself when its server goes away.
            return m_audio && m_audio->isStreamRunning();
        } catch (const RtAudioError &) {
            return false;
        }
    }

    SoundProblem problem() const override
    {
        if (m_running && !playing()) {
            SoundProblem failed = m_playing;
            failed.kind = SoundProblem::StreamFailed;
            failed.detail = errorText();
            return failed;
        }
        return m_problem;
    }
    SoundProblem notice() const override { return m_notice; }
    QString playingApi() const override { return m_running ? m_playingApi : QString(); }
    QString playingDevice() const override { return m_running ? m_playing.device : QString(); }
    int playingBufferFrames() const override { return m_running ? m_frames : 0; }
    int playingSampleRate() const override { return m_running ? m_rate : 0; }

    bool start(const SoundChoice &choice) override
    {
        if (playing())
            return true;
        stop();
        m_problem = {};
        m_notice = {};
        std::vector<RtAudio::Api> order;
        if (!choice.api.isEmpty()) {
            const std::optional<RtAudio::Api> chosen = apiOf(choice.api);
            if (chosen && !outputDevices(*chosen).empty())
                order.push_back(*chosen);
            else
                m_notice = {SoundProblem::ApiGone, chosen ? apiName(*chosen) : choice.api, {}, {}};
        }
        if (order.empty())
            for (RtAudio::Api api : builtApis())
                if (api != RtAudio::WINDOWS_ASIO && api != RtAudio::LINUX_OSS)
                    order.push_back(api);
        // The automatic choice takes the first sound system that plays; a
        // sound system chosen by the user is the only one tried.
        const QString device = order.size() == 1 ? choice.device : QString();
        bool offered = false;
        for (RtAudio::Api api : order) {
            const std::optional<bool> started = startOn(api, device, choice.bufferFrames);
            if (started && *started)
                return true;
            offered = offered || started.has_value();
            // The first failure is the one worth naming.
            if (started.has_value() && m_problem.kind == SoundProblem::None)
                m_problem = m_lastProblem;
        }
        if (!offered)
            m_problem = {SoundProblem::NoOutput, {}, {}, {}};
        return false;
    }

    void stop() override
    {
        m_running = false;
        if (!m_audio)
            return;
        try {
            if (m_audio->isStreamRunning())
                m_audio->stopStream();
        } catch (const RtAudioError &) {
        }
        try {
            if (m_audio->isStreamOpen())
                m_audio->closeStream();
        } catch (const RtAudioError &) {
        }
        m_audio.reset();
    }

    void abandon() override
    {
        m_running = false;
        if (!m_audio)
            return;
        m_feed->live = false;
        std::thread([audio = std::move(m_audio), feed = m_feed] {
            try {
                if (audio->isStreamRunning())
                    audio->stopStream();
                if (audio->isStreamOpen())
                    audio->closeStream();
            } catch (const RtAudioError &) {
            }
        }).detach();
        m_feed = std::make_shared<Feed>(m_feed->render);
    }

private:
    static QString errorText()
    {
        if (g_errors.count.load(std::memory_order_acquire) == 0 || !g_errors.textTaken)
            return {};
        return QString::fromLocal8Bit(g_errors.text.data()).trimmed();
    }

    static void resetErrors()
    {
        g_errors.textTaken = false;
        g_errors.text[0] = '\0';
    }

    // Opens and starts a stream on one sound system; nothing when it offers
    // no output device, false with m_lastProblem when it offers one that
    // does not play.
    std::optional<bool> startOn(RtAudio::Api api, const QString &wanted, int bufferFrames)
    {
        m_audio = openApi(api);
        if (!m_audio)
            return std::nullopt;
        const std::vector<OutputDevice> devices = outputDevices(*m_audio);
        if (devices.empty()) {
            m_audio.reset();
            return std::nullopt;
        }
        OutputDevice device = devices.front();
        if (!wanted.isEmpty()) {
            const auto found = std::find_if(devices.begin(), devices.end(),
                                            [&wanted](const OutputDevice &d) { return d.name == wanted; });
            if (found != devices.end())
                device = *found;
            else
                m_notice = {SoundProblem::DeviceGone, apiName(api), wanted, {}};
        }
        m_playing = {SoundProblem::None, apiName(api), device.name, {}};
        m_lastProblem = m_playing;
        // Mono is not every device's own layout: two channels (or one, where
        // that is all there is) carry the same samples.
        RtAudio::StreamParameters parameters;
        parameters.deviceId = device.id;
        parameters.nChannels = std::min(2u, device.channels);
        m_feed->channels = parameters.nChannels;
        RtAudio::StreamOptions options;
        options.streamName = kStreamName;
        if (api == RtAudio::LINUX_PULSE)
            options.numberOfBuffers = static_cast<unsigned>(pulsePeriods(bufferFrames));
        auto frames = static_cast<unsigned>(std::clamp(bufferFrames, 16, 8192));
        // Room for any period the sound system may hand over, made before it
        // plays; a longer one is rendered in parts.
        m_feed->samples.assign(std::max(frames, 4096u), 0.0f);
        resetErrors();
        m_errorsAtStart = g_errors.count.load();
        // RtAudio 5.2 throws what fails while the stream is made, and hands
        // what fails later to streamError (it would throw it in its own
        // thread without one): both are caught here.
        try {
            m_audio->openStream(&parameters, nullptr, RTAUDIO_FLOAT32, device.rate, &frames, &RtAudioSink::fill,
                                m_feed.get(), &options, &streamError);
        } catch (const RtAudioError &error) {
            return failed(SoundProblem::OpenFailed, QString::fromStdString(error.getMessage()));
        }
        if (!m_audio->isStreamOpen() || g_errors.count != m_errorsAtStart)
            return failed(SoundProblem::OpenFailed, errorText());
        if (frames > m_feed->samples.size())
            return failed(SoundProblem::OpenFailed, {});
        m_frames = static_cast<int>(frames);
        m_rate = static_cast<int>(device.rate);
        // Before the first period is asked for: nothing renders yet.
        if (m_prepare)
            m_prepare(m_rate);
        try {
            m_audio->startStream();
        } catch (const RtAudioError &error) {
            return failed(SoundProblem::StartFailed, QString::fromStdString(error.getMessage()));
        }
        if (!m_audio->isStreamRunning() || g_errors.count != m_errorsAtStart)
            return failed(SoundProblem::StartFailed, errorText());
        m_playingApi = apiId(api);
        m_running = true;
        return true;
    }

    bool failed(SoundProblem::Kind kind, const QString &detail)
    {
        m_lastProblem.kind = kind;
        m_lastProblem.detail = detail.trimmed();
        stop();
        return false;
    }

    // In the sound system's thread: no lock, no allocation.
    static int fill(void *output, void *, unsigned frames, double, RtAudioStreamStatus, void *user)
    {
        auto *feed = static_cast<Feed *>(user);
        auto *out = static_cast<float *>(output);
        const unsigned channels = feed->channels;
        if (!feed->live.load(std::memory_order_acquire)) {
            std::fill(out, out + static_cast<size_t>(frames) * channels, 0.0F);
            return 0;
        }
        while (frames > 0) {
            const auto part = static_cast<unsigned>(std::min<size_t>(frames, feed->samples.size()));
            feed->render(feed->samples.data(), static_cast<int>(part));
            for (unsigned i = 0; i < part; ++i)
                for (unsigned c = 0; c < channels; ++c)
                    *out++ = feed->samples[i];
            frames -= part;
        }
        return 0;
    }

    PrepareRate m_prepare;
    std::shared_ptr<Feed> m_feed;
    std::unique_ptr<RtAudio> m_audio;
    unsigned m_errorsAtStart = 0;
    bool m_running = false;
    int m_frames = 0;
    int m_rate = 0;
    QString m_playingApi;
    SoundProblem m_playing;
    SoundProblem m_problem;
    SoundProblem m_lastProblem;
    SoundProblem m_notice;
};

} // namespace

} // namespace cordavo

extern "C" Q_DECL_EXPORT cordavo::SoundSink *cordavoCreateSoundSink(const cordavo::RenderSamples &render,
                                                                    const cordavo::PrepareRate &prepare)
{
    return new cordavo::RtAudioSink(render, prepare);
}
