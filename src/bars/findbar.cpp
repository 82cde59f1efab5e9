#include "bars/findbar.h"

#include "documents/documentarea.h"
#include "documents/documentwindow.h"
#include "platform/engine/engine.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

namespace kelvane {

FindBar::FindBar(DocumentArea& documents, QWidget* parent)
    : QWidget(parent)
    , m_documents(documents)
    , m_text(new QLineEdit(this))
    , m_previous(new QToolButton(this))
    , m_next(new QToolButton(this))
    , m_count(new QLabel(this))
    , m_close(new QToolButton(this)) {
    setObjectName(QStringLiteral("FindBar"));
    m_text->setObjectName(QStringLiteral("findText"));
    m_text->setPlaceholderText(tr("Find in page"));
    m_text->setClearButtonEnabled(true);
    m_text->setMinimumWidth(m_text->fontMetrics().averageCharWidth() * 32);
    m_text->installEventFilter(this);

    m_previous->setObjectName(QStringLiteral("findPrevious"));
    m_previous->setArrowType(Qt::UpArrow);
    m_previous->setAutoRaise(true);
    m_previous->setToolTip(tr("Previous match (Shift+Enter)"));
    m_next->setObjectName(QStringLiteral("findNext"));
    m_next->setArrowType(Qt::DownArrow);
    m_next->setAutoRaise(true);
    m_next->setToolTip(tr("Next match (Enter)"));
    m_count->setObjectName(QStringLiteral("findCount"));
    m_count->setTextFormat(Qt::PlainText);
    // Wide enough for every answer, so the bar does not jump while the count changes.
    const QFontMetrics metrics = m_count->fontMetrics();
    m_count->setMinimumWidth(
        std::max(metrics.horizontalAdvance(tr("No matches")),
                 metrics.horizontalAdvance(tr("%1 of %2").arg(9999).arg(9999))));
    m_close->setObjectName(QStringLiteral("findClose"));
    m_close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    m_close->setAutoRaise(true);
    m_close->setToolTip(tr("Close (Esc)"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(m_text);
    layout->addWidget(m_previous);
    layout->addWidget(m_next);
    layout->addSpacing(8);
    layout->addWidget(m_count);
    layout->addStretch(1);
    layout->addWidget(m_close);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setFocusProxy(m_text);
    hide();

    connect(m_text, &QLineEdit::textChanged, this, [this] { search(false); });
    connect(m_previous, &QToolButton::clicked, this, &FindBar::findPrevious);
    connect(m_next, &QToolButton::clicked, this, &FindBar::findNext);
    connect(m_close, &QToolButton::clicked, this, &FindBar::closeBar);
    // From the document area, not its MDI area: the connection then goes with the area, which
    // the frame deletes before the MDI area that still activates windows while it closes.
    connect(&documents, &DocumentArea::activeDocumentChanged, this,
            &FindBar::activeDocumentChanged);
}

QString FindBar::countText() const {
    return m_count->text();
}

void FindBar::openBar() {
    if (!m_documents.activeDocument())
        return;
    const bool wasHidden = isHidden();
    const bool switched = followActiveDocument();
    show();
    m_text->setFocus(Qt::ShortcutFocusReason);
    m_text->selectAll();
    // Closing cleared the highlighting; opening again brings it back.
    if ((wasHidden || switched) && !m_text->text().isEmpty())
        search(false);
}

void FindBar::closeBar() {
    if (m_browser)
        m_browser->find(QString(), false);
    m_count->clear();
    // The page takes the focus before the bar goes: the focus leaving a hidden bar would
    // wander to another document's page and make that document the active one.
    if (isAncestorOf(QApplication::focusWidget()) && m_browser && m_browser->widget())
        m_browser->widget()->setFocus(Qt::OtherFocusReason);
    hide();
}

void FindBar::findNext() {
    search(false);
}

void FindBar::findPrevious() {
    search(true);
}

void FindBar::search(bool backward) {
    followActiveDocument();
    if (isHidden())
        return;
    if (!m_browser) {
        m_count->clear();
        return;
    }
    const QString text = m_text->text();
    if (text.isEmpty())
        m_count->clear();
    // A find wakes the page first.
    if (DocumentWindow* doc = m_documents.activeDocument())
        doc->wake();
    m_browser->find(text, backward);
}

bool FindBar::followActiveDocument() {
    DocumentWindow* doc = m_documents.activeDocument();
    Engine* now = doc ? doc->engine() : nullptr;
    if (now == m_browser)
        return false;
    if (m_browser) {
        disconnect(m_browser, nullptr, this, nullptr);
        // The bar speaks for one page at a time (a closed bar has cleared its page already).
        if (!isHidden() && !m_text->text().isEmpty())
            m_browser->find(QString(), false);
    }
    m_browser = now;
    m_count->clear();
    if (m_browser) {
        connect(m_browser, &Engine::findResult, this, &FindBar::showResult);
        // When this engine goes with its document, look again once the next one is active.
        connect(m_browser, &QObject::destroyed, this,
                [this] { QTimer::singleShot(0, this, &FindBar::activeDocumentChanged); });
    }
    return true;
}

void FindBar::activeDocumentChanged() {
    if (followActiveDocument() && !isHidden() && m_browser && !m_text->text().isEmpty())
        m_browser->find(m_text->text(), false);
}

void FindBar::showResult(int activeMatch, int matchCount) {
    if (isHidden() || m_text->text().isEmpty()) {
        m_count->clear();
    } else if (matchCount <= 0) {
        m_count->setText(tr("No matches"));
    } else if (activeMatch <= 0) {
        m_count->setText(tr("%1 matches").arg(matchCount));
    } else {
        m_count->setText(tr("%1 of %2").arg(activeMatch).arg(matchCount));
    }
}

bool FindBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_text && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            search(key->modifiers().testFlag(Qt::ShiftModifier));
            return true;
        case Qt::Key_Escape:
            closeBar();
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace kelvane
