#include "fileio.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>

#include "kcl/rtl/exceptions.h"
#include "kcl/rtl/sysutils.h"

namespace korvax::highlight {

namespace {

// What the bus error handler writes: the message, made before the file is mapped,
// and where standard output began if it is a regular file (else -1).
std::string BusErrorMessage;
volatile off_t OutputStart = -1;

void OnBusError(int) {
  (void)!::write(STDERR_FILENO, BusErrorMessage.data(), BusErrorMessage.size());
  if (OutputStart >= 0) (void)!::ftruncate(STDOUT_FILENO, OutputStart);
  ::_exit(1);
}

}  // namespace

TSourceFile::TSourceFile(const std::string& fileName) {
  const int fd = ::open(kcl::NativePath(fileName).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw kcl::EFOpenError(kcl::Format(kcl::msg::FOpenError, {fileName}));
  struct stat info {};
  if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
    BusErrorMessage = "korvax-highlight: " + fileName + ": the file changed while it was read\n";
    std::signal(SIGBUS, OnBusError);
    void* mapping = ::mmap(nullptr, static_cast<size_t>(info.st_size), PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
    if (mapping != MAP_FAILED) {
      FMapping = mapping;
      FMappedSize = static_cast<size_t>(info.st_size);
      FText = std::string_view(static_cast<const char*>(mapping), FMappedSize);
    }
  }
  // A pipe, a device or a file that cannot be mapped: read to its end.
  bool failed = false;
  while (!FMapping) {
    char buffer[65536];
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      failed = n < 0;
      FText = FRead;
      break;
    }
    FRead.append(buffer, static_cast<size_t>(n));
  }
  ::close(fd);
  if (failed) throw kcl::EReadError(kcl::msg::ReadError);
}

TSourceFile::~TSourceFile() {
  if (FMapping) ::munmap(FMapping, FMappedSize);
}

TStdOutStream::TStdOutStream() {
  struct stat info {};
  if (::fstat(STDOUT_FILENO, &info) != 0 || !S_ISREG(info.st_mode)) return;
  const off_t start = ::lseek(STDOUT_FILENO, 0, SEEK_CUR);
  if (start < 0) return;
  FFileStart = start;
  OutputStart = start;
}

int64_t TStdOutStream::Write(const void* buffer, int64_t count) {
  const auto* bytes = static_cast<const char*>(buffer);
  int64_t written = 0;
  while (written < count) {
    const ssize_t n = ::write(STDOUT_FILENO, bytes + written, static_cast<size_t>(count - written));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    written += n;
  }
  FWritten += written;
  return written;
}

void TStdOutStream::TakeBack() {
  if (FFileStart && ::ftruncate(STDOUT_FILENO, *FFileStart) == 0) ::lseek(STDOUT_FILENO, *FFileStart, SEEK_SET);
}

}  // namespace korvax::highlight
