#include "dialog_prompts.h"

#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>

void DialogPrompts::message(QWidget *parent, const QString &text, const QString &title)
{
    const QString caption = title.isNull() ? QGuiApplication::applicationDisplayName() : title;
    QMessageBox::information(parent, caption, text, QMessageBox::Ok);
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
