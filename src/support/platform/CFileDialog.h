#pragma once

#include <QString>

namespace fw {

class Prompter;

// Option bits of the open and save dialogs, passed to the dialog unchanged.
namespace FileDialogFlag {
inline constexpr qint32 OverwritePrompt = 0x2;
inline constexpr qint32 PathMustExist = 0x800;
inline constexpr qint32 FileMustExist = 0x1000;
inline constexpr qint32 CreatePrompt = 0x2000;
inline constexpr qint32 Explorer = 0x80000;
} // namespace FileDialogFlag

// A dialog's text buffer made readable: cut where two NULs meet, remaining NULs become blanks.
QString TrimNulls(const QString& text);

// The open and save dialogs behind a few properties and one Show call, shown through the
// Prompter. The file name and title travel through buffers of MaxFileSize characters, as the
// system dialog's do.
class CFileDialog {
public:
    explicit CFileDialog(Prompter& prompter);

    QString DefaultExt() const { return m_defaultExt; }
    void setDefaultExt(const QString& value) { m_defaultExt = value; }
    QString DialogTitle() const { return m_dialogTitle; }
    void setDialogTitle(const QString& value) { m_dialogTitle = value; }
    QString FileName() const { return m_fileName; }
    void setFileName(const QString& value) { m_fileName = value; }
    QString FileTitle() const { return m_fileTitle; }
    void setFileTitle(const QString& value) { m_fileTitle = value; }
    // "description|pattern|description|pattern..."
    QString Filter() const { return m_filter; }
    void setFilter(const QString& value) { m_filter = value; }
    qint16 FilterIndex() const { return m_filterIndex; }
    void setFilterIndex(qint16 value) { m_filterIndex = value; }
    qint32 Flags() const { return m_flags; }
    void setFlags(qint32 value) { m_flags = value; }
    qint32 hWndParent() const { return m_hWndParent; }
    void sethWndParent(qint32 value) { m_hWndParent = value; }
    QString InitialDir() const { return m_initialDir; }
    void setInitialDir(const QString& value) { m_initialDir = value; }
    qint16 MaxFileSize() const { return m_maxFileSize; }
    void setMaxFileSize(qint16 value) { m_maxFileSize = value; }

    // The open dialog when fOpen, else the save dialog. True when a file was confirmed; then
    // FileName is its full path and FileTitle its name. A FileName or FileTitle longer than
    // MaxFileSize shows the box "Error: ..." titled "Show" and answers false.
    bool Show(bool fOpen);

private:
    QString buffer(const QString& text) const;

    Prompter& m_prompter;
    QString m_defaultExt;
    QString m_dialogTitle;
    QString m_fileName;
    QString m_fileTitle;
    QString m_filter;
    qint16 m_filterIndex = 0;
    qint32 m_flags = 0;
    qint32 m_hWndParent = 0;
    QString m_initialDir;
    qint16 m_maxFileSize = 260;
};

} // namespace fw
