#pragma once

#include "platform/engine/pagerequests.h"

#include <QDialog>

class QCheckBox;
class QPushButton;

namespace kelvane {

// The kinds of site question whose answers can be remembered, as the file of remembered
// answers names them: one per site permission, and opening links of an outside scheme.
QString permissionKind(SitePermission permission);
// Opening links of an outside scheme, asked and remembered per site and scheme
// ("open-outside:mailto").
QString openOutsideKind(const QString& scheme);
// What a site asks to do, for questions and lists: "show notifications", ...
QString kindDescription(const QString& kind);

// Asks whether a site may do what it asks ("show notifications", "use your camera", ...) or
// whether a link of an outside scheme on it may go to the desktop's program for it, with Allow and
// Block and "Remember ..." (on at first). It closes with Allowed or Blocked; Esc and the close
// box leave it Dismissed: refused this time, and nothing remembered.
class PermissionQuestion : public QDialog {
    Q_OBJECT
public:
    enum Result { Dismissed = QDialog::Rejected, Allowed = QDialog::Accepted, Blocked };

    // site: the origin asking; link: the address an outside scheme's question is about.
    PermissionQuestion(const QString& site, const QString& kind, const QString& link = {},
                       QWidget* parent = nullptr);

    QString site() const { return m_site; }
    QString kind() const { return m_kind; }
    bool remembers() const;

    QPushButton* allowButton() const { return m_allow; }
    QPushButton* blockButton() const { return m_block; }
    QCheckBox* rememberBox() const { return m_remember; }

private:
    QString m_site;
    QString m_kind;
    QPushButton* m_allow;
    QPushButton* m_block;
    QCheckBox* m_remember;
};

} // namespace kelvane
