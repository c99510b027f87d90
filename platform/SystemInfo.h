// Facts about the machine and the session that the system asks the
// operating system for.
#pragma once

#include <string>

namespace kw {

// The temporary folder with its trailing "/": $TMPDIR when set and not
// empty, otherwise "/tmp/".
std::string TempFolder();

// The machine's name as the network knows it: the host name up to its first
// ".", in upper case, at most 15 characters.
std::string ComputerName();

// The name of the user the process runs for (the password database, else
// $USER or $LOGNAME); "" when none is known.
std::string LogonUserName();

// The operating-system version as "major.minor.build" (the kernel release,
// e.g. "6.1.0" for "6.1.0-13-amd64"); "" when it cannot be read.
std::string OsVersionText();

}  // namespace kw
