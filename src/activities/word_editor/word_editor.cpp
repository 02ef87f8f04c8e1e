#include "activities/word_editor/word_editor.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QTextBlock>

#include "files/paths.h"
#include "files/wordtable.h"

#include <algorithm>

namespace zorbla {

WordEditor::WordEditor(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Word change"));
    setFixedSize(499, 588);
    setModal(true);
    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("text"));
    text_->setGeometry(8, 8, 481, 545);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    font.setBold(true);
    text_->setFont(font);
    saveButton_ = new QPushButton(tr("Save"), this);
    saveButton_->setObjectName(QStringLiteral("save"));
    saveButton_->setGeometry(8, 560, 85, 21);
    cancelButton_ = new QPushButton(tr("Cancel"), this);
    cancelButton_->setObjectName(QStringLiteral("cancel"));
    cancelButton_->setGeometry(128, 560, 85, 21);
    // Neither button answers Enter; Escape does not close the window either.
    for (QPushButton* b : {saveButton_, cancelButton_}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    // On a netbook's short screen the window is shorter, its text with it, so that Save
    // and Cancel stay on the screen (40 pixels are left for the window's title bar).
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const int room = screen ? screen->availableGeometry().height() - 40 : height();
    if (room < height()) {
        const int shorter = height() - std::max(room, 240);
        setFixedSize(width(), height() - shorter);
        text_->resize(text_->width(), text_->height() - shorter);
        for (QPushButton* b : {saveButton_, cancelButton_})
            b->move(b->x(), b->y() - shorter);
    }
    connect(saveButton_, &QPushButton::clicked, this, &WordEditor::save);
    connect(cancelButton_, &QPushButton::clicked, this, &WordEditor::cancel);
}

void WordEditor::tell(const QString& message) { QMessageBox::warning(this, windowTitle(), message); }

bool WordEditor::load() {
    // Read where it is found; saved as the family's own.
    const QString from = wordTablePath();
    path_ = wordTablePath(QDir(ownFolder()));
    const QString name = QFileInfo(from).fileName();
    QFile file(from);
    if (QFileInfo(from).size() > WordTableReader::kMaxFileSize) {
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
    text_->setPlainText(text);
    return true;
}

void WordEditor::save() {
    const QString name = QFileInfo(path_).fileName();
    const QString text = text_->toPlainText();
    // The same reader as at start-up: what it refuses is not written.
    WordTable check;
    if (auto error = WordTableReader::parse(text, name, check)) {
        const QTextBlock block = text_->document()->findBlockByNumber(error->line - 1);
        if (block.isValid()) {
            QTextCursor cursor(block);
            text_->setTextCursor(cursor);
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
    QDir().mkpath(QFileInfo(path_).absolutePath());
    QSaveFile out(path_);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        tell(tr("%1 could not be saved: %2. The file on disk is as it was.").arg(name, out.errorString()));
        return;
    }
    accept();
}

void WordEditor::cancel() { reject(); }

void WordEditor::keyPressEvent(QKeyEvent* event) {
    // Escape and Enter would close a dialog; here only the two buttons do.
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace zorbla
