#pragma once

#include "core/result.h"
#include "install/payloadplan.h"
#include "install/stick/folder.h"

#include <QByteArray>
#include <QList>
#include <optional>

// The list of what an install put in PSP/COMMON/Orvex, kept there, so that a
// removal takes only that and a reinstall what the new payload no longer has.
namespace orvex::installedlist {

// The list's name in the Orvex folder.
inline constexpr char fileName[] = "installed.txt";

struct Listed
{
    QList<QByteArray> folders; // parents before their children
    QList<QByteArray> files;
};

// The list of a plan: one path a line, relative to the Orvex folder, each
// folder's ending with "/", every line ended by CR LF.
QByteArray text(const PayloadPlan &plan);

// The paths a list names. A line that is not a plain relative path (empty,
// absolute, or with "." or ".." parts) is left out: the list lies on the
// stick, and nothing outside the Orvex folder may be reached through it.
Listed parse(const QByteArray &text);

// Reads the list `name` in `folder`. None when it is larger than any list an
// install writes: then it is not one of ours.
Result<std::optional<Listed>> read(stick::Folder &folder, const QByteArray &name);

} // namespace orvex::installedlist
