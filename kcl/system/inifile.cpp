#include "kcl/system/inifile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <unordered_set>
#include <vector>

#include "kcl/classes/classbuilder.h"
#include "kcl/classes/streams.h"
#include "kcl/classes/stringlist.h"
#include "kcl/rtl/sysutils.h"

namespace kcl {

KCL_CLASS_INFO(TIniFile) {}

namespace {

// A settings file is a few kilobytes; anything larger is not read as one.
constexpr size_t MaxFileSize = 16u << 20;
// A change made within this many seconds after a read may leave the time stamp as it
// was (coarse file system clocks, two-second FAT times): such a file is read again.
constexpr time_t RacySeconds = 3;
constexpr std::string_view LineBreak = "\r\n";

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string_view TrimView(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

bool IsBlankLine(std::string_view line) { return std::all_of(line.begin(), line.end(), IsBlank); }

bool Contains(std::string_view s, std::string_view chars) { return s.find_first_of(chars) != std::string_view::npos; }

// The line that starts at pos: where its text ends and where the next line starts.
// CR LF, LF and a lone CR all end a line.
struct LineBounds {
  size_t End;
  size_t Next;
};

LineBounds LineAt(std::string_view bytes, size_t pos) {
  const size_t end = bytes.find_first_of(LineBreak, pos);
  if (end == std::string_view::npos) return {bytes.size(), bytes.size()};
  const bool crlf = bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n';
  return {end, end + (crlf ? 2 : 1)};
}

bool EndsWithLineBreak(std::string_view bytes) { return !bytes.empty() && Contains(bytes.substr(bytes.size() - 1), LineBreak); }

// The text of the last line of bytes that end with a line break.
std::string_view LastLine(std::string_view bytes) {
  bytes.remove_suffix(bytes.size() >= 2 && bytes.substr(bytes.size() - 2) == LineBreak ? 2 : 1);
  const size_t previous = bytes.find_last_of(LineBreak);
  return previous == std::string_view::npos ? bytes : bytes.substr(previous + 1);
}

// Values are read trimmed and without enclosing double quotes; a value that would
// lose blanks or quotes that way is written quoted, so it reads back as written.
std::string_view DecodedValue(std::string_view raw) {
  raw = TrimView(raw);
  if (raw.size() >= 2 && raw.front() == '"' && raw.back() == '"') raw = raw.substr(1, raw.size() - 2);
  return raw;
}

std::string EncodedValue(std::string_view value) {
  if (DecodedValue(value) == value) return std::string(value);
  return '"' + std::string(value) + '"';
}

void CheckWritable(std::string_view section, std::string_view ident, std::string_view value) {
  if (Contains(section, "]\r\n")) throw EIniFileException(Format("Invalid section name '%s'", {section}));
  if (ident.empty() || Contains(ident, "=\r\n") || ident[0] == ';' || ident[0] == '[')
    throw EIniFileException(Format("Invalid key name '%s'", {ident}));
  if (Contains(value, LineBreak)) throw EIniFileException(Format("Invalid value for key '%s'", {ident}));
}

// Fills strings as one change: every item is a line of its own.
template <class Lines>
void SetLines(TStrings& strings, const Lines& lines) {
  std::string text;
  for (const auto& line : lines) text.append(line).append(LineBreak);
  strings.SetText(text);
}

}  // namespace

// The bytes of the file and where its section headers and keys are. Reads look at the
// first section of a name and the first key of a name in it, as Windows does.
class TIniText {
public:
  // A section header or key line: where it starts, where its text ends, where the
  // next line starts, and for a key where its '=' is.
  struct Entry {
    static constexpr uint32_t NoEquals = UINT32_MAX;
    uint32_t Begin, End, Next, Equals;
    bool IsSection() const { return Equals == NoEquals; }
  };
  struct Key {
    std::string_view Name, Value;
  };

  explicit TIniText(std::string bytes = {}) { Assign(std::move(bytes)); }

