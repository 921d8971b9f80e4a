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

}  // namespace

TEST(InstallTree, EveryFileLiesWhereTheDesktopLooksForItAndTheValidatorsPass)
{
    TempFolder tree;
    const auto usr = [&tree](const char* path) { return tree.path("usr/") + path; };
    const ToolRun install = run(QStringLiteral(TSL_CMAKE_COMMAND),
                                {"--install", TSL_BUILD_DIR, "--prefix", tree.path("usr")});
    ASSERT_EQ(install.exitCode, 0) << install.out.toStdString();
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

    // The validators (appstreamcli's validate-tree reads the metainfo with the
    // desktop entry it launches and the icons it names; warnings fail it as
    // errors do), bash-completion finding the completion of tsl-cli, and the
    // installed tsl answering without a display.
    const QProcessEnvironment system = QProcessEnvironment::systemEnvironment();
    QProcessEnvironment completion = isolatedEnvironment();
    completion.insert(QStringLiteral("XDG_DATA_DIRS"), usr("share"));
    QProcessEnvironment noDisplay = isolatedEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        noDisplay.remove(QString::fromLatin1(name));
    // Qt warns on standard error about a missing runtime folder.
    const QString runtime = tree.mkdir(QStringLiteral("run"));
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment offscreen = noDisplay;
    offscreen.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    offscreen.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const QString bash = "source /usr/share/bash-completion/bash_completion && "
                         "__load_completion tsl-cli && complete -p tsl-cli";
    const struct {
        QString program;
        QStringList args;
        QProcessEnvironment env;
        int exitCode;
        QString out;  // the whole output; null: not checked
    } runs[] = {
        // clang-format off
        {"appstreamcli", {"validate-tree", "--no-net", tree.dir()}, system, 0, {}},
        {"appstreamcli", {"validate", "--no-net", usr("share/metainfo/org.tessel.tsl.metainfo.xml")},
         system, 0, {}},
        {"desktop-file-validate", {usr("share/applications/tsl.desktop")}, system, 0, ""},
        {"bash", {"-c", bash}, completion, 0, "complete -F _tsl_cli tsl-cli\n"},
        {usr("bin/tsl"), {"--version"}, noDisplay, 0, "tsl " TSL_VERSION "\n"},
        {usr("bin/tsl"), {"--bogus"}, offscreen, 2,
         "tsl: Unknown option 'bogus'.\nTry 'tsl --help' for more information.\n"},
        // clang-format on
    };
    for (const auto& r : runs) {
        const ToolRun done = run(r.program, r.args, r.env);
        SCOPED_TRACE((r.program + " " + r.args.join(' ') + "\n" + done.out).toStdString());
        EXPECT_EQ(done.exitCode, r.exitCode);
        EXPECT_FALSE(done.out.contains(QLatin1String("W:")));
        if (!r.out.isNull()) {
            EXPECT_EQ(done.out, r.out);
        }
    }
}
