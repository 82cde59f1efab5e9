#include "notes/notespane.h"

#include "base/appsettings.h"
#include "base/stringtable.h"
#include "platform/twips.h"
#include "ui/captions.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QToolButton>

namespace kelvane {

namespace {

// The pane's design, in twips.
constexpr int kMarginLeft = 120;
constexpr int kTitleTop = 120;
constexpr int kBoxTop = 600;
constexpr int kBoxWidth = 4095;
constexpr int kButtonSize = 240;
constexpr int kHideButtonLeft = 4250;
constexpr int kRightGap = 40;
constexpr int kBoxBottomSpace = 750;
// The buttons sit this far above the pane's middle.
constexpr int kButtonLift = 750;
constexpr int kNotesTitleId = 1122;

QToolButton* pictureButton(Qt::ArrowType arrow, const char* toolTipId, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRaise(true);
    button->setToolTip(QLatin1String(toolTipId));
    // Tab reaches the arrows (no menu item opens the notes); a click leaves the focus where it is.
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

} // namespace

NotesPane::NotesPane(QWidget* parent, const QString& notesPath)
    : QWidget(parent)
    , m_title(new QLabel(QStringLiteral("1122"), this))
    , m_box(new QPlainTextEdit(this))
    , m_show(pictureButton(Qt::RightArrow, "1123", this))
    , m_hide(pictureButton(Qt::LeftArrow, "1124", this))
    , m_file(notesPath) {
    setObjectName(QStringLiteral("NotesPane"));
    m_title->setObjectName(QStringLiteral("notesTitle"));
    m_title->setFont(QFont(QStringLiteral("Comic Sans MS"), 12));
    m_box->setObjectName(QStringLiteral("notesBox"));
    m_box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_show->setObjectName(QStringLiteral("showNotes"));
    m_hide->setObjectName(QStringLiteral("hideNotes"));
    applyCaptions(this);
    // The arrows' tool tips say what they do; their name says what they are.
    m_show->setAccessibleName(tableString(kNotesTitleId));
    m_hide->setAccessibleName(tableString(kNotesTitleId));

    m_title->move(pixels(kMarginLeft), pixels(kTitleTop));
    m_title->adjustSize();
    m_box->setGeometry(pixels(kMarginLeft), pixels(kBoxTop), pixels(kBoxWidth), 0);
    for (QToolButton* button : {m_show, m_hide})
        button->resize(pixels(kButtonSize), pixels(kButtonSize));
    m_hide->move(pixels(kHideButtonLeft), 0);
    shrinkNotes(false);

    connect(m_show, &QToolButton::clicked, this, [this] { shrinkNotes(false); });
    connect(m_hide, &QToolButton::clicked, this, [this] { shrinkNotes(true); });

    m_autosave.setObjectName(QStringLiteral("notesAutosave"));
    m_autosave.setSingleShot(true);
    m_autosave.setInterval(kAutosaveDelayMs);
    connect(&m_autosave, &QTimer::timeout, this, &NotesPane::saveNotes);
    connect(m_box, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_loading)
            m_autosave.start();
    });
}

int NotesPane::pixels(int twips) const {
    return twipsToPixels(twips, logicalDpiX());
}

void NotesPane::applyLook(const AppSettings& settings) {
    setVisible(settings.quickNotesEnabled);
    m_box->setFont(settings.notesBoxFont());
    QPalette palette = m_box->palette();
    palette.setColor(QPalette::Text, settings.notesBoxColor());
    m_box->setPalette(palette);
}

void NotesPane::loadNotes() {
    const QString text = m_file.read();
    // Shown in the empty box, where the user looks for the notes.
    if (!m_file.sidePath().isEmpty())
        m_box->setPlaceholderText(tr("The notes file %1 could not be read and is left as it "
                                     "is. What you type here is saved in %2.")
                                      .arg(m_file.path(), m_file.sidePath()));
    if (text.isEmpty())
        return;
    m_loading = true;
    QTextCursor end(m_box->document());
    end.movePosition(QTextCursor::End);
    end.insertText(text);
    m_loading = false;
}

bool NotesPane::saveNotes() {
    m_autosave.stop();
    // Paragraphs, not the lines the box wraps them into: those change with the pane's width
    // and the font, and a paragraph cut at each save would never join again. Their text as
    // typed: no-break spaces stay.
    QStringList paragraphs;
    for (QTextBlock block = m_box->document()->begin(); block.isValid(); block = block.next())
        paragraphs.append(block.text());
    return m_file.write(paragraphs);
}

void NotesPane::shrinkNotes(bool shrink) {
    m_title->setVisible(!shrink);
    m_box->setVisible(!shrink);
    if (shrink) {
        setFixedWidth(m_hide->width());
        m_show->move(0, m_show->y());
        m_show->show();
        m_hide->hide();
    } else {
        // The hide button's place before it moves: the same on every expanding.
        setFixedWidth(m_hide->width() + m_hide->x() + pixels(kRightGap));
        m_hide->move(pixels(kHideButtonLeft), m_hide->y());
        m_show->hide();
        m_hide->show();
    }
    m_shrunk = shrink;
}

void NotesPane::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_box->resize(m_box->width(), std::max(0, height() - pixels(kBoxBottomSpace)));
    // Never above the pane's top, where a short window would put the show button out of reach.
    const int buttonTop = std::max(0, (height() - m_show->height()) / 2 - pixels(kButtonLift));
    m_show->move(m_show->x(), buttonTop);
    m_hide->move(m_hide->x(), buttonTop);
}

} // namespace kelvane
