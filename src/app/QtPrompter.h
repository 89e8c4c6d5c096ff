#pragma once

#include "support/platform/Prompter.h"

class QWidget;

namespace fw {

// Message boxes and file dialogs of the window, shown with QMessageBox and QFileDialog.
class QtPrompter : public Prompter {
public:
    explicit QtPrompter(QWidget* parent = nullptr);
    void setParent(QWidget* parent) { m_parent = parent; }

    Answer show(const MessageBox& box) override;
    QString chooseFile(const FileDialogRequest& request) override;
    std::optional<QString> askText(const TextQuestion& question) override;

private:
    QWidget* m_parent;
};

// "Description|*.ext|..." as Qt's "Description (*.ext);;..." filter list.
QString qtFilterFromPairs(const QString& pairs);

} // namespace fw
