// Every preference of the system, one member per stored key, under the key's
// own name and holding the key's default until the store is loaded.
#pragma once

#include <QString>

namespace tsl {

struct Settings {
    // Combine
    bool CombineAssoc = true;
    bool CombineAuto = false;
    bool CombineDelete = false;
    bool CombineRemember = false;
    qint16 ExtraParts = 1;    // 0 ask, 1 always include
    qint16 MissingParts = 1;  // 0 skip the set, 1 ask, 2 combine existing
    bool SameDir = true;
    bool SearchExtra = true;
    bool ShowTipsC = true;
    bool UnderPeriod = true;
    bool FixExt = true;
    bool AutoClose = true;
    qint32 HighPart = 1000;
    bool PSizeCheck = true;
    bool PSizePrompt = true;

    // Split
    bool AssocSplit = true;
    qint16 PartsExist = 1;  // 0 never overwrite, 1 ask, 2 always overwrite
    bool SearchExist = true;
    bool ShowTipsS = true;
    bool Split000 = true;
    bool SplitBat = true;
    bool Checksums = true;  // write NAME.sha256 beside the pieces
    bool SplitDelete = false;
    qint16 SplitFileNames = 0;  // 0 long names, 1 8.3 names
    bool SplitRemember = false;
    bool SplitSameDir = true;
    double SplitSize = 512000;  // bytes, may hold a fraction
    qint16 SplitUnits = 0;      // 0 bytes, 1 kilobytes, 2 megabytes (display only)
    qint16 SplitMode = 0;       // 0 pieces of SplitSize, 1 SplitPieces pieces per file
    qint32 SplitPieces = 2;     // the number of pieces in mode 1

    // Misc
    bool AssocSendTo = true;
    qint32 ChunkSize = 1000000;
    bool WipeOnDel = true;

    // Append
    bool AppendDelete = false;
    float ListFontSize = 10;
    bool ShowTipsA = true;

    // Directories
    QString InitCombineDir;
    QString InitSplitDir;
    QString InitAppendDir;

    // Not a key: whether LoadReg has filled these variables in this run. A
    // number that fails to convert on the first load is 0, as before any load.
    bool loadedOnce = false;
};

// Records a value in the settings store (the last used directories). The
// store implements it; engines that record something take it by pointer and
// record nothing when it is null.
class SettingWriter {
public:
    virtual ~SettingWriter() = default;
    virtual void WriteReg(const QString& key, const QString& value, const QString& section) = 0;
};

}  // namespace tsl
