#pragma once

#include <QWidget>

class QLabel;

namespace fw {

// The map preview window: loaded hidden with the main window, it holds the long name of the map
// last clicked. Closing it only hides it; the program's own unload closes it.
class FrmMapPreview : public QWidget {
    Q_OBJECT
public:
    explicit FrmMapPreview(QWidget* parent = nullptr);

    void setMapText(const QString& text);
    QString mapText() const;
    // Closes the window for good, as the program's unload does.
    void unload();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* m_picture;
    bool m_unloading = false;
};

} // namespace fw
