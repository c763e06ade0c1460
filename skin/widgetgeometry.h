#pragma once

#include "frame/twips.h"

#include <QWidget>

namespace orvex::twips {

// Moves and sizes a widget to a rectangle given in twips.
inline void setGeometry(QWidget *widget, const QRectF &twipsRect)
{
    widget->setGeometry(toPixelRect(twipsRect));
}

} // namespace orvex::twips
