<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>DesktopApps</name>
    <message>
        <source>could not start %1</source>
        <translation>impossible de lancer %1</translation>
    </message>
    <message>
        <source>“%1” has no command to run</source>
        <translation>«&#xa0;%1&#xa0;» n’a aucune commande à exécuter</translation>
    </message>
    <message>
        <source>“%1” is not an application</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une application</translation>
    </message>
    <message>
        <source>could not start “%1”</source>
        <translation>impossible de lancer «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>FileTree</name>
    <message>
        <source>could not delete %1</source>
        <extracomment>%1 lists the items that stay.</extracomment>
        <translation>impossible de supprimer %1</translation>
    </message>
</context>
<context>
    <name>GnomeShortcuts</name>
    <message>
        <source>GNOME&apos;s keyboard settings are not installed</source>
        <translation>les paramètres clavier de GNOME ne sont pas installés</translation>
    </message>
    <message>
        <source>GNOME&apos;s keyboard settings cannot be changed (they are locked)</source>
        <translation>les paramètres clavier de GNOME ne peuvent pas être modifiés (ils sont verrouillés)</translation>
    </message>
</context>
<context>
    <name>HotKeyAdvice</name>
    <message>
        <source>“%1”</source>
        <extracomment>Quotes around a command to type: “zarvo --toggle”.</extracomment>
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>another app</source>
        <extracomment>Who holds a key: &quot;Super+R is used by another app&quot;.</extracomment>
        <translation>une autre application</translation>
    </message>
    <message>
        <source>This is a Wayland session: %1 reaches Zarvo only while an X11 app is in front. Bind %2 to it in %3, or choose another key in Zarvo&apos;s Settings.</source>
        <extracomment>%1 is a key (&quot;Super+R&quot;), %2 a command, %3 where the desktop binds keys (&quot;Settings › Keyboard&quot;).</extracomment>
        <translation>Ceci est une session Wayland&#xa0;: %1 n’atteint Zarvo que lorsqu’une application X11 est au premier plan. Associez %2 à cette touche dans %3, ou choisissez une autre touche dans les paramètres de Zarvo.</translation>
    </message>
    <message>
        <source>%1 is used by %2, so it does not open Zarvo. Choose another key in Zarvo&apos;s Settings, or bind %3 to a key in %4.</source>
        <extracomment>%1 is a key (&quot;Super+R&quot;), %2 who uses it (&quot;Xfce&quot;, &quot;another app&quot;), %3 a command, %4 where the desktop binds keys.</extracomment>
        <translation>%1 est pris par %2 et n’ouvre donc pas Zarvo. Choisissez une autre touche dans les paramètres de Zarvo, ou associez %3 à une touche dans %4.</translation>
    </message>
    <message>
        <source>%1 works only in X11 apps</source>
        <extracomment>%1 is a key (&quot;Super+R&quot;).</extracomment>
        <translation>%1 ne fonctionne que dans les apps X11</translation>
    </message>
    <message>
        <source>%1 is used by %2</source>
        <extracomment>%1 is a key (&quot;Super+R&quot;), %2 who uses it (&quot;Xfce&quot;, &quot;another app&quot;).</extracomment>
        <translation>%1 est pris par %2</translation>
    </message>
    <message>
        <source>Let %1 Open Zarvo with %2…</source>
        <extracomment>A button. %1 is the desktop (&quot;Xfce&quot;, &quot;GNOME&quot;), %2 a key (&quot;Super+R&quot;).</extracomment>
        <translation>Laisser %1 ouvrir Zarvo avec %2…</translation>
    </message>
    <message>
        <source>Zarvo will add a keyboard shortcut to %1&apos;s settings: %2 runs %3. What %1 did with %2 until now stops. You can change it back in %4.</source>
        <extracomment>%1 is the desktop (&quot;Xfce&quot;), %2 a key (&quot;Super+R&quot;), %3 a command, %4 where the desktop binds keys.</extracomment>
        <translation>Zarvo va ajouter un raccourci clavier aux paramètres de %1&#xa0;: %2 lancera %3. Ce que %1 faisait jusqu’ici avec %2 cessera. Vous pourrez revenir en arrière dans %4.</translation>
    </message>
    <message>
        <source>Zarvo runs in the background. Press %1, or bind %2 in %3.</source>
        <extracomment>%1 is a key (&quot;Super+R&quot;), %2 a command, %3 where the desktop binds keys.</extracomment>
        <translation>Zarvo fonctionne en arrière-plan. Appuyez sur %1, ou associez %2 à une touche dans %3.</translation>
    </message>
    <message>
        <source>Zarvo runs in the background. Bind %1 in %2, or choose another key in Zarvo&apos;s Settings (%3).</source>
        <extracomment>%1 is a command, %2 where the desktop binds keys, %3 the command that opens the settings.</extracomment>
        <translation>Zarvo fonctionne en arrière-plan. Associez %1 à une touche dans %2, ou choisissez une autre touche dans les paramètres de Zarvo (%3).</translation>
    </message>
