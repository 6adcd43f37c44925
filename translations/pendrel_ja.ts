<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AlertPanel</name>
    <message>
        <source>Reminder</source>
        <translation>リマインダー</translation>
    </message>
</context>
<context>
    <name>AlertView</name>
    <message>
        <source>Snooze</source>
        <translation>スヌーズ</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 分</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 分</translation>
    </message>
    <message>
        <source>15 minutes</source>
        <translation>15 分</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Open website</source>
        <translation>Web サイトを開く</translation>
    </message>
</context>
<context>
    <name>AppDelegate</name>
    <message>
        <source>Open Pendrel…</source>
        <translation>Pendrel を開く…</translation>
    </message>
    <message>
        <source>Pause all reminders</source>
        <translation>すべてのリマインダーを一時停止</translation>
    </message>
    <message>
        <source>Quit Pendrel</source>
        <translation>Pendrel を終了</translation>
    </message>
    <message>
        <source>Pendrel keeps running</source>
        <translation>Pendrel は動作を続けます</translation>
    </message>
    <message>
        <source>Your reminders still ring. The alarm clock in the tray opens Pendrel again.</source>
        <translation>リマインダーは引き続き鳴ります。トレイの目覚まし時計から Pendrel をもう一度開けます。</translation>
    </message>
    <message>
        <source>Your reminders still ring. Start Pendrel again from the application menu to open this window; its Quit Pendrel button stops it.</source>
        <translation>リマインダーは引き続き鳴ります。このウィンドウはアプリケーションメニューから Pendrel をもう一度起動すると開きます。「Pendrel を終了」ボタンで終了できます。</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>print whether Pendrel starts at login, and exit</source>
        <translation>ログイン時に起動するかどうかを表示して終了する</translation>
    </message>
    <message>
        <source>open the manager window and, a second later, a silent demonstration pop-up</source>
        <translation>管理ウィンドウを開き、1 秒後に無音のデモを表示する</translation>
    </message>
    <message>
        <source>after a delay, save pictures of the open windows into FOLDER, then quit</source>
        <translation>待機後、ウィンドウの画像を FOLDER に保存して終了する</translation>
    </message>
    <message>
        <source>the delay for --snapshot (default 3)</source>
        <translation>--snapshot の待ち時間 (既定値 3)</translation>
    </message>
    <message>
        <source>started at login: open no window, even where no tray shows Pendrel&apos;s icon or Pendrel already runs</source>
        <translation>ログイン時: トレイ不在や実行中もウィンドウを開かない</translation>
    </message>
    <message>
        <source>print this help and exit</source>
        <translation>このヘルプを表示して終了する</translation>
    </message>
    <message>
        <source>print the version and exit</source>
        <translation>バージョンを表示して終了する</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>使用法:</translation>
    </message>
    <message>
        <source>Rings your recurring reminders from the system tray.</source>
        <translation>繰り返しのリマインダーをトレイから鳴らします。</translation>
    </message>
    <message>
        <source>Other arguments are ignored. See pendrel(1).</source>
        <translation>その他の引数は無視されます。pendrel(1) を参照してください。</translation>
    </message>
</context>
<context>
    <name>EditorView</name>
    <message>
        <source>What</source>
        <translation>内容</translation>
    </message>
    <message>
        <source>Take attendance</source>
        <translation>出欠を取る</translation>
    </message>
    <message>
        <source>Shown on the pop-up</source>
        <translation>ポップアップに表示されます</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Message (optional)</source>
        <translation>メッセージ (任意)</translation>
    </message>
    <message>
        <source>When</source>
        <translation>日時</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時刻</translation>
    </message>
    <message>
        <source>S</source>
        <comment>Sunday</comment>
        <translation>日</translation>
    </message>
    <message>
        <source>M</source>
        <comment>Monday</comment>
        <translation>月</translation>
    </message>
    <message>
        <source>T</source>
        <comment>Tuesday</comment>
        <translation>火</translation>
    </message>
    <message>
        <source>W</source>
        <comment>Wednesday</comment>
        <translation>水</translation>
    </message>
    <message>
        <source>T</source>
        <comment>Thursday</comment>
        <translation>木</translation>
    </message>
    <message>
        <source>F</source>
        <comment>Friday</comment>
        <translation>金</translation>
    </message>
    <message>
        <source>S</source>
        <comment>Saturday</comment>
        <translation>土</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>日曜日</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>月曜日</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>火曜日</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>水曜日</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>木曜日</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>金曜日</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>土曜日</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>曜日</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>サウンド</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>サウンドなし</translation>
    </message>
    <message>
        <source>Keep chiming until I dismiss it</source>
        <translation>閉じるまで鳴らし続ける</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Web サイト</translation>
    </message>
    <message>
        <source>example.com/agenda</source>
        <translation>example.com/agenda</translation>
    </message>
    <message>
        <source>Website (optional)</source>
        <translation>Web サイト (任意)</translation>
    </message>
    <message>
        <source>Open it automatically when the reminder fires</source>
        <translation>リマインダーの時刻に自動的に開く</translation>
    </message>
    <message>
        <source>The pop-up always has an Open website button too.</source>
        <translation>ポップアップには常に「Web サイトを開く」ボタンもあります。</translation>
    </message>
    <message>
        <source>This reminder is on</source>
        <translation>このリマインダーを有効にする</translation>
    </message>
    <message>
        <source>Test it now</source>
        <translation>今すぐテスト</translation>
    </message>
    <message>
        <source>This time is not valid, so the reminder never rings. Pick a time.</source>
        <translation>この時刻は無効なため、リマインダーは鳴りません。時刻を選んでください。</translation>
    </message>
    <message>
        <source>This cannot be opened, so the pop-up has no Open website button.</source>
        <translation>これは開けないため、ポップアップに「Web サイトを開く」ボタンは表示されません。</translation>
    </message>
