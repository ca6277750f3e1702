#include "ui/desktop/Translations.h"
#include "WindowTest.h"
#include "tuning/BuiltInLibrary.h"
#include "tuning/PitchTable.h"
#include "ui/windows/AnalysisWindow.h"
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
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

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
