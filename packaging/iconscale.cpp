// Writes smaller copies of the program's icon for the desktop's icon theme.
//   iconscale SOURCE.png DEST.png SIZE
#include <QImage>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: iconscale SOURCE.png DEST.png SIZE\n");
        return 2;
    }
    const int size = std::atoi(argv[3]);
    QImage icon(QString::fromLocal8Bit(argv[1]));
    if (icon.isNull() || size <= 0) {
        std::fprintf(stderr, "iconscale: cannot read %s or bad size %s\n", argv[1], argv[3]);
        return 1;
    }
    const QImage small = icon.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (!small.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "iconscale: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
