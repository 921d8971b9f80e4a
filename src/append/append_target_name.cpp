#include "append/append_target_name.h"

#include "core/texts.h"

namespace tsl {

namespace {

QString refusal(const QString& name, const QString& why)
{
    return AppendText::tr("\"%1\" cannot be used as the file to append to: %2").arg(name, why)
        + CrLf2 + AppendText::tr("Enter the name of a file in the \"Save in\" directory.");
}

}  // namespace

QString appendTargetNameProblem(const QString& name)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return AppendText::tr("No file to append to is named.") + CrLf2
            + AppendText::tr("Enter the name of a file in the \"Save in\" directory.");
    if (trimmed == QLatin1String(".") || trimmed == QLatin1String(".."))
        return refusal(name, AppendText::tr("it names a directory, not a file."));
    if (name.contains(QLatin1Char('/')))
        return refusal(name, AppendText::tr("a file name cannot contain \"/\"."));
    // The name reaches the system as a C string, which would end at the NUL
    // and create a file of another name.
    if (name.contains(QChar(0)))
        return refusal(name.left(name.indexOf(QChar(0))),
                       AppendText::tr("the name holds a NUL character."));
    return {};
}

}  // namespace tsl
