#include "ui/windows/SoundMidiDialog.h"

#include "ui/desktop/KeyboardOrder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace cordavo {

namespace {

QStringList listed(const std::function<QStringList()> &list)
{
    return list ? list() : QStringList();
}

} // namespace

SoundMidiDialog::SoundMidiDialog(SoundDeviceLists sound, MidiPortLists midi, QWidget *parent)
    : QDialog(parent), m_sound(std::move(sound)), m_midi(std::move(midi))
{
    setObjectName(QStringLiteral("soundMidiDialog"));
    setWindowTitle(tr("Sound and MIDI"));

    m_apiBox = new QComboBox(this);
    m_apiBox->setObjectName(QStringLiteral("apiBox"));
    auto *apiLabel = new QLabel(tr("Sound &system:"), this);
    nameByLabel(apiLabel, m_apiBox);
    m_deviceBox = new QComboBox(this);
    m_deviceBox->setObjectName(QStringLiteral("deviceBox"));
    auto *deviceLabel = new QLabel(tr("Output &device:"), this);
    nameByLabel(deviceLabel, m_deviceBox);
    m_bufferBox = new QComboBox(this);
    m_bufferBox->setObjectName(QStringLiteral("bufferBox"));
    for (int frames : SoundMidiSettings::bufferSizes())
        m_bufferBox->addItem(tr("%n frames", nullptr, frames), frames);
    auto *bufferLabel = new QLabel(tr("&Buffer:"), this);
    nameByLabel(bufferLabel, m_bufferBox);
    m_latencyLabel = new QLabel(this);
    m_latencyLabel->setObjectName(QStringLiteral("latencyLabel"));

    m_allInputs = new QCheckBox(tr("&All MIDI inputs"), this);
    m_allInputs->setObjectName(QStringLiteral("allInputsBox"));
    m_inputList = new QListWidget(this);
    m_inputList->setObjectName(QStringLiteral("inputList"));
    m_inputList->setAccessibleName(tr("MIDI inputs listened to"));
    m_channelBox = new QComboBox(this);
    m_channelBox->setObjectName(QStringLiteral("channelBox"));
    m_channelBox->addItem(tr("Any"), 0);
    for (int channel = 1; channel <= 16; ++channel)
        m_channelBox->addItem(QString::number(channel), channel);
    auto *channelLabel = new QLabel(tr("MIDI &channel:"), this);
    nameByLabel(channelLabel, m_channelBox);
    m_outputBox = new QComboBox(this);
    m_outputBox->setObjectName(QStringLiteral("midiOutputBox"));
    auto *outputLabel = new QLabel(tr("MIDI &output for Send Tuning:"), this);
    nameByLabel(outputLabel, m_outputBox);

    m_goneLabel = new QLabel(this);
    m_goneLabel->setObjectName(QStringLiteral("goneLabel"));
    m_goneLabel->setWordWrap(true);
    m_goneLabel->hide();

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *form = new QFormLayout;
    form->addRow(apiLabel, m_apiBox);
    form->addRow(deviceLabel, m_deviceBox);
    form->addRow(bufferLabel, m_bufferBox);
    form->addRow(QString(), m_latencyLabel);
    form->addRow(QString(), m_allInputs);
    form->addRow(QString(), m_inputList);
    form->addRow(channelLabel, m_channelBox);
    form->addRow(outputLabel, m_outputBox);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_goneLabel);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setKeyboardOrder(
        {m_apiBox, m_deviceBox, m_bufferBox, m_allInputs, m_inputList, m_channelBox, m_outputBox, buttons});

    connect(m_apiBox, &QComboBox::currentIndexChanged, this, [this] { listDevices(QString()); });
    connect(m_bufferBox, &QComboBox::currentIndexChanged, this, &SoundMidiDialog::showLatency);
    connect(m_allInputs, &QCheckBox::toggled, m_inputList, [this](bool all) { m_inputList->setEnabled(!all); });
    setSettings({});
}

void SoundMidiDialog::listDevices(const QString &device)
{
    const QString api = m_apiBox->currentData().toString();
    const QSignalBlocker blocker(m_deviceBox);
    m_deviceBox->clear();
    m_deviceBox->addItem(tr("Default"), QString());
    // A device is chosen within a sound system; the automatic choice plays
    // through the default device of the one it takes.
    if (!api.isEmpty() && m_sound.devices)
        for (const QString &name : m_sound.devices(api))
            m_deviceBox->addItem(name, name);
    m_deviceBox->setEnabled(!api.isEmpty());
    m_deviceBox->setCurrentIndex(std::max(0, m_deviceBox->findData(device)));
}

