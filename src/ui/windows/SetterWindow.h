#pragma once

#include "numbers/Separators.h"
#include "tuning/PitchTable.h"
#include "tuning/Result.h"
#include "ui/desktop/FileOpening.h"
#include "ui/desktop/UserDialogs.h"

#include <QPushButton>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace cordavo {

class CentsList;
class CordavoWindows;
class TFormTemperamento;
class TNumEdit;

// The two halves of a setter window: the old temperament on the left, the
// new one on the right.
enum class SetterSide { Input, Out };

// A side's twelve note fields, C to B.
using NoteFields = std::array<TNumEdit *, 12>;

// Something each half of a setter has once.
template <typename T> struct PerSide {
    T input{};
    T out{};

    T &operator[](SetterSide which) { return which == SetterSide::Input ? input : out; }
    const T &operator[](SetterSide which) const { return which == SetterSide::Input ? input : out; }
};

// What the three setter windows share: a top-level window of its own with
// two halves, each with its "Equal" box and, on the fifths and intervals
// setters, its "Rounds" box and the list of calculated positions that
// "Export" and "Export Cents" hand on. Closing it hides it and brings the
// main window back.
class SetterWindow : public QWidget
{
    Q_OBJECT
public:
    // Shows the window modeless, or brings it to the front when already visible.
    void showInFront();

    void FormClose();

    // Loads a file into a side as the side's "Load" would, with the same
    // checks and messages; a file of a kind it does not take is refused
    // with a message. True once the file is loaded.
    bool openFile(SetterSide which, const QString &path);
    // The side a point of the window lies in: its left or right half.
    SetterSide sideAt(const QPointF &point) const;

    // Whether the side's list holds twelve calculated or preset values.
    bool calculated(SetterSide which) const { return m_sides[which].calculated; }

    // "Cents setter", "Intervals setter" or "Fifths setter", in the window's language.
    virtual QString setterName() const = 0;
    // The side's temperament as the main window would hold it (deviations
    // from equal temperament, A at 0), while the side holds one: nothing
    // before the side's list is calculated or preset, or when a line of it
    // does not read.
    virtual std::optional<NoteCents> sideDeviations(SetterSide which) const;
    // The name typed on the side; empty on a setter without one.
    QString sideName(SetterSide which) const;

    // "Export": new minus old, to the main window.
    virtual void ButtonEsportaClick() = 0;
    void CheckBoxEquabileInputClick() { equalSide(SetterSide::Input); }
    void CheckBoxEquabileOutClick() { equalSide(SetterSide::Out); }

protected:
    // The main window is made before the setters; the cents setter, which
    // "Export Cents" fills, after the other two, so it is reached through
    // the windows' owner. The window is named for tests and captioned title.
    SetterWindow(TFormTemperamento &mainWindow, CordavoWindows &windows, const Separators &separators,
                 UserDialogs &dialogs, const QString &name, const QString &title, QWidget *parent);

    // The controls and state of one half that the shared operations use;
    // a setter leaves out what it does not have.
    struct Side {
        QString title;                  // "Old Temperament": how messages name the side
        QLineEdit *name = nullptr;      // the temperament's name, which "Export Cents" sends along
        QCheckBox *equal = nullptr;     // "Equal"
        QComboBox *rounds = nullptr;    // "Rounds": decimals of the calculated list
        CentsList *list = nullptr;      // the calculated positions above C
        bool calculated = false;        // the list holds twelve calculated or preset values
        QList<QWidget *> keyboardOrder; // the side's controls, in the order Tab visits them
        FileQuestion openDialog;
        FileQuestion saveDialog;
    };
    Side &side(SetterSide which) { return m_sides[which]; }
    const Side &side(SetterSide which) const { return m_sides[which]; }

    // The kinds of file a side's "Load" takes; none on a setter without one.
    virtual QList<FileKind> loadedKinds() const { return {}; }
    // What a side's "Load" does once it has a path of one of those kinds.
    virtual bool loadSideFile(SetterSide, const QString &) { return false; }
    // Local files dropped on a side are loaded into it in turn. Called once
    // the controls are made, by a setter that loads files.
    void loadFilesDropped();

