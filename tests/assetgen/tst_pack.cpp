// Checks what the build wrote into its data folder, and the design resources.
#include "content.h"
#include "pack.h"
#include "sound.h"
#include "files/pack.h"
#include "files/wordtable.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <sndfile.h>

class TestPack : public QObject {
    Q_OBJECT
private slots:
    void everyFileIsThere();
    void pictures();
    void sounds();
    void oneLoudness();
    void wordTableIsCopied();
    void designResources_data();
    void designResources();
    void croatianVoice();
    void editionsAreWhole_data();
    void editionsAreWhole();
    void sameInputSameBytes();
};

static const QString kData = QStringLiteral(ZORBLA_DATA_DIR);

// The files the program opens, by their names in their folders.
static QStringList packFiles(const QStringList &written)
{
    QStringList names;
    for (const QString &w : written)
        names << zorbla::pack::fileName(w);
    return names;
}

void TestPack::everyFileIsThere()
{
    const QStringList images = packFiles(zorbla::pack::allPictures());
    const QStringList sounds = packFiles(zorbla::pack::allSounds());
    QCOMPARE(images.size(), 261);
    QCOMPARE(sounds.size(), 202);
    // Exact names: the disk is case-sensitive.
    const QStringList onDiskImages = QDir(kData + QStringLiteral("/images")).entryList(QDir::Files);
    const QStringList onDiskSounds = QDir(kData + QStringLiteral("/sounds")).entryList(QDir::Files);
    for (const QString &f : images)
        QVERIFY2(onDiskImages.contains(f), qPrintable(f));
    for (const QString &f : sounds)
        QVERIFY2(onDiskSounds.contains(f), qPrintable(f));
    QVERIFY(onDiskSounds.contains(QStringLiteral("a.wav")) && !onDiskSounds.contains(QStringLiteral("A.wav")));
    QVERIFY(onDiskSounds.contains(QStringLiteral("D.wav")) && !onDiskSounds.contains(QStringLiteral("d.wav")));
}

void TestPack::pictures()
{
    for (const QString &f : packFiles(zorbla::pack::allPictures())) {
        const QString path = kData + QStringLiteral("/images/") + f;
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
        const QByteArray bytes = file.readAll();
        QVERIFY2(!bytes.contains("NETSCAPE2.0"), qPrintable(f + QStringLiteral(" would loop")));
        QImageReader r(path);
        const bool ani = f.contains(QLatin1String("ani"));
        const bool bear = f.startsWith(QLatin1String("medo"));
        QCOMPARE(r.size(), bear ? QSize(170, 190) : ani ? QSize(396, 396) : QSize(400, 400));
        if (ani)
            QVERIFY2(r.imageCount() >= 12, qPrintable(f));
        else
            QCOMPARE(r.imageCount(), 1);
        const QImage first = r.read();
        QVERIFY2(!first.isNull(), qPrintable(f));
        // Not a flat placeholder: a real picture has many colours.
        if (!ani) {
            QSet<QRgb> colours;
            for (int y = 0; y < first.height(); y += 3)
                for (int x = 0; x < first.width(); x += 3)
                    colours.insert(first.pixel(x, y));
            QVERIFY2(colours.size() > 20, qPrintable(f));
        }
    }
}

