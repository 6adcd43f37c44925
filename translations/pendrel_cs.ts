<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>AlertPanel</name>
    <message>
        <source>Reminder</source>
        <translation>Připomínka</translation>
    </message>
</context>
<context>
    <name>AlertView</name>
    <message>
        <source>Snooze</source>
        <translation>Odložit</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 minut</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 minut</translation>
    </message>
    <message>
        <source>15 minutes</source>
        <translation>15 minut</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hotovo</translation>
    </message>
    <message>
        <source>Open website</source>
        <translation>Otevřít web</translation>
    </message>
</context>
<context>
    <name>AppDelegate</name>
    <message>
        <source>Open Pendrel…</source>
        <translation>Otevřít Pendrel…</translation>
    </message>
    <message>
        <source>Pause all reminders</source>
        <translation>Pozastavit všechny připomínky</translation>
    </message>
    <message>
        <source>Quit Pendrel</source>
        <translation>Ukončit Pendrel</translation>
    </message>
    <message>
        <source>Pendrel keeps running</source>
        <translation>Pendrel běží dál</translation>
    </message>
    <message>
        <source>Your reminders still ring. The alarm clock in the tray opens Pendrel again.</source>
        <translation>Vaše připomínky budou dál zvonit. Budík v oznamovací oblasti Pendrel znovu otevře.</translation>
    </message>
    <message>
        <source>Your reminders still ring. Start Pendrel again from the application menu to open this window; its Quit Pendrel button stops it.</source>
        <translation>Vaše připomínky budou dál zvonit. Toto okno otevřete dalším spuštěním Pendrelu z nabídky aplikací; tlačítko „Ukončit Pendrel“ v něm program zastaví.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>print whether Pendrel starts at login, and exit</source>
        <translation>vypíše, zda se Pendrel spouští po přihlášení, a&#xa0;skončí</translation>
    </message>
    <message>
        <source>open the manager window and, a second later, a silent demonstration pop-up</source>
        <translation>otevře okno správy připomínek a&#xa0;o&#xa0;sekundu později tiché ukázkové vyskakovací okno</translation>
    </message>
    <message>
        <source>after a delay, save pictures of the open windows into FOLDER, then quit</source>
        <translation>po prodlevě uloží obrázky otevřených oken do FOLDER a&#xa0;skončí</translation>
    </message>
    <message>
        <source>the delay for --snapshot (default 3)</source>
        <translation>prodleva pro --snapshot (výchozí 3)</translation>
    </message>
    <message>
        <source>started at login: open no window, even where no tray shows Pendrel&apos;s icon or Pendrel already runs</source>
        <translation>spuštěno po přihlášení: neotevře žádné okno, ani když žádná oznamovací oblast nezobrazuje ikonu Pendrelu nebo Pendrel už běží</translation>
    </message>
    <message>
        <source>print this help and exit</source>
        <translation>vypíše tuto nápovědu a&#xa0;skončí</translation>
    </message>
    <message>
        <source>print the version and exit</source>
        <translation>vypíše verzi a&#xa0;skončí</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Použití:</translation>
    </message>
    <message>
        <source>Rings your recurring reminders from the system tray.</source>
        <translation>Z oznamovací oblasti zvoní vaše opakované připomínky.</translation>
    </message>
    <message>
        <source>Other arguments are ignored. See pendrel(1).</source>
        <translation>Ostatní argumenty se ignorují. Viz pendrel(1).</translation>
    </message>
