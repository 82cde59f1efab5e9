#include "platform/engine/engineservices.h"

namespace kelvane {

Download::~Download() = default;
EngineServices::~EngineServices() = default;

} // namespace kelvane
