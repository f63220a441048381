// Document files on disk: a bounded read, an atomic write, and the messages.
#include "document/documentfile.h"

#include "settings/atomicfile.h"
#include "text/codepage.h"
#include "text/debuglog.h"
#include "text/format.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brisalta {
namespace {

// The file as a message names it: its name only (UTF-8 on Linux). The
// folder goes to the debug trace; a message box never shows a whole path.
std::string displayName(const std::filesystem::path& path) {
    text::debugLog("fichero: " + path.string() + "\n");
    return text::toCp1252(path.filename().string());
}

std::optional<DocumentError> readWholeFile(const std::filesystem::path& path, std::string& bytes) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return DocumentError{DocumentError::Kind::Unreadable, 0};
    }
    struct stat info {};
    std::optional<DocumentError> error;
    if (::fstat(fd, &info) != 0) {
        error = DocumentError{DocumentError::Kind::Unreadable, 0};
    } else if (!S_ISREG(info.st_mode)) {
        error = DocumentError{DocumentError::Kind::NotAFile, 0};
    } else if (static_cast<std::uint64_t>(info.st_size) > kMaxDocumentBytes) {
        error = DocumentError{DocumentError::Kind::TooLarge, 0};
    }
    if (!error) {
        // Read up to one byte past the limit, so a file that grew since fstat
        // is still refused rather than read without bound.
        bytes.assign(static_cast<std::size_t>(info.st_size) + 1, '\0');
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n < 0) {
                error = DocumentError{DocumentError::Kind::Unreadable, 0};
                break;
            }
            if (n == 0) {
                break;
            }
            done += static_cast<std::size_t>(n);
        }
        bytes.resize(done);
        if (!error && done > kMaxDocumentBytes) {
            error = DocumentError{DocumentError::Kind::TooLarge, 0};
        }
    }
    ::close(fd);
    return error;
}

std::string openReason(const DocumentError& error) {
    switch (error.kind) {
    case DocumentError::Kind::Unreadable:
        return text::cp1252("el fichero no existe o no se puede leer");
    case DocumentError::Kind::NotAFile:
        return text::cp1252("no es un fichero");
    case DocumentError::Kind::TooLarge:
        return text::cp1252("el fichero es demasiado grande para ser un documento de Brisalta");
    case DocumentError::Kind::Damaged:
        return text::cp1252("el fichero está incompleto o dañado");
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
