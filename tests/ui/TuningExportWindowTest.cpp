// "Export Tuning..." and "Load Scala..." of the main window.

#include "WindowTest.h"

#include "tuning/TemperamentXml.h"
#include "tuning/TuningExport.h"
#include "ui/windows/AnalysisWindow.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>

namespace cordavo {
namespace {

// Werckmeister III as deviations from equal temperament with A at 0.
constexpr NoteCents kWerckmeister{11.73, 1.96, 3.91, 5.87, 1.96, 9.78, 0, 7.82, 3.91, 0, 7.82, 3.91};

const QByteArray kEqualScale = "! equal.scl\nEqual\n12\n100.0\n200.0\n300.0\n400.0\n500.0\n600.0\n700.0\n800.0\n"
                               "900.0\n1000.0\n1100.0\n2/1\n";
const QByteArray kA442 = "! a442.kbm\n12\n0\n127\n60\n69\n442.000000\n12\n0\n1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n";

class TuningExportWindowTest : public WindowTest
{
protected:
    void typeNotes(const NoteCents &cents) const
    {
        for (int i = 0; i < 12; ++i)
            noteFields(*main)[i]->setValue(cents[i]);
    }

    // Exports through the dialog with the file type 'type' chosen and 'name' given.
    QString exportAs(int type, const char *name)
    {
        const QString path = dir.filePath(QLatin1String(name));
        dialogs.log.clear();
        dialogs.typeAnswers = {type};
        dialogs.fileAnswers = {path};
        trigger("EsportaAccordatura");
        return path;
    }

