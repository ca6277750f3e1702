#include "ui/windows/ListenWindow.h"
#include "../cli/CliProcess.h"
#include "WindowTest.h"
#include "sound/SoundTesting.h"
#include "ui/desktop/ComputerKeys.h"

#include "devices/SoundOutput.h"
#include "sound/ToneSynth.h"
#include "tuning/TemperamentLibrary.h"
#include "ui/widgets/PianoKeyboard.h"
#include "ui/windows/CordavoWindows.h"
#include "ui/windows/UCents.h"
#include "ui/windows/USetTemperament.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QSlider>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace cordavo;

namespace {

// Cents with two decimals, as the note fields hold them.
constexpr NoteCents kMeantone = {15.64, -7.4, 8.2, 31.28, 1.95, 13.69, -1.85, 17.6, -11.73, 0, 23.08, -1.12};

class ListenWindowTest : public WindowTest
{
protected:
    void SetUp() override
    {
        // Before any sound output is loaded: Qt's sound system keeps the
        // first server it reaches.
        sharedSoundServer();
        WindowTest::SetUp();
        const auto fields = noteFields(*main);
        for (int i = 0; i < 12; ++i)
            fields[i]->setValue(kMeantone[i]);
        mainControl<QComboBox>("ComboBoxTemperamentInput")->setEditText(QStringLiteral("415"));
        mainControl<QComboBox>("ComboBoxTemperamentOut")->setEditText(QStringLiteral("442"));
        trigger("Ascolta");
        listen = &windows->listenWindow();
    }
    template <typename T> T *listenControl(const char *name) const { return control<T>(*listen, name); }
    void choose(const char *box, const QString &text) const
    {
        QComboBox *combo = listenControl<QComboBox>(box);
        const int index = combo->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        combo->setCurrentIndex(index);
    }
    QByteArray cliRender(const QStringList &source, const QStringList &notes, bool asFloat) const
    {
        QStringList arguments = {QStringLiteral("render"),
                                 QStringLiteral("--old-a"),
                                 QStringLiteral("415"),
                                 QStringLiteral("--new-a"),
                                 QStringLiteral("442"),
                                 QStringLiteral("--voice"),
                                 QStringLiteral("flute"),
                                 QStringLiteral("--seconds"),
                                 QStringLiteral("1.5"),
                                 QStringLiteral("--out"),
                                 dir.filePath(QStringLiteral("cli.wav"))};
        if (asFloat)
            arguments << QStringLiteral("--float");
        const CliRun run = runCordavoCli(arguments + source + notes);
        EXPECT_EQ(run.status, 0) << run.errText();
        QFile file(dir.filePath(QStringLiteral("cli.wav")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    ListenWindow *listen = nullptr;
};

} // namespace

// The sound output is loaded when the window first plays, not when it opens;
// without a sound device (run alone, without pulseaudio installed) the window
// then says so.
TEST_P(ListenWindowTest, LoadsTheSoundOutputOnFirstPlayAndSaysWhenThereIsNone)
{
    EXPECT_TRUE(listen->isVisible());
    EXPECT_FALSE(listen->soundOutputLoaded());
    EXPECT_TRUE(listenControl<QLabel>("noOutputLabel")->isHidden());
    listenControl<QPushButton>("playButton")->click();
    EXPECT_TRUE(listen->soundOutputLoaded());
    ToneSynth silence;
    EXPECT_EQ(listenControl<QLabel>("noOutputLabel")->isHidden(), SoundOutput(silence).available());
    EXPECT_EQ(listenControl<QLabel>("noOutputLabel")->text(),
              QStringLiteral("No sound output was found; Save Sound… still works"));
    EXPECT_TRUE(listenControl<QPushButton>("saveSoundButton")->isEnabled());
}

TEST_P(ListenWindowTest, ListsTheReadyMadeSounds)
{
    const QComboBox *list = listenControl<QComboBox>("soundList");
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names << list->itemText(i);
    EXPECT_EQ(names.size(), 50);
    EXPECT_EQ(names.filter(QStringLiteral(" major triad")).size(), 12);
    EXPECT_EQ(names.filter(QStringLiteral(" minor triad")).size(), 12);
    EXPECT_EQ(names.filter(QStringLiteral("Fifth ")).size(), 12);
    EXPECT_EQ(names.filter(QStringLiteral("Major third ")).size(), 12);
    EXPECT_TRUE(names.contains(QStringLiteral("Scale of C major")));
    EXPECT_TRUE(names.contains(QStringLiteral("Cadence I–IV–V–I in C major")));

    const std::vector<ListenSound> inD = readyMadeSounds(2);
    EXPECT_EQ(inD[2].steps, (std::vector<std::vector<int>>{{62, 66, 69}}));      // D major
    EXPECT_EQ(inD[12 + 4].steps, (std::vector<std::vector<int>>{{64, 67, 71}})); // E minor
    EXPECT_EQ(inD[24 + 11].steps, (std::vector<std::vector<int>>{{71, 78}}));    // B-F#
    EXPECT_EQ(inD[36 + 3].steps, (std::vector<std::vector<int>>{{63, 67}}));     // D#-G
    EXPECT_EQ(inD[48].steps.size(), 8u);
    EXPECT_EQ(inD[48].steps.front(), std::vector<int>{62});
    EXPECT_EQ(inD[48].steps.back(), std::vector<int>{74});
    EXPECT_EQ(inD[49].steps, (std::vector<std::vector<int>>{{62, 66, 69}, {62, 67, 71}, {61, 64, 69}, {62, 66, 69}}));
}

TEST_P(ListenWindowTest, SavesWhatTheCommandLineRenders)
{
    choose("soundList", QStringLiteral("E minor triad"));
    choose("voiceBox", QStringLiteral("flute"));
    listenControl<QDoubleSpinBox>("secondsBox")->setValue(1.5);
    listenControl<QSlider>("volumeSlider")->setValue(30); // what is heard, not what is saved
    QStringList cents;
    for (long double c : kMeantone)
        cents << QString::number(static_cast<double>(c));
    const QStringList mainSource = {QStringLiteral("--cents"), cents.join(QLatin1Char(','))};
    const QStringList comparisonSource = {QStringLiteral("--library"), QStringLiteral("Werckmeister III")};
    const QStringList notes = {QStringLiteral("E4"), QStringLiteral("G4"), QStringLiteral("B4")};

    for (bool compared : {false, true}) {
        if (compared) {
            choose("compareBox", QStringLiteral("Werckmeister III"));
            listenControl<QPushButton>("switchButton")->click();
        }
        for (int type : {0, 1}) {
            const QString path = dir.filePath(QStringLiteral("sound%1%2.wav").arg(compared).arg(type));
            dialogs.fileAnswers = {path};
            dialogs.typeAnswers = {type};
            listenControl<QPushButton>("saveSoundButton")->click();
            EXPECT_EQ(dialogs.lastQuestion.kind, QStringLiteral("sound"));
            QFile saved(path);
            ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
            EXPECT_EQ(saved.readAll(), cliRender(compared ? comparisonSource : mainSource, notes, type == 1))
                << "compared " << compared << ", type " << type;
        }
    }
}

TEST_P(ListenWindowTest, SwitchingRetunesTheSoundingNotes)
{
    const KeyPitches own = keyPitches(415, 442, main->noteCents());
    const KeyPitches equal = keyPitches(415, 442, NoteCents{});
    auto at = [](const KeyPitches &pitches, std::vector<int> keys) {
        std::vector<double> hz;
        for (int key : keys)
            hz.push_back(static_cast<double>(pitches[static_cast<size_t>(key)]));
        return hz;
    };
    listen->pressKey(60);
    listen->pressKey(64);
    EXPECT_EQ(listen->soundingFrequencies(), at(own, {60, 64}));
    listenControl<QPushButton>("switchButton")->click();
    EXPECT_EQ(listen->soundingFrequencies(), at(equal, {60, 64}));
    EXPECT_NE(at(equal, {64}), at(own, {64}));
    QTest::keyClick(listen, Qt::Key_Space);
    EXPECT_EQ(listen->soundingFrequencies(), at(own, {60, 64}));

    // The main window's fields are followed live.
    noteFields(*main)[4]->setValue(-13.69);
    const KeyPitches changed = keyPitches(415, 442, main->noteCents());
    EXPECT_NE(at(changed, {64}), at(own, {64}));
    EXPECT_EQ(listen->soundingFrequencies(), at(changed, {60, 64}));
    listen->releaseKey(60);
    EXPECT_EQ(listen->soundingFrequencies(), at(changed, {64}));
}

// What the synthesizer renders moves with the switch: D#4, 31.28 cents above
// equal temperament here, is heard at the one pitch, then the other.
TEST_P(ListenWindowTest, SwitchingRetunesTheRenderedSound)
{
    choose("voiceBox", QStringLiteral("flute"));
    const double own = static_cast<double>(keyPitches(415, 442, main->noteCents())[63]);
    const double equal = static_cast<double>(keyPitches(415, 442, NoteCents{})[63]);
    listen->pressKey(63);
    listen->renderNext(kSampleRate / 20); // the attack
    EXPECT_NEAR(Spectrum(listen->renderNext(kSampleRate / 2)).peakNear(own, 50), own, own * 0.0005);
    QTest::keyClick(listen, Qt::Key_Space);
    EXPECT_NEAR(Spectrum(listen->renderNext(kSampleRate / 2)).peakNear(own, 50), equal, equal * 0.0005);
}

// Space and the button's own key switch, and Escape stops a sound of ten
// minutes and the keys held, wherever the focus is: on a list, a button, the
// length, the slider or the keyboard. Space on the Play button plays nothing;
// Enter presses the button that has the focus, and holds Hold to Play.
TEST_P(ListenWindowTest, TheSwitchAndStopKeysWorkWhereverTheFocusIs)
{
    listen->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(listen));
    listenControl<QDoubleSpinBox>("secondsBox")->setValue(600);
    for (const char *name : {"keyboard", "soundList", "secondsBox", "playButton", "holdButton", "stopButton",
                             "compareBox", "switchButton", "voiceBox", "volumeSlider", "saveSoundButton"}) {
        SCOPED_TRACE(name);
        listenControl<QWidget>(name)->setFocus();
        QWidget *focus = QApplication::focusWidget();
        ASSERT_EQ(focus, listenControl<QWidget>(name));
        const bool before = listen->comparing();
        QTest::keyClick(focus, Qt::Key_Space);
        EXPECT_NE(listen->comparing(), before);
        // The button's key clicks it as if by the mouse, a moment later.
        QTest::keyClick(focus, Qt::Key_W, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([&] { return listen->comparing() == before; }, 2000));
        EXPECT_TRUE(listen->soundingFrequencies().empty());
        listen->pressKey(72);
        listen->playSound();
        QTest::keyClick(focus, Qt::Key_Escape);
        EXPECT_TRUE(listen->soundingFrequencies().empty());
        EXPECT_TRUE(listenControl<PianoKeyboard>("keyboard")->sounding().empty());
    }
    listenControl<QPushButton>("stopButton")->setFocus();
    listen->playSound();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(listen->soundingFrequencies().empty());
    listenControl<QPushButton>("holdButton")->setFocus();
    QTest::keyPress(QApplication::focusWidget(), Qt::Key_Return);
    QTest::qWait(100);
    EXPECT_EQ(listen->soundingFrequencies().size(), 3u);
    QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(listen->soundingFrequencies().empty());
}

// The letter row plays C4 to C5, as on a piano.
TEST_P(ListenWindowTest, TheLetterKeysPlayTheOctaveFromMiddleC)
{
    const struct {
        Qt::Key letter;
        int key;
    } cases[] = {{Qt::Key_A, 60}, {Qt::Key_W, 61}, {Qt::Key_E, 63}, {Qt::Key_J, 71}, {Qt::Key_K, 72}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.key);
        QTest::keyPress(listen, c.letter);
        EXPECT_EQ(listenControl<PianoKeyboard>("keyboard")->sounding(), std::set<int>{c.key});
        EXPECT_EQ(listen->soundingFrequencies(), std::vector<double>{listen->keyHz(c.key)});
        QTest::keyRelease(listen, c.letter);
        EXPECT_TRUE(listen->soundingFrequencies().empty());
    }
    EXPECT_EQ(PianoKeyboard::keyName(60), QStringLiteral("C4"));
}

// The device is let go once nothing has sounded for a few seconds, and taken
// again by the next note: the sound server holds a stream only meanwhile.
TEST_P(ListenWindowTest, TheSoundDeviceRestsWhileNothingSounds)
{
    if (!sharedSoundServer())
        GTEST_SKIP() << "pulseaudio (scripts/install-deps --tests) is not installed";
    auto streams = [] {
        QProcess pactl;
        pactl.start(QStringLiteral("pactl"),
                    {QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sink-inputs")});
        pactl.waitForFinished(10000);
        return pactl.readAllStandardOutput().count('\n');
    };
    listen->pressKey(60);
    ASSERT_EQ(streams(), 1);
    listen->releaseKey(60);
    QTest::qWait(ListenWindow::kIdleMilliseconds / 2);
    EXPECT_EQ(streams(), 1);
    QTest::qWait(ListenWindow::kIdleMilliseconds / 2 + 500);
    EXPECT_EQ(streams(), 0);
    listen->pressKey(60);
    EXPECT_EQ(streams(), 1);
}

// "Save Sound…" proposes the name of the temperament heard, made safe for a
// file name, in the folder last chosen.
TEST_P(ListenWindowTest, SaveSoundProposesTheTemperamentsName)
{
    auto *name = mainControl<QLineEdit>("EditNomeTemperamento");
    const struct {
        QString typed;
        bool compared;
        QString proposed;
    } cases[] = {
        {QStringLiteral("Bach/Kellner 1977"), false, QStringLiteral("Bach-Kellner 1977.wav")},
        {QStringLiteral(" Werckmeister: \"III\"? "), false, QStringLiteral("Werckmeister III.wav")},
        {QStringLiteral("..."), false, QStringLiteral("Sound.wav")},
        {QStringLiteral("Ignored"), true, QStringLiteral("Werckmeister III.wav")},
    };
    choose("compareBox", QStringLiteral("Werckmeister III"));
    for (const auto &c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        name->setText(c.typed);
        if (c.compared != listen->comparing())
            listen->switchTemperament();
        dialogs.fileAnswers = {std::nullopt};
        listenControl<QPushButton>("saveSoundButton")->click();
        EXPECT_EQ(dialogs.lastQuestion.fileName, c.proposed);
    }
    dialogs.fileAnswers = {dir.filePath(QStringLiteral("chosen.wav")), std::nullopt};
    listenControl<QPushButton>("saveSoundButton")->click();
    listenControl<QPushButton>("saveSoundButton")->click();
    EXPECT_EQ(dialogs.lastQuestion.fileName, dir.filePath(QStringLiteral("Werckmeister III.wav")));
}

// A key sounds while the mouse holds it; dragging glides from key to key,
// black keys over white ones; every key sounding is lit, however started.
TEST_P(ListenWindowTest, TheKeyboardPlaysWhatTheMouseHolds)
{
    auto *keyboard = listenControl<PianoKeyboard>("keyboard");
    keyboard->setEnabled(true); // as with a sound output
    auto hzOf = [this](std::vector<int> keys) {
        std::vector<double> hz;
        for (int key : keys)
            hz.push_back(listen->keyHz(key));
        return hz;
    };
    // The lower left corner of C#3 is still C#3, not C3 below it.
    const QRect cSharp = keyboard->keyRect(49);
    QTest::mousePress(keyboard, Qt::LeftButton, {}, cSharp.bottomLeft() + QPoint(1, -1));
    EXPECT_EQ(listen->soundingFrequencies(), hzOf({49}));
    QMouseEvent drag(QEvent::MouseMove, keyboard->keyRect(72).center(), keyboard->mapToGlobal(QPoint()), Qt::NoButton,
                     Qt::LeftButton, {});
    QApplication::sendEvent(keyboard, &drag);
    EXPECT_EQ(listen->soundingFrequencies(), hzOf({72}));
    listen->pressKey(60);
    EXPECT_EQ(keyboard->sounding(), (std::set<int>{60, 72}));
    QTest::mouseRelease(keyboard, Qt::LeftButton, {}, keyboard->keyRect(72).center());
    EXPECT_EQ(listen->soundingFrequencies(), hzOf({60}));
    EXPECT_EQ(keyboard->sounding(), std::set<int>{60});
}

// A setter side that holds a temperament is offered for comparison, named by
// its setter, its side and its name; one not yet calculated, or a table of
// zeros, is not.
TEST_P(ListenWindowTest, ComparesWithASetterSideThatHoldsATemperament)
{
    TFormCents &cents = windows->FormCents();
    cents.setPositions(SetterSide::Out, positionsFromDeviations(kMeantone));
    cents.setSideName(SetterSide::Out, QStringLiteral("Meantone"));
    windows->FormCicloQuinte(); // made, but nothing calculated
    listen->refresh();
    const QComboBox *box = listenControl<QComboBox>("compareBox");
    EXPECT_EQ(box->itemText(0), QStringLiteral("Cents setter, new temperament: Meantone"));
    EXPECT_EQ(box->findText(QStringLiteral("Cents setter, old"), Qt::MatchStartsWith), -1);
    EXPECT_EQ(box->findText(QStringLiteral("Fifths setter"), Qt::MatchStartsWith), -1);
    EXPECT_EQ(box->currentText(), QStringLiteral("Equal temperament"));

    noteFields(*main)[4]->setValue(0); // the main window no longer holds meantone's E
    choose("compareBox", QStringLiteral("Cents setter, new temperament: Meantone"));
    listen->switchTemperament();
    listen->pressKey(64);
    EXPECT_EQ(listen->soundingFrequencies(),
              std::vector<double>{static_cast<double>(keyPitches(415, 442, asNoteFields(kMeantone))[64])});

    // Still chosen after the list is read again, with the left side now
    // equal temperament ahead of it.
    cents.setPositions(SetterSide::Input, positionsFromDeviations(NoteCents{}));
    listen->refresh();
    EXPECT_EQ(box->currentText(), QStringLiteral("Cents setter, new temperament: Meantone"));
    choose("compareBox", QStringLiteral("Cents setter, old temperament"));
    EXPECT_EQ(listen->soundingFrequencies(),
              std::vector<double>{static_cast<double>(keyPitches(415, 442, NoteCents{})[64])});
}

// A ready-made sound plays for the chosen length, or while held; a cadence
// moves on chord by chord.
TEST_P(ListenWindowTest, SoundsForTheChosenLengthOrWhileHeld)
{
    choose("soundList", QStringLiteral("C major triad"));
    listenControl<QDoubleSpinBox>("secondsBox")->setValue(0.5);
    listen->playSound(false);
    EXPECT_EQ(listen->soundingFrequencies().size(), 3u);
    QTest::qWait(800);
    EXPECT_TRUE(listen->soundingFrequencies().empty());

    listen->playSound(true);
    QTest::qWait(800);
    EXPECT_EQ(listen->soundingFrequencies().size(), 3u);
    listen->stopSound();
    EXPECT_TRUE(listen->soundingFrequencies().empty());

    choose("soundList", QStringLiteral("Cadence I–IV–V–I in C major"));
    listen->playSound(false);
    const std::vector<double> first = listen->soundingFrequencies();
    const double f4 = listen->keyHz(65);
    EXPECT_EQ(std::count(first.begin(), first.end(), f4), 0);
    QTest::qWait(1300);
    const std::vector<double> second = listen->soundingFrequencies();
    EXPECT_EQ(std::count(second.begin(), second.end(), f4), 1);
    listen->stopSound();
}

CORDAVO_BOTH_SETTINGS(ListenWindowTest);

// A MIDI keyboard's notes sound beside the window's own keys, each source
// releasing only what it started; notes outside MIDI's range are ignored.
TEST_P(ListenWindowTest, MidiNotesSoundBesideTheWindowsKeys)
{
    auto hzOf = [this](std::vector<int> keys) {
        std::vector<double> hz;
        for (int key : keys)
            hz.push_back(listen->keyHz(key));
        return hz;
    };
    const struct {
        const char *step;
        std::function<void()> act;
        std::vector<int> sounding;
    } steps[] = {
        {"MIDI E4 on", [this] { listen->midiNoteOn(64); }, {64}},
        {"MIDI E4 on again", [this] { listen->midiNoteOn(64); }, {64}},
        {"the E4 key held too", [this] { listen->pressKey(64); }, {64, 64}},
        {"MIDI out of range",
         [this] {
             listen->midiNoteOn(128);
             listen->midiNoteOn(-1);
         },
         {64, 64}},
        {"MIDI C2, below the drawn keyboard", [this] { listen->midiNoteOn(36); }, {64, 64, 36}},
        {"MIDI E4 off", [this] { listen->midiNoteOff(64); }, {64, 36}},
        {"MIDI E4 off again", [this] { listen->midiNoteOff(64); }, {64, 36}},
        {"MIDI G4 on", [this] { listen->midiNoteOn(67); }, {64, 36, 67}},
        {"MIDI all notes off", [this] { listen->midiAllNotesOff(); }, {64}},
        {"MIDI A4 on", [this] { listen->midiNoteOn(69); }, {64, 69}},
        {"Escape", [this] { QTest::keyClick(listen, Qt::Key_Escape); }, {}},
    };
    for (const auto &s : steps) {
        SCOPED_TRACE(s.step);
        s.act();
        EXPECT_EQ(listen->soundingFrequencies(), hzOf(s.sounding));
    }
}

// A switch lost to the synthesizer's full queue (a note held while its pitch
// is switched four thousand times with nothing rendering): the synthesizer
// lets every note go, and the window forgets them, lit keys and all.
TEST_P(ListenWindowTest, NothingSoundsOnAfterTheQueueOverflows)
{
    listen->pressKey(60);
    listen->midiNoteOn(64);
    listen->renderNext(256);
    for (int i = 0; i < 4100; ++i)
        listen->switchTemperament();
    EXPECT_TRUE(listen->soundingFrequencies().empty());
    EXPECT_TRUE(listenControl<PianoKeyboard>("keyboard")->sounding().empty());
    listen->renderNext(2048);
    const std::vector<float> after = listen->renderNext(512);
    EXPECT_TRUE(std::all_of(after.begin(), after.end(), [](float x) { return x == 0; }));
    // The keys play again.
    listen->releaseKey(60);
    listen->pressKey(62);
    EXPECT_EQ(listen->soundingFrequencies(), std::vector<double>{listen->keyHz(62)});
}

// A sound output chosen earlier and not there now: the window names it and
// plays through the default; a choice that cannot play is named, with what
// to do, and the keys still work.
TEST_P(ListenWindowTest, SaysWhatBecameOfTheChosenOutput)
{
    if (!sharedSoundServer())
        GTEST_SKIP() << "pulseaudio (scripts/install-deps --tests) is not installed";
    const NoJackServer noJack;
    SoundMidiSettings settings;
    settings.audioApi = QStringLiteral("pulse");
    settings.audioDevice = QStringLiteral("USB Organ Interface");
    windows->setSoundMidiSettings(settings);
    listen->pressKey(60);
    EXPECT_EQ(listen->soundProblemText(),
              QStringLiteral("The sound output “USB Organ Interface” was not found; the default is used."));
    listen->releaseKey(60);

    settings.audioApi = QStringLiteral("jack");
    settings.audioDevice.clear();
    windows->setSoundMidiSettings(settings);
    EXPECT_TRUE(listen->soundProblemText().isEmpty());
    listen->pressKey(60);
    EXPECT_EQ(listen->soundProblemText(),
              QStringLiteral("The sound system “JACK” is not available; the automatic choice is used."));
    listen->releaseKey(60);
}

// Listen's computer keys go by their place on the keyboard, whatever
// letters the layout puts there: the platforms' codes of the two rows, and
// the letters the usual layouts show in those places.
TEST(ComputerKeysTest, KeysAreFoundByTheirPlace)
{
    const struct {
        const char *platform;
        quint32 scanCode;
        quint32 virtualKey;
        int key;
    } places[] = {
        {"xcb", 38, 0, 0},       {"xcb", 25, 0, 1},        {"xcb", 29, 0, 8},         {"xcb", 45, 0, 12},
        {"xcb", 46, 0, -1},      {"xcb", 0, 0, -1},        {"wayland", 26, 0, 3},     {"windows", 0x1E, 0, 0},
        {"windows", 0x15, 0, 8}, {"windows", 0x25, 0, 12}, {"windows", 0x119, 0, -1}, {"cocoa", 0, 0x00, 0},
        {"cocoa", 0, 0x10, 8},   {"cocoa", 0, 0x28, 12},   {"cocoa", 0, 0x06, -1},    {"offscreen", 38, 0, -1},
    };
    for (const auto &c : places) {
        EXPECT_EQ(computerKeyAt(QLatin1String(c.platform), c.scanCode, c.virtualKey), c.key)
            << c.platform << " " << c.scanCode << " " << c.virtualKey;
    }
    const struct {
        const char *locale;
        const char *letters;
    } layouts[] = {
        {"en_US", "A W S E D F T G Y H U J K"}, {"it_IT", "A W S E D F T G Y H U J K"},
        {"nl_NL", "A W S E D F T G Y H U J K"}, {"de_DE", "A W S E D F T G Z H U J K"},
        {"de_AT", "A W S E D F T G Z H U J K"}, {"fr_CH", "A W S E D F T G Z H U J K"},
        {"fr_FR", "Q Z S E D F T G Y H U J K"}, {"fr_BE", "Q Z S E D F T G Y H U J K"},
        {"fr_CA", "A W S E D F T G Y H U J K"},
    };
    for (const auto &c : layouts) {
        EXPECT_EQ(computerKeyLetters(QLocale(QLatin1String(c.locale))).join(QLatin1Char(' ')), QLatin1String(c.letters))
            << c.locale;
    }
}

// Run by the Windows tests under Wine with its PulseAudio driver, while the
// script records a private PulseAudio server's null sink: A4 is held for two
// and a half seconds through the system's own sound output (WASAPI there),
// and the pitch it should have is written to the file CORDAVO_HELD_A4 names,
// for the script to compare with what arrived.
TEST_P(ListenWindowTest, HoldsA4ThroughTheSystemsSoundOutput)
{
    const QString report = qEnvironmentVariable("CORDAVO_HELD_A4");
    if (report.isEmpty())
        GTEST_SKIP() << "run by scripts/test-windows with Wine's PulseAudio driver";
    listen->pressKey(69);
    QTest::qWait(2500);
    EXPECT_TRUE(listen->soundProblemText().isEmpty()) << listen->soundProblemText().toStdString();
    EXPECT_FALSE(listenControl<QLabel>("noOutputLabel")->isVisibleTo(listen));
    listen->releaseKey(69);
    QTest::qWait(300);
    QFile file(report);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::number(listen->keyHz(69), 'f', 6));
}
