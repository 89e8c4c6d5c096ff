#include "GenerateFixture.h"

#include "support/AnsiCodec.h"
#include "support/Clock.h"

#include <QTimeZone>

namespace fw::test {

GenerateFixture::GenerateFixture()
{
    qputenv("SOURCE_DATE_EPOCH", "1700000000");
}

GenerateFixture::~GenerateFixture()
{
    qunsetenv("SOURCE_DATE_EPOCH");
}

QString GenerateFixture::createdStamp()
{
    const QDateTime now = QDateTime::fromSecsSinceEpoch(1700000000, QTimeZone::utc());
    return longDateText(now) + QStringLiteral(" at ") + timeText(now);
}

QByteArray GenerateFixture::expectedFile(const QString& text)
{
    QString out = text;
    out.replace(QStringLiteral("@CREATED@"), createdStamp());
    out.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return toAnsi(out);
}

void GenerateFixture::addRotation(const QString& map, const QString& gameTypes)
{
    profile.rotation.rows.append({ map, gameTypes, map + QStringLiteral(" long name") });
}

} // namespace fw::test
