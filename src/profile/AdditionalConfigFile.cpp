#include "profile/AdditionalConfigFile.h"

#include "support/Clock.h"
#include "support/FortwrightError.h"
#include "support/NumericText.h"

#include <QDir>
#include <QFileInfo>

namespace fw {

AdditionalConfig describeConfigFile(const QString& path, const QLocale& locale)
{
    const QFileInfo info(path);
    if (!info.isFile())
        throw FortwrightError(RuntimeError::FileNotFound, kExecutableName,
            QStringLiteral("File not found: %1").arg(QDir::toNativeSeparators(path)));
    const QDateTime modified = info.lastModified();
    // Hundredths of a kilobyte are tens of bytes; rounding them as whole numbers keeps the halves
    // exact.
    const double kilobytes = double(roundHalfEven(double(info.size()) / 10.0)) / 100.0;
    QString size = shortestDecimal(kilobytes);
    size.replace(QLatin1Char('.'), locale.decimalPoint());
    return { locale.toString(modified.date(), QLocale::ShortFormat) + QLatin1Char(' ') + timeText(modified),
        size, info.fileName(), QDir::toNativeSeparators(info.absoluteFilePath()) };
}

} // namespace fw
