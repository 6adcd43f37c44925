<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AlertPanel</name>
    <message>
        <source>Reminder</source>
        <translation>Rappel</translation>
    </message>
</context>
<context>
    <name>AlertView</name>
    <message>
        <source>Snooze</source>
        <translation>Reporter</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 minutes</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 minutes</translation>
    </message>
    <message>
        <source>15 minutes</source>
        <translation>15 minutes</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Open website</source>
        <translation>Ouvrir le site web</translation>
    </message>
</context>
<context>
    <name>AppDelegate</name>
    <message>
        <source>Open Pendrel…</source>
        <translation>Ouvrir Pendrel…</translation>
    </message>
    <message>
        <source>Pause all reminders</source>
        <translation>Suspendre tous les rappels</translation>
    </message>
    <message>
        <source>Quit Pendrel</source>
        <translation>Quitter Pendrel</translation>
    </message>
    <message>
        <source>Pendrel keeps running</source>
        <translation>Pendrel continue de fonctionner</translation>
    </message>
    <message>
        <source>Your reminders still ring. The alarm clock in the tray opens Pendrel again.</source>
        <translation>Vos rappels sonnent toujours. Le réveil dans la zone de notification rouvre Pendrel.</translation>
    </message>
    <message>
        <source>Your reminders still ring. Start Pendrel again from the application menu to open this window; its Quit Pendrel button stops it.</source>
        <translation>Vos rappels sonnent toujours. Relancez Pendrel depuis le menu des applications pour ouvrir cette fenêtre&#xa0;; son bouton «&#xa0;Quitter Pendrel&#xa0;» l’arrête.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>print whether Pendrel starts at login, and exit</source>
        <translation>afficher si Pendrel se lance à l’ouverture de session, et quitter</translation>
    </message>
    <message>
        <source>open the manager window and, a second later, a silent demonstration pop-up</source>
        <translation>ouvrir la fenêtre de gestion puis, une seconde plus tard, une fenêtre de rappel de démonstration silencieuse</translation>
    </message>
    <message>
        <source>after a delay, save pictures of the open windows into FOLDER, then quit</source>
        <translation>après un délai, enregistrer des images des fenêtres ouvertes dans FOLDER, puis quitter</translation>
    </message>
    <message>
        <source>the delay for --snapshot (default 3)</source>
        <translation>le délai pour --snapshot (3 par défaut)</translation>
    </message>
    <message>
        <source>started at login: open no window, even where no tray shows Pendrel&apos;s icon or Pendrel already runs</source>
        <translation>lancé à l’ouverture de session&#xa0;: n’ouvrir aucune fenêtre, même si aucune zone de notification n’affiche l’icône de Pendrel ou si Pendrel est déjà lancé</translation>
    </message>
    <message>
        <source>print this help and exit</source>
        <translation>afficher cette aide et quitter</translation>
    </message>
    <message>
        <source>print the version and exit</source>
        <translation>afficher la version et quitter</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Utilisation&#xa0;:</translation>
    </message>
    <message>
        <source>Rings your recurring reminders from the system tray.</source>
        <translation>Fait sonner vos rappels récurrents depuis la zone de notification.</translation>
    </message>
    <message>
        <source>Other arguments are ignored. See pendrel(1).</source>
        <translation>Les autres arguments sont ignorés. Voir pendrel(1).</translation>
    </message>
</context>
<context>
    <name>EditorView</name>
    <message>
        <source>What</source>
        <translation>Quoi</translation>
    </message>
    <message>
        <source>Take attendance</source>
        <translation>Faire l’appel</translation>
    </message>
    <message>
        <source>Shown on the pop-up</source>
        <translation>Affiché dans la fenêtre du rappel</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Message (optional)</source>
        <translation>Message (facultatif)</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Quand</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
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
        <translation>Dimanche</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lundi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Mardi</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mercredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jeudi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Vendredi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samedi</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Jours</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>Aucun son</translation>
    </message>
    <message>
        <source>Keep chiming until I dismiss it</source>
        <translation>Sonner jusqu’à ce que je ferme le rappel</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Site web</translation>
    </message>
    <message>
        <source>example.com/agenda</source>
        <translation>example.com/agenda</translation>
    </message>
    <message>
        <source>Website (optional)</source>
        <translation>Site web (facultatif)</translation>
    </message>
    <message>
        <source>Open it automatically when the reminder fires</source>
        <translation>Ouvrir automatiquement au moment du rappel</translation>
    </message>
    <message>
        <source>The pop-up always has an Open website button too.</source>
        <translation>La fenêtre du rappel a toujours aussi un bouton «&#xa0;Ouvrir le site web&#xa0;».</translation>
    </message>
    <message>
        <source>This reminder is on</source>
        <translation>Ce rappel est activé</translation>
    </message>
    <message>
        <source>Test it now</source>
        <translation>Tester maintenant</translation>
    </message>
    <message>
        <source>This time is not valid, so the reminder never rings. Pick a time.</source>
        <translation>Cette heure n’est pas valide, le rappel ne sonnera donc jamais. Choisissez une heure.</translation>
    </message>
    <message>
        <source>This cannot be opened, so the pop-up has no Open website button.</source>
        <translation>Ceci ne peut pas être ouvert : la fenêtre de rappel n’aura pas de bouton « Ouvrir le site web ».</translation>
    </message>
