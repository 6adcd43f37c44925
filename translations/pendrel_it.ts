<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AlertPanel</name>
    <message>
        <source>Reminder</source>
        <translation>Promemoria</translation>
    </message>
</context>
<context>
    <name>AlertView</name>
    <message>
        <source>Snooze</source>
        <translation>Posticipa</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 minuti</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 minuti</translation>
    </message>
    <message>
        <source>15 minutes</source>
        <translation>15 minuti</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Open website</source>
        <translation>Apri sito web</translation>
    </message>
</context>
<context>
    <name>AppDelegate</name>
    <message>
        <source>Open Pendrel…</source>
        <translation>Apri Pendrel…</translation>
    </message>
    <message>
        <source>Pause all reminders</source>
        <translation>Sospendi tutti i promemoria</translation>
    </message>
    <message>
        <source>Quit Pendrel</source>
        <translation>Esci da Pendrel</translation>
    </message>
    <message>
        <source>Pendrel keeps running</source>
        <translation>Pendrel resta attivo</translation>
    </message>
    <message>
        <source>Your reminders still ring. The alarm clock in the tray opens Pendrel again.</source>
        <translation>I promemoria continuano a suonare. La sveglia nell’area di notifica riapre Pendrel.</translation>
    </message>
    <message>
        <source>Your reminders still ring. Start Pendrel again from the application menu to open this window; its Quit Pendrel button stops it.</source>
        <translation>I promemoria continuano a suonare. Avvia di nuovo Pendrel dal menu delle applicazioni per aprire questa finestra; il pulsante «Esci da Pendrel» lo chiude.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>print whether Pendrel starts at login, and exit</source>
        <translation>mostra se Pendrel si avvia all’accesso ed esce</translation>
    </message>
    <message>
        <source>open the manager window and, a second later, a silent demonstration pop-up</source>
        <translation>apre la finestra di gestione e, un secondo dopo, una finestra a comparsa dimostrativa senza suono</translation>
    </message>
    <message>
        <source>after a delay, save pictures of the open windows into FOLDER, then quit</source>
        <translation>dopo un’attesa, salva immagini delle finestre aperte in FOLDER, poi esce</translation>
    </message>
    <message>
        <source>the delay for --snapshot (default 3)</source>
        <translation>l’attesa per --snapshot (predefinita: 3)</translation>
    </message>
    <message>
        <source>started at login: open no window, even where no tray shows Pendrel&apos;s icon or Pendrel already runs</source>
        <translation>avviato all’accesso: non apre alcuna finestra, anche se nessuna area di notifica mostra l’icona di Pendrel o Pendrel è già in esecuzione</translation>
    </message>
    <message>
        <source>print this help and exit</source>
        <translation>mostra questo aiuto ed esce</translation>
    </message>
    <message>
        <source>print the version and exit</source>
        <translation>mostra la versione ed esce</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Uso:</translation>
    </message>
    <message>
        <source>Rings your recurring reminders from the system tray.</source>
        <translation>Fa suonare i tuoi promemoria ricorrenti dall’area di notifica.</translation>
    </message>
    <message>
        <source>Other arguments are ignored. See pendrel(1).</source>
        <translation>Gli altri argomenti vengono ignorati. Vedi pendrel(1).</translation>
    </message>
</context>
<context>
    <name>EditorView</name>
    <message>
        <source>What</source>
        <translation>Cosa</translation>
    </message>
    <message>
        <source>Take attendance</source>
        <translation>Fare l’appello</translation>
    </message>
    <message>
        <source>Shown on the pop-up</source>
        <translation>Mostrato nella finestra a comparsa</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Message (optional)</source>
        <translation>Messaggio (facoltativo)</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Quando</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>S</source>
        <comment>Sunday</comment>
        <translation>D</translation>
    </message>
    <message>
        <source>M</source>
        <comment>Monday</comment>
        <translation>L</translation>
    </message>
    <message>
        <source>T</source>
        <comment>Tuesday</comment>
        <translation>M</translation>
    </message>
    <message>
        <source>W</source>
        <comment>Wednesday</comment>
        <translation>M</translation>
    </message>
    <message>
        <source>T</source>
        <comment>Thursday</comment>
        <translation>G</translation>
    </message>
    <message>
        <source>F</source>
        <comment>Friday</comment>
        <translation>V</translation>
    </message>
    <message>
        <source>S</source>
        <comment>Saturday</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domenica</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lunedì</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Martedì</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mercoledì</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Giovedì</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Venerdì</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sabato</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Giorni</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Suono</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>Nessun suono</translation>
    </message>
    <message>
        <source>Keep chiming until I dismiss it</source>
        <translation>Suona finché non lo chiudo</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Sito web</translation>
    </message>
    <message>
        <source>example.com/agenda</source>
        <translation>example.com/agenda</translation>
    </message>
    <message>
        <source>Website (optional)</source>
        <translation>Sito web (facoltativo)</translation>
    </message>
    <message>
        <source>Open it automatically when the reminder fires</source>
        <translation>Apri automaticamente allo scatto del promemoria</translation>
    </message>
    <message>
        <source>The pop-up always has an Open website button too.</source>
        <translation>La finestra a comparsa ha sempre anche un pulsante «Apri sito web».</translation>
    </message>
    <message>
        <source>This reminder is on</source>
        <translation>Questo promemoria è attivo</translation>
    </message>
    <message>
        <source>Test it now</source>
        <translation>Prova ora</translation>
    </message>
    <message>
        <source>This time is not valid, so the reminder never rings. Pick a time.</source>
        <translation>Quest’ora non è valida, quindi il promemoria non suonerà mai. Scegli un’ora.</translation>
    </message>
    <message>
        <source>This cannot be opened, so the pop-up has no Open website button.</source>
        <translation>Questo non può essere aperto, quindi il popup non avrà il pulsante «Apri sito web».</translation>
    </message>
