#include "server/hosting/ServerPidFile.h"

#include "support/platform/OperatingSystem.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace fw {

bool recordIsAlive(const ServerPidRecord& record)
{
    const std::optional<quint64> start = os::processStartTime(record.pid);
    return start && *start == record.startTime;
}

std::optional<ServerPidRecord> readPidFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QJsonObject json = QJsonDocument::fromJson(file.readAll()).object();
    ServerPidRecord record;
    record.pid = json.value(QStringLiteral("pid")).toInteger();
    record.startTime = json.value(QStringLiteral("startTime")).toString().toULongLong();
    record.port = quint16(json.value(QStringLiteral("port")).toInt());
    record.command.program = json.value(QStringLiteral("program")).toString();
    record.command.workingDir = json.value(QStringLiteral("workingDir")).toString();
    record.command.native = true;
    record.startedAt
        = QDateTime::fromString(json.value(QStringLiteral("startedAt")).toString(), Qt::ISODateWithMs);
    record.readyAt
        = QDateTime::fromString(json.value(QStringLiteral("readyAt")).toString(), Qt::ISODateWithMs);
    for (const QJsonValue& argument : json.value(QStringLiteral("arguments")).toArray())
        record.command.arguments.append(argument.toString());
    if (record.pid <= 0)
        return std::nullopt;
    return record;
}

bool writePidFile(const QString& path, const ServerPidRecord& record)
{
    QJsonObject json;
    json.insert(QStringLiteral("pid"), record.pid);
    json.insert(QStringLiteral("startTime"), QString::number(record.startTime));
    json.insert(QStringLiteral("port"), record.port);
    json.insert(QStringLiteral("startedAt"), record.startedAt.toString(Qt::ISODateWithMs));
    if (record.readyAt.isValid())
        json.insert(QStringLiteral("readyAt"), record.readyAt.toString(Qt::ISODateWithMs));
    json.insert(QStringLiteral("program"), record.command.program);
    json.insert(QStringLiteral("workingDir"), record.command.workingDir);
    json.insert(QStringLiteral("arguments"), QJsonArray::fromStringList(record.command.arguments));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QJsonDocument(json).toJson());
    return file.commit();
}

} // namespace fw
