#pragma once

#include <QString>
#include <QStringList>
#include <memory>

namespace fw {

class IniDocument;

// The numbered errors of CIniFile; their source is "Fortwright.CIniFile".
namespace IniFileError {
inline constexpr qint32 InvalidFileName = qint32(0x80044511u);
inline constexpr qint32 FileNotFound = qint32(0x80044512u);
inline constexpr qint32 NotInitialized = qint32(0x80044513u);
inline constexpr qint32 InvalidSection = qint32(0x80044514u);
inline constexpr qint32 InvalidKey = qint32(0x80044515u);
inline constexpr qint32 ComponentFailure = qint32(0x80044516u);
} // namespace IniFileError

// Reads and writes one INI file through the profile-function rules of IniDocument. Every call
// reaches the file anew; a write replaces the file whole. Each failure is one of the numbered
// errors above, raised as FortwrightError; a failing check leaves the file untouched.
class CIniFile {
public:
    // The file name starts as programFolder + "/MyFileSettings.ini".
    explicit CIniFile(const QString& programFolder = QString());
    ~CIniFile();
    CIniFile(const CIniFile&) = delete;
    CIniFile& operator=(const CIniFile&) = delete;

    // The same calls over a document held in memory: reads parse it once, writes change it
    // there, and the caller stores the result itself. The file name is only a label.
    static std::unique_ptr<CIniFile> inMemory(IniDocument document);
    const IniDocument& heldDocument() const;

    void Init(const QString& fileName);
    void setFileName(const QString& fileName);
    QString FileName() const;

    bool DeleteKey(const QString& section, const QString& key);
    bool DeleteSection(const QString& section);
    // Fill the list (emptied first, 0-based) in file order and return the count. A listing longer
    // than 8192 characters is cut as the platform cuts it.
    qint32 EnumerateAllKeys(const QString& section, QStringList& keys) const;
    qint32 EnumerateAllSections(QStringList& sections) const;
    // -1 for a missing key; a value outside 16 bits is a component failure.
    qint16 GetNumericValue(const QString& section, const QString& key) const;
    // The empty text for a missing key; at most 254 characters.
    QString GetStringValue(const QString& section, const QString& key) const;
    void SaveNumericValue(const QString& section, const QString& key, qint16 value);
    void SaveStringValue(const QString& section, const QString& key, const QString& value);

private:
    void requireName() const;
    void requireFile() const;
    bool FileExists() const;
    IniDocument load() const;
    void store(const IniDocument& document) const;
    void write(const QString& section, const QString& key, const QString& value);

    QString m_fileName;
    std::unique_ptr<IniDocument> m_held;
};

} // namespace fw
