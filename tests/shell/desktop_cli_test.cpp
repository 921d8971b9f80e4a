// tsl-cli desktop with a temporary home: apply registers what the stored
// settings ask for, as xdg-mime and the MIME database then see it; other
// commands register nothing.
#include "support/temp_files.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace tsl::test {
namespace {

// A run whose XDG folders all default to the temporary home.
QProcessEnvironment homeOnly(const TempFolder& t)
{
    QProcessEnvironment env = isolatedEnvironment(t.dir());
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CURRENT_DESKTOP", "DE",
                             "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID"})
        env.remove(name);
    env.insert("XDG_DATA_DIRS", "/usr/share");
    return env;
}

QString xdgMime(const QProcessEnvironment& env, const QStringList& args)
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStandardPaths::findExecutable("xdg-mime"), args);
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

TEST(DesktopCli, ApplyMakesTslTheDefaultForInfoFilesAndTakesItBack)
{
    if (QStandardPaths::findExecutable("xdg-mime").isEmpty())
        GTEST_SKIP() << "xdg-mime (xdg-utils) is not installed";
    TempFolder t;
    const QProcessEnvironment env = homeOnly(t);
    // Only "desktop apply" registers: not a config command, not the status.
    EXPECT_EQ(runCli({"config", "list"}, {}, {}, env).exitCode, 0);
    const CliRun status = runCli({"desktop"}, {}, {}, env);
    EXPECT_TRUE(status.out.contains("Send to (Thunar): not registered"));
    EXPECT_FALSE(QDir(t.path("home/.local/share")).exists());
    EXPECT_FALSE(t.exists("home/.config/mimeapps.list"));

    const CliRun apply = runCli({"desktop", "apply"}, {}, {}, env);
    EXPECT_EQ(apply.exitCode, 0) << apply.err.toStdString();
    EXPECT_EQ(xdgMime(env, {"query", "default", "application/x-tsl-info"}), "tsl.desktop");
    EXPECT_TRUE(t.exists("home/.local/share/applications/tsl.desktop"));
    if (!QStandardPaths::findExecutable("update-mime-database").isEmpty()) {
        EXPECT_TRUE(t.exists("home/.local/share/mime/mime.cache"));
        EXPECT_TRUE(
            apply.out.contains("A file named name.000 is: application/x-tsl-info (TSL Info File)"))
            << apply.out.toStdString();
    }

    EXPECT_EQ(runCli({"config", "set", "CombineAssoc", "0"}, {}, {}, env).exitCode, 0);
    const CliRun off = runCli({"desktop", "apply"}, {}, {}, env);
    EXPECT_EQ(off.exitCode, 0);
    EXPECT_EQ(xdgMime(env, {"query", "default", "application/x-tsl-info"}), "");
    EXPECT_FALSE(t.exists("home/.local/share/applications/tsl.desktop"));
    EXPECT_FALSE(t.exists("home/.local/share/mime/packages/tsl.xml"));
    EXPECT_TRUE(off.out.contains("Open .000 files with TSL: not registered"));
    EXPECT_TRUE(off.out.contains("Split (Open With): registered"));
}

}  // namespace
}  // namespace tsl::test
