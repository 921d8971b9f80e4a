// The pictures of the Append lists, drawn here rather than shipped as files:
// the drag pictures under the image list's keys and the icons of the order
// and font-size buttons (drawn in the palette's colours, so the owner draws
// them again when its palette changes).
#pragma once

#include <QHash>
#include <QIcon>
#include <QPalette>
#include <QPixmap>
#include <QString>

namespace tsl {

// The drag pictures by key: "Sing" (one file), "Mult" (several files),
// "Drop" (over the other list: dropping moves the files), "NoDrop".
QHash<QString, QPixmap> drawDragPictures();

// An arrow up or down for the order buttons, in palette's button text colour.
QIcon drawOrderIcon(bool up, const QPalette& palette);

// A letter with a small arrow up (bigger) or down (smaller) for the
// font-size buttons, in palette's button text colour.
QIcon drawFontSizeIcon(bool bigger, const QPalette& palette);

}  // namespace tsl
