#pragma once

#include "platform/engine/webengineprofile.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QListWidget;
class QPushButton;

namespace kelvane {

// Internet Options: the engine profile's settings (scripts, pictures, cookies, the disk cache)
// and a button that deletes the browsing data. OK applies and stores the settings.
class InternetOptions : public QDialog {
    Q_OBJECT
public:
    explicit InternetOptions(QWidget* parent = nullptr);

    // The settings as the controls show them.
    EngineOptions chosenOptions() const;
    void showOptions(const EngineOptions& options);

    void accept() override;

private:
    void deleteBrowsingData();

    QCheckBox* m_javaScript = nullptr;
    QCheckBox* m_images = nullptr;
    QComboBox* m_cookies = nullptr;
    QCheckBox* m_httpCache = nullptr;
    QPushButton* m_delete = nullptr;
    QListWidget* m_languages = nullptr;
};

} // namespace kelvane
