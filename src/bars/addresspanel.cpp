#include "bars/addresspanel.h"

#include "bars/resizerule.h"
#include "bars/suggestionlist.h"
#include "bars/suggestionrules.h"
#include "bars/typedhistory.h"
#include "base/browsinghistory.h"
#include "base/wordmatch.h"
#include "platform/twips.h"
#include "ui/pictures.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDateTime>
#include <QFontDatabase>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QToolButton>

namespace kelvane {

namespace {

constexpr int kMargin = 2;

// The picture every item of the list carries.
QIcon addressPicture() {
    return picture(Picture::AddressPage);
}

bool isEnter(const QKeyEvent* key) {
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

} // namespace

AddressPanel::AddressPanel(QWidget* parent)
    : QWidget(parent)
    , m_label(new QLabel(QStringLiteral("1119"), this))
    , m_box(new QComboBox(this))
    , m_go(new QToolButton(this))
    , m_goNew(new QToolButton(this)) {

    // Slots of one signal run in the order they were connected. When an edit ends, the box
    // looks for an item matching the text loosely (case-insensitively, as the completion does)
    // and puts that item's text in place of the user's or the page's; the two connections made
    // before and after the box's own put the text back.
    auto* edit = new QLineEdit(m_box);
    connect(edit, &QLineEdit::editingFinished, this,
            [this, edit] { m_textAtFinish = edit->text(); });
    m_box->setLineEdit(edit);
    connect(edit, &QLineEdit::editingFinished, this, [this, edit] {
        if (edit->text() != m_textAtFinish)
            edit->setText(m_textAtFinish);
        m_editing = false;
    });
    connect(edit, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_editing = m_typed = true;
        suggest(text);
    });
    connect(edit, &QLineEdit::returnPressed, this, &AddressPanel::returnPressed);
    connect(m_box, &QComboBox::editTextChanged, this, &AddressPanel::updateButtons);

    m_box->setInsertPolicy(QComboBox::NoInsert); // the typed history decides what goes in
    m_box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_box->setMinimumContentsLength(1);
    if (QFontDatabase::families().contains(QStringLiteral("Arial"))) {
        QFont font = m_box->font();
        font.setFamily(QStringLiteral("Arial"));
        m_box->setFont(font);
    }
    m_label->setBuddy(m_box);

    // The suggestions take the place of the box's own completion, which would put text into it.
    m_box->setCompleter(nullptr);
    m_suggestionList = new SuggestionList(m_box);
    connect(m_suggestionList, &SuggestionList::picked, this, &AddressPanel::pickSuggestion);
    edit->installEventFilter(this);

    // Picks from the drop-down list are taken here, before the box sees them: the box also
    // reports an "activated" item for the arrow keys, the wheel, completions and the end of
    // an edit, none of which should open anything.
    QAbstractItemView* view = m_box->view();
    view->installEventFilter(this);
    view->viewport()->installEventFilter(this);
    view->window()->installEventFilter(this);
    m_box->installEventFilter(this);

    m_go->setText(tr("Go"));
    m_go->setToolTip(tr("Go to the address"));
    m_go->setIcon(picture(Picture::AddressGo));
    m_goNew->setText(tr("New"));
    m_goNew->setToolTip(tr("Open the address in a new window"));
    m_goNew->setIcon(picture(Picture::AddressGoNew));
    for (QToolButton* b : {m_go, m_goNew}) {
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b->setAutoRaise(true);
    }
    connect(m_go, &QToolButton::clicked, this, [this] {
        // The click confirms the typed text, as moving the focus to a button would.
        m_editing = false;
        m_suggestionList->hide();
        itemSelected();
    });
    connect(m_goNew, &QToolButton::clicked, this, [this] {
        m_suggestionList->hide();
        Q_EMIT openInNewRequested(m_box->currentText());
    });
    updateButtons();

