// Why a file could not be written or read, in the user's words. The system's
// error number never reaches the user; an unusual one goes to the debug log.
#pragma once

#include <string>
#include <system_error>

namespace brisalta::text {

// "no queda espacio en el disco", "no hay permiso para escribir en la
// carpeta", ... (Windows-1252, no final period).
std::string diskErrorReason(std::error_code error);

} // namespace brisalta::text
