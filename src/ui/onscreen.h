#pragma once

#include <Qt>

class QString;
class QWidget;

namespace kelvane {

// Moves a top-level window, and shrinks it where it must, so that its frame lies within the
// free area of the screen that shows its centre (or else the nearest screen). Saved places
// are in logical pixels, so a place saved at one scale can lie beyond the screen at a larger
// one; designed sizes can be wider than a small or highly scaled screen.
void keepOnScreen(QWidget* window);

// A window's place in twips of its screen's device pixels, so that a place saved at one scale
// comes back at the same spot and size at another; and back to the window's pixels.
double twipsOfPlace(const QWidget* window, int pixels, Qt::Orientation along);
int pixelsOfPlace(const QWidget* window, double twips, Qt::Orientation along);

// The place stored under key, or currentPixels when none is; and storing it.
int readPlace(const QWidget* window, const QString& key, Qt::Orientation along, int currentPixels);
void writePlace(const QWidget* window, const QString& key, Qt::Orientation along, int pixels);

} // namespace kelvane
