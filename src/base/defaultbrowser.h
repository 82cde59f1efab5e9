#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace kelvane {

// Whether the browser is the desktop's default, and making it so, on freedesktop terms: the
// user's $XDG_CONFIG_HOME/mimeapps.list names the desktop entry that opens each type, and that
// entry's Exec line says which program runs.

// $XDG_CONFIG_HOME/mimeapps.list.
QString mimeappsListPath();
// $XDG_DATA_HOME/applications: where the browser's desktop entry goes.
QString userApplicationsFolder();

struct DefaultBrowserState {
    // Web pages (".htm", ".html") and internet shortcuts (".URL") all open with the entry whose
    // Exec line is this program's, or with the installed entry when it runs this program.
    bool isDefault = false;
    // Files that exist but could not be read. A type with no association at all, or an entry
    // that is not installed, is simply not the default.
    QStringList unreadable;
};
DefaultBrowserState defaultBrowserState(const QString& programPath);

// Makes the program at programPath the default. When the desktop finds the entry installed with
// the program, and that entry runs this program, mimeapps.list names it. Otherwise the program
// writes its own desktop entry (and icon, an SVG, when given) to the user's folder, names that
// one, and refreshes the desktop's database of the folder when update-desktop-database is
// there. Each file is written whole or not at all. Returns the files that could not be read or
// written.
QStringList makeDefaultBrowser(const QString& programPath, const QByteArray& iconSvg = {});

} // namespace kelvane
