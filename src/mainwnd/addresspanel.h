#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QToolButton;

namespace kelvane {

// The address band's panel: the label, the address box and the Go / GoNew buttons, placed by
// the main window's resize rule rather than a layout.
class AddressPanel : public QWidget {
    Q_OBJECT
public:
    explicit AddressPanel(QWidget* parent = nullptr);

    QLabel* Label1() const { return m_label; }
    QComboBox* AddressBar() const { return m_box; }
    QToolButton* Go() const { return m_go; }
    QToolButton* GoNew() const { return m_goNew; }

    // Applies the resize rule for a main window whose outer width is windowWidthTwips.
    void applyResizeRule(double windowWidthTwips, double tabBarLeftTwips, int* tabBarWidthTwips);

    QSize sizeHint() const override;

private:
    void placeFixedParts();

    QLabel* m_label;
    QComboBox* m_box;
    QToolButton* m_go;
    QToolButton* m_goNew;
};

} // namespace kelvane
