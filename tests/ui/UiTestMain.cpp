#include "TestScreens.h"
#include "print/OffscreenFonts.h"

#include <QApplication>
#include <QTemporaryFile>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    Q_INIT_RESOURCE(cordavo);
    // The windows are tested on a full HD screen, where every one fits as
    // drawn; a test that wants another screen starts these tests again with
    // an offscreen configuration of its own, which is kept.
    QTemporaryFile screen;
    if (!qEnvironmentVariable("QT_QPA_PLATFORM").startsWith(QLatin1String("offscreen:"))) {
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
#ifndef Q_OS_WIN
        // Under Wine the configured screen stops the tests from starting.
        if (screen.open() && screen.write(cordavo::offscreenScreen(QSize(1920, 1080))) > 0 && screen.flush())
            qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(screen.fileName()));
#endif
    }
    // On Windows the windows are measured with the system's own fonts.
    cordavo::useSystemFontsOffscreen();
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
