<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>AlertPanel</name>
    <message>
        <source>Reminder</source>
        <translation>Przypomnienie</translation>
    </message>
</context>
<context>
    <name>AlertView</name>
    <message>
        <source>Snooze</source>
        <translation>Drzemka</translation>
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
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Open website</source>
        <translation>Otwórz stronę</translation>
    </message>
</context>
<context>
    <name>AppDelegate</name>
    <message>
        <source>Open Pendrel…</source>
        <translation>Otwórz Pendrel…</translation>
    </message>
    <message>
        <source>Pause all reminders</source>
        <translation>Wstrzymaj wszystkie przypomnienia</translation>
    </message>
    <message>
        <source>Quit Pendrel</source>
        <translation>Zakończ Pendrel</translation>
    </message>
    <message>
        <source>Pendrel keeps running</source>
        <translation>Pendrel nadal działa</translation>
    </message>
    <message>
        <source>Your reminders still ring. The alarm clock in the tray opens Pendrel again.</source>
        <translation>Przypomnienia nadal będą dzwonić. Budzik w zasobniku systemowym ponownie otworzy Pendrel.</translation>
    </message>
    <message>
        <source>Your reminders still ring. Start Pendrel again from the application menu to open this window; its Quit Pendrel button stops it.</source>
        <translation>Przypomnienia nadal będą dzwonić. Aby otworzyć to okno, uruchom Pendrel ponownie z menu programów; przycisk „Zakończ Pendrel” w tym oknie zatrzymuje program.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>print whether Pendrel starts at login, and exit</source>
        <translation>wyświetlenie, czy Pendrel uruchamia się po zalogowaniu, i&#xa0;zakończenie</translation>
    </message>
    <message>
        <source>open the manager window and, a second later, a silent demonstration pop-up</source>
        <translation>otwarcie okna zarządzania, a&#xa0;sekundę później cichego pokazowego okienka przypomnienia</translation>
    </message>
    <message>
        <source>after a delay, save pictures of the open windows into FOLDER, then quit</source>
        <translation>po odczekaniu zapisanie obrazów otwartych okien w&#xa0;katalogu FOLDER i&#xa0;zakończenie</translation>
    </message>
    <message>
        <source>the delay for --snapshot (default 3)</source>
        <translation>czas oczekiwania dla --snapshot (domyślnie 3)</translation>
    </message>
    <message>
        <source>started at login: open no window, even where no tray shows Pendrel&apos;s icon or Pendrel already runs</source>
        <translation>uruchomienie po zalogowaniu: bez otwierania okna, nawet gdy żaden zasobnik systemowy nie pokazuje ikony Pendrel lub Pendrel już działa</translation>
    </message>
    <message>
        <source>print this help and exit</source>
        <translation>wyświetlenie tej pomocy i&#xa0;zakończenie</translation>
    </message>
    <message>
        <source>print the version and exit</source>
        <translation>wyświetlenie wersji i&#xa0;zakończenie</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Składnia:</translation>
    </message>
    <message>
        <source>Rings your recurring reminders from the system tray.</source>
        <translation>Dzwoni z&#xa0;zasobnika systemowego, gdy przychodzi pora cyklicznych przypomnień.</translation>
    </message>
    <message>
        <source>Other arguments are ignored. See pendrel(1).</source>
        <translation>Pozostałe argumenty są ignorowane. Zobacz pendrel(1).</translation>
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
        <translation>Sprawdź obecność</translation>
    </message>
    <message>
        <source>Shown on the pop-up</source>
        <translation>Wyświetlana w okienku przypomnienia</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Message (optional)</source>
        <translation>Wiadomość (opcjonalnie)</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Kiedy</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Godzina</translation>
    </message>
    <message>
        <source>S</source>
        <comment>Sunday</comment>
        <translation>Nd</translation>
    </message>
    <message>
        <source>M</source>
        <comment>Monday</comment>
        <translation>Pn</translation>
    </message>
    <message>
        <source>T</source>
        <comment>Tuesday</comment>
        <translation>Wt</translation>
    </message>
    <message>
        <source>W</source>
        <comment>Wednesday</comment>
        <translation>Śr</translation>
    </message>
    <message>
        <source>T</source>
        <comment>Thursday</comment>
        <translation>Cz</translation>
    </message>
    <message>
        <source>F</source>
        <comment>Friday</comment>
        <translation>Pt</translation>
    </message>
    <message>
        <source>S</source>
        <comment>Saturday</comment>
        <translation>So</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Niedziela</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Poniedziałek</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Wtorek</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Środa</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Czwartek</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Piątek</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sobota</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Dni</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>Bez dźwięku</translation>
    </message>
    <message>
        <source>Keep chiming until I dismiss it</source>
        <translation>Dzwoń, dopóki nie zamknę przypomnienia</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Strona WWW</translation>
    </message>
    <message>
        <source>example.com/agenda</source>
        <translation>example.com/agenda</translation>
    </message>
    <message>
        <source>Website (optional)</source>
        <translation>Strona WWW (opcjonalnie)</translation>
    </message>
    <message>
        <source>Open it automatically when the reminder fires</source>
        <translation>Otwieraj automatycznie w chwili przypomnienia</translation>
    </message>
    <message>
        <source>The pop-up always has an Open website button too.</source>
        <translation>Okienko przypomnienia zawsze ma też przycisk „Otwórz stronę”.</translation>
    </message>
    <message>
        <source>This reminder is on</source>
        <translation>To przypomnienie jest włączone</translation>
    </message>
    <message>
        <source>Test it now</source>
        <translation>Przetestuj teraz</translation>
    </message>
    <message>
        <source>This time is not valid, so the reminder never rings. Pick a time.</source>
        <translation>Ta godzina jest nieprawidłowa, więc przypomnienie nigdy nie zadzwoni. Wybierz godzinę.</translation>
    </message>
    <message>
        <source>This cannot be opened, so the pop-up has no Open website button.</source>
        <translation>Nie można tego otworzyć, więc okienko przypomnienia nie ma przycisku „Otwórz stronę”.</translation>
    </message>
