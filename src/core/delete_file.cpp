#include "core/delete_file.h"

#include "core/file_handle.h"
#include "core/file_system.h"
#include "core/temporary_names.h"

#include <array>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace tsl {

namespace {

// Overwrites the open file in whole blocks, seven passes per block; false
// when a cancel request stopped it.
RunError wipeOpenFile(FileHandle& file, const std::atomic<bool>* cancel, bool* stopped)
{
    qint64 length = 0;
    RunError e = file.size(&length);
    if (e.failed())
        return e;
    std::array<QByteArray, 7> blocks;
    for (size_t pass = 0; pass < blocks.size(); ++pass)
        blocks[pass] = QByteArray(WipeBlockSize, char(WipePasses[pass]));
    for (qint64 at = 0; at <= length; at += WipeBlockSize) {
        if (cancel && cancel->load(std::memory_order_relaxed)) {
            *stopped = true;
            return RunError::none();
        }
        for (const QByteArray& block : blocks) {
            e = file.writeAt(at, block);
            if (e.failed())
                return e;
        }
    }
    return file.sync();
}

}  // namespace

RunError deleteFile(const QString& path, bool wipe, const std::atomic<bool>* cancel, bool* stopped)
{
    bool stoppedHere = false;
    struct stat st {};
    if (!lstatPath(path, &st))
        return RunError::none();
    if (S_ISDIR(st.st_mode))
        return RunError::of(err::PathFileAccess, path, FileOp::Delete);
    // A read-only file is not deleted, for root neither.
    if (S_ISREG(st.st_mode) && !(st.st_mode & S_IWUSR))
        return RunError::of(err::PathFileAccess, path, FileOp::Delete);
    QString victim = path;
    // Wiping through a link or a second hard link would destroy a file that stays.
    if (wipe && S_ISREG(st.st_mode) && st.st_nlink == 1) {
        victim = folderOf(path) + QLatin1Char('/') + temporaryName(WipeLetter);
        if (fileSystem().rename(nativePath(path).constData(), nativePath(victim).constData(),
                                FileSystem::RenameMode::NoReplace)
            != 0)
            return runErrorFromErrno(errno, path, FileOp::Delete);
        FileHandle file;
        RunError e = file.open(victim, FileHandle::Mode::ReadWrite);
        if (!e.failed())
            e = wipeOpenFile(file, cancel, &stoppedHere);
        const RunError closed = file.close();
        if (!e.failed())
            e = closed;
        if (e.failed()) {
            // Never named again as the user's file: part-wiped bytes go with the
            // temporary name (its data is safe in what this run committed).
            (void)fileSystem().unlink(nativePath(victim).constData());
            return RunError::of(e.number, path, FileOp::Delete);
        }
    }
    if (fileSystem().unlink(nativePath(victim).constData()) != 0 && errno != ENOENT)
        return runErrorFromErrno(errno, path, FileOp::Delete);
    if (stopped)
        *stopped = stoppedHere;
    return RunError::none();
}

}  // namespace tsl
