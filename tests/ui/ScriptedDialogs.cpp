#include "ScriptedDialogs.h"

#include <QDialog>
#include <QPrinter>

namespace cordavo {

void ScriptedDialogs::message(QWidget *, const QString &text)
{
    log << QStringLiteral("message: ") + text;
}

void ScriptedDialogs::information(QWidget *, const QString &text)
{
    log << QStringLiteral("information: ") + text;
}

void ScriptedDialogs::error(QWidget *, const QString &text)
{
    log << QStringLiteral("error: ") + text;
}

std::optional<QString> ScriptedDialogs::answerFile(const char *kind, FileQuestion &question)
{
    log << QLatin1String(kind);
    offeredQuestion = question;
    if (!typeAnswers.empty()) {
        question.selectedFilter = typeAnswers.front();
        typeAnswers.pop_front();
    }
    lastQuestion = question;
    if (fileAnswers.empty())
        return std::nullopt;
    auto answer = fileAnswers.front();
    fileAnswers.pop_front();
    if (answer)
        question.fileName = *answer;
    return answer;
}

std::optional<QString> ScriptedDialogs::openFileName(QWidget *, FileQuestion &question)
{
    return answerFile("open", question);
}

std::optional<QString> ScriptedDialogs::saveFileName(QWidget *, FileQuestion &question)
{
    return answerFile("save", question);
}

bool ScriptedDialogs::answerPrinter(const char *kind, QPrinter &printer)
{
    log << QLatin1String(kind);
    offeredLayout = printer.pageLayout();
    if (printAnswers.empty())
        return false;
    const bool answer = printAnswers.front();
    printAnswers.pop_front();
    if (answer && !layoutAnswers.empty()) {
        printer.setPageLayout(layoutAnswers.front());
        layoutAnswers.pop_front();
    }
    return answer;
}

bool ScriptedDialogs::choosePrinter(QWidget *, QPrinter &printer)
{
    const bool answer = answerPrinter("print", printer);
    if (answer && !pdfPath.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath);
    }
    return answer;
}

bool ScriptedDialogs::pageSetup(QWidget *, QPrinter &printer)
{
    return answerPrinter("page setup", printer);
}

bool ScriptedDialogs::printPreview(QWidget *, QPrinter &printer, const std::function<void(QPrinter &)> &paint)
{
    const bool answer = answerPrinter("preview", printer);
    if (!pdfPath.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath);
        paint(printer);
    }
    return answer;
}

int ScriptedDialogs::showModal(QDialog &dialog)
{
    log << QStringLiteral("modal: ") + dialog.windowTitle();
    if (modalAnswers.empty())
        return QDialog::Accepted;
    const auto answer = std::move(modalAnswers.front());
    modalAnswers.pop_front();
    return answer(dialog);
}

QStringList ScriptedDialogs::entries(const QString &kind) const
{
    QStringList out;
    const QString prefix = kind + QStringLiteral(": ");
    for (const QString &entry : log) {
        if (entry.startsWith(prefix))
            out << entry.mid(prefix.size());
    }
    return out;
}

} // namespace cordavo
