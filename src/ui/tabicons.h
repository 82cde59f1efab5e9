#pragma once

#include <QIcon>

namespace kelvane {

// The tab bar's pictures. The index is the load state of the tab (document/tabrules.h):
// 0/2/4/6 loading by quarters (0-24 %, 25-49 %, 50-74 %, 75-99 %), 8 loaded, 10 the bright
// phase of the flash after a background load. Each odd index is the picture before it in the
// compact look of a shrunk tab.
inline constexpr int kTabIconCount = 12;

// The picture of `index`; a null icon outside 0..kTabIconCount - 1. Drawn once and kept.
QIcon tabIcon(int index);

} // namespace kelvane
