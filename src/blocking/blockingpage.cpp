#include "blocking/blockingpage.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace kelvane {

namespace {

const ListFileSummary* summaryOf(const QString& path, const QList<ListFileSummary>& lists) {
    for (const ListFileSummary& list : lists) {
        if (list.path == path)
            return &list;
    }
    return nullptr;
}

QString dateText(const QDateTime& time) {
    return QLocale().toString(time.toLocalTime(), QLocale::ShortFormat);
}

} // namespace

QString BlockingPage::describe(const Subscription& s, const QList<ListFileSummary>& lists) {
    QString text;
    if (!s.error.isEmpty()) {
        text = tr("The last fetch (%1) failed: %2.").arg(dateText(s.tried), s.error);
        text += u' ';
        text += s.fetched.isValid() ? tr("The copy of %1 is used.").arg(dateText(s.fetched))
                                    : tr("There is no copy yet.");
    } else if (s.fetched.isValid()) {
        text = tr("Fetched %1.").arg(dateText(s.fetched));
    } else {
        text = tr("Not fetched yet.");
    }
    if (const ListFileSummary* list = summaryOf(s.file(), lists))
        text += u' ' + tr("%1 rules, %2 skipped.").arg(list->rules).arg(list->skipped);
    return text;
}

BlockingPage::BlockingPage(const BlockingSettings& settings, const QList<ListFileSummary>& lists,
                           QWidget* parent)
    : QWidget(parent)
    , m_settings(settings)
    , m_lists(lists) {
    m_enabled = new QCheckBox(tr("&Block ads and trackers"), this);
    m_enabled->setObjectName(QStringLiteral("blockingEnabled"));
    m_enabled->setChecked(m_settings.enabled);
    connect(m_enabled, &QCheckBox::toggled, this, [this](bool on) { m_settings.enabled = on; });

    auto* subscribed = new QGroupBox(tr("Subscribed lists (fetched weekly)"), this);
    m_subscriptions = new QListWidget(subscribed);
    m_subscriptions->setObjectName(QStringLiteral("subscriptions"));
    m_subscriptions->setAccessibleName(subscribed->title());
    m_subscriptions->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_subscriptions->setWordWrap(true);
    auto* add = new QPushButton(tr("&Add..."), subscribed);
    auto* remove = new QPushButton(tr("&Remove"), subscribed);
    connect(add, &QPushButton::clicked, this, [this] {
        bool ok = false;
        const QString url =
            QInputDialog::getText(this, tr("Subscribe to a list"), tr("Address of the list:"),
                                  QLineEdit::Normal, QStringLiteral("https://"), &ok);
        if (ok)
            addSubscription(url);
    });
    connect(remove, &QPushButton::clicked, this, &BlockingPage::removeSelectedSubscriptions);
    auto* subscribedButtons = new QHBoxLayout;
    subscribedButtons->addWidget(add);
    subscribedButtons->addWidget(remove);
    subscribedButtons->addStretch();
    auto* subscribedLayout = new QVBoxLayout(subscribed);
    subscribedLayout->addWidget(m_subscriptions);
    subscribedLayout->addLayout(subscribedButtons);

    m_ownLists = new QLabel(this);
    m_ownLists->setWordWrap(true);
    m_ownLists->setTextFormat(Qt::PlainText);
    m_ownLists->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* excepted = new QGroupBox(tr("Sites where ads and trackers are allowed"), this);
    m_exceptions = new QListWidget(excepted);
    m_exceptions->setObjectName(QStringLiteral("siteExceptions"));
    m_exceptions->setAccessibleName(excepted->title());
    m_exceptions->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto* removeSite = new QPushButton(tr("Re&move"), excepted);
    connect(removeSite, &QPushButton::clicked, this, &BlockingPage::removeSelectedExceptions);
    auto* exceptedLayout = new QVBoxLayout(excepted);
    exceptedLayout->addWidget(m_exceptions);
    exceptedLayout->addWidget(removeSite, 0, Qt::AlignLeft);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_enabled);
    layout->addWidget(subscribed, 2);
    layout->addWidget(m_ownLists);
    layout->addWidget(excepted, 1);
    fill();
}

void BlockingPage::fill() {
    m_subscriptions->clear();
    for (const Subscription& s : std::as_const(m_settings.subscriptions)) {
        auto* item = new QListWidgetItem(s.url + u'\n' + describe(s, m_lists), m_subscriptions);
        item->setData(Qt::UserRole, s.url);
    }
    m_exceptions->clear();
    m_exceptions->addItems(m_settings.siteExceptions);

    int own = 0;
    int rules = 0;
    for (const ListFileSummary& list : std::as_const(m_lists)) {
        if (QFileInfo(list.path).absolutePath() == QDir(blockListsFolder()).absolutePath()) {
            ++own;
            rules += list.rules;
        }
    }
    m_ownLists->setText(tr("Lists of your own: every file in %1 (%2 files, %3 rules).")
                            .arg(QDir::toNativeSeparators(blockListsFolder()))
                            .arg(own)
                            .arg(rules));
}

void BlockingPage::addSubscription(const QString& text) {
    const QUrl url = QUrl::fromUserInput(text.trimmed());
    const QString address = url.toString();
    if (!url.isValid() || url.host().isEmpty() ||
        (url.scheme() != QLatin1String("https") && url.scheme() != QLatin1String("http")))
        return;
    for (const Subscription& s : std::as_const(m_settings.subscriptions)) {
        if (s.url == address)
            return;
    }
    m_settings.subscriptions.append(Subscription{address, {}, {}, {}});
    fill();
}

void BlockingPage::removeSelectedSubscriptions() {
    for (const QListWidgetItem* item : m_subscriptions->selectedItems()) {
        const QString url = item->data(Qt::UserRole).toString();
        m_settings.subscriptions.removeIf([&](const Subscription& s) { return s.url == url; });
    }
    fill();
}

void BlockingPage::removeSelectedExceptions() {
    for (const QListWidgetItem* item : m_exceptions->selectedItems())
        m_settings.siteExceptions.removeAll(item->text());
    fill();
}

} // namespace kelvane
