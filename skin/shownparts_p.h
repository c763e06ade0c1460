#pragma once

namespace orvex::shownparts {

// Gives the control and its strips accessible interfaces that list only the
// parts a host would show: Qt lists hidden child widgets too, marked
// invisible, so screen readers would meet the maximise button of a control
// without one, the hidden menu strip and the skin picture. Installed once per
// process, when the first control is made, so that every host gets it.
void install();

} // namespace orvex::shownparts
