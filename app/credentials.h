#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kx {

// The file that remembers a login and its password, in the current directory.
inline constexpr const char* kCredentialsFile = "qev.log";
// How much of the file is read: far more than a login and a password take.
inline constexpr std::size_t kCredentialsReadLimit = 1 << 20;

// The lines of a text as the credentials file is read: a line ends at CR, LF
// or CR LF (LF CR is two breaks), a NUL ends the text, and a break at the very
// end starts no further line. Nothing is trimmed.
std::vector<std::string> SplitCredentialLines(std::string_view text);

struct Credentials {
  std::string login;
  std::string password;
};

// The remembered login and password. The file holds at least the login; a
// file with fewer than two lines gives an empty password (and an empty file an
// empty login) instead of failing half-way. Raises EFOpenError when the file
// exists but cannot be read.
Credentials ReadCredentials(const std::string& path);

// Writes login CR LF password CR LF, readable and writable by the owner only.
// Raises EFCreateError when the file cannot be written.
void WriteCredentials(const std::string& path, const Credentials& credentials);

}  // namespace kx
