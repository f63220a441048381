// The automatic-station command.
#include "app/emacommands.h"

namespace brisalta {

void EmaCommands::automaticStation() {}

} // namespace brisalta
