#pragma once

#include "platform/engine/engine.h"

#include <QPointer>

namespace kelvane {

class WebEngine;

class WebEngineFactory : public EngineFactory {
public:
    ~WebEngineFactory() override;

    // Sets the engine going on the first page before the window is built, so that the engine's
    // start and the page's load overlap with building it; the first engine handed out is this
    // one.
    void startEarly(const QString& address);

    Engine* createEngine(QWidget* parent) override;
    void cleanHistory() override;

private:
    QPointer<WebEngine> m_early;
};

} // namespace kelvane
