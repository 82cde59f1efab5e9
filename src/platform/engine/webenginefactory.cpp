#include "platform/engine/webenginefactory.h"

#include "platform/engine/webengine.h"
#include "platform/engine/webengineprofile.h"

namespace kelvane {

WebEngineFactory::~WebEngineFactory() {
    delete m_early.data();
}

void WebEngineFactory::startEarly(const QString& address) {
    if (m_early || address.isEmpty())
        return;
    m_early = new WebEngine(nullptr);
    m_early->startEarly(address);
}

Engine* WebEngineFactory::createEngine(QWidget* parent) {
    if (WebEngine* early = m_early.data()) {
        m_early.clear();
        early->setParent(parent);
        early->widget()->setParent(parent);
        return early;
    }
    return new WebEngine(parent);
}

void WebEngineFactory::cleanHistory() {
    WebEngineProfile::cleanHistory();
}

} // namespace kelvane
