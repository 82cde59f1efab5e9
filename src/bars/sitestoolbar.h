#pragma once

#include "base/appsettings.h"

#include <QToolBar>

namespace kelvane {

// The sites toolbar (Toolbar2), the second band: ten buttons keyed "Custom1" to "Custom10",
// one per user link, all with the "Custom" picture. A button shows its link's name and is
// there only while the link is enabled.
class SitesToolbar : public QToolBar {
    Q_OBJECT
public:
    explicit SitesToolbar(QWidget* parent = nullptr);

    // By key ("Custom3") or index (1 to 10); null when there is none.
    QAction* button(const QString& key) const;
    QAction* button(int index1Based) const;

    // Applies the user-link table: caption and tool tip = SiteName, visible = Enabled.
    void setUserLinks(const std::array<UserLink, kUserLinkCount>& links);

    // The click of the button keyed `key`: an enabled link opens; a disabled link, or a key
    // that is not "Custom1" to "Custom10", does nothing.
    void buttonClick(const QString& key);

Q_SIGNALS:
    // Open this address in a new document window.
    void linkClicked(const QString& url);
    // The right mouse button was released over the toolbar or one of its buttons.
    void contextMenuRequested(const QPoint& globalPos);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QList<QAction*> m_buttons;
    std::array<UserLink, kUserLinkCount> m_links;
};

} // namespace kelvane
