#include "dialogs/permissionquestion.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kelvane {

namespace {

constexpr int kTextWidth = 380;

struct Kind {
    SitePermission permission;
    const char* key;
    const char* description;
};

// clang-format off
constexpr Kind kKinds[] = {
    {SitePermission::Notifications, "notifications", QT_TRANSLATE_NOOP("PermissionQuestion", "show notifications")},
    {SitePermission::Location, "location", QT_TRANSLATE_NOOP("PermissionQuestion", "know your location")},
    {SitePermission::Microphone, "microphone", QT_TRANSLATE_NOOP("PermissionQuestion", "use your microphone")},
    {SitePermission::Camera, "camera", QT_TRANSLATE_NOOP("PermissionQuestion", "use your camera")},
    {SitePermission::CameraAndMicrophone, "camera-microphone", QT_TRANSLATE_NOOP("PermissionQuestion", "use your camera and microphone")},
    {SitePermission::ScreenSharing, "screen-sharing", QT_TRANSLATE_NOOP("PermissionQuestion", "see your screen")},
    {SitePermission::MouseLock, "mouse-lock", QT_TRANSLATE_NOOP("PermissionQuestion", "take over the mouse pointer")},
};
// clang-format on

} // namespace

QString permissionKind(SitePermission permission) {
    for (const Kind& kind : kKinds) {
        if (kind.permission == permission)
            return QLatin1String(kind.key);
    }
    return {};
}

namespace {

const char kOpenOutsidePrefix[] = "open-outside:";

// The scheme of an outside-program kind, with its colon ("mailto:"); empty for other kinds.
QString outsideScheme(const QString& kind) {
    return kind.startsWith(QLatin1String(kOpenOutsidePrefix))
               ? kind.mid(qstrlen(kOpenOutsidePrefix)) + u':'
               : QString();
}

} // namespace

QString openOutsideKind(const QString& scheme) {
    return QLatin1String(kOpenOutsidePrefix) + scheme;
}

QString kindDescription(const QString& kind) {
    if (const QString scheme = outsideScheme(kind); !scheme.isEmpty())
        return PermissionQuestion::tr("open %1 links in another program").arg(scheme);
    for (const Kind& known : kKinds) {
        if (kind == QLatin1String(known.key))
            return PermissionQuestion::tr(known.description);
    }
    return kind;
}

PermissionQuestion::PermissionQuestion(const QString& site, const QString& kind,
                                       const QString& link, QWidget* parent)
    : QDialog(parent)
    , m_site(site)
    , m_kind(kind) {
    const QString scheme = outsideScheme(kind);
    const bool outside = !scheme.isEmpty();
    setWindowTitle(outside ? tr("Open in Another Program") : tr("Site Permission"));
    auto* question = new QLabel(
        outside ? tr("%1 wants to open this %2 link with the program your desktop has for it.\n%3")
                      .arg(site, scheme, link)
                : tr("%1 wants to %2.").arg(site, kindDescription(kind)),
        this);
    question->setObjectName(QStringLiteral("question"));
    // The site and the link come from the web: shown as they are, never read as markup.
    question->setTextFormat(Qt::PlainText);
    question->setWordWrap(true);
    question->setFixedWidth(kTextWidth);
    m_remember = new QCheckBox(outside ? tr("Remember for %1 links of this site").arg(scheme)
                                       : tr("Remember for this site"),
                               this);
    m_remember->setChecked(true);

    // Neither is the default: Enter alone gives no answer.
    m_allow = new QPushButton(tr("&Allow"), this);
    m_block = new QPushButton(tr("&Block"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {m_allow, m_block}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    m_allow->setObjectName(QStringLiteral("allow"));
    m_block->setObjectName(QStringLiteral("block"));
    connect(m_allow, &QPushButton::clicked, this, [this] { done(Allowed); });
    connect(m_block, &QPushButton::clicked, this, [this] { done(Blocked); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(question);
    layout->addWidget(m_remember);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool PermissionQuestion::remembers() const {
    return m_remember->isChecked();
}

} // namespace kelvane
