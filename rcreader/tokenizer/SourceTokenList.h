// All tokens of one or more scripts, read by index. A list is complete when
// its constructor returns; it grows only through Append, AppendFile and Add.
#pragma once

#include "BlockList.h"
#include "SourceTokenizer.h"
#include "TokenTexts.h"

#include <cstdint>
#include <vector>

class CSourceTokenList {
 public:
  CSourceTokenList() = default;
  // Tokenizes a whole file; throws CFileException when it cannot be read.
  explicit CSourceTokenList(LPCTSTR fileName);
  // Tokenizes a script held in memory.
  CSourceTokenList(LPCTSTR fileName, const BYTE* data, size_t size);
  // Takes every token a tokenizer gives (any variant of NextToken).
  explicit CSourceTokenList(CSourceTokenizer& tokenizer);
  virtual ~CSourceTokenList() = default;
  CSourceTokenList(const CSourceTokenList&) = delete;
  CSourceTokenList& operator=(const CSourceTokenList&) = delete;

  // The list grows as needed up to this many tokens; tokens beyond are
  // dropped and IsTruncated reports it.
  static constexpr int kMaxTokens = 20000000;

  int GetCount() const { return static_cast<int>(m_tokens.size()); }
  // A copy of the token; outside the list an empty token of kind kTokenEnd.
  CSourceToken GetToken(int index) const;
  // Text and kind without a copy; "" and kTokenEnd outside the list.
  const CString& GetText(int index) const {
    return InRange(index) ? m_texts.Get(static_cast<int>(m_tokens[Idx(index)].text)) : EmptyText();
  }
  int GetKind(int index) const { return InRange(index) ? static_cast<int>(m_tokens[Idx(index)].kind) : kTokenEnd; }
  int GetLine(int index) const { return InRange(index) ? PlaceOf(index).line : -1; }
  const CString& GetFileName(int index) const;
  bool IsText(int index, const TCHAR* text) const { return GetText(index) == text; }

  // "file (line): " and the tokens of the token's line with one neighbour
  // on each side, each followed by a blank; at most kContextReach tokens
  // on either side of the token.
  static constexpr int kContextReach = 40;
  CString GetErrorContext(int index) const;
  // Appends a copy of every token of other; other stays as it is.
  void Append(const CSourceTokenList& other);
  // Appends the tokens of other, which is left empty.
  void Append(CSourceTokenList&& other);
  // Tokenizes a whole file behind the tokens there are, with the same result
  // as Append of a list made from it, without the copy. Throws
  // CFileException, the list unchanged, when the file cannot be read. With
  // reuse, one file after another is read into the same memory. With
  // shownName, the tokens name the file so (as messages show it).
  void AppendFile(LPCTSTR fileName, ScriptBuffers* reuse = nullptr, LPCTSTR shownName = nullptr);
  // Kinds beyond kTokenOther are kept as kTokenOther.
  void Add(const CSourceToken& token);
  bool IsTruncated() const { return m_truncated; }

 protected:
  void ReadAll(CSourceTokenizer& tokenizer);

 private:
  // A token is its text and kind; where it stands is kept per run of
  // tokens on one line of one file (few per line), since only messages ask.
  struct Stored {
    uint32_t text : 29;  // id in m_texts
    uint32_t kind : 3;
  };
  struct Place {
    int first;  // the run's first token
    int line;
    int file;  // index into m_files
  };
  static_assert(kMaxTokens < (1 << 29), "a text id fits its field");
  // The place of a token in the list.
  const Place& PlaceOf(int index) const;
  // Notes that the token at index stands at line of file.
  void SetPlace(int index, int line, int file);
  bool InRange(int index) const { return index >= 0 && index < GetCount(); }
  static size_t Idx(int index) { return static_cast<size_t>(index); }
  static const CString& EmptyText();
  int FileIndex(const CString& name);
  // The id of a token's text: strings get their own, to be joined in place.
  int TextId(const CString& text, int kind);
  // False when the list is full and the token was dropped.
  bool Store(const CString& text, int kind, int line, int file);
  // Appends text to the string token before it when that token (or the one
  // before a line-continuing backslash) is a string read since first.
  bool JoinString(int first, const CString& text, int line);
  // Appends other's tokens with copies of their texts.
  void AppendCopies(const CSourceTokenList& other);

  CBlockList<Stored> m_tokens;  // grows without moving the tokens there are
  CBlockList<Place, 10> m_places;  // by first token, one per run
  CTokenTexts m_texts;
  std::vector<CString> m_files;
  bool m_truncated = false;
};
