#include "TestFiles.h"
#include "WindowTest.h"
#include "ui/desktop/Translations.h"
#include "ui/windows/UCents.h"
#include "ui/windows/UScale.h"
#include "ui/windows/UTemperamento.h"

#include <QComboBox>
#include <QDir>
#include <QStringEncoder>

using namespace cordavo;

namespace {

// Every kind of file the program writes, made from the same inputs, must
// stay byte for byte what the program wrote when these files were recorded.
// Inputs hold values between the fields' places, Windows-1252 text and a
// short name longer than the typing limit.
const QByteArray kSupplier = "Soci\xe9t\xe9 & <Fils>\r\n7.5\r\n1234567.49\r\nx\r\ny\r\nz\r\n";
const QByteArray kTemperament = "Mean \xa0tone\r\nMeantone\r\nby ear\r\n1.005\r\n-3.125\r\n2.675\r\n12.344999\r\n"
                                "-0.004\r\n0.005\r\n100.999\r\n-1.995\r\n7\r\n1e-3\r\n-50.5\r\n0.0049\r\n";
const QByteArray kCents =
    "11.73\r\n101.96\r\n203.91\r\n305.87\r\n401.96\r\n509.78\r\n600\r\n707.82\r\n803.91\r\n900\r\n"
    "1007.82\r\n1103.91\r\nWerckmeister III\r\n";
const QByteArray kIntervals = "1\r\n16\r\n9\r\n6\r\n5\r\n4\r\n45\r\n3\r\n8\r\n5\r\n9.005\r\n15\r\n"
                              "1\r\n15\r\n8\r\n5\r\n4\r\n3\r\n32\r\n2\r\n5\r\n3\r\n5\r\n8\r\nJust\r\n";

class GoldenFilesTest : public WindowTest
{
protected:
    // Loads the inputs through the windows and writes every kind of file
    // from them into 'out'.
    void writeEveryFile(const QString &out)
    {
        auto regional = [this](QByteArray bytes) { return bytes.replace('.', char(GetParam().decimal.unicode())); };
        offerFile("in.For", regional(kSupplier));
        main->CaricaFornitoreClick();
        offerFile("in.Tmp", regional(kTemperament));
        main->CaricaTemperamentoClick();
        mainControl<QComboBox>("ComboBoxTemperamentInput")->setEditText(local("415.5"));
        mainControl<QComboBox>("ComboBoxTemperamentOut")->setEditText(local("466.25"));
        main->ButtonGeneraXmlClick();

        ASSERT_TRUE(QDir().mkpath(out));
        auto save = [&](const char *name, auto &&command) {
            dialogs.fileAnswers = {out + QLatin1Char('/') + QLatin1String(name)};
            command();
        };
        save("doc.Temperament_Hauptwerk_xml", [&] { main->SalvaXmlClick(); });
        save("out.For", [&] { main->SalvaFornitoreClick(); });
        save("out.Tmp", [&] { main->SalvaTemperamentoClick(); });
        // Export Tuning, every type that writes files of its own.
        for (int type = 0; type < 5; ++type) {
            dialogs.typeAnswers = {type};
            save(kExported[type], [&] { trigger("EsportaAccordatura"); });
        }

        TFormCents &cents = windows->FormCents();
        offerFile("in.Cts", regional(kCents));
        cents.ButtonCaricaInputClick();
        save("out.Cts", [&] { cents.ButtonSalvaInputClick(); });
        save("out.scl", [&] { cents.ButtonSalvaInputClick(); });

        TFormScale &scale = windows->FormScale();
        offerFile("in.Tfs", regional(kIntervals));
        scale.ButtonCaricaInputClick();
        save("out.Tfs", [&] { scale.ButtonSalvaInputClick(); });
        ASSERT_EQ(dialogs.entries(QStringLiteral("error")), QStringList());
    }

    static constexpr const char *kExported[5] = {"export.scl", "export.tun", "bulk.syx", "notes.syx", "octave.syx"};
};

} // namespace

// The files are the same bytes in every language the windows speak: the
// translations change what the windows show, never what they write.
TEST_P(GoldenFilesTest, EveryWrittenFileIsAsRecordedInEveryLanguage)
{
    const QString golden =
        QStringLiteral(CORDAVO_TEST_DATA "/golden/") + QString::fromStdString(settingName(GetParam()));
    const QString english = dir.filePath(QStringLiteral("en"));
    for (const WindowLanguage &language : kWindowLanguages) {
        SCOPED_TRACE(language.code);
        QList<QTranslator *> translators = installTranslations(QLatin1String(language.code));
        EXPECT_EQ(translators.isEmpty(), language.code == std::string("en"));
        fresh();
        const QString out = dir.filePath(QLatin1String(language.code));
        writeEveryFile(out);
        removeTranslations(translators);

        for (const char *name :
             {"doc.Temperament_Hauptwerk_xml", "out.For", "out.Tmp", "out.Cts", "out.scl", "out.Tfs"}) {
            SCOPED_TRACE(name);
            const QByteArray written = readAll(out + QLatin1Char('/') + QLatin1String(name));
            QByteArray recorded = readAll(golden + QLatin1Char('/') + QLatin1String(name));
            // The data files are text in the system's code page: UTF-8 where
            // these were recorded, Windows-1252 (or another) on Windows. The
            // document is UTF-8 everywhere.
            if (!QByteArray(name).startsWith("doc."))
                recorded = QStringEncoder(QStringConverter::System).encode(QString::fromUtf8(recorded));
            EXPECT_EQ(written.size(), recorded.size());
            EXPECT_TRUE(written == recorded);
        }
        const QStringList exported = QDir(english).entryList(
            {QStringLiteral("export.*"), QStringLiteral("*.syx"), QStringLiteral("*.kbm")}, QDir::Files);
        EXPECT_EQ(exported.size(), 6); // the scale comes with its mapping
        for (const QString &name : exported) {
            SCOPED_TRACE(qPrintable(name));
            EXPECT_TRUE(readAll(out + QLatin1Char('/') + name) == readAll(english + QLatin1Char('/') + name));
        }
    }
}

CORDAVO_BOTH_SETTINGS(GoldenFilesTest);
