<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Accessibility</name>
    <message numerus="yes">
        <source>%1, %n item(s)</source>
        <translation>
            <numerusform>%1, %n Element</numerusform>
            <numerusform>%1, %n Elemente</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
</context>
<context>
    <name>ActionsCommand</name>
    <message>
        <source>--select needs a row number (1 is the first row)</source>
        <translation>--select braucht eine Zeilennummer (1 ist die erste Zeile)</translation>
    </message>
    <message>
        <source>--run needs an action title</source>
        <translation>--run braucht den Titel einer Aktion</translation>
    </message>
    <message>
        <source>--to needs a name or a folder</source>
        <translation>--to braucht einen Namen oder einen Ordner</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>give the query as one argument</source>
        <translation>die Suche als ein einziges Argument angeben</translation>
    </message>
    <message>
        <source>There is no row %1 (%2 listed)</source>
        <translation>Es gibt keine Zeile %1 (%2 aufgelistet)</translation>
    </message>
    <message>
        <source>usage: zarvo-cli %1</source>
        <translation>Aufruf: zarvo-cli %1</translation>
    </message>
    <message>
        <source>The clipboard is not available without a display</source>
        <translation>Die Zwischenablage ist ohne Bildschirm nicht verfügbar</translation>
    </message>
    <message>
        <source>(destructive)</source>
        <translation>(unwiderruflich)</translation>
    </message>
    <message>
        <source>No action “%1” for “%2”</source>
        <translation>Keine Aktion „%1“ für „%2“</translation>
    </message>
    <message>
        <source>“%1” needs the panel; it cannot run from the command line</source>
        <translation>„%1“ braucht das Panel; es kann nicht von der Befehlszeile aus laufen</translation>
    </message>
    <message>
        <source>Rename needs the new name: --to NAME</source>
        <translation>Umbenennen braucht den neuen Namen: --to NAME</translation>
    </message>
    <message>
        <source>Move needs the folder: --to DIR</source>
        <translation>Verschieben braucht den Ordner: --to DIR</translation>
    </message>
    <message>
        <source>No folder “%1”</source>
        <translation>Kein Ordner „%1“</translation>
    </message>
    <message>
        <source>Moved “%1” to %2</source>
        <translation>„%1“ nach %2 verschoben</translation>
    </message>
</context>
<context>
    <name>Appcast</name>
    <message>
        <source>The update feed is larger than %1 bytes.</source>
        <translation>Der Aktualisierungs-Feed ist größer als %1 Bytes.</translation>
    </message>
    <message>
        <source>The update feed declares a DTD, which is not allowed.</source>
        <translation>Der Aktualisierungs-Feed deklariert eine DTD, was nicht erlaubt ist.</translation>
    </message>
    <message>
        <source>The update feed is not readable: %1.</source>
        <translation>Der Aktualisierungs-Feed ist nicht lesbar: %1.</translation>
    </message>
    <message>
        <source>The update feed offers no download for Linux.</source>
        <translation>Der Aktualisierungs-Feed bietet keinen Download für Linux an.</translation>
    </message>
</context>
<context>
    <name>CliMain</name>
    <message>
        <source>usage: zarvo-cli COMMAND [ARGS]
  query [--json] TEXT              the rows the panel shows for TEXT
  open [--select N] [--yes] TEXT   ↩ on row N of TEXT&apos;s results
  actions [--select N] [--json] [--run TITLE [--to NAME|DIR]] TEXT   the row&apos;s actions menu
  history list [--json]            opened places by frecency
  favorites list|toggle KEY        starred items
  settings get KEY|set KEY VALUE|list
  clips list|search|add|copy|pin|delete|clear|prune|watch …   the clipboard history
  index status|rebuild …           the file index
</source>
        <extracomment>Keep the commands, their options and the words in capitals (TEXT, KEY …) as they are.</extracomment>
        <translation>Aufruf: zarvo-cli COMMAND [ARGS]
  query [--json] TEXT              die Zeilen, die das Panel für TEXT zeigt
  open [--select N] [--yes] TEXT   ↩ auf Zeile N der Ergebnisse für TEXT
  actions [--select N] [--json] [--run TITLE [--to NAME|DIR]] TEXT   das Aktionsmenü der Zeile
  history list [--json]            geöffnete Orte nach Häufigkeit und Aktualität
  favorites list|toggle KEY        mit Stern markierte Einträge
  settings get KEY|set KEY VALUE|list
  clips list|search|add|copy|pin|delete|clear|prune|watch …   der Zwischenablage-Verlauf
  index status|rebuild …           der Dateiindex
</translation>
    </message>
</context>
<context>
    <name>Clip</name>
    <message>
        <source>Image</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Image %1×%2</source>
        <extracomment>An image&apos;s width × height in pixels.</extracomment>
        <translation>Bild %1×%2</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %Ln more</source>
        <extracomment>%1 is the first file&apos;s name.</extracomment>
        <translation>
            <numerusform>%1 und %Ln weitere</numerusform>
            <numerusform>%1 und %Ln weitere</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClipRows</name>
    <message numerus="yes">
        <source>%Ln yr. ago</source>
        <translation>
            <numerusform>vor %Ln J.</numerusform>
            <numerusform>vor %Ln J.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %Ln yr.</source>
        <translation>
            <numerusform>in %Ln J.</numerusform>
            <numerusform>in %Ln J.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln mo. ago</source>
        <translation>
            <numerusform>vor %Ln Mon.</numerusform>
            <numerusform>vor %Ln Mon.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %Ln mo.</source>
        <translation>
            <numerusform>in %Ln Mon.</numerusform>
            <numerusform>in %Ln Mon.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln wk. ago</source>
        <translation>
            <numerusform>vor %Ln Wo.</numerusform>
            <numerusform>vor %Ln Wo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %Ln wk.</source>
        <translation>
            <numerusform>in %Ln Wo.</numerusform>
            <numerusform>in %Ln Wo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s) ago</source>
        <translation>
            <numerusform>vor %Ln Tag</numerusform>
            <numerusform>vor %Ln Tagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %Ln day(s)</source>
        <translation>
            <numerusform>in %Ln Tag</numerusform>
            <numerusform>in %Ln Tagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln hr. ago</source>
        <translation>
            <numerusform>vor %Ln Std.</numerusform>
            <numerusform>vor %Ln Std.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %Ln hr.</source>
        <translation>
            <numerusform>in %Ln Std.</numerusform>
            <numerusform>in %Ln Std.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln min. ago</source>
        <translation>
            <numerusform>vor %Ln Min.</numerusform>
            <numerusform>vor %Ln Min.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %Ln min.</source>
        <translation>
            <numerusform>in %Ln Min.</numerusform>
            <numerusform>in %Ln Min.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln sec. ago</source>
        <translation>
            <numerusform>vor %Ln Sek.</numerusform>
            <numerusform>vor %Ln Sek.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %Ln sec.</source>
        <translation>
            <numerusform>in %Ln Sek.</numerusform>
            <numerusform>in %Ln Sek.</numerusform>
        </translation>
    </message>
    <message>
        <source>(blank)</source>
        <translation>(leer)</translation>
    </message>
    <message>
        <source>just now</source>
        <translation>gerade eben</translation>
    </message>
    <message numerus="yes">
        <source>%Ln lines</source>
        <translation>
            <numerusform>%Ln Zeile</numerusform>
            <numerusform>%Ln Zeilen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files</source>
        <translation>
            <numerusform>%Ln Datei</numerusform>
            <numerusform>%Ln Dateien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the first %Ln kept</source>
        <extracomment>Of the files a clip holds, how many were kept.</extracomment>
        <translation>
            <numerusform>nur die erste behalten</numerusform>
            <numerusform>die ersten %Ln behalten</numerusform>
        </translation>
    </message>
    <message>
        <source>Clipboard History</source>
        <translation>Zwischenablage-Verlauf</translation>
    </message>
    <message numerus="yes">
        <source>%Ln clip(s) you copied · %1 or clip:</source>
        <extracomment>%1 is the clipboard hot key. Keep &quot;clip:&quot;: it is what the user types.</extracomment>
        <translation>
            <numerusform>%Ln kopierter Clip · %1 oder clip:</numerusform>
            <numerusform>%Ln kopierte Clips · %1 oder clip:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClipStoreLock</name>
    <message>
        <source>cannot lock the clip store in %1</source>
        <translation>der Clip-Speicher in %1 kann nicht gesperrt werden</translation>
    </message>
    <message>
        <source>the clip store in %1 is held by the running Zarvo (pid %2), which did not answer on its instance socket; try again, or quit Zarvo</source>
        <extracomment>%1 is a folder, %2 a process id.</extracomment>
        <translation>der Clip-Speicher in %1 wird vom laufenden Zarvo (PID %2) gehalten, das auf seinem Instanz-Socket nicht antwortete; erneut versuchen oder Zarvo beenden</translation>
    </message>
    <message>
        <source>the clip store in %1 is in use by another process (pid %2); try again</source>
        <extracomment>%1 is a folder, %2 a process id.</extracomment>
        <translation>der Clip-Speicher in %1 wird von einem anderen Prozess benutzt (PID %2); erneut versuchen</translation>
    </message>
</context>
<context>
    <name>ClipboardTab</name>
    <message>
        <source>Clipboard history is off. Turn it on in Settings (⌘,)</source>
        <translation>Zwischenablage-Verlauf ist aus. In den Einstellungen einschalten (⌘,)</translation>
    </message>
    <message>
        <source>This clip has no text</source>
        <translation>Dieser Clip enthält keinen Text</translation>
    </message>
    <message>
        <source>This clip&apos;s data is missing</source>
        <translation>Die Daten dieses Clips fehlen</translation>
    </message>
    <message>
        <source>Nothing to copy</source>
        <translation>Nichts zu kopieren</translation>
    </message>
    <message>
        <source>Copied %1. Press ⌘V to paste it</source>
        <translation>%1 kopiert. Mit ⌘V einfügen</translation>
    </message>
    <message>
        <source>Nothing to pin</source>
        <translation>Nichts zum Anheften</translation>
    </message>
    <message>
        <source>Unpinned %1</source>
        <translation>%1 nicht mehr angeheftet</translation>
    </message>
    <message>
        <source>Pinned %1. Pinned clips are kept</source>
        <translation>%1 angeheftet. Angeheftete Clips bleiben</translation>
    </message>
    <message>
        <source>Nothing to delete</source>
        <translation>Nichts zu löschen</translation>
    </message>
    <message>
        <source>Deleted %1</source>
        <translation>%1 gelöscht</translation>
    </message>
    <message>
        <source>Nothing to paste</source>
        <translation>Nichts einzufügen</translation>
    </message>
    <message numerus="yes">
        <source>Cleared %Ln clip(s). Pinned clips stay</source>
        <translation>
            <numerusform>%Ln Clip gelöscht. Angeheftete Clips bleiben</numerusform>
            <numerusform>%Ln Clips gelöscht. Angeheftete Clips bleiben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cleared %Ln clip(s)</source>
        <translation>
            <numerusform>%Ln Clip gelöscht</numerusform>
            <numerusform>%Ln Clips gelöscht</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClipsCommand</name>
    <message>
        <source>usage: zarvo-cli clips [--dir DIR] COMMAND
  list [--json]                     the clips, newest first
  search TEXT [--json]              the clips matching TEXT, pinned first
  add [--type TYPE]... [--file PATH]... [--app NAME --bundle ID]
                                    file standard input (and files) as one copy
  copy ID [--plain]                 put a clip back on the clipboard
  pin ID | delete ID                pin or unpin, delete a clip (ID or a unique prefix)
  clear | prune                     delete unpinned clips; drop what the limits no longer allow
  watch [--once]                    capture copies into the history until interrupted
