#include "platform/graphics/RasterOps.h"

namespace plat {

namespace {

// The operation is a template argument so that the switch in ApplyRasterOp folds away and the
// loop vectorises: the white-transparent overlay of a whole window runs through here.
template <RasterOp Op> void RowLoop(const uint32_t* source, uint32_t* dest, size_t count) {
    for (size_t i = 0; i < count; ++i)
        dest[i] = ApplyRasterOp(Op, source[i], dest[i]);
}

} // namespace

void ApplyRasterOpRow(RasterOp op, const uint32_t* source, uint32_t* dest, size_t count) {
    switch (op) {
    case RasterOp::SrcCopy:
        return RowLoop<RasterOp::SrcCopy>(source, dest, count);
    case RasterOp::SrcAnd:
        return RowLoop<RasterOp::SrcAnd>(source, dest, count);
    case RasterOp::SrcPaint:
        return RowLoop<RasterOp::SrcPaint>(source, dest, count);
    case RasterOp::MergePaint:
        return RowLoop<RasterOp::MergePaint>(source, dest, count);
    case RasterOp::NotSrcCopy:
        return RowLoop<RasterOp::NotSrcCopy>(source, dest, count);
    case RasterOp::SrcInvert:
        return RowLoop<RasterOp::SrcInvert>(source, dest, count);
    case RasterOp::Blackness:
        return RowLoop<RasterOp::Blackness>(source, dest, count);
    case RasterOp::Whiteness:
        return RowLoop<RasterOp::Whiteness>(source, dest, count);
    }
    RowLoop<RasterOp::SrcCopy>(source, dest, count);
}

} // namespace plat
