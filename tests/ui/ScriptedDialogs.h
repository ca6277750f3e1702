#pragma once

#include "numbers/Separators.h"
#include "ui/desktop/UserDialogs.h"

#include <QPageLayout>
#include <QStringList>

#include <deque>
#include <functional>
#include <ostream>

namespace cordavo {

// Records every message in order and answers every question from a queue,
// so that no test waits on a modal box.
class ScriptedDialogs : public UserDialogs
{
public:
    // "message: ...", "information: ...", "error: ...", "modal: <title>", "open", "save", ...
    QStringList log;
    // Answers to open and save questions, in order; nothing means "cancelled".
    std::deque<std::optional<QString>> fileAnswers;
    // The file types chosen in the next file questions, in order (an index
    // into the question's filters); the type shown stays when none is queued.
    std::deque<int> typeAnswers;
    std::deque<bool> printAnswers;
    // How the next modal windows are answered, in order: each may fill the
    // window's controls and gives its result; accepted when none is queued.
    std::deque<std::function<int(QDialog &)>> modalAnswers;
    // Where an accepted print dialog sends the job, as a PDF file.
    QString pdfPath;
    // What the last file question looked like when it was asked.
    FileQuestion lastQuestion;
    // The last file question as it was put, before a queued type changed it.
    FileQuestion offeredQuestion;
    // The page layouts that the next accepted print or page-setup dialogs
    // leave on the printer, in order; the printer's stays when none is queued.
    std::deque<QPageLayout> layoutAnswers;
    // The printer's page layout when the last print or page-setup dialog opened.
    QPageLayout offeredLayout;

    void message(QWidget *, const QString &text) override;
    void information(QWidget *, const QString &text) override;
    void error(QWidget *, const QString &text) override;
    std::optional<QString> openFileName(QWidget *, FileQuestion &question) override;
    std::optional<QString> saveFileName(QWidget *, FileQuestion &question) override;
    bool choosePrinter(QWidget *, QPrinter &printer) override;
    bool pageSetup(QWidget *, QPrinter &printer) override;
    // Logs "preview" and, when pdfPath is set, draws the pages there as the
    // preview would show them; answers from printAnswers.
    bool printPreview(QWidget *, QPrinter &printer, const std::function<void(QPrinter &)> &paint) override;
    int showModal(QDialog &dialog) override;

    // The log entries of one kind, without their prefix.
    QStringList entries(const QString &kind) const;

private:
    std::optional<QString> answerFile(const char *kind, FileQuestion &question);
    bool answerPrinter(const char *kind, QPrinter &printer);
};

// Names a regional setting in test output.
inline void PrintTo(const Separators &separators, std::ostream *out)
{
    *out << "decimal '" << char(separators.decimal.unicode()) << "'";
}

} // namespace cordavo
