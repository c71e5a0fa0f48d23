// JPEG through libjpeg-turbo. libjpeg reports errors by a call that must not
// return, so every library call runs inside a small function that holds no
// C++ object and catches the error with setjmp; the C++ side then throws.

#include "documents/CodecSupport.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <memory>

#include <jpeglib.h>
#include <jerror.h>

namespace codecs {

namespace {

struct TJpegError {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void JpegErrorExit(j_common_ptr info)
{
    auto *error = reinterpret_cast<TJpegError *>(info->err);
    (*info->err->format_message)(info, error->message);
    std::longjmp(error->jump, 1);
}

// A file cut short would otherwise decode with its missing rows grey; it is
// a damaged file and is reported as one. Other warnings (stray bytes between
// markers) are what most viewers tolerate too.
void JpegEmitMessage(j_common_ptr info, int level)
{
    if (level < 0) {
        if (info->err->msg_code == JWRN_JPEG_EOF)
            JpegErrorExit(info);
        ++info->err->num_warnings;
    }
}

void InitError(TJpegError &error)
{
    jpeg_std_error(&error.pub);
    error.pub.error_exit = JpegErrorExit;
    error.pub.emit_message = JpegEmitMessage;
    error.message[0] = '\0';
}

// Rows go to and from libjpeg a batch at a time, straight from the raster.
constexpr int RowBatch = 16;

JDIMENSION PointRows(JSAMPROW *rows, TColor32 *bits, JDIMENSION y, int width, int height)
{
    const int count = std::min<int>(RowBatch, height - int(y));
    for (int i = 0; i < count; ++i)
        rows[i] = reinterpret_cast<JSAMPROW>(bits + (std::size_t(y) + std::size_t(i)) * std::size_t(width));
    return JDIMENSION(count);
}

struct TJpegDecoder {
    jpeg_decompress_struct info;
    TJpegError error;
};

bool ReadHeader(TJpegDecoder &d, const TEncodedData &data)
{
    if (setjmp(d.error.jump))
        return false;
    jpeg_create_decompress(&d.info);
    jpeg_mem_src(&d.info, data.bytes, static_cast<unsigned long>(data.size));
    jpeg_read_header(&d.info, TRUE);
    return true;
}

// Adobe writes CMYK inverted (0 = full ink), which is what nearly every
// CMYK JPEG in the wild is.
void CmykToBgra(const JSAMPLE *cmyk, TColor32 *out, int width, bool inverted)
{
    for (int x = 0; x < width; ++x, cmyk += 4) {
        int c = cmyk[0], m = cmyk[1], y = cmyk[2], k = cmyk[3];
        if (!inverted) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        out[x] = Color32((c * k + 127) / 255, (m * k + 127) / 255, (y * k + 127) / 255);
    }
}

bool DecodeRows(TJpegDecoder &d, TColor32 *bits, int width, int height)
{
    if (setjmp(d.error.jump))
        return false;
    const bool cmyk = d.info.jpeg_color_space == JCS_CMYK || d.info.jpeg_color_space == JCS_YCCK;
    d.info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRA;
    jpeg_start_decompress(&d.info);
    if (int(d.info.output_width) != width || int(d.info.output_height) != height ||
        d.info.output_components != 4)
        ERREXIT(&d.info, JERR_BAD_LENGTH);
    if (cmyk) {
        JSAMPARRAY row = (*d.info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&d.info), JPOOL_IMAGE,
                                                     JDIMENSION(width) * 4, 1);
        while (d.info.output_scanline < d.info.output_height) {
            const JDIMENSION y = d.info.output_scanline;
            jpeg_read_scanlines(&d.info, row, 1);
            CmykToBgra(row[0], bits + std::size_t(y) * std::size_t(width), width, d.info.saw_Adobe_marker);
        }
    } else {
        // The BGRA output is our 0xAARRGGBB word on little-endian machines:
        // libjpeg writes straight into the raster's rows.
        JSAMPROW rows[RowBatch];
        while (d.info.output_scanline < d.info.output_height) {
            const JDIMENSION count = PointRows(rows, bits, d.info.output_scanline, width, height);
            jpeg_read_scanlines(&d.info, rows, count);
        }
    }
    jpeg_finish_decompress(&d.info);
    return true;
}

struct TDecoderGuard {
    TJpegDecoder &d;
    ~TDecoderGuard() { jpeg_destroy_decompress(&d.info); }
};

struct TJpegDestination {
    jpeg_destination_mgr pub;
    QIODevice *device;
    JOCTET buffer[1 << 16];
};

void DestinationInit(j_compress_ptr info)
{
    auto *dest = reinterpret_cast<TJpegDestination *>(info->dest);
    dest->pub.next_output_byte = dest->buffer;
    dest->pub.free_in_buffer = sizeof dest->buffer;
}

boolean DestinationEmpty(j_compress_ptr info)
{
    auto *dest = reinterpret_cast<TJpegDestination *>(info->dest);
    if (dest->device->write(reinterpret_cast<const char *>(dest->buffer), qint64(sizeof dest->buffer)) !=
        qint64(sizeof dest->buffer))
        ERREXIT(info, JERR_FILE_WRITE);
    DestinationInit(info);
    return TRUE;
}

void DestinationTerm(j_compress_ptr info)
{
    auto *dest = reinterpret_cast<TJpegDestination *>(info->dest);
    const qint64 used = qint64(sizeof dest->buffer - dest->pub.free_in_buffer);
    if (used > 0 && dest->device->write(reinterpret_cast<const char *>(dest->buffer), used) != used)
        ERREXIT(info, JERR_FILE_WRITE);
}

struct TJpegEncoder {
    jpeg_compress_struct info;
    TJpegError error;
    TJpegDestination destination;
};

bool EncodeRows(TJpegEncoder &e, const TColor32 *bits, int width, int height)
{
    if (setjmp(e.error.jump))
        return false;
    jpeg_create_compress(&e.info);
    e.info.dest = &e.destination.pub;
    e.info.image_width = JDIMENSION(width);
    e.info.image_height = JDIMENSION(height);
    e.info.input_components = 4;
    e.info.in_color_space = JCS_EXT_BGRA;
    jpeg_set_defaults(&e.info);
    jpeg_set_quality(&e.info, 100, TRUE);
    // 4:4:4: every component at full resolution.
    for (int c = 0; c < e.info.num_components; ++c) {
        e.info.comp_info[c].h_samp_factor = 1;
        e.info.comp_info[c].v_samp_factor = 1;
    }
    jpeg_start_compress(&e.info, TRUE);
    JSAMPROW rows[RowBatch];
    while (e.info.next_scanline < e.info.image_height) {
        // libjpeg only reads these rows; its interface has no const.
        const JDIMENSION count = PointRows(rows, const_cast<TColor32 *>(bits), e.info.next_scanline, width, height);
        jpeg_write_scanlines(&e.info, rows, count);
    }
    jpeg_finish_compress(&e.info);
    return true;
}

struct TEncoderGuard {
    TJpegEncoder &e;
    ~TEncoderGuard() { jpeg_destroy_compress(&e.info); }
};

} // namespace

void DecodeJpeg(const TEncodedData &data, const QString &path, TBitmap32 &scratch)
{
    // Zeroed, so that destroying it is safe even when creating it failed.
    TJpegDecoder d{};
    InitError(d.error);
    d.info.err = &d.error.pub;
    TDecoderGuard guard{d};
    if (!ReadHeader(d, data))
        ThrowDecode(path, QString::fromLocal8Bit(d.error.message));
    CheckDeclaredSize(path, d.info.image_width, d.info.image_height);
    // Working memory beyond this (progressive files keep every coefficient)
    // fails cleanly instead of exhausting the machine.
    d.info.mem->max_memory_to_use = long(std::min<std::size_t>(TBitmap32::MaxBytes(), std::size_t(1) << 31));
    scratch.SetSize(int(d.info.image_width), int(d.info.image_height));
    if (!DecodeRows(d, scratch.Bits(), scratch.Width(), scratch.Height()))
        ThrowDecode(path, QString::fromLocal8Bit(d.error.message));
}

void WriteJpeg(QIODevice &device, const TBitmap32 &source, const QString &path)
{
    // The encoder holds a 64 KB output buffer: too big for the stack.
    auto e = std::make_unique<TJpegEncoder>();
    InitError(e->error);
    e->info.err = &e->error.pub;
    TEncoderGuard guard{*e};
    e->destination.pub.init_destination = DestinationInit;
    e->destination.pub.empty_output_buffer = DestinationEmpty;
    e->destination.pub.term_destination = DestinationTerm;
    e->destination.device = &device;
    if (!EncodeRows(*e, source.Bits(), source.Width(), source.Height()))
        ThrowWrite(path, QString::fromLocal8Bit(e->error.message));
}

} // namespace codecs
