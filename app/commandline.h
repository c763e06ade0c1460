#pragma once

#include <QString>
#include <QStringList>

namespace orvex {

// What the installer's command line asks for.
struct CommandLine
{
    enum class Action
    {
        ShowWindow,
        Unattended,
        Help,
        Version,
        Error
    };
    Action action = Action::ShowWindow;
    QStringList drives;     // absolute, cleaned; listed in the window, the first one installed to
    bool uninstall = false; // remove Orvex Tessary instead of installing it
    bool password = false;  // unattended: install the password-protected bookmark
    QString passcode;       // unattended, protected: the passcode chosen; empty: keep or make one
    bool eject = false;     // unattended: eject the stick once the job is done
    QString error;          // why the command line is wrong, for Action::Error
    QString helpText;       // the usage text, for Help
};

// Reads the arguments (the program's name first). Needs no application object,
// so that the caller can choose between a GUI and a console application; its
// texts come in the language loaded at the time, so the caller reads the line
// again once the translations are in.
CommandLine parseCommandLine(const QStringList &arguments);

} // namespace orvex
