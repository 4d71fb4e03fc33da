// A stand-in browser for the tests: appends its own path and the command
// line it was started with to the file named by TAOCI_COMMAND_LINE_LOG.
#include <windows.h>

#include <cstdio>
#include <cwchar>

int wmain() {
  wchar_t log[MAX_PATH] = {};
  if (GetEnvironmentVariableW(L"TAOCI_COMMAND_LINE_LOG", log, MAX_PATH) == 0) return 1;
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  FILE* out = _wfopen(log, L"ab");
  if (out == nullptr) return 1;
  // UTF-16 lines: program, then command line.
  std::fwprintf(out, L"%ls\n%ls\n", self, GetCommandLineW());
  std::fclose(out);
  return 0;
}
