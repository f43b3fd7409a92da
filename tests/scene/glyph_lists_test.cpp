// Glyph display lists made from the font selected into a DC: what they draw and what they
// leave behind in the context.
#include "platform/font/font_layer.h"
#include "platform/win32.h"
#include "scene/scene.h"
#include "state/state.h"

#include "scene_test.h"

#include <gtest/gtest.h>

#include <string>

namespace {

HFONT courier(int height = -24, int weight = FW_BOLD) {
    return CreateFontA(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_TT_PRECIS,
                       CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, FF_DONTCARE | DEFAULT_PITCH,
                       "Courier New");
}

// Lists for codes 0..255 at list name `first`, made from `font` (null: the stock font).
class GlyphListTest : public SceneTest {
  protected:
    BOOL build(HFONT font, GLuint first = 1000) {
        HGDIOBJ old = font != nullptr ? SelectObject(hDC, font) : nullptr;
        BOOL ok = wglUseFontBitmapsA(hDC, 0, 256, first);
        if (font != nullptr) {
            SelectObject(hDC, old);
            DeleteObject(font);
        }
        return ok;
    }

    // Draws with the lists made by build(), glyph by glyph, from (x, y) in window pixels.
    static LitBox draw(const std::string &text, int x = 100, int y = 240, GLuint first = 1000) {
        glClear(GL_COLOR_BUFFER_BIT);
        place_raster(x, y);
        glListBase(first);
        glCallLists(static_cast<GLsizei>(text.size()), GL_UNSIGNED_BYTE, text.data());
        glListBase(0);
        return lit_box(read_frame());
    }
};

} // namespace

TEST_F(GlyphListTest, BuildFontMakesEveryListAndKillFontDeletesThem) {
    BuildFont();
    ASSERT_NE(base, 0u);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    // Names from glGenLists count as lists even while empty: an advance shows content.
    for (GLuint i = 0; i < 96; ++i)
        EXPECT_EQ(advance_of(base + i), 14.0f) << "code " << 32 + i;
    KillFont();
    for (GLuint i = 0; i < 96; ++i)
        EXPECT_FALSE(glIsList(base + i)) << "code " << 32 + i;
}

TEST_F(GlyphListTest, CourierNewBoldIsMonospacedAt14PixelsAndBold) {
    ASSERT_TRUE(build(courier()));
    for (GLuint c = 32; c < 128; ++c)
        EXPECT_EQ(advance_of(1000 + c), 14.0f) << "code " << c;

    ASSERT_TRUE(build(courier(-24, FW_NORMAL), 2000));
    EXPECT_EQ(advance_of(2000 + 'W'), 14.0f);
    long bold = draw("Warning! staveplade").count;
    long regular = draw("Warning! staveplade", 100, 240, 2000).count;
    EXPECT_GT(bold, regular + regular / 5) << "bold strokes are visibly heavier";
}

TEST_F(GlyphListTest, PositiveHeightIsTheCellHeight) {
    // The cell includes the internal leading, so the em is smaller than 24 pixels.
    ASSERT_TRUE(build(courier(24)));
    GLfloat advance = advance_of(1000 + 'M');
    EXPECT_LT(advance, 14.0f);
    EXPECT_GE(advance, 11.0f);
}

TEST_F(GlyphListTest, GlyphsStandUprightOnTheBaseline) {
    ASSERT_TRUE(build(courier()));
    LitBox underscore = draw("_");
    ASSERT_GT(underscore.count, 0);
    EXPECT_LT(underscore.top, 240);

    LitBox caret = draw("^");
    ASSERT_GT(caret.count, 0);
    EXPECT_GT(caret.bottom, 240 + 4);

    LitBox capital = draw("H");
    EXPECT_EQ(capital.bottom, 240);
    EXPECT_GE(capital.top, 240 + 12);
    EXPECT_LE(capital.top, 240 + 18);
    EXPECT_GE(capital.left, 100);
    EXPECT_LT(capital.right, 100 + 14);

    LitBox descender = draw("p");
    EXPECT_LT(descender.bottom, 240 - 3);
}

TEST_F(GlyphListTest, SpaceDrawsNothingButAdvances) {
    ASSERT_TRUE(build(courier()));
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    EXPECT_EQ(draw(" ").count, 0);
    EXPECT_EQ(advance_of(1000 + ' '), 14.0f);
}

TEST_F(GlyphListTest, CodePage1252BytesHaveTheirOwnGlyphs) {
    ASSERT_TRUE(build(courier()));
    LitBox a = draw("a"), aring = draw("\xE5"), euro = draw("\x80");
    EXPECT_GT(aring.count, a.count);
    EXPECT_GT(aring.top, a.top) << "the ring stands above the a";
    EXPECT_GT(euro.count, 0);
}

TEST_F(GlyphListTest, UnpackStateIsRestoredAndCannotGarbleTheGlyphs) {
    ASSERT_TRUE(build(courier()));
    draw("Warning! g_^");
    std::vector<uint8_t> plain = read_frame();

    glPixelStorei(GL_UNPACK_ALIGNMENT, 8);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 3);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 1);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 2);
    glPixelStorei(GL_UNPACK_LSB_FIRST, GL_TRUE);
    ASSERT_TRUE(build(courier()));
    EXPECT_EQ(get_integer(GL_UNPACK_ALIGNMENT), 8);
    EXPECT_EQ(get_integer(GL_UNPACK_ROW_LENGTH), 3);
    EXPECT_EQ(get_integer(GL_UNPACK_SKIP_ROWS), 1);
    EXPECT_EQ(get_integer(GL_UNPACK_SKIP_PIXELS), 2);
    EXPECT_EQ(get_integer(GL_UNPACK_LSB_FIRST), GL_TRUE);
    EXPECT_EQ(get_integer(GL_CLIENT_ATTRIB_STACK_DEPTH), 0);

    // Lists keep the bits as they were compiled, so drawing under other state changes nothing.
    draw("Warning! g_^");
    std::vector<uint8_t> odd = read_frame();
    EXPECT_TRUE(plain == odd);
}

TEST_F(GlyphListTest, TheStockFontServesADcWithoutAFont) {
    ASSERT_TRUE(build(nullptr));
    EXPECT_GT(draw("Hello").count, 0);
    EXPECT_GT(advance_of(1000 + 'H'), 0.0f);
}

TEST_F(GlyphListTest, FailsAsWindowsDoes) {
    EXPECT_FALSE(wglUseFontBitmapsA(NULL, 32, 96, 1000));
    EXPECT_TRUE(wglUseFontBitmapsA(hDC, 32, 0, 1000));
    EXPECT_FALSE(glIsList(1000));
    EXPECT_FALSE(glIsList(1000 + 'A' - 32));

    ASSERT_TRUE(gl->release_current());
    EXPECT_FALSE(wglUseFontBitmapsA(hDC, 32, 96, 1000));
    ASSERT_TRUE(gl->make_current());
    EXPECT_FALSE(glIsList(1000 + 'A' - 32)) << "nothing was compiled without a context";
}

TEST_F(GlyphListTest, InitGLStillSucceedsWhenTheFontCannotBeBuilt) {
    hDC = NULL;
    EXPECT_EQ(InitGL(), TRUE);
    EXPECT_EQ(advance_of(base + 'A' - 32), 0.0f);
}
