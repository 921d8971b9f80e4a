#include "mainwindow/gui_app_icon.h"

namespace tsl {

QIcon applicationIcon()
{
    return QIcon::fromTheme(QStringLiteral("tsl"), QIcon(QStringLiteral(":/icons/tsl.svg")));
}

}  // namespace tsl
