#pragma once

// The fixture every window test shares: a fresh set of windows for each
// case, under the regional setting the case is run with, a scripted dialog
// seam, and a temporary folder for files.

#include "ScriptedDialogs.h"
#include "TestSettings.h"
#include "numbers/Separators.h"
#include "ui/CordavoWindows.h"

#include <QApplication>
#include <QObject>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

namespace cordavo {

class TFormTemperamento;

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
