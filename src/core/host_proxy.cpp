#include "core/host_proxy.h"

namespace tsl {

void HostChannel::push(Update update)
{
    if (abandoned_)
        return;
    for (Update& waiting : queue_) {
        if (waiting.kind != update.kind)
            continue;
        if (update.kind == Update::Kind::Status) {
            waiting.text = update.text;
            return;
        }
        if (update.kind == Update::Kind::Progress && waiting.panel == update.panel
            && waiting.line == update.line) {
            if (!update.text.isNull())
                waiting.text = update.text;
            waiting.value = update.value;
            waiting.maximum = update.maximum;
            return;
        }
    }
    queue_.push_back(std::move(update));
    if (!woken_) {
        woken_ = true;
        if (wake)
            wake();
    }
}

void HostChannel::status(const QString& text)
{
    std::lock_guard lock(mutex_);
    push({Update::Kind::Status, Panel::Combine, Line::Part, text});
}

void HostChannel::progress(Panel panel, Line line, const QString& caption, double value,
                           double maximum)
{
    std::lock_guard lock(mutex_);
    push({Update::Kind::Progress, panel, line, caption, value, maximum});
}

void HostChannel::deliver()
{
    std::vector<Update> updates;
    {
        std::lock_guard lock(mutex_);
        if (abandoned_)
            return;
        updates.swap(queue_);
        woken_ = false;
    }
    // Outside the lock: the target may take its time or open a dialog.
    for (const Update& u : updates) {
        switch (u.kind) {
        case Update::Kind::Status: target_.status(u.text); break;
        case Update::Kind::Progress:
            target_.progress(u.panel, u.line, u.text, u.value, u.maximum);
            break;
        }
    }
}

void HostChannel::abandon()
{
    std::lock_guard lock(mutex_);
    abandoned_ = true;
    queue_.clear();
    answered_.notify_all();
}

Answer HostProxy::ask(Ask kind, const QString& text, Buttons buttons, Icon icon,
                      Answer defaultAnswer)
{
    Answer declined = Answer::Ok;
    switch (buttons) {
    case Buttons::Ok: declined = Answer::Ok; break;
    case Buttons::OkCancel: declined = Answer::Cancel; break;
    case Buttons::YesNo: declined = Answer::No; break;
    case Buttons::AbortRetryIgnore: declined = Answer::Abort; break;
    }
    return channel_->blocking<Answer>(
        [=](Host& target) { return target.ask(kind, text, buttons, icon, defaultAnswer); },
        declined);
}

std::optional<QString> HostProxy::input(Prompt kind, const QString& prompt,
                                        const QString& defaultText)
{
    return channel_->blocking<std::optional<QString>>(
        [=](Host& target) { return target.input(kind, prompt, defaultText); }, std::nullopt);
}

ReportAnswer HostProxy::report(const PartsReport& report)
{
    return channel_->blocking<ReportAnswer>(
        [report](Host& target) { return target.report(report); }, ReportAnswer::Cancel);
}

}  // namespace tsl
