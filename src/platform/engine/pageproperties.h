#pragma once

#include "platform/engine/pagerequests.h"

#include <QDialog>
#include <QUrl>

namespace kelvane {

// The page's Properties dialog: title, address, protocol and security of the current page.
class PageProperties : public QDialog {
    Q_OBJECT
public:
    PageProperties(const QString& title, const QUrl& url, PageSecurity security,
                   QWidget* parent = nullptr);

    // A readable name of the address's protocol ("HyperText Transfer Protocol", ...).
    static QString protocolName(const QUrl& url);
    static QString securityText(PageSecurity security);
};

} // namespace kelvane
