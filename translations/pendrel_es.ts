<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AlertView</name>
    <message>
        <source>Snooze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open website</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AppDelegate</name>
    <message>
        <source>Open Pendrel…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause all reminders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit Pendrel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DayBadge</name>
    <message>
        <source>chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not chosen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditorView</name>
    <message>
        <source>What</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take attendance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shown on the pop-up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message (optional)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S</source>
        <comment>Sunday</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M</source>
        <comment>Monday</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T</source>
        <comment>Tuesday</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W</source>
        <comment>Wednesday</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T</source>
        <comment>Thursday</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F</source>
        <comment>Friday</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S</source>
        <comment>Saturday</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep chiming until I dismiss it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>example.com/agenda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Website (optional)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open it automatically when the reminder fires</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pop-up always has an Open website button too.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This reminder is on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test it now</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ManagerView</name>
    <message>
        <source>Reminders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add reminder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove reminder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick a reminder on the left, or press + to add one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Pendrel when I log in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause all reminders</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <source>Weekdays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weekends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No days chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fri</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sat</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReminderRow</name>
    <message>
        <source>No sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Has a website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is on</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>No reminders on</source>
        <translation>Ningún recordatorio activo</translation>
    </message>
    <message>
        <source>Next: %1, %2</source>
        <translation>Siguiente: %1, %2</translation>
    </message>
</context>
</TS>
