// Spanish reasons for file errors.
#include "text/diskerror.h"

#include "text/codepage.h"
#include "text/debuglog.h"

#include <cerrno>

namespace brisalta::text {

std::string diskErrorReason(std::error_code error) {
    switch (error.value()) {
    case ENOENT:
    case ENOTDIR:
        return cp1252("la carpeta no existe");
    case EACCES:
    case EPERM:
        return cp1252("no hay permiso para escribir en la carpeta");
    case EROFS:
        return cp1252("el disco es de solo lectura");
    case ENOSPC:
    case EDQUOT:
    case EFBIG: // past the largest file the system lets this user write
        return cp1252("no queda espacio en el disco");
    case EISDIR:
        return cp1252("ya existe una carpeta con ese nombre");
    case ENAMETOOLONG:
        return cp1252("el nombre es demasiado largo");
    case EIO:
        return cp1252("el disco ha dado un error de lectura o escritura");
    case EXDEV:
        return cp1252("el fichero enlazado está en otro disco");
    case ELOOP:
        return cp1252("hay demasiados enlaces simbólicos en el camino");
    case EEXIST:
        return cp1252("no se ha podido crear un fichero temporal en la carpeta");
    case ENOMEM:
        return cp1252("no queda memoria");
    default:
        debugLog("error del sistema " + std::to_string(error.value()) + ": " + error.message() +
                 "\n");
        return cp1252("el sistema no ha permitido escribir el fichero");
    }
}

} // namespace brisalta::text
