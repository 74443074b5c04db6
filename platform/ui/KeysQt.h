// Qt side of the key codes, private to the windowing layer: one table serves the keyboard events
// (Qt's key to ours) and the synthetic keys of tests (ours to Qt's).
#pragma once

#include "platform/ui/Keys.h"

namespace plat {

// Our code of a Qt key; 0 for a key we have no code for.
TKey KeyFromQt(int qtKey);
// Qt's key of one of our codes; Qt::Key_unknown for a code Qt has no key for.
int QtKeyOf(TKey key);

} // namespace plat
