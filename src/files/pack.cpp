#include "files/pack.h"

namespace zorbla::pack {

namespace {

QString letter(int i) { return QString(QChar(u'A' + i)); }

}  // namespace

QString letterSound(int i) {
    return QStringLiteral("sounds\\") + (i < 3 ? letter(i).toLower() : letter(i)) + QStringLiteral(".wav");
}
QString letterPicture(int i, int p) { return QStringLiteral("images\\%1%2.gif").arg(letter(i)).arg(p); }
QString letterAnimation(int i, int p) { return QStringLiteral("images\\%1%2ani.gif").arg(letter(i)).arg(p); }
QString letterWordSound(int i, int p) { return QStringLiteral("sounds\\%1%2.wav").arg(letter(i)).arg(p); }
QString numberSound(int k) { return QStringLiteral("sounds\\%1.wav").arg(k); }
QString numberPicture(int k, int p) { return QStringLiteral("images\\%1%2.gif").arg(k).arg(p); }
QString numberAnimation(int k) { return QStringLiteral("images\\%1ani.gif").arg(k); }
QString numberWordSound(int k, int p) { return QStringLiteral("sounds\\%1%2.wav").arg(k).arg(p); }

int countingPicture(int k) {
    static constexpr int picture[11] = {0, 3, 3, 1, 3, 4, 3, 4, 3, 3, 3};
    return k >= 1 && k <= 10 ? picture[k] : 1;
}

QString bear(int mood) { return QStringLiteral("images\\medo%1.gif").arg(mood); }

QString letterSoundOf(int i) { return QStringLiteral("sounds\\sound_of_") + letter(i).toLower() + QStringLiteral(".wav"); }
QString groupSoundOf(const QString& stem) { return QStringLiteral("sounds\\sound_of_") + stem + QStringLiteral(".wav"); }
QString letterSoundTable() { return QStringLiteral("lettersounds.txt"); }

QString sound(const char* stem) { return QStringLiteral("sounds\\") + QLatin1String(stem) + QStringLiteral(".wav"); }

QStringList allSounds() {
    QStringList s;
    for (int i = 0; i < 26; ++i)
        s << letterSound(i);
    for (int i = 0; i < 26; ++i)
        for (int p = 1; p <= 4; ++p)
            s << letterWordSound(i, p);
    for (int k = 1; k <= 10; ++k)
        s << numberSound(k);
    for (int k = 1; k <= 10; ++k)
        for (int p = 1; p <= 4; ++p)
            s << numberWordSound(k, p);
    for (const char* stem : kPrompts)
        s << sound(stem);
    s << sound(alphabetSong) << sound(boing);
    return s;
}

QStringList letterSounds() {
    QStringList s;
    for (int i = 0; i < 26; ++i)
        s << letterSoundOf(i);
    return s;
}

QStringList allPictures() {
    QStringList s;
    for (int i = 0; i < 26; ++i)
        for (int p = 1; p <= 4; ++p)
            s << letterPicture(i, p) << letterAnimation(i, p);
    for (int k = 1; k <= 10; ++k) {
        for (int p = 1; p <= 4; ++p)
            s << numberPicture(k, p);
        s << numberAnimation(k);
    }
    for (int mood = 1; mood <= 3; ++mood)
        s << bear(mood);
    return s;
}

QString atScale(const QString& written, int scale) {
    if (scale <= 1)
        return written;
    const int dot = int(written.lastIndexOf(QLatin1Char('.')));
    const QString suffix = QStringLiteral("@%1x").arg(scale);
    return dot < 0 ? written + suffix : written.left(dot) + suffix + written.mid(dot);
}

QString fileName(const QString& written) { return written.section(QLatin1Char('\\'), -1); }

}  // namespace zorbla::pack
