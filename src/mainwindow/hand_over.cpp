#include "mainwindow/hand_over.h"

#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QIODevice>
#include <algorithm>

namespace tsl {

namespace {

constexpr quint32 Mark = 0x54534c31;            // "TSL1"
constexpr quint32 MaxLength = 4 * 1024 * 1024;  // more than any command line holds
constexpr int Version = QDataStream::Qt_6_0;

bool sound(const CommandLineStart& start)
{
    if (start.mode != StartMode::Combine && start.mode != StartMode::Split)
        return false;
    if (!start.folders.isEmpty())
        return start.files.isEmpty()
            && std::all_of(start.folders.begin(), start.folders.end(), &QDir::isAbsolutePath);
    if (start.files.isEmpty() || !QDir::isAbsolutePath(start.srcDir))
        return false;
    return std::none_of(start.files.begin(), start.files.end(), [](const QString& name) {
        return name.isEmpty() || name.contains(QLatin1Char('/')) || name == QLatin1String("..");
    });
}

}  // namespace

QString handOverSocketPath(const QString& lockPath)
{
    const QFileInfo lock(lockPath);
    return lock.dir().filePath(lock.completeBaseName() + QStringLiteral(".socket"));
}

QByteArray encodeHandOver(const CommandLineStart& start)
{
    QByteArray body;
    {
        QDataStream out(&body, QIODevice::WriteOnly);
        out.setVersion(Version);
        out << quint8(start.mode) << start.srcDir << start.files << start.folders;
    }
    QByteArray frame;
    QDataStream out(&frame, QIODevice::WriteOnly);
    out.setVersion(Version);
    out << Mark << quint32(body.size());
    frame += body;
    return frame;
}

std::optional<DecodedHandOver> decodeHandOver(const QByteArray& bytes)
{
    constexpr qsizetype Head = 8;
    if (bytes.size() < Head)
        return std::nullopt;
    QDataStream head(bytes);
    head.setVersion(Version);
    quint32 mark = 0;
    quint32 length = 0;
    head >> mark >> length;
    if (mark != Mark || length > MaxLength)
        return DecodedHandOver{{}, bytes.size()};
    if (bytes.size() < Head + qsizetype(length))
        return std::nullopt;
    QDataStream in(bytes.mid(Head, length));
    in.setVersion(Version);
    quint8 mode = 0;
    DecodedHandOver decoded{{}, Head + qsizetype(length)};
    CommandLineStart& start = decoded.start;
    in >> mode >> start.srcDir >> start.files >> start.folders;
    start.mode = StartMode(mode);
    if (in.status() != QDataStream::Ok || !in.atEnd() || !sound(start))
        decoded.start = {};
    return decoded;
}

QByteArray encodeReply(HandOverReply reply)
{
    return QByteArray(1, char(reply));
}

std::optional<HandOverReply> decodeReply(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return std::nullopt;
    const auto reply = HandOverReply(quint8(bytes.front()));
    if (reply != HandOverReply::Taken && reply != HandOverReply::Busy)
        return std::nullopt;
    return reply;
}

}  // namespace tsl
