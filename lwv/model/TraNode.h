// One node of the language-file tree: an original text (the match key),
// its translation, a kind, an edit state and the owned child nodes. Dialogs
// and controls also own a CTraLayout. The root of a tree keeps a stamp that
// moves whenever an original or the set or order of children changes
// anywhere below it, so that what keeps views into the tree can tell it has
// gone stale. Reads and writes no files itself apart from its stream record,
// and knows nothing of windows.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "TraKinds.h"
#include "TraLayout.h"


// Edit states: 0 done leaf, 1/2 group without/with something to edit below,
// 3 marked leaf, 4/5 marked group without/with something to edit below.
enum { TRA_STATE_DONE = 0, TRA_STATE_GROUP = 1, TRA_STATE_GROUP_OPEN = 2, TRA_STATE_NEW = 3,
       TRA_STATE_NEW_GROUP = 4, TRA_STATE_NEW_GROUP_OPEN = 5 };

// Section and entry names shared by writers and readers.
#define TRA_ROOT_NAME _T("RCFile")
#define TRA_ROOT_TEXT _T("RCFileText")
#define TRA_SECTION_DIALOGS _T("Dialoge")
#define TRA_SECTION_MENUS _T("Menus")
#define TRA_SECTION_STRINGS _T("Stringtables")
#define TRA_STRINGTABLE_NAME _T("String Table Section %i")
#define TRA_MESSAGEBOX_NAME _T("LwvMessageBox")
#define TRA_MESSAGEBOX_BUTTON _T("MessageBoxButton%i")
#define TRA_STDDLG_ITEM _T("StdDlgItem%i")
#define TRA_SYSTEM_MENU _T("System Menu")
#define TRA_SYSTEM_POPUP _T("System popup")

// Deepest nesting a stream may hold below its root; deeper files are refused.
const int TRA_MAX_DEPTH = 64;

bool IsLayoutKind(int kind);
// Controls that show no text of their own (generic, list, combo, scroll bar,
// edit, other common controls): never translatable, never sized by their text.
bool IsTextlessControlKind(int kind);

class CTraNode {
 public:
  CTraNode(CTraNode* parent, const CString& original, const CString& translation, int kind, LONG width, LONG height);
  CTraNode(CTraNode* parent, const CString& original, const CString& translation, int kind, LONG exStyle, LONG style,
           const RECT& translated, const RECT& original_rect);
  CTraNode(CTraNode* parent, const CString& original, const CString& translation, int kind);
  explicit CTraNode(CTraNode* parent);
  virtual ~CTraNode();
  CTraNode(const CTraNode&) = delete;
  CTraNode& operator=(const CTraNode&) = delete;

  // Tree. AddChild appends, makes this node the child's parent and answers the child.
  CTraNode* AddChild(std::unique_ptr<CTraNode> node);
  CTraNode* GetChild(int index) const;
  int GetChildCount() const { return static_cast<int>(m_children.size()); }
  // Slots reserved for children: in steps of ten.
  int GetCapacity() const { return static_cast<int>(m_children.capacity()); }
  CTraNode* GetParent() const { return m_pParent; }
  CTraNode* FindPath(const CString* path, int n);
  int GetDepth() const;
  int CountNodes() const;
  int CountTranslatable() const;
  bool IsTranslatable() const;
  // Whether the node's texts are the names the library finds it by (root,
  // groups, menus, string-table sections) rather than texts a window shows.
  bool IsNameOnly() const;
  std::unique_ptr<CTraNode> Clone(CTraNode* newParent) const;
  CString Dump() const;

  // Texts, kind, state and layout.
  const CString& GetOriginal() const { return m_strOriginal; }
  void SetOriginal(const CString& original);
  const CString& GetTranslation() const { return m_strTranslation; }
  void SetTranslation(const CString& translation) { m_strTranslation = translation; }
  int GetKind() const { return m_nKind; }
  void SetKind(int kind) { m_nKind = kind; }
  int GetState() const { return m_nState; }
  void SetState(int state) { m_nState = state; }
  CTraLayout* GetLayout() { return m_pLayout.get(); }
  const CTraLayout* GetLayout() const { return m_pLayout.get(); }
  // Gives the node a layout, replaces it or (null) drops it.
  void SetLayout(std::unique_ptr<CTraLayout> layout) { m_pLayout = std::move(layout); }

  // The stamp of the tree this node is in, kept by its root: a new value
  // after every change of an original or of the set or order of children
  // anywhere in the tree, never the same for two trees. Translations,
  // states, kinds and layouts leave it.
  uint64_t GetTreeStamp() const;

  // Edit states over the subtree.
  void ResetStates();
  void MarkStatesNew();
  bool PropagateStates();

  // Stream record; a reading node must be empty (as made by CTraNode(parent)).
  void Serialize(CArchive& ar, int version);

  // Merging and markers (TraMerge.cpp, TestMarkers.cpp).
  bool Merge(const CTraNode* other);
  const CTraNode* FindBestMatch(const CTraNode* otherParent) const;
  int CompareChildren(const CTraNode* other, int& missingHere, int& missingThere) const;
  void TakeTranslations(const CTraNode* other, int depth);
  void MarkTestTexts(bool start, const CString& startMarker, bool end, const CString& endMarker);

 private:
  void SerializeAt(CArchive& ar, int version, int depth);
  // Room for needed children, in steps of ten.
  void ReserveChildren(int needed);
  // A new stamp for the root of this node's tree.
  void TreeChanged();

  CTraNode* m_pParent;
  std::vector<std::unique_ptr<CTraNode>> m_children;
  CString m_strOriginal;
  CString m_strTranslation;
  int m_nKind;
  std::unique_ptr<CTraLayout> m_pLayout;
  int m_nState;
  uint64_t m_nTreeStamp;  // read in the root only
};
