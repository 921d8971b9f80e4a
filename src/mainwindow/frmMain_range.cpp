// The Split panel's extract range: each field follows its scroll bar and
// the other way round, typed numbers kept within the piece count.
#include "mainwindow/frmMain.h"

#include "mainwindow/extract_range.h"
#include "ui_frmMain.h"

#include <QScrollBar>

namespace tsl {

void frmMain::loadExtractRange(bool enabled, qint64 pieces)
{
    for (QWidget* w : std::initializer_list<QWidget*>{ui->fmeExt, ui->txtStart, ui->txtEnd,
                                                      lblLabel[6], ui->vsbStart, ui->vsbEnd})
        w->setEnabled(enabled);
    if (!enabled) {
        ui->txtStart->clear();
        ui->txtEnd->clear();
        return;
    }
    // No set has more pieces than an int holds (the names end at 19682).
    const int max = int(qBound(qint64(0), pieces, qint64(1) << 30));
    for (QScrollBar* bar : {ui->vsbStart, ui->vsbEnd}) {
        const QSignalBlocker quiet(bar);
        bar->setRange(0, max);
        bar->setValue(max);
    }
    vsbStart_Change();
    vsbEnd_Change();
}

void frmMain::txtStart_Change()
{
    rangeFieldEdited(ui->txtStart, ui->vsbStart, InStartChange);
}
void frmMain::txtEnd_Change()
{
    rangeFieldEdited(ui->txtEnd, ui->vsbEnd, InEndChange);
}
void frmMain::vsbStart_Change()
{
    rangeBarMoved(ui->txtStart, ui->vsbStart, InStartChange);
}
void frmMain::vsbEnd_Change()
{
    rangeBarMoved(ui->txtEnd, ui->vsbEnd, InEndChange);
}

void frmMain::rangeFieldEdited(QLineEdit* field, QScrollBar* bar, bool& inChange)
{
    if (inChange)
        return;
    inChange = true;
    const RangeField clamped = clampRangeField(field->text(), bar->maximum());
    if (clamped.text != field->text())
        field->setText(clamped.text);
    bar->setValue(clamped.barValue);
    inChange = false;
}

void frmMain::rangeBarMoved(QLineEdit* field, QScrollBar* bar, bool& inChange)
{
    if (inChange)
        return;
    inChange = true;
    field->setText(rangeFieldText(bar->value(), bar->maximum()));
    inChange = false;
}

}  // namespace tsl
