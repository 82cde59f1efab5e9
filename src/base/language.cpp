#include "base/language.h"

#include "base/stringtable.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace kelvane {

namespace {

// "de_AT.UTF-8@euro" -> {"de_AT", "de"}; "C" and "POSIX" -> {"en"}.
QStringList candidates(QString name) {
    name = name.section(u'@', 0, 0).section(u'.', 0, 0);
    if (name.isEmpty())
        return {};
    if (name == u"C" || name == u"POSIX")
        return {QStringLiteral("en")};
    const QString language = name.section(u'_', 0, 0);
    return language == name ? QStringList{name} : QStringList{name, language};
}

bool install(QTranslator* translator, const QString& file, const QString& folder = {}) {
    if (translator->load(file, folder))
        return QCoreApplication::installTranslator(translator);
    delete translator;
    return false;
}

} // namespace

QString chooseLanguage(const std::function<QString(const char*)>& environment,
                       const QStringList& translated) {
    QString locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = environment(name);
        if (!locale.isEmpty())
            break;
    }
    QStringList wanted;
    if (locale != u"C" && locale != u"POSIX")
        wanted = environment("LANGUAGE").split(u':', Qt::SkipEmptyParts);
    wanted.append(locale);
    for (const QString& name : std::as_const(wanted)) {
        for (const QString& candidate : candidates(name)) {
            if (candidate == u"en" || candidate.startsWith(u"en_"))
                return {};
            if (translated.contains(candidate))
                return candidate;
        }
    }
    return {};
}

QStringList translatedLanguages() {
    return {QStringLiteral("de"), QStringLiteral("fr")};
}

QString installTranslations() {
    const QString language = chooseLanguage(
        [](const char* name) { return qEnvironmentVariable(name); }, translatedLanguages());
    if (language.isEmpty())
        return language;
    auto* app = QCoreApplication::instance();
    install(new QTranslator(app), QStringLiteral(":/i18n/kelvane_") + language);
    // Qt's own dialogs and buttons, and the page's context menu, from Debian's translations.
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char* catalogue : {"qt_", "qtwebengine_"})
        install(new QTranslator(app), QLatin1String(catalogue) + language, qtFolder);
    auto* table = new QTranslator(app);
    if (table->load(QStringLiteral(":/i18n/stringtable_") + language))
        setTableTranslator(table);
    return language;
}

} // namespace kelvane
