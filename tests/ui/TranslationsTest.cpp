#include "ui/desktop/Translations.h"
#include "WindowTest.h"
#include "print/GuideSheet.h"
#include "tuning/NoteSpelling.h"
#include "tuning/PitchTable.h"
#include "tuning/TemperamentXml.h"
#include "tuning/TuningGuide.h"
#include "ui/windows/AnalysisWindow.h"
#include "ui/windows/CordavoWindows.h"
#include "ui/windows/UAbout.h"

#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <gtest/gtest.h>

using namespace cordavo;

// The language menu's choice wins; else the first system language the
// program speaks, in any of the forms systems write it; else English.
TEST(WindowLanguage, FollowsTheChoiceThenTheSystem)
{
    const struct {
        const char *chosen;
        QStringList system;
        const char *expected;
    } cases[] = {
        {"", {QStringLiteral("it-IT"), QStringLiteral("en-US")}, "it"},
        {"", {QStringLiteral("de_AT")}, "de"},
        {"", {QStringLiteral("pt-BR"), QStringLiteral("nl-BE"), QStringLiteral("fr")}, "nl"},
        {"", {QStringLiteral("FR-ca")}, "fr"},
        {"", {QStringLiteral("C")}, "en"},
        {"", {}, "en"},
        {"de", {QStringLiteral("it-IT")}, "de"},
        {"en", {QStringLiteral("fr-FR")}, "en"},
        {"xx", {QStringLiteral("fr-FR")}, "fr"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(
            QStringLiteral("%1: %2").arg(QLatin1String(c.chosen), c.system.join(QLatin1Char(' '))).toStdString());
        EXPECT_EQ(windowLanguage(QLatin1String(c.chosen), c.system), QLatin1String(c.expected));
    }
}

namespace {

class TranslatedWindowsTest : public WindowTest
{
protected:
    // New windows, made while the language's translations are installed.
    void speak(const char *code)
    {
        TearDown();
        removeTranslations(translators);
        dialogs.log.clear();
        translators = installTranslations(QLatin1String(code));
        ASSERT_FALSE(translators.isEmpty());
        SetUp();
    }
    ~TranslatedWindowsTest() override { removeTranslations(translators); }
    QString menuTitle(const char *name) const { return mainControl<QMenu>(name)->title(); }

    QList<QTranslator *> translators;
};

// What the windows show in each language, read by object name: a menu,
// a command, a note's label, the About window's title and a message.
struct Shown {
    const char *code;
    const char *functionsMenu;
    const char *saveXml;
    const char *cSharpLabel;
    const char *bLabel;
    const char *aboutTitle;
    const char *beforeGenerating;
};

const Shown kShown[] = {
    {"it", "Fun&zioni", "&Salva xml", "Do#:", "Si:", "Informazioni su Cordavo", "Generare prima la pagina XML"},
    {"de", "F&unktionen", "xml &speichern", "Cis:", "H:", "Über Cordavo", "Zuerst die xml-Seite erzeugen"},
    {"nl", "F&uncties", "xml op&slaan", "Cis:", "B:", "Over Cordavo", "Eerst de XML-pagina genereren"},
    {"fr", "F&onctions", "&Enregistrer le xml", "Do#:", "Si:", "À propos de Cordavo", "Générez d'abord la page XML"},
};

} // namespace

TEST_P(TranslatedWindowsTest, MenusNotesAndMessagesSpeakTheLanguage)
{
    for (const Shown &shown : kShown) {
        SCOPED_TRACE(shown.code);
        speak(shown.code);
        EXPECT_EQ(menuTitle("MImpostazioni"), QString::fromUtf8(shown.functionsMenu));
        EXPECT_EQ(mainControl<QAction>("SalvaXml")->text(), QString::fromUtf8(shown.saveXml));
        EXPECT_EQ(mainControl<QLabel>("Label_DoDiesis")->text(), QString::fromUtf8(shown.cSharpLabel));
        EXPECT_EQ(mainControl<QLabel>("Label_Si")->text(), QString::fromUtf8(shown.bLabel));
        EXPECT_EQ(windows->AboutBox().windowTitle(), QString::fromUtf8(shown.aboutTitle));
        trigger("SalvaXml");
        EXPECT_EQ(dialogs.entries(QStringLiteral("message")), QStringList{QString::fromUtf8(shown.beforeGenerating)});
        // Qt's own dialogs and buttons speak it too.
        EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
        // Numbers keep the regional setting in every language.
        noteFields(*main)[0]->setValue(1.5);
        EXPECT_EQ(noteFields(*main)[0]->text(), local("1.5"));
    }
}

CORDAVO_BOTH_SETTINGS(TranslatedWindowsTest);

// Words that read as another thing to an organist of the language: the
// metronome's beat is not the acoustic beat, a program opens a file, and a
// keyboard mapping is not a folder.
TEST_P(TranslatedWindowsTest, WordsReadAsOrganistsMeanThem)
{
    const struct {
        const char *code;
        const char *context;
        const char *source;
        const char *translation;
    } cases[] = {
        {"fr", "TuningGuide", "Per beat at MM %1", "Par temps à MM %1"},
        {"fr", "cordavo::TuningGuideWindow", "Count per &metronome beat at MM", "Compter par temps de &métronome à MM"},
        {"de", "cordavo::FileOpening", "%1 is not a file %2 can open: %3",
         "%1 ist keine Datei, die %2 öffnen kann: %3"},
        {"nl", "KeyboardMapping", "map size", "grootte van de toewijzing"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.source);
        speak(c.code);
        EXPECT_EQ(QCoreApplication::translate(c.context, c.source), QString::fromUtf8(c.translation));
    }
}

// What each language writes, read through its translation: notes with their
// octave (middle C, the A of 440 Hz, the lowest and highest MIDI keys, black
// keys), a third as a third (the German A sharp is Ais, not the B of a
// label), the guide's fork and bearing (the Italian A of 220 Hz is La2, not
// the scientific La3), and one more note counted in the singular.
TEST(NoteNamesInTheLanguage, OctavesIntervalsAndCountsAsEachLanguageWritesThem)
{
    const struct {
        const char *code;
        const char *names[6]; // keys 60, 69, 0, 127, 70, 49
        const char *third;    // F#–A#
        const char *guide;
        const char *oneMore;
    } cases[] = {
        {"en", {"C4", "A4", "C-1", "G9", "Bb4", "C#3"}, "F#–A#", "Tune A3 to the fork", "(and 1 more note)"},
        {"it",
         {"Do3", "La3", "Do-2", "Sol8", "Sib3", "Do#2"},
         "Fa#–La#",
         "Accordare La2 sul diapason o sull'accordatore: La = 440,00 Hz (La2 suona a 220,00 Hz).",
         "(e 1 altra nota)"},
        {"fr", {"Do3", "La3", "Do-2", "Sol8", "Sib3", "Do#2"}, "Fa#–La#", "partition Fa2–Fa3", "(et 1 note de plus)"},
        {"de", {"c′", "a′", "C͵͵͵", "g⁶", "b′", "cis"}, "Fis–Ais", "Legung f–f′", "(und 1 weiterer Ton)"},
        {"nl", {"c′", "a′", "C͵͵͵", "g⁶", "bes′", "cis"}, "Fis–Ais", "legging f–f′", "(en nog 1 noot)"},
    };
    const int keys[6] = {60, 69, 0, 127, 70, 49};
    const Result<TuningGuide> guide = tuningGuide(QString(), 440, 440, NoteCents{}, GuideSettings{});
    ASSERT_TRUE(guide.ok());
    const NoteCents fourBeyond{1500, 1500, 1500, 1500};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.code);
        QList<QTranslator *> translators = installTranslations(QLatin1String(c.code));
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(noteWithOctave(keys[i], octaveNamingInUse()), QString::fromUtf8(c.names[i])) << keys[i];
        const auto [lower, upper] = intervalSpelling(6, 4);
        EXPECT_EQ(spelledDisplayName(lower) + QChar(0x2013) + spelledDisplayName(upper), QString::fromUtf8(c.third));
        const QString sheet = guideTextLines(guideDocument(guide.value(), QDate(2026, 1, 1),
                                                           Separators{QLatin1Char(','), QLatin1Char('.')}))
                                  .join(QLatin1Char('\n'));
        EXPECT_TRUE(sheet.contains(QString::fromUtf8(c.guide))) << sheet.toStdString();
        EXPECT_TRUE(checkNoteRange(fourBeyond, QStringLiteral("x.xml"), QLatin1Char('.'))
                        .error()
                        .contains(QString::fromUtf8(c.oneMore)));
        removeTranslations(translators);
    }
}

