#pragma once

#include <QString>

namespace fw {

// Whether the pre-flight check's window was left open, kept in the settings store (section
// "Preflight Check"), so that it opens again with the main window.
class CheckWindowState {
public:
    explicit CheckWindowState(const QString& storePath);

    bool isOpen() const;
    // Writes only a change, so that a store nobody opened the window with keeps its bytes.
    void setOpen(bool open);

private:
    QString m_storePath;
};

} // namespace fw
