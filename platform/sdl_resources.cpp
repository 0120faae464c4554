#include "platform/sdl_resources.h"

#include <SDL.h>
#include <SDL_image.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "platform/platform.h"

namespace {

struct TextureEntry {
    SDL_Texture* texture = nullptr;
    std::string path;
    int width = 0, height = 0, filter = 0;
    bool used = false;
};

struct FontEntry {
    TTF_Font* font = nullptr;
};

struct ResourceState {
    SDL_Renderer* renderer = nullptr;
    std::vector<TextureEntry> textures;   // handle = index + 1
    std::vector<FontEntry> fonts;         // handle = index + 1
};

ResourceState rs;

// Premultiplied RGBA in floats, so transparent texels do not bleed their
// colour into the edges of a resized picture.
struct FloatImage {
    int w = 0, h = 0;
    std::vector<float> px;   // 4 per texel
};

FloatImage FromSurface(SDL_Surface* s) {
    FloatImage img;
    img.w = s->w;
    img.h = s->h;
    img.px.resize(size_t(img.w) * img.h * 4);
    for (int y = 0; y < img.h; ++y) {
        const uint8_t* row = static_cast<const uint8_t*>(s->pixels) + size_t(y) * s->pitch;
        for (int x = 0; x < img.w; ++x) {
            uint32_t p;
            std::memcpy(&p, row + x * 4, 4);
            float a = float(p >> 24) / 255.0f;
            float* o = &img.px[(size_t(y) * img.w + x) * 4];
            o[0] = float((p >> 16) & 255) * a;
            o[1] = float((p >> 8) & 255) * a;
            o[2] = float(p & 255) * a;
            o[3] = a;
        }
    }
    return img;
}

// Weights of one output texel over the input: a box over its footprint
// when shrinking, a linear tent when enlarging.
void Weights(int outIndex, int inSize, int outSize, bool nearest, std::vector<std::pair<int, float>>* w) {
    w->clear();
    double scale = double(inSize) / outSize;
    if (nearest) {
        int i = std::min(inSize - 1, int((outIndex + 0.5) * scale));
        w->push_back({i, 1.0f});
        return;
    }
    if (scale > 1) {
        double a = outIndex * scale, b = (outIndex + 1) * scale;
        for (int i = int(std::floor(a)); i < int(std::ceil(b)); ++i) {
            double cover = std::min(b, double(i + 1)) - std::max(a, double(i));
            if (cover > 0) w->push_back({std::min(i, inSize - 1), float(cover / scale)});
        }
        return;
    }
    double centre = (outIndex + 0.5) * scale - 0.5;
    int i0 = int(std::floor(centre));
    double f = centre - i0;
    w->push_back({std::clamp(i0, 0, inSize - 1), float(1 - f)});
    w->push_back({std::clamp(i0 + 1, 0, inSize - 1), float(f)});
}

FloatImage Resample(const FloatImage& in, int w, int h, bool nearest) {
    FloatImage mid;
    mid.w = w;
    mid.h = in.h;
    mid.px.assign(size_t(w) * in.h * 4, 0);
    std::vector<std::pair<int, float>> wt;
    for (int x = 0; x < w; ++x) {
        Weights(x, in.w, w, nearest, &wt);
        for (int y = 0; y < in.h; ++y) {
            float* o = &mid.px[(size_t(y) * w + x) * 4];
            for (auto& [i, k] : wt)
                for (int c = 0; c < 4; ++c) o[c] += in.px[(size_t(y) * in.w + i) * 4 + c] * k;
        }
    }
    FloatImage out;
    out.w = w;
    out.h = h;
    out.px.assign(size_t(w) * h * 4, 0);
    for (int y = 0; y < h; ++y) {
        Weights(y, in.h, h, nearest, &wt);
        float* o = &out.px[size_t(y) * w * 4];
        for (auto& [i, k] : wt) {
            const float* src = &mid.px[size_t(i) * w * 4];
            for (int x = 0; x < w * 4; ++x) o[x] += src[x] * k;
        }
    }
    return out;
}

std::vector<uint32_t> ToArgb(const FloatImage& img) {
    std::vector<uint32_t> out(size_t(img.w) * img.h);
    for (size_t i = 0; i < out.size(); ++i) {
        const float* p = &img.px[i * 4];
        float a = p[3];
        auto channel = [a](float v) {
            return uint32_t(std::clamp(a > 0 ? std::lround(v / a) : 0L, 0L, 255L));
        };
        uint32_t alpha = uint32_t(std::clamp(std::lround(a * 255), 0L, 255L));
        out[i] = (alpha << 24) | (channel(p[0]) << 16) | (channel(p[1]) << 8) | channel(p[2]);
    }
    return out;
}

SDL_Texture* MakeTexture(const TextureEntry& e) {
    SDL_Surface* loaded = IMG_Load(e.path.c_str());
    if (!loaded) return nullptr;
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(loaded);
    if (!argb) return nullptr;
    int w = e.width > 0 ? e.width : argb->w, h = e.height > 0 ? e.height : argb->h;
    std::vector<uint32_t> pixels;
    if (w == argb->w && h == argb->h) {
        pixels.resize(size_t(w) * h);
        for (int y = 0; y < h; ++y)
            std::memcpy(&pixels[size_t(y) * w], static_cast<uint8_t*>(argb->pixels) + size_t(y) * argb->pitch,
                        size_t(w) * 4);
    } else {
        pixels = ToArgb(Resample(FromSurface(argb), w, h, e.filter == FILTER_NEAREST));
    }
    SDL_FreeSurface(argb);
    SDL_Texture* t = SDL_CreateTexture(rs.renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, w, h);
    if (!t) return nullptr;
    SDL_UpdateTexture(t, nullptr, pixels.data(), w * 4);
    SDL_SetTextureBlendMode(t, SDL_BLENDMODE_BLEND);
    SDL_SetTextureScaleMode(t, e.filter == FILTER_NEAREST ? SDL_ScaleModeNearest : SDL_ScaleModeLinear);
    return t;
}

// The Debian font files that stand in for the faces the game asks for.
const char* FontFile(const std::string& face, bool bold) {
    bool verdana = face == "Verdana";
    if (verdana)
        return bold ? "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
                    : "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
    return bold ? "/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf"
                : "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf";
}

TTF_Font* FontOf(int handle) {
    if (handle <= 0 || handle > int(rs.fonts.size())) return nullptr;
    return rs.fonts[handle - 1].font;
}

std::vector<std::string> TextLines(const char* text) {
    std::vector<std::string> lines(1);
    for (const char* p = text; *p; ++p) {
        if (*p == '\r' || *p == '\n') {
            if (*p == '\r' && p[1] == '\n') ++p;
            lines.emplace_back();
        } else {
            lines.back() += *p;
        }
    }
    return lines;
}

}  // namespace

