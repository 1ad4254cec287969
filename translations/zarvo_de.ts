<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>DesktopApps</name>
    <message>
        <source>could not start %1</source>
        <translation>%1 konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>“%1” has no command to run</source>
        <translation>„%1“ hat keinen Befehl zum Ausführen</translation>
    </message>
    <message>
        <source>“%1” is not an application</source>
        <translation>„%1“ ist keine Anwendung</translation>
    </message>
    <message>
        <source>could not start “%1”</source>
        <translation>„%1“ konnte nicht gestartet werden</translation>
    </message>
</context>
<context>
    <name>FileTree</name>
    <message>
        <source>could not delete %1</source>
        <extracomment>%1 lists the items that stay.</extracomment>
        <translation>%1 konnte nicht gelöscht werden</translation>
    </message>
</context>
<context>
    <name>GnomeShortcuts</name>
    <message>
        <source>GNOME&apos;s keyboard settings are not installed</source>
        <translation>die Tastatureinstellungen von GNOME sind nicht installiert</translation>
    </message>
    <message>
        <source>GNOME&apos;s keyboard settings cannot be changed (they are locked)</source>
        <translation>die Tastatureinstellungen von GNOME lassen sich nicht ändern (sie sind gesperrt)</translation>
    </message>
</context>
<context>
    <name>HotKeyAdvice</name>
    <message>
        <source>“%1”</source>
        <extracomment>Quotes around a command to type: “zarvo --toggle”.</extracomment>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>another app</source>
        <extracomment>Who holds a key: &quot;Super+R is used by another app&quot;.</extracomment>
        <translation>einer anderen App</translation>
    </message>
    <message>
        <source>This is a Wayland session: %1 reaches Zarvo only while an X11 app is in front. Bind %2 to it in %3, or choose another key in Zarvo&apos;s Settings.</source>
        <extracomment>%1 is a key (&quot;Super+R&quot;), %2 a command, %3 where the desktop binds keys (&quot;Settings › Keyboard&quot;).</extracomment>
        <translation>Dies ist eine Wayland-Sitzung: %1 erreicht Zarvo nur, solange eine X11-App im Vordergrund ist. Binden Sie %2 in %3 an diese Taste oder wählen Sie in den Zarvo-Einstellungen eine andere Taste.</translation>
    </message>
    <message>
        <source>%1 is used by %2, so it does not open Zarvo. Choose another key in Zarvo&apos;s Settings, or bind %3 to a key in %4.</source>
        <extracomment>%1 is a key (&quot;Super+R&quot;), %2 who uses it (&quot;Xfce&quot;, &quot;another app&quot;), %3 a command, %4 where the desktop binds keys.</extracomment>
        <translation>%1 ist von %2 belegt und öffnet daher Zarvo nicht. Wählen Sie in den Zarvo-Einstellungen eine andere Taste oder binden Sie %3 in %4 an eine Taste.</translation>
    </message>
    <message>
        <source>%1 works only in X11 apps</source>
        <extracomment>%1 is a key (&quot;Super+R&quot;).</extracomment>
        <translation>%1 funktioniert nur in X11-Apps</translation>
    </message>
    <message>
        <source>%1 is used by %2</source>
        <extracomment>%1 is a key (&quot;Super+R&quot;), %2 who uses it (&quot;Xfce&quot;, &quot;another app&quot;).</extracomment>
        <translation>%1 ist von %2 belegt</translation>
    </message>
    <message>
        <source>Let %1 Open Zarvo with %2…</source>
        <extracomment>A button. %1 is the desktop (&quot;Xfce&quot;, &quot;GNOME&quot;), %2 a key (&quot;Super+R&quot;).</extracomment>
        <translation>%1 Zarvo mit %2 öffnen lassen…</translation>
    </message>
    <message>
        <source>Zarvo will add a keyboard shortcut to %1&apos;s settings: %2 runs %3. What %1 did with %2 until now stops. You can change it back in %4.</source>
        <extracomment>%1 is the desktop (&quot;Xfce&quot;), %2 a key (&quot;Super+R&quot;), %3 a command, %4 where the desktop binds keys.</extracomment>
        <translation>Zarvo fügt den Einstellungen von %1 ein Tastenkürzel hinzu: %2 führt %3 aus. Was %1 bisher mit %2 getan hat, entfällt. Sie können das in %4 wieder ändern.</translation>
    </message>
    <message>
        <source>Zarvo runs in the background. Press %1, or bind %2 in %3.</source>
        <extracomment>%1 is a key (&quot;Super+R&quot;), %2 a command, %3 where the desktop binds keys.</extracomment>
        <translation>Zarvo läuft im Hintergrund. Drücken Sie %1 oder binden Sie %2 in %3 an eine Taste.</translation>
    </message>
    <message>
        <source>Zarvo runs in the background. Bind %1 in %2, or choose another key in Zarvo&apos;s Settings (%3).</source>
        <extracomment>%1 is a command, %2 where the desktop binds keys, %3 the command that opens the settings.</extracomment>
        <translation>Zarvo läuft im Hintergrund. Binden Sie %1 in %2 an eine Taste oder wählen Sie in den Zarvo-Einstellungen (%3) eine andere Taste.</translation>
    </message>
