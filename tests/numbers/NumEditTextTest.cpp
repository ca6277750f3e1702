#include "numbers/NumEditText.h"
#include "TestSettings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace cordavo;

namespace {

const QString kDecimals = QStringLiteral("#,###.##");
const QString kWhole = QStringLiteral("#,###");

std::string str(const QString &text)
{
    return text.toStdString();
}

std::string settingName(const Separators &separators)
{
    return separators == kCommaDecimal ? "comma decimal" : "full-stop decimal";
}

// Keys as the user presses them: '\b' is backspace, '<' moves the caret one
// place left, '^' moves it to the start, '*' selects all; anything else is
// typed.
void press(NumEditText &field, QChar key)
{
    if (key == QLatin1Char('<'))
        field.setCursorPosition(field.cursorPosition() - 1);
    else if (key == QLatin1Char('^'))
        field.setCursorPosition(0);
    else if (key == QLatin1Char('*'))
        field.setSelection(0, static_cast<int>(field.text().size()));
    else
        EXPECT_FALSE(field.typeCharacter(key)) << "refused " << str(QString(key));
}

enum class Settings { Both, CommaOnly, FullStopOnly };

struct TypingCase {
    const char *name;
    Settings settings;
    const QString &pattern;
    const char *keys;
    std::vector<const char *> texts; // after each key
    long double value;               // at the end
    int caret = -1;                  // at the end, when it matters
    int maxTypedLength = 20;
};

const TypingCase kTypingCases[] = {
    {"digits then decimals", Settings::Both, kDecimals, "12,5", {"1", "12", "12,", "12,5"}, 12.5L},
    {"trailing separator reads as whole", Settings::Both, kDecimals, "12,", {"1", "12", "12,"}, 12},
    {"trailing zero decimal dropped", Settings::Both, kDecimals, "1,50", {"1", "1,", "1,5", "1,5"}, 1.5L},
    {"two zero decimals dropped", Settings::Both, kDecimals, "1,00", {"1", "1,", "1,0", "1"}, 1},
    {"zero before a decimal kept", Settings::Both, kDecimals, "1,05", {"1", "1,", "1,0", "1,05"}, 1.05L},
    {"third decimal rounded away", Settings::Both, kDecimals, "1,234", {"1", "1,", "1,2", "1,23", "1,23"}, 1.23L},
    {"third decimal rounds up", Settings::Both, kDecimals, "1,995", {"1", "1,", "1,9", "1,99", "2"}, 2},
    {"grouping appears at the fourth digit", Settings::Both, kDecimals, "1234", {"1", "12", "123", "1.234"}, 1234, 5},
    {"grouping of millions",
     Settings::Both,
     kDecimals,
     "1234567,8",
     {"1", "12", "123", "1.234", "12.345", "123.456", "1.234.567", "1.234.567,", "1.234.567,8"},
     1234567.8L,
     11},
    {"zero shows as nothing", Settings::Both, kDecimals, "0,5", {"", ",", ",5"}, 0.5L},
    {"lone minus stays", Settings::Both, kDecimals, "-5", {"-", "-5"}, -5},
    {"lone minus keeps the old value", Settings::Both, kDecimals, "5*-", {"5", "5", "-"}, 5},
    {"minus then separator loses the sign", Settings::Both, kDecimals, "-,", {"-", ","}, 0},
    {"minus then zero empties", Settings::Both, kDecimals, "-0", {"-", ""}, 0},
    {"lone plus empties", Settings::Both, kDecimals, "+", {""}, 0},
    {"plus in front of digits vanishes", Settings::Both, kDecimals, "12^+", {"1", "12", "12", "12"}, 12, 0},
    {"minus in front of digits", Settings::Both, kDecimals, "12^-", {"1", "12", "12", "-12"}, -12, 1},
    {"second separator at the end vanishes",
     Settings::Both,
     kDecimals,
     "12,5,",
     {"1", "12", "12,", "12,5", "12,5"},
     12.5L},
    {"separator typed inside keeps what stands before the second",
     Settings::Both,
     kDecimals,
     "12,5<<<,",
     {"1", "12", "12,", "12,5", "12,5", "12,5", "12,5", "1,2"},
     1.2L,
     0},
    {"separator typed at the start", Settings::Both, kDecimals, "12^,", {"1", "12", "12", ",12"}, 0.12L, 1},
    {"caret keeps its distance from the end",
     Settings::Both,
     kDecimals,
     "123<<4",
     {"1", "12", "123", "123", "123", "1.423"},
     1423,
     3},
    {"backspace a decimal", Settings::Both, kDecimals, "12,5\b", {"1", "12", "12,", "12,5", "12,"}, 12, 3},
    {"backspace regroups", Settings::Both, kDecimals, "1234\b", {"1", "12", "123", "1.234", "123"}, 123, 3},
    {"backspace over the grouping changes nothing",
     Settings::Both,
     kDecimals,
     "1234<<<\b",
     {"1", "12", "123", "1.234", "1.234", "1.234", "1.234", "1.234"},
     1234,
     2},
    {"backspace in an empty field", Settings::Both, kDecimals, "\b", {""}, 0},
    {"select all and type replaces", Settings::Both, kDecimals, "1234*7", {"1", "12", "123", "1.234", "1.234", "7"}, 7},

    // The comma passes the filter in every setting; without decimals it
    // vanishes at once, and where it is the thousands separator it is only
    // grouping.
    {"comma vanishes in a whole field", Settings::CommaOnly, kWhole, "12,", {"1", "12", "12"}, 12, 2},
    {"comma vanishes in a whole field", Settings::FullStopOnly, kWhole, "12,", {"1", "12", "12"}, 12, 2},
    {"comma is grouping where the full stop is decimal",
     Settings::FullStopOnly,
     kDecimals,
     "1,5",
     {"1", "1", "15"},
     15},

    // The limit counts the grouping the field writes.
    {"typing stops at the limit",
     Settings::Both,
     kDecimals,
     "1234567",
     {"1", "12", "123", "1.234", "12.345", "12.345", "12.345"},
     12345,
     -1,
     6},
    {"a full field still takes a replacement",
     Settings::Both,
     kDecimals,
     "12345*9",
     {"1", "12", "123", "1.234", "12.345", "12.345", "9"},
     9,
     -1,
     6},
    {"a full field still takes backspace",
     Settings::Both,
     kDecimals,
     "12345\b1",
     {"1", "12", "123", "1.234", "12.345", "1.234", "12.341"},
     12341,
     -1,
     6},
};

void runTyping(const TypingCase &c, const Separators &separators)
{
    SCOPED_TRACE(std::string(c.name) + ", " + settingName(separators));
    // Rows for one setting are written as they are typed there.
    const auto local = [&](const char *text) {
        return c.settings == Settings::Both ? inSetting(text, separators) : QString::fromLatin1(text);
    };
    NumEditText field(separators);
    field.setDisplayFormat(c.pattern);
    field.setMaxTypedLength(c.maxTypedLength);
    const QString keys = local(c.keys);
    ASSERT_EQ(static_cast<std::size_t>(keys.size()), c.texts.size());
    for (qsizetype i = 0; i < keys.size(); ++i) {
        press(field, keys[i]);
        EXPECT_EQ(str(field.text()), str(local(c.texts[i]))) << "after key " << i + 1;
    }
    EXPECT_EQ(field.value(), c.value);
    if (c.caret >= 0) {
        EXPECT_EQ(field.cursorPosition(), c.caret);
    }
}

} // namespace

