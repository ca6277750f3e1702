// The smallest Qt Widgets program that shows a window: the floor for the
// program's start-up time and memory.

#include <QApplication>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.resize(624, 538);
    window.show();
    return app.exec();
}