</context>
<context>
    <name>HotKeyFormat</name>
    <message>
        <source>Ctrl</source>
        <comment>key name</comment>
        <extracomment>The Control key in a combination such as Ctrl+K, as GNOME and KDE name it.</extracomment>
        <translation>Strg</translation>
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
        <translation>Umschalt</translation>
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
        <translation>Leertaste</translation>
    </message>
</context>
<context>
    <name>HotKeyManager</name>
    <message>
        <source>Show clipboard history</source>
        <translation>Verlauf der Zwischenablage anzeigen</translation>
    </message>
    <message>
        <source>Show Zarvo</source>
        <translation>Zarvo anzeigen</translation>
    </message>
    <message>
        <source>the desktop&apos;s shortcuts are not known here</source>
        <translation>die Tastenkürzel der Arbeitsumgebung sind hier nicht bekannt</translation>
    </message>
    <message>
        <source>no key is set</source>
        <translation>keine Taste festgelegt</translation>
    </message>
    <message>
        <source>%1 is used by %2 — choose another key</source>
        <extracomment>%1 is a key (&quot;Super+R&quot;), %2 the desktop that uses it (&quot;Xfce&quot;).</extracomment>
        <translation>%1 ist von %2 belegt – andere Taste wählen</translation>
    </message>
    <message>
        <source>%1 is used by another app — choose another key</source>
        <extracomment>%1 is a key (&quot;Super+R&quot;).</extracomment>
        <translation>%1 ist von einer anderen App belegt – andere Taste wählen</translation>
    </message>
    <message>
        <source>%1 works only in X11 apps</source>
        <extracomment>%1 is a key (&quot;Super+R&quot;).</extracomment>
        <translation>%1 funktioniert nur in X11-Apps</translation>
    </message>
</context>
<context>
    <name>InstanceClient</name>
    <message>
        <source>the request is larger than %1 bytes</source>
        <translation>die Anfrage ist größer als %1 Byte</translation>
    </message>
    <message>
        <source>the request could not be sent in time</source>
        <translation>die Anfrage konnte nicht rechtzeitig gesendet werden</translation>
    </message>
    <message>
        <source>the connection broke while sending</source>
        <translation>die Verbindung brach beim Senden ab</translation>
    </message>
    <message>
        <source>its answer was unreadable: %1</source>
        <translation>die Antwort war unlesbar: %1</translation>
    </message>
    <message>
        <source>it closed the connection without answering</source>
        <translation>die Verbindung wurde ohne Antwort geschlossen</translation>
    </message>
    <message>
        <source>no answer within %1 s</source>
        <translation>keine Antwort innerhalb von %1 s</translation>
    </message>
    <message>
        <source>the connection broke: %1</source>
        <translation>die Verbindung brach ab: %1</translation>
    </message>
</context>
<context>
    <name>InstanceFrame</name>
    <message>
        <source>a message of %1 bytes is larger than the limit of %2 bytes</source>
        <translation>eine Nachricht mit %1 Byte überschreitet die Grenze von %2 Byte</translation>
    </message>
    <message>
        <source>a message is not valid JSON (%1 at byte %2)</source>
        <translation>eine Nachricht ist kein gültiges JSON (%1 bei Byte %2)</translation>
    </message>
    <message>
        <source>a message is not a JSON object</source>
        <translation>eine Nachricht ist kein JSON-Objekt</translation>
    </message>
