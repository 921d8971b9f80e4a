// A host that passes everything on to another but asks each message or
// question only once: the options dialog reloads the settings up to three
// times around one use, and a missing initial directory is asked about once,
// the later loads taking the first answer. Run-time error questions are
// always asked.
#pragma once

#include "core/host.h"

#include <QHash>

namespace tsl {

class AnswerMemo : public Host {
public:
    explicit AnswerMemo(Host& inner) : inner_(inner) {}

    void status(const QString& text) override { inner_.status(text); }
    void progress(Panel panel, Line line, const QString& caption, double value,
                  double maximum) override
    {
        inner_.progress(panel, line, caption, value, maximum);
    }
    Answer ask(Ask kind, const QString& text, Buttons buttons, Icon icon,
               Answer defaultAnswer) override;
    std::optional<QString> input(Prompt kind, const QString& prompt,
                                 const QString& defaultText) override
    {
        return inner_.input(kind, prompt, defaultText);
    }
    ReportAnswer report(const PartsReport& report) override { return inner_.report(report); }

private:
    Host& inner_;
    QHash<QString, Answer> answers_;
};

}  // namespace tsl
