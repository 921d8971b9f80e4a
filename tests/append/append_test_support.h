// Shared set-up of the Append tests: a folder of real files, a request over
// it, small chunks, and a host whose questions and event pumps can act.
#pragma once

#include "append/append_engine.h"
#include "support/scripted_host.h"
#include "support/temp_files.h"

#include <functional>

namespace tsl::test {

// A scripted host that runs onAsk after each question is answered and
// onPump at every event pump (the 1-based pump count given).
class ActingHost : public ScriptedHost
{
public:
    std::function<void()> onAsk;
    std::function<void(int)> onPump;

    Answer ask(const QString& text, Buttons buttons, Icon icon, Answer defaultAnswer) override
    {
        const Answer given = ScriptedHost::ask(text, buttons, icon, defaultAnswer);
        if (onAsk)
            onAsk();
        return given;
    }
    void pumpEvents() override
    {
        ScriptedHost::pumpEvents();
        if (onPump)
            onPump(pumps);
    }
};

class AppendFixture
{
public:
    AppendFixture() { settings.ChunkSize = 10000; }

    AppendRequest request(
        const QStringList& entries, const QString& target = QStringLiteral("out.bin")) const
    {
        AppendRequest r;
        r.AppendSrcDir = folder.dir();
        r.entries = entries;
        r.AppendOutDir = folder.dir();
        r.AppendFile = target;
        r.dirText = QStringLiteral("  ") + folder.dir() + QStringLiteral(" ");
        return r;
    }
    AppendOutcome run(const QStringList& entries, ScriptedHost& host,
        const QString& target = QStringLiteral("out.bin")) const
    {
        return appendFiles(request(entries, target), settings, nullptr, host);
    }

    TempFolder folder;
    Settings settings;
};

}  // namespace tsl::test
