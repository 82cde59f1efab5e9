#pragma once

namespace kelvane {

// A dialog, a page's script dialog or a pop-up menu runs an event loop of its own inside the
// code that opened it. A window whose code may be on the stack below such a loop must not be
// deleted until the loop has returned.

// True while such a loop runs.
bool insideNestedLoop();

// Closes every modal dialog and pop-up menu, so that their loops return.
void closeModalWindows();

} // namespace kelvane
