#include "ui/windows/TuningGuideWindow.h"
#include "WindowTest.h"
#include "print/GuideSheet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTranslator>

#include <gtest/gtest.h>

using namespace cordavo;

namespace {

const NoteCents kWerckmeisterIII = {11.73L, 1.95L, 3.91L, 5.87L, 1.96L, 9.78L, 0, 7.82L, 3.91L, 0, 7.82L, 3.91L};

QString pdfText(const QString &pdf, QString *pages = nullptr)
{
    QProcess process;
    if (pages) {
        process.start(QStringLiteral("pdfinfo"), {pdf});
        process.waitForFinished(60000);
        *pages = QString::fromUtf8(process.readAllStandardOutput())
                     .section(QStringLiteral("Pages:"), 1)
                     .section(QLatin1Char('\n'), 0, 0)
                     .trimmed();
    }
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QStringLiteral("<pdftotext failed>");
    return QString::fromUtf8(process.readAllStandardOutput());
}

class TuningGuideWindowTest : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        fillIdentification();
        const auto fields = noteFields(*main);
        for (int i = 0; i < 12; ++i)
            fields[i]->setValue(kWerckmeisterIII[i]);
        mainControl<QComboBox>("ComboBoxTemperamentOut")->setEditText(QStringLiteral("415"));
        trigger("GuidaAccordatura");
        guide = &windows->tuningGuideWindow();
    }

    QString shown() const { return control<QTextBrowser>(*guide, "guideView")->toPlainText(); }
    void click(const char *button) const { control<QPushButton>(*guide, button)->click(); }

    // Every step of the guide the core works out for these settings, found
    // in order in a text: "3 D4 G3 fifth narrow", spaced as it may be.
    void expectEverySteps(const QString &text, const GuideSettings &settings = {}) const
    {
        const Result<TuningGuide> expected = tuningGuide({}, 440, 415, kWerckmeisterIII, settings);
        ASSERT_TRUE(expected.ok());
        qsizetype at = 0;
        int number = 0;
        for (const GuideIntervalMeasure &step : expected->steps) {
            const auto [from, to] = measureNoteNames(step, OctaveNaming::Scientific);
            const QRegularExpression line(
                QStringLiteral("\\b%1\\s+%2\\s+%3\\s+%4\\s+%5")
                    .arg(++number)
                    .arg(from, to, guideIntervalName(step.interval), intervalSoundName(step.sound)));
            const auto found = line.match(text, at);
            EXPECT_TRUE(found.hasMatch()) << "step " << number << "\n" << qPrintable(text);
            at = found.hasMatch() ? found.capturedEnd() : at;
        }
        EXPECT_EQ(number, 12);
    }

    TuningGuideWindow *guide = nullptr;
};

} // namespace

// The window follows the note fields, the pitches and its own controls.
TEST_P(TuningGuideWindowTest, FollowsTheMainWindowAndItsControls)
{
    EXPECT_TRUE(guide->isVisible());
    EXPECT_TRUE(shown().contains(QStringLiteral("Tuning guide: Werckmeister III")));
    EXPECT_TRUE(shown().contains(local("A = 415.00 Hz"))) << qPrintable(shown());
    expectEverySteps(shown());

    mainControl<QComboBox>("ComboBoxTemperamentOut")->setEditText(QStringLiteral("440"));
    EXPECT_TRUE(shown().contains(local("A3 sounds at 220.00 Hz"))) << qPrintable(shown());
    control<QComboBox>(*guide, "footBox")->setCurrentIndex(1); // 4′
    EXPECT_TRUE(shown().contains(local("A3 sounds at 440.00 Hz"))) << qPrintable(shown());
    control<QComboBox>(*guide, "bearingBox")->setCurrentIndex(1);
    EXPECT_TRUE(shown().contains(QStringLiteral("Tuning order in the bearing C4–C5")));
    control<QDoubleSpinBox>(*guide, "nowTemperatureBox")->setValue(21);
    control<QCheckBox>(*guide, "temperatureCheck")->setChecked(true);
    EXPECT_TRUE(shown().contains(local("tune A to 442.26 Hz"))) << qPrintable(shown());
    control<QCheckBox>(*guide, "metronomeCheck")->setChecked(true);
    EXPECT_TRUE(shown().contains(QStringLiteral("Per beat at MM 60")));

    mainControl<QComboBox>("ComboBoxTemperamentOut")->setEditText(QStringLiteral("999"));
    EXPECT_TRUE(control<QLabel>(*guide, "statusLabel")->text().contains(QStringLiteral("400 to 500 Hz")));
    dialogs.log.clear();
    click("printButton");
    click("savePdfButton");
    EXPECT_EQ(dialogs.entries(QStringLiteral("message")).size(), 2) << qPrintable(dialogs.log.join('\n'));
    EXPECT_EQ(dialogs.log.filter(QStringLiteral("save")).size(), 0) << "no file is asked for without a guide";
}

