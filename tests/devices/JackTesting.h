#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>

#include <jack/jack.h>
#include <jack/ringbuffer.h>

#include <initializer_list>

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

// A small JACK client of the tests: a MIDI output port "out" that plays the
// messages queued with play(), each in the next period, and a MIDI input
// port "in" that keeps every byte it receives. The real-time side neither
// locks nor allocates, as JACK asks.
class TestJackClient
{
public:
    explicit TestJackClient(const char *name);
    ~TestJackClient();
    bool isOpen() const { return m_client != nullptr; }
    // Full port names, "client:out" and "client:in".
    QString outPort() const;
    QString inPort() const;

    void play(std::initializer_list<unsigned char> message);
    // Waits until 'count' bytes arrived or 'milliseconds' passed, and gives
    // all that arrived.
    QByteArray received(int count, int milliseconds = 5000);
    // Waits until every message queued has been played, and a few periods more.
    void waitPlayed();
    // Closes the client, as an unplugged keyboard goes.
    void close();

private:
    static int process(jack_nframes_t frames, void *self);

    jack_client_t *m_client = nullptr;
    jack_port_t *m_out = nullptr;
    jack_port_t *m_in = nullptr;
    jack_ringbuffer_t *m_toPlay = nullptr;   // a byte of length, then the message
    jack_ringbuffer_t *m_received = nullptr; // the bytes of every message, one after another
    QByteArray m_taken;
};

} // namespace cordavo