</source>
        <extracomment>Keep the command, its options and the words in capitals (TEXT, ID, DIR …) as they are.</extracomment>
        <translation>Aufruf: zarvo-cli clips [--dir DIR] COMMAND
  list [--json]                     die Clips, neueste zuerst
  search TEXT [--json]              die zu TEXT passenden Clips, angeheftete zuerst
  add [--type TYPE]... [--file PATH]... [--app NAME --bundle ID]
                                    Standardeingabe (und Dateien) als eine Kopie ablegen
  copy ID [--plain]                 einen Clip zurück in die Zwischenablage legen
  pin ID | delete ID                anheften oder lösen, einen Clip löschen (ID oder eindeutiger Anfang)
  clear | prune                     nicht angeheftete Clips löschen; entfernen, was die Grenzen nicht mehr erlauben
  watch [--once]                    Kopien bis zum Abbruch in den Verlauf aufnehmen
</translation>
    </message>
    <message>
        <source>“%1” names more than one clip; give more of the identifier</source>
        <translation>„%1“ passt zu mehr als einem Clip; mehr von der Kennung angeben</translation>
    </message>
    <message>
        <source>no clip “%1”</source>
        <translation>kein Clip „%1“</translation>
    </message>
    <message>
        <source>add: unexpected “%1”</source>
        <translation>add: unerwartetes „%1“</translation>
    </message>
    <message>
        <source>not stored: the copy is larger than 50,000,000 bytes</source>
        <translation>nicht gespeichert: die Kopie ist größer als 50.000.000 Bytes</translation>
    </message>
    <message>
        <source>not stored: the copy is marked private, is empty, or is larger than 50,000,000 bytes</source>
        <translation>nicht gespeichert: die Kopie ist als privat markiert, leer oder größer als 50.000.000 Bytes</translation>
    </message>
    <message>
        <source>not stored: no text, files or readable image in the copy, or it is larger than 25,000,000 bytes</source>
        <translation>nicht gespeichert: die Kopie enthält keinen Text, keine Dateien und kein lesbares Bild, oder sie ist größer als 25.000.000 Bytes</translation>
    </message>
    <message>
        <source>Watching the clipboard</source>
        <translation>Das Beobachten der Zwischenablage</translation>
    </message>
    <message>
        <source>unknown command “%1”</source>
        <translation>unbekannter Befehl „%1“</translation>
    </message>
    <message>
        <source>search needs one TEXT</source>
        <translation>search braucht genau einen TEXT</translation>
    </message>
    <message>
        <source>copy needs one ID</source>
        <translation>copy braucht genau eine ID</translation>
    </message>
    <message>
        <source>no clipboard is available here</source>
        <translation>hier ist keine Zwischenablage verfügbar</translation>
    </message>
    <message>
        <source>clip %1 has no plain text to copy</source>
        <translation>Clip %1 hat keinen reinen Text zum Kopieren</translation>
    </message>
    <message>
        <source>the data of clip %1 is missing or unreadable</source>
        <translation>die Daten von Clip %1 fehlen oder sind nicht lesbar</translation>
    </message>
    <message>
        <source>%1 needs one ID</source>
        <translation>%1 braucht genau eine ID</translation>
    </message>
    <message>
        <source>%1 unpinned</source>
        <translation>%1 gelöst</translation>
    </message>
    <message>
        <source>%1 pinned</source>
        <translation>%1 angeheftet</translation>
    </message>
    <message>
        <source>watch: unexpected “%1”</source>
        <translation>watch: unerwartetes „%1“</translation>
    </message>
    <message numerus="yes">
        <source>%n clip(s) dropped</source>
        <translation>
            <numerusform>%n Clip entfernt</numerusform>
            <numerusform>%n Clips entfernt</numerusform>
        </translation>
    </message>
    <message>
        <source>Zarvo is running and already keeps the clipboard history</source>
        <translation>Zarvo läuft und führt den Zwischenablage-Verlauf bereits</translation>
    </message>
</context>
<context>
    <name>ClipsWatch</name>
    <message>
        <source>clips: cannot watch: %1</source>
        <translation>clips: Beobachten nicht möglich: %1</translation>
    </message>
    <message>
        <source>clips: watching the clipboard for %1 (Ctrl+C stops)</source>
        <translation>clips: Zwischenablage wird für %1 beobachtet (Strg+C beendet)</translation>
    </message>
    <message numerus="yes">
        <source>clips: stopped, %n copy(s) captured</source>
        <translation>
            <numerusform>clips: beendet, %n Kopie aufgenommen</numerusform>
            <numerusform>clips: beendet, %n Kopien aufgenommen</numerusform>
        </translation>
    </message>
</context>
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
    <name>DesktopCli</name>
    <message>
        <source>zarvo-cli: unknown command “%1”</source>
        <translation>zarvo-cli: unbekannter Befehl „%1“</translation>
    </message>
</context>
<context>
    <name>DesktopMain</name>
    <message>
        <source>the running Zarvo keeps no clip store
</source>
        <translation>das laufende Zarvo führt keinen Clip-Speicher
</translation>
    </message>
    <message>
        <source>zarvo: cannot become the running instance (the instance socket cannot be made)</source>
        <translation>zarvo: kann nicht die laufende Instanz werden (der Instanz-Socket kann nicht angelegt werden)</translation>
    </message>
    <message>
        <source>Zarvo: the clip store is in use by another process; copies are not kept</source>
        <translation>Zarvo: der Clip-Speicher wird von einem anderen Prozess benutzt; Kopien werden nicht behalten</translation>
    </message>
    <message>
        <source>Zarvo: to open the panel without the hot key, bind “zarvo --toggle” in your desktop&apos;s keyboard shortcut settings</source>
        <translation>Zarvo: um das Panel ohne das Tastenkürzel zu öffnen, „zarvo --toggle“ in den Tastenkürzel-Einstellungen Ihrer Arbeitsumgebung zuweisen</translation>
    </message>
</context>
<context>
    <name>FakeInputKeys</name>
    <message>
        <source>Paste the chosen clip into the window in front</source>
        <translation>Den gewählten Clip in das Fenster im Vordergrund einfügen</translation>
    </message>
