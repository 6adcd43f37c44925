#include "notice_bar.h"

#include "secondary_text.h"

#include <QAccessible>
#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

namespace {

// A tint of the accent over the window, so the band reads in light and dark
// themes and its text keeps the theme's own, legible colour.
QColor tint(const QColor& base, const QColor& accent, double amount)
{
    return QColor::fromRgbF(float(base.redF() * (1 - amount) + accent.redF() * amount),
                            float(base.greenF() * (1 - amount) + accent.greenF() * amount),
                            float(base.blueF() * (1 - amount) + accent.blueF() * amount));
}

} // namespace

NoticeBar::NoticeBar(QWidget* parent)
    : QFrame(parent), m_icon(new QLabel(this)), m_text(new QLabel(this)),
      m_close(new QToolButton(this))
{
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(10, 6, 6, 6);
    row->addWidget(m_icon, 0, Qt::AlignTop);
    m_text->setWordWrap(true);
    m_text->setTextFormat(Qt::PlainText); // file names and system messages as they are
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    row->addWidget(m_text, 1);
    m_close->setAutoRaise(true);
    m_close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    m_close->setToolTip(tr("Close this notice"));
    m_close->setAccessibleName(tr("Close this notice"));
    row->addWidget(m_close, 0, Qt::AlignTop);
    connect(m_close, &QToolButton::clicked, this, [this] {
        clear();
        Q_EMIT closed();
    });
    hide();
}

void NoticeBar::present(Kind kind, const QString& text, const QString& action, bool closable)
{
    const bool changed = isHidden() || text != m_text->text();
    m_kind = kind;
    m_text->setText(text);
    if (!action.isEmpty() && !m_action) {
        // Made when first needed: a hidden button without a name confuses screen readers.
        m_action = new QPushButton(this);
        qobject_cast<QHBoxLayout*>(layout())->insertWidget(2, m_action, 0, Qt::AlignVCenter);
        connect(m_action, &QPushButton::clicked, this, &NoticeBar::actionTriggered);
    }
    if (m_action) {
        m_action->setText(action);
        m_action->setVisible(!action.isEmpty());
    }
    m_close->setVisible(closable);
    setAccessibleName(text);
    restyle();
    show();
    if (changed) {
        QAccessibleEvent event(this, QAccessible::Alert);
        QAccessible::updateAccessibility(&event);
    }
}

void NoticeBar::clear()
{
    m_text->clear();
    hide();
}

QString NoticeBar::text() const
{
    return isHidden() ? QString() : m_text->text();
}

void NoticeBar::changeEvent(QEvent* event)
{
    QFrame::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)
        restyle();
}

void NoticeBar::restyle()
{
    if (m_restyling) // setting its own palette comes back here
        return;
    m_restyling = true;
    // From the window's colours, not its own tinted ones.
    const QPalette base = parentWidget() ? parentWidget()->palette() : QApplication::palette();
    const bool warning = m_kind == Kind::Warning;
    const QColor accent = warning ? QColor(0xe5, 0xa5, 0x0a) : base.color(QPalette::Highlight);
    const QColor window = base.color(QPalette::Window);
    QPalette own = base;
    // As little tint as keeps the text at body contrast in either theme.
    QColor background = tint(window, accent, 0.3);
    const QColor text = base.color(QPalette::WindowText);
    for (double amount = 0.3; amount > 0 && SecondaryText::contrast(background, text) < 7;
         amount -= 0.05)
        background = tint(window, accent, amount);
    own.setColor(QPalette::Window, background);
    setPalette(own);
    const auto icon = warning ? QStyle::SP_MessageBoxWarning : QStyle::SP_MessageBoxInformation;
    const int side = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
    m_icon->setPixmap(style()->standardIcon(icon).pixmap(side, side));
    m_restyling = false;
}
