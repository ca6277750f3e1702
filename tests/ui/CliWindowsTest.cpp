#include "TestSettings.h"
#include "../cli/CliProcess.h"
#include "ScriptedDialogs.h"
#include "TestFiles.h"
#include "numbers/NumberFormat.h"
#include "tuning/IntervalCents.h"
#include "ui/CentsList.h"
#include "ui/CordavoWindows.h"
#include "ui/NumEdit.h"
#include "ui/UScale.h"
#include "ui/UTempXml.h"
#include "ui/UTemperamento.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace cordavo;

namespace {

QString fullStop(long double x)
{
    return formatGeneral(x, QLatin1Char('.'));
}

// cordavo-cli against the windows, under both regional settings.
class CliWindowsTest : public ::testing::TestWithParam<Separators>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        windows = std::make_unique<CordavoWindows>(GetParam(), dialogs);
        main = &windows->FormTemperamento();
    }
    void TearDown() override
    {
        windows.reset();
        QApplication::processEvents();
    }
    void fresh()
    {
        TearDown();
        dialogs.log.clear();
        SetUp();
    }

    // A number or a file written with the setting's decimal separator.
    QByteArray regional(const char *fullStopText) const
    {
        return QByteArray(fullStopText).replace('.', char(GetParam().decimal.unicode()));
    }

    // Loads both files in the main window as a user would, supplier first.
    void loadInMainWindow(const QString &supplier, const QString &temperament)
    {
        dialogs.fileAnswers = {supplier};
        main->CaricaFornitore->trigger();
        dialogs.fileAnswers = {temperament};
        main->CaricaTemperamento->trigger();
    }

    CliRun runXml(const QString &supplier, const QString &temperament, const char *oldA, const char *newA) const
    {
        return runCordavoCli({QStringLiteral("xml"), QStringLiteral("--supplier"), supplier,
                              QStringLiteral("--temperament"), temperament, QStringLiteral("--old-a"),
                              QLatin1String(oldA), QStringLiteral("--new-a"), QLatin1String(newA)});
    }

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    std::unique_ptr<CordavoWindows> windows;
    TFormTemperamento *main = nullptr;
};

} // namespace

TEST_P(CliWindowsTest, XmlIsByteForByteWhatTheMainWindowSaves)
{
    const struct {
        const char *name;
        QByteArray supplier; // full stops become the setting's separator
        QByteArray temperament;
        const char *oldA;
        const char *newA;
    } cases[] = {
        {"plain", "Acme\r\n7\r\n512\r\nOld\r\nO\r\nOld comment\r\n",
         "Werckmeister III\r\nW3\r\nby "
         "ear\r\n11.73\r\n1.95\r\n3.91\r\n5.86\r\n1.95\r\n9.77\r\n0\r\n7.82\r\n3.91\r\n0\r\n"
         "7.82\r\n3.91\r\n",
         "440", "440"},
        // Windows-1252 names, ids and cents between the fields' places, a long
        // short name, and characters the viewer turns into blanks or new lines.
        {"held and cut", "Soci\xe9t\xe9 & <Fils>\r\n7.5\r\n1234567.49\r\nx\r\ny\r\nz\r\n",
         "Mean \xc2\xa0tone\r\nMeantone\r\na\xe2\x80\xa8"
         "b\xe2\x80\xa9"
         "c\tend \xef\xb7\x90 \xf0\x9d\x84\x9e\r\n"
         "1.005\r\n-3.125\r\n2.675\r\n12.344999\r\n-0.004\r\n0.005\r\n100.999\r\n-1.995\r\n7\r\n1e-3\r\n-50.5\r\n"
         "0.0049\r\n",
         "415.5", "466.25"},
    };
    for (const auto &c : cases) {
        fresh();
        const QString supplier = dir.filePath(QStringLiteral("s.For"));
        const QString temperament = dir.filePath(QStringLiteral("t.Tmp"));
        writeBytes(supplier, QByteArray(c.supplier).replace('.', char(GetParam().decimal.unicode())));
        writeBytes(temperament, QByteArray(c.temperament).replace('.', char(GetParam().decimal.unicode())));
        loadInMainWindow(supplier, temperament);
        main->ComboBoxTemperamentInput->setEditText(QString::fromLatin1(regional(c.oldA)));
        main->ComboBoxTemperamentOut->setEditText(QString::fromLatin1(regional(c.newA)));
        main->ButtonGeneraXml->click();
        const QString saved = dir.filePath(QStringLiteral("saved.xml"));
        dialogs.fileAnswers = {saved};
        main->SalvaXml->trigger();
        ASSERT_EQ(dialogs.entries(QStringLiteral("error")), QStringList()) << c.name;

        const CliRun run = runXml(supplier, temperament, c.oldA, c.newA);
        EXPECT_EQ(run.status, 0) << c.name << qPrintable(run.err);
        const QByteArray window = readAll(saved);
        EXPECT_EQ(run.out.size(), window.size()) << c.name;
        EXPECT_TRUE(run.out == window) << c.name << "\n"
                                       << run.out.left(900).constData() << "\n---\n"
                                       << window.left(900).constData();
    }
}

