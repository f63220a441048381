// Observed soundings from the text-list service and the second service.
#include "sounding/observedsounding.h"

#include "sounding/secondservicetable.h"
#include "sounding/soundinglimits.h"
#include "sounding/textlisttable.h"

namespace brisalta {

ObservedSounding readTextListSounding(text::StreamReader& page) {
    ObservedSounding result;
    TextListTable table = parseTextListPage(page);
    if (!table.headerFound) {
        result.problem = ObservedSounding::Problem::NoValidData;
        return result;
    }
    result.stationText = table.stationText;
    result.partialFirstRow = table.skip != 0;
    if (table.rows.empty()) {
        result.problem = ObservedSounding::Problem::NotEnoughData;
        return result;
    }
    result.truncated = table.truncated;
    result.tableRows = table.tableRows;
    result.rows = std::move(table.rows);
    // Every row but the top one is checked.
    result.withinLimits = levelsWithinLimits(result.rows, static_cast<int>(result.rows.size()) - 1,
                                             observedLevelLimits());
    return result;
}

ObservedSounding readSecondServiceSounding(text::StreamReader& page) {
    ObservedSounding result;
    const SecondServiceCut cut = cutSecondServiceTable(page);
    result.invalidArgumentLines = cut.invalidArgumentLines;
    if (!cut.tableFound) {
        result.problem = ObservedSounding::Problem::NoValidData;
        return result;
    }
    text::StreamReader shortTable(cut.shortTable, text::StreamReader::Mode::Text);
    const SecondServiceTable table = parseSecondServiceTable(shortTable);
    if (!table.usable) {
        // Fewer than three table rows leave nothing to resample from.
        result.problem = ObservedSounding::Problem::NoValidData;
        return result;
    }
    result.rows.assign(table.profile.begin(), table.profile.end());
    result.withinLimits = levelsWithinLimits(result.rows, kSecondServiceRows, observedLevelLimits());
    return result;
}

} // namespace brisalta
