#include "common/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <optional>
#include <random>
#include <vector>

namespace dlt {
namespace {

std::string Reason(int err) {
  switch (err) {
    case ENOSPC:
    case EFBIG:
    case EDQUOT:
      return "磁盘空间不足";
    case ENOENT:
    case ENOTDIR:
      return "文件夹不存在";
    case EACCES:
    case EPERM:
    case EROFS:
      return "没有写入权限";
    case EISDIR:
      return "这是一个文件夹";
    default:
      return std::strerror(err);
  }
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

// A new file beside `path` opened for writing, its name in `temp`. It is
// created with the mode 0666 less the umask, as other programs create
// files (mkstemp would make it 0600 whatever the umask says).
int CreateTemporaryBeside(const std::string& path, std::string* temp) {
  static std::atomic<uint64_t> serial{std::random_device{}()};
  constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  for (int attempt = 0; attempt < 100; ++attempt) {
    uint64_t bits = serial.fetch_add(0x9E3779B97F4A7C15ull) ^ static_cast<uint64_t>(::getpid());
    std::string name = path + ".";
    for (int i = 0; i < 6; ++i, bits /= 36) name += kLetters[bits % 36];
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) {
      *temp = std::move(name);
      return fd;
    }
  }
  errno = EEXIST;
  return -1;
}

}  // namespace

std::optional<std::string> ReadRegularFile(const std::string& path, size_t maxBytes,
                                           std::string* error) {
  const auto fail = [&](const std::string& message) -> std::optional<std::string> {
    if (error) *error = message;
    return std::nullopt;
  };
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return fail("无法读取文件: " + path);
  if (S_ISDIR(st.st_mode)) return fail("这是一个文件夹, 不是文件: " + path);
  if (!S_ISREG(st.st_mode)) return fail("不是普通文件: " + path);
  const std::string tooLarge = "文件太大, 不是本程序的文件: " + path;
  if (static_cast<uint64_t>(st.st_size) > maxBytes) return fail(tooLarge);
  std::ifstream in(path, std::ios::binary);
  if (!in) return fail("无法读取文件: " + path);
  // The file may grow while it is read: never take more than the limit.
  std::string bytes;
  std::vector<char> chunk(size_t{1} << 16);
  while (in) {
    in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
    bytes.append(chunk.data(), static_cast<size_t>(in.gcount()));
    if (bytes.size() > maxBytes) return fail(tooLarge);
  }
  if (in.bad()) return fail("无法读取文件: " + path);
  return bytes;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* error) {
  const auto fail = [&](int err) {
    if (error) *error = "无法写入文件: " + path + " (" + Reason(err) + ")";
    return false;
  };
  // A file replaced keeps its permissions; a new one gets what the umask
  // gives, as the temporary file is created with it.
  std::optional<mode_t> keepMode;
  struct stat old {};
  if (::stat(path.c_str(), &old) == 0) {
    if (S_ISDIR(old.st_mode)) return fail(EISDIR);
    keepMode = old.st_mode & 07777;
  }
  std::string temp;
  const int fd = CreateTemporaryBeside(path, &temp);
  if (fd < 0) return fail(errno);
  const bool written =
      WriteAll(fd, bytes) && (!keepMode || ::fchmod(fd, *keepMode) == 0) && ::fsync(fd) == 0;
  const int writeErr = errno;
  const bool closed = ::close(fd) == 0;
  const int closeErr = errno;
  if (!written || !closed) {
    ::unlink(temp.c_str());
    return fail(!written ? writeErr : closeErr);
  }
  if (::rename(temp.c_str(), path.c_str()) != 0) {
    const int err = errno;
    ::unlink(temp.c_str());
    return fail(err);
  }
  return true;
}

}  // namespace dlt