bool StartResources(std::string* error) {
    int want = IMG_INIT_PNG | IMG_INIT_JPG;
    if ((IMG_Init(want) & want) != want) {
        *error = std::string("cannot start the picture decoder: ") + IMG_GetError();
        return false;
    }
    if (TTF_Init() != 0) {
        *error = std::string("cannot start the font renderer: ") + TTF_GetError();
        return false;
    }
    return true;
}

void StopResources() {
    for (FontEntry& f : rs.fonts)
        if (f.font) TTF_CloseFont(f.font);
    rs.fonts.clear();
    TTF_Quit();
    IMG_Quit();
}

void SetResourceRenderer(SDL_Renderer* renderer) { rs.renderer = renderer; }

SDL_Texture* TextureOf(int handle) {
    if (handle <= 0 || handle > int(rs.textures.size())) return nullptr;
    return rs.textures[handle - 1].texture;
}

int LoadTextureFromFile(const char* path, int width, int height, int filter) {
    if (!rs.renderer) return 0;
    TextureEntry e;
    e.path = path;
    e.width = width;
    e.height = height;
    e.filter = filter;
    e.texture = MakeTexture(e);
    if (!e.texture) return 0;
    e.used = true;
    for (size_t i = 0; i < rs.textures.size(); ++i) {
        if (!rs.textures[i].used) {
            rs.textures[i] = e;
            return int(i + 1);
        }
    }
    rs.textures.push_back(e);
    return int(rs.textures.size());
}

void FreeTextureHandle(int handle) {
    if (handle <= 0 || handle > int(rs.textures.size())) return;
    TextureEntry& e = rs.textures[handle - 1];
    if (e.texture) SDL_DestroyTexture(e.texture);
    e = TextureEntry();
}

void ReleaseRendererResources() {
    for (TextureEntry& e : rs.textures)
        if (e.texture) SDL_DestroyTexture(e.texture);
    rs.textures.clear();
}

void DestroyRendererKeepingCatalogue() {
    for (TextureEntry& e : rs.textures) {
        if (e.texture) SDL_DestroyTexture(e.texture);
        e.texture = nullptr;
    }
}

void ReloadAllTextures() {
    for (TextureEntry& e : rs.textures)
        if (e.used) e.texture = MakeTexture(e);
}

int CreateSystemFont(const char* face, int pixelHeight, bool bold) {
    TTF_Font* f = TTF_OpenFont(FontFile(face, bold), std::max(4, pixelHeight));
    if (!f) return 0;
    rs.fonts.push_back(FontEntry{f});
    return int(rs.fonts.size());
}

void MeasureSystemText(int font, const char* text, int* width, int* height) {
    *width = *height = 0;
    TTF_Font* f = FontOf(font);
    if (!f) return;
    std::vector<std::string> lines = TextLines(text);
    for (const std::string& line : lines) {
        int w = 0, h = 0;
        if (!line.empty()) TTF_SizeUTF8(f, line.c_str(), &w, &h);
        *width = std::max(*width, w);
    }
    *height = int(lines.size()) * TTF_FontLineSkip(f);
}

void DrawSystemText(int font, const char* text, int left, int top, int right, int bottom, unsigned argb,
                    int align) {
    TTF_Font* f = FontOf(font);
    if (!f || !rs.renderer) return;
    std::vector<std::string> lines = TextLines(text);
    int skip = TTF_FontLineSkip(f);
    int blockH = int(lines.size()) * skip;
    int y = (align & TEXT_VCENTRE) ? top + (bottom - top - blockH) / 2 : top;
    for (const std::string& line : lines) {
        if (!line.empty()) {
            SDL_Surface* s = TTF_RenderUTF8_Blended(f, line.c_str(), SDL_Color{255, 255, 255, 255});
            if (s) {
                SDL_Texture* t = SDL_CreateTextureFromSurface(rs.renderer, s);
                if (t) {
                    int x = left;
                    if (align & TEXT_CENTRE) x = left + (right - left - s->w) / 2;
                    else if (align & TEXT_RIGHT) x = right - s->w;
                    SDL_Rect dst{x, y, s->w, s->h};
                    SDL_SetTextureBlendMode(t, SDL_BLENDMODE_BLEND);
                    SDL_SetTextureColorMod(t, (argb >> 16) & 255, (argb >> 8) & 255, argb & 255);
                    SDL_SetTextureAlphaMod(t, argb >> 24);
                    SDL_RenderCopy(rs.renderer, t, nullptr, &dst);
                    SDL_DestroyTexture(t);
                }
                SDL_FreeSurface(s);
            }
        }
        y += skip;
    }
}
