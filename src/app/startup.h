#pragma once

namespace kelvane {

// Process entry: answers --help/--version, hands the command line to a running instance, or
// becomes the first instance and runs the browser.
int Main(int argc, char** argv);

} // namespace kelvane