</context>
<context>
    <name>FileOperations</name>
    <message>
        <source>copied</source>
        <extracomment>What could not be done to an item, as in &quot;“a” couldn&apos;t be copied&quot;.</extracomment>
        <translation>kopiert</translation>
    </message>
    <message>
        <source>duplicated</source>
        <extracomment>What could not be done to an item.</extracomment>
        <translation>dupliziert</translation>
    </message>
    <message>
        <source>moved</source>
        <extracomment>What could not be done to an item.</extracomment>
        <translation>verschoben</translation>
    </message>
    <message>
        <source>%1 is a device file, which can&apos;t be %2.</source>
        <extracomment>%2 is what was asked: copied, duplicated or moved.</extracomment>
        <translation>%1 ist eine Gerätedatei, die nicht %2 werden kann.</translation>
    </message>
    <message>
        <source>%1 is a socket, which can&apos;t be %2.</source>
        <extracomment>%2 is what was asked: copied, duplicated or moved.</extracomment>
        <translation>%1 ist ein Socket, der nicht %2 werden kann.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be %2: it needs %3 and only %4 are free there.</source>
        <extracomment>%2 is what was asked (copied, duplicated, moved); %3 and %4 are sizes.</extracomment>
        <translation>%1 konnte nicht %2 werden: Es braucht %3, dort sind nur %4 frei.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be %2: %3 (%4).</source>
        <extracomment>%2 is what was asked (copied, duplicated, moved); %3 the system&apos;s error; %4 the entry.</extracomment>
        <translation>%1 konnte nicht %2 werden: %3 (%4).</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be %2: %3.</source>
        <extracomment>%2 is what was asked (copied, duplicated, moved); %3 the system&apos;s error.</extracomment>
        <translation>%1 konnte nicht %2 werden: %3.</translation>
    </message>
    <message>
        <source>%1 copy</source>
        <extracomment>The name of a duplicate; %1 is the original&apos;s name without its extension.</extracomment>
        <translation>%1 Kopie</translation>
    </message>
    <message>
        <source>%1 copy %2</source>
        <extracomment>The name of a further duplicate; %1 is the original&apos;s name, %2 a number.</extracomment>
        <translation>%1 Kopie %2</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be %2 because it no longer exists.</source>
        <extracomment>%2 is what was asked: copied, duplicated or moved.</extracomment>
        <translation>%1 konnte nicht %2 werden, weil es nicht mehr existiert.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be created because an item with that name already exists.</source>
        <translation>%1 konnte nicht erstellt werden, weil bereits ein Objekt mit diesem Namen existiert.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be moved because it no longer exists.</source>
        <translation>%1 konnte nicht verschoben werden, weil es nicht mehr existiert.</translation>
    </message>
    <message>
        <source>Can&apos;t move %1 into itself.</source>
        <translation>%1 kann nicht in sich selbst verschoben werden.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be moved because an item named %2 already exists.</source>
        <translation>%1 konnte nicht verschoben werden, weil bereits ein Objekt namens %2 existiert.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be moved: %2.</source>
        <translation>%1 konnte nicht verschoben werden: %2.</translation>
    </message>
    <message>
        <source>%1 was copied but the original couldn&apos;t be removed: %2.</source>
        <translation>%1 wurde kopiert, aber das Original konnte nicht entfernt werden: %2.</translation>
    </message>
    <message>
        <source>Open in browser</source>
        <translation>Im Browser öffnen</translation>
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
    <name>FolderAccess</name>
    <message>
        <source>Desktop</source>
        <translation>Schreibtisch</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Dokumente</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>Downloads</translation>
    </message>
    <message>
        <source>Can&apos;t search %1 — macOS hasn&apos;t granted access.</source>
        <extracomment>%1 lists folders. Keep &quot;macOS hasn&apos;t granted access&quot; as it is: each desktop replaces it.</extracomment>
        <translation>%1 kann nicht durchsucht werden — macOS hasn&apos;t granted access.</translation>
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
    <name>Help</name>
    <message>
        <source>Open a path</source>
        <extracomment>The searchable manual. Keep verbatim: what the user types (in:desktop, img:, google:, &gt; git status, control, lock …), key glyphs, Finder and the {hotKey} {clipHotKey} placeholders.</extracomment>
        <translation>Einen Pfad öffnen</translation>
    </message>
    <message>
        <source>/, ~/, %USERPROFILE%\Desktop, &quot;quoted paths&quot;. ⇥ completes, fuzzily (~/dwnl → Downloads).</source>
        <translation>/, ~/, %USERPROFILE%\Desktop, &quot;Pfade in Anführungszeichen&quot;. ⇥ ergänzt, auch ungefähr (~/dwnl → Downloads).</translation>
    </message>
    <message>
        <source>Find files by name</source>
        <translation>Dateien nach Namen finden</translation>
    </message>
    <message>
        <source>Type any part of a name. Fuzzy: invc → Invoice.pdf, actmon → Activity Monitor.</source>
        <translation>Einen Teil des Namens tippen. Ungefähr: invc → Invoice.pdf, actmon → Activity Monitor.</translation>
    </message>
    <message>
        <source>Search inside a folder</source>
        <translation>In einem Ordner suchen</translation>
    </message>
    <message>
        <source>in:desktop avatar · in:downloads · in:~/repos readme. in:desktop alone lists it.</source>
        <translation>in:desktop avatar · in:downloads · in:~/repos readme. in:desktop allein zeigt seinen Inhalt.</translation>
    </message>
    <message>
        <source>Filter by kind and date</source>
        <translation>Nach Art und Datum filtern</translation>
    </message>
    <message>
        <source>img: pdf: doc: sheet: slides: video: audio: folder: app: code: zip: · today: yesterday: week: month:</source>
        <translation>img: pdf: doc: sheet: slides: video: audio: folder: app: code: zip: · today: yesterday: week: month:</translation>
    </message>
    <message>
        <source>Search the web</source>
        <translation>Im Web suchen</translation>
    </message>
    <message>
        <source>google: g: yt: gh: so: wiki: maps: amazon: npm: pypi: ddg: bing: translate: followed by text.</source>
        <translation>google: g: yt: gh: so: wiki: maps: amazon: npm: pypi: ddg: bing: translate: gefolgt von Text.</translation>
    </message>
    <message>
        <source>Open a website</source>
        <translation>Eine Website öffnen</translation>
    </message>
    <message>
        <source>github.com/trending, news.ycomb…, https://… open in your browser. ⌘1–9 picks another browser.</source>
        <translation>github.com/trending, news.ycomb…, https://… öffnen sich im Browser. ⌘1–9 wählt einen anderen Browser.</translation>
    </message>
    <message>
        <source>Run a command</source>
        <translation>Einen Befehl ausführen</translation>
    </message>
    <message>
        <source>&gt; git status runs it in a new Terminal window, from your home folder.</source>
        <translation>&gt; git status führt ihn in einem neuen Terminal-Fenster aus, im persönlichen Ordner.</translation>
    </message>
    <message>
        <source>Connect to a server</source>
        <translation>Mit einem Server verbinden</translation>
    </message>
    <message>
        <source>\\server\share or smb://, afp://, vnc:// mounts it and opens Finder.</source>
        <translation>\\server\share oder smb://, afp://, vnc:// bindet ihn ein und öffnet Finder.</translation>
    </message>
    <message>
        <source>Windows Run keywords</source>
        <translation>Stichwörter aus „Ausführen“ von Windows</translation>
    </message>
    <message>
        <source>control, cmd, notepad, calc, taskmgr, excel, winword, ncpa.cpl, downloads, trash… ↩ lists them all.</source>
        <translation>control, cmd, notepad, calc, taskmgr, excel, winword, ncpa.cpl, downloads, trash… ↩ listet alle auf.</translation>
    </message>
    <message>
        <source>System actions</source>
        <translation>Systemaktionen</translation>
    </message>
    <message>
        <source>lock · sleep · restart · shutdown · logout · emptytrash · eject · ip (copies your IP address).</source>
        <translation>lock · sleep · restart · shutdown · logout · emptytrash · eject · ip (kopiert Ihre IP-Adresse).</translation>
    </message>
    <message>
        <source>Actions on a result: ⌘K</source>
        <translation>Aktionen für ein Ergebnis: ⌘K</translation>
    </message>
    <message>
        <source>Copy file / path / name / Markdown link, rename, duplicate, zip, move, Get Info, trash, Terminal here.</source>
        <translation>Datei / Pfad / Name / Markdown-Link kopieren, umbenennen, duplizieren, zippen, verschieben, Eigenschaften, Papierkorb, Terminal hier.</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>↩ open · ⌘↩ reveal · ⌥↩ Terminal here · ⌥⌘↩ paste path into your app · ⌘Y preview · ⌘1–9 open with · ⌘⇧C copy path</source>
        <translation>↩ öffnen · ⌘↩ zeigen · ⌥↩ Terminal hier · ⌥⌘↩ Pfad in Ihre App einfügen · ⌘Y Vorschau · ⌘1–9 öffnen mit · ⌘⇧C Pfad kopieren</translation>
    </message>
    <message>
        <source>Favorites, clipboard and history</source>
        <translation>Favoriten, Zwischenablage und Verlauf</translation>
    </message>
    <message>
        <source>⌘D stars a result. The empty box shows favorites, copied paths, then places you open most.</source>
        <translation>⌘D macht ein Ergebnis zum Favoriten. Das leere Feld zeigt Favoriten, kopierte Pfade, dann häufig geöffnete Orte.</translation>
    </message>
    <message>
        <source>Clipboard history</source>
        <translation>Zwischenablage-Verlauf</translation>
    </message>
    <message>
        <source>The Clipboard tab (⌘. to switch, {clipHotKey}, or clip:) lists what you copied. ↩ copies, ⌘↩ pastes into your app, ⌘P pins, Clear empties it.</source>
        <translation>Der Tab Zwischenablage (⌘. zum Wechseln, {clipHotKey} oder clip:) listet, was Sie kopiert haben. ↩ kopiert, ⌘↩ fügt in Ihre App ein, ⌘P heftet an, Leeren leert ihn.</translation>
    </message>
    <message>
        <source>Clipboard paste-in</source>
        <translation>Übernahme aus der Zwischenablage</translation>
    </message>
    <message>
        <source>A copied path, file name or URL is filled in when the panel opens. Other text isn&apos;t. Typing replaces it, esc clears it.</source>
        <translation>Ein kopierter Pfad, Dateiname oder eine URL wird beim Öffnen des Panels eingetragen, anderer Text nicht. Tippen ersetzt ihn, esc löscht ihn.</translation>
    </message>
    <message>
        <source>Your own keywords and hotkey</source>
        <translation>Eigene Stichwörter und Tastenkürzel</translation>
    </message>
    <message>
        <source>Settings: map a word to a path, URL or app, change {hotKey}, pick your terminal. ↩ opens Settings.</source>
        <translation>Einstellungen: Wort → Pfad, URL oder App, {hotKey} ändern, Terminal wählen. ↩ öffnet die Einstellungen.</translation>
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
    <name>IndexCommand</name>
    <message>
        <source>usage: zarvo-cli index status [--json]
       zarvo-cli index rebuild [--root DIR]...
</source>
        <translation>Aufruf: zarvo-cli index status [--json]
        zarvo-cli index rebuild [--root DIR]...
</translation>
    </message>
    <message>
        <source>roots: %1</source>
        <translation>Wurzeln: %1</translation>
    </message>
    <message>
        <source>excluded: %1</source>
        <translation>ausgeschlossen: %1</translation>
    </message>
    <message>
        <source>entries: %1</source>
        <translation>Einträge: %1</translation>
    </message>
    <message>
        <source>snapshot: %1 (%2, written %3, %4 min ago)</source>
        <translation>Abbild: %1 (%2, geschrieben %3, vor %4 Min.)</translation>
    </message>
    <message>
        <source>snapshot: %1 (%2, written %3, %4 min ago, not usable: will be rebuilt)</source>
        <translation>Abbild: %1 (%2, geschrieben %3, vor %4 Min., nicht verwendbar: wird neu erstellt)</translation>
    </message>
    <message>
        <source>snapshot: none yet (zarvo-cli index rebuild makes one)</source>
        <translation>Abbild: noch keines (zarvo-cli index rebuild erstellt eines)</translation>
    </message>
    <message>
        <source>watches: %1 in this process (the running application holds its own); system limit %2</source>
        <translation>Überwachungen: %1 in diesem Prozess (die laufende Anwendung hat eigene); Systemgrenze %2</translation>
    </message>
    <message>
        <source>memory: %1 (%2 bytes per entry)</source>
        <translation>Speicher: %1 (%2 Bytes pro Eintrag)</translation>
    </message>
    <message>
        <source>memory: %1</source>
        <translation>Speicher: %1</translation>
    </message>
    <message>
        <source>applications: %1 (%2, from the applications folders of XDG_DATA_HOME and XDG_DATA_DIRS)</source>
        <translation>Anwendungen: %1 (%2, aus den applications-Ordnern von XDG_DATA_HOME und XDG_DATA_DIRS)</translation>
    </message>
    <message>
        <source>unreadable folders (skipped): %1</source>
        <translation>nicht lesbare Ordner (übersprungen): %1</translation>
    </message>
    <message>
        <source>zarvo-cli: not a folder: %1</source>
        <translation>zarvo-cli: kein Ordner: %1</translation>
    </message>
    <message>
        <source>indexing %1: %2 entries…</source>
        <translation>%1 wird indiziert: %2 Einträge…</translation>
    </message>
    <message>
        <source>zarvo-cli: could not write the snapshot %1</source>
        <translation>zarvo-cli: das Abbild %1 konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>indexed %1 entries in %2 s; snapshot %3 (%4)</source>
        <translation>%1 Einträge in %2 s indiziert; Abbild %3 (%4)</translation>
    </message>
    <message>
        <source>watches: %1 in the running Zarvo; system limit %2</source>
        <translation>Überwachungen: %1 im laufenden Zarvo; Systemgrenze %2</translation>
    </message>
    <message numerus="yes">
        <source>%n folder(s) without a watch, re-listed when they change</source>
        <translation>
            <numerusform>%n Ordner ohne Überwachung, neu gelesen, wenn er sich ändert</numerusform>
            <numerusform>%n Ordner ohne Überwachung, neu gelesen, wenn sie sich ändern</numerusform>
        </translation>
    </message>
    <message>
        <source>crawl: running, the index is being brought up to date</source>
        <translation>Durchsuchen: läuft, der Index wird auf den neuesten Stand gebracht</translation>
    </message>
</context>
<context>
    <name>IndexedFolders</name>
    <message>
        <source>Home folder</source>
        <translation>Persönlicher Ordner</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 ist kein Ordner.</translation>
    </message>
    <message>
        <source>%1 is inside %2, which is left out: remove that first.</source>
        <translation>%1 liegt in %2, das ausgelassen wird: zuerst dieses entfernen.</translation>
    </message>
    <message>
        <source>%1 is searched already.</source>
        <translation>%1 wird bereits durchsucht.</translation>
    </message>
    <message>
        <source>%1 is inside %2, which is searched already.</source>
        <translation>%1 liegt in %2, das bereits durchsucht wird.</translation>
    </message>
    <message>
        <source>%1 is left out already.</source>
        <translation>%1 wird bereits ausgelassen.</translation>
    </message>
    <message>
        <source>%1 is not in a folder Zarvo searches.</source>
        <translation>%1 liegt in keinem Ordner, den Zarvo durchsucht.</translation>
    </message>
    <message>
        <source>Remove %1 from the folders searched instead.</source>
        <translation>Stattdessen %1 aus den durchsuchten Ordnern entfernen.</translation>
    </message>
    <message>
        <source>Zarvo searches at least one folder: add another before removing %1.</source>
        <translation>Zarvo durchsucht mindestens einen Ordner: vor dem Entfernen von %1 einen anderen hinzufügen.</translation>
    </message>
    <message numerus="yes">
        <source>Indexing… %Ln files and folders so far</source>
        <translation>
            <numerusform>Indizierung… bisher %Ln Datei oder Ordner</numerusform>
            <numerusform>Indizierung… bisher %Ln Dateien und Ordner</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files and folders indexed</source>
        <translation>
            <numerusform>%Ln Datei oder Ordner indiziert</numerusform>
            <numerusform>%Ln Dateien und Ordner indiziert</numerusform>
        </translation>
    </message>
    <message>
        <source>every minute</source>
        <translation>jede Minute</translation>
    </message>
    <message>
        <source>every two minutes</source>
        <translation>alle zwei Minuten</translation>
    </message>
    <message numerus="yes">
        <source>every %Ln minutes</source>
        <translation>
            <numerusform>alle %Ln Minuten</numerusform>
            <numerusform>alle %Ln Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln folders are re-listed %1: raise fs.inotify.max_user_watches</source>
        <extracomment>%1 is how often: every minute, every two minutes, every 5 minutes.</extracomment>
        <translation>
            <numerusform>%Ln Ordner wird %1 neu eingelesen: fs.inotify.max_user_watches erhöhen</numerusform>
            <numerusform>%Ln Ordner werden %1 neu eingelesen: fs.inotify.max_user_watches erhöhen</numerusform>
        </translation>
    </message>
    <message>
        <source>New files are found as they appear</source>
        <translation>Neue Dateien werden gefunden, sobald sie erscheinen</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>Couldn&apos;t install Zarvo</source>
        <translation>Zarvo konnte nicht installiert werden</translation>
    </message>
    <message>
        <source>The copied app is incomplete.</source>
        <translation>Die kopierte App ist unvollständig.</translation>
    </message>
    <message>
        <source>A link in ~/.local/bin was left as it is</source>
        <translation>Eine Verknüpfung in ~/.local/bin wurde unverändert gelassen</translation>
    </message>
    <message>
        <source>the new version</source>
        <translation>die neue Version</translation>
    </message>
    <message>
        <source>Move Zarvo to your Applications folder?</source>
        <translation>Zarvo in Ihren Programme-Ordner verschieben?</translation>
    </message>
    <message>
        <source>It will open from there (%1) and from the application menu, and keep working after you unmount the image or delete the download.</source>
        <translation>Es öffnet sich dann von dort (%1) und aus dem Anwendungsmenü und funktioniert weiter, nachdem Sie das Abbild ausgehängt oder den Download gelöscht haben.</translation>
    </message>
    <message>
        <source>Move to Applications</source>
        <translation>In Programme verschieben</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Nicht jetzt</translation>
    </message>
    <message>
        <source>the old version</source>
        <translation>die alte Version</translation>
    </message>
    <message>
        <source>Replace Zarvo %1 with %2?</source>
        <translation>Zarvo %1 durch %2 ersetzen?</translation>
    </message>
    <message>
        <source>Zarvo %1 will be closed and moved to the Trash, and %2 will open from your Applications folder. Your history, clips and settings stay.</source>
        <translation>Zarvo %1 wird beendet und in den Papierkorb verschoben, und %2 öffnet sich aus Ihrem Programme-Ordner. Verlauf, Clips und Einstellungen bleiben erhalten.</translation>
    </message>
    <message>
        <source>Replace and Open</source>
        <translation>Ersetzen und öffnen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>

