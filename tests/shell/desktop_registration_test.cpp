// The desktop registration against a temporary XDG tree: on, repeated, off,
// with another program's association present; the texts of the entries and
// the mimeapps.list edits.
#include "shell/check_assoc.h"
#include "shell/desktop_entries.h"
#include "shell/desktop_files.h"
#include "support/scripted_host.h"
#include "support/temp_files.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>
#include <optional>

namespace tsl::test {
namespace {

// Every file under root (relative path to bytes).
QMap<QString, QByteArray> treeSnapshot(const QString& root)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString p = it.next();
        QFile f(p);
        f.open(QIODevice::ReadOnly);
        files.insert(p.mid(root.size()), f.readAll());
    }
    return files;
}

// The errors desktop-file-validate finds in path; nullopt when the tool is
// missing. KDE service menus are Type=Service, which the validator does not
// know as a type for MimeType and Actions: those two complaints are KDE's
// format, not faults, and are left out.
std::optional<QString> desktopFileErrors(const QString& path)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (tool.isEmpty())
        return std::nullopt;
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(tool, {path});
    p.waitForFinished();
    QStringList errors;
    for (const QString& line : QString::fromUtf8(p.readAll()).split(QLatin1Char('\n'))) {
        if (!line.isEmpty() && !line.contains(QStringLiteral("but the type is \"Service\"")))
            errors << line;
    }
    return errors.join(QLatin1Char('\n'));
}

struct DesktopTree {
    TempFolder t;
    DesktopRegistration reg{DesktopLocations{t.path("data"), t.path("config"),
                                             QStringLiteral("/opt/TSL apps/tsl"), false}};
    QString data(const QString& rel) const { return t.path("data/" + rel); }
};

// Another program's .000 type, its default, its send-to entry, a "Vantor"
// script of its own, and the earlier release's Vantor entry.
void placeOtherPrograms(DesktopTree& d)
{
    d.t.write("data/mime/packages/other.xml",
              "<mime-info><mime-type type=\"application/x-other\">"
              "<glob pattern=\"*.000\"/></mime-type></mime-info>\n");
    d.t.write("config/mimeapps.list",
              "[Added Associations]\napplication/x-other=other.desktop;\n\n"
              "[Default Applications]\napplication/x-other=other.desktop;\n");
    d.t.write("data/Thunar/sendto/other.desktop",
              "[Desktop Entry]\nType=Application\nName=Other\nExec=other %F\n");
    d.t.write("data/nautilus/scripts/Vantor", "#!/bin/sh\nexec /usr/bin/vantor-player \"$@\"\n");
    d.t.write("data/Thunar/sendto/Vantor.desktop",
              "[Desktop Entry]\nType=Application\nName=Vantor\nExec=/usr/local/bin/vantor %f\n");
}

TEST(DesktopRegistration, OnRepeatedAndOffLeaveOtherProgramsAlone)
{
    DesktopTree d;
    placeOtherPrograms(d);
    QMap<QString, QByteArray> before = treeSnapshot(d.t.path("data"));
    before.remove("/Thunar/sendto/Vantor.desktop");  // the earlier release's: always removed
    const QByteArray mimeappsBefore = d.t.read("config/mimeapps.list");

    const DesktopOutcome on = d.reg.apply(true, true, true);
    EXPECT_EQ(on.failures, QStringList());
    EXPECT_EQ(on.changed.size(), 9);  // eight items and the Vantor entry
    EXPECT_FALSE(d.t.exists("data/Thunar/sendto/Vantor.desktop"));
    EXPECT_EQ(d.t.read("config/mimeapps.list"),
              "[Added Associations]\napplication/x-other=other.desktop;\n\n[Default Applications]\n"
              "application/x-other=other.desktop;\napplication/x-tsl-info=tsl.desktop;\n");
    for (const DesktopItem& item : d.reg.items()) {
        EXPECT_TRUE(d.reg.isRegistered(item)) << item.path.toStdString();
        EXPECT_EQ(QFileInfo(item.path).isExecutable(), item.executable) << item.path.toStdString();
        if (!item.path.endsWith(".desktop"))
            continue;
        const auto errors = desktopFileErrors(item.path);
        if (!errors)
            GTEST_SKIP() << "desktop-file-validate is not installed";
        EXPECT_EQ(*errors, QString()) << item.path.toStdString();
    }

    const QMap<QString, QByteArray> registered = treeSnapshot(d.t.path("data"));
    const DesktopOutcome again = d.reg.apply(true, true, true);
    EXPECT_EQ(again.changed, QStringList());
    EXPECT_EQ(treeSnapshot(d.t.path("data")), registered);

    const DesktopOutcome off = d.reg.apply(false, false, false);
    EXPECT_EQ(off.failures, QStringList());
    EXPECT_EQ(off.changed.size(), 8);
    EXPECT_EQ(treeSnapshot(d.t.path("data")), before);
    EXPECT_EQ(d.t.read("config/mimeapps.list"), mimeappsBefore);
}

