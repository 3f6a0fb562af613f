#include "display/qt/png_writer.h"

#include <QColorSpace>

#include <zlib.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace trazor {

namespace {

    // What libpng does for an 8-bit RGB image of Qt's writer.
    constexpr int Channels = 3;
    constexpr std::size_t IdatSize = 8192; // libpng's compression buffer, one IDAT chunk when full
    constexpr std::size_t NarrowWindowLimit = 16384; // filtered data up to this size: smaller window
    enum Filter { None, Sub, Up, Average, Paeth, FilterCount };

    void Put32(QByteArray& out, std::uint32_t v)
    {
        const char bytes[4] = { static_cast<char>(v >> 24), static_cast<char>(v >> 16),
            static_cast<char>(v >> 8), static_cast<char>(v) };
        out.append(bytes, 4);
    }

    void PutChunk(QByteArray& out, const char* type, const unsigned char* data, std::size_t size)
    {
        Put32(out, static_cast<std::uint32_t>(size));
        const qsizetype start = out.size();
        out.append(type, 4);
        out.append(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
        const uLong crc
            = crc32(0, reinterpret_cast<const Bytef*>(out.constData() + start), static_cast<uInt>(size + 4));
        Put32(out, static_cast<std::uint32_t>(crc));
    }

    void Big32(unsigned char* at, std::uint32_t v)
    {
        at[0] = static_cast<unsigned char>(v >> 24);
        at[1] = static_cast<unsigned char>(v >> 16);
        at[2] = static_cast<unsigned char>(v >> 8);
        at[3] = static_cast<unsigned char>(v);
    }

    // libpng's measure of a filtered byte: its distance from 0, bytes of 128 and up counting as
    // negative.
    unsigned Weight(unsigned char v) { return v < 128 ? v : 256u - v; }

    unsigned char Predicted(Filter filter, unsigned a, unsigned b, unsigned c)
    {
        switch (filter) {
        case Sub:
            return static_cast<unsigned char>(a);
        case Up:
            return static_cast<unsigned char>(b);
        case Average:
            return static_cast<unsigned char>((a + b) >> 1);
        case Paeth: {
            const int p = static_cast<int>(b) - static_cast<int>(c);
            const int q = static_cast<int>(a) - static_cast<int>(c);
            const int pa = std::abs(p), pb = std::abs(q), pc = std::abs(p + q);
            return static_cast<unsigned char>(pa <= pb && pa <= pc ? a : pb <= pc ? b : c);
        }
        default:
            return 0;
        }
    }

    unsigned char Channel(QRgb pixel, int channel)
    {
        return static_cast<unsigned char>(pixel >> (16 - 8 * channel));
    }

    // One row's filters. A pixel whose left, upper and upper-left neighbours are of its own colour
    // (a pixel of a run) filters to zeros but for None, which keeps the colour; the first column
    // and the first row have black neighbours.
    class RowFilter {
    public:
        explicit RowFilter(int width)
            : width_(width)
            , zeros_(static_cast<std::size_t>(width), 0)
            , out_(static_cast<std::size_t>(width) * Channels + 1)
        {
        }

        // The filtered row (filter byte first) as libpng writes it: the filter of the least
        // weight, the first of equals.
        const std::vector<unsigned char>& Filtered(const QRgb* row, const QRgb* above)
        {
            if (!above)
                above = zeros_.data();
            std::array<std::size_t, FilterCount> weights {};
            ForEachPixel(row, above, [&](int x, bool inRun) {
                if (inRun) {
                    weights[None] += RunWeight(row[x]);
                    return;
                }
                for (int ch = 0; ch < Channels; ++ch) {
                    const unsigned v = Channel(row[x], ch), b = Channel(above[x], ch);
                    const unsigned a = x > 0 ? Channel(row[x - 1], ch) : 0,
                                   c = x > 0 ? Channel(above[x - 1], ch) : 0;
                    weights[None] += Weight(static_cast<unsigned char>(v));
                    for (int f = Sub; f < FilterCount; ++f)
                        weights[static_cast<std::size_t>(f)] += Weight(
                            static_cast<unsigned char>(v - Predicted(static_cast<Filter>(f), a, b, c)));
                }
            });
            Filter best = None;
            for (int f = Sub; f < FilterCount; ++f)
                if (weights[static_cast<std::size_t>(f)] < weights[best])
                    best = static_cast<Filter>(f);

            out_[0] = static_cast<unsigned char>(best);
            unsigned char* bytes = out_.data() + 1;
            ForEachPixel(row, above, [&](int x, bool inRun) {
                unsigned char* at = bytes + x * Channels;
                for (int ch = 0; ch < Channels; ++ch) {
                    const unsigned v = Channel(row[x], ch);
                    if (best == None) {
                        at[ch] = static_cast<unsigned char>(v);
                    } else if (inRun) {
                        at[ch] = 0;
                    } else {
                        const unsigned b = Channel(above[x], ch);
                        const unsigned a = x > 0 ? Channel(row[x - 1], ch) : 0;
                        const unsigned c = x > 0 ? Channel(above[x - 1], ch) : 0;
                        at[ch] = static_cast<unsigned char>(v - Predicted(best, a, b, c));
                    }
                }
            });
            return out_;
        }

    private:
        template <typename Visit> void ForEachPixel(const QRgb* row, const QRgb* above, Visit visit) const
        {
            constexpr QRgb Colour = 0xFFFFFF; // the alpha byte is not written
            QRgb left = 0, upperLeft = 0;
            for (int x = 0; x < width_; ++x) {
                const QRgb p = row[x] & Colour, up = above[x] & Colour;
                visit(x, p == up && p == left && p == upperLeft);
                left = p;
                upperLeft = up;
            }
        }

        std::size_t RunWeight(QRgb pixel)
        {
            if ((pixel & 0xFFFFFF) != weighed_) {
                weighed_ = pixel & 0xFFFFFF;
                weight_ = Weight(Channel(pixel, 0)) + Weight(Channel(pixel, 1)) + Weight(Channel(pixel, 2));
            }
            return weight_;
        }

        int width_;
        std::vector<QRgb> zeros_;
        std::vector<unsigned char> out_;
        QRgb weighed_ = 0;
        std::size_t weight_ = 0;
    };

    // zlib with libpng's settings for filtered image data; full buffers become IDAT chunks.
    class IdatStream {
    public:
        explicit IdatStream(QByteArray& out)
            : out_(out)
        {
            ok_ = deflateInit2(&z_, Z_DEFAULT_COMPRESSION, Z_DEFLATED, 15, 8, Z_FILTERED) == Z_OK;
            z_.next_out = buffer_.data();
            z_.avail_out = static_cast<uInt>(buffer_.size());
        }
        ~IdatStream()
        {
            if (ok_)
                deflateEnd(&z_);
        }
        IdatStream(const IdatStream&) = delete;
        IdatStream& operator=(const IdatStream&) = delete;

        bool Write(const unsigned char* data, std::size_t size) { return Deflate(data, size, Z_NO_FLUSH); }
        bool Finish() { return Deflate(nullptr, 0, Z_FINISH); }

    private:
        bool Deflate(const unsigned char* data, std::size_t size, int flush)
        {
            if (!ok_)
                return false;
            z_.next_in = const_cast<Bytef*>(data);
            z_.avail_in = static_cast<uInt>(size);
            for (;;) {
                const int result = deflate(&z_, flush);
                if (result != Z_OK && result != Z_STREAM_END && result != Z_BUF_ERROR)
                    return ok_ = false;
                if (z_.avail_out == 0) {
                    PutChunk(out_, "IDAT", buffer_.data(), buffer_.size());
                    z_.next_out = buffer_.data();
                    z_.avail_out = static_cast<uInt>(buffer_.size());
                    continue;
                }
                if (flush == Z_FINISH ? result == Z_STREAM_END : z_.avail_in == 0)
                    break;
            }
            if (flush == Z_FINISH && z_.avail_out < buffer_.size())
                PutChunk(out_, "IDAT", buffer_.data(), buffer_.size() - z_.avail_out);
            return true;
        }

        QByteArray& out_;
        z_stream z_ {};
        std::array<unsigned char, IdatSize> buffer_ {};
        bool ok_ = false;
    };

} // namespace

std::optional<QByteArray> EncodePng(const QImage& image)
{
    const int width = image.width(), height = image.height();
    const auto filteredSize
        = (static_cast<std::size_t>(width) * Channels + 1) * static_cast<std::size_t>(height);
    if (image.format() != QImage::Format_RGB32 || width < 2 || height < 2 || filteredSize <= NarrowWindowLimit
        || !image.textKeys().isEmpty() || !image.offset().isNull() || image.colorSpace().isValid()
        || image.dotsPerMeterX() <= 0 || image.dotsPerMeterY() <= 0)
        return std::nullopt;

    QByteArray out("\x89PNG\r\n\x1a\n", 8);
    unsigned char header[13] = {};
    Big32(header, static_cast<std::uint32_t>(width));
    Big32(header + 4, static_cast<std::uint32_t>(height));
    header[8] = 8; // bits per channel
    header[9] = 2; // RGB
    PutChunk(out, "IHDR", header, sizeof header);
    unsigned char resolution[9] = {};
    Big32(resolution, static_cast<std::uint32_t>(image.dotsPerMeterX()));
    Big32(resolution + 4, static_cast<std::uint32_t>(image.dotsPerMeterY()));
    resolution[8] = 1; // per metre
    PutChunk(out, "pHYs", resolution, sizeof resolution);

    RowFilter filter(width);
    IdatStream idat(out);
    const QRgb* above = nullptr;
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        const std::vector<unsigned char>& filtered = filter.Filtered(row, above);
        if (!idat.Write(filtered.data(), filtered.size()))
            return std::nullopt;
        above = row;
    }
    if (!idat.Finish())
        return std::nullopt;
    PutChunk(out, "IEND", nullptr, 0);
    return out;
}

} // namespace trazor
