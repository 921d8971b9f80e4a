// The commands of tsl-cli. Each takes its arguments (the first is the
// command's own name) and returns the exit status.
#pragma once

#include <QStringList>

namespace tsl::cli {

int splitCommand(const QStringList& args);
int infoCommand(const QStringList& args);
int appendCommand(const QStringList& args);
int configCommand(const QStringList& args);
int combineCommand(const QStringList& args);
int desktopCommand(const QStringList& args);
int verifyCommand(const QStringList& args);

}  // namespace tsl::cli
