// The message boxes of the window and its dialogs: titled "TSL", with the
// asked icon, buttons and default button.
#pragma once

#include "core/host.h"

class QMessageBox;
class QWidget;

namespace tsl {

// A modal message box over parent, titled "TSL", with the normal pointer
// while it is up; closing it with Escape or its frame gives the answer of
// its Cancel or No button. A line that holds a path is kept on one line.
Answer showMessage(QWidget* parent, const QString& text, Buttons buttons, Icon icon,
                   Answer defaultAnswer);

// The box showMessage shows, not yet shown (for a question that must not
// block, opened with open()); the caller owns it.
QMessageBox* createMessageBox(QWidget* parent, const QString& text, Buttons buttons, Icon icon,
                              Answer defaultAnswer);
// The answer of a box createMessageBox made, once it has closed.
Answer answerOf(const QMessageBox& box, Buttons buttons);

}  // namespace tsl
