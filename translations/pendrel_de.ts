<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AlertPanel</name>
    <message>
        <source>Reminder</source>
        <translation>Erinnerung</translation>
    </message>
</context>
<context>
    <name>AlertView</name>
    <message>
        <source>Snooze</source>
        <translation>Schlummern</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 Minuten</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 Minuten</translation>
    </message>
    <message>
        <source>15 minutes</source>
        <translation>15 Minuten</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Open website</source>
        <translation>Website öffnen</translation>
    </message>
</context>
<context>
    <name>AppDelegate</name>
    <message>
        <source>Open Pendrel…</source>
        <translation>Pendrel öffnen…</translation>
    </message>
    <message>
        <source>Pause all reminders</source>
        <translation>Alle Erinnerungen pausieren</translation>
    </message>
    <message>
        <source>Quit Pendrel</source>
        <translation>Pendrel beenden</translation>
    </message>
    <message>
        <source>Pendrel keeps running</source>
        <translation>Pendrel läuft weiter</translation>
    </message>
    <message>
        <source>Your reminders still ring. The alarm clock in the tray opens Pendrel again.</source>
        <translation>Ihre Erinnerungen klingeln weiterhin. Der Wecker im Systembereich öffnet Pendrel wieder.</translation>
    </message>
    <message>
        <source>Your reminders still ring. Start Pendrel again from the application menu to open this window; its Quit Pendrel button stops it.</source>
        <translation>Ihre Erinnerungen klingeln weiterhin. Starten Sie Pendrel erneut über das Anwendungsmenü, um dieses Fenster zu öffnen; seine Schaltfläche „Pendrel beenden“ beendet es.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>print whether Pendrel starts at login, and exit</source>
        <translation>anzeigen, ob Pendrel beim Anmelden startet, und beenden</translation>
    </message>
    <message>
        <source>open the manager window and, a second later, a silent demonstration pop-up</source>
        <translation>das Verwaltungsfenster öffnen und eine Sekunde später ein stummes Vorführ-Pop-up</translation>
    </message>
    <message>
        <source>after a delay, save pictures of the open windows into FOLDER, then quit</source>
        <translation>nach einer Wartezeit Bilder der offenen Fenster in FOLDER speichern, dann beenden</translation>
    </message>
    <message>
        <source>the delay for --snapshot (default 3)</source>
        <translation>die Wartezeit für --snapshot (Vorgabe: 3)</translation>
    </message>
    <message>
        <source>started at login: open no window, even where no tray shows Pendrel&apos;s icon or Pendrel already runs</source>
        <translation>beim Anmelden gestartet: kein Fenster öffnen, auch wenn kein Systembereich das Symbol von Pendrel zeigt oder Pendrel schon läuft</translation>
    </message>
    <message>
        <source>print this help and exit</source>
        <translation>diese Hilfe anzeigen und beenden</translation>
    </message>
    <message>
        <source>print the version and exit</source>
        <translation>die Version anzeigen und beenden</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Aufruf:</translation>
    </message>
    <message>
        <source>Rings your recurring reminders from the system tray.</source>
        <translation>Lässt Ihre wiederkehrenden Erinnerungen aus dem Systembereich klingeln.</translation>
    </message>
    <message>
        <source>Other arguments are ignored. See pendrel(1).</source>
        <translation>Andere Argumente werden ignoriert. Siehe pendrel(1).</translation>
    </message>
