#include "settings/value_conversion.h"

#include <QLocale>
#include <clocale>
#include <gtest/gtest.h>

using namespace tsl;

TEST(ValueConversion, LeadingNumberReadsTheStartOfTheText)
{
    EXPECT_EQ(leadingNumber(QStringLiteral("12abc")).value, 12);
    EXPECT_EQ(leadingNumber(QStringLiteral("  \t-3.25 kB")).value, -3.25);
    EXPECT_EQ(leadingNumber(QStringLiteral(".5")).value, 0.5);
    EXPECT_EQ(leadingNumber(QStringLiteral("1e3")).value, 1000);
    EXPECT_EQ(leadingNumber(QStringLiteral("2e")).value, 2);  // no digits: no exponent
    EXPECT_EQ(leadingNumber(QStringLiteral("abc")).value, 0);
    EXPECT_EQ(leadingNumber(QString()).value, 0);
    EXPECT_EQ(leadingNumber(QStringLiteral("1,5")).value, 1);  // a comma ends the number
    EXPECT_TRUE(leadingNumber(QStringLiteral("1e999")).overflow);
    EXPECT_FALSE(leadingNumber(QStringLiteral("1e-999")).overflow);
}

TEST(ValueConversion, PointIsTheDecimalSeparatorWhateverTheLocale)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const char* c = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    EXPECT_EQ(leadingNumber(QStringLiteral("1126.4")).value, 1126.4);
    EXPECT_EQ(toSingle(QStringLiteral("6,9")), 6.0f);
    EXPECT_EQ(numberText(1126.4), QStringLiteral("1126.4"));
    if (c)
        std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(before);
}

TEST(ValueConversion, TruthValuesAreNumbersOrTrueFalse)
{
    EXPECT_EQ(toTruth(QStringLiteral("-1")), true);
    EXPECT_EQ(toTruth(QStringLiteral("2.5")), true);
    EXPECT_EQ(toTruth(QStringLiteral("0")), false);
    EXPECT_EQ(toTruth(QStringLiteral("tRuE")), true);
    EXPECT_EQ(toTruth(QStringLiteral(" FALSE ")), false);
    EXPECT_EQ(toTruth(QStringLiteral("yes")), std::nullopt);
    EXPECT_EQ(toTruth(QStringLiteral("1x")), std::nullopt);
    EXPECT_EQ(toTruth(QString()), std::nullopt);
    // Read as a leading number, True is no number and so off.
    EXPECT_FALSE(leadingTruth(QStringLiteral("True")));
    EXPECT_TRUE(leadingTruth(QStringLiteral(" 7 days")));
    EXPECT_FALSE(leadingTruth(QString()));
}

TEST(ValueConversion, IntegersRoundHalvesToEvenAndMustFit)
{
    EXPECT_EQ(toInt16(QStringLiteral("1.5")), 2);
    EXPECT_EQ(toInt16(QStringLiteral("2.5")), 2);
    EXPECT_EQ(toInt16(QStringLiteral("-2.5")), -2);
    EXPECT_EQ(toInt16(QStringLiteral("-1.5")), -2);
    EXPECT_EQ(toInt16(QStringLiteral("2.5001")), 3);
    EXPECT_EQ(toInt16(QStringLiteral("32767")), 32767);
    EXPECT_EQ(toInt16(QStringLiteral("-32768")), -32768);
    EXPECT_EQ(toInt16(QStringLiteral("32767.5")), std::nullopt);  // rounds to 32768
    EXPECT_EQ(toInt16(QStringLiteral("40000")), std::nullopt);
    EXPECT_EQ(toInt16(QStringLiteral("abc")), 0);
    EXPECT_EQ(toInt32(QStringLiteral("2147483647")), 2147483647);
    EXPECT_EQ(toInt32(QStringLiteral("2147483648")), std::nullopt);
    EXPECT_EQ(toInt32(QStringLiteral("12 bytes")), 12);
}

TEST(ValueConversion, FloatingPointFailsOnlyWhenTooLarge)
{
    EXPECT_EQ(toDouble(QStringLiteral("99.5")), 99.5);
    EXPECT_EQ(toDouble(QStringLiteral("1e999")), std::nullopt);
    EXPECT_EQ(toSingle(QStringLiteral("6.9")), 6.9f);
    EXPECT_EQ(toSingle(QStringLiteral("1e39")), std::nullopt);
}

TEST(ValueConversion, StoredTexts)
{
    EXPECT_EQ(truthText(true), QStringLiteral("-1"));
    EXPECT_EQ(truthText(false), QStringLiteral("0"));
    EXPECT_EQ(numberText(512000), QStringLiteral("512000"));
    EXPECT_EQ(numberText(1000000000), QStringLiteral("1000000000"));
    EXPECT_EQ(numberText(0.48828125), QStringLiteral("0.48828125"));
    EXPECT_EQ(singleText(6.9f), QStringLiteral("6.9"));
}
