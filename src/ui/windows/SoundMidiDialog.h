#pragma once

#include "devices/SoundMidiSettings.h"
#include "devices/SoundOutput.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;

namespace cordavo {

// "Sound and MIDI…": the sound system and output device the Listen window
// plays through, the length of its periods with their latency, the MIDI
// inputs and channel it listens to, and the MIDI output "Send Tuning" writes
// to. The lists are read afresh each time the choices are shown; a device
// chosen earlier that is not there now is named, and the default chosen.
class SoundMidiDialog : public QDialog
{
    Q_OBJECT
public:
    SoundMidiDialog(SoundDeviceLists sound, MidiPortLists midi, QWidget *parent = nullptr);

    // Shows these choices in the controls, with the devices there are now.
    void setSettings(const SoundMidiSettings &settings);
    // The choices the controls hold.
    SoundMidiSettings settings() const;
    // What the dialog says about devices chosen earlier and gone; empty when
    // nothing is missing.
    QString goneText() const;

private:
    void listDevices(const QString &device);
    void showLatency();

    SoundDeviceLists m_sound;
    MidiPortLists m_midi;
    QComboBox *m_apiBox;
    QComboBox *m_deviceBox;
    QComboBox *m_bufferBox;
    QLabel *m_latencyLabel;
    QCheckBox *m_allInputs;
    QListWidget *m_inputList;
    QComboBox *m_channelBox;
    QComboBox *m_outputBox;
    QLabel *m_goneLabel;
};

} // namespace cordavo
