#include "JackTesting.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

#include <jack/midiport.h>

#include <csignal>
#include <sys/prctl.h>

namespace cordavo {

namespace {

constexpr int kWaitMilliseconds = 5000;

void quiet(const char *) {}

bool serverAnswers()
{
    jack_status_t status{};
    jack_client_t *client = jack_client_open("probe", JackNoStartServer, &status);
    if (!client)
        return false;
    jack_client_close(client);
    return true;
}

} // namespace

JackServer::~JackServer()
{
    stop();
}

QString JackServer::start()
{
    jack_set_error_function(quiet);
    jack_set_info_function(quiet);
    m_name = QStringLiteral("cordavo-test-%1").arg(QCoreApplication::applicationPid());
    qputenv("JACK_DEFAULT_SERVER", m_name.toUtf8());
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    // Ended with the test even when the test is killed (a time-out).
    m_process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    // Synchronous, with a long client timeout: on a busy test machine a
    // client late for its period would otherwise miss that period's MIDI
    // (asynchronous mode goes on without it), or be dropped from the graph.
    m_process.start(QStringLiteral("jackd"),
                    {QStringLiteral("-n"), m_name, QStringLiteral("--sync"), QStringLiteral("-t"),
                     QStringLiteral("10000"), QStringLiteral("--no-realtime"), QStringLiteral("-d"),
                     QStringLiteral("dummy"), QStringLiteral("-r"), QStringLiteral("48000"), QStringLiteral("-p"),
                     QStringLiteral("256")});
    if (!m_process.waitForStarted())
        return QStringLiteral("jackd did not start: ") + m_process.errorString();
    const QDeadlineTimer deadline(kWaitMilliseconds);
    while (!deadline.hasExpired()) {
        if (m_process.state() != QProcess::Running)
            return QStringLiteral("jackd ended: ") + QString::fromLocal8Bit(m_process.readAll());
        if (serverAnswers())
            return {};
        QThread::msleep(50);
    }
    return QStringLiteral("jackd takes no clients: ") + QString::fromLocal8Bit(m_process.readAll());
}

void JackServer::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate(); // SIGTERM to the process id QProcess started
    if (!m_process.waitForFinished(kWaitMilliseconds)) {
        m_process.kill();
        m_process.waitForFinished();
    }
}

TestJackClient::TestJackClient(const char *name)
{
    jack_status_t status{};
    m_client = jack_client_open(name, JackNoStartServer, &status);
    if (!m_client)
        return;
    m_out = jack_port_register(m_client, "out", JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput, 0);
    m_in = jack_port_register(m_client, "in", JACK_DEFAULT_MIDI_TYPE, JackPortIsInput, 0);
    m_rec = jack_port_register(m_client, "rec", JACK_DEFAULT_AUDIO_TYPE, JackPortIsInput, 0);
    m_toPlay = jack_ringbuffer_create(1 << 14);
    m_received = jack_ringbuffer_create(1 << 16);
    m_playedAt = jack_ringbuffer_create(1 << 12);
    jack_set_process_callback(m_client, &TestJackClient::process, this);
    if (!m_out || !m_in || !m_rec || jack_activate(m_client) != 0)
        close();
}

TestJackClient::~TestJackClient()
{
    close();
    if (m_toPlay)
        jack_ringbuffer_free(m_toPlay);
    if (m_received)
        jack_ringbuffer_free(m_received);
    if (m_playedAt)
        jack_ringbuffer_free(m_playedAt);
    if (m_audio)
        jack_ringbuffer_free(m_audio);
}

void TestJackClient::close()
{
    if (!m_client)
        return;
    jack_deactivate(m_client);
    jack_client_close(m_client);
    m_client = nullptr;
}

QString TestJackClient::outPort() const
{
    return m_client ? QString::fromUtf8(jack_port_name(m_out)) : QString();
}

QString TestJackClient::inPort() const
{
    return m_client ? QString::fromUtf8(jack_port_name(m_in)) : QString();
}

QString TestJackClient::recordPort() const
{
    return m_client ? QString::fromUtf8(jack_port_name(m_rec)) : QString();
}