void TestPack::sounds()
{
    // The words the table and the colours say: one word said twice (the fruit and the
    // colour orange) may sound the same, two words never.
    zorbla::WordTable table;
    QVERIFY(!zorbla::WordTableReader::read(table, QDir(kData)));
    ag::Prompts prompts;
    QString error;
    QVERIFY2(ag::loadPrompts(QStringLiteral(ZORBLA_ASSETS_DIR "/prompts.tsv"), QStringLiteral("en"), &prompts, &error), qPrintable(error));
    QHash<QString, QString> word;
    for (int l = 0; l < 26; ++l)
        for (int p = 1; p <= 4; ++p)
            word.insert(zorbla::pack::fileName(zorbla::pack::letterWordSound(l, p)), table.cell(l + 1, p).toLower());
    for (const char *stem : zorbla::pack::kPrompts)
        word.insert(zorbla::pack::fileName(zorbla::pack::sound(stem)), prompts.text.value(QLatin1String(stem)).toLower());
    QHash<QByteArray, QString> seen;
    for (const QString &f : packFiles(zorbla::pack::allSounds())) {
        const QString path = kData + QStringLiteral("/sounds/") + f;
        SF_INFO info{};
        SNDFILE *s = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
        QVERIFY2(s, qPrintable(path));
        QCOMPARE(info.samplerate, 22050);
        QCOMPARE(info.channels, 1);
        QCOMPARE(info.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
        std::vector<short> data(size_t(info.frames));
        QCOMPARE(sf_read_short(s, data.data(), info.frames), info.frames);
        sf_close(s);
        const double seconds = double(info.frames) / info.samplerate;
        QVERIFY2(seconds <= (f == QLatin1String("alphabet_song.wav") ? 12.0 : 4.0), qPrintable(f));
        QVERIFY2(seconds >= 0.2, qPrintable(f));
        int peak = 0;
        for (short v : data)
            peak = std::max(peak, std::abs(int(v)));
        QVERIFY2(peak > 8000, qPrintable(f + QStringLiteral(" is nearly silent")));
        // Trimmed: speech starts within a tenth of a second.
        int lead = 0;
        while (lead < int(data.size()) && std::abs(int(data[lead])) < 400)
            ++lead;
        QVERIFY2(lead < 2205, qPrintable(f + QStringLiteral(" starts with silence")));
        const QByteArray hash = QCryptographicHash::hash(
            QByteArrayView(reinterpret_cast<const char *>(data.data()), qsizetype(data.size() * 2)), QCryptographicHash::Sha1);
        QVERIFY2(!seen.contains(hash) || (word.contains(f) && word.value(f) == word.value(seen.value(hash))),
                 qPrintable(f + QStringLiteral(" equals ") + seen.value(hash)));
        seen.insert(hash, f);
    }
}

// A child should never have to reach for the volume between two clicks: every sound,
// speech and effects alike, within 1 dB of one loudness, and none clipped to get there.
void TestPack::oneLoudness()
{
    double quietest = 0, loudest = -100;
    QString quietFile, loudFile;
    for (const QString &f : packFiles(zorbla::pack::allSounds())) {
        const QString path = kData + QStringLiteral("/sounds/") + f;
        SF_INFO info{};
        SNDFILE *s = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
        QVERIFY2(s, qPrintable(path));
        ag::Samples data(size_t(info.frames));
        sf_read_short(s, data.data(), info.frames);
        sf_close(s);
        const double lufs = ag::loudness(data);
        if (lufs < quietest)
            quietest = lufs, quietFile = f;
        if (lufs > loudest)
            loudest = lufs, loudFile = f;
        int atTheRail = 0;
        for (short v : data)
            atTheRail += std::abs(int(v)) >= 32767;
        QVERIFY2(atTheRail == 0, qPrintable(f + QStringLiteral(" is clipped")));
    }
    QVERIFY2(loudest - quietest <= 2.0, qPrintable(QStringLiteral("%1 at %2 LUFS, %3 at %4 LUFS")
                                                        .arg(quietFile).arg(quietest).arg(loudFile).arg(loudest)));
}

void TestPack::wordTableIsCopied()
{
    QFile a(kData + QStringLiteral("/text.txt")), b(QStringLiteral(ZORBLA_ASSETS_DIR "/text.txt"));
    QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    QCOMPARE(a.readAll(), b.readAll());
}

void TestPack::designResources_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("minFrames");
    const QList<QPair<QString, QSize>> fixed = {
        {"background.jpg", {2133, 1600}}, {"title.png", {400, 400}}, {"tile_letter.png", {50, 40}},
        {"tile_number.png", {50, 40}}, {"frame_h.png", {400, 3}}, {"frame_v.png", {2, 394}},
        {"arrow_left.png", {45, 45}}, {"arrow_right.png", {45, 45}}, {"word_back.png", {400, 40}},
        {"exit.png", {35, 35}}, {"dice.png", {65, 66}}, {"crt.png", {122, 108}}, {"b_picture.png", {104, 69}},
        {"check.png", {38, 38}}, {"bear.png", {170, 190}}, {"button_first.png", {90, 40}},
        {"button_any.png", {90, 40}}, {"cursor_smiley.png", {32, 32}}, {"cursor_palette.png", {32, 32}},
        {"cursor_pencil.png", {32, 32}}, {"icon.png", {256, 256}}};
    for (const auto &f : fixed)
        QTest::newRow(qPrintable(f.first)) << f.first << f.second << 1;
    for (const char *c : {"red", "yellow", "brown", "green", "blue", "orange"})
        QTest::newRow(c) << QStringLiteral("swatch_%1.png").arg(QLatin1String(c)) << QSize(70, 45) << 1;
    for (int k = 1; k <= 10; ++k)
        QTest::addRow("numeral_%d", k) << QStringLiteral("numeral_%1.png").arg(k) << QSize(50, 40) << 1;
    QTest::newRow("alphabet.gif") << QStringLiteral("alphabet.gif") << QSize(130, 130) << 12;
    QTest::newRow("spider.gif") << QStringLiteral("spider.gif") << QSize(113, 257) << 12;
    QTest::newRow("star.gif") << QStringLiteral("star.gif") << QSize(150, 150) << 12;
}