</context>
<context>
    <name>InstanceLock</name>
    <message>
        <source>the answer was larger than %1 bytes</source>
        <translation>die Antwort war größer als %1 Byte</translation>
    </message>
    <message>
        <source>a request needs a string &quot;type&quot;</source>
        <translation>eine Anfrage braucht eine Zeichenkette „type“</translation>
    </message>
    <message>
        <source>this instance takes no requests</source>
        <translation>diese Instanz nimmt keine Anfragen an</translation>
    </message>
</context>
<context>
    <name>LinuxDesktopShortcuts</name>
    <message>
        <source>%1 is not installed</source>
        <extracomment>%1 is a program (&quot;xfconf-query&quot;).</extracomment>
        <translation>%1 ist nicht installiert</translation>
    </message>
    <message>
        <source>%1 did not answer</source>
        <extracomment>%1 is a program (&quot;xfconf-query&quot;).</extracomment>
        <translation>%1 hat nicht geantwortet</translation>
    </message>
    <message>
        <source>%1 failed</source>
        <extracomment>%1 is a program (&quot;xfconf-query&quot;).</extracomment>
        <translation>%1 ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>Settings › Keyboard › Application Shortcuts</source>
        <extracomment>Xfce&apos;s settings dialog and tab, as Xfce names them in your language.</extracomment>
        <translation>Einstellungen › Tastatur › Tastenkombinationen für Anwendungen</translation>
    </message>
    <message>
        <source>Settings › Keyboard</source>
        <extracomment>GNOME&apos;s Settings app and its panel, as GNOME names them in your language.</extracomment>
        <translation>Einstellungen › Tastatur</translation>
    </message>
    <message>
        <source>System Settings › Shortcuts</source>
        <extracomment>KDE&apos;s System Settings and its page, as KDE names them in your language.</extracomment>
        <translation>Systemeinstellungen › Kurzbefehle</translation>
    </message>
    <message>
        <source>your desktop&apos;s keyboard shortcut settings</source>
        <extracomment>Follows &quot;in&quot;: &quot;bind … in your desktop&apos;s keyboard shortcut settings&quot;.</extracomment>
        <translation>den Tastenkürzel-Einstellungen Ihrer Arbeitsumgebung</translation>
    </message>
    <message>
        <source>this key cannot be bound</source>
        <translation>diese Taste kann nicht gebunden werden</translation>
    </message>
    <message>
        <source>binding keys is not supported on this desktop</source>
        <translation>diese Arbeitsumgebung erlaubt kein Binden von Tasten</translation>
    </message>
</context>
<context>
    <name>LinuxInstallation</name>
    <message>
        <source>Cannot read “%1”: %2</source>
        <translation>„%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot create “%1”: %2</source>
        <translation>„%1“ kann nicht erstellt werden: %2</translation>
    </message>
    <message>
        <source>Cannot write “%1”: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot create “%1”</source>
        <translation>„%1“ kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>Cannot move into place “%1”: %2</source>
        <translation>„%1“ kann nicht an seinen Platz verschoben werden: %2</translation>
    </message>
    <message>
        <source>Cannot swap in “%1”: %2</source>
        <translation>„%1“ kann nicht ausgetauscht werden: %2</translation>
    </message>
    <message>
        <source>Cannot move aside “%1”: %2</source>
        <translation>„%1“ kann nicht beiseitegeschoben werden: %2</translation>
    </message>
    <message>
        <source>Cannot move “%1”: %2</source>
        <translation>„%1“ kann nicht verschoben werden: %2</translation>
    </message>
    <message>
        <source>Cannot move “%1”: “%2” is in the way</source>
        <translation>„%1“ kann nicht verschoben werden: „%2“ ist im Weg</translation>
    </message>
    <message>
        <source>“%1” leads to “%2”, not to Zarvo in “%3”, so it was left as it is.</source>
        <extracomment>%1 is a link in ~/.local/bin, %2 where it leads, %3 the folder Zarvo is installed in.</extracomment>
        <translation>„%1“ verweist auf „%2“, nicht auf Zarvo in „%3“, und wurde daher belassen.</translation>
    </message>
    <message>
        <source>The copy holds a device or other special file, so nothing was installed.</source>
        <translation>Die Kopie enthält ein Gerät oder eine andere Spezialdatei, daher wurde nichts installiert.</translation>
    </message>
    <message>
        <source>pkexec could not be started</source>
        <translation>pkexec konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>pkexec crashed</source>
        <translation>pkexec ist abgestürzt</translation>
    </message>
    <message>
        <source>The running Zarvo did not answer.</source>
        <translation>Das laufende Zarvo hat nicht geantwortet.</translation>
    </message>
    <message>
        <source>“%1” could not be started.</source>
        <translation>„%1“ konnte nicht gestartet werden.</translation>
    </message>
