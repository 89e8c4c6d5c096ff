#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace fw::test {

// Builds a zip (pk3) archive at test time with libzip. A name ending in "/" becomes a directory
// entry; entries keep the order they were added in.
class ZipFixture {
public:
    ZipFixture() = default;
    // Every name as a small file (directories for names ending in "/").
    explicit ZipFixture(const QStringList& names);

    ZipFixture& file(const QString& name, const QByteArray& content = QByteArrayLiteral("data"));
    ZipFixture& comment(const QString& text);
    // Writes the archive to path, replacing any file there; fails the running test on an error.
    void write(const QString& path) const;

private:
    struct Entry {
        QString name;
        QByteArray content;
    };
    QList<Entry> m_entries;
    QString m_comment;
};

} // namespace fw::test
