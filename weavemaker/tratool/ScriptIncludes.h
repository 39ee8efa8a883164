// The files a program's resource script pulls in through "#include", as
// the resource compiler would find them: quoted names beside the including
// file, then in the given folders; names in angle brackets only in the given
// folders (the system's headers are not looked for). Only reads the lines;
// knows nothing of #if or #define.
#pragma once

#include "Framework.h"

#include <vector>

struct ScriptIncludes {
  // The script itself first, then every included file that is not a
  // header (.h, .hh, .hpp, .hxx), in the order they are first included:
  // the scripts the scan reads.
  std::vector<CString> scripts;
  // Every file read, headers too: what the language files depend on.
  std::vector<CString> files;
  // Quoted names found nowhere (for instance the system's "winres.h").
  // Angle-bracket names found nowhere are the system's and not listed.
  std::vector<CString> notFound;
};

// False when the script or an included file that was found cannot be
// read, or includes nest deeper than 32; error names the file.
bool CollectScriptIncludes(const CString& script, const std::vector<CString>& folders, ScriptIncludes& out,
                           CString& error);

// A path with forward slashes and without "." and "name/.." parts, so
// that one file has one name.
CString NormalizeScriptPath(const CString& path);

// Whether the file is a header (.h, .hh, .hpp, .hxx) rather than a script.
bool IsHeaderName(const CString& path);

// name in folder, with one separator between them.
CString JoinScriptPath(const CString& folder, const CString& name);

// The names of the #include lines of a script's text, in order, with
// whether each was quoted.
struct IncludeLine {
  CString name;
  bool quoted;
};
std::vector<IncludeLine> FindIncludeLines(const CString& text);
