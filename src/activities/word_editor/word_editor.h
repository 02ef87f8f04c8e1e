#pragma once

#include <QDialog>

#include "files/textcodec.h"

class QPlainTextEdit;
class QPushButton;

namespace zorbla {

// The word table editor: the whole of text.txt as plain text, saved back or left alone.
// It refuses to save a table the program could not read, so a typing slip can never stop
// the program or lose the table, and it writes through a temporary file so an
// interrupted save leaves the old file whole.
class WordEditor : public QDialog {
    Q_OBJECT
public:
    explicit WordEditor(QWidget* parent = nullptr);

    // Loads the word table, the file the program reads. False (after telling the user
    // why) when it cannot be read.
    bool load();
    // The two buttons.
    void save();
    void cancel();

    // The table as it stands in the editor.
    QPlainTextEdit* textBox() const { return text_; }

    // The file being edited and how its bytes were stored.
    QString path() const { return path_; }
    TextEncoding encoding() const { return encoding_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void tell(const QString& message);

    QPlainTextEdit* text_;
    QPushButton* saveButton_;
    QPushButton* cancelButton_;
    QString path_;
    TextEncoding encoding_;
};

}  // namespace zorbla
