#include "project_note_dialog.h"

#include "dialog_buttons.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace plc {

ProjectNoteDialog::ProjectNoteDialog(const QString &note, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("projectNoteDialog"));
    setWindowTitle(tr("Project note"));
    m_edit = new QPlainTextEdit(note, this);
    m_edit->setObjectName(QStringLiteral("projectNoteEdit"));
    // Tab moves on to the buttons; a note has no use for tab characters.
    m_edit->setTabChangesFocus(true);
    const DialogButtons buttons =
        dialogButtons(*this, {QStringLiteral("okButton")}, {QStringLiteral("cancelButton")});
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_edit);
    layout->addWidget(buttons.box);
    resize(480, 320);
}

QString ProjectNoteDialog::note() const
{
    return m_edit->toPlainText();
}

}  // namespace plc
