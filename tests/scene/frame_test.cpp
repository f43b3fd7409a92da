// DrawGLScene: the colour and place of the line, the counters, and the pixels it lights.
#include "platform/win32.h"
#include "scene/scene.h"
#include "state/state.h"

#include "gl_spy.h"
#include "png_file.h"
#include "scene_test.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {

uint32_t bits(GLfloat f) {
    uint32_t u;
    std::memcpy(&u, &f, sizeof u);
    return u;
}

// Where the projection of ReSizeGLScene(640, 480) puts an object point one unit in front of
// the eye, in window pixels.
double window_x(GLfloat x) {
    const double f = 1.0 / std::tan(45.0 * M_PI / 360.0);
    return (f / (640.0 / 480.0) * x + 1.0) * frame_width / 2.0;
}

double window_y(GLfloat y) {
    const double f = 1.0 / std::tan(45.0 * M_PI / 360.0);
    return (f * y + 1.0) * frame_height / 2.0;
}

// The frame's colour and raster position for given counters, worked out on their own terms:
// every intermediate in double, rounded to single precision where the frame rounds.
struct Expected {
    GLfloat red, green, blue, x, y;
};

Expected expected_for(GLfloat c1, GLfloat c2) {
    const GLfloat cos1 = static_cast<GLfloat>(std::cos(static_cast<double>(c1)));
    const GLfloat sin2 = static_cast<GLfloat>(std::sin(static_cast<double>(c2)));
    const GLfloat cos12 =
        static_cast<GLfloat>(std::cos(static_cast<double>(c1) + static_cast<double>(c2)));
    Expected e;
    e.red = cos1;
    e.green = sin2;
    e.blue = static_cast<GLfloat>(1.0 - 0.5 * static_cast<double>(cos12));
    e.x = static_cast<GLfloat>(static_cast<double>(0.05f) * cos1 + static_cast<double>(-0.45f));
    e.y = static_cast<GLfloat>(static_cast<double>(0.32f) * sin2);
    return e;
}

class FrameTest : public SceneTest {
  protected:
    void SetUp() override {
        SceneTest::SetUp();
        if (HasFatalFailure())
            return;
        ReSizeGLScene(frame_width, frame_height);
        ASSERT_EQ(InitGL(), TRUE);
    }

    void expect_frame(const Expected &e) {
        const GlSpy &spy = gl_spy();
        EXPECT_EQ(bits(spy.color[0]), bits(e.red));
        EXPECT_EQ(bits(spy.color[1]), bits(e.green));
        EXPECT_EQ(bits(spy.color[2]), bits(e.blue));
        EXPECT_EQ(bits(spy.raster[0]), bits(e.x));
        EXPECT_EQ(bits(spy.raster[1]), bits(e.y));

        // And what GL made of them: the latched colour (a compatibility context does not
        // clamp it), and the position after the 39 glyphs of 14 pixels.
        std::array<GLfloat, 4> colour{};
        glGetFloatv(GL_CURRENT_RASTER_COLOR, colour.data());
        EXPECT_EQ(colour[0], e.red);
        EXPECT_EQ(colour[1], e.green);
        EXPECT_EQ(colour[2], e.blue);
        std::array<GLfloat, 4> at = raster_position();
        EXPECT_NEAR(at[0], window_x(e.x) + 546.0, 1e-3);
        EXPECT_NEAR(at[1], window_y(e.y), 1e-3);
        GLboolean valid = GL_FALSE;
        glGetBooleanv(GL_CURRENT_RASTER_POSITION_VALID, &valid);
        EXPECT_TRUE(valid);
    }
};

} // namespace

TEST_F(FrameTest, FirstFrameIsMagentaRedAtTheLeftOfTheCentreLine) {
    EXPECT_EQ(DrawGLScene(), TRUE);
    EXPECT_EQ(gl_spy().color_calls, 1);
    EXPECT_EQ(gl_spy().raster_calls, 1);
    expect_frame({1.0f, 0.0f, 0.5f, -0.39999998f, 0.0f});
    EXPECT_EQ(bits(gl_spy().raster[0]), 0xBECCCCCCu);
    EXPECT_EQ(bits(cnt1), bits(0.051f));
    EXPECT_EQ(bits(cnt2), bits(0.005f));
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(FrameTest, FirstFramePixelsShowTheLine) {
    ASSERT_EQ(DrawGLScene(), TRUE);
    std::vector<uint8_t> frame = read_frame();
    EXPECT_TRUE(
        write_png(ZELMVIK_SCENE_OUTPUT_DIR "/first-frame.png", frame_width, frame_height, frame));

    LitBox box = lit_box(frame);
    ASSERT_GT(box.count, 2000);
    // 39 glyphs of 14 pixels from x = 88.2, on the baseline at row 240 (bottom up).
    EXPECT_GE(box.left, 86);
    EXPECT_LE(box.left, 92);
    EXPECT_GT(box.right, 88 + 546 - 14);
    EXPECT_LE(box.right, 88 + 546 + 2);
    EXPECT_GE(box.bottom, 240 - 8);
    EXPECT_LT(box.bottom, 240);
    EXPECT_GE(box.top, 240 + 12);
    EXPECT_LE(box.top, 240 + 24);

    long wrong = 0;
    for (size_t i = 0; i < frame.size(); i += 4) {
        const uint8_t *p = &frame[i];
        if (p[0] == 0 && p[1] == 0 && p[2] == 0)
            continue;
        if (p[0] != 255 || p[1] != 0 || (p[2] != 127 && p[2] != 128))
            ++wrong;
    }
    EXPECT_EQ(wrong, 0) << "every lit pixel has the frame's colour";
}

TEST_F(FrameTest, LateFrameFollowsTheCountersAfterTenThousandFrames) {
    // Only the counters matter on the way there: one pixel to clear keeps it quick.
    glEnable(GL_SCISSOR_TEST);
    glScissor(0, 0, 1, 1);
    for (int i = 0; i < 10000; ++i)
        ASSERT_EQ(DrawGLScene(), TRUE);
    glDisable(GL_SCISSOR_TEST);

    volatile GLfloat c1 = 0.0f, c2 = 0.0f; // volatile: one single-precision sum per step
    for (int i = 0; i < 10000; ++i) {
        c1 = c1 + 0.051f;
        c2 = c2 + 0.005f;
    }
    ASSERT_EQ(bits(cnt1), bits(c1));
    ASSERT_EQ(bits(cnt2), bits(c2));

    ASSERT_EQ(DrawGLScene(), TRUE);
    expect_frame(expected_for(c1, c2));
    EXPECT_EQ(bits(cnt1), bits(c1 + 0.051f));
    EXPECT_EQ(bits(cnt2), bits(c2 + 0.005f));
}
