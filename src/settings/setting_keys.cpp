#include "settings/setting_keys.h"

#include "settings/value_conversion.h"

namespace tsl {

namespace {

const QString On = QStringLiteral("-1");
const QString Off = QStringLiteral("0");

KeyDef onOff(const char* key, const QString& sec, bool def, bool Settings::*m,
             std::optional<bool> preset)
{
    return {QLatin1String(key), sec, KeyType::OnOff, def ? On : Off, m, preset};
}

KeyDef leading(const char* key, const QString& sec, bool Settings::*m, bool preset)
{
    return {QLatin1String(key), sec, KeyType::OnOffLeading, On, m, preset};
}

template <typename T>
KeyDef number(const char* key, const QString& sec, KeyType type, const char* def, T Settings::*m)
{
    return {QLatin1String(key), sec, type, QLatin1String(def), m, std::nullopt};
}

std::vector<KeyDef> buildKeys()
{
    using S = Settings;
    using K = KeyType;
    const QString& C = section::Combine;
    const QString& Sp = section::Split;
    return {
        onOff("CombineAssoc", C, true, &S::CombineAssoc, false),
        onOff("CombineAuto", C, false, &S::CombineAuto, false),
        onOff("CombineDelete", C, false, &S::CombineDelete, false),
        onOff("CombineRemember", C, false, &S::CombineRemember, false),
        number("ExtraParts", C, K::Int16, "1", &S::ExtraParts),
        number("MissingParts", C, K::Int16, "1", &S::MissingParts),
        onOff("SameDir", C, true, &S::SameDir, true),
        onOff("SearchExtra", C, true, &S::SearchExtra, true),
        leading("ShowTipsC", C, &S::ShowTipsC, true),
        onOff("UnderPeriod", C, true, &S::UnderPeriod, true),
        onOff("FixExt", C, true, &S::FixExt, std::nullopt),
        leading("AssocSplit", Sp, &S::AssocSplit, true),
        number("PartsExist", Sp, K::Int16, "1", &S::PartsExist),
        onOff("SearchExist", Sp, true, &S::SearchExist, true),
        onOff("ShowTipsS", Sp, true, &S::ShowTipsS, true),
        onOff("Split000", Sp, true, &S::Split000, true),
        onOff("SplitBat", Sp, true, &S::SplitBat, true),
        onOff("Checksums", Sp, true, &S::Checksums, true),
        onOff("SplitDelete", Sp, false, &S::SplitDelete, false),
        number("SplitFileNames", Sp, K::Int16, "0", &S::SplitFileNames),
        onOff("SplitRemember", Sp, false, &S::SplitRemember, false),
        onOff("SplitSameDir", Sp, true, &S::SplitSameDir, true),
        number("SplitSize", Sp, K::Double, "512000", &S::SplitSize),
        number("SplitUnits", Sp, K::Int16, "0", &S::SplitUnits),
        number("SplitMode", Sp, K::Int16, "0", &S::SplitMode),
        number("SplitPieces", Sp, K::Int32, "2", &S::SplitPieces),
        leading("AssocSendTo", section::Misc, &S::AssocSendTo, true),
        onOff("AppendDelete", section::Append, false, &S::AppendDelete, false),
        onOff("AutoClose", C, true, &S::AutoClose, true),
        number("ChunkSize", section::Misc, K::Int32, "1000000", &S::ChunkSize),
        number("HighPart", C, K::Int32, "1000", &S::HighPart),
        number("ListFontSize", section::Append, K::Single, "10", &S::ListFontSize),
        onOff("PSizeCheck", C, true, &S::PSizeCheck, true),
        onOff("PSizePrompt", C, true, &S::PSizePrompt, true),
        onOff("ShowTipsA", section::Append, true, &S::ShowTipsA, true),
        onOff("WipeOnDel", section::Misc, true, &S::WipeOnDel, true),
        number("InitCombineDir", section::Directories, K::Text, "", &S::InitCombineDir),
        number("InitSplitDir", section::Directories, K::Text, "", &S::InitSplitDir),
        number("InitAppendDir", section::Directories, K::Text, "", &S::InitAppendDir),
    };
}

// The order in which the options dialog writes its values.
const char* const DialogOrder[] = {
    "CombineAssoc",   "CombineAuto",  "CombineDelete", "CombineRemember", "MissingParts",
    "ExtraParts",     "SearchExtra",  "UnderPeriod",   "SameDir",         "ShowTipsC",
    "FixExt",         "AssocSplit",   "SplitSize",     "SplitUnits",      "SplitMode",
    "SplitPieces",    "PartsExist",   "SearchExist",   "SplitDelete",     "SplitRemember",
    "SplitSameDir",   "Split000",     "SplitBat",      "Checksums",       "SplitFileNames",
    "ShowTipsS",      "AssocSendTo",  "AppendDelete",  "PSizeCheck",      "PSizePrompt",
    "ShowTipsA",      "WipeOnDel",    "ChunkSize",     "HighPart",        "AutoClose",
    "InitCombineDir", "InitSplitDir", "InitAppendDir",
};

// Stores a converted value into the key's variable; false when there is none.
template <typename T>
bool assign(Settings& s, const KeyDef& def, const std::optional<T>& value)
{
    if (!value)
        return false;
    s.*std::get<T Settings::*>(def.member) = *value;
    return true;
}

}  // namespace

const std::vector<KeyDef>& loadedKeys()
{
    static const std::vector<KeyDef> keys = buildKeys();
    return keys;
}

const std::vector<RecordKey>& recordKeys()
{
    static const std::vector<RecordKey> keys = {
        {QStringLiteral("CombineDir"), section::Combine},
        {QStringLiteral("SplitDir"), section::Split},
        {QStringLiteral("AppendPartDir"), section::Append},
    };
    return keys;
}

const KeyDef* findLoadedKey(const QString& key)
{
    for (const KeyDef& d : loadedKeys()) {
        if (d.key.compare(key, Qt::CaseInsensitive) == 0)
            return &d;
    }
    return nullptr;
}

const RecordKey* findRecordKey(const QString& key)
{
    for (const RecordKey& r : recordKeys()) {
        if (r.key.compare(key, Qt::CaseInsensitive) == 0)
            return &r;
    }
    return nullptr;
}

QString valueText(const Settings& s, const KeyDef& def)
{
    return std::visit(
        [&](auto m) -> QString {
            const auto& v = s.*m;
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, bool>)
                return truthText(v);
            else if constexpr (std::is_same_v<T, QString>)
                return v;
            else if constexpr (std::is_same_v<T, float>)
                return singleText(v);
            else
                return numberText(double(v));
        },
        def.member);
}

bool applyText(Settings& s, const KeyDef& def, const QString& text)
{
    switch (def.type) {
    case KeyType::OnOff: return assign<bool>(s, def, toTruth(text));
    case KeyType::OnOffLeading: return assign<bool>(s, def, std::optional(leadingTruth(text)));
    case KeyType::Int16: return assign<qint16>(s, def, toInt16(text));
    case KeyType::Int32: return assign<qint32>(s, def, toInt32(text));
    case KeyType::Double: return assign<double>(s, def, toDouble(text));
    case KeyType::Single: return assign<float>(s, def, toSingle(text));
    case KeyType::Text: return assign<QString>(s, def, std::optional(text));
    }
    return false;
}

void clearValue(Settings& s, const KeyDef& def)
{
    std::visit([&](auto m) { s.*m = {}; }, def.member);
}

QList<StoredValue> dialogValues(const Settings& settings)
{
    QList<StoredValue> values;
    for (const char* name : DialogOrder) {
        const KeyDef* def = findLoadedKey(QLatin1String(name));
        values.append({def->key, def->section, valueText(settings, *def)});
    }
    return values;
}

}  // namespace tsl
