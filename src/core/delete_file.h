// Deleting a file, with the wipe that overwrites it first.
#pragma once

#include "core/run_error.h"

#include <QString>
#include <atomic>

namespace tsl {

// Size of one wipe block and the byte values of the seven passes.
constexpr qint64 WipeBlockSize = 100000;
constexpr unsigned char WipePasses[7] = {0x58, 0x20, 0x11, 0x00, 0x4A, 0x11, 0x00};

// Deletes path: nothing when no file is there, "Path/File access error" for a
// read-only file or a folder. With wipe on, the file is first renamed to a
// temporary name of its folder, then overwritten and unlinked, so destroyed
// bytes never sit under its name; a second hard link or a link is unlinked
// without wiping. *stopped tells whether a cancel request cut the wipe short.
RunError deleteFile(const QString& path, bool wipe, const std::atomic<bool>* cancel = nullptr,
                    bool* stopped = nullptr);

}  // namespace tsl