</context>
<context>
    <name>ManagerView</name>
    <message>
        <source>Reminders</source>
        <translation>Przypomnienia</translation>
    </message>
    <message>
        <source>Add reminder</source>
        <translation>Dodaj przypomnienie</translation>
    </message>
    <message>
        <source>Remove reminder</source>
        <translation>Usuń przypomnienie</translation>
    </message>
    <message>
        <source>Pick a reminder on the left, or press + to add one.</source>
        <translation>Wybierz przypomnienie po lewej lub naciśnij +, aby dodać nowe.</translation>
    </message>
    <message>
        <source>Start Pendrel when I log in</source>
        <translation>Uruchamiaj po zalogowaniu</translation>
    </message>
    <message>
        <source>Pause all reminders</source>
        <translation>Wstrzymaj przypomnienia</translation>
    </message>
    <message>
        <source>Your reminders are not being saved: %1 cannot be written (%2). Pendrel keeps your changes and tries again.</source>
        <translation>Przypomnienia nie są zapisywane: nie można zapisać pliku %1 (%2). Pendrel zachowuje zmiany i ponawia próbę.</translation>
    </message>
    <message>
        <source>%1 could not be read, so Pendrel shows a sample reminder. Your file is left as it is, and kept beside it before anything is saved.</source>
        <translation>Nie można odczytać %1, więc Pendrel wyświetla przykładowe przypomnienie. Plik pozostaje bez zmian i przed pierwszym zapisem zostanie zachowany obok pod inną nazwą.</translation>
    </message>
    <message>
        <source>Your reminders file could not be read; it was kept as %1.</source>
        <translation>Nie można odczytać pliku przypomnień; zachowano go jako %1.</translation>
    </message>
    <message>
        <source>Your reminders file was changed elsewhere while you changed the same reminder here; the other version was kept as %1.</source>
        <translation>Plik przypomnień został zmieniony gdzie indziej, gdy zmieniano tutaj to samo przypomnienie; tamtą wersję zachowano jako %1.</translation>
    </message>
    <message>
        <source>The reminder was removed.</source>
        <translation>Usunięto przypomnienie.</translation>
    </message>
    <message>
        <source>“%1” was removed.</source>
        <translation>Usunięto „%1”.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Quit Pendrel</source>
        <translation>Zakończ Pendrel</translation>
    </message>
    <message>
        <source>Stops all reminders until Pendrel is started again</source>
        <translation>Zatrzymuje wszystkie przypomnienia do ponownego uruchomienia programu Pendrel</translation>
    </message>
    <message>
        <source>“%1” was just changed elsewhere, on another computer or in the file; the form now shows it as it is there.</source>
        <translation>„%1” zmieniono przed chwilą gdzie indziej, na innym komputerze lub w pliku; formularz pokazuje teraz przypomnienie w tamtej postaci.</translation>
    </message>
    <message>
        <source>A sync tool left %1 next to your reminders, but it cannot be read as a reminders list. It was not merged and is left as it is.</source>
        <translation>Narzędzie synchronizacji zostawiło plik %1 obok przypomnień, ale nie można go odczytać jako listy przypomnień. Nie został scalony i pozostaje bez zmian.</translation>
    </message>
    <message>
        <source>“%1” was changed differently on another computer. Both now keep the version in %2; the other was kept as %3.</source>
        <translation>„%1” zmieniono inaczej na innym komputerze. Oba komputery mają teraz wersję z pliku %2; tamtą zachowano jako %3.</translation>
    </message>
