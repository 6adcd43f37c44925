<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>AlertPanel</name>
    <message>
        <source>Reminder</source>
        <translation>Напоминание</translation>
    </message>
</context>
<context>
    <name>AlertView</name>
    <message>
        <source>Snooze</source>
        <translation>Отложить</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 минут</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 минут</translation>
    </message>
    <message>
        <source>15 minutes</source>
        <translation>15 минут</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Open website</source>
        <translation>Открыть сайт</translation>
    </message>
</context>
<context>
    <name>AppDelegate</name>
    <message>
        <source>Open Pendrel…</source>
        <translation>Открыть Pendrel…</translation>
    </message>
    <message>
        <source>Pause all reminders</source>
        <translation>Приостановить все напоминания</translation>
    </message>
    <message>
        <source>Quit Pendrel</source>
        <translation>Завершить Pendrel</translation>
    </message>
    <message>
        <source>Pendrel keeps running</source>
        <translation>Pendrel продолжает работать</translation>
    </message>
    <message>
        <source>Your reminders still ring. The alarm clock in the tray opens Pendrel again.</source>
        <translation>Напоминания по-прежнему будут звучать. Будильник в системном лотке снова откроет Pendrel.</translation>
    </message>
    <message>
        <source>Your reminders still ring. Start Pendrel again from the application menu to open this window; its Quit Pendrel button stops it.</source>
        <translation>Напоминания по-прежнему будут звучать. Чтобы открыть это окно, снова запустите Pendrel из меню приложений; кнопка «Завершить Pendrel» в этом окне останавливает программу.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>print whether Pendrel starts at login, and exit</source>
        <translation>показать, запускается ли Pendrel при входе в&#xa0;систему, и&#xa0;выйти</translation>
    </message>
    <message>
        <source>open the manager window and, a second later, a silent demonstration pop-up</source>
        <translation>открыть окно управления, а&#xa0;через секунду — беззвучное демонстрационное всплывающее окно</translation>
    </message>
    <message>
        <source>after a delay, save pictures of the open windows into FOLDER, then quit</source>
        <translation>после задержки сохранить снимки открытых окон в&#xa0;FOLDER и&#xa0;выйти</translation>
    </message>
    <message>
        <source>the delay for --snapshot (default 3)</source>
        <translation>задержка для --snapshot (по умолчанию 3)</translation>
    </message>
    <message>
        <source>started at login: open no window, even where no tray shows Pendrel&apos;s icon or Pendrel already runs</source>
        <translation>запуск при входе в&#xa0;систему: не открывать окон, даже если ни в одном системном лотке нет значка Pendrel или Pendrel уже запущен</translation>
    </message>
    <message>
        <source>print this help and exit</source>
        <translation>показать эту справку и&#xa0;выйти</translation>
    </message>
    <message>
        <source>print the version and exit</source>
        <translation>показать версию и&#xa0;выйти</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Использование:</translation>
    </message>
    <message>
        <source>Rings your recurring reminders from the system tray.</source>
        <translation>Подаёт сигналы повторяющихся напоминаний из системного лотка.</translation>
    </message>
    <message>
        <source>Other arguments are ignored. See pendrel(1).</source>
        <translation>Остальные аргументы игнорируются. См. pendrel(1).</translation>
    </message>
</context>
<context>
    <name>EditorView</name>
    <message>
        <source>What</source>
        <translation>Что</translation>
    </message>
    <message>
        <source>Take attendance</source>
        <translation>Провести перекличку</translation>
    </message>
    <message>
        <source>Shown on the pop-up</source>
        <translation>Показывается во всплывающем окне</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Message (optional)</source>
        <translation>Сообщение (необязательно)</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Когда</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>S</source>
        <comment>Sunday</comment>
        <translation>Вс</translation>
    </message>
    <message>
        <source>M</source>
        <comment>Monday</comment>
        <translation>Пн</translation>
    </message>
    <message>
        <source>T</source>
        <comment>Tuesday</comment>
        <translation>Вт</translation>
    </message>
    <message>
        <source>W</source>
        <comment>Wednesday</comment>
        <translation>Ср</translation>
    </message>
    <message>
        <source>T</source>
        <comment>Thursday</comment>
        <translation>Чт</translation>
    </message>
    <message>
        <source>F</source>
        <comment>Friday</comment>
        <translation>Пт</translation>
    </message>
    <message>
        <source>S</source>
        <comment>Saturday</comment>
        <translation>Сб</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Воскресенье</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Понедельник</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Вторник</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Среда</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Четверг</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Пятница</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Суббота</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Дни</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>Без звука</translation>
    </message>
    <message>
        <source>Keep chiming until I dismiss it</source>
        <translation>Звонить, пока я не закрою напоминание</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Сайт</translation>
    </message>
    <message>
        <source>example.com/agenda</source>
        <translation>example.com/agenda</translation>
    </message>
    <message>
        <source>Website (optional)</source>
        <translation>Сайт (необязательно)</translation>
    </message>
    <message>
        <source>Open it automatically when the reminder fires</source>
        <translation>Открывать автоматически при срабатывании напоминания</translation>
    </message>
    <message>
        <source>The pop-up always has an Open website button too.</source>
        <translation>Во всплывающем окне также всегда есть кнопка «Открыть сайт».</translation>
    </message>
    <message>
        <source>This reminder is on</source>
        <translation>Это напоминание включено</translation>
    </message>
    <message>
        <source>Test it now</source>
        <translation>Проверить сейчас</translation>
    </message>
    <message>
        <source>This time is not valid, so the reminder never rings. Pick a time.</source>
        <translation>Это время недопустимо, поэтому напоминание никогда не сработает. Выберите время.</translation>
    </message>
    <message>
        <source>This cannot be opened, so the pop-up has no Open website button.</source>
        <translation>Этот адрес нельзя открыть, поэтому во всплывающем окне нет кнопки «Открыть сайт».</translation>
    </message>
