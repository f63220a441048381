// A new workbook with its column names, written by libxlsxwriter.
#include "tables/xlsxpackage.h"

#include "tables/exportfile.h"
#include "text/codepage.h"

#include <xlsxwriter.h>

#include <atomic>
#include <cerrno>
#include <string>

#include <fcntl.h>
#include <unistd.h>

namespace brisalta::xlsx {
namespace {

// Reserves a fresh name beside the export, so that a folder we may not write
// in is reported with the system's own reason before any work is done.
std::error_code reserveTemporary(const std::filesystem::path& folder, std::filesystem::path& name) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = folder / (".brisalta-libro-" + std::to_string(::getpid()) + "-" +
                         std::to_string(counter++) + ".xlsx");
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0) {
            ::close(fd);
            return {};
        }
        if (errno != EEXIST) {
            return {errno, std::generic_category()};
        }
    }
    return std::make_error_code(std::errc::file_exists);
}

// libxlsxwriter prints its own English complaints on standard error; the user
// reads the Spanish reason instead, and the library's words go nowhere.
class QuietStandardError {
public:
    QuietStandardError() : mSaved(::dup(STDERR_FILENO)) {
        const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (mSaved >= 0 && null >= 0) {
            ::dup2(null, STDERR_FILENO);
        }
        if (null >= 0) {
            ::close(null);
        }
    }
    ~QuietStandardError() {
        if (mSaved >= 0) {
            ::dup2(mSaved, STDERR_FILENO);
            ::close(mSaved);
        }
    }
    QuietStandardError(const QuietStandardError&) = delete;
    QuietStandardError& operator=(const QuietStandardError&) = delete;

private:
    int mSaved;
};

} // namespace

std::error_code createWorkbook(const std::filesystem::path& folder, const SheetRows& sheet,
                               std::string& bytes) {
    std::filesystem::path name;
    std::error_code error =
        reserveTemporary(folder.empty() ? std::filesystem::path(".") : folder, name);
    if (error) {
        return error;
    }
    lxw_workbook* workbook = workbook_new(name.c_str());
    if (workbook == nullptr) {
        ::unlink(name.c_str());
        return std::make_error_code(std::errc::not_enough_memory);
    }
    lxw_worksheet* worksheet =
        workbook_add_worksheet(workbook, text::toUtf8(sheet.sheetName).c_str());
    for (std::size_t column = 0; worksheet != nullptr && column < sheet.columns.size(); ++column) {
        worksheet_write_string(worksheet, 0, static_cast<lxw_col_t>(column),
                               text::toUtf8(sheet.columns[column]).c_str(), nullptr);
    }
    errno = 0;
    lxw_error closed = LXW_NO_ERROR;
    int closeErrno = 0;
    {
        const QuietStandardError quiet;
        closed = workbook_close(workbook);
        closeErrno = errno;
    }
    if (worksheet == nullptr) {
        error = std::make_error_code(std::errc::invalid_argument);
    } else if (closed != LXW_NO_ERROR) {
        error = {closeErrno != 0 ? closeErrno : EIO, std::generic_category()};
    } else {
        error = readExportFile(name, bytes);
    }
    ::unlink(name.c_str());
    return error;
}

} // namespace brisalta::xlsx
