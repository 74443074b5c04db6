// The standard doll in millimetres (one model unit = one millimetre on it) and the allowances
// the patterns include. Height, back width, waist and hip are the four measurements the print
// window asks for; the rest are taken from the same doll to shape sleeves, legs, head and feet.
#pragma once

namespace doll {

inline constexpr double Height = 300;
inline constexpr double BackWidth = 65;
inline constexpr double Waist = 77;
inline constexpr double Hip = 138;

inline constexpr double Bust = 124;
inline constexpr double Neck = 46;
inline constexpr double Head = 130;       // round the head over the hair
inline constexpr double UpperArm = 36;
inline constexpr double Wrist = 22;
inline constexpr double Ankle = 30;
inline constexpr double NapeToWaist = 72;
inline constexpr double ArmholeDepth = 30; // shoulder line to underarm
inline constexpr double WaistToHip = 35;
inline constexpr double WaistToKnee = 95;
inline constexpr double WaistToAnkle = 165;
inline constexpr double CrotchDepth = 45;
inline constexpr double ArmLength = 105;
inline constexpr double FootLength = 26;
inline constexpr double FootWidth = 11;

inline constexpr double Seam = 3; // seam allowance, included in every sewn edge
inline constexpr double Hem = 5;  // hem allowance
inline constexpr double Overlap = 10; // where a velcro fastening overlaps

} // namespace doll