</context>
<context>
    <name>LinuxLoginItems</name>
    <message>
        <source>could not remove %1</source>
        <translation>%1 konnte nicht entfernt werden</translation>
    </message>
    <message>
        <source>the program to start is unknown</source>
        <translation>das zu startende Programm ist unbekannt</translation>
    </message>
    <message>
        <source>there is no Zarvo application at %1 to start at login</source>
        <translation>unter %1 gibt es keine Zarvo-Anwendung, die bei der Anmeldung starten könnte</translation>
    </message>
    <message>
        <source>%1 holds a control character, which an autostart entry cannot name</source>
        <translation>%1 enthält ein Steuerzeichen, das ein Autostart-Eintrag nicht angeben kann</translation>
    </message>
    <message>
        <source>could not create %1/autostart</source>
        <translation>%1/autostart konnte nicht erstellt werden</translation>
    </message>
</context>
<context>
    <name>LinuxPlatform</name>
    <message>
        <source>This is a Wayland session. Pasting into the front application, capturing copies while Zarvo is in the background and telling which application made a copy need X11. To open the panel, bind “zarvo --toggle” (and “zarvo --clipboard” for the clipboard history) in your desktop&apos;s keyboard shortcut settings.</source>
        <translation>Dies ist eine Wayland-Sitzung. Einfügen in die Anwendung im Vordergrund, Erfassen von Kopien, während Zarvo im Hintergrund läuft, und Erkennen, welche Anwendung etwas kopiert hat, benötigen X11. Um das Panel zu öffnen, binden Sie „zarvo --toggle“ (und „zarvo --clipboard“ für den Verlauf der Zwischenablage) in den Tastenkürzel-Einstellungen Ihrer Arbeitsumgebung an eine Taste.</translation>
    </message>
    <message>
        <source>No display: the clipboard, hot keys and pasting are off</source>
        <translation>Keine Anzeige: Zwischenablage, Tastenkürzel und Einfügen sind aus</translation>
    </message>
    <message>
        <source>panel on XWayland</source>
        <translation>Panel über XWayland</translation>
    </message>
    <message>
        <source>clipboard through data-control</source>
        <translation>Zwischenablage über data-control</translation>
    </message>
    <message>
        <source>clipboard through XWayland</source>
        <translation>Zwischenablage über XWayland</translation>
    </message>
    <message>
        <source>front application through foreign-toplevel</source>
        <translation>Anwendung im Vordergrund über foreign-toplevel</translation>
    </message>
    <message>
        <source>paste through the virtual keyboard</source>
        <translation>Einfügen über die virtuelle Tastatur</translation>
    </message>
    <message>
        <source>paste into X windows only</source>
        <translation>Einfügen nur in X-Fenster</translation>
    </message>
    <message>
        <source>This is a Wayland session: global hot keys work only while an X11 application is in front. To open the panel, bind “zarvo --toggle” (and “zarvo --clipboard” for the clipboard history) in your desktop&apos;s keyboard shortcut settings.</source>
        <translation>Dies ist eine Wayland-Sitzung: Globale Tastenkürzel funktionieren nur, solange eine X11-Anwendung im Vordergrund ist. Um das Panel zu öffnen, binden Sie „zarvo --toggle“ (und „zarvo --clipboard“ für den Verlauf der Zwischenablage) in den Tastenkürzel-Einstellungen Ihrer Arbeitsumgebung an eine Taste.</translation>
    </message>
    <message>
        <source>The clipboard, global hot keys and pasting</source>
        <extracomment>Begins &quot;… needs a graphical session (no display is available)&quot;.</extracomment>
        <translation>Zwischenablage, globale Tastenkürzel und Einfügen</translation>
    </message>
