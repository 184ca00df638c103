#include "metafile.h"
#include "test_window.h"

#include <gtest/gtest.h>

#include <limits.h>
#include <math.h>

using lumo::state;

namespace {

// "Windows" and four Japanese words: 7 single-byte and 7 double-byte characters.
const char demo_text[] = "Windows\x83\x76\x83\x8D\x83\x4F\x83\x89\x83\x80\x8C\xA9\x96\x7B";

class Text : public ::testing::Test {
protected:
    test::GraphicsWindow window{lumo::MODE_DRAWING};
};

void expect_size(SIZE size, int width, int height, const char *what)
{
    EXPECT_EQ(size.cx, width) << what;
    EXPECT_EQ(size.cy, height) << what;
}

} // namespace

TEST_F(Text, CellScalesInTheDefaultMapping)
{
    HDC dc = state.window_dc;
    expect_size(lumo::font_size(dc, 3.0, 10.0), 21, 150, "3 x 10");
    expect_size(lumo::font_size(dc, 0.5, 0.5), 3, 7, "0.5 x 0.5 truncates");
    expect_size(lumo::font_size(dc, 1.0, 1.0), 7, 15, "the base cell");
}

TEST_F(Text, ABadScaleOnEitherAxisGivesTheFallbackCell)
{
    HDC dc = state.window_dc;
    const double bad[] = {0.0, -1.0, NAN, -INFINITY};
    for (double scale : bad) {
        expect_size(lumo::font_size(dc, scale, 2.0), 7, 7, "bad width scale");
        expect_size(lumo::font_size(dc, 2.0, scale), 7, 7, "bad height scale");
    }
}

TEST_F(Text, HugeScalesSaturate)
{
    HDC dc = state.window_dc;
    expect_size(lumo::font_size(dc, 1e300, INFINITY), INT_MAX, INT_MAX, "huge");
}

TEST_F(Text, OtherMappingsScaleByCanvasOverExtent)
{
    HDC dc = state.window_dc;
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, 1280, 800, nullptr);
    SetViewportExtEx(dc, 640, 400, nullptr);
    // The cell is 14 x 30 logical units; canvas over extent halves both.
    expect_size(lumo::font_size(dc, 3.0, 10.0), 21, 150, "twice the logical units");

    SetWindowExtEx(dc, 1280, -800, nullptr);
    expect_size(lumo::font_size(dc, 3.0, 10.0), 21, -150, "a negative extent");
    SetMapMode(dc, MM_TEXT);
}

TEST_F(Text, LeavesBackgroundModeAndFontButSetsTheTextColour)
{
    HDC dc = state.window_dc;
    HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT);
    for (int mode : {OPAQUE, TRANSPARENT}) {
        SetBkMode(dc, mode);
        SetTextColor(dc, RGB(1, 2, 3));
        draw_text(10, 10, "lumo", 2, 1.0, 1.0);
        EXPECT_EQ(GetBkMode(dc), mode);
        EXPECT_EQ(GetTextColor(dc), RGB(255, 0, 0));
        EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
    }
}

TEST_F(Text, IsDrawnTransparentlyWithinItsArea)
{
    HDC dc = state.window_dc;
    RECT area = {0, 0, 640, 400};
    HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
    FillRect(dc, &area, blue);
    DeleteObject(blue);
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, RGB(0, 255, 0));

    draw_text(70, 100, demo_text, 7, 3.0, 10.0);
    int white = 0, green = 0;
    for (int y = 90; y < 270; y += 2)
        for (int x = 60; x < 640; x += 2) {
            const COLORREF c = GetPixel(dc, x, y);
            white += c == RGB(255, 255, 255);
            green += c == RGB(0, 255, 0);
            if (c == RGB(255, 255, 255) && (x < 70 || y < 100 || y >= 250)) {
                ADD_FAILURE() << "white outside the text at " << x << "," << y;
                return;
            }
        }
    EXPECT_GT(white, 1000);
    EXPECT_EQ(green, 0) << "no background is painted";
}

TEST_F(Text, NullAndEmptyTextDrawNothing)
{
    HDC dc = state.window_dc;
    draw_text(10, 10, nullptr, 7, 1.0, 1.0);
    draw_text(10, 10, "", 7, 1.0, 1.0);
    EXPECT_EQ(GetPixel(dc, 12, 15), RGB(0, 0, 0));
}

