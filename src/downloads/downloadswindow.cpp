#include "downloads/downloadswindow.h"

#include "base/settingscatalogue.h"
#include "base/stringtable.h"
#include "downloads/downloaditem.h"
#include "downloads/downloadmanager.h"
#include "downloads/downloadrules.h"
#include "draw/progressbar.h"
#include "platform/desktopopener.h"
#include "platform/twips.h"
#include "ui/captions.h"
#include "ui/onscreen.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kelvane {

namespace {

constexpr int kTitleId = 5000;
constexpr int kPauseId = 5001;
constexpr int kResumeId = 5002;
constexpr int kFirstButtonId = 5003; // Cancel, Retry, Open, Show in Folder, Remove, Clear
constexpr int kDoneId = 2003;
constexpr int kFirstColumnId = 5009; // Name, Size, Progress, Speed, Time Left
constexpr int kCompleteId = 5019;
constexpr int kCancelledId = 5020;
constexpr int kFailedId = 5021;
constexpr int kPausedId = 5022;
constexpr int kReceivedOfTotalId = 5023;
constexpr int kProductNameId = 100;
constexpr int kGoneId = 5028;
constexpr int kNoProgramId = 5047;
constexpr int kListNameId = 5050;
constexpr int kColumnCount = 5;
constexpr int kColumnWidths[kColumnCount] = {3600, 2700, 3600, 1400, 1500}; // twips

// The progress column's whole percentage while a download runs; none once it ended.
constexpr int kPercentRole = Qt::UserRole + 1;
constexpr int kItemRole = Qt::UserRole + 2;

const QString kGeometryKeys[] = {QStringLiteral("DownloadsLeft"), QStringLiteral("DownloadsTop"),
                                 QStringLiteral("DownloadsWidth"),
                                 QStringLiteral("DownloadsHeight")};

// A running download's progress in the browser's own progress bar.
class ProgressDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QVariant percent = index.data(kPercentRole);
        if (!percent.isValid())
            return QStyledItemDelegate::paint(painter, option, index);
        QStyleOptionViewItem background = option;
        initStyleOption(&background, index);
        background.text.clear();
        option.widget->style()->drawControl(QStyle::CE_ItemViewItem, &background, painter,
                                            option.widget);
        // The caption beside the bar, where it reads as well as the other columns.
        const QString caption =
            progressCaption(index.data(Qt::DisplayRole).toString(), true, percent.toFloat() / 100);
        const QRect area = option.rect.adjusted(2, 2, -2, -2);
        const int captionWidth = option.fontMetrics.horizontalAdvance(caption) + 6;
        m_bar.setShowPercentage(false);
        // The part still to come in the list's own colour: the gradient darkens towards its
        // end and would read as progress.
        m_bar.setTrackColor(option.palette.color(QPalette::Base));
        m_bar.setHeight(area.height());
        (void)m_bar.setWidth(qMax(0, area.width() - captionWidth));
        m_bar.setMaximum(100);
        m_bar.setValue(percent.toInt());
        m_bar.draw(*painter, area.left(), area.top());
        painter->setPen(option.palette.color(
            option.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(area.adjusted(area.width() - captionWidth + 6, -2, 0, 2),
                          Qt::AlignLeft | Qt::AlignVCenter, caption);
    }

private:
    mutable ProgressBar m_bar;
};

} // namespace

