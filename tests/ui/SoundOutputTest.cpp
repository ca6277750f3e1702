// The Listen window's sound output played into a real sound server: a
// private PulseAudio with one null sink, whose monitor is recorded.

#include "ui/SoundOutput.h"
#include "sound/ToneSynth.h"
#include "tuning/TuningExport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstring>
#include <numbers>

using namespace cordavo;

namespace {

// A PulseAudio server of the test's own, in a temporary folder, killed
// however the test ends; PULSE_SERVER points this process to it meanwhile.
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
        m_hadServer = qEnvironmentVariableIsSet("PULSE_SERVER");
        m_oldServer = qgetenv("PULSE_SERVER");
        qputenv("PULSE_SERVER", "unix:" + m_socket.toLocal8Bit());
    }
    ~PrivateSoundServer()
    {
        if (m_hadServer)
            qputenv("PULSE_SERVER", m_oldServer);
        else
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
    bool m_hadServer = false;
    QByteArray m_oldServer;
};

// The Hann-windowed spectrum's magnitude at hz, as a sine's amplitude.
double amplitudeAt(const std::vector<float> &samples, double hz)
{
    std::complex<double> sum, rotor = 1;
    const std::complex<double> turn = std::polar(1.0, -2 * std::numbers::pi * hz / kSampleRate);
    for (size_t i = 0; i < samples.size(); ++i) {
        const double window = 0.5 - 0.5 * std::cos(2 * std::numbers::pi * double(i) / double(samples.size()));
        sum += window * double(samples[i]) * rotor;
        rotor *= turn;
    }
    return 4 * std::abs(sum) / double(samples.size());
}

// The strongest frequency within 'cents' of hz: searched in whole cents, then
// in hundredths around the best.
double peakNear(const std::vector<float> &samples, double hz, double cents)
{
    double best = 0, bestAmplitude = -1;
    for (double step : {1.0, 0.01}) {
        const double centre = best;
        for (double c = centre - cents; c <= centre + cents; c += step) {
            const double amplitude = amplitudeAt(samples, hz * std::pow(2.0, c / 1200));
            if (amplitude > bestAmplitude) {
                bestAmplitude = amplitude;
                best = c;
            }
        }
        cents = 1;
    }
    return hz * std::pow(2.0, best / 1200);
}

} // namespace

// C4 E4 G4 played for two seconds arrive at the sound server at their pitches.
// The null sink takes sound in uneven bursts, so what is checked is what
// arrives, not how long it lasts.
TEST(SoundOutput, AChordArrivesAtTheSoundServerAtItsPitches)
{
    const QString pulseaudio = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
    const QString parec = QStandardPaths::findExecutable(QStringLiteral("parec"));
    if (pulseaudio.isEmpty() || parec.isEmpty())
        GTEST_SKIP() << "pulseaudio and parec (scripts/install-deps --tests) are not installed";
    PrivateSoundServer server(pulseaudio);
    ASSERT_TRUE(server.listening());

    QProcess recorder;
    recorder.start(parec,
                   {QStringLiteral("-d"), QStringLiteral("cordavo.monitor"), QStringLiteral("--rate"),
                    QStringLiteral("48000"), QStringLiteral("--channels"), QStringLiteral("1"),
                    QStringLiteral("--format"), QStringLiteral("float32le"), QStringLiteral("--latency-msec=20")});
    // The monitor sends silence as soon as the recorder is connected; a short
    // latency, since the default holds back up to two seconds of recording.
    ASSERT_TRUE(recorder.waitForReadyRead(10000));

    const KeyPitches equal = keyPitches(440, 440, {});
    const std::vector<double> chord{double(equal[60]), double(equal[64]), double(equal[67])};
    {
        ToneSynth synth(Voice::Flute);
        SoundOutput output(synth, nullptr);
        ASSERT_TRUE(output.available());
        ASSERT_TRUE(output.start());
        for (double hz : chord)
            synth.noteOn(hz);
        QTest::qWait(2000);
        synth.allNotesOff();
        QTest::qWait(200);
        output.stop();
    }
    QTest::qWait(300);
    recorder.terminate();
    recorder.waitForFinished(5000);
    const QByteArray bytes = recorder.readAllStandardOutput();
    std::vector<float> recorded(static_cast<size_t>(bytes.size()) / sizeof(float));
    std::memcpy(recorded.data(), bytes.constData(), recorded.size() * sizeof(float));

    // The sounding part, a second of it at most.
    size_t first = 0;
    while (first < recorded.size() && std::fabs(recorded[first]) < 1e-3F)
        ++first;
    std::vector<float> sounding(recorded.begin() + static_cast<std::ptrdiff_t>(first), recorded.end());
    while (!sounding.empty() && std::fabs(sounding.back()) < 1e-3F)
        sounding.pop_back();
    ASSERT_GT(sounding.size(), size_t(kSampleRate / 4)) << "of " << recorded.size() << " samples recorded";
    if (sounding.size() > size_t(kSampleRate))
        sounding.resize(kSampleRate);

    // Each fundamental is there, strong, at its pitch: a wrong sample rate
    // or format would move it by far more than a few cents, or lose it.
    // The flute's fundamental is 0.12 of full scale.
    for (double hz : chord) {
        SCOPED_TRACE(hz);
        const double found = peakNear(sounding, hz, 50);
        EXPECT_LT(std::fabs(1200 * std::log2(found / hz)), 3.0) << found;
        EXPECT_GT(amplitudeAt(sounding, found), 0.03);
    }
}