</context>
<context>
    <name>ManagerView</name>
    <message>
        <source>Reminders</source>
        <translation>Rappels</translation>
    </message>
    <message>
        <source>Add reminder</source>
        <translation>Ajouter un rappel</translation>
    </message>
    <message>
        <source>Remove reminder</source>
        <translation>Supprimer le rappel</translation>
    </message>
    <message>
        <source>Pick a reminder on the left, or press + to add one.</source>
        <translation>Choisissez un rappel à gauche, ou appuyez sur + pour en ajouter un.</translation>
    </message>
    <message>
        <source>Start Pendrel when I log in</source>
        <translation>Lancer Pendrel à l’ouverture de session</translation>
    </message>
    <message>
        <source>Pause all reminders</source>
        <translation>Suspendre tous les rappels</translation>
    </message>
    <message>
        <source>Your reminders are not being saved: %1 cannot be written (%2). Pendrel keeps your changes and tries again.</source>
        <translation>Vos rappels ne sont pas enregistrés&#xa0;: impossible d’écrire %1 (%2). Pendrel garde vos modifications et réessaie.</translation>
    </message>
    <message>
        <source>%1 could not be read, so Pendrel shows a sample reminder. Your file is left as it is, and kept beside it before anything is saved.</source>
        <translation>Impossible de lire %1&#x202f;; Pendrel affiche donc un rappel d’exemple. Votre fichier reste tel quel et sera conservé à côté avant tout enregistrement.</translation>
    </message>
    <message>
        <source>Your reminders file could not be read; it was kept as %1.</source>
        <translation>Votre fichier de rappels était illisible&#x202f;; il a été conservé sous le nom %1.</translation>
    </message>
    <message>
        <source>Your reminders file was changed elsewhere while you changed the same reminder here; the other version was kept as %1.</source>
        <translation>Votre fichier de rappels a été modifié ailleurs pendant que vous modifiiez ici le même rappel&#x202f;; l’autre version a été conservée sous le nom %1.</translation>
    </message>
    <message>
        <source>The reminder was removed.</source>
        <translation>Le rappel a été supprimé.</translation>
    </message>
    <message>
        <source>“%1” was removed.</source>
        <translation>«&#xa0;%1&#xa0;» a été supprimé.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Quit Pendrel</source>
        <translation>Quitter Pendrel</translation>
    </message>
    <message>
        <source>Stops all reminders until Pendrel is started again</source>
        <translation>Arrête tous les rappels jusqu’au prochain lancement de Pendrel</translation>
    </message>
    <message>
        <source>“%1” was just changed elsewhere, on another computer or in the file; the form now shows it as it is there.</source>
        <translation>«&#xa0;%1&#xa0;» vient d’être modifié ailleurs, sur un autre ordinateur ou dans le fichier&#x202f;; le formulaire l’affiche maintenant tel qu’il est là-bas.</translation>
    </message>
    <message>
        <source>A sync tool left %1 next to your reminders, but it cannot be read as a reminders list. It was not merged and is left as it is.</source>
        <translation>Un outil de synchronisation a laissé %1 à côté de vos rappels, mais ce fichier ne peut pas être lu comme une liste de rappels. Il n’a pas été fusionné et reste tel quel.</translation>
    </message>
    <message>
        <source>“%1” was changed differently on another computer. Both now keep the version in %2; the other was kept as %3.</source>
        <translation>«&#xa0;%1&#xa0;» a été modifié différemment sur un autre ordinateur. Les deux ordinateurs gardent désormais la version de %2&#x202f;; l’autre a été conservée sous le nom %3.</translation>
    </message>
</context>
<context>
    <name>NextRing</name>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>No reminders on</source>
        <translation>Aucun rappel actif</translation>
    </message>
    <message>
        <source>Next: %1, %2</source>
        <translation>Prochain : %1, %2</translation>
    </message>
    <message>
        <source>Today %1</source>
        <translation>Aujourd’hui %1</translation>
    </message>
    <message>
        <source>Tomorrow %1</source>
        <translation>Demain %1</translation>
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
        <translation>Fermer cet avis</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <source>Weekdays</source>
        <translation>En semaine</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Tous les jours</translation>
    </message>
    <message>
        <source>Weekends</source>
        <translation>Le week-end</translation>
    </message>
    <message>
        <source>No days chosen</source>
        <translation>Aucun jour choisi</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>dim.</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>lun.</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>mar.</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>mer.</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>jeu.</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>ven.</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>sam.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
</context>
<context>
    <name>ReminderDelegate</name>
    <message>
        <source>This time is not valid, so the reminder never rings. Pick a time.</source>
        <translation>Cette heure n’est pas valide, le rappel ne sonnera donc jamais. Choisissez une heure.</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>Aucun son</translation>
    </message>
    <message>
        <source>Has a website</source>
        <translation>A un site web</translation>
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
        <translation>activé</translation>
    </message>
    <message>
        <source>off</source>
        <translation>désactivé</translation>
    </message>
    <message>
        <source>the time is not valid</source>
        <translation>l’heure n’est pas valide</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>Take attendance</source>
        <translation>Faire l’appel</translation>
    </message>
    <message>
        <source>Good morning! Time to take attendance.</source>
        <translation>Bonjour&#xa0;! C’est l’heure de faire l’appel.</translation>
    </message>
    <message>
        <source>New reminder</source>
        <translation>Nouveau rappel</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Reminders not saved: %1</source>
        <translation>Rappels non enregistrés&#xa0;: %1</translation>
    </message>
    <message>
        <source>Pendrel, paused</source>
        <translation>Pendrel, en pause</translation>
    </message>
</context>
</TS>
