#include "platform/sdl/scaled_presentation.h"
#include "platform/report/trace.h"

#include <GL/glext.h>

namespace zelmvik {

namespace {

// GL 3.0's framebuffer objects, which every context of this process can use (Mesa's
// compatibility contexts have them); null where the GL has none, and then nothing is scaled.
struct Framebuffers {
    PFNGLGENFRAMEBUFFERSPROC gen;
    PFNGLBINDFRAMEBUFFERPROC bind;
    PFNGLFRAMEBUFFERRENDERBUFFERPROC attach;
    PFNGLGENRENDERBUFFERSPROC gen_renderbuffers;
    PFNGLBINDRENDERBUFFERPROC bind_renderbuffer;
    PFNGLRENDERBUFFERSTORAGEPROC storage;
    PFNGLBLITFRAMEBUFFERPROC blit;
    PFNGLCHECKFRAMEBUFFERSTATUSPROC status;
};

const Framebuffers *framebuffers() {
    static const Framebuffers f = {
        reinterpret_cast<PFNGLGENFRAMEBUFFERSPROC>(SDL_GL_GetProcAddress("glGenFramebuffers")),
        reinterpret_cast<PFNGLBINDFRAMEBUFFERPROC>(SDL_GL_GetProcAddress("glBindFramebuffer")),
        reinterpret_cast<PFNGLFRAMEBUFFERRENDERBUFFERPROC>(
            SDL_GL_GetProcAddress("glFramebufferRenderbuffer")),
        reinterpret_cast<PFNGLGENRENDERBUFFERSPROC>(SDL_GL_GetProcAddress("glGenRenderbuffers")),
        reinterpret_cast<PFNGLBINDRENDERBUFFERPROC>(SDL_GL_GetProcAddress("glBindRenderbuffer")),
        reinterpret_cast<PFNGLRENDERBUFFERSTORAGEPROC>(
            SDL_GL_GetProcAddress("glRenderbufferStorage")),
        reinterpret_cast<PFNGLBLITFRAMEBUFFERPROC>(SDL_GL_GetProcAddress("glBlitFramebuffer")),
        reinterpret_cast<PFNGLCHECKFRAMEBUFFERSTATUSPROC>(
            SDL_GL_GetProcAddress("glCheckFramebufferStatus")),
    };
    const bool all = f.gen && f.bind && f.attach && f.gen_renderbuffers && f.bind_renderbuffer &&
                     f.storage && f.blit && f.status;
    return all ? &f : nullptr;
}

// The stand-in framebuffer at the window's client size, in the window's pixel format, made
// in the current context; 0 where it cannot be.
GLuint make_stand_in(const Window &w) {
    const Framebuffers *f = framebuffers();
    if (!f)
        return 0;
    const PixelFormat &p = w.actual_format;
    const GLenum colour = p.red + p.green + p.blue <= 16 ? GL_RGB565 : p.alpha ? GL_RGBA8 : GL_RGB8;
    const GLenum depth = p.stencil      ? GL_DEPTH24_STENCIL8
                         : p.depth > 16 ? GL_DEPTH_COMPONENT24
                                        : GL_DEPTH_COMPONENT16;
    GLuint framebuffer = 0, buffers[2] = {0, 0};
    f->gen(1, &framebuffer);
    f->gen_renderbuffers(2, buffers);
    f->bind(GL_FRAMEBUFFER, framebuffer);
    f->bind_renderbuffer(GL_RENDERBUFFER, buffers[0]);
    f->storage(GL_RENDERBUFFER, colour, w.width, w.height);
    f->attach(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, buffers[0]);
    f->bind_renderbuffer(GL_RENDERBUFFER, buffers[1]);
    f->storage(GL_RENDERBUFFER, depth, w.width, w.height);
    f->attach(GL_FRAMEBUFFER, p.stencil ? GL_DEPTH_STENCIL_ATTACHMENT : GL_DEPTH_ATTACHMENT,
              GL_RENDERBUFFER, buffers[1]);
    f->bind_renderbuffer(GL_RENDERBUFFER, 0);
    if (f->status(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
        f->bind(GL_FRAMEBUFFER, 0);
        return 0;
    }
    return framebuffer;
}

// The place of the picture on the shown framebuffer: as large as it fits, in its proportion,
// in the middle.
SDL_Rect fitted(int width, int height, int shown_width, int shown_height) {
    SDL_Rect r;
    if (static_cast<long long>(shown_width) * height >
        static_cast<long long>(shown_height) * width) {
        r.h = shown_height;
        r.w = static_cast<int>(static_cast<long long>(shown_height) * width / height);
    } else {
        r.w = shown_width;
        r.h = static_cast<int>(static_cast<long long>(shown_width) * height / width);
    }
    r.x = (shown_width - r.w) / 2;
    r.y = (shown_height - r.h) / 2;
    return r;
}

} // namespace

void draw_for(Window &w) {
    const Framebuffers *f = framebuffers();
    if (!f)
        return;
    HGLRC current = layer().current_context;
    if (!w.scaled || !current) {
        f->bind(GL_FRAMEBUFFER, 0);
        return;
    }
    if (!w.stand_in || w.stand_in_context != current) {
        w.stand_in = make_stand_in(w);
        w.stand_in_context = current;
        trace(Channel::gl, "window %p: drawn at %dx%d, shown scaled", static_cast<void *>(w.hwnd),
              w.width, w.height);
    }
    f->bind(GL_FRAMEBUFFER, w.stand_in);
}

void present_scaled(Window &w) {
    int shown_width = 0, shown_height = 0;
    SDL_GL_GetDrawableSize(w.sdl.get(), &shown_width, &shown_height);
    const bool scaled =
        w.fullscreen && shown_width > 0 && (shown_width != w.width || shown_height != w.height);
    if (scaled != w.scaled) {
        trace(Channel::modes, "window %p shows %dx%d of the output's pixels for %dx%d: %s",
              static_cast<void *>(w.hwnd), shown_width, shown_height, w.width, w.height,
              scaled ? "the layer scales its picture" : "shown as it is");
        w.scaled = scaled;
        draw_for(w); // the frame drawn now is lost: it went where the next ones will not
        return;
    }
    const Framebuffers *f = framebuffers();
    if (!w.scaled || !w.stand_in || !f)
        return;
    GLfloat clear[4];
    GLboolean mask[4];
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
    glGetBooleanv(GL_COLOR_WRITEMASK, mask);
    const GLboolean scissor = glIsEnabled(GL_SCISSOR_TEST);
    glDisable(GL_SCISSOR_TEST);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    f->bind(GL_DRAW_FRAMEBUFFER, 0);
    f->bind(GL_READ_FRAMEBUFFER, w.stand_in);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    const SDL_Rect to = fitted(w.width, w.height, shown_width, shown_height);
    f->blit(0, 0, w.width, w.height, to.x, to.y, to.x + to.w, to.y + to.h, GL_COLOR_BUFFER_BIT,
            GL_LINEAR);
    glClearColor(clear[0], clear[1], clear[2], clear[3]);
    glColorMask(mask[0], mask[1], mask[2], mask[3]);
    if (scissor)
        glEnable(GL_SCISSOR_TEST);
}

void after_present(Window &w) {
    if (w.scaled && w.stand_in)
        framebuffers()->bind(GL_FRAMEBUFFER, w.stand_in);
}

void forget_context(Window &w, HGLRC context) {
    if (w.stand_in_context == context) {
        w.stand_in = 0;
        w.stand_in_context = nullptr;
    }
}

} // namespace zelmvik