</context>
<context>
    <name>HotKeyFormat</name>
    <message>
        <source>Ctrl</source>
        <comment>key name</comment>
        <extracomment>The Control key in a combination such as Ctrl+K, as GNOME and KDE name it.</extracomment>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Alt</source>
        <comment>key name</comment>
        <extracomment>The Alt key in a combination such as Alt+F4.</extracomment>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Shift</source>
        <comment>key name</comment>
        <extracomment>The Shift key in a combination such as Shift+Super+V.</extracomment>
        <translation>Maj</translation>
    </message>
    <message>
        <source>Super</source>
        <comment>key name</comment>
        <extracomment>The Super (Windows) key in a combination such as Super+R.</extracomment>
        <translation>Super</translation>
    </message>
    <message>
        <source>Space</source>
        <comment>key name</comment>
        <extracomment>The space bar in a combination such as Ctrl+Space.</extracomment>
        <translation>Espace</translation>
    </message>
</context>
<context>
    <name>HotKeyManager</name>
    <message>
        <source>Show clipboard history</source>
        <translation>Afficher l’historique du presse-papiers</translation>
    </message>
    <message>
        <source>Show Zarvo</source>
        <translation>Afficher Zarvo</translation>
    </message>
    <message>
        <source>the desktop&apos;s shortcuts are not known here</source>
        <translation>les raccourcis du bureau ne sont pas connus ici</translation>
    </message>
    <message>
        <source>no key is set</source>
        <translation>aucune touche n’est définie</translation>
    </message>
    <message>
        <source>%1 is used by %2 — choose another key</source>
        <extracomment>%1 is a key (&quot;Super+R&quot;), %2 the desktop that uses it (&quot;Xfce&quot;).</extracomment>
        <translation>%1 est pris par %2 — choisissez une autre touche</translation>
    </message>
    <message>
        <source>%1 is used by another app — choose another key</source>
        <extracomment>%1 is a key (&quot;Super+R&quot;).</extracomment>
        <translation>%1 est pris par une autre app — choisissez une autre touche</translation>
    </message>
    <message>
        <source>%1 works only in X11 apps</source>
        <extracomment>%1 is a key (&quot;Super+R&quot;).</extracomment>
        <translation>%1 ne fonctionne que dans les apps X11</translation>
    </message>
</context>
<context>
    <name>InstanceClient</name>
    <message>
        <source>the request is larger than %1 bytes</source>
        <translation>la requête dépasse %1 octets</translation>
    </message>
    <message>
        <source>the request could not be sent in time</source>
        <translation>la requête n’a pas pu être envoyée à temps</translation>
    </message>
    <message>
        <source>the connection broke while sending</source>
        <translation>la connexion a été interrompue pendant l’envoi</translation>
    </message>
    <message>
        <source>its answer was unreadable: %1</source>
        <translation>la réponse était illisible&#xa0;: %1</translation>
    </message>
    <message>
        <source>it closed the connection without answering</source>
        <translation>la connexion a été fermée sans réponse</translation>
    </message>
    <message>
        <source>no answer within %1 s</source>
        <translation>aucune réponse en %1 s</translation>
    </message>
    <message>
        <source>the connection broke: %1</source>
        <translation>la connexion a été interrompue&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>InstanceFrame</name>
    <message>
        <source>a message of %1 bytes is larger than the limit of %2 bytes</source>
        <translation>un message de %1 octets dépasse la limite de %2 octets</translation>
    </message>
    <message>
        <source>a message is not valid JSON (%1 at byte %2)</source>
        <translation>un message n’est pas du JSON valide (%1 à l’octet %2)</translation>
    </message>
    <message>
        <source>a message is not a JSON object</source>
        <translation>un message n’est pas un objet JSON</translation>
    </message>