You can unpack Zarvo into %1 yourself instead.</source>
        <translation>

Sie können Zarvo stattdessen selbst nach %1 entpacken.</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>You are not allowed to install as administrator.</source>
        <translation>Sie dürfen nicht als Administrator installieren.</translation>
    </message>
    <message>
        <source>Couldn&apos;t open Zarvo from Applications</source>
        <translation>Zarvo konnte nicht aus Programme geöffnet werden</translation>
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
    <name>InstanceRequests</name>
    <message>
        <source>clips: Zarvo is running and keeps its clips in %1; other stores are opened only while it does not run
</source>
        <translation>clips: Zarvo läuft und führt seine Clips in %1; andere Speicher werden nur geöffnet, solange es nicht läuft
</translation>
    </message>
    <message>
        <source>clips: Zarvo is running and already keeps the clipboard history
</source>
        <translation>clips: Zarvo läuft und führt den Zwischenablage-Verlauf bereits
</translation>
    </message>
    <message>
        <source>zarvo-cli: Zarvo is running, but the request to it failed: %1. The command was not run here as well, so that only Zarvo writes its store.</source>
        <translation>zarvo-cli: Zarvo läuft, aber die Anfrage daran ist fehlgeschlagen: %1. Der Befehl wurde nicht auch hier ausgeführt, damit nur Zarvo seinen Speicher schreibt.</translation>
    </message>
    <message>
        <source>zarvo-cli: Zarvo could not read the request
</source>
        <translation>zarvo-cli: Zarvo konnte die Anfrage nicht lesen
</translation>
    </message>
    <message>
        <source>zarvo-cli: “%1” is not carried out by the running Zarvo
</source>
        <translation>zarvo-cli: „%1“ wird vom laufenden Zarvo nicht ausgeführt
</translation>
    </message>
    <message>
        <source>its answer has no exit code</source>
        <translation>seine Antwort hat keinen Exit-Code</translation>
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
        <source>This is a Wayland session: global hot keys work only while an X11 application is in front. To open the panel, bind “zarvo --toggle” (and “zarvo --clipboard” for the clipboard history) in your desktop&apos;s keyboard shortcut settings.</source>
        <translation>Dies ist eine Wayland-Sitzung: Globale Tastenkürzel funktionieren nur, solange eine X11-Anwendung im Vordergrund ist. Um das Panel zu öffnen, binden Sie „zarvo --toggle“ (und „zarvo --clipboard“ für den Verlauf der Zwischenablage) in den Tastenkürzel-Einstellungen Ihrer Arbeitsumgebung an eine Taste.</translation>
    </message>
    <message>
        <source>The clipboard, global hot keys and pasting</source>
        <extracomment>Begins &quot;… needs a graphical session (no display is available)&quot;.</extracomment>
        <translation>Zwischenablage, globale Tastenkürzel und Einfügen</translation>
    </message>
    <message>
        <source>panel on XWayland</source>
        <translation>Panel über XWayland</translation>
    </message>
    <message>
        <source>clipboard capture stopped: the Wayland connection was lost</source>
        <translation>Aufzeichnung der Zwischenablage angehalten: Die Wayland-Verbindung ist verloren</translation>
    </message>
    <message>
        <source>paste into X windows only</source>
        <translation>Einfügen nur in X-Fenster</translation>
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
        <source>front application through KWin&apos;s window list</source>
        <translation>Anwendung im Vordergrund über die Fensterliste von KWin</translation>
    </message>
    <message>
        <source>paste through KWin&apos;s fake input</source>
        <translation>Einfügen über die Eingabesimulation von KWin</translation>
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
    <name>PanelModes</name>
    <message>
        <source>Select a result first</source>
        <translation>Zuerst ein Ergebnis auswählen</translation>
    </message>
    <message>
        <source>Only files and folders can be renamed</source>
        <translation>Nur Dateien und Ordner können umbenannt werden</translation>
    </message>
    <message>
        <source>Renaming %1. ↩ to save, esc to cancel</source>
        <translation>%1 wird umbenannt. ↩ speichert, esc bricht ab</translation>
    </message>
    <message>
        <source>That isn&apos;t a valid name</source>
        <translation>Das ist kein gültiger Name</translation>
    </message>
    <message>
        <source>%1 already exists here</source>
        <translation>%1 existiert hier bereits</translation>
    </message>
    <message>
        <source>Renamed to %1</source>
        <translation>Umbenannt in %1</translation>
    </message>
    <message>
        <source>Click Clear again to delete all clips except pinned ones. This can&apos;t be undone.</source>
        <extracomment>&quot;Clear&quot; is the label of the panel&apos;s button that empties the list.</extracomment>
        <translation>Erneut auf Leeren klicken, um alle Clips außer angehefteten zu löschen. Nicht umkehrbar.</translation>
    </message>
    <message>
        <source>Click Clear again to forget the places you&apos;ve opened. Favorites stay.</source>
        <translation>Erneut auf Leeren klicken, um die geöffneten Orte zu vergessen. Favoriten bleiben.</translation>
    </message>
    <message>
        <source>Cleared recent history</source>
        <translation>Verlauf geleert</translation>
    </message>
    <message>
        <source>Use these keys on any search result</source>
        <translation>Diese Tasten wirken auf jedes Suchergebnis</translation>
    </message>
</context>
<context>
    <name>PanelTexts</name>
    <message>
        <source>Path, file name, URL, google:…, &gt; command, keyword, or ? for help</source>
        <translation>Pfad, Dateiname, URL, google:…, &gt; Befehl, Stichwort oder ? für Hilfe</translation>
    </message>
    <message>
        <source>Search actions for “%1”…</source>
        <translation>Aktionen für „%1“ suchen…</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Neuer Name</translation>
    </message>
    <message>
        <source>Search clipboard history</source>
        <translation>Zwischenablage-Verlauf durchsuchen</translation>
    </message>
    <message>
        <source>Path, file name, URL, &gt; command, or ? for help</source>
        <translation>Pfad, Dateiname, URL, &gt; Befehl oder ? für Hilfe</translation>
    </message>
    <message>
        <source>Path, URL, or ? for help</source>
        <translation>Pfad, URL oder ? für Hilfe</translation>
    </message>
    <message>
        <source>? for help</source>
        <translation>? für Hilfe</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Suche läuft…</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Keine Treffer</translation>
    </message>
    <message>
        <source>Type a path, a file name, a URL, google:text, &gt; command, or a keyword like control, cmd, lock.
Filters: in:desktop img: pdf: folder: today: week:   ·   Type ? for help, ?? for every keyword.</source>
        <extracomment>Keep the typed words as they are: google:, control, cmd, lock, in:desktop, img:, pdf:, folder:, today:, week:.</extracomment>
        <translation>Pfad, Dateinamen, URL, google:text, &gt; Befehl oder ein Stichwort wie control, cmd, lock eingeben.
Filter: in:desktop img: pdf: folder: today: week:   ·   ? für Hilfe, ?? für alle Stichwörter.</translation>
    </message>
    <message>
        <source>Clipboard history is off.
Turn it on in Settings (⌘,).</source>
        <translation>Der Zwischenablage-Verlauf ist aus.
In den Einstellungen einschalten (⌘,).</translation>
    </message>
    <message>
        <source>No clips match “%1”</source>
        <translation>Keine Clips passen zu „%1“</translation>
    </message>
    <message>
        <source>Nothing copied yet.
Text, images, links and files you copy show up here.</source>
        <translation>Noch nichts kopiert.
Kopierte Texte, Bilder, Links und Dateien erscheinen hier.</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>verb</comment>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Aktionen</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>Favorit</translation>
    </message>
    <message>
        <source>Show in Finder</source>
        <translation>In Finder zeigen</translation>
    </message>
    <message>
        <source>Run action</source>
        <translation>Aktion ausführen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>As plain text</source>
        <translation>Als reiner Text</translation>
    </message>
    <message>
        <source>Paste in app</source>
        <translation>In App einfügen</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>Anheften</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Mehr</translation>
    </message>
    <message>
        <source>Click to Confirm</source>
        <translation>Zum Bestätigen klicken</translation>
    </message>
    <message>
        <source>Clear Clips</source>
        <translation>Clips leeren</translation>
    </message>
    <message>
        <source>Clear Recent</source>
        <translation>Zuletzt geöffnete leeren</translation>
    </message>
    <message>
        <source>Delete all clips except pinned ones</source>
        <translation>Alle Clips außer angehefteten löschen</translation>
    </message>
    <message>
        <source>Forget the places you&apos;ve opened (favorites stay)</source>
        <translation>Geöffnete Orte vergessen (Favoriten bleiben)</translation>
    </message>
    <message>
        <source>Clipboard (%1)</source>
        <translation>Zwischenablage (%1)</translation>
    </message>
    <message>
        <source>Run (%1)</source>
        <translation>Ausführen (%1)</translation>
    </message>
    <message>
        <source>%1 to switch</source>
        <translation>%1 zum Wechseln</translation>
    </message>
</context>
<context>
    <name>QueryCommand</name>
    <message>
        <source>usage: zarvo-cli query [--json] TEXT
</source>
        <translation>Aufruf: zarvo-cli query [--json] TEXT
</translation>
    </message>
</context>
<context>
    <name>QueryPipeline</name>
    <message>
        <source>No folder named “%1”. Try in:desktop, in:downloads or in:~/path</source>
        <translation>Kein Ordner namens „%1“. Versuchen Sie in:desktop, in:downloads oder in:~/path</translation>
    </message>
