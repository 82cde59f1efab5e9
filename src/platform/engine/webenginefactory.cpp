#include "platform/engine/webenginefactory.h"

#include "platform/engine/webengine.h"
#include "platform/engine/webengineprofile.h"

namespace kelvane {

Engine* WebEngineFactory::createEngine(QWidget* parent) {
    return new WebEngine(parent);
}

void WebEngineFactory::cleanHistory() {
    WebEngineProfile::cleanHistory();
}

} // namespace kelvane
