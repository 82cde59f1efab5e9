#pragma once

#include "platform/engine/engine.h"

#include <QPointer>

#include <memory>

class QWebEngineProfile;

namespace kelvane {

class WebEngineServices;

class WebEngineFactory : public EngineFactory {
public:
    WebEngineFactory();
    ~WebEngineFactory() override;

    Engine* createEngine(QWidget* parent) override;
    Engine* createPrivateEngine(QWidget* parent) override;
    EngineServices& services() override;
    void cleanHistory() override;

private:
    std::unique_ptr<WebEngineServices> m_services;
    // The private profile the services serve; a new one after the last private page.
    QPointer<QWebEngineProfile> m_servedPrivateProfile;
};

} // namespace kelvane
