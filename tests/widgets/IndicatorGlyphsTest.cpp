#include "IndicatorGlyphs.h"

#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <string>
#include <vector>

using namespace twinsweep;

namespace {

using Polygon = std::vector<TPoint>;

std::vector<Polygon> Polygons(const PolygonSet& set) {
    std::vector<Polygon> polygons;
    auto next = set.Points.begin();
    for (std::int32_t count : set.Counts) {
        polygons.emplace_back(next, next + count);
        next += count;
    }
    EXPECT_EQ(next, set.Points.end());
    return polygons;
}

struct Glyph {
    std::vector<Polygon> lit, unlit;
};

Glyph Build(GlyphOptions options, TRect cell, char character, bool decimalPoint = false) {
    PolygonSet lit, unlit;
    BuildGlyph(options, cell, character, decimalPoint, lit, unlit);
    return {Polygons(lit), Polygons(unlit)};
}

Polygon Moved(Polygon polygon, int dx, int dy) {
    for (TPoint& p : polygon)
        p = {p.X + dx, p.Y + dy};
    return polygon;
}

// Bars 1-7 of the segment kinds, as printed in the design table.
const char* const kBarTable = R"(
- 0000001  0 1111110  1 0001100  2 1011011  3 0011111  4 0101101  5 0110111  6 1110111
7 0011100  8 1111111  9 0111111  A 1111101  C 1110010  E 1110011  F 1110001  G 1110110
H 1101101  J 1001110  L 1100010  O 1111110  P 1111001  U 1101110  Y 0101111  _ 0000010
b 1100111  c 1000011  d 1001111  h 1100101  i 1000000  j 0000110  l 1100000  n 1000101
o 1000111  r 1000001  t 1100011  u 1000110)";

// Matrix glyphs: code, then rows 1-7 in hexadecimal.
const char* const kMatrixTable = R"(
33 06 06 06 06 00 06 06  34 0A 14 00 00 00 00 00  35 00 0A 1F 0A 1F 0A 00
36 0E 15 14 0E 05 15 0E  37 18 19 02 04 08 13 03  38 06 09 12 0C 0D 12 0D
39 0C 18 00 00 00 00 00  40 04 08 08 08 08 08 04  41 04 02 02 02 02 02 04
42 00 15 0E 1F 0E 15 00  43 00 00 04 0E 04 00 00  44 00 00 00 00 06 06 02
45 00 00 00 0E 00 00 00  46 00 00 00 00 00 06 06  47 00 01 02 04 08 10 00
48 0E 11 11 11 11 11 0E  49 02 06 02 02 02 02 07  50 0E 11 01 02 04 08 1F
51 0E 11 01 06 01 11 0E  52 11 11 11 0F 01 01 01  53 1F 10 10 1E 01 11 0E
54 0E 11 10 1E 11 11 0E  55 1F 01 01 02 02 02 02  56 0E 11 11 0E 11 11 0E
57 0E 11 11 0F 01 11 0E  58 00 06 06 00 06 06 00  59 00 06 06 00 06 06 02
60 02 04 08 10 08 04 02  61 00 00 0E 00 0E 00 00  62 08 04 02 01 02 04 08
63 0E 11 01 02 00 06 06  64 0E 13 15 17 10 11 0E  65 0E 11 11 1F 11 11 11
66 1E 11 11 1E 11 11 1E  67 0E 11 10 10 10 11 0E  68 1E 11 11 11 11 11 1E
69 1F 10 10 1E 10 10 1F  70 1F 10 10 1E 10 10 10  71 0E 11 10 10 13 11 0E
72 11 11 11 1F 11 11 11  73 0E 04 04 04 04 04 0E  74 03 01 01 01 01 11 0E
75 11 12 14 18 14 12 11  76 10 10 10 10 10 10 1F  77 11 1B 15 15 11 11 11
78 11 19 19 15 17 13 11  79 0E 11 11 11 11 11 0E  80 0E 11 11 1E 10 10 10
81 0E 11 11 11 15 13 0F  82 1E 11 11 1E 14 12 11  83 0E 11 10 0E 01 11 0E
84 1F 04 04 04 04 04 04  85 11 11 11 11 11 11 0E  86 11 11 11 11 11 0A 04
87 11 11 11 11 15 15 0A  88 11 0A 0E 04 0E 0A 11  89 11 0A 04 04 04 04 0E
90 1F 01 02 04 08 10 1F  91 1C 10 10 10 10 10 1C  92 00 10 08 04 02 01 00
93 07 01 01 01 01 01 07  94 04 0A 00 00 00 00 00  95 00 00 00 00 00 00 1F
97 00 00 0E 01 0F 11 0F  98 10 10 1E 11 11 11 1E  99 00 00 0E 11 10 11 0E
100 01 01 0F 11 11 11 0F  101 00 00 0E 11 1E 10 0F  102 00 00 0E 10 1C 10 10
103 00 00 0E 11 0F 01 06  104 10 10 10 1E 11 11 11  105 00 04 00 04 04 04 0E
106 00 02 00 02 02 02 0C  107 10 10 12 14 18 14 12  108 00 04 0C 04 04 04 0E
109 00 00 0A 15 15 15 15  110 00 00 1E 11 11 11 11  111 00 00 0E 11 11 11 0E
112 00 00 1E 11 1E 10 10  113 00 00 0F 11 0F 01 01  114 00 00 0E 11 10 10 10
115 00 00 0F 10 0E 01 1E  116 10 10 1C 10 10 11 0E  117 00 00 11 11 11 13 0D
118 00 00 11 11 11 0A 04  119 00 00 11 15 15 15 0A  120 00 00 11 0A 04 0A 11
121 00 00 11 11 0F 01 06  122 00 00 1F 02 04 08 1F  123 06 08 08 10 08 08 06
124 04 04 04 04 04 04 04  125 0C 02 02 01 02 02 0C  126 0A 14 00 00 00 00 00)";

} // namespace

