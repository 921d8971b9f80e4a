#include "mainwindow/gui_tooltips.h"
#include "core/texts.h"

#include <QTabBar>
#include <QTabWidget>
#include <QWidget>

namespace tsl {

namespace {

enum class Mode { Combine, Split, Append };

struct Control {
    const char* name;
    int index;  // -1: a single control
};

// The controls of each mode, as the window's form defines them.
constexpr Control kCombineControls[] = {
    {"cmdAbout", 0}, {"cmdOpt", 0},    {"cmdClose", 0},  {"cmdCombine", -1}, {"pbrTotal", 0},
    {"pbrPart", 0},  {"cmdBrowse", 0}, {"cmdBrowse", 1}, {"txtFile", 0},     {"lblTotal", 0},
    {"lblPart", 0},  {"lblLabel", 0},  {"lblLabel", 1},
};
constexpr Control kSplitControls[] = {
    {"fmeExt", -1},     {"vsbStart", -1}, {"vsbEnd", -1},   {"txtStart", -1}, {"txtEnd", -1},
    {"lblLabel", 2},    {"lblLabel", 3},  {"lblLabel", 6},  {"txtFile", 1},   {"txtDir", 1},
    {"cmdBrowse", 2},   {"cmdBrowse", 3}, {"cmdSplit", -1}, {"cmdClose", 1},  {"cmdOpt", 1},
    {"cmdAbout", 1},    {"pbrTotal", 1},  {"pbrPart", 1},   {"lblPart", 1},   {"lblTotal", 1},
    {"lblSplitBy", -1},
};
constexpr Control kAppendControls[] = {
    {"cmdUp", 0},    {"cmdUp", 1},       {"cmdDown", 0},   {"cmdDown", 1},   {"cmdRem", 0},
    {"cmdRem", 1},   {"cmdAdd", 0},      {"cmdAdd", 1},    {"lstFrom", -1},  {"lstTo", -1},
    {"txtDir", 2},   {"txtFile", 2},     {"cmdBrowse", 4}, {"cmdBrowse", 5}, {"cmdAppend", -1},
    {"cmdClose", 2}, {"cmdOpt", 2},      {"cmdAbout", 2},  {"pbrTotal", 2},  {"lblFrom", -1},
    {"lblTo", -1},   {"lblFileDir", -1}, {"lblLabel", 4},  {"lblLabel", 5},  {"lblTotal", 2},
};

// A tab's caption as the window shows it, in the user's language.
QString tabCaption(const char* caption)
{
    return QCoreApplication::translate("frmMain", caption);
}

// The tip table in its source texts. Names and tips are translated where
// they are used, so a language installed later in the process shows at once.
struct TipSource {
    const char* name;  // a control name, or a tab's caption in context frmMain
    qint16 index;
    const char* tip;
    bool tab = false;
};

constexpr const char* About = QT_TRANSLATE_NOOP("Settings", "Display About dialog...");
constexpr const char* Options = QT_TRANSLATE_NOOP("Settings", "Set program options...");
constexpr const char* Close = QT_TRANSLATE_NOOP("Settings", "Close program.");
constexpr const char* Files = QT_TRANSLATE_NOOP("Settings", "Browse for file(s)...");
constexpr const char* Folder = QT_TRANSLATE_NOOP("Settings", "Browse for directory...");
constexpr const char* Normal = QT_TRANSLATE_NOOP(
    "Settings", "Leave these values at 0 if you want to split a file the \"normal\" way.");

constexpr TipSource kTips[] = {
    {"cmdAbout", 0, About},
    {"cmdOpt", 0, Options},
    {"cmdClose", 0, Close},
    {"cmdCombine", -1, QT_TRANSLATE_NOOP("Settings", "Combine files.")},
    {"cmdBrowse", 1, Folder},
    {"cmdBrowse", 0, Files},
    {"cmdBrowse", 2, Files},
    {"cmdBrowse", 3, Folder},
    {"cmdSplit", -1, QT_TRANSLATE_NOOP("Settings", "Split files.")},
    {"cmdClose", 1, Close},
    {"cmdOpt", 1, Options},
    {"cmdAbout", 1, About},
    {"cmdUp", 1,
     QT_TRANSLATE_NOOP("Settings", "Click to increase the font size in the file lists.")},
    {"cmdDown", 1,
     QT_TRANSLATE_NOOP("Settings", "Click to decrease the font size in the file lists.")},
    {"cmdDown", 0,
     QT_TRANSLATE_NOOP("Settings", "Click to move the selected file down in the append order.")},
    {"cmdRem", 0, QT_TRANSLATE_NOOP("Settings", "Click to remove all files from list.")},
    {"cmdRem", 1, QT_TRANSLATE_NOOP("Settings", "Click to remove selected file(s) from list.")},
    {"cmdAdd", 1, QT_TRANSLATE_NOOP("Settings", "Click to move selected file(s) to list.")},
    {"cmdAdd", 0, QT_TRANSLATE_NOOP("Settings", "Click to move all files to list.")},
    {"cmdUp", 0,
     QT_TRANSLATE_NOOP("Settings", "Click to move the selected file up in the append order.")},
    {"lstFrom", -1,
     QT_TRANSLATE_NOOP("Settings",
                       "Click the buttons to the right (or drag) to move files to the other box.")},
    {"txtDir", 2, QT_TRANSLATE_NOOP("Settings", "Click the Browse button to choose a directory.")},
    {"cmdBrowse", 5, Folder},
    {"cmdAppend", -1, QT_TRANSLATE_NOOP("Settings", "Append files.")},
    {"txtFile", 2,
     QT_TRANSLATE_NOOP(
         "Settings",
         "Either a) enter or browse for an existing file; or, b) enter a nonexistent filename "
         "to use for the resulting file.")},
    {"cmdBrowse", 4, Files},
    {"cmdClose", 2, Close},
    {"cmdOpt", 2, Options},
    {"cmdAbout", 2, About},
    {"lblFileDir", -1,
     QT_TRANSLATE_NOOP("Settings", "Double-click to change the \"Save In\" directory.")},
    {"Co&mbine", -1,
     QT_TRANSLATE_NOOP("Settings",
                       "Combine files - this is specifically for sequentially-numbered parts."),
     true},
    {"&Split", -1, QT_TRANSLATE_NOOP("Settings", "Split files into sequentially-numbered pieces."),
     true},
    {"A&ppend", -1,
     QT_TRANSLATE_NOOP("Settings", "Concatenate files or append files to the end of another file."),
     true},
    {"lblFrom", -1, QT_TRANSLATE_NOOP("Settings", "Double-click to refresh the list of files.")},
    {"txtStart", -1, Normal},
    {"txtEnd", -1, Normal},
    {"lblSplitBy", -1,
     QT_TRANSLATE_NOOP(
         "Settings",
         "Set on the Split page of the options: pieces of one part size, or a number of "
         "pieces, for which every file gets its own part size (its length divided by that "
         "number, rounded up).")},
};

TipRecord translated(const TipSource& s)
{
    return {s.tab ? tabCaption(s.name) : QString::fromLatin1(s.name), s.index,
            SettingsText::tr(s.tip)};
}

bool shown(Mode mode, const Settings& s)
{
    switch (mode) {
    case Mode::Combine: return s.ShowTipsC;
    case Mode::Split: return s.ShowTipsS;
    case Mode::Append: return s.ShowTipsA;
    }
    return false;
}

template <std::size_t N>
void applyTo(QWidget* root, const Control (&controls)[N], bool on)
{
    for (const Control& c : controls) {
        const QString name = QString::fromLatin1(c.name);
        const QString objectName = c.index < 0 ? name : name + '_' + QString::number(c.index);
        if (auto* w = root->findChild<QWidget*>(objectName))
            w->setToolTip(on ? GetTT(name, c.index) : QString());
    }
}

void applyToTabs(QTabBar* tabs, const Settings& settings)
{
    for (int i = 0; i < tabs->count(); ++i) {
        const QString caption = tabs->tabText(i);
        Mode mode = Mode::Combine;
        if (caption == tabCaption("&Split"))
            mode = Mode::Split;
        else if (caption == tabCaption("A&ppend"))
            mode = Mode::Append;
        else if (caption != tabCaption("Co&mbine"))
            continue;  // not one of the mode tabs
        tabs->setTabToolTip(i, shown(mode, settings) ? GetTT(caption, -1) : QString());
    }
}

}  // namespace

std::vector<TipRecord> LoadTTs()
{
    std::vector<TipRecord> table;
    for (const TipSource& s : kTips)
        table.push_back(translated(s));
    return table;
}

QString GetTT(const QString& name, int index)
{
    for (const TipSource& s : kTips) {
        if (s.index != index)
            continue;
        const QString sourceName = s.tab ? tabCaption(s.name) : QString::fromLatin1(s.name);
        if (!sourceName.isEmpty() && sourceName.compare(name, Qt::CaseInsensitive) == 0)
            return SettingsText::tr(s.tip);
    }
    return {};
}

void SetTTs(QWidget* root, const Settings& settings)
{
    if (!root)
        return;
    applyTo(root, kCombineControls, settings.ShowTipsC);
    applyTo(root, kSplitControls, settings.ShowTipsS);
    applyTo(root, kAppendControls, settings.ShowTipsA);
    QTabBar* tabs = root->findChild<QTabBar*>(QStringLiteral("tbsSplit"));
    if (!tabs) {
        if (auto* widget = root->findChild<QTabWidget*>(QStringLiteral("tbsSplit")))
            tabs = widget->tabBar();
    }
    if (tabs)
        applyToTabs(tabs, settings);
}

}  // namespace tsl
