#include "quicksearch/quicksearchdialog.h"

#include "base/settingscatalogue.h"
#include "platform/twips.h"
#include "quicksearch/searchaddress.h"
#include "ui/captions.h"
#include "ui/pictures.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include <limits>

namespace kelvane {

namespace {

const QString kLeftKey = QStringLiteral("QSearchLeft");
const QString kTopKey = QStringLiteral("QSearchTop");
const QString kMethodKey = QStringLiteral("QSearchTypesListIndex");
const QString kCountKey = QStringLiteral("QSearchSearchListCount");
const QString kItemStem = QStringLiteral("QSearchSearchListItem");

QLabel* captionLabel(const char* id, QWidget* parent) {
    auto* label = new QLabel(QLatin1String(id), parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

QuickSearchDialog::QuickSearchDialog(QWidget* mainWindow)
    : QDialog(mainWindow)
    , m_query(new QComboBox(this))
    , m_method(new QComboBox(this)) {
    buildWindow();
    applyCaptions(this);
    loadState();
}

void QuickSearchDialog::buildWindow() {
    setObjectName(QStringLiteral("QuickSearchDialog"));
    setCaptionId(this, 4000);
    setModal(true);
    // A small fixed dialog: a title and a close box, nothing to minimise or maximise.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    auto* logo = new QLabel(this);
    logo->setPixmap(picture(Picture::Logo).pixmap(48, 48));
    auto* description = captionLabel("4001", this);
    description->setWordWrap(true);

    const QFont arial(QStringLiteral("Arial"));
    m_query->setObjectName(QStringLiteral("queryBox"));
    m_query->setEditable(true);
    // The search itself puts the query on top; the box must not add it a second time.
    m_query->setInsertPolicy(QComboBox::NoInsert);
    m_query->setFont(arial);
    m_query->setMinimumContentsLength(28);
    m_query->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_method->setObjectName(QStringLiteral("methodBox"));
    m_method->setFont(arial);

    m_search = new QPushButton(this);
    m_search->setObjectName(QStringLiteral("searchButton"));
    m_search->setIcon(picture(Picture::MenuSearch));
    m_search->setToolTip(QStringLiteral("4003"));
    m_search->setAutoDefault(false);

    auto* grid = new QGridLayout(this);
    grid->addWidget(logo, 0, 0, Qt::AlignTop);
    grid->addWidget(description, 0, 1, 1, 2);
    grid->addWidget(captionLabel("4003", this), 1, 0);
    grid->addWidget(m_query, 1, 1);
    grid->addWidget(m_search, 1, 2);
    grid->addWidget(captionLabel("4002", this), 2, 0);
    grid->addWidget(m_method, 2, 1);
    grid->setColumnStretch(1, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    for (QObject* box : {static_cast<QObject*>(m_query), static_cast<QObject*>(m_query->lineEdit()),
                         static_cast<QObject*>(m_method)})
        box->installEventFilter(this);
    connect(m_query, &QComboBox::editTextChanged, this,
            [this](const QString& text) { m_search->setEnabled(!text.isEmpty()); });
    connect(m_search, &QPushButton::clicked, this, &QuickSearchDialog::search);
}

void QuickSearchDialog::loadState() {
    m_method->addItems({tr("Web"), tr("Groups")});

    // Without stored keys the dialog opens where it was designed to: centred on the main window.
    adjustSize();
    const QRect around =
        parentWidget() ? parentWidget()->frameGeometry() : screen()->availableGeometry();
    const QPoint designed = around.center() - rect().center();
    const double dpi = logicalDpiX();
    const int left = twipsToPixels(
        Settings::readPosition(kLeftKey, float(pixelsToTwips(designed.x(), dpi))), dpi);
    const int top = twipsToPixels(
        Settings::readPosition(kTopKey, float(pixelsToTwips(designed.y(), dpi))), dpi);
    move(left, top);

    // An index that names no method leaves the box without a selection; it searches the groups.
    m_method->setCurrentIndex(Settings::readInt32(kMethodKey));

    const int count = Settings::readInt16(kCountKey);
    for (int i = 1; i <= count; ++i)
        m_query->addItem(Settings::readText(numberedKey(kItemStem, i)));
    // The list is there to pick from; the box itself starts empty.
    m_query->setCurrentIndex(-1);
    m_query->clearEditText();
    m_search->setEnabled(false);
}

void QuickSearchDialog::saveState() const {
    const double dpi = logicalDpiX();
    Settings::writePosition(kLeftKey, float(pixelsToTwips(pos().x(), dpi)));
    Settings::writePosition(kTopKey, float(pixelsToTwips(pos().y(), dpi)));
    Settings::writeInt32(kMethodKey, m_method->currentIndex());
    const int count = m_query->count();
    Settings::writeInt16(kCountKey, qint16(qMin(count, int(std::numeric_limits<qint16>::max()))));
    for (int i = 1; i <= count; ++i)
        Settings::writeText(numberedKey(kItemStem, i), m_query->itemText(i - 1));
}

void QuickSearchDialog::search() {
    const QString typed = m_query->currentText();
    m_query->insertItem(0, typed);
    // Inserting may select another item; the box keeps what was typed.
    m_query->setEditText(typed);
    const QString address = searchAddress(m_method->currentIndex(), typed);
    hideAndReturnFocus();
    Q_EMIT searchRequested(address);
}

void QuickSearchDialog::reject() {
    hideAndReturnFocus();
}

void QuickSearchDialog::hideAndReturnFocus() {
    hide();
    if (QWidget* mainWindow = parentWidget())
        mainWindow->activateWindow();
}

bool QuickSearchDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            search();
            return true;
        case Qt::Key_Escape:
            hideAndReturnFocus();
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void QuickSearchDialog::closeEvent(QCloseEvent* event) {
    saveState();
    hideAndReturnFocus();
    event->accept();
    deleteLater();
}

} // namespace kelvane
