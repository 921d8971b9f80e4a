#include "settings/answer_memo.h"

namespace tsl {

Answer AnswerMemo::ask(Ask kind, const QString& text, Buttons buttons, Icon icon,
                       Answer defaultAnswer)
{
    if (kind == Ask::RuntimeError)
        return inner_.ask(kind, text, buttons, icon, defaultAnswer);
    const QString key = QString::number(int(buttons)) + QLatin1Char('|') + text;
    const auto known = answers_.constFind(key);
    if (known != answers_.constEnd())
        return *known;
    const Answer a = inner_.ask(kind, text, buttons, icon, defaultAnswer);
    answers_.insert(key, a);
    return a;
}

}  // namespace tsl
