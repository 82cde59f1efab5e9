#pragma once

#include "platform/engine/engine.h"

namespace kelvane {

class WebEngineFactory : public EngineFactory {
public:
    Engine* createEngine(QWidget* parent) override;
    void cleanHistory() override;
};

} // namespace kelvane
