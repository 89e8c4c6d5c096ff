#include "server/RconDatagram.h"

#include "support/text/AnsiCodec.h"

namespace fw {

namespace {

const QByteArray kOutOfBand(4, '\xff');

} // namespace

QByteArray rconHeader()
{
    return kOutOfBand + '\x02';
}

QByteArray messageDatagram(const QByteArray& header, const QString& password, const QString& line)
{
    return header + toAnsi(QStringLiteral("rcon ") + password + QStringLiteral(" say ") + line);
}

QByteArray statusDatagram(const QString& password)
{
    return kOutOfBand + toAnsi(QStringLiteral("rcon ") + password + QStringLiteral(" status"));
}

QString readableDatagram(const QByteArray& bytes)
{
    QString text;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '\\')
            text += QStringLiteral("\\\\");
        else if (byte >= 0x20 && byte < 0x7f)
            text += QLatin1Char(c);
        else
            text += QStringLiteral("\\x%1").arg(byte, 2, 16, QLatin1Char('0'));
    }
    return text;
}

} // namespace fw
