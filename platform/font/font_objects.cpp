#include "platform/font/face.h"
#include "platform/font/font_layer.h"
#include "platform/font/font_table.h"
#include "platform/font/library.h"
#include "platform/report/report.h"

#include <memory>
#include <unordered_map>

namespace zelmvik::font {
namespace {

struct Font {
    FaceRequest request;
    int height = 0;
    int width = 0;
    FacePtr face; // the stock font opens its face only when glyphs are first asked of it
};

class FontTable {
  public:
    // The libraries must outlive every face held here, so they start first.
    FontTable() { (void)freetype(); }

    HFONT stock() { return handle(&stock_); }

    HFONT add(std::unique_ptr<Font> font) {
        Font *f = font.get();
        fonts_.emplace(f, std::move(font));
        return handle(f);
    }

    // Null for anything that is not one of our live fonts.
    Font *find(HGDIOBJ obj) {
        if (obj == handle(&stock_))
            return &stock_;
        auto it = fonts_.find(static_cast<Font *>(obj));
        return it == fonts_.end() ? nullptr : it->second.get();
    }

    Font *selected(HDC hdc) {
        auto it = selected_.find(hdc);
        return it == selected_.end() ? &stock_ : it->second;
    }

    void select(HDC hdc, Font *font) {
        if (font == &stock_)
            selected_.erase(hdc);
        else
            selected_[hdc] = font;
    }

    bool in_use(const Font *font) const {
        for (const auto &entry : selected_) {
            if (entry.second == font)
                return true;
        }
        return false;
    }

    bool is_stock(const Font *font) const { return font == &stock_; }
    void erase(Font *font) { fonts_.erase(font); }
    void forget(HDC hdc) { selected_.erase(hdc); }

    static HFONT handle(Font *f) { return reinterpret_cast<HFONT>(f); }

  private:
    Font stock_;
    std::unordered_map<Font *, std::unique_ptr<Font>> fonts_;
    std::unordered_map<HDC, Font *> selected_;
};

FontTable &table() {
    static FontTable instance;
    return instance;
}

bool open(Font &font) {
    FacePtr face = open_face(font.request);
    if (!face)
        return false;
    if (!set_size(face.get(), font.height, font.width)) {
        report("FreeType cannot size %s %s to height %d, width %d", face->family_name,
               face->style_name, font.height, font.width);
        return false;
    }
    font.face = std::move(face);
    return true;
}

} // namespace

FT_Face selected_face(HDC hdc) {
    if (hdc == nullptr)
        return nullptr;
    Font *font = table().selected(hdc);
    if (!font->face && !open(*font))
        return nullptr;
    return font->face.get();
}

} // namespace zelmvik::font

using namespace zelmvik::font;

extern "C" {

HFONT WINAPI CreateFontA(int cHeight, int cWidth, int /*cEscapement*/, int /*cOrientation*/,
                         int cWeight, DWORD bItalic, DWORD /*bUnderline*/, DWORD /*bStrikeOut*/,
                         DWORD /*iCharSet*/, DWORD /*iOutPrecision*/, DWORD /*iClipPrecision*/,
                         DWORD /*iQuality*/, DWORD iPitchAndFamily, LPCSTR pszFaceName) {
    auto font = std::make_unique<Font>();
    font->request.name = pszFaceName != nullptr ? pszFaceName : "";
    font->request.weight = cWeight;
    font->request.italic = bItalic != 0;
    font->request.fixed_pitch =
        (iPitchAndFamily & 0x03) == FIXED_PITCH || (iPitchAndFamily & 0xF0) == FF_MODERN;
    // Outline faces are preferred whatever precision was asked for: scaled bitmap strikes
    // look worse than anything FreeType rasterises.
    font->request.prefer_outline = true;
    font->height = cHeight;
    font->width = cWidth;
    if (!open(*font))
        return nullptr;
    return table().add(std::move(font));
}

HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ h) {
    if (hdc == nullptr || h == nullptr)
        return nullptr;
    FontTable &fonts = table();
    Font *font = fonts.find(h);
    if (font == nullptr)
        return nullptr;
    Font *previous = fonts.selected(hdc);
    fonts.select(hdc, font);
    return FontTable::handle(previous);
}

BOOL WINAPI DeleteObject(HGDIOBJ ho) {
    if (ho == nullptr)
        return FALSE;
    FontTable &fonts = table();
    Font *font = fonts.find(ho);
    if (font == nullptr)
        return FALSE;
    if (fonts.is_stock(font))
        return TRUE; // stock objects are never deleted, and asking is no error
    if (fonts.in_use(font))
        return FALSE;
    fonts.erase(font);
    return TRUE;
}

void zelmvik_font_release_dc(HDC hdc) {
    if (hdc != nullptr)
        table().forget(hdc);
}

} // extern "C"
