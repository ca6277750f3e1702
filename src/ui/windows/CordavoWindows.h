#pragma once

#include "devices/SoundMidiSettings.h"
#include "numbers/Separators.h"

#include <memory>
#include <vector>

class QSettings;
class QWidget;

namespace cordavo {

class AnalysisWindow;
class ListenWindow;
class SetterWindow;
class SoundMidiDialog;
class TAboutBox;
class TFormCents;
class TFormCicloQuinte;
class TFormScale;
class TFormTemperamento;
class TFormXml;
class TuningGuideWindow;
class UserDialogs;

// The program's nine windows, kept until the end. The main window is made
// at once; every other one is made by its accessor below the first time it
// is asked for, which is always before anything is done to it. Nothing reads
// or changes a window before that, so one made late starts in exactly the
// state it would have had at start-up, and start-up pays only for the main
// window and the About window. A window is handed the main window when it
// talks to it, and this owner when it talks to another one, which it reaches
// through the accessors once construction is over.
class CordavoWindows
{
public:
    CordavoWindows(const Separators &separators, UserDialogs &dialogs);
    ~CordavoWindows();

    // Makes the main window visible; its first activation greets the user.
    void start();

    TFormTemperamento &FormTemperamento() const { return *m_formTemperamento; }
    TFormXml &FormXml();
    TFormCicloQuinte &FormCicloQuinte();
    TFormScale &FormScale();
    TFormCents &FormCents();
    TAboutBox &AboutBox();
    AnalysisWindow &analysisWindow();
    ListenWindow &listenWindow();
    TuningGuideWindow &tuningGuideWindow();
    // The setter windows made so far, cents, intervals and fifths: asking
    // makes none.
    std::vector<const SetterWindow *> madeSetters() const;

    // The choices of "Sound and MIDI…", read from these settings now and
    // written back to them whenever they change; without settings they are
    // kept only while the program runs.
    void useSettings(QSettings &settings);
    const SoundMidiSettings &soundMidiSettings() const { return m_soundMidi; }
    // Keeps new choices; the Listen window plays through them from its next note.
    void setSoundMidiSettings(const SoundMidiSettings &settings);
    // Where the dialog finds the MIDI ports; none until they are given.
    void setMidiPortLists(const MidiPortLists &lists) { m_midiPorts = lists; }
    // "Sound and MIDI…", shown modally over 'over' through the dialog seam;
    // its choices are kept when it is accepted.
    void chooseSoundAndMidi(QWidget *over);
    SoundMidiDialog &soundMidiDialog();

private:
    // What the windows made later are handed.
    const Separators m_separators;
    UserDialogs &m_dialogs;
    // The main window is declared first, so that it is destroyed last: the
    // others keep a reference to it. The rest are made on first use.
    std::unique_ptr<TFormTemperamento> m_formTemperamento;
    std::unique_ptr<TFormXml> m_formXml;
    std::unique_ptr<TFormCicloQuinte> m_formCicloQuinte;
    std::unique_ptr<TFormScale> m_formScale;
    std::unique_ptr<TFormCents> m_formCents;
    std::unique_ptr<TAboutBox> m_aboutBox;
    std::unique_ptr<AnalysisWindow> m_analysisWindow;
    std::unique_ptr<ListenWindow> m_listenWindow;
    std::unique_ptr<TuningGuideWindow> m_tuningGuideWindow;
    std::unique_ptr<SoundMidiDialog> m_soundMidiDialog;
    QSettings *m_settings = nullptr;
    SoundMidiSettings m_soundMidi;
    MidiPortLists m_midiPorts;
};

} // namespace cordavo