</context>
<context>
    <name>EditorView</name>
    <message>
        <source>What</source>
        <translation>Was</translation>
    </message>
    <message>
        <source>Take attendance</source>
        <translation>Anwesenheit prüfen</translation>
    </message>
    <message>
        <source>Shown on the pop-up</source>
        <translation>Wird im Pop-up angezeigt</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Message (optional)</source>
        <translation>Nachricht (optional)</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Wann</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>S</source>
        <comment>Sunday</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>M</source>
        <comment>Monday</comment>
        <translation>M</translation>
    </message>
    <message>
        <source>T</source>
        <comment>Tuesday</comment>
        <translation>D</translation>
    </message>
    <message>
        <source>W</source>
        <comment>Wednesday</comment>
        <translation>M</translation>
    </message>
    <message>
        <source>T</source>
        <comment>Thursday</comment>
        <translation>D</translation>
    </message>
    <message>
        <source>F</source>
        <comment>Friday</comment>
        <translation>F</translation>
    </message>
    <message>
        <source>S</source>
        <comment>Saturday</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>Kein Ton</translation>
    </message>
    <message>
        <source>Keep chiming until I dismiss it</source>
        <translation>Läuten, bis ich die Erinnerung schließe</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>example.com/agenda</source>
        <translation>example.com/agenda</translation>
    </message>
    <message>
        <source>Website (optional)</source>
        <translation>Website (optional)</translation>
    </message>
    <message>
        <source>Open it automatically when the reminder fires</source>
        <translation>Automatisch öffnen, wenn die Erinnerung erscheint</translation>
    </message>
    <message>
        <source>The pop-up always has an Open website button too.</source>
        <translation>Das Pop-up hat außerdem immer einen Knopf „Website öffnen“.</translation>
    </message>
    <message>
        <source>This reminder is on</source>
        <translation>Diese Erinnerung ist aktiv</translation>
    </message>
    <message>
        <source>Test it now</source>
        <translation>Jetzt testen</translation>
    </message>
    <message>
        <source>This time is not valid, so the reminder never rings. Pick a time.</source>
        <translation>Diese Uhrzeit ist ungültig, daher klingelt die Erinnerung nie. Wählen Sie eine Uhrzeit.</translation>
    </message>
    <message>
        <source>This cannot be opened, so the pop-up has no Open website button.</source>
        <translation>Dies lässt sich nicht öffnen, daher hat das Pop-up keine Schaltfläche „Website öffnen“.</translation>
    </message>
</context>
<context>
    <name>ManagerView</name>
    <message>
        <source>Reminders</source>
        <translation>Erinnerungen</translation>
    </message>
    <message>
        <source>Add reminder</source>
        <translation>Erinnerung hinzufügen</translation>
    </message>
    <message>
        <source>Remove reminder</source>
        <translation>Erinnerung entfernen</translation>
    </message>
    <message>
        <source>Pick a reminder on the left, or press + to add one.</source>
        <translation>Wählen Sie links eine Erinnerung aus oder drücken Sie +, um eine hinzuzufügen.</translation>
    </message>
    <message>
        <source>Start Pendrel when I log in</source>
        <translation>Pendrel beim Anmelden starten</translation>
    </message>
    <message>
        <source>Pause all reminders</source>
        <translation>Alle Erinnerungen pausieren</translation>
    </message>
    <message>
        <source>Your reminders are not being saved: %1 cannot be written (%2). Pendrel keeps your changes and tries again.</source>
        <translation>Ihre Erinnerungen werden nicht gespeichert: %1 kann nicht geschrieben werden (%2). Pendrel behält Ihre Änderungen und versucht es weiter.</translation>
    </message>
    <message>
        <source>%1 could not be read, so Pendrel shows a sample reminder. Your file is left as it is, and kept beside it before anything is saved.</source>
        <translation>%1 konnte nicht gelesen werden, daher zeigt Pendrel eine Beispielerinnerung. Ihre Datei bleibt unverändert und wird vor dem nächsten Speichern daneben aufbewahrt.</translation>
    </message>
    <message>
        <source>Your reminders file could not be read; it was kept as %1.</source>
        <translation>Ihre Erinnerungsdatei konnte nicht gelesen werden; sie wurde als %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>Your reminders file was changed elsewhere while you changed the same reminder here; the other version was kept as %1.</source>
        <translation>Ihre Erinnerungsdatei wurde anderswo geändert, während Sie hier dieselbe Erinnerung geändert haben; die andere Fassung wurde als %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>The reminder was removed.</source>
        <translation>Die Erinnerung wurde entfernt.</translation>
    </message>
    <message>
        <source>“%1” was removed.</source>
        <translation>„%1“ wurde entfernt.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Quit Pendrel</source>
        <translation>Pendrel beenden</translation>
    </message>
    <message>
        <source>Stops all reminders until Pendrel is started again</source>
        <translation>Hält alle Erinnerungen an, bis Pendrel wieder gestartet wird</translation>
    </message>
    <message>
        <source>“%1” was just changed elsewhere, on another computer or in the file; the form now shows it as it is there.</source>
        <translation>„%1“ wurde gerade anderswo geändert, auf einem anderen Computer oder in der Datei; das Formular zeigt die Erinnerung jetzt so, wie sie dort ist.</translation>
    </message>
    <message>
        <source>A sync tool left %1 next to your reminders, but it cannot be read as a reminders list. It was not merged and is left as it is.</source>
        <translation>Ein Synchronisierungsprogramm hat %1 neben Ihren Erinnerungen abgelegt, aber diese Datei lässt sich nicht als Erinnerungsliste lesen. Sie wurde nicht zusammengeführt und bleibt unverändert.</translation>
    </message>
    <message>
        <source>“%1” was changed differently on another computer. Both now keep the version in %2; the other was kept as %3.</source>
        <translation>„%1“ wurde auf einem anderen Computer anders geändert. Beide Computer behalten jetzt die Fassung in %2; die andere wurde als %3 aufbewahrt.</translation>
    </message>
