#pragma once

#include "tuning/GrandOrgueConfig.h"
#include "tuning/TuningExport.h"
#include "ui/desktop/UserDialogs.h"

#include <QCoreApplication>

#include <optional>

class QWidget;

namespace cordavo {

// The main window's exchange with GrandOrgue's settings file: a temperament
// written into it as a user temperament ("Export Tuning..." with the type
// below), and one of its user temperaments loaded ("Load GrandOrgue
// Temperament...").
class GrandOrgueExchange
{
    Q_DECLARE_TR_FUNCTIONS(GrandOrgueExchange)

public:
    GrandOrgueExchange(UserDialogs &dialogs, QWidget *window);

    // The export dialog's file type for GrandOrgue.
    static QString fileType();

    // Writes 'source' into the settings file 'path' once the user has given
    // its group and title and chosen whether to fold the pitch in; asks
    // before replacing a temperament of the same group and title. Every
    // refusal and failure is shown.
    void exportTemperament(const TuningSource &source, const QString &path);

    // Asks for a settings file, then for one of its user temperaments: the
    // one chosen, or nothing when cancelled, refused or empty (with its
    // message).
    std::optional<GrandOrgueTemperament> chooseTemperament();

    FileQuestion OpenDialogGrandOrgue;

private:
    // Asks whether to replace the temperament; true to go on. 'shownPath'
    // as the messages show it.
    bool confirmReplace(const QString &shownPath, const QString &group, const QString &title);

    UserDialogs &m_dialogs;
    QWidget *m_window;
    // Kept between exports, as the user last chose them.
    QString m_group = QStringLiteral("Cordavo");
    bool m_foldPitch = false;
};

} // namespace cordavo