TEST(GlyphPatterns, SegmentKindsFollowTheBarTable) {
    std::map<int, std::string> bars;
    std::istringstream table(kBarTable);
    for (std::string character, pattern; table >> character >> pattern;)
        bars[static_cast<unsigned char>(character[0])] = pattern;
    ASSERT_EQ(bars.size(), 36u);

    for (int code = 0; code < 256; ++code) {
        for (bool point : {false, true}) {
            const bool known = bars.count(code) > 0;
            std::string seven = known ? bars[code] : "0000000";
            std::string nine = seven + (code == ':' ? "11" : "00");
            seven += point ? "1" : "0";
            nine += point ? "1" : "0";
            if (code == '.' || code == ',') {
                seven = "00000001";
                nine = "0000000001";
            }
            SCOPED_TRACE(code);
            EXPECT_EQ(GlyphPattern(ik7segment, code, point).Text(), seven);
            EXPECT_EQ(GlyphPattern(ik9segment, code, point).Text(), nine);
        }
    }
}

TEST(GlyphPatterns, MatrixFollowsTheGlyphTable) {
    std::map<int, std::string> glyphs;
    std::istringstream table(kMatrixTable);
    for (int code; table >> std::dec >> code;) {
        for (int row = 0, bits; row < 7 && table >> std::hex >> bits; ++row)
            for (int mask = 16; mask > 0; mask >>= 1)
                glyphs[code] += bits & mask ? '1' : '0';
    }
    ASSERT_EQ(glyphs.size(), 93u);

    for (int code = 0; code < 256; ++code) {
        const std::string expected = glyphs.count(code) ? glyphs[code] : std::string(35, '0');
        SCOPED_TRACE(code);
        EXPECT_EQ(GlyphPattern(ik5x7matrix, code, false).Text(), expected);
        EXPECT_EQ(GlyphPattern(ik5x7matrix, code, true).Text(), expected);
    }
}

// 16 x 24 at (10, 20): u = 2, v = 3, t = 16/6 raised to 3, h = 1.5.
TEST(IndicatorGlyphs, EightWithPointInASmallCell) {
    const Glyph glyph = Build({ik7segment, isNormal, false}, {10, 20, 26, 44}, '8', true);
    const std::vector<Polygon> local = {
        {{2, 21}, {0, 18}, {1, 13}, {3, 12}, {4, 13}, {3, 18}},       // lower-left
        {{3, 11}, {1, 9}, {2, 4}, {4, 1}, {5, 4}, {4, 9}},            // upper-left
        {{5, 1}, {6, 1}, {10, 1}, {12, 1}, {10, 4}, {6, 4}},          // top
        {{13, 1}, {14, 4}, {13, 9}, {12, 11}, {10, 9}, {11, 4}},      // upper-right
        {{12, 12}, {13, 13}, {12, 18}, {11, 21}, {9, 18}, {10, 13}},  // lower-right
        {{3, 22}, {4, 19}, {8, 19}, {10, 22}, {8, 22}, {4, 22}},      // bottom
        {{4, 12}, {5, 10}, {9, 10}, {11, 12}, {9, 13}, {5, 13}},      // middle
        {{12, 21}, {13, 19}, {14, 19}, {15, 21}, {14, 22}, {13, 22}}, // decimal point
    };
    ASSERT_EQ(glyph.lit.size(), local.size());
    for (std::size_t i = 0; i < local.size(); ++i)
        EXPECT_EQ(glyph.lit[i], Moved(local[i], 10, 20)) << "element " << i + 1;
    EXPECT_TRUE(glyph.unlit.empty());
}

