#include "platform/font/library.h"
#include "platform/report/report.h"

namespace zelmvik::font {
namespace {

// Torn down at exit so that leak checkers see nothing of ours still held. Faces must be
// closed before this goes: the font table is constructed after it and so destroyed first.
class Libraries {
  public:
    Libraries() {
        if (FT_Error error = FT_Init_FreeType(&ft_)) {
            report("FreeType cannot start: error %d", error);
            ft_ = nullptr;
        }
        config_ = FcInitLoadConfigAndFonts();
        if (config_ == nullptr)
            report("fontconfig cannot load its configuration and fonts");
    }
    ~Libraries() {
        if (ft_ != nullptr)
            FT_Done_FreeType(ft_);
        if (config_ != nullptr)
            FcConfigDestroy(config_);
        // MEND fontconfig-fini-under-pango
        // library: fontconfig 2.14, 2.15, 2.17 with Pango 1.50, 1.56
        // upstream: none: FcFini tears down what every user of the process shares
        // goes when: never, while the boxes' Pango and the glyphs share fontconfig
        // No FcFini: the process's message boxes (Pango) may still hold fontconfig's caches,
        // and fontconfig aborts when they are torn down under them.
    }
    Libraries(const Libraries &) = delete;
    Libraries &operator=(const Libraries &) = delete;

    FT_Library ft() const { return ft_; }
    FcConfig *config() const { return config_; }

  private:
    FT_Library ft_ = nullptr;
    FcConfig *config_ = nullptr;
};

Libraries &libraries() {
    static Libraries instance;
    return instance;
}

} // namespace

FT_Library freetype() {
    return libraries().ft();
}

FcConfig *fontconfig() {
    return libraries().config();
}

} // namespace zelmvik::font
