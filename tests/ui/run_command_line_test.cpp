// RunCommandLine and the Internet Explorer hand-off through a real
// CreateProcess: a small recorder stands in for the browser at its usual
// path, and another at C:\Program.exe, where an unquoted path with blanks
// would first be looked for.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "ui/browser_handoff.h"
#include "ui/desktop_services.h"
#include "ui/wide_text.h"

namespace taoci {
namespace {

const wchar_t kBrowser[] = L"C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE";
const wchar_t kBrowserBackup[] = L"C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE.taoci";
const wchar_t kTrap[] = L"C:\\Program.exe";

std::wstring BesideThisTest(const wchar_t* name) {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring path(self);
  path.resize(path.find_last_of(L"\\/") + 1);
  return path + name;
}

std::wstring ReadLog(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::wstring text;
  wchar_t buffer[1024];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof(buffer), &got, nullptr) && got > 0) {
    text.append(buffer, got / sizeof(wchar_t));
  }
  CloseHandle(file);
  return text;
}

class RunCommandLineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    log_ = std::wstring(temp) + L"taoci-command-lines-" + std::to_wstring(GetCurrentProcessId());
    DeleteFileW(log_.c_str());
    SetEnvironmentVariableW(L"TAOCI_COMMAND_LINE_LOG", log_.c_str());

    const std::wstring recorder = BesideThisTest(L"record_command_line.exe");
    moved_original_ = MoveFileExW(kBrowser, kBrowserBackup, MOVEFILE_REPLACE_EXISTING) != 0;
    CreateDirectoryW(L"C:\\Program Files\\Internet Explorer", nullptr);
    ASSERT_TRUE(CopyFileW(recorder.c_str(), kBrowser, FALSE));
    ASSERT_TRUE(CopyFileW(recorder.c_str(), kTrap, FALSE));
  }

  void TearDown() override {
    DeleteFileW(kTrap);
    DeleteFileW(kBrowser);
    if (moved_original_) MoveFileExW(kBrowserBackup, kBrowser, MOVEFILE_REPLACE_EXISTING);
    DeleteFileW(log_.c_str());
  }

  // The recorder runs on its own; wait for its two lines, within a bound.
  std::wstring WaitForLog() {
    for (int i = 0; i < 200; ++i) {
      const std::wstring text = ReadLog(log_);
      if (text.find(L'\n') != text.rfind(L'\n')) return text;
      Sleep(50);
    }
    return ReadLog(log_);
  }

  std::wstring log_;
  bool moved_original_ = false;
};

TEST_F(RunCommandLineTest, BrowserGetsTheQuotedLineAndProgramExeIsNeverStarted) {
  const ByteText address("http://s.example/search?q=bag&sort=sale-desc&tab=mall&s=88");
  ASSERT_TRUE(RunCommandLine(InternetExplorerCommandLine(address)));
  const std::wstring log = WaitForLog();

  const std::wstring expected_line =
      L"\"C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE\" "
      L"http://s.example/search?q=bag&sort=sale-desc&tab=mall&s=88";
  EXPECT_NE(log.find(expected_line), std::wstring::npos) << GbkFromWide(log).bytes();
  // Program paths compare without regard to case, as the file system does.
  std::wstring upper = log;
  CharUpperBuffW(upper.data(), static_cast<DWORD>(upper.size()));
  EXPECT_EQ(upper.find(L"C:\\PROGRAM.EXE\n"), std::wstring::npos);
  EXPECT_NE(upper.find(L"\\INTERNET EXPLORER\\IEXPLORE.EXE\n"), std::wstring::npos);
}

TEST_F(RunCommandLineTest, MissingProgramStartsNothing) {
  DeleteFileW(kBrowser);
  EXPECT_FALSE(RunCommandLine(InternetExplorerCommandLine("http://s.example/")));
  EXPECT_EQ(ReadLog(log_), std::wstring());
}

}  // namespace
}  // namespace taoci
