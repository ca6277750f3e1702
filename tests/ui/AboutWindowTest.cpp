#include "WindowTest.h"
#include "ui/UAbout.h"

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

CORDAVO_BOTH_SETTINGS(AboutWindowTest);
