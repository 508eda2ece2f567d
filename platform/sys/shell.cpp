#include "platform/sys/shell.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

namespace kx {

bool ShellOpenWith(const std::string& program, const std::string& url) {
  // Fork twice so that the opener is adopted by init and never left as a
  // zombie of this process; the first child reports whether exec worked
  // through a pipe that closes on exec.
  int report[2];
  if (::pipe2(report, O_CLOEXEC) != 0) return false;
  pid_t child = ::fork();
  if (child < 0) {
    ::close(report[0]);
    ::close(report[1]);
    return false;
  }
  if (child == 0) {
    ::setsid();
    pid_t grandchild = ::fork();
    if (grandchild == 0) {
      char* const argv[] = {const_cast<char*>(program.c_str()), const_cast<char*>(url.c_str()),
                            nullptr};
      ::execvp(program.c_str(), argv);
      int error = errno;
      ssize_t ignored = ::write(report[1], &error, sizeof error);
      (void)ignored;
      ::_exit(127);
    }
    ::_exit(grandchild < 0 ? 1 : 0);
  }
  ::close(report[1]);
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  int error = 0;
  ssize_t n = 0;
  do {
    n = ::read(report[0], &error, sizeof error);
  } while (n < 0 && errno == EINTR);
  ::close(report[0]);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 && n == 0;
}

bool ShellOpen(const std::string& url) {
  return ShellOpenWith("xdg-open", url);
}

}  // namespace kx
