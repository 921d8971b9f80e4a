#include "settings/value_conversion.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace tsl {

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// Scans a number at `at`; returns its canonical form ("-12.5e3") and moves
// `at` past it, or returns an empty string when no digit is there.
std::string scanNumber(const QString& text, qsizetype& at)
{
    std::string out;
    qsizetype i = at;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        if (text[i] == QLatin1Char('-'))
            out += '-';
        ++i;
    }
    bool digits = false;
    for (; i < text.size() && isDigit(text[i]); ++i, digits = true)
        out += char(text[i].unicode());
    if (i < text.size() && text[i] == QLatin1Char('.')) {
        out += '.';
        for (++i; i < text.size() && isDigit(text[i]); ++i, digits = true)
            out += char(text[i].unicode());
    }
    if (!digits)
        return {};
    // An exponent counts only when digits follow it.
    if (i < text.size() && QStringLiteral("eEdD").contains(text[i])) {
        qsizetype j = i + 1;
        std::string exp = "e";
        if (j < text.size() && (text[j] == QLatin1Char('+') || text[j] == QLatin1Char('-')))
            exp += char(text[j++].unicode());
        if (j < text.size() && isDigit(text[j])) {
            for (; j < text.size() && isDigit(text[j]); ++j)
                exp += char(text[j].unicode());
            out += exp;
            i = j;
        }
    }
    at = i;
    return out;
}

LeadingNumber parseNumber(const std::string& s)
{
    LeadingNumber n;
    // from_chars takes no leading "+" and is independent of the locale.
    const auto [end, ec] =
        std::from_chars(s.data(), s.data() + s.size(), n.value, std::chars_format::general);
    (void)end;
    if (ec == std::errc::result_out_of_range) {
        // Too large overflows; too small is simply zero.
        const bool tiny = s.find("e-") != std::string::npos;
        n.value = 0;
        n.overflow = !tiny;
    }
    return n;
}

template <typename Int>
std::optional<Int> toInteger(const QString& text)
{
    const LeadingNumber n = leadingNumber(text);
    if (n.overflow)
        return std::nullopt;
    const double r = roundHalfEven(n.value);
    if (r < double(std::numeric_limits<Int>::min()) || r > double(std::numeric_limits<Int>::max()))
        return std::nullopt;
    return Int(r);
}

}  // namespace

LeadingNumber leadingNumber(const QString& text)
{
    qsizetype at = 0;
    while (at < text.size() && isBlank(text[at]))
        ++at;
    const std::string s = scanNumber(text, at);
    if (s.empty())
        return {};
    return parseNumber(s);
}

std::optional<bool> toTruth(const QString& text)
{
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    qsizetype at = 0;
    const std::string s = scanNumber(t, at);
    if (s.empty() || at != t.size())
        return std::nullopt;
    const LeadingNumber n = parseNumber(s);
    if (n.overflow)
        return std::nullopt;
    return n.value != 0;
}

bool leadingTruth(const QString& text)
{
    const LeadingNumber n = leadingNumber(text);
    return n.overflow || n.value != 0;
}

double roundHalfEven(double x)
{
    const double down = std::floor(x);
    const double diff = x - down;
    if (diff < 0.5)
        return down;
    if (diff > 0.5)
        return down + 1;
    return std::fmod(down, 2.0) == 0 ? down : down + 1;
}

std::optional<qint16> toInt16(const QString& text)
{
    return toInteger<qint16>(text);
}

std::optional<qint32> toInt32(const QString& text)
{
    return toInteger<qint32>(text);
}

std::optional<double> toDouble(const QString& text)
{
    const LeadingNumber n = leadingNumber(text);
    if (n.overflow)
        return std::nullopt;
    return n.value;
}

std::optional<float> toSingle(const QString& text)
{
    const LeadingNumber n = leadingNumber(text);
    if (n.overflow || std::fabs(n.value) > double(std::numeric_limits<float>::max()))
        return std::nullopt;
    return float(n.value);
}

QString truthText(bool value)
{
    return value ? QStringLiteral("-1") : QStringLiteral("0");
}

QString numberText(double value)
{
    return QString::number(value, 'g', 15);
}

QString dialogNumberText(double value)
{
    if (value == 0 || !std::isfinite(value))
        return QStringLiteral("0");
    const int before = int(std::floor(std::log10(std::fabs(value)))) + 1;
    QString t = QString::number(value, 'f', std::max(0, 15 - before));
    if (t.contains(QLatin1Char('.'))) {
        while (t.endsWith(QLatin1Char('0')))
            t.chop(1);
        if (t.endsWith(QLatin1Char('.')))
            t.chop(1);
    }
    if (t.startsWith(QStringLiteral("0.")))
        t.remove(0, 1);
    else if (t.startsWith(QStringLiteral("-0.")))
        t.remove(1, 1);
    return t;
}

QString singleText(float value)
{
    return QString::number(double(value), 'g', 7);
}

}  // namespace tsl
