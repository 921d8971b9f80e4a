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

std::vector<TipRecord> buildTable()
{
    const QString about = SettingsText::tr("Display About dialog...");
    const QString options = SettingsText::tr("Set program options...");
    const QString close = SettingsText::tr("Close program.");
    const QString files = SettingsText::tr("Browse for file(s)...");
    const QString folder = SettingsText::tr("Browse for directory...");
    const QString normal =
        SettingsText::tr("Leave these values at 0 if you want to split a file the \"normal\" way.");
    return {
        {"cmdAbout", 0, about},
        {"cmdOpt", 0, options},
        {"cmdClose", 0, close},
        {"cmdCombine", -1, SettingsText::tr("Combine files.")},
        {"cmdBrowse", 1, folder},
        {"cmdBrowse", 0, files},
        {"cmdBrowse", 2, files},
        {"cmdBrowse", 3, folder},
        {"cmdSplit", -1, SettingsText::tr("Split files.")},
        {"cmdClose", 1, close},
        {"cmdOpt", 1, options},
        {"cmdAbout", 1, about},
        {"cmdUp", 1, SettingsText::tr("Click to increase the font size in the file lists.")},
        {"cmdDown", 1, SettingsText::tr("Click to decrease the font size in the file lists.")},
        {"cmdDown", 0,
         SettingsText::tr("Click to move the selected file down in the append order.")},
        {"cmdRem", 0, SettingsText::tr("Click to remove all files from list.")},
        {"cmdRem", 1, SettingsText::tr("Click to remove selected file(s) from list.")},
        {"cmdAdd", 1, SettingsText::tr("Click to move selected file(s) to list.")},
        {"cmdAdd", 0, SettingsText::tr("Click to move all files to list.")},
        {"cmdUp", 0, SettingsText::tr("Click to move the selected file up in the append order.")},
        {"lstFrom", -1,
         SettingsText::tr(
             "Click the buttons to the right (or drag) to move files to the other box.")},
        {"txtDir", 2, SettingsText::tr("Click the Browse button to choose a directory.")},
        {"cmdBrowse", 5, folder},
        {"cmdAppend", -1, SettingsText::tr("Append files.")},
        {"txtFile", 2,
         SettingsText::tr(
             "Either a) enter or browse for an existing file; or, b) enter a nonexistent filename "
             "to use for the resulting file.")},
        {"cmdBrowse", 4, files},
        {"cmdClose", 2, close},
        {"cmdOpt", 2, options},
        {"cmdAbout", 2, about},
        {"lblFileDir", -1, SettingsText::tr("Double-click to change the \"Save In\" directory.")},
        {tabCaption("Co&mbine"), -1,
         SettingsText::tr("Combine files - this is specifically for sequentially-numbered parts.")},
        {tabCaption("&Split"), -1,
         SettingsText::tr("Split files into sequentially-numbered pieces.")},
        {tabCaption("A&ppend"), -1,
         SettingsText::tr("Concatenate files or append files to the end of another file.")},
        {"lblFrom", -1, SettingsText::tr("Double-click to refresh the list of files.")},
        {"txtStart", -1, normal},
        {"txtEnd", -1, normal},
        {"lblSplitBy", -1,
         SettingsText::tr(
             "Set on the Split page of the options: pieces of one part size, or a number of "
             "pieces, for which every file gets its own part size (its length divided by that "
             "number, rounded up).")},
    };
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

const std::vector<TipRecord>& LoadTTs()
{
    static const std::vector<TipRecord> table = buildTable();
    return table;
}

QString GetTT(const QString& name, int index)
{
    for (const TipRecord& r : LoadTTs()) {
        if (!r.Name.isEmpty() && r.Index == index && r.Name.compare(name, Qt::CaseInsensitive) == 0)
            return r.Tip;
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
