// CopyFile of process.h.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "kcl/platform/filelookup.h"
#include "kcl/platform/ownedfd.h"
#include "kcl/platform/process.h"

namespace kcl {

namespace {

bool CopyBytes(int from, int to) {
  char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(from, buffer, sizeof buffer);
    if (got == 0) return true;
    if (got < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    for (ssize_t done = 0; done < got;) {
      const ssize_t put = ::write(to, buffer + done, static_cast<size_t>(got - done));
      if (put < 0 && errno != EINTR) return false;
      if (put > 0) done += put;
    }
  }
}

// The temporary file's contents become the source's, with its permissions and times.
bool FillCopy(int source, const struct stat& status, int copy) {
  const timespec times[2] = {status.st_atim, status.st_mtim};
  return CopyBytes(source, copy) && ::fchmod(copy, status.st_mode & 07777) == 0 && ::futimens(copy, times) == 0 &&
         ::fsync(copy) == 0;
}

// Renames the finished copy over target; with failIfExists only when target is
// still missing, so that a file created meanwhile is never replaced.
bool Publish(const std::string& copy, const std::string& target, bool failIfExists) {
  if (!failIfExists) return std::rename(copy.c_str(), target.c_str()) == 0;
  if (::renameat2(AT_FDCWD, copy.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
  // A file system without that rename: a link cannot replace a file either.
  if (::link(copy.c_str(), target.c_str()) != 0) return false;
  ::unlink(copy.c_str());
  return true;
}

}  // namespace

bool CopyFile(const std::string& from, const std::string& to, bool failIfExists) {
  const std::string source = FindFileIgnoringCase(from);
  const std::string target = FindFileForWriting(to);
  if (source.empty() || target.empty()) return false;
  const TOwnedFd input(::open(source.c_str(), O_RDONLY | O_CLOEXEC));
  struct stat status;
  if (!input.Valid() || ::fstat(input.Get(), &status) != 0 || !S_ISREG(status.st_mode)) return false;
  struct stat existing;
  if (::stat(target.c_str(), &existing) == 0) {
    const bool sameFile = existing.st_dev == status.st_dev && existing.st_ino == status.st_ino;
    if (failIfExists || sameFile || !S_ISREG(existing.st_mode) || ::access(target.c_str(), W_OK) != 0) return false;
  }

  const std::filesystem::path targetPath(target);
  std::string copy = (targetPath.parent_path() / ("." + targetPath.filename().string() + ".~kxXXXXXX")).string();
  const TOwnedFd output(::mkostemp(copy.data(), O_CLOEXEC));
  if (!output.Valid()) return false;
  if (FillCopy(input.Get(), status, output.Get()) && Publish(copy, target, failIfExists)) return true;
  ::unlink(copy.c_str());
  return false;
}

}  // namespace kcl
