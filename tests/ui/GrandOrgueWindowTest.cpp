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
    EXPECT_EQ(dialogs.lastQuestion.typeChanged(QStringLiteral("Well.scl"), kGrandOrgueType), grandOrgueConfigPath());
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
    ASSERT_TRUE(exportToGrandOrgue(path, QStringLiteral("Eins"), QStringLiteral("Equal"), NoteCents{}, false).ok());
    ASSERT_TRUE(exportToGrandOrgue(path, QStringLiteral("Zwei"), QStringLiteral("Mine"), second, false).ok());
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

CORDAVO_BOTH_SETTINGS(GrandOrgueWindowTest);

} // namespace
} // namespace cordavo
