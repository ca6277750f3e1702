#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    Q_INIT_RESOURCE(cordavo);
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
