#include <QApplication>
#include <skin.h>

// Attaches the installed control to a window; fails when it did not take the window.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Consumer"));
    auto *skin = new Skin(&window);
    skin->Init_Skin(&window);
    const bool attached =
        skin->isAttached() && skin->caption() == window.windowTitle() && !skin->skin().isNull();
    return attached ? 0 : 1;
}