</context>
<context>
    <name>EditorView</name>
    <message>
        <source>What</source>
        <translation>Co</translation>
    </message>
    <message>
        <source>Take attendance</source>
        <translation>Zapsat docházku</translation>
    </message>
    <message>
        <source>Shown on the pop-up</source>
        <translation>Zobrazí se ve vyskakovacím okně</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Název</translation>
    </message>
    <message>
        <source>Message (optional)</source>
        <translation>Zpráva (nepovinné)</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Kdy</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Čas</translation>
    </message>
    <message>
        <source>S</source>
        <comment>Sunday</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>M</source>
        <comment>Monday</comment>
        <translation>P</translation>
    </message>
    <message>
        <source>T</source>
        <comment>Tuesday</comment>
        <translation>Ú</translation>
    </message>
    <message>
        <source>W</source>
        <comment>Wednesday</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>T</source>
        <comment>Thursday</comment>
        <translation>Č</translation>
    </message>
    <message>
        <source>F</source>
        <comment>Friday</comment>
        <translation>P</translation>
    </message>
    <message>
        <source>S</source>
        <comment>Saturday</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Neděle</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Pondělí</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Úterý</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Středa</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Čtvrtek</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Pátek</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sobota</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Dny</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Zvuk</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>Bez zvuku</translation>
    </message>
    <message>
        <source>Keep chiming until I dismiss it</source>
        <translation>Zvonit, dokud připomínku nezavřu</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>example.com/agenda</source>
        <translation>example.com/agenda</translation>
    </message>
    <message>
        <source>Website (optional)</source>
        <translation>Web (nepovinné)</translation>
    </message>
    <message>
        <source>Open it automatically when the reminder fires</source>
        <translation>Otevírat automaticky, když připomínka zazvoní</translation>
    </message>
    <message>
        <source>The pop-up always has an Open website button too.</source>
        <translation>Vyskakovací okno má vždy také tlačítko „Otevřít web“.</translation>
    </message>
    <message>
        <source>This reminder is on</source>
        <translation>Tato připomínka je zapnutá</translation>
    </message>
    <message>
        <source>Test it now</source>
        <translation>Vyzkoušet teď</translation>
    </message>
    <message>
        <source>This time is not valid, so the reminder never rings. Pick a time.</source>
        <translation>Tento čas není platný, takže připomínka nikdy nezazvoní. Vyberte čas.</translation>
    </message>
    <message>
        <source>This cannot be opened, so the pop-up has no Open website button.</source>
        <translation>Toto nelze otevřít, takže vyskakovací okno nebude mít tlačítko „Otevřít web“.</translation>
    </message>
</context>
<context>
    <name>ManagerView</name>
    <message>
        <source>Reminders</source>
        <translation>Připomínky</translation>
    </message>
    <message>
        <source>Add reminder</source>
        <translation>Přidat připomínku</translation>
    </message>
    <message>
        <source>Remove reminder</source>
        <translation>Odebrat připomínku</translation>
    </message>
    <message>
        <source>Pick a reminder on the left, or press + to add one.</source>
        <translation>Vyberte připomínku vlevo, nebo stiskněte + a přidejte novou.</translation>
    </message>
    <message>
        <source>Start Pendrel when I log in</source>
        <translation>Spouštět Pendrel po přihlášení</translation>
    </message>
    <message>
        <source>Pause all reminders</source>
        <translation>Pozastavit všechny připomínky</translation>
    </message>
    <message>
        <source>Your reminders are not being saved: %1 cannot be written (%2). Pendrel keeps your changes and tries again.</source>
        <translation>Vaše připomínky se neukládají: do %1 nelze zapisovat (%2). Pendrel si vaše změny ponechá a zkusí to znovu.</translation>
    </message>
    <message>
        <source>%1 could not be read, so Pendrel shows a sample reminder. Your file is left as it is, and kept beside it before anything is saved.</source>
        <translation>%1 nelze přečíst, proto Pendrel zobrazuje ukázkovou připomínku. Váš soubor zůstane beze změny a před jakýmkoli uložením bude uschován vedle.</translation>
    </message>
    <message>
        <source>Your reminders file could not be read; it was kept as %1.</source>
        <translation>Soubor s vašimi připomínkami nelze přečíst; byl uschován jako %1.</translation>
    </message>
    <message>
        <source>Your reminders file was changed elsewhere while you changed the same reminder here; the other version was kept as %1.</source>
        <translation>Soubor s vašimi připomínkami byl změněn jinde, zatímco jste zde měnili tutéž připomínku; druhá verze byla uschována jako %1.</translation>
    </message>
    <message>
        <source>The reminder was removed.</source>
        <translation>Připomínka byla odebrána.</translation>
    </message>
    <message>
        <source>“%1” was removed.</source>
        <translation>Připomínka „%1“ byla odebrána.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Quit Pendrel</source>
        <translation>Ukončit Pendrel</translation>
    </message>
    <message>
        <source>Stops all reminders until Pendrel is started again</source>
        <translation>Zastaví všechny připomínky, dokud Pendrel znovu nespustíte</translation>
    </message>
    <message>
        <source>“%1” was just changed elsewhere, on another computer or in the file; the form now shows it as it is there.</source>
        <translation>Připomínka „%1“ byla právě změněna jinde, na jiném počítači nebo v souboru; formulář ji teď zobrazuje tak, jak je tam.</translation>
    </message>
    <message>
        <source>A sync tool left %1 next to your reminders, but it cannot be read as a reminders list. It was not merged and is left as it is.</source>
        <translation>Synchronizační nástroj nechal vedle vašich připomínek soubor %1, ale nelze ho přečíst jako seznam připomínek. Nebyl sloučen a zůstává beze změny.</translation>
    </message>
    <message>
        <source>“%1” was changed differently on another computer. Both now keep the version in %2; the other was kept as %3.</source>
        <translation>Připomínka „%1“ byla na jiném počítači změněna jinak. Oba počítače teď mají verzi ze souboru %2; druhá verze byla uschována jako %3.</translation>
    </message>
