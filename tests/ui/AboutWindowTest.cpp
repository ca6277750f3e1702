#include "WindowTest.h"
#include "ui/windows/UAbout.h"
#include "ui/windows/UCents.h"
#include "ui/windows/USetTemperament.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
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