TEST(DesktopRegistration, EachSettingPlacesOnlyItsOwnEntries)
{
    struct Case {
        bool assoc, split, sendTo;
        QStringList present;
    };
    const Case cases[] = {
        // clang-format off
        {true, false, false, {"/applications/tsl.desktop", "/mime/packages/tsl.xml"}},
        {false, true, false, {"/applications/tsl-split.desktop",
                              "/kio/servicemenus/tsl-split.desktop"}},
        {false, false, true, {"/Thunar/sendto/tsl.desktop", "/kio/servicemenus/tsl-sendto.desktop",
                              "/nautilus/scripts/TSL"}},
        // clang-format on
    };
    for (const Case& c : cases) {
        DesktopTree d;
        EXPECT_EQ(d.reg.apply(c.assoc, c.split, c.sendTo).failures, QStringList());
        QStringList names = treeSnapshot(d.t.path("data")).keys();
        QStringList expected = c.present;
        expected.sort();
        EXPECT_EQ(names, expected);
        EXPECT_EQ(d.t.exists("config/mimeapps.list"), c.assoc);
    }
}

TEST(DesktopRegistration, AFileOfAnotherProgramAtTslsPlaceIsKeptAndReportedOnce)
{
    DesktopTree d;
    const QByteArray theirs = "[Desktop Entry]\nType=Application\nName=Mine\nExec=mine %F\n";
    d.t.write("data/applications/tsl.desktop", theirs);
    ScriptedHost host;
    Settings s;
    EXPECT_TRUE(d.reg.CheckAssoc(s, host));
    EXPECT_TRUE(d.reg.CheckAssoc(s, host));  // a second load says nothing new
    ASSERT_EQ(host.messages.size(), 1);
    EXPECT_EQ(
        host.messages[0],
        "TSL could not bring its desktop registration up to date:\r\n\r\n"
            + d.data("applications/tsl.desktop")
            + ": a file that TSL did not write is there; it was left alone\r\n\r\n"
              "TSL works as before; only the file manager's entries for TSL may be missing or out of date.");
    s.CombineAssoc = false;
    d.reg.CheckAssoc(s, host);
    EXPECT_EQ(d.t.read("data/applications/tsl.desktop"), theirs);
    EXPECT_EQ(host.messages.size(), 1);
}

// A link at one of TSL's places is never written or removed through, even
// when its target holds TSL's own entry or the earlier release's.
TEST(DesktopRegistration, SymbolicLinksAtItsPlacesAreLeftAsTheyAre)
{
    DesktopTree fresh;  // TSL's own entry, for a link's target to hold
    fresh.reg.apply(true, false, false);
    DesktopTree d;
    const QString own =
        d.t.write("elsewhere/own.desktop", fresh.t.read("data/applications/tsl.desktop"));
    const QString earlier =
        d.t.write("elsewhere/vantor.desktop", "[Desktop Entry]\nExec=/usr/bin/vantor %f\n");
    QDir().mkpath(d.data("applications"));
    QDir().mkpath(d.data("Thunar/sendto"));
    ASSERT_TRUE(QFile::link(own, d.data("applications/tsl.desktop")));
    ASSERT_TRUE(QFile::link(earlier, d.data("Thunar/sendto/Vantor.desktop")));
    const QMap<QString, QByteArray> targets = treeSnapshot(d.t.path("elsewhere"));

    const DesktopOutcome on = d.reg.apply(true, true, true);
    EXPECT_EQ(on.failures,
              QStringList{d.data("applications/tsl.desktop")
                          + ": a file that TSL did not write is there; it was left alone"});
    const DesktopOutcome off = d.reg.apply(false, false, false);
    EXPECT_EQ(off.failures, QStringList());
    EXPECT_FALSE(off.changed.contains(d.data("applications/tsl.desktop")));
    EXPECT_TRUE(QFileInfo(d.data("applications/tsl.desktop")).isSymLink());
    EXPECT_TRUE(QFileInfo(d.data("Thunar/sendto/Vantor.desktop")).isSymLink());
    EXPECT_EQ(treeSnapshot(d.t.path("elsewhere")), targets);
}