TEST_P(CliWindowsTest, XmlRefusesWithTheMainWindowsMessages)
{
    const QByteArray cents = "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n";
    const struct {
        QByteArray supplier;
        QByteArray temperament;
    } cases[] = {
        {"\r\n0.4\r\n0.49\r\nx\r\ny\r\n\r\n", "\r\n\r\n\r\n" + cents},
        {"Acme\r\n-7\r\n0.5\r\nx\r\ny\r\n\r\n", "Name\r\n\r\nComment\r\n" + cents},
        {"Acme\r\n1\r\n-0.4\r\nx\r\ny\r\n\r\n", "\r\nW\r\nComment\r\n" + cents},
        // Notes no organ can play: refused, the document left as it was.
        {"Acme\r\n1\r\n2\r\nx\r\ny\r\n\r\n",
         "Name\r\nW\r\nComment\r\n999999\r\n0\r\n0\r\n0\r\n0\r\n1200\r\n0\r\n0\r\n0\r\n0\r\n0\r\n-1201\r\n"},
    };
    for (const auto &c : cases) {
        fresh();
        const QString supplier = dir.filePath(QStringLiteral("s.For"));
        const QString temperament = dir.filePath(QStringLiteral("t.Tmp"));
        writeBytes(supplier, QByteArray(c.supplier).replace('.', char(GetParam().decimal.unicode())));
        writeBytes(temperament, c.temperament);
        loadInMainWindow(supplier, temperament);
        main->ButtonGeneraXml->click();
        const QStringList shown = dialogs.entries(QStringLiteral("message"));
        ASSERT_FALSE(shown.isEmpty()) << c.supplier.constData();
        EXPECT_TRUE(windows->FormXml().MemoXml->toPlainText().isEmpty());

        const CliRun run = runXml(supplier, temperament, "440", "440");
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.errText(), (shown.join(QLatin1Char('\n')) + QLatin1Char('\n')).toStdString());
        EXPECT_TRUE(run.out.isEmpty());
    }
}

// "Calculate" on both sides of the intervals setter, then "Export".
TEST_P(CliWindowsTest, IntervalsAndDiffAreWhatTheIntervalsSetterShowsAndExports)
{
    TFormScale &scale = windows->FormScale();
    const IntervalTerms equal = equalTemperamentFractions();
    IntervalTerms out;
    out.first = {1, 3.004L, -8, 0, 5, 81, 7, 3, 1.006L, 0.004L, 9, 15};
    out.second = {1, 2, 9, -4, 4, 80, 4, 2, 1, 1, 5, 8};
    const IntervalTerms *sides[2] = {&equal, &out};
    QStringList lists[2];
    for (int s = 0; s < 2; ++s) {
        const SetterSide side = s == 0 ? SetterSide::Input : SetterSide::Out;
        QStringList fractions{QStringLiteral("intervals"), QStringLiteral("--decimals"), QStringLiteral("2")};
        for (int i = 0; i < 12; ++i) {
            scale.firstTerms(side)[i]->setValue(sides[s]->first[i]);
            scale.secondTerms(side)[i]->setValue(sides[s]->second[i]);
            fractions << fullStop(sides[s]->first[i]) + QLatin1Char('/') + fullStop(sides[s]->second[i]);
        }
        (s == 0 ? scale.ComboBoxArrotondaInput : scale.ComboBoxArrotondaOut)->setCurrentIndex(2);
        (s == 0 ? scale.ButtonCalcolaCentsInput : scale.ButtonCalcolaCentsOut)->click();
        lists[s] = (s == 0 ? scale.ListBoxCentsInput : scale.ListBoxCentsOut)
                       ->lines()
                       .replaceInStrings(GetParam().decimal, QStringLiteral("."));
        const CliRun run = runCordavoCli(fractions);
        EXPECT_EQ(run.status, 0) << qPrintable(run.err);
        EXPECT_EQ(run.outText(), lists[s].join(QLatin1Char('|')).toStdString()) << "side " << s;
    }

    scale.showInFront();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&scale));
    scale.ButtonEsportaClick();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    QStringList received;
    for (TNumEdit *field : main->noteFields())
        received << fullStop(field->value());
    const CliRun diff = runCordavoCli({QStringLiteral("diff"), QStringLiteral("--old"), lists[0].join(QLatin1Char(',')),
                                       QStringLiteral("--new"), lists[1].join(QLatin1Char(','))});
    EXPECT_EQ(diff.status, 0) << qPrintable(diff.err);
    EXPECT_EQ(diff.outText(), received.join(QLatin1Char('|')).toStdString());
}

INSTANTIATE_TEST_SUITE_P(BothSeparators, CliWindowsTest, ::testing::Values(kCommaDecimal, kFullStopDecimal));
