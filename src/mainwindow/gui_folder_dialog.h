// The folder dialog every directory button opens.
#pragma once

#include <QString>

class QWidget;

namespace tsl {

// Lets the user choose a folder, starting at the top of the file system, with
// the title "Choose a directory..." when title is empty. The chosen folder
// without a closing "/" (the root stays "/"); empty when cancelled.
QString BrowseForFolder(QWidget* owner, const QString& title);

}  // namespace tsl
