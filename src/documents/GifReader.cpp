// The first frame of a GIF on giflib, composed on the logical screen: the
// screen outside the frame and the frame's transparent index are alpha 0.
// The file is read record by record; nothing is sized before it is checked.

#include "documents/CodecSupport.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include <gif_lib.h>

namespace codecs {

namespace {

struct TGifSource {
    TEncodedData data;
    std::size_t position;
};

int GifRead(GifFileType *gif, GifByteType *out, int length)
{
    auto *source = static_cast<TGifSource *>(gif->UserData);
    const std::size_t count = std::min<std::size_t>(std::size_t(std::max(length, 0)), source->data.size - source->position);
    std::memcpy(out, source->data.bytes + source->position, count);
    source->position += count;
    return int(count);
}

struct TGifCloser {
    GifFileType *gif;
    ~TGifCloser()
    {
        int error = 0;
        if (gif)
            DGifCloseFile(gif, &error);
    }
};

[[noreturn]] void GifFailure(const QString &path, int code)
{
    const char *text = GifErrorString(code);
    ThrowDecode(path, code == D_GIF_ERR_READ_FAILED || code == D_GIF_ERR_EOF_TOO_SOON
                          ? QStringLiteral("the file ends before the picture does")
                          : QString::fromLatin1(text ? text : "unknown GIF error"));
}

// Rows of an interlaced frame arrive in four passes.
std::vector<int> RowOrder(int height, bool interlaced)
{
    std::vector<int> order;
    order.reserve(std::size_t(height));
    if (!interlaced) {
        for (int y = 0; y < height; ++y)
            order.push_back(y);
        return order;
    }
    constexpr int start[4] = {0, 4, 2, 1}, step[4] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
        for (int y = start[pass]; y < height; y += step[pass])
            order.push_back(y);
    return order;
}

} // namespace

void DecodeGif(const TEncodedData &data, const QString &path, TBitmap32 &scratch)
{
    TGifSource source{data, 0};
    int error = 0;
    TGifCloser closer{DGifOpen(&source, GifRead, &error)};
    GifFileType *gif = closer.gif;
    if (!gif)
        GifFailure(path, error);

    int transparent = -1;
    for (;;) {
        GifRecordType record;
        if (DGifGetRecordType(gif, &record) == GIF_ERROR)
            GifFailure(path, gif->Error);
        if (record == TERMINATE_RECORD_TYPE)
            ThrowDecode(path, QStringLiteral("it holds no picture"));
        if (record == EXTENSION_RECORD_TYPE) {
            int code = 0;
            GifByteType *block = nullptr;
            if (DGifGetExtension(gif, &code, &block) == GIF_ERROR)
                GifFailure(path, gif->Error);
            if (code == GRAPHICS_EXT_FUNC_CODE && block && block[0] >= 4)
                transparent = (block[1] & 1) ? block[4] : -1;
            while (block) {
                if (DGifGetExtensionNext(gif, &block) == GIF_ERROR)
                    GifFailure(path, gif->Error);
            }
            continue;
        }
        if (record != IMAGE_DESC_RECORD_TYPE)
            continue;
        if (DGifGetImageDesc(gif) == GIF_ERROR)
            GifFailure(path, gif->Error);
        break;
    }

    const GifImageDesc &frame = gif->Image;
    // Some writers leave the screen size 0: the frame then defines it.
    const long long screenWidth = gif->SWidth > 0 ? gif->SWidth : frame.Left + frame.Width;
    const long long screenHeight = gif->SHeight > 0 ? gif->SHeight : frame.Top + frame.Height;
    CheckDeclaredSize(path, screenWidth, screenHeight);
    const ColorMapObject *map = frame.ColorMap ? frame.ColorMap : gif->SColorMap;
    if (!map || map->ColorCount <= 0)
        ThrowDecode(path, QStringLiteral("it has no colour table"));
    if (frame.Width <= 0 || frame.Height <= 0)
        ThrowDecode(path, QStringLiteral("its first frame is empty"));

    TColor32 colors[256];
    for (int i = 0; i < 256; ++i) {
        if (i < map->ColorCount) {
            const GifColorType &c = map->Colors[i];
            colors[i] = Color32(c.Red, c.Green, c.Blue);
        } else {
            colors[i] = 0xFF000000u;
        }
    }
    if (transparent >= 0)
        colors[transparent] = 0;

    scratch.SetSize(int(screenWidth), int(screenHeight));
    scratch.Clear(0);
    std::vector<GifPixelType> line(std::size_t(frame.Width));
    // Frame rows and columns outside the screen are read and dropped.
    const int x0 = std::max(frame.Left, 0), x1 = int(std::min<long long>(frame.Left + frame.Width, screenWidth));
    for (const int row : RowOrder(frame.Height, frame.Interlace)) {
        if (DGifGetLine(gif, line.data(), frame.Width) == GIF_ERROR)
            GifFailure(path, gif->Error);
        const long long y = (long long)frame.Top + row;
        if (y < 0 || y >= screenHeight)
            continue;
        TColor32 *out = scratch.ScanLine(int(y));
        for (int x = x0; x < x1; ++x)
            out[x] = colors[line[std::size_t(x - frame.Left)]];
    }
}

} // namespace codecs
