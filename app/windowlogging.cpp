#include "app/windowlogging.h"

Q_LOGGING_CATEGORY(lcWindow, "orvex.window", QtWarningMsg)