</context>
<context>
    <name>NextRing</name>
    <message>
        <source>Paused</source>
        <translation>Pausiert</translation>
    </message>
    <message>
        <source>No reminders on</source>
        <translation>Keine Erinnerungen aktiv</translation>
    </message>
    <message>
        <source>Next: %1, %2</source>
        <translation>Als Nächstes: %1, %2</translation>
    </message>
    <message>
        <source>Today %1</source>
        <translation>Heute %1</translation>
    </message>
    <message>
        <source>Tomorrow %1</source>
        <translation>Morgen %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>weekday and time</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>date and time</comment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>NoticeBar</name>
    <message>
        <source>Close this notice</source>
        <translation>Diesen Hinweis schließen</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <source>Weekdays</source>
        <translation>Wochentags</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <source>Weekends</source>
        <translation>Am Wochenende</translation>
    </message>
    <message>
        <source>No days chosen</source>
        <translation>Keine Tage ausgewählt</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>So</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Di</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mi</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Fr</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sa</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Ohne Titel</translation>
    </message>
</context>
<context>
    <name>ReminderDelegate</name>
    <message>
        <source>This time is not valid, so the reminder never rings. Pick a time.</source>
        <translation>Diese Uhrzeit ist ungültig, daher klingelt die Erinnerung nie. Wählen Sie eine Uhrzeit.</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>Kein Ton</translation>
    </message>
    <message>
        <source>Has a website</source>
        <translation>Hat eine Website</translation>
    </message>
</context>
<context>
    <name>ReminderListModel</name>
    <message>
        <source>%1, %2, %3, %4</source>
        <translation>%1, %2, %3, %4</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>the time is not valid</source>
        <translation>die Uhrzeit ist ungültig</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>Take attendance</source>
        <translation>Anwesenheit prüfen</translation>
    </message>
    <message>
        <source>Good morning! Time to take attendance.</source>
        <translation>Guten Morgen! Zeit, die Anwesenheit zu prüfen.</translation>
    </message>
    <message>
        <source>New reminder</source>
        <translation>Neue Erinnerung</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Reminders not saved: %1</source>
        <translation>Erinnerungen nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>Pendrel, paused</source>
        <translation>Pendrel, pausiert</translation>
    </message>
</context>
</TS>
