#include "reminder_row.h"

#include "alerts/elided_label.h"
#include "alerts/icons.h"
#include "toggle_switch.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QLabel* iconLabel(const QIcon& icon, const QString& name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setPixmap(icon.pixmap(16, 16, QIcon::Disabled));
    label->setAccessibleName(name);
    label->setToolTip(name);
    return label;
}

} // namespace

ReminderRow::ReminderRow(const Reminder& reminder, QWidget* parent)
    : QWidget(parent), m_switch(new ToggleSwitch(this)),
      m_title(new ElidedLabel(QString(), 1, this)), m_summary(new QLabel(this)),
      m_silent(iconLabel(Icons::speakerSlash(), tr("No sound"), this)),
      m_website(iconLabel(Icons::globe(), tr("Has a website"), this))
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(6, 3, 8, 3);
    row->addWidget(m_switch);

    QFont titleFont = font();
    titleFont.setWeight(QFont::Medium);
    m_title->setFont(titleFont);
    m_title->setTextFormat(Qt::PlainText);
    QFont small = font();
    small.setPointSizeF(font().pointSizeF() * 0.85);
    m_summary->setFont(small);
    QPalette dim = m_summary->palette();
    QColor text = dim.color(QPalette::WindowText);
    text.setAlphaF(0.62f);
    dim.setColor(QPalette::WindowText, text);
    m_summary->setPalette(dim);
    for (QLabel* label : {m_title, m_summary})
        label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(2);
    texts->addWidget(m_title);
    texts->addWidget(m_summary);
    row->addLayout(texts, 1);
    row->addWidget(m_silent);
    row->addWidget(m_website);

    connect(m_switch, &ToggleSwitch::clicked, this, &ReminderRow::enabledToggled);
    setReminder(reminder);
}

void ReminderRow::setReminder(const Reminder& reminder)
{
    m_switch->setChecked(reminder.enabled);
    // The title is shown verbatim; only an empty one gets a stand-in.
    const QString title = reminder.title.isEmpty() ? tr("Untitled") : reminder.title;
    m_title->setText(title);
    m_title->setToolTip(title);
    m_switch->setAccessibleName(tr("%1 is on").arg(title));
    m_summary->setText(reminder.timeString() + QStringLiteral(" \u00b7 ") + reminder.daysString());
    m_silent->setVisible(reminder.sound == noSound);
    m_website->setVisible(reminder.normalizedURL().has_value());
}

QString ReminderRow::titleText() const
{
    return m_title->text();
}

QString ReminderRow::summaryText() const
{
    return m_summary->text();
}

bool ReminderRow::showsSilentIcon() const
{
    return !m_silent->isHidden();
}

bool ReminderRow::showsWebsiteIcon() const
{
    return !m_website->isHidden();
}
