#include "platform/font/face.h"
#include "platform/font/library.h"
#include "platform/report/report.h"
#include "platform/windows_names.h"

#include <fontconfig/fontconfig.h>

#include <strings.h>

namespace zelmvik::font {
namespace {

struct PatternCloser {
    void operator()(FcPattern *p) const { FcPatternDestroy(p); }
};
using PatternPtr = std::unique_ptr<FcPattern, PatternCloser>;

// Faces that Windows ships and free systems usually lack, with their metric-compatible
// stand-ins: a text laid out for the original keeps its widths.
const char *metric_twin(const std::string &name) {
    static const struct {
        const char *windows;
        const char *twin;
    } twins[] = {
        {"courier new", "Liberation Mono"},
        {"courier", "Liberation Mono"},
        {"arial", "Liberation Sans"},
        {"times new roman", "Liberation Serif"},
    };
    for (const auto &t : twins) {
        if (strcasecmp(name.c_str(), t.windows) == 0)
            return t.twin;
    }
    return nullptr;
}

PatternPtr make_pattern(const FaceRequest &request) {
    PatternPtr pattern(FcPatternCreate());
    if (!pattern)
        return nullptr;
    FcPattern *p = pattern.get();

    const char *generic = request.fixed_pitch ? "monospace" : "sans-serif";
    const char *family = request.name.empty() ? generic : request.name.c_str();
    FcPatternAddString(p, FC_FAMILY, reinterpret_cast<const FcChar8 *>(family));
    // Later family values rank below the asked-for one, so the real face still wins
    // where it is installed.
    if (const char *twin = metric_twin(request.name))
        FcPatternAddString(p, FC_FAMILY, reinterpret_cast<const FcChar8 *>(twin));

    // A weight of 0 is the default, FW_NORMAL; LOGFONT's weights go up to 1000.
    const int heaviest = 1000;
    int weight = request.weight <= 0 ? FW_NORMAL : request.weight;
    if (weight > heaviest)
        weight = heaviest;
    FcPatternAddInteger(p, FC_WEIGHT, FcWeightFromOpenType(weight));
    FcPatternAddInteger(p, FC_SLANT, request.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    if (request.fixed_pitch)
        FcPatternAddInteger(p, FC_SPACING, FC_MONO);
    if (request.prefer_outline)
        FcPatternAddBool(p, FC_OUTLINE, FcTrue);
    return pattern;
}

} // namespace

FacePtr open_face(const FaceRequest &request) {
    FT_Library ft = freetype();
    FcConfig *config = fontconfig();
    if (ft == nullptr || config == nullptr)
        return nullptr;

    PatternPtr pattern = make_pattern(request);
    if (!pattern)
        return nullptr;
    if (!FcConfigSubstitute(config, pattern.get(), FcMatchPattern))
        return nullptr;
    FcDefaultSubstitute(pattern.get());

    FcResult result = FcResultNoMatch;
    PatternPtr match(FcFontMatch(config, pattern.get(), &result));
    FcChar8 *file = nullptr;
    if (!match || result != FcResultMatch ||
        FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch) {
        report("fontconfig has no font file for \"%s\"", request.name.c_str());
        return nullptr;
    }
    int index = 0;
    if (FcPatternGetInteger(match.get(), FC_INDEX, 0, &index) != FcResultMatch)
        index = 0;

    FT_Face face = nullptr;
    if (FT_Error error = FT_New_Face(ft, reinterpret_cast<const char *>(file), index, &face)) {
        report("FreeType cannot open %s for \"%s\": error %d", file, request.name.c_str(), error);
        return nullptr;
    }
    return FacePtr(face);
}

} // namespace zelmvik::font
