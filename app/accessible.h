#pragma once

namespace orvex::accessible {

// Installs, once per process, the accessible interfaces of the installer's
// window and drive list. The window is a frame whose parts, its own and those
// of the title-bar control it holds, are read top to bottom, then left to
// right, as they show; the drive list is named by its accessible name, and
// its value is the entry it shows.
void install();

} // namespace orvex::accessible
