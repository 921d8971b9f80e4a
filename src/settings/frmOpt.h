// frmOpt, the options dialog: every setting on four pages (Combine, Split,
// Append / Misc, Directories) and the choice of store (tsl.ini beside the
// program or the per-user store). It loads the settings when it is made, and
// OK writes every value (moving them to the chosen store first when the
// store changes), reloads them and closes; Cancel writes nothing.
//
// For the main window (cmdOpt_Click):
//   frmOpt dlg(settings, store, host, page, this, DriveMap::system(), registration.hook());
//   dlg.exec();              // Accepted when OK wrote the settings
//   dlg.reloadAfterClose();  // the window's own reload, after OK and after Cancel
// then re-apply: the tooltips (SetTTs); cmdBrowse(1) enabled when SameDir is
// off; cmdBrowse(3) enabled when SplitSameDir is off; the list font
// (ListFontSize); and, with one file chosen for Split, the Split summary and
// the extract range, only while that file still exists.
#pragma once

#include "settings/answer_memo.h"
#include "settings/directory_check.h"
#include "settings/load_reg.h"
#include "settings/setting_keys.h"

#include <QDialog>
#include <memory>

namespace Ui {
class frmOpt;
}
class QAbstractButton;
class QLineEdit;
class QScreen;

namespace tsl {

class SettingsStore;

class frmOpt : public QDialog {
    Q_OBJECT
public:
    // page: the page to open on, 0 Combine, 1 Split, 2 Append / Misc,
    // 3 Directories. Messages of the loads go through host, each asked once
    // in the dialog's life; checkAssoc is the desktop registration the loads
    // end with (none: nothing is registered).
    frmOpt(Settings& settings, SettingsStore& store, Host& host, int page,
           QWidget* parent = nullptr, DriveMap drives = DriveMap::system(),
           AssocHook checkAssoc = {});
    ~frmOpt() override;

    // LoadReg once more, through the same once-only messages.
    LoadOutcome reloadAfterClose();

    // The values OK writes, in its order, as the fields hold them now.
    QList<StoredValue> dialogTexts() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    // Each page in a scroll area, the dialog no larger than the screen.
    void scrollPages();
    void fitToScreen(const QScreen* screen);
    void showSettings();
    void setDependencies();
    void offerNamedSizes();
    double typedSize() const;
    void optSize_Click(int index);
    void txtChunk_LostFocus();
    void cmdBrowse_Click(int index);
    void cmdOk_Click();
    bool piecesAccepted();
    LoadOutcome reload();

    std::unique_ptr<Ui::frmOpt> ui;
    Settings& settings_;
    SettingsStore& store_;
    AnswerMemo host_;
    DriveMap drives_;
    AssocHook checkAssoc_;
    int currentUnit_ = 0;
    int previousUnit_ = 0;
    QList<QAbstractButton*> optMiss, optExtra, optExist, optNames, optSize;
    QList<QLineEdit*> txtDir;
};

}  // namespace tsl
