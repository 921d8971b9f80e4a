#include "about/frmAbout.h"

#include "ui_frmAbout.h"

#include <QApplication>
#include <QPushButton>
#include <QStyle>
#include <QVersionNumber>

#ifndef TSL_VERSION
#error "TSL_VERSION must be defined by the build"
#endif

namespace tsl {

frmAbout::frmAbout(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::frmAbout>())
{
    ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    // OK is the default button; Escape rejects, which closes the box as well.
    connect(ui->cmdOk, &QPushButton::clicked, this, &frmAbout::cmdOk_Click);
    Form_Load();
}

frmAbout::~frmAbout() = default;

QString frmAbout::versionLine()
{
    // Parsed, so a version written "25.08.0002" still shows as 25.8.2.
    const QVersionNumber v = QVersionNumber::fromString(QStringLiteral(TSL_VERSION));
    return QStringLiteral("%1.%2.%3")
               .arg(v.majorVersion())
               .arg(v.minorVersion())
               .arg(v.microVersion())
        + QStringLiteral(" (Tessel, 2025)");
}

void frmAbout::Form_Load()
{
    ui->lblApp->setText(QStringLiteral("TSL"));
    ui->lblVer->setText(versionLine());
    QIcon icon = QApplication::windowIcon();
    if (icon.isNull())
        icon = style()->standardIcon(QStyle::SP_FileDialogContentsView);
    ui->imgIcon->setPixmap(icon.pixmap(48, 48));
}

void frmAbout::cmdOk_Click()
{
    accept();
}

void showAbout(QWidget* parent)
{
    frmAbout box(parent);
    box.exec();
}

}  // namespace tsl