</context>
<context>
    <name>LinuxPlatformWords</name>
    <message>
        <source>File Manager</source>
        <translation>Dateimanager</translation>
    </message>
    <message>
        <source>macOS hasn&apos;t granted access</source>
        <extracomment>Must be exactly how the folder-access banner&apos;s translation says this part; it is replaced by the next text.</extracomment>
        <translation>macOS hat keinen Zugriff gewährt</translation>
    </message>
    <message>
        <source>missing or not readable by you</source>
        <extracomment>Why a folder cannot be searched: &quot;Can&apos;t search ~/a — missing or not readable by you.&quot;</extracomment>
        <translation>fehlt oder ist für Sie nicht lesbar</translation>
    </message>
    <message>
        <source>Settings</source>
        <extracomment>Shown wherever other texts say &quot;System Settings&quot;: the desktop&apos;s settings app.</extracomment>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>About This Computer</source>
        <extracomment>A row&apos;s title, for the Mac&apos;s &quot;About This Mac&quot;.</extracomment>
        <translation>Über diesen Computer</translation>
    </message>
    <message>
        <source>this computer</source>
        <extracomment>Replaces &quot;this Mac&quot; inside other translated texts (&quot;Clips stay on this Mac.&quot;): in German the dative that follows &quot;auf&quot;.</extracomment>
        <translation>diesem Computer</translation>
    </message>
    <message>
        <source>Linux</source>
        <translation>Linux</translation>
    </message>
    <message>
        <source>Include ⌘, ⌥ or ⌃ in the shortcut.</source>
        <extracomment>Must be exactly the shortcut recorder&apos;s translation of this sentence, glyphs kept.</extracomment>
        <translation>Das Kürzel muss ⌘, ⌥ oder ⌃ enthalten.</translation>
    </message>
    <message>
        <source>Include %1, %2 or %3 in the shortcut.</source>
        <extracomment>%1, %2, %3 are the names of the Ctrl, Alt and Super keys.</extracomment>
        <translation>Das Kürzel muss %1, %2 oder %3 enthalten.</translation>
    </message>
    <message>
        <source>⌘R no longer reloads pages in browsers, and ⇧⌘V no longer pastes as plain text in apps that use it</source>
        <extracomment>Must be exactly how the settings window&apos;s translation of the note on global shortcuts says this part, glyphs kept.</extracomment>
        <translation>lädt ⌘R in Browsern keine Seiten mehr neu, und ⇧⌘V fügt in Apps, die es nutzen, nicht mehr als reinen Text ein</translation>
    </message>
    <message>
        <source>%1 and %2 no longer reach the app in front</source>
        <extracomment>%1 and %2 are key combinations: &quot;Super+R and Shift+Super+V no longer reach the app in front&quot;. It takes the place of the part above in &quot;…: while Zarvo runs, &lt;part&gt;.&quot;, so its word order follows that (German: the verb first).</extracomment>
        <translation>erreichen %1 und %2 die App im Vordergrund nicht mehr</translation>
    </message>
    <message>
        <source>Everything (Mail, other users, external drives)</source>
        <extracomment>Must be exactly the settings window&apos;s translation of this option.</extracomment>
        <translation>Alles (Mail, andere Benutzer, externe Laufwerke)</translation>
    </message>
    <message>
        <source>Everything (other users, external drives)</source>
        <translation>Alles (andere Benutzer, externe Laufwerke)</translation>
    </message>
    <message>
        <source>Text Editor</source>
        <extracomment>A row&apos;s title: the desktop&apos;s plain text editor.</extracomment>
        <translation>Texteditor</translation>
    </message>
    <message>
        <source>Image Viewer</source>
        <extracomment>A row&apos;s title: the desktop&apos;s image viewer.</extracomment>
        <translation>Bildbetrachter</translation>
    </message>
    <message>
        <source>File System</source>
        <extracomment>A row&apos;s title: the root folder &quot;/&quot;.</extracomment>
        <translation>Dateisystem</translation>
    </message>
    <message>
        <source>Videos</source>
        <extracomment>A row&apos;s title: the folder of videos in the home folder.</extracomment>
        <translation>Videos</translation>
    </message>
