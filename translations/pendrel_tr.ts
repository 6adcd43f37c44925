<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>AlertPanel</name>
    <message>
        <source>Reminder</source>
        <translation>Anımsatıcı</translation>
    </message>
</context>
<context>
    <name>AlertView</name>
    <message>
        <source>Snooze</source>
        <translation>Ertele</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 dakika</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 dakika</translation>
    </message>
    <message>
        <source>15 minutes</source>
        <translation>15 dakika</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Bitti</translation>
    </message>
    <message>
        <source>Open website</source>
        <translation>Web sitesini aç</translation>
    </message>
</context>
<context>
    <name>AppDelegate</name>
    <message>
        <source>Open Pendrel…</source>
        <translation>Pendrel&apos;i aç…</translation>
    </message>
    <message>
        <source>Pause all reminders</source>
        <translation>Tüm anımsatıcıları duraklat</translation>
    </message>
    <message>
        <source>Quit Pendrel</source>
        <translation>Pendrel&apos;den çık</translation>
    </message>
    <message>
        <source>Pendrel keeps running</source>
        <translation>Pendrel çalışmaya devam ediyor</translation>
    </message>
    <message>
        <source>Your reminders still ring. The alarm clock in the tray opens Pendrel again.</source>
        <translation>Anımsatıcılarınız çalmaya devam edecek. Sistem tepsisindeki çalar saat Pendrel&apos;i yeniden açar.</translation>
    </message>
    <message>
        <source>Your reminders still ring. Start Pendrel again from the application menu to open this window; its Quit Pendrel button stops it.</source>
        <translation>Anımsatıcılarınız çalmaya devam edecek. Bu pencereyi açmak için Pendrel&apos;i uygulama menüsünden yeniden başlatın; penceredeki “Pendrel&apos;den çık” düğmesi onu durdurur.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>print whether Pendrel starts at login, and exit</source>
        <translation>Pendrel&apos;in oturum açılışında başlayıp başlamadığını yazar ve çıkar</translation>
    </message>
    <message>
        <source>open the manager window and, a second later, a silent demonstration pop-up</source>
        <translation>yönetim penceresini ve bir saniye sonra sessiz bir tanıtım açılır penceresini açar</translation>
    </message>
    <message>
        <source>after a delay, save pictures of the open windows into FOLDER, then quit</source>
        <translation>bir süre bekledikten sonra açık pencerelerin resimlerini FOLDER içine kaydeder, sonra çıkar</translation>
    </message>
    <message>
        <source>the delay for --snapshot (default 3)</source>
        <translation>--snapshot için bekleme süresi (öntanımlı 3)</translation>
    </message>
    <message>
        <source>started at login: open no window, even where no tray shows Pendrel&apos;s icon or Pendrel already runs</source>
        <translation>oturum açılışında başlatma: hiçbir sistem tepsisi Pendrel&apos;in simgesini göstermese ya da Pendrel zaten çalışıyor olsa bile pencere açmaz</translation>
    </message>
    <message>
        <source>print this help and exit</source>
        <translation>bu yardımı gösterir ve çıkar</translation>
    </message>
    <message>
        <source>print the version and exit</source>
        <translation>sürümü gösterir ve çıkar</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Kullanım:</translation>
    </message>
    <message>
        <source>Rings your recurring reminders from the system tray.</source>
        <translation>Yinelenen anımsatıcılarınızı sistem tepsisinden çalar.</translation>
    </message>
    <message>
        <source>Other arguments are ignored. See pendrel(1).</source>
        <translation>Diğer argümanlar yok sayılır. Bkz. pendrel(1).</translation>
    </message>
