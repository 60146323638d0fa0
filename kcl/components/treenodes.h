#pragma once
// The nodes of a tree view: TTreeNode (text, image indexes, children) and
// TTreeNodes, the owner of them all. The nodes stream as "Items.Data" in Delphi's
// binary layout: the number of top-level nodes, then each node before its children
// as a 32-bit record size, the image, selected, state and overlay indexes, the
// data value, the number of children and the text as a short string.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "kcl/classes/persistent.h"
#include "kcl/classes/streams.h"

namespace kcl {

class TTreeNodes;

class TTreeNode {
public:
  TTreeNode(TTreeNodes* owner, TTreeNode* parent) : FOwner(owner), FParent(parent) {}
  TTreeNode(const TTreeNode&) = delete;
  TTreeNode& operator=(const TTreeNode&) = delete;

  TTreeNodes* Owner() const { return FOwner; }
  TTreeNode* Parent() const { return FParent; }
  std::string Text() const { return FText; }
  void SetText(const std::string& v);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int v);
  int SelectedIndex() const { return FSelectedIndex; }
  void SetSelectedIndex(int v) { FSelectedIndex = v; }
  int StateIndex() const { return FStateIndex; }
  void SetStateIndex(int v);
  int OverlayIndex() const { return FOverlayIndex; }
  void SetOverlayIndex(int v) { FOverlayIndex = v; }
  // The program's value for the node. A form file holds a 32-bit value here that
  // is kept for writing back and never taken for a pointer.
  void* Data() const { return FData; }
  void SetData(void* v) { FData = v; }
  bool Expanded() const { return FExpanded; }
  void SetExpanded(bool v);

  int Count() const { return static_cast<int>(FChildren.size()); }
  TTreeNode* Item(int index) const { return FChildren.at(static_cast<size_t>(index)).get(); }
  bool HasChildren() const { return !FChildren.empty(); }
  int Index() const;
  int Level() const { return FParent ? FParent->Level() + 1 : 0; }
  TTreeNode* GetFirstChild() const { return FChildren.empty() ? nullptr : FChildren.front().get(); }
  TTreeNode* GetNextSibling() const;
  // The node after this one in the order the tree shows them when all is expanded.
  TTreeNode* GetNext() const;
  // Frees the node and its children.
  void Delete();

private:
  friend class TTreeNodes;
  friend class TTreeView;  // takes the user's changes without rebuilding its peer
  TTreeNodes* FOwner;
  TTreeNode* FParent;
  std::string FText;
  int FImageIndex = 0, FSelectedIndex = 0, FStateIndex = -1, FOverlayIndex = -1;
  void* FData = nullptr;
  uint32_t FStreamedData = 0;
  bool FExpanded = false;
  std::vector<std::unique_ptr<TTreeNode>> FChildren;
};

class TTreeNodes : public TPersistent {
  KCL_CLASS(TTreeNodes, TPersistent)
public:
  // changed runs after every change made outside BeginUpdate/EndUpdate.
  explicit TTreeNodes(TPersistent* owner, std::function<void()> changed = nullptr);
  ~TTreeNodes() override;

  // All the nodes, at every level.
  int Count() const { return FCount; }
  // A node by its place among all nodes, parents before their children.
  TTreeNode* Item(int index) const;
  TTreeNode* GetFirstNode() const { return FRoots.empty() ? nullptr : FRoots.front().get(); }
  int RootCount() const { return static_cast<int>(FRoots.size()); }
  TTreeNode* Root(int index) const { return FRoots.at(static_cast<size_t>(index)).get(); }

  // A node after the last sibling of node (a root without node).
  TTreeNode* Add(TTreeNode* sibling, const std::string& text);
  TTreeNode* AddFirst(TTreeNode* sibling, const std::string& text);
  // A node after (or before) the last child of parent (a root without parent).
  TTreeNode* AddChild(TTreeNode* parent, const std::string& text);
  TTreeNode* AddChildFirst(TTreeNode* parent, const std::string& text);
  // A node before node, at its level.
  TTreeNode* Insert(TTreeNode* node, const std::string& text);
  void Delete(TTreeNode* node);
  void Clear();
  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();
  void Assign(const TPersistent* source) override;

  // The value of "Data". ReadData raises EReadError for data that does not hold
  // together; the nodes then are as before.
  void ReadData(TStream& stream);
  void WriteData(TStream& stream) const;

protected:
  void DefineProperties(TFiler& filer) override;
  TPersistent* GetOwner() const override { return FOwner; }

private:
  friend class TTreeNode;
  static void FreeNodes(std::vector<std::unique_ptr<TTreeNode>>& nodes);
  std::vector<std::unique_ptr<TTreeNode>>& SiblingsOf(TTreeNode* parent);
  TTreeNode* InsertAt(TTreeNode* parent, size_t index, const std::string& text);
  void Changed();

  TPersistent* FOwner;
  std::function<void()> FChanged;
  std::vector<std::unique_ptr<TTreeNode>> FRoots;
  int FCount = 0;
  int FUpdateCount = 0;
};

}  // namespace kcl
