#include "numbers/NumberFormat.h"
#include "TestSettings.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace cordavo;

namespace {

struct GeneralCase {
    long double value;
    const char *fullStop; // the comma setting swaps '.' for ','
};

QString withComma(const char *text)
{
    return QString::fromLatin1(text).replace(QLatin1Char('.'), QLatin1Char(','));
}

} // namespace

TEST(FormatGeneral, WritesFifteenSignificantDigitsInBothSettings)
{
    const GeneralCase cases[] = {
        {0, "0"},
        {440, "440"},
        {27.5L, "27.5"},
        {-5.25L, "-5.25"},
        {0.5L, "0.5"},
        {1100, "1100"},
        {8.17579891564370919L, "8.17579891564371"},
        {1.0L / 3, "0.333333333333333"},
        {2.0L / 3, "0.666666666666667"},
        {0.0001L, "0.0001"},
        {0.00012345L, "0.00012345"},
        {0.00009999L, "9.999E-5"},
        {1.5e-7L, "1.5E-7"},
        {1e20L, "1E20"},
        {-2.5e30L, "-2.5E30"},
        {999999999999999.0L, "999999999999999"},
        {1e15L, "1E15"},
        // rounds up to 1E15 at the fifteenth digit, so it switches notation
        {999999999999999.6L, "1E15"},
        {0.99999999999999999L, "1"},
        {123456789012345678.0L, "1.23456789012346E17"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(formatGeneral(c.value, QLatin1Char('.')), QString::fromLatin1(c.fullStop)) << c.fullStop;
        EXPECT_EQ(formatGeneral(c.value, QLatin1Char(',')), withComma(c.fullStop)) << c.fullStop;
    }
}

TEST(FormatPattern, DisplayPatternInBothSettings)
{
    struct Case {
        long double value;
        const char *pattern;
        const char *comma;    // comma decimal, full-stop thousands
        const char *fullStop; // full-stop decimal, comma thousands
    };
    const Case cases[] = {
        {0, "#,###.##", "", ""},
        {1, "#,###.##", "1", "1"},
        {1.5L, "#,###.##", "1,5", "1.5"},
        {0.5L, "#,###.##", ",5", ".5"},
        {-5.25L, "#,###.##", "-5,25", "-5.25"},
        {1100, "#,###.##", "1.100", "1,100"},
        {1234.567L, "#,###.##", "1.234,57", "1,234.57"},
        {-0.006L, "#,###.##", "-,01", "-.01"},
        {-0.004L, "#,###.##", "", ""},
        {1.006L, "#,###.##", "1,01", "1.01"},
        {1.005L, "#,###.##", "1,01", "1.01"}, // half away from zero on the decimal digits
        {-1.005L, "#,###.##", "-1,01", "-1.01"},
        {9.999L, "#,###.##", "10", "10"},
        {999999.999L, "#,###.##", "1.000.000", "1,000,000"},
        {1234.5L, "#,###", "1.235", "1,235"},
        {0.4L, "#,###", "", ""},
        {-0.5L, "#,###", "-1", "-1"},
        {123456789, "#,###", "123.456.789", "123,456,789"},
        {7, "0.00", "7,00", "7.00"},
        {0, "0.00", "0,00", "0.00"},
        {-0.001L, "0.00", "0,00", "0.00"},
        {0, "#.##", "", ""},
        {0.25L, "0.0#", "0,25", "0.25"},
        {1234, "###", "1234", "1234"},
    };
    for (const auto &c : cases) {
        const QString pattern = QString::fromLatin1(c.pattern);
        EXPECT_EQ(formatPattern(c.value, pattern, kCommaDecimal), QString::fromLatin1(c.comma))
            << c.pattern << ' ' << c.comma;
        EXPECT_EQ(formatPattern(c.value, pattern, kFullStopDecimal), QString::fromLatin1(c.fullStop))
            << c.pattern << ' ' << c.fullStop;
    }
}

TEST(ReadRegional, AcceptsTheRegionalFormOnly)
{
    struct Case {
        const char *text;
        QChar separator;
        bool ok;
        long double value;
    };
    const QChar comma = QLatin1Char(',');
    const QChar stop = QLatin1Char('.');
    const Case cases[] = {
        {"  440", stop, true, 440},
        {"  440  ", comma, true, 440},
        {"-13.69", stop, true, -13.69L},
        {"-13,69", comma, true, -13.69L},
        {"-13.69", comma, false, 0},
        {"+7", stop, true, 7},
        {"1.5E3", stop, true, 1500},
        {"1,5e-3", comma, true, 0.0015L},
        {".5", stop, true, 0.5L},
        {"5.", stop, true, 5},
        {"1.234,5", comma, false, 0},
        {"1,234.5", stop, false, 0},
        {"", stop, false, 0},
        {"   ", stop, false, 0},
        {"-", stop, false, 0},
        {".", stop, false, 0},
        {"abc", stop, false, 0},
        {"13,69x", comma, false, 0},
        {"nan", stop, false, 0},
        {"inf", stop, false, 0},
        {"1e", stop, false, 0},
        {"1e99999", stop, false, 0},
        {"1e-99999", stop, true, 0},
        {"-0.5e-9999", stop, true, 0},
        {"123e-99999999999", stop, true, 0},
        {"0.001e99999", stop, false, 0},
        {"--1", stop, false, 0},
        {"1 2", stop, false, 0},
    };
    for (const auto &c : cases) {
        const auto value = readRegional(QString::fromLatin1(c.text), c.separator);
        EXPECT_EQ(value.has_value(), c.ok) << c.text;
        if (value && c.ok) {
            EXPECT_EQ(*value, c.value) << c.text;
        }
    }
}

TEST(ReadRegional, ReadsBackWhatFormatGeneralWrites)
{
    const long double values[] = {0, 440, 27.5L, -13.69L, 8.17579891564371L, 1.5e-7L, 1e20L, -2.5e30L, 0.0001L};
    for (const QChar separator : {QLatin1Char('.'), QLatin1Char(',')}) {
        for (long double v : values) {
            const auto back = readRegional(formatGeneral(v, separator), separator);
            ASSERT_TRUE(back.has_value());
            EXPECT_NEAR(static_cast<double>(*back), static_cast<double>(v), std::fabs(static_cast<double>(v)) * 1e-14);
        }
    }
}

TEST(NotANumberMessage, NamesTheText)
{
    EXPECT_EQ(notANumberMessage(QStringLiteral("abc")), QStringLiteral("'abc' is not a valid floating point value"));
}

TEST(RoundToDecimals, NearestMultipleWithHalvesGoingUp)
{
    struct Case {
        double x;
        int n;
        double expected;
    };
    const Case cases[] = {
        {-5.3766, 2, -5.38}, {-5.3766, 0, -5},      {2.5, 0, 3},    {-2.5, 0, -2},
        {0.125, 2, 0.13},    {-0.125, 2, -0.12},    {1.0, 10, 1.0}, {701.955000865, 2, 701.96},
        {0, 4, 0},           {1199.99999, 3, 1200},
    };
    for (const auto &c : cases)
        EXPECT_DOUBLE_EQ(RoundToDecimals(c.x, c.n), c.expected) << c.x << " at " << c.n;
}
