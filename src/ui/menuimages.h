#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace kelvane {

// The menu pictures (mnuImagelist) and which menu item shows which, by key.

// The 23 picture keys in image-list order: position 1 is "Open", 23 is "News".
QStringList menuImageKeys();

// The 0-based image index of a key (its position minus 1); -1 for a key not in the list.
int GetMenuImageIndex(const QString& key);

struct MenuImageAssignment {
    QString item; // menu item name, e.g. "mnuFileNew"
    QString key;  // picture key, e.g. "New"
};

// The 24 (item, picture) pairs in the order the start-up assigns them. Items not listed, and
// the popups mnuNewPage and mnuCustom, have no picture.
QList<MenuImageAssignment> menuImageAssignments();

} // namespace kelvane
