#pragma once

#include <functional>

namespace kelvane {

// A dialog, a page's script dialog or a pop-up menu runs an event loop of its own inside the
// code that opened it. A window whose code may be on the stack below such a loop must not be
// deleted until the loop has returned.

// True while such a loop runs.
bool insideNestedLoop();

// Closes every modal dialog and pop-up menu, so that their loops return; runLoopUntil returns too.
void closeModalWindows();

// Runs a loop of its own until ready() holds (looked at a few times a second); false when
// closeModalWindows() ended the wait first.
bool runLoopUntil(const std::function<bool()>& ready);

} // namespace kelvane
