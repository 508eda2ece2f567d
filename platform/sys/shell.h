#pragma once

#include <string>

namespace kx {

// Opens a URL in the user's browser, as the shell's "open" verb does: the
// opener program is started directly with the URL as its one argument (never
// through a shell) and not waited for. False when it could not be started.
bool ShellOpen(const std::string& url);
// The same with another opener program (found on PATH), for tests.
bool ShellOpenWith(const std::string& program, const std::string& url);

}  // namespace kx
