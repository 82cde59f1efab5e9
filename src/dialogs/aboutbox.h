#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class AboutForm;
}

namespace kelvane {

// Help > About: the program's icon, name and credit line, and an OK button in the middle that
// Enter and Esc press too.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);
    ~AboutBox() override;

private:
    std::unique_ptr<Ui::AboutForm> m_form;
};

} // namespace kelvane
