#pragma once

#include "install/installprocedure.h"

class QWidget;

namespace orvex {

// Runs the copy on a worker thread while the window keeps running: a modal
// progress dialog titled "Orvex Tessary" shows the file being copied and a bar
// over the total bytes once the copy has lasted half a second; its Cancel
// button stops the copy after the current file.
FileResult runCopyWithProgress(QWidget *parent, const CopyJob &job, qint64 totalBytes);

} // namespace orvex
