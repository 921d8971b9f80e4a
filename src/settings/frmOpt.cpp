#include "settings/frmOpt.h"

#include "core/texts.h"
#include "settings/named_sizes.h"
#include "settings/settings_store.h"
#include "settings/value_conversion.h"
#include "ui_frmOpt.h"
#include "widgets/gui_folder_dialog.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <cmath>

namespace tsl {

namespace {

int checkedIndex(const QList<QAbstractButton*>& group)
{
    for (int i = 0; i < group.size(); ++i) {
        if (group[i]->isChecked())
            return i;
    }
    return 0;
}

void check(const QList<QAbstractButton*>& group, int index)
{
    if (index >= 0 && index < group.size())
        group[index]->setChecked(true);
}

QString checkText(const QAbstractButton* box)
{
    return truthText(box->isChecked());
}

// Room a window manager takes around a dialog: a title bar and a thin frame.
constexpr int TitleBar = 40;
constexpr int Frame = 8;

// A page in a scroll area that asks for the page's whole size, yet lets the
// dialog be lower than that on a low or scaled screen: the page scrolls then.
class PageArea : public QScrollArea {
public:
    explicit PageArea(QWidget* page)
    {
        setObjectName(page->objectName() + QStringLiteral("_area"));
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(true);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        // The tab page's own background shows through.
        viewport()->setAutoFillBackground(false);
        setWidget(page);
        page->setAutoFillBackground(false);
    }

    QSize sizeHint() const override { return widget()->sizeHint(); }

