#include "kcl/components/treenodes.h"

#include <algorithm>

#include "kcl/classes/classbuilder.h"
#include "kcl/classes/filer.h"

namespace kcl {

namespace {
// A node's record without its text: five integers, the data value and the length byte.
constexpr int32_t NodeFixedSize = 6 * 4 + 1;
constexpr int32_t MaxNodeSize = NodeFixedSize + 255;

int32_t ReadInt32(TStream& stream) {
  uint8_t bytes[4];
  stream.ReadBuffer(bytes, 4);
  return static_cast<int32_t>(bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<uint32_t>(bytes[3]) << 24);
}

void WriteInt32(TStream& stream, uint32_t value) {
  const uint8_t bytes[4] = {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
                            static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 24)};
  stream.WriteBuffer(bytes, 4);
}
}  // namespace

// Frees nodes without recursion: a file may nest them deeply.
void TTreeNodes::FreeNodes(std::vector<std::unique_ptr<TTreeNode>>& nodes) {
  std::vector<std::unique_ptr<TTreeNode>> pending = std::move(nodes);
  nodes.clear();
  while (!pending.empty()) {
    std::unique_ptr<TTreeNode> node = std::move(pending.back());
    pending.pop_back();
    for (auto& child : node->FChildren) pending.push_back(std::move(child));
  }
}

// --- TTreeNode

void TTreeNode::SetText(const std::string& v) {
  FText = v;
  FOwner->Changed();
}

void TTreeNode::SetImageIndex(int v) {
  FImageIndex = v;
  FOwner->Changed();
}

void TTreeNode::SetStateIndex(int v) {
  FStateIndex = v;
  FOwner->Changed();
}

void TTreeNode::SetExpanded(bool v) {
  FExpanded = v;
  FOwner->Changed();
}

int TTreeNode::Index() const {
  const auto& siblings = FOwner->SiblingsOf(FParent);
  const auto it = std::find_if(siblings.begin(), siblings.end(), [this](const auto& n) { return n.get() == this; });
  return static_cast<int>(it - siblings.begin());
}

TTreeNode* TTreeNode::GetNextSibling() const {
  const auto& siblings = FOwner->SiblingsOf(FParent);
  const size_t next = static_cast<size_t>(Index()) + 1;
  return next < siblings.size() ? siblings[next].get() : nullptr;
}

TTreeNode* TTreeNode::GetNext() const {
  if (HasChildren()) return GetFirstChild();
  for (const TTreeNode* node = this; node; node = node->FParent)
    if (TTreeNode* sibling = node->GetNextSibling()) return sibling;
  return nullptr;
}

void TTreeNode::Delete() { FOwner->Delete(this); }

// --- TTreeNodes

KCL_CLASS_INFO(TTreeNodes) {}

TTreeNodes::TTreeNodes(TPersistent* owner, std::function<void()> changed)
    : FOwner(owner), FChanged(std::move(changed)) {}

TTreeNodes::~TTreeNodes() { FreeNodes(FRoots); }

std::vector<std::unique_ptr<TTreeNode>>& TTreeNodes::SiblingsOf(TTreeNode* parent) {
  return parent ? parent->FChildren : FRoots;
}

TTreeNode* TTreeNodes::Item(int index) const {
  TTreeNode* node = GetFirstNode();
  for (int i = 0; node && i < index; ++i) node = node->GetNext();
  return index >= 0 ? node : nullptr;
}

TTreeNode* TTreeNodes::InsertAt(TTreeNode* parent, size_t index, const std::string& text) {
  auto& siblings = SiblingsOf(parent);
  auto node = std::make_unique<TTreeNode>(this, parent);
  node->FText = text;
  TTreeNode* result = siblings.insert(siblings.begin() + static_cast<ptrdiff_t>(index), std::move(node))->get();
  ++FCount;
  Changed();
  return result;
}

TTreeNode* TTreeNodes::Add(TTreeNode* sibling, const std::string& text) {
  TTreeNode* parent = sibling ? sibling->Parent() : nullptr;
  return InsertAt(parent, SiblingsOf(parent).size(), text);
}

TTreeNode* TTreeNodes::AddFirst(TTreeNode* sibling, const std::string& text) {
  return InsertAt(sibling ? sibling->Parent() : nullptr, 0, text);
}

TTreeNode* TTreeNodes::AddChild(TTreeNode* parent, const std::string& text) {
  return InsertAt(parent, SiblingsOf(parent).size(), text);
}

TTreeNode* TTreeNodes::AddChildFirst(TTreeNode* parent, const std::string& text) { return InsertAt(parent, 0, text); }

TTreeNode* TTreeNodes::Insert(TTreeNode* node, const std::string& text) {
  if (!node) return Add(nullptr, text);
  return InsertAt(node->Parent(), static_cast<size_t>(node->Index()), text);
}

