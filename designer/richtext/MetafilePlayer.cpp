// Our own player of 16-bit metafiles, for the pictures in help documents. Coordinates go through
// the window origin and extent onto the target size; objects (pens, brushes, fonts) live in the
// metafile's object table and are selected by index.
#include "designer/richtext/MetafilePlayer.h"

#include "platform/core/Numeric.h"
#include "platform/graphics/PictureLoader.h"
#include "platform/graphics/RasterCanvas.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr size_t kPlaceableSize = 22;
constexpr size_t kHeaderSize = 18;
// The object table of a metafile never needs more slots than this; a header asking for more is
// capped (objects beyond it are not created).
constexpr int kMaxObjects = 1024;
// Polygons with more points than this are not drawn (each point costs four bytes of the record,
// which the record size already bounds; this bounds the work on a fuzzer's giant record).
constexpr int kMaxPoints = 65536;

enum Record : uint16_t {
    META_EOF = 0x0000,
    META_SETBKMODE = 0x0102,
    META_SETBKCOLOR = 0x0201,
    META_SETTEXTCOLOR = 0x0209,
    META_SETWINDOWORG = 0x020B,
    META_SETWINDOWEXT = 0x020C,
    META_LINETO = 0x0213,
    META_MOVETO = 0x0214,
    META_SELECTOBJECT = 0x012D,
    META_DELETEOBJECT = 0x01F0,
    META_CREATEPENINDIRECT = 0x02FA,
    META_CREATEBRUSHINDIRECT = 0x02FC,
    META_CREATEFONTINDIRECT = 0x02FB,
    META_RECTANGLE = 0x041B,
    META_ELLIPSE = 0x0418,
    META_POLYGON = 0x0324,
    META_POLYLINE = 0x0325,
    META_POLYPOLYGON = 0x0538,
    META_TEXTOUT = 0x0521,
    META_EXTTEXTOUT = 0x0A32,
    META_DIBBITBLT = 0x0940,
    META_DIBSTRETCHBLT = 0x0B41,
    META_STRETCHDIB = 0x0F43,
    META_SETDIBTODEV = 0x0D33,
    META_CREATEPALETTE = 0x00F7,
    META_CREATEPATTERNBRUSH = 0x01F9,
    META_CREATEREGION = 0x06FF,
    META_DIBCREATEPATTERNBRUSH = 0x0142,
};

struct Object {
    enum class Kind { None, Pen, Brush, Font, Other } Type = Kind::None;
    plat::TPen Pen;
    plat::TBrush Brush;
    plat::TFont Font;
};

class Player {
public:
    Player(std::string_view bytes, plat::Bitmap& target) : bytes_(bytes), canvas_(target), target_(target) {}

    void Play() {
        size_t pos = 0;
        if (bytes_.size() >= kPlaceableSize && U32(0) == kPlaceableKey) {
            const int left = I16(6), top = I16(8), right = I16(10), bottom = I16(12);
            orgX_ = left;
            orgY_ = top;
            extX_ = right - left;
            extY_ = bottom - top;
            pos = kPlaceableSize;
        }
        if (bytes_.size() < pos + kHeaderSize)
            return;
        const uint16_t type = U16(pos);
        const uint16_t headerWords = U16(pos + 2);
        if ((type != 1 && type != 2) || headerWords != 9)
            return;
        objects_.resize(std::min<int>(U16(pos + 10), kMaxObjects));
        pos += kHeaderSize;
        canvas_.Brush.Color = plat::clWhite;
        while (pos + 6 <= bytes_.size()) {
            const uint32_t words = U32(pos);
            const uint16_t function = U16(pos + 4);
            if (words < 3 || words > (bytes_.size() - pos) / 2)
                return; // a record that claims more than is there ends the picture
            if (function == META_EOF)
                return;
            record_ = bytes_.substr(pos + 6, words * 2 - 6);
            Apply(function);
            pos += words * 2;
        }
    }

private:
    uint16_t U16(size_t at) const {
        return static_cast<uint8_t>(bytes_[at]) | (static_cast<uint8_t>(bytes_[at + 1]) << 8);
    }
    int16_t I16(size_t at) const { return static_cast<int16_t>(U16(at)); }
    uint32_t U32(size_t at) const { return U16(at) | (static_cast<uint32_t>(U16(at + 2)) << 16); }
    // Parameter words of the current record; 0 beyond its end.
    int16_t P(size_t index) const {
        if (index * 2 + 2 > record_.size())
            return 0;
        return static_cast<int16_t>(static_cast<uint8_t>(record_[index * 2]) |
                                    (static_cast<uint8_t>(record_[index * 2 + 1]) << 8));
    }
    uint16_t UP(size_t index) const { return static_cast<uint16_t>(P(index)); }
    plat::TColor Color(size_t index) const { return (UP(index) | (UP(index + 1) << 16)) & 0xFFFFFF; }