// No header or cell of the analysis table is cut off, in any language.
TEST_P(TranslatedWindowsTest, TheAnalysisTableShowsEveryHeaderWhole)
{
    for (const char *code : {"en", "it", "de", "nl", "fr"}) {
        SCOPED_TRACE(code);
        if (QLatin1String(code) != QLatin1String("en"))
            speak(code);
        trigger("AnalizzaTemperamento");
        auto *table = control<QTableWidget>(windows->analysisWindow(), "intervalTable");
        windows->analysisWindow().resize(windows->analysisWindow().minimumSizeHint());
        QCoreApplication::processEvents();
        const QHeaderView *header = table->horizontalHeader();
        for (int column = 0; column < table->columnCount(); ++column) {
            const QString title = table->horizontalHeaderItem(column)->text();
            EXPECT_GE(header->sectionSize(column), header->fontMetrics().horizontalAdvance(title) + 8)
                << title.toStdString();
            for (int row = 0; row < table->rowCount(); ++row)
                EXPECT_GE(header->sectionSize(column),
                          table->fontMetrics().horizontalAdvance(table->item(row, column)->text()))
                    << table->item(row, column)->text().toStdString();
        }
        windows->analysisWindow().close();
    }
}

// The German sheet keeps "Schwebungen/s" in one piece, however narrow the
// page or the guide window's view of it.
TEST(GuideSheetInTheLanguage, AUnitAfterASlashStaysWithItsWord)
{
    const Result<TuningGuide> guide = tuningGuide(QString(), 440, 440, NoteCents{}, GuideSettings{});
    QList<QTranslator *> translators = installTranslations(QStringLiteral("de"));
    const GuideDocument document = guideDocument(guide.value(), QDate(2026, 1, 1), Separators{});
    removeTranslations(translators);
    for (const int width : {300, 600}) {
        QTextDocument sheet;
        setGuideSheet(sheet, document);
        sheet.setTextWidth(width);
        sheet.size(); // lays it out
        const QTextBlock header = sheet.find(QStringLiteral("Schwebungen/")).block();
        ASSERT_TRUE(header.isValid());
        EXPECT_EQ(header.layout()->lineCount(), 1) << width << " px: " << header.text().toStdString();
    }
}
