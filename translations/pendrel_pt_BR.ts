<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AlertPanel</name>
    <message>
        <source>Reminder</source>
        <translation>Lembrete</translation>
    </message>
</context>
<context>
    <name>AlertView</name>
    <message>
        <source>Snooze</source>
        <translation>Adiar</translation>
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
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Open website</source>
        <translation>Abrir site</translation>
    </message>
</context>
<context>
    <name>AppDelegate</name>
    <message>
        <source>Open Pendrel…</source>
        <translation>Abrir o Pendrel…</translation>
    </message>
    <message>
        <source>Pause all reminders</source>
        <translation>Pausar todos os lembretes</translation>
    </message>
    <message>
        <source>Quit Pendrel</source>
        <translation>Sair do Pendrel</translation>
    </message>
    <message>
        <source>Pendrel keeps running</source>
        <translation>O Pendrel continua em execução</translation>
    </message>
    <message>
        <source>Your reminders still ring. The alarm clock in the tray opens Pendrel again.</source>
        <translation>Seus lembretes continuam tocando. O despertador na bandeja do sistema abre o Pendrel novamente.</translation>
    </message>
    <message>
        <source>Your reminders still ring. Start Pendrel again from the application menu to open this window; its Quit Pendrel button stops it.</source>
        <translation>Seus lembretes continuam tocando. Para abrir esta janela, inicie o Pendrel novamente pelo menu de aplicativos; o botão “Sair do Pendrel” nela encerra o programa.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>print whether Pendrel starts at login, and exit</source>
        <translation>informa se o Pendrel abre ao iniciar a sessão e sai</translation>
    </message>
    <message>
        <source>open the manager window and, a second later, a silent demonstration pop-up</source>
        <translation>abre a janela de gerenciamento e, um segundo depois, um pop-up de demonstração sem som</translation>
    </message>
    <message>
        <source>after a delay, save pictures of the open windows into FOLDER, then quit</source>
        <translation>após uma espera, salva imagens das janelas abertas em FOLDER e sai</translation>
    </message>
    <message>
        <source>the delay for --snapshot (default 3)</source>
        <translation>a espera para --snapshot (padrão: 3)</translation>
    </message>
    <message>
        <source>started at login: open no window, even where no tray shows Pendrel&apos;s icon or Pendrel already runs</source>
        <translation>aberto ao iniciar a sessão: não abre nenhuma janela, mesmo quando nenhuma bandeja do sistema mostra o ícone do Pendrel ou o Pendrel já está em execução</translation>
    </message>
    <message>
        <source>print this help and exit</source>
        <translation>mostra esta ajuda e sai</translation>
    </message>
    <message>
        <source>print the version and exit</source>
        <translation>mostra a versão e sai</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Uso:</translation>
    </message>
    <message>
        <source>Rings your recurring reminders from the system tray.</source>
        <translation>Toca seus lembretes recorrentes a partir da bandeja do sistema.</translation>
    </message>
    <message>
        <source>Other arguments are ignored. See pendrel(1).</source>
        <translation>Outros argumentos são ignorados. Veja pendrel(1).</translation>
    </message>
</context>
<context>
    <name>EditorView</name>
    <message>
        <source>What</source>
        <translation>O quê</translation>
    </message>
    <message>
        <source>Take attendance</source>
        <translation>Fazer a chamada</translation>
    </message>
    <message>
        <source>Shown on the pop-up</source>
        <translation>Exibida no pop-up</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Message (optional)</source>
        <translation>Mensagem (opcional)</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Quando</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Horário</translation>
    </message>
    <message>
        <source>S</source>
        <comment>Sunday</comment>
        <translation>D</translation>
    </message>
    <message>
        <source>M</source>
        <comment>Monday</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>T</source>
        <comment>Tuesday</comment>
        <translation>T</translation>
    </message>
    <message>
        <source>W</source>
        <comment>Wednesday</comment>
        <translation>Q</translation>
    </message>
    <message>
        <source>T</source>
        <comment>Thursday</comment>
        <translation>Q</translation>
    </message>
    <message>
        <source>F</source>
        <comment>Friday</comment>
        <translation>S</translation>
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
        <translation>Segunda-feira</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Terça-feira</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Quarta-feira</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Quinta-feira</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Sexta-feira</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sábado</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Dias</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>Sem som</translation>
    </message>
    <message>
        <source>Keep chiming until I dismiss it</source>
        <translation>Continuar tocando até eu dispensar o lembrete</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>example.com/agenda</source>
        <translation>example.com/agenda</translation>
    </message>
    <message>
        <source>Website (optional)</source>
        <translation>Site (opcional)</translation>
    </message>
    <message>
        <source>Open it automatically when the reminder fires</source>
        <translation>Abrir automaticamente quando o lembrete tocar</translation>
    </message>
    <message>
        <source>The pop-up always has an Open website button too.</source>
        <translation>O pop-up também tem sempre um botão “Abrir site”.</translation>
    </message>
    <message>
        <source>This reminder is on</source>
        <translation>Este lembrete está ativado</translation>
    </message>
    <message>
        <source>Test it now</source>
        <translation>Testar agora</translation>
    </message>
    <message>
        <source>This time is not valid, so the reminder never rings. Pick a time.</source>
        <translation>Este horário não é válido, então o lembrete nunca toca. Escolha um horário.</translation>
    </message>
    <message>
        <source>This cannot be opened, so the pop-up has no Open website button.</source>
        <translation>Isto não pode ser aberto, então o pop-up não tem o botão “Abrir site”.</translation>
    </message>