    int X(int x) const {
        if (extX_ == 0)
            return x - orgX_;
        return plat::Round(static_cast<double>(x - orgX_) * target_.Width() / extX_);
    }
    int Y(int y) const {
        if (extY_ == 0)
            return y - orgY_;
        return plat::Round(static_cast<double>(y - orgY_) * target_.Height() / extY_);
    }

    void Apply(uint16_t function) {
        switch (function) {
        case META_SETWINDOWORG:
            orgY_ = P(0);
            orgX_ = P(1);
            return;
        case META_SETWINDOWEXT:
            extY_ = P(0);
            extX_ = P(1);
            return;
        case META_SETBKMODE:
            canvas_.BackgroundMode = P(0) == 2 ? plat::BkMode::Opaque : plat::BkMode::Transparent;
            return;
        case META_SETBKCOLOR:
            canvas_.BackgroundColor = Color(0);
            return;
        case META_SETTEXTCOLOR:
            textColor_ = Color(0);
            return;
        case META_MOVETO:
            canvas_.MoveTo(X(P(1)), Y(P(0)));
            return;
        case META_LINETO:
            canvas_.LineTo(X(P(1)), Y(P(0)));
            return;
        case META_RECTANGLE:
            canvas_.Rectangle(X(P(3)), Y(P(2)), X(P(1)), Y(P(0)));
            return;
        case META_ELLIPSE:
            canvas_.Ellipse(X(P(3)), Y(P(2)), X(P(1)), Y(P(0)));
            return;
        case META_POLYGON:
            Poly(0, /*closed=*/true);
            return;
        case META_POLYLINE:
            Poly(0, /*closed=*/false);
            return;
        case META_POLYPOLYGON:
            PolyPolygon();
            return;
        case META_TEXTOUT: {
            const int n = std::max<int>(0, P(0));
            const size_t words = (static_cast<size_t>(n) + 1) / 2;
            const std::string text(
                record_.substr(2, std::min<size_t>(n, record_.size() > 2 ? record_.size() - 2 : 0)));
            Text(X(P(1 + words + 1)), Y(P(1 + words)), text);
            return;
        }
        case META_EXTTEXTOUT: {
            const int y = P(0), x = P(1), n = std::max<int>(0, P(2));
            const uint16_t options = UP(3);
            const size_t start = 8 + ((options & 0x0006) != 0 ? 8 : 0);
            if (start > record_.size())
                return;
            Text(X(x), Y(y), std::string(record_.substr(start, std::min<size_t>(n, record_.size() - start))));
            return;
        }
        case META_CREATEPENINDIRECT: {
            Object o;
            o.Type = Object::Kind::Pen;
            const int style = UP(0) & 0x0F;
            o.Pen.Style = style == 5   ? plat::PenStyle::Clear
                          : style == 1 ? plat::PenStyle::Dash
                          : style == 2 ? plat::PenStyle::Dot
                          : style == 3 ? plat::PenStyle::DashDot
                          : style == 4 ? plat::PenStyle::DashDotDot
                                       : plat::PenStyle::Solid;
            o.Pen.Width = std::max(1, std::abs(X(P(1)) - X(0)));
            o.Pen.Color = Color(3);
            Store(o);
            return;
        }
        case META_CREATEBRUSHINDIRECT: {
            Object o;
            o.Type = Object::Kind::Brush;
            o.Brush.Style = UP(0) == 1 ? plat::BrushStyle::Clear : plat::BrushStyle::Solid;
            o.Brush.Color = Color(1);
            Store(o);
            return;
        }
        case META_CREATEFONTINDIRECT: {
            Object o;
            o.Type = Object::Kind::Font;
            o.Font.Size = std::max(1, std::abs(Y(P(0)) - Y(0)) * 72 / 96);
            o.Font.Bold = P(4) >= 600;
            o.Font.Italic = (UP(5) & 0xFF) != 0;
            o.Font.Underline = (UP(5) >> 8) != 0;
            if (record_.size() > 18) {
                std::string face(record_.substr(18, std::min<size_t>(32, record_.size() - 18)));
                face = face.substr(0, face.find('\0'));
                if (!face.empty())
                    o.Font.Name = face;
            }
            Store(o);
            return;
        }
        case META_CREATEPALETTE:
        case META_CREATEPATTERNBRUSH:
        case META_CREATEREGION:
        case META_DIBCREATEPATTERNBRUSH: {
            Object o;
            o.Type = function == META_CREATEPALETTE || function == META_CREATEREGION ? Object::Kind::Other
                                                                                     : Object::Kind::Brush;
            Store(o);
            return;
        }
        case META_SELECTOBJECT:
            Select(UP(0));
            return;
        case META_DELETEOBJECT:
            if (UP(0) < objects_.size())
                objects_[UP(0)] = Object{};
            return;
        case META_STRETCHDIB:
            // rop(2 words), usage, srcH, srcW, srcY, srcX, destH, destW, destY, destX, DIB
            Dib(11, P(10), P(9), P(8), P(7), P(6), P(5), P(4), P(3));
            return;
        case META_DIBSTRETCHBLT:
            // rop(2), srcH, srcW, srcY, srcX, destH, destW, destY, destX, DIB
            Dib(10, P(9), P(8), P(7), P(6), P(5), P(4), P(3), P(2));
            return;
        case META_DIBBITBLT:
            // rop(2), srcY, srcX, height, width, destY, destX, DIB
            Dib(8, P(7), P(6), P(5), P(4), P(3), P(2), P(5), P(4));
            return;
        default:
            return;
        }
    }