</context>
<context>
    <name>LinuxProcesses</name>
    <message>
        <source>%1 crashed</source>
        <translation>%1 ist abgestürzt</translation>
    </message>
</context>
<context>
    <name>LinuxSession</name>
    <message>
        <source>no screen locker answered</source>
        <translation>keine Bildschirmsperre hat geantwortet</translation>
    </message>
    <message>
        <source>no session manager answers</source>
        <translation>kein Sitzungsmanager antwortet</translation>
    </message>
    <message>
        <source>the session manager refused: %1</source>
        <translation>der Sitzungsmanager hat abgelehnt: %1</translation>
    </message>
    <message>
        <source>not available on this desktop</source>
        <translation>in dieser Arbeitsumgebung nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>LinuxWorkspace</name>
    <message>
        <source>“%1” is not installed</source>
        <extracomment>%1 is an application&apos;s name.</extracomment>
        <translation>„%1“ ist nicht installiert</translation>
    </message>
    <message>
        <source>could not start “%1”</source>
        <extracomment>%1 is a program.</extracomment>
        <translation>„%1“ konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>No terminal app found</source>
        <translation>Keine Terminal-App gefunden</translation>
    </message>
    <message>
        <source>Could not start %1</source>
        <extracomment>%1 is a program.</extracomment>
        <translation>%1 konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>only local files can be moved to the Trash</source>
        <translation>nur lokale Dateien können in den Papierkorb verschoben werden</translation>
    </message>
    <message>
        <source>no volume is mounted at %1</source>
        <extracomment>%1 is a folder.</extracomment>
        <translation>unter %1 ist kein Datenträger eingehängt</translation>
    </message>
    <message>
        <source>ejecting %1 timed out</source>
        <extracomment>%1 is a volume&apos;s folder.</extracomment>
        <translation>Zeitüberschreitung beim Auswerfen von %1</translation>
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
        <translation>Konsole</translation>
    </message>
    <message>
        <source>Xfce Terminal</source>
        <translation>Xfce-Terminal</translation>
    </message>
    <message>
        <source>MATE Terminal</source>
        <translation>MATE-Terminal</translation>
    </message>
</context>
<context>
    <name>UnavailablePasteboard</name>
    <message>
        <source>%1 needs a graphical session (no display is available)</source>
        <extracomment>%1 is what cannot work (&quot;The clipboard&quot;, &quot;Zarvo&quot;), begun with a capital.</extracomment>
        <translation>%1: eine grafische Sitzung ist nötig (keine Anzeige verfügbar)</translation>
    </message>
</context>
<context>
    <name>WaylandDesktopShortcuts</name>
    <message>
        <source>sway&apos;s config file (%1)</source>
        <extracomment>Follows &quot;in&quot;: &quot;bind … in sway&apos;s config file (~/.config/sway/config)&quot;.</extracomment>
        <translation>der Konfigurationsdatei von sway (%1)</translation>
    </message>
    <message>
        <source>Hyprland&apos;s config file (%1)</source>
        <extracomment>Follows &quot;in&quot;, like the sway text.</extracomment>
        <translation>der Konfigurationsdatei von Hyprland (%1)</translation>
    </message>
    <message>
        <source>your desktop&apos;s keyboard shortcut settings</source>
        <extracomment>Follows &quot;in&quot;: &quot;bind … in your desktop&apos;s keyboard shortcut settings&quot;.</extracomment>
        <translation>den Tastenkürzel-Einstellungen Ihrer Arbeitsumgebung</translation>
    </message>
    <message>
        <source>binding keys is not supported on this desktop</source>
        <translation>diese Arbeitsumgebung erlaubt kein Binden von Tasten</translation>
    </message>
    <message>
        <source>GNOME keeps %1 pressed alone for its overview; %1 together with another key works as a shortcut.</source>
        <extracomment>%1 is the name of the Super key.</extracomment>
        <translation>GNOME nutzt %1 allein gedrückt für die Übersicht; %1 zusammen mit einer anderen Taste funktioniert als Tastenkürzel.</translation>
    </message>
</context>
</TS>
