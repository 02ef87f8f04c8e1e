#pragma once

#include <QHash>
#include <QProcessEnvironment>
#include <QSet>
#include <QString>
#include <QStringList>

namespace zorbla {

// What a school chose for the whole machine and a family for one user, in two INI files
// read with QSettings: the machine's zorbla/zorbla.conf in the first folder of
// $XDG_CONFIG_DIRS that has one (/etc/xdg), and the user's in $XDG_CONFIG_HOME
// (~/.config). An argument wins over the user's file, which wins over the machine's,
// except for a key the machine's file names in its "locked" list: that one holds.
class Settings {
public:
    // The keys a family or a school may set.
    static constexpr const char kKiosk[] = "kiosk";
    static constexpr const char kLanguage[] = "language";
    static constexpr const char kSite[] = "site";
    static constexpr const char kLetters[] = "letters";  // names, sounds or both
    static constexpr const char kTouch[] = "touch";
    static constexpr const char kLocked[] = "locked";

    // The files of this environment.
    static QString machineFile(const QProcessEnvironment& env);
    static QString userFile(const QProcessEnvironment& env);

    // Reads both; a file that is missing is no file.
    Settings(const QString& machineFile, const QString& userFile);
    // The settings of this process's environment.
    static Settings ofThisUser();

    // A key's value as the files have it, the machine's locked over the user's over the
    // machine's; empty when neither sets it.
    QString value(const char* key) const;
    bool isLocked(const char* key) const;
    // Where value() came from, for messages.
    QString fileOf(const char* key) const;

    // A yes or no: true, yes, on or 1, and false, no, off or 0. Given when the argument
    // was (the argument holds unless the key is locked), else the files', else fallback.
    // A value that is none of these is said once on stderr, naming the file and the key.
    bool flag(const char* key, bool fallback, bool given = false, bool argument = false) const;
    // One of a few words (the first is the default), likewise; matched without regard to case.
    QString choice(const char* key, const QStringList& words, const QString& argument = QString()) const;

    // Lines for stderr, each naming a file and what in it is not understood: keys that are
    // none of the program's and a "locked" in the user's file.
    QStringList problems() const;

    // Writes a key into the user's file (the voice studio's choices); false, with *error,
    // when the key is locked or the file cannot be written.
    bool setUserValue(const char* key, const QString& value, QString* error = nullptr);

    // The words of the letters setting, the default first.
    static QStringList letterSayings() {
        return {QStringLiteral("names"), QStringLiteral("sounds"), QStringLiteral("both")};
    }

    // The keys the program knows, for problems().
    static QStringList knownKeys();

private:
    struct File {
        QString path;
        QHash<QString, QString> values;
        bool unreadable = false;
    };
    static File readFile(const QString& path);
    void tell(const QString& line) const;

    File machine_;
    File user_;
    QStringList locked_;
    mutable QSet<QString> told_;
};

}  // namespace zorbla