TEST(IndicatorGlyphs, ColonDotsAndHoverThickness) {
    // Same cell; a = t/3 = 1, b = 2t/3 = 2. Unraised t = 2.67 would put the upper dot's
    // right corners at x = 8.
    const Glyph colon = Build({ik9segment, isNormal, false}, {0, 0, 16, 24}, ':', true);
    ASSERT_EQ(colon.lit.size(), 3u);
    EXPECT_EQ(colon.lit[0], Polygon({{7, 9}, {6, 7}, {7, 5}, {9, 5}, {10, 7}, {9, 9}}));
    EXPECT_EQ(colon.lit[1], Polygon({{6, 18}, {5, 16}, {6, 14}, {8, 14}, {9, 16}, {8, 18}}));
    EXPECT_EQ(colon.unlit.size(), 7u);

    // Hovered: t = 16/5 = 3.2, so the point reaches x = 15 at 5t/4.
    const Glyph point = Build({ik7segment, isNormal, true}, {0, 0, 16, 24}, ',');
    ASSERT_EQ(point.lit.size(), 1u);
    EXPECT_EQ(point.lit[0], Polygon({{12, 21}, {13, 19}, {15, 19}, {15, 21}, {15, 22}, {13, 22}}));
    EXPECT_EQ(point.unlit.size(), 7u);
}

// 40 x 64: u = 5, v = 8, t = 40/5 = 8, h = 4. '1' lights bars 4 and 5.
TEST(IndicatorGlyphs, ThickOne) {
    const Glyph one = Build({ik7segment, isThick, false}, {0, 0, 40, 64}, '1');
    ASSERT_EQ(one.lit.size(), 2u);
    EXPECT_EQ(one.lit[0], Polygon({{32, 4}, {36, 12}, {34, 27}, {30, 31}, {26, 27}, {28, 12}}));
    EXPECT_EQ(one.lit[1], Polygon({{30, 32}, {34, 36}, {31, 51}, {27, 59}, {23, 51}, {26, 36}}));
    EXPECT_EQ(one.unlit.size(), 6u);
}

TEST(IndicatorGlyphs, MatrixDots) {
    // 10 x 14 at (3, 4): k = 1, dx = 1.6, dy = 2; thin dots raised to 1.5, so 1 x 1.
    const Glyph line = Build({ik5x7matrix, isThin, false}, {3, 4, 13, 18}, '_');
    ASSERT_EQ(line.lit.size(), 5u);
    const int columns[] = {1, 2, 4, 5, 7};
    for (int c = 0; c < 5; ++c) {
        const int x = 3 + columns[c], y = 4 + 12;
        EXPECT_EQ(line.lit[c], Polygon({{x, y}, {x + 1, y}, {x + 1, y + 1}, {x, y + 1}}));
    }
    EXPECT_EQ(line.unlit.size(), 30u);

    // 40 x 70: k = 3, dx = 6.8, dy = 10; row 3, column 5 starts at (30, 20). Thick dots
    // are 5.8 x 9, hovered 4.1 x 6.5.
    const Glyph plain = Build({ik5x7matrix, isThick, false}, {0, 0, 40, 70}, ' ');
    const Glyph hovered = Build({ik5x7matrix, isThick, true}, {0, 0, 40, 70}, ' ');
    ASSERT_EQ(plain.unlit.size(), 35u);
    ASSERT_EQ(hovered.unlit.size(), 35u);
    EXPECT_EQ(plain.unlit[14], Polygon({{30, 20}, {35, 20}, {35, 29}, {30, 29}}));
    EXPECT_EQ(hovered.unlit[14], Polygon({{30, 20}, {34, 20}, {34, 26}, {30, 26}}));
}

// Bytes without a shape and cells from empty to huge, built into the same two sets.
TEST(IndicatorGlyphs, AnyByteAnySize) {
    PolygonSet lit, unlit;
    auto check = [&](GlyphOptions options, int size, char character) {
        SCOPED_TRACE(testing::Message()
                     << options.IndicatorKind << options.IndicatorStyle << options.HoverWidth << " "
                     << size << " " << int(static_cast<unsigned char>(character)));
        BuildGlyph(options, {5, 7, 5 + size, 7 + size}, character, false, lit, unlit);
        const int elements = ElementCount(options.IndicatorKind);
        const int corners = options.IndicatorKind == ik5x7matrix ? 4 : 6;
        EXPECT_EQ(lit.Empty(), character != '8');
        EXPECT_EQ(lit.PolygonCount() + unlit.PolygonCount(), elements);
        EXPECT_EQ(lit.Points.size() + unlit.Points.size(), std::size_t(elements * corners));
        for (const PolygonSet* set : {&lit, &unlit})
            for (TPoint p : set->Points) {
                EXPECT_GE(std::min(p.X - 5, p.Y - 7), -size - 8);
                EXPECT_LE(std::max(p.X - 5, p.Y - 7), 2 * size + 8);
            }
    };
    for (TZvIndicatorKind kind : {ik7segment, ik9segment, ik5x7matrix})
        for (TZvIndicatorStyle style : {isThin, isNormal, isThick})
            for (bool hover : {false, true})
                for (int size : {0, 1, 100000})
                    for (char character : {'\0', static_cast<char>(200), '8'})
                        check({kind, style, hover}, size, character);
}