// Fails where no Shift_JIS font with Latin letters is in reach: the demo's
// bytes must read as 14 characters, every one of them with a glyph.
TEST_F(Text, TheMinchoRequestFindsAShiftJisFontWithEveryGlyph)
{
    HDC dc = state.window_dc;
    HFONT font = lumo::create_text_font({21, 150});
    HGDIOBJ old_font = SelectObject(dc, font);
    EXPECT_EQ(GetTextCharset(dc), SHIFTJIS_CHARSET);

    CHARSETINFO charset = {};
    ASSERT_TRUE(TranslateCharsetInfo(reinterpret_cast<DWORD *>(static_cast<UINT_PTR>(GetTextCharset(dc))),
                                     &charset, TCI_SRCCHARSET));
    EXPECT_EQ(charset.ciACP, 932u);
    wchar_t wide[32] = {};
    const int characters = MultiByteToWideChar(charset.ciACP, MB_ERR_INVALID_CHARS, demo_text, -1, wide, 32) - 1;
    EXPECT_EQ(characters, 14);
    EXPECT_EQ(wide[7], 0x30D7) << "\u30D7 (pu) after \"Windows\"";

    WORD glyphs[32] = {};
    ASSERT_EQ(GetGlyphIndicesW(dc, wide, characters, glyphs, GGI_MARK_NONEXISTING_GLYPHS),
              static_cast<DWORD>(characters));
    for (int i = 0; i < characters; ++i)
        EXPECT_NE(glyphs[i], 0xFFFF) << "no glyph for character " << i;

    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    EXPECT_EQ(metrics.tmHeight, 150);
    char face[LF_FACESIZE] = "";
    GetTextFaceA(dc, sizeof face, face);
    RecordProperty("face", face);
    SelectObject(dc, old_font);
    DeleteObject(font);
}

// The font request, recorded in a metafile: the arguments in their order,
// the background mode set and put back, the text passed as it is.
TEST(TextCalls, RequestsTheMinchoFontAndRestoresTheBackgroundMode)
{
    const auto calls = test::record_calls([] { draw_text(70, 100, demo_text, 7, 3.0, 10.0); });
    ASSERT_GE(calls.size(), 7u);
    std::vector<DWORD> types;
    for (const test::Record &r : calls)
        types.push_back(r.type);
    const std::vector<DWORD> expected_types = {EMR_EXTCREATEFONTINDIRECTW, EMR_SELECTOBJECT, EMR_SETBKMODE,
                                               EMR_SETTEXTCOLOR, EMR_EXTTEXTOUTW, EMR_SELECTOBJECT,
                                               EMR_DELETEOBJECT, EMR_SETBKMODE};
    EXPECT_EQ(types, expected_types);

    const LOGFONTW *font = reinterpret_cast<const LOGFONTW *>(&calls[0].params[1]);
    EXPECT_EQ(font->lfHeight, 150);
    EXPECT_EQ(font->lfWidth, 21);
    EXPECT_EQ(font->lfEscapement, 0);
    EXPECT_EQ(font->lfOrientation, 0);
    EXPECT_EQ(font->lfWeight, FW_MEDIUM);
    EXPECT_EQ(font->lfItalic + font->lfUnderline + font->lfStrikeOut, 0);
    EXPECT_EQ(font->lfCharSet, SHIFTJIS_CHARSET);
    EXPECT_EQ(font->lfOutPrecision, OUT_TT_PRECIS);
    EXPECT_EQ(font->lfClipPrecision, CLIP_TT_ALWAYS);
    EXPECT_EQ(font->lfQuality, PROOF_QUALITY);
    EXPECT_EQ(font->lfPitchAndFamily, VARIABLE_PITCH | FF_ROMAN);
    EXPECT_STREQ(font->lfFaceName, L"MSMINCHO");
    EXPECT_EQ(calls[2].params, std::vector<DWORD>{TRANSPARENT});
    EXPECT_EQ(calls[3].params, std::vector<DWORD>{0xFFFFFF});
    EXPECT_EQ(calls[7].params, std::vector<DWORD>{OPAQUE});
}

// A size beyond int cannot be drawn (Wine spins on some such requests): the
// font is still made and dropped and the colour set, but nothing is written.
TEST(TextCalls, ASaturatedSizeWritesNothing)
{
    for (double scale : {1e300, double(INFINITY)}) {
        const auto calls = test::record_calls([=] { draw_text(10, 10, "lumo", 2, scale, 1.0); });
        std::vector<DWORD> types;
        for (const test::Record &r : calls)
            types.push_back(r.type);
        const std::vector<DWORD> expected_types = {EMR_EXTCREATEFONTINDIRECTW, EMR_SELECTOBJECT, EMR_SETBKMODE,
                                                   EMR_SETTEXTCOLOR, EMR_SELECTOBJECT, EMR_DELETEOBJECT,
                                                   EMR_SETBKMODE};
        EXPECT_EQ(types, expected_types) << "scale " << scale;
    }
}
