#pragma once

// What the sound tests share: a sound server of their own, and the pitch and
// strength of what is heard.

#include "sound/ToneSynth.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <complex>
#include <memory>
#include <numbers>
#include <optional>
#include <vector>

namespace cordavo {

// A PulseAudio server of the tests' own, with one null sink named "cordavo",
// in a temporary folder; PULSE_SERVER points this process to it.
class PrivateSoundServer
{
public:
    explicit PrivateSoundServer(const QString &program)
    {
        m_socket = m_dir.filePath(QStringLiteral("native"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir.path());
        env.insert(QStringLiteral("PULSE_RUNTIME_PATH"), m_dir.filePath(QStringLiteral("runtime")));
        env.insert(QStringLiteral("HOME"), m_dir.path());
        env.remove(QStringLiteral("PULSE_SERVER"));
        m_server.setProcessEnvironment(env);
        m_server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_server.start(program, {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
                                 QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--use-pid-file=no"),
                                 QStringLiteral("-L"), QStringLiteral("module-native-protocol-unix socket=") + m_socket,
                                 QStringLiteral("-L"), QStringLiteral("module-null-sink sink_name=cordavo")});
        qputenv("PULSE_SERVER", "unix:" + m_socket.toLocal8Bit());
    }
    ~PrivateSoundServer()
    {
        qunsetenv("PULSE_SERVER");
        m_server.kill();
        m_server.waitForFinished(5000);
    }
    PrivateSoundServer(const PrivateSoundServer &) = delete;
    PrivateSoundServer &operator=(const PrivateSoundServer &) = delete;

    // Waits (10 s at most) until the server listens.
    bool listening()
    {
        QElapsedTimer timer;
        timer.start();
        m_server.waitForStarted(10000);
        while (!QFileInfo::exists(m_socket) && m_server.state() == QProcess::Running && timer.elapsed() < 10000)
            QTest::qWait(20);
        return QFileInfo::exists(m_socket) && m_server.state() == QProcess::Running;
    }

private:
    QTemporaryDir m_dir;
    QString m_socket;
    QProcess m_server;
};

// The one server of the test process, started when first asked for and ended
// with the application, shared by the tests of one process. Null when pulseaudio is not
// installed (scripts/install-deps --tests) or does not start.
inline PrivateSoundServer *sharedSoundServer()
{
    static std::unique_ptr<PrivateSoundServer> server;
    static bool tried = false;
    if (!tried) {
        tried = true;
        const QString program = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
        if (!program.isEmpty()) {
            server = std::make_unique<PrivateSoundServer>(program);
            if (server->listening())
                qAddPostRoutine([] { server.reset(); });
            else
                server.reset();
        }
    }
    return server.get();
}

inline std::optional<QByteArray> jackServerVariable()
{
    if (!qEnvironmentVariableIsSet("JACK_DEFAULT_SERVER"))
        return std::nullopt;
    return qgetenv("JACK_DEFAULT_SERVER");
}

inline void restoreJackServer(const std::optional<QByteArray> &previous)
{
    if (previous)
        qputenv("JACK_DEFAULT_SERVER", *previous);
    else
        qunsetenv("JACK_DEFAULT_SERVER");
}

// A JACK server of the test's own on the dummy driver (no sound hardware),
// named uniquely; JACK_DEFAULT_SERVER points this process's clients to it
// while it lives. Ended by its process id.
class PrivateJackServer
{
public:
    explicit PrivateJackServer(int sampleRate = 48000, int periodFrames = 256)
        : m_name(QStringLiteral("cordavo-test-%1-%2").arg(QCoreApplication::applicationPid()).arg(++serial()))
    {
        const QString program = QStandardPaths::findExecutable(QStringLiteral("jackd"));
        if (program.isEmpty())
            return;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("JACK_NO_AUDIO_RESERVATION"), QStringLiteral("1"));
        m_server.setProcessEnvironment(env);
        m_server.setProcessChannelMode(QProcess::MergedChannels);
        m_server.start(program, {QStringLiteral("-n"), m_name, QStringLiteral("--no-realtime"), QStringLiteral("-d"),
                                 QStringLiteral("dummy"), QStringLiteral("-r"), QString::number(sampleRate),
                                 QStringLiteral("-p"), QString::number(periodFrames)});
        m_previous = jackServerVariable();
        qputenv("JACK_DEFAULT_SERVER", m_name.toLocal8Bit());
    }
    ~PrivateJackServer()
    {
        stop();
        restoreJackServer(m_previous);
    }
    PrivateJackServer(const PrivateJackServer &) = delete;
    PrivateJackServer &operator=(const PrivateJackServer &) = delete;

