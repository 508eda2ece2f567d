#include "app/credentials.h"

#include <filesystem>

#include "platform/sys/files.h"

namespace kx {

std::vector<std::string> SplitCredentialLines(std::string_view text) {
  text = text.substr(0, text.find('\0'));
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.emplace_back(text.substr(start));
      break;
    }
    lines.emplace_back(text.substr(start, end - start));
    // CR LF is one break; any other CR or LF is a break of its own.
    start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
  }
  return lines;
}

Credentials ReadCredentials(const std::string& path) {
  // Two short lines are all the file holds; a giant file costs no more than its start.
  std::vector<std::string> lines = SplitCredentialLines(ReadFileStart(path, kCredentialsReadLimit));
  Credentials credentials;
  if (!lines.empty()) credentials.login = lines[0];
  if (lines.size() > 1) credentials.password = lines[1];
  return credentials;
}

void WriteCredentials(const std::string& path, const Credentials& credentials) {
  constexpr mode_t kOwnerOnly = 0600;
  WriteWholeFile(path, credentials.login + "\r\n" + credentials.password + "\r\n", kOwnerOnly);
  // A file that existed before keeps its old permissions through the truncation.
  std::error_code ignored;
  std::filesystem::permissions(
      path, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write,
      std::filesystem::perm_options::replace, ignored);
}

}  // namespace kx
