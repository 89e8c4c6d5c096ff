#include "app/RunPreviewPanel.h"

#include "app/ProfileModel.h"
#include "profile/ServerProfile.h"
#include "server/hosting/RunPreview.h"
#include "support/AppContext.h"
#include "support/platform/Prompter.h"

#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>

namespace fw {
namespace {

enum Choice { FindIt, Chosen };

} // namespace

RunPreviewPanel::RunPreviewPanel(ProfileModel& model, AppContext& ctx, QWidget* parent)
    : QWidget(parent)
    , m_model(model)
    , m_ctx(ctx)
    , m_settings(ctx.settingsStorePath)
    , m_program(new QComboBox)
    , m_preview(new QPlainTextEdit)
{
    setObjectName(QStringLiteral("fraRunPreview"));
    m_program->setObjectName(QStringLiteral("cboServerProgram"));
    m_program->setToolTip(QStringLiteral("The server program Run starts: the first one found in the game "
                                         "folder, or a program of your choice"));
    m_program->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_program->setMinimumContentsLength(18);
    m_preview->setObjectName(QStringLiteral("txtRunPreview"));
    m_preview->setReadOnly(true);
    m_preview->setToolTip(QStringLiteral("The command Run starts, in the game folder"));
    m_preview->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    m_preview->setFrameShadow(QFrame::Sunken);
    // Two lines hold a usual command line whole; a longer one scrolls.
    m_preview->document()->setDocumentMargin(2);
    m_preview->setFixedHeight(m_preview->fontMetrics().lineSpacing() * 2 + 2 * m_preview->frameWidth() + 6);

    auto* caption = new QLabel(QStringLiteral("Run s&tarts:"));
    caption->setBuddy(m_program);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(caption);
    row->addWidget(m_program);
    row->addWidget(m_preview, 1);

    fillChoices();
    connect(m_program, &QComboBox::activated, this, &RunPreviewPanel::choiceActivated);
    // A load announces many changes in a row; the line is built once they are over.
    m_pending.setSingleShot(true);
    m_pending.setInterval(0);
    connect(&m_pending, &QTimer::timeout, this, &RunPreviewPanel::refresh);
    auto schedule = [this] { m_pending.start(); };
    connect(&model, &ProfileModel::changed, this, schedule);
    connect(&model, &ProfileModel::fieldChanged, this, schedule);
    refresh();
}

QString RunPreviewPanel::previewText()
{
    if (m_pending.isActive()) {
        m_pending.stop();
        refresh();
    }
    return m_preview->toPlainText();
}

void RunPreviewPanel::fillChoices()
{
    m_program->clear();
    m_program->addItem(QStringLiteral("Find automatically"));
    m_chosen = m_settings.serverProgram();
    if (!m_chosen.isEmpty()) {
        m_program->addItem(QDir::toNativeSeparators(m_chosen));
        m_program->setCurrentIndex(Chosen);
    }
    m_program->addItem(QStringLiteral("Choose..."));
}

void RunPreviewPanel::choiceActivated(int index)
{
    if (index == m_program->count() - 1) {
        FileDialogRequest request;
        request.title = QStringLiteral("Choose the server program");
        request.filter = QStringLiteral("All files (*)|*");
        request.initialDir = m_ctx.gamePath;
        const QString path = m_ctx.prompter.chooseFile(request);
        if (!path.isEmpty())
            m_settings.setServerProgram(path);
    } else if (index == FindIt) {
        m_settings.setServerProgram(QString());
    }
    // A cancelled dialog leaves the choice as it was.
    fillChoices();
    refresh();
}

void RunPreviewPanel::refresh()
{
    const QString text = runCommandPreview(m_model.profile(), m_ctx.gamePath, m_chosen);
    if (text != m_preview->toPlainText())
        m_preview->setPlainText(text);
}

} // namespace fw
