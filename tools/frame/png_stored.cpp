// PNG files without a compression library: the image data goes in zlib's
// stored (uncompressed) blocks, which every PNG reader takes. For builds
// that have no libpng, such as the one for Node.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "tools/frame/png_file.h"

namespace {

// CRC-32 as PNG chunks carry it (polynomial 0xEDB88320, reflected).
uint32_t Crc32(const uint8_t* bytes, size_t count, uint32_t crc = 0) {
    crc = ~crc;
    for (size_t i = 0; i < count; ++i) {
        crc ^= bytes[i];
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void PutBigEndian(std::vector<uint8_t>& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<uint8_t>(value >> shift));
}

void PutChunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data) {
    PutBigEndian(out, static_cast<uint32_t>(data.size()));
    const size_t typeAt = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    PutBigEndian(out, Crc32(out.data() + typeAt, out.size() - typeAt));
}

// A zlib stream of stored blocks: the two header bytes (deflate, 32 KiB
// window, no preset dictionary, check bits making 0x7801 divisible by 31),
// blocks of at most 65535 bytes each led by their final flag, length and its
// complement, then the Adler-32 of the raw bytes.
std::vector<uint8_t> StoredZlib(const std::vector<uint8_t>& raw) {
    std::vector<uint8_t> out{0x78, 0x01};
    constexpr size_t kBlock = 65535;
    size_t at = 0;
    do {
        const size_t length = std::min(kBlock, raw.size() - at);
        out.push_back(at + length == raw.size() ? 1 : 0);
        for (uint16_t half : {static_cast<uint16_t>(length), static_cast<uint16_t>(~length)}) {
            out.push_back(static_cast<uint8_t>(half));
            out.push_back(static_cast<uint8_t>(half >> 8));
        }
        out.insert(out.end(), raw.begin() + at, raw.begin() + at + length);
        at += length;
    } while (at < raw.size());
    uint32_t a = 1;
    uint32_t b = 0;
    for (uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    PutBigEndian(out, (b << 16) | a);
    return out;
}

}  // namespace

bool WritePngFile(const char* path, const uint32_t* pixels, int width, int height) {
    // Each row starts with its filter type, 0: the bytes as they are.
    std::vector<uint8_t> raw;
    raw.reserve(static_cast<size_t>(height) * (static_cast<size_t>(width) * 3 + 1));
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);
        for (int x = 0; x < width; ++x) {
            const uint32_t pixel = pixels[static_cast<size_t>(y) * width + x];
            raw.insert(raw.end(), {static_cast<uint8_t>(pixel >> 16),
                                   static_cast<uint8_t>(pixel >> 8), static_cast<uint8_t>(pixel)});
        }
    }
    std::vector<uint8_t> header;
    PutBigEndian(header, static_cast<uint32_t>(width));
    PutBigEndian(header, static_cast<uint32_t>(height));
    // 8 bits a sample, RGB, deflate, the only filter method, no interlace.
    header.insert(header.end(), {8, 2, 0, 0, 0});
    std::vector<uint8_t> file{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    PutChunk(file, "IHDR", header);
    PutChunk(file, "IDAT", StoredZlib(raw));
    PutChunk(file, "IEND", {});
    FILE* out = fopen(path, "wb");
    bool written = out != nullptr && fwrite(file.data(), 1, file.size(), out) == file.size();
    if (out != nullptr) written = fclose(out) == 0 && written;
    if (!written) fprintf(stderr, "vellumtarn-frame: cannot write %s\n", path);
    return written;
}
