#include "ui/desktop/FileOpening.h"

#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include <initializer_list>

namespace cordavo {

namespace {

// Each kind's name in messages and the endings of its files' names, the
// longest first where one ends another.
struct KindNames {
    FileKind kind;
    const char *name;
    std::initializer_list<const char *> endings;
};

const KindNames kKinds[] = {
    {FileKind::Temperament, QT_TRANSLATE_NOOP("cordavo::FileOpening", "temperament"), {".Tmp"}},
    {FileKind::Supplier, QT_TRANSLATE_NOOP("cordavo::FileOpening", "supplier"), {".For"}},
    {FileKind::Scala, QT_TRANSLATE_NOOP("cordavo::FileOpening", "Scala scale"), {".scl"}},
    {FileKind::Cents, QT_TRANSLATE_NOOP("cordavo::FileOpening", "cents"), {".Cts"}},
    {FileKind::Intervals, QT_TRANSLATE_NOOP("cordavo::FileOpening", "intervals"), {".Tfs"}},
    {FileKind::TemperamentXml,
     QT_TRANSLATE_NOOP("cordavo::FileOpening", "temperament xml"),
     {".Temperament_Hauptwerk_xml", ".Temperament.Hauptwerk.xml", ".xml", ".txt"}},
};

// Watches a window and its controls for drags that carry local files.
class FileDropFilter : public QObject
{
public:
    FileDropFilter(QWidget *window, const FileDropHandler &open) : QObject(window), m_window(window), m_open(open) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if ((type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) || !watched->isWidgetType())
            return false;
        auto *drag = static_cast<QDropEvent *>(event);
        const QStringList files = localFilesOf(drag->mimeData());
        if (files.isEmpty())
            return false;
        drag->acceptProposedAction();
        if (type == QEvent::Drop) {
            auto *control = static_cast<QWidget *>(watched);
            const QPointF at = control == m_window ? drag->position() : control->mapTo(m_window, drag->position());
            QMetaObject::invokeMethod(
                m_window, [open = m_open, files, at] { open(files, at); }, Qt::QueuedConnection);
        }
        return true;
    }

private:
    QWidget *m_window;
    FileDropHandler m_open;
};

} // namespace

FileKind fileKindOf(const QString &path)
{
    for (const KindNames &kind : kKinds) {
        for (const char *ending : kind.endings) {
            if (path.endsWith(QLatin1String(ending), Qt::CaseInsensitive))
                return kind.kind;
        }
    }
    return FileKind::Unknown;
}

QString notOpenableMessage(const QString &path, const QString &opener, const QList<FileKind> &kinds)
{
    QStringList listed;
    for (FileKind wanted : kinds) {
        for (const KindNames &kind : kKinds) {
            if (kind.kind != wanted)
                continue;
            QStringList patterns;
            for (const char *ending : kind.endings)
                patterns << QLatin1Char('*') + QLatin1String(ending);
            listed << QStringLiteral("%1 (%2)").arg(QCoreApplication::translate("cordavo::FileOpening", kind.name),
                                                    patterns.join(QLatin1Char(' ')));
        }
    }
    return QCoreApplication::translate("cordavo::FileOpening", "%1 is not a file %2 can open: %3")
        .arg(QDir::toNativeSeparators(path), opener, listed.join(QStringLiteral(", ")));
}

QStringList localFilesOf(const QMimeData *data)
{
    QStringList files;
    if (!data || !data->hasUrls())
        return files;
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile())
            files << url.toLocalFile();
    }
    return files;
}

QStringList fileArguments(const QStringList &arguments)
{
    QStringList files;
    bool dashes = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (!dashes && arguments[i] == QLatin1String("--")) {
            dashes = true;
            continue;
        }
        files << QFileInfo(arguments[i]).absoluteFilePath();
    }
    return files;
}

std::optional<QList<LineValue>> readCheckedFile(UserDialogs &dialogs, QWidget *parent, const QString &path,
                                                QStringView layout, QChar decimalSeparator)
{
    const LineFileContents contents = readLineFile(path, layout, decimalSeparator);
    if (!contents.ok()) {
        dialogs.error(parent, contents.error());
        return std::nullopt;
    }
    return contents.value();
}

void openFilesDroppedOn(QWidget *window, const FileDropHandler &open)
{
    window->setAcceptDrops(true);
    auto *filter = new FileDropFilter(window, open);
    window->installEventFilter(filter);
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (control->acceptDrops() && !control->isWindow())
            control->installEventFilter(filter);
    }
}

} // namespace cordavo
