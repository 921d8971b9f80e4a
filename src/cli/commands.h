// The commands of tsl-cli. Each takes its arguments (the first is the
// command's own name) and returns the exit status.
#pragma once

#include <QStringList>

namespace tsl::cli {

int runSplit(const QStringList& args);
int runInfo(const QStringList& args);
int runAppend(const QStringList& args);
int runConfig(const QStringList& args);
int runCombine(const QStringList& args);
int runDesktop(const QStringList& args);
int runVerify(const QStringList& args);

}  // namespace tsl::cli
