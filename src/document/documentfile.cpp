// Document files on disk: a bounded read, an atomic write, and the messages.
#include "document/documentfile.h"

#include "settings/atomicfile.h"
#include "text/boundedfile.h"
#include "text/codepage.h"
#include "text/debuglog.h"
#include "text/format.h"


namespace brisalta {
namespace {

// The file as a message names it: its name only (UTF-8 on Linux). The
// folder goes to the debug trace; a message box never shows a whole path.
std::string displayName(const std::filesystem::path& path) {
    text::debugLog("fichero: " + path.string() + "\n");
    return text::toCp1252(path.filename().string());
}

std::optional<DocumentError> readWholeFile(const std::filesystem::path& path, std::string& bytes) {
    // Only a regular file: a FIFO would wait for a writer for ever.
    text::BoundedFile file = text::readBoundedFile(path, kMaxDocumentBytes);
    switch (file.problem) {
    case text::BoundedFile::Problem::None:
        bytes = std::move(file.bytes);
        return std::nullopt;
    case text::BoundedFile::Problem::NotAFile:
        return DocumentError{DocumentError::Kind::NotAFile, 0, {}};
    case text::BoundedFile::Problem::TooLarge:
        return DocumentError{DocumentError::Kind::TooLarge, 0, {}};
    case text::BoundedFile::Problem::Unreadable:
        break;
    }
    return DocumentError{DocumentError::Kind::Unreadable, 0, {}};
}

std::string openReason(const DocumentError& error) {
    switch (error.kind) {
    case DocumentError::Kind::Unreadable:
        return text::cp1252("el fichero no existe o no se puede leer");
    case DocumentError::Kind::NotAFile:
        return text::cp1252("no es un fichero normal (es una carpeta, un dispositivo o una "
                            "tubería)");
    case DocumentError::Kind::TooLarge:
        return text::cp1252("el fichero es demasiado grande para ser un documento de Brisalta");
    case DocumentError::Kind::Damaged:
        return text::cp1252("el fichero está incompleto o dañado");
    case DocumentError::Kind::Implausible:
        return text::cp1252("el fichero está dañado o no es un documento de Brisalta: ") +
               error.detail;
    case DocumentError::Kind::BadLevelCount:
        return text::format1252("el sondeo dice tener %d niveles y el programa solo admite de 0 "
                                "a %d",
                                error.levelCount, kMirrorRows);
    }
    return {};
}

} // namespace

std::string openFailureMessage(const std::filesystem::path& path, const DocumentError& error) {
    return text::cp1252("No se ha podido abrir el documento «") + displayName(path) +
           text::cp1252("»: ") + openReason(error) + ".";
}

std::string saveFailureMessage(const std::filesystem::path& path, std::error_code error) {
    return text::cp1252("No se ha podido guardar el documento «") + displayName(path) +
           text::cp1252("»: ") + writeFailureReason(error) + ".";
}

DocumentRead openDocument(SessionState& session, const std::filesystem::path& path) {
    std::string bytes;
    if (std::optional<DocumentError> error = readWholeFile(path, bytes)) {
        return {error, DocumentNotice::None};
    }
    ArchiveReader archive(bytes);
    return serialize(archive, session);
}

std::optional<std::string> saveDocument(SessionState& session, const std::filesystem::path& path) {
    ArchiveWriter archive;
    serialize(archive, session);
    if (const std::error_code error =
            writeFileAtomically(path, archive.bytes(), FileAccess::Shared)) {
        return saveFailureMessage(path, error);
    }
    return std::nullopt;
}

} // namespace brisalta
