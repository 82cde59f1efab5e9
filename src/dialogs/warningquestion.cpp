#include "dialogs/warningquestion.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace kelvane {

namespace {

constexpr int kIconSize = 48;
constexpr int kTextWidth = 420;

QLabel* plainLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setFixedWidth(kTextWidth);
    return label;
}

} // namespace

WarningQuestion::WarningQuestion(const QString& title, const QString& heading,
                                 const QStringList& paragraphs, QWidget* parent)
    : QDialog(parent)
    , m_heading(plainLabel(heading, this))
    , m_buttons(new QDialogButtonBox(this)) {
    setWindowTitle(title);
    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(kIconSize));
    m_heading->setObjectName(QStringLiteral("heading"));
    QFont bold = m_heading->font();
    bold.setBold(true);
    m_heading->setFont(bold);

    auto* text = new QVBoxLayout;
    text->addWidget(m_heading);
    for (const QString& paragraph : paragraphs) {
        m_paragraphs.append(plainLabel(paragraph, this));
        text->addWidget(m_paragraphs.last());
    }
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addLayout(text);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QPushButton* WarningQuestion::addAnswer(const QString& text, const QString& name, bool accepts,
                                        bool isDefault) {
    QPushButton* button = m_buttons->addButton(text, accepts ? QDialogButtonBox::AcceptRole
                                                             : QDialogButtonBox::RejectRole);
    button->setObjectName(name);
    button->setAutoDefault(isDefault);
    if (isDefault) {
        button->setDefault(true);
        button->setFocus();
    }
    return button;
}

} // namespace kelvane
