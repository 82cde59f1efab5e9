#include "platform/engine/engine.h"

namespace kelvane {

WebBrowser::~WebBrowser() = default;
Customizer::~Customizer() = default;
EngineFactory::~EngineFactory() = default;

} // namespace kelvane