    // What "Equal" does once checked; unchecking leaves the side as it is.
    virtual void showEqual(SetterSide which) = 0;
    // A list setter's "Equal": the equal temperament's positions as listed.
    void presetList(SetterSide which, const QStringList &lines);
    // A list setter's "Calculate": fillList writes the side's emptied list
    // with the decimals of its "Rounds" box. Nothing while "Equal" is
    // checked; a box that names no number of decimals changes nothing.
    void calculateSide(SetterSide which, const std::function<void(int decimals)> &fillList);
    // A list setter's "Export": both lists, new minus old, to the main window.
    void exportLists();
    // A list setter's "Export Cents": one list, and the side's name, into the
    // same side of the cents setter.
    void exportCentsSide(SetterSide which);

    // "Export": new minus old, shifted so that A is 0, handed to the main
    // window; then "Export correctly" and the main window in front, this
    // window staying open.
    void exportToMainWindow(const NoteCents &oldPositions, const NoteCents &newPositions);
    // Places the window at the centre of the desktop; on a screen too small
    // for it, its panel scrolls. Call once the controls are made and sized.
    void placeOnDesktop();
    void closeEvent(QCloseEvent *event) override;

    // Widgets are made named, so that tests find them.
    template <typename T> static T *named(T *widget, const QString &name)
    {
        widget->setObjectName(name);
        return widget;
    }
    static QLabel *label(QWidget *parent, const QString &name, const QString &text, const QRect &geometry);
    static QPushButton *button(QWidget *parent, const QString &name, const QString &text, const QRect &geometry);
    // At a larger desktop font the controls grow evenly until every text
    // fits, and so does the window; call once the controls are made.
    void growToFitFont();
    // A size of the designed layout at the growth the font asked for.
    int grown(int size) const { return qRound(size * m_growth); }
    // The panel that holds every control, the window sized to it.
    template <typename T> T *createPanel(const QString &name, int width, int height)
    {
        resize(width, height);
        T *panel = named(new T(this), name);
        panel->setGeometry(0, 0, width, height);
        m_panel = panel;
        return panel;
    }
    // The banner (Panel5, bold, 16 pixels) and the title (LabelIntSetTemp,
    // italic) across the top, red and centred.
    void createTitles(QWidget *panel, const QString &banner, const QRect &bannerGeometry, const QString &title,
                      const QRect &titleGeometry, int titlePixelSize);
    static QFont sized(QFont font, int pixelSize, bool underline = false);
    // "Export", between the two halves.
    void createExportButton(QWidget *parent, const QRect &geometry);
    // Tab visits "Export", above the halves, then the whole left half, then
    // the right one, each in its keyboardOrder.
    void orderKeyboard();
    // "Old temperament" or "New temperament", which begins the spoken name
    // of a side's control that its label alone would leave ambiguous.
    static QString spokenSide(SetterSide which);
    // A button of one side, wired to that side's handler of the setter W.
    template <typename W>
    QPushButton *sideButton(QWidget *parent, const QString &name, const QString &text, const QRect &geometry,
                            SetterSide which, void (W::*inputClick)(), void (W::*outClick)())
    {
        QPushButton *b = button(parent, name, text, geometry);
        connect(b, &QPushButton::clicked, static_cast<W *>(this), which == SetterSide::Input ? inputClick : outClick);
        return b;
    }
    // A note as the names of its controls write it: "Cd" for C sharp.
    static QString noteNamePart(int note);
    // A note's field: "NumEdit_Cd1" on the left, "NumEditOut_Cd1" on the right;
    // the intervals setter's second terms end in 2.
    static QString noteFieldName(SetterSide which, int note, int term = 1);

    TFormTemperamento &FormTemperamento;
    CordavoWindows &m_windows;
    const Separators m_separators;
    UserDialogs &m_dialogs;

private:
    qreal m_growth = 1;
    QWidget *m_panel = nullptr;
    void equalSide(SetterSide which);
    // The side's list read back as numbers; nothing (after a message) when
    // a line does not read.
    std::optional<NoteCents> listedPositions(SetterSide which);
    // The same, quietly: the positions, or the message a line gives.
    Result<NoteCents> readList(SetterSide which) const;

    PerSide<Side> m_sides;
    QPushButton *m_exportButton = nullptr;
};

} // namespace cordavo