    QSize minimumSizeHint() const override
    {
        // Four lines and the scroll bar, wide enough not to scroll sideways.
        const int scrollBar = verticalScrollBar()->sizeHint().width();
        return {widget()->minimumSizeHint().width() + scrollBar,
                4 * fontMetrics().height() + scrollBar};
    }
};

}  // namespace

frmOpt::frmOpt(Settings& settings, SettingsStore& store, Host& host, int page, QWidget* parent,
               DriveMap drives, AssocHook checkAssoc)
    : QDialog(parent), ui(std::make_unique<Ui::frmOpt>()), settings_(settings), store_(store),
      host_(host), drives_(std::move(drives)), checkAssoc_(std::move(checkAssoc))
{
    ui->setupUi(this);
    optMiss = {ui->optMiss_0, ui->optMiss_1, ui->optMiss_2};
    optExtra = {ui->optExtra_0, ui->optExtra_1};
    optExist = {ui->optExist_0, ui->optExist_1, ui->optExist_2};
    optNames = {ui->optNames_0, ui->optNames_1};
    optSize = {ui->optSize_0, ui->optSize_1, ui->optSize_2};
    txtDir = {ui->txtDir_0, ui->txtDir_1, ui->txtDir_2};
    // The typed part size goes by the field's own name, like every text box.
    ui->txtSize->lineEdit()->setObjectName(QStringLiteral("txtSize"));
    offerNamedSizes();

    for (QCheckBox* box : {ui->chkAssoc, ui->chkCombDirSame, ui->chkSearch, ui->chkExist,
                           ui->chkPSizeC, ui->chkSplitDirSame, ui->chkPieces})
        connect(box, &QAbstractButton::toggled, this, &frmOpt::setDependencies);
    for (int i = 0; i < optSize.size(); ++i)
        connect(optSize[i], &QAbstractButton::clicked, this, [this, i] { optSize_Click(i); });
    const QList<QPushButton*> browse{ui->cmdBrowse_0, ui->cmdBrowse_1, ui->cmdBrowse_2};
    for (int i = 0; i < browse.size(); ++i)
        connect(browse[i], &QPushButton::clicked, this, [this, i] { cmdBrowse_Click(i); });
    connect(ui->cmdOk, &QPushButton::clicked, this, &frmOpt::cmdOk_Click);
    connect(ui->cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    for (QLineEdit* field : QList<QLineEdit*>{ui->txtChunk, ui->txtPieces} + txtDir)
        field->installEventFilter(this);
    // The combo box takes the focus for its text box.
    ui->txtSize->installEventFilter(this);

    Form_Load();
    scrollPages();
    ui->tbsOpt->setCurrentIndex(qBound(0, page, ui->tbsOpt->count() - 1));
    fitToScreen(parent ? parent->screen() : QGuiApplication::primaryScreen());
}

void frmOpt::scrollPages()
{
    QTabWidget* tabs = ui->tbsOpt;
    for (int i = 0; i < tabs->count(); ++i) {
        QWidget* page = tabs->widget(i);
        const QString title = tabs->tabText(i);
        const QString tip = tabs->tabToolTip(i);
        tabs->removeTab(i);
        tabs->insertTab(i, new PageArea(page), title);
        tabs->setTabToolTip(i, tip);
    }
}

void frmOpt::fitToScreen(const QScreen* screen)
{
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    resize(sizeHint().boundedTo(QSize(room.width() - 2 * Frame, room.height() - TitleBar - Frame)));
}

frmOpt::~frmOpt() = default;

void frmOpt::Form_Load()
{
    reload();
    showSettings();
    setDependencies();
    (store_.UseIni ? ui->optRI_1 : ui->optRI_0)->setChecked(true);
}

void frmOpt::showSettings()
{
    const Settings& s = settings_;
    const std::pair<QAbstractButton*, bool> boxes[] = {
        {ui->chkAssoc, s.CombineAssoc},
        {ui->chkAuto, s.CombineAuto},
        {ui->chkFixExt, s.FixExt},
        {ui->chkCTool, s.ShowTipsC},
        {ui->chkCombDirSame, s.SameDir},
        {ui->chkUnder, s.UnderPeriod},
        {ui->chkCombRem, s.CombineRemember},
        {ui->chkCombDel, s.CombineDelete},
        {ui->chkSearch, s.SearchExtra},
        {ui->chkAssocSplit, s.AssocSplit},
        {ui->chkSTool, s.ShowTipsS},
        {ui->chkBat, s.SplitBat},
        {ui->chk000, s.Split000},
        {ui->chkChecksums, s.Checksums},
        {ui->chkExist, s.SearchExist},
        {ui->chkSplitDel, s.SplitDelete},
        {ui->chkSplitRem, s.SplitRemember},
        {ui->chkSplitDirSame, s.SplitSameDir},
        {ui->chkAutoClose, s.AutoClose},
        {ui->chkPSizeP, s.PSizePrompt},
        {ui->chkPSizeC, s.PSizeCheck},
        {ui->chkSendTo, s.AssocSendTo},
        {ui->chkWipe, s.WipeOnDel},
        {ui->chkATool, s.ShowTipsA},
        {ui->chkAppendDel, s.AppendDelete},
    };
    for (const auto& [box, on] : boxes)
        box->setChecked(on);
    check(optMiss, s.MissingParts);
    check(optExtra, s.ExtraParts);
    check(optExist, s.PartsExist);
    check(optNames, s.SplitFileNames);
    check(optSize, s.SplitUnits);
    currentUnit_ = previousUnit_ = s.SplitUnits;
    ui->txtSize->setEditText(dialogNumberText(s.SplitSize / std::pow(1024.0, s.SplitUnits)));
    ui->chkPieces->setChecked(s.SplitMode == 1);
    ui->txtPieces->setText(QString::number(s.SplitPieces));
    ui->txtChunk->setText(QString::number(s.ChunkSize));
    ui->txtPart->setText(QString::number(s.HighPart));
    txtDir[0]->setText(s.InitCombineDir);
    txtDir[1]->setText(s.InitSplitDir);
    txtDir[2]->setText(s.InitAppendDir);
}

void frmOpt::setDependencies()
{
    ui->chkAuto->setEnabled(ui->chkAssoc->isChecked());
    ui->chkCombRem->setEnabled(!ui->chkCombDirSame->isChecked());
    ui->fmeExtra->setEnabled(ui->chkSearch->isChecked());
    ui->fmeExist->setEnabled(ui->chkExist->isChecked());
    ui->chkPSizeP->setEnabled(ui->chkPSizeC->isChecked());
    ui->chkSplitRem->setEnabled(!ui->chkSplitDirSame->isChecked());
    // A number of pieces gives every file its own part size.
    const bool byCount = ui->chkPieces->isChecked();
    for (QWidget* w : {static_cast<QWidget*>(ui->lblLabel_0), static_cast<QWidget*>(ui->txtSize),
                       static_cast<QWidget*>(ui->fmeUnits)})
        w->setEnabled(!byCount);
    ui->txtPieces->setEnabled(byCount);
}

// The common limits, listed under the part size; choosing one shows its
// bytes, whatever unit was selected.
void frmOpt::offerNamedSizes()
{
    const QLocale locale;
    for (const NamedSize& n : namedSizes()) {
        ui->txtSize->addItem(
            SettingsText::tr("%1 - %2 (%3 bytes)")
                .arg(QLatin1String(n.name), SettingsText::tr(n.what), locale.toString(n.bytes)),
            n.bytes);
    }
    connect(ui->txtSize, &QComboBox::activated, this, [this](int index) {
        optSize[0]->setChecked(true);
        currentUnit_ = 0;
        ui->txtSize->setEditText(QString::number(ui->txtSize->itemData(index).toLongLong()));
    });
}

// The part size as typed, in the selected unit: a number, a size's name, or
// a choice's whole text (the field completes names to it).
double frmOpt::typedSize() const
{
    const QString text = ui->txtSize->currentText();
    const int choice = ui->txtSize->findText(text);
    std::optional<qint64> bytes = namedSize(text);
    if (choice >= 0)
        bytes = ui->txtSize->itemData(choice).toLongLong();
    if (bytes)
        return double(*bytes) / std::pow(1024.0, currentUnit_);
    return leadingNumber(text).value;
}

void frmOpt::optSize_Click(int index)
{
    if (index == currentUnit_)
        return;
    const double v = typedSize();
    ui->txtSize->setEditText(dialogNumberText(v * std::pow(1024.0, currentUnit_ - index)));
    previousUnit_ = currentUnit_;
    currentUnit_ = index;
}

void frmOpt::txtChunk_LostFocus()
{
    QString t = ui->txtChunk->text().trimmed();
    if (leadingNumber(t).value < 1)
        t = QStringLiteral("1000000");
    ui->txtChunk->setText(dialogNumberText(leadingNumber(t).value));
}

bool frmOpt::eventFilter(QObject* watched, QEvent* event)
{
    auto* field =
        watched == ui->txtSize ? ui->txtSize->lineEdit() : qobject_cast<QLineEdit*>(watched);
    if (field && event->type() == QEvent::FocusIn)
        QTimer::singleShot(0, field, &QLineEdit::selectAll);
    if (field == ui->txtChunk && event->type() == QEvent::FocusOut)
        txtChunk_LostFocus();
    return QDialog::eventFilter(watched, event);
}

void frmOpt::cmdBrowse_Click(int index)
{
    const QString titles[] = {SettingsText::tr("Choose the initial Combine folder"),
                              SettingsText::tr("Choose the initial Split folder"),
                              SettingsText::tr("Choose the initial Append folder")};
    const QString dir = BrowseForFolder(this, titles[index], txtDir[index]->text());
    if (!dir.isEmpty())
        txtDir[index]->setText(QDir::toNativeSeparators(dir));
}

QList<StoredValue> frmOpt::dialogTexts() const
{
    const double v = typedSize();
    const QHash<QString, QString> texts = {
        {"CombineAssoc", checkText(ui->chkAssoc)},
        {"CombineAuto", checkText(ui->chkAuto)},
        {"CombineDelete", checkText(ui->chkCombDel)},
        {"CombineRemember", checkText(ui->chkCombRem)},
        {"MissingParts", QString::number(checkedIndex(optMiss))},
        {"ExtraParts", QString::number(checkedIndex(optExtra))},
        {"SearchExtra", checkText(ui->chkSearch)},
        {"UnderPeriod", checkText(ui->chkUnder)},
        {"SameDir", checkText(ui->chkCombDirSame)},
        {"ShowTipsC", checkText(ui->chkCTool)},
        {"FixExt", checkText(ui->chkFixExt)},
        {"AssocSplit", checkText(ui->chkAssocSplit)},
        {"SplitSize", numberText(v * std::pow(1024.0, currentUnit_))},
        {"SplitUnits", QString::number(currentUnit_)},
        {"SplitMode", QString::number(ui->chkPieces->isChecked() ? 1 : 0)},
        {"SplitPieces", ui->txtPieces->text().trimmed()},
        {"PartsExist", QString::number(checkedIndex(optExist))},
        {"SearchExist", checkText(ui->chkExist)},
        {"SplitDelete", checkText(ui->chkSplitDel)},
        {"SplitRemember", checkText(ui->chkSplitRem)},
        {"SplitSameDir", checkText(ui->chkSplitDirSame)},
        {"Split000", checkText(ui->chk000)},
        {"SplitBat", checkText(ui->chkBat)},
        {"Checksums", checkText(ui->chkChecksums)},
        {"SplitFileNames", QString::number(checkedIndex(optNames))},
        {"ShowTipsS", checkText(ui->chkSTool)},
        {"AssocSendTo", checkText(ui->chkSendTo)},
        {"AppendDelete", checkText(ui->chkAppendDel)},
        {"PSizeCheck", checkText(ui->chkPSizeC)},
        {"PSizePrompt", checkText(ui->chkPSizeP)},
        {"ShowTipsA", checkText(ui->chkATool)},
        {"WipeOnDel", checkText(ui->chkWipe)},
        {"ChunkSize", ui->txtChunk->text().trimmed()},
        {"HighPart", ui->txtPart->text().trimmed()},
        {"AutoClose", checkText(ui->chkAutoClose)},
        {"InitCombineDir", txtDir[0]->text().trimmed()},
        {"InitSplitDir", txtDir[1]->text().trimmed()},
        {"InitAppendDir", txtDir[2]->text().trimmed()},
    };
    // The keys, sections and order of the store's own list; the texts the fields'.
    QList<StoredValue> values = dialogValues(settings_);
    for (StoredValue& v : values)
        v.text = texts.value(v.key, v.text);
    return values;
}

void frmOpt::cmdOk_Click()
{
    // Enter presses OK without leaving the chunk-size field.
    if (ui->txtChunk->hasFocus())
        txtChunk_LostFocus();
    if (!piecesAccepted())
        return;
    const bool useIni = ui->optRI_1->isChecked();
    const StoreSwitch moved = switchStore(store_, useIni, dialogTexts());
    if (!moved.ok()) {
        const QString file = QDir::toNativeSeparators(moved.file);
        QMessageBox::warning(
            this, AppTitle,
            moved.written
                ? SettingsText::tr("The settings were written, but %1 could not be removed, so it "
                                   "would still be used.")
                        .arg(file)
                    + CrLf2 + SettingsText::tr("Remove it, or choose that store again.")
                : SettingsText::tr("The settings could not be written to %1.").arg(file) + CrLf2
                    + SettingsText::tr(
                        "Nothing was changed: TSL keeps its settings where they were."));
        return;
    }
    reload();
    accept();
}

// A number of pieces outside its range rule is refused with the rule, and
// the field keeps the focus; it is checked only while it is in use.
bool frmOpt::piecesAccepted()
{
    if (!ui->chkPieces->isChecked())
        return true;
    const SettingRange& r = *settingRange(QStringLiteral("SplitPieces"));
    bool whole = false;
    const qint64 n = ui->txtPieces->text().trimmed().toLongLong(&whole);
    if (whole && n >= r.low && n <= r.high)
        return true;
    QMessageBox::information(this, AppTitle,
                             SettingsText::tr("The number of pieces takes a whole number from %1 "
                                              "to %2.")
                                 .arg(qint64(r.low))
                                 .arg(qint64(r.high)));
    ui->tbsOpt->setCurrentIndex(1);  // the Split page (its tab holds the page's scroll area)
    ui->txtPieces->setFocus();
    return false;
}

LoadOutcome frmOpt::reload()
{
    return LoadReg(settings_, store_, host_, drives_, checkAssoc_);
}

LoadOutcome frmOpt::reloadAfterClose()
{
    return reload();
}

}  // namespace tsl
