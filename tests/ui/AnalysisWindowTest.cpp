#include "ui/windows/AnalysisWindow.h"
#include "TestFiles.h"
#include "WindowTest.h"
#include "ui/windows/UScale.h"
#include "ui/windows/UTempXml.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

using namespace cordavo;

namespace {

class AnalysisWindowTest : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        analysis = &windows->analysisWindow();
    }

    QString cell(int row, int column) const
    {
        const QTableWidgetItem *item = intervalTable()->item(row, column);
        return item ? item->text() : QString();
    }
    QTableWidget *intervalTable() const { return control<QTableWidget>(*analysis, "intervalTable"); }
    QString status() const { return control<QLabel>(*analysis, "statusLabel")->text(); }
    void savePicture() const { control<QPushButton>(*analysis, "savePictureButton")->click(); }
    QComboBox *pitchBox(const char *name) const { return mainControl<QComboBox>(name); }

    void fill(const char *name, const NoteCents &cents) const
    {
        fillIdentification();
        mainControl<QLineEdit>("EditNomeTemperamento")->setText(QString::fromUtf8(name));
        mainControl<QLineEdit>("EditNomeCorto")->setText(QStringLiteral("T"));
        mainControl<QLineEdit>("EditCommento")->setText(QStringLiteral("a & b"));
        const auto fields = noteFields(*main);
        for (int i = 0; i < 12; ++i)
            fields[i]->setValue(cents[i]);
    }

    AnalysisWindow *analysis = nullptr;
};

} // namespace

TEST_P(AnalysisWindowTest, FollowsTheNoteFieldsLive)
{
    trigger("AnalizzaTemperamento");
    EXPECT_TRUE(analysis->isVisible());
    EXPECT_EQ(cell(0, 1), QStringLiteral("C–G"));
    EXPECT_EQ(cell(0, 2), local("700.00"));
    EXPECT_EQ(cell(0, 3), local("-1.96"));
    EXPECT_EQ(cell(0, 4), local("0.89"));
    EXPECT_EQ(cell(12, 1), QStringLiteral("C–E"));
    EXPECT_EQ(cell(12, 4), local("10.38"));
    EXPECT_EQ(cell(23, 1), QStringLiteral("B–D#"));

    // Raising G by 1.96 cents makes C-G pure, and the table follows at once.
    mainControl<TNumEdit>("NumEdit_Sol")->setValue(1.955);
    EXPECT_EQ(cell(0, 3), local("0.00"));
    pitchBox("ComboBoxTemperamentOut")->setEditText(QStringLiteral("999"));
    EXPECT_TRUE(status().contains(QStringLiteral("400 to 500")));
    pitchBox("ComboBoxTemperamentOut")->setEditText(QStringLiteral("  415"));
    EXPECT_TRUE(status().contains(QStringLiteral("A = 415 Hz")));

    // Closing only hides it; it opens again with what it showed.
    analysis->close();
    trigger("AnalizzaTemperamento");
    EXPECT_EQ(cell(0, 3), local("0.00"));
}

TEST_P(AnalysisWindowTest, SavesThePictureAsPngOrSvg)
{
    trigger("AnalizzaTemperamento");
    const QString png = dir.filePath(QStringLiteral("chart.png"));
    const QString svg = dir.filePath(QStringLiteral("chart.svg"));
    dialogs.fileAnswers = {png, svg};
    savePicture();
    savePicture();
    EXPECT_EQ(dialogs.entries(QStringLiteral("information")).size(), 2);
    const QImage image = QImage::fromData(readAll(png), "PNG");
    EXPECT_EQ(image.size(), QSize(960, 440));
    const QByteArray drawing = readAll(svg);
    EXPECT_TRUE(drawing.contains("<svg"));
    QProcess lint;
    lint.start(QStringLiteral("xmllint"), {QStringLiteral("--noout"), svg});
    ASSERT_TRUE(lint.waitForFinished(60000));
    EXPECT_EQ(lint.exitCode(), 0) << lint.readAllStandardError().constData();
}