TEST(DesktopEntries, TheProgramPathIsQuotedForTheExecKey)
{
    struct Case {
        QString path;
        std::optional<QString> exec;
    };
    const Case cases[] = {
        {"/usr/bin/tsl", QString("/usr/bin/tsl")},
        {"/opt/TSL apps/tsl", QString("\"/opt/TSL apps/tsl\"")},
        {"/home/a/100%/tsl", QString("/home/a/100%%/tsl")},
        {"/x/$HOME\\\"q`/tsl", QString("\"/x/\\\\$HOME\\\\\\\\\\\\\"q\\\\`/tsl\"")},
        {"/x/line\nbreak/tsl", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(execProgram(c.path), c.exec) << c.path.toStdString();
    EXPECT_EQ(shellQuoted("/it's/tsl"), "'/it'\\''s/tsl'");

    TempFolder t;
    const QString file =
        t.write("odd.desktop", openEntry(*execProgram("/x/$HOME\\\"q`/tsl")).toUtf8());
    const auto errors = desktopFileErrors(file);
    if (!errors)
        GTEST_SKIP() << "desktop-file-validate is not installed";
    EXPECT_EQ(*errors, QString());
}

TEST(DesktopEntries, OnlyTheEarlierReleasesEntriesCountAsIts)
{
    EXPECT_TRUE(isEarlierReleaseEntry("[Desktop Entry]\nExec=/usr/bin/vantor %f\n"));
    EXPECT_TRUE(isEarlierReleaseEntry("[Desktop Entry]\nExec=\"/opt/x y/TSL\" %F\n"));
    EXPECT_TRUE(isEarlierReleaseEntry("#!/bin/sh\nexec '/usr/bin/tsl' \"$@\"\n"));
    EXPECT_FALSE(isEarlierReleaseEntry("#!/bin/sh\nexec /usr/bin/vantor-player \"$@\"\n"));
    EXPECT_FALSE(isEarlierReleaseEntry("[Desktop Entry]\nExec=tslx %f\n"));
    EXPECT_FALSE(isEarlierReleaseEntry("[Desktop Entry]\nName=Vantor\nExec=other %f\n"));
}

TEST(MimeApps, TslIsPutFirstAndTakenOutAgain)
{
    const QString t = "application/x-tsl-info";
    struct Case {
        QString before;
        bool makeDefault;
        QString after;
    };
    const Case cases[] = {
        // clang-format off
        {"", true, "[Default Applications]\napplication/x-tsl-info=tsl.desktop;\n"},
        {"[Default Applications]\napplication/x-tsl-info=tsl.desktop;\n", false, ""},
        {"[Default Applications]\napplication/x-tsl-info=a.desktop;tsl.desktop;\n\n[Other]\nx=y\n",
         true, "[Default Applications]\napplication/x-tsl-info=tsl.desktop;a.desktop;\n\n[Other]\nx=y\n"},
        {"[Default Applications]\napplication/x-tsl-info=tsl.desktop;a.desktop;\n", false,
         "[Default Applications]\napplication/x-tsl-info=a.desktop;\n"},
        {"[Default Applications]\ntext/plain=ed.desktop;\n\n[Added Associations]\n", true,
         "[Default Applications]\ntext/plain=ed.desktop;\napplication/x-tsl-info=tsl.desktop;\n\n"
         "[Added Associations]\n"},
        {"[Added Associations]\napplication/x-tsl-info=tsl.desktop;\n", false,
         "[Added Associations]\napplication/x-tsl-info=tsl.desktop;\n"},
        {"# mine\n[Added Associations]\na/b=c.desktop;", false,
         "# mine\n[Added Associations]\na/b=c.desktop;"},
        // clang-format on
    };
    for (const Case& c : cases)
        EXPECT_EQ(editDefaultApplication(c.before, t, "tsl.desktop", c.makeDefault), c.after)
            << c.before.toStdString();
}

// The package's tsl.xml (validated with the installed tree) and the one TSL
// registers for the user declare the same type.
TEST(DesktopEntries, TheInstalledAndTheRegisteredMimeTypeAreTheSame)
{
    QFile mime(QStringLiteral(TSL_SOURCE_DIR "/data/tsl.xml"));
    ASSERT_TRUE(mime.open(QIODevice::ReadOnly));
    const QByteArray installed = mime.readAll();
    for (const char* part :
         {"<mime-type type=\"application/x-tsl-info\">", "<comment>TSL Info File</comment>",
          "<glob pattern=\"*.000\" weight=\"60\"/>"}) {
        EXPECT_TRUE(installed.contains(part)) << part;
        EXPECT_TRUE(mimePackage().toUtf8().contains(part)) << part;
    }
}

}  // namespace
}  // namespace tsl::test