</context>
<context>
    <name>ResultItem</name>
    <message>
        <source>Run in Terminal</source>
        <translation>Im Terminal ausführen</translation>
    </message>
    <message>
        <source>Connect to server</source>
        <translation>Mit Server verbinden</translation>
    </message>
    <message>
        <source>Connect to %1</source>
        <translation>Mit %1 verbinden</translation>
    </message>
</context>
<context>
    <name>ResultRow</name>
    <message>
        <source>Recent</source>
        <comment>row tag</comment>
        <translation>Zuletzt</translation>
    </message>
    <message>
        <source>Web</source>
        <comment>row tag</comment>
        <translation>Web</translation>
    </message>
    <message>
        <source>URL</source>
        <comment>row tag</comment>
        <translation>URL</translation>
    </message>
    <message>
        <source>Favorite</source>
        <comment>row tag</comment>
        <translation>Favorit</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <comment>row tag</comment>
        <translation>Zwischenablage</translation>
    </message>
    <message>
        <source>Run</source>
        <comment>row tag: a shell command</comment>
        <translation>Ausführen</translation>
    </message>
    <message>
        <source>Server</source>
        <comment>row tag</comment>
        <translation>Server</translation>
    </message>
    <message>
        <source>↩ Try</source>
        <translation>↩ Ausprobieren</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment>row tag</comment>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Open in browser</source>
        <translation>Im Browser öffnen</translation>
    </message>
    <message>
        <source>Copy to the clipboard</source>
        <translation>In die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Copy command</source>
        <translation>Befehl kopieren</translation>
    </message>
    <message>
        <source>Copy path</source>
        <translation>Pfad kopieren</translation>
    </message>
    <message>
        <source>Copy URL</source>
        <translation>URL kopieren</translation>
    </message>
    <message>
        <source>Show in Finder (⌘↩)</source>
        <translation>In Finder zeigen (⌘↩)</translation>
    </message>
    <message>
        <source>clip</source>
        <comment>spoken kind</comment>
        <translation>Clip</translation>
    </message>
    <message>
        <source>help</source>
        <comment>spoken kind</comment>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>command</source>
        <comment>spoken kind</comment>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>server</source>
        <comment>spoken kind</comment>
        <translation>Server</translation>
    </message>
    <message>
        <source>clipboard history</source>
        <comment>spoken kind</comment>
        <translation>Zwischenablage-Verlauf</translation>
    </message>
    <message>
        <source>web search</source>
        <comment>spoken kind</comment>
        <translation>Websuche</translation>
    </message>
    <message>
        <source>web address</source>
        <comment>spoken kind</comment>
        <translation>Webadresse</translation>
    </message>
    <message>
        <source>action</source>
        <comment>spoken kind</comment>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>application</source>
        <comment>spoken kind</comment>
        <translation>Anwendung</translation>
    </message>
    <message>
        <source>folder</source>
        <comment>spoken kind</comment>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>file</source>
        <comment>spoken kind</comment>
        <translation>Datei</translation>
    </message>
    <message>
        <source>settings</source>
        <comment>spoken kind</comment>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>link</source>
        <comment>spoken kind</comment>
        <translation>Link</translation>
    </message>
    <message>
        <source>favorite</source>
        <translation>Favorit</translation>
    </message>
    <message>
        <source>pinned</source>
        <translation>angeheftet</translation>
    </message>
</context>
<context>
    <name>Salvage</name>
    <message numerus="yes">
        <source>the stored %1 could not be read whole; %Ln entries were read, and the stored value is kept unchanged under “%2” in the settings file</source>
        <extracomment>%1 is what was stored (history, favorites), %2 the key it is kept under.</extracomment>
        <translation>
            <numerusform>die gespeicherten Daten (%1) konnten nicht vollständig gelesen werden; %Ln Eintrag wurde gelesen, und der gespeicherte Wert bleibt unverändert unter „%2“ in der Einstellungsdatei</numerusform>
            <numerusform>die gespeicherten Daten (%1) konnten nicht vollständig gelesen werden; %Ln Einträge wurden gelesen, und der gespeicherte Wert bleibt unverändert unter „%2“ in der Einstellungsdatei</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SessionReport</name>
    <message>
        <source>grabbed on X11</source>
        <translation>unter X11 abgefangen</translation>
    </message>
    <message>
        <source>only while an X11 app is in front</source>
        <translation>nur solange eine X11-App vorne ist</translation>
    </message>
    <message>
        <source>through the desktop portal</source>
        <translation>über das Desktop-Portal</translation>
    </message>
    <message>
        <source>waiting for the desktop portal</source>
        <translation>wartet auf das Desktop-Portal</translation>
    </message>
    <message>
        <source>through the desktop&apos;s shortcuts</source>
        <translation>über die Tastenkürzel der Arbeitsumgebung</translation>
    </message>
    <message>
        <source>through %1&apos;s shortcuts</source>
        <translation>über die Tastenkürzel von %1</translation>
    </message>
    <message>
        <source>off (another app holds it)</source>
        <translation>aus (eine andere App belegt ihn)</translation>
    </message>
    <message>
        <source>off (the desktop holds it)</source>
        <translation>aus (die Arbeitsumgebung belegt ihn)</translation>
    </message>
    <message>
        <source>off (%1 holds it)</source>
        <translation>aus (%1 belegt ihn)</translation>
    </message>
    <message>
        <source>off (no hot-key service here)</source>
        <translation>aus (hier gibt es keinen Dienst für globale Tastenkürzel)</translation>
    </message>
    <message>
        <source>no hot keys set</source>
        <translation>keine globalen Tastenkürzel festgelegt</translation>
    </message>
    <message>
        <source>panel key %1</source>
        <extracomment>%1 says how the key reaches Zarvo (&quot;grabbed on X11&quot;, &quot;through the desktop portal&quot;).</extracomment>
        <translation>Kürzel für das Fenster %1</translation>
    </message>
    <message>
        <source>hot keys %1</source>
        <translation>Tastenkürzel %1</translation>
    </message>
    <message>
        <source>clipboard key %1</source>
        <translation>Kürzel für die Zwischenablage %1</translation>
    </message>
    <message>
        <source>panel key %1, clipboard key %2</source>
        <translation>Kürzel für das Fenster %1, Kürzel für die Zwischenablage %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>Where Zarvo runs (&quot;Wayland (KWin), panel on XWayland&quot;), then how its hot keys reach it.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>(the desktop portal did not answer)</source>
        <extracomment>Follows how a key reaches Zarvo (&quot;only while an X11 app is in front&quot;).</extracomment>
        <translation>(das Desktop-Portal hat nicht geantwortet)</translation>
    </message>
</context>
<context>
    <name>ShellCommand</name>
    <message>
        <source>The command contains a NUL character</source>
        <translation>Der Befehl enthält ein NUL-Zeichen</translation>
    </message>
    <message>
        <source>Could not create “%1”: %2</source>
        <translation>„%1“ konnte nicht erstellt werden: %2</translation>
    </message>
    <message>
        <source>Could not write “%1”: %2</source>
        <translation>„%1“ konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Could not make “%1” executable</source>
        <translation>„%1“ konnte nicht ausführbar gemacht werden</translation>
    </message>
    <message>
        <source>Terminal isn&apos;t installed</source>
        <translation>Terminal ist nicht installiert</translation>
    </message>
</context>
<context>
    <name>Shortcuts</name>
    <message>
        <source>Home Folder</source>
        <translation>Persönlicher Ordner</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Schreibtisch</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Dokumente</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>Downloads</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Movies</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Anwendungen</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Dienstprogramme</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>Library</translation>
    </message>
    <message>
        <source>Application Support</source>
        <translation>Application Support</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Papierkorb</translation>
    </message>
    <message>
        <source>Temporary Items</source>
        <translation>Temporäre Dateien</translation>
    </message>
    <message>
        <source>iCloud Drive</source>
        <translation>iCloud Drive</translation>
    </message>
    <message>
        <source>Macintosh HD</source>
        <translation>Macintosh HD</translation>
    </message>
    <message>
        <source>hosts file</source>
        <translation>hosts-Datei</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>TextEdit</source>
        <translation>TextEdit</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>Activity Monitor</source>
        <translation>Aktivitätsanzeige</translation>
    </message>
    <message>
        <source>Finder</source>
        <translation>Finder</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Bildschirmfoto</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>Systeminformationen</translation>
    </message>
    <message>
        <source>Disk Utility</source>
        <translation>Festplattendienstprogramm</translation>
    </message>
    <message>
        <source>Console</source>
        <translation>Konsole</translation>
    </message>
    <message>
        <source>Passwords</source>
        <translation>Passwörter</translation>
    </message>
    <message>
        <source>Font Book</source>
        <translation>Schriftsammlung</translation>
    </message>
    <message>
        <source>App Store</source>
        <translation>App Store</translation>
    </message>
    <message>
        <source>Screen Sharing</source>
        <translation>Bildschirmfreigabe</translation>
    </message>
    <message>
        <source>Microsoft Excel</source>
        <translation>Microsoft Excel</translation>
    </message>
    <message>
        <source>Microsoft Word</source>
        <translation>Microsoft Word</translation>
    </message>
    <message>
        <source>System Settings</source>
        <translation>System Settings</translation>
    </message>
    <message>
        <source>Wi‑Fi</source>
        <translation>WLAN</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>Bluetooth</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>VPN</source>
        <translation>VPN</translation>
    </message>
    <message>
        <source>Displays</source>
        <translation>Bildschirme</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Maus</translation>
    </message>
    <message>
        <source>Trackpad</source>
        <translation>Trackpad</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Batterie</translation>
    </message>
    <message>
        <source>Users &amp; Groups</source>
        <translation>Benutzer &amp; Gruppen</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Softwareaktualisierung</translation>
    </message>
    <message>
        <source>Login Items</source>
        <translation>Anmeldeobjekte</translation>
    </message>
    <message>
        <source>Privacy &amp; Security</source>
        <translation>Datenschutz &amp; Sicherheit</translation>
    </message>
    <message>
        <source>Printers &amp; Scanners</source>
        <translation>Drucker &amp; Scanner</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Benachrichtigungen</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>Barrierefreiheit</translation>
    </message>
    <message>
        <source>Date &amp; Time</source>
        <translation>Datum &amp; Uhrzeit</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Erscheinungsbild</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Hintergrundbild</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Speicher</translation>
    </message>
    <message>
        <source>Language &amp; Region</source>
        <translation>Sprache &amp; Region</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>Freigaben</translation>
    </message>
    <message>
        <source>About This Mac</source>
        <translation>About This Mac</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Anwendung</translation>
    </message>
    <message>
        <source>System Settings › %1</source>
        <extracomment>Keep &quot;System Settings&quot; as it is: it is replaced by the desktop&apos;s own name for its settings.</extracomment>
        <translation>System Settings › %1</translation>
    </message>
    <message>
        <source>Custom shortcut → %1</source>
        <translation>Eigenes Kürzel → %1</translation>
    </message>
    <message>
        <source>System action</source>
        <translation>Systemaktion</translation>
    </message>
</context>
<context>
    <name>StartNotices</name>
    <message>
        <source>your desktop&apos;s keyboard shortcut settings</source>
        <translation>die Tastenkürzel-Einstellungen Ihrer Arbeitsumgebung</translation>
    </message>
    <message>
        <source>Zarvo is running</source>
        <translation>Zarvo läuft</translation>
    </message>
