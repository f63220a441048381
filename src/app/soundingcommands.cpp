// The commands of the "Sondeos" menu.
#include "app/soundingcommands.h"

namespace brisalta {

void SoundingCommands::showSoundingDialog() {}
void SoundingCommands::pickStation(int) {}
void SoundingCommands::manualSounding() {}
void SoundingCommands::ceiling() {}
void SoundingCommands::forecastSounding() {}
void SoundingCommands::showSounding() {}

} // namespace brisalta
