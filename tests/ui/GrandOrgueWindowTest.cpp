// "Export Tuning..." into GrandOrgue's settings file and "Load GrandOrgue
// Temperament..." of the main window.

#include "WindowTest.h"

#include "tuning/GrandOrgueConfig.h"
#include "ui/desktop/QtUserDialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QTreeWidget>

namespace cordavo {
namespace {

constexpr NoteCents kWerckmeister{11.73, 1.96, 3.91, 5.87, 1.96, 9.78, 0, 7.82, 3.91, 0, 7.82, 3.91};
constexpr int kGrandOrgueType = 5; // after the five formats of other instruments

class GrandOrgueWindowTest : public WindowTest
{
protected:
    // A copy of the settings file GrandOrgue wrote on its first start.
    QString grandOrgueFile()
    {
        const QString path = dir.filePath(QStringLiteral("GrandOrgueConfig"));
        QFile::copy(QStringLiteral(CORDAVO_TEST_DATA "/grandorgue/GrandOrgueConfig"), path);
        return path;
    }

    // Answers the export's own dialog with this title and pitch choice.
    static std::function<int(QDialog &)> exportAnswer(const QString &title, bool fold)
    {
        return [=](QDialog &dialog) {
            control<QLineEdit>(dialog, "titleEdit")->setText(title);
            control<QCheckBox>(dialog, "foldPitchBox")->setChecked(fold);
            return int(QDialog::Accepted);
        };
    }

    void exportTo(const QString &path)
    {
        dialogs.log.clear();
        dialogs.typeAnswers = {kGrandOrgueType};
        dialogs.fileAnswers = {path};
        trigger("EsportaAccordatura");
    }

