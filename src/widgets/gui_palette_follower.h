// What a widget draws from its palette, drawn again when the palette changes.
#pragma once

#include <functional>

class QWidget;

namespace tsl {

// Runs apply now and again whenever widget's palette or style changes (a
// theme switch, a dark palette), for as long as widget lives.
void followPalette(QWidget* widget, std::function<void()> apply);

}  // namespace tsl
