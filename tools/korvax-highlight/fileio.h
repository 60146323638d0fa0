#pragma once
// korvax-highlight's input and output: the source file mapped into memory rather
// than copied, and standard output as a stream that takes back what it wrote
// when the conversion fails.
#include <sys/types.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "kcl/classes/streams.h"

namespace korvax::highlight {

// The bytes of a file: mapped when it is a regular file, else read to its end (a
// pipe has no size to read up to). A file that shrinks while mapped ends the
// program with an error instead of a crash.
class TSourceFile {
public:
  // Raises EFOpenError "Cannot open file %s", or EReadError when reading fails.
  explicit TSourceFile(const std::string& fileName);
  ~TSourceFile();
  TSourceFile(const TSourceFile&) = delete;
  TSourceFile& operator=(const TSourceFile&) = delete;

  std::string_view Text() const { return FText; }

private:
  void* FMapping = nullptr;
  size_t FMappedSize = 0;
  std::string FRead;
  std::string_view FText;
};

// Standard output; each write goes straight to the descriptor.
class TStdOutStream final : public kcl::TStream {
public:
  TStdOutStream();

  int64_t Read(void*, int64_t) override { return 0; }
  int64_t Write(const void* buffer, int64_t count) override;
  // Only tells how much was written.
  int64_t Seek(int64_t, kcl::TSeekOrigin) override { return FWritten; }

  // Cuts a regular file back to where it was when the stream was made, so that it
  // holds no part of a document that failed.
  void TakeBack();

private:
  std::optional<off_t> FFileStart;
  int64_t FWritten = 0;
};

}  // namespace korvax::highlight
