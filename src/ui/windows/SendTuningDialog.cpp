#include "ui/windows/SendTuningDialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace cordavo {

SendTuningDialog::SendTuningDialog(QWidget *parent, const QStringList &ports, const QString &port, TuningFormat form)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("SendTuningDialog"));
    setWindowTitle(tr("Send Tuning"));
    auto *layout = new QFormLayout(this);

    m_ports = new QComboBox(this);
    m_ports->setObjectName(QStringLiteral("MidiOutputBox"));
    m_ports->addItems(ports);
    m_ports->setCurrentIndex(std::max<qsizetype>(0, ports.indexOf(port)));
    m_ports->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    layout->addRow(tr("MIDI &output:"), m_ports);

    m_forms = new QComboBox(this);
    m_forms->setObjectName(QStringLiteral("TuningFormBox"));
    for (TuningFormat each : kForms) {
        m_forms->addItem(QCoreApplication::translate("TuningExport", tuningFormatRecord(each).fileType),
                         tuningFormatName(each));
        if (each == form)
            m_forms->setCurrentIndex(m_forms->count() - 1);
    }
    layout->addRow(tr("&Form:"), m_forms);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("SendTuningButtons"));
    buttons->button(QDialogButtonBox::Ok)->setText(tr("&Send"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addRow(buttons);
}

QString SendTuningDialog::port() const
{
    return m_ports->currentText();
}

TuningFormat SendTuningDialog::form() const
{
    return tuningFormatNamed(m_forms->currentData().toString()).value_or(TuningFormat::MtsBulk);
}

} // namespace cordavo
