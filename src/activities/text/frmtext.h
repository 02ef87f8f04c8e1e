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
class frmText : public QDialog {
    Q_OBJECT
public:
    explicit frmText(QWidget* parent = nullptr);

    // Loads the word table, the file the program reads. False (after telling the user
    // why) when it cannot be read.
    bool Form_Load();
    void cmdSave_Click();
    void cmdOdustani_Click();

    QPlainTextEdit* RichTextBox1;
    QPushButton* cmdSave;
    QPushButton* cmdOdustani;

    // The file being edited and how its bytes were stored.
    QString path() const { return path_; }
    TextEncoding encoding() const { return encoding_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void tell(const QString& message);

    QString path_;
    TextEncoding encoding_;
};

}  // namespace zorbla
