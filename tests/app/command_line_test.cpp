#include "app/command_line.h"

#include <gtest/gtest.h>

namespace kx {
namespace {

using Args = std::vector<std::string>;

TEST(CommandLineTest, OnlyNothingHelpOrVersionIsUnderstood) {
  EXPECT_EQ(ReadCommandLine({}), CommandLineRequest::Run);
  EXPECT_EQ(ReadCommandLine(Args{"--help"}), CommandLineRequest::Help);
  EXPECT_EQ(ReadCommandLine(Args{"-h"}), CommandLineRequest::Help);
  EXPECT_EQ(ReadCommandLine(Args{"--version"}), CommandLineRequest::Version);
  for (const Args& args : {Args{"--verbose"}, Args{"-v"}, Args{""}, Args{"--help", "--version"},
                           Args{"--version", "x"}, Args{"--HELP"}}) {
    EXPECT_EQ(ReadCommandLine(args), CommandLineRequest::Invalid) << args.size() << args[0];
  }
}

TEST(CommandLineTest, TheUsageNamesTheEnvironmentAndTheCredentialsFile) {
  const std::string usage = KestrixUsage();
  EXPECT_EQ(usage.rfind("Usage: kestrix [--help | --version]\n", 0), 0u);
  for (const char* name : {"KESTRIX_SERVICE_HOST", "KESTRIX_SCALE", "KESTRIX_BACKEND",
                           "stats.kestrix.example", "./qev.log", "current directory"}) {
    EXPECT_NE(usage.find(name), std::string::npos) << name;
  }
  EXPECT_EQ(KestrixVersionLine("3.6.1"), "Kestrix 3.6.1");
}

}  // namespace
}  // namespace kx
