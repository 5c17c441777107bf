#pragma once

#include "progress.h"
#include "prompts.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>

namespace plc {

// Prompts for tests: records every text shown and gives scripted answers.
class ScriptedPrompts : public Prompts {
public:
    struct Shown {
        QString kind;  // "message", "confirm", "open", "save"
        QString text;
        QString title;     // null for the application's own title
        QString dir = {};  // file dialogs: starting folder, filter and default suffix
        QString filter = {};
        QString suffix = {};
    };

    void message(QWidget *parent, const QString &text, const QString &title = QString()) override;
    bool confirm(QWidget *parent, const QString &text) override;
    Keep askKeep(QWidget *parent, const QString &text) override;
    QString openFileName(QWidget *parent, const QString &title, const QString &dir,
                         const QString &filter) override;
    QString saveFileName(QWidget *parent, const QString &title, const QString &dir,
                         const QString &filter, const QString &defaultSuffix) override;

    // Answers for the next questions; OK when none is queued.
    QQueue<bool> confirmAnswers;
    // Answers for the next questions about unkept work; Cancel when none is queued.
    QQueue<Keep> keepAnswers;
    // Names for the next file dialogs; cancelled (empty) when none is queued.
    QQueue<QString> fileNames;

    QList<Shown> shown;
    // The texts of the messages (not the questions), in order.
    QStringList messages() const;
    void clear() { shown.clear(); }
};

// A progress window for tests: remembers how it was used.
class RecordingProgress : public ProgressDisplay {
public:
    void open() override;
    void setPercent(int percent) override { percents.append(percent); }
    void close() override;

    int opened = 0;
    int closed = 0;
    bool isOpen = false;
    QList<int> percents;
};

}  // namespace plc