  const std::string& Bytes() const { return FBytes; }
  // Names and keys appear once each, where they first occur.
  std::vector<std::string_view> SectionNames() const;
  std::vector<Key> Keys(std::string_view section) const;
  bool HasSection(std::string_view section) const { return FindSection(section).first < FEntries.size(); }
  // The key's entry, nullptr when it is absent.
  const Entry* FindKey(std::string_view section, std::string_view ident) const;
  std::string_view Value(const Entry& key) const { return DecodedValue(Text(key).substr(key.Equals + 1 - key.Begin)); }

  // Each edit returns whether the bytes changed.
  bool SetValue(std::string_view section, std::string_view ident, std::string_view value);
  bool DeleteKey(std::string_view section, std::string_view ident);
  bool EraseSection(std::string_view section);
  bool SetKeys(std::string_view section, const TIniFile::TKeyValues& keys);

private:
  using Range = std::pair<size_t, size_t>;
  void Assign(std::string bytes);
  bool Replace(size_t begin, size_t end, std::string_view with);
  bool Remove(const std::vector<Range>& ranges);
  std::string_view Text(const Entry& e) const { return std::string_view(FBytes).substr(e.Begin, e.End - e.Begin); }
  std::string_view SectionName(const Entry& e) const;
  std::string_view KeyName(const Entry& e) const { return TrimView(Text(e).substr(0, e.Equals - e.Begin)); }
  // The entry of the first section of that name and the end of its keys (both past
  // the end when there is none).
  Range FindSection(std::string_view name) const;
  size_t SectionEnd(size_t last) const { return last < FEntries.size() ? FEntries[last].Begin : FBytes.size(); }

