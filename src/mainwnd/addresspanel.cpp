#include "mainwnd/addresspanel.h"

#include "mainwnd/resizerule.h"
#include "platform/twips.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace kelvane {

namespace {
constexpr int kMargin = 2;
}

AddressPanel::AddressPanel(QWidget* parent)
    : QWidget(parent)
    , m_label(new QLabel(QStringLiteral("1119"), this))
    , m_box(new QComboBox(this))
    , m_go(new QToolButton(this))
    , m_goNew(new QToolButton(this)) {
    setObjectName(QStringLiteral("Picture2"));
    m_label->setObjectName(QStringLiteral("Label1"));
    m_box->setObjectName(QStringLiteral("AddressBar"));
    m_go->setObjectName(QStringLiteral("Go"));
    m_goNew->setObjectName(QStringLiteral("GoNew"));

    m_box->setEditable(true);
    m_box->setInsertPolicy(QComboBox::NoInsert); // the typed history decides what goes in
    m_box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_box->setMinimumContentsLength(1);
    m_label->setBuddy(m_box);

    m_go->setText(tr("Go"));
    m_go->setToolTip(tr("Go to the address"));
    m_goNew->setText(tr("New"));
    m_goNew->setToolTip(tr("Open the address in a new window"));
    for (QToolButton* b : {m_go, m_goNew}) {
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b->setAutoRaise(true);
        b->setEnabled(false); // enabled while the box holds text
    }

    placeFixedParts();
}

void AddressPanel::placeFixedParts() {
    // The label's text arrives with the captions; the box starts right after it.
    const int h = sizeHint().height();
    m_label->adjustSize();
    m_label->move(kMargin, (h - m_label->height()) / 2);
    m_box->move(m_label->width() + 2 * kMargin, (h - m_box->sizeHint().height()) / 2);
    m_box->resize(qMax(m_box->width(), 200), m_box->sizeHint().height());
    for (QToolButton* b : {m_go, m_goNew})
        b->resize(b->sizeHint().width(), m_box->height());
}

QSize AddressPanel::sizeHint() const {
    return QSize(400, m_box->sizeHint().height() + 2 * kMargin);
}

void AddressPanel::applyResizeRule(double windowWidthTwips, double tabBarLeftTwips,
                                   int* tabBarWidthTwips) {
    placeFixedParts();
    const double dpi = logicalDpiX();
    AddressRowInput in;
    in.windowWidth = windowWidthTwips;
    in.goWidth = pixelsToTwips(m_go->width(), dpi);
    in.goNewWidth = pixelsToTwips(m_goNew->width(), dpi);
    in.labelWidth = pixelsToTwips(m_label->width(), dpi);
    in.addressLeft = pixelsToTwips(m_box->x(), dpi);
    in.tabBarLeft = tabBarLeftTwips;
    const AddressRowLayout out = computeAddressRow(in);

    m_box->resize(twipsToPixels(out.addressWidth, dpi), m_box->height());
    m_go->move(twipsToPixels(out.goLeft, dpi), m_box->y());
    m_goNew->move(twipsToPixels(out.goNewLeft, dpi), m_box->y());
    if (tabBarWidthTwips)
        *tabBarWidthTwips = out.tabBarWidth;
}

} // namespace kelvane
