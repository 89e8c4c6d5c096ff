#include "app/MapScanCommand.h"

#include "app/FrmScanner.h"
#include "app/WaitCursor.h"
#include "maps/MapScanner.h"
#include "profile/AppState.h"
#include "support/AppContext.h"
#include "support/platform/Prompter.h"

namespace fw {

ScanOutcome runMapScan(AppContext& context, QWidget* parent, bool ask)
{
    if (ask && !context.prompter.confirm(QStringLiteral("Do you wish to scan for new maps?") + kEightBlanks))
        return ScanOutcome::Declined;
    bool scanned = false;
    {
        WaitCursor wait;
        FrmScanner scanner(parent);
        AppState state(context.settingsStorePath);
        MapScanner scan(context, scanner, appStateWriter(state, context.gamePath));
        scanned = scan.gbln_ScanMaps(QStringLiteral("Main"));
    }
    return scanned ? ScanOutcome::Completed : ScanOutcome::Failed;
}

} // namespace fw
