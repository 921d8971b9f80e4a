// The installed tree as a package lays it out: `cmake --install` of this build
// into a temporary prefix puts every file where a Debian desktop looks for it,
// the icons have their sizes, the AppStream and desktop-entry validators pass,
// bash-completion finds the completion of tsl-cli, and the installed tsl
// answers --version without a display.
#include "support/temp_files.h"

#include <QFile>
#include <QProcess>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace tsl::test;

namespace {

struct ToolRun {
    int exitCode = -1;
    QString out;  // standard output and error
};

ToolRun run(const QString& program, const QStringList& args,
            const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    ToolRun r;
    if (!p.waitForFinished(120000))
        return r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromLocal8Bit(p.readAll());
    return r;
}

// The width and height a PNG file's header gives, as "WxH"; empty for no PNG.
QString pngSize(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray head = f.read(24);
    if (head.size() < 24 || !head.startsWith("\x89PNG\r\n\x1a\n") || head.mid(12, 4) != "IHDR")
        return {};
    return QStringLiteral("%1x%2")
        .arg(qFromBigEndian<quint32>(head.constData() + 16))
        .arg(qFromBigEndian<quint32>(head.constData() + 20));
}

class InstallTree : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        tree = new TempFolder;
        const ToolRun install =
            run(QStringLiteral(TSL_CMAKE_COMMAND),
                {QStringLiteral("--install"), QStringLiteral(TSL_BUILD_DIR),
                 QStringLiteral("--prefix"), tree->path(QStringLiteral("usr"))});
        installed = install.exitCode == 0;
        installLog = install.out;
    }
    static void TearDownTestSuite()
    {
        delete tree;
        tree = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(installed) << installLog.toStdString(); }
    static QString usr(const char* path) { return tree->path(QStringLiteral("usr/")) + path; }

    static TempFolder* tree;
    static bool installed;
    static QString installLog;
};

TempFolder* InstallTree::tree = nullptr;
bool InstallTree::installed = false;
QString InstallTree::installLog;

}  // namespace

TEST_F(InstallTree, EveryFileLiesWhereTheDesktopLooksForIt)
{
    for (const char* path : {
             "bin/tsl",
             "bin/tsl-cli",
             "share/applications/tsl.desktop",
             "share/metainfo/org.tessel.tsl.metainfo.xml",
             "share/mime/packages/tsl.xml",
             "share/icons/hicolor/scalable/apps/tsl.svg",
             "share/bash-completion/completions/tsl-cli",
             "share/man/man1/tsl.1.gz",
             "share/man/man1/tsl-cli.1.gz",
             "share/doc/tsl/copyright",
             "share/doc/tsl/changelog.gz",
         })
        EXPECT_TRUE(QFile::exists(usr(path))) << path;
    EXPECT_EQ(pngSize(usr("share/icons/hicolor/48x48/apps/tsl.png")), "48x48");
    EXPECT_EQ(pngSize(usr("share/icons/hicolor/256x256/apps/tsl.png")), "256x256");
}

TEST_F(InstallTree, MetadataAndDesktopEntryPassTheirValidators)
{
    // validate-tree reads the metainfo together with the desktop entry it
    // launches and the icons it names; warnings fail it as errors do.
    const ToolRun appstream =
        run(QStringLiteral("appstreamcli"),
            {QStringLiteral("validate-tree"), QStringLiteral("--no-net"), tree->path(QString())});
    EXPECT_EQ(appstream.exitCode, 0) << appstream.out.toStdString();
    const ToolRun metainfo = run(QStringLiteral("appstreamcli"),
                                 {QStringLiteral("validate"), QStringLiteral("--no-net"),
                                  usr("share/metainfo/org.tessel.tsl.metainfo.xml")});
    EXPECT_EQ(metainfo.exitCode, 0) << metainfo.out.toStdString();
    EXPECT_TRUE(metainfo.out.contains(QLatin1String("Validation was successful")));
    EXPECT_FALSE(metainfo.out.contains(QLatin1String("W:"))) << metainfo.out.toStdString();
    const ToolRun entry =
        run(QStringLiteral("desktop-file-validate"), {usr("share/applications/tsl.desktop")});
    EXPECT_EQ(entry.exitCode, 0) << entry.out.toStdString();
    EXPECT_EQ(entry.out, QString()) << entry.out.toStdString();
}

TEST_F(InstallTree, BashCompletionFindsTheCompletionOfTslCli)
{
    QProcessEnvironment env = isolatedEnvironment();
    env.insert(QStringLiteral("XDG_DATA_DIRS"), usr("share"));
    const ToolRun found =
        run(QStringLiteral("bash"),
            {QStringLiteral("-c"),
             QStringLiteral("source /usr/share/bash-completion/bash_completion && "
                            "__load_completion tsl-cli && complete -p tsl-cli")},
            env);
    EXPECT_EQ(found.exitCode, 0) << found.out.toStdString();
    EXPECT_EQ(found.out, QStringLiteral("complete -F _tsl_cli tsl-cli\n"));
}

TEST_F(InstallTree, InstalledWindowAnswersVersionWithoutADisplay)
{
    QProcessEnvironment env = isolatedEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    const ToolRun version = run(usr("bin/tsl"), {QStringLiteral("--version")}, env);
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, QStringLiteral("tsl " TSL_VERSION "\n"));

    // Qt warns on standard error about a missing runtime folder.
    const QString runtime = tree->mkdir(QStringLiteral("run"));
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const ToolRun bad = run(usr("bin/tsl"), {QStringLiteral("--bogus")}, env);
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_EQ(bad.out,
              QStringLiteral("tsl: Unknown option 'bogus'.\n"
                             "Try 'tsl --help' for more information.\n"));
}
