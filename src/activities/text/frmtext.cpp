#include "activities/text/frmtext.h"

#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QTextBlock>

#include "files/paths.h"
#include "files/wordtable.h"

namespace zorbla {

frmText::frmText(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Word change"));
    setFixedSize(499, 588);
    setModal(true);
    RichTextBox1 = new QPlainTextEdit(this);
    RichTextBox1->setGeometry(8, 8, 481, 545);
    RichTextBox1->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    font.setBold(true);
    RichTextBox1->setFont(font);
    cmdSave = new QPushButton(tr("Save"), this);
    cmdSave->setGeometry(8, 560, 85, 21);
    cmdOdustani = new QPushButton(tr("Cancel"), this);
    cmdOdustani->setGeometry(128, 560, 85, 21);
    // Neither button answers Enter; Escape does not close the window either.
    for (QPushButton* b : {cmdSave, cmdOdustani}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    connect(cmdSave, &QPushButton::clicked, this, &frmText::cmdSave_Click);
    connect(cmdOdustani, &QPushButton::clicked, this, &frmText::cmdOdustani_Click);
}

void frmText::tell(const QString& message) { QMessageBox::warning(this, windowTitle(), message); }

bool frmText::Form_Load() {
    path_ = wordTablePath();
    const QString name = QFileInfo(path_).fileName();
    QFile file(path_);
    if (QFileInfo(path_).size() > WordTableReader::kMaxFileSize) {
        tell(tr("%1 is far too large for a word table, so it is not opened.").arg(name));
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        tell(tr("%1 cannot be opened: %2").arg(name, file.errorString()));
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        tell(tr("%1 cannot be read: %2").arg(name, file.errorString()));
        return false;
    }
    QString text = decodeText(bytes, &encoding_);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace('\r', '\n');
    RichTextBox1->setPlainText(text);
    return true;
}

void frmText::cmdSave_Click() {
    const QString name = QFileInfo(path_).fileName();
    const QString text = RichTextBox1->toPlainText();
    // The same reader as at start-up: what it refuses is not written.
    WordTable check;
    if (auto error = WordTableReader::parse(text, name, check)) {
        const QTextBlock block = RichTextBox1->document()->findBlockByNumber(error->line - 1);
        if (block.isValid()) {
            QTextCursor cursor(block);
            RichTextBox1->setTextCursor(cursor);
        }
        tell(tr("Nothing was saved. %1\n\nMend the line and press Save again, or press Cancel "
                            "to keep the file as it was.")
                 .arg(error->message()));
        return;
    }
    QString withCrLf = text;
    withCrLf.replace('\n', QStringLiteral("\r\n"));
    QByteArray bytes;
    qsizetype bad = -1;
    if (!encodeText(withCrLf, encoding_, &bytes, &bad)) {
        const qsizetype line = withCrLf.left(bad).count('\n') + 1;
        tell(tr("Nothing was saved. %1, line %2: the character \"%3\" cannot be stored in this "
                            "file, which is written in the Windows-1250 code page.")
                 .arg(name)
                 .arg(line)
                 .arg(withCrLf.at(bad)));
        return;
    }
    QSaveFile out(path_);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        tell(tr("%1 could not be saved: %2. The file on disk is as it was.").arg(name, out.errorString()));
        return;
    }
    accept();
}

void frmText::cmdOdustani_Click() { reject(); }

void frmText::keyPressEvent(QKeyEvent* event) {
    // Escape and Enter would close a dialog; here only the two buttons do.
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace zorbla
