// Every job through every point where the disk may say no.
//
// Each job kind runs once on a file system that only counts its calls; then
// again, on the same files, once for every call of every kind, with that call
// failing (and, for writes, with the disk full from there on). Whatever the
// user answers, the folder afterwards is either exactly as before the job or
// exactly as after a clean run (less deletes that did not happen): never a
// partial file under a final name, never a temporary file left, never an input
// deleted without its output in place.
#include "append/append_engine.h"
#include "combine/combine_engine.h"
#include "split/split_engine.h"
#include "support/faulty_file_system.h"
#include "support/piece_sets.h"
#include "support/temp_files.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

namespace tsl::test {
namespace {

// Answers Yes to every question (overwrite, continue after an error) and
// Combine to every report: the answers that let a job go furthest.
struct YesHost : Host {
    QStringList asked;
    void status(const QString&) override {}
    void progress(Panel, Line, const QString&, double, double) override {}
    Answer ask(Ask, const QString& text, Buttons buttons, Icon, Answer) override
    {
        asked << text;
        return buttons == Buttons::OkCancel ? Answer::Ok : Answer::Yes;
    }
    std::optional<QString> input(Prompt, const QString&, const QString& d) override { return d; }
    ReportAnswer report(const PartsReport&) override { return ReportAnswer::Combine; }
};

struct Entry {
    QByteArray bytes;
    QFile::Permissions mode;
    bool operator==(const Entry& o) const { return bytes == o.bytes && mode == o.mode; }
};
using Snapshot = QMap<QString, Entry>;

Snapshot snapshot(const QString& dir)
{
    Snapshot s;
    const QDir d(dir);
    for (const QString& name : d.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        QFile f(d.filePath(name));
        if (!f.open(QIODevice::ReadOnly))
            ADD_FAILURE() << "cannot read " << name.toStdString();
        s.insert(name, {f.readAll(), f.permissions()});
    }
    return s;
}

// An info file records its source's times, which differ between two runs'
// folders: it is compared by its length.
bool same(const Snapshot& s, const QString& name, const Entry& e)
{
    if (!s.contains(name))
        return false;
    const Entry& other = s[name];
    if (name.endsWith(QLatin1String(".000")))
        return other.bytes.size() == e.bytes.size() && other.mode == e.mode;
    return other == e;
}

bool sameFolder(const Snapshot& a, const Snapshot& b)
{
    if (a.keys() != b.keys())
        return false;
    for (auto it = a.begin(); it != a.end(); ++it) {
        if (!same(b, it.key(), it.value()))
            return false;
    }
    return true;
}

QString describe(const Snapshot& s)
{
    return QStringList(s.keys()).join(QLatin1Char(' '));
}

// The folder is as before, or as after a clean run with at most some of the
// files a clean run deletes still there (and a wipe's renamed file, whose data
// is safe in the committed output).
void expectBeforeOrAfter(const Snapshot& got, const Snapshot& before, const Snapshot& after,
                         const std::string& label)
{
    if (sameFolder(got, before))
        return;
    for (auto it = after.begin(); it != after.end(); ++it)
        EXPECT_TRUE(same(got, it.key(), it.value()))
            << label << ": " << it.key().toStdString()
            << " not as after a clean run; folder: " << describe(got).toStdString();
    for (auto it = got.begin(); it != got.end(); ++it) {
        if (after.contains(it.key()) || it.key().startsWith(QLatin1String(".tsl-w")))
            continue;
        // A replaced file whose removal failed stays under a temporary name:
        // kept bytes, never lost ones.
        const bool replacedOriginal =
            std::any_of(before.begin(), before.end(),
                        [&](const Entry& e) { return e.bytes == it.value().bytes; });
        if (it.key().startsWith(QLatin1String(".tsl-")) && replacedOriginal)
            continue;
        EXPECT_TRUE(same(before, it.key(), it.value()))
            << label << ": " << it.key().toStdString() << " is neither as before nor after";
    }
}

struct JobCase {
    const char* name;
    std::function<void(TempFolder&)> prepare;
    std::function<void(TempFolder&, Host&)> run;
};

Settings deletingSettings()
{
    Settings s;
    s.SplitSize = 30000;
    s.ChunkSize = 12288;
    s.SplitDelete = true;
    s.CombineDelete = true;
    s.AppendDelete = true;
    s.WipeOnDel = true;
    s.PartsExist = 2;
    return s;
}

void split(TempFolder& t, Host& h)
{
    runSplit({{"f"}, t.dir(), t.dir()}, deletingSettings(), h);
}

void combine(TempFolder& t, Host& h)
{
    runCombine({{"clip.mpg.000"}, t.dir(), t.dir()}, deletingSettings(), h);
}

void writeSet(TempFolder& t, bool batch)
{
    PieceSetLayout set;
    set.size = 75000;
    set.pieceSize = 30000;
    set.batch = batch;
    writePieceSet(t, set);
}

const JobCase jobs[] = {
    {"split", [](TempFolder& t) { t.writePattern("f", 75000); }, split},
    {"split over an earlier set",
     [](TempFolder& t) {
         t.writePattern("f", 75000);
         for (const char* old : {"f.001", "f.002", "f.003", "f.004", "f.000"})
             t.writePattern(old, 100, 9);
     },
     split},
    {"combine", [](TempFolder& t) { writeSet(t, true); }, combine},
    {"combine replacing a file",
     [](TempFolder& t) {
         writeSet(t, false);
         t.writePattern("clip.mpg", 500, 7);
     },
     combine},
    {"append to a new file",
     [](TempFolder& t) {
         t.writePattern("a", 20000, 1);
         t.writePattern("b", 30000, 2);
     },
     [](TempFolder& t, Host& h) {
         runAppend({{"a", "b"}, t.dir(), t.dir(), "t", t.dir()}, deletingSettings(), h);
     }},
    {"append to an existing file",
     [](TempFolder& t) {
         t.writePattern("a", 20000, 1);
         t.writePattern("t", 5000, 3);
     },
     [](TempFolder& t, Host& h) {
         runAppend({{"a"}, t.dir(), t.dir(), "t", t.dir()}, deletingSettings(), h);
     }},
};

TEST(TransactionFaults, EveryJobAtEveryFailingCallLeavesTheFolderBeforeOrAfter)
{
    for (const JobCase& job : jobs) {
        TempFolder clean;
        job.prepare(clean);
        const Snapshot before = snapshot(clean.dir());
        FaultyFileSystem counter;
        {
            ScopedFileSystem installed(counter);
            YesHost host;
            job.run(clean, host);
        }
        const Snapshot after = snapshot(clean.dir());
        ASSERT_FALSE(sameFolder(before, after)) << job.name << ": the clean run changed nothing";
        for (int op = 0; op < FaultyFileSystem::OpCount; ++op) {
            for (int nth = 1; nth <= counter.calls(FaultyFileSystem::Op(op)); ++nth) {
                for (const bool full : {false, true}) {
                    if (full && op != FaultyFileSystem::Write)
                        continue;
                    TempFolder t;
                    job.prepare(t);
                    FaultyFileSystem faulty;
                    faulty.failAt(FaultyFileSystem::Op(op), nth, full ? ENOSPC : EIO, full);
                    YesHost host;
                    {
                        ScopedFileSystem installed(faulty);
                        job.run(t, host);
                    }
                    const std::string label = std::string(job.name) + ", call "
                        + std::to_string(nth) + " of kind " + std::to_string(op)
                        + (full ? " (disk full)" : "");
                    expectBeforeOrAfter(snapshot(t.dir()), before, after, label);
                }
            }
        }
    }
}

}  // namespace
}  // namespace tsl::test
