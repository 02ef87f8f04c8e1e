// Every window of the program with each edition's translation loaded: no caption, title,
// button, tip or name for assistive technology the program writes is left in English, and
// the English program is exactly as it was.
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include <memory>

#include "activities/word_editor/word_editor.h"
#include "common/pack_folder.h"
#include "files/wordtable.h"
#include "common/controls.h"
#include "main_window/main_window.h"
#include "studio/voice_studio.h"
#include "widgets/clicklabel.h"

using namespace zorbla;

namespace {

// Where a widget is: its window's class and the path of child indexes to it.
QString whereIs(const QWidget* w) {
    QString path;
    for (const QObject* o = w; o && o->parent(); o = o->parent())
        path.prepend(QLatin1Char('/') + QString::number(o->parent()->children().indexOf(const_cast<QObject*>(o))));
    return QLatin1String(w->window()->metaObject()->className()) + path;
}

// Every text the windows open now show: titles, captions, buttons, tips, names.
void collect(QMap<QString, QString>* shown) {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (!top->isVisible())
            continue;
        shown->insert(whereIs(top) + QStringLiteral("#title"), top->windowTitle());
        for (QWidget* w : top->findChildren<QWidget*>()) {
            if (!w->toolTip().isEmpty())
                shown->insert(whereIs(w) + QStringLiteral("#tip"), w->toolTip());
            if (!w->accessibleName().isEmpty())
                shown->insert(whereIs(w) + QStringLiteral("#name"), w->accessibleName());
            if (auto* label = qobject_cast<QLabel*>(w); label && !label->text().isEmpty())
                shown->insert(whereIs(w), label->text());
            if (auto* button = qobject_cast<QAbstractButton*>(w); button && !button->text().isEmpty())
                shown->insert(whereIs(w), button->text());
        }
    }
}

void closeGames(MainWindow* main) {
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top != main && top->isVisible())
            top->hide();
    main->setEnabled(true);
}

// The main window, then each game it opens, the word table editor and the voice studio.
QMap<QString, QString> everyWindow() {
    QMap<QString, QString> shown;
    auto main = std::make_unique<MainWindow>();
    if (main->load())
        return shown;
    main->show();
    collect(&shown);
    const QList<QWidget*> launchers = {zorbla_test::control(*main, "dice"), zorbla_test::control(*main, "easel"), zorbla_test::control(*main, "letterPad"), zorbla_test::control(*main, "bigLetter"),
                                       zorbla_test::control(*main, "guess")};
    for (QWidget* launcher : launchers) {
        QTest::mouseClick(launcher, Qt::LeftButton, {}, QPoint(5, 5));
        collect(&shown);
        closeGames(main.get());
    }
    QTest::mouseClick(zorbla_test::control(*main, "letterTile1"), Qt::LeftButton);
    QTest::mouseClick(zorbla_test::control(*main, "picture"), Qt::LeftButton, {}, QPoint(200, 200));
    QTest::mouseClick(zorbla_test::control(*main, "word"), Qt::LeftButton, {}, QPoint(5, 5));  // the word quiz
    collect(&shown);
    closeGames(main.get());
    main->hide();
    {
        WordEditor editor;
        editor.load();
        editor.show();
        collect(&shown);
    }
    {
        VoiceStudio studio;
        studio.load();
        studio.show();
        collect(&shown);
    }
    return shown;
}

}  // namespace

class TestTranslations : public QObject {
    Q_OBJECT
    zorbla_test::WorkingFolder folder_;
    QMap<QString, QString> english_;
    QStringList data_;  // the word table's words and letters, the same in every run

private slots:
    void initTestCase() {
        QVERIFY2(folder_.enter(), "the picture and sound pack is not built");
        WordTable table;
        QVERIFY(!WordTableReader::read(table));
        for (int row = 1; row < WordTable::kRows; ++row)
            for (int column = 1; column < WordTable::kColumns; ++column)
                if (!table.cell(row, column).isEmpty())
                    data_ << table.cell(row, column);
        std::sort(data_.begin(), data_.end(), [](const QString& a, const QString& b) { return a.size() > b.size(); });
        english_ = everyWindow();
        QVERIFY(english_.size() > 60);
        // The English program's own captions, as they always were.
        QVERIFY(english_.values().contains(QStringLiteral("COLOURS")));
        QVERIFY(english_.values().contains(QStringLiteral("Guess number")));
        QVERIFY(english_.values().contains(QStringLiteral("Word change")));
    }

    void noEnglishIsLeft_data() {
        QTest::addColumn<QString>("code");
        for (const char* code : {"hr", "de", "fr", "es"})
            QTest::newRow(code) << QString::fromLatin1(code);
    }
    void noEnglishIsLeft() {
        QFETCH(QString, code);
        // Words a translation keeps as they are in English (STOP, "Zorbla - ") may stay.
        QStringList same;
        QFile ts(QStringLiteral(ZORBLA_TRANSLATIONS "/zorbla_%1.ts").arg(code));
        QVERIFY(ts.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&ts);
        QString source;
        while (!xml.atEnd()) {
            if (!xml.readNextStartElement())
                continue;
            if (xml.name() == QLatin1String("source"))
                source = xml.readElementText();
            else if (xml.name() == QLatin1String("translation") && xml.readElementText() == source)
                same << source;
        }
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/i18n/zorbla_%1.qm").arg(code)));
        QCoreApplication::installTranslator(&translator);
        const QMap<QString, QString> shown = everyWindow();
        QCoreApplication::removeTranslator(&translator);

        QCOMPARE(shown.keys(), english_.keys());
        QStringList left;
        for (auto it = shown.cbegin(); it != shown.cend(); ++it) {
            if (it.value() != english_.value(it.key()) || same.contains(it.value()))
                continue;
            // A word of the table with a letter hidden ("_IRPLANE") is the table's too.
            QString rest = it.value();
            rest.remove(QRegularExpression(QStringLiteral("\\S*_\\S*")));
            for (const QString& word : data_)
                rest.remove(QRegularExpression(QStringLiteral("\\b%1\\b").arg(QRegularExpression::escape(word))));
            if (rest.contains(QRegularExpression(QStringLiteral("[A-Za-z]{2,}"))))
                left << QStringLiteral("%1: \"%2\"").arg(it.key(), it.value());
        }
        QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestTranslations)
#include "test_translations.moc"
