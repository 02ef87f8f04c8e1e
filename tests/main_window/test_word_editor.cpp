#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

#include "common/pack_folder.h"
#include "activities/word_editor/word_editor.h"
#include "common/controls.h"
#include "main_window/main_window.h"
#include "widgets/clicklabel.h"

using namespace zorbla;

namespace {

QByteArray table(const QByteArray& row2) {
    QByteArray t = "01 ANT,APPLE,ARM,AXE.\r\n" + row2 + "\r\n";
    for (int n = 3; n <= 40; ++n)
        t += QByteArray::number(n).rightJustified(2, '0') + " W,X,Y,Z.\r\n";
    t += "41 A,B,C,D.\r\n42 E,F,G,H.\r\n43 I,J,K,L.\r\n44 M,N,O,P.\r\n45 Q,R,S,T.\r\n46 U,V,W,X.\r\n"
         "47 Y,Z,,.\r\n48 -,-,-,-.\r\n49 a,b,c,d.\r\n";
    return t;
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// Answers every message box that comes up, remembering what it said.
class MessageCatcher : public QObject {
public:
    MessageCatcher() {
        timer_.setInterval(20);
        connect(&timer_, &QTimer::timeout, this, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                texts << box->text();
                box->accept();
            }
        });
        timer_.start();
    }
    QStringList texts;

private:
    QTimer timer_;
};

// Runs steps on the editor once it is up as the modal window.
void whenEditorOpens(std::function<void(WordEditor*)> steps) {
    auto* poll = new QTimer;
    poll->setInterval(20);
    QObject::connect(poll, &QTimer::timeout, [poll, steps] {
        if (auto* editor = qobject_cast<WordEditor*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            steps(editor);
        }
    });
    poll->start();
}

}  // namespace

class TestWordEditor : public QObject {
    Q_OBJECT
    zorbla_test::WorkingFolder folder_;
    QString file_;

private slots:
    void initTestCase() {
        QVERIFY(folder_.enter(false));
        file_ = folder_.filePath("Text.txt");
    }