</context>
<context>
    <name>StoreCommands</name>
    <message>
        <source>usage: zarvo-cli %1</source>
        <extracomment>%1 is the command&apos;s syntax, kept as it is.</extracomment>
        <translation>Aufruf: zarvo-cli %1</translation>
    </message>
    <message>
        <source>zarvo-cli: unknown option %1</source>
        <translation>zarvo-cli: unbekannte Option %1</translation>
    </message>
    <message>
        <source>%1 needs an integer from 0 to 4294967295, not %2</source>
        <translation>%1 braucht eine ganze Zahl von 0 bis 4294967295, nicht %2</translation>
    </message>
    <message>
        <source>%1 needs an integer, not %2</source>
        <translation>%1 braucht eine ganze Zahl, nicht %2</translation>
    </message>
    <message>
        <source>%1 needs true or false, not %2</source>
        <translation>%1 braucht true oder false, nicht %2</translation>
    </message>
    <message>
        <source>%1 needs a JSON array of strings or a comma-separated list</source>
        <translation>%1 braucht ein JSON-Array aus Zeichenketten oder eine durch Kommas getrennte Liste</translation>
    </message>
    <message>
        <source>%1 needs a JSON array of {&quot;keyword&quot;: …, &quot;target&quot;: …} objects</source>
        <translation>%1 braucht ein JSON-Array aus {&quot;keyword&quot;: …, &quot;target&quot;: …}-Objekten</translation>
    </message>
    <message>
        <source>%1: not a UUID: %2</source>
        <translation>%1: keine UUID: %2</translation>
    </message>
    <message>
        <source>unsupported setting</source>
        <translation>nicht unterstützte Einstellung</translation>
    </message>
    <message>
        <source>zarvo-cli: unknown setting %1; `zarvo-cli settings list` shows them</source>
        <translation>zarvo-cli: unbekannte Einstellung %1; `zarvo-cli settings list` zeigt alle</translation>
    </message>
    <message>
        <source>zarvo-cli: launch at login could not be changed</source>
        <translation>zarvo-cli: Start bei der Anmeldung konnte nicht geändert werden</translation>
    </message>
    <message>
        <source>starred %1</source>
        <translation>mit Stern markiert: %1</translation>
    </message>
    <message>
        <source>unstarred %1</source>
        <translation>Stern entfernt: %1</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>„%1“</translation>
    </message>
</context>
<context>
    <name>SystemActions</name>
    <message>
        <source>Lock Screen</source>
        <translation>Bildschirm sperren</translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation>Ruhezustand</translation>
    </message>
    <message>
        <source>Turn Off Display</source>
        <translation>Bildschirm ausschalten</translation>
    </message>
    <message>
        <source>Start Screen Saver</source>
        <translation>Bildschirmschoner starten</translation>
    </message>
    <message>
        <source>Restart…</source>
        <translation>Neu starten…</translation>
    </message>
    <message>
        <source>Shut Down…</source>
        <translation>Ausschalten…</translation>
    </message>
    <message>
        <source>Log Out…</source>
        <translation>Abmelden…</translation>
    </message>
    <message>
        <source>Empty Trash</source>
        <translation>Papierkorb leeren</translation>
    </message>
    <message>
        <source>Eject All Disks</source>
        <translation>Alle Datenträger auswerfen</translation>
    </message>
    <message>
        <source>Copy IP Address</source>
        <translation>IP-Adresse kopieren</translation>
    </message>
    <message>
        <source>No disks to eject</source>
        <translation>Keine Datenträger zum Auswerfen</translation>
    </message>
    <message numerus="yes">
        <source>Ejected %Ln disk(s)</source>
        <translation>
            <numerusform>%Ln Datenträger ausgeworfen</numerusform>
            <numerusform>%Ln Datenträger ausgeworfen</numerusform>
        </translation>
    </message>
    <message>
        <source>Couldn&apos;t restart: %1</source>
        <translation>Neustart nicht möglich: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t shut down: %1</source>
        <translation>Ausschalten nicht möglich: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t log out: %1</source>
        <translation>Abmelden nicht möglich: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t lock the screen: %1</source>
        <translation>Bildschirm konnte nicht gesperrt werden: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t %1: %2</source>
        <extracomment>%1 is the action&apos;s title in lower case, %2 the reason.</extracomment>
        <translation>Nicht möglich (%1): %2</translation>
    </message>
    <message>
        <source>no session service</source>
        <translation>kein Sitzungsdienst</translation>
    </message>
    <message>
        <source>Press ↩ again to empty trash. This can&apos;t be undone.</source>
        <translation>Erneut ↩ drücken, um den Papierkorb zu leeren. Nicht umkehrbar.</translation>
    </message>
    <message>
        <source>No session manager answers: press ↩ again to restart now. Unsaved work in open applications may be lost.</source>
        <translation>Keine Sitzungsverwaltung antwortet: erneut ↩ drücken, um jetzt neu zu starten. Ungesicherte Arbeit kann verloren gehen.</translation>
    </message>
    <message>
        <source>No session manager answers: press ↩ again to shut down now. Unsaved work in open applications may be lost.</source>
        <translation>Keine Sitzungsverwaltung antwortet: erneut ↩ drücken, um jetzt auszuschalten. Ungesicherte Arbeit kann verloren gehen.</translation>
    </message>
    <message>
        <source>Locking the screen…</source>
        <translation>Bildschirm wird gesperrt…</translation>
    </message>
    <message>
        <source>no session manager answers</source>
        <translation>keine Sitzungsverwaltung antwortet</translation>
    </message>
    <message>
        <source>Ejecting…</source>
        <translation>Wird ausgeworfen…</translation>
    </message>
    <message>
        <source>No network connection</source>
        <translation>Keine Netzwerkverbindung</translation>
    </message>
    <message>
        <source>Copied IP address %1</source>
        <translation>IP-Adresse %1 kopiert</translation>
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
    <name>Text</name>
    <message>
        <source>“%1”</source>
        <extracomment>Quotation marks around a name in a message: „%1“ in German, « %1 » in French.</extracomment>
        <translation>„%1“</translation>
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
    <name>UpdateDialogs</name>
    <message>
        <source>Software Update</source>
        <translation>Softwareaktualisierung</translation>
    </message>
    <message>
        <source>You&apos;re up to date!</source>
        <translation>Alles ist aktuell!</translation>
    </message>
    <message>
        <source>Zarvo %1 is currently the newest version available.</source>
        <translation>Zarvo %1 ist derzeit die neueste verfügbare Version.</translation>
    </message>
    <message>
        <source>Update Error!</source>
        <translation>Aktualisierungsfehler!</translation>
    </message>
    <message>
        <source>A new version of Zarvo is available!</source>
        <translation>Eine neue Version von Zarvo ist verfügbar!</translation>
    </message>
    <message>
        <source>Zarvo %1 is now available—you have %2. Would you like to install it now?</source>
        <translation>Zarvo %1 ist jetzt verfügbar – Sie haben %2. Möchten Sie es jetzt installieren?</translation>
    </message>
    <message>
        <source>Install and Relaunch</source>
        <translation>Installieren und neu starten</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Später</translation>
    </message>
    <message>
        <source>The update was not installed.</source>
        <translation>Die Aktualisierung wurde nicht installiert.</translation>
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
<context>
    <name>WebSearch</name>
    <message>
        <source>Google</source>
        <translation>Google</translation>
    </message>
    <message>
        <source>YouTube</source>
        <translation>YouTube</translation>
    </message>
    <message>
        <source>DuckDuckGo</source>
        <translation>DuckDuckGo</translation>
    </message>
    <message>
        <source>Bing</source>
        <translation>Bing</translation>
    </message>
    <message>
        <source>GitHub</source>
        <translation>GitHub</translation>
    </message>
    <message>
        <source>Stack Overflow</source>
        <translation>Stack Overflow</translation>
    </message>
    <message>
        <source>Wikipedia</source>
        <translation>Wikipedia</translation>
    </message>
    <message>
        <source>Google Maps</source>
        <translation>Google Maps</translation>
    </message>
    <message>
        <source>Amazon</source>
        <translation>Amazon</translation>
    </message>
    <message>
        <source>npm</source>
        <translation>npm</translation>
    </message>
    <message>
        <source>PyPI</source>
        <translation>PyPI</translation>
    </message>
    <message>
        <source>Google Translate</source>
        <translation>Google Übersetzer</translation>
    </message>
    <message>
        <source>Search %1 for “%2”</source>
        <extracomment>%1 is the search engine&apos;s name, %2 the text searched for.</extracomment>
        <translation>%1 nach „%2“ durchsuchen</translation>
    </message>
</context>
<context>
    <name>ZarvoMain</name>
    <message>
        <source>usage: zarvo [--toggle | --clipboard | --settings | --status | --quit]
  (none)       start Zarvo, or show the panel of the running one
  --toggle     show or hide the panel (bind this where the desktop has no global keys)
  --clipboard  show or hide the clipboard history
  --settings   open the settings window
  --status     say where the running Zarvo runs and which desktop services it uses
  --quit       quit the running Zarvo
</source>
        <extracomment>Keep the program name and the options (--toggle …) as they are.</extracomment>
        <translation>Aufruf: zarvo [--toggle | --clipboard | --settings | --status | --quit]
  (keine)      Zarvo starten oder das Panel des laufenden zeigen
  --toggle     das Panel zeigen oder verbergen (dort binden, wo die Arbeitsumgebung keine globalen Tasten hat)
  --clipboard  den Zwischenablage-Verlauf zeigen oder verbergen
  --settings   das Einstellungsfenster öffnen
  --status     sagen, wo das laufende Zarvo läuft und welche Dienste der Arbeitsumgebung es nutzt
  --quit       das laufende Zarvo beenden
</translation>
    </message>
    <message>
        <source>zarvo: the running Zarvo did not answer: %1</source>
        <translation>zarvo: das laufende Zarvo hat nicht geantwortet: %1</translation>
    </message>
    <message>
        <source>zarvo: Zarvo is not running</source>
        <translation>zarvo: Zarvo läuft nicht</translation>
    </message>
</context>
<context>
    <name>zarvo::AppCatalog</name>
    <message>
        <source>Application</source>
        <translation>Anwendung</translation>
    </message>
