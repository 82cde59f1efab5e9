#include "bars/sitestoolbar.h"

#include "ui/pictures.h"

#include <QAction>
#include <QMouseEvent>

namespace kelvane {

namespace {

const QString kKeyStem = QStringLiteral("Custom");

// 1 to 10 for "Custom1" to "Custom10", 0 for any other key.
int linkNumber(const QString& key) {
    if (!key.startsWith(kKeyStem))
        return 0;
    const QString digits = key.mid(kKeyStem.size());
    bool ok = false;
    const int number = digits.toInt(&ok);
    // "Custom01" or "Custom+1" are no keys of this toolbar.
    if (!ok || number < 1 || number > kUserLinkCount || QString::number(number) != digits)
        return 0;
    return number;
}

} // namespace

SitesToolbar::SitesToolbar(QWidget* parent)
    : QToolBar(parent) {
    setMovable(false);
    setFloatable(false);
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    setIconSize(QSize(16, 16));

    const QIcon icon = picture(Picture::ToolbarUserLink);
    for (int i = 1; i <= kUserLinkCount; ++i) {
        const QString key = kKeyStem + QString::number(i);
        QAction* action = addAction(icon, QString());
        action->setObjectName(key);
        // Until the table is applied every link counts as disabled.
        action->setVisible(false);
        connect(action, &QAction::triggered, this, [this, key] { buttonClick(key); });
        m_buttons.append(action);
    }
}

QAction* SitesToolbar::button(const QString& key) const {
    const int number = linkNumber(key);
    return number ? m_buttons[number - 1] : nullptr;
}

QAction* SitesToolbar::button(int index1Based) const {
    if (index1Based < 1 || index1Based > m_buttons.size())
        return nullptr;
    return m_buttons[index1Based - 1];
}

void SitesToolbar::setUserLinks(const std::array<UserLink, kUserLinkCount>& links) {
    m_links = links;
    for (int i = 1; i <= kUserLinkCount; ++i) {
        QAction* action = m_buttons[i - 1];
        const UserLink& link = links[i - 1];
        // A button reads '&' as a mnemonic mark and drops "..." from a derived caption; the
        // name is shown as the user wrote it.
        QString caption = link.siteName;
        caption.replace(QLatin1Char('&'), QLatin1String("&&"));
        action->setText(caption);
        action->setIconText(caption);
        action->setToolTip(link.siteName);
        action->setVisible(link.enabled);
    }
}

void SitesToolbar::buttonClick(const QString& key) {
    const int number = linkNumber(key);
    if (!number)
        return;
    const UserLink& link = m_links[number - 1];
    if (link.enabled)
        Q_EMIT linkClicked(link.siteUrl);
}

void SitesToolbar::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        Q_EMIT contextMenuRequested(event->globalPosition().toPoint());
        event->accept();
        return;
    }
    QToolBar::mouseReleaseEvent(event);
}

} // namespace kelvane
