#include "platform/engine/webenginefactory.h"

#include "platform/engine/webengine.h"
#include "platform/engine/webengineprofile.h"
#include "platform/engine/webengineservices.h"

namespace kelvane {

WebEngineFactory::WebEngineFactory() = default;
WebEngineFactory::~WebEngineFactory() = default;

Engine* WebEngineFactory::createEngine(QWidget* parent) {
    return new WebEngine(parent);
}

EngineServices& WebEngineFactory::services() {
    if (!m_services)
        m_services = std::make_unique<WebEngineServices>();
    return *m_services;
}

void WebEngineFactory::cleanHistory() {
    WebEngineProfile::cleanHistory();
}

} // namespace kelvane