</context>
<context>
    <name>ManagerView</name>
    <message>
        <source>Reminders</source>
        <translation>Напоминания</translation>
    </message>
    <message>
        <source>Add reminder</source>
        <translation>Добавить напоминание</translation>
    </message>
    <message>
        <source>Remove reminder</source>
        <translation>Удалить напоминание</translation>
    </message>
    <message>
        <source>Pick a reminder on the left, or press + to add one.</source>
        <translation>Выберите напоминание слева или нажмите +, чтобы добавить новое.</translation>
    </message>
    <message>
        <source>Start Pendrel when I log in</source>
        <translation>Запускать при входе в систему</translation>
    </message>
    <message>
        <source>Pause all reminders</source>
        <translation>Приостановить напоминания</translation>
    </message>
    <message>
        <source>Your reminders are not being saved: %1 cannot be written (%2). Pendrel keeps your changes and tries again.</source>
        <translation>Напоминания не сохраняются: не удаётся записать %1 (%2). Pendrel не теряет ваши изменения и повторяет попытку.</translation>
    </message>
    <message>
        <source>%1 could not be read, so Pendrel shows a sample reminder. Your file is left as it is, and kept beside it before anything is saved.</source>
        <translation>Не удалось прочитать %1, поэтому Pendrel показывает пример напоминания. Ваш файл остаётся как есть и перед любой записью будет сохранён рядом под другим именем.</translation>
    </message>
    <message>
        <source>Your reminders file could not be read; it was kept as %1.</source>
        <translation>Не удалось прочитать файл напоминаний; он сохранён как %1.</translation>
    </message>
    <message>
        <source>Your reminders file was changed elsewhere while you changed the same reminder here; the other version was kept as %1.</source>
        <translation>Файл напоминаний был изменён в другом месте, пока вы меняли здесь то же напоминание; другая версия сохранена как %1.</translation>
    </message>
    <message>
        <source>The reminder was removed.</source>
        <translation>Напоминание удалено.</translation>
    </message>
    <message>
        <source>“%1” was removed.</source>
        <translation>Напоминание «%1» удалено.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Quit Pendrel</source>
        <translation>Завершить Pendrel</translation>
    </message>
    <message>
        <source>Stops all reminders until Pendrel is started again</source>
        <translation>Останавливает все напоминания до следующего запуска Pendrel</translation>
    </message>
    <message>
        <source>“%1” was just changed elsewhere, on another computer or in the file; the form now shows it as it is there.</source>
        <translation>Напоминание «%1» только что изменено в другом месте, на другом компьютере или в файле; теперь форма показывает его таким, каким оно стало там.</translation>
    </message>
    <message>
        <source>A sync tool left %1 next to your reminders, but it cannot be read as a reminders list. It was not merged and is left as it is.</source>
        <translation>Программа синхронизации оставила файл %1 рядом с вашими напоминаниями, но его не удаётся прочитать как список напоминаний. Он не объединён и оставлен как есть.</translation>
    </message>
    <message>
        <source>“%1” was changed differently on another computer. Both now keep the version in %2; the other was kept as %3.</source>
        <translation>Напоминание «%1» было изменено по-другому на другом компьютере. Теперь на обоих компьютерах версия из %2; другая версия сохранена как %3.</translation>
    </message>
</context>
<context>
    <name>NextRing</name>
    <message>
        <source>Paused</source>
        <translation>Приостановлено</translation>
    </message>
    <message>
        <source>No reminders on</source>
        <translation>Нет включённых напоминаний</translation>
    </message>
    <message>
        <source>Next: %1, %2</source>
        <translation>Далее: %2 — %1</translation>
    </message>
    <message>
        <source>Today %1</source>
        <translation>сегодня в %1</translation>
    </message>
    <message>
        <source>Tomorrow %1</source>
        <translation>завтра в %1</translation>
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
        <translation>Закрыть это уведомление</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <source>Weekdays</source>
        <translation>По будням</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Каждый день</translation>
    </message>
    <message>
        <source>Weekends</source>
        <translation>По выходным</translation>
    </message>
    <message>
        <source>No days chosen</source>
        <translation>Дни не выбраны</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Вс</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Пн</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Вт</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Ср</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Чт</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Пт</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Сб</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Без названия</translation>
    </message>
</context>
<context>
    <name>ReminderDelegate</name>
    <message>
        <source>This time is not valid, so the reminder never rings. Pick a time.</source>
        <translation>Это время недопустимо, поэтому напоминание никогда не сработает. Выберите время.</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>Без звука</translation>
    </message>
    <message>
        <source>Has a website</source>
        <translation>Есть сайт</translation>
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
        <translation>включено</translation>
    </message>
    <message>
        <source>off</source>
        <translation>выключено</translation>
    </message>
    <message>
        <source>the time is not valid</source>
        <translation>время недопустимо</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>Take attendance</source>
        <translation>Провести перекличку</translation>
    </message>
    <message>
        <source>Good morning! Time to take attendance.</source>
        <translation>Доброе утро! Пора провести перекличку.</translation>
    </message>
    <message>
        <source>New reminder</source>
        <translation>Новое напоминание</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Reminders not saved: %1</source>
        <translation>Напоминания не сохранены: %1</translation>
    </message>
    <message>
        <source>Pendrel, paused</source>
        <translation>Pendrel, приостановлен</translation>
    </message>
</context>
</TS>
