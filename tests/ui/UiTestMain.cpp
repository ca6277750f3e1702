#include "print/OffscreenFonts.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    Q_INIT_RESOURCE(cordavo);
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    // On Windows the windows are measured with the system's own fonts.
    cordavo::useSystemFontsOffscreen();
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
