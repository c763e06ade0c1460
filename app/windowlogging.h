#pragma once

#include <QLoggingCategory>

// Developer diagnostics of the installer window, "orvex.window": the drive
// list's entries and choice, the messages shown. Tests outside the program
// watch the choice through it (QT_LOGGING_RULES="orvex.window.debug=true").
Q_DECLARE_LOGGING_CATEGORY(lcWindow)
