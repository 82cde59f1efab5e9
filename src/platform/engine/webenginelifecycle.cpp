// The renderer's life: the "page stopped working" panel when it dies.

#include "platform/engine/webengine.h"

#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace kelvane {

void WebEngine::onRenderProcessTerminated(int status) {
    if (status == QWebEnginePage::NormalTerminationStatus || !m_page || !m_container)
        return;
    m_crashedUrl = m_page->url().isEmpty() ? m_page->requestedUrl() : m_page->url();

    if (!m_crashPanel) {
        m_crashPanel = new QWidget(m_container);
        m_crashPanel->setObjectName(QStringLiteral("crashPanel"));
        auto* layout = new QVBoxLayout(m_crashPanel);
        auto* heading = new QLabel(tr("This page stopped working."), m_crashPanel);
        QFont font = heading->font();
        font.setBold(true);
        font.setPointSizeF(font.pointSizeF() * 1.5);
        heading->setFont(font);
        auto* address = new QLabel(m_crashPanel);
        address->setObjectName(QStringLiteral("crashedAddress"));
        // The address comes from the web: never let it be read as markup.
        address->setTextFormat(Qt::PlainText);
        // Full width and centred in itself: a wrapping label squeezed to its centred size
        // hint showed only "http://".
        address->setWordWrap(true);
        address->setAlignment(Qt::AlignHCenter);
        address->setTextInteractionFlags(Qt::TextSelectableByMouse);
        auto* reload = new QPushButton(tr("Reload the page"), m_crashPanel);
        reload->setObjectName(QStringLiteral("reloadCrashedPage"));
        connect(reload, &QPushButton::clicked, this, &WebEngine::reloadCrashedPage);
        layout->addStretch();
        layout->addWidget(heading, 0, Qt::AlignHCenter);
        layout->addWidget(address);
        layout->addWidget(reload, 0, Qt::AlignHCenter);
        layout->addStretch();
        m_container->addWidget(m_crashPanel);
    }
    if (auto* address = m_crashPanel->findChild<QLabel*>(QStringLiteral("crashedAddress")))
        address->setText(m_crashedUrl.toString());
    m_container->setCurrentWidget(m_crashPanel);

    // A load cut short by the crash still has to end for whoever shows its progress.
    if (m_loading) {
        m_loading = false;
        Q_EMIT progressChanged(0, 0);
    }
}

void WebEngine::reloadCrashedPage() {
    if (!m_page)
        return;
    if (m_crashedUrl.isValid())
        m_page->load(m_crashedUrl);
    else
        m_page->triggerAction(QWebEnginePage::Reload);
}

} // namespace kelvane
