#include "../cli/CliProcess.h"
#include "TestFiles.h"
#include "WindowTest.h"
#include "numbers/NumberFormat.h"
#include "tuning/IntervalCents.h"
#include "ui/widgets/CentsList.h"
#include "ui/windows/UScale.h"
#include "ui/windows/UTempXml.h"

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
class CliWindowsTest : public WindowTest
{
protected:
    // A number or a file written with the setting's decimal separator.
    QByteArray regional(const QByteArray &fullStopText) const
    {
        return QByteArray(fullStopText).replace('.', char(GetParam().decimal.unicode()));
    }

    QString supplierFile() const { return dir.filePath(QStringLiteral("s.For")); }
    QString temperamentFile() const { return dir.filePath(QStringLiteral("t.Tmp")); }

    // Writes both files and loads them in the main window as a user would,
    // supplier first.
    void loadInMainWindow(const QByteArray &supplierBytes, const QByteArray &temperamentBytes)
    {
        writeBytes(supplierFile(), supplierBytes);
        writeBytes(temperamentFile(), temperamentBytes);
        dialogs.fileAnswers = {supplierFile()};
        trigger("CaricaFornitore");
        dialogs.fileAnswers = {temperamentFile()};
        trigger("CaricaTemperamento");
    }

    CliRun runXml(const char *oldA, const char *newA) const
    {
        return runCordavoCli({QStringLiteral("xml"), QStringLiteral("--supplier"), supplierFile(),
                              QStringLiteral("--temperament"), temperamentFile(), QStringLiteral("--old-a"),
                              QLatin1String(oldA), QStringLiteral("--new-a"), QLatin1String(newA)});
    }
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
        SCOPED_TRACE(c.name);
        fresh();
        loadInMainWindow(regional(c.supplier), regional(c.temperament));
        mainControl<QComboBox>("ComboBoxTemperamentInput")->setEditText(QString::fromLatin1(regional(c.oldA)));
        mainControl<QComboBox>("ComboBoxTemperamentOut")->setEditText(QString::fromLatin1(regional(c.newA)));
        generate();
        const QString saved = dir.filePath(QStringLiteral("saved.xml"));
        dialogs.fileAnswers = {saved};
        trigger("SalvaXml");
        ASSERT_EQ(dialogs.entries(QStringLiteral("error")), QStringList());

        const CliRun run = runXml(c.oldA, c.newA);
        EXPECT_EQ(run.status, 0) << qPrintable(run.err);
        const QByteArray window = readAll(saved);
        EXPECT_EQ(run.out.size(), window.size());
        EXPECT_TRUE(run.out == window) << "\n"
                                       << run.out.left(900).constData() << "\n---\n"
                                       << window.left(900).constData();
    }
}

TEST_P(CliWindowsTest, XmlRefusesWithTheMainWindowsMessages)
{
    const QByteArray cents = "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n";
    const struct {
        const char *name;
        QByteArray supplier;
        QByteArray temperament;
        const char *shownAs = "message"; // what the window shows: Generate xml's messages
    } cases[] = {
        {"no names, ids under one", "\r\n0.4\r\n0.49\r\nx\r\ny\r\n\r\n", "\r\n\r\n\r\n" + cents},
        {"negative supplier id, no short name", "Acme\r\n-7\r\n0.5\r\nx\r\ny\r\n\r\n",
         "Name\r\n\r\nComment\r\n" + cents},
        {"negative temperament id, no name", "Acme\r\n1\r\n-0.4\r\nx\r\ny\r\n\r\n", "\r\nW\r\nComment\r\n" + cents},
        // Notes no organ can play: the file is refused as it loads, the
        // document left as it was.
        {"notes out of range", "Acme\r\n1\r\n2\r\nx\r\ny\r\n\r\n",
         "Name\r\nW\r\nComment\r\n999999\r\n0\r\n0\r\n0\r\n0\r\n1200\r\n0\r\n0\r\n0\r\n0\r\n0\r\n-1201\r\n", "error"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        fresh();
        loadInMainWindow(regional(c.supplier), c.temperament);
        if (QLatin1String(c.shownAs) == QLatin1String("message")) {
            generate();
            EXPECT_TRUE(viewer()->toPlainText().isEmpty());
        }
        const QStringList shown = dialogs.entries(QLatin1String(c.shownAs));
        ASSERT_FALSE(shown.isEmpty()) << c.supplier.constData();

        const CliRun run = runXml("440", "440");
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
        SCOPED_TRACE(s == 0 ? "Input" : "Out");
        const SetterSide side = s == 0 ? SetterSide::Input : SetterSide::Out;
        const std::array<TNumEdit *, 12> first = setterFields(scale, side, 1);
        const std::array<TNumEdit *, 12> second = setterFields(scale, side, 2);
        QStringList fractions{QStringLiteral("intervals"), QStringLiteral("--decimals"), QStringLiteral("2")};
        for (int i = 0; i < 12; ++i) {
            first[i]->setValue(sides[s]->first[i]);
            second[i]->setValue(sides[s]->second[i]);
            fractions << fullStop(sides[s]->first[i]) + QLatin1Char('/') + fullStop(sides[s]->second[i]);
        }
        control<QComboBox>(scale, s == 0 ? "ComboBoxArrotondaInput" : "ComboBoxArrotondaOut")->setCurrentIndex(2);
        control<QPushButton>(scale, s == 0 ? "ButtonCalcolaCentsInput" : "ButtonCalcolaCentsOut")->click();
        lists[s] = control<CentsList>(scale, s == 0 ? "ListBoxCentsInput" : "ListBoxCentsOut")
                       ->lines()
                       .replaceInStrings(GetParam().decimal, QStringLiteral("."));
        const CliRun run = runCordavoCli(fractions);
        EXPECT_EQ(run.status, 0) << qPrintable(run.err);
        EXPECT_EQ(run.outText(), lists[s].join(QLatin1Char('|')).toStdString());
    }

    scale.showInFront();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&scale));
    scale.ButtonEsportaClick();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    QStringList received;
    for (TNumEdit *field : noteFields(*main))
        received << fullStop(field->value());
    const CliRun diff = runCordavoCli({QStringLiteral("diff"), QStringLiteral("--old"), lists[0].join(QLatin1Char(',')),
                                       QStringLiteral("--new"), lists[1].join(QLatin1Char(','))});
    EXPECT_EQ(diff.status, 0) << qPrintable(diff.err);
    EXPECT_EQ(diff.outText(), received.join(QLatin1Char('|')).toStdString());
}

CORDAVO_BOTH_SETTINGS(CliWindowsTest);
