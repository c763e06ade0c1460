#pragma once

#include "core/result.h"

#include <QLatin1String>
#include <QString>

// The skin file last loaded for a host window, kept in the per-user settings
// store under (host caption, "skin", "main").
namespace orvex::rememberedskin {

// The organisation under which the control keeps its settings; fixed, so that
// a design environment's own application name does not move them.
inline constexpr QLatin1String organisation("OrvexTessary");

QString read(const QString &application);

// Writes and flushes the entry; a refusal naming the settings file when the
// store refused.
Status write(const QString &application, const QString &path);

} // namespace orvex::rememberedskin
