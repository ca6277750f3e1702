#include "devices/SoundOutput.h"

#include "sound/ToneSynth.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLibrary>
#include <QThread>

namespace cordavo {

namespace {

// How often a playing stream is asked whether the sound system still plays it.
constexpr int kWatchMilliseconds = 250;

// Where the sound module may be: beside the program (a build), one folder up
// (the tests), and where it is installed, relative to the program.
QStringList moduleCandidates()
{
    const QDir program(QCoreApplication::applicationDirPath());
    return {program.filePath(QStringLiteral("cordavo_audio")), program.filePath(QStringLiteral("../cordavo_audio")),
            program.filePath(QStringLiteral(CORDAVO_AUDIO_MODULE_FROM_PROGRAM "/cordavo_audio"))};
}

// The module's entry, looked for once; the module stays loaded.
CreateSoundSink soundModule()
{
    static const CreateSoundSink create = [] {
        for (const QString &candidate : moduleCandidates()) {
            QLibrary module(candidate);
            if (const auto found = reinterpret_cast<CreateSoundSink>(module.resolve(kCreateSoundSink)))
                return found;
        }
        return CreateSoundSink(nullptr);
    }();
    return create;
}

} // namespace

SoundOutput::SoundOutput(ToneSynth &synth, QObject *parent) : QObject(parent), m_synth(synth)
{
    m_watch.setInterval(kWatchMilliseconds);
    connect(&m_watch, &QTimer::timeout, this, &SoundOutput::watch);
}

SoundOutput::~SoundOutput()
{
    stop();
}

SoundSink *SoundOutput::sink() const
{
    if (!m_loaded) {
        m_loaded = true;
        if (const CreateSoundSink create = soundModule()) {
            ToneSynth *synth = &m_synth;
            std::atomic<qint64> *counted = &m_samplesRendered;
            m_sink.reset(create(
                [synth, counted](float *out, int frames) {
                    synth->render(out, frames);
                    counted->fetch_add(frames, std::memory_order_relaxed);
                },
                [synth](int rate) { synth->setSampleRate(rate); }));
        }
    }
    return m_sink.get();
}

SoundDeviceLists SoundOutput::deviceLists()
{
    std::shared_ptr<SoundSink> lister;
    if (const CreateSoundSink create = soundModule())
        lister.reset(create([](float *out, int frames) { std::fill(out, out + frames, 0.0F); }, {}));
    return {[lister] { return lister ? lister->apis() : QList<SoundApi>(); },
            [lister] { return lister ? lister->automaticApi() : QString(); },
            [lister](const QString &api) { return lister ? lister->devices(api) : QStringList(); }};
}

bool SoundOutput::available() const
{
    return sink() && m_sink->available();
}

bool SoundOutput::start(const SoundChoice &choice)
{
    if (playing())
        return true;
    m_problem = {};
    if (!sink()) {
        m_problem.kind = SoundProblem::NoOutput;
        return false;
    }
    const qint64 before = m_samplesRendered.load();
    if (!m_sink->start(choice)) {
        m_problem = m_sink->problem();
        return false;
    }
    // A sound system may make a stream, start it and never ask it for sound
    // (its thread stuck); it is closed after a second and named, rather than
    // left playing nothing.
    QElapsedTimer waited;
    waited.start();
    while (m_samplesRendered.load() == before && m_sink->playing() && waited.elapsed() < kStartMilliseconds)
        QThread::msleep(1);
    if (m_samplesRendered.load() == before) {
        m_problem = m_sink->problem();
        if (m_problem.kind == SoundProblem::None) {
            m_problem.kind = SoundProblem::NotStarted;
            for (const SoundApi &api : m_sink->apis())
                if (api.id == m_sink->playingApi())
                    m_problem.api = api.name;
            m_problem.device = m_sink->playingDevice();
        }
        m_sink->abandon();
        return false;
    }
    m_watch.start();
    return true;
}

void SoundOutput::watch()
{
    if (!m_sink || m_sink->playing())
        return;
    m_problem = m_sink->problem();
    stop();
    emit failed();
}

void SoundOutput::stop()
{
    m_watch.stop();
    if (m_sink)
        m_sink->stop();
}

bool SoundOutput::playing() const
{
    return m_sink && m_sink->playing();
}

SoundProblem SoundOutput::problem() const
{
    return m_problem;
}

SoundProblem SoundOutput::notice() const
{
    return m_sink ? m_sink->notice() : SoundProblem();
}

QString SoundOutput::playingApi() const
{
    return m_sink ? m_sink->playingApi() : QString();
}

QString SoundOutput::playingDevice() const
{
    return m_sink ? m_sink->playingDevice() : QString();
}

int SoundOutput::playingBufferFrames() const
{
    return m_sink ? m_sink->playingBufferFrames() : 0;
}

int SoundOutput::playingSampleRate() const
{
    return m_sink ? m_sink->playingSampleRate() : 0;
}

} // namespace cordavo
