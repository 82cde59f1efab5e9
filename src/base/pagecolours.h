#pragma once

#include <QByteArray>
#include <QString>

class QPalette;

namespace kelvane {

// The colour scheme pages are asked for (CSS prefers-color-scheme). The page engine takes it
// only when it starts, so a change applies at the next start.
enum class PageColours { Desktop, Light, Dark };

// The setting's text form: "Desktop", "Light", "Dark"; anything else reads as Desktop.
PageColours pageColoursFromText(const QString& text);
QString pageColoursText(PageColours colours);

// A palette whose windows are darker than their text: a dark desktop scheme.
bool isDarkPalette(const QPalette& palette);

// The engine's start flag for the scheme, dark or light; "follow the desktop" takes the
// desktop's.
QByteArray pageColoursFlag(PageColours colours, bool desktopIsDark);

// The scheme the running engine was started with: dark or light.
void setPageColoursInForce(bool dark);
// Whether pages would be given another scheme than the running engine's, were the engine
// started now with the chosen colours on a desktop dark or light as it is now: then the choice
// waits for the next start.
bool pageColoursWaitForStart(PageColours chosen, bool desktopIsDark);

// Runs once the application exists, before the page engine starts: passes the scheme of the
// "PageColours" setting ("follow the desktop" looks at the application's palette) to the
// engine's start flags, unless the user's own flags name one, and records it as in force.
void choosePageColours();

} // namespace kelvane
