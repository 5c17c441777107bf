#pragma once

#include "prompts.h"

namespace plc {

// The real thing: Qt's message boxes and file dialogs.
class DialogPrompts : public Prompts {
public:
    void message(QWidget *parent, const QString &text, const QString &title = QString()) override;
    bool confirm(QWidget *parent, const QString &text) override;
    Keep askKeep(QWidget *parent, const QString &text) override;
    QString openFileName(QWidget *parent, const QString &title, const QString &dir,
                         const QString &filter) override;
    QString saveFileName(QWidget *parent, const QString &title, const QString &dir,
                         const QString &filter, const QString &defaultSuffix) override;
    void saveFileNameLater(QWidget *parent, const QString &title, const QString &dir,
                           const QString &filter, const QString &defaultSuffix,
                           const std::function<void(const QString &)> &chosen) override;
    void messageLater(QWidget *parent, const QString &text) override;
};

}  // namespace plc
