// Line breaks and titles shared by every message the system shows.
#pragma once

#include <QCoreApplication>
#include <QString>

namespace tsl {

inline const QString CrLf = QStringLiteral("\r\n");
inline const QString CrLf2 = QStringLiteral("\r\n\r\n");
inline const QString AppTitle = QStringLiteral("TSL");

// The translation contexts of the texts a user reads (translations/tsl_*.ts),
// one per subsystem: XText::tr("...") looks a text up in context X.
struct FileText {
    Q_DECLARE_TR_FUNCTIONS(Files)  // core: run-time errors, transactions, digests
};
struct PiecesText {
    Q_DECLARE_TR_FUNCTIONS(Pieces)
};
struct SplitText {
    Q_DECLARE_TR_FUNCTIONS(Split)
};
struct CombineText {
    Q_DECLARE_TR_FUNCTIONS(Combine)
};
struct AppendText {
    Q_DECLARE_TR_FUNCTIONS(Append)
};
struct SettingsText {
    Q_DECLARE_TR_FUNCTIONS(Settings)
};
struct DesktopText {
    Q_DECLARE_TR_FUNCTIONS(Desktop)
};
struct CliText {
    Q_DECLARE_TR_FUNCTIONS(Cli)
};
struct WindowText {
    Q_DECLARE_TR_FUNCTIONS(Window)  // the window's texts outside a form's class
};

}  // namespace tsl
