#include "editor_view.h"

#include "model/local_time.h"
#include "sound/chime_output.h"
#include "store/store.h"
#include "widgets/day_badge.h"
#include "widgets/prominent_button.h"
#include "widgets/secondary_text.h"
#include "widgets/time_field.h"
#include "widgets/wheel_guard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace {

QGroupBox* section(const QString& title, QWidget* parent)
{
    auto* box = new QGroupBox(title, parent);
    box->setFlat(false);
    return box;
}

// Fields go below their labels rather than out of sight when the window is
// narrow; the manager's detail column never scrolls sideways.
QFormLayout* formIn(QGroupBox* box)
{
    auto* form = new QFormLayout(box);
    form->setRowWrapPolicy(QFormLayout::WrapLongRows);
    return form;
}

QFont smallFont(QFont font)
{
    font.setPointSizeF(font.pointSizeF() * 0.85);
    return font;
}

template <typename Widget, typename Value, typename Setter>
void setQuietly(Widget* widget, const Value& current, const Value& wanted, Setter set)
{
    if (current == wanted)
        return;
    const QSignalBlocker blocker(widget);
    (widget->*set)(wanted);
}

} // namespace

EditorView::EditorView(Store& store, ShowAlert testAlert, ChimeOutput& chimes, const Clock& clock,
                       QWidget* parent)
    : QWidget(parent), m_store(store), m_testAlert(std::move(testAlert)), m_chimes(chimes),
      m_clock(clock)
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(16, 16, 16, 16);
    column->setSpacing(12);
    column->addWidget(makeWhatSection());
    column->addWidget(makeWhenSection());
    column->addWidget(makeSoundSection());
    column->addWidget(makeWebsiteSection());
    column->addWidget(makeLastRow());
    column->addStretch(1);

    connect(&m_store, &Store::reminderChanged, this, [this](qsizetype index) {
        if (index == m_store.indexOf(m_id))
            refresh();
    });
    // Its reminder can go, and come back with an undo.
    connect(&m_store, &Store::reminderInserted, this, &EditorView::refresh);
    connect(&m_store, &Store::reminderRemoved, this, &EditorView::refresh);
    connect(&m_store, &Store::remindersReset, this, &EditorView::refresh);
}

EditorView::~EditorView() = default;

QWidget* EditorView::makeWhatSection()
{
    auto* box = section(tr("What"), this);
    auto* form = formIn(box);
    m_name = new QLineEdit(box);
    m_name->setObjectName(QStringLiteral("name"));
    m_name->setPlaceholderText(tr("Take attendance"));
    m_message = new QLineEdit(box);
    m_message->setObjectName(QStringLiteral("message"));
    m_message->setPlaceholderText(tr("Shown on the pop-up"));
    form->addRow(tr("Name"), m_name);
    form->addRow(tr("Message (optional)"), m_message);
    connect(m_name, &QLineEdit::textEdited, this,
            [this](const QString& text) { edit([&](Reminder& r) { r.title = text; }); });
    connect(m_message, &QLineEdit::textEdited, this,
            [this](const QString& text) { edit([&](Reminder& r) { r.note = text; }); });
    return box;
}

QWidget* EditorView::makeWhenSection()
{
    auto* box = section(tr("When"), this);
    auto* form = formIn(box);
    m_time = new TimeField(box);
    m_time->setObjectName(QStringLiteral("time"));
    m_time->setDisplayFormat(Reminder::shortTimeFormat(locale()));
    m_time->setWrapping(true);
    WheelGuard::protect(m_time);
    m_timeWarning = new QLabel(box);
    m_timeWarning->setObjectName(QStringLiteral("timeWarning"));
    const int iconSize = style()->pixelMetric(QStyle::PM_SmallIconSize);
    m_timeWarning->setPixmap(
        style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(iconSize, iconSize));
    const QString invalid = tr("This time is not valid, so the reminder never rings. Pick a time.");
    m_timeWarning->setToolTip(invalid);
    m_timeWarning->setAccessibleName(invalid);
    m_timeWarning->hide();
    auto* timeRow = new QHBoxLayout;
    timeRow->addWidget(m_time);
    timeRow->addWidget(m_timeWarning);
    timeRow->addStretch(1);
    form->addRow(tr("Time"), timeRow);
    connect(m_time, &QTimeEdit::timeChanged, this, [this](QTime time) {
        // Setting the time re-arms or settles today: a minute already reached
        // today will not fire again today, one still ahead will.
        const QString lastFired =
            lastFiredAfterTimeChange(time.hour(), time.minute(), m_clock.now(), m_clock.zone());
        edit([&](Reminder& r) {
            r.hour = time.hour();
            r.minute = time.minute();
            r.lastFired = lastFired;
        });
    });

    auto* days = new QHBoxLayout;
    days->setSpacing(6);
    const QString letters[] = {tr("S", "Sunday"),    tr("M", "Monday"),   tr("T", "Tuesday"),
                               tr("W", "Wednesday"), tr("T", "Thursday"), tr("F", "Friday"),
                               tr("S", "Saturday")};
    const QString names[] = {tr("Sunday"),   tr("Monday"), tr("Tuesday"), tr("Wednesday"),
                             tr("Thursday"), tr("Friday"), tr("Saturday")};
    days->addStretch(1);
    // On screen the week starts on the locale's first day; the stored numbers
    // stay 1 = Sunday to 7 = Saturday.
    m_days.resize(7);
    const int first = locale().firstDayOfWeek(); // 1 = Monday to 7 = Sunday
    for (int i = 0; i < 7; ++i) {
        const int stored = LocalTime::weekdayFromQt((first - 1 + i) % 7 + 1);
        auto* badge = new DayBadge(letters[stored - 1], names[stored - 1], box);
        badge->setObjectName(QStringLiteral("day%1").arg(stored)); // 1 = Sunday
        connect(badge, &DayBadge::clicked, this, [this, stored] { toggleDay(stored); });
        m_days[stored - 1] = badge;
        days->addWidget(badge);
    }
    form->addRow(tr("Days"), days);
    return box;
}

