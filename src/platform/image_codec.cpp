#include "platform/image_codec.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <cstring>
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

namespace {
// Names the kind of picture the signature promises, or null for none.
const char* Kind(const std::vector<uint8_t>& bytes) {
    if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') return "BMP";
    if (bytes.size() >= 4 && bytes[0] == 0x89 && bytes[1] == 'P' && bytes[2] == 'N' && bytes[3] == 'G') return "PNG";
    if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xD8) return "JPEG";
    return nullptr;
}

bool Fail(std::string* why, const std::string& reason) {
    if (why) *why = reason;
    return false;
}
}  // namespace

bool LoadImageFile(const std::string& path, Image& out, std::string* why) {
    out = Image{};
    std::unique_ptr<FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) return Fail(why, std::strerror(errno));
    // fopen opens a folder on Linux; its size would then be nonsense.
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) return Fail(why, "it is a folder, not a file");
    if (std::fseek(file.get(), 0, SEEK_END) != 0) return Fail(why, "cannot seek in it");
    long length = std::ftell(file.get());
    if (length <= 0) return Fail(why, "the file is empty");
    if (static_cast<unsigned long>(length) > kMaxImageFileBytes) return Fail(why, "the file is larger than 64 MB");
    std::rewind(file.get());
    std::vector<uint8_t> bytes(static_cast<size_t>(length));
    if (std::fread(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) return Fail(why, "it could not be read whole");
    if (DecodeImage(bytes.data(), bytes.size(), out)) return true;
    const char* kind = Kind(bytes);
    if (!kind) return Fail(why, "it is not a BMP, PNG or JPEG picture");
    return Fail(why, std::string("a damaged or unsupported ") + kind + " picture");
}

bool SavePngFile(const std::string& path, const Image& image) {
    std::vector<uint8_t> bytes;
    if (!EncodePng(image, bytes)) return false;
    std::unique_ptr<FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
    if (!file) return false;
    return std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
}
