#include "ui/widgets/ScreenFit.h"
#include "TestScreens.h"
#include "WindowTest.h"
#include "ui/windows/AnalysisWindow.h"
#include "ui/windows/ListenWindow.h"
#include "ui/windows/TuningGuideWindow.h"
#include "ui/windows/UCents.h"
#include "ui/windows/UScale.h"
#include "ui/windows/USetTemperament.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLabel>
#include <QProcess>
#include <QScreen>
#include <QScrollArea>
#include <QTemporaryFile>

#include <gtest/gtest.h>

#include <functional>

using namespace cordavo;

namespace {

QScrollArea *fitScroll(const QWidget &window)
{
    return window.findChild<QScrollArea *>(QStringLiteral("screenFitScroll"));
}

// What a user works with: labels with text, and every control that takes
// the focus; not the inner parts of a box, a list or a text view, nor the
// scroll bars of the window's own scrolling.
bool isControl(const QWidget *widget, const QWidget &window, const QScrollArea *scroll)
{
    if (scroll && scroll->isAncestorOf(widget) && !scroll->widget()->isAncestorOf(widget))
        return false;
    for (const QWidget *p = widget->parentWidget(); p && p != &window; p = p->parentWidget()) {
        if ((qobject_cast<const QAbstractScrollArea *>(p) && p != scroll) || qobject_cast<const QComboBox *>(p) ||
            qobject_cast<const QAbstractSpinBox *>(p))
            return false;
    }
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return !label->text().trimmed().isEmpty();
    return widget->focusPolicy() != Qt::NoFocus && widget != scroll;
}

// The controls of a shown window that lie outside it and cannot be scrolled
// into view.
QStringList outOfReach(QWidget &window)
{
    QStringList out;
    QScrollArea *scroll = fitScroll(window);
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        if (widget->isWindow() || !widget->isVisibleTo(&window) || !isControl(widget, window, scroll))
            continue;
        const QString name = widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                                            : widget->objectName();
        if (scroll && scroll->widget()->isAncestorOf(widget)) {
            const QRect view = scroll->viewport()->rect();
            const QRect placed(widget->mapTo(scroll->widget(), QPoint(0, 0)), widget->size());
            if (widget->width() + 4 <= view.width() && widget->height() + 4 <= view.height()) {
                // The whole control, not only a field's cursor as ensureWidgetVisible() does.
                scroll->ensureVisible(placed.center().x(), placed.center().y(), placed.width() / 2 + 2,
                                      placed.height() / 2 + 2);
                if (!view.contains(QRect(widget->mapTo(scroll->viewport(), QPoint(0, 0)), widget->size())))
                    out << name;
            } else if (!scroll->widget()->rect().contains(placed)) {
                // A control larger than the view is reached part by part.
                out << name;
            }
            continue;
        }
        if (!window.rect().contains(QRect(widget->mapTo(&window, QPoint(0, 0)), widget->size())))
            out << name;
    }
    return out;
}

class ScreenFitTest : public WindowTest
{
protected:
    // The windows that can grow past a small screen, by name.
    std::vector<std::pair<const char *, QWidget *>> largeWindows() const
    {
        return {{"main", main},
                {"cents", &windows->FormCents()},
                {"fifths", &windows->FormCicloQuinte()},
                {"intervals", &windows->FormScale()},
                {"listen", &windows->listenWindow()},
                {"guide", &windows->tuningGuideWindow()},
                {"analysis", &windows->analysisWindow()}};
    }
};

} // namespace

