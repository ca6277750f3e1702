#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <jack/jack.h>
#include <jack/ringbuffer.h>

#include <gtest/gtest.h>

#include <atomic>
#include <initializer_list>
#include <vector>

namespace cordavo {

// A JACK server of the test's own: Debian's jackd2 with the dummy driver, no
// sound hardware, patient with clients slowed by a busy machine, under a name no other test uses. Its clients find it
// through JACK_DEFAULT_SERVER, which start() sets in this process's
// environment (so that cordavo-cli run from here finds it too). Ended by its
// process id.
class JackServer
{
public:
    ~JackServer();
    // Empty when it runs and takes clients; else why not.
    QString start();
    void stop();
    QString name() const { return m_name; }

private:
    QProcess m_process;
    QString m_name;
};

// A test suite whose every test runs against one private JACK server.
template <typename Base> class OnJack : public Base
{
public:
    static void SetUpTestSuite()
    {
        server = new JackServer;
        startError = server->start();
    }
    static void TearDownTestSuite()
    {
        delete server;
        server = nullptr;
    }

protected:
    void SetUp() override
    {
        if (!startError.isEmpty())
            GTEST_FAIL() << startError.toStdString();
        Base::SetUp();
    }

    static inline JackServer *server = nullptr;
    static inline QString startError;
};

// A small JACK client of the tests: a MIDI output port "out" that plays the
// messages queued with play(), each in the next period, a MIDI input port
// "in" that keeps every byte it receives, and an audio input port "rec"
// that records once asked to. The real-time side neither locks nor
// allocates, as JACK asks.
class TestJackClient
{
public:
    explicit TestJackClient(const char *name);
    ~TestJackClient();
    bool isOpen() const { return m_client != nullptr; }
    // Full port names, "client:out" and "client:in".
    QString outPort() const;
    QString inPort() const;
    QString recordPort() const;

    void play(std::initializer_list<unsigned char> message);
    // Waits until 'count' bytes arrived or 'milliseconds' passed, and gives
    // all that arrived.
    QByteArray received(int count, int milliseconds = 5000);
    // Waits until every message queued has been played, and a few periods more.
    void waitPlayed();
    // From now on "rec" keeps what it hears (up to 40 s), and each message
    // played is stamped with the frame of the recording it was played at.
    void startRecording();
    // All recorded so far, and the frames the messages were played at.
    const std::vector<float> &recording();
    const std::vector<long> &playedAtFrames();
    static constexpr int kPeriodFrames = 256;
    // Connects 'from' to 'to', by their full names.
    bool connect(const QString &from, const QString &to);
    // The full names of the ports matching the regular expression.
    QStringList ports(const char *pattern, const char *type, unsigned long flags) const;

    // Closes the client, as an unplugged keyboard goes.
    void close();

private:
    static int process(jack_nframes_t frames, void *self);

    jack_client_t *m_client = nullptr;
    jack_port_t *m_out = nullptr;
    jack_port_t *m_in = nullptr;
    jack_port_t *m_rec = nullptr;
    std::atomic<bool> m_recording = false;
    long m_framesRecorded = 0;               // the real-time side's
    jack_ringbuffer_t *m_audio = nullptr;    // the samples recorded
    jack_ringbuffer_t *m_playedAt = nullptr; // a long for each message played while recording
    std::vector<float> m_samples;
    std::vector<long> m_playedFrames;
    jack_ringbuffer_t *m_toPlay = nullptr;   // a byte of length, then the message
    jack_ringbuffer_t *m_received = nullptr; // the bytes of every message, one after another
    QByteArray m_taken;
};

} // namespace cordavo
