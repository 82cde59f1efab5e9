#include "platform/engine/engine.h"

namespace kelvane {

Engine::~Engine() = default;
EngineFactory::~EngineFactory() = default;

} // namespace kelvane
