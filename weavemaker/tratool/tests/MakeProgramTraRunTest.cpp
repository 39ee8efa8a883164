// The tool as the build runs it: exit codes, messages and the depfile.
#include "ToolTestFiles.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace {

using namespace tratest;

struct ToolRun {
  int exitCode;
  std::string output;  // stdout and stderr
};

ToolRun RunTool(const std::string& arguments) {
  const std::string command = std::string("'" LW_MAKE_PROGRAM_TRA "' ") + arguments + " 2>&1";
  ToolRun run{-1, std::string()};
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  char buffer[512];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) run.output.append(buffer, n);
  const int status = pclose(pipe);
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

std::string ReadAll(const CString& path) {
  const std::vector<BYTE> bytes = lwtest::ReadFileBytes(path);
  return std::string(bytes.begin(), bytes.end());
}

class MakeProgramTraRun : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = lw::HostPath(Fresh("tool_run"));
    ASSERT_FALSE(m_dir.empty());
    if (m_dir.back() == '/') m_dir.pop_back();
    const CString dir = CString(m_dir.c_str());
    WriteText(dir + _T("/App.rc"),
              "#include \"Ids.h\"\nD DIALOG 0, 0, 10, 10\nCAPTION \"Hallo\"\nBEGIN\n"
              "  LTEXT \"Zeile\\tzwei\", 1, 0, 0, 5, 5\nEND\n");
    WriteText(dir + _T("/Ids.h"), "#define D 1\n");
    WriteText(dir + _T("/English.txt"), "Hallo\tHello\n");
  }

  std::string Arguments(const std::string& extra = std::string()) const {
    return "--rc '" + m_dir + "/App.rc' --table '" + m_dir + "/English.txt' --folder '" + m_dir +
           "' --original A.tra --english AEN.tra --program App --flags '" LW_FLAG_STRIP_BMP "' --depfile '" +
           m_dir + "/A.d'" + extra;
  }

  std::string m_dir;
};

TEST_F(MakeProgramTraRun, WritesBothFilesListsUntranslatedAndTheDependencies) {
  const ToolRun run = RunTool(Arguments());
  EXPECT_EQ(0, run.exitCode) << run.output;
  EXPECT_EQ("untranslated: Zeile\\tzwei\n", run.output);
  const CString dir = CString(m_dir.c_str());
  EXPECT_EQ(true, Exists(dir + _T("/A.tra")));
  EXPECT_EQ(true, Exists(dir + _T("/AEN.tra")));
  EXPECT_EQ(m_dir + "/A.tra: \\\n  " + m_dir + "/App.rc \\\n  " + m_dir + "/Ids.h \\\n  " + m_dir + "/English.txt\n",
            ReadAll(dir + _T("/A.d")));
}

TEST_F(MakeProgramTraRun, FailuresExitNonZeroWithTheirMessage) {
  const struct {
    const char* name;
    std::string table;
    std::string extra;
    int exitCode;
    std::string message;
  } cases[] = {
      {"bad table line", "# ok\nHallo\tHello\nkaputt\n", "", 1,
       "English.txt: line 3: has no tab between the original and the English text"},
      {"unknown option", "Hallo\tHello\n", " --colour red", 2, "usage: MakeProgramTra"},
      {"option without value", "Hallo\tHello\n", " --include", 2, "usage: MakeProgramTra"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const CString dir = CString(m_dir.c_str());
    WriteText(dir + _T("/English.txt"), c.table);
    const ToolRun run = RunTool(Arguments(c.extra));
    EXPECT_EQ(c.exitCode, run.exitCode);
    EXPECT_NE(std::string::npos, run.output.find(c.message)) << run.output;
    EXPECT_EQ(false, Exists(dir + _T("/A.tra")));
    EXPECT_EQ(false, Exists(dir + _T("/AEN.tra")));
  }
}

}  // namespace
