#pragma once

#include "base/appsettings.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <optional>

class QLineEdit;

namespace Ui {
class OptionsForm;
}

namespace kelvane {

class RememberedAnswers;
class AppearancePage;
class SitePermissionsPage;
struct SleepTimes;

// The page of the active document, for the Use Current buttons.
struct ActivePage {
    QString address;
    QString title;
};

// A tab another feature adds to the dialog: the dialog takes the page and calls commit on OK.
struct OptionsPage {
    QString title;
    QWidget* page = nullptr;
    std::function<void()> commit;
};

// What the Options dialog needs of the main window, handed in when it opens.
struct OptionsContext {
    std::optional<ActivePage> page; // none without an open document
    bool sitesToolbarVisible = true;
    bool trayAvailable = true;
    std::function<void()> cleanHistory; // the engine profile's clean-up
    // The remembered answers to site questions, listed in a tab of their own and written back
    // (to their file) on OK; none: no such tab.
    RememberedAnswers* rememberedAnswers = nullptr;
    QList<OptionsPage> morePages;
};

// View > Options: edits the settings record (appSettings()) in five tabs (General, Sites, Quick
// Notes, User Links, Blocked Sites). It fills its controls from the record when it opens and
// writes them back only on OK; it never reads or writes the settings file. The caller applies
// what shows in the main window after it closes, by OK or Cancel alike.
class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit OptionsDialog(OptionsContext context, QWidget* parent = nullptr);
    ~OptionsDialog() override;

    // OK: checks the passwords, then commits every field.
    void accept() override;

    // The preview's font as the font dialog leaves it: face, size, bold, italic, underline.
    void setPreviewFont(const QFont& font);
    void setPreviewColor(const QColor& color);
    // Clean Now, after the user's Yes.
    void cleanNow();

private:
    void fill();
    // The sleep choices, current among them.
    void fillSleepTimes(const SleepTimes& current);
    void connectControls();
    void updateTrayGroup();
    void setLinkFieldsEnabled(bool enabled);
    void showLink(int index);
    void useCurrentForSite();
    void useCurrentForLink();
    void chooseFont();
    void chooseColor();
    void tabChosen(int index);
    void addBlockedSite();
    void removeBlockedSite();
    void commit();
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

    std::unique_ptr<Ui::OptionsForm> m_form;
    OptionsContext m_context;
    QList<QLineEdit*> m_siteEdits;
    // The user links as edited; the settings take them whole on OK.
    std::array<UserLink, kUserLinkCount> m_links;
    int m_lastSite = 0;
    QColor m_previewColor;
    bool m_passwordEdited = false;
    SitePermissionsPage* m_permissions = nullptr;
    AppearancePage* m_appearance = nullptr;
};

} // namespace kelvane
