<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AlertPanel</name>
    <message>
        <source>Reminder</source>
        <translation>Recordatorio</translation>
    </message>
</context>
<context>
    <name>AlertView</name>
    <message>
        <source>Snooze</source>
        <translation>Posponer</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 minutos</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 minutos</translation>
    </message>
    <message>
        <source>15 minutes</source>
        <translation>15 minutos</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>Open website</source>
        <translation>Abrir sitio web</translation>
    </message>
</context>
<context>
    <name>AppDelegate</name>
    <message>
        <source>Open Pendrel…</source>
        <translation>Abrir Pendrel…</translation>
    </message>
    <message>
        <source>Pause all reminders</source>
        <translation>Pausar todos los recordatorios</translation>
    </message>
    <message>
        <source>Quit Pendrel</source>
        <translation>Salir de Pendrel</translation>
    </message>
    <message>
        <source>Pendrel keeps running</source>
        <translation>Pendrel sigue en marcha</translation>
    </message>
    <message>
        <source>Your reminders still ring. The alarm clock in the tray opens Pendrel again.</source>
        <translation>Sus recordatorios siguen sonando. El despertador de la bandeja del sistema vuelve a abrir Pendrel.</translation>
    </message>
    <message>
        <source>Your reminders still ring. Start Pendrel again from the application menu to open this window; its Quit Pendrel button stops it.</source>
        <translation>Sus recordatorios siguen sonando. Vuelva a iniciar Pendrel desde el menú de aplicaciones para abrir esta ventana; su botón «Salir de Pendrel» lo detiene.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>print whether Pendrel starts at login, and exit</source>
        <translation>muestra si Pendrel arranca al iniciar sesión y finaliza</translation>
    </message>
    <message>
        <source>open the manager window and, a second later, a silent demonstration pop-up</source>
        <translation>abre la ventana de gestión y, un segundo después, una ventana emergente de demostración sin sonido</translation>
    </message>
    <message>
        <source>after a delay, save pictures of the open windows into FOLDER, then quit</source>
        <translation>tras una espera, guarda imágenes de las ventanas abiertas en FOLDER y finaliza</translation>
    </message>
    <message>
        <source>the delay for --snapshot (default 3)</source>
        <translation>la espera para --snapshot (predeterminada: 3)</translation>
    </message>
    <message>
        <source>started at login: open no window, even where no tray shows Pendrel&apos;s icon or Pendrel already runs</source>
        <translation>arrancado al iniciar sesión: no abre ninguna ventana, aunque ninguna bandeja del sistema muestre el icono de Pendrel o Pendrel ya esté en marcha</translation>
    </message>
    <message>
        <source>print this help and exit</source>
        <translation>muestra esta ayuda y finaliza</translation>
    </message>
    <message>
        <source>print the version and exit</source>
        <translation>muestra la versión y finaliza</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Modo de empleo:</translation>
    </message>
    <message>
        <source>Rings your recurring reminders from the system tray.</source>
        <translation>Hace sonar sus recordatorios periódicos desde la bandeja del sistema.</translation>
    </message>
    <message>
        <source>Other arguments are ignored. See pendrel(1).</source>
        <translation>Se ignoran los demás argumentos. Consulte pendrel(1).</translation>
    </message>
</context>
<context>
    <name>EditorView</name>
    <message>
        <source>What</source>
        <translation>Qué</translation>
    </message>
    <message>
        <source>Take attendance</source>
        <translation>Pasar lista</translation>
    </message>
    <message>
        <source>Shown on the pop-up</source>
        <translation>Se muestra en la ventana emergente</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Message (optional)</source>
        <translation>Mensaje (opcional)</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Cuándo</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
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
        <translation>X</translation>
    </message>
    <message>
        <source>T</source>
        <comment>Thursday</comment>
        <translation>J</translation>
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
        <translation>Domingo</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lunes</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Martes</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Miércoles</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jueves</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Viernes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sábado</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Días</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>Sin sonido</translation>
    </message>
    <message>
        <source>Keep chiming until I dismiss it</source>
        <translation>Sonar hasta que lo cierre</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Sitio web</translation>
    </message>
    <message>
        <source>example.com/agenda</source>
        <translation>example.com/agenda</translation>
    </message>
    <message>
        <source>Website (optional)</source>
        <translation>Sitio web (opcional)</translation>
    </message>
    <message>
        <source>Open it automatically when the reminder fires</source>
        <translation>Abrirlo automáticamente cuando salte el recordatorio</translation>
    </message>
    <message>
        <source>The pop-up always has an Open website button too.</source>
        <translation>La ventana emergente siempre tiene también un botón «Abrir sitio web».</translation>
    </message>
    <message>
        <source>This reminder is on</source>
        <translation>Este recordatorio está activado</translation>
    </message>
    <message>
        <source>Test it now</source>
        <translation>Probar ahora</translation>
    </message>
    <message>
        <source>This time is not valid, so the reminder never rings. Pick a time.</source>
        <translation>Esta hora no es válida, así que el recordatorio nunca sonará. Elija una hora.</translation>
    </message>
    <message>
        <source>This cannot be opened, so the pop-up has no Open website button.</source>
        <translation>Esto no se puede abrir, así que la ventana emergente no tendrá el botón «Abrir sitio web».</translation>
    </message>
