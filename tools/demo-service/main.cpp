// kestrix-demo-service [--port N] [--bind HOST] [--matches N] [--seed S]
// [--version-status CODE] | --help | --version: serves the version file, the
// demo account demo / demo and the day's feed until SIGINT or SIGTERM. Prints
// the address it listens on as its first line, so that a script can start it
// on port 0.
#include <pthread.h>
#include <signal.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <thread>

#include "tools/demo-service/demo_service.h"

namespace {

constexpr const char* kUsage =
    "Usage: kestrix-demo-service [--port N] [--bind HOST] [--matches N] [--seed S]\n"
    "                            [--version-status CODE]\n"
    "       kestrix-demo-service --help | --version\n"
    "Serves the Kestrix client on HOST:N (default 127.0.0.1, a free port): the version file\n"
    "/refresh/kestrix3.6.txt answered with CODE (default 200), the demo account demo / demo\n"
    "and a feed of N generated matches (default 150) from the seed S (default: today).\n"
    "Prints the address it listens on as its first line; stops on SIGINT or SIGTERM.\n";

enum class Request { Serve, Help, Version };

struct Arguments {
  Request request = Request::Serve;
  int port = 0;
  std::string bind = "127.0.0.1";
  kx::DemoServiceOptions service;
  bool seedGiven = false;
};

bool ReadNumber(const char* text, long low, long high, long& value) {
  char* end = nullptr;
  errno = 0;
  value = std::strtol(text, &end, 10);
  return errno == 0 && end != text && *end == '\0' && value >= low && value <= high;
}

bool Parse(int argc, char** argv, Arguments& args) {
  if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    args.request = Request::Help;
    return true;
  }
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    args.request = Request::Version;
    return true;
  }
  for (int i = 1; i < argc; ++i) {
    std::string name = argv[i];
    if (i + 1 >= argc) return false;
    const char* value = argv[++i];
    long number = 0;
    if (name == "--port" && ReadNumber(value, 0, 65535, number)) {
      args.port = static_cast<int>(number);
    } else if (name == "--bind") {
      args.bind = value;
    } else if (name == "--matches" && ReadNumber(value, 0, 100000, number)) {
      args.service.feed.matches = static_cast<int>(number);
    } else if (name == "--seed" && ReadNumber(value, 0, 0xFFFFFFFFL, number)) {
      args.service.feed.seed = static_cast<std::uint32_t>(number);
      args.seedGiven = true;
    } else if (name == "--version-status" && ReadNumber(value, 100, 599, number)) {
      args.service.versionStatus = static_cast<int>(number);
    } else {
      return false;
    }
  }
  return true;
}

// Today's date, and the feed's seed when none is given: every day has its own matches.
void SetToday(Arguments& args) {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char date[16];
  std::strftime(date, sizeof date, "%Y-%m-%d", &local);
  args.service.feed.date = date;
  if (!args.seedGiven) {
    args.service.feed.seed = static_cast<std::uint32_t>((local.tm_year + 1900) * 10000 +
                                                        (local.tm_mon + 1) * 100 + local.tm_mday);
  }
}

}  // namespace

int main(int argc, char** argv) {
  Arguments args;
  if (!Parse(argc, argv, args)) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  if (args.request == Request::Help) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (args.request == Request::Version) {
    std::printf("kestrix-demo-service %s\n", KESTRIX_VERSION);
    return 0;
  }
  SetToday(args);
  // The signals are taken by a thread of their own, which stops the server.
  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGINT);
  sigaddset(&stopSignals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

  kx::DemoService service(args.service);
  int port = service.Bind(args.bind, args.port);
  if (port < 0) {
    std::fprintf(stderr, "kestrix-demo-service: cannot listen on %s:%d\n", args.bind.c_str(),
                 args.port);
    return 1;
  }
  std::printf("listening on http://%s:%d/ (%d matches, seed %u)\n", args.bind.c_str(), port,
              args.service.feed.matches, args.service.feed.seed);
  std::fflush(stdout);
  std::thread stopper([&] {
    int received = 0;
    sigwait(&stopSignals, &received);
    std::fprintf(stderr, "kestrix-demo-service: stopping on signal %d\n", received);
    service.Stop();
  });
  bool served = service.Serve();
  // Serving ended without a signal (it could not start): release the stopper.
  pthread_kill(stopper.native_handle(), SIGTERM);
  stopper.join();
  return served ? 0 : 1;
}
