// The doll's body in panel pixels (each Doll.bmp panel is 200 x 360, white around the figure).
// Every garment picture is drawn to fit this figure, so its landmarks live here, apart from the
// painting: a garment painter places necklines, waistbands, hems, sleeves and shoes on them.
//
// The figure is symmetric about x = kCentreX; "left" values are the viewer's left in the front
// view, and the back view uses the same numbers (the body is mirrored, which changes nothing).
// Its proportions follow the standard doll: 30 cm tall over 336 pixels (11.2 px per cm), back
// width 6.5 cm ~ 73 px between the shoulder points, a waist of 7.7 cm round ~ 34 px wide, hips
// of 13.8 cm round ~ 52 px wide.
#pragma once

namespace art::doll {

struct Pt {
    int X;
    int Y;
};

inline constexpr int kCentreX = 100;

// Head (an oval) and hair.
inline constexpr int kHeadTop = 16;
inline constexpr int kChin = 72;
inline constexpr int kHeadHalfWidth = 24;       // x 76 .. 124
inline constexpr int kHeadCentreY = 44;
inline constexpr int kHairTop = 8;              // bare-headed: hair volume and the bow above the head
inline constexpr int kHairTopWithHat = 14;      // hat panels: smooth hair hugging the head
inline constexpr int kHatBrimY = 30;            // where a hat's brim rests (just above the brows)
inline constexpr int kHairFrontBottom = 100;    // front view: hair shows beside the neck to here
inline constexpr int kHairBackBottom = 140;     // long hair over the back, back view

// Neck and shoulders.
inline constexpr int kNeckTop = 68;
inline constexpr int kNeckBase = 84;            // neckline of a round collar
inline constexpr int kNeckHalfWidth = 7;
inline constexpr int kShoulderY = 88;
inline constexpr int kShoulderHalfWidth = 36;   // shoulder points at x 64 and 136
inline constexpr int kArmpitY = 104;

// Torso (half widths about kCentreX).
inline constexpr int kBustY = 114;
inline constexpr int kBustHalfWidth = 27;
inline constexpr int kWaistY = 148;
inline constexpr int kWaistHalfWidth = 17;
inline constexpr int kHipY = 182;
inline constexpr int kHipHalfWidth = 26;
inline constexpr int kCrotchY = 200;

// Legs (each leg's outer and inner edge on the viewer's left; mirror for the right leg).
inline constexpr int kKneeY = 262;
inline constexpr int kKneeOuterX = 81;
inline constexpr int kKneeInnerX = 97;
inline constexpr int kCalfY = 290;
inline constexpr int kAnkleY = 328;
inline constexpr int kAnkleOuterX = 85;
inline constexpr int kAnkleInnerX = 95;
inline constexpr int kSoleY = 350;              // the feet stand on this line

// Arms: joint centres of the viewer's left arm (mirror about kCentreX for the right), hanging a
// little away from the body so a sleeve and the waist never touch.
inline constexpr Pt kShoulderJoint{71, 93};
inline constexpr Pt kElbow{60, 150};
inline constexpr Pt kWrist{51, 204};
inline constexpr Pt kFingerTips{48, 228};
inline constexpr int kUpperArmWidth = 13;
inline constexpr int kForearmWidth = 10;
inline constexpr int kWristWidth = 8;

// Mirrors a viewer's-left x to the right side of the figure.
constexpr int MirrorX(int x) {
    return 2 * kCentreX - x;
}

} // namespace art::doll
