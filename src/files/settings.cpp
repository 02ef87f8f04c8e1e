#include "files/settings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <cstdio>

namespace zorbla {

namespace {

const QString kFile = QStringLiteral("zorbla/zorbla.conf");

QString homeOf(const QProcessEnvironment& env) {
    const QString home = env.value(QStringLiteral("HOME"));
    return home.isEmpty() ? QDir::homePath() : home;
}

// A list in an INI file ("kiosk, language") comes back from QSettings as a list.
QString text(const QVariant& v) {
    return v.typeId() == QMetaType::QStringList ? v.toStringList().join(QStringLiteral(", ")) : v.toString();
}

}  // namespace

QString Settings::machineFile(const QProcessEnvironment& env) {
    QStringList dirs = env.value(QStringLiteral("XDG_CONFIG_DIRS")).split(QLatin1Char(':'), Qt::SkipEmptyParts);
    if (dirs.isEmpty())
        dirs << QStringLiteral("/etc/xdg");
    for (const QString& dir : dirs) {
        const QString path = QDir(dir).filePath(kFile);
        if (QFileInfo::exists(path))
            return path;
    }
    return QDir(dirs.first()).filePath(kFile);
}

QString Settings::userFile(const QProcessEnvironment& env) {
    QString dir = env.value(QStringLiteral("XDG_CONFIG_HOME"));
    if (dir.isEmpty() || QDir::isRelativePath(dir))
        dir = homeOf(env) + QStringLiteral("/.config");
    return QDir(dir).filePath(kFile);
}

Settings::File Settings::readFile(const QString& path) {
    File f;
    f.path = path;
    const QFileInfo info(path);
    if (!info.exists())
        return f;
    if (!info.isReadable()) {
        f.unreadable = true;
        return f;
    }
    QSettings ini(path, QSettings::IniFormat);
    for (const QString& key : ini.allKeys())
        f.values.insert(key.toLower(), text(ini.value(key)).trimmed());
    return f;
}

Settings::Settings(const QString& machineFile, const QString& userFile)
    : machine_(readFile(machineFile)), user_(readFile(userFile)) {
    for (const QString& key : machine_.values.value(QString::fromLatin1(kLocked)).split(QLatin1Char(','), Qt::SkipEmptyParts))
        locked_ << key.trimmed().toLower();
}

Settings Settings::ofThisUser() {
    const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    return Settings(machineFile(env), userFile(env));
}

QStringList Settings::knownKeys() {
    return {QString::fromLatin1(kKiosk), QString::fromLatin1(kLanguage), QString::fromLatin1(kSite),
            QString::fromLatin1(kLetters), QString::fromLatin1(kTouch), QString::fromLatin1(kLocked)};
}

bool Settings::isLocked(const char* key) const { return locked_.contains(QString::fromLatin1(key)); }

QString Settings::fileOf(const char* key) const {
    const QString k = QString::fromLatin1(key);
    if (isLocked(key) || !user_.values.contains(k))
        return machine_.path;
    return user_.path;
}

QString Settings::value(const char* key) const {
    const QString k = QString::fromLatin1(key);
    if (!isLocked(key) && user_.values.contains(k))
        return user_.values.value(k);
    return machine_.values.value(k);
}

void Settings::tell(const QString& line) const {
    if (told_.contains(line))
        return;
    told_.insert(line);
    std::fprintf(stderr, "zorbla: %s\n", qPrintable(line));
}

bool Settings::flag(const char* key, bool fallback, bool given, bool argument) const {
    if (given && !isLocked(key))
        return argument;
    const QString v = value(key).toLower();
    if (v.isEmpty())
        return given ? argument : fallback;
    if (v == QLatin1String("true") || v == QLatin1String("yes") || v == QLatin1String("on") || v == QLatin1String("1"))
        return true;
    if (v == QLatin1String("false") || v == QLatin1String("no") || v == QLatin1String("off") || v == QLatin1String("0"))
        return false;
    tell(QStringLiteral("%1: %2=%3 is not true or false; %4 is used")
             .arg(fileOf(key), QString::fromLatin1(key), value(key),
                  QLatin1String((given ? argument : fallback) ? "true" : "false")));
    return given ? argument : fallback;
}

QString Settings::choice(const char* key, const QStringList& words, const QString& argument) const {
    if (!argument.isEmpty() && !isLocked(key))
        return argument;
    const QString v = value(key);
    const QString fallback = argument.isEmpty() ? words.value(0) : argument;
    if (v.isEmpty())
        return fallback;
    for (const QString& w : words)
        if (w.compare(v, Qt::CaseInsensitive) == 0)
            return w;
    tell(QStringLiteral("%1: %2=%3 is not one of %4; %5 is used")
             .arg(fileOf(key), QString::fromLatin1(key), v, words.join(QStringLiteral(", ")), fallback));
    return fallback;
}

QStringList Settings::problems() const {
    QStringList lines;
    const QStringList known = knownKeys();
    for (const File* f : {&machine_, &user_}) {
        if (f->unreadable)
            lines << QStringLiteral("%1 cannot be read; it is passed over").arg(f->path);
        for (auto it = f->values.cbegin(); it != f->values.cend(); ++it)
            if (!known.contains(it.key()))
                lines << QStringLiteral("%1: there is no setting '%2'; the settings are %3")
                             .arg(f->path, it.key(), known.join(QStringLiteral(", ")));
    }
    if (user_.values.contains(QString::fromLatin1(kLocked)))
        lines << QStringLiteral("%1: '%2' is read from the machine's file only (%3)")
                     .arg(user_.path, QString::fromLatin1(kLocked), machine_.path);
    return lines;
}

bool Settings::setUserValue(const char* key, const QString& v, QString* error) {
    if (isLocked(key)) {
        if (error)
            *error = QStringLiteral("%1 is locked in %2").arg(QString::fromLatin1(key), machine_.path);
        return false;
    }
    QDir().mkpath(QFileInfo(user_.path).absolutePath());
    QSettings ini(user_.path, QSettings::IniFormat);
    ini.setValue(QString::fromLatin1(key), v);
    ini.sync();
    if (ini.status() != QSettings::NoError) {
        if (error)
            *error = QStringLiteral("%1 cannot be written").arg(user_.path);
        return false;
    }
    user_.values.insert(QString::fromLatin1(key), v);
    return true;
}

}  // namespace zorbla
