#pragma once

#include <sys/types.h>

#include <cstddef>
#include <string>

namespace kx {

bool FileExists(const std::string& path);
// The whole file; raises EFOpenError "Cannot open file "<full path>". <system text>".
std::string ReadWholeFile(const std::string& path);
// The first maxBytes bytes of a file (all of a shorter one); raises as ReadWholeFile.
std::string ReadFileStart(const std::string& path, std::size_t maxBytes);
// Creates or truncates the file with the given permission bits (before the
// umask); raises EFCreateError "Cannot create file "<full path>". <system text>".
void WriteWholeFile(const std::string& path, const std::string& data, mode_t mode = 0666);
// Deletes the file; false when it could not (a missing file included).
bool DeleteFile(const std::string& path);
// The absolute form of a path, as the error messages show it.
std::string ExpandFileName(const std::string& path);

}  // namespace kx