void TestPack::designResources()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(int, minFrames);
    const QString path = QStringLiteral(":/design/") + name;
    QVERIFY2(QFile::exists(path), qPrintable(path));
    QImageReader r(path);
    QCOMPARE(r.size(), size);
    QVERIFY(r.imageCount() >= minFrames || (minFrames == 1 && r.imageCount() == 0));
    QVERIFY(!r.read().isNull());
    if (name.endsWith(QLatin1String(".gif"))) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(!f.readAll().contains("NETSCAPE2.0"));
    }
    if (name.startsWith(QLatin1String("cursor_"))) {
        const QImage img = QImage(path);
        QCOMPARE(qAlpha(img.pixel(0, 31)), 0); // pointers need a see-through ground
    }
}

void TestPack::croatianVoice()
{
    // Re-voicing speaks the words of the table found in the folder, whatever the case of
    // its name.
    QTemporaryDir dir;
    QVERIFY(QFile::copy(QStringLiteral(ZORBLA_ASSETS_DIR "/text.txt"), dir.filePath(QStringLiteral("TEXT.txt"))));
    QCOMPARE(ag::revoice(QStringLiteral(ZORBLA_ASSETS_DIR), dir.path(), QStringLiteral("hr"), 1), 0);
    const QStringList made = QDir(dir.filePath(QStringLiteral("sounds"))).entryList(QDir::Files);
    QCOMPARE(made.size(), 200); // every sound but the two effects
    for (const char *f : {"a.wav", "Z4.wav", "10.wav", "104.wav", "no_wrong.wav"}) {
        QFile hr(dir.filePath(QStringLiteral("sounds/") + QLatin1String(f)));
        QFile en(kData + QStringLiteral("/sounds/") + QLatin1String(f));
        QVERIFY(hr.open(QIODevice::ReadOnly) && en.open(QIODevice::ReadOnly));
        QVERIFY2(hr.readAll() != en.readAll(), f);
    }
    // An unknown table falls back to English prompts rather than failing.
    QCOMPARE(ag::revoice(QStringLiteral(ZORBLA_ASSETS_DIR), dir.path(), QStringLiteral("nl"), 1), 0);
}