</context>
<context>
    <name>ManagerView</name>
    <message>
        <source>Reminders</source>
        <translation>リマインダー</translation>
    </message>
    <message>
        <source>Add reminder</source>
        <translation>リマインダーを追加</translation>
    </message>
    <message>
        <source>Remove reminder</source>
        <translation>リマインダーを削除</translation>
    </message>
    <message>
        <source>Pick a reminder on the left, or press + to add one.</source>
        <translation>左のリマインダーを選ぶか、+ を押して追加してください。</translation>
    </message>
    <message>
        <source>Start Pendrel when I log in</source>
        <translation>ログイン時に Pendrel を起動</translation>
    </message>
    <message>
        <source>Pause all reminders</source>
        <translation>すべてのリマインダーを一時停止</translation>
    </message>
    <message>
        <source>Your reminders are not being saved: %1 cannot be written (%2). Pendrel keeps your changes and tries again.</source>
        <translation>リマインダーが保存されていません: %1 に書き込めません (%2)。変更は Pendrel が保持し、保存を再試行します。</translation>
    </message>
    <message>
        <source>%1 could not be read, so Pendrel shows a sample reminder. Your file is left as it is, and kept beside it before anything is saved.</source>
        <translation>%1 を読み込めなかったため、サンプルのリマインダーを表示しています。ファイルはそのまま残り、保存の前に隣へ控えとして残されます。</translation>
    </message>
    <message>
        <source>Your reminders file could not be read; it was kept as %1.</source>
        <translation>リマインダーのファイルを読み込めなかったため、%1 として残しました。</translation>
    </message>
    <message>
        <source>Your reminders file was changed elsewhere while you changed the same reminder here; the other version was kept as %1.</source>
        <translation>ここで同じリマインダーを変更している間に、ファイルが別の場所で変更されました。もう一方の版は %1 として残しました。</translation>
    </message>
    <message>
        <source>The reminder was removed.</source>
        <translation>リマインダーを削除しました。</translation>
    </message>
    <message>
        <source>“%1” was removed.</source>
        <translation>「%1」を削除しました。</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Quit Pendrel</source>
        <translation>Pendrel を終了</translation>
    </message>
    <message>
        <source>Stops all reminders until Pendrel is started again</source>
        <translation>Pendrel を再び起動するまで、すべてのリマインダーを止めます</translation>
    </message>
    <message>
        <source>“%1” was just changed elsewhere, on another computer or in the file; the form now shows it as it is there.</source>
        <translation>「%1」が今、別の場所 (別のコンピューターまたはファイル) で変更されました。フォームにはそちらの現在の内容を表示しています。</translation>
    </message>
    <message>
        <source>A sync tool left %1 next to your reminders, but it cannot be read as a reminders list. It was not merged and is left as it is.</source>
        <translation>同期ツールがリマインダーの隣に %1 を残しましたが、リマインダーのリストとして読み込めません。統合せず、そのまま残しています。</translation>
    </message>
    <message>
        <source>“%1” was changed differently on another computer. Both now keep the version in %2; the other was kept as %3.</source>
        <translation>「%1」が別のコンピューターで異なる内容に変更されました。両方のコンピューターで %2 の版を保持します。もう一方の版は %3 として残しました。</translation>
    </message>
</context>
<context>
    <name>NextRing</name>
    <message>
        <source>Paused</source>
        <translation>一時停止中</translation>
    </message>
    <message>
        <source>No reminders on</source>
        <translation>有効なリマインダーはありません</translation>
    </message>
    <message>
        <source>Next: %1, %2</source>
        <translation>次: %1、%2</translation>
    </message>
    <message>
        <source>Today %1</source>
        <translation>今日 %1</translation>
    </message>
    <message>
        <source>Tomorrow %1</source>
        <translation>明日 %1</translation>
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
        <translation>この通知を閉じる</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <source>Weekdays</source>
        <translation>平日</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>毎日</translation>
    </message>
    <message>
        <source>Weekends</source>
        <translation>週末</translation>
    </message>
    <message>
        <source>No days chosen</source>
        <translation>曜日が未選択</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>日</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>火</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>水</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>木</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>金</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>土</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>無題</translation>
    </message>
</context>
<context>
    <name>ReminderDelegate</name>
    <message>
        <source>This time is not valid, so the reminder never rings. Pick a time.</source>
        <translation>この時刻は無効なため、リマインダーは鳴りません。時刻を選んでください。</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>サウンドなし</translation>
    </message>
    <message>
        <source>Has a website</source>
        <translation>Web サイトあり</translation>
    </message>
</context>
<context>
    <name>ReminderListModel</name>
    <message>
        <source>%1, %2, %3, %4</source>
        <translation>%1、%2、%3、%4</translation>
    </message>
    <message>
        <source>on</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>the time is not valid</source>
        <translation>時刻が無効です</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>Take attendance</source>
        <translation>出欠を取る</translation>
    </message>
    <message>
        <source>Good morning! Time to take attendance.</source>
        <translation>おはようございます！出欠を取る時間です。</translation>
    </message>
    <message>
        <source>New reminder</source>
        <translation>新しいリマインダー</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Reminders not saved: %1</source>
        <translation>リマインダー未保存: %1</translation>
    </message>
    <message>
        <source>Pendrel, paused</source>
        <translation>Pendrel (一時停止中)</translation>
    </message>
</context>
</TS>
