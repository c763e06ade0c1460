#pragma once

#include "installprocedure.h"

class QWidget;

namespace orvex {

// Runs a job of the install on a worker thread while the window keeps
// running. Once the job has lasted half a second a modal progress dialog
// titled "Orvex Tessary" shows it: the file being copied and a bar over the
// bytes, with a Cancel that stops the copy after the current file, or a busy
// bar while the files are put in place. SIGINT and SIGTERM cancel like the
// button while the job runs.
Status runStickJob(QWidget *parent, const StickJob &job);

} // namespace orvex
