#include "testkit/TestContext.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace fw::test {

TestContext::TestContext()
    : errors(root.path() + QStringLiteral("/data"), prompter, clock)
    , context { root.path() + QStringLiteral("/data"), root.path() + QStringLiteral("/game"),
        root.path() + QStringLiteral("/game/Main"), prompter, services, clock, errors,
        root.path() + QStringLiteral("/config/registry.json") }
{
    QDir().mkpath(context.dataDir);
    QDir().mkpath(context.mainPath);
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << "cannot read " << path.toStdString();
    return file.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << "cannot write " << path.toStdString();
    file.write(bytes);
}

void writeAged(const QString& path, qint64 ageSeconds)
{
    writeBytes(path, "half");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(
        QDateTime::currentDateTimeUtc().addSecs(-ageSeconds), QFileDevice::FileModificationTime));
}

QByteArray crlfLines(std::initializer_list<const char*> lines)
{
    QByteArray out;
    for (const char* line : lines)
        out.append(line).append("\r\n");
    return out;
}

} // namespace fw::test
