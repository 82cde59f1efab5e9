#pragma once

#include <QDialog>

#include <memory>

class QLineEdit;

namespace Ui {
class PasswordForm;
}

namespace kelvane {

// Guards the main window while it is hidden in the tray: only the tray password lets it out.
// Made on first use and only hidden after OK or Cancel, so it lives until the main window goes.
class PasswordPrompt : public QDialog {
    Q_OBJECT
public:
    explicit PasswordPrompt(QWidget* parent = nullptr);
    ~PasswordPrompt() override;

    // Empties the box, before each showing.
    void clearPassword();
    QLineEdit* passwordEdit() const;

    // OK: the right password (letter case counts) closes the prompt with Accepted; a wrong one
    // says so and selects the whole text, so typing replaces it. No limit on attempts.
    void accept() override;

private:
    std::unique_ptr<Ui::PasswordForm> m_form;
};

} // namespace kelvane