</context>
<context>
    <name>InstanceLock</name>
    <message>
        <source>the answer was larger than %1 bytes</source>
        <translation>la réponse dépassait %1 octets</translation>
    </message>
    <message>
        <source>a request needs a string &quot;type&quot;</source>
        <translation>une requête doit avoir une chaîne «&#xa0;type&#xa0;»</translation>
    </message>
    <message>
        <source>this instance takes no requests</source>
        <translation>cette instance n’accepte aucune requête</translation>
    </message>
</context>
<context>
    <name>LinuxDesktopShortcuts</name>
    <message>
        <source>%1 is not installed</source>
        <extracomment>%1 is a program (&quot;xfconf-query&quot;).</extracomment>
        <translation>%1 n’est pas installé</translation>
    </message>
    <message>
        <source>%1 did not answer</source>
        <extracomment>%1 is a program (&quot;xfconf-query&quot;).</extracomment>
        <translation>%1 n’a pas répondu</translation>
    </message>
    <message>
        <source>%1 failed</source>
        <extracomment>%1 is a program (&quot;xfconf-query&quot;).</extracomment>
        <translation>%1 a échoué</translation>
    </message>
    <message>
        <source>Settings › Keyboard › Application Shortcuts</source>
        <extracomment>Xfce&apos;s settings dialog and tab, as Xfce names them in your language.</extracomment>
        <translation>Paramètres › Clavier › Raccourcis d’application</translation>
    </message>
    <message>
        <source>Settings › Keyboard</source>
        <extracomment>GNOME&apos;s Settings app and its panel, as GNOME names them in your language.</extracomment>
        <translation>Paramètres › Clavier</translation>
    </message>
    <message>
        <source>System Settings › Shortcuts</source>
        <extracomment>KDE&apos;s System Settings and its page, as KDE names them in your language.</extracomment>
        <translation>Configuration du système › Raccourcis</translation>
    </message>
    <message>
        <source>your desktop&apos;s keyboard shortcut settings</source>
        <extracomment>Follows &quot;in&quot;: &quot;bind … in your desktop&apos;s keyboard shortcut settings&quot;.</extracomment>
        <translation>les paramètres de raccourcis clavier de votre bureau</translation>
    </message>
    <message>
        <source>this key cannot be bound</source>
        <translation>cette touche ne peut pas être associée</translation>
    </message>
    <message>
        <source>binding keys is not supported on this desktop</source>
        <translation>ce bureau ne permet pas d’associer des touches</translation>
    </message>
