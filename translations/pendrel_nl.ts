<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>AlertPanel</name>
    <message>
        <source>Reminder</source>
        <translation>Herinnering</translation>
    </message>
</context>
<context>
    <name>AlertView</name>
    <message>
        <source>Snooze</source>
        <translation>Sluimeren</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 minuten</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 minuten</translation>
    </message>
    <message>
        <source>15 minutes</source>
        <translation>15 minuten</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klaar</translation>
    </message>
    <message>
        <source>Open website</source>
        <translation>Website openen</translation>
    </message>
</context>
<context>
    <name>AppDelegate</name>
    <message>
        <source>Open Pendrel…</source>
        <translation>Pendrel openen…</translation>
    </message>
    <message>
        <source>Pause all reminders</source>
        <translation>Alle herinneringen pauzeren</translation>
    </message>
    <message>
        <source>Quit Pendrel</source>
        <translation>Pendrel afsluiten</translation>
    </message>
    <message>
        <source>Pendrel keeps running</source>
        <translation>Pendrel blijft actief</translation>
    </message>
    <message>
        <source>Your reminders still ring. The alarm clock in the tray opens Pendrel again.</source>
        <translation>Je herinneringen gaan nog steeds af. Met de wekker in het systeemvak open je Pendrel weer.</translation>
    </message>
    <message>
        <source>Your reminders still ring. Start Pendrel again from the application menu to open this window; its Quit Pendrel button stops it.</source>
        <translation>Je herinneringen gaan nog steeds af. Start Pendrel opnieuw vanuit het toepassingenmenu om dit venster te openen; met de knop ‘Pendrel afsluiten’ daarin stop je het.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>print whether Pendrel starts at login, and exit</source>
        <translation>tonen of Pendrel bij aanmelden start, en stoppen</translation>
    </message>
    <message>
        <source>open the manager window and, a second later, a silent demonstration pop-up</source>
        <translation>het beheervenster openen en een seconde later een stille demonstratie-pop-up</translation>
    </message>
    <message>
        <source>after a delay, save pictures of the open windows into FOLDER, then quit</source>
        <translation>na een wachttijd afbeeldingen van de open vensters in FOLDER opslaan, dan stoppen</translation>
    </message>
    <message>
        <source>the delay for --snapshot (default 3)</source>
        <translation>de wachttijd voor --snapshot (standaard 3)</translation>
    </message>
    <message>
        <source>started at login: open no window, even where no tray shows Pendrel&apos;s icon or Pendrel already runs</source>
        <translation>gestart bij aanmelden: geen venster openen, ook niet als geen systeemvak het pictogram van Pendrel toont of Pendrel al draait</translation>
    </message>
    <message>
        <source>print this help and exit</source>
        <translation>deze hulptekst tonen en stoppen</translation>
    </message>
    <message>
        <source>print the version and exit</source>
        <translation>de versie tonen en stoppen</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Gebruik:</translation>
    </message>
    <message>
        <source>Rings your recurring reminders from the system tray.</source>
        <translation>Laat je terugkerende herinneringen afgaan vanuit het systeemvak.</translation>
    </message>
    <message>
        <source>Other arguments are ignored. See pendrel(1).</source>
        <translation>Andere argumenten worden genegeerd. Zie pendrel(1).</translation>
    </message>
</context>
<context>
    <name>EditorView</name>
    <message>
        <source>What</source>
        <translation>Wat</translation>
    </message>
    <message>
        <source>Take attendance</source>
        <translation>Presentie opnemen</translation>
    </message>
    <message>
        <source>Shown on the pop-up</source>
        <translation>Verschijnt in de pop-up</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Message (optional)</source>
        <translation>Bericht (optioneel)</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Wanneer</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>S</source>
        <comment>Sunday</comment>
        <translation>Z</translation>
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
        <translation>W</translation>
    </message>
    <message>
        <source>T</source>
        <comment>Thursday</comment>
        <translation>D</translation>
    </message>
    <message>
        <source>F</source>
        <comment>Friday</comment>
        <translation>V</translation>
    </message>
    <message>
        <source>S</source>
        <comment>Saturday</comment>
        <translation>Z</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Zondag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Maandag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dinsdag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Woensdag</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donderdag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Vrijdag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Zaterdag</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Dagen</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Geluid</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>Geen geluid</translation>
    </message>
    <message>
        <source>Keep chiming until I dismiss it</source>
        <translation>Blijven klinken tot ik de herinnering sluit</translation>
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
        <translation>Website (optioneel)</translation>
    </message>
    <message>
        <source>Open it automatically when the reminder fires</source>
        <translation>Automatisch openen als de herinnering afgaat</translation>
    </message>
    <message>
        <source>The pop-up always has an Open website button too.</source>
        <translation>De pop-up heeft ook altijd een knop ‘Website openen’.</translation>
    </message>
    <message>
        <source>This reminder is on</source>
        <translation>Deze herinnering staat aan</translation>
    </message>
    <message>
        <source>Test it now</source>
        <translation>Nu testen</translation>
    </message>
    <message>
        <source>This time is not valid, so the reminder never rings. Pick a time.</source>
        <translation>Deze tijd is ongeldig, dus de herinnering gaat nooit af. Kies een tijd.</translation>
    </message>
    <message>
        <source>This cannot be opened, so the pop-up has no Open website button.</source>
        <translation>Dit kan niet worden geopend, dus de pop-up heeft geen knop ‘Website openen’.</translation>
    </message>
