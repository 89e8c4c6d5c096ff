// Reads one megabyte of differently shaped INI text through the profile loader and prints how
// long each shape took, beside the time to merely copy the same bytes: reading must stay linear.
#include "profile/ProfileFile.h"
#include "profile/ServerProfile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr qsizetype kSize = 1024 * 1024;

QByteArray repeated(const QByteArray& line)
{
    QByteArray bytes;
    bytes.reserve(kSize + line.size());
    while (bytes.size() < kSize)
        bytes += line;
    return bytes;
}

QByteArray anyBytes()
{
    QByteArray bytes(kSize, Qt::Uninitialized);
    QRandomGenerator generator(12203);
    for (char& c : bytes)
        c = char(generator.bounded(256));
    return bytes;
}

QByteArray manyKeys()
{
    QByteArray bytes("[AdminSettings]\r\n");
    for (int i = 0; bytes.size() < kSize; ++i)
        bytes += "AdminSettings" + QByteArray::number(i) + "= some value\r\n";
    return bytes;
}

double secondsToRead(const QString& path, const QByteArray& bytes, int rounds)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(bytes);
    file.close();
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < rounds; ++i) {
        fw::ServerProfile profile;
        fw::ProfileFile::read(path, profile);
    }
    return timer.nsecsElapsed() / 1e9 / rounds;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 3;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Default.ini"));
    const struct {
        const char* name;
        QByteArray bytes;
    } shapes[] = {
        { "unclosed [ lines", repeated("[open\r\n") },
        { "lines without =", "[AdminSettings]\r\n" + repeated("no equals sign here\r\n") },
        { "one long line", QByteArray(kSize, 'x') },
        { "random bytes", anyBytes() },
        { "many keys", manyKeys() },
    };
    std::printf("%-18s %10s\n", "1 MiB of", "read (s)");
    for (const auto& shape : shapes)
        std::printf("%-18s %10.4f\n", shape.name, secondsToRead(path, shape.bytes, rounds));
    return 0;
}
