// The system fonts text backend: stands in for the graphics device's text extent and the screen's
// font list. fontconfig chooses the font file for a name, with the font name mapping shipped
// beside this library added to the system's configuration (which stays as it is); FreeType
// measures the glyphs' hinted advances.
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <map>
#include <set>
#include <string>

#include "code_page.h"
#include "module_path.h"
#include "runtime_error.h"
#include "text_backend.h"

namespace platform::detail {
namespace {

// Shipped beside the platform library by the build.
constexpr const char* kFontNameMapping = "pipetrim_fonts.conf";

constexpr double kScreenDpi = 96;
constexpr double kPointsPerInch = 72;

std::string FontNameMappingPath() {
  static const int anchor = 0;
  const std::string library = ModulePathOf(&anchor);
  const auto slash = library.find_last_of('/');
  if (slash == std::string::npos) return {};
  return library.substr(0, slash + 1) + kFontNameMapping;
}

const FcChar8* FcText(const std::string& text) {
  return reinterpret_cast<const FcChar8*>(text.c_str());
}

[[noreturn]] void Fail(const std::string& what) {
  throw RuntimeError(error::kInternal, FromUtf8("Text measuring: " + what));
}

class SystemFontBackend : public TextBackend {
 public:
  SystemFontBackend() : config_(FcInitLoadConfig()) {
    if (config_ == nullptr) Fail("fontconfig has no configuration");
    const std::string mapping = FontNameMappingPath();
    if (!mapping.empty()) FcConfigParseAndLoad(config_, FcText(mapping), FcTrue);
    FcConfigBuildFonts(config_);
    if (FT_Init_FreeType(&library_) != 0) {
      FcConfigDestroy(config_);
      Fail("FreeType does not start");
    }
  }

  ~SystemFontBackend() override {
    for (auto& [name, face] : faces_) FT_Done_Face(face);
    FT_Done_FreeType(library_);
    FcConfigDestroy(config_);
  }

  SystemFontBackend(const SystemFontBackend&) = delete;
  SystemFontBackend& operator=(const SystemFontBackend&) = delete;

  std::int32_t ExtentPixels(const FontSpec& font, std::string_view bytes) override {
    FT_Face face = FaceFor(font.name);
    // The device rounds the font's height to whole pixels: 24 pt is 32 pixels per em at 96 DPI.
    const auto pixels = static_cast<FT_UInt>(std::lround(font.size * kScreenDpi / kPointsPerInch));
    if (FT_Set_Pixel_Sizes(face, 0, pixels) != 0) Fail("cannot size the font");
    FT_Pos advance = 0;
    const std::u16string text = FromCodePage932(bytes);
    for (std::size_t i = 0; i < text.size(); ++i) {
      FT_ULong code = text[i];
      if (code >= 0xD800 && code <= 0xDBFF && i + 1 < text.size()) {
        code = 0x10000 + ((code - 0xD800) << 10) + (text[++i] - 0xDC00u);
      }
      if (FT_Load_Glyph(face, FT_Get_Char_Index(face, code), FT_LOAD_DEFAULT) != 0) {
        Fail("cannot load a glyph");
      }
      advance += face->glyph->advance.x;
    }
    // Hinted advances are whole pixels in 26.6 fixed point.
    return static_cast<std::int32_t>((advance + 32) >> 6);
  }

  std::vector<std::u16string> Families() override {
    FcPattern* all = FcPatternCreate();
    FcObjectSet* family_only = FcObjectSetBuild(FC_FAMILY, nullptr);
    FcFontSet* fonts = FcFontList(config_, all, family_only);
    FcObjectSetDestroy(family_only);
    FcPatternDestroy(all);
    std::vector<std::u16string> families;
    if (fonts == nullptr) return families;
    std::set<std::string> seen;
    for (int i = 0; i < fonts->nfont; ++i) {
      FcChar8* family = nullptr;
      if (FcPatternGetString(fonts->fonts[i], FC_FAMILY, 0, &family) != FcResultMatch) continue;
      const std::string name(reinterpret_cast<const char*>(family));
      if (seen.insert(name).second) families.push_back(FromUtf8(name));
    }
    FcFontSetDestroy(fonts);
    return families;
  }

 private:
  FT_Face FaceFor(const std::u16string& name) {
    const auto cached = faces_.find(name);
    if (cached != faces_.end()) return cached->second;

    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, FcText(ToUtf8(name)));
    FcConfigSubstitute(config_, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(config_, pattern, &result);
    FcPatternDestroy(pattern);
    if (match == nullptr) Fail("no font is installed");

    FcChar8* file = nullptr;
    int index = 0;
    FcPatternGetString(match, FC_FILE, 0, &file);
    FcPatternGetInteger(match, FC_INDEX, 0, &index);
    FT_Face face = nullptr;
    const bool opened =
        file != nullptr &&
        FT_New_Face(library_, reinterpret_cast<const char*>(file), index, &face) == 0;
    FcPatternDestroy(match);
    if (!opened) Fail("cannot open the font for " + ToUtf8(name));
    faces_.emplace(name, face);
    return face;
  }

  FcConfig* config_;
  FT_Library library_ = nullptr;
  std::map<std::u16string, FT_Face> faces_;
};

}  // namespace

std::unique_ptr<TextBackend> MakeSystemFontBackend() {
  return std::make_unique<SystemFontBackend>();
}

}  // namespace platform::detail
