#include "navigator/navigatorpalette.h"

#include "documents/documentset.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTextLayout>
#include <QTreeView>

namespace kelvane {

namespace {

// The words found in a title, marked as a find in the page marks them.
const QColor kHighlightBackground(255, 225, 64);

// Draws the titles with the filter's words highlighted.
class HighlightDelegate : public QStyledItemDelegate {
public:
    explicit HighlightDelegate(NavigatorPalette* palette)
        : QStyledItemDelegate(palette)
        , m_palette(palette) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QList<TextRange> ranges = m_palette->highlightsOf(index.row());
        if (ranges.isEmpty()) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem item(option);
        initStyleOption(&item, index);
        const QString text = item.text;
        item.text.clear();
        const QWidget* widget = item.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

        QList<QTextLayout::FormatRange> formats;
        for (const TextRange& range : ranges) {
            QTextCharFormat format;
            format.setBackground(kHighlightBackground);
            format.setForeground(Qt::black);
            formats.append({int(range.start), int(range.length), format});
        }
        QTextLayout layout(text, item.font);
        layout.setFormats(formats);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        line.setLineWidth(1e6);
        layout.endLayout();

        const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget);
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
        const bool selected = item.state.testFlag(QStyle::State_Selected);
        painter->save();
        painter->setClipRect(area);
        painter->setPen(item.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        layout.draw(painter, QPointF(area.left() + margin,
                                     area.top() + (area.height() - line.height()) / 2));
        painter->restore();
    }

private:
    NavigatorPalette* m_palette;
};

bool isMove(int key) {
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
           key == Qt::Key_PageDown;
}

// A key that types text into the list: printable, without Ctrl, Alt or Meta.
QString typedText(const QKeyEvent* key) {
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return {};
    const QString text = key->text();
    if (text.trimmed().isEmpty() || !text.at(0).isPrint())
        return {};
    return text;
}

} // namespace

NavigatorPalette::NavigatorPalette(QTreeView* list, QWidget* boxParent)
    : QObject(boxParent)
    , m_list(list)
    , m_box(new QLineEdit(boxParent)) {
    m_box->setObjectName(QStringLiteral("navigatorFilter"));
    m_box->setPlaceholderText(tr("Find a document by title or address"));
    m_box->setClearButtonEnabled(true);
    m_box->hide();
    m_box->installEventFilter(this);
    m_list->installEventFilter(this);
    m_list->setItemDelegateForColumn(DocumentSet::SiteColumn, new HighlightDelegate(this));
    connect(m_box, &QLineEdit::textChanged, this, &NavigatorPalette::applyFilter);

    // Documents that open, change their title or address, or close while the list is
    // filtered are judged as they come.
    QAbstractItemModel* model = m_list->model();
    connect(model, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { filterRows(first, last); });
    connect(model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& from, const QModelIndex& to) {
                filterRows(from.row(), to.row());
            });
    connect(model, &QAbstractItemModel::rowsRemoved, this, [this] { ensureCurrentShown(); });
}

bool NavigatorPalette::isOpen() const {
    return !m_box->isHidden();
}

QList<TextRange> NavigatorPalette::highlightsOf(int row) const {
    if (m_filter.isEmpty())
        return {};
    return m_filter.highlights(
        m_list->model()->index(row, DocumentSet::SiteColumn).data().toString());
}

void NavigatorPalette::open(const QString& text) {
    if (!isOpen()) {
        m_returnFocus = QApplication::focusWidget();
        m_box->show();
        Q_EMIT openChanged(true);
    }
    m_box->setText(text);
    ensureCurrentShown();
    m_box->setFocus(Qt::ShortcutFocusReason);
    m_box->end(false);
}

void NavigatorPalette::close() {
    m_box->clear();
    m_box->hide();
    Q_EMIT openChanged(false);
}

void NavigatorPalette::choose() {
    const QModelIndex current = m_list->currentIndex();
    const int row =
        current.isValid() && !m_list->isRowHidden(current.row(), {}) ? current.row() : -1;
    close();
    if (row >= 0)
        Q_EMIT chosen(row);
}

void NavigatorPalette::cancel() {
    close();
    if (QWidget* focus = m_returnFocus) {
        focus->window()->activateWindow();
        focus->setFocus(Qt::OtherFocusReason);
    }
    Q_EMIT cancelled();
}

void NavigatorPalette::applyFilter(const QString& text) {
    m_filter = NavigatorFilter(text);
    filterRows(0, m_list->model()->rowCount() - 1);
}

void NavigatorPalette::filterRows(int first, int last) {
    const QAbstractItemModel* model = m_list->model();
    for (int row = std::max(0, first); row <= last && row < model->rowCount(); ++row) {
        const QModelIndex site = model->index(row, DocumentSet::SiteColumn);
        const bool shown =
            m_filter.isEmpty() || m_filter.matches(site.data().toString(),
                                                   site.data(DocumentSet::AddressRole).toString());
        if (m_list->isRowHidden(row, {}) == shown)
            m_list->setRowHidden(row, {}, !shown);
    }
    ensureCurrentShown();
    m_list->viewport()->update();
}

void NavigatorPalette::ensureCurrentShown() {
    if (!isOpen())
        return;
    const QModelIndex current = m_list->currentIndex();
    if (current.isValid() && !m_list->isRowHidden(current.row(), {}))
        return;
    const QAbstractItemModel* model = m_list->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        if (!m_list->isRowHidden(row, {})) {
            m_list->setCurrentIndex(model->index(row, DocumentSet::SiteColumn));
            return;
        }
    }
}

bool NavigatorPalette::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (watched == m_box) {
        if (isMove(key->key())) {
            QCoreApplication::sendEvent(m_list, key);
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            choose();
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            cancel();
            return true;
        }
    } else if (watched == m_list) {
        if (key->key() == Qt::Key_Escape && isOpen()) {
            cancel();
            return true;
        }
        const QString text = typedText(key);
        if (!text.isEmpty()) {
            open(isOpen() ? m_box->text() + text : text);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kelvane
