#include "alert_view.h"

#include "widgets/elided_label.h"
#include "widgets/icons.h"
#include "widgets/plain_text.h"
#include "widgets/prominent_button.h"
#include "widgets/secondary_text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

constexpr int iconSize = 34;
constexpr int headerSpacing = 12;

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
    const int margin = 20;
    const int spacing = 14;
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(margin, margin, margin, margin);
    column->setSpacing(spacing);
    QWidget* header = makeHeader();
    QWidget* buttons = makeButtons();
    column->addWidget(header);

    // The title takes the lines the fixed panel has, short of the website
    // line; beside a message only two, and the message takes what is left.
    int room = fixedHeight - 2 * margin - buttons->sizeHint().height() - spacing;
    ElidedLabel* website = nullptr;
    if (const auto url = m_reminder.normalizedURL()) {
        website = new ElidedLabel(websiteText(*url), 1, this);
        website->setObjectName(QStringLiteral("website"));
        website->setToolTip(PlainText::toolTip(url->toString())); // the whole link
        website->setFont(scaledFont(font(), 0.85));
        makeSecondary(website);
        room -= website->sizeHint().height() + spacing;
    }
    ElidedLabel* note = nullptr;
    if (!m_reminder.note.isEmpty()) {
        note = new ElidedLabel(m_reminder.note, 1, this, ElidedLabel::Breaks::AsLines);
        note->setObjectName(QStringLiteral("note"));
        room -= spacing;
    }
    auto* title = header->findChild<ElidedLabel*>(QStringLiteral("title"));
    auto* time = header->findChild<QLabel*>(QStringLiteral("time"));
    const int besideIcon = fixedWidth - 2 * margin - iconSize - headerSpacing;
    const int titleLines =
        (room - time->sizeHint().height() - 2) / title->fontMetrics().lineSpacing();
    title->setMaxLines(std::max(1, note ? std::min(2, titleLines) : titleLines));
    room -= std::max(iconSize, title->heightForWidth(besideIcon) + 2 + time->sizeHint().height());
    if (note) {
        note->setMaxLines(std::max(1, room / note->fontMetrics().lineSpacing()));
        column->addWidget(note);
    }
    if (website)
        column->addWidget(website);
    column->addStretch(1);
    column->addWidget(buttons);
}

QWidget* AlertView::makeHeader()
{
    auto* header = new QWidget(this);
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(headerSpacing);

    auto* icon = new QLabel(header);
    icon->setObjectName(QStringLiteral("alarmIcon"));
    icon->setPixmap(Icons::alarm(QColor(255, 149, 0)).pixmap(iconSize, iconSize));
    icon->setFixedSize(iconSize, iconSize);
    row->addWidget(icon);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(2);
    auto* title = new ElidedLabel(m_reminder.shownTitle(), 1, header); // lines set by the panel
    title->setObjectName(QStringLiteral("title"));
    title->setFont(scaledFont(font(), 1.35, true));
    auto* time = new QLabel(m_reminder.timeString(), header);
    time->setObjectName(QStringLiteral("time"));
    // The time stands on the side where the title starts, whatever its own script.
    const bool rightToLeft = oneLineText(m_reminder.title).isRightToLeft();
    time->setAlignment((rightToLeft ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignAbsolute |
                       Qt::AlignVCenter);
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
    if (website) { // Tab follows the buttons on screen
        setTabOrder(snooze, m_prominent);
        setTabOrder(m_prominent, done);
    }
    // The keyboard starts on the prominent button when the panel is clicked;
    // Return presses whichever button has the focus.
    m_prominent->setFocus();
    for (auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* shortcut = new QShortcut(QKeySequence(key), this);
        connect(shortcut, &QShortcut::activated, this, [this] {
            auto* focused = qobject_cast<QPushButton*>(focusWidget());
            (focused && isAncestorOf(focused) ? focused : m_prominent)->click();
        });
    }
    return bar;
}

QString AlertView::websiteText(const QUrl& url)
{
    return url.host().isEmpty() ? url.toString() : url.host();
}
