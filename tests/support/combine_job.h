// A Combine job on real files in a temporary folder, driven by a scripted host.
#pragma once

#include "combine/combine_engine.h"
#include "combine/parts_report.h"
#include "settings/settings.h"
#include "support/piece_sets.h"
#include "support/scripted_host.h"
#include "support/temp_files.h"

namespace tsl::test {

struct CombineJob {
    TempFolder folder;
    Settings settings;
    ScriptedHost host;

    CombineJob() { settings.WipeOnDel = false; }

    // Writes a piece set into the folder; returns the whole file's bytes.
    QByteArray pieces(const PieceSetLayout& layout) { return writePieceSet(folder, layout); }

    // Combines entries of the folder, output into outDir (the folder by default).
    CombineOutcome run(const QStringList& entries, const QString& outDir = QString())
    {
        return runWith(host, entries, outDir);
    }

    // The same through another host (one that acts on the files meanwhile).
    CombineOutcome runWith(Host& other, const QStringList& entries,
                           const QString& outDir = QString())
    {
        return runCombine({entries, folder.dir(), outDir.isEmpty() ? folder.dir() : outDir},
                          settings, other);
    }

    // The parts reports put to the user, each as "Mode: message".
    QStringList reported() const
    {
        QStringList out;
        for (const PartsReport& r : host.reports)
            out << modeWord(r.mode) + ": " + r.message;
        return out;
    }
};

}  // namespace tsl::test
