// The 24-bit bitmap writer: header fields, padded rows, and that a standard
// reader sees the same pixels (rows bottom-up, blue-green-red, padded).

#include "bmp_writer.h"

#include <QImage>
#include <gtest/gtest.h>
#include <stdexcept>
#include <vector>

using namespace tavrin::tileart;

namespace {

std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) |
           (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

std::uint16_t U16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

} // namespace

TEST(BmpWriter, WritesTheHeadersAndPadsRows) {
    // 3 pixels of 3 bytes make 9 bytes per row, padded to 12.
    const std::vector<TRgb> pixels{{1, 2, 3},    {4, 5, 6},    {7, 8, 9},
                                   {10, 11, 12}, {13, 14, 15}, {16, 17, 18}};
    const auto bytes = EncodeBmp24(3, 2, pixels);
    ASSERT_EQ(bytes.size(), 54u + 2 * 12);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(U32(bytes, 2), bytes.size());
    EXPECT_EQ(U32(bytes, 6), 0u);
    EXPECT_EQ(U32(bytes, 10), 54u);
    EXPECT_EQ(U32(bytes, 14), 40u);
    EXPECT_EQ(U32(bytes, 18), 3u);
    EXPECT_EQ(U32(bytes, 22), 2u);
    EXPECT_EQ(U16(bytes, 26), 1u);
    EXPECT_EQ(U16(bytes, 28), 24u);
    EXPECT_EQ(U32(bytes, 30), 0u);
    EXPECT_EQ(U32(bytes, 34), 24u);
}

TEST(BmpWriter, ReadsBackAsTheSamePixels) {
    constexpr int w = 5, h = 4;
    std::vector<TRgb> pixels;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            pixels.push_back({static_cast<std::uint8_t>(x * 50), static_cast<std::uint8_t>(y * 60),
                              static_cast<std::uint8_t>(255 - x * y)});
    const auto bytes = EncodeBmp24(w, h, pixels);
    QImage image;
    ASSERT_TRUE(image.loadFromData(bytes.data(), static_cast<int>(bytes.size()), "BMP"));
    ASSERT_EQ(image.width(), w);
    ASSERT_EQ(image.height(), h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const TRgb& p = pixels[static_cast<std::size_t>(y * w + x)];
            EXPECT_EQ(image.pixel(x, y), qRgb(p.R, p.G, p.B)) << x << "," << y;
        }
    }
}

TEST(BmpWriter, RefusesSizesThatDoNotMatchThePixels) {
    const std::vector<TRgb> four(4);
    EXPECT_THROW(EncodeBmp24(3, 2, four), std::invalid_argument);
    EXPECT_THROW(EncodeBmp24(0, 4, {}), std::invalid_argument);
    EXPECT_THROW(EncodeBmp24(-2, -2, four), std::invalid_argument);
    EXPECT_NO_THROW(EncodeBmp24(2, 2, four));
}
