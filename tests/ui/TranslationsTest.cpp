#include "ui/desktop/Translations.h"
#include "WindowTest.h"
#include "print/GuideSheet.h"
#include "tuning/BuiltInLibrary.h"
#include "tuning/NoteSpelling.h"
#include "tuning/PitchTable.h"
#include "tuning/TemperamentXml.h"
#include "tuning/TuningGuide.h"
#include "ui/windows/AnalysisWindow.h"
#include "ui/windows/CordavoWindows.h"
#include "ui/windows/LibraryDialog.h"
#include "ui/windows/ListenWindow.h"
#include "ui/windows/SendTuningDialog.h"
#include "ui/windows/SoundMidiDialog.h"
#include "ui/windows/TuningGuideWindow.h"
#include "ui/windows/UAbout.h"
#include "ui/windows/UCents.h"
#include "ui/windows/UScale.h"
#include "ui/windows/USetTemperament.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
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

// The library and Listen's comparison list in the window's language: a
// generic name with the English beside it in the library, one list of
// names in the language in Listen, and the language's words found.
TEST_P(TranslatedWindowsTest, TheLibraryAndListenSpeakTheLanguage)
{
    const struct {
        const char *code;
        const char *equalShown;
        const char *centsSetterSide;
        const char *typed;
        const char *found;
    } cases[] = {
        {"it", "Temperamento equabile — Equal temperament", "Impostazione in cent, temperamento nuovo", "mesotonico",
         "Temperamento mesotonico a 1/4 di comma (Aaron 1523) — 1/4 comma meantone (Aaron 1523)"},
        {"de", "Gleichstufige Stimmung — Equal temperament", "Einstellung in Cent, neue Stimmung", "gleichschwebend",
         "Gleichstufige Stimmung — Equal temperament"},
        {"nl", "Gelijkzwevende stemming — Equal temperament", "Instellen in cent, nieuwe stemming", "middentoon",
         "1/4-komma-middentoonstemming (Aaron 1523) — 1/4 comma meantone (Aaron 1523)"},
        {"fr", "Tempérament égal — Equal temperament", "Réglage en cents, nouveau tempérament", "pythagoricien",
         "Accord pythagoricien — Pythagorean"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.code);
        speak(c.code);
        LibraryDialog library(builtInLibrary(), GetParam());
        EXPECT_EQ(library.shownNames().first(), QString::fromUtf8(c.equalShown));
        control<QLineEdit>(library, "filterEdit")->setText(QString::fromUtf8(c.typed));
        EXPECT_EQ(library.shownNames().first(), QString::fromUtf8(c.found));
        EXPECT_EQ(control<QLabel>(library, "previewTitle")->text(), QString::fromUtf8(c.found));

        windows->FormCents().setPositions(SetterSide::Out, positionsFromDeviations(NoteCents{}));
        windows->listenWindow().refresh();
        const auto *compare = control<QComboBox>(windows->listenWindow(), "compareBox");
        EXPECT_EQ(compare->itemText(0), QString::fromUtf8(c.centsSetterSide));
        const QString equal = QString::fromUtf8(c.equalShown).section(QStringLiteral(" — "), 0, 0);
        EXPECT_EQ(compare->currentText(), equal);
        EXPECT_EQ(compare->findText(QStringLiteral("Equal temperament")), -1) << "no English twin";
        // The intervals setter's equal temperament is named as the library names it.
        EXPECT_EQ(control<QLineEdit>(windows->FormScale(), "EditNomeInput")->text(), equal);
        // The document takes the name shown when the entry was chosen.
        dialogs.modalAnswers = {[](QDialog &dialog) {
            return static_cast<LibraryDialog &>(dialog).selectEntry(QStringLiteral("Equal temperament"))
                       ? int(QDialog::Accepted)
                       : int(QDialog::Rejected);
        }};
        trigger("LibreriaTemperamenti");
        EXPECT_EQ(mainControl<QLineEdit>("EditNomeTemperamento")->text(), equal);
    }
}

namespace {

constexpr int kGrandOrgueExportType = 5; // after the five formats of other instruments

// The access key a text gives (the letter after a single "&"), folded; none
// for a text without one.
QChar accessKey(const QString &text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] != u'&')
            return text[i + 1].toCaseFolded();
        ++i;
    }
    return {};
}

