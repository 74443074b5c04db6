#include "designer/controls/FormFont.h"

void SetFormFontName(plat::TControl& window, const std::string& face) {
    plat::SetFontFace(window, face);
}
