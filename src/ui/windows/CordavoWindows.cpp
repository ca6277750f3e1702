#include "ui/windows/CordavoWindows.h"

#include "ui/desktop/UserDialogs.h"
#include "ui/windows/AnalysisWindow.h"
#include "ui/windows/ListenWindow.h"
#include "ui/windows/SoundMidiDialog.h"
#include "ui/windows/TuningGuideWindow.h"
#include "ui/windows/UAbout.h"
#include "ui/windows/UCents.h"
#include "ui/windows/UScale.h"
#include "ui/windows/USetTemperament.h"
#include "ui/windows/UTempXml.h"
#include "ui/windows/UTemperamento.h"

#include <QSettings>

namespace cordavo {

CordavoWindows::CordavoWindows(const Separators &separators, UserDialogs &dialogs)
    : m_separators(separators), m_dialogs(dialogs),
      m_formTemperamento(std::make_unique<TFormTemperamento>(*this, separators, dialogs))
{
}

CordavoWindows::~CordavoWindows() = default;

void CordavoWindows::start()
{
    m_formTemperamento->showMainWindow();
}

TFormXml &CordavoWindows::FormXml()
{
    if (!m_formXml)
        m_formXml = std::make_unique<TFormXml>();
    return *m_formXml;
}

TFormCicloQuinte &CordavoWindows::FormCicloQuinte()
{
    if (!m_formCicloQuinte)
        m_formCicloQuinte = std::make_unique<TFormCicloQuinte>(*m_formTemperamento, *this, m_separators, m_dialogs);
    return *m_formCicloQuinte;
}

TFormScale &CordavoWindows::FormScale()
{
    if (!m_formScale)
        m_formScale = std::make_unique<TFormScale>(*m_formTemperamento, *this, m_separators, m_dialogs);
    return *m_formScale;
}

TFormCents &CordavoWindows::FormCents()
{
    if (!m_formCents)
        m_formCents = std::make_unique<TFormCents>(*m_formTemperamento, *this, m_separators, m_dialogs);
    return *m_formCents;
}

TAboutBox &CordavoWindows::AboutBox()
{
    if (!m_aboutBox)
        m_aboutBox = std::make_unique<TAboutBox>(m_dialogs, m_formTemperamento.get());
    return *m_aboutBox;
}

AnalysisWindow &CordavoWindows::analysisWindow()
{
    if (!m_analysisWindow)
        m_analysisWindow = std::make_unique<AnalysisWindow>(*m_formTemperamento, m_separators, m_dialogs);
    return *m_analysisWindow;
}

ListenWindow &CordavoWindows::listenWindow()
{
    if (!m_listenWindow)
        m_listenWindow = std::make_unique<ListenWindow>(*m_formTemperamento, *this, m_dialogs);
    return *m_listenWindow;
}

TuningGuideWindow &CordavoWindows::tuningGuideWindow()
{
    if (!m_tuningGuideWindow)
        m_tuningGuideWindow = std::make_unique<TuningGuideWindow>(*m_formTemperamento, m_separators, m_dialogs);
    return *m_tuningGuideWindow;
}

std::vector<const SetterWindow *> CordavoWindows::madeSetters() const
{
    std::vector<const SetterWindow *> made;
    for (const SetterWindow *setter :
         std::initializer_list<const SetterWindow *>{m_formCents.get(), m_formScale.get(), m_formCicloQuinte.get()})
        if (setter)
            made.push_back(setter);
    return made;
}

} // namespace cordavo

namespace cordavo {

void CordavoWindows::useSettings(QSettings &settings)
{
    m_settings = &settings;
    m_soundMidi = SoundMidiSettings::read(settings);
}

void CordavoWindows::setSoundMidiSettings(const SoundMidiSettings &settings)
{
    m_soundMidi = settings;
    if (m_settings)
        settings.write(*m_settings);
    if (m_listenWindow)
        m_listenWindow->soundChoiceChanged();
}

SoundMidiDialog &CordavoWindows::soundMidiDialog()
{
    if (!m_soundMidiDialog)
        m_soundMidiDialog = std::make_unique<SoundMidiDialog>(SoundOutput::deviceLists(), m_midiPorts);
    return *m_soundMidiDialog;
}

void CordavoWindows::chooseSoundAndMidi(QWidget *over)
{
    SoundMidiDialog &dialog = soundMidiDialog();
    dialog.setParent(over ? over->window() : nullptr, Qt::Dialog);
    dialog.setSettings(m_soundMidi);
    if (m_dialogs.showModal(dialog) == QDialog::Accepted)
        setSoundMidiSettings(dialog.settings());
}

} // namespace cordavo
