// The table dialogs.
#include "app/tablecommands.h"

#include "app/exportcommands.h"
#include "app/printcommands.h"
#include "tables/datatable.h"
#include "tables/hourlytable.h"
#include "tables/soundingtable.h"

namespace brisalta {
namespace {

// Sets a flag for as long as the dialog is open, whatever way it closes.
class FlagWhileOpen {
public:
    explicit FlagWhileOpen(bool& flag) : mFlag(flag) { mFlag = true; }
    ~FlagWhileOpen() { mFlag = false; }
    FlagWhileOpen(const FlagWhileOpen&) = delete;
    FlagWhileOpen& operator=(const FlagWhileOpen&) = delete;

private:
    bool& mFlag;
};

} // namespace

void TableCommands::showTable() {
    SessionState& s = mContext.session;
    const bool graph = s.view.graphShown || s.view.emaGraphShown;
    if (!graph && !s.view.soundingShown) {
        mContext.ui.showMessage(tableNeedsPictureMessage());
        return;
    }
    const TableDialogActions actions{
        [this] { ExportCommands(mContext).exportChoice(); },
        [this] { PrintCommands(mContext).print(); },
    };
    if (graph) {
        const DataTable table = hourlyTable(s);
        FlagWhileOpen open(s.view.tablePrint);
        mContext.ui.showDataTable(table, actions);
        return;
    }
    const DataTable table = soundingTable(s);
    FlagWhileOpen open(s.view.tablePortrait);
    mContext.ui.showDataTable(table, actions);
}

} // namespace brisalta