</context>
<context>
    <name>NextRing</name>
    <message>
        <source>Paused</source>
        <translation>Wstrzymano</translation>
    </message>
    <message>
        <source>No reminders on</source>
        <translation>Brak włączonych przypomnień</translation>
    </message>
    <message>
        <source>Next: %1, %2</source>
        <translation>Następne: %2 — %1</translation>
    </message>
    <message>
        <source>Today %1</source>
        <translation>dzisiaj o %1</translation>
    </message>
    <message>
        <source>Tomorrow %1</source>
        <translation>jutro o %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>weekday and time</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>date and time</comment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>NoticeBar</name>
    <message>
        <source>Close this notice</source>
        <translation>Zamknij to powiadomienie</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <source>Weekdays</source>
        <translation>W dni robocze</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Codziennie</translation>
    </message>
    <message>
        <source>Weekends</source>
        <translation>W weekendy</translation>
    </message>
    <message>
        <source>No days chosen</source>
        <translation>Nie wybrano dni</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Nd</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Pn</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Wt</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Śr</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Cz</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Pt</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>So</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Bez tytułu</translation>
    </message>
</context>
<context>
    <name>ReminderDelegate</name>
    <message>
        <source>This time is not valid, so the reminder never rings. Pick a time.</source>
        <translation>Ta godzina jest nieprawidłowa, więc przypomnienie nigdy nie zadzwoni. Wybierz godzinę.</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>Bez dźwięku</translation>
    </message>
    <message>
        <source>Has a website</source>
        <translation>Ma stronę WWW</translation>
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
        <translation>włączone</translation>
    </message>
    <message>
        <source>off</source>
        <translation>wyłączone</translation>
    </message>
    <message>
        <source>the time is not valid</source>
        <translation>godzina jest nieprawidłowa</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>Take attendance</source>
        <translation>Sprawdź obecność</translation>
    </message>
    <message>
        <source>Good morning! Time to take attendance.</source>
        <translation>Dzień dobry! Czas sprawdzić obecność.</translation>
    </message>
    <message>
        <source>New reminder</source>
        <translation>Nowe przypomnienie</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Reminders not saved: %1</source>
        <translation>Nie zapisano przypomnień: %1</translation>
    </message>
    <message>
        <source>Pendrel, paused</source>
        <translation>Pendrel, wstrzymany</translation>
    </message>
</context>
</TS>
