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
// with the application: Qt's sound system stays with the first server it
// reaches, so the tests of one process share it. Null when pulseaudio is not
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
