// The check of the target name the user types for an Append run. The name is
// a file name in the "Save in" directory, never a path: a name that could
// lead anywhere else, or that names no file at all, is refused before the
// engine runs.
#pragma once

#include <QString>

namespace tsl {

// Empty text when name can be the target's file name in the "Save in"
// directory; otherwise the message that refuses it and names it: a blank
// name, "." or "..", or a name holding "/" or a NUL character.
QString appendTargetNameProblem(const QString& name);

}  // namespace tsl
