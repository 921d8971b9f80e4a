// An engine job on real files in a temporary folder: the settings, a scripted
// host, and a run of Split, Combine or Append over the folder, through that
// host or through another one that acts on the files meanwhile.
#pragma once

#include "append/append_engine.h"
#include "combine/combine_engine.h"
#include "combine/parts_report.h"
#include "settings/settings.h"
#include "split/split_engine.h"
#include "support/piece_sets.h"
#include "support/scripted_host.h"
#include "support/temp_files.h"

#include <gtest/gtest.h>

namespace tsl::test {

struct EngineJob {
    TempFolder folder;
    Settings settings;
    ScriptedHost host;

    // Writes a piece set into the folder; returns the whole file's bytes.
    QByteArray pieces(const PieceSetLayout& layout) { return writePieceSet(folder, layout); }

    // Output into outDir, the folder when none is given.
    SplitOutcome split(const QStringList& files, qint64 first = 0, qint64 last = 0,
                       const QString& outDir = {}, Host* via = nullptr)
    {
        return runSplit({files, folder.dir(), out(outDir), first, last}, settings, hostOr(via));
    }
    CombineOutcome combine(const QStringList& entries, const QString& outDir = {},
                           Host* via = nullptr)
    {
        return runCombine({entries, folder.dir(), out(outDir)}, settings, hostOr(via));
    }
    CombineOutcome combineWith(Host& via, const QStringList& entries)
    {
        return combine(entries, {}, &via);
    }

    // The parts reports put to the user, each as "Mode: message".
    QStringList reported() const
    {
        QStringList out;
        for (const PartsReport& r : host.reports)
            out << modeWord(r.mode) + ": " + r.message;
        return out;
    }

private:
    QString out(const QString& outDir) const { return outDir.isEmpty() ? folder.dir() : outDir; }
    Host& hostOr(Host* via) { return via ? *via : host; }
};

// Combine tests: deleting does not wipe, which would only slow them.
struct CombineJob : EngineJob {
    CombineJob() { settings.WipeOnDel = false; }
};

// Append tests: small chunks, so a few kilobytes take several.
struct AppendFixture : ::testing::Test, EngineJob {
    AppendFixture() { settings.ChunkSize = 10000; }
    // The directory text is padded with blanks, as typed.
    AppendOutcome run(const QStringList& entries, ScriptedHost& via,
                      const QString& target = "out.bin")
    {
        return runAppend({entries, folder.dir(), folder.dir(), target, "  " + folder.dir() + " "},
                         settings, via);
    }
};

}  // namespace tsl::test
