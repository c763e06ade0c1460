#include "install/logging.h"

Q_LOGGING_CATEGORY(lcInstall, "orvex.install", QtWarningMsg)
