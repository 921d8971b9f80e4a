// The folder dialog every directory button opens.
#pragma once

#include <QString>

class QWidget;

namespace tsl {

// Lets the user choose a folder, titled `title` ("Choose a directory..."
// when empty), starting at `start` or, when that is no folder, at the nearest
// folder above it that exists, else at the home folder. The chosen folder
// without a closing "/" (the root stays "/"); empty when cancelled.
QString BrowseForFolder(QWidget* owner, const QString& title, const QString& start = QString());

// The folder a dialog for `path` starts in: path itself when it is a folder,
// else the nearest folder above it that exists, else the home folder.
QString startFolder(const QString& path);

}  // namespace tsl
