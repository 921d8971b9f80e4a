// The main window's tooltips: one table of texts, and SetTTs,
// which shows or clears them per mode as ShowTipsC, ShowTipsS and ShowTipsA
// say.
//
// Controls are found by object name under the root widget: a member of a
// control array with index i is named "<name>_<i>" (txtFile_0, cmdBrowse_3),
// a single control keeps its plain name (cmdSplit). The tabs are found
// through the tab strip "tbsSplit" (a QTabWidget or a QTabBar) and their
// captions "Co&mbine", "&Split" and "A&ppend". Controls missing under the
// root are skipped; controls of no mode (txtDir_0, the tab strip itself,
// the status bar) are never touched.
#pragma once

#include "settings/settings.h"

#include <QString>
#include <vector>

class QWidget;

namespace tsl {

struct TipRecord {
    QString Name;       // a control name or a tab caption
    qint16 Index = -1;  // the control-array index, -1 for a single control or a tab
    QString Tip;
};

// The tip table, in its order, in the language installed now (texts are
// translated when asked for, so a change of language never leaves old ones).
std::vector<TipRecord> LoadTTs();

// The tip of the first record whose name equals `name` (letter case ignored)
// and whose index equals `index`; empty when none does.
QString GetTT(const QString& name, int index);

// Applies the tips to every control and tab of the window under root: a
// control of a mode whose setting is on shows its tip (empty when it has no
// record); a control of a mode whose setting is off shows none.
void SetTTs(QWidget* root, const Settings& settings);

}  // namespace tsl
