#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace plc {

// "Project note": the project's free text in a plain-text edit, kept by "OK", dropped by
// "Cancel".
class ProjectNoteDialog : public QDialog {
    Q_OBJECT

public:
    explicit ProjectNoteDialog(const QString &note, QWidget *parent = nullptr);

    QString note() const;

private:
    QPlainTextEdit *m_edit = nullptr;
};

}  // namespace plc
