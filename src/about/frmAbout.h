// The about box: the program's name, its version (major.minor.revision from
// the build, e.g. 25.8.2), a one-line description and a credits line; OK,
// Enter, Escape or the window frame close it. Laid out in frmAbout.ui.
#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class frmAbout;
}

namespace tsl {

class frmAbout : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(QWidget* parent = nullptr);
    ~frmAbout() override;

    // The version line: the three numbers of the build's version, each as
    // plain decimal (never zero-padded), and the credits suffix.
    static QString versionLine();

private:
    void Form_Load();
    void cmdOk_Click();

    std::unique_ptr<Ui::frmAbout> ui;
};

// Shows the about box modally over parent; returns when it is closed.
void showAbout(QWidget* parent);

}  // namespace tsl
