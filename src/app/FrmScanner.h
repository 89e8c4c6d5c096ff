#pragma once

#include "maps/ScanProgress.h"

#include <QDialog>

class QLabel;
class QProgressBar;

namespace fw {

// The map scan's progress window: "Scanning...", the archive being read and a progress bar. The
// scan runs on the window thread, so every update lets pending window events run.
class FrmScanner : public QDialog, public ScanProgress {
    Q_OBJECT
public:
    explicit FrmScanner(QWidget* parent = nullptr);

    void show() override;
    void setMaximum(int maximum) override;
    void setValue(int value) override;
    void setCurrentFile(const QString& text) override;
    void hide() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    QLabel* m_currentFile;
    QProgressBar* m_bar;
};

} // namespace fw
