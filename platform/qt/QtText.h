// What the desktop shows of the class library's texts, fonts and colours:
// byte texts decoded by a font's character set, fonts mapped onto the fonts
// installed here (the Chinese system fonts and any missing font become the
// CJK font), colours as Qt colours.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <string>

#include "platform/Graphics.h"

namespace kw {

// The installed font that shows Chinese texts.
inline constexpr const char* CjkFontFamily = "WenQuanYi Micro Hei";

// Bytes in a code page to the screen's text and back (0 = system code page).
QString DecodeText(const std::string& bytes, int codePage);
std::string EncodeText(const QString& text, int codePage);
// The same by the character set of a font.
inline QString FontText(const std::string& bytes, const TFont& font) { return DecodeText(bytes, font.CodePage()); }
inline std::string FontBytes(const QString& text, const TFont& font) { return EncodeText(text, font.CodePage()); }

// Positions in a byte text and in its decoded text (UTF-16 units). A byte
// position inside a double-byte character counts as the character's start.
int CharPosOfBytePos(const std::string& bytes, int bytePos, int codePage);
int BytePosOfCharPos(const std::string& bytes, int charPos, int codePage);

// The installed family that shows a font name (bytes in the font's code page).
QString FontFamilyFor(const TFont& font);
// The Qt font of a class-library font (cached by its properties).
QFont QtFont(const TFont& font);

// An RGB or system colour.
QColor QtColor(TColor color);
// The classic RGB values of the system colours (0 .. 24).
int ClassicSystemColor(int index);

}  // namespace kw
