// File names as the system writes them and as this platform opens them.
//
// Stored paths may use "\" as the separator (the settings files, the
// registry, names built as folder + "\Log\..."). Every function here accepts
// "\" and "/" alike; NormalisePath turns a stored path into the one to open
// ("/" only, no doubled separators). A drive part ("C:" or "\\server\share")
// has no meaning on this platform and is only recognised, never mapped.
#pragma once

#include <string>

namespace kw {

bool IsPathDelimiter(char c);  // "\" or "/"

// "\opt\kwt\\Log\x.log" -> "/opt/kwt/Log/x.log".
std::string NormalisePath(const std::string& path);

// "C:" of "C:\Inst\x", "\\server\share" of "\\server\share\x", else "".
std::string ExtractFileDrive(const std::string& path);
// Up to and including the last separator (or the drive's colon).
std::string ExtractFilePath(const std::string& path);
// After the last separator (or the drive's colon).
std::string ExtractFileName(const std::string& path);
// The extension of the name part with its dot (".ini"), or "".
std::string ExtractFileExt(const std::string& path);
// Replaces (or adds) the extension of the name part; ext includes the dot.
std::string ChangeFileExt(const std::string& path, const std::string& ext);

// Adds a separator when the path does not end in one: "/" when the path
// uses "/" and no "\", otherwise "\" (so "/opt/kwt" -> "/opt/kwt/" and
// "C:\Inst" -> "C:\Inst\"). An empty path gets the separator too.
std::string IncludeTrailingPathDelimiter(const std::string& path);
// Removes one trailing separator.
std::string ExcludeTrailingPathDelimiter(const std::string& path);

// Creates the folder with any missing parents; true when it exists after.
bool ForceDirectories(const std::string& folder);
// True for an existing file that is not a folder.
bool FileExists(const std::string& fileName);
bool DirectoryExists(const std::string& folder);

}  // namespace kw
