#include "alert_view.h"

#include "elided_label.h"
#include "icons.h"
#include "prominent_button.h"
#include "secondary_text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

QFont scaledFont(const QFont& base, double factor, bool bold = false)
{
    QFont font = base;
    font.setPointSizeF(base.pointSizeF() * factor);
    font.setBold(bold);
    return font;
}

void makeSecondary(QWidget* widget)
{
    SecondaryText::apply(widget);
}

} // namespace

AlertView::AlertView(const Reminder& reminder, QWidget* parent)
    : QWidget(parent), m_reminder(reminder)
{
    setFixedSize(fixedWidth, fixedHeight);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(20, 20, 20, 20);
    column->setSpacing(14);
    column->addWidget(makeHeader());

    if (!m_reminder.note.isEmpty()) {
        auto* note = new ElidedLabel(m_reminder.note, 3, this);
        note->setObjectName(QStringLiteral("note"));
        column->addWidget(note);
    }
    if (const auto url = m_reminder.normalizedURL()) {
        auto* website = new ElidedLabel(websiteText(*url), 1, this);
        website->setObjectName(QStringLiteral("website"));
        website->setFont(scaledFont(font(), 0.85));
        makeSecondary(website);
        column->addWidget(website);
    }
    column->addStretch(1);
    column->addWidget(makeButtons());
}

QWidget* AlertView::makeHeader()
{
    auto* header = new QWidget(this);
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(12);

    auto* icon = new QLabel(header);
    icon->setObjectName(QStringLiteral("alarmIcon"));
    const int iconSize = 34;
    icon->setPixmap(Icons::alarm(QColor(255, 149, 0)).pixmap(iconSize, iconSize));
    icon->setFixedSize(iconSize, iconSize);
    row->addWidget(icon);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(2);
    auto* title = new ElidedLabel(m_reminder.title, 1, header);
    title->setObjectName(QStringLiteral("title"));
    title->setFont(scaledFont(font(), 1.35, true));
    auto* time = new QLabel(m_reminder.timeString(), header);
    time->setObjectName(QStringLiteral("time"));
    time->setFont(scaledFont(font(), 0.92));
    makeSecondary(time);
    texts->addWidget(title);
    texts->addWidget(time);
    row->addLayout(texts, 1);
    return header;
}

QWidget* AlertView::makeButtons()
{
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);

    auto* snooze = new QPushButton(tr("Snooze"), bar);
    snooze->setObjectName(QStringLiteral("snooze"));
    snooze->setFixedWidth(110);
    snooze->setAutoDefault(false);
    auto* menu = new QMenu(snooze);
    const std::pair<qint64, QString> choices[] = {
        {5, tr("5 minutes")}, {10, tr("10 minutes")}, {15, tr("15 minutes")}};
    for (const auto& [minutes, label] : choices) {
        connect(menu->addAction(label), &QAction::triggered, this,
                [this, m = minutes] { Q_EMIT snoozeRequested(m); });
    }
    snooze->setMenu(menu);
    row->addWidget(snooze);
    row->addStretch(1);

    const bool website = m_reminder.normalizedURL().has_value();
    QPushButton* done =
        website ? new QPushButton(tr("Done"), bar) : new ProminentButton(tr("Done"), bar);
    done->setObjectName(QStringLiteral("done"));
    connect(done, &QPushButton::clicked, this, &AlertView::doneRequested);
    if (website) {
        auto* open = new ProminentButton(tr("Open website"), bar);
        open->setObjectName(QStringLiteral("openWebsite"));
        connect(open, &QPushButton::clicked, this, &AlertView::openRequested);
        row->addWidget(open);
        m_prominent = open;
        auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
        connect(escape, &QShortcut::activated, done, &QPushButton::click);
    } else {
        m_prominent = done;
    }
    row->addWidget(done);
    for (auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* shortcut = new QShortcut(QKeySequence(key), this);
        connect(shortcut, &QShortcut::activated, m_prominent, &QPushButton::click);
    }
    return bar;
}

QString AlertView::websiteText(const QUrl& url)
{
    return url.host().isEmpty() ? url.toString() : url.host();
}
