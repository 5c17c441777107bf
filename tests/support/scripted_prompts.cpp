#include "scripted_prompts.h"

namespace plc {

void ScriptedPrompts::message(QWidget *, const QString &text, const QString &title)
{
    shown.append({QStringLiteral("message"), text, title});
}

bool ScriptedPrompts::confirm(QWidget *, const QString &text)
{
    shown.append({QStringLiteral("confirm"), text, QString()});
    return confirmAnswers.isEmpty() ? true : confirmAnswers.dequeue();
}

Prompts::Keep ScriptedPrompts::askKeep(QWidget *, const QString &text)
{
    shown.append({QStringLiteral("keep"), text, QString()});
    return keepAnswers.isEmpty() ? Keep::Cancel : keepAnswers.dequeue();
}

QString ScriptedPrompts::openFileName(QWidget *, const QString &title, const QString &dir,
                                      const QString &filter)
{
    shown.append({QStringLiteral("open"), QString(), title, dir, filter});
    return fileNames.isEmpty() ? QString() : fileNames.dequeue();
}

QString ScriptedPrompts::saveFileName(QWidget *, const QString &title, const QString &dir,
                                      const QString &filter, const QString &defaultSuffix)
{
    shown.append({QStringLiteral("save"), QString(), title, dir, filter, defaultSuffix});
    return fileNames.isEmpty() ? QString() : fileNames.dequeue();
}

QStringList ScriptedPrompts::messages() const
{
    QStringList texts;
    for (const Shown &s : shown) {
        if (s.kind == QLatin1String("message"))
            texts.append(s.text);
    }
    return texts;
}

void RecordingProgress::open()
{
    ++opened;
    isOpen = true;
}

void RecordingProgress::close()
{
    if (isOpen)
        ++closed;
    isOpen = false;
}

}  // namespace plc