  std::string FBytes;
  std::vector<Entry> FEntries;
};

void TIniText::Assign(std::string bytes) {
  if (bytes.size() > MaxFileSize) throw EIniFileException("Settings file too large");
  FBytes = std::move(bytes);
  FEntries.clear();
  const std::string_view all(FBytes);
  bool inSection = false;
  for (size_t pos = 0; pos < all.size();) {
    const LineBounds line = LineAt(all, pos);
    const std::string_view raw = all.substr(pos, line.End - pos);
    const std::string_view text = TrimView(raw);
    const auto add = [&](size_t equals) {
      FEntries.push_back({static_cast<uint32_t>(pos), static_cast<uint32_t>(line.End),
                          static_cast<uint32_t>(line.Next), static_cast<uint32_t>(equals)});
    };
    if (!text.empty() && text[0] == '[') {
      add(Entry::NoEquals);
      inSection = true;
    } else if (inSection && !text.empty() && text[0] != ';') {
      const size_t equals = raw.find('=');
      if (equals != std::string_view::npos && !TrimView(raw.substr(0, equals)).empty()) add(pos + equals);
    }
    pos = line.Next;
  }
}

std::string_view TIniText::SectionName(const Entry& e) const {
  std::string_view name = TrimView(Text(e)).substr(1);
  return TrimView(name.substr(0, name.find(']')));
}

TIniText::Range TIniText::FindSection(std::string_view name) const {
  name = TrimView(name);
  for (size_t i = 0; i < FEntries.size(); ++i) {
    if (!FEntries[i].IsSection() || !SameText(SectionName(FEntries[i]), name)) continue;
    size_t last = i + 1;
    while (last < FEntries.size() && !FEntries[last].IsSection()) ++last;
    return {i, last};
  }
  return {FEntries.size(), FEntries.size()};
}

std::vector<std::string_view> TIniText::SectionNames() const {
  std::vector<std::string_view> names;
  std::unordered_set<std::string> seen;
  for (const Entry& e : FEntries)
    if (e.IsSection() && seen.insert(UpperCase(SectionName(e))).second) names.push_back(SectionName(e));
  return names;
}

std::vector<TIniText::Key> TIniText::Keys(std::string_view section) const {
  std::vector<Key> keys;
  std::unordered_set<std::string> seen;
  const auto [first, last] = FindSection(section);
  for (size_t i = first + 1; i < last; ++i)
    if (seen.insert(UpperCase(KeyName(FEntries[i]))).second) keys.push_back({KeyName(FEntries[i]), Value(FEntries[i])});
  return keys;
}

const TIniText::Entry* TIniText::FindKey(std::string_view section, std::string_view ident) const {
  ident = TrimView(ident);
  const auto [first, last] = FindSection(section);
  for (size_t i = first + 1; i < last; ++i)
    if (SameText(KeyName(FEntries[i]), ident)) return &FEntries[i];
  return nullptr;
}

bool TIniText::Replace(size_t begin, size_t end, std::string_view with) {
  if (std::string_view(FBytes).substr(begin, end - begin) == with) return false;
  std::string bytes;
  bytes.reserve(FBytes.size() - (end - begin) + with.size());
  bytes.append(FBytes, 0, begin).append(with).append(FBytes, end);
  Assign(std::move(bytes));
  return true;
}

// Removes ranges given in file order, in one pass.
bool TIniText::Remove(const std::vector<Range>& ranges) {
  if (ranges.empty()) return false;
  std::string bytes;
  size_t kept = 0;
  for (const auto& [begin, end] : ranges) {
    bytes.append(FBytes, kept, begin - kept);
    kept = end;
  }
  bytes.append(FBytes, kept);
  Assign(std::move(bytes));
  return true;
}

bool TIniText::SetValue(std::string_view section, std::string_view ident, std::string_view value) {
  section = TrimView(section);
  ident = TrimView(ident);
  CheckWritable(section, ident, value);
  const std::string encoded = EncodedValue(value);
  if (const Entry* key = FindKey(section, ident)) {
    // The key keeps its line, its spelling and its line end.
    return Replace(key->Begin, key->End, std::string(KeyName(*key)) + '=' + encoded);
  }
  const std::string line = std::string(ident) + '=' + encoded + std::string(LineBreak);
  const auto [first, last] = FindSection(section);
  if (first == FEntries.size()) {
    std::string tail;
    if (!FBytes.empty() && !EndsWithLineBreak(FBytes)) tail += LineBreak;
    if (!FBytes.empty() && !IsBlankLine(LastLine(FBytes + tail))) tail += LineBreak;
    return Replace(FBytes.size(), FBytes.size(), tail + '[' + std::string(section) + ']' + std::string(LineBreak) + line);
  }
  // A new key follows the section's last line that is not blank.
  size_t insertAt = FEntries[first].Next;
  for (size_t pos = insertAt, end = SectionEnd(last); pos < end;) {
    const LineBounds bounds = LineAt(FBytes, pos);
    if (!IsBlankLine(std::string_view(FBytes).substr(pos, bounds.End - pos))) insertAt = bounds.Next;
    pos = bounds.Next;
  }
  const bool needsBreak = !Contains(std::string_view(FBytes).substr(insertAt - 1, 1), LineBreak);
  return Replace(insertAt, insertAt, (needsBreak ? std::string(LineBreak) : std::string()) + line);
}

bool TIniText::DeleteKey(std::string_view section, std::string_view ident) {
  ident = TrimView(ident);
  const auto [first, last] = FindSection(section);
  std::vector<Range> lines;
  for (size_t i = first + 1; i < last; ++i)
    if (SameText(KeyName(FEntries[i]), ident)) lines.emplace_back(FEntries[i].Begin, FEntries[i].Next);
  return Remove(lines);
}

// Every section of the name goes, so that none shows up in its place.
bool TIniText::EraseSection(std::string_view section) {
  section = TrimView(section);
  std::vector<Range> sections;
  for (size_t i = 0; i < FEntries.size(); ++i) {
    if (!FEntries[i].IsSection() || !SameText(SectionName(FEntries[i]), section)) continue;
    size_t last = i + 1;
    while (last < FEntries.size() && !FEntries[last].IsSection()) ++last;
    sections.emplace_back(FEntries[i].Begin, SectionEnd(last));
  }
  return Remove(sections);
}

bool TIniText::SetKeys(std::string_view section, const TIniFile::TKeyValues& keys) {
  section = TrimView(section);
  std::unordered_set<std::string> seen;
  for (const auto& [name, value] : keys) {
    CheckWritable(section, TrimView(name), value);
    if (!seen.insert(UpperCase(TrimView(name))).second) throw EIniFileException(Format("Duplicate key name '%s'", {name}));
  }
  const auto [first, last] = FindSection(section);
  if (first == FEntries.size()) {
    bool changed = false;
    for (const auto& [name, value] : keys) changed = SetValue(section, name, value) || changed;
    return changed;
  }
  const auto line = [&](const Entry& old, const std::pair<std::string, std::string>& key) {
    const std::string_view name = TrimView(key.first);
    if (KeyName(old) == name && Value(old) == key.second) return std::string(Text(old));
    return std::string(name) + '=' + EncodedValue(key.second);
  };
  const size_t oldCount = last - first - 1;
  const size_t insertAt = oldCount > 0 ? FEntries[last - 1].Next : FEntries[first].Next;
  std::string bytes;
  size_t kept = 0;
  for (size_t k = 0; k < oldCount; ++k) {
    const Entry& old = FEntries[first + 1 + k];
    bytes.append(FBytes, kept, old.Begin - kept);
    if (k < keys.size()) bytes.append(line(old, keys[k])).append(FBytes, old.End, old.Next - old.End);
    kept = old.Next;
  }
  bytes.append(FBytes, kept, insertAt - kept);
  for (size_t k = oldCount; k < keys.size(); ++k) {
    if (!bytes.empty() && !EndsWithLineBreak(bytes)) bytes.append(LineBreak);
    bytes.append(TrimView(keys[k].first)).append("=").append(EncodedValue(keys[k].second)).append(LineBreak);
  }
  bytes.append(FBytes, insertAt);
  return Replace(0, FBytes.size(), bytes);
}

// --- TIniFile

struct TIniFile::TCache {
  // What tells one version of the file on disk from another.
  struct Signature {
    bool Exists = false;
    dev_t Device = 0;
    ino_t Inode = 0;
    off_t Size = 0;
    timespec Modified{}, Changed{};

