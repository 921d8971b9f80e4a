// Fields that only show something (the chosen files of Combine and Split):
// drawn on the window's colour instead of the base colour of a field the user
// types into, under any style and palette, and again after a theme change.
#pragma once

class QLineEdit;

namespace tsl {

// Gives the read-only field the look of read-only text and keeps it.
void showAsReadOnly(QLineEdit* field);

}  // namespace tsl