void TTreeNodes::Delete(TTreeNode* node) {
  if (!node || node->FOwner != this) return;
  std::vector<const TTreeNode*> pending{node};
  while (!pending.empty()) {
    const TTreeNode* n = pending.back();
    pending.pop_back();
    --FCount;
    for (const auto& child : n->FChildren) pending.push_back(child.get());
  }
  auto& siblings = SiblingsOf(node->FParent);
  std::vector<std::unique_ptr<TTreeNode>> removed;
  removed.push_back(std::move(siblings[static_cast<size_t>(node->Index())]));
  siblings.erase(std::find(siblings.begin(), siblings.end(), nullptr));
  FreeNodes(removed);
  Changed();
}

void TTreeNodes::Clear() {
  FreeNodes(FRoots);
  FCount = 0;
  Changed();
}

void TTreeNodes::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0) Changed();
}

void TTreeNodes::Changed() {
  if (FUpdateCount == 0 && FChanged) FChanged();
}

void TTreeNodes::Assign(const TPersistent* source) {
  auto* nodes = dynamic_cast<const TTreeNodes*>(source);
  if (!nodes) return TPersistent::Assign(source);
  TMemoryStream data;
  nodes->WriteData(data);
  data.SetPosition(0);
  ReadData(data);
}

// --- streaming

void TTreeNodes::DefineProperties(TFiler& filer) {
  TPersistent::DefineProperties(filer);
  filer.DefineBinaryProperty(
      "Data", [this](TStream& s) { ReadData(s); }, [this](TStream& s) { WriteData(s); }, FCount > 0);
}

void TTreeNodes::ReadData(TStream& stream) {
  const int64_t end = stream.Size();
  // A count that the rest of the data cannot hold is no count.
  auto checkCount = [&](int32_t count) {
    if (count < 0 || count > (end - stream.Position()) / (NodeFixedSize + 4)) throw EReadError(msg::ReadError);
  };
  std::vector<std::unique_ptr<TTreeNode>> roots;
  int total = 0;
  struct Pending {
    TTreeNode* Parent;
    int32_t Left;
  };
  try {
    const int32_t rootCount = ReadInt32(stream);
    checkCount(rootCount);
    // Parents wait on a stack rather than in recursion: a file may nest deeply.
    std::vector<Pending> pending{{nullptr, rootCount}};
    while (!pending.empty()) {
      if (pending.back().Left == 0) {
        pending.pop_back();
        continue;
      }
      --pending.back().Left;
      TTreeNode* parent = pending.back().Parent;
      auto& siblings = parent ? parent->FChildren : roots;
      TTreeNode& node = *siblings.emplace_back(std::make_unique<TTreeNode>(this, parent));
      ++total;
      const int32_t size = ReadInt32(stream);
      if (size < NodeFixedSize || size > MaxNodeSize) throw EReadError(msg::ReadError);
      node.FImageIndex = ReadInt32(stream);
      node.FSelectedIndex = ReadInt32(stream);
      node.FStateIndex = ReadInt32(stream);
      node.FOverlayIndex = ReadInt32(stream);
      node.FStreamedData = static_cast<uint32_t>(ReadInt32(stream));
      const int32_t children = ReadInt32(stream);
      uint8_t length = 0;
      stream.ReadBuffer(&length, 1);
      if (length != size - NodeFixedSize) throw EReadError(msg::ReadError);
      node.FText.resize(length);
      stream.ReadBuffer(node.FText.data(), length);
      checkCount(children);
      if (children > 0) pending.push_back({&node, children});
    }
  } catch (...) {
    FreeNodes(roots);
    throw;
  }
  FreeNodes(FRoots);
  FRoots = std::move(roots);
  FCount = total;
  Changed();
}

void TTreeNodes::WriteData(TStream& stream) const {
  WriteInt32(stream, static_cast<uint32_t>(FRoots.size()));
  std::vector<const TTreeNode*> pending;
  for (auto it = FRoots.rbegin(); it != FRoots.rend(); ++it) pending.push_back(it->get());
  while (!pending.empty()) {
    const TTreeNode* node = pending.back();
    pending.pop_back();
    // A short string holds 255 characters at most.
    const std::string text = node->FText.substr(0, 255);
    WriteInt32(stream, static_cast<uint32_t>(NodeFixedSize + static_cast<int32_t>(text.size())));
    for (int v : {node->FImageIndex, node->FSelectedIndex, node->FStateIndex, node->FOverlayIndex})
      WriteInt32(stream, static_cast<uint32_t>(v));
    WriteInt32(stream, node->FStreamedData);
    WriteInt32(stream, static_cast<uint32_t>(node->FChildren.size()));
    const auto length = static_cast<uint8_t>(text.size());
    stream.WriteBuffer(&length, 1);
    stream.WriteString(text);
    for (auto it = node->FChildren.rbegin(); it != node->FChildren.rend(); ++it) pending.push_back(it->get());
  }
}

}  // namespace kcl
