#include "foundation/safe_file_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <vector>

namespace {

// As many links as the system itself follows before giving up.
constexpr int kMaxLinks = 40;
// Of the target's name in the temporary's: with the dot and the unique
// suffix it stays below the 255 bytes a name may have.
constexpr std::size_t kMaxNameKept = 200;

TdvWriteCall writeCall = &::write;

// The file a path names once every symbolic link at its end is followed;
// a dangling link names the file it would create.
std::filesystem::path FileNamedBy(const std::filesystem::path& path) {
  std::filesystem::path file = path;
  std::error_code error;
  for (int links = 0; links < kMaxLinks && std::filesystem::is_symlink(file, error); ++links) {
    std::filesystem::path next = std::filesystem::read_symlink(file, error);
    if (error) {
      break;
    }
    file = next.is_absolute() ? next : file.parent_path() / next;
  }
  return file;
}

mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

bool WriteAll(int descriptor, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = writeCall(descriptor, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) {
      continue;
    }
    if (written <= 0) {
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// The temporary file beside the target: hidden, named after it (cut so
// that the name stays within what a folder entry may hold), unique.
int CreateTemporary(const std::filesystem::path& target, std::string& name) {
  const std::string base = target.filename().string().substr(0, kMaxNameKept);
  const std::string pattern = (target.parent_path() / ("." + base + ".XXXXXX")).string();
  std::vector<char> buffer(pattern.begin(), pattern.end());
  buffer.push_back('\0');
  const int descriptor = ::mkstemp(buffer.data());
  name = buffer.data();
  return descriptor;
}

// The folder's entry for the new file must reach the disk too.
void SyncFolder(const std::filesystem::path& folder) {
  const int descriptor = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (descriptor >= 0) {
    ::fsync(descriptor);
    ::close(descriptor);
  }
}

}  // namespace

bool WriteFileSafely(const std::string& path, std::string_view bytes) {
  const std::filesystem::path target = FileNamedBy(path);
  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (exists && (!S_ISREG(old.st_mode) || (old.st_mode & S_IWUSR) == 0)) {
    return false;
  }
  std::string temporary;
  const int descriptor = CreateTemporary(target, temporary);
  if (descriptor < 0) {
    return false;
  }
  bool written = ::fchmod(descriptor, exists ? (old.st_mode & 07777) : NewFileMode()) == 0;
  if (written && exists) {
    // Only a privileged process can give the file back to its owner; for
    // anyone else it already is the owner's.
    [[maybe_unused]] const int owned = ::fchown(descriptor, old.st_uid, old.st_gid);
  }
  written = written && WriteAll(descriptor, bytes) && ::fsync(descriptor) == 0;
  written = ::close(descriptor) == 0 && written;
  if (written && std::rename(temporary.c_str(), target.c_str()) == 0) {
    SyncFolder(target.parent_path());
    return true;
  }
  ::unlink(temporary.c_str());
  return false;
}

TdvScopedWriteCall::TdvScopedWriteCall(TdvWriteCall call) : previous_(writeCall) {
  writeCall = call;
}

TdvScopedWriteCall::~TdvScopedWriteCall() {
  writeCall = previous_;
}