</context>
<context>
    <name>EditorView</name>
    <message>
        <source>What</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>Take attendance</source>
        <translation>Yoklama al</translation>
    </message>
    <message>
        <source>Shown on the pop-up</source>
        <translation>Açılır pencerede gösterilir</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Message (optional)</source>
        <translation>İleti (isteğe bağlı)</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Ne zaman</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Saat</translation>
    </message>
    <message>
        <source>S</source>
        <comment>Sunday</comment>
        <translation>P</translation>
    </message>
    <message>
        <source>M</source>
        <comment>Monday</comment>
        <translation>P</translation>
    </message>
    <message>
        <source>T</source>
        <comment>Tuesday</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>W</source>
        <comment>Wednesday</comment>
        <translation>Ç</translation>
    </message>
    <message>
        <source>T</source>
        <comment>Thursday</comment>
        <translation>P</translation>
    </message>
    <message>
        <source>F</source>
        <comment>Friday</comment>
        <translation>C</translation>
    </message>
    <message>
        <source>S</source>
        <comment>Saturday</comment>
        <translation>C</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Pazar</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Pazartesi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Salı</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Çarşamba</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Perşembe</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Cuma</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Cumartesi</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Günler</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ses</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>Ses yok</translation>
    </message>
    <message>
        <source>Keep chiming until I dismiss it</source>
        <translation>Ben kapatana kadar çalmaya devam et</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Web sitesi</translation>
    </message>
    <message>
        <source>example.com/agenda</source>
        <translation>example.com/agenda</translation>
    </message>
    <message>
        <source>Website (optional)</source>
        <translation>Web sitesi (isteğe bağlı)</translation>
    </message>
    <message>
        <source>Open it automatically when the reminder fires</source>
        <translation>Anımsatıcı çaldığında otomatik olarak aç</translation>
    </message>
    <message>
        <source>The pop-up always has an Open website button too.</source>
        <translation>Açılır pencerede her zaman bir “Web sitesini aç” düğmesi de bulunur.</translation>
    </message>
    <message>
        <source>This reminder is on</source>
        <translation>Bu anımsatıcı açık</translation>
    </message>
    <message>
        <source>Test it now</source>
        <translation>Şimdi dene</translation>
    </message>
    <message>
        <source>This time is not valid, so the reminder never rings. Pick a time.</source>
        <translation>Bu saat geçerli değil, bu yüzden anımsatıcı hiç çalmaz. Bir saat seçin.</translation>
    </message>
    <message>
        <source>This cannot be opened, so the pop-up has no Open website button.</source>
        <translation>Bu açılamıyor, bu yüzden açılır pencerede “Web sitesini aç” düğmesi olmayacak.</translation>
    </message>
</context>
<context>
    <name>ManagerView</name>
    <message>
        <source>Reminders</source>
        <translation>Anımsatıcılar</translation>
    </message>
    <message>
        <source>Add reminder</source>
        <translation>Anımsatıcı ekle</translation>
    </message>
    <message>
        <source>Remove reminder</source>
        <translation>Anımsatıcıyı kaldır</translation>
    </message>
    <message>
        <source>Pick a reminder on the left, or press + to add one.</source>
        <translation>Soldan bir anımsatıcı seçin ya da yenisini eklemek için + düğmesine basın.</translation>
    </message>
    <message>
        <source>Start Pendrel when I log in</source>
        <translation>Oturum açtığımda Pendrel&apos;i başlat</translation>
    </message>
    <message>
        <source>Pause all reminders</source>
        <translation>Tüm anımsatıcıları duraklat</translation>
    </message>
    <message>
        <source>Your reminders are not being saved: %1 cannot be written (%2). Pendrel keeps your changes and tries again.</source>
        <translation>Anımsatıcılarınız kaydedilmiyor: %1 yazılamıyor (%2). Pendrel değişikliklerinizi tutuyor ve yeniden deniyor.</translation>
    </message>
    <message>
        <source>%1 could not be read, so Pendrel shows a sample reminder. Your file is left as it is, and kept beside it before anything is saved.</source>
        <translation>%1 okunamadı, bu yüzden Pendrel örnek bir anımsatıcı gösteriyor. Dosyanız olduğu gibi bırakıldı; bir şey kaydedilmeden önce yanında saklanacak.</translation>
    </message>
    <message>
        <source>Your reminders file could not be read; it was kept as %1.</source>
        <translation>Anımsatıcı dosyanız okunamadı; %1 olarak saklandı.</translation>
    </message>
    <message>
        <source>Your reminders file was changed elsewhere while you changed the same reminder here; the other version was kept as %1.</source>
        <translation>Siz burada aynı anımsatıcıyı değiştirirken anımsatıcı dosyanız başka bir yerde değiştirildi; öteki sürüm %1 olarak saklandı.</translation>
    </message>
    <message>
        <source>The reminder was removed.</source>
        <translation>Anımsatıcı kaldırıldı.</translation>
    </message>
    <message>
        <source>“%1” was removed.</source>
        <translation>“%1” kaldırıldı.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Geri al</translation>
    </message>
    <message>
        <source>Quit Pendrel</source>
        <translation>Pendrel&apos;den çık</translation>
    </message>
    <message>
        <source>Stops all reminders until Pendrel is started again</source>
        <translation>Pendrel yeniden başlatılana kadar tüm anımsatıcıları durdurur</translation>
    </message>
    <message>
        <source>“%1” was just changed elsewhere, on another computer or in the file; the form now shows it as it is there.</source>
        <translation>“%1” az önce başka bir yerde, başka bir bilgisayarda ya da dosyada değiştirildi; form şimdi onu oradaki hâliyle gösteriyor.</translation>
    </message>
    <message>
        <source>A sync tool left %1 next to your reminders, but it cannot be read as a reminders list. It was not merged and is left as it is.</source>
        <translation>Bir eşitleme aracı anımsatıcılarınızın yanına %1 dosyasını bıraktı, ancak bu dosya bir anımsatıcı listesi olarak okunamıyor. Birleştirilmedi ve olduğu gibi bırakıldı.</translation>
    </message>
    <message>
        <source>“%1” was changed differently on another computer. Both now keep the version in %2; the other was kept as %3.</source>
        <translation>“%1” başka bir bilgisayarda farklı biçimde değiştirildi. Artık iki bilgisayar da %2 içindeki sürümü tutuyor; öteki sürüm %3 olarak saklandı.</translation>
    </message>
