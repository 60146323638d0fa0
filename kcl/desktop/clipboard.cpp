#include "kcl/desktop/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <algorithm>

#include "kcl/desktop/cp1252.h"

namespace kcl {

namespace {

const QMimeData* Published() { return QGuiApplication::clipboard()->mimeData(); }

std::optional<std::string> PublishedData(uint32_t format) {
  const QMimeData* data = Published();
  if (!data) return std::nullopt;
  if (format == CF_TEXT) {
    if (!data->hasText()) return std::nullopt;
    return cp1252::Encode(data->text());
  }
  const QString mimeType = MimeTypeOfFormat(format);
  if (mimeType.isEmpty() || !data->hasFormat(mimeType)) return std::nullopt;
  const QByteArray bytes = data->data(mimeType);
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

}  // namespace

void TClipboard::Open() {
  if (FOpenCount++ > 0) return;
  FEmptied = false;
  FPending.reset();
}

bool TClipboard::Close() {
  if (FOpenCount == 0) return false;
  if (--FOpenCount == 0 && FPending) {
    Publish();
    FPending.reset();
  }
  return true;
}

void TClipboard::Clear() {
  Open();
  Empty();
  Close();
}

bool TClipboard::HasFormat(uint32_t format) const {
  const std::vector<uint32_t> formats = AvailableFormats();
  return std::find(formats.begin(), formats.end(), format) != formats.end();
}

int TClipboard::FormatCount() const { return static_cast<int>(AvailableFormats().size()); }

uint32_t TClipboard::Formats(int index) const {
  const std::vector<uint32_t> formats = AvailableFormats();
  return index >= 0 && index < static_cast<int>(formats.size()) ? formats[static_cast<size_t>(index)] : 0;
}

std::string TClipboard::AsText() const { return GetBuffer(CF_TEXT).value_or(std::string()); }

void TClipboard::SetAsText(std::string_view text) { SetBuffer(CF_TEXT, text); }

void TClipboard::SetBuffer(uint32_t format, std::string_view bytes) {
  if (MimeTypeOfFormat(format).isEmpty()) return;
  Open();
  if (!FEmptied) Empty();
  SetData(format, bytes);
  Close();
}

std::optional<std::string> TClipboard::GetBuffer(uint32_t format) const {
  if (!FPending) return PublishedData(format);
  for (const TEntry& entry : *FPending)
    if (entry.Format == format) return entry.Bytes;
  return std::nullopt;
}

bool TClipboard::Empty() {
  if (!IsOpen()) return false;
  FPending.emplace();
  FEmptied = true;
  return true;
}

bool TClipboard::SetData(uint32_t format, std::string_view bytes) {
  if (!IsOpen() || MimeTypeOfFormat(format).isEmpty()) return false;
  if (!FPending) {
    TContents current;
    for (const uint32_t available : AvailableFormats())
      if (std::optional<std::string> data = PublishedData(available)) current.push_back({available, std::move(*data)});
    FPending = std::move(current);
  }
  Put(format, bytes);
  return true;
}

std::vector<uint32_t> TClipboard::AvailableFormats() const {
  std::vector<uint32_t> formats;
  const auto add = [&formats](uint32_t format) {
    if (format != 0 && std::find(formats.begin(), formats.end(), format) == formats.end()) formats.push_back(format);
  };
  if (FPending) {
    for (const TEntry& entry : *FPending) add(entry.Format);
    return formats;
  }
  const QMimeData* data = Published();
  if (!data) return formats;
  for (const QString& mimeType : data->formats()) add(FormatOfMimeType(mimeType));
  if (data->hasText()) add(CF_TEXT);
  return formats;
}

// Text, as a C string, ends at its first NUL.
void TClipboard::Put(uint32_t format, std::string_view bytes) {
  if (format == CF_TEXT) bytes = bytes.substr(0, bytes.find('\0'));
  const auto same = [format](const TEntry& entry) { return entry.Format == format; };
  const auto found = std::find_if(FPending->begin(), FPending->end(), same);
  if (found != FPending->end()) found->Bytes = std::string(bytes);
  else FPending->push_back({format, std::string(bytes)});
}

void TClipboard::Publish() const {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (FPending->empty()) {
    clipboard->clear();
    return;
  }
  auto* data = new QMimeData;
  for (const TEntry& entry : *FPending) {
    const QByteArray bytes(entry.Bytes.data(), static_cast<qsizetype>(entry.Bytes.size()));
    if (entry.Format == CF_TEXT) data->setText(cp1252::Decode(entry.Bytes));
    else data->setData(MimeTypeOfFormat(entry.Format), bytes);
  }
  clipboard->setMimeData(data);
}

TClipboard& Clipboard() {
  static TClipboard clipboard;
  return clipboard;
}

bool OpenClipboard() {
  Clipboard().Open();
  return true;
}

bool CloseClipboard() { return Clipboard().Close(); }

bool EmptyClipboard() { return Clipboard().Empty(); }

bool SetClipboardData(uint32_t format, std::string_view bytes) { return Clipboard().SetData(format, bytes); }

std::optional<std::string> GetClipboardData(uint32_t format) { return Clipboard().GetBuffer(format); }

bool IsClipboardFormatAvailable(uint32_t format) { return Clipboard().HasFormat(format); }

}  // namespace kcl
