#include "app/command_line.h"

#include "app/credentials.h"
#include "app/service.h"

namespace kx {

CommandLineRequest ReadCommandLine(const std::vector<std::string>& args) {
  if (args.empty()) return CommandLineRequest::Run;
  if (args.size() > 1) return CommandLineRequest::Invalid;
  if (args[0] == "--help" || args[0] == "-h") return CommandLineRequest::Help;
  if (args[0] == "--version") return CommandLineRequest::Version;
  return CommandLineRequest::Invalid;
}

std::string KestrixUsage() {
  return std::string(
             "Usage: kestrix [--help | --version]\n"
             "Logs in to the football statistics service and shows the day's matches.\n"
             "\n"
             "Environment:\n"
             "  KESTRIX_SERVICE_HOST  the service's host or host:port (default ") +
         kServiceHost +
         ")\n"
         "  KESTRIX_SCALE         1, 2 or 3: the window's scale on a high-DPI screen\n"
         "                        (default 2 from 192 dpi, else 1)\n"
         "  KESTRIX_BACKEND       sdl or headless (default sdl when there is a display)\n"
         "\n"
         "Files:\n"
         "  ./" +
         kCredentialsFile +
         "  the remembered login and password, in the current directory,\n"
         "             written when Remember is ticked at a login\n";
}

std::string KestrixVersionLine(const std::string& version) {
  return "Kestrix " + version;
}

}  // namespace kx
