#include "ui/widgets/ScreenFit.h"

#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace cordavo {

namespace {

// Desktops draw a title bar about this high and thin borders; before a
// window shows there is no frame to measure.
constexpr QMargins kFrameAllowance(4, 32, 4, 4);

const QLatin1String kScrollName("screenFitScroll");

// What the program laid out: a main window's central widget, or the window.
QWidget *body(QWidget *window)
{
    if (auto *main = qobject_cast<QMainWindow *>(window))
        return main->centralWidget();
    return window;
}

QScrollArea *fittedScroll(QWidget *window)
{
    return window->findChild<QScrollArea *>(kScrollName);
}

// Moves the window's contents into a scroll area that takes their place.
QScrollArea *scrollContents(QWidget *window, const QSize &designed)
{
    auto *scroll = new QScrollArea;
    scroll->setObjectName(kScrollName);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    if (auto *main = qobject_cast<QMainWindow *>(window)) {
        // The central widget's size is known once the menu bar has its place.
        main->layout()->activate();
        QWidget *central = main->takeCentralWidget();
        // Controls at fixed places need the whole panel.
        if (!central->layout()) {
            const QRect placed = central->childrenRect();
            central->setMinimumSize(central->size().expandedTo(QSize(placed.right() + 1, placed.bottom() + 1)));
        }
        scroll->setWidget(central);
        main->setCentralWidget(scroll);
        return scroll;
    }
    auto *contents = new QWidget;
    contents->setObjectName(QStringLiteral("screenFitContents"));
    if (QLayout *layout = window->layout()) {
        // Takes the layout over, and the controls in it.
        contents->setLayout(layout);
    } else {
        const QList<QWidget *> placed = window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        for (QWidget *child : placed) {
            if (child->isWindow())
                continue;
            const bool shown = !child->isHidden();
            child->setParent(contents);
            child->setVisible(shown);
        }
        contents->setMinimumSize(designed);
    }
    scroll->setWidget(contents);
    auto *frame = new QVBoxLayout(window);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->addWidget(scroll);
    return scroll;
}

} // namespace

QMargins frameAllowance(const QWidget *window)
{
    if (window->isVisible()) {
        const QRect frame = window->frameGeometry();
        const QRect inside = window->geometry();
        const QMargins measured(inside.left() - frame.left(), inside.top() - frame.top(),
                                frame.right() - inside.right(), frame.bottom() - inside.bottom());
        if (!measured.isNull())
            return measured;
    }
    return kFrameAllowance;
}

bool fitWithin(QWidget *window, const QRect &available)
{
    const QSize room = available.marginsRemoved(frameAllowance(window)).size();
    // Once scrolling, the window only keeps to the room.
    if (fittedScroll(window)) {
        window->resize(window->size().boundedTo(room));
        return true;
    }
    const QWidget *laidOut = body(window);
    // Controls placed at fixed positions need the whole size they were drawn
    // for; a layout can shrink to its least size.
    const bool placed = laidOut && !laidOut->layout();
    // A window never resized takes its layout's size when it first shows.
    const QSize designed =
        (window->testAttribute(Qt::WA_Resized) ? window->size() : window->sizeHint()).expandedTo(window->minimumSize());
    const QSize least = placed ? designed : window->minimumSizeHint().expandedTo(window->minimumSize());
    if (least.width() <= room.width() && least.height() <= room.height()) {
        if (designed != designed.boundedTo(room))
            window->resize(designed.boundedTo(room));
        return false;
    }
    QScrollArea *scroll = scrollContents(window, designed);

    // A scroll bar along one side takes room from the other direction.
    const int bar = scroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll);
    QSize shown = designed.boundedTo(room);
    for (int pass = 0; pass < 2; ++pass) {
        if (shown.height() < least.height())
            shown.setWidth(std::min(room.width(), std::max(shown.width(), least.width() + bar)));
        if (shown.width() < least.width())
            shown.setHeight(std::min(room.height(), std::max(shown.height(), least.height() + bar)));
    }
    if (placed) {
        // A window drawn for one size may now take any from what fits to that.
        window->setMinimumSize(shown);
        window->setMaximumSize(designed.expandedTo(shown));
    }
    window->resize(shown);
    return true;
}

bool fitToScreen(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen && fitWithin(window, screen->availableGeometry());
}

void placeOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    fitWithin(window, available);
    // Centred; a window that takes the whole height keeps its title bar on
    // the screen.
    const QMargins frame = frameAllowance(window);
    QPoint at = available.center() - window->rect().center();
    const int lowest = available.bottom() + 1 - (window->height() + frame.top() + frame.bottom());
    const int rightmost = available.right() + 1 - (window->width() + frame.left() + frame.right());
    at.setY(std::max(available.top(), std::min(at.y(), lowest)));
    at.setX(std::max(available.left(), std::min(at.x(), rightmost)));
    window->move(at);
}

} // namespace cordavo
