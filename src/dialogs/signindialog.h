#pragma once

#include "platform/engine/pagerequests.h"

#include <QDialog>

class QLineEdit;

namespace kelvane {

// Asks for the user name and password a site or a proxy wants, naming the host (and the proxy)
// and the server's realm. Accepted fills the request; Cancel, Esc and the close box leave it
// cancelled, and the page then shows the server's own answer. retry says that the last answer
// for this place was refused, and the user name given then comes back filled in.
class SignInDialog : public QDialog {
    Q_OBJECT
public:
    SignInDialog(SignInRequest& request, bool retry, QWidget* parent = nullptr);

    QLineEdit* userEdit() const { return m_user; }
    QLineEdit* passwordEdit() const { return m_password; }

    void accept() override;

private:
    SignInRequest& m_request;
    QLineEdit* m_user;
    QLineEdit* m_password;
};

} // namespace kelvane
