#include "combine/frmMsg.h"

#include "combine/parts_report.h"
#include "core/texts.h"
#include "widgets/gui_message_box.h"
#include "widgets/gui_wait_pointer.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

namespace tsl {

namespace {

// The distances of the layout are in twips; 15 twips make a pixel.
constexpr int px(int twips)
{
    return twips / 15;
}

constexpr int Margin = px(240);  // around the icon, label and buttons
constexpr int RowGap = px(120);  // between the two button rows and the columns
constexpr int IconSize = 32;
constexpr int MinInnerWidth = px(7200);
constexpr int MinButtonWidth = px(1800);
constexpr int MinButtonHeight = px(375);
// The window ended 675 twips below the lowest buttons, counting its title bar
// and lower frame (about 450 twips); the client area keeps the rest.
constexpr int BottomMargin = px(675 - 450);
// Taller lists scroll inside the label's place rather than outgrow the screen.
constexpr int MaxLabelHeight = px(6000);

}  // namespace

frmMsg::frmMsg(const PartsReport& report, QWidget* parent, StatusSink status)
    : QDialog(parent), report_(report), status_(std::move(status))
{
    setObjectName(QStringLiteral("frmMsg"));
    createControls();
    Form_Load();
    arrange();
}

void frmMsg::createControls()
{
    auto button = [this](const char* name, auto handler) {
        auto* b = new QPushButton(this);
        b->setObjectName(QString::fromLatin1(name));
        connect(b, &QPushButton::clicked, this, handler);
        return b;
    };
    imgIcon = new QLabel(this);
    imgIcon->setObjectName(QStringLiteral("imgIcon"));
    scrLabel = new QScrollArea(this);
    scrLabel->setFrameShape(QFrame::NoFrame);
    scrLabel->setFocusPolicy(Qt::NoFocus);
    scrLabel->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lblLabel = new QLabel;
    lblLabel->setObjectName(QStringLiteral("lblLabel"));
    lblLabel->setTextFormat(Qt::PlainText);  // a file name is never markup
    lblLabel->setWordWrap(true);
    lblLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    scrLabel->setWidget(lblLabel);
    cmdCombine = button("cmdCombine", [this] { answerWith(ReportAnswer::Combine); });
    cmdExclude = button("cmdExclude", [this] { answerWith(ReportAnswer::Exclude); });
    cmdSkip = button("cmdSkip", [this] { answerWith(ReportAnswer::Skip); });
    cmdCancel = button("cmdCancel", [this] { answerWith(ReportAnswer::Cancel); });
    cmdCopy = button("cmdCopy", [this] { cmdCopy_Click(); });
    cmdSave = button("cmdSave", [this] { cmdSave_Click(); });
}

void frmMsg::Form_Load()
{
    const ReportCaptions c = reportCaptions(report_.mode, report_.message);
    setWindowTitle(c.title);
    cmdCombine->setText(c.combine);
    cmdExclude->setText(c.exclude);
    cmdSkip->setText(c.skip);
    cmdCancel->setText(c.cancel);
    cmdCopy->setText(c.copy);
    cmdSave->setText(c.save);
    cmdCopy->setToolTip(c.copyTip);
    cmdSave->setToolTip(c.saveTip);
    cmdSkip->setEnabled(skipOffered(report_));
    imgIcon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(IconSize));
    QString shown = report_.message;
    lblLabel->setText(shown.replace(CrLf, QStringLiteral("\n")));
    answer_ = ReportAnswer::Cancel;
}

// Icon top left, the message beside it (centred on the icon when it is lower),
// two rows of three buttons below whichever reaches further down.
void frmMsg::arrange()
{
    QPushButton* const rows[2][3] = {{cmdCombine, cmdExclude, cmdSkip},
                                     {cmdCopy, cmdSave, cmdCancel}};
    QSize button(MinButtonWidth, MinButtonHeight);
    for (const auto& row : rows) {
        for (QPushButton* b : row)
            button = button.expandedTo(b->sizeHint() + QSize(px(240), 0));
    }
    const int innerWidth = std::max(MinInnerWidth, 2 * Margin + 3 * button.width() + 2 * RowGap);

    imgIcon->setGeometry(Margin, Margin, IconSize, IconSize);
    const int labelLeft = Margin + IconSize + Margin;
    int labelWidth = innerWidth - labelLeft - Margin;
    int labelHeight = lblLabel->heightForWidth(labelWidth);
    int areaHeight = labelHeight;
    if (labelHeight > MaxLabelHeight) {
        labelWidth -= scrLabel->verticalScrollBar()->sizeHint().width();
        labelHeight = lblLabel->heightForWidth(labelWidth);
        areaHeight = MaxLabelHeight;
    }
    lblLabel->resize(labelWidth, labelHeight);
    int buttonsTop;
    if (areaHeight < IconSize) {
        scrLabel->setGeometry(labelLeft, Margin + (IconSize - areaHeight) / 2,
                              innerWidth - labelLeft - Margin, areaHeight);
        buttonsTop = Margin + IconSize + Margin;
    } else {
        scrLabel->setGeometry(labelLeft, Margin, innerWidth - labelLeft - Margin, areaHeight);
        buttonsTop = Margin + areaHeight + Margin;
    }
    for (int r = 0; r < 2; ++r) {
        const int top = buttonsTop + r * (button.height() + RowGap);
        for (int col = 0; col < 3; ++col) {
            rows[r][col]->setGeometry(Margin + col * (button.width() + RowGap), top, button.width(),
                                      button.height());
        }
    }
    setFixedSize(innerWidth, cmdCopy->geometry().bottom() + 1 + BottomMargin);
}

void frmMsg::answerWith(ReportAnswer answer)
{
    answer_ = answer;
    accept();
}

void frmMsg::cmdCopy_Click()
{
    WaitPointer wait(QEventLoop::AllEvents);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(listText(report_));
}

void frmMsg::cmdSave_Click()
{
    const QString path = listFilePath(report_);
    if (QFileInfo::exists(path) || QFileInfo(path).isSymLink()) {
        if (showMessage(this, replaceListText(path), Buttons::YesNo, Icon::Question, Answer::No)
            != Answer::Yes)
            return;
    }
    RunError error;
    {
        WaitPointer wait(QEventLoop::AllEvents);
        error = saveList(report_);
    }
    if (error.failed())
        QMessageBox::warning(this, AppTitle, saveFailedText(path, error));
    else if (status_)
        status_(listSavedText(path));
}

ReportAnswer showPartsReport(const PartsReport& report, QWidget* parent, frmMsg::StatusSink status)
{
    // The report is a question: the normal pointer over it, whatever the caller shows.
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    frmMsg dialog(report, parent, std::move(status));
    dialog.exec();
    QApplication::restoreOverrideCursor();
    return dialog.answer();
}

}  // namespace tsl
