#pragma once

#include <QString>
#include <functional>

class QDialog;
class QDialogButtonBox;
class QPushButton;

namespace plc {

// One button that closes a dialog: its objectName and caption; a null caption keeps the
// platform's own text of the standard OK (accepting) or Cancel (rejecting) button.
struct DialogButton {
    QString name;
    QString caption = QString();
};

// A dialog's closing buttons, to be put into its layout last, and the accepting one.
struct DialogButtons {
    QDialogButtonBox *box;
    QPushButton *accept;
};

// The button box that closes a dialog: `accept` is its default button (Enter in a field) and
// runs onAccept, the dialog's accept() when there is none; `reject` rejects the dialog.
DialogButtons dialogButtons(QDialog &dialog, const DialogButton &accept, const DialogButton &reject,
                            const std::function<void()> &onAccept = {});

}  // namespace plc
