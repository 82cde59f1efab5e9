#pragma once

#include "dialogs/warningquestion.h"
#include "platform/engine/pagerequests.h"

namespace kelvane {

// Asks whether to open a site whose certificate failed, naming the host and the problem in
// plain words. "Go back" is the default and the answer of Esc and the close box; "Continue to
// this site" is there only when the engine allows an exception. Accepted means continue.
class CertificateQuestion : public WarningQuestion {
    Q_OBJECT
public:
    explicit CertificateQuestion(const CertificateError& error, QWidget* parent = nullptr);

    // What the problem means, for someone who has never heard of certificates.
    static QString problemText(CertificateProblem problem);

    QPushButton* goBackButton() const { return m_goBack; }
    // Null where no exception is allowed.
    QPushButton* continueButton() const { return m_continue; }

private:
    QPushButton* m_goBack;
    QPushButton* m_continue = nullptr;
};

} // namespace kelvane