</context>
<context>
    <name>zarvo::ClipStore</name>
    <message numerus="yes">
        <source>the index in %1 could not be read whole and was set aside as “%2”; %Ln clips were salvaged into a fresh index, and the data files of every clip it names are kept</source>
        <extracomment>%1 is a folder, %2 a file name.</extracomment>
        <translation>
            <numerusform>der Index in %1 konnte nicht vollständig gelesen werden und wurde als „%2“ beiseitegelegt; %Ln Clip wurde in einen neuen Index gerettet, und die Datendateien aller darin genannten Clips bleiben erhalten</numerusform>
            <numerusform>der Index in %1 konnte nicht vollständig gelesen werden und wurde als „%2“ beiseitegelegt; %Ln Clips wurden in einen neuen Index gerettet, und die Datendateien aller darin genannten Clips bleiben erhalten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the index in %1 could not be read whole nor set aside; %Ln clips were read, and the index is not written over</source>
        <extracomment>%1 is a folder.</extracomment>
        <translation>
            <numerusform>der Index in %1 konnte weder vollständig gelesen noch beiseitegelegt werden; %Ln Clip wurde gelesen, und der Index wird nicht überschrieben</numerusform>
            <numerusform>der Index in %1 konnte weder vollständig gelesen noch beiseitegelegt werden; %Ln Clips wurden gelesen, und der Index wird nicht überschrieben</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>zarvo::ResultActions</name>
    <message>
        <source>Show Clipboard History</source>
        <translation>Zwischenablage-Verlauf zeigen</translation>
    </message>
    <message>
        <source>Run in Terminal</source>
        <translation>Im Terminal ausführen</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>verb</comment>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Copy URL</source>
        <translation>URL kopieren</translation>
    </message>
    <message>
        <source>Copy as Markdown Link</source>
        <translation>Als Markdown-Link kopieren</translation>
    </message>
    <message>
        <source>Copy Command</source>
        <translation>Befehl kopieren</translation>
    </message>
    <message>
        <source>Reveal in Finder</source>
        <translation>In Finder zeigen</translation>
    </message>
    <message>
        <source>Quick Look</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Open in Terminal</source>
        <translation>Im Terminal öffnen</translation>
    </message>
    <message>
        <source>Paste Path into %1</source>
        <translation>Pfad in %1 einfügen</translation>
    </message>
    <message>
        <source>Front App</source>
        <translation>die aktive App</translation>
    </message>
    <message>
        <source>Copy File</source>
        <translation>Datei kopieren</translation>
    </message>
    <message>
        <source>Copy Path</source>
        <translation>Pfad kopieren</translation>
    </message>
    <message>
        <source>Copy Name</source>
        <translation>Namen kopieren</translation>
    </message>
    <message>
        <source>Remove from Favorites</source>
        <translation>Aus Favoriten entfernen</translation>
    </message>
    <message>
        <source>Add to Favorites</source>
        <translation>Zu Favoriten hinzufügen</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>Umbenennen…</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <source>Compress to ZIP</source>
        <translation>Als ZIP komprimieren</translation>
    </message>
    <message>
        <source>Move to…</source>
        <translation>Verschieben nach…</translation>
    </message>
    <message>
        <source>Get Info</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>In den Papierkorb verschieben</translation>
    </message>
    <message>
        <source>Remove from History</source>
        <translation>Aus dem Verlauf entfernen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copy as Plain Text</source>
        <translation>Als reinen Text kopieren</translation>
    </message>
    <message>
        <source>Paste into %1</source>
        <translation>In %1 einfügen</translation>
    </message>
    <message>
        <source>Open Link</source>
        <translation>Link öffnen</translation>
    </message>
    <message>
        <source>Unpin</source>
        <translation>Lösen</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>Anheften</translation>
    </message>
    <message>
        <source>Delete from Clipboard History</source>
        <translation>Aus dem Zwischenablage-Verlauf löschen</translation>
    </message>
    <message>
        <source>Paste into Front App</source>
        <translation>In die aktive App einfügen</translation>
    </message>
    <message>
        <source>Actions…</source>
        <translation>Aktionen…</translation>
    </message>
    <message>
        <source>Select a file or folder</source>
        <translation>Eine Datei oder einen Ordner auswählen</translation>
    </message>
    <message>
        <source>Duplicating %1…</source>
        <translation>%1 wird dupliziert…</translation>
    </message>
    <message>
        <source>Duplicated as %1</source>
        <translation>Dupliziert als %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t compress %1: the archiver bsdtar (libarchive-tools) is not installed</source>
        <translation>%1 konnte nicht komprimiert werden: bsdtar (libarchive-tools) ist nicht installiert</translation>
    </message>
    <message>
        <source>Couldn&apos;t compress %1: %2</source>
        <translation>%1 konnte nicht komprimiert werden: %2</translation>
    </message>
    <message>
        <source>Compressing %1…</source>
        <translation>%1 wird komprimiert…</translation>
    </message>
    <message>
        <source>Compressed to %1</source>
        <translation>Komprimiert als %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t compress %1</source>
        <translation>%1 konnte nicht komprimiert werden</translation>
    </message>
    <message>
        <source>%1 already exists in %2</source>
        <translation>%1 existiert bereits in %2</translation>
    </message>
    <message>
        <source>Move</source>
        <comment>verb</comment>
        <extracomment>The button of the folder chooser.</extracomment>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Move %1 to…</source>
        <translation>%1 verschieben nach…</translation>
    </message>
    <message>
        <source>Moved %1 to Trash</source>
        <translation>%1 in den Papierkorb verschoben</translation>
    </message>
    <message>
        <source>Copied — press %1 to paste (%2 in a terminal)</source>
        <translation>Kopiert — zum Einfügen %1 drücken (%2 im Terminal)</translation>
    </message>
    <message>
        <source>Copied — press %1 to paste</source>
        <translation>Kopiert — zum Einfügen %1 drücken</translation>
    </message>
    <message>
        <source>Nothing to paste</source>
        <translation>Nichts einzufügen</translation>
    </message>
    <message>
        <source>Nothing to open — path not found</source>
        <translation>Nichts zu öffnen — Pfad nicht gefunden</translation>
    </message>
    <message>
        <source>%1 came from the clipboard and runs code. Press ↩ again to open it.</source>
        <translation>%1 stammt aus der Zwischenablage und führt Code aus. Erneut ↩ öffnet es.</translation>
    </message>
    <message>
        <source>Nothing to reveal</source>
        <translation>Nichts zu zeigen</translation>
    </message>
    <message>
        <source>Nothing to preview</source>
        <translation>Keine Vorschau möglich</translation>
    </message>
    <message>
        <source>No terminal app found</source>
        <translation>Keine Terminal-App gefunden</translation>
    </message>
    <message>
        <source>Nothing to copy</source>
        <translation>Nichts zu kopieren</translation>
    </message>
    <message>
        <source>Copied %1</source>
        <translation>Kopiert: %1</translation>
    </message>
    <message>
        <source>Copied file %1</source>
        <translation>Datei %1 kopiert</translation>
    </message>
    <message>
        <source>Nothing to favorite</source>
        <translation>Nichts als Favorit zu markieren</translation>
    </message>
    <message>
        <source>★ Added %1 to favorites</source>
        <translation>★ %1 zu Favoriten hinzugefügt</translation>
    </message>
    <message>
        <source>Removed %1 from favorites</source>
        <translation>%1 aus Favoriten entfernt</translation>
    </message>
</context>
<context>
    <name>zarvo::app::AppDelegate</name>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>Quit Zarvo</source>
        <translation>Zarvo beenden</translation>
    </message>
    <message>
        <source>Zarvo Shortcut</source>
        <translation>Zarvo-Tastenkürzel</translation>
    </message>
    <message>
        <source>Choose Another Key…</source>
        <translation>Andere Taste wählen…</translation>
    </message>
    <message>
        <source>Open Zarvo</source>
        <translation>Zarvo öffnen</translation>
    </message>
    <message>
        <source>Change %1&apos;s Shortcuts?</source>
        <translation>Tastenkürzel von %1 ändern?</translation>
    </message>
    <message>
        <source>%1 could not be bound: %2</source>
        <translation>%1 konnte nicht zugewiesen werden: %2</translation>
    </message>
    <message>
        <source>Zarvo: no status area on this desktop; open the panel with the hot key, from the application menu (Zarvo, with Clipboard History and Settings), or with “zarvo --toggle”</source>
        <translation>Zarvo: kein Statusbereich in dieser Arbeitsumgebung; das Panel mit dem Tastenkürzel, aus dem Anwendungsmenü (Zarvo, mit Zwischenablage-Verlauf und Einstellungen) oder mit „zarvo --toggle“ öffnen</translation>
    </message>
</context>
<context>
    <name>zarvo::app::StatusMenu</name>
    <message>
        <source>Open Zarvo</source>
        <translation>Zarvo öffnen</translation>
    </message>
    <message>
        <source>Clipboard History</source>
        <translation>Zwischenablage-Verlauf</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Einstellungen…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Nach Aktualisierungen suchen…</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Verlauf leeren</translation>
    </message>
    <message>
        <source>Quit Zarvo</source>
        <translation>Zarvo beenden</translation>
    </message>
    <message>
        <source>Open Zarvo  (%1)</source>
        <translation>Zarvo öffnen  (%1)</translation>
    </message>
    <message>
        <source>Clipboard History  (%1)</source>
        <translation>Zwischenablage-Verlauf  (%1)</translation>
    </message>
</context>
<context>
    <name>zarvo::app::Updater</name>
    <message>
        <source>Updates come with your package manager</source>
        <translation>Aktualisierungen kommen über Ihre Paketverwaltung</translation>
    </message>
    <message>
        <source>Update checks are not set up for this build</source>
        <translation>Für diese Version ist keine Suche nach Aktualisierungen eingerichtet</translation>
    </message>
    <message>
        <source>Only a copy installed from the portable folder updates itself</source>
        <translation>Nur eine aus dem portablen Ordner installierte Kopie aktualisiert sich selbst</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Softwareaktualisierung</translation>
    </message>
    <message>
        <source>The update is not offered over HTTPS (%1).</source>
        <translation>Die Aktualisierung wird nicht über HTTPS angeboten (%1).</translation>
    </message>
    <message>
        <source>The update&apos;s size (%1 bytes) is not believable.</source>
        <translation>Die Größe der Aktualisierung (%1 Bytes) ist nicht glaubhaft.</translation>
    </message>
    <message>
        <source>The update is not signed.</source>
        <translation>Die Aktualisierung ist nicht signiert.</translation>
    </message>
    <message>
        <source>The update has %1 bytes, not the %2 the feed announced.</source>
        <translation>Die Aktualisierung hat %1 Bytes, nicht die vom Feed angekündigten %2.</translation>
    </message>
    <message>
        <source>The update&apos;s signature does not match; it was not installed.</source>
        <translation>Die Signatur der Aktualisierung stimmt nicht; sie wurde nicht installiert.</translation>
    </message>
    <message>
        <source>The update&apos;s signature cannot be checked: a file of Zarvo is missing. Reinstall Zarvo; the update was not installed.</source>
        <translation>Die Signatur der Aktualisierung lässt sich nicht prüfen: eine Datei von Zarvo fehlt. Installieren Sie Zarvo neu; die Aktualisierung wurde nicht installiert.</translation>
    </message>
    <message>
        <source>The address %1 is not HTTPS.</source>
        <translation>Die Adresse %1 ist kein HTTPS.</translation>
    </message>
    <message>
        <source>The update server sent the request on to another place (%1).</source>
        <translation>Der Aktualisierungsserver hat die Anfrage an einen anderen Ort weitergeleitet (%1).</translation>
    </message>
    <message>
        <source>The answer of the update server is larger than %1 bytes.</source>
        <translation>Die Antwort des Aktualisierungsservers ist größer als %1 Bytes.</translation>
    </message>
    <message>
        <source>The update server could not be reached: %1</source>
        <translation>Der Aktualisierungsserver ist nicht erreichbar: %1</translation>
    </message>
    <message>
        <source>This copy cannot install updates.</source>
        <translation>Diese Kopie kann keine Aktualisierungen installieren.</translation>
    </message>
    <message>
        <source>No room to unpack the update: %1</source>
        <translation>Kein Platz zum Entpacken der Aktualisierung: %1</translation>
    </message>
    <message>
        <source>The update could not be saved: %1</source>
        <translation>Die Aktualisierung konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>The update could not be unpacked: %1</source>
        <translation>Die Aktualisierung konnte nicht entpackt werden: %1</translation>
    </message>
    <message>
        <source>The update holds no Zarvo of build %1.</source>
        <translation>Die Aktualisierung enthält kein Zarvo des Builds %1.</translation>
    </message>
</context>
<context>
    <name>zarvo::ui::ActionList</name>
    <message>
        <source>destructive</source>
        <translation>unwiderruflich</translation>
    </message>
</context>
<context>
    <name>zarvo::ui::AppChooser</name>
    <message>
        <source>Choose an App</source>
        <translation>App auswählen</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
