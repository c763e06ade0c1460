#include <OrvexSkin/MessageRequest>
#include <OrvexSkin/PropertyBag>
#include <OrvexSkin/Skin>
#include <QApplication>
#include <QTimer>

// Programs built against this version keep working with later ones only while
// the public classes hold nothing but their private parts.
static_assert(sizeof(orvex::Skin) == sizeof(QWidget) + sizeof(void *) &&
              sizeof(orvex::PropertyBag) == sizeof(void *) &&
              sizeof(orvex::MessageRequest) == sizeof(void *));

// Decorates a shown window with the installed control, restored from a stored
// design; fails unless the control took the window and painted its body.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Consumer"));
    window.resize(300, 200);
    auto *skin = new orvex::Skin(&window);
    orvex::PropertyBag design;
    design.write(QStringLiteral("ButtonMin"), false, true);
    skin->readProperties(design);
    skin->Init_Skin(&window);
    window.show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    QApplication::exec();
    const bool attached = skin->isAttached() && skin->caption() == window.windowTitle() &&
                          window.windowFlags().testFlag(Qt::FramelessWindowHint) &&
                          skin->size() == window.size() && !skin->buttonMin();
    const QColor middle = skin->grab().toImage().pixelColor(150, 100);
    return attached && middle == skin->GetSkinTheme() ? 0 : 1;
}
