#include "platform/image_codec.h"

#include <cstdio>
#include <memory>

bool DecodeImage(const uint8_t* data, size_t size, Image& out) {
    out = Image{};
    if (!data || size < 4) return false;
    if (data[0] == 'B' && data[1] == 'M') return DecodeBmp(data, size, out);
    if (data[0] == 0x89 && data[1] == 'P' && data[2] == 'N' && data[3] == 'G') return DecodePng(data, size, out);
    if (data[0] == 0xFF && data[1] == 0xD8) return DecodeJpeg(data, size, out);
    return false;
}

namespace {
struct FileCloser {
    void operator()(FILE* f) const { std::fclose(f); }
};
}  // namespace

bool LoadImageFile(const std::string& path, Image& out) {
    out = Image{};
    std::unique_ptr<FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) return false;
    if (std::fseek(file.get(), 0, SEEK_END) != 0) return false;
    long length = std::ftell(file.get());
    if (length <= 0 || static_cast<unsigned long>(length) > kMaxImageFileBytes) return false;
    std::rewind(file.get());
    std::vector<uint8_t> bytes(static_cast<size_t>(length));
    if (std::fread(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) return false;
    return DecodeImage(bytes.data(), bytes.size(), out);
}

bool SavePngFile(const std::string& path, const Image& image) {
    std::vector<uint8_t> bytes;
    if (!EncodePng(image, bytes)) return false;
    std::unique_ptr<FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
    if (!file) return false;
    return std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
}
