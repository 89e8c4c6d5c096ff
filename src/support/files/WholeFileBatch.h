#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>

namespace fw {

// Writes files whole, as one step. Each file goes to a temporary file beside its target; only at
// the commit, synced to disk once for the lot, do they take their targets' names. Until then every
// target is as it was; a batch dropped uncommitted removes its temporary files, and an interrupted
// program leaves at most temporary files, never a half-written target.
class WholeFileBatch {
public:
    WholeFileBatch() = default;
    ~WholeFileBatch();
    WholeFileBatch(const WholeFileBatch&) = delete;
    WholeFileBatch& operator=(const WholeFileBatch&) = delete;

    // Writes the temporary file now. Throws FortwrightError 76 when the folder is missing and 75
    // when the file cannot be written; the file is not added then, and the others stay added.
    void add(const QString& path, const QByteArray& bytes);
    // Syncs and renames every file added. Throws FortwrightError 75 when that fails; the files
    // not renamed by then are dropped.
    void commit();

private:
    friend class StagedFile;
    struct Staged {
        QString target;
        QString temporary;
    };
    void discard();

    QList<Staged> m_staged;
};

// One file written piece by piece into its temporary file and renamed over its target at the
// commit, for output too long to hold whole; dropped uncommitted, it removes its temporary file.
class StagedFile {
public:
    // Opens the temporary file; throws as WholeFileBatch::add does.
    explicit StagedFile(const QString& path);
    ~StagedFile();
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    bool write(const QByteArray& bytes) { return m_file.write(bytes) == bytes.size(); }
    // Flushes, syncs and renames; throws FortwrightError 75 when that fails (the target is kept).
    void commit();
    bool isOpen() const { return m_file.isOpen(); }

private:
    friend class WholeFileBatch;
    // Flushes and closes the temporary file; throws FortwrightError 75, removing it, when a write
    // or the flush failed.
    WholeFileBatch::Staged finish();

    QString m_path;
    QFile m_file; // before the target, which is found while it opens
    QString m_target;
};

// One file written whole: a batch of one.
void writeFileWhole(const QString& path, const QByteArray& bytes);

} // namespace fw
