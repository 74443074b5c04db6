// The seven cursors of the main window, drawn here rather than loaded, and their registration in
// the cursor table at crFirstCustom + their number.
#pragma once

#include "platform/core/ScreenCursor.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Geometry.h"

#include <array>

constexpr plat::TCursor crBrush = plat::crFirstCustom + 1;
constexpr plat::TCursor crContur = plat::crFirstCustom + 2;
constexpr plat::TCursor crFill = plat::crFirstCustom + 3;
constexpr plat::TCursor crHand = plat::crFirstCustom + 4;
constexpr plat::TCursor crModel = plat::crFirstCustom + 5;
constexpr plat::TCursor crRotate = plat::crFirstCustom + 6;
constexpr plat::TCursor crBrushS = plat::crFirstCustom + 7;

constexpr std::array<plat::TCursor, 7> kProgramCursors = {crBrush, crContur, crFill,  crHand,
                                                          crModel, crRotate, crBrushS};

// 32 x 32 pixels; pure white is transparent.
constexpr int kCursorSize = 32;

struct TCursorPicture {
    plat::Bitmap Picture;
    plat::TPoint HotSpot;
};

// The picture of one of the seven cursors; an empty picture for any other number.
TCursorPicture ProgramCursorPicture(plat::TCursor number);
void RegisterProgramCursors();