    void saveWithoutChangesKeepsTheBytes_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("windows-1250") << table("02 \xC8" "AJ,\x8A" "AL,\x8E" "ABA,\x9A" "UMA.");
        QTest::newRow("utf-8 with mark") << "\xEF\xBB\xBF" + table("02 \xC4\x8C" "AJ,B,C,D.");
        QTest::newRow("no final line end") << table("02 B,B,B,B.").chopped(2);
    }
    void saveWithoutChangesKeepsTheBytes() {
        QFETCH(QByteArray, bytes);
        writeAll(file_, bytes);
        WordEditor editor;
        QVERIFY(editor.load());
        QCOMPARE(QFileInfo(editor.path()).fileName(), QString("Text.txt"));
        QVERIFY(!editor.textBox()->toPlainText().contains('\r'));
        editor.show();
        QTest::mouseClick(zorbla_test::control<QPushButton>(editor, "save"), Qt::LeftButton);
        QCOMPARE(editor.result(), int(QDialog::Accepted));
        QCOMPARE(readAll(file_), bytes);
    }

    void editsAreWrittenInTheFileEncodingWithCrLf() {
        writeAll(file_, table("02 \xC8" "AJ,B,C,D."));
        WordEditor editor;
        QVERIFY(editor.load());
        QCOMPARE(editor.encoding().kind, TextEncoding::Windows1250);
        QString text = editor.textBox()->toPlainText();
        text.replace(QString::fromUtf8("ČAJ"), QString::fromUtf8("ŠAL"));
        editor.textBox()->setPlainText(text);
        QTest::mouseClick(zorbla_test::control<QPushButton>(editor, "save"), Qt::LeftButton);
        QCOMPARE(readAll(file_), table("02 \x8A" "AL,B,C,D."));
    }

    void aMalformedTableIsNotSaved() {
        const QByteArray before = table("02 B,B,B,B.");
        writeAll(file_, before);
        MessageCatcher messages;
        WordEditor editor;
        QVERIFY(editor.load());
        editor.show();
        QString text = editor.textBox()->toPlainText();
        text.replace("03 W,X,Y,Z.", "03 W,X Y,Z");
        editor.textBox()->setPlainText(text);
        QTest::mouseClick(zorbla_test::control<QPushButton>(editor, "save"), Qt::LeftButton);
        QTRY_COMPARE(messages.texts.size(), 1);
        QVERIFY2(messages.texts.first().contains("Text.txt, line 3: only two commas"), qPrintable(messages.texts.first()));
        QVERIFY(editor.isVisible());
        QCOMPARE(editor.textBox()->toPlainText(), text);  // as typed
        QCOMPARE(editor.textBox()->textCursor().blockNumber(), 2);  // at the faulty line
        QCOMPARE(readAll(file_), before);

        // A character the file's code page has no place for is refused too.
        writeAll(file_, table("02 \xC8" "AJ,B,C,D."));
        QVERIFY(editor.load());
        editor.textBox()->setPlainText(editor.textBox()->toPlainText().replace("ANT", QString::fromUtf8("A\u4E2DT")));
        QTest::mouseClick(zorbla_test::control<QPushButton>(editor, "save"), Qt::LeftButton);
        QTRY_COMPARE(messages.texts.size(), 2);
        QVERIFY2(messages.texts.last().contains("line 1"), qPrintable(messages.texts.last()));
        QCOMPARE(readAll(file_), table("02 \xC8" "AJ,B,C,D."));
    }

    void enterAndEscapeDoNotPressTheButtons() {
        writeAll(file_, table("02 B,B,B,B."));
        WordEditor editor;
        QVERIFY(editor.load());
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        zorbla_test::control<QPushButton>(editor, "save")->setFocus();
        QTest::keyClick(zorbla_test::control<QPushButton>(editor, "save"), Qt::Key_Return);
        QTest::keyClick(&editor, Qt::Key_Escape);
        QTest::keyClick(zorbla_test::control<QPushButton>(editor, "cancel"), Qt::Key_Enter);
        QVERIFY(editor.isVisible());
        QCOMPARE(editor.result(), 0);
        QTest::mouseClick(zorbla_test::control<QPushButton>(editor, "cancel"), Qt::LeftButton);
        QVERIFY(!editor.isVisible());
        QCOMPARE(editor.result(), int(QDialog::Rejected));
    }

    // A second spelling of the name beside the table (left by another tool): the editor
    // opens and saves the very file the program reads.
    void theEditorWritesTheTableTheProgramReads() {
        QTemporaryDir dir;
        QVERIFY(QDir::setCurrent(dir.path()));
        writeAll("TEXT.txt", table("02 BALL,B,B,B."));
        writeAll("text.txt", table("02 BOAT,B,B,B."));
        {
            MainWindow w;
            QVERIFY(!w.load());
            w.show();
            w.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&w));
            const QString read = w.wordTable().cell(2, 1);
            whenEditorOpens([&read](WordEditor* editor) {
                editor->textBox()->setPlainText(editor->textBox()->toPlainText().replace(read, "BUS"));
                QTest::mouseClick(zorbla_test::control<QPushButton>(*editor, "save"), Qt::LeftButton);
            });
            QTest::keyClick(&w, Qt::Key_T);
            QCOMPARE(w.wordTable().cell(2, 1), QString("BUS"));
        }
        QVERIFY(QDir::setCurrent(folder_.path()));
    }

    void theTKeyEditsAndReReads() {
        writeAll(file_, table("02 BALL,BANANA,BEAR,BUS."));
        MainWindow w;
        QVERIFY(!w.load());
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));

        // Save: the next click on B uses the new word; the tiles keep their captions.
        whenEditorOpens([](WordEditor* editor) {
            QString text = editor->textBox()->toPlainText();
            text.replace("02 BALL,", "02 BOX,").replace("41 A,B,", "41 A,Q,");
            editor->textBox()->setPlainText(text);
            QTest::mouseClick(zorbla_test::control<QPushButton>(*editor, "save"), Qt::LeftButton);
        });
        QTest::keyClick(&w, Qt::Key_T);
        QVERIFY(readAll(file_).contains("02 BOX,BANANA"));
        QCOMPARE(zorbla_test::control(w, "letterTile1")->text(), QString("B"));
        QTest::mouseClick(zorbla_test::control(w, "letterTile1"), Qt::LeftButton);
        QCOMPARE(w.selection().words[0], QString("BOX"));
        QCOMPARE(w.selection().letter, QString("Q"));

        // Cancel: the table is read all the same (here, as another program left it).
        whenEditorOpens([this](WordEditor* editor) {
            writeAll(file_, table("02 BEE,BANANA,BEAR,BUS."));
            editor->textBox()->setPlainText("garbage");
            QTest::mouseClick(zorbla_test::control<QPushButton>(*editor, "cancel"), Qt::LeftButton);
        });
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(&w, Qt::Key_T, Qt::ShiftModifier);
        QCOMPARE(readAll(file_), table("02 BEE,BANANA,BEAR,BUS."));
        QCOMPARE(w.wordTable().cell(2, 1), QString("BEE"));
        QCOMPARE(w.wordTable().cell(41, 2), QString("B"));

        // A shorter table leaves the rows past its end as they were.
        writeAll(file_, "01 ANT,APPLE,ARM,AXE.\r\n02 BIG,B,B,B.\r\n");
        whenEditorOpens([](WordEditor* editor) { QTest::mouseClick(zorbla_test::control<QPushButton>(*editor, "cancel"), Qt::LeftButton); });
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(&w, Qt::Key_T);
        QCOMPARE(w.wordTable().cell(2, 1), QString("BIG"));
        QCOMPARE(w.wordTable().cell(45, 1), QString("Q"));

        // A table broken behind the editor's back: the message, and the old words stay.
        MessageCatcher messages;
        whenEditorOpens([this](WordEditor* editor) {
            writeAll(file_, "01 ANT,APPLE,ARM,AXE.\r\n02 BROKEN\r\n");
            QTest::mouseClick(zorbla_test::control<QPushButton>(*editor, "cancel"), Qt::LeftButton);
        });
        QSignalSpy ended(&w, &MainWindow::programEnded);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(&w, Qt::Key_T);
        QTRY_COMPARE(messages.texts.size(), 1);
        QVERIFY2(messages.texts.first().contains("Text.txt, line 2: no comma"), qPrintable(messages.texts.first()));
        QCOMPARE(w.wordTable().cell(2, 1), QString("BIG"));
        QCOMPARE(ended.count(), 0);
    }
};

QTEST_MAIN(TestWordEditor)
#include "test_word_editor.moc"
