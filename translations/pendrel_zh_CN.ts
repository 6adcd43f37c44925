<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AlertPanel</name>
    <message>
        <source>Reminder</source>
        <translation>提醒</translation>
    </message>
</context>
<context>
    <name>AlertView</name>
    <message>
        <source>Snooze</source>
        <translation>稍后提醒</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 分钟</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 分钟</translation>
    </message>
    <message>
        <source>15 minutes</source>
        <translation>15 分钟</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Open website</source>
        <translation>打开网站</translation>
    </message>
</context>
<context>
    <name>AppDelegate</name>
    <message>
        <source>Open Pendrel…</source>
        <translation>打开 Pendrel…</translation>
    </message>
    <message>
        <source>Pause all reminders</source>
        <translation>暂停所有提醒</translation>
    </message>
    <message>
        <source>Quit Pendrel</source>
        <translation>退出 Pendrel</translation>
    </message>
    <message>
        <source>Pendrel keeps running</source>
        <translation>Pendrel 仍在运行</translation>
    </message>
    <message>
        <source>Your reminders still ring. The alarm clock in the tray opens Pendrel again.</source>
        <translation>您的提醒仍会响起。点击系统托盘中的闹钟可再次打开 Pendrel。</translation>
    </message>
    <message>
        <source>Your reminders still ring. Start Pendrel again from the application menu to open this window; its Quit Pendrel button stops it.</source>
        <translation>您的提醒仍会响起。从应用程序菜单再次启动 Pendrel 即可打开此窗口；窗口中的“退出 Pendrel”按钮可将其停止。</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>print whether Pendrel starts at login, and exit</source>
        <translation>显示 Pendrel 是否在登录时启动，然后退出</translation>
    </message>
    <message>
        <source>open the manager window and, a second later, a silent demonstration pop-up</source>
        <translation>打开管理窗口，一秒后再打开一个无声的演示弹窗</translation>
    </message>
    <message>
        <source>after a delay, save pictures of the open windows into FOLDER, then quit</source>
        <translation>等待片刻后将打开的窗口截图保存到 FOLDER 并退出</translation>
    </message>
    <message>
        <source>the delay for --snapshot (default 3)</source>
        <translation>--snapshot 的等待秒数（默认为 3）</translation>
    </message>
    <message>
        <source>started at login: open no window, even where no tray shows Pendrel&apos;s icon or Pendrel already runs</source>
        <translation>登录时启动：不打开窗口，即使没有托盘图标或已在运行</translation>
    </message>
    <message>
        <source>print this help and exit</source>
        <translation>显示此帮助信息并退出</translation>
    </message>
    <message>
        <source>print the version and exit</source>
        <translation>显示版本信息并退出</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>用法：</translation>
    </message>
    <message>
        <source>Rings your recurring reminders from the system tray.</source>
        <translation>在系统托盘中响起您的周期性提醒。</translation>
    </message>
    <message>
        <source>Other arguments are ignored. See pendrel(1).</source>
        <translation>其他参数将被忽略。参见 pendrel(1)。</translation>
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
        <translation>点名</translation>
    </message>
    <message>
        <source>Shown on the pop-up</source>
        <translation>显示在弹窗中</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Message (optional)</source>
        <translation>消息（可选）</translation>
    </message>
    <message>
        <source>When</source>
        <translation>何时</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>S</source>
        <comment>Sunday</comment>
        <translation>日</translation>
    </message>
    <message>
        <source>M</source>
        <comment>Monday</comment>
        <translation>一</translation>
    </message>
    <message>
        <source>T</source>
        <comment>Tuesday</comment>
        <translation>二</translation>
    </message>
    <message>
        <source>W</source>
        <comment>Wednesday</comment>
        <translation>三</translation>
    </message>
    <message>
        <source>T</source>
        <comment>Thursday</comment>
        <translation>四</translation>
    </message>
    <message>
        <source>F</source>
        <comment>Friday</comment>
        <translation>五</translation>
    </message>
    <message>
        <source>S</source>
        <comment>Saturday</comment>
        <translation>六</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>星期日</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>星期一</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>星期二</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>星期三</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>星期四</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>星期五</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>星期六</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>星期</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>声音</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>无声音</translation>
    </message>
    <message>
        <source>Keep chiming until I dismiss it</source>
        <translation>持续响铃，直到我关闭提醒</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>网站</translation>
    </message>
    <message>
        <source>example.com/agenda</source>
        <translation>example.com/agenda</translation>
    </message>
    <message>
        <source>Website (optional)</source>
        <translation>网站（可选）</translation>
    </message>
    <message>
        <source>Open it automatically when the reminder fires</source>
        <translation>提醒响起时自动打开网站</translation>
    </message>
    <message>
        <source>The pop-up always has an Open website button too.</source>
        <translation>弹窗中也始终有“打开网站”按钮。</translation>
    </message>
    <message>
        <source>This reminder is on</source>
        <translation>启用此提醒</translation>
    </message>
    <message>
        <source>Test it now</source>
        <translation>立即测试</translation>
    </message>
    <message>
        <source>This time is not valid, so the reminder never rings. Pick a time.</source>
        <translation>此时间无效，因此该提醒永远不会响起。请选择一个时间。</translation>
    </message>
    <message>
        <source>This cannot be opened, so the pop-up has no Open website button.</source>
        <translation>无法打开此地址，因此弹窗中没有“打开网站”按钮。</translation>
    </message>
