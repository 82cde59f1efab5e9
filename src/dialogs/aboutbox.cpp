#include "dialogs/aboutbox.h"

#include "ui/captions.h"
#include "ui/pictures.h"

#include "ui_aboutbox.h"

namespace kelvane {

namespace {

constexpr int kIconSize = 48;
// The separator lines' grey.
constexpr QRgb kLineGrey = qRgb(128, 128, 128);

} // namespace

AboutBox::AboutBox(QWidget* parent)
    : QDialog(parent)
    , m_form(std::make_unique<Ui::AboutForm>()) {
    m_form->setupUi(this);
    applyCaptions(this);
    m_form->iconLabel->setPixmap(picture(Picture::Logo).pixmap(kIconSize, kIconSize));
    for (QFrame* line : {m_form->upperLine, m_form->lowerLine}) {
        QPalette palette = line->palette();
        palette.setColor(QPalette::WindowText, QColor(kLineGrey));
        line->setPalette(palette);
        line->setFrameShadow(QFrame::Plain);
    }
    // Esc closes the dialog by itself; Enter presses the default button.
    connect(m_form->okButton, &QPushButton::clicked, this, &QDialog::accept);
    setFixedSize(sizeHint());
}

AboutBox::~AboutBox() = default;

} // namespace kelvane
