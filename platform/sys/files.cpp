#include "platform/sys/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>

#include "platform/base/exception.h"

namespace kx {
namespace {

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : m_fd(fd) {}
  ~FileDescriptor() {
    if (m_fd >= 0) ::close(m_fd);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int Get() const { return m_fd; }

 private:
  int m_fd;
};

}  // namespace

std::string ExpandFileName(const std::string& path) {
  std::error_code error;
  std::filesystem::path full = std::filesystem::absolute(path, error);
  return error ? path : full.lexically_normal().string();
}

bool FileExists(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string ReadWholeFile(const std::string& path) {
  return ReadFileStart(path, std::string().max_size());
}

std::string ReadFileStart(const std::string& path, std::size_t maxBytes) {
  FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  auto fail = [&](int error) {
    throw EFOpenError(FormatMessage(SFOpenErrorEx, {ExpandFileName(path), SystemErrorText(error)}));
  };
  if (fd.Get() < 0) fail(errno);
  std::string data;
  char buffer[65536];
  while (data.size() < maxBytes) {
    ssize_t n = ::read(fd.Get(), buffer, std::min(sizeof buffer, maxBytes - data.size()));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) fail(errno);
    if (n == 0) break;
    data.append(buffer, static_cast<std::size_t>(n));
  }
  return data;
}

void WriteWholeFile(const std::string& path, const std::string& data, mode_t mode) {
  auto fail = [&](int error) {
    throw EFCreateError(
        FormatMessage(SFCreateErrorEx, {ExpandFileName(path), SystemErrorText(error)}));
  };
  FileDescriptor fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode));
  if (fd.Get() < 0) fail(errno);
  // An existing file keeps its old bits through O_CREAT; narrow them too.
  if ((mode & 0077) == 0) ::fchmod(fd.Get(), mode);
  std::size_t done = 0;
  while (done < data.size()) {
    ssize_t n = ::write(fd.Get(), data.data() + done, data.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) fail(errno);
    done += static_cast<std::size_t>(n);
  }
}

bool DeleteFile(const std::string& path) {
  return ::unlink(path.c_str()) == 0;
}

}  // namespace kx
