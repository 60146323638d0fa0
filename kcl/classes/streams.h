#pragma once
// Byte streams: the framework's TStream and its memory, file and string kinds.
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace kcl {

class TComponent;

enum TSeekOrigin { soFromBeginning = 0, soFromCurrent = 1, soFromEnd = 2 };

class TStream {
public:
  virtual ~TStream() = default;
  TStream() = default;
  TStream(const TStream&) = delete;
  TStream& operator=(const TStream&) = delete;

  // Read and Write move up to count bytes and return how many moved.
  virtual int64_t Read(void* buffer, int64_t count) = 0;
  virtual int64_t Write(const void* buffer, int64_t count) = 0;
  virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;

  int64_t Position() { return Seek(0, soFromCurrent); }
  void SetPosition(int64_t pos) { Seek(pos, soFromBeginning); }
  virtual int64_t Size();
  virtual void SetSize(int64_t newSize);

  // All or nothing: a short read raises EReadError, a short write EWriteError.
  void ReadBuffer(void* buffer, int64_t count);
  void WriteBuffer(const void* buffer, int64_t count);
  void WriteString(std::string_view bytes) { WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size())); }
  // Copies count bytes from source (count 0: all of source from its start).
  int64_t CopyFrom(TStream& source, int64_t count);
  // The rest of the stream from the current position.
  std::string ReadRest();

  // Components in the binary component stream. ReadComponent reads into instance
  // (or a new component of the stream's class when instance is nullptr); the Res
  // forms read or write the resource header first.
  TComponent* ReadComponent(TComponent* instance);
  TComponent* ReadComponentRes(TComponent* instance);
  void WriteComponent(TComponent* instance);
  void WriteComponentRes(const std::string& resName, TComponent* instance);
  // An inherited form: only what differs from ancestor, the form it inherits from.
  void WriteDescendent(TComponent* instance, TComponent* ancestor);
  void WriteDescendentRes(const std::string& resName, TComponent* instance, TComponent* ancestor);
};

class TMemoryStream : public TStream {
public:
  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  int64_t Size() override { return static_cast<int64_t>(FData.size()); }
  void SetSize(int64_t newSize) override;

  void Clear();
  // Room for capacity bytes, so that writing up to that size never moves the data.
  void Reserve(int64_t capacity);
  // Exchanges the bytes and positions of the two streams.
  void Swap(TMemoryStream& other) noexcept;
  void LoadFromStream(TStream& stream);
  void LoadFromFile(const std::string& fileName);
  void SaveToStream(TStream& stream);
  void SaveToFile(const std::string& fileName);
  const char* Memory() const { return FData.data(); }
  char* Memory() { return FData.data(); }
  std::string_view View() const { return {FData.data(), FData.size()}; }

private:
  std::vector<char> FData;
  int64_t FPosition = 0;
};

// fmCreate creates (or truncates) the file; the others open an existing one.
enum TFileMode { fmOpenRead = 0, fmOpenWrite = 1, fmOpenReadWrite = 2, fmCreate = 0xFFFF };

class TFileStream : public TStream {
public:
  // Raises EFOpenError "Cannot open file %s" or EFCreateError "Cannot create file %s".
  TFileStream(const std::string& fileName, TFileMode mode);
  ~TFileStream() override;
  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  void SetSize(int64_t newSize) override;
  const std::string& FileName() const { return FFileName; }

private:
  std::FILE* FFile = nullptr;
  std::string FFileName;
};

class TStringStream : public TStream {
public:
  explicit TStringStream(std::string data = {}) : FData(std::move(data)) {}
  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  int64_t Size() override { return static_cast<int64_t>(FData.size()); }
  void SetSize(int64_t newSize) override;
  const std::string& DataString() const { return FData; }
  std::string ReadString(int64_t count);

private:
  std::string FData;
  int64_t FPosition = 0;
};

// The rest of the stream from its position: a view of a memory or string stream's
// own bytes (valid while the stream is unchanged), else read into owned.
std::string_view ViewRest(TStream& stream, std::string& owned);

// Writes bytes to a file through a temporary file renamed over the target, so a
// failed write never leaves a half-written file behind; a replaced file keeps its
// permissions. Raises EFCreateError.
void SaveBytesToFile(const std::string& fileName, std::string_view bytes);
// The whole file; raises EFOpenError when it cannot be read.
std::string LoadBytesFromFile(const std::string& fileName);

}  // namespace kcl
