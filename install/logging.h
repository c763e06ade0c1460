#pragma once

#include <QLoggingCategory>

// Developer diagnostics of the install: "orvex.install".
Q_DECLARE_LOGGING_CATEGORY(lcInstall)
