// Code pages: the system ANSI code page and conversions between wide text
// (UTF-16) and byte strings in the code pages the system uses (936, 950,
// 437), plus UTF-8 for sources and the screen. Backed by iconv.
#pragma once

#include <string>

namespace kw {

inline constexpr int CP_GBK = 936;
inline constexpr int CP_BIG5 = 950;
inline constexpr int CP_US = 437;
inline constexpr int CP_UTF8 = 65001;

// The design code page: texts written in the sources (UTF-8) become this
// code page when loaded into forms.
inline constexpr int CP_DESIGN = CP_GBK;

// The system ANSI code page: KWT_ACP ("936", "950" or "437"), default 936.
int SystemCodePage();
// SystemCodePage() as text ("936").
std::string SystemCodePageText();
// Overrides the system code page for this process (tests, the shell's options).
void SetSystemCodePage(int codePage);

// Code page of a font character set: 134 (GB2312) -> 936, 136 (Big5) -> 950,
// anything else -> the system code page.
int CodePageOfCharset(int charset);

// Conversions. Code page 0 means the system code page. Characters that the
// target cannot represent become "?"; invalid input bytes are skipped with a
// "?" in their place. The Try forms answer false instead, leaving out alone.
std::u16string MultiByteToWide(const std::string& bytes, int codePage);
std::string WideToMultiByte(const std::u16string& wide, int codePage);
bool TryMultiByteToWide(const std::string& bytes, int codePage, std::u16string& out);
bool TryWideToMultiByte(const std::u16string& wide, int codePage, std::string& out);

// Between UTF-8 and a code page.
std::string Utf8ToCodePage(const std::string& utf8, int codePage);
std::string CodePageToUtf8(const std::string& bytes, int codePage);
// A design text (UTF-8 in the sources) in the design code page.
inline std::string DesignText(const std::string& utf8) { return Utf8ToCodePage(utf8, CP_DESIGN); }

std::u16string Utf8ToWide(const std::string& utf8);
std::string WideToUtf8(const std::u16string& wide);

}  // namespace kw
