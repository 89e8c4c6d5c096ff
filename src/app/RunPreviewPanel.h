#pragma once

#include "server/hosting/HostSettings.h"

#include <QTimer>
#include <QWidget>

class QComboBox;
class QPlainTextEdit;

namespace fw {

struct AppContext;
class ProfileModel;

// What Run will start, shown before it does, in a row above the buttons: the server program (found
// in the game folder, or the one the user chose, which the installation keeps, never the profile)
// and the whole command line, kept current as the settings change.
class RunPreviewPanel : public QWidget {
    Q_OBJECT
public:
    RunPreviewPanel(ProfileModel& model, AppContext& ctx, QWidget* parent = nullptr);

    // The command line as shown, brought up to date first.
    QString previewText();
    QComboBox* programChoice() const { return m_program; }

private:
    void fillChoices();
    void choiceActivated(int index);
    void refresh();

    ProfileModel& m_model;
    AppContext& m_ctx;
    HostSettings m_settings;
    QString m_chosen; // the stored choice, read once per change rather than per keystroke
    QComboBox* m_program;
    QPlainTextEdit* m_preview;
    QTimer m_pending;
};

} // namespace fw
