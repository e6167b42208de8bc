#include "gui/platform/raster/TextRasteriser.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <map>
#include <mutex>
#include <string>
#include <utility>

namespace tarvolin::platform {

namespace {

// FreeType and the opened faces live as long as the module; faces are looked
// up by request, as fontconfig's answer for a face name never changes while we run.
// Hosts may draw the editors of several instances on threads of their own,
// and FreeType's library and each face (its size, its one glyph slot) take
// one user at a time: every use holds the library's lock.
class FontLibrary {
public:
    FontLibrary() {
        if (FT_Init_FreeType(&library) != 0) {
            library = nullptr;
        }
    }
    ~FontLibrary() {
        for (auto& entry : faces) {
            if (entry.second != nullptr) {
                FT_Done_Face(entry.second);
            }
        }
        if (library != nullptr) {
            FT_Done_FreeType(library);
        }
    }
    FontLibrary(const FontLibrary&) = delete;
    FontLibrary& operator=(const FontLibrary&) = delete;

    std::mutex& lock() { return inUse; }

    FT_Face faceFor(const FontRequest& request) {
        const std::pair<std::string, bool> key{request.face, request.weight >= kFontWeightBold};
        auto found = faces.find(key);
        if (found == faces.end()) {
            found = faces.emplace(key, open(key.first.c_str(), key.second)).first;
        }
        return found->second;
    }

private:
    FT_Face open(const char* family, bool bold) {
        if (library == nullptr) {
            return nullptr;
        }
        FcPattern* pattern = FcPatternCreate();
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
        FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
        FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result = FcResultNoMatch;
        FcPattern* match = FcFontMatch(nullptr, pattern, &result);
        FcPatternDestroy(pattern);
        FT_Face face = nullptr;
        FcChar8* file = nullptr;
        int index = 0;
        if (match != nullptr && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
            FcPatternGetInteger(match, FC_INDEX, 0, &index);
            if (FT_New_Face(library, reinterpret_cast<const char*>(file), index, &face) != 0) {
                face = nullptr;
            }
        }
        if (match != nullptr) {
            FcPatternDestroy(match);
        }
        return face;
    }

    std::mutex inUse;
    FT_Library library = nullptr;
    std::map<std::pair<std::string, bool>, FT_Face> faces;
};

FontLibrary& fontLibrary() {
    static FontLibrary instance;
    return instance;
}

bool loadGlyph(FT_Face face, unsigned char character) {
    return FT_Load_Char(face, character, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) == 0;
}

int advanceOf(FT_Face face) {
    return static_cast<int>(face->glyph->advance.x >> 6);
}

int textWidth(FT_Face face, std::string_view text) {
    int width = 0;
    for (const char character : text) {
        if (loadGlyph(face, static_cast<unsigned char>(character))) {
            width += advanceOf(face);
        }
    }
    return width;
}

void fillClipped(PixelBuffer& target, Rect area, const Rect& clip, Colour colour) {
    const std::uint32_t rgb = PixelBuffer::pack(colour);
    for (int v = std::max(area.top, clip.top); v < std::min(area.bottom, clip.bottom); ++v) {
        for (int h = std::max(area.left, clip.left); h < std::min(area.right, clip.right); ++h) {
            target.set({h, v}, rgb);
        }
    }
}

void blitGlyph(PixelBuffer& target, const FT_GlyphSlot glyph, Point origin, const Rect& clip,
               std::uint32_t rgb) {
    const FT_Bitmap& bitmap = glyph->bitmap;
    for (unsigned row = 0; row < bitmap.rows; ++row) {
        const unsigned char* bits = bitmap.buffer + static_cast<std::ptrdiff_t>(row) * bitmap.pitch;
        for (unsigned column = 0; column < bitmap.width; ++column) {
            if ((bits[column / 8] & (0x80 >> (column % 8))) == 0) {
                continue;
            }
            const Point pixel{origin.h + glyph->bitmap_left + static_cast<int>(column),
                              origin.v - glyph->bitmap_top + static_cast<int>(row)};
            if (pixel.h >= clip.left && pixel.h < clip.right && pixel.v >= clip.top &&
                pixel.v < clip.bottom) {
                target.set(pixel, rgb);
            }
        }
    }
}

// Runs use with the face for the request at its size, under the library's
// lock; without a usable face, not at all.
template <typename Use> void withSizedFace(const FontRequest& font, Use use) {
    FontLibrary& fonts = fontLibrary();
    const std::lock_guard held(fonts.lock());
    FT_Face face = fonts.faceFor(font);
    if (face != nullptr && font.pixelHeight > 0 &&
        FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(font.pixelHeight)) == 0) {
        use(face);
    }
}

void drawWithFace(PixelBuffer& target, std::string_view text, const Rect& rect,
                  TextAlignment alignment, const TextStyle& style, FT_Face face) {
    const int ascent = static_cast<int>((face->size->metrics.ascender + 63) >> 6);
    const int descent = static_cast<int>((-face->size->metrics.descender + 63) >> 6);
    const int width = textWidth(face, text);
    const int top = rect.top + (rect.height() - (ascent + descent)) / 2;
    int left = rect.left;
    if (alignment == AlignCenter) {
        left += (rect.width() - width) / 2;
    } else if (alignment == AlignRight) {
        left = rect.right - width;
    }
    if (style.opaque) {
        fillClipped(target, {left, top, left + width, top + ascent + descent}, rect,
                    style.background);
    }
    const std::uint32_t rgb = PixelBuffer::pack(style.colour);
    Point pen{left, top + ascent};
    for (const char character : text) {
        if (loadGlyph(face, static_cast<unsigned char>(character))) {
            blitGlyph(target, face->glyph, pen, rect, rgb);
            pen.h += advanceOf(face);
        }
    }
}

} // namespace

int textLineWidth(std::string_view text, const FontRequest& font) {
    int width = 0;
    withSizedFace(font, [&](FT_Face face) { width = textWidth(face, text); });
    return width;
}

void drawTextLine(PixelBuffer& target, std::string_view text, const Rect& rect,
                  TextAlignment alignment, const TextStyle& style) {
    withSizedFace(style.font,
                  [&](FT_Face face) { drawWithFace(target, text, rect, alignment, style, face); });
}

} // namespace tarvolin::platform