TEST_P(AnalysisWindowTest, APictureThatCannotBeSavedIsNotReportedSaved)
{
    trigger("AnalizzaTemperamento");
    ASSERT_TRUE(QDir().mkdir(dir.filePath(QStringLiteral("pictures.svg"))));
    // Each case is named for the file it is saved as.
    struct Case {
        const char *file;
        QSize size;
        const char *reason;
    };
    const Case cases[] = {
        {"chart.png", QSize(0, 440), "a picture of 0 × 440 pixels cannot be drawn"},
        {"chart.svg", QSize(960, -1), "a picture of 960 × -1 pixels cannot be drawn"},
        {"pictures.svg", QSize(960, 440), "it is a folder"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        const QString path = dir.filePath(QLatin1String(c.file));
        dialogs.log.clear();
        dialogs.fileAnswers = {path};
        analysis->setPictureSize(c.size);
        savePicture();
        EXPECT_EQ(dialogs.entries(QStringLiteral("error")),
                  QStringList{QStringLiteral("Cannot save \"%1\": %2")
                                  .arg(QDir::toNativeSeparators(path), QString::fromUtf8(c.reason))});
        EXPECT_TRUE(dialogs.entries(QStringLiteral("information")).isEmpty());
        EXPECT_TRUE(QFileInfo(path).isDir() || !QFileInfo::exists(path));
    }
}

TEST_P(AnalysisWindowTest, OnlyWolvesAreRed)
{
    // Chains of twelve fifths from E-flat to G-sharp, pure and quarter-comma.
    auto chain = [](long double fifth) {
        NoteCents deviations{};
        for (int k = -3; k <= 8; ++k) {
            const int note = ((7 * k) % 12 + 12) % 12;
            long double position = std::fmod(k * fifth, 1200.0L);
            if (position < 0)
                position += 1200;
            deviations[note] = position - 100 * note;
        }
        return deviations;
    };
    struct Case {
        const char *name;
        NoteCents cents;
        QStringList wolves;
    };
    const Case cases[] = {
        // The Pythagorean thirds, 21.5 cents wide, are rough but no wolves.
        {"Pythagorean", chain(kPureFifthCents), {QStringLiteral("Fifth G#–Eb")}},
        // Across the meantone wolf the diminished fourths, 41 cents wide, are;
        // wolves keep the keys' usual names.
        {"quarter-comma meantone",
         chain(kPureFifthCents - 21.506L / 4),
         {QStringLiteral("Fifth G#–Eb"), QStringLiteral("Major third C#–F"), QStringLiteral("Major third F#–Bb"),
          QStringLiteral("Major third G#–C"), QStringLiteral("Major third B–Eb")}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        fresh();
        fill(c.name, c.cents);
        trigger("AnalizzaTemperamento");
        QStringList wolves;
        for (int row = 0; row < 24; ++row) {
            const QColor colour = intervalTable()->item(row, 3)->foreground().color();
            if (colour == gradeColour(IntervalGrade::Wolf))
                wolves << cell(row, 0) + QLatin1Char(' ') + cell(row, 1);
        }
        EXPECT_EQ(wolves, c.wolves);
    }
}

TEST_P(AnalysisWindowTest, OpenXmlGivesBackTheFieldsOfASavedDocument)
{
    struct Case {
        const char *name;
        NoteCents cents;
        const char *oldA;
        const char *newA;
        const char *shownA;    // what the new A box shows after opening
        const char *shownOldA; // and the old one
    };
    const Case cases[] = {
        {"Equal", NoteCents{}, "  440", "  440", "  440", "  440"},
        {"Werckmeister III",
         {11.73L, 1.96L, 3.91L, 5.87L, 1.96L, 9.78L, 0, 7.82L, 3.91L, 5.87L, 7.82L, 3.91L},
         "  440",
         "  415",
         "416.4",
         "  440"},
        {"Soci\xC3\xA0 & <Figli>", {-10, 0, 5.5L, 0, -13.69L, 0, 0, 0, 0, 0, 0, 0}, "  415", "  440", "  465", "  440"},
        // A at 340 Hz: the shift needs both boxes.
        {"Low", {-10, 0, 5.5L, 0, -13.69L, 0, 0, 0, 0, 0, 0, 0}, "  500", "  400", "  400", "  500"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        fresh();
        fill(c.name, c.cents);
        pitchBox("ComboBoxTemperamentInput")->setEditText(QString::fromLatin1(c.oldA));
        pitchBox("ComboBoxTemperamentOut")->setEditText(QString::fromLatin1(c.newA));
        generate();
        const QString generated = viewer()->toPlainText();
        const QString file = dir.filePath(QStringLiteral("T.Temperament_Hauptwerk_xml"));
        dialogs.fileAnswers = {file};
        trigger("SalvaXml");

        // A's deviation moves into the reference pitch: the fields hold the rest.
        QStringList expected = fieldTexts();
        fresh();
        // Text typed over the boxes gives way to the file's pitches.
        pitchBox("ComboBoxTemperamentInput")->setEditText(QStringLiteral("450"));
        pitchBox("ComboBoxTemperamentOut")->setEditText(QStringLiteral("450"));
        dialogs.log.clear();
        dialogs.fileAnswers = {file};
        trigger("ApriXml");
        ASSERT_EQ(dialogs.log.last(),
                  QStringLiteral("information: File %1 Loaded").arg(QDir::toNativeSeparators(file)));
        EXPECT_EQ(pitchBox("ComboBoxTemperamentInput")->currentText(), QString::fromLatin1(c.shownOldA));
        EXPECT_TRUE(pitchBox("ComboBoxTemperamentOut")->currentText().startsWith(local(c.shownA)))
            << qPrintable(pitchBox("ComboBoxTemperamentOut")->currentText());
        EXPECT_EQ(fieldTexts().mid(0, 6), expected.mid(0, 6));
        EXPECT_EQ(mainControl<TNumEdit>("NumEdit_La")->text(), QString());
        EXPECT_EQ(viewer()->toPlainText(), generated);

        // Generating again gives the same pitches, to the last printed digit or so.
        generate();
        const QStringList before = generated.split(QLatin1Char('\n'));
        const QStringList after = viewer()->toPlainText().split(QLatin1Char('\n'));
        ASSERT_EQ(after.size(), 549);
        for (int n = 0; n <= 132; n += 11) {
            const double b =
                before[15 + n * 4 + 2].section(QLatin1Char('>'), 1).section(QLatin1Char('<'), 0, 0).toDouble();
            const double a =
                after[15 + n * 4 + 2].section(QLatin1Char('>'), 1).section(QLatin1Char('<'), 0, 0).toDouble();
            EXPECT_NEAR(a / b, 1.0, 1e-9) << "note " << n;
        }
    }
}

TEST_P(AnalysisWindowTest, ARefusedDocumentChangesNothing)
{
    fill("Kept", NoteCents{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    const QStringList before = fieldTexts();
    const QString file = dir.filePath(QStringLiteral("Bad.xml"));
    const QByteArray bad[] = {
        "<Hauptwerk FileFormat=\"Temperament\"><ObjectList>",
        "<html/>",
        QByteArray("\0\1\2", 3),
    };
    for (const QByteArray &bytes : bad) {
        SCOPED_TRACE(bytes.toHex().toStdString());
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        out.close();
        dialogs.log.clear();
        dialogs.fileAnswers = {file};
        trigger("ApriXml");
        ASSERT_EQ(dialogs.log.size(), 2);
        EXPECT_TRUE(dialogs.log[1].startsWith(QStringLiteral("error: \"Bad.xml\" cannot be opened as a temperament: ")))
            << qPrintable(dialogs.log[1]);
        EXPECT_EQ(fieldTexts(), before);
        EXPECT_EQ(pitchBox("ComboBoxTemperamentOut")->currentText(), QStringLiteral("  440"));
        EXPECT_FALSE(windows->FormXml().isVisible());
    }
}

// The contrast of two colours as readers of screens measure it: 1 for the
// same colour, 21 for black on white.
double contrast(const QColor &a, const QColor &b)
{
    auto luminance = [](const QColor &c) {
        auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST_P(AnalysisWindowTest, TextStaysReadableUnderADarkTheme)
{
    struct RestorePalette {
        QPalette palette = QApplication::palette();
        ~RestorePalette() { QApplication::setPalette(palette); }
    } restore;
    const QColor light(230, 230, 230);
    const QColor dark(40, 40, 40);
    QApplication::setPalette(QPalette(light, dark, dark.lighter(), dark.darker(), dark, light, Qt::white, dark, dark));
    fresh();

    // The note panel's own sky blue, and the intervals setter's light blue.
    const QColor sky(0x87, 0xce, 0xeb);
    EXPECT_GE(contrast(mainControl<QLabel>("Label_Do")->palette().color(QPalette::WindowText), sky), 4.5);
    const QColor pale(0xd7, 0xe4, 0xf2);
    EXPECT_GE(contrast(control<QLabel>(windows->FormScale(), "Label59")->palette().color(QPalette::WindowText), pale),
              4.5);

    // Werckmeister III with C raised far enough for wolves: every grade shows.
    fill("dark", {60, 1.96L, 3.91L, 5.87L, 1.96L, 9.78L, 0, 7.82L, 3.91L, 5.87L, 7.82L, 3.91L});
    trigger("AnalizzaTemperamento");
    const QColor base = intervalTable()->palette().color(QPalette::Base);
    for (int row = 0; row < 24; ++row) {
        const QBrush brush = intervalTable()->item(row, 3)->foreground();
        const QColor text =
            brush.style() == Qt::NoBrush ? intervalTable()->palette().color(QPalette::Text) : brush.color();
        EXPECT_GE(contrast(text, base), 4.5) << qPrintable(cell(row, 0) + cell(row, 1));
    }
    // The drawings keep the paper their colours are chosen for.
    for (const char *drawing : {"deviationChart", "fifthsCircle"}) {
        const QImage shown = control<QWidget>(*analysis, drawing)->grab().toImage();
        EXPECT_EQ(shown.pixelColor(2, 2), QColor(Qt::white)) << drawing;
    }
}

CORDAVO_BOTH_SETTINGS(AnalysisWindowTest);
