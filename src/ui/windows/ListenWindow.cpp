#include "ui/windows/ListenWindow.h"

#include "devices/MidiInput.h"
#include "devices/SoundOutput.h"
#include "sound/SoundRender.h"
#include "tuning/BuiltInLibrary.h"
#include "tuning/LibraryNames.h"
#include "tuning/NoteSpelling.h"
#include "tuning/PitchTable.h"
#include "ui/desktop/ComputerKeys.h"
#include "ui/desktop/FileCommands.h"
#include "ui/desktop/KeyboardOrder.h"
#include "ui/desktop/WindowFront.h"
#include "ui/widgets/PianoKeyboard.h"
#include "ui/widgets/ScreenFit.h"
#include "ui/windows/CordavoWindows.h"
#include "ui/windows/SetterWindow.h"
#include "ui/windows/UTemperamento.h"

#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QInputMethod>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>
#include <set>
#include <utility>

namespace cordavo {

namespace {

// The comparison list, read afresh from the setters each time it opens.
class ComparisonBox : public QComboBox
{
public:
    using QComboBox::QComboBox;
    std::function<void()> aboutToOpen;

    void showPopup() override
    {
        if (aboutToOpen)
            aboutToOpen();
        QComboBox::showPopup();
    }
};

// Item data of a library entry in the comparison list; a setter side's entry
// holds its index.
constexpr int kLibraryEntry = -1;
// Where a library entry of the comparison list is in the library.
constexpr int kEntryRole = Qt::UserRole + 1;

} // namespace

ListenWindow::ListenWindow(TFormTemperamento &mainWindow, CordavoWindows &windows, UserDialogs &dialogs,
                           QWidget *parent)
    : QWidget(parent, Qt::Window), m_main(mainWindow), m_windows(windows), m_dialogs(dialogs),
      m_output(std::make_unique<SoundOutput>(m_synth)), m_midi(std::make_unique<MidiInput>(nullptr, 1024, &m_synth))
{
    setObjectName(QStringLiteral("listenWindow"));
    setWindowTitle(tr("Listen"));
    m_synth.setVolume(0.7);

    // The keyboard, C3 to C5: a note sounds while its key is held down.
    m_keyboard = new PianoKeyboard(kLowestKey, kHighestKey, this);
    m_keyboard->setObjectName(QStringLiteral("keyboard"));
    // The letters of the user's keyboard until keys typed show its own.
    m_keyLetters = computerKeyLetters(QGuiApplication::inputMethod()->locale());
    showKeyLetters();
    connect(m_keyboard, &PianoKeyboard::keyPressed, this, &ListenWindow::pressKey);
    connect(m_keyboard, &PianoKeyboard::keyReleased, this, &ListenWindow::releaseKey);

    // The ready-made sounds.
    m_soundList = new QComboBox(this);
    m_soundList->setObjectName(QStringLiteral("soundList"));
    auto *soundLabel = new QLabel(tr("&Sound:"), this);
    nameByLabel(soundLabel, m_soundList);
    m_tonicBox = new QComboBox(this);
    m_tonicBox->setObjectName(QStringLiteral("tonicBox"));
    for (int i = 0; i < 12; ++i)
        m_tonicBox->addItem(spelledDisplayName(majorKeySpelling(i)));
    auto *tonicLabel = new QLabel(tr("&Key of the scale and cadence:"), this);
    nameByLabel(tonicLabel, m_tonicBox);
    m_seconds = new QDoubleSpinBox(this);
    m_seconds->setObjectName(QStringLiteral("secondsBox"));
    m_seconds->setRange(0.5, 600);
    m_seconds->setDecimals(1);
    m_seconds->setValue(4);
    m_seconds->setSuffix(QStringLiteral(" s"));
    auto *secondsLabel = new QLabel(tr("&Length:"), this);
    nameByLabel(secondsLabel, m_seconds);
    m_playButton = new QPushButton(tr("&Play"), this);
    m_playButton->setObjectName(QStringLiteral("playButton"));
    m_holdButton = new QPushButton(tr("&Hold to Play"), this);
    m_holdButton->setObjectName(QStringLiteral("holdButton"));
    m_stopButton = new QPushButton(tr("S&top (Esc)"), this);
    m_stopButton->setObjectName(QStringLiteral("stopButton"));
    connect(m_playButton, &QPushButton::clicked, this, [this] { playSound(false); });
    connect(m_stopButton, &QPushButton::clicked, this, &ListenWindow::stopPlaying);
    connect(m_holdButton, &QPushButton::pressed, this, [this] { playSound(true); });
    connect(m_holdButton, &QPushButton::released, this, &ListenWindow::stopSound);
    connect(m_tonicBox, &QComboBox::currentIndexChanged, this, &ListenWindow::rebuildSoundList);
    rebuildSoundList();

    // The comparison.
    auto *compareBox = new ComparisonBox(this);
    m_compareBox = compareBox;
    m_compareBox->setObjectName(QStringLiteral("compareBox"));
    // The library's entries under their names in the window's language,
    // each carrying its place in the library; equal temperament, the first,
    // is chosen.
    const auto &library = builtInLibrary();
    if (library.ok()) {
        const QString language = libraryDisplayLanguage();
        for (const LibraryEntry &entry : library.value().entries) {
            m_compareBox->addItem(libraryName(entry, language), kLibraryEntry);
            m_compareBox->setItemData(m_compareBox->count() - 1,
                                      static_cast<int>(&entry - library.value().entries.constData()), kEntryRole);
        }
    }
    if (m_compareBox->count() == 0)
        m_compareBox->addItem(tr("Equal temperament"), kLibraryEntry);
    m_compareBox->setCurrentIndex(0);
    compareBox->aboutToOpen = [this] {
        readSetterSides();
        readComparison();
        retune();
    };
    auto *compareLabel = new QLabel(tr("&Compare with:"), this);
    nameByLabel(compareLabel, m_compareBox);
    m_switchButton = new QPushButton(tr("S&witch Temperament (Space)"), this);
    m_switchButton->setObjectName(QStringLiteral("switchButton"));
    m_temperamentLabel = new QLabel(this);
    m_temperamentLabel->setObjectName(QStringLiteral("temperamentLabel"));
    connect(m_switchButton, &QPushButton::clicked, this, &ListenWindow::switchTemperament);
    connect(m_compareBox, &QComboBox::currentIndexChanged, this, [this] {
        readComparison();
        retune();
    });

    // The voice and the volume.
    m_voiceBox = new QComboBox(this);
    m_voiceBox->setObjectName(QStringLiteral("voiceBox"));
    for (const VoiceDescription &voice : voiceDescriptions())
        m_voiceBox->addItem(voiceDisplayName(voice.voice));
    auto *voiceLabel = new QLabel(tr("&Voice:"), this);
    nameByLabel(voiceLabel, m_voiceBox);
    connect(m_voiceBox, &QComboBox::currentIndexChanged, this, [this] { m_synth.setVoice(chosenVoice()); });
    m_volume = new QSlider(Qt::Horizontal, this);
    m_volume->setObjectName(QStringLiteral("volumeSlider"));
    m_volume->setRange(0, 100);
    m_volume->setValue(70);
    auto *volumeLabel = new QLabel(tr("V&olume:"), this);
    nameByLabel(volumeLabel, m_volume);
    connect(m_volume, &QSlider::valueChanged, this, [this](int value) { m_synth.setVolume(value / 100.0); });

    auto *saveButton = new QPushButton(tr("Save So&und…"), this);
    saveButton->setObjectName(QStringLiteral("saveSoundButton"));
    connect(saveButton, &QPushButton::clicked, this, &ListenWindow::saveSound);

    m_noOutputLabel = new QLabel(tr("No sound output was found; Save Sound… still works"), this);
    m_noOutputLabel->setObjectName(QStringLiteral("noOutputLabel"));
    m_noOutputLabel->hide();
    m_soundProblemLabel = new QLabel(this);
    m_soundProblemLabel->setObjectName(QStringLiteral("soundProblemLabel"));
    m_soundProblemLabel->setWordWrap(true);
    m_soundProblemLabel->hide();
    auto *soundMidiButton = new QPushButton(tr("Sound and &MIDI…"), this);
    soundMidiButton->setObjectName(QStringLiteral("soundMidiButton"));
    connect(soundMidiButton, &QPushButton::clicked, this, [this] { m_windows.chooseSoundAndMidi(this); });
    m_midiProblemLabel = new QLabel(this);
    m_midiProblemLabel->setObjectName(QStringLiteral("midiProblemLabel"));
    m_midiProblemLabel->setWordWrap(true);
    m_midiProblemLabel->hide();
    connect(m_midi.get(), &MidiInput::noteOn, this, &ListenWindow::midiNoteOn);
    connect(m_midi.get(), &MidiInput::noteOff, this, &ListenWindow::midiNoteOff);
    connect(m_midi.get(), &MidiInput::inputLost, this, [this](const QString &port) {
        m_midiProblemLabel->setText(tr("The MIDI input “%1” is gone; its notes were released.").arg(port));
        m_midiProblemLabel->show();
        stopWhenIdle();
    });
    connect(m_output.get(), &SoundOutput::failed, this, [this] {
        m_outputStarted = false;
        m_outputFailed = true;
        showSoundProblem(m_output->problem());
    });

    auto *grid = new QGridLayout;
    grid->addWidget(soundLabel, 0, 0);
    grid->addWidget(m_soundList, 0, 1);
    grid->addWidget(tonicLabel, 1, 0);
    grid->addWidget(m_tonicBox, 1, 1);
    grid->addWidget(secondsLabel, 2, 0);
    grid->addWidget(m_seconds, 2, 1);
    auto *playRow = new QHBoxLayout;
    playRow->addWidget(m_playButton);
    playRow->addWidget(m_holdButton);
    playRow->addWidget(m_stopButton);
    grid->addLayout(playRow, 3, 1);
    grid->addWidget(compareLabel, 4, 0);
    grid->addWidget(m_compareBox, 4, 1);
    grid->addWidget(m_switchButton, 5, 1);
    grid->addWidget(m_temperamentLabel, 6, 1);
    grid->addWidget(voiceLabel, 7, 0);
    grid->addWidget(m_voiceBox, 7, 1);
    grid->addWidget(volumeLabel, 8, 0);
    grid->addWidget(m_volume, 8, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_noOutputLabel);
    layout->addWidget(m_soundProblemLabel);
    layout->addWidget(m_midiProblemLabel);
    layout->addWidget(m_keyboard);
    layout->addLayout(grid);
    auto *bottomRow = new QHBoxLayout;
    bottomRow->addWidget(saveButton);
    bottomRow->addWidget(soundMidiButton);
    layout->addLayout(bottomRow);
    setKeyboardOrder({m_keyboard, m_soundList, m_tonicBox, m_seconds, m_playButton, m_holdButton, m_stopButton,
                      m_compareBox, m_switchButton, m_voiceBox, m_volume, saveButton, soundMidiButton});
    // Space belongs to "Switch Temperament" here, so Enter presses the button
    // that has the focus (and holds "Hold to Play" while it is held).
    for (QPushButton *button : findChildren<QPushButton *>())
        button->setAutoDefault(true);
    for (QWidget *child : findChildren<QWidget *>())
        child->installEventFilter(this);

    m_soundDialog.kind = QStringLiteral("sound");
    m_soundDialog.filters = {tr("WAV 16-bit (*.wav)"), tr("WAV 32-bit float (*.wav)")};
    m_soundDialog.defaultSuffix = QStringLiteral("wav");

    m_stepTimer.setSingleShot(true);
    m_idleTimer.setSingleShot(true);
    m_idleTimer.setInterval(kIdleMilliseconds);
    connect(&m_idleTimer, &QTimer::timeout, this, [this] {
        if (m_sounding.empty() && !m_synth.sounding() && !m_midi->isOpen()) {
            m_output->stop();
            m_outputStarted = false;
        }
    });
    connect(&m_stepTimer, &QTimer::timeout, this, [this] {
        ++m_step;
        playStep();
    });
    m_main.followWhileShown(this, [this] { refresh(); });
    refresh();
    // On a screen too small for it, its controls scroll.
    fitToScreen(this);
}

ListenWindow::~ListenWindow()
{
    m_stepTimer.stop();
    m_idleTimer.stop();
    m_midi->close();
    m_output->stop();
}

void ListenWindow::showInFront()
{
    refresh();
    bringToFront(this);
}

void ListenWindow::refresh()
{
    // A pitch box that holds no pitch leaves the last good ones.
    if (const auto oldA = m_main.oldReferencePitch(), newA = m_main.newReferencePitch(); oldA && newA) {
        m_oldA = *oldA;
        m_newA = *newA;
    }
    m_mainPitches = keyPitches(m_oldA, m_newA, m_main.noteCents());
    readSetterSides();
    readComparison();
    retune();
}

void ListenWindow::readSetterSides()
{
    std::vector<SetterSideTemperament> sides;
    for (const SetterWindow *setter : m_windows.madeSetters()) {
        for (SetterSide which : {SetterSide::Input, SetterSide::Out}) {
            const std::optional<NoteCents> deviations = setter->sideDeviations(which);
            if (!deviations)
                continue;
            QString name =
                setter->setterName() + (which == SetterSide::Input ? tr(", old temperament") : tr(", new temperament"));
            if (const QString typed = setter->sideName(which).trimmed(); !typed.isEmpty())
                name += QStringLiteral(": ") + typed;
            sides.push_back({name, *deviations});
        }
    }
    // The entry chosen stays chosen while it is there; one gone leaves equal
    // temperament chosen.
    const QString chosen = m_compareBox->currentText();
    const QSignalBlocker blocker(m_compareBox);
    for (size_t i = 0; i < m_setterSides.size(); ++i)
        m_compareBox->removeItem(0);
    for (size_t i = 0; i < sides.size(); ++i)
        m_compareBox->insertItem(static_cast<int>(i), sides[i].name, static_cast<int>(i));
    m_setterSides = std::move(sides);
    const int index = m_compareBox->findText(chosen);
    m_compareBox->setCurrentIndex(index >= 0 ? index : static_cast<int>(m_setterSides.size()));
}

void ListenWindow::readComparison()
{
    NoteCents deviations{};
    const int setterSide = m_compareBox->currentData().toInt();
    const auto &library = builtInLibrary();
    if (setterSide >= 0 && setterSide < static_cast<int>(m_setterSides.size())) {
        deviations = m_setterSides[static_cast<size_t>(setterSide)].deviations;
    } else if (const QVariant entry = m_compareBox->currentData(kEntryRole); library.ok() && entry.isValid()) {
        deviations = library.value().entries.value(entry.toInt()).deviations;
    }
    m_comparePitches = keyPitches(m_oldA, m_newA, asNoteFields(deviations));
}

double ListenWindow::keyHz(int key) const
{
    const KeyPitches &pitches = m_comparing ? m_comparePitches : m_mainPitches;
    return static_cast<double>(pitches[static_cast<size_t>(std::clamp(key, 0, 127))]);
}

std::vector<double> ListenWindow::soundingFrequencies() const
{
    std::vector<double> hz;
    for (const Sounding &note : m_sounding)
        hz.push_back(note.hz);
    return hz;
}

bool ListenWindow::soundOutputLoaded() const
{
    return m_outputChecked;
}

std::vector<float> ListenWindow::renderNext(int frames)
{
    // The synthesizer has one renderer at a time: the device lets go first
    // (and starts again with the next note).
    m_output->stop();
    m_outputStarted = false;
    m_synth.setSampleRate(kSampleRate);
    std::vector<float> samples(static_cast<size_t>(std::max(frames, 0)));
    m_synth.render(samples.data(), frames);
    return samples;
}

void ListenWindow::startOutput()
{
    m_idleTimer.stop();
    if (!m_outputChecked) {
        m_outputChecked = true;
        m_outputAvailable = m_output->available();
        m_noOutputLabel->setVisible(!m_outputAvailable);
    }
    if (!m_outputAvailable || m_outputStarted || m_outputFailed)
        return;
    m_outputChoice = m_windows.soundMidiSettings().soundChoice();
    m_outputStarted = m_output->start(m_outputChoice);
    m_outputFailed = !m_outputStarted;
    showSoundProblem(m_outputStarted ? m_output->notice() : m_output->problem());
}

void ListenWindow::soundChoiceChanged()
{
    // Only what changed is opened again, so that connections made to the
    // other in a patchbay hold.
    const SoundMidiSettings &chosen = m_windows.soundMidiSettings();
    const SoundChoice sound = chosen.soundChoice();
    if (m_outputFailed || sound.api != m_outputChoice.api || sound.device != m_outputChoice.device ||
        sound.bufferFrames != m_outputChoice.bufferFrames) {
        m_idleTimer.stop();
        m_output->stop();
        m_outputStarted = false;
        m_outputFailed = false;
        // The next note asks afresh whether there is an output.
        m_outputChecked = false;
        showSoundProblem({});
    }
    const bool midiChanged = chosen.allMidiInputs != m_midiChoice.allMidiInputs ||
                             chosen.midiInputs != m_midiChoice.midiInputs ||
                             chosen.midiChannel != m_midiChoice.midiChannel;
    if (isVisible() && (midiChanged || !m_midi->isOpen()))
        openMidi();
    else if (m_midi->isOpen())
        startOutput();
}

void ListenWindow::openMidi()
{
    midiAllNotesOff();
    const SoundMidiSettings &chosen = m_windows.soundMidiSettings();
    m_midiChoice = chosen;
    const Result<QStringList> opened =
        m_midi->open(chosen.allMidiInputs ? QStringList() : chosen.midiInputs, chosen.midiChannel);
    m_midiProblemLabel->setText(opened.ok() ? QString() : opened.error());
    m_midiProblemLabel->setVisible(!opened.ok());
    if (m_midi->isOpen())
        startOutput();
}

QString ListenWindow::midiProblemText() const
{
    return m_midiProblemLabel->text();
}

void ListenWindow::showSoundProblem(const SoundProblem &problem)
{
    const QString device = problem.device.isEmpty() ? problem.api : tr("“%1” (%2)").arg(problem.device, problem.api);
    QString text;
    switch (problem.kind) {
    case SoundProblem::None:
        break;
    case SoundProblem::NoOutput:
        m_noOutputLabel->show();
        break;
    case SoundProblem::ApiGone:
        text = tr("The sound system “%1” is not available; the automatic choice is used.").arg(problem.api);
        break;
    case SoundProblem::DeviceGone:
        text = tr("The sound output “%1” was not found; the default is used.").arg(problem.device);
        break;
    case SoundProblem::OpenFailed:
        text = tr("The sound output %1 could not be opened.").arg(device);
        break;
    case SoundProblem::StartFailed:
        text = tr("The sound output %1 did not start.").arg(device);
        break;
    case SoundProblem::NotStarted:
        text = tr("The sound output %1 took no sound within a second and was closed.").arg(device);
        break;
    case SoundProblem::StreamFailed:
        text = tr("The sound output %1 stopped.").arg(device);
        break;
    }
    if (!text.isEmpty() && problem.kind != SoundProblem::ApiGone && problem.kind != SoundProblem::DeviceGone) {
        if (!problem.detail.isEmpty())
            text += QLatin1Char(' ') + tr("The sound system says: %1").arg(problem.detail);
        text += QLatin1Char(' ') + tr("Choose another output under Sound and MIDI…; Save Sound… still works.");
    }
    m_soundProblemLabel->setText(text);
    m_soundProblemLabel->setVisible(!text.isEmpty());
}

QString ListenWindow::soundProblemText() const
{
    if (!m_noOutputLabel->isHidden())
        return m_noOutputLabel->text();
    return m_soundProblemLabel->text();
}

void ListenWindow::forgetLostNotes()
{
    if (m_synth.overflows() == m_overflowsSeen)
        return;
    m_overflowsSeen = m_synth.overflows();
    m_stepTimer.stop();
    m_playingSound = -1;
    m_soundIds.clear();
    m_heldKeys.clear();
    m_midiNotes.clear();
    m_sounding.clear();
    lightKeys();
    stopWhenIdle();
}

void ListenWindow::stopWhenIdle()
{
    if (m_sounding.empty() && m_outputStarted && !m_midi->isOpen())
        m_idleTimer.start();
}

int ListenWindow::noteOn(int key)
{
    startOutput();
    const double hz = keyHz(key);
    const int id = m_synth.noteOn(hz);
    m_sounding.push_back({id, key, hz});
    lightKeys();
    forgetLostNotes();
    return id;
}

void ListenWindow::lightKeys()
{
    std::set<int> keys;
    for (const Sounding &note : m_sounding)
        keys.insert(note.key);
    m_keyboard->setSounding(keys);
}

void ListenWindow::noteOff(int id)
{
    m_synth.noteOff(id);
    std::erase_if(m_sounding, [id](const Sounding &note) { return note.id == id; });
    lightKeys();
    stopWhenIdle();
    forgetLostNotes();
}

void ListenWindow::retune()
{
    m_temperamentLabel->setText(m_comparing ? tr("Heard now: %1").arg(m_compareBox->currentText())
                                            : tr("Heard now: the main window's temperament"));
    std::array<double, 128> keys{};
    for (int key = 0; key < 128; ++key)
        keys[static_cast<size_t>(key)] = keyHz(key);
    m_synth.setKeyPitches(keys);
    for (Sounding &note : m_sounding) {
        note.hz = keyHz(note.key);
        // Keyboard notes follow the pitches just set.
        if (!ToneSynth::isKeyboardNote(note.id))
            m_synth.setFrequency(note.id, note.hz);
    }
    forgetLostNotes();
}

void ListenWindow::switchTemperament()
{
    m_comparing = !m_comparing;
    retune();
}

void ListenWindow::pressKey(int key)
{
    if (key < 0 || key > 127 || m_heldKeys.contains(key))
        return;
    m_heldKeys[key] = noteOn(key);
}

void ListenWindow::releaseKey(int key)
{
    const auto held = m_heldKeys.find(key);
    if (held == m_heldKeys.end())
        return;
    const int id = held->second;
    m_heldKeys.erase(held);
    noteOff(id);
}

void ListenWindow::midiNoteOn(int note)
{
    if (note < 0 || note > 127 || m_midiNotes.contains(note))
        return;
    // The keyboard's own lane has started it already; named as the
    // synthesizer names it, apart from the window's notes.
    const int id = ToneSynth::keyboardNoteId(note);
    m_midiNotes[note] = id;
    m_sounding.push_back({id, note, keyHz(note)});
    lightKeys();
}

void ListenWindow::midiNoteOff(int note)
{
    const auto held = m_midiNotes.find(note);
    if (held == m_midiNotes.end())
        return;
    const int id = held->second;
    m_midiNotes.erase(held);
    std::erase_if(m_sounding, [id](const Sounding &sounding) { return sounding.id == id; });
    lightKeys();
    stopWhenIdle();
}

void ListenWindow::midiAllNotesOff()
{
    while (!m_midiNotes.empty())
        midiNoteOff(m_midiNotes.begin()->first);
}

void ListenWindow::rebuildSoundList()
{
    const int chosen = std::max(0, m_soundList->currentIndex());
    m_sounds = readyMadeSounds(m_tonicBox->currentIndex() < 0 ? 0 : m_tonicBox->currentIndex());
    m_soundList->blockSignals(true);
    m_soundList->clear();
    for (const ListenSound &sound : m_sounds)
        m_soundList->addItem(sound.name);
    m_soundList->setCurrentIndex(chosen);
    m_soundList->blockSignals(false);
}

double ListenWindow::chosenSeconds() const
{
    return m_seconds->value();
}

void ListenWindow::playSound(bool held)
{
    stopSound();
    m_playingSound = m_soundList->currentIndex();
    m_held = held;
    m_step = 0;
    playStep();
}

void ListenWindow::stopSound()
{
    m_stepTimer.stop();
    for (int id : std::exchange(m_soundIds, {}))
        noteOff(id);
    m_playingSound = -1;
}

void ListenWindow::stopPlaying()
{
    stopSound();
    while (!m_heldKeys.empty())
        releaseKey(m_heldKeys.begin()->first);
    // The MIDI keyboards' notes too: a key still held sounds again when pressed again.
    midiAllNotesOff();
    m_synth.allNotesOff();
}

void ListenWindow::playStep()
{
    for (int id : std::exchange(m_soundIds, {}))
        noteOff(id);
    if (m_playingSound < 0 || m_playingSound >= static_cast<int>(m_sounds.size()))
        return;
    const ListenSound &sound = m_sounds[static_cast<size_t>(m_playingSound)];
    if (m_step >= sound.steps.size()) {
        m_playingSound = -1;
        return;
    }
    for (int key : sound.steps[m_step])
        m_soundIds.push_back(noteOn(key));
    const bool last = m_step + 1 == sound.steps.size();
    // Held, the last chord sounds until the button is let go.
    if (m_held && last)
        return;
    const double seconds = sound.stepSeconds > 0 ? sound.stepSeconds : chosenSeconds();
    m_stepTimer.start(static_cast<int>(seconds * 1000));
}

Voice ListenWindow::chosenVoice() const
{
    const std::span<const VoiceDescription> voices = voiceDescriptions();
    return voices[static_cast<size_t>(std::clamp(m_voiceBox->currentIndex(), 0, static_cast<int>(voices.size()) - 1))]
        .voice;
}

QByteArray ListenWindow::soundBytes(WavSamples format) const
{
    const ListenSound &sound = m_sounds[static_cast<size_t>(std::max(0, m_soundList->currentIndex()))];
    // Volume 1, as the command line renders: the same choice gives the same samples.
    return soundWav(sound, m_comparing ? m_comparePitches : m_mainPitches, chosenVoice(), chosenSeconds(), format);
}

QString ListenWindow::heardName() const
{
    if (m_comparing) {
        const int setterSide = m_compareBox->currentData().toInt();
        if (setterSide >= 0 && setterSide < static_cast<int>(m_setterSides.size())) {
            // The name typed for the side, after the setter and side.
            const QString name = m_setterSides[static_cast<size_t>(setterSide)].name;
            return name.mid(name.indexOf(QStringLiteral(": ")) + 1);
        }
        return m_compareBox->currentText();
    }
    const auto *nameBox = m_main.findChild<QLineEdit *>(QStringLiteral("EditNomeTemperamento"));
    return nameBox ? nameBox->text() : QString();
}

void ListenWindow::saveSound()
{
    refresh();
    // The name proposed is the temperament's, in the folder last chosen.
    m_soundDialog.fileName =
        proposedFileName(m_soundDialog.fileName, heardName(), QStringLiteral("Sound"), QStringLiteral(".wav"));
    saveThroughDialog(m_dialogs, this, m_soundDialog, [this](const QString &) {
        return soundBytes(m_soundDialog.selectedFilter == 1 ? WavSamples::Float32 : WavSamples::Pcm16);
    });
}

bool ListenWindow::eventFilter(QObject *watched, QEvent *event)
{
    const bool press = event->type() == QEvent::KeyPress;
    if (!press && event->type() != QEvent::KeyRelease)
        return QWidget::eventFilter(watched, event);
    const auto *widget = qobject_cast<QWidget *>(watched);
    const auto *keyEvent = static_cast<QKeyEvent *>(event);
    // A list box's open list is a window of its own, and keeps its keys.
    if (!widget || widget->window() != this || keyEvent->modifiers() & ~Qt::KeypadModifier)
        return QWidget::eventFilter(watched, event);
    switch (keyEvent->key()) {
    case Qt::Key_Space:
        if (press && !keyEvent->isAutoRepeat())
            switchTemperament();
        return true;
    case Qt::Key_Escape:
        if (press)
            stopPlaying();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (watched != m_holdButton)
            break;
        if (!keyEvent->isAutoRepeat()) {
            m_holdButton->setDown(press);
            if (press)
                playSound(true);
            else
                stopSound();
        }
        return true;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void ListenWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        switchTemperament();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        stopPlaying();
        return;
    }
    const int key = computerKey(*event);
    if (key < 0 || event->modifiers() & ~Qt::KeypadModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat())
        pressKey(key);
}

int ListenWindow::computerKey(const QKeyEvent &event)
{
    int place = computerKeyAt(event);
    if (place >= 0) {
        // What the key types is the letter to show on it from now on.
        const QString letter = event.text().toUpper();
        if (letter.size() == 1 && letter.front().isPrint() && !letter.front().isSpace() &&
            letter != m_keyLetters[place]) {
            m_keyLetters[place] = letter;
            showKeyLetters();
        }
    } else {
        // A platform that tells nothing of places: the letters shown.
        place = m_keyLetters.indexOf(QKeySequence(event.key()).toString());
    }
    return place < 0 ? -1 : kMiddleC + place;
}

void ListenWindow::showKeyLetters()
{
    std::map<int, QString> labels;
    for (int i = 0; i < kComputerKeys; ++i)
        labels[kMiddleC + i] = m_keyLetters[i];
    m_keyboard->setKeyLabels(labels);
    m_keyboard->setAccessibleName(tr("Keyboard: %1 play %2 to %3")
                                      .arg(m_keyLetters.join(QLatin1Char(' ')),
                                           noteWithOctave(kMiddleC, octaveNamingInUse()),
                                           noteWithOctave(kMiddleC + 12, octaveNamingInUse())));
}

void ListenWindow::keyReleaseEvent(QKeyEvent *event)
{
    const int key = computerKey(*event);
    if (key < 0 || event->isAutoRepeat()) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    releaseKey(key);
}

void ListenWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    openMidi();
}

void ListenWindow::hideEvent(QHideEvent *event)
{
    m_midi->close();
    stopPlaying();
    m_synth.allNotesOff();
    m_sounding.clear();
    lightKeys();
    m_idleTimer.stop();
    m_output->stop();
    m_outputStarted = false;
    m_outputFailed = false;
    QWidget::hideEvent(event);
}

} // namespace cordavo
