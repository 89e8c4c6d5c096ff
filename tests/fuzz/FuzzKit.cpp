#include "FuzzKit.h"

#include <QDir>
#include <QFile>
#include <cstdio>
#include <cstdlib>

namespace fw::fuzz {

QByteArray bytesOf(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

void fail(const char* what, const QString& detail)
{
    std::fprintf(stderr, "fuzz check failed: %s\n%s\n", what, qPrintable(detail));
    std::abort();
}

Session& Session::instance()
{
    static Session session;
    return session;
}

Session::Session()
    : m_errors(m_root.filePath(QStringLiteral("data")), m_prompter, m_clock)
    , m_context { m_root.filePath(QStringLiteral("data")), m_root.filePath(QStringLiteral("game")),
        m_root.filePath(QStringLiteral("game/Main")), m_prompter, m_services, m_clock, m_errors,
        m_root.filePath(QStringLiteral("data/registry.json")) }
{
    check(m_root.isValid(), "a scratch folder");
    QDir().mkpath(m_context.dataDir);
    QDir().mkpath(m_context.mainPath);
}

QString Session::put(const QString& name, const QByteArray& bytes) const
{
    const QString path = m_context.dataPath(name);
    QFile file(path);
    check(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size(),
        "writing the input", path);
    return path;
}

} // namespace fw::fuzz
