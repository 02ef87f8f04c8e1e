#include "layout.h"

#include <algorithm>

namespace ag {

QList<QRectF> countingLayout(int n, const QRectF &area)
{
    // Cells of a cols x rows grid; (col, row) pairs per count.
    // The picture is wider than tall, so small counts sit in rows.
    struct Pattern { int cols, rows; QList<QPointF> cells; };
    Pattern p;
    switch (n) {
    case 1: p = {1, 1, {{0, 0}}}; break;
    case 2: p = {2, 1, {{0, 0}, {1, 0}}}; break;
    case 3: p = {3, 1, {{0, 0}, {1, 0}, {2, 0}}}; break;
    case 4: p = {2, 2, {{0, 0}, {1, 0}, {0, 1}, {1, 1}}}; break;
    case 5: p = {3, 2, {{0, 0}, {1, 0}, {2, 0}, {0.5, 1}, {1.5, 1}}}; break;
    case 6: p = {3, 2, {{0, 0}, {1, 0}, {2, 0}, {0, 1}, {1, 1}, {2, 1}}}; break;
    default:
        if (n < 1 || n > 10)
            return {};
        p = {5, 2, {}};
        for (int i = 0; i < n; ++i)
            p.cells.append(QPointF(i % 5, i / 5));
    }
    // Square cells, the grid centred: rows stay together like on a ten-frame.
    const double cell = std::min(area.width() / p.cols, area.height() / p.rows);
    const QPointF origin(area.center().x() - cell * p.cols / 2, area.center().y() - cell * p.rows / 2);
    // A gap of a tenth of a cell keeps neighbours apart.
    const double side = cell * 0.88;
    QList<QRectF> out;
    for (const QPointF &c : p.cells) {
        const QPointF centre(origin.x() + (c.x() + 0.5) * cell, origin.y() + (c.y() + 0.5) * cell);
        out.append(QRectF(centre.x() - side / 2, centre.y() - side / 2, side, side));
    }
    return out;
}

} // namespace ag
