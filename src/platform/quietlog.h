#pragma once

#include <QLoggingCategory>

namespace kelvane {

// What the libraries under the browser say on stderr is for developers, not for the user; each
// kind goes to a logging category that is off unless QT_LOGGING_RULES turns it on:
//  - "kelvane.engine": the page engine's own log (its certificate and connection notes) and
//    the note that the page sandbox is off for root;
//  - "kelvane.qt": Qt's notes on what its platform plugin cannot do;
//  - "js": the pages' console messages (Qt's own category, off here).
Q_DECLARE_LOGGING_CATEGORY(lcEngineLog)
Q_DECLARE_LOGGING_CATEGORY(lcQtNotes)

// Installs the message handler that moves Qt's platform notes to "kelvane.qt"; every other
// message goes where it went before.
void installQuietLog();

// Whether a message of Qt's default category is one of those notes.
bool isQtPlatformNote(QStringView message);

} // namespace kelvane
