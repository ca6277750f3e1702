#pragma once

#include "numbers/Separators.h"

#include <memory>

namespace cordavo {

class AnalysisWindow;
class TAboutBox;
class TFormCents;
class TFormCicloQuinte;
class TFormScale;
class TFormTemperamento;
class TFormXml;
class UserDialogs;

// The program's seven windows, created once in start-up order and kept until
// the end. A window is handed the windows made before it that it talks to,
// and this owner when it talks to one made after it, which it reaches
// through the accessors below once construction is over.
class CordavoWindows
{
public:
    CordavoWindows(const Separators &separators, UserDialogs &dialogs);
    ~CordavoWindows();

    // Makes the main window visible; its first activation greets the user.
    void start();

    TFormTemperamento &FormTemperamento() const { return *m_formTemperamento; }
    TFormXml &FormXml() const { return *m_formXml; }
    TFormCicloQuinte &FormCicloQuinte() const { return *m_formCicloQuinte; }
    TFormScale &FormScale() const { return *m_formScale; }
    TFormCents &FormCents() const { return *m_formCents; }
    TAboutBox &AboutBox() const { return *m_aboutBox; }
    AnalysisWindow &analysisWindow() const { return *m_analysisWindow; }

private:
    // Declared in creation order, so they are destroyed the other way round.
    std::unique_ptr<TFormTemperamento> m_formTemperamento;
    std::unique_ptr<TFormXml> m_formXml;
    std::unique_ptr<TFormCicloQuinte> m_formCicloQuinte;
    std::unique_ptr<TFormScale> m_formScale;
    std::unique_ptr<TFormCents> m_formCents;
    std::unique_ptr<TAboutBox> m_aboutBox;
    std::unique_ptr<AnalysisWindow> m_analysisWindow;
};

} // namespace cordavo
