#include "bars/suggestionlist.h"

#include "ui/pictures.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QScreen>
#include <QVBoxLayout>

namespace kelvane {

namespace {

QIcon sourcePicture(SuggestionSource source) {
    switch (source) {
    case SuggestionSource::Typed:
        return picture(Picture::AddressPage);
    case SuggestionSource::Favorite:
        return picture(Picture::MenuFavorites);
    case SuggestionSource::History:
        break;
    }
    return picture(Picture::MenuHistory);
}

QString sourceName(SuggestionSource source) {
    switch (source) {
    case SuggestionSource::Typed:
        return SuggestionList::tr("Typed address");
    case SuggestionSource::Favorite:
        return SuggestionList::tr("Favorite");
    case SuggestionSource::History:
        break;
    }
    return SuggestionList::tr("History");
}

} // namespace

SuggestionList::SuggestionList(QWidget* anchor)
    : QFrame(anchor, Qt::ToolTip | Qt::FramelessWindowHint)
    , m_anchor(anchor)
    , m_list(new QListWidget(this)) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    m_list->setFocusPolicy(Qt::NoFocus);
    m_list->setFrameStyle(QFrame::NoFrame);
    m_list->setMouseTracking(true);
    m_list->setUniformItemSizes(true);
    m_list->setTextElideMode(Qt::ElideRight);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(m_list);
    connect(m_list, &QListWidget::itemEntered, m_list,
            [this](QListWidgetItem* item) { m_list->setCurrentItem(item); });
    connect(m_list, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const QString url = m_suggestions.value(m_list->row(item)).url;
        hide();
        Q_EMIT picked(url);
    });
    anchor->installEventFilter(this);
    anchor->window()->installEventFilter(this);
}

void SuggestionList::setSuggestions(const QList<Suggestion>& suggestions) {
    m_suggestions = suggestions;
    m_list->clear();
    if (suggestions.isEmpty()) {
        hide();
        return;
    }
    for (const Suggestion& s : suggestions) {
        const QString text =
            s.title.isEmpty() ? s.url : s.title + QStringLiteral("  \u2014  ") + s.url;
        auto* item = new QListWidgetItem(sourcePicture(s.source), text, m_list);
        item->setToolTip(sourceName(s.source) + QStringLiteral(": ") + s.url);
    }
    m_list->setCurrentRow(-1);
    // The box may have moved to another window since the list was made.
    m_anchor->window()->installEventFilter(this);
    place();
    show();
}

int SuggestionList::currentRow() const {
    return isVisible() ? m_list->currentRow() : -1;
}

void SuggestionList::place() {
    const int rowHeight = qMax(m_list->sizeHintForRow(0), 1);
    const int height = rowHeight * int(m_suggestions.size()) + 2 * frameWidth() + 2;
    QPoint below = m_anchor->mapToGlobal(QPoint(0, m_anchor->height()));
    int width = qMax(m_anchor->width(), 420);
    if (const QScreen* screen = m_anchor->screen())
        width = qMin(width, screen->availableGeometry().right() - below.x());
    setGeometry(QRect(below, QSize(width, height)));
}

void SuggestionList::step(int rows) {
    const int count = int(m_suggestions.size());
    int row = m_list->currentRow();
    if (rows > 0)
        row = row + 1 >= count ? -1 : qMin(row + rows, count - 1);
    else
        row = row < 0 ? count - 1 : (row == 0 ? -1 : qMax(row + rows, 0));
    m_list->setCurrentRow(row);
}

bool SuggestionList::eventFilter(QObject* watched, QEvent* event) {
    if (!isVisible())
        return false;
    const QEvent::Type type = event->type();
    if (watched == m_anchor && type == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & (Qt::AltModifier | Qt::ControlModifier))
            return false;
        switch (key->key()) {
        case Qt::Key_Down:
            step(1);
            return true;
        case Qt::Key_Up:
            step(-1);
            return true;
        case Qt::Key_PageDown:
            step(5);
            return true;
        case Qt::Key_PageUp:
            step(-5);
            return true;
        case Qt::Key_Escape:
            hide();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (m_list->currentRow() >= 0) {
                const QString url = m_suggestions.value(m_list->currentRow()).url;
                hide();
                Q_EMIT picked(url);
                return true;
            }
            hide();
            return false;
        default:
            return false;
        }
    }
    if ((watched == m_anchor && type == QEvent::FocusOut) ||
        (watched == m_anchor->window() &&
         (type == QEvent::Move || type == QEvent::Resize || type == QEvent::WindowDeactivate ||
          type == QEvent::Hide)))
        hide();
    return false;
}

} // namespace kelvane