</context>
<context>
    <name>NextRing</name>
    <message>
        <source>Paused</source>
        <translation>Pozastaveno</translation>
    </message>
    <message>
        <source>No reminders on</source>
        <translation>Žádné zapnuté připomínky</translation>
    </message>
    <message>
        <source>Next: %1, %2</source>
        <translation>Další: %1, %2</translation>
    </message>
    <message>
        <source>Today %1</source>
        <translation>dnes %1</translation>
    </message>
    <message>
        <source>Tomorrow %1</source>
        <translation>zítra %1</translation>
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
        <translation>Zavřít toto upozornění</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <source>Weekdays</source>
        <translation>Pracovní dny</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Každý den</translation>
    </message>
    <message>
        <source>Weekends</source>
        <translation>Víkendy</translation>
    </message>
    <message>
        <source>No days chosen</source>
        <translation>Nevybrány žádné dny</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>ne</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>po</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>út</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>st</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>čt</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>pá</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>so</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Bez názvu</translation>
    </message>
</context>
<context>
    <name>ReminderDelegate</name>
    <message>
        <source>This time is not valid, so the reminder never rings. Pick a time.</source>
        <translation>Tento čas není platný, takže připomínka nikdy nezazvoní. Vyberte čas.</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>Bez zvuku</translation>
    </message>
    <message>
        <source>Has a website</source>
        <translation>Má web</translation>
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
        <translation>zapnuto</translation>
    </message>
    <message>
        <source>off</source>
        <translation>vypnuto</translation>
    </message>
    <message>
        <source>the time is not valid</source>
        <translation>čas není platný</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>Take attendance</source>
        <translation>Zapsat docházku</translation>
    </message>
    <message>
        <source>Good morning! Time to take attendance.</source>
        <translation>Dobré ráno! Je čas zapsat docházku.</translation>
    </message>
    <message>
        <source>New reminder</source>
        <translation>Nová připomínka</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Reminders not saved: %1</source>
        <translation>Připomínky nejsou uloženy: %1</translation>
    </message>
    <message>
        <source>Pendrel, paused</source>
        <translation>Pendrel, pozastaveno</translation>
    </message>
</context>
</TS>
