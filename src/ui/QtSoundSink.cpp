#include "ui/SoundSink.h"

#include <QtGlobal>

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

namespace cordavo {

namespace {

// How much sound the device holds ahead of what is heard. With Qt's
// PulseAudio output a buffer of 40 ms let only a few hundred samples of a
// two-second chord through; 100 ms delivers the whole of it.
constexpr int kBufferMilliseconds = 100;

// Renders the synthesizer into whatever the device asks for.
class SynthSource : public QIODevice
{
public:
    SynthSource(const RenderSamples &render, QAudioFormat::SampleFormat format) : m_render(render), m_format(format) {}

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return 1 << 16; }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        const int bytesPerFrame = m_format == QAudioFormat::Float ? 4 : 2;
        const int frames = static_cast<int>(std::min<qint64>(maxSize / bytesPerFrame, 1 << 16));
        if (frames <= 0)
            return 0;
        m_buffer.resize(static_cast<size_t>(frames));
        m_render(m_buffer.data(), frames);
        if (m_format == QAudioFormat::Float) {
            std::memcpy(data, m_buffer.data(), static_cast<size_t>(frames) * 4);
        } else {
            for (int i = 0; i < frames; ++i) {
                const float sample = std::clamp(m_buffer[static_cast<size_t>(i)], -1.0f, 1.0f);
                const auto value = static_cast<qint16>(std::lround(sample * 32767.0f));
                std::memcpy(data + 2 * i, &value, 2);
            }
        }
        return static_cast<qint64>(frames) * bytesPerFrame;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    RenderSamples m_render;
    QAudioFormat::SampleFormat m_format;
    std::vector<float> m_buffer;
};

// The sound device of Qt Multimedia's default output.
class QtSoundSink : public SoundSink
{
public:
    explicit QtSoundSink(const RenderSamples &render) : m_render(render) {}
    ~QtSoundSink() override { stop(); }

    bool available() const override { return !QMediaDevices::defaultAudioOutput().isNull(); }

    bool playing() const override { return m_sink && m_sink->state() == QAudio::ActiveState; }

    bool start() override
    {
        if (m_sink && m_sink->state() != QAudio::StoppedState)
            return m_sink->error() == QAudio::NoError;
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull())
            return false;
        QAudioFormat format;
        format.setSampleRate(48000);
        format.setChannelCount(1);
        format.setSampleFormat(device.preferredFormat().sampleFormat() == QAudioFormat::Float ? QAudioFormat::Float
                                                                                              : QAudioFormat::Int16);
        if (!device.isFormatSupported(format)) {
            format.setSampleFormat(format.sampleFormat() == QAudioFormat::Float ? QAudioFormat::Int16
                                                                                : QAudioFormat::Float);
            if (!device.isFormatSupported(format))
                return false;
        }
        m_sink.reset();
        m_source = std::make_unique<SynthSource>(m_render, format.sampleFormat());
        m_source->open(QIODevice::ReadOnly);
        m_sink = std::make_unique<QAudioSink>(device, format);
        m_sink->setBufferSize(format.bytesForDuration(kBufferMilliseconds * 1000));
        m_sink->start(m_source.get());
        return m_sink->error() == QAudio::NoError;
    }

    void stop() override
    {
        if (m_sink)
            m_sink->stop();
        m_sink.reset();
        m_source.reset();
    }

private:
    RenderSamples m_render;
    std::unique_ptr<QIODevice> m_source;
    std::unique_ptr<QAudioSink> m_sink;
};

} // namespace

} // namespace cordavo

extern "C" Q_DECL_EXPORT cordavo::SoundSink *cordavoCreateSoundSink(const cordavo::RenderSamples &render)
{
    return new cordavo::QtSoundSink(render);
}
