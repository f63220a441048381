// "Techo por horas" for scripts and terminals: the hours as a JSON array and
// as a text table.
#pragma once

#include "session/ceilinghours.h"

#include <cstdio>
#include <string>

namespace brisalta::cli {

// One compact JSON array: an object per hour of the graph, oldest first, with
// exactly the fields hour, temperature, dewPoint, thermalTop, cloudBase,
// topWindSpeed, topWindDirection, lowerBand and upperBand in that order (a
// reader sees the hour first); null where there is no value. Heights in whole
// metres as the simulation gives them.
std::string ceilingHoursJson(const CeilingHours& ceilings);

// The title lines, one line per hour (values, or "-" where there is none),
// the first hour of more than 1000 m over the ground, and the footnote.
void printCeilingHours(std::FILE* stream, const CeilingHoursModel& model);

} // namespace brisalta::cli
