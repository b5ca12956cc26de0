// SPDX-License-Identifier: MIT
// The fonts of the 14- and 16-segment digits: every printable ASCII character, drawn by its
// segments' names (display.h). The 16-segment font is the 14-segment one with the top and
// bottom bars split in two halves that both light, and the inner bars renamed to their places
// (h j k l m n of 14 are h i j m l k of 16), with a few glyphs redrawn where the split bars
// draw them better.

#include <QHash>

#include <array>

#include "segment_codes/font.h"

namespace kelvarin::codes {

namespace {

struct AlphaGlyph {
    char character;
    const char* segments;
};

// clang-format off
// a top, b c right, d bottom, e f left, g1 g2 middle halves; h j k the upper diagonal, vertical
// and diagonal, l m n the lower ones, from left to right.
constexpr AlphaGlyph kFourteen[] = {
    {' ', ""},                   {'!', "b c dp"},             {'"', "f j"},
    {'#', "b c d g1 g2 j m"},    {'$', "a c d f g1 g2 j m"},  {'%', "c f g1 g2 j m k l"},
    {'&', "a d e g1 h j n"},     {'\'', "j"},                 {'(', "k n"},
    {')', "h l"},                {'*', "g1 g2 h j k l m n"},  {'+', "g1 g2 j m"},
    {',', "l"},                  {'-', "g1 g2"},              {'.', "dp"},
    {'/', "k l"},                {'0', "a b c d e f k l"},    {'1', "b c k"},
    {'2', "a b d e g1 g2"},      {'3', "a b c d g2"},         {'4', "b c f g1 g2"},
    {'5', "a d f g1 n"},         {'6', "a c d e f g1 g2"},    {'7', "a b c"},
    {'8', "a b c d e f g1 g2"},  {'9', "a b c d f g1 g2"},    {':', "j m"},
    {';', "j l"},                {'<', "g1 k n"},             {'=', "d g1 g2"},
    {'>', "g2 h l"},             {'?', "a b g2 m"},           {'@', "a b d e f g2 j"},
    {'A', "a b c e f g1 g2"},    {'B', "a b c d g2 j m"},     {'C', "a d e f"},
    {'D', "a b c d j m"},        {'E', "a d e f g1"},         {'F', "a e f g1"},
    {'G', "a c d e f g2"},       {'H', "b c e f g1 g2"},      {'I', "a d j m"},
    {'J', "b c d e"},            {'K', "e f g1 k n"},         {'L', "d e f"},
    {'M', "b c e f h k"},        {'N', "b c e f h n"},        {'O', "a b c d e f"},
    {'P', "a b e f g1 g2"},      {'Q', "a b c d e f n"},      {'R', "a b e f g1 g2 n"},
    {'S', "a c d g2 h"},         {'T', "a j m"},              {'U', "b c d e f"},
    {'V', "e f k l"},            {'W', "b c e f l n"},        {'X', "h k l n"},
    {'Y', "h k m"},              {'Z', "a d k l"},            {'[', "a d e f"},
    {'\\', "h n"},               {']', "a b c d"},            {'^', "l n"},
    {'_', "d"},                  {'`', "h"},                  {'a', "d e g1 m"},
    {'b', "d e f g1 n"},         {'c', "d e g1 g2"},          {'d', "b c d g2 l"},
    {'e', "d e g1 l"},           {'f', "g1 g2 k m"},          {'g', "a b c d f g1 g2"},
    {'h', "e f g1 m"},           {'i', "m"},                  {'j', "b c d"},
    {'k', "j k m n"},            {'l', "e f"},                {'m', "c e g1 g2 m"},
    {'n', "e g1 m"},             {'o', "c d e g1 g2"},        {'p', "a e f g1 k"},
    {'q', "a b c f g2 h"},       {'r', "e g1"},               {'s', "d g2 n"},
    {'t', "d e f g1"},           {'u', "c d e"},              {'v', "e l"},
    {'w', "c e l n"},            {'x', "h k l n"},            {'y', "b c d f g1 g2"},
    {'z', "d g1 l"},             {'{', "a d g1 h l"},         {'|', "j m"},
    {'}', "a d g2 k n"},         {'~', "g1 g2 h k"},
};

// The 16-segment glyphs drawn otherwise than the 14-segment ones give them: where a half bar
// alone draws the character.
constexpr AlphaGlyph kSixteenRedrawn[] = {
    {'a', "d2 e g1 l"},          {'c', "d2 e g1"},            {'e', "d2 e g1 m"},
    {'i', "l"},                  {'n', "e g1 l"},             {'o', "d2 e g1 l"},
    {'r', "e g1"},               {'u', "d2 e l"},             {'_', "d1 d2"},
    {'-', "g1 g2"},              {'j', "d2 e l i"},
};
// clang-format on

// The 16-segment names of the 14-segment ones.
QString sixteenNames(const char* fourteen) {
    static const QHash<QString, QString> renamed = {{"a", "a1 a2"}, {"d", "d1 d2"}, {"h", "h"},
                                                    {"j", "i"},     {"k", "j"},     {"l", "m"},
                                                    {"m", "l"},     {"n", "k"}};
    QStringList names;
    for (const QString& name : QString::fromLatin1(fourteen).split(u' ', Qt::SkipEmptyParts))
        names << renamed.value(name, name);
    return names.join(u' ');
}

// The patterns of the 95 printable characters, or -1 for a character without a glyph.
struct AlphaFont {
    std::array<qint64, 128> pattern{};
    explicit AlphaFont(DisplayKind kind) {
        pattern.fill(-1);
        for (const AlphaGlyph& g : kFourteen) {
            const QString names = kind == DisplayKind::Sixteen ? sixteenNames(g.segments)
                                                               : QString::fromLatin1(g.segments);
            pattern[static_cast<unsigned char>(g.character)] = *patternOfNames(kind, names);
        }
        if (kind != DisplayKind::Sixteen) return;
        for (const AlphaGlyph& g : kSixteenRedrawn)
            pattern[static_cast<unsigned char>(g.character)] =
                *patternOfNames(kind, QString::fromLatin1(g.segments));
    }
};

const AlphaFont& alphaFont(DisplayKind kind) {
    static const AlphaFont fourteen(DisplayKind::Fourteen);
    static const AlphaFont sixteen(DisplayKind::Sixteen);
    return kind == DisplayKind::Sixteen ? sixteen : fourteen;
}

}  // namespace

QString asciiCharacters() {
    QString all;
    for (char16_t c = 0x20; c < 0x7f; ++c)
        all += QChar(c);
    return all;
}

std::optional<quint32> glyphOf(QChar c, DisplayKind kind) {
    if (kind == DisplayKind::Seven) {
        const std::optional<quint8> g = glyphOf(c);
        return g ? std::optional<quint32>(*g) : std::nullopt;
    }
    if (c.unicode() >= 128) return std::nullopt;
    const qint64 p = alphaFont(kind).pattern[c.unicode()];
    if (p < 0) return std::nullopt;
    return static_cast<quint32>(p);
}

QString charactersShowing(quint32 pattern, DisplayKind kind) {
    const quint32 dp = 1u << decimalPointSegment(kind);
    if (kind == DisplayKind::Seven) return charactersShowing(static_cast<quint8>(pattern & ~dp));
    QString shown;
    for (const QChar c : asciiCharacters()) {
        const std::optional<quint32> g = glyphOf(c, kind);
        if (c != u' ' && c != u'.' && g && (*g & ~dp) == (pattern & ~dp) && (*g & ~dp) != 0)
            shown += c;
    }
    return shown;
}

}  // namespace kelvarin::codes
