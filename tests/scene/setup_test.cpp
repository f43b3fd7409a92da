// InitGL's fixed state and ReSizeGLScene's viewport and projection.
#include "platform/win32.h"
#include "scene/scene.h"
#include "state/state.h"

#include "scene_test.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <ostream>

namespace {

using Matrix = std::array<GLfloat, 16>;

Matrix get_matrix(GLenum which) {
    Matrix m{};
    glGetFloatv(which, m.data());
    return m;
}

// gluPerspective's matrix written out, column-major.
Matrix perspective(double fovy_degrees, double aspect, double near, double far) {
    const double f = 1.0 / std::tan(fovy_degrees * M_PI / 360.0);
    Matrix m{};
    m[0] = static_cast<GLfloat>(f / aspect);
    m[5] = static_cast<GLfloat>(f);
    m[10] = static_cast<GLfloat>((far + near) / (near - far));
    m[11] = -1.0f;
    m[14] = static_cast<GLfloat>(2.0 * far * near / (near - far));
    return m;
}

Matrix identity() {
    Matrix m{};
    m[0] = m[5] = m[10] = m[15] = 1.0f;
    return m;
}

void expect_near(const Matrix &actual, const Matrix &expected) {
    for (size_t i = 0; i < 16; ++i)
        EXPECT_NEAR(actual[i], expected[i], 1e-6 * std::fabs(expected[i]) + 1e-7)
            << "[" << i << "]";
}

} // namespace

using SetupTest = SceneTest;

TEST_F(SetupTest, InitGLSetsTheFixedStateAndClearsNothing) {
    // Start from the opposite of every setting, over a white frame.
    glShadeModel(GL_FLAT);
    glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
    glClearDepth(0.25);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_DEPTH_TEST);
    glDepthFunc(GL_ALWAYS);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_FASTEST);

    EXPECT_EQ(InitGL(), TRUE);

    EXPECT_EQ(get_integer(GL_SHADE_MODEL), GL_SMOOTH);
    std::array<GLfloat, 4> clear{};
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clear.data());
    EXPECT_EQ(clear, (std::array<GLfloat, 4>{0.0f, 0.0f, 0.0f, 0.5f}));
    GLfloat depth_clear = 0.0f;
    glGetFloatv(GL_DEPTH_CLEAR_VALUE, &depth_clear);
    EXPECT_EQ(depth_clear, 1.0f);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_EQ(get_integer(GL_DEPTH_FUNC), GL_LEQUAL);
    EXPECT_EQ(get_integer(GL_PERSPECTIVE_CORRECTION_HINT), GL_NICEST);
    EXPECT_TRUE(glIsList(base)) << "the glyph lists come with the state";
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));

    std::vector<uint8_t> frame = read_frame();
    EXPECT_EQ(frame[0], 255);
    EXPECT_EQ(frame[frame.size() / 2 + 2], 255);
}

struct ResizeCase {
    GLsizei width, height;
    GLint viewport_height;
    double aspect; // 0: gluPerspective refuses it and leaves the identity
};

void PrintTo(const ResizeCase &c, std::ostream *os) {
    *os << c.width << "x" << c.height;
}

class ResizeTest : public SceneTest, public ::testing::WithParamInterface<ResizeCase> {};

TEST_P(ResizeTest, ViewportAndProjectionFitTheClientArea) {
    const ResizeCase &c = GetParam();
    glMatrixMode(GL_MODELVIEW);
    glTranslatef(1.0f, 2.0f, 3.0f);
    glMatrixMode(GL_TEXTURE);

    ReSizeGLScene(c.width, c.height);

    std::array<GLint, 4> viewport{};
    glGetIntegerv(GL_VIEWPORT, viewport.data());
    EXPECT_EQ(viewport, (std::array<GLint, 4>{0, 0, c.width, c.viewport_height}));
    expect_near(get_matrix(GL_PROJECTION_MATRIX),
                c.aspect == 0.0 ? identity() : perspective(45.0, c.aspect, 0.1, 100.0));
    EXPECT_EQ(get_integer(GL_MATRIX_MODE), GL_MODELVIEW);
    EXPECT_EQ(get_matrix(GL_MODELVIEW_MATRIX), identity());
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

INSTANTIATE_TEST_SUITE_P(Sizes, ResizeTest,
                         ::testing::Values(ResizeCase{640, 480, 480, 640.0 / 480.0},
                                           ResizeCase{640, 0, 1, 640.0}, ResizeCase{0, 0, 1, 0.0},
                                           ResizeCase{800, 600, 600, 800.0 / 600.0}),
                         [](const ::testing::TestParamInfo<ResizeCase> &info) {
                             return ::testing::PrintToString(info.param);
                         });
