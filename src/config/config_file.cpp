#include "config_file.h"

#include "failure.h"
#include "prompts.h"
#include "recent_files.h"
#include "whole_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace plc {

namespace {

// The texts of the configuration file's dialogs and failures, for the translator.
struct ConfigFileTexts {
    Q_DECLARE_TR_FUNCTIONS(plc::ConfigFile)
};

}  // namespace

QString saveConfigTitle()
{
    return ConfigFileTexts::tr("Save PLC configuration");
}

QString loadConfigTitle()
{
    return ConfigFileTexts::tr("Load PLC configuration");
}

QString configFilter()
{
    return ConfigFileTexts::tr("Volquen technology PLC config (*.vqc *.rfp);;All file (*.*)");
}

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
        throw Failure(
            ConfigFileTexts::tr("Cannot save the configuration to %1: %2").arg(path, reason));
}

ConfigRecord readConfigFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Failure(ConfigFileTexts::tr("Cannot open %1: %2").arg(path, file.errorString()));
    return ConfigRecord::fromFile(file.read(ConfigRecord::kSize));
}

QString saveConfig(Prompts &prompts, QWidget *parent, ConfigRecord &record,
                   const WindowConfig &window)
{
    QString path = prompts.saveFileName(parent, saveConfigTitle(), recentfiles::dialogFolder(),
                                        configFilter(), kDefaultSuffix);
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
