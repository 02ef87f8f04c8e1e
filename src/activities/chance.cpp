#include "activities/chance.h"

#include <QRandomGenerator>
#include <QtGlobal>

namespace zorbla {

int randomBelow(int n) {
    static QRandomGenerator* const generator = [] {
        bool fixed = false;
        const uint seed = qEnvironmentVariableIntValue("ZORBLA_SEED", &fixed);
        return fixed ? new QRandomGenerator(seed) : QRandomGenerator::global();
    }();
    return int(generator->bounded(n));
}

}  // namespace zorbla