</context>
<context>
    <name>LinuxInstallation</name>
    <message>
        <source>Cannot read “%1”: %2</source>
        <translation>Impossible de lire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot create “%1”: %2</source>
        <translation>Impossible de créer «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot write “%1”: %2</source>
        <translation>Impossible d’écrire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot create “%1”</source>
        <translation>Impossible de créer «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Cannot move into place “%1”: %2</source>
        <translation>Impossible de mettre «&#xa0;%1&#xa0;» en place&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot swap in “%1”: %2</source>
        <translation>Impossible de remplacer «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot move aside “%1”: %2</source>
        <translation>Impossible de mettre «&#xa0;%1&#xa0;» de côté&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot move “%1”: %2</source>
        <translation>Impossible de déplacer «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot move “%1”: “%2” is in the way</source>
        <translation>Impossible de déplacer «&#xa0;%1&#xa0;»&#xa0;: «&#xa0;%2&#xa0;» est déjà là</translation>
    </message>
    <message>
        <source>“%1” leads to “%2”, not to Zarvo in “%3”, so it was left as it is.</source>
        <extracomment>%1 is a link in ~/.local/bin, %2 where it leads, %3 the folder Zarvo is installed in.</extracomment>
        <translation>«&#xa0;%1&#xa0;» mène à «&#xa0;%2&#xa0;» et non à Zarvo dans «&#xa0;%3&#xa0;»&#x202f;; il a donc été laissé tel quel.</translation>
    </message>
    <message>
        <source>The copy holds a device or other special file, so nothing was installed.</source>
        <translation>La copie contient un périphérique ou un autre fichier spécial&#x202f;; rien n’a donc été installé.</translation>
    </message>
    <message>
        <source>pkexec could not be started</source>
        <translation>impossible de lancer pkexec</translation>
    </message>
    <message>
        <source>pkexec crashed</source>
        <translation>pkexec a planté</translation>
    </message>
    <message>
        <source>The running Zarvo did not answer.</source>
        <translation>Le Zarvo en cours d’exécution n’a pas répondu.</translation>
    </message>
    <message>
        <source>“%1” could not be started.</source>
        <translation>Impossible de lancer «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>LinuxLoginItems</name>
    <message>
        <source>could not remove %1</source>
        <translation>impossible de supprimer %1</translation>
    </message>
    <message>
        <source>the program to start is unknown</source>
        <translation>le programme à lancer est inconnu</translation>
    </message>
    <message>
        <source>there is no Zarvo application at %1 to start at login</source>
        <translation>il n’y a pas d’application Zarvo à lancer à la connexion dans %1</translation>
    </message>
    <message>
        <source>%1 holds a control character, which an autostart entry cannot name</source>
        <translation>%1 contient un caractère de contrôle, qu’une entrée de démarrage automatique ne peut pas nommer</translation>
    </message>
    <message>
        <source>could not create %1/autostart</source>
        <translation>impossible de créer %1/autostart</translation>
    </message>
</context>
<context>
    <name>LinuxPlatform</name>
    <message>
        <source>This is a Wayland session. Pasting into the front application, capturing copies while Zarvo is in the background and telling which application made a copy need X11. To open the panel, bind “zarvo --toggle” (and “zarvo --clipboard” for the clipboard history) in your desktop&apos;s keyboard shortcut settings.</source>
        <translation>Ceci est une session Wayland. Coller dans l’application au premier plan, capturer les copies pendant que Zarvo est en arrière-plan et savoir quelle application a fait une copie nécessitent X11. Pour ouvrir le panneau, associez «&#xa0;zarvo --toggle&#xa0;» (et «&#xa0;zarvo --clipboard&#xa0;» pour l’historique du presse-papiers) à une touche dans les paramètres de raccourcis clavier de votre bureau.</translation>
    </message>
    <message>
        <source>No display: the clipboard, hot keys and pasting are off</source>
        <translation>Aucun affichage&#xa0;: presse-papiers, raccourcis et collage désactivés</translation>
    </message>
    <message>
        <source>panel on XWayland</source>
        <translation>panneau via XWayland</translation>
    </message>
    <message>
        <source>clipboard through data-control</source>
        <translation>presse-papiers via data-control</translation>
    </message>
    <message>
        <source>clipboard through XWayland</source>
        <translation>presse-papiers via XWayland</translation>
    </message>
    <message>
        <source>front application through foreign-toplevel</source>
        <translation>application au premier plan via foreign-toplevel</translation>
    </message>
    <message>
        <source>paste through the virtual keyboard</source>
        <translation>collage via le clavier virtuel</translation>
    </message>
    <message>
        <source>paste into X windows only</source>
        <translation>collage dans les fenêtres X seulement</translation>
    </message>
    <message>
        <source>This is a Wayland session: global hot keys work only while an X11 application is in front. To open the panel, bind “zarvo --toggle” (and “zarvo --clipboard” for the clipboard history) in your desktop&apos;s keyboard shortcut settings.</source>
        <translation>Ceci est une session Wayland&#xa0;: les raccourcis globaux ne fonctionnent que lorsqu’une application X11 est au premier plan. Pour ouvrir le panneau, associez «&#xa0;zarvo --toggle&#xa0;» (et «&#xa0;zarvo --clipboard&#xa0;» pour l’historique du presse-papiers) à une touche dans les paramètres de raccourcis clavier de votre bureau.</translation>
    </message>
    <message>
        <source>The clipboard, global hot keys and pasting</source>
        <extracomment>Begins &quot;… needs a graphical session (no display is available)&quot;.</extracomment>
        <translation>Le presse-papiers, les raccourcis globaux et le collage</translation>
    </message>
