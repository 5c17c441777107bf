#include "dialog_prompts.h"

#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>

namespace plc {

namespace {

QString captionOf(const QString &title)
{
    return title.isNull() ? QGuiApplication::applicationDisplayName() : title;
}

}  // namespace

void DialogPrompts::message(QWidget *parent, const QString &text, const QString &title)
{
    QMessageBox::information(parent, captionOf(title), text, QMessageBox::Ok);
}

bool DialogPrompts::confirm(QWidget *parent, const QString &text)
{
    return QMessageBox::question(parent, QString(), text, QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Ok) == QMessageBox::Ok;
}

Prompts::Keep DialogPrompts::askKeep(QWidget *parent, const QString &text)
{
    const auto answer = QMessageBox::question(
        parent, QGuiApplication::applicationDisplayName(), text,
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Save)
        return Keep::Save;
    return answer == QMessageBox::Discard ? Keep::Discard : Keep::Cancel;
}

QString DialogPrompts::openFileName(QWidget *parent, const QString &title, const QString &dir,
                                    const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, title, dir, filter);
}

QString DialogPrompts::saveFileName(QWidget *parent, const QString &title, const QString &dir,
                                    const QString &filter, const QString &defaultSuffix)
{
    QFileDialog dialog(parent, title, dir, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

void DialogPrompts::saveFileNameLater(QWidget *parent, const QString &title, const QString &dir,
                                      const QString &filter, const QString &defaultSuffix,
                                      const std::function<void(const QString &)> &chosen)
{
    // open() rather than exec(): no event loop of the dialog's own for a waiting transfer to
    // be stuck beneath.
    auto *dialog = new QFileDialog(parent, title, dir, filter);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(defaultSuffix);
    QObject::connect(dialog, &QFileDialog::fileSelected, dialog, chosen);
    dialog->open();
}

void DialogPrompts::messageLater(QWidget *parent, const QString &text)
{
    auto *box = new QMessageBox(QMessageBox::Information, captionOf(QString()), text,
                                QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

}  // namespace plc
