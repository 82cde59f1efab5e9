#pragma once

#include <QDialog>
#include <QHash>

#include <array>

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace kelvane {

class DownloadItem;
class DownloadManager;

// The Downloads window: every download of the list, newest first, with its name, size,
// progress, speed and time left, the chosen one's state and place in full below the list, and
// buttons for it. It stays open beside the pages and follows the downloads as they run.
class DownloadsWindow : public QDialog {
    Q_OBJECT
public:
    enum class Button { PauseResume, Cancel, Retry, Open, ShowInFolder, Remove, Clear, Done };
    enum Column { NameColumn, SizeColumn, ProgressColumn, SpeedColumn, TimeLeftColumn };

    explicit DownloadsWindow(DownloadManager& manager, QWidget* parent = nullptr);
    ~DownloadsWindow() override;

    // The design size, in twips.
    static constexpr int kDesignWidth = 13400;
    static constexpr int kDesignHeight = 5000;

    QTreeWidget* list() const { return m_list; }
    // The chosen download's state (a failure's whole reason) and file.
    QLabel* details() const { return m_details; }
    QPushButton* button(Button which) const { return m_buttons[size_t(which)]; }
    DownloadItem* selectedItem() const;
    void select(DownloadItem* item);

    // The buttons' commands, on the chosen download.
    void pauseOrResume();
    void cancelSelected();
    void retrySelected();
    void openSelected();
    void showSelectedInFolder();
    void removeSelected();
    void clearList();

    void done(int result) override;
    void showEvent(QShowEvent* event) override;

private:
    void addRow(DownloadItem* item);
    void updateRow(DownloadItem* item);
    void removeRow(DownloadItem* item);
    void updateButtons();
    void updateDetails();
    // Opens path through the desktop, or says that it is gone or that no program took it.
    void openThroughDesktop(const QString& path);
    void restorePlace();
    void savePlace();

    DownloadManager& m_manager;
    QTreeWidget* m_list;
    QLabel* m_details;
    std::array<QPushButton*, size_t(Button::Done) + 1> m_buttons{};
    QHash<DownloadItem*, QTreeWidgetItem*> m_rows;
};

} // namespace kelvane