int TestJackClient::process(jack_nframes_t frames, void *self)
{
    auto &client = *static_cast<TestJackClient *>(self);
    const bool recording = client.m_recording.load(std::memory_order_acquire);
    void *out = jack_port_get_buffer(client.m_out, frames);
    jack_midi_clear_buffer(out);
    unsigned char size = 0;
    while (jack_ringbuffer_peek(client.m_toPlay, reinterpret_cast<char *>(&size), 1) == 1 &&
           jack_ringbuffer_read_space(client.m_toPlay) >= 1u + size) {
        jack_ringbuffer_read_advance(client.m_toPlay, 1);
        if (recording) {
            jack_ringbuffer_write(client.m_playedAt, reinterpret_cast<const char *>(&client.m_framesRecorded),
                                  sizeof(long));
        }
        if (jack_midi_data_t *data = jack_midi_event_reserve(out, 0, size))
            jack_ringbuffer_read(client.m_toPlay, reinterpret_cast<char *>(data), size);
        else
            jack_ringbuffer_read_advance(client.m_toPlay, size);
    }
    void *in = jack_port_get_buffer(client.m_in, frames);
    const jack_nframes_t count = jack_midi_get_event_count(in);
    for (jack_nframes_t i = 0; i < count; ++i) {
        jack_midi_event_t event;
        if (jack_midi_event_get(&event, in, i) == 0)
            jack_ringbuffer_write(client.m_received, reinterpret_cast<const char *>(event.buffer), event.size);
    }
    if (recording) {
        const auto *heard = static_cast<const float *>(jack_port_get_buffer(client.m_rec, frames));
        jack_ringbuffer_write(client.m_audio, reinterpret_cast<const char *>(heard), frames * sizeof(float));
        client.m_framesRecorded += frames;
    }
    return 0;
}

void TestJackClient::startRecording()
{
    if (!m_audio)
        m_audio = jack_ringbuffer_create(40 * 48000 * sizeof(float));
    m_recording.store(true, std::memory_order_release);
}

const std::vector<float> &TestJackClient::recording()
{
    if (const size_t bytes = m_audio ? jack_ringbuffer_read_space(m_audio) : 0; bytes >= sizeof(float)) {
        const size_t count = bytes / sizeof(float);
        const size_t start = m_samples.size();
        m_samples.resize(start + count);
        jack_ringbuffer_read(m_audio, reinterpret_cast<char *>(m_samples.data() + start), count * sizeof(float));
    }
    return m_samples;
}

const std::vector<long> &TestJackClient::playedAtFrames()
{
    long frame = 0;
    while (jack_ringbuffer_read(m_playedAt, reinterpret_cast<char *>(&frame), sizeof(long)) == sizeof(long))
        m_playedFrames.push_back(frame);
    return m_playedFrames;
}

bool TestJackClient::connect(const QString &from, const QString &to)
{
    return m_client && jack_connect(m_client, from.toUtf8().constData(), to.toUtf8().constData()) == 0;
}

QStringList TestJackClient::ports(const char *pattern, const char *type, unsigned long flags) const
{
    QStringList names;
    if (!m_client)
        return names;
    if (const char **found = jack_get_ports(m_client, pattern, type, flags)) {
        for (const char **port = found; *port; ++port)
            names << QString::fromUtf8(*port);
        jack_free(found);
    }
    return names;
}

void TestJackClient::play(std::initializer_list<unsigned char> message)
{
    const auto size = static_cast<unsigned char>(message.size());
    jack_ringbuffer_write(m_toPlay, reinterpret_cast<const char *>(&size), 1);
    jack_ringbuffer_write(m_toPlay, reinterpret_cast<const char *>(message.begin()), size);
}

void TestJackClient::waitPlayed()
{
    const QDeadlineTimer deadline(kWaitMilliseconds);
    while (jack_ringbuffer_read_space(m_toPlay) > 0 && !deadline.hasExpired())
        QThread::msleep(2);
    // The periods in which the receiver takes them: 5.3 ms each.
    QThread::msleep(40);
}

QByteArray TestJackClient::received(int count, int milliseconds)
{
    const QDeadlineTimer deadline(milliseconds);
    while (true) {
        const size_t available = jack_ringbuffer_read_space(m_received);
        if (available > 0) {
            QByteArray bytes(static_cast<qsizetype>(available), Qt::Uninitialized);
            jack_ringbuffer_read(m_received, bytes.data(), available);
            m_taken += bytes;
        }
        if (m_taken.size() >= count || deadline.hasExpired())
            return m_taken;
        QThread::msleep(5);
    }
}

} // namespace cordavo
