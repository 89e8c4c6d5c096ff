#pragma once

#include <QGroupBox>

class QTableWidget;

namespace fw {

struct AppContext;
class ProfileBinder;

// The "Additional Configurations to Execute:" frame: nine rows of configuration files, each
// chosen with the "..." button of its Configuration cell; rows whose file is gone are shown
// struck through in red; the pop-up menu of a row that names one blanks it. Enter, Space or F2 on
// a row choose its file as its button does; Delete asks the pop-up's question.
class ConfigListPanel : public QGroupBox {
    Q_OBJECT
public:
    ConfigListPanel(ProfileBinder& binder, const AppContext& context, QWidget* parent = nullptr);

    // Shows the rows again, each file's presence checked anew; a change of the rows shows itself.
    void refresh();
    // Asks for a file for row (0-based entry row) and fills it; what the "..." button does.
    void chooseConfiguration(int row);
    // Blanks the current row; the row stays.
    void removeCurrent();
    QTableWidget* grid() const { return m_grid; }

protected:
    void changeEvent(QEvent* event) override;

private:
    // The pop-up's condition: the current row names a file.
    bool currentRowNamesFile() const;

    ProfileBinder& m_binder;
    const AppContext& m_context;
    QTableWidget* m_grid;
};

} // namespace fw
