// The designer's window scale: the setting "Scale" in the product key (0 or missing automatic,
// 1, 2, 3 ... a fixed factor), applied before the first window is made.
#pragma once

// Reads "Scale" and applies it (plat::ApplyWindowScale); returns the factor.
int ApplyDesignerWindowScale();
