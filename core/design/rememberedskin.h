#pragma once

#include <QString>

// The skin file last loaded for a host window, kept in the per-user settings
// store under (host caption, "skin", "main").
namespace orvex::rememberedskin {

// The organisation under which the control keeps its settings; fixed, so that
// a design environment's own application name does not move them.
inline constexpr auto organisation = "OrvexTessary";

QString read(const QString &application);

// Writes and flushes the entry; false with `error` set when the store refused.
bool write(const QString &application, const QString &path, QString *error = nullptr);

} // namespace orvex::rememberedskin