    QStringList filesInDir() const { return QDir(dir.path()).entryList(QDir::Files); }
};

TEST_P(TuningExportWindowTest, TheDialogOffersTheFiveTypesAndTheNameFollowsTheType)
{
    dialogs.fileAnswers = {std::nullopt};
    trigger("EsportaAccordatura");
    const QStringList filters = {QStringLiteral("Scala scale and keyboard mapping (*.scl)"),
                                 QStringLiteral("AnaMark tuning (*.tun)"),
                                 QStringLiteral("MIDI tuning, bulk dump (*.syx)"),
                                 QStringLiteral("MIDI tuning, single-note changes (*.syx)"),
                                 QStringLiteral("MIDI tuning, scale/octave (*.syx)"),
                                 QStringLiteral("GrandOrgue user temperament (GrandOrgueConfig*)")};
    EXPECT_EQ(dialogs.lastQuestion.filters, filters);
    EXPECT_EQ(dialogs.lastQuestion.fileName, QStringLiteral("File1"));
    ASSERT_TRUE(dialogs.lastQuestion.typeChanged);
    const struct {
        const char *name;
        int type;
        const char *renamed;
    } cases[] = {
        {"File1", 1, "File1.tun"},         {"Well.scl", 2, "Well.syx"},       {"Well.syx", 0, "Well.scl"},
        {"Well.v2.tun", 4, "Well.v2.syx"}, {"/a.b/Well", 0, "/a.b/Well.scl"}, {"", 3, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(dialogs.lastQuestion.typeChanged(QLatin1String(c.name), c.type), QLatin1String(c.renamed));
    }
}

TEST_P(TuningExportWindowTest, EachTypeWritesTheCoresBytesForTheFields)
{
    fillIdentification();
    mainControl<QComboBox>("ComboBoxTemperamentOut")->setEditText(local("  442.5"));
    NoteCents wide = kWerckmeister;
    wide[0] = 150; // beyond the reach of the scale/octave message
    const struct {
        const char *name;
        NoteCents cents;
        const char *unchanged; // the message about notes not represented, if any
    } cases[] = {
        {"Werck.scl", kWerckmeister, nullptr},
        {"Werck.tun", kWerckmeister, nullptr},
        {"Bulk.syx", kWerckmeister, nullptr},
        {"Keys.syx", kWerckmeister, nullptr},
        {"Octave.syx", kWerckmeister, nullptr},
        {"Wide.syx", wide,
         "1 note lies more than 100 cents from equal temperament, beyond what the octave message carries, and is "
         "held at its nearest limit: C (+150.00 cents)"},
    };
    for (int row = 0; row < static_cast<int>(std::size(cases)); ++row) {
        const auto &c = cases[row];
        SCOPED_TRACE(c.name);
        typeNotes(c.cents);
        const TuningFormat format = kTuningFormats[std::min(row, 4)];
        const QString path = exportAs(std::min(row, 4), c.name);
        const TuningExport expected =
            tuningExport(format, TuningSource{440, 442.5, main->noteCents(), QStringLiteral("Werckmeister III")}, path);
        QStringList saved;
        for (const TuningFile &file : expected.files) {
            EXPECT_EQ(readAll(file.path), file.bytes) << qPrintable(file.path);
            saved << QStringLiteral("File ") + QDir::toNativeSeparators(file.path) + QStringLiteral(" Saved");
        }
        EXPECT_EQ(expected.files.size(), format == TuningFormat::Scala ? 2 : 1);
        EXPECT_EQ(dialogs.entries(QStringLiteral("information")), QStringList{saved.join(QLatin1Char('\n'))});
        EXPECT_EQ(dialogs.entries(QStringLiteral("message")),
                  c.unchanged ? QStringList{local(c.unchanged)} : QStringList());
    }
}

TEST_P(TuningExportWindowTest, ARefusedNoteOrPitchWritesNothing)
{
    typeNotes(kWerckmeister);
    noteFields(*main)[4]->setValue(1300);
    exportAs(0, "Refused.scl");
    EXPECT_EQ(dialogs.log,
              QStringList{QStringLiteral("message: ") + noteCentsErrors(main->noteCents(), GetParam().decimal)[0]});
    EXPECT_TRUE(dialogs.log[0].contains(local("1300")));

    noteFields(*main)[4]->setValue(0);
    mainControl<QComboBox>("ComboBoxTemperamentInput")->setEditText(QStringLiteral("4400"));
    exportAs(1, "Refused.tun");
    ASSERT_EQ(dialogs.log.size(), 1);
    EXPECT_TRUE(dialogs.log[0].startsWith(QStringLiteral("message: Old Temperament A =: \"4400\"")));
    EXPECT_EQ(filesInDir(), QStringList());
}

TEST_P(TuningExportWindowTest, AnUnwritableTargetIsNamedAndNothingIsWritten)
{
    // A scale named *.kbm would be replaced by its own mapping.
    for (const char *name : {"missing/Werck.scl", "Werck.kbm"}) {
        SCOPED_TRACE(name);
        dialogs.log.clear();
        const QString path = exportAs(0, name);
        ASSERT_EQ(dialogs.entries(QStringLiteral("error")).size(), 1);
        EXPECT_TRUE(dialogs.entries(QStringLiteral("error"))[0].startsWith(
            QStringLiteral("Cannot save ") + quoted(QDir::toNativeSeparators(path)) + QLatin1Char(':')));
        EXPECT_EQ(dialogs.entries(QStringLiteral("information")), QStringList());
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    }
}

TEST_P(TuningExportWindowTest, AnExportedScaleLoadsBackIntoTheSameFields)
{
    fillIdentification();
    typeNotes(kWerckmeister);
    const QStringList before = fieldTexts();
    const QString path = exportAs(0, "Werck.scl");
    typeNotes({});
    mainControl<QLineEdit>("EditNomeTemperamento")->setText(QStringLiteral("other"));
    // The .kbm written beside the scale puts A at 440 Hz, as the boxes do.
    dialogs.fileAnswers = {path};
    trigger("CaricaScala");
    EXPECT_EQ(fieldTexts(), before);
    EXPECT_EQ(dialogs.log.last(),
              QStringLiteral("information: File ") + QDir::toNativeSeparators(path) + QStringLiteral(" Loaded"));
}

TEST_P(TuningExportWindowTest, LoadingScalaFillsTheNotesOrNothing)
{
    fillIdentification();
    typeNotes(kWerckmeister);
    const QStringList before = fieldTexts();
    const QByteArray seven = "Seven\n7\n200.0\n400.0\n500.0\n700.0\n900.0\n1100.0\n2/1\n";
    const QByteArray size7 = QByteArray(kA442).replace("\n12\n0\n127", "\n7\n0\n127");
    const struct {
        const char *name;
        QByteArray scale;
        QByteArray mapping;  // none when empty
        const char *problem; // the error's end; nullptr for a file that loads
    } cases[] = {
        {"Seven", seven, {}, "Line 2 of \"Seven.scl\": the scale has 7 notes; only scales of 12 notes load"},
        {"Size7", kEqualScale, size7,
         "Line 2 of \"Size7.kbm\": the map size is 7; only twelve keys to the octave load (12, or 0 for a linear "
         "mapping)"},
        {"Equal", kEqualScale, {}, nullptr},
        {"A442", kEqualScale, kA442, nullptr},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        if (!c.mapping.isEmpty())
            writeBytes(dir.filePath(QLatin1String(c.name) + QStringLiteral(".kbm")), c.mapping);
        const QString path = offerFile((std::string(c.name) + ".scl").c_str(), c.scale);
        trigger("CaricaScala");
        if (c.problem) {
            EXPECT_EQ(dialogs.log, (QStringList{QStringLiteral("open"), QStringLiteral("error: ") + c.problem}));
            EXPECT_EQ(fieldTexts(), before);
            continue;
        }
        // A note at 0 shows an empty field.
        const QString cents = c.mapping.isEmpty() ? QString() : local("7.85");
        EXPECT_EQ(texts(noteFields(*main)), QStringList(12, cents));
        EXPECT_EQ(mainControl<QLineEdit>("EditNomeTemperamento")->text(), QStringLiteral("Equal"));
        EXPECT_EQ(mainControl<QLineEdit>("EditNomeCorto")->text(), QStringLiteral("W3"));
        EXPECT_EQ(dialogs.log.last(),
                  QStringLiteral("information: File ") + QDir::toNativeSeparators(path) + QStringLiteral(" Loaded"));
    }
}

// Export Tuning and Save Picture propose the temperament's name, made safe
// for a file name, in the folder last chosen.
TEST_P(TuningExportWindowTest, ProposedNamesStartFromTheTemperamentsName)
{
    auto *savePicture = control<QPushButton>(windows->analysisWindow(), "savePictureButton");
    const struct {
        QString temperament;
        QString exported;
        QString picture;
    } cases[] = {
        {QStringLiteral("1/4 comma meantone"), QStringLiteral("1-4 comma meantone"),
         QStringLiteral("1-4 comma meantone.png")},
        {QStringLiteral(" "), QStringLiteral("File1"), QStringLiteral("Temperament.png")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.temperament.toStdString());
        mainControl<QLineEdit>("EditNomeTemperamento")->setText(c.temperament);
        dialogs.fileAnswers = {std::nullopt};
        trigger("EsportaAccordatura");
        EXPECT_EQ(dialogs.lastQuestion.fileName, c.exported);
        dialogs.fileAnswers = {std::nullopt};
        savePicture->click();
        EXPECT_EQ(dialogs.lastQuestion.fileName, c.picture);
    }
    mainControl<QLineEdit>("EditNomeTemperamento")->setText(QStringLiteral("Young: II"));
    exportAs(1, "other.tun");
    dialogs.fileAnswers = {dir.filePath(QStringLiteral("other.svg"))};
    dialogs.typeAnswers = {1};
    savePicture->click();
    dialogs.fileAnswers = {std::nullopt, std::nullopt};
    trigger("EsportaAccordatura");
    EXPECT_EQ(dialogs.lastQuestion.fileName, dir.filePath(QStringLiteral("Young II")));
    savePicture->click();
    EXPECT_EQ(dialogs.lastQuestion.fileName, dir.filePath(QStringLiteral("Young II.svg")));
}

} // namespace

CORDAVO_BOTH_SETTINGS(TuningExportWindowTest);

} // namespace cordavo
