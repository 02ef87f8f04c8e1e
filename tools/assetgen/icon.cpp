// The program's icon, as a picture and as SVG for the desktop.
#include "designparts.h"
#include "paint.h"

namespace ag {

QImage icon(const EmojiAtlas &atlas)
{
    return drawn(256, 256, [&](QPainter &p) {
        shadedCard(p, QRectF(8, 8, 240, 240), 48, QLineF(0, 0, 0, 256), QColor(90, 185, 255), QColor(40, 120, 225),
                   QPen(Qt::white, 8));
        block(p, QRectF(48, 80, 130, 130), QColor(250, 170, 30), QStringLiteral("Z"));
        atlas.draw(p, kStar, QRectF(168, 26, 66, 66));
    });
}

const char *const kIconSvg =
    "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 256 256\">\n"
    "<defs><linearGradient id=\"g\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">"
    "<stop offset=\"0\" stop-color=\"#5ab9ff\"/><stop offset=\"1\" stop-color=\"#2878e1\"/></linearGradient></defs>\n"
    "<rect x=\"8\" y=\"8\" width=\"240\" height=\"240\" rx=\"48\" fill=\"url(#g)\" stroke=\"#fff\" stroke-width=\"8\"/>\n"
    "<polygon points=\"48,80 69,59 199,59 178,80\" fill=\"#ffd060\" stroke=\"#9c6400\" stroke-width=\"2\"/>\n"
    "<polygon points=\"178,80 199,59 199,189 178,210\" fill=\"#d08c18\" stroke=\"#9c6400\" stroke-width=\"2\"/>\n"
    "<rect x=\"48\" y=\"80\" width=\"130\" height=\"130\" fill=\"#faaa1e\" stroke=\"#9c6400\" stroke-width=\"2\"/>\n"
    "<text x=\"113\" y=\"180\" font-family=\"Comic Neue\" font-weight=\"bold\" font-size=\"100\" "
    "text-anchor=\"middle\" fill=\"#fff\">Z</text>\n"
    "<polygon points=\"201,28 209,50 232,50 214,64 221,86 201,73 181,86 188,64 170,50 193,50\" fill=\"#ffcc22\"/>\n"
    "</svg>\n";

} // namespace ag
