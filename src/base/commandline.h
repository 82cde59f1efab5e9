#pragma once

#include <QString>
#include <QStringList>

#include <span>

namespace kelvane {

// What the process was asked to do, read from its arguments.
struct CommandLine {
    enum class Action { Run, Help, Version, ImportFavorites, ExportFavorites, Error };
    Action action = Action::Run;
    // The one address or path, leading-quote rule applied; empty when none was given.
    QString text;
    // From --screenshot FILE (or --screenshot=FILE); empty when not given.
    QString screenshotFile;
    // For ImportFavorites and ExportFavorites: the bookmark file read or written.
    QString favoritesFile;
    // A Qt platform was chosen with "-platform NAME".
    bool platformChosen = false;
    // For Action::Error: one line saying what was wrong.
    QString error;
};

// Reads the arguments (without the program name). Options may appear anywhere before "--";
// everything after "--" belongs to the address, even when it begins with "-". The positional
// arguments are joined with one blank, because a file manager may split a path with blanks.
// Control characters are dropped from the address.
CommandLine parseCommandLine(const QStringList& arguments);

// One entry of the command line's documentation; --help and the manual page are both written
// from this table, so the two cannot disagree.
struct CommandLineOption {
    const char* shortName; // "-h", or nullptr
    const char* longName;  // "--help"
    const char* argument;  // "FILE", or nullptr
    const char* help;      // one sentence, without the final full stop
};
std::span<const CommandLineOption> commandLineOptions();
// "kelvane [--help] ... [URL-or-path]", without "Usage: ".
QString synopsisText();
// What the program does with its arguments: paragraphs separated by an empty line.
QString descriptionText();

QString usageText();
QString versionText();

// A text that begins with a double quote loses its first and then its last character, whatever
// that last character is (a pair of quotes around a path comes off; a lone opening quote takes
// the last character with it).
QString stripLeadingQuote(const QString& text);

// Makes a relative file path absolute against the directory the user started from, so that the
// file the user meant opens even in an instance started elsewhere. Addresses (anything with a
// scheme, including "host:port"), absolute paths and names that are neither an existing file nor
// "./" / "../" paths come back unchanged for the engine to interpret.
QString resolveAgainst(const QString& text, const QString& workingDirectory);

} // namespace kelvane