    // Waits (10 s at most) until the server takes clients.
    bool running()
    {
        QElapsedTimer timer;
        timer.start();
        if (!m_server.waitForStarted(10000))
            return false;
        while (m_server.state() == QProcess::Running && timer.elapsed() < 10000) {
            if (!ports().isEmpty())
                return true;
            QTest::qWait(50);
        }
        return false;
    }
    // The server's ports, as jack_lsp lists them.
    QStringList ports() const
    {
        QProcess lsp;
        lsp.start(QStringLiteral("jack_lsp"), {});
        if (!lsp.waitForFinished(10000) || lsp.exitCode() != 0)
            return {};
        return QString::fromLocal8Bit(lsp.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    // Ends the server (its clients find it gone); the name stays this
    // process's JACK server, now not running. Asked to end (SIGTERM, by its
    // process id), jackd takes its name out of JACK's shared registry, which
    // holds eight servers at most and keeps those killed outright.
    void stop()
    {
        if (m_server.state() != QProcess::NotRunning) {
            m_server.terminate();
            if (!m_server.waitForFinished(5000)) {
                m_server.kill();
                m_server.waitForFinished(5000);
            }
        }
    }

private:
    static int &serial()
    {
        static int count = 0;
        return count;
    }
    QString m_name;
    std::optional<QByteArray> m_previous;
    QProcess m_server;
};

// While it lives, this process's JACK clients look for a server that does
// not run, whatever JACK server the machine may have.
class NoJackServer
{
public:
    NoJackServer() : m_previous(jackServerVariable()) { qputenv("JACK_DEFAULT_SERVER", "cordavo-test-no-server"); }
    ~NoJackServer() { restoreJackServer(m_previous); }

private:
    std::optional<QByteArray> m_previous;
};

// The Hann-windowed spectrum's magnitudes, as a sine's amplitude.
class Spectrum
{
public:
    explicit Spectrum(const std::vector<float> &samples) : m_windowed(samples.size())
    {
        for (size_t i = 0; i < samples.size(); ++i)
            m_windowed[i] =
                (0.5 - 0.5 * std::cos(2 * std::numbers::pi * double(i) / double(samples.size()))) * double(samples[i]);
    }

    double amplitudeAt(double hz) const
    {
        std::complex<double> sum, rotor = 1;
        const std::complex<double> turn = std::polar(1.0, -2 * std::numbers::pi * hz / kSampleRate);
        for (double x : m_windowed) {
            sum += x * rotor;
            rotor *= turn;
        }
        return 4 * std::abs(sum) / double(m_windowed.size());
    }

    // The strongest frequency within 'cents' of hz: searched in whole cents,
    // then in hundredths around the best.
    double peakNear(double hz, double cents) const
    {
        double best = 0, bestAmplitude = -1;
        for (double step : {1.0, 0.01}) {
            const double centre = best;
            for (double c = centre - cents; c <= centre + cents; c += step) {
                const double amplitude = amplitudeAt(hz * std::pow(2.0, c / 1200));
                if (amplitude > bestAmplitude) {
                    bestAmplitude = amplitude;
                    best = c;
                }
            }
            cents = 1;
        }
        return hz * std::pow(2.0, best / 1200);
    }

private:
    std::vector<double> m_windowed;
};

} // namespace cordavo