TEST(NumEditTextTyping, KeysGiveTextValueAndCaret)
{
    for (const TypingCase &c : kTypingCases) {
        if (c.settings != Settings::FullStopOnly)
            runTyping(c, kCommaDecimal);
        if (c.settings != Settings::CommaOnly)
            runTyping(c, kFullStopDecimal);
    }
}

TEST(NumEditTextTyping, FilterTakesOnlyNumberCharacters)
{
    struct Case {
        QChar c;
        bool commaWhole, commaDecimals, fullStopWhole, fullStopDecimals;
    };
    const Case cases[] = {
        {QLatin1Char('0'), true, true, true, true},
        {QLatin1Char('+'), true, true, true, true},
        {QLatin1Char('-'), true, true, true, true},
        {QLatin1Char(','), true, true, true, true},
        {QChar(8), true, true, true, true},
        {QLatin1Char('.'), false, false, false, true},
        {QLatin1Char('a'), false, false, false, false},
        {QLatin1Char(' '), false, false, false, false},
        {QLatin1Char('\t'), false, false, false, false},
        {QChar(0x16), false, false, false, false}, // Ctrl+V as a control character
        {QChar(0x7f), false, false, false, false},
        {QChar(0x0663), false, false, false, false}, // an Arabic-Indic three
        {QChar(0x2019), false, false, false, false}, // a typographic apostrophe, grouping in Switzerland
    };
    for (const Case &c : cases) {
        const bool expected[] = {c.commaWhole, c.commaDecimals, c.fullStopWhole, c.fullStopDecimals};
        int i = 0;
        for (const Separators &separators : {kCommaDecimal, kFullStopDecimal}) {
            for (const bool decimal : {false, true}) {
                NumEditText field(separators);
                field.setDecimal(decimal);
                EXPECT_EQ(field.acceptsTyped(c.c), expected[i]) << "U+" << std::hex << int(c.c.unicode()) << ", "
                                                                << settingName(separators) << ", decimal " << decimal;
                ++i;
            }
        }
    }
}