DownloadsWindow::DownloadsWindow(DownloadManager& manager, QWidget* parent)
    : QDialog(parent)
    , m_manager(manager)
    , m_list(new QTreeWidget(this))
    , m_details(new QLabel(this)) {
    setCaptionId(this, kTitleId);
    setSizeGripEnabled(true);

    const double dpi = logicalDpiX();
    m_list->setColumnCount(kColumnCount);
    m_list->setAccessibleName(tableString(kListNameId));
    for (int column = 0; column < kColumnCount; ++column) {
        m_list->headerItem()->setData(column, Qt::UserRole,
                                      QString::number(kFirstColumnId + column));
        m_list->setColumnWidth(column, twipsToPixels(kColumnWidths[column], dpi));
    }
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setItemDelegateForColumn(ProgressColumn, new ProgressDelegate(m_list));
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, [this] {
        updateButtons();
        updateDetails();
    });
    // A double click or Enter on a download opens it.
    connect(m_list, &QTreeWidget::itemActivated, this, &DownloadsWindow::openSelected);

    auto* buttons = new QHBoxLayout;
    const std::pair<Button, void (DownloadsWindow::*)()> commands[] = {
        {Button::PauseResume, &DownloadsWindow::pauseOrResume},
        {Button::Cancel, &DownloadsWindow::cancelSelected},
        {Button::Retry, &DownloadsWindow::retrySelected},
        {Button::Open, &DownloadsWindow::openSelected},
        {Button::ShowInFolder, &DownloadsWindow::showSelectedInFolder},
        {Button::Remove, &DownloadsWindow::removeSelected},
        {Button::Clear, &DownloadsWindow::clearList},
        {Button::Done, &DownloadsWindow::reject},
    };
    for (const auto& [which, command] : commands) {
        auto* button = new QPushButton(this);
        button->setAutoDefault(false);
        const int index = int(which);
        setCaptionId(button, which == Button::PauseResume ? kPauseId
                             : which == Button::Done      ? kDoneId
                                                          : kFirstButtonId + index - 1);
        connect(button, &QPushButton::clicked, this, command);
        m_buttons[size_t(index)] = button;
        if (which == Button::Done)
            buttons->addStretch();
        buttons->addWidget(button);
    }
    m_details->setObjectName(QStringLiteral("details"));
    m_details->setWordWrap(true);
    m_details->setTextFormat(Qt::PlainText);
    m_details->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_details);
    layout->addLayout(buttons);
    applyCaptions(this);
    // Wider than a narrow or highly scaled screen (as it is in some languages), the row of
    // buttons breaks in two after Show in Folder.
    if (layout->minimumSize().width() > screen()->availableSize().width()) {
        auto* second = new QHBoxLayout;
        for (Button which : {Button::Remove, Button::Clear, Button::Done}) {
            buttons->removeWidget(m_buttons[size_t(which)]);
            if (which == Button::Done)
                second->addStretch();
            second->addWidget(m_buttons[size_t(which)]);
        }
        layout->addLayout(second);
    }
    // The designed size is wider than a small or highly scaled screen.
    resize(QSize(twipsToPixels(kDesignWidth, dpi), twipsToPixels(kDesignHeight, logicalDpiY()))
               .boundedTo(screen()->availableSize()));
    restorePlace();

    for (DownloadItem* item : manager.items())
        addRow(item);
    connect(&manager, &DownloadManager::itemAdded, this, [this](DownloadItem* item) {
        addRow(item);
        select(item);
    });
    connect(&manager, &DownloadManager::itemRemoved, this, &DownloadsWindow::removeRow);
    if (m_list->topLevelItemCount() > 0)
        m_list->setCurrentItem(m_list->topLevelItem(0));
    updateButtons();
}

DownloadsWindow::~DownloadsWindow() = default;

void DownloadsWindow::addRow(DownloadItem* item) {
    if (m_rows.contains(item))
        return;
    auto* row = new QTreeWidgetItem;
    row->setData(NameColumn, kItemRole, QVariant::fromValue<QObject*>(item));
    const QMimeType type =
        QMimeDatabase().mimeTypeForFile(item->path(), QMimeDatabase::MatchExtension);
    row->setIcon(NameColumn,
                 QIcon::fromTheme(type.iconName(), QIcon::fromTheme(type.genericIconName())));
    m_list->insertTopLevelItem(0, row);
    m_rows.insert(item, row);
    connect(item, &DownloadItem::changed, this, [this, item] { updateRow(item); });
    updateRow(item);
}

void DownloadsWindow::updateRow(DownloadItem* item) {
    QTreeWidgetItem* row = m_rows.value(item);
    if (!row)
        return;
    const qint64 received = item->receivedBytes();
    const qint64 total = item->totalBytes();
    // What is there of what was announced; a failed or cancelled one ended short of it.
    const QString size =
        total >= 0 && total != received
            ? tableString(kReceivedOfTotalId).arg(sizeText(received), sizeText(total))
            : sizeText(received);
    QString progress, speed, timeLeft;
    QVariant percent;
    switch (item->state()) {
    case DownloadItem::State::Running:
    case DownloadItem::State::Paused: {
        const bool paused = item->state() == DownloadItem::State::Paused;
        const int done = percentDone(received, total);
        progress = paused ? tableString(kPausedId) : QString();
        if (done >= 0)
            percent = done;
        if (!paused && item->bytesPerSecond() > 0) {
            speed = speedText(item->bytesPerSecond());
            timeLeft = timeLeftText(total >= 0 ? total - received : -1, item->bytesPerSecond());
        }
        break;
    }
    case DownloadItem::State::Completed:
        progress = tableString(kCompleteId);
        break;
    case DownloadItem::State::Cancelled:
        progress = tableString(kCancelledId);
        break;
    case DownloadItem::State::Failed:
        progress = tableString(kFailedId).arg(item->failureReason());
        break;
    }
    row->setText(NameColumn, item->fileName());
    row->setText(SizeColumn, size);
    row->setText(ProgressColumn, progress);
    row->setData(ProgressColumn, kPercentRole, percent);
    // The bar is drawn, not written: a screen reader hears its caption.
    row->setData(ProgressColumn, Qt::AccessibleTextRole,
                 percent.isValid() ? progressCaption(progress, true, percent.toFloat() / 100)
                                   : QVariant());
    row->setText(SpeedColumn, speed);
    row->setText(TimeLeftColumn, timeLeft);
    const QString tip = item->url() + QLatin1Char('\n') + item->path();
    for (int column = 0; column < kColumnCount; ++column)
        row->setToolTip(column, column == ProgressColumn && !progress.isEmpty() ? progress : tip);
    if (item == selectedItem()) {
        updateButtons();
        updateDetails();
    }
}