// "Save PDF…" writes the one-page sheet with every step; "Print…" prints
// the same page, and nothing when the print dialog is cancelled.
TEST_P(TuningGuideWindowTest, SavesAndPrintsTheSheet)
{
    const QString saved = dir.filePath(QStringLiteral("guide.pdf"));
    dialogs.fileAnswers = {saved};
    click("savePdfButton");
    EXPECT_EQ(dialogs.lastQuestion.fileName, QStringLiteral("Werckmeister III.pdf")) << "named after the temperament";
    EXPECT_EQ(dialogs.entries(QStringLiteral("information")),
              QStringList{QStringLiteral("File ") + QDir::toNativeSeparators(saved) + QStringLiteral(" Saved")});
    QString pages;
    const QString text = pdfText(saved, &pages);
    EXPECT_EQ(pages, QStringLiteral("1"));
    EXPECT_TRUE(text.contains(QStringLiteral("Tuning guide: Werckmeister III")));
    EXPECT_TRUE(text.contains(local("A = 415.00 Hz"))) << qPrintable(text);
    expectEverySteps(text);

    const QString printed = dir.filePath(QStringLiteral("print.pdf"));
    dialogs.pdfPath = printed;
    dialogs.printAnswers = {false, true};
    click("printButton");
    EXPECT_FALSE(QFileInfo::exists(printed)) << "a cancelled print dialog printed";
    click("printButton");
    EXPECT_EQ(dialogs.entries(QStringLiteral("error")), QStringList());
    expectEverySteps(pdfText(printed, &pages));
    EXPECT_EQ(pages, QStringLiteral("1"));
}

// The paper chosen in the window is the page of the PDF.
TEST_P(TuningGuideWindowTest, SavesThePdfOnThePaperChosen)
{
    const struct {
        int index;
        const char *size;
    } cases[] = {{1, "612 x 792 pts (letter)"}, {0, "595 x 842 pts (A4)"}};
    for (const auto &c : cases) {
        control<QComboBox>(*guide, "paperBox")->setCurrentIndex(c.index);
        const QString saved = dir.filePath(QStringLiteral("paper%1.pdf").arg(c.index));
        dialogs.fileAnswers = {saved};
        click("savePdfButton");
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {saved});
        ASSERT_TRUE(info.waitForFinished(60000));
        const QString text = QString::fromUtf8(info.readAllStandardOutput());
        EXPECT_TRUE(text.contains(QStringLiteral("Page size:       ") + QLatin1String(c.size))) << qPrintable(text);
        EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n")))) << qPrintable(text);
    }
}

CORDAVO_BOTH_SETTINGS(TuningGuideWindowTest);

namespace {

// A translation that knows only the guide's word for a pure interval.
class PureInItalian : public QTranslator
{
public:
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        return qstrcmp(context, "TuningGuide") == 0 && qstrcmp(source, "pure") == 0 ? QStringLiteral("pura")
                                                                                    : QString();
    }
    bool isEmpty() const override { return false; }
};

} // namespace

// The sheet sets the pure intervals apart in whatever language it shows.
TEST(GuideSheetTest, MarksThePureIntervalsInTheShownLanguage)
{
    const Result<TuningGuide> guide = tuningGuide(QString(), 440, 440, kWerckmeisterIII, GuideSettings{});
    ASSERT_TRUE(guide.ok());
    const struct {
        bool translated;
        const char *word;
    } cases[] = {{false, "pure"}, {true, "pura"}};
    for (const auto &c : cases) {
        PureInItalian italian;
        if (c.translated)
            QCoreApplication::installTranslator(&italian);
        const QString html = guideHtml(guideDocument(guide.value(), QDate(2026, 1, 1), Separators{}));
        QCoreApplication::removeTranslator(&italian);
        EXPECT_TRUE(html.contains(QStringLiteral("<span style=\"color:#007a00\">%1</span>").arg(QLatin1String(c.word))))
            << c.word;
    }
}