TEST(NumEditTextTyping, RefusedCharactersLeaveTheField)
{
    for (const Separators &separators : {kCommaDecimal, kFullStopDecimal}) {
        SCOPED_TRACE(settingName(separators));
        NumEditText field(separators);
        int changes = 0;
        field.setOnChange([&] { ++changes; });
        EXPECT_FALSE(field.typeCharacter(QLatin1Char('7')));
        changes = 0;
        // The full stop where it is no decimal separator, and any decimal
        // separator where the field has no decimals.
        for (const QChar c : {QChar(u'x'), QChar(u' '), QChar(2), QChar(u'.')})
            EXPECT_TRUE(field.typeCharacter(c)) << "U+" << std::hex << int(c.unicode());
        EXPECT_EQ(str(field.text()), "7");
        EXPECT_EQ(field.value(), 7);
        EXPECT_EQ(changes, 0);
    }
}

TEST(NumEditTextTyping, ChangeIsReportedOncePerRunEvenForARewrite)
{
    struct Case {
        const char *before; // typed first
        QChar key;
        int changes;
    };
    const Case cases[] = {
        {"", QLatin1Char('1'), 1},      // '1' is already how 1 looks
        {"1,5", QLatin1Char('0'), 1},   // '1,50' is rewritten as '1,5'
        {"", QLatin1Char('-'), 1},      // the lone minus is left alone
        {"", QLatin1Char('+'), 1},      // '+' is rewritten as nothing
        {"123", QLatin1Char('4'), 1},   // grouping written
        {"", QChar(8), 0},              // nothing to delete
        {"", QLatin1Char('a'), 0},      // refused
        {"12345", QLatin1Char('6'), 0}, // no room in '12.345'
    };
    for (const Case &c : cases) {
        NumEditText field(kCommaDecimal);
        field.setDisplayFormat(kDecimals);
        field.setMaxTypedLength(6);
        for (QChar key : QString::fromLatin1(c.before))
            field.typeCharacter(key);
        int changes = 0;
        field.setOnChange([&] { ++changes; });
        field.typeCharacter(c.key);
        EXPECT_EQ(changes, c.changes) << c.before << " then U+" << std::hex << int(c.key.unicode());
    }
}

TEST(NumEditTextReading, TextToValue)
{
    struct Case {
        const char *text;
        long double value;
    };
    const Case cases[] = {
        {"", 0},
        {"12,5", 12.5L},
        {"1.234,5", 1234.5L},
        {"-1.100", -1100},
        {"12,", 12},
        {",5", 0.5L},
        {"-,01", -0.01L},
        {"+5", 5},
        {"1,2,3", 1.2L},
        {",", 0},
        {"-", 0},
        {"+", 0},
        {"-,", 0},
        {"5-", 0},
        {"--5", 0},
        {"1-2", 0},
        {" 1 2 ", 12},
        {"1e3", 13}, // no exponent: the letter is skipped like any other
        {"12 ab,5x", 12.5L},
        {"1.5", 15}, // the thousands separator is skipped wherever it stands
    };
    for (const Separators &separators : {kCommaDecimal, kFullStopDecimal}) {
        for (const Case &c : cases) {
            const QString text = inSetting(c.text, separators);
            EXPECT_EQ(NumEditText::TextToValue(text, separators), c.value)
                << str(text) << ", " << settingName(separators);
        }
    }
}

