// Shared set-up of the Append tests: a folder of real files, a request over
// it, small chunks, and a host whose questions and event pumps can act.
#pragma once

#include "append/append_engine.h"
#include "support/scripted_host.h"
#include "support/temp_files.h"

#include <functional>
#include <gtest/gtest.h>

namespace tsl::test {

// A scripted host that runs onAsk after each question is answered and
// onTotal at every step of the whole-job progress line (its 1-based count given).
struct ActingHost : ScriptedHost {
    std::function<void()> onAsk;
    std::function<void(int)> onTotal;

    Answer ask(Ask kind, const QString& text, Buttons buttons, Icon icon,
               Answer defaultAnswer) override
    {
        const Answer given = ScriptedHost::ask(kind, text, buttons, icon, defaultAnswer);
        if (onAsk)
            onAsk();
        return given;
    }
    void progress(Panel panel, Line line, const QString& caption, double value,
                  double maximum) override
    {
        ScriptedHost::progress(panel, line, caption, value, maximum);
        if (line == Line::Total && onTotal)
            onTotal(totalUpdates);
    }
};

struct AppendFixture : ::testing::Test {
    TempFolder folder;
    Settings settings;

    AppendFixture() { settings.ChunkSize = 10000; }

    AppendRequest request(const QStringList& entries, const QString& target = "out.bin") const
    {
        return {entries, folder.dir(), folder.dir(), target, "  " + folder.dir() + " "};
    }
    AppendOutcome run(const QStringList& entries, ScriptedHost& host,
                      const QString& target = "out.bin") const
    {
        return runAppend(request(entries, target), settings, host);
    }
};

}  // namespace tsl::test
