// Icons drawn in code at whatever size and scale they are asked for, in the
// button text colour of a palette: crisp on a HiDPI screen and as visible on
// a dark palette as on a light one. The owner makes them again when its
// palette changes (followPalette, widgets/gui_palette_follower.h).
#pragma once

#include <QIcon>
#include <QPalette>
#include <functional>

class QPainter;

namespace tsl {

// Draws a picture in a 16 x 16 box with the given colour; the painter is
// already scaled to the size asked for.
using IconDrawing = std::function<void(QPainter& painter, const QColor& colour)>;

// An icon that draws `drawing` in palette's button text colour (the disabled
// group's for the disabled mode).
QIcon paintedIcon(IconDrawing drawing, const QPalette& palette);

}  // namespace tsl