</context>
<context>
    <name>LinuxPlatformWords</name>
    <message>
        <source>File Manager</source>
        <translation>Gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>macOS hasn&apos;t granted access</source>
        <extracomment>Must be exactly how the folder-access banner&apos;s translation says this part; it is replaced by the next text.</extracomment>
        <translation>macOS n’a pas accordé l’accès</translation>
    </message>
    <message>
        <source>missing or not readable by you</source>
        <extracomment>Why a folder cannot be searched: &quot;Can&apos;t search ~/a — missing or not readable by you.&quot;</extracomment>
        <translation>absent ou illisible pour vous</translation>
    </message>
    <message>
        <source>Settings</source>
        <extracomment>Shown wherever other texts say &quot;System Settings&quot;: the desktop&apos;s settings app.</extracomment>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>About This Computer</source>
        <extracomment>A row&apos;s title, for the Mac&apos;s &quot;About This Mac&quot;.</extracomment>
        <translation>À propos de cet ordinateur</translation>
    </message>
    <message>
        <source>this computer</source>
        <extracomment>Replaces &quot;this Mac&quot; inside other translated texts (&quot;Clips stay on this Mac.&quot;): in German the dative that follows &quot;auf&quot;.</extracomment>
        <translation>cet ordinateur</translation>
    </message>
    <message>
        <source>Linux</source>
        <translation>Linux</translation>
    </message>
    <message>
        <source>Include ⌘, ⌥ or ⌃ in the shortcut.</source>
        <extracomment>Must be exactly the shortcut recorder&apos;s translation of this sentence, glyphs kept.</extracomment>
        <translation>Le raccourci doit contenir ⌘, ⌥ ou ⌃.</translation>
    </message>
    <message>
        <source>Include %1, %2 or %3 in the shortcut.</source>
        <extracomment>%1, %2, %3 are the names of the Ctrl, Alt and Super keys.</extracomment>
        <translation>Le raccourci doit contenir %1, %2 ou %3.</translation>
    </message>
    <message>
        <source>⌘R no longer reloads pages in browsers, and ⇧⌘V no longer pastes as plain text in apps that use it</source>
        <extracomment>Must be exactly how the settings window&apos;s translation of the note on global shortcuts says this part, glyphs kept.</extracomment>
        <translation>⌘R ne recharge plus les pages des navigateurs et ⇧⌘V ne colle plus en texte brut dans les apps qui l’utilisent</translation>
    </message>
    <message>
        <source>%1 and %2 no longer reach the app in front</source>
        <extracomment>%1 and %2 are key combinations: &quot;Super+R and Shift+Super+V no longer reach the app in front&quot;. It takes the place of the part above in &quot;…: while Zarvo runs, &lt;part&gt;.&quot;, so its word order follows that (German: the verb first).</extracomment>
        <translation>%1 et %2 n’atteignent plus l’app au premier plan</translation>
    </message>
    <message>
        <source>Everything (Mail, other users, external drives)</source>
        <extracomment>Must be exactly the settings window&apos;s translation of this option.</extracomment>
        <translation>Tout (Mail, autres utilisateurs, disques externes)</translation>
    </message>
    <message>
        <source>Everything (other users, external drives)</source>
        <translation>Tout (autres utilisateurs, disques externes)</translation>
    </message>
    <message>
        <source>Text Editor</source>
        <extracomment>A row&apos;s title: the desktop&apos;s plain text editor.</extracomment>
        <translation>Éditeur de texte</translation>
    </message>
    <message>
        <source>Image Viewer</source>
        <extracomment>A row&apos;s title: the desktop&apos;s image viewer.</extracomment>
        <translation>Visionneur d’images</translation>
    </message>
    <message>
        <source>File System</source>
        <extracomment>A row&apos;s title: the root folder &quot;/&quot;.</extracomment>
        <translation>Système de fichiers</translation>
    </message>
    <message>
        <source>Videos</source>
        <extracomment>A row&apos;s title: the folder of videos in the home folder.</extracomment>
        <translation>Vidéos</translation>
    </message>
