#pragma once

namespace kelvane {

// Runs before the QApplication exists. The engine's sandbox cannot run as root, so it is
// switched off there (said once on stderr unless quiet); a normal user keeps it.
void prepareEngineEnvironment(bool quiet = false);

} // namespace kelvane
