#include "dialogs/associationquestion.h"

#include "base/appsettings.h"
#include "base/settingscatalogue.h"
#include "ui/captions.h"
#include "ui/pictures.h"

#include "ui_associationquestion.h"

#include <QApplication>
#include <QKeyEvent>

namespace kelvane {

namespace {

constexpr int kPictureSize = 48;

} // namespace

AssociationQuestion::AssociationQuestion(std::function<void()> associate, QWidget* parent)
    : QDialog(parent)
    , m_form(std::make_unique<Ui::AssociationForm>())
    , m_associate(std::move(associate)) {
    m_form->setupUi(this);
    applyCaptions(this);
    m_form->pictureLabel->setPixmap(picture(Picture::Logo).pixmap(kPictureSize, kPictureSize));
    connect(m_form->yesButton, &QPushButton::clicked, this, &AssociationQuestion::answerYes);
    connect(m_form->noButton, &QPushButton::clicked, this, &QDialog::reject);
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
    setFixedSize(sizeHint());
}

AssociationQuestion::~AssociationQuestion() = default;

void AssociationQuestion::answerYes() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_answer = true;
    if (m_associate)
        m_associate();
    QApplication::restoreOverrideCursor();
    accept();
}

void AssociationQuestion::abandon() {
    m_abandoned = true;
    reject();
}

void AssociationQuestion::done(int result) {
    if (!m_abandoned) {
        appSettings().checkIfDefault = !m_form->dontAskBox->isChecked();
        Settings::writeBool(QStringLiteral("FileAssociationSetDefault"), m_answer);
    }
    QDialog::done(result);
}

bool AssociationQuestion::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Y) {
            answerYes();
            return true;
        }
        if (key == Qt::Key_N) {
            reject();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace kelvane
