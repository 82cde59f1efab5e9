#include "dialogs/passwordprompt.h"

#include "base/appsettings.h"
#include "base/passwordhash.h"
#include "base/stringtable.h"
#include "ui/captions.h"

#include "ui_passwordprompt.h"

#include <QMessageBox>

namespace kelvane {

namespace {

constexpr int kProductNameId = 100;
constexpr int kWrongPasswordId = 3505;

} // namespace

PasswordPrompt::PasswordPrompt(QWidget* parent)
    : QDialog(parent)
    , m_form(std::make_unique<Ui::PasswordForm>()) {
    m_form->setupUi(this);
    connect(m_form->okButton, &QPushButton::clicked, this, &PasswordPrompt::accept);
    connect(m_form->cancelButton, &QPushButton::clicked, this, &PasswordPrompt::reject);
    applyCaptions(this);
    clearPassword();
}

PasswordPrompt::~PasswordPrompt() = default;

void PasswordPrompt::clearPassword() {
    m_form->passwordEdit->clear();
}

QLineEdit* PasswordPrompt::passwordEdit() const {
    return m_form->passwordEdit;
}

void PasswordPrompt::accept() {
    if (!passwordMatches(m_form->passwordEdit->text(), appSettings().password)) {
        QMessageBox::warning(this, tableString(kProductNameId), tableString(kWrongPasswordId));
        m_form->passwordEdit->setFocus();
        m_form->passwordEdit->selectAll();
        return;
    }
    QDialog::accept();
}

} // namespace kelvane
