#include "ui/CordavoWindows.h"

#include "ui/AnalysisWindow.h"
#include "ui/UAbout.h"
#include "ui/UCents.h"
#include "ui/UScale.h"
#include "ui/USetTemperament.h"
#include "ui/UTempXml.h"
#include "ui/UTemperamento.h"

namespace cordavo {

CordavoWindows::CordavoWindows(const Separators &separators, UserDialogs &dialogs)
    : m_formTemperamento(std::make_unique<TFormTemperamento>(*this, separators, dialogs)),
      m_formXml(std::make_unique<TFormXml>()),
      m_formCicloQuinte(std::make_unique<TFormCicloQuinte>(*m_formTemperamento, *this, separators, dialogs)),
      m_formScale(std::make_unique<TFormScale>(*m_formTemperamento, *this, separators, dialogs)),
      m_formCents(std::make_unique<TFormCents>(*m_formTemperamento, *this, separators, dialogs)),
      m_aboutBox(std::make_unique<TAboutBox>(m_formTemperamento.get())),
      m_analysisWindow(std::make_unique<AnalysisWindow>(*m_formTemperamento, separators, dialogs))
{
}

CordavoWindows::~CordavoWindows() = default;

void CordavoWindows::start()
{
    m_formTemperamento->showMainWindow();
}

} // namespace cordavo
