#include "maps/MapWizard.h"

#include "maps/WizardFields.h"
#include "profile/ListFiles.h"
#include "profile/ServerProfile.h"
#include "support/AppContext.h"
#include "support/errors/ErrorReporter.h"
#include "support/files/GameTree.h"
#include "support/files/PathHelpers.h"
#include "support/platform/CFileDialog.h"
#include "support/platform/Prompter.h"

namespace fw {
namespace {

QString tagged(WizardGroup group, int index, const QString& value)
{
    return WizardFields::tag(group, index) + QLatin1Char(' ') + value;
}

} // namespace

int WizardValues::dmFlagSum() const
{
    int sum = 0;
    for (int i = 0; i < dmFlags.size(); ++i) {
        if (dmFlags.at(i))
            sum += WizardFields::tag(WizardGroup::chkDMFlags, i).toInt();
    }
    return sum;
}

bool MapWizard::canOpen(const ServerProfile& profile, AppContext& context)
{
    if (profile.rotation.rows.isEmpty()) {
        context.prompter.inform(
            QStringLiteral("There are no maps in the list, please select at least one map") + kEightBlanks);
        return false;
    }
    ListFiles::writeRotation(context.dataPath(kWizardGridFile), profile.rotation.rows);
    return true;
}

MapWizard::MapWizard(const ServerProfile& profile, AppContext& context)
    : m_context(context)
    , m_cycle(handOverCycle(profile))
    , m_configured(profile.rotation.rows.size(), false)
    , m_mapList(ListFiles::readRotation(context.dataPath(kWizardGridFile)))
{
    for (int i = 0; i < m_values.movement.size(); ++i)
        m_values.movement[i] = profile.text(SettingGroup::txtMovement, i);
    for (int i = 0; i < m_values.limits.size(); ++i)
        m_values.limits[i] = profile.text(SettingGroup::GameLimit, i);
}

MapWizard::Result MapWizard::press(Button button, int selectedRow)
{
    try {
        switch (button) {
        case Help:
            m_context.prompter.inform(QStringLiteral("Help not available at this time") + kEightBlanks);
            break;
        case Next:
            if (m_page == 1) {
                if (selectedRow < 0 || selectedRow >= m_configured.size())
                    break;
                if (m_configured.at(selectedRow)
                    && !m_context.prompter.confirm(
                        messageLines({ QStringLiteral("This map has already been selected, continue?"),
                            QStringLiteral("WARNING - All previous settings will be removed") })))
                    break;
                m_page = 2;
                m_backEnabled = true;
                m_finishEnabled = false;
                m_configured[selectedRow] = true;
                m_currentEntry = selectedRow;
            } else if (m_page == 2) {
                m_page = 3;
                m_backEnabled = true;
                m_finishEnabled = true;
                storeGameOptions();
            } else {
                m_page = 1;
                m_backEnabled = false;
                m_finishEnabled = false;
                storeGamePlay();
            }
            break;
        case Back:
            m_page = std::max(1, m_page - 1);
            m_backEnabled = m_page == 2;
            m_finishEnabled = false;
            break;
        case Finish:
            return finish();
        case Cancel:
            if (m_context.prompter.confirm(QStringLiteral("Exit Map Wizard?") + kEightBlanks))
                return Result::Closed;
            break;
        }
    } catch (const std::exception& e) {
        m_context.errors.report(QStringLiteral("::SSWizardNavBar1_OnNavButton(Sub)"), e);
    }
    return Result::Stay;
}

void MapWizard::storeGameOptions()
{
    const int i = m_currentEntry;
    if (m_values.gameType >= 0)
        m_cycle.GameTypes[i]
            = QStringLiteral("g_gametype ") + WizardFields::tag(WizardGroup::optGameType, m_values.gameType);
    m_cycle.DMFlagSums[i] = QStringLiteral("dmflags ") + QString::number(m_values.dmFlagSum());
    m_cycle.FragLimits[i] = tagged(WizardGroup::GameLimit, 0, m_values.limits.at(0));
    m_cycle.TimeLimits[i] = tagged(WizardGroup::GameLimit, 1, m_values.limits.at(1));
    m_cycle.CaptureLimits[i] = tagged(WizardGroup::GameLimit, 2, m_values.limits.at(2));
}

void MapWizard::storeGamePlay()
{
    const int i = m_currentEntry;
    QStringList* targets[] = { &m_cycle.QuadFactors, &m_cycle.Knockbacks, &m_cycle.WeaponRespawns,
        &m_cycle.Speeds, &m_cycle.Gravities };
    for (int field = 0; field < 5; ++field)
        (*targets[field])[i] = tagged(WizardGroup::txtMovement, field, m_values.movement.at(field));
}

MapWizard::Result MapWizard::finish()
{
    storeGamePlay();
    CFileDialog dialog(m_context.prompter);
    dialog.setDialogTitle(QStringLiteral("Save Advanced Map Cycle"));
    dialog.setFlags(FileDialogFlag::OverwritePrompt);
    dialog.setFilter(QStringLiteral("Map Cycle (*.cfg)|*.cfg"));
    dialog.setInitialDir(addSlash(m_context.gamePath) + mainFolderName(m_context.gamePath));
    dialog.setFileName(QString());
    if (!dialog.Show(false) || dialog.FileName().isEmpty())
        return Result::Stay;
    m_cyclePath = dialog.FileName();
    return Result::Finished;
}

} // namespace fw