</context>
<context>
    <name>NextRing</name>
    <message>
        <source>Paused</source>
        <translation>Duraklatıldı</translation>
    </message>
    <message>
        <source>No reminders on</source>
        <translation>Açık anımsatıcı yok</translation>
    </message>
    <message>
        <source>Next: %1, %2</source>
        <translation>Sıradaki: %1, %2</translation>
    </message>
    <message>
        <source>Today %1</source>
        <translation>bugün %1</translation>
    </message>
    <message>
        <source>Tomorrow %1</source>
        <translation>yarın %1</translation>
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
        <translation>Bu bildirimi kapat</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <source>Weekdays</source>
        <translation>Hafta içi</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Her gün</translation>
    </message>
    <message>
        <source>Weekends</source>
        <translation>Hafta sonu</translation>
    </message>
    <message>
        <source>No days chosen</source>
        <translation>Gün seçilmedi</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Paz</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Pzt</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Sal</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Çar</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Per</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Cum</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Cmt</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Adsız</translation>
    </message>
</context>
<context>
    <name>ReminderDelegate</name>
    <message>
        <source>This time is not valid, so the reminder never rings. Pick a time.</source>
        <translation>Bu saat geçerli değil, bu yüzden anımsatıcı hiç çalmaz. Bir saat seçin.</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>Ses yok</translation>
    </message>
    <message>
        <source>Has a website</source>
        <translation>Web sitesi var</translation>
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
        <translation>açık</translation>
    </message>
    <message>
        <source>off</source>
        <translation>kapalı</translation>
    </message>
    <message>
        <source>the time is not valid</source>
        <translation>saat geçerli değil</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>Take attendance</source>
        <translation>Yoklama al</translation>
    </message>
    <message>
        <source>Good morning! Time to take attendance.</source>
        <translation>Günaydın! Yoklama alma zamanı.</translation>
    </message>
    <message>
        <source>New reminder</source>
        <translation>Yeni anımsatıcı</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Reminders not saved: %1</source>
        <translation>Anımsatıcılar kaydedilmedi: %1</translation>
    </message>
    <message>
        <source>Pendrel, paused</source>
        <translation>Pendrel, duraklatıldı</translation>
    </message>
</context>
</TS>
