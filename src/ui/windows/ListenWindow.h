#pragma once

#include "devices/SoundMidiSettings.h"
#include "devices/SoundSink.h"
#include "sound/ReadyMadeSounds.h"
#include "sound/ToneSynth.h"
#include "sound/WavFile.h"
#include "tuning/TuningExport.h"
#include "ui/desktop/UserDialogs.h"

#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <map>
#include <memory>
#include <vector>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSlider;

namespace cordavo {

class CordavoWindows;
class MidiInput;
class PianoKeyboard;
class SoundOutput;
class TFormTemperamento;

// Lets the organist hear the main window's temperament at the document's
// pitches, followed live, beside a temperament of the library or a side of a
// setter that holds one.
class ListenWindow : public QWidget
{
    Q_OBJECT
public:
    ListenWindow(TFormTemperamento &mainWindow, CordavoWindows &windows, UserDialogs &dialogs,
                 QWidget *parent = nullptr);
    ~ListenWindow() override;

    void showInFront();
    // Reads the main window afresh and retunes the sounding notes.
    void refresh();

    // The lowest and highest keys of the clickable keyboard.
    static constexpr int kLowestKey = kMiddleC - 12;
    static constexpr int kHighestKey = kMiddleC + 12;
    // Sounds a key until it is released; a key already held is not doubled.
    void pressKey(int key);
    void releaseKey(int key);
    // The keys MIDI keyboards hold, by MIDI note number (0 to 127, 60 is
    // middle C), apart from the window's own keys, as the MIDI input tells
    // the window: they are lit and counted among the notes sounding, and
    // retuned and stopped with them. The keyboards themselves play them into
    // the synthesizer, straight from their MIDI threads. A note-on of a note
    // already held is ignored.
    void midiNoteOn(int note);
    void midiNoteOff(int note);
    // The MIDI keyboards' notes stop (the window's own keys sound on).
    void midiAllNotesOff();
    // The MIDI inputs chosen under "Sound and MIDI…" play while the window is
    // open, and with one open the sound output stays open too, so that the
    // first key is as quick as the rest.
    const MidiInput &midiInput() const { return *m_midi; }
    // What the window says about MIDI: that there is none, or which keyboard
    // went; empty when all is well.
    QString midiProblemText() const;
    // Plays the chosen ready-made sound: for the chosen length, or until
    // stopSound() when held.
    void playSound(bool held = false);
    void stopSound();
    // "Stop" (Escape): silences everything, the ready-made sound and the keys
    // held.
    void stopPlaying();
    // Switches between the main window's temperament and the comparison.
    void switchTemperament();
    bool comparing() const { return m_comparing; }
    // The pitch a key sounds at now.
    double keyHz(int key) const;
    // The frequencies of the notes sounding now, in the order they started.
    std::vector<double> soundingFrequencies() const;
    // The WAV file of the chosen sound, voice and length, in the temperament
    // heard now.
    QByteArray soundBytes(WavSamples format) const;
    // "Save Sound…".
    void saveSound();

    // The sound output is loaded when the window first plays, not when it
    // opens; the device stops once nothing has sounded for this long, and
    // starts again with the next note.
    static constexpr int kIdleMilliseconds = 3000;
    bool soundOutputLoaded() const;
    // What the synthesizer that feeds the sound device renders next, rendered
    // here in its place: the device stops.
    std::vector<float> renderNext(int frames);
    // The choices of "Sound and MIDI…" changed: the next note opens the
    // output they name.
    void soundChoiceChanged();
    // What the window says about the sound output: why it is silent, or
    // which choice it could not follow; empty when all is well.
    QString soundProblemText() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    // Space switches the temperament and Escape stops, wherever the focus is
    // in the window.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The MIDI key a computer key plays, by its place; -1 for another key.
    int computerKey(const QKeyEvent &event);
    void showKeyLetters();

    struct Sounding {
        int id;
        int key;
        double hz;
    };
    int noteOn(int key);
    // Loads and starts the sound output for a note about to sound; says so
    // when there is none.
    void startOutput();
    void stopWhenIdle();
    // Opens the MIDI inputs chosen, or says why none plays.
    void openMidi();
    void showSoundProblem(const SoundProblem &problem);
    // After a switch lost to the synthesizer's full queue it has let every
    // note go: the window forgets them too.
    void forgetLostNotes();
    // The temperament heard now, as named in a file name.
    QString heardName() const;
    void noteOff(int id);
    // Lights the keys of the notes sounding now.
    void lightKeys();
    void retune();
    void readComparison();
    // Lists the setter sides that hold a temperament now, ahead of the library.
    void readSetterSides();
    void playStep();
    Voice chosenVoice() const;
    double chosenSeconds() const;
    void rebuildSoundList();

    TFormTemperamento &m_main;
    CordavoWindows &m_windows;
    UserDialogs &m_dialogs;
    ToneSynth m_synth;
    std::unique_ptr<SoundOutput> m_output;
    std::unique_ptr<MidiInput> m_midi; // plays into m_synth, so goes first
    bool m_outputChecked = false;
    bool m_outputAvailable = false;
    bool m_outputStarted = false;
    // A sound output that failed is not tried again until the choices
    // change or the window is opened again.
    bool m_outputFailed = false;
    int m_overflowsSeen = 0;
    // What the output and the MIDI inputs were last opened with.
    SoundChoice m_outputChoice;
    SoundMidiSettings m_midiChoice;
    QTimer m_idleTimer;

    QComboBox *m_soundList;
    QComboBox *m_tonicBox;
    QDoubleSpinBox *m_seconds;
    QPushButton *m_playButton;
    QPushButton *m_holdButton;
    QPushButton *m_stopButton;
    QComboBox *m_compareBox;
    QPushButton *m_switchButton;
    QLabel *m_temperamentLabel;
    QComboBox *m_voiceBox;
    QSlider *m_volume;
    QLabel *m_noOutputLabel;
    QLabel *m_soundProblemLabel;
    QLabel *m_midiProblemLabel;
    PianoKeyboard *m_keyboard;
    QStringList m_keyLetters; // on the computer keys that play C4 to C5

    double m_oldA = 440;
    double m_newA = 440;
    KeyPitches m_mainPitches{};
    KeyPitches m_comparePitches{};
    struct SetterSideTemperament {
        QString name;
        NoteCents deviations;
    };
    std::vector<SetterSideTemperament> m_setterSides; // the first entries of the comparison list
    bool m_comparing = false;

    std::vector<Sounding> m_sounding;
    std::map<int, int> m_heldKeys;  // key -> note id
    std::map<int, int> m_midiNotes; // MIDI note -> note id
    std::vector<int> m_soundIds;    // the ready-made sound's notes
    std::vector<ListenSound> m_sounds;
    int m_playingSound = -1;
    size_t m_step = 0;
    bool m_held = false;
    QTimer m_stepTimer;
    FileQuestion m_soundDialog;
};

} // namespace cordavo