    NoteCents offsetsIn(const QString &path, int index = 0) const
    {
        const auto config = readGrandOrgueConfig(path);
        EXPECT_TRUE(config.ok()) << qPrintable(config.error());
        return config.ok() && config->userTemperaments().size() > index ? config->userTemperaments()[index].offsets
                                                                        : NoteCents{};
    }
};

TEST_P(GrandOrgueWindowTest, ExportWritesIntoTheSettingsFileAndAsksBeforeReplacing)
{
    for (int i = 0; i < 12; ++i)
        noteFields(*main)[i]->setValue(kWerckmeister[i]);
    mainControl<QComboBox>("ComboBoxTemperamentOut")->setEditText(local("415"));
    const QString path = grandOrgueFile();
    const QByteArray original = readAll(path);
    dialogs.modalAnswers = {exportAnswer(QStringLiteral("Werckmeister III"), true)};
    exportTo(path);
    // Proposed with the platform's separators, as Windows users write paths.
    const QString proposed = dialogs.lastQuestion.typeChanged(QStringLiteral("Well.scl"), kGrandOrgueType);
    EXPECT_EQ(proposed, QDir::toNativeSeparators(grandOrgueConfigPath()));
    EXPECT_EQ(proposed, QDir::toNativeSeparators(proposed));
    EXPECT_EQ(dialogs.entries(QStringLiteral("information")),
              QStringList{QStringLiteral("File %1 Saved\n\"Werckmeister III\" is in GrandOrgue's group \"Cordavo\"")
                              .arg(QDir::toNativeSeparators(path))});
    EXPECT_NEAR(double(offsetsIn(path)[0]), 11.73 - 101.270625, 1e-6);
    EXPECT_NEAR(double(offsetsIn(path)[9]), -101.270625, 1e-6);
    EXPECT_EQ(readAll(path + QStringLiteral(".bak")), original);

    // The same title again: the question declined leaves the file; accepted,
    // the temperament is replaced, unfolded now, and still the only one.
    const QByteArray first = readAll(path);
    dialogs.modalAnswers = {exportAnswer(QStringLiteral("Werckmeister III"), false),
                            [](QDialog &) { return int(QDialog::Rejected); }};
    exportTo(path);
    EXPECT_EQ(dialogs.offeredQuestion.defaultSuffix, QString()); // no ".scl" added to GrandOrgueConfig
    EXPECT_EQ(dialogs.entries(QStringLiteral("modal")),
              (QStringList{QStringLiteral("Export to GrandOrgue"), QStringLiteral("Replace GrandOrgue Temperament")}));
    EXPECT_EQ(readAll(path), first);
    dialogs.modalAnswers = {exportAnswer(QStringLiteral("Werckmeister III"), false)};
    exportTo(path);
    EXPECT_NEAR(double(offsetsIn(path)[0]), 11.73, 1e-6);
    EXPECT_EQ(readGrandOrgueConfig(path)->userTemperaments().size(), 1);
}

// Qt's own save dialog asks before replacing a file, but GrandOrgue's
// settings are edited, not replaced: chosen as that type, it asks nothing.
TEST_P(GrandOrgueWindowTest, TheSaveDialogAsksBeforeReplacingOnlyForTheReplacingTypes)
{
    dialogs.fileAnswers = {std::nullopt};
    trigger("EsportaAccordatura");
    FileQuestion question = dialogs.lastQuestion;
    QFileDialog dialog;
    prepareFileDialog(dialog, question, QFileDialog::AcceptSave);
    for (int type : {kGrandOrgueType, 1, kGrandOrgueType, 0}) {
        emit dialog.filterSelected(question.filters[type]);
        EXPECT_EQ(dialog.testOption(QFileDialog::DontConfirmOverwrite), type == kGrandOrgueType) << type;
    }
}

TEST_P(GrandOrgueWindowTest, LoadListsTheUserTemperamentsAndLoadsTheChosenOne)
{
    const QString path = dir.filePath(QStringLiteral("GrandOrgueConfig"));
    NoteCents second = kWerckmeister;
    second[4] = -13.69;
    TuningSource equal, mine;
    mine.cents = second;
    ASSERT_TRUE(exportToGrandOrgue({path, equal, QStringLiteral("Eins"), QStringLiteral("Equal")}).written());
    ASSERT_TRUE(exportToGrandOrgue({path, mine, QStringLiteral("Zwei"), QStringLiteral("Mine")}).written());
    dialogs.fileAnswers = {std::nullopt};
    trigger("CaricaGrandOrgue");
    EXPECT_EQ(dialogs.lastQuestion.fileName, QDir::toNativeSeparators(dialogs.lastQuestion.fileName));
    dialogs.fileAnswers = {path};
    QStringList listed;
    dialogs.modalAnswers = {[&](QDialog &dialog) {
        auto *list = control<QTreeWidget>(dialog, "temperamentList");
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            listed << list->topLevelItem(i)->text(0) + QLatin1Char('/') + list->topLevelItem(i)->text(1);
        list->setCurrentItem(list->topLevelItem(1));
        return int(QDialog::Accepted);
    }};
    trigger("CaricaGrandOrgue");
    EXPECT_EQ(listed, (QStringList{QStringLiteral("Eins/Equal"), QStringLiteral("Zwei/Mine")}));
    EXPECT_EQ(texts(noteFields(*main)),
              local({"11.73", "1.96", "3.91", "5.87", "-13.69", "9.78", "", "7.82", "3.91", "", "7.82", "3.91"}));
    EXPECT_EQ(mainControl<QLineEdit>("EditNomeTemperamento")->text(), QStringLiteral("Mine"));
}

// What cannot go into GrandOrgue is told in a message, a file that cannot be
// changed in an error; a link is followed to the file it names.
TEST_P(GrandOrgueWindowTest, ExportTellsWhyNotOrWhereItWrote)
{
    const QString settings = grandOrgueFile();
#ifdef Q_OS_WIN
    const QString link = settings; // QFile::link makes a shortcut, not a link
#else
    const QString link = dir.filePath(QStringLiteral("linked"));
    ASSERT_TRUE(QFile::link(settings, link));
#endif
    const QString notes = dir.filePath(QStringLiteral("notes.txt"));
    writeBytes(notes, "Not settings\n");
    const QString shown = QDir::toNativeSeparators(QFileInfo(settings).canonicalFilePath());
    const struct {
        const char *name;
        QString path;
        const char *title;
        const char *kind;
        QString text; // the start of it
    } cases[] = {
        {"a comment sign", settings, "Werck; III", "message", QStringLiteral("The title \"Werck; III\" holds a \";\"")},
        {"an empty title", settings, "  ", "message", QStringLiteral("The title is empty")},
        {"not a settings file", notes, "W3", "error",
         QStringLiteral("\"%1\" is not a GrandOrgue settings file").arg(QDir::toNativeSeparators(notes))},
        {"through a link", link, "W3", "information", QStringLiteral("File %1 Saved\n\"W3\" is in").arg(shown)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray before = readAll(c.path);
        dialogs.modalAnswers = {exportAnswer(QLatin1String(c.title), false)};
        exportTo(c.path);
        const QStringList shownTexts = dialogs.entries(QLatin1String(c.kind));
        ASSERT_EQ(shownTexts.size(), 1) << qPrintable(dialogs.log.join(QLatin1Char('\n')));
        EXPECT_TRUE(shownTexts.first().startsWith(c.text)) << qPrintable(shownTexts.first());
        if (QLatin1String(c.kind) != QLatin1String("information")) {
            EXPECT_EQ(readAll(c.path), before);
        }
    }
    EXPECT_EQ(QFileInfo(link).isSymbolicLink(), link != settings);
    EXPECT_EQ(readGrandOrgueConfig(settings)->userTemperaments().last().title, QStringLiteral("W3"));
    EXPECT_TRUE(QFileInfo::exists(settings + QStringLiteral(".bak")));
}

CORDAVO_BOTH_SETTINGS(GrandOrgueWindowTest);

} // namespace
} // namespace cordavo