// Where the comma is not the decimal separator it is skipped like the
// thousands separator, so a stray comma never wipes what was typed.
TEST(NumEditTextReading, CommaThatIsNotTheDecimalSeparatorIsSkipped)
{
    const Separators swiss{QLatin1Char('.'), QChar(0x2019)};
    EXPECT_EQ(NumEditText::TextToValue(QStringLiteral("1\u2019234.5"), swiss), 1234.5L);
    EXPECT_EQ(NumEditText::TextToValue(QStringLiteral("1,5"), swiss), 15);
    EXPECT_EQ(NumEditText::TextToValue(QStringLiteral("1,234.5"), swiss), 1234.5L);

    struct Setting {
        const char *name;
        Separators separators;
        const char *shown; // what "12" then a comma shows
    };
    const Setting settings[] = {
        {"de_CH", swiss, "12"},
        {"en_US", kFullStopDecimal, "12"},
        {"it_IT", kCommaDecimal, "12,"},
    };
    for (const Setting &s : settings) {
        SCOPED_TRACE(s.name);
        NumEditText field(s.separators);
        field.setDisplayFormat(kDecimals);
        for (QChar c : {QLatin1Char('1'), QLatin1Char('2'), QLatin1Char(',')})
            field.typeCharacter(c);
        EXPECT_EQ(field.text(), QString::fromLatin1(s.shown));
        EXPECT_EQ(field.value(), 12);
    }
}

TEST(NumEditTextValue, ShowsTheNumberAndKeepsWhatTheTextReads)
{
    struct Case {
        long double written;
        const QString &pattern;
        const char *text;
        long double value;
    };
    const Case cases[] = {
        {0, kDecimals, "", 0},
        {0.5L, kDecimals, ",5", 0.5L},
        {-5.25L, kDecimals, "-5,25", -5.25L},
        {1.006L, kDecimals, "1,01", 1.01L},
        {-0.006L, kDecimals, "-,01", -0.01L},
        {-0.004L, kDecimals, "", 0},
        {1100, kDecimals, "1.100", 1100},
        {1234.567L, kDecimals, "1.234,57", 1234.57L},
        {-1234567.891L, kDecimals, "-1.234.567,89", -1234567.89L},
        {1234.5L, kWhole, "1.235", 1235},
        {0.4L, kWhole, "", 0},
        {-0.5L, kWhole, "-1", -1},
    };
    for (const Separators &separators : {kCommaDecimal, kFullStopDecimal}) {
        for (const Case &c : cases) {
            SCOPED_TRACE(std::string(c.text) + ", " + settingName(separators));
            NumEditText field(separators);
            field.setDisplayFormat(c.pattern);
            field.setValue(7); // so that even an empty result is a change
            field.setValue(c.written);
            EXPECT_EQ(str(field.text()), str(inSetting(c.text, separators)));
            EXPECT_EQ(field.value(), c.value);
            // Round trip: the text the field shows reads back as its value.
            EXPECT_EQ(NumEditText::TextToValue(field.text(), separators), field.value());
            // The command line holds a number as this field does.
            EXPECT_EQ(fieldValue(c.written, c.pattern), field.value());
        }
    }
}

TEST(NumEditTextValue, SameTextLeavesTheValueAlone)
{
    NumEditText field(kCommaDecimal);
    field.setDisplayFormat(kDecimals);
    int changes = 0;
    field.setOnChange([&] { ++changes; });

    field.setValue(0.001L); // shows as nothing, like the empty field
    EXPECT_EQ(field.value(), 0);
    EXPECT_EQ(changes, 0);

    field.setValue(1.01L);
    EXPECT_EQ(changes, 1);
    field.setValue(1.006L); // also '1,01'
    EXPECT_EQ(str(field.text()), "1,01");
    EXPECT_EQ(field.value(), 1.01L);
    EXPECT_EQ(changes, 1);
}

TEST(NumEditTextValue, ProgramTextIsNeverCutByTheTypingLimit)
{
    for (const Separators &separators : {kCommaDecimal, kFullStopDecimal}) {
        SCOPED_TRACE(settingName(separators));
        NumEditText field(separators);
        field.setDisplayFormat(kDecimals);
        field.setMaxTypedLength(6);
        field.setValue(1234.56L);
        EXPECT_EQ(str(field.text()), str(inSetting("1.234,56", separators)));
        EXPECT_EQ(field.value(), 1234.56L);

        field.setText(inSetting("-98.765,43", separators));
        EXPECT_EQ(str(field.text()), str(inSetting("-98.765,43", separators)));
        EXPECT_EQ(field.value(), -98765.43L);

        // Typing into the long text finds no room, but is not refused.
        EXPECT_FALSE(field.typeCharacter(QLatin1Char('1')));
        EXPECT_EQ(str(field.text()), str(inSetting("-98.765,43", separators)));
    }
}

