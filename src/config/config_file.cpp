#include "config_file.h"

#include "failure.h"
#include "prompts.h"
#include "recent_files.h"
#include "whole_file.h"

#include <QFile>
#include <QFileInfo>

namespace plc {

bool hasConfigFileSuffix(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix();
    return suffix.compare(QLatin1String("vqc"), Qt::CaseInsensitive) == 0 ||
           suffix.compare(QLatin1String("rfp"), Qt::CaseInsensitive) == 0;
}

void writeConfigFile(const QString &path, const ConfigRecord &record)
{
    // Whole or not at all: a failure leaves the old file as it was, and a longer old file keeps
    // no stale tail.
    const QString reason = writeWholeFile(path, record.bytes());
    if (!reason.isNull())
        throw Failure(QStringLiteral("Cannot save the configuration to %1: %2").arg(path, reason));
}

ConfigRecord readConfigFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Failure(QStringLiteral("Cannot open %1: %2").arg(path, file.errorString()));
    return ConfigRecord::fromFile(file.read(ConfigRecord::kSize));
}

QString saveConfig(Prompts &prompts, QWidget *parent, ConfigRecord &record,
                   const WindowConfig &window)
{
    QString path = prompts.saveFileName(parent, kSaveTitle, recentfiles::dialogFolder(),
                                        kConfigFilter, kDefaultSuffix);
    if (path.isEmpty())
        return QString();
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + kDefaultSuffix;
    try {
        record.gather(window);
        writeConfigFile(path, record);
    } catch (const Failure &f) {
        prompts.message(parent, f.description());
        return QString();
    }
    recentfiles::remember(path);
    return path;
}

}  // namespace plc
