// Tokenizer and declaration parsers over arbitrary bytes: no crash, no hang,
// and every parse stays inside the token list and moves forward.
#include "ClassDeclNode.h"
#include "CppTokenList.h"
#include "IncludeNode.h"
#include "ProjectAnalyser.h"

#include <cstdint>

namespace {

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

template <class Node>
void ParseAt(CCppTokenList& tokens, int start, int end) {
  Node node;
  int pos = start;
  node.Parse(&tokens, &pos, end);
  Check(pos >= start && pos <= end);
  (void)node.GetText();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CCppTokenList tokens(_T("fuzz.h"), data, size);
  int count = tokens.GetCount();
  for (int i = 0; i < count; ++i) Check(tokens.GetTokenPtr(i)->GetCode() >= 0 && tokens.GetTokenPtr(i)->GetCode() <= 23);

  CProjectAnalyser analyser;
  analyser.CollectClasses(tokens);
  analyser.CollectIncludes(tokens);
  analyser.ResolveBaseClasses();
  analyser.MatchFixTable();
  analyser.FindExternHeaders();
  for (POSITION p = analyser.GetProjectClasses().GetHeadPosition(); p;)
    (void)analyser.GetProjectClasses().Next<CClassDeclNode>(p)->GetText();

  // Every parser from the first tokens, also with an end short of the list.
  for (int start = 0; start < count && start < 8; ++start) {
    for (int end : {count, count - 1, start + 1}) {
      if (end < start) continue;
      ParseAt<CClassDeclNode>(tokens, start, end);
      ParseAt<CMemberListNode>(tokens, start, end);
      ParseAt<CIncludeNode>(tokens, start, end);
      ParseAt<CBaseSpecList>(tokens, start, end);
      CMemberNode member(kAccessPublic);
      int pos = start;
      member.Parse(&tokens, &pos, end);
      Check(pos >= start && pos <= end);
      CParamListNode params;
      params.ParseRange(&tokens, start, end);
      CTypeNode type;
      type.ParseRange(&tokens, start, end);
    }
  }
  return 0;
}
