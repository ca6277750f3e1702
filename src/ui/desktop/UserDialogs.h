#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QDialog;
class QPrinter;
class QWidget;

namespace cordavo {

// A file dialog's settings, kept by the window that owns the dialog so that
// the name and type last chosen come back at the next opening.
struct FileQuestion {
    // The kind of file asked for ("xml", "supplier", "cents", ...): questions
    // of one kind share the folder and type remembered across runs.
    QString kind;
    QString directory;      // the folder the dialog opens in; empty for the dialog's own choice
    QStringList filters;    // "For (*.For *.for)", ...
    int selectedFilter = 0; // index into filters
    // Without the leading full stop. A save dialog adds the suffix of the
    // type chosen in it instead, where that type names one.
    QString defaultSuffix;
    QString fileName; // the name in the name box, updated on accept
    // Save dialogs only: called when the user picks another file type, with
    // the name in the name box and the new type's index; returns the new name.
    std::function<QString(const QString &name, int filterIndex)> typeChanged;
    // Save dialogs only: true for a type whose file is edited rather than
    // replaced, so that choosing an existing one asks nothing.
    std::function<bool(int filterIndex)> editsFile;
};

// The suffix of a file type's first pattern: "Cts" for "Cts (*.Cts *.cts)",
// nothing when the pattern is not of the form *.suffix.
QString fileTypeSuffix(const QString &filter);

// The suffix a save dialog adds to a name typed without one, for the type
// 'filterIndex' of the question: that type's own, else the question's default.
QString saveSuffixForType(const FileQuestion &question, int filterIndex);

// Every message box and dialog the windows show goes through this seam, so
// tests can answer them without a modal box on screen.
class UserDialogs
{
public:
    virtual ~UserDialogs() = default;

    // A plain box with an OK button (validation messages, refusals).
    virtual void message(QWidget *parent, const QString &text) = 0;
    // An information box with an OK button ("File ... Saved").
    virtual void information(QWidget *parent, const QString &text) = 0;
    // An error box for a command that failed.
    virtual void error(QWidget *parent, const QString &text) = 0;

    // The chosen path, or nothing when cancelled.
    virtual std::optional<QString> openFileName(QWidget *parent, FileQuestion &question) = 0;
    // Asks before replacing an existing file.
    virtual std::optional<QString> saveFileName(QWidget *parent, FileQuestion &question) = 0;

    // The print and page-setup dialogs for this printer; false when cancelled.
    virtual bool choosePrinter(QWidget *parent, QPrinter &printer) = 0;
    virtual bool pageSetup(QWidget *parent, QPrinter &printer) = 0;
    // Shows the pages that paint draws on this printer before they are
    // printed; paint draws them again on the printer the user prints to.
    // True when the user printed them.
    virtual bool printPreview(QWidget *parent, QPrinter &printer, const std::function<void(QPrinter &)> &paint) = 0;

    // Shows a window modally and returns its result code.
    virtual int showModal(QDialog &dialog) = 0;
};

} // namespace cordavo