</context>
<context>
    <name>ManagerView</name>
    <message>
        <source>Reminders</source>
        <translation>Herinneringen</translation>
    </message>
    <message>
        <source>Add reminder</source>
        <translation>Herinnering toevoegen</translation>
    </message>
    <message>
        <source>Remove reminder</source>
        <translation>Herinnering verwijderen</translation>
    </message>
    <message>
        <source>Pick a reminder on the left, or press + to add one.</source>
        <translation>Kies links een herinnering, of druk op + om er een toe te voegen.</translation>
    </message>
    <message>
        <source>Start Pendrel when I log in</source>
        <translation>Pendrel starten bij aanmelden</translation>
    </message>
    <message>
        <source>Pause all reminders</source>
        <translation>Alle herinneringen pauzeren</translation>
    </message>
    <message>
        <source>Your reminders are not being saved: %1 cannot be written (%2). Pendrel keeps your changes and tries again.</source>
        <translation>Je herinneringen worden niet opgeslagen: %1 kan niet worden geschreven (%2). Pendrel bewaart je wijzigingen en probeert het opnieuw.</translation>
    </message>
    <message>
        <source>%1 could not be read, so Pendrel shows a sample reminder. Your file is left as it is, and kept beside it before anything is saved.</source>
        <translation>%1 kon niet worden gelezen, dus Pendrel toont een voorbeeldherinnering. Je bestand blijft zoals het is en wordt ernaast bewaard voordat er iets wordt opgeslagen.</translation>
    </message>
    <message>
        <source>Your reminders file could not be read; it was kept as %1.</source>
        <translation>Je herinneringenbestand kon niet worden gelezen; het is bewaard als %1.</translation>
    </message>
    <message>
        <source>Your reminders file was changed elsewhere while you changed the same reminder here; the other version was kept as %1.</source>
        <translation>Je herinneringenbestand is elders gewijzigd terwijl je hier dezelfde herinnering wijzigde; de andere versie is bewaard als %1.</translation>
    </message>
    <message>
        <source>The reminder was removed.</source>
        <translation>De herinnering is verwijderd.</translation>
    </message>
    <message>
        <source>“%1” was removed.</source>
        <translation>‘%1’ is verwijderd.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Quit Pendrel</source>
        <translation>Pendrel afsluiten</translation>
    </message>
    <message>
        <source>Stops all reminders until Pendrel is started again</source>
        <translation>Stopt alle herinneringen totdat Pendrel opnieuw wordt gestart</translation>
    </message>
    <message>
        <source>“%1” was just changed elsewhere, on another computer or in the file; the form now shows it as it is there.</source>
        <translation>‘%1’ is zojuist elders gewijzigd, op een andere computer of in het bestand; het formulier toont de herinnering nu zoals die daar is.</translation>
    </message>
    <message>
        <source>A sync tool left %1 next to your reminders, but it cannot be read as a reminders list. It was not merged and is left as it is.</source>
        <translation>Een synchronisatieprogramma heeft %1 naast je herinneringen achtergelaten, maar dat bestand kan niet als herinneringenlijst worden gelezen. Het is niet samengevoegd en blijft zoals het is.</translation>
    </message>
    <message>
        <source>“%1” was changed differently on another computer. Both now keep the version in %2; the other was kept as %3.</source>
        <translation>‘%1’ is op een andere computer anders gewijzigd. Beide computers houden nu de versie in %2; de andere is bewaard als %3.</translation>
    </message>
</context>
<context>
    <name>NextRing</name>
    <message>
        <source>Paused</source>
        <translation>Gepauzeerd</translation>
    </message>
    <message>
        <source>No reminders on</source>
        <translation>Geen herinnering staat aan</translation>
    </message>
    <message>
        <source>Next: %1, %2</source>
        <translation>Volgende: %1, %2</translation>
    </message>
    <message>
        <source>Today %1</source>
        <translation>vandaag %1</translation>
    </message>
    <message>
        <source>Tomorrow %1</source>
        <translation>morgen %1</translation>
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
        <translation>Deze melding sluiten</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <source>Weekdays</source>
        <translation>Doordeweeks</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Elke dag</translation>
    </message>
    <message>
        <source>Weekends</source>
        <translation>In het weekend</translation>
    </message>
    <message>
        <source>No days chosen</source>
        <translation>Geen dagen gekozen</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>zo</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>ma</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>di</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>wo</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>do</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>vr</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>za</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Naamloos</translation>
    </message>
</context>
<context>
    <name>ReminderDelegate</name>
    <message>
        <source>This time is not valid, so the reminder never rings. Pick a time.</source>
        <translation>Deze tijd is ongeldig, dus de herinnering gaat nooit af. Kies een tijd.</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>Geen geluid</translation>
    </message>
    <message>
        <source>Has a website</source>
        <translation>Heeft een website</translation>
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
        <translation>aan</translation>
    </message>
    <message>
        <source>off</source>
        <translation>uit</translation>
    </message>
    <message>
        <source>the time is not valid</source>
        <translation>de tijd is ongeldig</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>Take attendance</source>
        <translation>Presentie opnemen</translation>
    </message>
    <message>
        <source>Good morning! Time to take attendance.</source>
        <translation>Goedemorgen! Tijd om de presentie op te nemen.</translation>
    </message>
    <message>
        <source>New reminder</source>
        <translation>Nieuwe herinnering</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Reminders not saved: %1</source>
        <translation>Herinneringen niet opgeslagen: %1</translation>
    </message>
    <message>
        <source>Pendrel, paused</source>
        <translation>Pendrel, gepauzeerd</translation>
    </message>
</context>
</TS>
