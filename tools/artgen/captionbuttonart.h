#pragma once

#include "artscale.h"

#include <QImage>

namespace orvex::artgen {

enum class CaptionGlyph
{
    Close,
    Restore,
    Maximise,
    Minimise
};

enum class ButtonLook
{
    Normal,
    Hover,
    Pressed
};

// One caption-button cell, 13 x 13 pixels at single scale, whose background
// continues the caption gradient.
QImage drawCaptionButtonCell(CaptionGlyph glyph, ButtonLook look, Scale scale);

} // namespace orvex::artgen