    void Store(const Object& o) {
        for (auto& slot : objects_) {
            if (slot.Type == Object::Kind::None) {
                slot = o;
                return;
            }
        }
    }

    void Select(uint16_t index) {
        if (index >= objects_.size())
            return;
        const Object& o = objects_[index];
        switch (o.Type) {
        case Object::Kind::Pen:
            canvas_.Pen = o.Pen;
            return;
        case Object::Kind::Brush:
            canvas_.Brush = o.Brush;
            return;
        case Object::Kind::Font:
            canvas_.Font = o.Font;
            return;
        case Object::Kind::None:
        case Object::Kind::Other:
            return;
        }
    }

    void Text(int x, int y, const std::string& text) {
        const plat::TColor saved = canvas_.Font.Color;
        canvas_.Font.Color = textColor_;
        canvas_.TextOut(x, y, text);
        canvas_.Font.Color = saved;
    }

    void Poly(size_t first, bool closed) {
        const int n = P(first);
        if (n < 2 || n > kMaxPoints || (first + 1 + static_cast<size_t>(n) * 2) * 2 > record_.size())
            return;
        DrawPoints(first + 1, n, closed);
    }

    void DrawPoints(size_t at, int n, bool closed) {
        std::vector<plat::TPoint> points;
        for (int i = 0; i < n; ++i)
            points.push_back({X(P(at + 2 * i)), Y(P(at + 2 * i + 1))});
        if (closed && canvas_.Brush.Style == plat::BrushStyle::Solid)
            FillPolygon(points);
        canvas_.MoveTo(points[0].X, points[0].Y);
        for (size_t i = 1; i < points.size(); ++i)
            canvas_.LineTo(points[i].X, points[i].Y);
        if (closed)
            canvas_.LineTo(points[0].X, points[0].Y);
    }

    void PolyPolygon() {
        const int count = P(0);
        if (count < 1 || count > kMaxPoints || static_cast<size_t>(1 + count) * 2 > record_.size())
            return;
        size_t at = 1 + count;
        for (int i = 0; i < count; ++i) {
            const int n = P(1 + i);
            if (n < 2 || n > kMaxPoints || (at + static_cast<size_t>(n) * 2) * 2 > record_.size())
                return;
            DrawPoints(at, n, /*closed=*/true);
            at += static_cast<size_t>(n) * 2;
        }
    }

