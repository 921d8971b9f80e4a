// What a second tsl hands the running one: the selection its command line
// makes, read in the second program's own working folder, and the answer.
// Both ends treat the bytes as untrusted: anything malformed is refused.
#pragma once

#include "mainwindow/command_line.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace tsl {

// The answers of the running window.
enum class HandOverReply : quint8 {
    Taken = 1,  // the window selected the files (or told the user why not)
    Busy = 2,   // a job is running: the second program says so and ends
};

// The hand-over socket beside the single-instance lock: "tsl.lock" gives
// "tsl.socket", "tsl-1000.lock" gives "tsl-1000.socket".
QString handOverSocketPath(const QString& lockPath);

// A request as it goes over the socket: a frame of its own length.
QByteArray encodeHandOver(const CommandLineStart& start);

// The request at the start of bytes once all of it has come: the start and
// the number of bytes it took. Nothing while it is incomplete; a request
// that is malformed (a wrong mark, too long, a folder that is not absolute,
// a name with a "/") gives a start with mode None and every byte taken.
struct DecodedHandOver {
    CommandLineStart start;
    qsizetype used = 0;
};
std::optional<DecodedHandOver> decodeHandOver(const QByteArray& bytes);

QByteArray encodeReply(HandOverReply reply);
// The reply in bytes; nothing until its byte has come or when it is no reply.
std::optional<HandOverReply> decodeReply(const QByteArray& bytes);

}  // namespace tsl
