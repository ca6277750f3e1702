#include "WindowTest.h"
#include "ui/widgets/NumEdit.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

using namespace cordavo;

namespace {

class NumEditWidget : public ::testing::TestWithParam<Separators>
{
protected:
    void SetUp() override
    {
        window = std::make_unique<QWidget>();
        edit = new TNumEdit(separators(), window.get());
        edit->setDecimal(true);
        window->show();
        edit->setFocus();
        QObject::connect(edit, &TNumEdit::changed, [this] { seen << edit->text(); });
    }

    const Separators &separators() const { return GetParam(); }
    QString local(const char *commaText) const { return inSetting(commaText, separators()); }
    std::string shown() const { return edit->text().toStdString(); }

    std::unique_ptr<QWidget> window;
    TNumEdit *edit = nullptr;
    // The text a listener of changed() reads, at each signal: the analysis
    // window follows the note fields this way.
    QStringList seen;
};

TEST_P(NumEditWidget, TypingDigitsAndSeparators)
{
    QTest::keyClicks(edit, local("1234,5"));
    EXPECT_EQ(shown(), local("1.234,5").toStdString());
    EXPECT_EQ(edit->value(), 1234.5L);
    EXPECT_EQ(edit->cursorPosition(), edit->text().size());
    // Each change is told once, after the text has been normalised.
    QStringList expected;
    for (const char *text : {"1", "12", "123", "1.234", "1.234,", "1.234,5"})
        expected << local(text);
    EXPECT_EQ(seen, expected);

    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(shown(), local("1.234").toStdString());
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClick(edit, Qt::Key_Delete);
    EXPECT_EQ(shown(), "234");
    EXPECT_EQ(edit->value(), 234);
}

TEST_P(NumEditWidget, RefusedCharactersRaiseInputError)
{
    edit->setDecimal(false);
    QSignalSpy errors(edit, &TNumEdit::inputError);
    QTest::keyClicks(edit, QStringLiteral("1x 2.,"));
    EXPECT_EQ(shown(), "12");
    // 'x', the space, and the full stop in a whole field; the comma passes
    // and vanishes
    ASSERT_EQ(errors.count(), 3);
    EXPECT_EQ(errors.at(0).at(0).value<TNumEdit *>(), edit);
}

TEST_P(NumEditWidget, PasteKeepsWhatStandsBeforeASecondSeparator)
{
    QGuiApplication::clipboard()->setText(local("1,2,3"));
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(shown(), local("1,2").toStdString());
    EXPECT_EQ(edit->value(), 1.2L);

    // Pasted text is not filtered, only read.
    edit->clear();
    QGuiApplication::clipboard()->setText(local("abc 1.234,567"));
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(shown(), local("1.234,57").toStdString());
    EXPECT_EQ(edit->value(), 1234.57L);
}

TEST_P(NumEditWidget, SelectAllThenTypeOrBackspace)
{
    edit->setValue(1234.5L);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_7);
    EXPECT_EQ(shown(), "7");
    EXPECT_EQ(edit->value(), 7);

    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(shown(), "");
    EXPECT_EQ(edit->value(), 0);
}

TEST_P(NumEditWidget, TypingLimitLeavesProgramTextWhole)
{
    QSignalSpy errors(edit, &TNumEdit::inputError);
    edit->setMaxTypedLength(6);
    QTest::keyClicks(edit, QStringLiteral("1234567"));
    EXPECT_EQ(shown(), local("12.345").toStdString());
    EXPECT_EQ(errors.count(), 0);

    edit->setValue(1234.56L);
    EXPECT_EQ(shown(), local("1.234,56").toStdString());
    EXPECT_EQ(edit->value(), 1234.56L);
}

TEST_P(NumEditWidget, TextSetFromOutsideIsNormalised)
{
    edit->setText(local("-1234,567"));
    EXPECT_EQ(shown(), local("-1.234,57").toStdString());
    EXPECT_EQ(edit->value(), -1234.57L);
    EXPECT_EQ(seen, QStringList{local("-1.234,57")});

    edit->setDisplayFormat(QStringLiteral("#,###"));
    EXPECT_FALSE(edit->decimal());
    EXPECT_EQ(shown(), local("-1.235").toStdString());
}

TEST_P(NumEditWidget, TheKeypadTypesTheRegionalSeparatorAndAForeignOneIsExplained)
{
    // The keypad's decimal key is a full stop on some layouts, a comma on others.
    for (Qt::Key key : {Qt::Key_Period, Qt::Key_Comma}) {
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("11"));
        QTest::keyClick(edit, key, Qt::KeypadModifier);
        QTest::keyClicks(edit, QStringLiteral("73"));
        EXPECT_EQ(edit->value(), 11.73L) << key;
    }

    // A whole-number field refuses a full stop without a word: it takes no decimals.
    edit->setDecimal(false);
    edit->clear();
    QTest::keyClicks(edit, QStringLiteral("."));
    EXPECT_FALSE(QToolTip::isVisible());

    // "11.73" copied from a book: under a comma setting the full stop is
    // refused with a word at the field, which keeps its text.
    const bool comma = separators().decimal == QLatin1Char(',');
    edit->setDecimal(true);
    QTest::keyClicks(edit, QStringLiteral("11."));
    EXPECT_EQ(shown(), comma ? "11" : "11.");
    EXPECT_EQ(QToolTip::isVisible(), comma);
    if (comma) {
        EXPECT_EQ(QToolTip::text(), QStringLiteral("The decimal separator here is \",\" (the regional setting), "
                                                   "not \".\""));
    }
}

CORDAVO_BOTH_SETTINGS(NumEditWidget);

TEST(NumEditWidgetDefaults, AnEmptyRightAlignedWholeNumberField)
{
    TNumEdit edit(kCommaDecimal);
    EXPECT_TRUE(edit.alignment() & Qt::AlignRight);
    EXPECT_EQ(edit.size(), QSize(121, 21));
    EXPECT_FALSE(edit.decimal());
    EXPECT_EQ(edit.displayFormat(), QStringLiteral("#,###"));
    EXPECT_EQ(edit.maxTypedLength(), 20);
    EXPECT_EQ(edit.value(), 0);
    EXPECT_TRUE(edit.text().isEmpty());
}

} // namespace