TEST(NumEditTextValue, AssignedTextIsNormalised)
{
    struct Case {
        const QString &pattern;
        const char *assigned;
        const char *text;
        long double value;
    };
    const Case cases[] = {
        {kDecimals, "1,2,3", "1,2", 1.2L}, {kDecimals, "1234,567", "1.234,57", 1234.57L},
        {kDecimals, "12,0", "12,0", 12},   {kDecimals, "12,00", "12", 12},
        {kDecimals, "abc", "", 0},         {kDecimals, "-", "-", 0},
        {kWhole, "12,5", "13", 13},
    };
    for (const Separators &separators : {kCommaDecimal, kFullStopDecimal}) {
        for (const Case &c : cases) {
            NumEditText field(separators);
            field.setDisplayFormat(c.pattern);
            field.setText(inSetting(c.assigned, separators));
            EXPECT_EQ(str(field.text()), str(inSetting(c.text, separators))) << c.assigned;
            EXPECT_EQ(field.value(), c.value) << c.assigned;
            EXPECT_EQ(field.cursorPosition(), field.text().size()) << c.assigned;
        }
    }
}

TEST(NumEditTextPattern, DecimalEditsThePatternOnly)
{
    struct Case {
        const char *pattern;
        bool decimal;
        const char *result;
    };
    const Case cases[] = {
        {"#,###", true, "#,###.##"},  {"#,###", false, "#,###"}, {"#,###.##", false, "#,###"},
        {"#,##0.0#", false, "#,##0"}, {"0.0.0", false, "0"}, // cut from the first point
    };
    for (const Case &c : cases) {
        NumEditText field(kCommaDecimal);
        field.setDisplayFormat(QString::fromLatin1(c.pattern));
        field.setDecimal(c.decimal);
        EXPECT_EQ(str(field.displayFormat()), c.result) << c.pattern << " decimal " << c.decimal;
        EXPECT_EQ(field.decimal(), c.decimal);
    }

    // The text waits for its next change.
    NumEditText field(kCommaDecimal);
    field.setDisplayFormat(kDecimals);
    field.setText(QStringLiteral("12,5"));
    field.setDecimal(false);
    EXPECT_EQ(str(field.text()), "12,5");
    EXPECT_EQ(field.value(), 12.5L);
    field.typeCharacter(QLatin1Char('1'));
    EXPECT_EQ(str(field.text()), "13");
    EXPECT_EQ(field.value(), 13);
}

TEST(NumEditTextPattern, DisplayFormatShowsTheNumberAnew)
{
    struct Case {
        const char *before;
        const QString &pattern;
        const char *after;
        long double value;
        bool decimal;
    };
    const Case cases[] = {
        {"12,5", kWhole, "13", 13, false},
        {"1.234,5", kWhole, "1.235", 1235, false},
        {"12,", kWhole, "12", 12, false},
        {"-", kWhole, "", 0, false},
    };
    for (const Separators &separators : {kCommaDecimal, kFullStopDecimal}) {
        for (const Case &c : cases) {
            NumEditText field(separators);
            field.setDisplayFormat(kDecimals);
            field.setText(inSetting(c.before, separators));
            field.setDisplayFormat(c.pattern);
            EXPECT_EQ(str(field.text()), str(inSetting(c.after, separators))) << c.before;
            EXPECT_EQ(field.value(), c.value) << c.before;
            EXPECT_EQ(field.decimal(), c.decimal) << c.before;
        }
    }
}

TEST(NumEditTextPattern, PatternsWithFixedDecimalsSettle)
{
    // '0' places write the separator themselves; the rewrite must not add more.
    NumEditText field(kCommaDecimal);
    field.setDisplayFormat(QStringLiteral("#,##0.0#"));
    EXPECT_EQ(str(field.text()), "0,0");
    field.setText(QStringLiteral("12,0"));
    EXPECT_EQ(str(field.text()), "12,0");
    field.setText(QStringLiteral("7,"));
    EXPECT_EQ(str(field.text()), "7,0");
    EXPECT_EQ(field.value(), 7);
}