QWidget* EditorView::makeSoundSection()
{
    auto* box = section(tr("Sound"), this);
    auto* form = formIn(box);
    m_sound = new QComboBox(box);
    m_sound->setObjectName(QStringLiteral("sound"));
    m_sound->addItem(tr("No sound"), noSound.toString());
    m_sound->insertSeparator(1);
    for (const QString& name : systemSounds())
        m_sound->addItem(name, name);
    WheelGuard::protect(m_sound);
    form->addRow(tr("Sound"), m_sound);
    connect(m_sound, &QComboBox::activated, this, &EditorView::pickSound);

    m_repeat = new QCheckBox(tr("Keep chiming until I dismiss it"), box);
    m_repeat->setObjectName(QStringLiteral("repeat"));
    form->addRow(QString(), m_repeat);
    connect(m_repeat, &QCheckBox::clicked, this,
            [this](bool on) { edit([&](Reminder& r) { r.repeatSound = on; }); });
    return box;
}

QWidget* EditorView::makeWebsiteSection()
{
    auto* box = section(tr("Website"), this);
    auto* form = m_websiteForm = formIn(box);
    m_website = new QLineEdit(box);
    m_website->setObjectName(QStringLiteral("website"));
    m_website->setPlaceholderText(tr("example.com/agenda"));
    m_website->setInputMethodHints(Qt::ImhUrlCharactersOnly | Qt::ImhNoAutoUppercase |
                                   Qt::ImhNoPredictiveText);
    form->addRow(tr("Website (optional)"), m_website);
    connect(m_website, &QLineEdit::textEdited, this,
            [this](const QString& text) { edit([&](Reminder& r) { r.url = text; }); });
    m_websiteNotice =
        new QLabel(tr("This cannot be opened, so the pop-up has no Open website button."), box);
    m_websiteNotice->setObjectName(QStringLiteral("websiteNotice"));
    m_websiteNotice->setFont(smallFont(m_websiteNotice->font()));
    m_websiteNotice->setWordWrap(true);
    form->addRow(QString(), m_websiteNotice);
    form->setRowVisible(m_websiteNotice, false);

    m_openAutomatically = new QCheckBox(tr("Open it automatically when the reminder fires"), box);
    m_openAutomatically->setObjectName(QStringLiteral("openAutomatically"));
    form->addRow(QString(), m_openAutomatically);
    connect(m_openAutomatically, &QCheckBox::clicked, this,
            [this](bool on) { edit([&](Reminder& r) { r.openURLAutomatically = on; }); });

    // Shown only while it is true: when the website can be opened.
    m_websiteCaption = new QLabel(tr("The pop-up always has an Open website button too."), box);
    m_websiteCaption->setFont(smallFont(m_websiteCaption->font()));
    SecondaryText::apply(m_websiteCaption);
    m_websiteCaption->setWordWrap(true);
    QSizePolicy keepRoom = m_websiteCaption->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true); // the form does not jump at the first keystroke
    m_websiteCaption->setSizePolicy(keepRoom);
    form->addRow(QString(), m_websiteCaption);
    return box;
}

