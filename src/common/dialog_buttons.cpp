#include "dialog_buttons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

namespace plc {

namespace {

QPushButton *addButton(QDialogButtonBox &box, const DialogButton &button,
                       QDialogButtonBox::ButtonRole role, QDialogButtonBox::StandardButton standard)
{
    QPushButton *added =
        button.caption.isNull() ? box.addButton(standard) : box.addButton(button.caption, role);
    added->setObjectName(button.name);
    return added;
}

}  // namespace

DialogButtons dialogButtons(QDialog &dialog, const DialogButton &accept, const DialogButton &reject,
                            const std::function<void()> &onAccept)
{
    // Parentless until the caller lays it out, so that Tab reaches it after the dialog's fields.
    auto *box = new QDialogButtonBox;
    QPushButton *accepting =
        addButton(*box, accept, QDialogButtonBox::AcceptRole, QDialogButtonBox::Ok);
    accepting->setDefault(true);
    addButton(*box, reject, QDialogButtonBox::RejectRole, QDialogButtonBox::Cancel);
    if (onAccept)
        QObject::connect(box, &QDialogButtonBox::accepted, &dialog, onAccept);
    else
        QObject::connect(box, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return {box, accepting};
}

}  // namespace plc