    static Signature Of(const struct stat& st) { return {true, st.st_dev, st.st_ino, st.st_size, st.st_mtim, st.st_ctim}; }
    bool operator==(const Signature& o) const {
      const auto same = [](const timespec& a, const timespec& b) { return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec; };
      return Exists == o.Exists && Device == o.Device && Inode == o.Inode && Size == o.Size &&
             same(Modified, o.Modified) && same(Changed, o.Changed);
    }
  };

  // The file as read: its bytes, and whether it was there and readable.
  struct Snapshot {
    enum { Missing, Read, Unreadable } State = Missing;
    std::string Bytes;
    Signature Version;
  };

  TIniText Text;
  Signature Version;
  timespec ReadTime{};
  bool Loaded = false;

  static timespec Now() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return now;
  }

  static Signature StatPath(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? Signature::Of(st) : Signature{};
  }

  // Opens without blocking (a FIFO in the file's place must not hang the program) and
  // takes the signature from the open file, so that bytes and signature agree.
  static Snapshot Load(const std::string& path) {
    Snapshot snapshot;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
      snapshot.State = errno == ENOENT ? Snapshot::Missing : Snapshot::Unreadable;
      return snapshot;
    }
    snapshot.State = Snapshot::Unreadable;
    struct stat st {};
    if (::fstat(fd, &st) == 0) {
      snapshot.Version = Signature::Of(st);
      std::string bytes;
      char buffer[65536];
      ssize_t n = 0;
      while (S_ISREG(st.st_mode) && bytes.size() <= MaxFileSize && (n = ::read(fd, buffer, sizeof buffer)) > 0)
        bytes.append(buffer, static_cast<size_t>(n));
      if (S_ISREG(st.st_mode) && n == 0 && bytes.size() <= MaxFileSize) {
        snapshot.State = Snapshot::Read;
        snapshot.Bytes = std::move(bytes);
      }
    }
    ::close(fd);
    return snapshot;
  }

  bool Fresh(const Signature& current) const {
    const bool settled = !current.Exists || current.Modified.tv_sec + RacySeconds < ReadTime.tv_sec;
    return Loaded && current == Version && settled;
  }

  void Remember(const Signature& version, const timespec& readTime) {
    Version = version;
    ReadTime = readTime;
    Loaded = true;
  }
};

TIniFile::TIniFile(std::string fileName) : FFileName(std::move(fileName)), FCache(std::make_unique<TCache>()) {}

TIniFile::~TIniFile() = default;

