// Where the objects of a counting picture go: dice patterns up to six,
// a ten-frame (two rows of five, top row first) from seven to ten.
#pragma once

#include <QList>
#include <QRectF>

namespace ag {

// n equal squares inside area, none overlapping, with a gap between them.
// Returns an empty list for n outside 1..10.
QList<QRectF> countingLayout(int n, const QRectF &area);

} // namespace ag
