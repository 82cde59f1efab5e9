#pragma once

#include "blocking/blockingsettings.h"
#include "blocking/blocklistloader.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace kelvane {

// The Options dialog's page of content blocking: the switch, the subscribed lists with how
// their last fetch went, the user's own lists, and the sites where blocking is off. It edits a
// copy; the dialog takes settings() on OK.
class BlockingPage : public QWidget {
    Q_OBJECT
public:
    BlockingPage(const BlockingSettings& settings, const QList<ListFileSummary>& lists,
                 QWidget* parent = nullptr);

    const BlockingSettings& settings() const { return m_settings; }

    // How a subscription's fetches went, as the list shows it.
    static QString describe(const Subscription& subscription, const QList<ListFileSummary>& lists);

    QListWidget* subscriptionList() const { return m_subscriptions; }
    QListWidget* exceptionList() const { return m_exceptions; }
    void addSubscription(const QString& url);
    void removeSelectedSubscriptions();
    void removeSelectedExceptions();

private:
    void fill();

    BlockingSettings m_settings;
    QList<ListFileSummary> m_lists;
    QCheckBox* m_enabled;
    QListWidget* m_subscriptions;
    QListWidget* m_exceptions;
    QLabel* m_ownLists;
};

} // namespace kelvane
