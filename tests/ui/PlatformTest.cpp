#include "tuning/TemperamentXml.h"
#include "tuning/TuningExport.h"
#include "ui/desktop/QtUserDialogs.h"
#include "ui/desktop/SystemSeparators.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

using namespace cordavo;

namespace {

// Notches of the mouse wheel over a widget, downwards when positive; a wheel turn does not move the
// keyboard focus by itself.
void turnWheel(QWidget *widget, int notches)
{
    const QPointF centre = QRectF(widget->rect()).center();
    QWheelEvent wheel(centre, widget->mapToGlobal(centre), QPoint(), QPoint(0, -120 * notches), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &wheel);
}

} // namespace

// Qt's own save dialog, as "Save xml" shows it: the name box takes the new
// type's extension however the type is changed.
TEST(SaveDialog, TheNameFollowsTheFileTypeWhereverTheFocusIs)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    FileQuestion question;
    question.filters = {QStringLiteral("xml Hauptwerk 4 (*.Temperament_Hauptwerk_xml)"),
                        QStringLiteral("xml Hauptwerk 3 (*.Temperament.Hauptwerk.xml)"),
                        QStringLiteral("txt (*.txt *.Txt)")};
    question.fileName = dir.filePath(QStringLiteral("File1"));
    question.typeChanged = [](const QString &name, int type) { return xmlFileNameForType(name, type); };
    QFileDialog dialog;
    prepareFileDialog(dialog, question, QFileDialog::AcceptSave);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    auto *nameBox = dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    auto *types = dialog.findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
    ASSERT_TRUE(nameBox && types);
    ASSERT_EQ(nameBox->text(), QStringLiteral("File1"));

    struct Step {
        const char *how;
        std::function<void()> change;
        QWidget *focus; // where the keyboard focus is while the type changes
        const char *name;
    };
    const Step steps[] = {
        {"wheel over the types", [&] { turnWheel(types, 1); }, nameBox, "File1.Temperament.Hauptwerk.xml"},
        {"keyboard on the types", [&] { QTest::keyClick(types, Qt::Key_Down); }, types, "File1.Txt"},
        {"wheel right after typing a name",
         [&] {
             nameBox->selectAll();
             QTest::keyClicks(nameBox, QStringLiteral("Meantone"));
             turnWheel(types, -1);
         },
         nameBox, "Meantone.Temperament.Hauptwerk.xml"},
    };
    for (const auto &step : steps) {
        SCOPED_TRACE(step.how);
        step.focus->setFocus();
        ASSERT_TRUE(step.focus->hasFocus());
        step.change();
        EXPECT_TRUE(step.focus->hasFocus());
        EXPECT_EQ(nameBox->text().toStdString(), step.name);
    }
    dialog.reject();
}

// Qt's own save dialog: a name typed without an extension gets the
// extension of the type chosen in the dialog, not the one it opened with.
TEST(SaveDialog, ABareNameGetsTheChosenTypesExtension)
{
    const QStringList xml = {QStringLiteral("xml Hauptwerk 4 (*.Temperament_Hauptwerk_xml)"),
                             QStringLiteral("xml Hauptwerk 3 (*.Temperament.Hauptwerk.xml)"),
                             QStringLiteral("txt (*.txt *.Txt)")};
    const QStringList tuning = {
        QStringLiteral("Scala scale and keyboard mapping (*.scl)"), QStringLiteral("AnaMark tuning (*.tun)"),
        QStringLiteral("MIDI tuning, bulk dump (*.syx)"), QStringLiteral("MIDI tuning, single-note changes (*.syx)"),
        QStringLiteral("MIDI tuning, scale/octave (*.syx)")};
    const struct {
        const char *what;
        QStringList filters;
        QString defaultSuffix;
        int openedWith;
        int downs; // presses of Down in the list of types
        const char *saved;
    } cases[] = {
        {"xml, Hauptwerk 4 as opened", xml, QStringLiteral("Temperament.Hauptwerk.xml"), 0, 0,
         "organ.Temperament_Hauptwerk_xml"},
        {"xml, Hauptwerk 3 chosen", xml, QStringLiteral("Temperament.Hauptwerk.xml"), 0, 1,
         "organ.Temperament.Hauptwerk.xml"},
        {"tuning, AnaMark chosen after Scala", tuning, QString(), 0, 1, "organ.tun"},
        {"tuning, octave chosen after AnaMark", tuning, QStringLiteral("tun"), 1, 3, "organ.syx"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        FileQuestion question;
        question.filters = c.filters;
        question.defaultSuffix = c.defaultSuffix;
        question.selectedFilter = c.openedWith;
        question.directory = dir.path();
        QFileDialog dialog;
        prepareFileDialog(dialog, question, QFileDialog::AcceptSave);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        auto *nameBox = dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        auto *types = dialog.findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
        ASSERT_TRUE(nameBox && types);
        types->setFocus();
        for (int i = 0; i < c.downs; ++i)
            QTest::keyClick(types, Qt::Key_Down);
        nameBox->setFocus();
        nameBox->selectAll();
        QTest::keyClicks(nameBox, QStringLiteral("organ"));
        QTest::keyClick(nameBox, Qt::Key_Return);
        ASSERT_EQ(dialog.result(), QDialog::Accepted);
        ASSERT_EQ(dialog.selectedFiles().size(), 1);
        EXPECT_EQ(dialog.selectedFiles().constFirst().toStdString(),
                  QDir(dir.path()).filePath(QLatin1String(c.saved)).toStdString());
    }
}

// The separators the program reads at start-up from the regional setting.
TEST(SystemSeparators, FollowTheRegionalSetting)
{
    struct Case {
        const char *locale;
        char16_t decimal;
        char16_t thousands;
    };
    const Case cases[] = {
        {"it_IT", u',', u'.'},
        {"en_US", u'.', u','},
        {"de_CH", u'.', u'\u2019'},
        {"fr_FR", u',', u'\u202F'},
    };
    const QLocale before;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.locale);
        QLocale::setDefault(QLocale(QLatin1String(c.locale)));
        const Separators separators = systemSeparators();
        EXPECT_EQ(separators.decimal, QChar(c.decimal));
        EXPECT_EQ(separators.thousands, QChar(c.thousands));
    }
    QLocale::setDefault(before);
}
