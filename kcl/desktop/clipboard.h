#pragma once
// The clipboard as the framework's TClipboard and the Win32 calls present it, over
// Qt's clipboard. Text is the framework's bytes (Windows-1252) and Qt's Unicode text
// outside; any other format carries its bytes exactly.
//
// While the clipboard is open, what is set collects and is published at the final
// Close, all formats together; what is read meanwhile is what has been set. Outside
// Open, each SetBuffer publishes at once and replaces every other format.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "kcl/desktop/clipboardformats.h"

namespace kcl {

class TClipboard {
public:
  // Open and Close nest; only the outermost pair opens and closes.
  void Open();
  // False when the clipboard was not open.
  bool Close();
  bool IsOpen() const { return FOpenCount > 0; }
  // Removes every format.
  void Clear();

  bool HasFormat(uint32_t format) const;
  int FormatCount() const;
  // The formats in the order they were set; 0 past the last.
  uint32_t Formats(int index) const;

  // CF_TEXT up to its first NUL byte; "" when the clipboard holds no text.
  std::string AsText() const;
  void SetAsText(std::string_view text);

  // The first SetBuffer after Open empties the clipboard; later ones add formats.
  // Only CF_TEXT and registered formats can be set; others leave the clipboard as is.
  void SetBuffer(uint32_t format, std::string_view bytes);
  std::optional<std::string> GetBuffer(uint32_t format) const;

  // The Win32 calls, which need the clipboard open: EmptyClipboard, and
  // SetClipboardData, which adds to (or replaces one format of) what is there.
  bool Empty();
  bool SetData(uint32_t format, std::string_view bytes);

private:
  struct TEntry {
    uint32_t Format;
    std::string Bytes;
  };
  using TContents = std::vector<TEntry>;

  std::vector<uint32_t> AvailableFormats() const;
  void Put(uint32_t format, std::string_view bytes);
  void Publish() const;

  int FOpenCount = 0;
  bool FEmptied = false;
  // What is to be published at Close; none while nothing has been set.
  std::optional<TContents> FPending;
};

// The one clipboard of the program. Needs the QGuiApplication.
TClipboard& Clipboard();

bool OpenClipboard();
bool CloseClipboard();
bool EmptyClipboard();
bool SetClipboardData(uint32_t format, std::string_view bytes);
std::optional<std::string> GetClipboardData(uint32_t format);
bool IsClipboardFormatAvailable(uint32_t format);

}  // namespace kcl
