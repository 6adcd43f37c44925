<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>AlertPanel</name>
    <message>
        <source>Reminder</source>
        <translation>Нагадування</translation>
    </message>
</context>
<context>
    <name>AlertView</name>
    <message>
        <source>Snooze</source>
        <translation>Відкласти</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 хвилин</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 хвилин</translation>
    </message>
    <message>
        <source>15 minutes</source>
        <translation>15 хвилин</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Open website</source>
        <translation>Відкрити вебсайт</translation>
    </message>
</context>
<context>
    <name>AppDelegate</name>
    <message>
        <source>Open Pendrel…</source>
        <translation>Відкрити Pendrel…</translation>
    </message>
    <message>
        <source>Pause all reminders</source>
        <translation>Призупинити всі нагадування</translation>
    </message>
    <message>
        <source>Quit Pendrel</source>
        <translation>Вийти з Pendrel</translation>
    </message>
    <message>
        <source>Pendrel keeps running</source>
        <translation>Pendrel працює далі</translation>
    </message>
    <message>
        <source>Your reminders still ring. The alarm clock in the tray opens Pendrel again.</source>
        <translation>Ваші нагадування й далі лунатимуть. Будильник у системному лотку знову відкриє Pendrel.</translation>
    </message>
    <message>
        <source>Your reminders still ring. Start Pendrel again from the application menu to open this window; its Quit Pendrel button stops it.</source>
        <translation>Ваші нагадування й далі лунатимуть. Щоб відкрити це вікно, знову запустіть Pendrel з меню програм; кнопка «Вийти з Pendrel» у ньому зупиняє програму.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>print whether Pendrel starts at login, and exit</source>
        <translation>показати, чи запускається Pendrel під час входу, і&#xa0;завершити роботу</translation>
    </message>
    <message>
        <source>open the manager window and, a second later, a silent demonstration pop-up</source>
        <translation>відкрити вікно керування, а&#xa0;за секунду — беззвучне демонстраційне спливне вікно</translation>
    </message>
    <message>
        <source>after a delay, save pictures of the open windows into FOLDER, then quit</source>
        <translation>після затримки зберегти знімки відкритих вікон у&#xa0;FOLDER і&#xa0;завершити роботу</translation>
    </message>
    <message>
        <source>the delay for --snapshot (default 3)</source>
        <translation>затримка для --snapshot (типово 3)</translation>
    </message>
    <message>
        <source>started at login: open no window, even where no tray shows Pendrel&apos;s icon or Pendrel already runs</source>
        <translation>запуск під час входу: не відкривати вікон, навіть якщо жоден системний лоток не показує піктограму Pendrel або Pendrel уже працює</translation>
    </message>
    <message>
        <source>print this help and exit</source>
        <translation>показати цю довідку і&#xa0;завершити роботу</translation>
    </message>
    <message>
        <source>print the version and exit</source>
        <translation>показати версію і&#xa0;завершити роботу</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Використання:</translation>
    </message>
    <message>
        <source>Rings your recurring reminders from the system tray.</source>
        <translation>Подає сигнали ваших повторюваних нагадувань із системного лотка.</translation>
    </message>
    <message>
        <source>Other arguments are ignored. See pendrel(1).</source>
        <translation>Інші аргументи ігноруються. Див. pendrel(1).</translation>
    </message>