void SoundMidiDialog::showLatency()
{
    const int frames = m_bufferBox->currentData().toInt();
    m_latencyLabel->setText(tr("Latency: %1 ms a period at %2 kHz")
                                .arg(QLocale().toString(bufferMilliseconds(frames), 'f', 1))
                                .arg(kOutputSampleRate / 1000));
}

void SoundMidiDialog::setSettings(const SoundMidiSettings &settings)
{
    QStringList gone;
    {
        const QSignalBlocker blocker(m_apiBox);
        m_apiBox->clear();
        const QString automatic = m_sound.automaticApi ? m_sound.automaticApi() : QString();
        const QList<SoundApi> apis = m_sound.apis ? m_sound.apis() : QList<SoundApi>();
        QString automaticName = automatic;
        for (const SoundApi &api : apis)
            if (api.id == automatic)
                automaticName = api.name;
        m_apiBox->addItem(automatic.isEmpty() ? tr("Automatic (no sound output found)")
                                              : tr("Automatic (%1 now)").arg(automaticName),
                          QString());
        for (const SoundApi &api : apis)
            m_apiBox->addItem(api.name, api.id);
        const int api = m_apiBox->findData(settings.audioApi);
        if (api < 0 && !settings.audioApi.isEmpty())
            gone << tr("The sound system “%1” is not available; the automatic choice is used.").arg(settings.audioApi);
        m_apiBox->setCurrentIndex(std::max(0, api));
    }
    listDevices(settings.audioDevice);
    if (!settings.audioDevice.isEmpty() && m_deviceBox->currentIndex() == 0 && !settings.audioApi.isEmpty() &&
        m_apiBox->currentIndex() > 0)
        gone << tr("The sound output “%1” was not found; the default is used.").arg(settings.audioDevice);
    m_bufferBox->setCurrentIndex(std::max(0, m_bufferBox->findData(settings.bufferFrames)));
    showLatency();

    m_inputList->clear();
    const QStringList inputs = listed(m_midi.inputs);
    for (const QString &name : inputs) {
        auto *item = new QListWidgetItem(name, m_inputList);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(settings.allMidiInputs || settings.midiInputs.contains(name) ? Qt::Checked : Qt::Unchecked);
    }
    if (!settings.allMidiInputs)
        for (const QString &name : settings.midiInputs)
            if (!inputs.contains(name))
                gone << tr("The MIDI input “%1” was not found.").arg(name);
    m_allInputs->setChecked(settings.allMidiInputs);
    m_inputList->setEnabled(!settings.allMidiInputs);
    m_channelBox->setCurrentIndex(std::max(0, m_channelBox->findData(settings.midiChannel)));

    m_outputBox->clear();
    m_outputBox->addItem(tr("None"), QString());
    for (const QString &name : listed(m_midi.outputs))
        m_outputBox->addItem(name, name);
    const int output = m_outputBox->findData(settings.midiOutput);
    if (output < 0 && !settings.midiOutput.isEmpty())
        gone << tr("The MIDI output “%1” was not found; none is chosen.").arg(settings.midiOutput);
    m_outputBox->setCurrentIndex(std::max(0, output));

    m_goneLabel->setText(gone.join(QLatin1Char('\n')));
    m_goneLabel->setVisible(!gone.isEmpty());
}

SoundMidiSettings SoundMidiDialog::settings() const
{
    SoundMidiSettings chosen;
    chosen.audioApi = m_apiBox->currentData().toString();
    chosen.audioDevice = m_deviceBox->currentData().toString();
    chosen.bufferFrames = m_bufferBox->currentData().toInt();
    chosen.allMidiInputs = m_allInputs->isChecked();
    if (!chosen.allMidiInputs)
        for (int i = 0; i < m_inputList->count(); ++i)
            if (m_inputList->item(i)->checkState() == Qt::Checked)
                chosen.midiInputs << m_inputList->item(i)->text();
    chosen.midiChannel = m_channelBox->currentData().toInt();
    chosen.midiOutput = m_outputBox->currentData().toString();
    return chosen;
}

QString SoundMidiDialog::goneText() const
{
    return m_goneLabel->text();
}

} // namespace cordavo
