#include "kcl/classes/streams.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "kcl/rtl/exceptions.h"
#include "kcl/rtl/sysutils.h"

namespace kcl {

namespace {

int64_t ClampedPosition(int64_t base, int64_t offset) { return std::max<int64_t>(0, base + offset); }

int64_t SeekIn(int64_t& position, int64_t size, int64_t offset, TSeekOrigin origin) {
  switch (origin) {
    case soFromBeginning: position = ClampedPosition(0, offset); break;
    case soFromCurrent: position = ClampedPosition(position, offset); break;
    case soFromEnd: position = ClampedPosition(size, offset); break;
  }
  return position;
}

// Room of many megabytes reserved ahead: backed by huge pages where the system
// offers them, since a fault for every fresh 4 KiB page costs more than writing it.
void AdviseHugePages([[maybe_unused]] char* begin, [[maybe_unused]] char* end) {
#ifdef MADV_HUGEPAGE
  constexpr uintptr_t HugePage = 2u << 20;
  const uintptr_t from = (reinterpret_cast<uintptr_t>(begin) + HugePage - 1) & ~(HugePage - 1);
  const uintptr_t to = reinterpret_cast<uintptr_t>(end) & ~(HugePage - 1);
  if (to >= from + 4 * HugePage) ::madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE);
#endif
}

}  // namespace

int64_t TStream::Size() {
  const int64_t pos = Seek(0, soFromCurrent);
  const int64_t size = Seek(0, soFromEnd);
  Seek(pos, soFromBeginning);
  return size;
}

void TStream::SetSize(int64_t) { throw EStreamError("Stream size cannot be changed"); }

void TStream::ReadBuffer(void* buffer, int64_t count) {
  if (count > 0 && Read(buffer, count) != count) throw EReadError(msg::ReadError);
}

void TStream::WriteBuffer(const void* buffer, int64_t count) {
  if (count > 0 && Write(buffer, count) != count) throw EWriteError(msg::WriteError);
}

int64_t TStream::CopyFrom(TStream& source, int64_t count) {
  if (count == 0) {
    source.SetPosition(0);
    count = source.Size();
  }
  char buffer[65536];
  int64_t left = count;
  while (left > 0) {
    const int64_t n = std::min<int64_t>(left, sizeof buffer);
    source.ReadBuffer(buffer, n);
    WriteBuffer(buffer, n);
    left -= n;
  }
  return count;
}

std::string TStream::ReadRest() {
  const int64_t pos = Position();
  const int64_t size = Size();
  std::string bytes(static_cast<size_t>(std::max<int64_t>(0, size - pos)), '\0');
  ReadBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  return bytes;
}

// --- TMemoryStream

int64_t TMemoryStream::Read(void* buffer, int64_t count) {
  const int64_t n = std::clamp<int64_t>(Size() - FPosition, 0, std::max<int64_t>(count, 0));
  if (n > 0) std::memcpy(buffer, FData.data() + FPosition, static_cast<size_t>(n));
  FPosition += n;
  return n;
}

int64_t TMemoryStream::Write(const void* buffer, int64_t count) {
  if (count <= 0) return 0;
  // Only a gap left by seeking past the end is zero-filled; the rest is appended.
  if (FPosition > Size()) FData.resize(static_cast<size_t>(FPosition));
  const auto* bytes = static_cast<const char*>(buffer);
  const int64_t overwritten = std::min(count, Size() - FPosition);
  if (overwritten > 0) std::memcpy(FData.data() + FPosition, bytes, static_cast<size_t>(overwritten));
  FData.insert(FData.end(), bytes + overwritten, bytes + count);
  FPosition += count;
  return count;
}

int64_t TMemoryStream::Seek(int64_t offset, TSeekOrigin origin) { return SeekIn(FPosition, Size(), offset, origin); }

void TMemoryStream::SetSize(int64_t newSize) {
  FData.resize(static_cast<size_t>(std::max<int64_t>(0, newSize)));
  FPosition = std::min(FPosition, Size());
}

void TMemoryStream::Clear() {
  FData.clear();
  FPosition = 0;
}

void TMemoryStream::Reserve(int64_t capacity) {
  const size_t before = FData.capacity();
  FData.reserve(static_cast<size_t>(std::max<int64_t>(0, capacity)));
  if (FData.capacity() != before) AdviseHugePages(FData.data() + FData.size(), FData.data() + FData.capacity());
}

void TMemoryStream::Swap(TMemoryStream& other) noexcept {
  FData.swap(other.FData);
  std::swap(FPosition, other.FPosition);
}

void TMemoryStream::LoadFromStream(TStream& stream) {
  stream.SetPosition(0);
  const int64_t size = stream.Size();
  std::vector<char> data(static_cast<size_t>(size));
  stream.ReadBuffer(data.data(), size);
  FData = std::move(data);
  FPosition = 0;
}