</context>
<context>
    <name>ManagerView</name>
    <message>
        <source>Reminders</source>
        <translation>Recordatorios</translation>
    </message>
    <message>
        <source>Add reminder</source>
        <translation>Añadir recordatorio</translation>
    </message>
    <message>
        <source>Remove reminder</source>
        <translation>Quitar recordatorio</translation>
    </message>
    <message>
        <source>Pick a reminder on the left, or press + to add one.</source>
        <translation>Elija un recordatorio a la izquierda o pulse + para añadir uno.</translation>
    </message>
    <message>
        <source>Start Pendrel when I log in</source>
        <translation>Iniciar Pendrel al iniciar sesión</translation>
    </message>
    <message>
        <source>Pause all reminders</source>
        <translation>Pausar todos los recordatorios</translation>
    </message>
    <message>
        <source>Your reminders are not being saved: %1 cannot be written (%2). Pendrel keeps your changes and tries again.</source>
        <translation>Sus recordatorios no se están guardando: no se puede escribir %1 (%2). Pendrel conserva sus cambios y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>%1 could not be read, so Pendrel shows a sample reminder. Your file is left as it is, and kept beside it before anything is saved.</source>
        <translation>No se pudo leer %1, así que Pendrel muestra un recordatorio de ejemplo. Su archivo queda como está y se guardará una copia junto a él antes de guardar nada.</translation>
    </message>
    <message>
        <source>Your reminders file could not be read; it was kept as %1.</source>
        <translation>No se pudo leer su archivo de recordatorios; se ha conservado como %1.</translation>
    </message>
    <message>
        <source>Your reminders file was changed elsewhere while you changed the same reminder here; the other version was kept as %1.</source>
        <translation>Su archivo de recordatorios se modificó en otro lugar mientras cambiaba aquí el mismo recordatorio; la otra versión se ha conservado como %1.</translation>
    </message>
    <message>
        <source>The reminder was removed.</source>
        <translation>Se ha eliminado el recordatorio.</translation>
    </message>
    <message>
        <source>“%1” was removed.</source>
        <translation>Se ha eliminado «%1».</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Quit Pendrel</source>
        <translation>Salir de Pendrel</translation>
    </message>
    <message>
        <source>Stops all reminders until Pendrel is started again</source>
        <translation>Detiene todos los recordatorios hasta que se vuelva a iniciar Pendrel</translation>
    </message>
    <message>
        <source>“%1” was just changed elsewhere, on another computer or in the file; the form now shows it as it is there.</source>
        <translation>«%1» se acaba de modificar en otro lugar, en otro equipo o en el archivo; el formulario lo muestra ahora tal como está allí.</translation>
    </message>
    <message>
        <source>A sync tool left %1 next to your reminders, but it cannot be read as a reminders list. It was not merged and is left as it is.</source>
        <translation>Una herramienta de sincronización ha dejado %1 junto a sus recordatorios, pero no se puede leer como una lista de recordatorios. No se ha combinado y queda como está.</translation>
    </message>
    <message>
        <source>“%1” was changed differently on another computer. Both now keep the version in %2; the other was kept as %3.</source>
        <translation>«%1» se ha modificado de otra manera en otro equipo. Ahora ambos equipos mantienen la versión de %2; la otra se ha conservado como %3.</translation>
    </message>
</context>
<context>
    <name>NextRing</name>
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
    <message>
        <source>Today %1</source>
        <translation>Hoy %1</translation>
    </message>
    <message>
        <source>Tomorrow %1</source>
        <translation>Mañana %1</translation>
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
        <translation>Cerrar este aviso</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <source>Weekdays</source>
        <translation>Entre semana</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Todos los días</translation>
    </message>
    <message>
        <source>Weekends</source>
        <translation>Fines de semana</translation>
    </message>
    <message>
        <source>No days chosen</source>
        <translation>Ningún día elegido</translation>
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
        <translation>mié</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>jue</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>vie</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>sáb</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
</context>
<context>
    <name>ReminderDelegate</name>
    <message>
        <source>This time is not valid, so the reminder never rings. Pick a time.</source>
        <translation>Esta hora no es válida, así que el recordatorio nunca sonará. Elija una hora.</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>Sin sonido</translation>
    </message>
    <message>
        <source>Has a website</source>
        <translation>Tiene un sitio web</translation>
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
        <translation>activado</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desactivado</translation>
    </message>
    <message>
        <source>the time is not valid</source>
        <translation>la hora no es válida</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>Take attendance</source>
        <translation>Pasar lista</translation>
    </message>
    <message>
        <source>Good morning! Time to take attendance.</source>
        <translation>¡Buenos días! Es hora de pasar lista.</translation>
    </message>
    <message>
        <source>New reminder</source>
        <translation>Nuevo recordatorio</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Reminders not saved: %1</source>
        <translation>Recordatorios no guardados: %1</translation>
    </message>
    <message>
        <source>Pendrel, paused</source>
        <translation>Pendrel, en pausa</translation>
    </message>
</context>
</TS>
