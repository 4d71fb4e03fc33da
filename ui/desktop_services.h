// Handing addresses and command lines to the desktop. GUI thread.
#pragma once

#include "text/byte_text.h"

namespace taoci {

// Asks the shell to "open" the address with its default handler (normally
// the default browser). The shell's answer is not looked at.
void OpenAddress(const ByteText& address);

// Starts a program from a command line, waits at most a second for it to be
// ready for input and lets it go. Returns whether the process was created.
// A program path quoted at the start of the line is also named as the
// program, so a path with blanks can never start something else.
bool RunCommandLine(const ByteText& command_line);

}  // namespace taoci
