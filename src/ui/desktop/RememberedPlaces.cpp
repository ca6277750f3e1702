#include "ui/desktop/RememberedPlaces.h"

#include <QFileInfo>
#include <QPageSize>
#include <QPrinter>
#include <QSettings>

namespace cordavo {

namespace {

const QString kPageSetup = QStringLiteral("pageSetup/");

QString fileKey(const QString &kind, const char *name)
{
    return QStringLiteral("files/") + kind + QLatin1Char('/') + QLatin1String(name);
}

// A non-negative number kept under a key, or nothing.
std::optional<double> millimetres(const QSettings &settings, const char *name)
{
    bool ok = false;
    const double value = settings.value(kPageSetup + QLatin1String(name)).toDouble(&ok);
    if (!ok || !(value >= 0))
        return std::nullopt;
    return value;
}

} // namespace

RememberedPlaces::RememberedPlaces(UserDialogs &dialogs, QSettings &settings) : m_dialogs(dialogs), m_settings(settings)
{
}

void RememberedPlaces::message(QWidget *parent, const QString &text)
{
    m_dialogs.message(parent, text);
}

void RememberedPlaces::information(QWidget *parent, const QString &text)
{
    m_dialogs.information(parent, text);
}

void RememberedPlaces::error(QWidget *parent, const QString &text)
{
    m_dialogs.error(parent, text);
}

std::optional<QString> RememberedPlaces::openFileName(QWidget *parent, FileQuestion &question)
{
    return askFile(question, [&] { return m_dialogs.openFileName(parent, question); });
}

std::optional<QString> RememberedPlaces::saveFileName(QWidget *parent, FileQuestion &question)
{
    return askFile(question, [&] { return m_dialogs.saveFileName(parent, question); });
}

std::optional<QString> RememberedPlaces::askFile(FileQuestion &question,
                                                 const std::function<std::optional<QString>()> &ask)
{
    offerPlace(question);
    const auto path = ask();
    if (path)
        rememberPlace(question, *path);
    return path;
}

bool RememberedPlaces::askPage(QPrinter &printer, const std::function<bool()> &ask)
{
    restorePageLayout(printer);
    if (!ask())
        return false;
    rememberPageLayout(printer.pageLayout());
    return true;
}

bool RememberedPlaces::choosePrinter(QWidget *parent, QPrinter &printer)
{
    return askPage(printer, [&] { return m_dialogs.choosePrinter(parent, printer); });
}

bool RememberedPlaces::pageSetup(QWidget *parent, QPrinter &printer)
{
    return askPage(printer, [&] { return m_dialogs.pageSetup(parent, printer); });
}

bool RememberedPlaces::printPreview(QWidget *parent, QPrinter &printer, const std::function<void(QPrinter &)> &paint)
{
    return askPage(printer, [&] { return m_dialogs.printPreview(parent, printer, paint); });
}

int RememberedPlaces::showModal(QDialog &dialog)
{
    return m_dialogs.showModal(dialog);
}

void RememberedPlaces::offerPlace(FileQuestion &question) const
{
    if (question.kind.isEmpty())
        return;
    const QString folder = m_settings.value(fileKey(question.kind, "folder")).toString();
    question.directory = !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QString();

    const QString typeText = m_settings.value(fileKey(question.kind, "type")).toString();
    const int type = typeText.isEmpty() ? -1 : static_cast<int>(question.filters.indexOf(typeText));
    if (type < 0 || type == question.selectedFilter)
        return;
    // As if the user had picked the type: a default suffix that belonged to
    // the type shown becomes the new type's, and the name is renamed for it,
    // by the question's own renaming or else by swapping the shown suffix.
    const QString shownSuffix = fileTypeSuffix(question.filters.value(question.selectedFilter));
    const QString newSuffix = fileTypeSuffix(question.filters[type]);
    if (!shownSuffix.isEmpty() && question.defaultSuffix == shownSuffix)
        question.defaultSuffix = newSuffix;
    const QString name = QFileInfo(question.fileName).fileName();
    const QString folderPart = question.fileName.left(question.fileName.size() - name.size());
    if (question.typeChanged && !name.isEmpty())
        question.fileName = folderPart + question.typeChanged(name, type);
    else if (!question.typeChanged && !shownSuffix.isEmpty() && !newSuffix.isEmpty() &&
             name.endsWith(QLatin1Char('.') + shownSuffix, Qt::CaseInsensitive))
        question.fileName = folderPart + name.chopped(shownSuffix.size()) + newSuffix;
    question.selectedFilter = type;
}

void RememberedPlaces::rememberPlace(const FileQuestion &question, const QString &path)
{
    if (question.kind.isEmpty())
        return;
    m_settings.setValue(fileKey(question.kind, "folder"), QFileInfo(path).absolutePath());
    const QString type = question.filters.value(question.selectedFilter);
    if (!type.isEmpty())
        m_settings.setValue(fileKey(question.kind, "type"), type);
}

std::optional<QPageLayout> RememberedPlaces::pageLayout() const
{
    bool ok = false;
    const int id = m_settings.value(kPageSetup + QLatin1String("paperSize")).toInt(&ok);
    if (!ok || id < 0 || id > QPageSize::LastPageSize)
        return std::nullopt;
    QPageSize size(static_cast<QPageSize::PageSizeId>(id));
    if (id == QPageSize::Custom) {
        const auto width = millimetres(m_settings, "paperWidth");
        const auto height = millimetres(m_settings, "paperHeight");
        if (!width || !height)
            return std::nullopt;
        size = QPageSize(QSizeF(*width, *height), QPageSize::Millimeter);
    }
    const QString orientationText = m_settings.value(kPageSetup + QLatin1String("orientation")).toString();
    if (orientationText != QLatin1String("portrait") && orientationText != QLatin1String("landscape"))
        return std::nullopt;
    const auto left = millimetres(m_settings, "leftMargin");
    const auto top = millimetres(m_settings, "topMargin");
    const auto right = millimetres(m_settings, "rightMargin");
    const auto bottom = millimetres(m_settings, "bottomMargin");
    if (!size.isValid() || !left || !top || !right || !bottom)
        return std::nullopt;
    const QPageLayout layout(
        size, orientationText == QLatin1String("landscape") ? QPageLayout::Landscape : QPageLayout::Portrait,
        QMarginsF(*left, *top, *right, *bottom), QPageLayout::Millimeter);
    // Margins that leave no page are not clipped to fit but passed over.
    const QSizeF page = layout.fullRect(QPageLayout::Millimeter).size();
    if (!layout.isValid() || *left + *right >= page.width() || *top + *bottom >= page.height())
        return std::nullopt;
    return layout;
}

void RememberedPlaces::rememberPageLayout(const QPageLayout &layout)
{
    const QPageSize size = layout.pageSize();
    m_settings.setValue(kPageSetup + QLatin1String("paperSize"), static_cast<int>(size.id()));
    if (size.id() == QPageSize::Custom) {
        const QSizeF mm = size.size(QPageSize::Millimeter);
        m_settings.setValue(kPageSetup + QLatin1String("paperWidth"), mm.width());
        m_settings.setValue(kPageSetup + QLatin1String("paperHeight"), mm.height());
    } else {
        m_settings.remove(kPageSetup + QLatin1String("paperWidth"));
        m_settings.remove(kPageSetup + QLatin1String("paperHeight"));
    }
    m_settings.setValue(kPageSetup + QLatin1String("orientation"), layout.orientation() == QPageLayout::Landscape
                                                                       ? QStringLiteral("landscape")
                                                                       : QStringLiteral("portrait"));
    const QMarginsF margins = layout.margins(QPageLayout::Millimeter);
    m_settings.setValue(kPageSetup + QLatin1String("leftMargin"), margins.left());
    m_settings.setValue(kPageSetup + QLatin1String("topMargin"), margins.top());
    m_settings.setValue(kPageSetup + QLatin1String("rightMargin"), margins.right());
    m_settings.setValue(kPageSetup + QLatin1String("bottomMargin"), margins.bottom());
}

void RememberedPlaces::restorePageLayout(QPrinter &printer)
{
    if (m_restoredPrinter == &printer)
        return;
    m_restoredPrinter = &printer;
    const auto layout = pageLayout();
    if (!layout)
        return;
    // A page the printer refuses leaves the one it had.
    const QPageLayout before = printer.pageLayout();
    if (!printer.setPageLayout(*layout))
        printer.setPageLayout(before);
}

} // namespace cordavo
