// SetFormFontName: one face for a window and every component under it that has a font. Every
// window of the designer applies the screen face at its creation.
#pragma once

#include "platform/ui/Control.h"

#include <string>

void SetFormFontName(plat::TControl& window, const std::string& face);
