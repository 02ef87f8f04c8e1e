// Generating the whole pack, re-voicing it, and the review montage.
#pragma once

#include <QString>

namespace ag {

struct PackOptions {
    QString assetsDir;  // content.tsv, text.txt, prompts.tsv; an edition's in <language>/
    QString language;   // the edition; empty or "en" for the English one in assetsDir
    QString tableDir;   // a parent's own text.txt, to use instead of the edition's
    QString dataDir;    // written: text.txt, images/, sounds/
    QString designDir;  // written when not empty: the window pictures
    QString stampFile;  // touched after success when not empty
    QString emojiArt;   // the emoji drawings; defaultEmojiArt() when empty
    int jobs = 0;       // worker threads; 0 = one per core
    bool verbose = false;
};

// Each returns 0 on success, or prints why to stderr and returns non-zero.
int generatePack(const PackOptions &options);
int revoice(const QString &assetsDir, const QString &dataDir, const QString &language, int jobs);
int writeMontage(const QString &dataDir, const QString &designDir, const QString &outFile);

} // namespace ag
