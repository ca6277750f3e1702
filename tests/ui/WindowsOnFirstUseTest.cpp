#include "WindowTest.h"
#include "ui/windows/AnalysisWindow.h"
#include "ui/windows/UAbout.h"
#include "ui/windows/UCents.h"
#include "ui/windows/UScale.h"
#include "ui/windows/USetTemperament.h"

#include <QCheckBox>
#include <QDebug>
#include <QMetaProperty>

#include <gtest/gtest.h>

#include <functional>

using namespace cordavo;

namespace {

// Everything a user or another window can see of a window before acting on
// it: the window's title, size and visibility, and for each of its named
// controls its kind, place, and what it shows.
QStringList snapshot(const QWidget &window)
{
    auto describe = [](const QObject &object) {
        QString line;
        QDebug out(&line);
        out << object.metaObject()->className() << object.objectName();
        for (const char *name : {"windowTitle", "text", "plainText", "currentText", "count", "checked", "enabled",
                                 "geometry", "readOnly", "value"}) {
            if (object.metaObject()->indexOfProperty(name) >= 0)
                out << name << object.property(name);
        }
        if (object.isWidgetType())
            out << "shown" << static_cast<const QWidget &>(object).isVisible();
        return line;
    };
    QStringList lines{describe(window)};
    for (const QObject *child : window.findChildren<QObject *>()) {
        if (!child->objectName().isEmpty())
            lines << describe(*child);
    }
    return lines;
}

struct LateWindow {
    const char *name;
    std::function<QWidget &(CordavoWindows &)> reach;
};

const LateWindow kLateWindows[] = {
    {"FormXml", [](CordavoWindows &w) -> QWidget & { return w.FormXml(); }},
    {"FormCicloQuinte", [](CordavoWindows &w) -> QWidget & { return w.FormCicloQuinte(); }},
    {"FormScale", [](CordavoWindows &w) -> QWidget & { return w.FormScale(); }},
    {"FormCents", [](CordavoWindows &w) -> QWidget & { return w.FormCents(); }},
    {"AboutBox", [](CordavoWindows &w) -> QWidget & { return w.AboutBox(); }},
    {"analysisWindow", [](CordavoWindows &w) -> QWidget & { return w.analysisWindow(); }},
};

class WindowsOnFirstUseTest : public WindowTest
{
protected:
    // What the user may do in the main window and in every window but the
    // one named: typing, an export from a setter, generating the document,
    // the analysis.
    void useEverythingBut(const char *spared)
    {
        const QString name = QLatin1String(spared);
        fillIdentification();
        noteFields(*main)[4]->setValue(-13.69);
        main->exportCents({0, -9.78, -3.91, -5.87, -7.82, -1.96, -11.73, 1.96, -7.82, -5.87, -3.91, -9.78});
        if (name != QLatin1String("FormXml"))
            generate();
        if (name != QLatin1String("analysisWindow"))
            trigger("AnalizzaTemperamento");
        if (name != QLatin1String("FormCents"))
            windows->FormCents().showInFront();
        if (name != QLatin1String("FormScale"))
            windows->FormScale().showInFront();
        if (name != QLatin1String("FormCicloQuinte"))
            windows->FormCicloQuinte().showInFront();
        if (name != QLatin1String("AboutBox"))
            trigger("Informazioni");
        QApplication::processEvents();
    }
};

} // namespace

// A window reached for the first time after the rest of the program has been
// used is the window the program starts with: same controls, same texts,
// same place, hidden. So no one can tell when it was made.
TEST_P(WindowsOnFirstUseTest, AWindowReachedLateIsTheWindowOfTheStart)
{
    for (const LateWindow &late : kLateWindows) {
        SCOPED_TRACE(late.name);
        fresh();
        const QStringList atStart = snapshot(late.reach(*windows));
        ASSERT_GT(atStart.size(), 1);

        fresh();
        useEverythingBut(late.name);
        QWidget &reached = late.reach(*windows);
        EXPECT_EQ(snapshot(reached), atStart);
        // And it is the one window, whoever asks for it.
        EXPECT_EQ(&late.reach(*windows), &reached);
    }
}

// A window made on first use answers its first action as it would at
// start: the cents setter, reached after everything else was used, exports
// its differences to the main window.
TEST_P(WindowsOnFirstUseTest, ASetterMadeLateDoesItsWork)
{
    useEverythingBut("FormCents");
    windows->start();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    TFormCents &cents = windows->FormCents();
    control<QCheckBox>(cents, "CheckBoxEquabileInput")->click();
    cents.setPositions(SetterSide::Out, {0, 90, 192, 294, 390, 498, 588, 696, 792, 888, 996, 1092});
    cents.showInFront();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&cents));
    dialogs.log.clear();
    control<QPushButton>(cents, "ButtonEsporta")->click();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    EXPECT_EQ(dialogs.entries(QStringLiteral("message")), QStringList{QStringLiteral("Export correctly")});
    const char *expected[12] = {"12", "2", "4", "6", "2", "10", "", "8", "4", "", "8", "4"};
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(noteFields(*main)[i]->text(), QLatin1String(expected[i])) << "note " << i;
}

CORDAVO_BOTH_SETTINGS(WindowsOnFirstUseTest);
