#pragma once

class QString;

namespace kelvane {

class DocumentSet;
class DocumentWindow;
class EngineFactory;

// What a document window needs from the area that holds it.
class DocumentHost {
public:
    virtual ~DocumentHost() = default;

    virtual DocumentSet& documents() = 0;
    virtual EngineFactory& engines() = 0;
    // A document opened or closed: the commands that need one follow.
    virtual void documentCountChanged() = 0;
    // True while the user is typing in the address box; loads then leave its text alone.
    virtual bool isAddressBeingEdited() const = 0;
    // Selects the tab of docIndex without taking the selection for a click.
    virtual void selectTab(int docIndex) = 0;
    // A page asked for a new window: a new document window with its own row and tab, private
    // when the page's document is.
    virtual DocumentWindow* openWindowForRequest(bool isPrivate) = 0;
    // A popup of requestingPage was killed, or a new window sent to a blocked site closed:
    // the status bar says so.
    virtual void popupKilled(const QString& address, const QString& requestingPage,
                             bool blockedSite) = 0;
    // The Navigator's caption animation while documents load.
    virtual void startLoadingAnimation() = 0;
    virtual void stopLoadingAnimation() = 0;
};

} // namespace kelvane