</context>
<context>
    <name>ManagerView</name>
    <message>
        <source>Reminders</source>
        <translation>Promemoria</translation>
    </message>
    <message>
        <source>Add reminder</source>
        <translation>Aggiungi promemoria</translation>
    </message>
    <message>
        <source>Remove reminder</source>
        <translation>Rimuovi promemoria</translation>
    </message>
    <message>
        <source>Pick a reminder on the left, or press + to add one.</source>
        <translation>Scegli un promemoria a sinistra o premi + per aggiungerne uno.</translation>
    </message>
    <message>
        <source>Start Pendrel when I log in</source>
        <translation>Avvia Pendrel all’accesso</translation>
    </message>
    <message>
        <source>Pause all reminders</source>
        <translation>Sospendi tutti i promemoria</translation>
    </message>
    <message>
        <source>Your reminders are not being saved: %1 cannot be written (%2). Pendrel keeps your changes and tries again.</source>
        <translation>I promemoria non vengono salvati: impossibile scrivere %1 (%2). Pendrel conserva le modifiche e riprova.</translation>
    </message>
    <message>
        <source>%1 could not be read, so Pendrel shows a sample reminder. Your file is left as it is, and kept beside it before anything is saved.</source>
        <translation>Impossibile leggere %1, quindi Pendrel mostra un promemoria di esempio. Il file resta com’è e ne verrà conservata una copia accanto prima di salvare qualsiasi cosa.</translation>
    </message>
    <message>
        <source>Your reminders file could not be read; it was kept as %1.</source>
        <translation>Impossibile leggere il file dei promemoria; è stato conservato come %1.</translation>
    </message>
    <message>
        <source>Your reminders file was changed elsewhere while you changed the same reminder here; the other version was kept as %1.</source>
        <translation>Il file dei promemoria è stato modificato altrove mentre qui modificavi lo stesso promemoria; l’altra versione è stata conservata come %1.</translation>
    </message>
    <message>
        <source>The reminder was removed.</source>
        <translation>Il promemoria è stato rimosso.</translation>
    </message>
    <message>
        <source>“%1” was removed.</source>
        <translation>«%1» è stato rimosso.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Quit Pendrel</source>
        <translation>Esci da Pendrel</translation>
    </message>
    <message>
        <source>Stops all reminders until Pendrel is started again</source>
        <translation>Ferma tutti i promemoria finché Pendrel non viene riavviato</translation>
    </message>
    <message>
        <source>“%1” was just changed elsewhere, on another computer or in the file; the form now shows it as it is there.</source>
        <translation>«%1» è appena stato modificato altrove, su un altro computer o nel file; il modulo ora lo mostra com’è lì.</translation>
    </message>
    <message>
        <source>A sync tool left %1 next to your reminders, but it cannot be read as a reminders list. It was not merged and is left as it is.</source>
        <translation>Uno strumento di sincronizzazione ha lasciato %1 accanto ai tuoi promemoria, ma non può essere letto come elenco di promemoria. Non è stato unito e resta com’è.</translation>
    </message>
    <message>
        <source>“%1” was changed differently on another computer. Both now keep the version in %2; the other was kept as %3.</source>
        <translation>«%1» è stato modificato in modo diverso su un altro computer. Ora entrambi i computer tengono la versione in %2; l’altra è stata conservata come %3.</translation>
    </message>
</context>
<context>
    <name>NextRing</name>
    <message>
        <source>Paused</source>
        <translation>In pausa</translation>
    </message>
    <message>
        <source>No reminders on</source>
        <translation>Nessun promemoria attivo</translation>
    </message>
    <message>
        <source>Next: %1, %2</source>
        <translation>Prossimo: %1, %2</translation>
    </message>
    <message>
        <source>Today %1</source>
        <translation>Oggi %1</translation>
    </message>
    <message>
        <source>Tomorrow %1</source>
        <translation>Domani %1</translation>
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
        <translation>Chiudi questo avviso</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <source>Weekdays</source>
        <translation>Giorni feriali</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Ogni giorno</translation>
    </message>
    <message>
        <source>Weekends</source>
        <translation>Nel fine settimana</translation>
    </message>
    <message>
        <source>No days chosen</source>
        <translation>Nessun giorno scelto</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>dom</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>lun</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>mar</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>mer</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>gio</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>ven</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>sab</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Senza titolo</translation>
    </message>
</context>
<context>
    <name>ReminderDelegate</name>
    <message>
        <source>This time is not valid, so the reminder never rings. Pick a time.</source>
        <translation>Quest’ora non è valida, quindi il promemoria non suonerà mai. Scegli un’ora.</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>Nessun suono</translation>
    </message>
    <message>
        <source>Has a website</source>
        <translation>Ha un sito web</translation>
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
        <translation>attivo</translation>
    </message>
    <message>
        <source>off</source>
        <translation>disattivo</translation>
    </message>
    <message>
        <source>the time is not valid</source>
        <translation>l’ora non è valida</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>Take attendance</source>
        <translation>Fare l’appello</translation>
    </message>
    <message>
        <source>Good morning! Time to take attendance.</source>
        <translation>Buongiorno! È ora di fare l’appello.</translation>
    </message>
    <message>
        <source>New reminder</source>
        <translation>Nuovo promemoria</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Reminders not saved: %1</source>
        <translation>Promemoria non salvati: %1</translation>
    </message>
    <message>
        <source>Pendrel, paused</source>
        <translation>Pendrel, in pausa</translation>
    </message>
</context>
</TS>
