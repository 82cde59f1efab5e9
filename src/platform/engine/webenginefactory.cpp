#include "platform/engine/webenginefactory.h"

#include "platform/engine/webengine.h"
#include "platform/engine/webengineprofile.h"
#include "platform/engine/webengineservices.h"

#include <QWebEngineProfile>

namespace kelvane {

WebEngineFactory::WebEngineFactory() = default;
WebEngineFactory::~WebEngineFactory() = default;

Engine* WebEngineFactory::createEngine(QWidget* parent) {
    return new WebEngine(parent);
}

Engine* WebEngineFactory::createPrivateEngine(QWidget* parent) {
    QWebEngineProfile* profile = WebEngineProfile::privateProfile();
    if (m_servedPrivateProfile != profile) {
        services();
        m_services->attach(profile);
        m_servedPrivateProfile = profile;
    }
    return new WebEngine(parent, true);
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
