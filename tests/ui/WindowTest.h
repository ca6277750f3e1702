#pragma once

// The fixture every window test shares: a fresh set of windows for each
// case, under the regional setting the case is run with, a scripted dialog
// seam, and a temporary folder for files.

#include "ScriptedDialogs.h"
#include "TestFiles.h"
#include "TestSettings.h"
#include "numbers/Separators.h"
#include "ui/widgets/NumEdit.h"
#include "ui/windows/CordavoWindows.h"
#include "ui/windows/SetterWindow.h"
#include "ui/windows/UTempXml.h"
#include "ui/windows/UTemperamento.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QObject>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <stdexcept>
#include <string>

namespace cordavo {

// "Comma" or "FullStop", so that a failing case names its setting.
inline std::string settingName(const Separators &separators)
{
    return separators.decimal == QLatin1Char(',') ? "Comma" : "FullStop";
}

inline std::string settingParamName(const ::testing::TestParamInfo<Separators> &info)
{
    return settingName(info.param);
}

// A control of a window, found by its object name; a missing one fails the
// test at once (Google Test reports the exception as the failure).
template <typename T> T *control(const QObject &window, const char *name)
{
    T *found = window.findChild<T *>(QString::fromLatin1(name));
    if (!found)
        throw std::runtime_error(std::string("no control named ") + name);
    return found;
}

// Twelve number fields of a window, C to B, the one of note i named nameOf(i).
template <typename NameOf> std::array<TNumEdit *, 12> twelveFields(const QObject &window, NameOf nameOf)
{
    std::array<TNumEdit *, 12> fields{};
    for (int i = 0; i < 12; ++i)
        fields[i] = control<TNumEdit>(window, std::string(nameOf(i)).c_str());
    return fields;
}

// The main window's twelve note fields, C to B.
inline std::array<TNumEdit *, 12> noteFields(const TFormTemperamento &main)
{
    static const char *const kNames[12] = {"NumEdit_Do",       "NumEdit_DoDiesis", "NumEdit_Re",
                                           "NumEdit_ReDiesis", "NumEdit_Mi",       "NumEdit_Fa",
                                           "NumEdit_FaDiesis", "NumEdit_Sol",      "NumEdit_SolDiesis",
                                           "NumEdit_La",       "NumEdit_LaDiesis", "NumEdit_Si"};
    return twelveFields(main, [](int i) { return kNames[i]; });
}

// What a row of fields shows.
inline QStringList texts(const std::array<TNumEdit *, 12> &fields)
{
    QStringList out;
    for (const TNumEdit *field : fields)
        out << field->text();
    return out;
}

// A setter side's twelve note fields, C to B: NumEdit_C1 ... NumEdit_B1 on
// the left, NumEditOut_C1 ... on the right; the intervals setter's second
// terms end in 2.
inline std::array<TNumEdit *, 12> setterFields(const QObject &setter, SetterSide side, int term = 1)
{
    static const char *const kNotes[12] = {"C", "Cd", "D", "Dd", "E", "F", "Fd", "G", "Gd", "A", "Ad", "B"};
    const std::string prefix = side == SetterSide::Input ? "NumEdit_" : "NumEditOut_";
    return twelveFields(setter, [&](int i) { return prefix + kNotes[i] + std::to_string(term); });
}

class WindowTest : public ::testing::TestWithParam<Separators>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        windows = std::make_unique<CordavoWindows>(GetParam(), dialogs);
        main = &windows->FormTemperamento();
    }

    void TearDown() override
    {
        windows.reset();
        QApplication::processEvents();
    }

    // Starts again with new windows and an empty dialog log, for the next
    // row of a table.
    void fresh()
    {
        TearDown();
        dialogs.log.clear();
        SetUp();
    }

    // A text written with full stops, in the setting's decimal separator.
    QString local(const char *fullStopText) const
    {
        return QString::fromLatin1(fullStopText).replace(QLatin1Char('.'), GetParam().decimal);
    }
    QStringList local(const QStringList &fullStopTexts) const
    {
        QStringList out;
        for (const QString &text : fullStopTexts)
            out << QString(text).replace(QLatin1Char('.'), GetParam().decimal);
        return out;
    }

    // A control of the main window, by name.
    template <typename T> T *mainControl(const char *name) const { return control<T>(*main, name); }
    // Chooses a command of the main window's menus, by name.
    void trigger(const char *menuItem) const { mainControl<QAction>(menuItem)->trigger(); }
    // The viewer's text box, where the user may edit the document.
    QPlainTextEdit *viewer() const { return control<QPlainTextEdit>(windows->FormXml(), "MemoXml"); }
    // "Generate xml".
    void generate() const { mainControl<QPushButton>("ButtonGeneraXml")->click(); }

    // Opens a setter as the user does, past the About window: its choice in
    // the main window (RadioButtonCents ...), then "Set Temperament".
    void openSetter(const char *choice, QWidget *setter)
    {
        windows->start();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main));
        mainControl<QRadioButton>(choice)->setChecked(true);
        mainControl<QPushButton>("ButtonSetTemperamento")->click();
        ASSERT_TRUE(QTest::qWaitForWindowActive(setter));
    }

    // Writes a file of these bytes into the temporary folder and queues it as
    // the answer to the next file question, with an empty log.
    QString offerFile(const char *name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(QLatin1String(name));
        writeBytes(path, bytes);
        dialogs.log.clear();
        dialogs.fileAnswers = {path};
        return path;
    }

    // Fills the identifying fields so that they pass the checks.
    void fillIdentification(double temperamentId = 1234) const
    {
        mainControl<QLineEdit>("EditNomeFornitore")->setText(QStringLiteral("Acme"));
        mainControl<TNumEdit>("NumEdit_IdFornitore")->setValue(7);
        mainControl<TNumEdit>("NumEdit_IdTemperamento")->setValue(temperamentId);
        mainControl<QLineEdit>("EditNomeTemperamento")->setText(QStringLiteral("Werckmeister III"));
        mainControl<QLineEdit>("EditNomeCorto")->setText(QStringLiteral("W3"));
    }

    // Every main-window field a file can change, to show that a refused
    // file changed none.
    QStringList fieldTexts() const
    {
        QStringList out;
        for (const char *name : {"EditNomeFornitore", "NumEdit_IdFornitore", "NumEdit_IdTemperamento",
                                 "EditNomeTemperamento", "EditNomeCorto", "EditCommento"})
            out << mainControl<QLineEdit>(name)->text();
        return out + texts(noteFields(*main));
    }

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    std::unique_ptr<CordavoWindows> windows;
    TFormTemperamento *main = nullptr;
};

} // namespace cordavo

// Runs every test of a fixture under both settings, each named for its setting.
#define CORDAVO_BOTH_SETTINGS(Fixture)                                                                                 \
    INSTANTIATE_TEST_SUITE_P(BothSettings, Fixture,                                                                    \
                             ::testing::Values(cordavo::kCommaDecimal, cordavo::kFullStopDecimal),                     \
                             cordavo::settingParamName)