// "where: D in &Datei and &Drucken" for each key two texts share.
QStringList repeatedKeys(const QString &where, const QStringList &texts)
{
    QHash<QChar, QString> first;
    QStringList repeated;
    for (const QString &text : texts) {
        const QChar key = accessKey(text);
        if (key.isNull())
            continue;
        if (first.contains(key))
            repeated << QStringLiteral("%1: %2 in %3 and %4").arg(where, key, first[key], text);
        else
            first.insert(key, text);
    }
    return repeated;
}

// The keys a window offers together: its menu bar's titles, its buttons,
// the labels that lead to a field and the group boxes shown; then
// each of its menus on its own.
QStringList repeatedKeysIn(const QWidget &window)
{
    const QString name = window.objectName();
    QStringList texts;
    for (const QMenuBar *bar : window.findChildren<QMenuBar *>()) {
        for (const QAction *action : bar->actions())
            texts << action->text();
    }
    const auto shown = [&window](const QWidget *widget) {
        return widget->isVisibleTo(&window) && !qobject_cast<QMenu *>(widget->window());
    };
    for (const QAbstractButton *button : window.findChildren<QAbstractButton *>()) {
        if (shown(button))
            texts << button->text();
    }
    for (const QLabel *label : window.findChildren<QLabel *>()) {
        if (shown(label) && label->buddy())
            texts << label->text();
    }
    for (const QGroupBox *box : window.findChildren<QGroupBox *>()) {
        if (shown(box))
            texts << box->title();
    }
    QStringList repeated = repeatedKeys(name, texts);
    for (const QMenu *menu : window.findChildren<QMenu *>()) {
        QStringList items;
        for (const QAction *action : menu->actions()) {
            if (action->isVisible() && !action->isSeparator())
                items << action->text();
        }
        repeated += repeatedKeys(name + QStringLiteral(" > ") + menu->title(), items);
    }
    return repeated;
}

} // namespace

// Every window and menu, in every language, gives each access key to one
// thing only, so that Alt and a letter always reach what it shows.
TEST_P(TranslatedWindowsTest, AccessKeysAreUniqueInEveryWindow)
{
    const QString config = dir.filePath(QStringLiteral("GrandOrgueConfig"));
    for (const char *code : {"en", "it", "de", "nl", "fr"}) {
        SCOPED_TRACE(code);
        if (QLatin1String(code) == QLatin1String("en")) {
            removeTranslations(translators);
            fresh();
        } else {
            speak(code);
        }
        QStringList repeated;
        const QList<QWidget *> windowsShown = {main,
                                               &windows->FormCents(),
                                               &windows->FormScale(),
                                               &windows->FormCicloQuinte(),
                                               &windows->listenWindow(),
                                               &windows->tuningGuideWindow(),
                                               &windows->analysisWindow(),
                                               &windows->soundMidiDialog()};
        for (const QWidget *window : windowsShown)
            repeated += repeatedKeysIn(*window);
        repeated += repeatedKeysIn(LibraryDialog(builtInLibrary(), GetParam()));
        repeated += repeatedKeysIn(SendTuningDialog(main, {QStringLiteral("Organ")}, QString(), TuningFormat{}));

        // GrandOrgue's three dialogs: the export, the replacing of one
        // exported before, and the choice of one to load.
        QFile::remove(config);
        mainControl<QLineEdit>("EditNomeTemperamento")->setText(QStringLiteral("Test")); // the export's title
        const auto look = [&repeated](QDialog &dialog) {
            repeated += repeatedKeysIn(dialog);
            return int(QDialog::Accepted);
        };
        for (int i = 0; i < 2; ++i) {
            dialogs.typeAnswers = {kGrandOrgueExportType};
            dialogs.fileAnswers = {config};
            dialogs.modalAnswers = {look, look};
            trigger("EsportaAccordatura");
        }
        dialogs.fileAnswers = {config};
        dialogs.modalAnswers = {look};
        trigger("CaricaGrandOrgue");
        EXPECT_TRUE(dialogs.modalAnswers.empty()) << "every dialog was shown: " << qPrintable(dialogs.log.join(u'\n'));
        EXPECT_TRUE(repeated.isEmpty()) << qPrintable(repeated.join(u'\n'));
        if (QLatin1String(code) == QLatin1String("de")) {
            EXPECT_EQ(accessKey(menuTitle("MSatampa")), u'd') << "Alt+D prints";
        }
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