const TIniText& TIniFile::Current() {
  const std::string path = NativePath(FFileName);
  const timespec now = TCache::Now();
  if (FCache->Fresh(TCache::StatPath(path))) return FCache->Text;
  TCache::Snapshot snapshot = TCache::Load(path);
  if (snapshot.State != TCache::Snapshot::Read) snapshot.Bytes.clear();
  if (!FCache->Loaded || snapshot.Bytes != FCache->Text.Bytes()) FCache->Text = TIniText(std::move(snapshot.Bytes));
  FCache->Remember(snapshot.Version, now);
  return FCache->Text;
}

template <class Edit>
void TIniFile::Update(Edit edit) {
  std::string path = NativePath(FFileName);
  const timespec now = TCache::Now();
  TCache::Snapshot snapshot = TCache::Load(path);
  // A file that is there but cannot be read is never replaced by one made from nothing.
  const std::string cannotWrite = Format(msg::FCreateError, {FFileName});
  if (snapshot.State == TCache::Snapshot::Unreadable) throw EFCreateError(cannotWrite);
  TIniText text(std::move(snapshot.Bytes));
  if (!edit(text)) return;
  // Through a symbolic link the file it points to is replaced, not the link.
  std::error_code ec;
  if (std::filesystem::is_symlink(std::filesystem::symlink_status(path, ec))) {
    path = std::filesystem::canonical(path, ec).string();
    if (ec) throw EFCreateError(cannotWrite);
  }
  try {
    SaveBytesToFile(path, text.Bytes());
  } catch (const EFCreateError&) {
    throw EFCreateError(cannotWrite);
  }
  FCache->Text = std::move(text);
  FCache->Remember(TCache::StatPath(path), now);
}

std::string TIniFile::ReadString(std::string_view section, std::string_view ident, std::string_view defaultValue) {
  const TIniText& text = Current();
  const TIniText::Entry* key = text.FindKey(section, ident);
  return std::string(key ? text.Value(*key) : defaultValue);
}

int32_t TIniFile::ReadInteger(std::string_view section, std::string_view ident, int32_t defaultValue) {
  return StrToIntDef(ReadString(section, ident, ""), defaultValue);
}

bool TIniFile::ReadBool(std::string_view section, std::string_view ident, bool defaultValue) {
  return ReadInteger(section, ident, defaultValue ? 1 : 0) != 0;
}

void TIniFile::WriteString(std::string_view section, std::string_view ident, std::string_view value) {
  Update([&](TIniText& text) { return text.SetValue(section, ident, value); });
}

void TIniFile::WriteInteger(std::string_view section, std::string_view ident, int32_t value) {
  WriteString(section, ident, IntToStr(value));
}

void TIniFile::WriteBool(std::string_view section, std::string_view ident, bool value) {
  WriteString(section, ident, value ? "1" : "0");
}

void TIniFile::ReadSection(std::string_view section, TStrings& strings) {
  std::vector<std::string_view> names;
  for (const TIniText::Key& key : Current().Keys(section)) names.push_back(key.Name);
  SetLines(strings, names);
}

void TIniFile::ReadSections(TStrings& strings) { SetLines(strings, Current().SectionNames()); }

void TIniFile::ReadSectionValues(std::string_view section, TStrings& strings) {
  std::vector<std::string> lines;
  for (const TIniText::Key& key : Current().Keys(section))
    lines.push_back(std::string(key.Name) + '=' + std::string(key.Value));
  SetLines(strings, lines);
}

bool TIniFile::SectionExists(std::string_view section) { return Current().HasSection(section); }

bool TIniFile::ValueExists(std::string_view section, std::string_view ident) {
  return Current().FindKey(section, ident) != nullptr;
}

void TIniFile::EraseSection(std::string_view section) {
  Update([&](TIniText& text) { return text.EraseSection(section); });
}

void TIniFile::DeleteKey(std::string_view section, std::string_view ident) {
  Update([&](TIniText& text) { return text.DeleteKey(section, ident); });
}

void TIniFile::RewriteSection(std::string_view section, const TKeyValues& keys) {
  Update([&](TIniText& text) { return text.SetKeys(section, keys); });
}

}  // namespace kcl