</context>
<context>
    <name>LinuxProcesses</name>
    <message>
        <source>%1 crashed</source>
        <translation>%1 a planté</translation>
    </message>
</context>
<context>
    <name>LinuxSession</name>
    <message>
        <source>no screen locker answered</source>
        <translation>aucun verrouillage d’écran n’a répondu</translation>
    </message>
    <message>
        <source>no session manager answers</source>
        <translation>aucun gestionnaire de session ne répond</translation>
    </message>
    <message>
        <source>the session manager refused: %1</source>
        <translation>le gestionnaire de session a refusé&#xa0;: %1</translation>
    </message>
    <message>
        <source>not available on this desktop</source>
        <translation>non disponible sur ce bureau</translation>
    </message>
</context>
<context>
    <name>LinuxWorkspace</name>
    <message>
        <source>“%1” is not installed</source>
        <extracomment>%1 is an application&apos;s name.</extracomment>
        <translation>«&#xa0;%1&#xa0;» n’est pas installé</translation>
    </message>
    <message>
        <source>could not start “%1”</source>
        <extracomment>%1 is a program.</extracomment>
        <translation>impossible de lancer «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>No terminal app found</source>
        <translation>Aucune app de terminal trouvée</translation>
    </message>
    <message>
        <source>Could not start %1</source>
        <extracomment>%1 is a program.</extracomment>
        <translation>Impossible de lancer %1</translation>
    </message>
    <message>
        <source>only local files can be moved to the Trash</source>
        <translation>seuls les fichiers locaux peuvent être mis à la corbeille</translation>
    </message>
    <message>
        <source>no volume is mounted at %1</source>
        <extracomment>%1 is a folder.</extracomment>
        <translation>aucun volume n’est monté sur %1</translation>
    </message>
    <message>
        <source>ejecting %1 timed out</source>
        <extracomment>%1 is a volume&apos;s folder.</extracomment>
        <translation>l’éjection de %1 a expiré</translation>
    </message>
</context>
<context>
    <name>TerminalLauncher</name>
    <message>
        <source>Terminal</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>Console</source>
        <translation>Console</translation>
    </message>
    <message>
        <source>Xfce Terminal</source>
        <translation>Terminal Xfce</translation>
    </message>
    <message>
        <source>MATE Terminal</source>
        <translation>Terminal MATE</translation>
    </message>
</context>
<context>
    <name>UnavailablePasteboard</name>
    <message>
        <source>%1 needs a graphical session (no display is available)</source>
        <extracomment>%1 is what cannot work (&quot;The clipboard&quot;, &quot;Zarvo&quot;), begun with a capital.</extracomment>
        <translation>%1&#xa0;: une session graphique est nécessaire (aucun affichage disponible)</translation>
    </message>
</context>
<context>
    <name>WaylandDesktopShortcuts</name>
    <message>
        <source>sway&apos;s config file (%1)</source>
        <extracomment>Follows &quot;in&quot;: &quot;bind … in sway&apos;s config file (~/.config/sway/config)&quot;.</extracomment>
        <translation>le fichier de configuration de sway (%1)</translation>
    </message>
    <message>
        <source>Hyprland&apos;s config file (%1)</source>
        <extracomment>Follows &quot;in&quot;, like the sway text.</extracomment>
        <translation>le fichier de configuration de Hyprland (%1)</translation>
    </message>
    <message>
        <source>your desktop&apos;s keyboard shortcut settings</source>
        <extracomment>Follows &quot;in&quot;: &quot;bind … in your desktop&apos;s keyboard shortcut settings&quot;.</extracomment>
        <translation>les paramètres de raccourcis clavier de votre bureau</translation>
    </message>
    <message>
        <source>binding keys is not supported on this desktop</source>
        <translation>ce bureau ne permet pas d’associer des touches</translation>
    </message>
    <message>
        <source>GNOME keeps %1 pressed alone for its overview; %1 together with another key works as a shortcut.</source>
        <extracomment>%1 is the name of the Super key.</extracomment>
        <translation>GNOME réserve %1 seul à sa vue d’ensemble&#x202f;; %1 avec une autre touche fonctionne comme raccourci.</translation>
    </message>
</context>
</TS>
