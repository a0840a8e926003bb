// A small PNG encoder for test images: signature, header, palette, one stored-deflate data chunk.
#include "png_writer.h"

#include <algorithm>
#include <array>
#include <fstream>

namespace {
constexpr std::array<std::uint8_t, 8> PNG_SIGNATURE = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
constexpr std::size_t STORED_BLOCK_MAX = 65535;
constexpr std::uint32_t ADLER_MODULUS = 65521;
constexpr std::uint32_t CRC_POLYNOMIAL = 0xedb88320u;

// Samples per pixel of each colour type.
std::uint32_t channels(PngColour colour)
{
    switch (colour) {
    case PngColour::GREY: return 1;
    case PngColour::RGB: return 3;
    case PngColour::PALETTE: return 1;
    case PngColour::GREY_ALPHA: return 2;
    case PngColour::RGBA: return 4;
    }
    return 0;
}

// The CRC-32 that closes every chunk, over its type and data.
std::uint32_t crc32(const std::vector<std::uint8_t>& bytes)
{
    std::uint32_t crc = 0xffffffffu;
    for (std::uint8_t byte : bytes) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ ((crc & 1u) ? CRC_POLYNOMIAL : 0u);
    }
    return crc ^ 0xffffffffu;
}

// The Adler-32 that closes the zlib stream.
std::uint32_t adler32(const std::vector<std::uint8_t>& bytes)
{
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t byte : bytes) {
        a = (a + byte) % ADLER_MODULUS;
        b = (b + a) % ADLER_MODULUS;
    }
    return (b << 16) | a;
}

// Appends the value as four bytes, most significant first.
void appendBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

// Length, type, data and CRC of one chunk.
void appendChunk(std::vector<std::uint8_t>& out, const char* type, const std::vector<std::uint8_t>& data)
{
    appendBigEndian(out, static_cast<std::uint32_t>(data.size()));
    std::vector<std::uint8_t> typed(type, type + 4);
    typed.insert(typed.end(), data.begin(), data.end());
    out.insert(out.end(), typed.begin(), typed.end());
    appendBigEndian(out, crc32(typed));
}

// A zlib stream of stored (uncompressed) deflate blocks.
std::vector<std::uint8_t> zlibStored(const std::vector<std::uint8_t>& raw)
{
    std::vector<std::uint8_t> out = {0x78, 0x01};
    std::size_t offset = 0;
    do {
        const std::size_t size = std::min(STORED_BLOCK_MAX, raw.size() - offset);
        const bool last = offset + size == raw.size();
        out.push_back(last ? 1 : 0);
        out.push_back(static_cast<std::uint8_t>(size));
        out.push_back(static_cast<std::uint8_t>(size >> 8));
        out.push_back(static_cast<std::uint8_t>(~size));
        out.push_back(static_cast<std::uint8_t>(~size >> 8));
        out.insert(out.end(), raw.begin() + static_cast<std::ptrdiff_t>(offset),
                   raw.begin() + static_cast<std::ptrdiff_t>(offset + size));
        offset += size;
    } while (offset < raw.size());
    appendBigEndian(out, adler32(raw));
    return out;
}
} // namespace

// The complete PNG file for the image, uncompressed (stored deflate blocks).
std::vector<std::uint8_t> encodePng(const PngImage& image)
{
    std::vector<std::uint8_t> out(PNG_SIGNATURE.begin(), PNG_SIGNATURE.end());

    std::vector<std::uint8_t> header;
    appendBigEndian(header, image.width);
    appendBigEndian(header, image.height);
    header.push_back(image.bitDepth);
    header.push_back(static_cast<std::uint8_t>(image.colour));
    header.insert(header.end(), {0, 0, 0}); // deflate, adaptive filtering, no interlace
    appendChunk(out, "IHDR", header);

    if (image.colour == PngColour::PALETTE)
        appendChunk(out, "PLTE", image.palette);

    // Each row behind a filter byte of 0 (none).
    const std::size_t rowBytes = image.width * channels(image.colour) * (image.bitDepth / 8u);
    std::vector<std::uint8_t> raw;
    for (std::uint32_t row = 0; row < image.height; ++row) {
        raw.push_back(0);
        const auto start = image.samples.begin() + static_cast<std::ptrdiff_t>(row * rowBytes);
        raw.insert(raw.end(), start, start + static_cast<std::ptrdiff_t>(rowBytes));
    }
    appendChunk(out, "IDAT", zlibStored(raw));
    appendChunk(out, "IEND", {});
    return out;
}

// Writes the bytes to the file, creating or replacing it; false when it cannot be written.
bool writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}