    // Even-odd scanline fill with the brush colour, clipped to the bitmap.
    void FillPolygon(const std::vector<plat::TPoint>& points) {
        int top = target_.Height(), bottom = -1;
        for (const auto& p : points) {
            top = std::min(top, p.Y);
            bottom = std::max(bottom, p.Y);
        }
        top = std::max(top, 0);
        bottom = std::min(bottom, target_.Height() - 1);
        std::vector<int> xs;
        for (int y = top; y <= bottom; ++y) {
            xs.clear();
            for (size_t i = 0; i < points.size(); ++i) {
                const plat::TPoint a = points[i];
                const plat::TPoint b = points[(i + 1) % points.size()];
                if ((a.Y <= y) == (b.Y <= y))
                    continue;
                xs.push_back(a.X +
                             static_cast<int>(static_cast<int64_t>(y - a.Y) * (b.X - a.X) / (b.Y - a.Y)));
            }
            std::sort(xs.begin(), xs.end());
            for (size_t i = 0; i + 1 < xs.size(); i += 2) {
                const int from = std::max(xs[i], 0);
                const int to = std::min(xs[i + 1], target_.Width());
                for (int x = from; x < to; ++x)
                    target_.SetPixel(x, y, canvas_.Brush.Color);
            }
        }
    }

    // A device-independent bitmap at word `at` of the record, copied from its source rectangle
    // onto the destination rectangle.
    void Dib(size_t at, int destX, int destY, int destW, int destH, int srcX, int srcY, int srcW, int srcH) {
        if (at * 2 >= record_.size())
            return;
        plat::Bitmap dib;
        if (!DecodeDib(record_.substr(at * 2), dib))
            return;
        const plat::TRect dest{X(destX), Y(destY), X(destX + destW), Y(destY + destH)};
        // DIB rows are stored bottom-up but the decoded picture is top-down, so the source
        // rectangle's Y counts from the bottom of the picture.
        const int top = dib.Height() - srcY - srcH;
        canvas_.CopyRect(dest, dib, plat::Rect(srcX, top, srcX + srcW, top + srcH), plat::RasterOp::SrcCopy);
    }

    static bool DecodeDib(std::string_view dib, plat::Bitmap& out) {
        if (dib.size() < 16)
            return false;
        const auto u32 = [&](size_t at) {
            return static_cast<uint32_t>(static_cast<uint8_t>(dib[at]) |
                                         (static_cast<uint8_t>(dib[at + 1]) << 8) |
                                         (static_cast<uint8_t>(dib[at + 2]) << 16) |
                                         (static_cast<uint32_t>(static_cast<uint8_t>(dib[at + 3])) << 24));
        };
        const uint32_t headerSize = u32(0);
        if (headerSize < 12 || headerSize > dib.size())
            return false;
        uint32_t bits = 0, colors = 0, compression = 0;
        if (headerSize == 12) {
            bits = static_cast<uint8_t>(dib[10]) | (static_cast<uint8_t>(dib[11]) << 8);
        } else {
            if (headerSize < 40)
                return false;
            bits = static_cast<uint8_t>(dib[14]) | (static_cast<uint8_t>(dib[15]) << 8);
            compression = u32(16);
            colors = u32(32);
        }
        const uint32_t entrySize = headerSize == 12 ? 3 : 4;
        uint64_t paletteEntries = colors != 0 ? colors : (bits <= 8 ? (1u << bits) : 0);
        uint64_t offset = 14 + headerSize + paletteEntries * entrySize;
        if (headerSize == 40 && compression == 3)
            offset += 12;
        if (offset > 14 + dib.size())
            return false;
        // A file header in front makes it a BMP file for the picture loader.
        std::string file = "BM";
        const uint32_t total = static_cast<uint32_t>(14 + dib.size());
        for (uint32_t v : {total, 0u, static_cast<uint32_t>(offset)})
            for (int i = 0; i < 4; ++i)
                file += static_cast<char>((v >> (8 * i)) & 0xFF);
        file.append(dib);
        const plat::PictureResult result = plat::LoadPictureBytes(file, out);
        return result.Ok || plat::KeepsPartialPicture(result.Code);
    }

    std::string_view bytes_;
    std::string_view record_;
    plat::RasterCanvas canvas_;
    plat::Bitmap& target_;
    std::vector<Object> objects_;
    int orgX_ = 0, orgY_ = 0, extX_ = 0, extY_ = 0;
    plat::TColor textColor_ = plat::clBlack;
};

} // namespace

plat::Bitmap PlayMetafile(std::string_view bytes, int width, int height) {
    plat::Bitmap bitmap(width, height);
    if (bitmap.Empty())
        return bitmap;
    Player(bytes, bitmap).Play();
    return bitmap;
}
