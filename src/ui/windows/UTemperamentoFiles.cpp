#include "ui/windows/UTemperamento.h"

#include "numbers/NumberFormat.h"
#include "tuning/KeyboardMapping.h"
#include "tuning/ScalaFile.h"
#include "tuning/TemperamentFiles.h"
#include "tuning/TemperamentXmlReader.h"
#include "ui/desktop/FileCommands.h"
#include "ui/desktop/FileOpening.h"
#include "ui/desktop/UserDialogs.h"
#include "ui/desktop/WindowFront.h"
#include "ui/widgets/NumEdit.h"
#include "ui/windows/CordavoWindows.h"
#include "ui/windows/SetterWindow.h"
#include "ui/windows/UCents.h"
#include "ui/windows/UScale.h"
#include "ui/windows/UTempXml.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>

#include <cmath>
#include <utility>

// The main window's file commands: saving and loading the data files,
// opening any file the program reads.

namespace cordavo {

void TFormTemperamento::SalvaFornitoreClick()
{
    saveDataFile(SaveDialogFornitore,
                 supplierFileLines(supplierRecord(temperamentData(440, 440)), m_separators.decimal));
}

void TFormTemperamento::SalvaTemperamentoClick()
{
    saveDataFile(SaveDialogTemperamento,
                 temperamentFileLines(temperamentRecord(temperamentData(440, 440)), m_separators.decimal));
}

void TFormTemperamento::saveDataFile(FileQuestion &question, const QStringList &lines)
{
    ValidateData();
    if (DataError) {
        m_dialogs.message(this, tr("Unsaved data for errors !"));
        return;
    }
    saveThroughDialog(m_dialogs, this, question, encodeLineFile(lines));
}

void TFormTemperamento::CaricaFornitoreClick()
{
    if (const auto path = m_dialogs.openFileName(this, OpenDialogFornitore))
        loadSupplier(*path);
}

bool TFormTemperamento::loadSupplier(const QString &path)
{
    const auto values = readCheckedFile(m_dialogs, this, path, kSupplierLayout, m_separators.decimal);
    if (!values)
        return false;
    // Only a file that checked out whole reaches the fields.
    const SupplierRecord record = supplierRecord(*values);
    EditNomeFornitore->setText(record.supplierName);
    NumEdit_IdFornitore->setValue(record.supplierId);
    NumEdit_IdTemperamento->setValue(record.temperamentId);
    showNames(record.name, record.shortName, record.comment);
    reportLoaded(m_dialogs, this, path);
    return true;
}

void TFormTemperamento::CaricaTemperamentoClick()
{
    if (const auto path = m_dialogs.openFileName(this, OpenDialogTemperamento))
        loadTemperament(*path);
}

bool TFormTemperamento::loadTemperament(const QString &path)
{
    const auto values = readCheckedFile(m_dialogs, this, path, kTemperamentLayout, m_separators.decimal);
    if (!values)
        return false;
    const TemperamentRecord record = temperamentRecord(*values);
    if (!notesInRange(asNoteFields(record.cents), path))
        return false;
    showNames(record.name, record.shortName, record.comment);
    for (int i = 0; i < 12; ++i)
        m_noteFields[i]->setValue(record.cents[i]);
    reportLoaded(m_dialogs, this, path);
    return true;
}

void TFormTemperamento::CaricaScalaClick()
{
    if (const auto path = m_dialogs.openFileName(this, OpenDialogScala))
        loadScala(*path);
}

bool TFormTemperamento::loadScala(const QString &path)
{
    const ScalaContents scale = readScalaFile(path);
    if (!scale.ok()) {
        m_dialogs.error(this, scale.error());
        return false;
    }
    // A mapping beside the scale sets its height; without one A is at 0.
    // Everything is read and checked before any field changes.
    std::optional<KeyboardMapping> mapping;
    double oldA = 440;
    double newA = 440;
    if (const QString mappingPath = keyboardMappingPathFor(path); QFileInfo::exists(mappingPath)) {
        const Result<KeyboardMapping> read = readKeyboardMapping(mappingPath);
        if (!read.ok()) {
            m_dialogs.error(this, read.error());
            return false;
        }
        const auto oldPitch = pitchOf(ComboBoxTemperamentInput, tr("Old Temperament A ="));
        const auto newPitch = pitchOf(ComboBoxTemperamentOut, tr("New Temperament A ="));
        if (!oldPitch || !newPitch)
            return false;
        mapping = read.value();
        oldA = *oldPitch;
        newA = *newPitch;
    }
    // A note out of range is the scale's fault unless the mapping moved it there.
    if (!notesInRange(asNoteFields(deviationsFromScala(scale->positions, std::nullopt, oldA, newA)), path))
        return false;
    const NoteCents deviations = deviationsFromScala(scale->positions, mapping, oldA, newA);
    if (mapping && !notesInRange(asNoteFields(deviations), keyboardMappingPathFor(path)))
        return false;
    // The description names the temperament; the short name is the user's.
    showTemperament(deviations, scale->description);
    reportLoaded(m_dialogs, this, path);
    return true;
}

bool TFormTemperamento::notesInRange(const NoteCents &deviations, const QString &path)
{
    const Result<void> inRange = checkNoteRange(deviations, QFileInfo(path).fileName(), m_separators.decimal);
    if (!inRange.ok())
        m_dialogs.error(this, inRange.error());
    return inRange.ok();
}

void TFormTemperamento::showTemperament(const NoteCents &deviations, const QString &name)
{
    for (int i = 0; i < 12; ++i)
        m_noteFields[i]->setValue(deviations[i]);
    EditNomeTemperamento->setText(name);
}

void TFormTemperamento::showNames(const QString &name, const QString &shortName, const QString &comment)
{
    EditNomeTemperamento->setText(name);
    EditNomeCorto->setText(shortName);
    EditCommento->setText(comment);
}

void TFormTemperamento::ApriXmlClick()
{
    if (const auto path = m_dialogs.openFileName(this, OpenDialogXml))
        openXml(*path);
}

bool TFormTemperamento::openXml(const QString &path)
{
    // The document goes through the same size and encoding checks as the data files.
    const Result<QByteArray> bytes = readSmallFile(path);
    if (!bytes.ok()) {
        m_dialogs.error(this, bytes.error());
        return false;
    }
    const QString text = decodeLineFileText(bytes.value());
    const ReadTemperament read = readTemperamentXml(text, QFileInfo(path).fileName());
    if (!read.ok()) {
        m_dialogs.error(this, read.error());
        return false;
    }
    // The two A's the reader chose give back the file's pitches. Choosing an
    // item also replaces any text typed over the box.
    auto choose = [this](QComboBox *box, double pitch) {
        const int item = box->findText(QStringLiteral("  %1").arg(pitch));
        if (pitch == std::floor(pitch) && item >= 0) {
            box->setCurrentIndex(item);
            box->setEditText(box->itemText(item));
        } else {
            box->setEditText(formatGeneral(pitch, m_separators.decimal));
        }
    };
    choose(ComboBoxTemperamentInput, read->oldA);
    choose(ComboBoxTemperamentOut, read->newA);
    for (int i = 0; i < 12; ++i)
        m_noteFields[i]->setValue(read->cents[i]);
    NumEdit_IdTemperamento->setValue(read->temperamentId);
    NumEdit_IdFornitore->setValue(read->supplierId);
    EditNomeTemperamento->setText(read->name);
    EditNomeCorto->setText(read->shortName);
    EditNomeFornitore->setText(read->supplierName);
    EditCommento->setText(read->comment);
    m_windows.FormXml().setText(splitLines(text).join(QLatin1Char('\n')));
    // A document read back is as good as a generated one: it may be printed.
    XmlGenerated = true;
    bringToFront(&m_windows.FormXml());
    reportLoaded(m_dialogs, this, path);
    return true;
}

bool TFormTemperamento::openFile(const QString &path)
{
    switch (fileKindOf(path)) {
    case FileKind::Temperament:
        return loadTemperament(path);
    case FileKind::Supplier:
        return loadSupplier(path);
    case FileKind::Scala:
        return loadScala(path);
    case FileKind::TemperamentXml:
        return openXml(path);
    case FileKind::Cents:
        return openInSetter(m_windows.FormCents(), RadioButtonCents, path);
    case FileKind::Intervals:
        return openInSetter(m_windows.FormScale(), RadioButtonScale, path);
    case FileKind::Unknown:
        break;
    }
    m_dialogs.message(this, notOpenableMessage(path, QStringLiteral("Cordavo"),
                                               {FileKind::Temperament, FileKind::Supplier, FileKind::Scala,
                                                FileKind::Cents, FileKind::Intervals, FileKind::TemperamentXml}));
    return false;
}

bool TFormTemperamento::openInSetter(SetterWindow &setter, QRadioButton *choice, const QString &path)
{
    // A refused file leaves the windows as they were.
    if (!setter.openFile(SetterSide::Input, path))
        return false;
    choice->setChecked(true);
    ButtonSetTemperamentoClick();
    return true;
}

void TFormTemperamento::openAtStart(const QStringList &paths)
{
    m_startFiles += paths;
    if (AboutShown)
        openStartFiles();
}

void TFormTemperamento::openStartFiles()
{
    // Taken first: a message box may bring a new activation.
    const QStringList paths = std::exchange(m_startFiles, {});
    for (const QString &path : paths)
        openFile(path);
}

} // namespace cordavo