void DownloadsWindow::removeRow(DownloadItem* item) {
    delete m_rows.take(item);
    disconnect(item, nullptr, this, nullptr);
    updateButtons();
}

DownloadItem* DownloadsWindow::selectedItem() const {
    const QList<QTreeWidgetItem*> selected = m_list->selectedItems();
    if (selected.isEmpty())
        return nullptr;
    return qobject_cast<DownloadItem*>(
        selected.first()->data(NameColumn, kItemRole).value<QObject*>());
}

void DownloadsWindow::select(DownloadItem* item) {
    if (QTreeWidgetItem* row = m_rows.value(item))
        m_list->setCurrentItem(row);
}

void DownloadsWindow::updateButtons() {
    const DownloadItem* item = selectedItem();
    const auto state = item ? std::optional(item->state()) : std::nullopt;
    const bool active = item && item->isActive();
    using S = DownloadItem::State;
    button(Button::PauseResume)->setEnabled(active);
    button(Button::PauseResume)->setText(tableString(state == S::Paused ? kResumeId : kPauseId));
    button(Button::Cancel)->setEnabled(active);
    button(Button::Retry)->setEnabled(state == S::Failed || state == S::Cancelled);
    button(Button::Open)->setEnabled(state == S::Completed);
    button(Button::ShowInFolder)->setEnabled(state == S::Completed);
    button(Button::Remove)->setEnabled(item && !active);
    button(Button::Clear)->setEnabled(m_manager.items().size() > m_manager.activeCount());
}

void DownloadsWindow::updateDetails() {
    DownloadItem* item = selectedItem();
    const QTreeWidgetItem* row = m_rows.value(item);
    if (!item || !row) {
        m_details->clear();
        return;
    }
    const QString state = row->text(ProgressColumn);
    m_details->setText((state.isEmpty() ? QString() : state + QLatin1Char('\n')) +
                       QDir::toNativeSeparators(item->path()));
}

void DownloadsWindow::pauseOrResume() {
    if (DownloadItem* item = selectedItem())
        item->state() == DownloadItem::State::Paused ? item->resume() : item->pause();
}

void DownloadsWindow::cancelSelected() {
    if (DownloadItem* item = selectedItem())
        item->cancel();
}

void DownloadsWindow::retrySelected() {
    m_manager.retry(selectedItem());
}

void DownloadsWindow::openSelected() {
    const DownloadItem* item = selectedItem();
    if (item && item->state() == DownloadItem::State::Completed)
        openThroughDesktop(item->path());
}

void DownloadsWindow::showSelectedInFolder() {
    const DownloadItem* item = selectedItem();
    if (item && item->state() == DownloadItem::State::Completed)
        openThroughDesktop(QFileInfo(item->path()).absolutePath());
}

void DownloadsWindow::openThroughDesktop(const QString& path) {
    if (!QFileInfo::exists(path)) {
        QMessageBox::information(this, tableString(kProductNameId), tableString(kGoneId).arg(path));
        return;
    }
    openWithDesktop(path, this, [this, path] {
        const QString text = tableString(kNoProgramId).arg(path);
        m_details->setText(text);
        m_manager.showNotice(text);
    });
}

void DownloadsWindow::removeSelected() {
    m_manager.remove(selectedItem());
}

void DownloadsWindow::clearList() {
    m_manager.clearList();
}

void DownloadsWindow::done(int result) {
    savePlace();
    QDialog::done(result);
}

void DownloadsWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Centred over an owner that reaches beyond the screen, it would too.
    keepOnScreen(this);
}

void DownloadsWindow::restorePlace() {
    if (Settings::readText(kGeometryKeys[0], QString()).isEmpty())
        return; // the designed place: over the owner
    const QRect now = geometry();
    move(readPlace(this, kGeometryKeys[0], Qt::Horizontal, now.x()),
         readPlace(this, kGeometryKeys[1], Qt::Vertical, now.y()));
    resize(qMax(200, readPlace(this, kGeometryKeys[2], Qt::Horizontal, now.width())),
           qMax(120, readPlace(this, kGeometryKeys[3], Qt::Vertical, now.height())));
    keepOnScreen(this);
}

void DownloadsWindow::savePlace() {
    const int values[] = {x(), y(), width(), height()};
    for (int i = 0; i < 4; ++i)
        writePlace(this, kGeometryKeys[i], i % 2 ? Qt::Vertical : Qt::Horizontal, values[i]);
}

} // namespace kelvane
