#include "WindowTest.h"
#include "ui/windows/UAbout.h"
#include "ui/windows/UCents.h"
#include "ui/windows/USetTemperament.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace cordavo;

namespace {

class AboutWindowTest : public WindowTest
{
};

} // namespace

// The About window names the version of the build, the one that --version
// prints, under the program's name.
TEST_P(AboutWindowTest, ShowsTheVersionOfTheBuild)
{
    const QString expected = QStringLiteral("Version ") + QLatin1String(CORDAVO_EXPECTED_VERSION);
    ASSERT_TRUE(QRegularExpression(QStringLiteral("^Version \\d+\\.\\d+")).match(expected).hasMatch());

    TAboutBox &about = windows->AboutBox();
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    const QLabel *version = control<QLabel>(about, "Version");
    EXPECT_EQ(version->text(), expected);
    EXPECT_TRUE(version->isVisible());
    EXPECT_EQ(control<QLabel>(about, "ProductName")->text(), QStringLiteral("Cordavo"));
    EXPECT_GT(version->geometry().top(), control<QLabel>(about, "ProductName")->geometry().top());
    about.hide();
}

// "Licences of the libraries…" shows the notices file the package carries
// beside the program, as it is written; without the file there is no button,
// and a file gone since the window opened is named in an error.
TEST_P(AboutWindowTest, ShowsTheNoticesOfTheLibrariesWhereThePackageCarriesThem)
{
    TAboutBox &about = windows->AboutBox();
    auto *button = control<QPushButton>(about, "NoticesButton");
    const QString notices = dir.filePath(QStringLiteral("THIRD-PARTY-NOTICES.txt"));
    struct Case {
        const char *what;
        QByteArray written; // nothing: no file
        bool button;
    };
    const Case cases[] = {
        {"no notices beside the program", QByteArray(), false},
        {"notices with Windows line ends",
         "Qt 6.4.2\r\nGNU Lesser General Public License\r\n\r\nzlib \xc2\xa9 Jean-loup Gailly\r\n", true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(notices);
        if (!c.written.isNull()) {
            QFile file(notices);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(c.written);
        }
        about.setNoticesFile(notices);
        EXPECT_EQ(button->isVisibleTo(&about), c.button);
        if (!c.button)
            continue;
        EXPECT_EQ(button->text(), QStringLiteral("Licences of the libraries…"));
        QString shown;
        dialogs.modalAnswers.push_back([&shown](QDialog &window) {
            shown = control<QPlainTextEdit>(window, "NoticesText")->toPlainText();
            return int(QDialog::Rejected);
        });
        dialogs.log.clear();
        button->click();
        EXPECT_EQ(dialogs.log, QStringList{QStringLiteral("modal: Licences of the libraries")});
        EXPECT_EQ(shown, QStringLiteral("Qt 6.4.2\nGNU Lesser General Public License\n\nzlib © Jean-loup Gailly\n"));
    }

    // Removed while the window was open.
    QFile::remove(notices);
    dialogs.log.clear();
    button->click();
    ASSERT_EQ(dialogs.log.size(), 1);
    EXPECT_TRUE(dialogs.log[0].startsWith(QStringLiteral("error: Cannot read ") + QDir::toNativeSeparators(notices)))
        << dialogs.log[0].toStdString();
}

// Every label and button shows its whole text: the size it asks for, or for
// wrapped text the height it needs at its width, fits in the size it has.
QStringList clippedTexts(const QWidget &window)
{
    QStringList clipped;
    for (const QWidget *widget : window.findChildren<QWidget *>()) {
        const auto *label = qobject_cast<const QLabel *>(widget);
        const auto *button = qobject_cast<const QAbstractButton *>(widget);
        const QString text = label ? label->text() : button ? button->text() : QString();
        if (text.isEmpty() || !widget->isVisibleTo(&window))
            continue;
        const QSize needed = label && label->wordWrap() ? QSize(widget->width(), label->heightForWidth(widget->width()))
                                                        : widget->sizeHint();
        if (needed.width() > widget->width() || needed.height() > widget->height())
            clipped << text;
    }
    return clipped;
}

TEST_P(AboutWindowTest, ALargerDesktopFontGrowsTheWindowsEvenlyUntilEveryTextFits)
{
    struct RestoreFont {
        QFont font = QApplication::font();
        ~RestoreFont() { QApplication::setFont(font); }
    } restore;
    const QFont designed = QApplication::font();
    EXPECT_EQ(clippedTexts(*main), QStringList());
    EXPECT_EQ(clippedTexts(windows->AboutBox()), QStringList());
    const QPoint notes = mainControl<QWidget>("PanelNote")->pos();

    for (qreal points : {designed.pointSizeF() + 2, designed.pointSizeF() + 4}) {
        SCOPED_TRACE(points);
        QFont larger = designed;
        larger.setPointSizeF(points);
        QApplication::setFont(larger);
        fresh();
        const qreal growth = main->width() / 774.0;
        EXPECT_GT(growth, 1);
        EXPECT_NEAR(main->height(), 574 * growth, 1);
        EXPECT_EQ(main->minimumSize(), main->maximumSize());
        EXPECT_EQ(clippedTexts(*main), QStringList());
        EXPECT_NEAR(mainControl<QWidget>("PanelNote")->x(), notes.x() * growth, 1);
        EXPECT_NEAR(mainControl<QWidget>("PanelNote")->y(), notes.y() * growth, 1);
        const TAboutBox &about = windows->AboutBox();
        EXPECT_EQ(clippedTexts(about), QStringList());
        EXPECT_GT(about.width(), 624);
        // The cents and fifths setters, laid out at fixed places too, grow the
        // same way.
        for (const QWidget *setter :
             std::initializer_list<const QWidget *>{&windows->FormCents(), &windows->FormCicloQuinte()}) {
            SCOPED_TRACE(setter->objectName().toStdString());
            EXPECT_EQ(clippedTexts(*setter), QStringList());
        }
    }
}

CORDAVO_BOTH_SETTINGS(AboutWindowTest);
