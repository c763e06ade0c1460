// A window decorated by the Skin control: caption strip, frame, both caption
// buttons and the menu strip read from menu.txt beside the program. Every item
// chosen from a menu is printed to standard output, one name per line; File,
// Quit ends the program.
//
//   skinned-window [--skin FILE]
#include <OrvexSkin/Skin>
#include <QApplication>
#include <QCommandLineParser>
#include <QLabel>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Skinned window"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Shows a window decorated by Skin."));
    parser.addHelpOption();
    const QCommandLineOption skinOption(QStringLiteral("skin"),
                                        QStringLiteral("Loads the skin picture FILE."),
                                        QStringLiteral("FILE"));
    parser.addOption(skinOption);
    parser.process(app);

    QWidget window;
    window.setWindowTitle(QStringLiteral("Skinned window"));
    window.resize(480, 300);

    // The control reads menu.txt from the program's folder when it is created.
    auto *skin = new orvex::Skin(&window);
    skin->setButtonMax(true);
    skin->setButtonMin(true);
    skin->setMenuVisible(true);

    auto *hint = new QLabel(QStringLiteral("Drag the caption or the body to move the window;\n"
                                           "drag the right or bottom edge to resize it.\n"
                                           "F10 or Alt+F, E, H open the menus."),
                            skin);
    hint->move(24, 72);

    QTextStream out(stdout);
    QObject::connect(skin, &orvex::Skin::MenuClick, &window, [&out, &window](QString &itemName) {
        out << itemName << Qt::endl;
        if (itemName == u"QuitItem")
            window.close();
    });

    skin->Init_Skin(&window);
    if (parser.isSet(skinOption))
        skin->ChangeSkin(parser.value(skinOption));

    window.show();
    return QApplication::exec();
}
