#include "ui/desktop_services.h"

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "ui/wide_text.h"

namespace taoci {

void OpenAddress(const ByteText& address) {
  // The wide call with the 936 conversion, so that an address with GBK bytes
  // opens the same on a Windows of any language.
  const std::wstring wide = WideFromGbk(address);
  ShellExecuteW(nullptr, L"open", wide.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

namespace {

// The program a command line names in double quotes at its start, or empty.
// Naming it to CreateProcess as well leaves nothing to the system's search
// through the blanks of an unquoted path.
std::wstring QuotedProgram(const std::wstring& line) {
  if (line.size() < 2 || line.front() != L'"') return {};
  const std::size_t close = line.find(L'"', 1);
  if (close == std::wstring::npos) return {};
  return line.substr(1, close - 1);
}

}  // namespace

bool RunCommandLine(const ByteText& command_line) {
  // CreateProcessW may write into the command line, so it gets its own copy.
  std::wstring line = WideFromGbk(command_line);
  const std::wstring program = QuotedProgram(line);
  line.push_back(L'\0');
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(program.empty() ? nullptr : program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return false;
  }
  WaitForInputIdle(process.hProcess, 1000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

}  // namespace taoci
