#pragma once

#include <QLoggingCategory>

// Developer diagnostics of the control: "orvex.skin".
Q_DECLARE_LOGGING_CATEGORY(lcSkin)
