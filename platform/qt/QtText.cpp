#include "platform/qt/QtText.h"

#include <QFontDatabase>
#include <algorithm>
#include <unordered_map>

#include "platform/CodePage.h"
#include "platform/HeadlessBackend.h"

namespace kw {

QString DecodeText(const std::string& bytes, int codePage) {
    if (bytes.empty()) return {};
    std::u16string wide = MultiByteToWide(bytes, codePage);
    return QString::fromUtf16(wide.data(), static_cast<qsizetype>(wide.size()));
}

std::string EncodeText(const QString& text, int codePage) {
    if (text.isEmpty()) return {};
    std::u16string wide(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<size_t>(text.size()));
    return WideToMultiByte(wide, codePage);
}

namespace {
bool IsDoubleByteCodePage(int codePage) {
    if (codePage == 0) codePage = SystemCodePage();
    return codePage == CP_GBK || codePage == CP_BIG5;
}

// The byte position where the character that holds Pos starts.
int CharacterStart(const std::string& bytes, int pos, int codePage) {
    pos = std::clamp(pos, 0, static_cast<int>(bytes.size()));
    if (!IsDoubleByteCodePage(codePage)) return pos;
    int i = 0;
    while (i < pos) {
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        const int width = (c >= 0x81 && c <= 0xFE && i + 1 < static_cast<int>(bytes.size())) ? 2 : 1;
        if (i + width > pos) break;
        i += width;
    }
    return i;
}
}  // namespace

int CharPosOfBytePos(const std::string& bytes, int bytePos, int codePage) {
    const int start = CharacterStart(bytes, bytePos, codePage);
    return static_cast<int>(DecodeText(bytes.substr(0, start), codePage).size());
}

int BytePosOfCharPos(const std::string& bytes, int charPos, int codePage) {
    const QString text = DecodeText(bytes, codePage);
    charPos = std::clamp(charPos, 0, static_cast<int>(text.size()));
    return static_cast<int>(EncodeText(text.left(charPos), codePage).size());
}

namespace {
// The Chinese system fonts of the platform the forms were designed on.
bool IsChineseSystemFont(const QString& name) {
    static const QStringList names = {
        "SimSun", "NSimSun", QString::fromUtf8("宋体"), QString::fromUtf8("新宋体"), "SimHei",
        QString::fromUtf8("黑体"), "MingLiU", "PMingLiU", QString::fromUtf8("細明體"), QString::fromUtf8("新細明體"),
        QString::fromUtf8("细明体"), QString::fromUtf8("新细明体"), "Microsoft YaHei", QString::fromUtf8("微软雅黑"),
        "Microsoft JhengHei", QString::fromUtf8("微軟正黑體"), "KaiTi", QString::fromUtf8("楷体"), "FangSong",
        QString::fromUtf8("仿宋")};
    return names.contains(name.trimmed(), Qt::CaseInsensitive);
}
}  // namespace

QString FontFamilyFor(const TFont& font) {
    QString name = FontText(font.Name(), font);
    // Form texts hold font names in the design code page whatever the charset.
    if (name.contains(QChar(0xFFFD)) || name.contains('?')) name = DecodeText(font.Name(), CP_DESIGN);
    if (name.isEmpty() || IsChineseSystemFont(name) || !QFontDatabase::hasFamily(name))
        return QString::fromLatin1(CjkFontFamily);
    return name;
}

QFont QtFont(const TFont& font) {
    static std::unordered_map<std::string, QFont> cache;
    std::string key = font.Name();
    key += '|' + std::to_string(font.Height()) + '|' + std::to_string(font.Style()) + '|' +
           std::to_string(font.Charset()) + '|' + std::to_string(static_cast<int>(font.Pitch()));
    if (auto it = cache.find(key); it != cache.end()) return it->second;
    QFont q(FontFamilyFor(font));
    int pixels = font.Height() < 0 ? -font.Height() : font.Height();
    q.setPixelSize(pixels > 0 ? pixels : 12);
    const TFontStyles style = font.Style();
    q.setBold(style & (1u << fsBold));
    q.setItalic(style & (1u << fsItalic));
    q.setUnderline(style & (1u << fsUnderline));
    q.setStrikeOut(style & (1u << fsStrikeOut));
    if (font.Pitch() == fpFixed) q.setFixedPitch(true);
    cache.emplace(std::move(key), q);
    return q;
}

int ClassicSystemColor(int index) {
    // The headless backend keeps the platform's classic colour scheme.
    static THeadlessBackend classic;
    return classic.SystemColor(index);
}

QColor QtColor(TColor color) {
    if (color == clNone || color == clDefault) return QColor(Qt::transparent);
    const TColor rgb = color < 0 ? ClassicSystemColor(color & 0xFF) : color;
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

}  // namespace kw