</context>
<context>
    <name>zarvo::ui::ClipPreview</name>
    <message>
        <source>From %1</source>
        <translation>Aus %1</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n Datei</numerusform>
            <numerusform>%n Dateien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 character(s)</source>
        <translation>
            <numerusform>%1 Zeichen</numerusform>
            <numerusform>%1 Zeichen</numerusform>
        </translation>
    </message>
    <message>
        <source>Pinned</source>
        <translation>Angeheftet</translation>
    </message>
    <message>
        <source>Clip text</source>
        <translation>Clip-Text</translation>
    </message>
    <message>
        <source>Clip image</source>
        <translation>Clip-Bild</translation>
    </message>
    <message>
        <source>Clip files</source>
        <translation>Clip-Dateien</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copy to the clipboard (↩ copies and closes)</source>
        <translation>In die Zwischenablage kopieren (↩ kopiert und schließt)</translation>
    </message>
    <message numerus="yes">
        <source>%1 more file(s)</source>
        <translation>
            <numerusform>%1 weitere Datei</numerusform>
            <numerusform>%1 weitere Dateien</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>zarvo::ui::PreviewWindow</name>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Modified %1</source>
        <translation>Geändert %1</translation>
    </message>
    <message>
        <source>Created %1</source>
        <translation>Erstellt %1</translation>
    </message>
</context>
<context>
    <name>zarvo::ui::SearchAccessSection</name>
    <message>
        <source>Search Access</source>
        <translation>Suchzugriff</translation>
    </message>
    <message>
        <source>Zarvo finds files in these folders. Folders you can&apos;t read are skipped.</source>
        <translation>Zarvo findet Dateien in diesen Ordnern. Ordner, die Sie nicht lesen können, werden übersprungen.</translation>
    </message>
    <message>
        <source>Folders searched</source>
        <translation>Durchsuchte Ordner</translation>
    </message>
    <message>
        <source>Add Folder…</source>
        <translation>Ordner hinzufügen…</translation>
    </message>
    <message>
        <source>Folders left out</source>
        <translation>Ausgelassene Ordner</translation>
    </message>
    <message>
        <source>Leave Out Folder…</source>
        <translation>Ordner auslassen…</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>%1 entfernen</translation>
    </message>
    <message>
        <source>Search a Folder</source>
        <translation>Ordner durchsuchen</translation>
    </message>
    <message>
        <source>Leave Out a Folder</source>
        <translation>Ordner auslassen</translation>
    </message>
</context>
<context>
    <name>zarvo::ui::SearchView</name>
    <message>
        <source>No matching actions</source>
        <translation>Keine passenden Aktionen</translation>
    </message>
    <message>
        <source>Clear (esc)</source>
        <translation>Leeren (esc)</translation>
    </message>
    <message>
        <source>Run</source>
        <comment>tab</comment>
        <translation>Ausführen</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <comment>tab</comment>
        <translation>Zwischenablage</translation>
    </message>
    <message>
        <source>Open with</source>
        <translation>Öffnen mit</translation>
    </message>
    <message>
        <source>Search Access Settings</source>
        <translation>Einstellungen für Suchzugriff</translation>
    </message>
    <message>
        <source>Open Privacy Settings</source>
        <translation>Datenschutz-Einstellungen öffnen</translation>
    </message>
    <message>
        <source>Open with %1</source>
        <translation>Mit %1 öffnen</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suche</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Actions for</source>
        <translation>Aktionen für</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Aktionen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Clipboard history</source>
        <translation>Zwischenablage-Verlauf</translation>
    </message>
</context>
<context>
    <name>zarvo::ui::SettingsView</name>
    <message>
        <source>1 day</source>
        <translation>1 Tag</translation>
    </message>
    <message>
        <source>7 days</source>
        <translation>7 Tage</translation>
    </message>
    <message>
        <source>30 days</source>
        <translation>30 Tage</translation>
    </message>
    <message>
        <source>90 days</source>
        <translation>90 Tage</translation>
    </message>
    <message>
        <source>1 year</source>
        <translation>1 Jahr</translation>
    </message>
    <message>
        <source>Up to 500 clips</source>
        <translation>Bis zu 500 Clips</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorieren</translation>
    </message>
    <message>
        <source>Search Access</source>
        <translation>Suchzugriff</translation>
    </message>
    <message>
        <source>macOS hides search results from folders Zarvo isn&apos;t allowed to read.</source>
        <translation>macOS verbirgt Suchergebnisse aus Ordnern, die Zarvo nicht lesen darf.</translation>
    </message>
    <message>
        <source>Files &amp;&amp; Folders…</source>
        <translation>Dateien &amp;&amp; Ordner…</translation>
    </message>
    <message>
        <source>Full Disk Access…</source>
        <translation>Voller Festplattenzugriff…</translation>
    </message>
    <message>
        <source>Desktop, Documents, Downloads</source>
        <translation>Schreibtisch, Dokumente, Downloads</translation>
    </message>
    <message>
        <source>Everything (Mail, other users, external drives)</source>
        <translation>Alles (Mail, andere Benutzer, externe Laufwerke)</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Show Zarvo</source>
        <translation>Zarvo zeigen</translation>
    </message>
    <message>
        <source>Show clipboard history</source>
        <translation>Zwischenablage-Verlauf zeigen</translation>
    </message>
    <message>
        <source>Switch tabs (in the panel)</source>
        <translation>Reiter wechseln (im Panel)</translation>
    </message>
    <message>
        <source>Lines to add</source>
        <translation>Hinzuzufügende Zeilen</translation>
    </message>
    <message>
        <source>Global shortcuts are captured in every app: while Zarvo runs, ⌘R no longer reloads pages in browsers, and ⇧⌘V no longer pastes as plain text in apps that use it.</source>
        <translation>Globale Tastenkürzel werden in jeder App abgefangen: Solange Zarvo läuft, lädt ⌘R in Browsern keine Seiten mehr neu, und ⇧⌘V fügt in Apps, die es nutzen, nicht mehr als reinen Text ein.</translation>
    </message>
    <message>
        <source>Behavior</source>
        <translation>Verhalten</translation>
    </message>
    <message>
        <source>Paste file path from clipboard when opened</source>
        <translation>Dateipfad beim Öffnen aus der Zwischenablage einfügen</translation>
    </message>
    <message>
        <source>Show hidden files in path completion</source>
        <translation>Versteckte Dateien in der Pfadergänzung zeigen</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>Open in Terminal (⌥↩) uses</source>
        <translation>Im Terminal öffnen (⌥↩) nutzt</translation>
    </message>
    <message>
        <source>Type a keyword in Zarvo and press ↩, like Windows Run (control, cmd, %TEMP%…). Custom keywords override built-in ones. Type ?? to list all, ? for help.</source>
        <extracomment>“control” and “cmd” are keywords the user types: keep them as they are.</extracomment>
        <translation>Ein Stichwort in Zarvo eingeben und ↩ drücken, wie bei „Ausführen“ unter Windows (control, cmd, %TEMP%…). Eigene Stichwörter haben Vorrang vor eingebauten. ?? listet alle, ? zeigt die Hilfe.</translation>
    </message>
    <message>
        <source>Add Shortcut</source>
        <translation>Kürzel hinzufügen</translation>
    </message>
    <message>
        <source>Built-in shortcuts (%1)</source>
        <translation>Eingebaute Kürzel (%1)</translation>
    </message>
    <message>
        <source>Clipboard History</source>
        <translation>Zwischenablage-Verlauf</translation>
    </message>
    <message>
        <source>Clips stay on this Mac. Copies that password managers mark as private are never saved. Clearing keeps pinned clips.</source>
        <extracomment>Keep “this Mac” in English: it is replaced with the desktop&apos;s word after translation.</extracomment>
        <translation>Clips bleiben auf this Mac. Kopien, die Passwortverwaltungen als privat markieren, werden nie gespeichert. Leeren behält angeheftete Clips.</translation>
    </message>
    <message>
        <source>Keep clipboard history</source>
        <translation>Zwischenablage-Verlauf behalten</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>App hinzufügen…</translation>
    </message>
    <message>
        <source>Clear Clipboard History</source>
        <translation>Zwischenablage-Verlauf leeren</translation>
    </message>
    <message>
        <source>Keep clips for</source>
        <translation>Clips behalten für</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Aktualisierungen</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>Automatisch nach Aktualisierungen suchen</translation>
    </message>
    <message>
        <source>Check Now</source>
        <translation>Jetzt prüfen</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Verlauf leeren</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tage</numerusform>
        </translation>
    </message>
    <message>
        <source>keyword</source>
        <translation>Stichwort</translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation>Stichwort</translation>
    </message>
    <message>
        <source>~/path, https://url, or App Name</source>
        <translation>~/pfad, https://url oder App-Name</translation>
    </message>
    <message>
        <source>Opens</source>
        <translation>Öffnet</translation>
    </message>
    <message numerus="yes">
        <source>Never save copies from (%n app(s))</source>
        <translation>
            <numerusform>Nie Kopien speichern aus (%n App)</numerusform>
            <numerusform>Nie Kopien speichern aus (%n Apps)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n clip(s)</source>
        <translation>
            <numerusform>%n Clip</numerusform>
            <numerusform>%n Clips</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n pinned</source>
        <translation>
            <numerusform>%1, %n angeheftet</numerusform>
            <numerusform>%1, %n angeheftet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n remembered item(s)</source>
        <translation>
            <numerusform>%n gemerkter Eintrag</numerusform>
            <numerusform>%n gemerkte Einträge</numerusform>
        </translation>
    </message>
    <message>
        <source>Update checks are not set up for this build</source>
        <translation>Für diese Version ist keine Suche nach Aktualisierungen eingerichtet</translation>
    </message>
    <message>
        <source>Once a day Zarvo asks %1 whether there&apos;s a new version. Updates are signed, and nothing about you is sent.</source>
        <translation>Einmal am Tag fragt Zarvo bei %1 nach einer neuen Version. Aktualisierungen sind signiert, und es wird nichts über Sie gesendet.</translation>
    </message>
    <message>
        <source>Press keys… (esc to cancel)</source>
        <translation>Tasten drücken… (esc bricht ab)</translation>
    </message>
    <message>
        <source>To open Zarvo from every app, add these lines to %1 and reload it:</source>
        <translation>Um Zarvo aus jeder App zu öffnen, diese Zeilen zu %1 hinzufügen und neu laden:</translation>
    </message>
    <message>
        <source>Change %1&apos;s Shortcuts?</source>
        <translation>Tastenkürzel von %1 ändern?</translation>
    </message>
    <message>
        <source>%1 could not be bound: %2</source>
        <translation>%1 konnte nicht zugewiesen werden: %2</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <comment>global hot keys</comment>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <comment>typed keywords</comment>
        <translation>Kürzel</translation>
    </message>
    <message>
        <source>Remove this shortcut</source>
        <translation>Dieses Kürzel entfernen</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>%1 entfernen</translation>
    </message>
</context>
<context>
    <name>zarvo::ui::SettingsWindow</name>
    <message>
        <source>Zarvo Settings</source>
        <translation>Zarvo-Einstellungen</translation>
    </message>
</context>
<context>
    <name>zarvo::ui::ShortcutRecorder</name>
    <message>
        <source>Include ⌘, ⌥ or ⌃ in the shortcut.</source>
        <translation>Das Kürzel muss ⌘, ⌥ oder ⌃ enthalten.</translation>
    </message>
    <message>
        <source>%1 is already another Zarvo shortcut.</source>
        <translation>%1 ist bereits ein anderes Zarvo-Kürzel.</translation>
    </message>
    <message>
        <source>%1 already does something in the Zarvo panel. Try another key.</source>
        <translation>%1 hat im Zarvo-Panel bereits eine Funktion. Bitte eine andere Taste versuchen.</translation>
    </message>
    <message>
        <source>%1 is already used by another app.</source>
        <translation>%1 wird bereits von einer anderen App verwendet.</translation>
    </message>
    <message>
        <source>%1 and %2 are already used by another app.</source>
        <translation>%1 und %2 werden bereits von einer anderen App verwendet.</translation>
    </message>
</context>
</TS>
