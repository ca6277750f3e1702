#include "ui/desktop/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace cordavo {

namespace {

bool speaks(const QString &code)
{
    for (const WindowLanguage &language : kWindowLanguages) {
        if (code == QLatin1String(language.code))
            return true;
    }
    return false;
}

} // namespace

QString windowLanguage(const QString &chosen, const QStringList &systemLanguages)
{
    if (speaks(chosen))
        return chosen;
    for (const QString &language : systemLanguages) {
        // "it-IT", "it_IT" and "it" all name Italian; "C" and "POSIX" name none.
        const QString code = language.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (speaks(code))
            return code;
    }
    return QStringLiteral("en");
}

QList<QTranslator *> installTranslations(const QString &code)
{
    QList<QTranslator *> installed;
    if (code == QLatin1String("en") || !speaks(code))
        return installed;
    auto install = [&installed](const QString &file, const QString &folder) {
        auto *translator = new QTranslator(QCoreApplication::instance());
        if (translator->load(file, folder) && QCoreApplication::installTranslator(translator))
            installed << translator;
        else
            delete translator;
    };
    // Qt's own first: a translator installed later is asked first, so ours
    // decides wherever both translate a text.
    install(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    install(QStringLiteral("qtbase_") + code, QCoreApplication::applicationDirPath() + QStringLiteral("/translations"));
    install(QStringLiteral("cordavo_") + code, QStringLiteral(":/i18n"));
    return installed;
}

void removeTranslations(QList<QTranslator *> &translators)
{
    for (QTranslator *translator : translators) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    translators.clear();
}

} // namespace cordavo
