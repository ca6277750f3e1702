#include "ui/desktop/Translations.h"
#include "WindowTest.h"
#include "tuning/PitchTable.h"
#include "ui/windows/UAbout.h"

#include <QLabel>
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