</context>
<context>
    <name>ManagerView</name>
    <message>
        <source>Reminders</source>
        <translation>提醒</translation>
    </message>
    <message>
        <source>Add reminder</source>
        <translation>添加提醒</translation>
    </message>
    <message>
        <source>Remove reminder</source>
        <translation>删除提醒</translation>
    </message>
    <message>
        <source>Pick a reminder on the left, or press + to add one.</source>
        <translation>在左侧选择一个提醒，或按 + 添加新提醒。</translation>
    </message>
    <message>
        <source>Start Pendrel when I log in</source>
        <translation>登录时启动 Pendrel</translation>
    </message>
    <message>
        <source>Pause all reminders</source>
        <translation>暂停所有提醒</translation>
    </message>
    <message>
        <source>Your reminders are not being saved: %1 cannot be written (%2). Pendrel keeps your changes and tries again.</source>
        <translation>您的提醒未能保存：无法写入 %1（%2）。Pendrel 会保留您的更改并重试。</translation>
    </message>
    <message>
        <source>%1 could not be read, so Pendrel shows a sample reminder. Your file is left as it is, and kept beside it before anything is saved.</source>
        <translation>无法读取 %1，因此 Pendrel 显示了一个示例提醒。您的文件保持原样，并会在保存任何内容之前以另一个名称保留在它旁边。</translation>
    </message>
    <message>
        <source>Your reminders file could not be read; it was kept as %1.</source>
        <translation>无法读取您的提醒文件；已将其保留为 %1。</translation>
    </message>
    <message>
        <source>Your reminders file was changed elsewhere while you changed the same reminder here; the other version was kept as %1.</source>
        <translation>在您于此处修改某个提醒的同时，提醒文件中的同一提醒在别处被更改；另一版本已保留为 %1。</translation>
    </message>
    <message>
        <source>The reminder was removed.</source>
        <translation>提醒已删除。</translation>
    </message>
    <message>
        <source>“%1” was removed.</source>
        <translation>“%1”已删除。</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Quit Pendrel</source>
        <translation>退出 Pendrel</translation>
    </message>
    <message>
        <source>Stops all reminders until Pendrel is started again</source>
        <translation>停止所有提醒，直到再次启动 Pendrel</translation>
    </message>
    <message>
        <source>“%1” was just changed elsewhere, on another computer or in the file; the form now shows it as it is there.</source>
        <translation>“%1”刚刚在别处（另一台电脑上或文件中）被更改；表单现在显示的是它在那里的样子。</translation>
    </message>
    <message>
        <source>A sync tool left %1 next to your reminders, but it cannot be read as a reminders list. It was not merged and is left as it is.</source>
        <translation>同步工具在您的提醒旁边留下了 %1，但无法将其作为提醒列表读取。该文件未被合并，保持原样。</translation>
    </message>
    <message>
        <source>“%1” was changed differently on another computer. Both now keep the version in %2; the other was kept as %3.</source>
        <translation>“%1”在另一台电脑上被改成了不同的内容。现在两台电脑都采用 %2 中的版本；另一版本已保留为 %3。</translation>
    </message>
</context>
<context>
    <name>NextRing</name>
    <message>
        <source>Paused</source>
        <translation>已暂停</translation>
    </message>
    <message>
        <source>No reminders on</source>
        <translation>没有已启用的提醒</translation>
    </message>
    <message>
        <source>Next: %1, %2</source>
        <translation>下次提醒：%1，%2</translation>
    </message>
    <message>
        <source>Today %1</source>
        <translation>今天 %1</translation>
    </message>
    <message>
        <source>Tomorrow %1</source>
        <translation>明天 %1</translation>
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
        <translation>关闭此通知</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <source>Weekdays</source>
        <translation>工作日</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>每天</translation>
    </message>
    <message>
        <source>Weekends</source>
        <translation>周末</translation>
    </message>
    <message>
        <source>No days chosen</source>
        <translation>未选择日期</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>周日</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>周一</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>周二</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>周三</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>周四</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>周五</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>周六</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>无标题</translation>
    </message>
</context>
<context>
    <name>ReminderDelegate</name>
    <message>
        <source>This time is not valid, so the reminder never rings. Pick a time.</source>
        <translation>此时间无效，因此该提醒永远不会响起。请选择一个时间。</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>无声音</translation>
    </message>
    <message>
        <source>Has a website</source>
        <translation>有网站</translation>
    </message>
</context>
<context>
    <name>ReminderListModel</name>
    <message>
        <source>%1, %2, %3, %4</source>
        <translation>%1，%2，%3，%4</translation>
    </message>
    <message>
        <source>on</source>
        <translation>已启用</translation>
    </message>
    <message>
        <source>off</source>
        <translation>已停用</translation>
    </message>
    <message>
        <source>the time is not valid</source>
        <translation>时间无效</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>Take attendance</source>
        <translation>点名</translation>
    </message>
    <message>
        <source>Good morning! Time to take attendance.</source>
        <translation>早上好！该点名了。</translation>
    </message>
    <message>
        <source>New reminder</source>
        <translation>新提醒</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Reminders not saved: %1</source>
        <translation>提醒未保存：%1</translation>
    </message>
    <message>
        <source>Pendrel, paused</source>
        <translation>Pendrel（已暂停）</translation>
    </message>
</context>
</TS>
