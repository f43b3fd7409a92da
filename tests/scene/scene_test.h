// What every scene test starts from: a fresh 640x480 GL context made current, the program's
// state as at start-up, and a device context handle the font layer accepts.
#pragma once

#include "headless_gl.h"
#include "platform/win32.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

constexpr int frame_width = 640;
constexpr int frame_height = 480;

// Any non-null value is a device context to the font layer.
HDC test_dc(int which = 0);

class SceneTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    std::unique_ptr<HeadlessGL> gl;
};

// Window coordinates of the current raster position.
std::array<GLfloat, 4> raster_position();
GLint get_integer(GLenum what);
// Puts the raster position at a pixel of the window, whatever the matrices are.
void place_raster(int x, int y);
// How far calling one display list moves the raster position to the right.
GLfloat advance_of(GLuint list);

// The whole frame as RGBA bytes, bottom row first.
std::vector<uint8_t> read_frame();

// The smallest box around every pixel that is not black.
struct LitBox {
    int left = 0, right = -1, bottom = 0, top = -1; // inclusive; right < left when none lit
    long count = 0;
};
LitBox lit_box(const std::vector<uint8_t> &frame);
