#include "documents/CodecFixtures.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include <gif_lib.h>
#include <jpeglib.h>
#include <png.h>
#include <zlib.h>

namespace fixtures {

void WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

TBitmap32 Gradient(int width, int height)
{
    TBitmap32 b(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            *b.PixelPtr(x, y) = Color32(x * 255 / std::max(width - 1, 1), y * 255 / std::max(height - 1, 1),
                                        (x + y) * 127 / std::max(width + height - 2, 1), (x * 7 + y * 13) & 0xFF);
    return b;
}

namespace {

void Put16(QByteArray &b, std::uint32_t v)
{
    b.append(char(v & 0xFF));
    b.append(char((v >> 8) & 0xFF));
}

void Put32(QByteArray &b, std::uint32_t v)
{
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}

} // namespace

QByteArray MakeBmp(const TBmpFixture &fixture)
{
    QByteArray header;
    if (fixture.headerSize == 12) {
        Put32(header, 12);
        Put16(header, std::uint32_t(fixture.width));
        Put16(header, std::uint32_t(fixture.height));
        Put16(header, 1);
        Put16(header, std::uint32_t(fixture.bitCount));
    } else {
        Put32(header, std::uint32_t(fixture.headerSize));
        Put32(header, std::uint32_t(fixture.width));
        Put32(header, std::uint32_t(fixture.height));
        Put16(header, 1);
        Put16(header, std::uint32_t(fixture.bitCount));
        Put32(header, fixture.compression);
        Put32(header, 0); // image size
        Put32(header, 2835);
        Put32(header, 2835);
        Put32(header, std::uint32_t(fixture.palette.size()));
        Put32(header, 0);
        for (const std::uint32_t mask : fixture.masks)
            Put32(header, mask);
        header.append(QByteArray(fixture.headerSize - header.size(), '\0'));
    }
    for (const std::uint32_t mask : fixture.extraMasks)
        Put32(header, mask);
    for (const TColor32 c : fixture.palette) {
        header.append(char(BlueComponent(c)));
        header.append(char(GreenComponent(c)));
        header.append(char(RedComponent(c)));
        if (fixture.headerSize != 12)
            header.append('\0');
    }
    QByteArray pixels = fixture.rle;
    for (const auto &row : fixture.rows) {
        QByteArray r(reinterpret_cast<const char *>(row.data()), qsizetype(row.size()));
        r.append(QByteArray((4 - r.size() % 4) % 4, '\0'));
        pixels += r;
    }
    QByteArray file("BM");
    Put32(file, std::uint32_t(14 + header.size() + pixels.size()));
    Put32(file, 0);
    Put32(file, std::uint32_t(14 + header.size()));
    return file + header + pixels;
}

namespace {

void PngAppend(png_structp png, png_bytep data, png_size_t length)
{
    static_cast<QByteArray *>(png_get_io_ptr(png))->append(reinterpret_cast<const char *>(data), qsizetype(length));
}

} // namespace

QByteArray MakePng(const TPngFixture &fixture)
{
    QByteArray out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(png, &out, PngAppend, nullptr);
    png_set_IHDR(png, info, png_uint_32(fixture.width), png_uint_32(fixture.height), fixture.bitDepth, fixture.colorType,
                 fixture.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    std::vector<png_color> palette;
    for (std::size_t i = 0; i + 2 < fixture.palette.size(); i += 3)
        palette.push_back({fixture.palette[i], fixture.palette[i + 1], fixture.palette[i + 2]});
    if (!palette.empty())
        png_set_PLTE(png, info, palette.data(), int(palette.size()));
    if (!fixture.trns.empty())
        png_set_tRNS(png, info, fixture.trns.data(), int(fixture.trns.size()), nullptr);
    png_write_info(png, info);
    std::vector<png_bytep> rows;
    for (const auto &row : fixture.rows)
        rows.push_back(const_cast<png_bytep>(row.data()));
    png_write_image(png, rows.data());
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}

namespace {

int GifAppend(GifFileType *gif, const GifByteType *data, int length)
{
    static_cast<QByteArray *>(gif->UserData)->append(reinterpret_cast<const char *>(data), length);
    return length;
}

} // namespace

QByteArray MakeGif(const TGifFixture &fixture)
{
    QByteArray out;
    int error = 0;
    GifFileType *gif = EGifOpen(&out, GifAppend, &error);
    std::vector<GifColorType> colors;
    for (const TColor32 c : fixture.colors)
        colors.push_back({GifByteType(RedComponent(c)), GifByteType(GreenComponent(c)), GifByteType(BlueComponent(c))});
    ColorMapObject *map = GifMakeMapObject(int(colors.size()), colors.data());
    EGifSetGifVersion(gif, true);
    EGifPutScreenDesc(gif, fixture.screenWidth, fixture.screenHeight, 8, 0, map);
    if (fixture.transparent >= 0) {
        const GifByteType gce[4] = {1, 0, 0, GifByteType(fixture.transparent)};
        EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, gce);
    }
    EGifPutImageDesc(gif, fixture.left, fixture.top, fixture.width, fixture.height, fixture.interlaced, nullptr);
    std::vector<int> order;
    if (fixture.interlaced) {
        const int start[4] = {0, 4, 2, 1}, step[4] = {8, 8, 4, 2};
        for (int pass = 0; pass < 4; ++pass)
            for (int y = start[pass]; y < fixture.height; y += step[pass])
                order.push_back(y);
    } else {
        for (int y = 0; y < fixture.height; ++y)
            order.push_back(y);
    }
    for (const int y : order)
        EGifPutLine(gif, const_cast<GifPixelType *>(fixture.pixels.data() + std::size_t(y) * std::size_t(fixture.width)),
                    fixture.width);
    EGifCloseFile(gif, &error);
    GifFreeMapObject(map);
    return out;
}

QByteArray MakeCmykJpeg(int width, int height, const std::uint8_t (&cmyk)[4])
{
    jpeg_compress_struct info;
    jpeg_error_mgr error;
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = 4;
    info.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row;
    for (int x = 0; x < width; ++x)
        row.insert(row.end(), cmyk, cmyk + 4);
    while (info.next_scanline < info.image_height) {
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    QByteArray out(reinterpret_cast<const char *>(buffer), qsizetype(size));
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return out;
}

TJpegFrameInfo ReadJpegFrame(const QByteArray &jpeg)
{
    TJpegFrameInfo result;
    jpeg_decompress_struct info;
    jpeg_error_mgr error;
    info.err = jpeg_std_error(&error);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char *>(jpeg.constData()), static_cast<unsigned long>(jpeg.size()));
    jpeg_read_header(&info, TRUE);
    result.components = info.num_components;
    for (int c = 0; c < info.num_components; ++c)
        result.sampling.emplace_back(info.comp_info[c].h_samp_factor, info.comp_info[c].v_samp_factor);
    jpeg_destroy_decompress(&info);
    return result;
}

qsizetype JpegSizeFieldOffset(const QByteArray &jpeg)
{
    for (qsizetype i = 2; i + 9 < jpeg.size(); ++i) {
        const auto marker = std::uint8_t(jpeg[i + 1]);
        if (std::uint8_t(jpeg[i]) == 0xFF && marker >= 0xC0 && marker <= 0xC3)
            return i + 5;
    }
    return -1;
}

void FixPngCrc(QByteArray &png, qsizetype offset)
{
    const auto *p = reinterpret_cast<const unsigned char *>(png.constData()) + offset;
    const std::uint32_t length = (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) |
                                 (std::uint32_t(p[2]) << 8) | std::uint32_t(p[3]);
    const uLong crc = crc32(0, p + 4, uInt(length + 4));
    for (int i = 0; i < 4; ++i)
        png[offset + 8 + length + i] = char((crc >> (24 - 8 * i)) & 0xFF);
}

} // namespace fixtures
