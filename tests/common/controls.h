#pragma once

// A window's control by its name, as a child finds it by what it is: the windows keep
// their controls to themselves and name each one.

#include <QObject>
#include <QString>

#include "widgets/clicklabel.h"

namespace zorbla_test {

template <class T = zorbla::ClickLabel>
T* control(const QObject& window, const QString& name) {
    return window.findChild<T*>(name);
}

}  // namespace zorbla_test