QWidget* EditorView::makeLastRow()
{
    auto* box = new QGroupBox(this);
    auto* row = new QHBoxLayout(box);
    m_enabled = new QCheckBox(tr("This reminder is on"), box);
    m_enabled->setObjectName(QStringLiteral("enabled"));
    m_test = new QPushButton(tr("Test it now"), box);
    m_test->setObjectName(QStringLiteral("test"));
    m_test->setAutoDefault(true); // Return presses it when it has the focus
    m_test->setMinimumWidth(ProminentButton::paddedWidth(*m_test));
    row->addWidget(m_enabled);
    row->addStretch(1);
    row->addWidget(m_test);
    connect(m_enabled, &QCheckBox::clicked, this,
            [this](bool on) { edit([&](Reminder& r) { r.enabled = on; }); });
    connect(m_test, &QPushButton::clicked, this, [this] {
        if (const Reminder* r = current())
            m_testAlert(*r);
    });
    return box;
}

void EditorView::bind(const QUuid& id)
{
    m_id = id;
    refresh();
    // A long value shows its beginning, not wherever setText left the cursor.
    for (QLineEdit* field : {m_name, m_message, m_website})
        field->setCursorPosition(0);
}

void EditorView::focusName()
{
    m_name->setFocus(Qt::OtherFocusReason);
    m_name->selectAll();
}

const Reminder* EditorView::current() const
{
    const qsizetype index = m_store.indexOf(m_id);
    return index < 0 ? nullptr : &m_store.reminders().at(index);
}

void EditorView::edit(const std::function<void(Reminder&)>& change)
{
    const qsizetype index = m_store.indexOf(m_id);
    if (index < 0)
        return;
    Reminder changed = m_store.reminders().at(index);
    change(changed);
    m_store.setReminder(index, changed);
}

void EditorView::refresh()
{
    const Reminder* r = current();
    setEnabled(r != nullptr);
    if (!r)
        return;
    // The Store's echo of a keystroke is what the field holds; anything else
    // in the field the keyboard is in came from elsewhere, and is said.
    bool replaced = false;
    for (const auto& [field, value] :
         {std::pair{m_name, r->title}, std::pair{m_message, r->note}, std::pair{m_website, r->url}})
        replaced = replaced || (field->hasFocus() && field->text() != value);
    // Only what differs is set, so the Store's echo of a keystroke leaves the
    // field, its cursor and its undo history alone.
    setQuietly(m_name, m_name->text(), r->title, &QLineEdit::setText);
    setQuietly(m_message, m_message->text(), r->note, &QLineEdit::setText);
    setQuietly(m_website, m_website->text(), r->url, &QLineEdit::setText);
    const QTime time(static_cast<int>(std::clamp<qint64>(r->hour, 0, 23)),
                     static_cast<int>(std::clamp<qint64>(r->minute, 0, 59)));
    setQuietly(m_time, m_time->time(), time, &QTimeEdit::setTime);
    m_timeWarning->setVisible(!r->hasValidTime());
    for (int day = 1; day <= 7; ++day)
        m_days[day - 1]->setOn(r->days.contains(day));

    const int soundIndex = m_sound->findData(r->sound);
    setQuietly(m_sound, m_sound->currentIndex(), soundIndex, &QComboBox::setCurrentIndex);
    setQuietly(m_repeat, m_repeat->isChecked(), r->repeatSound, &QCheckBox::setChecked);
    m_repeat->setEnabled(r->sound != noSound);
    setQuietly(m_openAutomatically, m_openAutomatically->isChecked(), r->openURLAutomatically,
               &QCheckBox::setChecked);
    const bool opens = r->normalizedURL().has_value();
    m_openAutomatically->setEnabled(opens);
    m_websiteCaption->setVisible(opens);
    m_websiteForm->setRowVisible(m_websiteNotice, !opens && !r->url.trimmed().isEmpty());
    setQuietly(m_enabled, m_enabled->isChecked(), r->enabled, &QCheckBox::setChecked);
    if (replaced)
        Q_EMIT replacedWhileTyping(r->shownTitle());
}

void EditorView::toggleDay(int day)
{
    edit([day](Reminder& r) {
        if (r.days.contains(day))
            r.days.removeAll(day); // every occurrence, the others keep their order
        else
            r.days.append(day);
    });
}

void EditorView::pickSound(int index)
{
    const QString sound = m_sound->itemData(index).toString();
    edit([&](Reminder& r) { r.sound = sound; });
    if (sound == noSound)
        return;
    // The same player a pop-up uses, once; the previous preview stops.
    m_preview = m_chimes.player(sound);
    if (m_preview)
        m_preview->play(false);
}

QString EditorView::lastFiredAfterTimeChange(qint64 hour, qint64 minute, const QDateTime& now,
                                             const QTimeZone& zone)
{
    const QDate today = LocalTime::dateOf(now, zone);
    const auto due = LocalTime(today, zone).resolveSecs(hour, minute);
    if (due && now.toMSecsSinceEpoch() >= *due * 1000)
        return LocalTime::dayKey(today);
    return QString();
}
