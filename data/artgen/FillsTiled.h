// The tiled materials of Resource\FillsM.bmp, in two families: woven cloth computed pixel by
// pixel (plains, stripes, checks, denim, knit, corduroy, fur) and printed cloth painted from
// motifs (dots, hearts, stars, flowers, leopard, lace). Every tile is seamless.
#pragma once

#include <QImage>

#include <vector>

namespace art::fabric {

std::vector<QImage> WovenTiles();
std::vector<QImage> PrintedTiles();

} // namespace art::fabric
