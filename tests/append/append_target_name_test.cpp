// The target name typed on the Append page: names of a file in the "Save in"
// directory pass, anything that leads elsewhere or names nothing is refused
// with a message that names it.
#include "append/append_target_name.h"

#include <gtest/gtest.h>

using namespace tsl;

TEST(AppendTargetName, RefusesWhatIsNoFileNameInTheSaveInDirectory)
{
    const QString enter =
        QStringLiteral("\r\n\r\nEnter the name of a file in the \"Save in\" directory.");
    const struct {
        QString name;
        QString message;  // empty: accepted
    } cases[] = {
        {QStringLiteral("joined.mpg"), {}},
        {QStringLiteral("no extension"), {}},
        {QStringLiteral(".hidden"), {}},
        {QStringLiteral("..."), {}},
        {QStringLiteral("a\\b"), {}},  // a backslash is an ordinary character here
        {QStringLiteral(" padded "), {}},
        {QString(), QStringLiteral("No file to append to is named.") + enter},
        {QStringLiteral("   "), QStringLiteral("No file to append to is named.") + enter},
        {QStringLiteral("."),
         QStringLiteral("\".\" cannot be used as the file to append to: it names a directory, "
                        "not a file.")
             + enter},
        {QStringLiteral(" .. "),
         QStringLiteral("\" .. \" cannot be used as the file to append to: it names a directory, "
                        "not a file.")
             + enter},
        {QStringLiteral("../out.mpg"),
         QStringLiteral("\"../out.mpg\" cannot be used as the file to append to: a file name "
                        "cannot contain \"/\".")
             + enter},
        {QStringLiteral("out") + QChar(0) + QStringLiteral(".mpg"),
         QStringLiteral("\"out\" cannot be used as the file to append to: the name holds a NUL "
                        "character.")
             + enter},
    };
    for (const auto& c : cases)
        EXPECT_EQ(appendTargetNameProblem(c.name), c.message) << c.name.toStdString();
}
