// Byte form of TRtfState for the ".rtc" cache.
#include "designer/richtext/RtfState.h"

#include <cstring>

namespace {

void Put32(uint8_t* p, uint32_t v) {
    p[0] = v & 0xFF;
    p[1] = (v >> 8) & 0xFF;
    p[2] = (v >> 16) & 0xFF;
    p[3] = (v >> 24) & 0xFF;
}

uint32_t Get32(const uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

int32_t GetI32(const uint8_t* p) {
    return static_cast<int32_t>(Get32(p));
}

} // namespace

std::array<uint8_t, TRtfState::kByteSize> TRtfState::ToBytes() const {
    std::array<uint8_t, kByteSize> b{};
    Put32(&b[4], FontNumber);
    Put32(&b[8], FontSize);
    b[12] = Bold;
    b[13] = Italic;
    b[14] = Underline;
    b[15] = StrikeOut;
    b[16] = CapsMode;
    b[17] = UnderlineKind;
    b[18] = VertPosKind;
    Put32(&b[20], VertOffset);
    Put32(&b[24], ForeColor);
    Put32(&b[28], BackColor);
    b[32] = Visible;
    b[36] = Para.KeepNext;
    b[37] = Para.Alignment;
    Put32(&b[40], Para.FirstIndent);
    Put32(&b[44], Para.LeftIndent);
    Put32(&b[48], Para.RightIndent);
    Put32(&b[52], Para.SpaceBefore);
    Put32(&b[56], Para.SpaceAfter);
    Put32(&b[60], Para.LineSpacing);
    Put32(&b[64], Para.Borders);
    Put32(&b[68], Para.BorderSpacing);
    Put32(&b[72], DefaultTab);
    return b;
}

TRtfState TRtfState::FromBytes(const uint8_t* b) {
    TRtfState s;
    s.FontNumber = GetI32(b + 4);
    s.FontSize = GetI32(b + 8);
    s.Bold = b[12];
    s.Italic = b[13];
    s.Underline = b[14];
    s.StrikeOut = b[15];
    s.CapsMode = b[16];
    s.UnderlineKind = b[17];
    s.VertPosKind = b[18];
    s.VertOffset = GetI32(b + 20);
    s.ForeColor = Get32(b + 24);
    s.BackColor = Get32(b + 28);
    s.Visible = b[32];
    s.Para.KeepNext = b[36];
    s.Para.Alignment = b[37];
    s.Para.FirstIndent = GetI32(b + 40);
    s.Para.LeftIndent = GetI32(b + 44);
    s.Para.RightIndent = GetI32(b + 48);
    s.Para.SpaceBefore = GetI32(b + 52);
    s.Para.SpaceAfter = GetI32(b + 56);
    s.Para.LineSpacing = GetI32(b + 60);
    s.Para.Borders = GetI32(b + 64);
    s.Para.BorderSpacing = GetI32(b + 68);
    s.DefaultTab = GetI32(b + 72);
    return s;
}
