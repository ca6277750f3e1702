#pragma once

#include "tuning/TuningExport.h"

#include <QDialog>
#include <QString>
#include <QStringList>

class QComboBox;

namespace cordavo {

// "File → Send Tuning…": which MIDI output the temperament goes to, and in
// which of the MIDI Tuning Standard's forms.
class SendTuningDialog : public QDialog
{
    Q_OBJECT
public:
    // The forms it offers, in the order of the export's file types.
    static constexpr TuningFormat kForms[] = {TuningFormat::MtsBulk, TuningFormat::MtsKeys, TuningFormat::MtsOctave};

    // Offers 'ports', with 'port' chosen when it is among them, and 'form'.
    SendTuningDialog(QWidget *parent, const QStringList &ports, const QString &port, TuningFormat form);

    QString port() const;
    TuningFormat form() const;

private:
    QComboBox *m_ports;
    QComboBox *m_forms;
};

} // namespace cordavo
