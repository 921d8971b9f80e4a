// TSL's own icon (data/tsl.svg, built into the program): the window icon
// whether or not TSL is installed, so a `tsl` run from the build folder shows
// it too.
#pragma once

#include <QIcon>

namespace tsl {

// "tsl" from the icon theme when it is installed there, else the built-in picture.
QIcon applicationIcon();

}  // namespace tsl
