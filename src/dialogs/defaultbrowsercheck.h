#pragma once

#include <QString>

class QWidget;

namespace kelvane {

// The start-up check: web pages (".htm", ".html") and internet shortcuts (".URL") should open
// with the program at programPath. When they do not, it asks (CheckIfDefault on) or repeats the
// stored answer "FileAssociationSetDefault" without asking. Messages are owned by window once
// it shows.
void checkDefaultBrowser(QWidget* window, const QString& programPath);

// Makes the program the default browser; each file that could not be read or written is told
// in a message box of its own.
void associateFiles(QWidget* parent, const QString& programPath);

} // namespace kelvane
