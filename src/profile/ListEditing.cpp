#include "profile/ListEditing.h"

#include "support/errors/FortwrightError.h"
#include "support/platform/Clock.h"
#include "support/platform/Prompter.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <cmath>

namespace fw {

bool addBan(QList<BanEntry>& bans, const QString& typedAddress, const QDateTime& now)
{
    const QString address = typedAddress.trimmed();
    if (address.isEmpty())
        return false;
    bans.append({ slashDateText(now), address });
    return true;
}

AdditionalConfig describeConfiguration(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        throw FortwrightError(RuntimeError::FileNotFound, kExecutableName,
            QStringLiteral("File not found: %1").arg(QDir::toNativeSeparators(path)));
    QLocale locale = QLocale::system();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    const double kilobytes = std::round(double(info.size()) / 1000.0 * 100.0) / 100.0;
    QString size = locale.toString(kilobytes, 'f', 2);
    // The number format drops what the value does not need: 2.05, 2.5, 2, 0.
    const QString decimal = locale.decimalPoint();
    if (size.contains(decimal)) {
        while (size.endsWith(locale.zeroDigit()))
            size.chop(1);
        if (size.endsWith(decimal))
            size.chop(decimal.size());
    }
    return { locale.toString(info.lastModified(), QLocale::ShortFormat), size, info.fileName(),
        QDir::toNativeSeparators(info.absoluteFilePath()) };
}

bool IsConfigLoaded(const QString& path, const QList<AdditionalConfig>& configs)
{
    const QString wanted = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    for (const AdditionalConfig& config : configs) {
        if (!config.fullPath.isEmpty() && config.fullPath == wanted)
            return true;
    }
    return false;
}

bool mayLoadConfiguration(const QString& path, const QList<AdditionalConfig>& configs, Prompter& prompter)
{
    return !IsConfigLoaded(path, configs)
        || prompter.confirm(
            QStringLiteral("Configuration has already been loaded, do you wish to continue?") + kEightBlanks);
}

bool isConfigMissing(const AdditionalConfig& config)
{
    return !config.fullPath.trimmed().isEmpty() && !QFileInfo::exists(config.fullPath);
}

bool isConfigPresent(const AdditionalConfig& config)
{
    return !config.fullPath.trimmed().isEmpty() && QFileInfo(config.fullPath).isFile();
}

} // namespace fw
