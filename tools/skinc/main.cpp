// skinc: the skin compiler. Packs a skin folder into a compressed skin file,
// describes one, unpacks one, and draws a contact sheet of one.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/base/number_conv.h"
#include "tools/skinc/commands.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: skinc compile DIR/skin.ini -o OUT.skn [--kind N]\n"
               "       skinc info FILE.skn [--lookup NAME ...]\n"
               "       skinc extract FILE.skn DIR\n"
               "       skinc sheet FILE.skn OUT.png\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace kx;
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return Usage();
  try {
    const std::string& command = args[0];
    if (command == "compile") {
      std::string input, output;
      int kind = 2;
      for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "-o" && i + 1 < args.size())
          output = args[++i];
        else if (args[i] == "--kind" && i + 1 < args.size())
          kind = StrToInt(args[++i]);
        else if (input.empty())
          input = args[i];
        else
          return Usage();
      }
      if (input.empty() || output.empty()) return Usage();
      skinc::Compile(input, output, kind);
    } else if (command == "info" && args.size() >= 2) {
      std::vector<std::string> lookups;
      bool afterLookup = false;
      for (std::size_t i = 2; i < args.size(); ++i) {
        if (args[i] == "--lookup")
          afterLookup = true;
        else if (afterLookup)
          lookups.push_back(args[i]);
        else
          return Usage();
      }
      skinc::Info(args[1], lookups);
    } else if (command == "extract" && args.size() == 3) {
      skinc::Extract(args[1], args[2]);
    } else if (command == "sheet" && args.size() == 3) {
      skinc::Sheet(args[1], args[2]);
    } else {
      return Usage();
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "skinc: %s\n", e.what());
    return 1;
  }
  return 0;
}
