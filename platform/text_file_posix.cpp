// Text files on POSIX, standing in for the language runtime's sequential file statements.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <filesystem>
#include <string>

#include "code_page.h"
#include "runtime_error.h"
#include "text_file.h"

namespace platform {
namespace {

std::string NativePath(const std::u16string& path) {
  std::string native = ToUtf8(path);
  for (char& c : native) {
    if (c == '\\') c = '/';
  }
  return native;
}

std::string ParentFolder(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

bool IsFolder(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// The runtime's error for a failed file operation on `path` with `code` from errno.
[[noreturn]] void ThrowFileError(int code, const std::string& path) {
  switch (code) {
    case ENOENT:
      throw RuntimeError(IsFolder(ParentFolder(path)) ? error::kFileNotFound
                                                      : error::kPathNotFound);
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
      throw RuntimeError(error::kPathNotFound);
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      throw RuntimeError(error::kDiskFull);
    case EIO:
      throw RuntimeError(error::kDeviceIoError);
    case ENXIO:
    case ENODEV:
    case ENOMEDIUM:
      throw RuntimeError(error::kDeviceUnavailable);
    default:
      throw RuntimeError(error::kPathFileAccess);
  }
}

class File {
 public:
  File(const std::string& path, int flags) : path_(path), fd_(open(path.c_str(), flags, 0666)) {
    if (fd_ < 0) ThrowFileError(errno, path_);
  }
  ~File() {
    if (fd_ >= 0) close(fd_);
  }
  File(const File&) = delete;
  File& operator=(const File&) = delete;

  std::string ReadAll() {
    std::string content;
    char buffer[8192];
    while (true) {
      const ssize_t count = read(fd_, buffer, sizeof buffer);
      if (count < 0 && errno == EINTR) continue;
      if (count < 0) ThrowFileError(errno, path_);
      if (count == 0) return content;
      content.append(buffer, static_cast<std::size_t>(count));
    }
  }

  void WriteAll(std::string_view bytes) {
    while (!bytes.empty()) {
      const ssize_t count = write(fd_, bytes.data(), bytes.size());
      if (count < 0 && errno == EINTR) continue;
      if (count < 0) ThrowFileError(errno, path_);
      bytes.remove_prefix(static_cast<std::size_t>(count));
    }
  }

  void SetMode(mode_t mode) {
    if (fchmod(fd_, mode) != 0) ThrowFileError(errno, path_);
  }

  void Sync() {
    if (fsync(fd_) != 0) ThrowFileError(errno, path_);
  }

  // Closes the file, reporting a failure of the last writes.
  void Close() {
    const int fd = fd_;
    fd_ = -1;
    if (close(fd) != 0) ThrowFileError(errno, path_);
  }

 private:
  std::string path_;
  int fd_;
};

// A name for a new file beside `path`, unique within this process.
std::string SiblingName(const std::string& path) {
  static std::atomic<unsigned> counter{0};
  return path + ".new-" + std::to_string(getpid()) + "-" + std::to_string(counter++);
}

// The file that `path` finally names: symbolic links are followed (a relative link from the
// link's own folder), so that replacing it writes through the links and keeps them.
std::string FinalTarget(std::string path) {
  for (int links = 0; links < 40; ++links) {
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    std::error_code failure;
    const std::filesystem::path link = std::filesystem::read_symlink(path, failure);
    if (failure) ThrowFileError(failure.value(), path);
    path = link.is_absolute() ? link.string() : (ParentFolder(path) + "/" + link.string());
  }
  ThrowFileError(ELOOP, path);
}

}  // namespace

bool FileExists(const std::u16string& path) {
  struct stat info {};
  return stat(NativePath(path).c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

std::u16string ReadTextFile(const std::u16string& path) {
  File file(NativePath(path), O_RDONLY | O_CLOEXEC);
  return FromCodePage932(file.ReadAll());
}

std::vector<std::u16string> SplitTextLines(std::u16string_view text) {
  std::vector<std::u16string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const auto cr = text.find(u'\r', start);
    if (cr == std::u16string_view::npos) {
      lines.emplace_back(text.substr(start));
      break;
    }
    lines.emplace_back(text.substr(start, cr - start));
    start = cr + 1;
    if (start < text.size() && text[start] == u'\n') ++start;
  }
  return lines;
}

std::vector<std::u16string> ReadTextLines(const std::u16string& path) {
  return SplitTextLines(ReadTextFile(path));
}

void WriteTextFile(const std::u16string& path, std::u16string_view text) {
  File file(NativePath(path), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC);
  file.WriteAll(ToCodePage932(text));
  file.Close();
}

void ReplaceTextFile(const std::u16string& path, std::u16string_view text) {
  ReplaceFileContent(NativePath(path), ToCodePage932(text));
}

void ReplaceFileContent(const std::string& path, std::string_view bytes) {
  const std::string target = FinalTarget(path);
  struct stat old {};
  const bool existed = stat(target.c_str(), &old) == 0;
  // Renaming over a device or a folder would put a plain file in its place.
  if (existed && !S_ISREG(old.st_mode)) throw RuntimeError(error::kPathFileAccess);
  const std::string fresh = SiblingName(target);
  try {
    File file(fresh, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC);
    if (existed) file.SetMode(old.st_mode & 07777);
    file.WriteAll(bytes);
    file.Sync();
    file.Close();
    if (rename(fresh.c_str(), target.c_str()) != 0) ThrowFileError(errno, target);
  } catch (...) {
    unlink(fresh.c_str());
    throw;
  }
}

}  // namespace platform