</context>
<context>
    <name>EditorView</name>
    <message>
        <source>What</source>
        <translation>Що</translation>
    </message>
    <message>
        <source>Take attendance</source>
        <translation>Відмітити присутніх</translation>
    </message>
    <message>
        <source>Shown on the pop-up</source>
        <translation>Показується у спливному вікні</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Назва</translation>
    </message>
    <message>
        <source>Message (optional)</source>
        <translation>Повідомлення (необовʼязково)</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Коли</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Час</translation>
    </message>
    <message>
        <source>S</source>
        <comment>Sunday</comment>
        <translation>Н</translation>
    </message>
    <message>
        <source>M</source>
        <comment>Monday</comment>
        <translation>П</translation>
    </message>
    <message>
        <source>T</source>
        <comment>Tuesday</comment>
        <translation>В</translation>
    </message>
    <message>
        <source>W</source>
        <comment>Wednesday</comment>
        <translation>С</translation>
    </message>
    <message>
        <source>T</source>
        <comment>Thursday</comment>
        <translation>Ч</translation>
    </message>
    <message>
        <source>F</source>
        <comment>Friday</comment>
        <translation>П</translation>
    </message>
    <message>
        <source>S</source>
        <comment>Saturday</comment>
        <translation>С</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Неділя</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Понеділок</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Вівторок</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Середа</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Четвер</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Пʼятниця</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Субота</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Дні</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>Без звуку</translation>
    </message>
    <message>
        <source>Keep chiming until I dismiss it</source>
        <translation>Дзвонити, доки я не закрию нагадування</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Вебсайт</translation>
    </message>
    <message>
        <source>example.com/agenda</source>
        <translation>example.com/agenda</translation>
    </message>
    <message>
        <source>Website (optional)</source>
        <translation>Вебсайт (необовʼязково)</translation>
    </message>
    <message>
        <source>Open it automatically when the reminder fires</source>
        <translation>Відкривати автоматично, коли спрацьовує нагадування</translation>
    </message>
    <message>
        <source>The pop-up always has an Open website button too.</source>
        <translation>У спливному вікні також завжди є кнопка «Відкрити вебсайт».</translation>
    </message>
    <message>
        <source>This reminder is on</source>
        <translation>Це нагадування увімкнено</translation>
    </message>
    <message>
        <source>Test it now</source>
        <translation>Перевірити зараз</translation>
    </message>
    <message>
        <source>This time is not valid, so the reminder never rings. Pick a time.</source>
        <translation>Цей час недійсний, тому нагадування ніколи не спрацює. Виберіть час.</translation>
    </message>
    <message>
        <source>This cannot be opened, so the pop-up has no Open website button.</source>
        <translation>Це неможливо відкрити, тому у спливному вікні не буде кнопки «Відкрити вебсайт».</translation>
    </message>
