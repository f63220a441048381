// How large each kind of downloaded document may be. Every real answer is a
// few kilobytes to a few hundred; an answer past its limit is stopped while it
// arrives and never parsed, so a hostile or broken server cannot fill the
// memory or the disk.
#pragma once

#include <cstdint>
#include <string>

namespace brisalta::limits {

inline constexpr std::uint64_t kKiB = 1024;
inline constexpr std::uint64_t kMiB = 1024 * kKiB;

// Current-conditions, query, sounding and Banyeres pages.
inline constexpr std::uint64_t kPageBytes = 4 * kMiB;
// Both AEMET OpenData answers.
inline constexpr std::uint64_t kOpenDataBytes = 4 * kMiB;
// The per-station METAR file: one date line and one report.
inline constexpr std::uint64_t kStationFileBytes = 64 * kKiB;

// "La respuesta del servidor <host> es demasiado grande (más de 4 MiB): no se
// ha leído." (UTF-8).
std::string tooLargeSentence(const std::string& host, std::uint64_t limit);

// "4 MiB", "64 KiB", "100 bytes".
std::string sizeText(std::uint64_t bytes);

} // namespace brisalta::limits
