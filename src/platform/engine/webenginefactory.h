#pragma once

#include "platform/engine/engine.h"

#include <memory>

namespace kelvane {

class WebEngineServices;

class WebEngineFactory : public EngineFactory {
public:
    WebEngineFactory();
    ~WebEngineFactory() override;

    Engine* createEngine(QWidget* parent) override;
    EngineServices& services() override;
    void cleanHistory() override;

private:
    std::unique_ptr<WebEngineServices> m_services;
};

} // namespace kelvane
