#include "tuning/IntervalCents.h"
#include "TestSettings.h"

#include "numbers/Separators.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace cordavo;

namespace {

// Expected texts are written with a full stop; the other setting swaps it.
std::string regional(const char *text, const Separators &separators)
{
    return QString::fromLatin1(text).replace(QLatin1Char('.'), separators.decimal).toStdString();
}

// The default fractions as a field keeping two decimals holds them.
IntervalTerms heldEqualFractions()
{
    return {{1, 178171.54L, 31745.10L, 56560.73L, 100775.12L, 179552.57L, 319911.58L, 569991.39L, 101556.24L,
             180944.32L, 322391.27L, 574409.49L},
            {1, 168171.54L, 28281.67L, 47561.71L, 79985.26L, 134512.45L, 226211.65L, 380423.61L, 63976.42L, 107590.13L,
             180935.98L, 304282.83L}};
}

class IntervalCentsTest : public ::testing::TestWithParam<Separators>
{
};

} // namespace

TEST_P(IntervalCentsTest, WorkedExamplesAtEachNumberOfDecimals)
{
    struct Case {
        long double first, second;
        const char *n0, *n1, *n2, *n3, *n10;
    };
    const Case cases[] = {
        {1, 1, "0", "0", "0", "0", "0"},
        {3, 2, "702", "702", "701.96", "701.955", "701.9550008654"},
        {5, 4, "386", "386.3", "386.31", "386.314", "386.3137138648"},
        {4, 3, "498", "498", "498.04", "498.045", "498.0449991346"},
        {9, 8, "204", "203.9", "203.91", "203.91", "203.9100017308"},
        {6, 5, "316", "315.6", "315.64", "315.641", "315.6412870006"},
        {81, 80, "22", "21.5", "21.51", "21.506", "21.5062895967"},
        {2, 1, "1200", "1200", "1200", "1200", "1200"},
        {1, 2, "-1200", "-1200", "-1200", "-1200", "-1200"},
        {8, 9, "-204", "-203.9", "-203.91", "-203.91", "-203.9100017308"},
    };
    const Separators s = GetParam();
    for (const Case &c : cases) {
        const long double ratio = c.first / c.second;
        const auto text = [&](int decimals) { return roundedCentsText(ratio, decimals, s.decimal).toStdString(); };
        const auto label = QStringLiteral("%1/%2").arg(double(c.first)).arg(double(c.second)).toStdString();
        EXPECT_EQ(text(0), regional(c.n0, s)) << label;
        EXPECT_EQ(text(1), regional(c.n1, s)) << label;
        EXPECT_EQ(text(2), regional(c.n2, s)) << label;
        EXPECT_EQ(text(3), regional(c.n3, s)) << label;
        EXPECT_EQ(text(10), regional(c.n10, s)) << label;
    }
}

INSTANTIATE_TEST_SUITE_P(BothSeparators, IntervalCentsTest, ::testing::Values(kCommaDecimal, kFullStopDecimal));

TEST(IntervalCents, WrittenDefaultFractionsAreEqualTemperament)
{
    const IntervalTerms terms = equalTemperamentFractions();
    for (int i = 0; i < 12; ++i) {
        const long double ratio = terms.first[i] / terms.second[i];
        EXPECT_NEAR(double(ratio), std::pow(2.0, i / 12.0), 2e-14) << "note " << i;
    }
}

TEST(IntervalCents, CleaningMakesEveryTermPositive)
{
    struct Case {
        long double term, cleaned;
    };
    const Case cases[] = {
        {0, 1}, {-0.0L, 1}, {-4, 4}, {-0.01L, 0.01L}, {3, 3}, {1, 1}, {0.5L, 0.5L}, {-1, 1}, {178171.54L, 178171.54L},
    };
    NoteTerms terms{};
    NoteTerms expected{};
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        terms[i] = cases[i].term;
        expected[i] = cases[i].cleaned;
    }
    for (std::size_t i = std::size(cases); i < 12; ++i) {
        terms[i] = 0;
        expected[i] = 1;
    }
    cleanTerms(terms);
    EXPECT_EQ(terms, expected);
}

TEST(IntervalFile, RoundTripUnderAndAcrossBothSettings)
{
    IntervalRecord record;
    record.terms = heldEqualFractions();
    record.terms.first[7] = 3;
    record.terms.second[7] = 2;
    record.terms.first[2] = 0; // saved as it stands, not cleaned
    record.terms.second[4] = -4.5L;
    record.name = QStringLiteral("Mésotonique ¼");
    for (const Separators &writer : {kCommaDecimal, kFullStopDecimal}) {
        for (const Separators &reader : {kCommaDecimal, kFullStopDecimal}) {
            const QByteArray bytes = encodeLineFile(intervalFileLines(record, writer.decimal));
            const LineFileContents contents =
                parseLineFile(bytes, QStringLiteral("Side.Tfs"), kIntervalLayout, reader.decimal);
            ASSERT_TRUE(contents.ok()) << contents.error().toStdString();
            const IntervalRecord back = intervalRecord(contents.value());
            EXPECT_EQ(back.terms.first, record.terms.first);
            EXPECT_EQ(back.terms.second, record.terms.second);
            EXPECT_EQ(back.name, record.name);
        }
    }
}