</context>
<context>
    <name>ManagerView</name>
    <message>
        <source>Reminders</source>
        <translation>Нагадування</translation>
    </message>
    <message>
        <source>Add reminder</source>
        <translation>Додати нагадування</translation>
    </message>
    <message>
        <source>Remove reminder</source>
        <translation>Вилучити нагадування</translation>
    </message>
    <message>
        <source>Pick a reminder on the left, or press + to add one.</source>
        <translation>Виберіть нагадування ліворуч або натисніть +, щоб додати нове.</translation>
    </message>
    <message>
        <source>Start Pendrel when I log in</source>
        <translation>Запускати Pendrel під час входу</translation>
    </message>
    <message>
        <source>Pause all reminders</source>
        <translation>Призупинити всі нагадування</translation>
    </message>
    <message>
        <source>Your reminders are not being saved: %1 cannot be written (%2). Pendrel keeps your changes and tries again.</source>
        <translation>Ваші нагадування не зберігаються: не вдається записати %1 (%2). Pendrel памʼятає ваші зміни й пробує знову.</translation>
    </message>
    <message>
        <source>%1 could not be read, so Pendrel shows a sample reminder. Your file is left as it is, and kept beside it before anything is saved.</source>
        <translation>Не вдалося прочитати %1, тому Pendrel показує зразкове нагадування. Ваш файл залишається без змін, а перш ніж щось буде записано, його буде збережено поруч.</translation>
    </message>
    <message>
        <source>Your reminders file could not be read; it was kept as %1.</source>
        <translation>Не вдалося прочитати ваш файл нагадувань; його збережено як %1.</translation>
    </message>
    <message>
        <source>Your reminders file was changed elsewhere while you changed the same reminder here; the other version was kept as %1.</source>
        <translation>Ваш файл нагадувань було змінено деінде, поки ви змінювали тут те саме нагадування; іншу версію збережено як %1.</translation>
    </message>
    <message>
        <source>The reminder was removed.</source>
        <translation>Нагадування вилучено.</translation>
    </message>
    <message>
        <source>“%1” was removed.</source>
        <translation>Нагадування «%1» вилучено.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Quit Pendrel</source>
        <translation>Вийти з Pendrel</translation>
    </message>
    <message>
        <source>Stops all reminders until Pendrel is started again</source>
        <translation>Зупиняє всі нагадування, доки Pendrel не буде запущено знову</translation>
    </message>
    <message>
        <source>“%1” was just changed elsewhere, on another computer or in the file; the form now shows it as it is there.</source>
        <translation>Нагадування «%1» щойно змінено деінде, на іншому компʼютері або у файлі; тепер форма показує його таким, яким воно є там.</translation>
    </message>
    <message>
        <source>A sync tool left %1 next to your reminders, but it cannot be read as a reminders list. It was not merged and is left as it is.</source>
        <translation>Програма синхронізації залишила файл %1 поруч із вашими нагадуваннями, але його не вдається прочитати як список нагадувань. Його не обʼєднано, і він залишається без змін.</translation>
    </message>
    <message>
        <source>“%1” was changed differently on another computer. Both now keep the version in %2; the other was kept as %3.</source>
        <translation>Нагадування «%1» на іншому компʼютері змінено інакше. Тепер обидва компʼютери зберігають версію з %2; іншу версію збережено як %3.</translation>
    </message>
</context>
<context>
    <name>NextRing</name>
    <message>
        <source>Paused</source>
        <translation>Призупинено</translation>
    </message>
    <message>
        <source>No reminders on</source>
        <translation>Немає увімкнених нагадувань</translation>
    </message>
    <message>
        <source>Next: %1, %2</source>
        <translation>Наступне: %1, %2</translation>
    </message>
    <message>
        <source>Today %1</source>
        <translation>сьогодні %1</translation>
    </message>
    <message>
        <source>Tomorrow %1</source>
        <translation>завтра %1</translation>
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
        <translation>Закрити це сповіщення</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <source>Weekdays</source>
        <translation>Будні</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Щодня</translation>
    </message>
    <message>
        <source>Weekends</source>
        <translation>Вихідні</translation>
    </message>
    <message>
        <source>No days chosen</source>
        <translation>Дні не вибрано</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>нд</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>пн</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>вт</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>ср</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>чт</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>пт</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>сб</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Без назви</translation>
    </message>
</context>
<context>
    <name>ReminderDelegate</name>
    <message>
        <source>This time is not valid, so the reminder never rings. Pick a time.</source>
        <translation>Цей час недійсний, тому нагадування ніколи не спрацює. Виберіть час.</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>Без звуку</translation>
    </message>
    <message>
        <source>Has a website</source>
        <translation>Має вебсайт</translation>
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
        <translation>увімкнено</translation>
    </message>
    <message>
        <source>off</source>
        <translation>вимкнено</translation>
    </message>
    <message>
        <source>the time is not valid</source>
        <translation>час недійсний</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>Take attendance</source>
        <translation>Відмітити присутніх</translation>
    </message>
    <message>
        <source>Good morning! Time to take attendance.</source>
        <translation>Доброго ранку! Час для переклички.</translation>
    </message>
    <message>
        <source>New reminder</source>
        <translation>Нове нагадування</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Reminders not saved: %1</source>
        <translation>Нагадування не збережено: %1</translation>
    </message>
    <message>
        <source>Pendrel, paused</source>
        <translation>Pendrel, призупинено</translation>
    </message>
</context>
</TS>
