// Alert logs: one plain-text file per log name and period in the "Log"
// folder of an install folder, one time-stamped line per event.
//
// Writing a line never shows anything and never raises: a line that cannot
// be written is lost and the writer answers false. Nothing is kept between
// calls; every call finds the folder, opens, writes and closes the file.
#pragma once

#include <exception>
#include <string>

namespace kw {

// ---- The three writers ----

// Base folder: registry "ClientPath", else "ServerPath" (read on every
// call), else the folder of the running executable. File: base + "\Log\Alert_"
// + logName + "_" + period stamp (+ ".log" unless logName contains a ".").
// Line: "[YYYY/MM/DD hh:nn:ss:zzz] " + text, with the date and time
// separators of the format settings.
bool WriteAlertLog(const std::string& logName, const std::string& text, const std::string& period);
// As WriteAlertLog, always under the folder of the running executable.
bool WriteDownloadLog(const std::string& logName, const std::string& text, const std::string& period);
// Base folder: registry "ClientPath", else "ServerPath", else the temporary
// folder (when at most 255 characters), else "/tmp/". File: base +
// "\Log\Alert_NorvexGenerator_" + today as YYYYMMDD + ".log". The time stamp
// is the date and time in the short date and long time formats.
bool WriteErrorLogLine(const std::string& text);

// Describes an error over several lines of WriteErrorLogLine: a header naming
// the location, the error's details when an error is given (database engine
// errors list their sub-errors; system and input/output errors give their
// code), and the programmer's message when it is not blank.
void WriteErrorReport(const std::exception* error, const std::string& location,
                      const std::string& programmerMessage);

// ---- Pieces of the writers ----

// The period stamp of a date: "D" -> YYYYMMDD, "M" -> YYYYMM, "Y" -> YYYY,
// any other period -> YYYYMMDD.
std::string LogPeriodStamp(const std::string& period, double date);
// base + "\Log\Alert_" + logName + "_" + stamp, then ".log" unless logName
// contains a ".".
std::string AlertLogFileName(const std::string& baseFolder, const std::string& logName,
                             const std::string& period, double date);
// "YYYY/MM/DD hh:nn:ss:zzz" with the separators of the format settings.
std::string AlertLogTimeStamp(double dateTime);
// The folder of the running executable, with its trailing separator.
std::string HostProgramFolder();
// Creates the file's folder when missing and appends "[" + timeStamp + "] " +
// text and a line break. False when the folder, the file or the write fails.
bool AppendLogLine(const std::string& fileName, const std::string& timeStamp, const std::string& text);

}  // namespace kw
