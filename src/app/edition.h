#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace zorbla {

// The editions the program has words for, English first: each is a language code.
QStringList knownEditions();

// The edition's language in its own words, for lists a parent reads: "hrvatski".
QString editionName(const QString& code);

// The edition of the desktop's language, as the desktop's own programs read it: the
// LANGUAGE list first (unless the locale is C or POSIX, as gettext does), then LC_ALL,
// LC_MESSAGES and LANG. English where no edition of those is available.
QString desktopEdition(const QProcessEnvironment& env, const QStringList& available);

// Makes the program's own words, and Qt's, those of the edition. Needs the application
// object.
void useEditionWords(const QString& code);

}  // namespace zorbla
