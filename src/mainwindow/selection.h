// What the three panels have chosen: the files, the folder they are in and the
// folder the results go to. The window fills it from the command line, the
// file dialogs, drops and a hand-over; the jobs read their request from it.
#pragma once

#include <QString>
#include <QStringList>

namespace tsl {

struct Selection {
    // Combine: the chosen entries (info files or first pieces), their folder,
    // the one entry the summary shows, and the output folder.
    QStringList CombFiles;
    QString CombSrcDir;
    QString CombFile;
    QString CombOutDir;
    // Split: the chosen files, their folder, the one file the summary and the
    // extract range show, and the folder for the pieces.
    QStringList SplitFiles;
    QString SplitSrcDir;
    QString SplitFile;
    QString SplitOutDir;
    // Append: the folder the source list is read from, "Save in", and the target.
    QString AppendSrcDir;
    QString AppendOutDir;
    QString AppendFile;
};

}  // namespace tsl
