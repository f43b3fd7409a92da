// Font objects and their selection into device contexts, as GDI keeps them.
#include "platform/font/font_layer.h"
#include "platform/win32.h"

#include "scene_test.h"

#include <gtest/gtest.h>

namespace {

HFONT make_font(int height = -24, int weight = FW_BOLD, DWORD italic = FALSE,
                const char *face = "Courier New") {
    return CreateFontA(height, 0, 0, 0, weight, italic, FALSE, FALSE, ANSI_CHARSET, OUT_TT_PRECIS,
                       CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, FF_DONTCARE | DEFAULT_PITCH, face);
}

// Each test works on DCs of its own and leaves them as a fresh DC is.
struct Dc {
    HDC hdc;
    explicit Dc(int which) : hdc(test_dc(which)) {}
    ~Dc() { zelmvik_font_release_dc(hdc); }
};

} // namespace

TEST(FontObjects, SelectReturnsThePreviousFontStartingWithTheStockFont) {
    Dc dc(1), other(2);
    HFONT a = make_font(), b = make_font(-12);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);

    HGDIOBJ stock = SelectObject(dc.hdc, a);
    ASSERT_NE(stock, nullptr);
    EXPECT_NE(stock, a);
    EXPECT_EQ(SelectObject(dc.hdc, b), a);
    EXPECT_EQ(SelectObject(dc.hdc, stock), b);
    EXPECT_EQ(SelectObject(dc.hdc, stock), stock);
    // One stock font for every DC, and a selection is per DC.
    EXPECT_EQ(SelectObject(other.hdc, a), stock);
    EXPECT_EQ(SelectObject(dc.hdc, b), stock);

    SelectObject(other.hdc, stock);
    SelectObject(dc.hdc, stock);
    EXPECT_TRUE(DeleteObject(a));
    EXPECT_TRUE(DeleteObject(b));
}

TEST(FontObjects, SelectRefusesNullAndUnknownObjectsAndKeepsTheSelection) {
    Dc dc(1);
    HFONT a = make_font();
    int not_a_font = 0;
    HGDIOBJ stock = SelectObject(dc.hdc, a);

    EXPECT_EQ(SelectObject(NULL, a), nullptr);
    EXPECT_EQ(SelectObject(dc.hdc, NULL), nullptr);
    EXPECT_EQ(SelectObject(dc.hdc, &not_a_font), nullptr);
    EXPECT_EQ(SelectObject(dc.hdc, stock), a);

    ASSERT_TRUE(DeleteObject(a));
    EXPECT_EQ(SelectObject(dc.hdc, a), nullptr) << "a deleted font is no object any more";
}

TEST(FontObjects, DeleteRefusesAFontStillSelectedAndUnknownObjects) {
    Dc dc(1);
    HFONT a = make_font();
    HGDIOBJ stock = SelectObject(dc.hdc, a);

    EXPECT_FALSE(DeleteObject(a));
    EXPECT_EQ(SelectObject(dc.hdc, stock), a) << "the refused font is still usable";
    EXPECT_TRUE(DeleteObject(a));
    EXPECT_FALSE(DeleteObject(a));
    EXPECT_FALSE(DeleteObject(NULL));

    EXPECT_TRUE(DeleteObject(stock)) << "deleting a stock object is a harmless no-op";
    EXPECT_EQ(SelectObject(dc.hdc, stock), stock);
}

TEST(FontObjects, ReleasingADcForgetsItsSelection) {
    Dc dc(1);
    HFONT a = make_font(), b = make_font();
    HGDIOBJ stock = SelectObject(dc.hdc, a);
    zelmvik_font_release_dc(dc.hdc);

    EXPECT_TRUE(DeleteObject(a));
    EXPECT_EQ(SelectObject(dc.hdc, b), stock);
    SelectObject(dc.hdc, stock);
    EXPECT_TRUE(DeleteObject(b));
}

TEST(FontObjects, AnyReasonableRequestGetsAFont) {
    // Like GDI, the font mapper substitutes rather than fails.
    for (HFONT font :
         {make_font(0), make_font(24), make_font(-24, FW_NORMAL, TRUE), make_font(-9, 100),
          make_font(-24, 1000, FALSE, nullptr), make_font(-24, FW_BOLD, FALSE, ""),
          make_font(-24, FW_BOLD, FALSE, "No Such Face Anywhere")}) {
        EXPECT_NE(font, nullptr);
        EXPECT_TRUE(DeleteObject(font));
    }
}