    placeFixedParts();
}

bool AddressPanel::hasFocus() const {
    // The window's focus widget stays the box while its drop-down list is open.
    const QWidget* focus = m_box->window()->focusWidget();
    return focus && (focus == m_box || m_box->isAncestorOf(focus));
}

bool AddressPanel::isAddressBeingEdited() const {
    return m_typed && hasFocus();
}

void AddressPanel::setPageAddress(const QString& url) {
    m_typed = false;
    m_box->setEditText(url);
    selectMatchingItem();
    // In a box the user is in, typing replaces the address, as when the focus came; elsewhere
    // the start of an address says most.
    if (hasFocus())
        m_box->lineEdit()->selectAll();
    else
        m_box->lineEdit()->setCursorPosition(0);
}

void AddressPanel::addTyped(const QString& url) {
    if (!m_keepsTyped || !TypedHistory::goesOnTop(items(), url))
        return;
    changeList([&] { m_box->insertItem(0, addressPicture(), url); });
}

QStringList AddressPanel::items() const {
    QStringList list;
    list.reserve(m_box->count());
    for (int i = 0; i < m_box->count(); ++i)
        list.append(m_box->itemText(i));
    return list;
}

void AddressPanel::loadHistory() {
    const QStringList loaded = TypedHistory::load(TypedHistory::settingsStore());
    if (loaded.isEmpty())
        return;
    changeList([&] {
        m_box->insertItems(0, loaded);
        const QIcon icon = addressPicture();
        for (int i = 0; i < loaded.size(); ++i)
            m_box->setItemIcon(i, icon);
    });
}

void AddressPanel::saveHistory() const {
    TypedHistory::save(items(), TypedHistory::settingsStore());
}

void AddressPanel::clearHistory() {
    changeList([this] { m_box->clear(); });
}

void AddressPanel::returnPressed() {
    // Enter confirms the text: it opens and goes into the list, also when no document was
    // open (the list rule keeps the address a new document adds to one entry).
    m_editing = false;
    const QString text = m_box->lineEdit()->text();
    if (text.isEmpty())
        return;
    m_typed = false;
    Q_EMIT navigateRequested(text);
    addTyped(text);
}

void AddressPanel::itemSelected() {
    if (m_editing)
        return;
    const QString text = m_box->currentText();
    if (text.isEmpty())
        return;
    m_typed = false;
    Q_EMIT navigateRequested(text);
}

void AddressPanel::pickFromList(int row) {
    m_box->hidePopup();
    m_box->setCurrentIndex(row);
    itemSelected();
}

void AddressPanel::updateButtons() {
    const bool hasText = !m_box->currentText().isEmpty();
    m_go->setEnabled(hasText);
    m_goNew->setEnabled(hasText);
}

void AddressPanel::changeList(const std::function<void()>& change) {
    // Inserting into an empty list or clearing it makes the box show an item's text (or none)
    // in place of what the user typed or the page wrote.
    QLineEdit* edit = m_box->lineEdit();
    const QString text = edit->text();
    const int cursor = edit->cursorPosition();
    const int selectionStart = edit->selectionStart();
    const int selectionLength = edit->selectionLength();
    const bool modified = edit->isModified();
    {
        const QSignalBlocker quiet(edit);
        change();
        if (edit->text() != text)
            edit->setText(text);
        selectMatchingItem();
    }
    if (selectionStart < 0)
        edit->setCursorPosition(cursor);
    else if (cursor == selectionStart)
        edit->setSelection(selectionStart + selectionLength, -selectionLength);
    else
        edit->setSelection(selectionStart, selectionLength);
    edit->setModified(modified);
}

void AddressPanel::selectMatchingItem() {
    // The list opens on the item that equals the text, if any, and the arrow keys step on from
    // there (from the top when none does).
    QLineEdit* edit = m_box->lineEdit();
    const QString text = edit->text();
    const int row = m_box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (row == m_box->currentIndex())
        return;
    const QSignalBlocker quiet(edit);
    m_box->setCurrentIndex(row);
    if (edit->text() != text)
        edit->setText(text);
}

void AddressPanel::setSuggestionSources(BrowsingHistory* history,
                                        std::function<QList<FavoriteLink>()> favorites) {
    m_history = history;
    m_favorites = std::move(favorites);
}

void AddressPanel::suggest(const QString& text) {
    SuggestionSources sources;
    const QStringList words = searchWords(text);
    if (!words.isEmpty()) {
        sources.typed = items();
        sources.favorites = m_favoriteLinks;
        if (m_history)
            sources.visited = m_history->pagesMatching(words);
    }
    m_suggestionList->setSuggestions(
        rankSuggestions(text, sources, QDateTime::currentMSecsSinceEpoch()));
}

void AddressPanel::pickSuggestion(const QString& url) {
    m_box->lineEdit()->setText(url);
    returnPressed();
}

bool AddressPanel::eventFilter(QObject* watched, QEvent* event) {
    QAbstractItemView* view = m_box->view();
    const QEvent::Type type = event->type();
    if (watched == m_box->lineEdit() &&
        (type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop))
        return dragOverBox(static_cast<QDropEvent*>(event));
    if (watched == m_box && type == QEvent::FocusOut && !m_typed && !hasFocus()) {
        Q_EMIT pageAddressWanted();
    } else if (watched == m_box && type == QEvent::FocusIn && m_favorites) {
        m_favoriteLinks = m_favorites();
    } else if (watched == m_box && type == QEvent::KeyPress) {
        // Stepping through the list puts an item into the box, to be opened with Enter.
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool step = key->key() == Qt::Key_Up || key->key() == Qt::Key_Down ||
                          key->key() == Qt::Key_PageUp || key->key() == Qt::Key_PageDown;
        if (step && !(key->modifiers() & Qt::AltModifier))
            m_editing = m_typed = true;
    } else if (watched == view->window() && type == QEvent::Show) {
        // Opening the list ends the edit, so what is picked from it opens.
        m_editing = false;
        m_suggestionList->hide();
        m_pressInList = false;
    } else if (watched == view->viewport() &&
               (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease)) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        if (type == QEvent::MouseButtonPress) {
            m_pressInList = true;
            return false;
        }
        // Only a click made in the list picks; the release of the press that opened it does not.
        const bool clicked = m_pressInList;
        m_pressInList = false;
        const QModelIndex index = view->indexAt(mouse->position().toPoint());
        if (clicked && index.isValid() && (index.flags() & Qt::ItemIsEnabled)) {
            pickFromList(index.row());
            return true;
        }
    } else if (watched == view && type == QEvent::KeyPress &&
               isEnter(static_cast<QKeyEvent*>(event))) {
        const QModelIndex index = view->currentIndex();
        if (index.isValid() && (index.flags() & Qt::ItemIsEnabled)) {
            pickFromList(index.row());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool AddressPanel::dragOverBox(QDropEvent* event) {
    // A dropped link or file is an address to go to, not text to add to the one in the box.
    const QMimeData* data = event->mimeData();
    if (!data->hasUrls())
        return false;
    event->acceptProposedAction();
    if (event->type() == QEvent::Drop) {
        m_box->setEditText(data->urls().first().toString());
        returnPressed();
    }
    return true;
}

void AddressPanel::placeFixedParts() {
    // The label's text arrives with the captions; the box starts right after it.
    const int h = sizeHint().height();
    m_label->adjustSize();
    m_label->move(kMargin, (h - m_label->height()) / 2);
    m_box->move(m_label->width() + 2 * kMargin, (h - m_box->sizeHint().height()) / 2);
    m_box->resize(qMax(m_box->width(), 200), m_box->sizeHint().height());
    for (QToolButton* b : {m_go, m_goNew})
        b->resize(b->sizeHint().width(), m_box->height());
}

QSize AddressPanel::sizeHint() const {
    return QSize(400, m_box->sizeHint().height() + 2 * kMargin);
}

void AddressPanel::applyResizeRule(double windowWidthTwips, double tabBarLeftTwips,
                                   int* tabBarWidthTwips) {
    placeFixedParts();
    const double dpi = logicalDpiX();
    AddressRowInput in;
    in.windowWidth = windowWidthTwips;
    in.goWidth = pixelsToTwips(m_go->width(), dpi);
    in.goNewWidth = pixelsToTwips(m_goNew->width(), dpi);
    in.labelWidth = pixelsToTwips(m_label->width(), dpi);
    in.addressLeft = pixelsToTwips(m_box->x(), dpi);
    in.tabBarLeft = tabBarLeftTwips;
    const AddressRowLayout out = computeAddressRow(in);

    m_box->resize(twipsToPixels(out.addressWidth, dpi), m_box->height());
    m_go->move(twipsToPixels(out.goLeft, dpi), m_box->y());
    m_goNew->move(twipsToPixels(out.goNewLeft, dpi), m_box->y());
    if (tabBarWidthTwips)
        *tabBarWidthTwips = out.tabBarWidth;
}

} // namespace kelvane