void TMemoryStream::LoadFromFile(const std::string& fileName) {
  const std::string bytes = LoadBytesFromFile(fileName);
  FData.assign(bytes.begin(), bytes.end());
  FPosition = 0;
}

void TMemoryStream::SaveToStream(TStream& stream) { stream.WriteBuffer(FData.data(), Size()); }

void TMemoryStream::SaveToFile(const std::string& fileName) { SaveBytesToFile(fileName, View()); }

// --- TFileStream

TFileStream::TFileStream(const std::string& fileName, TFileMode mode) : FFileName(fileName) {
  const std::string path = NativePath(fileName);
  if (mode == fmCreate) {
    FFile = std::fopen(path.c_str(), "w+b");
    if (!FFile) throw EFCreateError(Format(msg::FCreateError, {fileName}));
    return;
  }
  FFile = std::fopen(path.c_str(), mode == fmOpenRead ? "rb" : "r+b");
  if (!FFile || std::filesystem::is_directory(path)) {
    if (FFile) std::fclose(FFile);
    throw EFOpenError(Format(msg::FOpenError, {fileName}));
  }
}

TFileStream::~TFileStream() {
  if (FFile) std::fclose(FFile);
}

int64_t TFileStream::Read(void* buffer, int64_t count) {
  if (count <= 0) return 0;
  return static_cast<int64_t>(std::fread(buffer, 1, static_cast<size_t>(count), FFile));
}

int64_t TFileStream::Write(const void* buffer, int64_t count) {
  if (count <= 0) return 0;
  return static_cast<int64_t>(std::fwrite(buffer, 1, static_cast<size_t>(count), FFile));
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin) {
  static constexpr int whence[] = {SEEK_SET, SEEK_CUR, SEEK_END};
  if (fseeko(FFile, offset, whence[origin]) != 0) return ftello(FFile);
  return ftello(FFile);
}

void TFileStream::SetSize(int64_t newSize) {
  std::fflush(FFile);
  if (ftruncate(fileno(FFile), newSize) != 0) throw EWriteError(msg::WriteError);
  if (Position() > newSize) Seek(newSize, soFromBeginning);
}

// --- TStringStream

int64_t TStringStream::Read(void* buffer, int64_t count) {
  const int64_t n = std::clamp<int64_t>(Size() - FPosition, 0, std::max<int64_t>(count, 0));
  if (n > 0) std::memcpy(buffer, FData.data() + FPosition, static_cast<size_t>(n));
  FPosition += n;
  return n;
}

int64_t TStringStream::Write(const void* buffer, int64_t count) {
  if (count <= 0) return 0;
  // Writing truncates what followed, as the framework's string stream does.
  FData.resize(static_cast<size_t>(FPosition));
  FData.append(static_cast<const char*>(buffer), static_cast<size_t>(count));
  FPosition += count;
  return count;
}

int64_t TStringStream::Seek(int64_t offset, TSeekOrigin origin) { return SeekIn(FPosition, Size(), offset, origin); }

void TStringStream::SetSize(int64_t newSize) {
  FData.resize(static_cast<size_t>(std::max<int64_t>(0, newSize)));
  FPosition = std::min(FPosition, Size());
}

std::string TStringStream::ReadString(int64_t count) {
  std::string s(static_cast<size_t>(std::clamp<int64_t>(Size() - FPosition, 0, std::max<int64_t>(count, 0))), '\0');
  Read(s.data(), static_cast<int64_t>(s.size()));
  return s;
}

std::string_view ViewRest(TStream& stream, std::string& owned) {
  const auto position = static_cast<size_t>(std::max<int64_t>(0, stream.Position()));
  if (auto* memory = dynamic_cast<TMemoryStream*>(&stream)) return memory->View().substr(std::min(memory->View().size(), position));
  if (auto* string = dynamic_cast<TStringStream*>(&stream)) {
    const std::string_view all = string->DataString();
    return all.substr(std::min(all.size(), position));
  }
  owned = stream.ReadRest();
  return owned;
}

// --- whole files

void SaveBytesToFile(const std::string& fileName, std::string_view bytes) {
  const std::string path = NativePath(fileName);
  const std::string temp = path + ".~kx" + std::to_string(::getpid());
  std::FILE* f = std::fopen(temp.c_str(), "wb");
  if (!f) throw EFCreateError(Format(msg::FCreateError, {fileName}));
  // A replaced file keeps its permissions.
  struct stat existing{};
  if (::stat(path.c_str(), &existing) == 0) ::fchmod(fileno(f), existing.st_mode & 07777);
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  const bool closed = std::fclose(f) == 0;
  std::error_code ec;
  if (!written || !closed || (std::filesystem::rename(temp, path, ec), ec)) {
    std::filesystem::remove(temp, ec);
    throw EFCreateError(Format(msg::FCreateError, {fileName}));
  }
}

std::string LoadBytesFromFile(const std::string& fileName) {
  TFileStream file(fileName, fmOpenRead);
  return file.ReadRest();
}

}  // namespace kcl
