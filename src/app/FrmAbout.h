#pragma once

#include <QDialog>

namespace fw {

// "About Fortwright": the version and who made it. A click anywhere closes it.
class FrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit FrmAbout(QWidget* parent = nullptr);

    // The panel's four lines, joined by CR LF.
    static QString panelText();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace fw
