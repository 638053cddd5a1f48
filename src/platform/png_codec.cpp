#include <png.h>

#include <csetjmp>
#include <cstring>

#include "platform/image_codec.h"

namespace {

struct MemoryReader {
    const uint8_t* data;
    size_t size;
    size_t offset;
};

void ReadFromMemory(png_structp png, png_bytep dest, png_size_t length) {
    auto* reader = static_cast<MemoryReader*>(png_get_io_ptr(png));
    if (length > reader->size - reader->offset) png_error(png, "truncated");
    std::memcpy(dest, reader->data + reader->offset, length);
    reader->offset += length;
}

void Quiet(png_structp, png_const_charp) {}
// libpng prints an error unless its handler leaves by itself; the caller says
// what went wrong in its own words.
[[noreturn]] void QuietError(png_structp png, png_const_charp) { png_longjmp(png, 1); }

void WriteToVector(png_structp png, png_bytep src, png_size_t length) {
    auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), src, src + length);
}

void NoFlush(png_structp) {}

struct ReadState {
    png_structp png = nullptr;
    png_infop info = nullptr;
    ~ReadState() { png_destroy_read_struct(&png, info ? &info : nullptr, nullptr); }
};

// Everything that can longjmp lives here; the buffers belong to the caller so
// no destructor is skipped when libpng bails out.
bool ReadRows(ReadState& s, MemoryReader& reader, std::vector<uint8_t>& rgba, std::vector<png_bytep>& rows,
              png_uint_32& width, png_uint_32& height) {
    if (setjmp(png_jmpbuf(s.png))) return false;
    png_set_read_fn(s.png, &reader, ReadFromMemory);
    png_set_user_limits(s.png, kMaxImageSide, kMaxImageSide);
    png_read_info(s.png, s.info);
    int depth = 0, colourType = 0;
    png_get_IHDR(s.png, s.info, &width, &height, &depth, &colourType, nullptr, nullptr, nullptr);
    if (width == 0 || height == 0 || width > kMaxImageSide || height > kMaxImageSide) return false;
    png_set_expand(s.png);
    png_set_strip_16(s.png);
    png_set_gray_to_rgb(s.png);
    png_set_add_alpha(s.png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(s.png);
    png_read_update_info(s.png, s.info);
    if (png_get_rowbytes(s.png, s.info) != static_cast<size_t>(width) * 4) return false;
    rgba.resize(static_cast<size_t>(width) * height * 4);
    rows.resize(height);
    for (png_uint_32 y = 0; y < height; ++y) rows[y] = rgba.data() + static_cast<size_t>(y) * width * 4;
    png_read_image(s.png, rows.data());
    png_read_end(s.png, nullptr);
    return true;
}

}  // namespace

bool DecodePng(const uint8_t* data, size_t size, Image& out) {
    out = Image{};
    if (!data || size < 8 || png_sig_cmp(data, 0, 8) != 0) return false;
    ReadState s;
    s.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, QuietError, Quiet);
    if (!s.png) return false;
    s.info = png_create_info_struct(s.png);
    if (!s.info) return false;
    MemoryReader reader{data, size, 0};
    std::vector<uint8_t> rgba;
    std::vector<png_bytep> rows;
    png_uint_32 width = 0, height = 0;
    if (!ReadRows(s, reader, rgba, rows, width, height)) return false;

    out.Resize(static_cast<int>(width), static_cast<int>(height));
    for (size_t i = 0; i < out.pixels.size(); ++i) {
        const uint8_t* p = rgba.data() + i * 4;
        out.pixels[i] = (static_cast<uint32_t>(p[3]) << 24) | (p[0] << 16) | (p[1] << 8) | p[2];
    }
    return true;
}

namespace {

struct WriteState {
    png_structp png = nullptr;
    png_infop info = nullptr;
    ~WriteState() { png_destroy_write_struct(&png, info ? &info : nullptr); }
};

bool WriteRows(WriteState& s, std::vector<uint8_t>& out, const Image& image, std::vector<png_bytep>& rows) {
    if (setjmp(png_jmpbuf(s.png))) return false;
    png_set_write_fn(s.png, &out, WriteToVector, NoFlush);
    png_set_IHDR(s.png, s.info, image.width, image.height, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(s.png, s.info);
    png_write_image(s.png, rows.data());
    png_write_end(s.png, nullptr);
    return true;
}

}  // namespace

bool EncodePng(const Image& image, std::vector<uint8_t>& out) {
    out.clear();
    if (image.width <= 0 || image.height <= 0 ||
        image.pixels.size() != static_cast<size_t>(image.width) * image.height)
        return false;
    std::vector<uint8_t> rgba(image.pixels.size() * 4);
    for (size_t i = 0; i < image.pixels.size(); ++i) {
        uint32_t v = image.pixels[i];
        rgba[i * 4 + 0] = (v >> 16) & 0xFF;
        rgba[i * 4 + 1] = (v >> 8) & 0xFF;
        rgba[i * 4 + 2] = v & 0xFF;
        rgba[i * 4 + 3] = (v >> 24) & 0xFF;
    }
    std::vector<png_bytep> rows(image.height);
    for (int y = 0; y < image.height; ++y) rows[y] = rgba.data() + static_cast<size_t>(y) * image.width * 4;
    WriteState s;
    s.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, QuietError, Quiet);
    if (!s.png) return false;
    s.info = png_create_info_struct(s.png);
    if (!s.info) return false;
    if (!WriteRows(s, out, image, rows)) {
        out.clear();
        return false;
    }
    return true;
}
