#include "WindowTest.h"
#include "tuning/BuiltInLibrary.h"
#include "ui/windows/AnalysisWindow.h"
#include "ui/windows/LibraryDialog.h"
#include "ui/windows/ListenWindow.h"
#include "ui/windows/UAbout.h"
#include "ui/windows/UCents.h"
#include "ui/windows/UScale.h"
#include "ui/windows/USetTemperament.h"
#include "ui/windows/UTempXml.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>

using namespace cordavo;

namespace {

// The note parts of the setters' control names, C to B.
const char *const kParts[12] = {"C", "Cd", "D", "Dd", "E", "F", "Fd", "G", "Gd", "A", "Ad", "B"};

QStringList mainOrder()
{
    QStringList names = {"ComboBoxTemperamentInput",
                         "ButtonSetTemperamento",
                         "RadioButtonCents",
                         "RadioButtonScale",
                         "RadioButtonQuinte",
                         "ButtonGeneraXml",
                         "ComboBoxTemperamentOut",
                         "EditNomeFornitore",
                         "NumEdit_IdFornitore",
                         "NumEdit_IdTemperamento",
                         "EditNomeTemperamento",
                         "EditNomeCorto",
                         "EditCommento"};
    for (const char *note :
         {"Do", "DoDiesis", "Re", "ReDiesis", "Mi", "Fa", "FaDiesis", "Sol", "SolDiesis", "La", "LaDiesis", "Si"})
        names << QStringLiteral("NumEdit_") + QLatin1String(note);
    return names;
}

// "Input" or "Out", and the prefix of the side's note fields.
QString sideName(bool input)
{
    return input ? QStringLiteral("Input") : QStringLiteral("Out");
}
QString fieldPrefix(bool input)
{
    return input ? QStringLiteral("NumEdit_") : QStringLiteral("NumEditOut_");
}

QStringList centsOrder()
{
    QStringList names = {QStringLiteral("ButtonEsporta")};
    for (bool input : {true, false}) {
        names << QStringLiteral("EditNome") + sideName(input);
        for (const char *part : kParts)
            names << fieldPrefix(input) + QLatin1String(part) + QLatin1Char('1');
        for (const char *button : {"ButtonCarica", "CheckBoxEquabile", "ButtonSalva", "ButtonLibreria"})
            names << QLatin1String(button) + sideName(input);
    }
    return names;
}

QStringList scaleOrder()
{
    QStringList names = {QStringLiteral("ButtonEsporta")};
    for (bool input : {true, false}) {
        for (const char *control : {"ButtonCarica", "EditNome", "ButtonSalva"})
            names << QLatin1String(control) + sideName(input);
        // Each row's fraction, first term then second.
        for (const char *part : kParts) {
            for (char term : {'1', '2'})
                names << fieldPrefix(input) + QLatin1String(part) + QLatin1Char(term);
        }
        for (const char *control :
             {"CheckBoxEquabile", "ComboBoxArrotonda", "ButtonCalcolaCents", "ListBoxCents", "ButtonEsportaCents"})
            names << QLatin1String(control) + sideName(input);
    }
    return names;
}

QStringList fifthsOrder()
{
    static const char *const kFifths[12] = {"C_G",   "G_D",   "D_A",   "A_E",   "E_B",  "B_Fd",
                                            "Fd_Cd", "Cd_Gd", "Gd_Eb", "Eb_Bb", "Bb_F", "F_C"};
    QStringList names = {QStringLiteral("ButtonEsporta")};
    for (bool input : {true, false}) {
        QStringList circle;
        for (const char *fifth : kFifths)
            circle << QStringLiteral("ComboBox") + sideName(input) + QLatin1Char('_') + QLatin1String(fifth);
        const QStringList column = {QStringLiteral("CheckBoxEquabile") + sideName(input),
                                    QStringLiteral("RadioButton") + sideName(input) + QStringLiteral("Sintonico"),
                                    QStringLiteral("RadioButton") + sideName(input) + QStringLiteral("Pitagorico"),
                                    QStringLiteral("ComboBoxArrotonda") + sideName(input),
                                    QStringLiteral("ButtonCalcolaCents") + sideName(input),
                                    QStringLiteral("ListBoxCents") + sideName(input),
                                    QStringLiteral("ButtonEsportaCents") + sideName(input)};
        // Each circle lies at the window's outer edge.
        names << (input ? circle + column : column + circle);
    }
    return names;
}

// A window of the program, by its name in the table.
struct WindowRow {
    const char *window;
    QStringList order; // object names, in the order Tab should visit them
};

class KeyboardOrderTest : public WindowTest
{
protected:
    // The window the row names, shown; the library, which the windows make
    // only when asked, is made here.
    QWidget *shown(const char *window)
    {
        const std::map<std::string, std::function<QWidget *()>> windowsByName = {
            {"main", [this] { return static_cast<QWidget *>(main); }},
            {"cents", [this] { return static_cast<QWidget *>(&windows->FormCents()); }},
            {"intervals", [this] { return static_cast<QWidget *>(&windows->FormScale()); }},
            {"fifths", [this] { return static_cast<QWidget *>(&windows->FormCicloQuinte()); }},
            {"analysis", [this] { return static_cast<QWidget *>(&windows->analysisWindow()); }},
            {"xml", [this] { return static_cast<QWidget *>(&windows->FormXml()); }},
            {"about", [this] { return static_cast<QWidget *>(&windows->AboutBox()); }},
            {"listen", [this] { return static_cast<QWidget *>(&windows->listenWindow()); }},
            {"library", [this] {
                 library = std::make_unique<LibraryDialog>(builtInLibrary(), GetParam());
                 // With an entry chosen, so that "OK" is enabled too.
                 library->selectEntry(library->shownNames().value(0));
                 return static_cast<QWidget *>(library.get());
             }}};
        QWidget *w = windowsByName.at(window)();
        w->show();
        if (!QTest::qWaitForWindowExposed(w))
            throw std::runtime_error(std::string("not shown: ") + window);
        return w;
    }

