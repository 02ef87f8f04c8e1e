#include "app/edition.h"

#include <QCoreApplication>
#include <QHash>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace zorbla {

QStringList knownEditions() {
    return {QStringLiteral("en"), QStringLiteral("hr"), QStringLiteral("de"), QStringLiteral("fr"),
            QStringLiteral("es")};
}

QString editionName(const QString& code) {
    static const QHash<QString, QString> names = {
        {QStringLiteral("en"), QStringLiteral("English")},  {QStringLiteral("hr"), QStringLiteral("hrvatski")},
        {QStringLiteral("de"), QStringLiteral("Deutsch")},  {QStringLiteral("fr"), QStringLiteral("français")},
        {QStringLiteral("es"), QStringLiteral("español")}};
    return names.value(code, code);
}

namespace {

// "hr_HR.UTF-8@euro" is hr; "C", "POSIX" and "" are no language.
QString languageOf(const QString& locale) {
    const QString name = locale.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    if (name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX"))
        return {};
    return name.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('-'), 0, 0).toLower();
}

}  // namespace

QString desktopEdition(const QProcessEnvironment& env, const QStringList& available) {
    QString locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = env.value(QString::fromLatin1(name));
        if (!locale.isEmpty())
            break;
    }
    QStringList wanted;
    if (!languageOf(locale).isEmpty())
        wanted = env.value(QStringLiteral("LANGUAGE")).split(QLatin1Char(':'), Qt::SkipEmptyParts);
    wanted << locale;
    for (const QString& w : wanted) {
        const QString code = languageOf(w);
        if (available.contains(code))
            return code;
    }
    return QStringLiteral("en");
}

void useEditionWords(const QString& code) {
    QLocale::setDefault(QLocale(code));
    if (code == QLatin1String("en"))
        return;  // the program's words are written in English
    auto* own = new QTranslator(QCoreApplication::instance());
    if (own->load(QStringLiteral(":/i18n/zorbla_%1.qm").arg(code)))
        QCoreApplication::installTranslator(own);
    // Qt's own words: the buttons of message boxes, the command line's refusals.
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QStringLiteral("qtbase_%1").arg(code), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
}

}  // namespace zorbla
