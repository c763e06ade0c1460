// The floor of the start-up benchmark: a Qt widget program, built with the
// installer's flags, that shows one empty window.
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(410, 210);
    window.show();
    if (qEnvironmentVariableIsSet("ORVEX_QUIT_WHEN_SHOWN"))
        QTimer::singleShot(0, &app, &QApplication::quit);
    return QApplication::exec();
}
