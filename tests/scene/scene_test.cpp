#include "scene_test.h"

#include "platform/font/font_layer.h"
#include "state/state.h"

#include "gl_spy.h"

HDC test_dc(int which) {
    static char dcs[8];
    return reinterpret_cast<HDC>(&dcs[which]);
}

void SceneTest::SetUp() {
    gl = std::make_unique<HeadlessGL>(frame_width, frame_height);
    ASSERT_TRUE(gl->ok()) << gl->error();
    hDC = test_dc();
    base = 0;
    cnt1 = 0.0f;
    cnt2 = 0.0f;
    gl_spy() = GlSpy{};
}

void SceneTest::TearDown() {
    zelmvik_font_release_dc(hDC);
    hDC = NULL;
    gl.reset();
}

std::array<GLfloat, 4> raster_position() {
    std::array<GLfloat, 4> p{};
    glGetFloatv(GL_CURRENT_RASTER_POSITION, p.data());
    return p;
}

GLint get_integer(GLenum what) {
    GLint v = 0;
    glGetIntegerv(what, &v);
    return v;
}

void place_raster(int x, int y) {
    glWindowPos2i(x, y);
}

GLfloat advance_of(GLuint list) {
    place_raster(100, 100);
    glCallList(list);
    return raster_position()[0] - 100.0f;
}

std::vector<uint8_t> read_frame() {
    std::vector<uint8_t> frame(static_cast<size_t>(frame_width) * frame_height * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, frame_width, frame_height, GL_RGBA, GL_UNSIGNED_BYTE, frame.data());
    return frame;
}

LitBox lit_box(const std::vector<uint8_t> &frame) {
    LitBox box;
    box.left = frame_width;
    box.bottom = frame_height;
    for (int y = 0; y < frame_height; ++y) {
        for (int x = 0; x < frame_width; ++x) {
            const uint8_t *p = &frame[(static_cast<size_t>(y) * frame_width + x) * 4];
            if (p[0] == 0 && p[1] == 0 && p[2] == 0)
                continue;
            ++box.count;
            box.left = std::min(box.left, x);
            box.right = std::max(box.right, x);
            box.bottom = std::min(box.bottom, y);
            box.top = std::max(box.top, y);
        }
    }
    return box;
}
