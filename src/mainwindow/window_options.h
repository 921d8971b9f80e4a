// The window's own command-line options: --help and --version, which answer
// on standard output without opening a window (no display is needed), and
// the files to open, which go on to readCommandLine.
#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

namespace tsl {

// HelpAll lists Qt's own options too, which only the window's application
// object knows: the caller shows it with QCommandLineParser::process.
enum class WindowAction { Open, Help, HelpAll, Version, BadUsage };

struct WindowArguments {
    WindowAction action = WindowAction::Open;
    QStringList files;  // the arguments after the options, in order (Open)
    QString text;       // what Help and Version print, or the usage error (BadUsage)
};

// Adds tsl's options, its description and its FILE argument to parser.
void addWindowOptions(QCommandLineParser& parser);

// Reads tsl's arguments (arguments[0] is the program). --help and --version
// win over anything else on the line, so they can be read before QApplication
// has taken out Qt's own options (-platform, -style, ...); any other option is
// a usage error. "--" ends the options: tsl -- -clip.mpg opens -clip.mpg.
WindowArguments readWindowArguments(const QStringList& arguments, const QString& version);

}  // namespace tsl
