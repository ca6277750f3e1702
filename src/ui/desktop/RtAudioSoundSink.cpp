#include "ui/desktop/SoundSink.h"

#include <QtGlobal>

#include <rtaudio/RtAudio.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <optional>
#include <vector>

namespace cordavo {

namespace {

// About as much sound ahead of what is heard as the Qt Multimedia sink holds.
constexpr unsigned kBufferFrames = 1024;
constexpr unsigned kSampleRate = 48000;

// Errors of a running stream come here instead of being thrown in the sound
// system's thread; the stream counts as stopped after one.
std::atomic<bool> g_streamFailed = false;

void streamError(RtAudioError::Type type, const std::string &)
{
    if (type != RtAudioError::WARNING && type != RtAudioError::DEBUG_WARNING)
        g_streamFailed = true;
}

// The default output of the platform's sound system through RtAudio (WASAPI,
// else DirectSound on Windows), fed from RtAudio's own thread: each period
// renders the mono samples once and copies them into every channel.
class RtAudioSoundSink : public SoundSink
{
public:
    explicit RtAudioSoundSink(const RenderSamples &render) : m_render(render) {}
    ~RtAudioSoundSink() override { stop(); }

    bool available() const override { return outputDevice().has_value(); }

    bool playing() const override { return m_playing && !g_streamFailed && m_audio && m_audio->isStreamRunning(); }

    bool start() override
    {
        if (playing())
            return true;
        stop();
        const std::optional<unsigned> device = outputDevice();
        if (!device)
            return false;
        try {
            RtAudio::StreamParameters parameters;
            parameters.deviceId = *device;
            // Mono is not every device's own layout: two channels (or one,
            // where that is all there is) carry the same samples.
            parameters.nChannels = std::min(2u, m_audio->getDeviceInfo(*device).outputChannels);
            m_channels = parameters.nChannels;
            unsigned frames = kBufferFrames;
            m_samples.assign(kBufferFrames * 4, 0.0f);
            g_streamFailed = false;
            m_audio->openStream(&parameters, nullptr, RTAUDIO_FLOAT32, kSampleRate, &frames, &RtAudioSoundSink::fill,
                                this, nullptr, &streamError);
            if (!m_audio->isStreamOpen())
                return false;
            if (frames > m_samples.size())
                m_samples.assign(frames, 0.0f);
            m_audio->startStream();
            m_playing = m_audio->isStreamRunning() && !g_streamFailed;
        } catch (const RtAudioError &) {
            m_playing = false;
        }
        if (!m_playing)
            stop();
        return m_playing;
    }

    void stop() override
    {
        m_playing = false;
        if (!m_audio)
            return;
        try {
            if (m_audio->isStreamRunning())
                m_audio->stopStream();
            if (m_audio->isStreamOpen())
                m_audio->closeStream();
        } catch (const RtAudioError &) {
            // A stream that cannot be stopped cleanly is let go with the object.
            m_audio.reset();
        }
    }

private:
    // The default output, where there is one with channels to play through.
    std::optional<unsigned> outputDevice() const
    {
        try {
            if (!m_audio) {
                m_audio = std::make_unique<RtAudio>();
                m_audio->showWarnings(false);
            }
            if (m_audio->getDeviceCount() == 0)
                return std::nullopt;
            const unsigned device = m_audio->getDefaultOutputDevice();
            const RtAudio::DeviceInfo info = m_audio->getDeviceInfo(device);
            if (!info.probed || info.outputChannels == 0)
                return std::nullopt;
            return device;
        } catch (const RtAudioError &) {
            return std::nullopt;
        }
    }

    static int fill(void *output, void *, unsigned frames, double, RtAudioStreamStatus, void *user)
    {
        auto *sink = static_cast<RtAudioSoundSink *>(user);
        auto *out = static_cast<float *>(output);
        const unsigned channels = sink->m_channels;
        // RtAudio hands the agreed period; a longer one is rendered in parts.
        while (frames > 0) {
            const auto part = static_cast<unsigned>(std::min<size_t>(frames, sink->m_samples.size()));
            sink->m_render(sink->m_samples.data(), static_cast<int>(part));
            for (unsigned i = 0; i < part; ++i)
                for (unsigned c = 0; c < channels; ++c)
                    *out++ = sink->m_samples[i];
            frames -= part;
        }
        return 0;
    }

    RenderSamples m_render;
    mutable std::unique_ptr<RtAudio> m_audio;
    std::vector<float> m_samples;
    unsigned m_channels = 1;
    bool m_playing = false;
};

} // namespace

} // namespace cordavo

extern "C" Q_DECL_EXPORT cordavo::SoundSink *cordavoCreateSoundSink(const cordavo::RenderSamples &render)
{
    return new cordavo::RtAudioSoundSink(render);
}