</context>
<context>
    <name>ManagerView</name>
    <message>
        <source>Reminders</source>
        <translation>Lembretes</translation>
    </message>
    <message>
        <source>Add reminder</source>
        <translation>Adicionar lembrete</translation>
    </message>
    <message>
        <source>Remove reminder</source>
        <translation>Remover lembrete</translation>
    </message>
    <message>
        <source>Pick a reminder on the left, or press + to add one.</source>
        <translation>Escolha um lembrete à esquerda ou pressione + para adicionar um.</translation>
    </message>
    <message>
        <source>Start Pendrel when I log in</source>
        <translation>Abrir o Pendrel ao iniciar a sessão</translation>
    </message>
    <message>
        <source>Pause all reminders</source>
        <translation>Pausar todos os lembretes</translation>
    </message>
    <message>
        <source>Your reminders are not being saved: %1 cannot be written (%2). Pendrel keeps your changes and tries again.</source>
        <translation>Seus lembretes não estão sendo salvos: não é possível gravar %1 (%2). O Pendrel mantém suas alterações e tenta novamente.</translation>
    </message>
    <message>
        <source>%1 could not be read, so Pendrel shows a sample reminder. Your file is left as it is, and kept beside it before anything is saved.</source>
        <translation>Não foi possível ler %1, então o Pendrel mostra um lembrete de exemplo. Seu arquivo fica como está e será guardado ao lado, com outro nome, antes que algo seja salvo.</translation>
    </message>
    <message>
        <source>Your reminders file could not be read; it was kept as %1.</source>
        <translation>Não foi possível ler seu arquivo de lembretes; ele foi guardado como %1.</translation>
    </message>
    <message>
        <source>Your reminders file was changed elsewhere while you changed the same reminder here; the other version was kept as %1.</source>
        <translation>Seu arquivo de lembretes foi alterado em outro lugar enquanto você alterava o mesmo lembrete aqui; a outra versão foi guardada como %1.</translation>
    </message>
    <message>
        <source>The reminder was removed.</source>
        <translation>O lembrete foi removido.</translation>
    </message>
    <message>
        <source>“%1” was removed.</source>
        <translation>“%1” foi removido.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Quit Pendrel</source>
        <translation>Sair do Pendrel</translation>
    </message>
    <message>
        <source>Stops all reminders until Pendrel is started again</source>
        <translation>Interrompe todos os lembretes até que o Pendrel seja iniciado novamente</translation>
    </message>
    <message>
        <source>“%1” was just changed elsewhere, on another computer or in the file; the form now shows it as it is there.</source>
        <translation>“%1” acabou de ser alterado em outro lugar, em outro computador ou no arquivo; o formulário agora o mostra como está lá.</translation>
    </message>
    <message>
        <source>A sync tool left %1 next to your reminders, but it cannot be read as a reminders list. It was not merged and is left as it is.</source>
        <translation>Uma ferramenta de sincronização deixou %1 ao lado dos seus lembretes, mas não é possível lê-lo como uma lista de lembretes. Ele não foi mesclado e fica como está.</translation>
    </message>
    <message>
        <source>“%1” was changed differently on another computer. Both now keep the version in %2; the other was kept as %3.</source>
        <translation>“%1” foi alterado de forma diferente em outro computador. Agora os dois computadores ficam com a versão em %2; a outra foi guardada como %3.</translation>
    </message>
</context>
<context>
    <name>NextRing</name>
    <message>
        <source>Paused</source>
        <translation>Pausado</translation>
    </message>
    <message>
        <source>No reminders on</source>
        <translation>Nenhum lembrete ativado</translation>
    </message>
    <message>
        <source>Next: %1, %2</source>
        <translation>Próximo: %2 — %1</translation>
    </message>
    <message>
        <source>Today %1</source>
        <translation>hoje às %1</translation>
    </message>
    <message>
        <source>Tomorrow %1</source>
        <translation>amanhã às %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>weekday and time</comment>
        <translation>%1 às %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>date and time</comment>
        <translation>%1 às %2</translation>
    </message>
</context>
<context>
    <name>NoticeBar</name>
    <message>
        <source>Close this notice</source>
        <translation>Fechar este aviso</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <source>Weekdays</source>
        <translation>Dias úteis</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Todos os dias</translation>
    </message>
    <message>
        <source>Weekends</source>
        <translation>Fins de semana</translation>
    </message>
    <message>
        <source>No days chosen</source>
        <translation>Nenhum dia escolhido</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Dom</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Seg</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Ter</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Qua</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Qui</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Sex</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sáb</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sem título</translation>
    </message>
</context>
<context>
    <name>ReminderDelegate</name>
    <message>
        <source>This time is not valid, so the reminder never rings. Pick a time.</source>
        <translation>Este horário não é válido, então o lembrete nunca toca. Escolha um horário.</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>Sem som</translation>
    </message>
    <message>
        <source>Has a website</source>
        <translation>Tem um site</translation>
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
        <translation>ativado</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desativado</translation>
    </message>
    <message>
        <source>the time is not valid</source>
        <translation>o horário não é válido</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>Take attendance</source>
        <translation>Fazer a chamada</translation>
    </message>
    <message>
        <source>Good morning! Time to take attendance.</source>
        <translation>Bom dia! Hora de fazer a chamada.</translation>
    </message>
    <message>
        <source>New reminder</source>
        <translation>Novo lembrete</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Reminders not saved: %1</source>
        <translation>Lembretes não salvos: %1</translation>
    </message>
    <message>
        <source>Pendrel, paused</source>
        <translation>Pendrel, pausado</translation>
    </message>
</context>
</TS>
