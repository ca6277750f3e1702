#include "ui/desktop/SoundSink.h"

#include <QtGlobal>

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>
#include <QMetaObject>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

namespace cordavo {

namespace {

// How much sound the device holds ahead of what is heard. With Qt's
// PulseAudio output a device that is asked for 40 ms or less may never start
// playing; 60 ms starts at once, and the feeder keeps it full.
constexpr int kBufferMilliseconds = 60;
// How often the feeder fills the room the device has made: a note switched
// on is handed to the device within this, once the device has room.
constexpr int kFeedMilliseconds = 5;

// Fills the device from a thread of its own, so that a window busy drawing
// never starves the sound, and renders only what the device has room for, so
// that a note switched on is handed over at the next fill. (Qt's pulling
// device reads in 20 ms periods, each only once a whole period is free; a
// note waited up to 40 ms that way.)
class Feeder : public QObject
{
public:
    explicit Feeder(const RenderSamples &render) : m_render(render) {}

    // In the feeder's thread: opens the default output and starts filling it.
    bool open()
    {
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
        m_float = format.sampleFormat() == QAudioFormat::Float;
        m_sink = std::make_unique<QAudioSink>(device, format);
        m_sink->setBufferSize(format.bytesForDuration(kBufferMilliseconds * 1000));
        m_device = m_sink->start();
        if (!m_device || m_sink->error() != QAudio::NoError) {
            close();
            return false;
        }
        // Room for the whole buffer now, so that filling never allocates.
        const auto frames = static_cast<size_t>(std::max<qint64>(m_sink->bufferSize(), 1 << 14));
        m_samples.resize(frames);
        m_bytes.resize(frames * 4);
        m_timer = std::make_unique<QTimer>();
        m_timer->setTimerType(Qt::PreciseTimer);
        QObject::connect(m_timer.get(), &QTimer::timeout, m_timer.get(), [this] { feed(); });
        feed();
        m_timer->start(kFeedMilliseconds);
        return true;
    }

    // In the feeder's thread.
    void close()
    {
        m_timer.reset();
        if (m_sink)
            m_sink->stop();
        m_device = nullptr;
        m_sink.reset();
    }

private:
    void feed()
    {
        const int bytesPerFrame = m_float ? 4 : 2;
        const auto frames = static_cast<int>(
            std::min<qint64>(m_sink->bytesFree() / bytesPerFrame, static_cast<qint64>(m_samples.size())));
        if (frames <= 0)
            return;
        m_render(m_samples.data(), frames);
        if (m_float) {
            std::memcpy(m_bytes.data(), m_samples.data(), static_cast<size_t>(frames) * 4);
        } else {
            for (int i = 0; i < frames; ++i) {
                const float sample = std::clamp(m_samples[static_cast<size_t>(i)], -1.0f, 1.0f);
                const auto value = static_cast<qint16>(std::lround(sample * 32767.0f));
                std::memcpy(m_bytes.data() + 2 * i, &value, 2);
            }
        }
        m_device->write(m_bytes.data(), static_cast<qint64>(frames) * bytesPerFrame);
    }

    RenderSamples m_render;
    bool m_float = true;
    std::unique_ptr<QAudioSink> m_sink;
    QIODevice *m_device = nullptr;
    std::unique_ptr<QTimer> m_timer;
    std::vector<float> m_samples;
    std::vector<char> m_bytes;
};

// The sound device of Qt Multimedia's default output, fed by a thread of its
// own while it plays.
class QtSoundSink : public SoundSink
{
public:
    explicit QtSoundSink(const RenderSamples &render) : m_feeder(render) { m_feeder.moveToThread(&m_thread); }
    ~QtSoundSink() override { stop(); }

    bool available() const override { return !QMediaDevices::defaultAudioOutput().isNull(); }

    bool playing() const override { return m_playing; }

    bool start() override
    {
        if (m_playing)
            return true;
        m_thread.start();
        bool opened = false;
        QMetaObject::invokeMethod(
            &m_feeder, [this, &opened] { opened = m_feeder.open(); }, Qt::BlockingQueuedConnection);
        m_playing = opened;
        if (!opened)
            stop();
        return opened;
    }

    void stop() override
    {
        if (m_thread.isRunning()) {
            QMetaObject::invokeMethod(
                &m_feeder, [this] { m_feeder.close(); }, Qt::BlockingQueuedConnection);
            m_thread.quit();
            m_thread.wait();
        }
        m_playing = false;
    }

private:
    QThread m_thread;
    Feeder m_feeder;
    bool m_playing = false;
};

} // namespace

} // namespace cordavo

extern "C" Q_DECL_EXPORT cordavo::SoundSink *cordavoCreateSoundSink(const cordavo::RenderSamples &render)
{
    return new cordavo::QtSoundSink(render);
}
