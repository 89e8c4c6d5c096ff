#include "GenerateFixture.h"

#include "support/AnsiCodec.h"
#include "testkit/TestData.h"

namespace fw::test {

QString GenerateFixture::createdStamp() const
{
    const QDateTime now = t.clock.now();
    return longDateText(now) + QStringLiteral(" at ") + timeText(now);
}

QByteArray GenerateFixture::expectedFile(const QString& text) const
{
    QString out = text;
    out.replace(QStringLiteral("@CREATED@"), createdStamp());
    out.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return toAnsi(out);
}

QByteArray GenerateFixture::expectedData(const QString& name) const
{
    return testData(name).replace("@CREATED@", toAnsi(createdStamp()));
}

QString GenerateFixture::dataText(const QString& name)
{
    return fromAnsi(testData(name)).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

void GenerateFixture::addRotation(const QString& map, const QString& gameTypes)
{
    profile.rotation.rows.append({ map, gameTypes, map + QStringLiteral(" long name") });
}

} // namespace fw::test
