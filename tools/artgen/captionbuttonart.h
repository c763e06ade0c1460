#pragma once

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

// One 13 x 13 caption-button cell whose background continues the caption gradient.
QImage drawCaptionButtonCell(CaptionGlyph glyph, ButtonLook look);

} // namespace orvex::artgen
