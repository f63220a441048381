// Where a recorded answer lives: the naming rule of the replay folders.
//
//   <folder>/<host>/<path>[@<query>]
//
// - The scheme is dropped, so one recording answers http, https and ftp alike.
// - The host is written in lower case; a port is appended with "_" ("127.0.0.1_8080").
// - Each segment of the path becomes a folder or, the last one, the file name;
//   empty segments are skipped, and an address with no path or one ending in
//   "/" names the file "_index".
// - A query is appended to the file name after "@" ("sounding@region=europe_...").
// - In the host, in every segment and in the query, each byte that is not a
//   letter, a digit or one of ". - _ = + ," becomes "_"; a name made only of
//   dots becomes "_", so no address can reach outside the folder.
// - The FTP retrieve of <file> from <directory> on <server> reads
//   <folder>/<server>/<directory>/<file> by the same rule.
// - A companion file "<answer>.status" may hold the HTTP status of the answer
//   (one number); without it the status is 200. With a 3xx status, a
//   companion "<answer>.location" holds where the redirect points.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace brisalta {

// The recorded answer of an absolute address, or nothing when the address
// cannot be split into server and path.
std::optional<std::filesystem::path> replayPathForUrl(const std::filesystem::path& folder,
                                                      std::string_view url);

// The recorded file of an FTP retrieve; server may carry ":port".
std::filesystem::path replayPathForFtp(const std::filesystem::path& folder, std::string_view server,
                                       std::string_view directory, std::string_view file);

} // namespace brisalta
