// The smallest Qt Widgets program that does what Cordavo does before the user
// can act: it shows a window and, once the window is up, a message box over
// it. The floor for the program's start-up time and memory, which are taken
// when the message box is on screen, as Cordavo's are when its About window
// is.

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.resize(774, 574);
    window.show();
    QTimer::singleShot(0, &window, [&window] {
        QMessageBox::information(&window, QStringLiteral("About Minimal"), QStringLiteral("A minimal Qt program."));
    });
    return app.exec();
}
