#pragma once

#include <string>
#include <vector>

namespace kx {

enum class CommandLineRequest { Run, Help, Version, Invalid };

// What the program's arguments (without the program name) ask for: nothing
// runs the client; "--help" or "-h" the usage, "--version" the version; any
// other argument is invalid.
CommandLineRequest ReadCommandLine(const std::vector<std::string>& args);

// The usage: the options, the environment variables the program reads and
// where the credentials file lives.
std::string KestrixUsage();

// "Kestrix " and the version.
std::string KestrixVersionLine(const std::string& version);

}  // namespace kx
