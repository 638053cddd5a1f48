#include <cstdio>  // jpeglib.h needs FILE
#include <jerror.h>
#include <jpeglib.h>

#include <csetjmp>

#include "platform/image_codec.h"

namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    jmp_buf jump;
    bool truncated;
};

void OnError(j_common_ptr info) { std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1); }

// Warnings are silent, but a file that ends early counts as corrupt: libjpeg
// would pad it with grey and we would rather leave the slot empty.
void OnMessage(j_common_ptr info, int level) {
    auto* err = reinterpret_cast<ErrorManager*>(info->err);
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) err->truncated = true;
}

struct Decompressor {
    jpeg_decompress_struct info{};
    ~Decompressor() { jpeg_destroy_decompress(&info); }
};

bool ReadRows(Decompressor& d, ErrorManager& err, const uint8_t* data, size_t size, std::vector<uint8_t>& rgb,
              int& width, int& height) {
    if (setjmp(err.jump)) return false;
    jpeg_create_decompress(&d.info);
    jpeg_mem_src(&d.info, data, static_cast<unsigned long>(size));
    if (jpeg_read_header(&d.info, TRUE) != JPEG_HEADER_OK) return false;
    if (d.info.image_width == 0 || d.info.image_height == 0 || d.info.image_width > kMaxImageSide ||
        d.info.image_height > kMaxImageSide)
        return false;
    d.info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&d.info);
    if (d.info.output_components != 3) return false;
    width = static_cast<int>(d.info.output_width);
    height = static_cast<int>(d.info.output_height);
    rgb.resize(static_cast<size_t>(width) * height * 3);
    while (d.info.output_scanline < d.info.output_height) {
        JSAMPROW row = rgb.data() + static_cast<size_t>(d.info.output_scanline) * width * 3;
        if (jpeg_read_scanlines(&d.info, &row, 1) != 1) return false;
    }
    jpeg_finish_decompress(&d.info);
    return !err.truncated;
}

}  // namespace

bool DecodeJpeg(const uint8_t* data, size_t size, Image& out) {
    out = Image{};
    if (!data || size < 4) return false;
    Decompressor d;
    ErrorManager err{};
    d.info.err = jpeg_std_error(&err.base);
    err.base.error_exit = OnError;
    err.base.emit_message = OnMessage;
    std::vector<uint8_t> rgb;
    int width = 0, height = 0;
    if (!ReadRows(d, err, data, size, rgb, width, height)) return false;
    out.Resize(width, height);
    for (size_t i = 0; i < out.pixels.size(); ++i) {
        const uint8_t* p = rgb.data() + i * 3;
        out.pixels[i] = 0xFF000000u | (p[0] << 16) | (p[1] << 8) | p[2];
    }
    return true;
}
