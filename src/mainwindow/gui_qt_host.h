// The window's Host: message boxes titled "TSL" with the asked icon, buttons
// and default button, input boxes, the parts report dialog, and the window's
// status panel, progress lines and busy frame. It lives on the window's
// thread; a job on the worker thread reaches it through the job runner.
#pragma once

#include "core/host.h"

class QWidget;

namespace tsl {

class frmMain;

class QtHost : public Host {
public:
    explicit QtHost(frmMain& form);

    void status(const QString& text) override;
    void progress(Panel panel, Line line, const QString& caption, double value,
                  double maximum) override;
    Answer ask(Ask kind, const QString& text, Buttons buttons, Icon icon,
               Answer defaultAnswer) override;
    std::optional<QString> input(Prompt kind, const QString& prompt,
                                 const QString& defaultText) override;
    ReportAnswer report(const PartsReport& report) override;

private:
    frmMain& form_;
};

}  // namespace tsl
