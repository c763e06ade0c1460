#pragma once

#include <QString>

namespace orvex {

// The folder holding the payload (Orvex/, pass.html, nopass.html) for a program
// in `programFolder`: the installed data folder beside the program's bin folder
// when it holds the payload, else the program's own folder (a build tree).
QString payloadFolder(const QString &programFolder);

} // namespace orvex