    // The controls Tab stops at, from the first: the focus chain's widgets
    // that take focus from Tab, shown and enabled, as Qt's own Tab finds them.
    static QList<QWidget *> focusChain(QWidget *window, QWidget *first)
    {
        QList<QWidget *> stops;
        QWidget *w = first;
        do {
            const bool stop = (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !w->focusProxy() &&
                              w->isVisibleTo(window) && w->isEnabled() && w->window() == window;
            if (stop)
                stops << w;
            w = w->nextInFocusChain();
        } while (w != first && stops.size() < 500);
        return stops;
    }

    static std::vector<std::string> names(const QList<QWidget *> &widgets)
    {
        std::vector<std::string> out;
        for (const QWidget *w : widgets)
            out.push_back(w->objectName().toStdString());
        return out;
    }
    static std::vector<std::string> names(const QStringList &list)
    {
        std::vector<std::string> out;
        for (const QString &name : list)
            out.push_back(name.toStdString());
        return out;
    }

    // The buttons of a button box come in the order the platform shows them.
    static QStringList inShownOrder(const QWidget &window, QStringList order, const QStringList &buttons)
    {
        QList<const QWidget *> widgets;
        for (const QString &name : buttons)
            widgets << control<QWidget>(window, name.toLatin1().constData());
        std::sort(widgets.begin(), widgets.end(), [](const QWidget *a, const QWidget *b) {
            return a->mapToGlobal(QPoint()).x() < b->mapToGlobal(QPoint()).x();
        });
        for (const QWidget *w : widgets)
            order << w->objectName();
        return order;
    }

    std::vector<WindowRow> rows() const
    {
        return {{"main", mainOrder()},
                {"cents", centsOrder()},
                {"intervals", scaleOrder()},
                {"fifths", fifthsOrder()},
                {"analysis", {"intervalTable", "savePictureButton"}},
                {"library", {"filterEdit", "entryTree"}}, // and the button box, see inShownOrder
                {"xml", {"MemoXml"}},
                {"about", {"OKButton"}}};
    }

    std::unique_ptr<LibraryDialog> library;
};

} // namespace

// Tab visits every control of every window in the order the window shows
// them, the whole left half of a setter before the right one.
TEST_P(KeyboardOrderTest, TabFollowsTheVisualOrder)
{
    for (const WindowRow &row : rows()) {
        SCOPED_TRACE(row.window);
        QWidget *window = shown(row.window);
        QStringList expected = row.order;
        if (QLatin1String(row.window) == QLatin1String("library"))
            expected = inShownOrder(*window, expected, {QStringLiteral("okButton"), QStringLiteral("cancelButton")});
        QWidget *first = control<QWidget>(*window, expected.front().toLatin1().constData());
        const QList<QWidget *> chain = focusChain(window, first);
        EXPECT_EQ(names(chain), names(expected));
        for (const QWidget *w : chain) {
            SCOPED_TRACE(w->objectName().toStdString());
            EXPECT_FALSE(w->accessibleName().isEmpty());
        }
        window->hide();
    }
}

// Pressing Tab in the active window goes where the chain says, control
// after control, and round to the first again.
TEST_P(KeyboardOrderTest, TheTabKeyMovesAlongTheOrder)
{
    for (const WindowRow &row : rows()) {
        // The viewer's text takes Tab as a character, as an editor does.
        if (QLatin1String(row.window) == QLatin1String("xml"))
            continue;
        SCOPED_TRACE(row.window);
        fresh();
        QWidget *window = shown(row.window);
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        QStringList expected = row.order;
        if (QLatin1String(row.window) == QLatin1String("library"))
            expected = inShownOrder(*window, expected, {QStringLiteral("okButton"), QStringLiteral("cancelButton")});
        // Of a group of radio buttons Tab stops at the checked one only; the
        // arrow keys move within the group.
        expected.removeIf([window](const QString &name) {
            const auto *radio =
                qobject_cast<const QRadioButton *>(control<QWidget>(*window, name.toLatin1().constData()));
            return radio && radio->autoExclusive() && !radio->isChecked();
        });
        control<QWidget>(*window, expected.front().toLatin1().constData())->setFocus(Qt::TabFocusReason);
        QStringList visited;
        for (qsizetype i = 0; i <= expected.size(); ++i) {
            QWidget *focus = QApplication::focusWidget();
            ASSERT_NE(focus, nullptr);
            // An editable box's text field stands for the box.
            if (auto *box = qobject_cast<QComboBox *>(focus->parentWidget()); box && box->lineEdit() == focus)
                focus = box;
            visited << focus->objectName();
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        EXPECT_EQ(names(visited), names(expected + QStringList{expected.front()}));
        window->hide();
    }
}

// A sample of the names a screen reader gives: a control's label, without
// its mnemonic and colon, or what its column and row make of it.
TEST_P(KeyboardOrderTest, ControlsAreNamedByTheirLabels)
{
    const struct {
        const char *window;
        const char *control;
        const char *spoken;
    } cases[] = {
        {"main", "EditNomeFornitore", "Supplier Name"},
        {"main", "NumEdit_IdFornitore", "ID Supplier"},
        {"main", "EditNomeCorto", "Short Name"},
        {"main", "ComboBoxTemperamentOut", "New Temperament A ="},
        {"main", "NumEdit_DoDiesis", "C# cents"},
        {"main", "ButtonGeneraXml", "Generate xml"},
        {"cents", "NumEdit_Cd1", "Old temperament C#"},
        {"cents", "NumEditOut_B1", "New temperament B"},
        {"cents", "EditNomeOut", "New temperament name"},
        {"cents", "ButtonLibreriaOut", "Library\u2026"},
        {"intervals", "NumEdit_Cd2", "Old temperament fraction C# denominator"},
        {"intervals", "NumEditOut_A1", "New temperament fraction A numerator"},
        {"intervals", "ComboBoxArrotondaOut", "New temperament rounds"},
        {"intervals", "EditNomeInput", "Old temperament name"},
        {"fifths", "ComboBoxInput_Fd_Cd", "Old temperament fifth F#-C#"},
        {"fifths", "ComboBoxOut_Gd_Eb", "New temperament fifth G#-Eb"},
        {"fifths", "RadioButtonOutPitagorico", "Pythagorean"},
        {"fifths", "ListBoxCentsInput", "Old temperament values in cents"},
        {"analysis", "savePictureButton", "Save Picture\u2026"},
        {"library", "filterEdit", "Filter by name"},
        {"xml", "MemoXml", "Xml document"},
        {"about", "OKButton", "OK"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.window) + " " + c.control);
        const QWidget *window = shown(c.window);
        EXPECT_EQ(control<QWidget>(*window, c.control)->accessibleName(), QString::fromUtf8(c.spoken));
    }
}

// Within a window no two mnemonics are the same letter, the menu bar's
// included, and every label that has one leads to a control.
TEST_P(KeyboardOrderTest, MnemonicsAreUniqueInEachWindow)
{
    for (const char *window : {"main", "cents", "intervals", "fifths", "analysis", "library", "about", "listen"}) {
        SCOPED_TRACE(window);
        const QWidget *w = shown(window);
        std::map<QKeySequence, QString> owners;
        auto claim = [&](const QString &text, const QString &owner) {
            const QKeySequence key = QKeySequence::mnemonic(text);
            if (key.isEmpty())
                return;
            const auto [it, fresh] = owners.emplace(key, owner);
            EXPECT_TRUE(fresh) << owner.toStdString() << " and " << it->second.toStdString() << " share "
                               << key.toString().toStdString();
        };
        // Only the window's own controls; another window may be its child.
        for (const QAbstractButton *button : w->findChildren<QAbstractButton *>()) {
            if (button->window() == w)
                claim(button->text(), button->objectName());
        }
        for (const QLabel *label : w->findChildren<QLabel *>()) {
            if (label->window() != w || QKeySequence::mnemonic(label->text()).isEmpty())
                continue;
            EXPECT_NE(label->buddy(), nullptr) << label->objectName().toStdString();
            claim(label->text(), label->objectName());
        }
        if (const auto *bar = w->findChild<QMenuBar *>()) {
            for (const QAction *menu : bar->actions())
                claim(menu->text(), menu->text());
        }
        // Every button can be reached with one.
        for (const QAbstractButton *button : w->findChildren<QAbstractButton *>()) {
            if (button->window() == w && button->isVisibleTo(w) && button->focusPolicy() != Qt::NoFocus) {
                EXPECT_FALSE(QKeySequence::mnemonic(button->text()).isEmpty()) << button->objectName().toStdString();
            }
        }
    }
}

// The menu commands used most have the platform's keys, and "Generate xml"
// has a key of its own, shown beside it in the File menu.
TEST_P(KeyboardOrderTest, MenuCommandsHaveTheirKeys)
{
    const struct {
        const char *item;
        QKeySequence keys;
    } cases[] = {
        {"ApriXml", QKeySequence(QKeySequence::Open)},     {"SalvaXml", QKeySequence(QKeySequence::Save)},
        {"Stampa", QKeySequence(QKeySequence::Print)},     {"Esci", QKeySequence(QKeySequence::Quit)},
        {"GeneraXml", QKeySequence(Qt::CTRL | Qt::Key_G)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.item);
        EXPECT_EQ(mainControl<QAction>(c.item)->shortcut(), c.keys);
    }
    const auto *file = main->menuBar()->findChild<QMenu *>(QStringLiteral("MFile"));
    ASSERT_NE(file, nullptr);
    EXPECT_TRUE(file->actions().contains(mainControl<QAction>("GeneraXml")));
    for (const QMenu *menu : main->menuBar()->findChildren<QMenu *>()) {
        SCOPED_TRACE(menu->objectName().toStdString());
        EXPECT_FALSE(QKeySequence::mnemonic(menu->title()).isEmpty());
        for (const QAction *item : menu->actions())
            EXPECT_TRUE(item->isSeparator() || !QKeySequence::mnemonic(item->text()).isEmpty())
                << item->objectName().toStdString();
    }
}

// The key does what the button does: checked data becomes the document in
// the viewer; data that fails the checks shows the same messages.
TEST_P(KeyboardOrderTest, TheGenerateKeyActsAsTheButton)
{
    windows->start();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    dialogs.log.clear();
    QTest::keyClick(main, Qt::Key_G, Qt::ControlModifier);
    const QStringList refusedByKey = dialogs.log;
    EXPECT_FALSE(refusedByKey.isEmpty());
    EXPECT_FALSE(windows->FormXml().isVisible());
    dialogs.log.clear();
    generate();
    EXPECT_EQ(dialogs.log, refusedByKey);

    fillIdentification();
    dialogs.log.clear();
    QTest::keyClick(main, Qt::Key_G, Qt::ControlModifier);
    EXPECT_TRUE(dialogs.log.isEmpty());
    EXPECT_TRUE(windows->FormXml().isVisible());
    EXPECT_TRUE(viewer()->toPlainText().contains(QStringLiteral("Werckmeister III")));
}

CORDAVO_BOTH_SETTINGS(KeyboardOrderTest);
