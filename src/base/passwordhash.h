#pragma once

#include <QString>

namespace kelvane {

// The tray password is kept as a salted, slow hash (PBKDF2-HMAC-SHA256), never as typed, so
// the settings file or a backup of it does not give away a password the user may use elsewhere.
// The stored form is marked: "pbkdf2-sha256$<iterations>$<salt>$<hash>" (salt and hash in
// base64). A stored text without the mark is a password kept as typed by an older version.

// The stored form of password; an empty password (none) stays empty. A new salt each time.
QString hashPassword(const QString& password);

// Whether stored carries the mark of a hashed password.
bool isHashedPassword(const QString& stored);

// Whether typed is the password stored: against a hash, by hashing typed with its salt; against
// an older unmarked text, by exact comparison. Letter case counts.
bool passwordMatches(const QString& typed, const QString& stored);

// The form to write: an older unmarked password hashed, anything else as it is.
QString storedPasswordForm(const QString& stored);

} // namespace kelvane
