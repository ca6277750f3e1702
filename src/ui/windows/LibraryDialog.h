#pragma once

#include "numbers/Separators.h"
#include "tuning/BuiltInLibrary.h"
#include "tuning/TemperamentLibrary.h"

#include <QDialog>

#include <array>

class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace cordavo {

class UserDialogs;

// Chooses a temperament of the library: its groups as a tree, a filter on
// the names and a preview of the chosen entry's twelve deviations. While a
// filter is typed, the list holds the entries that match, best first as
// searchLibrary() ranks them (the command line's order), with the first
// chosen; a name that matches none lists the nearest, unchosen. Down in the
// filter moves into the list, Enter there takes the entry chosen. Each
// opening starts with an empty filter, the focus in it and the last choice
// kept. A library that could not be read lists nothing and shows its error
// instead.
class LibraryDialog : public QDialog
{
    Q_OBJECT
public:
    LibraryDialog(const Result<TemperamentLibrary> &library, const Separators &separators, QWidget *parent = nullptr);

    // Shows the chooser modally through the dialog seam: the entry chosen,
    // or nothing when it was cancelled or accepted with nothing chosen.
    const LibraryEntry *chooseEntry(UserDialogs &dialogs);
    // The entry chosen in the tree, or nothing.
    const LibraryEntry *selectedEntry() const;
    // Chooses an entry by its name; false when it is unknown or filtered out.
    bool selectEntry(const QString &name);
    // The entries the filter lets through, in the tree's order.
    QStringList shownNames() const;
    // The preview's twelve values, C to B; empty texts when nothing is chosen.
    QStringList previewTexts() const;
    // The construction and other names shown for the chosen entry.
    QString previewDescription() const;
    // What the window says about a library that could not be read; empty
    // when it was read.
    QString problemText() const;
    // What the window says about the name typed (a name the library lacks,
    // or none that matches); empty when nothing needs saying.
    QString searchRemark() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyFilter(const QString &text);
    void fillTree(const QList<const LibraryEntry *> &ranked, bool grouped);
    void showPreview();
    QList<QTreeWidgetItem *> entryItems() const;

    const TemperamentLibrary &m_library;
    QString m_libraryError;
    const Separators m_separators;
    QLineEdit *m_filterEdit;
    QTreeWidget *m_entryTree;
    QDialogButtonBox *m_buttons;
    QLabel *m_problem;
    QLabel *m_remark;
    QLabel *m_title;
    QLabel *m_construction;
    std::array<QLabel *, 12> m_values{};
};

} // namespace cordavo