// Every window keeps every control within reach, in a free area that
// screens at their scaling leave; where it fits, nothing changes.
TEST_P(ScreenFitTest, EveryControlStaysWithinReachOfTheFreeArea)
{
    struct Case {
        const char *screen;
        QRect available;
        QStringList scrolled;
    };
    const Case cases[] = {
        {"1920 × 1080 at 100 %, a panel at the top", QRect(0, 40, 1920, 1040), {}},
        {"1920 × 1080 at 150 %, a panel at the top",
         QRect(0, 27, 1280, 693),
         {QStringLiteral("cents"), QStringLiteral("fifths"), QStringLiteral("analysis")}},
        {"1366 × 768 at 125 %, a panel at the foot",
         QRect(0, 0, 1093, 582),
         {QStringLiteral("main"), QStringLiteral("cents"), QStringLiteral("fifths"), QStringLiteral("intervals"),
          QStringLiteral("analysis")}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.screen);
        fresh();
        for (const auto &[name, window] : largeWindows()) {
            SCOPED_TRACE(name);
            const QSize before = window->size();
            const bool resized = window->testAttribute(Qt::WA_Resized);
            const bool scrolls = fitWithin(window, c.available);
            EXPECT_EQ(scrolls, c.scrolled.contains(QLatin1String(name)));
            if (c.scrolled.isEmpty()) {
                // Where everything fits, a window keeps its size, or the size its layout gives it.
                EXPECT_EQ(window->size(), before);
                EXPECT_EQ(window->testAttribute(Qt::WA_Resized), resized);
            }
            window->show();
            QApplication::processEvents();
            const QSize framed =
                window->frameGeometry().size().expandedTo(window->size().grownBy(frameAllowance(window)));
            EXPECT_LE(framed.width(), c.available.width());
            EXPECT_LE(framed.height(), c.available.height());
            EXPECT_EQ(outOfReach(*window).join(QLatin1Char(' ')).toStdString(), "");
            window->hide();
        }
    }
}

// A full HD screen with a 48-pixel panel, at 150 %, the tests run again on
// it: the fifths and cents setters scroll, and every window lies on the
// screen with all of its controls within reach.
TEST_P(ScreenFitTest, OnAFullHdScreenAtOneAndAHalfTimes)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (screen->devicePixelRatio() == 1) {
        QTemporaryFile configuration;
        ASSERT_TRUE(configuration.open());
        configuration.write(offscreenScreen(QSize(1920, 1032)));
        configuration.flush();
        QProcess tests;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"),
                   QStringLiteral("offscreen:configfile=") + configuration.fileName());
        env.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("1.5"));
        tests.setProcessEnvironment(env);
        tests.setProcessChannelMode(QProcess::MergedChannels);
        tests.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--gtest_filter=*ScreenFitTest.OnAFullHdScreenAtOneAndAHalfTimes*")});
        ASSERT_TRUE(tests.waitForFinished(120000));
        const QString output = QString::fromUtf8(tests.readAll());
        EXPECT_EQ(tests.exitCode(), 0) << qPrintable(output);
        EXPECT_TRUE(output.contains(QStringLiteral("[  PASSED  ] 1 test"))) << qPrintable(output);
        return;
    }
    ASSERT_EQ(screen->availableGeometry().size(), QSize(1280, 688));
    windows->analysisWindow().showInFront();
    windows->tuningGuideWindow().showInFront();
    for (const auto &[name, window] : largeWindows()) {
        SCOPED_TRACE(name);
        window->show();
        QApplication::processEvents();
        EXPECT_TRUE(screen->availableGeometry().contains(window->frameGeometry()))
            << window->frameGeometry().x() << ',' << window->frameGeometry().y() << ' '
            << window->frameGeometry().width() << " × " << window->frameGeometry().height();
        EXPECT_EQ(outOfReach(*window).join(QLatin1Char(' ')).toStdString(), "");
    }
    EXPECT_NE(fitScroll(windows->FormCicloQuinte()), nullptr);
    EXPECT_NE(fitScroll(windows->FormCents()), nullptr);
    EXPECT_EQ(fitScroll(*main), nullptr);
}

INSTANTIATE_TEST_SUITE_P(FullStop, ScreenFitTest, ::testing::Values(kFullStopDecimal), settingParamName);
