// glPrint: formatting, what reaches the glyph lists, and the state it leaves.
#include "platform/win32.h"
#include "scene/scene.h"
#include "state/state.h"

#include "scene_test.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class PrintTest : public SceneTest {
  protected:
    void SetUp() override {
        SceneTest::SetUp();
        if (HasFatalFailure())
            return;
        BuildFont();
        glClear(GL_COLOR_BUFFER_BIT);
        place_raster(10, 240);
    }

    // Whatever a call must leave as it found it.
    struct Untouched {
        GLint list_base = get_integer(GL_LIST_BASE);
        GLint stack_depth = get_integer(GL_ATTRIB_STACK_DEPTH);
    };
    static void expect_untouched(const Untouched &before) {
        EXPECT_EQ(get_integer(GL_LIST_BASE), before.list_base);
        EXPECT_EQ(get_integer(GL_ATTRIB_STACK_DEPTH), before.stack_depth);
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    }

    static GLfloat moved() { return raster_position()[0] - 10.0f; }
};

} // namespace

TEST_F(PrintTest, NullFormatDrawsNothingAndTouchesNoState) {
    glListBase(7);
    glPushAttrib(GL_CURRENT_BIT);
    Untouched before;
    glPrint(nullptr);
    expect_untouched(before);
    EXPECT_EQ(moved(), 0.0f);
    EXPECT_EQ(lit_box(read_frame()).count, 0);
    glPopAttrib();
}

TEST_F(PrintTest, EmptyTextDrawsNothingAndRestoresTheListBase) {
    glListBase(1234);
    Untouched before;
    glPrint("");
    expect_untouched(before);
    EXPECT_EQ(moved(), 0.0f);
    EXPECT_EQ(lit_box(read_frame()).count, 0);
}

TEST_F(PrintTest, ConversionsAreExpandedBeforeDrawing) {
    Untouched before;
    glPrint("%d", 1234567);
    EXPECT_EQ(moved(), 7 * 14.0f);
    place_raster(10, 240);
    glPrint("%s|%c%%", "ab", 'c');
    EXPECT_EQ(moved(), 5 * 14.0f);
    expect_untouched(before);
}

TEST_F(PrintTest, BytesOutsideTheGlyphRangeDrawNothingAndDoNotMove) {
    glListBase(55);
    Untouched before;
    glPrint("\x01\x1f\x80\xff");
    EXPECT_EQ(moved(), 0.0f);
    EXPECT_EQ(lit_box(read_frame()).count, 0);
    glPrint("A\x02"
            "B\xE5");
    EXPECT_EQ(moved(), 2 * 14.0f);
    expect_untouched(before);
}

TEST_F(PrintTest, LongOutputIsCutAt255Characters) {
    const std::string long_text(10000, 'W');
    Untouched before;
    glPrint("%s", long_text.c_str());
    EXPECT_EQ(moved(), 255 * 14.0f);
    place_raster(10, 240);
    glPrint("%10000d", 5);
    EXPECT_EQ(moved(), 255 * 14.0f);
    expect_untouched(before);
}