void TestPack::editionsAreWhole_data()
{
    QTest::addColumn<QString>("language");
    const QDir assets(QStringLiteral(ZORBLA_ASSETS_DIR));
    for (const QString &l : assets.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        if (assets.exists(l + QStringLiteral("/content.tsv")))
            QTest::newRow(qPrintable(l)) << l;
}

// An edition is made whole from its own tables: every picture drawn (none left to a word
// card), its number pictures with its own words, not the English ones.
void TestPack::editionsAreWhole()
{
    QFETCH(QString, language);
    QTemporaryDir dir;
    QProcess gen;
    gen.setProcessChannelMode(QProcess::MergedChannels);
    gen.start(QStringLiteral(ASSETGEN_EXE), {QStringLiteral("--assets"), QStringLiteral(ZORBLA_ASSETS_DIR),
                                             QStringLiteral("--language"), language, QStringLiteral("--data"), dir.path()});
    QVERIFY(gen.waitForFinished(120000));
    const QByteArray said = gen.readAll();
    QVERIFY2(gen.exitStatus() == QProcess::NormalExit && gen.exitCode() == 0, said.constData());
    QVERIFY2(!said.contains("warning"), said.constData());
    for (const QString &f : packFiles(zorbla::pack::allPictures()) + packFiles(zorbla::pack::allSounds()))
        QVERIFY2(QFileInfo::exists(dir.filePath((f.endsWith(QLatin1String(".wav")) ? QStringLiteral("sounds/") : QStringLiteral("images/")) + f)),
                 qPrintable(f));
    // One that prints its word: the counting game's picture has none.
    const int worded = zorbla::pack::countingPicture(3) == 1 ? 2 : 1;
    const QString numberPicture = zorbla::pack::fileName(zorbla::pack::numberPicture(3, worded));
    QVERIFY(QImage(dir.filePath(QStringLiteral("images/") + numberPicture)) != QImage(kData + QStringLiteral("/images/") + numberPicture));
}

void TestPack::sameInputSameBytes()
{
    // One thread here, two in the build: the files must not differ. A
    // process of its own, as in the build: espeak-ng keeps state between
    // utterances, so only a fresh process starts from the same place.
    QTemporaryDir dir;
    const QString data = dir.filePath(QStringLiteral("data"));
    // A parent's table already there, as "TEXT.txt": it is the one written over.
    QVERIFY(QDir().mkpath(data));
    QFile old(data + QStringLiteral("/TEXT.txt"));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.close();
    QProcess gen;
    gen.start(QStringLiteral(ASSETGEN_EXE), {QStringLiteral("--assets"), QStringLiteral(ZORBLA_ASSETS_DIR),
                                             QStringLiteral("--data"), data, QStringLiteral("--jobs"), QStringLiteral("1")});
    QVERIFY(gen.waitForFinished(120000));
    QVERIFY2(gen.exitStatus() == QProcess::NormalExit && gen.exitCode() == 0, gen.readAllStandardError().constData());
    QStringList files;
    for (const QString &f : packFiles(zorbla::pack::allPictures()))
        files << QStringLiteral("images/") + f;
    for (const QString &f : packFiles(zorbla::pack::allSounds() + zorbla::pack::letterSounds()))
        files << QStringLiteral("sounds/") + f;
    files << zorbla::pack::letterSoundTable();
    QCOMPARE(QDir(data).entryList({QStringLiteral("text.txt")}, QDir::Files, QDir::IgnoreCase),
             QStringList{QStringLiteral("TEXT.txt")});
    files << QStringLiteral("TEXT.txt");
    for (const QString &f : files) {
        QFile a(data + QLatin1Char('/') + f), b(kData + QLatin1Char('/') + (f == QLatin1String("TEXT.txt") ? QStringLiteral("text.txt") : f));
        QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        QVERIFY2(a.readAll() == b.readAll(), qPrintable(f));
    }
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    TestPack t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_pack.moc"
