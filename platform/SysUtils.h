// The run-time helpers the system expects of its platform: text formatting
// with printf-like specifiers, number and date conversions, the process-wide
// format settings and a few text routines.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Variant.h"

namespace kw {

// Raised by Format when a specifier does not fit its argument, and by the
// Str-to-number and date conversions on bad input.
class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Process-wide format settings read by the date and number conversions.
struct TFormatSettings {
    std::string ShortDateFormat = "yyyy/mm/dd";
    std::string LongTimeFormat = "hh:nn:ss";
    char DateSeparator = '/';
    char TimeSeparator = ':';
    char DecimalSeparator = '.';
};
TFormatSettings& FormatSettings();

// Format("%s-%.2d", {...}). Specifiers: %s %d %u %x %X %f %e %g %n %%, with
// optional "-" (left-justify), width and precision ("*" takes an argument).
// %d with precision pads with zeros to that many digits. Raises EConvertError
// when a specifier does not fit its argument or an argument is missing.
std::string Format(const std::string& format, const std::vector<Variant>& args);

// Numbers.
std::string IntToStr(int64_t value);
std::string IntToHex(int64_t value, int digits);
int64_t StrToInt64(const std::string& text);            // raises EConvertError
int StrToInt(const std::string& text);                  // raises EConvertError
int StrToIntDef(const std::string& text, int fallback);
bool TryStrToInt(const std::string& text, int& value);
double StrToFloat(const std::string& text);             // raises EConvertError
bool TryStrToFloat(const std::string& text, double& value);
// The default float-to-text conversion: up to 15 significant digits, no
// trailing zeros, exponent form only for very large or small magnitudes.
std::string FloatToStr(double value);

// Dates: days since 30 December 1899, time of day as the fraction.
constexpr double MinDateTime = -693593.0;  // 0001-01-01
constexpr double MaxDateTime = 2958465.0;  // 9999-12-31
bool IsLeapYear(int year);
int DaysInAMonth(int year, int month);
bool IsValidDate(int year, int month, int day);
bool TryEncodeDate(int year, int month, int day, double& date);
double EncodeDate(int year, int month, int day);        // raises EConvertError
bool TryEncodeTime(int hour, int min, int sec, int msec, double& time);
double EncodeTime(int hour, int min, int sec, int msec); // raises EConvertError
void DecodeDate(double date, int& year, int& month, int& day);
void DecodeTime(double time, int& hour, int& min, int& sec, int& msec);
int DayOfWeek(double date);  // 1 = Sunday .. 7 = Saturday
double Now();
double Date();
double IncMonth(double date, int months);

// FormatDateTime with the platform's letters: yyyy yy m mm mmm d dd h hh
// n nn s ss z zzz, "/" and ":" (the separators of the settings), quoted
// literals, and "c" (short date + long time). Letters are case-insensitive.
std::string FormatDateTime(const std::string& format, double dateTime);
std::string DateToStr(double date);
std::string DateTimeToStr(double dateTime);
// Reads a date (and optional time) in the order of ShortDateFormat with the
// settings' separators. Raises EConvertError naming the text.
double StrToDateTime(const std::string& text);
bool TryStrToDateTime(const std::string& text, double& value);

// Text helpers (byte strings; case mapping touches ASCII letters only so that
// double-byte characters stay intact).
std::string Trim(const std::string& text);
std::string TrimLeft(const std::string& text);
std::string TrimRight(const std::string& text);
std::string UpperCase(const std::string& text);
std::string LowerCase(const std::string& text);
bool SameText(const std::string& a, const std::string& b);
int CompareText(const std::string& a, const std::string& b);
// Double-byte aware search in a text of the system code page: matches start
// only at character starts, so a delimiter never matches the second byte of
// a double-byte character. from must be a character start. npos for an
// empty needle or no match.
size_t AnsiPos(const std::string& text, const std::string& needle, size_t from = 0);
// Length in bytes (1 or 2) of the character that starts at pos; 0 at the end.
size_t AnsiCharLength(const std::string& text, size_t pos = 0);
std::string StringReplaceAll(const std::string& text, const std::string& from, const std::string& to);

}  // namespace kw
