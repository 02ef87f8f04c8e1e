#include "app/application.h"

#include <QCoreApplication>

namespace zorbla {

void nameApplication() {
    // No organization, so the folder has no second level. No display name: the window
    // system would append it to every caption ("Guess number — Zorbla").
    QCoreApplication::setApplicationName(QStringLiteral("zorbla"));
}

}  // namespace zorbla
