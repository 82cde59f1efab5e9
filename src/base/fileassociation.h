#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace kelvane {

// The text rules of the browser's place on a freedesktop desktop: its desktop entry and the
// [Default Applications] group of a mimeapps.list. No files are touched here.

// The file name (and desktop id) of the desktop entry a browser that is not installed writes
// to the user's folder.
inline constexpr char kDesktopEntryName[] = "kelvane.desktop";
// The desktop id of the entry installed with the program.
QString installedDesktopId();

// The types looked at by the start-up check, one per file type: ".htm", ".html", ".URL".
QStringList checkedMimeTypes();
// The types the browser registers for: ".htm" and ".html" (text/html), ".URL", then the URL
// schemes http, https and ftp.
QStringList registeredMimeTypes();

// The value of the entry's Exec key for the program at programPath: the path, quoted and
// escaped as desktop entries require when it holds a blank or another reserved character,
// then "-- %u", so that an address starting with "-" is never taken for an option.
QString desktopExecLine(const QString& programPath);
// The whole desktop entry of the program at programPath (a bare name is found in PATH), with
// the icon of the theme named iconName.
QByteArray desktopEntryText(const QString& programPath,
                            const QString& iconName = QStringLiteral("kelvane"));
// The Exec value of the [Desktop Entry] group, as written; empty when there is none.
QString desktopEntryExec(const QByteArray& entry);
// The program an Exec value runs: its first argument, quotes and escapes taken off.
QString execProgram(const QString& exec);

// The desktop ids listed for mimeType in the [Default Applications] group, in order.
QStringList defaultApplications(const QByteArray& mimeapps, const QString& mimeType);
// mimeapps with desktopId as the default application of each of mimeTypes. A line already
// there for one of them is replaced; the others are added at the top of the group, which is
// added at the end when missing. Every other line stays byte for byte.
QByteArray withDefaultApplications(const QByteArray& mimeapps, const QStringList& mimeTypes,
                                   const QString& desktopId);

} // namespace kelvane
