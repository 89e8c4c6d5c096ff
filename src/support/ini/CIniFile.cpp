#include "support/ini/CIniFile.h"

#include "support/errors/ComponentGuard.h"
#include "support/files/RegularFile.h"
#include "support/files/WholeFileBatch.h"
#include "support/ini/IniDocument.h"
#include "support/ini/IniReads.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace fw {
namespace {

const ComponentErrors kErrors { IniFileError::InvalidFileName, IniFileError::InvalidKey,
    IniFileError::ComponentFailure, FortwrightError::componentSource(QStringLiteral("CIniFile")),
    QStringLiteral("CIniFile component failure") };

// Buffer sizes of the reads: a value keeps 254 characters, a listing 8192.
constexpr qint32 kValueBuffer = 255;
constexpr qint32 kListBuffer = 8192;

void requireSection(const QString& section)
{
    if (section.isEmpty())
        throw kErrors.error(IniFileError::InvalidSection, "Invalid section");
}

void requireKey(const QString& key)
{
    if (key.isEmpty())
        throw kErrors.error(IniFileError::InvalidKey, "Invalid key");
}

qint32 splitNames(const ProfileBuffer& read, QStringList& names)
{
    names = read.buffer.left(read.count).split(QChar(u'\0'), Qt::SkipEmptyParts);
    return qint32(names.size());
}

} // namespace

CIniFile::CIniFile(const QString& programFolder)
    : m_fileName(QDir(programFolder).filePath(QStringLiteral("MyFileSettings.ini")))
{
}

CIniFile::~CIniFile() = default;

std::unique_ptr<CIniFile> CIniFile::inMemory(IniDocument document)
{
    auto ini = std::make_unique<CIniFile>();
    ini->m_fileName = QStringLiteral("(memory)");
    ini->m_held = std::make_unique<IniDocument>(std::move(document));
    return ini;
}

const IniDocument& CIniFile::heldDocument() const
{
    static const IniDocument none;
    return m_held ? *m_held : none;
}

void CIniFile::Init(const QString& fileName)
{
    if (fileName.isEmpty())
        throw kErrors.error(IniFileError::InvalidFileName, "Invalid file name");
    m_fileName = fileName;
}

void CIniFile::setFileName(const QString& fileName)
{
    Init(fileName);
}

QString CIniFile::FileName() const
{
    return m_fileName;
}

void CIniFile::requireName() const
{
    if (m_fileName.isEmpty())
        throw kErrors.error(IniFileError::NotInitialized, "Object not properly initialized");
}

void CIniFile::requireFile() const
{
    requireName();
    if (!FileExists())
        throw kErrors.error(IniFileError::FileNotFound, "File not found");
}

bool CIniFile::FileExists() const
{
    return m_held || QFileInfo::exists(m_fileName);
}

IniDocument CIniFile::load() const
{
    if (m_held)
        return *m_held;
    if (!FileExists())
        return IniDocument();
    QFile file(m_fileName);
    if (!openRegularFile(file))
        throw kErrors.failure();
    return IniDocument(file.readAll());
}

void CIniFile::store(const IniDocument& document) const
{
    if (m_held) {
        *m_held = document;
        return;
    }
    // The file is replaced by a rename, which a read-only file would not stop on its own.
    const QFileInfo info(m_fileName);
    if (info.exists() && !info.permission(QFile::WriteOwner))
        throw kErrors.failure();
    writeFileWhole(m_fileName, document.bytes());
}

bool CIniFile::DeleteKey(const QString& section, const QString& key)
{
    return kErrors.guard([&] {
        requireFile();
        requireSection(section);
        requireKey(key);
        IniDocument document = load();
        if (document.removeKey(section, key))
            store(document);
        return true;
    });
}

bool CIniFile::DeleteSection(const QString& section)
{
    return kErrors.guard([&] {
        requireFile();
        requireSection(section);
        IniDocument document = load();
        if (document.removeSection(section))
            store(document);
        return true;
    });
}

qint32 CIniFile::EnumerateAllKeys(const QString& section, QStringList& keys) const
{
    return kErrors.guard([&] {
        requireFile();
        requireSection(section);
        return splitNames(profileKeyList(load(), section, QString(), kListBuffer), keys);
    });
}

qint32 CIniFile::EnumerateAllSections(QStringList& sections) const
{
    return kErrors.guard([&] {
        requireFile();
        return splitNames(profileSectionList(load(), kListBuffer), sections);
    });
}

qint16 CIniFile::GetNumericValue(const QString& section, const QString& key) const
{
    return kErrors.guard([&] {
        requireFile();
        const qint32 value = profileInt(load(), section, key, -1);
        if (value < -32768 || value > 32767)
            throw kErrors.failure();
        return qint16(value);
    });
}

QString CIniFile::GetStringValue(const QString& section, const QString& key) const
{
    return kErrors.guard([&] {
        requireFile();
        const ProfileBuffer read = profileString(load(), section, key, QString(), kValueBuffer);
        if (read.count == 0)
            return QString();
        return read.buffer.left(read.buffer.indexOf(QChar(u'\0')));
    });
}

void CIniFile::SaveNumericValue(const QString& section, const QString& key, qint16 value)
{
    write(section, key, QString::number(value));
}

void CIniFile::SaveStringValue(const QString& section, const QString& key, const QString& value)
{
    write(section, key, value);
}

void CIniFile::write(const QString& section, const QString& key, const QString& value)
{
    kErrors.guard([&] {
        requireName();
        requireSection(section);
        requireKey(key);
        IniDocument document = load();
        // A key the file could not hold as itself is as invalid as an empty one.
        if (!document.setValue(section, key, value))
            throw kErrors.error(IniFileError::InvalidKey, "Invalid key");
        store(document);
    });
}

} // namespace fw
