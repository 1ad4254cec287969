<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Accessibility</name>
    <message numerus="yes">
        <source>%1, %n item(s)</source>
        <translation>
            <numerusform>%1, %n élément</numerusform>
            <numerusform>%1, %n éléments</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
</context>
<context>
    <name>ActionsCommand</name>
    <message>
        <source>--select needs a row number (1 is the first row)</source>
        <translation>--select attend un numéro de ligne (1 est la première ligne)</translation>
    </message>
    <message>
        <source>--run needs an action title</source>
        <translation>--run attend le titre d’une action</translation>
    </message>
    <message>
        <source>--to needs a name or a folder</source>
        <translation>--to attend un nom ou un dossier</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>give the query as one argument</source>
        <translation>donnez la recherche en un seul argument</translation>
    </message>
    <message>
        <source>There is no row %1 (%2 listed)</source>
        <translation>Il n’y a pas de ligne %1 (%2 listées)</translation>
    </message>
    <message>
        <source>usage: zarvo-cli %1</source>
        <translation>usage&#xa0;: zarvo-cli %1</translation>
    </message>
    <message>
        <source>The clipboard is not available without a display</source>
        <translation>Le presse-papiers n’est pas disponible sans affichage</translation>
    </message>
    <message>
        <source>(destructive)</source>
        <translation>(destructif)</translation>
    </message>
    <message>
        <source>No action “%1” for “%2”</source>
        <translation>Pas d’action «&#x202f;%1&#x202f;» pour «&#x202f;%2&#x202f;»</translation>
    </message>
    <message>
        <source>“%1” needs the panel; it cannot run from the command line</source>
        <translation>«&#x202f;%1&#x202f;» a besoin du panneau&#x202f;; impossible depuis la ligne de commande</translation>
    </message>
    <message>
        <source>Rename needs the new name: --to NAME</source>
        <translation>Renommer attend le nouveau nom&#xa0;: --to NAME</translation>
    </message>
    <message>
        <source>Move needs the folder: --to DIR</source>
        <translation>Déplacer attend le dossier&#xa0;: --to DIR</translation>
    </message>
    <message>
        <source>No folder “%1”</source>
        <translation>Pas de dossier «&#x202f;%1&#x202f;»</translation>
    </message>
    <message>
        <source>Moved “%1” to %2</source>
        <translation>«&#x202f;%1&#x202f;» déplacé vers %2</translation>
    </message>
</context>
<context>
    <name>Appcast</name>
    <message>
        <source>The update feed is larger than %1 bytes.</source>
        <translation>Le flux de mises à jour dépasse %1 octets.</translation>
    </message>
    <message>
        <source>The update feed declares a DTD, which is not allowed.</source>
        <translation>Le flux de mises à jour déclare une DTD, ce qui n’est pas permis.</translation>
    </message>
    <message>
        <source>The update feed is not readable: %1.</source>
        <translation>Le flux de mises à jour est illisible&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The update feed offers no download for Linux.</source>
        <translation>Le flux de mises à jour ne propose aucun téléchargement pour Linux.</translation>
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
        <translation>usage&#xa0;: zarvo-cli COMMAND [ARGS]
  query [--json] TEXT              les lignes que le panneau affiche pour TEXT
  open [--select N] [--yes] TEXT   ↩ sur la ligne N des résultats de TEXT
  actions [--select N] [--json] [--run TITLE [--to NAME|DIR]] TEXT   le menu d’actions de la ligne
  history list [--json]            lieux ouverts, par fréquence et récence
  favorites list|toggle KEY        éléments marqués d’une étoile
  settings get KEY|set KEY VALUE|list
  clips list|search|add|copy|pin|delete|clear|prune|watch …   l’historique du presse-papiers
  index status|rebuild …           l’index des fichiers
</translation>
    </message>
</context>
<context>
    <name>Clip</name>
    <message>
        <source>Image</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Image %1×%2</source>
        <extracomment>An image&apos;s width × height in pixels.</extracomment>
        <translation>Image %1×%2</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %Ln more</source>
        <extracomment>%1 is the first file&apos;s name.</extracomment>
        <translation>
            <numerusform>%1 et %Ln autre</numerusform>
            <numerusform>%1 et %Ln autres</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClipRows</name>
    <message numerus="yes">
        <source>%Ln yr. ago</source>
        <translation>
            <numerusform>il y a %Ln an</numerusform>
            <numerusform>il y a %Ln ans</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %Ln yr.</source>
        <translation>
            <numerusform>dans %Ln an</numerusform>
            <numerusform>dans %Ln ans</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln mo. ago</source>
        <translation>
            <numerusform>il y a %Ln mois</numerusform>
            <numerusform>il y a %Ln mois</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %Ln mo.</source>
        <translation>
            <numerusform>dans %Ln mois</numerusform>
            <numerusform>dans %Ln mois</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln wk. ago</source>
        <translation>
            <numerusform>il y a %Ln sem.</numerusform>
            <numerusform>il y a %Ln sem.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %Ln wk.</source>
        <translation>
            <numerusform>dans %Ln sem.</numerusform>
            <numerusform>dans %Ln sem.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s) ago</source>
        <translation>
            <numerusform>il y a %Ln jour</numerusform>
            <numerusform>il y a %Ln jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %Ln day(s)</source>
        <translation>
            <numerusform>dans %Ln jour</numerusform>
            <numerusform>dans %Ln jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln hr. ago</source>
        <translation>
            <numerusform>il y a %Ln h</numerusform>
            <numerusform>il y a %Ln h</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %Ln hr.</source>
        <translation>
            <numerusform>dans %Ln h</numerusform>
            <numerusform>dans %Ln h</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln min. ago</source>
        <translation>
            <numerusform>il y a %Ln min</numerusform>
            <numerusform>il y a %Ln min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %Ln min.</source>
        <translation>
            <numerusform>dans %Ln min</numerusform>
            <numerusform>dans %Ln min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln sec. ago</source>
        <translation>
            <numerusform>il y a %Ln s</numerusform>
            <numerusform>il y a %Ln s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %Ln sec.</source>
        <translation>
            <numerusform>dans %Ln s</numerusform>
            <numerusform>dans %Ln s</numerusform>
        </translation>
    </message>
    <message>
        <source>(blank)</source>
        <translation>(vide)</translation>
    </message>
    <message>
        <source>just now</source>
        <translation>à l’instant</translation>
    </message>
    <message numerus="yes">
        <source>%Ln lines</source>
        <translation>
            <numerusform>%Ln ligne</numerusform>
            <numerusform>%Ln lignes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files</source>
        <translation>
            <numerusform>%Ln fichier</numerusform>
            <numerusform>%Ln fichiers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the first %Ln kept</source>
        <extracomment>Of the files a clip holds, how many were kept.</extracomment>
        <translation>
            <numerusform>seul le premier gardé</numerusform>
            <numerusform>les %Ln premiers gardés</numerusform>
        </translation>
    </message>
    <message>
        <source>Clipboard History</source>
        <translation>Historique du presse-papiers</translation>
    </message>
    <message numerus="yes">
        <source>%Ln clip(s) you copied · %1 or clip:</source>
        <extracomment>%1 is the clipboard hot key. Keep &quot;clip:&quot;: it is what the user types.</extracomment>
        <translation>
            <numerusform>%Ln clip copié · %1 ou clip:</numerusform>
            <numerusform>%Ln clips copiés · %1 ou clip:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClipStoreLock</name>
    <message>
        <source>cannot lock the clip store in %1</source>
        <translation>impossible de verrouiller le stock de clips dans %1</translation>
    </message>
    <message>
        <source>the clip store in %1 is held by the running Zarvo (pid %2), which did not answer on its instance socket; try again, or quit Zarvo</source>
        <extracomment>%1 is a folder, %2 a process id.</extracomment>
        <translation>le stock de clips dans %1 est tenu par le Zarvo lancé (PID %2), qui n’a pas répondu sur son socket d’instance&#x202f;; réessayez ou quittez Zarvo</translation>
    </message>
    <message>
        <source>the clip store in %1 is in use by another process (pid %2); try again</source>
        <extracomment>%1 is a folder, %2 a process id.</extracomment>
        <translation>le stock de clips dans %1 est utilisé par un autre processus (PID %2)&#x202f;; réessayez</translation>
    </message>
</context>
<context>
    <name>ClipboardTab</name>
    <message>
        <source>Clipboard history is off. Turn it on in Settings (⌘,)</source>
        <translation>Historique du presse-papiers désactivé. Activez-le dans les Paramètres (⌘,)</translation>
    </message>
    <message>
        <source>This clip has no text</source>
        <translation>Ce clip ne contient pas de texte</translation>
    </message>
    <message>
        <source>This clip&apos;s data is missing</source>
        <translation>Les données de ce clip manquent</translation>
    </message>
    <message>
        <source>Nothing to copy</source>
        <translation>Rien à copier</translation>
    </message>
    <message>
        <source>Copied %1. Press ⌘V to paste it</source>
        <translation>%1 copié. Appuyez sur ⌘V pour le coller</translation>
    </message>
    <message>
        <source>Nothing to pin</source>
        <translation>Rien à épingler</translation>
    </message>
    <message>
        <source>Unpinned %1</source>
        <translation>%1 n’est plus épinglé</translation>
    </message>
    <message>
        <source>Pinned %1. Pinned clips are kept</source>
        <translation>%1 épinglé. Les clips épinglés restent</translation>
    </message>
    <message>
        <source>Nothing to delete</source>
        <translation>Rien à supprimer</translation>
    </message>
    <message>
        <source>Deleted %1</source>
        <translation>%1 supprimé</translation>
    </message>
    <message>
        <source>Nothing to paste</source>
        <translation>Rien à coller</translation>
    </message>
    <message numerus="yes">
        <source>Cleared %Ln clip(s). Pinned clips stay</source>
        <translation>
            <numerusform>%Ln clip effacé. Les clips épinglés restent</numerusform>
            <numerusform>%Ln clips effacés. Les clips épinglés restent</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cleared %Ln clip(s)</source>
        <translation>
            <numerusform>%Ln clip effacé</numerusform>
            <numerusform>%Ln clips effacés</numerusform>
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
        <translation>usage&#xa0;: zarvo-cli clips [--dir DIR] COMMAND
  list [--json]                     les clips, les plus récents d’abord
  search TEXT [--json]              les clips correspondant à TEXT, épinglés d’abord
  add [--type TYPE]... [--file PATH]... [--app NAME --bundle ID]
                                    enregistrer l’entrée standard (et des fichiers) comme une copie
  copy ID [--plain]                 remettre un clip dans le presse-papiers
  pin ID | delete ID                épingler ou détacher, supprimer un clip (ID ou préfixe unique)
  clear | prune                     supprimer les clips non épinglés&#x202f;; retirer ce que les limites n’autorisent plus
  watch [--once]                    capturer les copies dans l’historique jusqu’à interruption
</translation>
    </message>
    <message>
        <source>“%1” names more than one clip; give more of the identifier</source>
        <translation>«&#x202f;%1&#x202f;» désigne plusieurs clips&#x202f;; donnez une plus grande partie de l’identifiant</translation>
    </message>
    <message>
        <source>no clip “%1”</source>
        <translation>aucun clip «&#x202f;%1&#x202f;»</translation>
    </message>
    <message>
        <source>add: unexpected “%1”</source>
        <translation>add&#xa0;: «&#x202f;%1&#x202f;» inattendu</translation>
    </message>
    <message>
        <source>not stored: the copy is larger than 50,000,000 bytes</source>
        <translation>non enregistré&#xa0;: la copie dépasse 50&#x202f;000&#x202f;000 octets</translation>
    </message>
    <message>
        <source>not stored: the copy is marked private, is empty, or is larger than 50,000,000 bytes</source>
        <translation>non enregistré&#xa0;: la copie est marquée privée, vide ou dépasse 50&#x202f;000&#x202f;000 octets</translation>
    </message>
    <message>
        <source>not stored: no text, files or readable image in the copy, or it is larger than 25,000,000 bytes</source>
        <translation>non enregistré&#xa0;: la copie ne contient ni texte, ni fichiers, ni image lisible, ou dépasse 25&#x202f;000&#x202f;000 octets</translation>
    </message>
    <message>
        <source>Watching the clipboard</source>
        <translation>La surveillance du presse-papiers</translation>
    </message>
    <message>
        <source>unknown command “%1”</source>
        <translation>commande inconnue «&#x202f;%1&#x202f;»</translation>
    </message>
    <message>
        <source>search needs one TEXT</source>
        <translation>search attend un seul TEXT</translation>
    </message>
    <message>
        <source>copy needs one ID</source>
        <translation>copy attend un seul ID</translation>
    </message>
    <message>
        <source>no clipboard is available here</source>
        <translation>aucun presse-papiers n’est disponible ici</translation>
    </message>
    <message>
        <source>clip %1 has no plain text to copy</source>
        <translation>le clip %1 n’a pas de texte brut à copier</translation>
    </message>
    <message>
        <source>the data of clip %1 is missing or unreadable</source>
        <translation>les données du clip %1 manquent ou sont illisibles</translation>
    </message>
    <message>
        <source>%1 needs one ID</source>
        <translation>%1 attend un seul ID</translation>
    </message>
    <message>
        <source>%1 unpinned</source>
        <translation>%1 détaché</translation>
    </message>
    <message>
        <source>%1 pinned</source>
        <translation>%1 épinglé</translation>
    </message>
    <message>
        <source>watch: unexpected “%1”</source>
        <translation>watch&#xa0;: «&#x202f;%1&#x202f;» inattendu</translation>
    </message>
    <message numerus="yes">
        <source>%n clip(s) dropped</source>
        <translation>
            <numerusform>%n clip retiré</numerusform>
            <numerusform>%n clips retirés</numerusform>
        </translation>
    </message>
    <message>
        <source>Zarvo is running and already keeps the clipboard history</source>
        <translation>Zarvo est lancé et tient déjà l’historique du presse-papiers</translation>
    </message>
</context>
<context>
    <name>ClipsWatch</name>
    <message>
        <source>clips: cannot watch: %1</source>
        <translation>clips&#xa0;: surveillance impossible&#xa0;: %1</translation>
    </message>
    <message>
        <source>clips: watching the clipboard for %1 (Ctrl+C stops)</source>
        <translation>clips&#xa0;: surveillance du presse-papiers pour %1 (Ctrl+C arrête)</translation>
    </message>
    <message numerus="yes">
        <source>clips: stopped, %n copy(s) captured</source>
        <translation>
            <numerusform>clips&#xa0;: arrêté, %n copie capturée</numerusform>
            <numerusform>clips&#xa0;: arrêté, %n copies capturées</numerusform>
        </translation>
    </message>
</context>
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
    <name>DesktopCli</name>
    <message>
        <source>zarvo-cli: unknown command “%1”</source>
        <translation>zarvo-cli&#xa0;: commande inconnue «&#x202f;%1&#x202f;»</translation>
    </message>
</context>
<context>
    <name>DesktopMain</name>
    <message>
        <source>the running Zarvo keeps no clip store
</source>
        <translation>le Zarvo lancé ne tient pas de stock de clips
</translation>
    </message>
    <message>
        <source>zarvo: cannot become the running instance (the instance socket cannot be made)</source>
        <translation>zarvo&#xa0;: impossible de devenir l’instance active (le socket d’instance ne peut pas être créé)</translation>
    </message>
    <message>
        <source>Zarvo: the clip store is in use by another process; copies are not kept</source>
        <translation>Zarvo&#xa0;: le stock de clips est utilisé par un autre processus&#x202f;; les copies ne sont pas conservées</translation>
    </message>
    <message>
        <source>Zarvo: to open the panel without the hot key, bind “zarvo --toggle” in your desktop&apos;s keyboard shortcut settings</source>
        <translation>Zarvo&#xa0;: pour ouvrir le panneau sans le raccourci, associez «&#x202f;zarvo --toggle&#x202f;» dans les paramètres des raccourcis clavier de votre bureau</translation>
    </message>
</context>
<context>
    <name>FakeInputKeys</name>
    <message>
        <source>Paste the chosen clip into the window in front</source>
        <translation>Coller le clip choisi dans la fenêtre au premier plan</translation>
    </message>
</context>
<context>
    <name>FileOperations</name>
    <message>
        <source>copied</source>
        <extracomment>What could not be done to an item, as in &quot;“a” couldn&apos;t be copied&quot;.</extracomment>
        <translation>copié</translation>
    </message>
    <message>
        <source>duplicated</source>
        <extracomment>What could not be done to an item.</extracomment>
        <translation>dupliqué</translation>
    </message>
    <message>
        <source>moved</source>
        <extracomment>What could not be done to an item.</extracomment>
        <translation>déplacé</translation>
    </message>
    <message>
        <source>%1 is a device file, which can&apos;t be %2.</source>
        <extracomment>%2 is what was asked: copied, duplicated or moved.</extracomment>
        <translation>%1 est un fichier de périphérique, qui ne peut pas être %2.</translation>
    </message>
    <message>
        <source>%1 is a socket, which can&apos;t be %2.</source>
        <extracomment>%2 is what was asked: copied, duplicated or moved.</extracomment>
        <translation>%1 est un socket, qui ne peut pas être %2.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be %2: it needs %3 and only %4 are free there.</source>
        <extracomment>%2 is what was asked (copied, duplicated, moved); %3 and %4 are sizes.</extracomment>
        <translation>%1 n’a pas pu être %2&#xa0;: il faut %3 et seuls %4 y sont libres.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be %2: %3 (%4).</source>
        <extracomment>%2 is what was asked (copied, duplicated, moved); %3 the system&apos;s error; %4 the entry.</extracomment>
        <translation>%1 n’a pas pu être %2&#xa0;: %3 (%4).</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be %2: %3.</source>
        <extracomment>%2 is what was asked (copied, duplicated, moved); %3 the system&apos;s error.</extracomment>
        <translation>%1 n’a pas pu être %2&#xa0;: %3.</translation>
    </message>
    <message>
        <source>%1 copy</source>
        <extracomment>The name of a duplicate; %1 is the original&apos;s name without its extension.</extracomment>
        <translation>%1 copie</translation>
    </message>
    <message>
        <source>%1 copy %2</source>
        <extracomment>The name of a further duplicate; %1 is the original&apos;s name, %2 a number.</extracomment>
        <translation>%1 copie %2</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be %2 because it no longer exists.</source>
        <extracomment>%2 is what was asked: copied, duplicated or moved.</extracomment>
        <translation>%1 n’a pas pu être %2, car il n’existe plus.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be created because an item with that name already exists.</source>
        <translation>%1 n’a pas pu être créé, car un élément portant ce nom existe déjà.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be moved because it no longer exists.</source>
        <translation>%1 n’a pas pu être déplacé, car il n’existe plus.</translation>
    </message>
    <message>
        <source>Can&apos;t move %1 into itself.</source>
        <translation>Impossible de déplacer %1 dans lui-même.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be moved because an item named %2 already exists.</source>
        <translation>%1 n’a pas pu être déplacé, car un élément nommé %2 existe déjà.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be moved: %2.</source>
        <translation>%1 n’a pas pu être déplacé&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 was copied but the original couldn&apos;t be removed: %2.</source>
        <translation>%1 a été copié, mais l’original n’a pas pu être supprimé&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Open in browser</source>
        <translation>Ouvrir dans le navigateur</translation>
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
    <name>FolderAccess</name>
    <message>
        <source>Desktop</source>
        <translation>Bureau</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documents</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>Téléchargements</translation>
    </message>
    <message>
        <source>Can&apos;t search %1 — macOS hasn&apos;t granted access.</source>
        <extracomment>%1 lists folders. Keep &quot;macOS hasn&apos;t granted access&quot; as it is: each desktop replaces it.</extracomment>
        <translation>Impossible de chercher dans %1 — macOS hasn&apos;t granted access.</translation>
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
    <name>Help</name>
    <message>
        <source>Open a path</source>
        <extracomment>The searchable manual. Keep verbatim: what the user types (in:desktop, img:, google:, &gt; git status, control, lock …), key glyphs, Finder and the {hotKey} {clipHotKey} placeholders.</extracomment>
        <translation>Ouvrir un chemin</translation>
    </message>
    <message>
        <source>/, ~/, %USERPROFILE%\Desktop, &quot;quoted paths&quot;. ⇥ completes, fuzzily (~/dwnl → Downloads).</source>
        <translation>/, ~/, %USERPROFILE%\Desktop, &quot;chemins entre guillemets&quot;. ⇥ complète, même approché (~/dwnl → Downloads).</translation>
    </message>
    <message>
        <source>Find files by name</source>
        <translation>Trouver des fichiers par nom</translation>
    </message>
    <message>
        <source>Type any part of a name. Fuzzy: invc → Invoice.pdf, actmon → Activity Monitor.</source>
        <translation>Tapez une partie du nom. Approché&#xa0;: invc → Invoice.pdf, actmon → Activity Monitor.</translation>
    </message>
    <message>
        <source>Search inside a folder</source>
        <translation>Chercher dans un dossier</translation>
    </message>
    <message>
        <source>in:desktop avatar · in:downloads · in:~/repos readme. in:desktop alone lists it.</source>
        <translation>in:desktop avatar · in:downloads · in:~/repos readme. in:desktop seul en affiche le contenu.</translation>
    </message>
    <message>
        <source>Filter by kind and date</source>
        <translation>Filtrer par type et date</translation>
    </message>
    <message>
        <source>img: pdf: doc: sheet: slides: video: audio: folder: app: code: zip: · today: yesterday: week: month:</source>
        <translation>img: pdf: doc: sheet: slides: video: audio: folder: app: code: zip: · today: yesterday: week: month:</translation>
    </message>
    <message>
        <source>Search the web</source>
        <translation>Chercher sur le Web</translation>
    </message>
    <message>
        <source>google: g: yt: gh: so: wiki: maps: amazon: npm: pypi: ddg: bing: translate: followed by text.</source>
        <translation>google: g: yt: gh: so: wiki: maps: amazon: npm: pypi: ddg: bing: translate: suivi du texte.</translation>
    </message>
    <message>
        <source>Open a website</source>
        <translation>Ouvrir un site web</translation>
    </message>
    <message>
        <source>github.com/trending, news.ycomb…, https://… open in your browser. ⌘1–9 picks another browser.</source>
        <translation>github.com/trending, news.ycomb…, https://… s’ouvrent dans votre navigateur. ⌘1–9 choisit un autre navigateur.</translation>
    </message>
    <message>
        <source>Run a command</source>
        <translation>Exécuter une commande</translation>
    </message>
    <message>
        <source>&gt; git status runs it in a new Terminal window, from your home folder.</source>
        <translation>&gt; git status l’exécute dans une fenêtre de Terminal, depuis votre dossier personnel.</translation>
    </message>
    <message>
        <source>Connect to a server</source>
        <translation>Se connecter à un serveur</translation>
    </message>
    <message>
        <source>\\server\share or smb://, afp://, vnc:// mounts it and opens Finder.</source>
        <translation>\\server\share ou smb://, afp://, vnc:// le monte et ouvre Finder.</translation>
    </message>
    <message>
        <source>Windows Run keywords</source>
        <translation>Mots-clés «&#x202f;Exécuter&#x202f;» de Windows</translation>
    </message>
    <message>
        <source>control, cmd, notepad, calc, taskmgr, excel, winword, ncpa.cpl, downloads, trash… ↩ lists them all.</source>
        <translation>control, cmd, notepad, calc, taskmgr, excel, winword, ncpa.cpl, downloads, trash… ↩ les affiche tous.</translation>
    </message>
    <message>
        <source>System actions</source>
        <translation>Actions système</translation>
    </message>
    <message>
        <source>lock · sleep · restart · shutdown · logout · emptytrash · eject · ip (copies your IP address).</source>
        <translation>lock · sleep · restart · shutdown · logout · emptytrash · eject · ip (copie votre adresse IP).</translation>
    </message>
    <message>
        <source>Actions on a result: ⌘K</source>
        <translation>Actions sur un résultat&#xa0;: ⌘K</translation>
    </message>
    <message>
        <source>Copy file / path / name / Markdown link, rename, duplicate, zip, move, Get Info, trash, Terminal here.</source>
        <translation>Copier fichier / chemin / nom / lien Markdown, renommer, dupliquer, zipper, déplacer, Propriétés, corbeille, Terminal ici.</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>↩ open · ⌘↩ reveal · ⌥↩ Terminal here · ⌥⌘↩ paste path into your app · ⌘Y preview · ⌘1–9 open with · ⌘⇧C copy path</source>
        <translation>↩ ouvrir · ⌘↩ afficher · ⌥↩ Terminal ici · ⌥⌘↩ coller le chemin dans votre app · ⌘Y aperçu · ⌘1–9 ouvrir avec · ⌘⇧C copier le chemin</translation>
    </message>
    <message>
        <source>Favorites, clipboard and history</source>
        <translation>Favoris, presse-papiers et historique</translation>
    </message>
    <message>
        <source>⌘D stars a result. The empty box shows favorites, copied paths, then places you open most.</source>
        <translation>⌘D met un résultat en favori. Le champ vide montre favoris, chemins copiés, puis lieux les plus ouverts.</translation>
    </message>
    <message>
        <source>Clipboard history</source>
        <translation>Historique du presse-papiers</translation>
    </message>
    <message>
        <source>The Clipboard tab (⌘. to switch, {clipHotKey}, or clip:) lists what you copied. ↩ copies, ⌘↩ pastes into your app, ⌘P pins, Clear empties it.</source>
        <translation>L’onglet Presse-papiers (⌘. pour basculer, {clipHotKey} ou clip:) liste ce que vous avez copié. ↩ copie, ⌘↩ colle dans votre app, ⌘P épingle, Effacer le vide.</translation>
    </message>
    <message>
        <source>Clipboard paste-in</source>
        <translation>Reprise du presse-papiers</translation>
    </message>
    <message>
        <source>A copied path, file name or URL is filled in when the panel opens. Other text isn&apos;t. Typing replaces it, esc clears it.</source>
        <translation>Un chemin, nom de fichier ou URL copié est repris à l’ouverture du panneau, pas les autres textes. Taper le remplace, esc l’efface.</translation>
    </message>
    <message>
        <source>Your own keywords and hotkey</source>
        <translation>Vos mots-clés et raccourci</translation>
    </message>
    <message>
        <source>Settings: map a word to a path, URL or app, change {hotKey}, pick your terminal. ↩ opens Settings.</source>
        <translation>Paramètres&#xa0;: associer un mot à un chemin, une URL ou une app, changer {hotKey}, choisir le terminal. ↩ les ouvre.</translation>
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
    <name>IndexCommand</name>
    <message>
        <source>usage: zarvo-cli index status [--json]
       zarvo-cli index rebuild [--root DIR]...
</source>
        <translation>usage&#xa0;: zarvo-cli index status [--json]
        zarvo-cli index rebuild [--root DIR]...
</translation>
    </message>
    <message>
        <source>roots: %1</source>
        <translation>racines&#xa0;: %1</translation>
    </message>
    <message>
        <source>excluded: %1</source>
        <translation>exclus&#xa0;: %1</translation>
    </message>
    <message>
        <source>entries: %1</source>
        <translation>entrées&#xa0;: %1</translation>
    </message>
    <message>
        <source>snapshot: %1 (%2, written %3, %4 min ago)</source>
        <translation>instantané&#xa0;: %1 (%2, écrit le %3, il y a %4&#xa0;min)</translation>
    </message>
    <message>
        <source>snapshot: %1 (%2, written %3, %4 min ago, not usable: will be rebuilt)</source>
        <translation>instantané&#xa0;: %1 (%2, écrit le %3, il y a %4&#xa0;min, inutilisable&#xa0;: sera reconstruit)</translation>
    </message>
    <message>
        <source>snapshot: none yet (zarvo-cli index rebuild makes one)</source>
        <translation>instantané&#xa0;: aucun pour l’instant (zarvo-cli index rebuild en crée un)</translation>
    </message>
    <message>
        <source>watches: %1 in this process (the running application holds its own); system limit %2</source>
        <translation>surveillances&#xa0;: %1 dans ce processus (l’application lancée a les siennes)&#x202f;; limite du système %2</translation>
    </message>
    <message>
        <source>memory: %1 (%2 bytes per entry)</source>
        <translation>mémoire&#xa0;: %1 (%2 octets par entrée)</translation>
    </message>
    <message>
        <source>memory: %1</source>
        <translation>mémoire&#xa0;: %1</translation>
    </message>
    <message>
        <source>applications: %1 (%2, from the applications folders of XDG_DATA_HOME and XDG_DATA_DIRS)</source>
        <translation>applications&#xa0;: %1 (%2, depuis les dossiers applications de XDG_DATA_HOME et XDG_DATA_DIRS)</translation>
    </message>
    <message>
        <source>unreadable folders (skipped): %1</source>
        <translation>dossiers illisibles (ignorés)&#xa0;: %1</translation>
    </message>
    <message>
        <source>zarvo-cli: not a folder: %1</source>
        <translation>zarvo-cli&#xa0;: pas un dossier&#xa0;: %1</translation>
    </message>
    <message>
        <source>indexing %1: %2 entries…</source>
        <translation>indexation de %1&#xa0;: %2 entrées…</translation>
    </message>
    <message>
        <source>zarvo-cli: could not write the snapshot %1</source>
        <translation>zarvo-cli&#xa0;: impossible d’écrire l’instantané %1</translation>
    </message>
    <message>
        <source>indexed %1 entries in %2 s; snapshot %3 (%4)</source>
        <translation>%1 entrées indexées en %2&#xa0;s&#x202f;; instantané %3 (%4)</translation>
    </message>
    <message>
        <source>watches: %1 in the running Zarvo; system limit %2</source>
        <translation>surveillances&#xa0;: %1 dans Zarvo en cours d’exécution&#x202f;; limite du système %2</translation>
    </message>
    <message numerus="yes">
        <source>%n folder(s) without a watch, re-listed when they change</source>
        <translation>
            <numerusform>%n dossier sans surveillance, relu quand il change</numerusform>
            <numerusform>%n dossiers sans surveillance, relus quand ils changent</numerusform>
        </translation>
    </message>
    <message>
        <source>crawl: running, the index is being brought up to date</source>
        <translation>parcours&#xa0;: en cours, l’index est mis à jour</translation>
    </message>
</context>
<context>
    <name>IndexedFolders</name>
    <message>
        <source>Home folder</source>
        <translation>Dossier personnel</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 n’est pas un dossier.</translation>
    </message>
    <message>
        <source>%1 is inside %2, which is left out: remove that first.</source>
        <translation>%1 est dans %2, qui est exclu&#xa0;: retirez-le d’abord.</translation>
    </message>
    <message>
        <source>%1 is searched already.</source>
        <translation>%1 fait déjà partie de la recherche.</translation>
    </message>
    <message>
        <source>%1 is inside %2, which is searched already.</source>
        <translation>%1 est dans %2, qui fait déjà partie de la recherche.</translation>
    </message>
    <message>
        <source>%1 is left out already.</source>
        <translation>%1 est déjà exclu.</translation>
    </message>
    <message>
        <source>%1 is not in a folder Zarvo searches.</source>
        <translation>%1 n’est dans aucun dossier où Zarvo cherche.</translation>
    </message>
    <message>
        <source>Remove %1 from the folders searched instead.</source>
        <translation>Retirez plutôt %1 des dossiers de recherche.</translation>
    </message>
    <message>
        <source>Zarvo searches at least one folder: add another before removing %1.</source>
        <translation>Zarvo cherche dans au moins un dossier&#xa0;: ajoutez-en un autre avant de retirer %1.</translation>
    </message>
    <message numerus="yes">
        <source>Indexing… %Ln files and folders so far</source>
        <translation>
            <numerusform>Indexation… %Ln fichier ou dossier jusqu’ici</numerusform>
            <numerusform>Indexation… %Ln fichiers et dossiers jusqu’ici</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files and folders indexed</source>
        <translation>
            <numerusform>%Ln fichier ou dossier indexé</numerusform>
            <numerusform>%Ln fichiers et dossiers indexés</numerusform>
        </translation>
    </message>
    <message>
        <source>every minute</source>
        <translation>toutes les minutes</translation>
    </message>
    <message>
        <source>every two minutes</source>
        <translation>toutes les deux minutes</translation>
    </message>
    <message numerus="yes">
        <source>every %Ln minutes</source>
        <translation>
            <numerusform>toutes les %Ln minutes</numerusform>
            <numerusform>toutes les %Ln minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln folders are re-listed %1: raise fs.inotify.max_user_watches</source>
        <extracomment>%1 is how often: every minute, every two minutes, every 5 minutes.</extracomment>
        <translation>
            <numerusform>%Ln dossier est relu %1&#xa0;: augmentez fs.inotify.max_user_watches</numerusform>
            <numerusform>%Ln dossiers sont relus %1&#xa0;: augmentez fs.inotify.max_user_watches</numerusform>
        </translation>
    </message>
    <message>
        <source>New files are found as they appear</source>
        <translation>Les nouveaux fichiers sont trouvés dès leur apparition</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>Couldn&apos;t install Zarvo</source>
        <translation>Impossible d’installer Zarvo</translation>
    </message>
    <message>
        <source>The copied app is incomplete.</source>
        <translation>L’app copiée est incomplète.</translation>
    </message>
    <message>
        <source>A link in ~/.local/bin was left as it is</source>
        <translation>Un lien dans ~/.local/bin a été laissé tel quel</translation>
    </message>
    <message>
        <source>the new version</source>
        <translation>la nouvelle version</translation>
    </message>
    <message>
        <source>Move Zarvo to your Applications folder?</source>
        <translation>Déplacer Zarvo dans votre dossier Applications&#x202f;?</translation>
    </message>
    <message>
        <source>It will open from there (%1) and from the application menu, and keep working after you unmount the image or delete the download.</source>
        <translation>Il s’ouvrira depuis cet emplacement (%1) et depuis le menu des applications, et continuera de fonctionner une fois l’image démontée ou le téléchargement supprimé.</translation>
    </message>
    <message>
        <source>Move to Applications</source>
        <translation>Déplacer dans Applications</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Pas maintenant</translation>
    </message>
    <message>
        <source>the old version</source>
        <translation>l’ancienne version</translation>
    </message>
    <message>
        <source>Replace Zarvo %1 with %2?</source>
        <translation>Remplacer Zarvo %1 par %2&#x202f;?</translation>
    </message>
    <message>
        <source>Zarvo %1 will be closed and moved to the Trash, and %2 will open from your Applications folder. Your history, clips and settings stay.</source>
        <translation>Zarvo %1 sera fermé et mis à la corbeille, et %2 s’ouvrira depuis votre dossier Applications. Votre historique, vos clips et vos paramètres sont conservés.</translation>
    </message>
    <message>
        <source>Replace and Open</source>
        <translation>Remplacer et ouvrir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>

You can unpack Zarvo into %1 yourself instead.</source>
        <translation>

Vous pouvez plutôt décompresser Zarvo vous-même dans %1.</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>You are not allowed to install as administrator.</source>
        <translation>Vous n’êtes pas autorisé à installer en tant qu’administrateur.</translation>
    </message>
    <message>
        <source>Couldn&apos;t open Zarvo from Applications</source>
        <translation>Impossible d’ouvrir Zarvo depuis Applications</translation>
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
    <name>InstanceRequests</name>
    <message>
        <source>clips: Zarvo is running and keeps its clips in %1; other stores are opened only while it does not run
</source>
        <translation>clips&#xa0;: Zarvo est lancé et garde ses clips dans %1&#x202f;; les autres stocks ne s’ouvrent que lorsqu’il ne tourne pas
</translation>
    </message>
    <message>
        <source>clips: Zarvo is running and already keeps the clipboard history
</source>
        <translation>clips&#xa0;: Zarvo est lancé et tient déjà l’historique du presse-papiers
</translation>
    </message>
    <message>
        <source>zarvo-cli: Zarvo is running, but the request to it failed: %1. The command was not run here as well, so that only Zarvo writes its store.</source>
        <translation>zarvo-cli&#xa0;: Zarvo est lancé, mais la requête a échoué&#xa0;: %1. La commande n’a pas été exécutée ici non plus, pour que seul Zarvo écrive dans son stock.</translation>
    </message>
    <message>
        <source>zarvo-cli: Zarvo could not read the request
</source>
        <translation>zarvo-cli&#xa0;: Zarvo n’a pas pu lire la requête
</translation>
    </message>
    <message>
        <source>zarvo-cli: “%1” is not carried out by the running Zarvo
</source>
        <translation>zarvo-cli&#xa0;: «&#x202f;%1&#x202f;» n’est pas exécuté par le Zarvo lancé
</translation>
    </message>
    <message>
        <source>its answer has no exit code</source>
        <translation>sa réponse n’a pas de code de sortie</translation>
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
        <source>This is a Wayland session: global hot keys work only while an X11 application is in front. To open the panel, bind “zarvo --toggle” (and “zarvo --clipboard” for the clipboard history) in your desktop&apos;s keyboard shortcut settings.</source>
        <translation>Ceci est une session Wayland&#xa0;: les raccourcis globaux ne fonctionnent que lorsqu’une application X11 est au premier plan. Pour ouvrir le panneau, associez «&#xa0;zarvo --toggle&#xa0;» (et «&#xa0;zarvo --clipboard&#xa0;» pour l’historique du presse-papiers) à une touche dans les paramètres de raccourcis clavier de votre bureau.</translation>
    </message>
    <message>
        <source>The clipboard, global hot keys and pasting</source>
        <extracomment>Begins &quot;… needs a graphical session (no display is available)&quot;.</extracomment>
        <translation>Le presse-papiers, les raccourcis globaux et le collage</translation>
    </message>
    <message>
        <source>panel on XWayland</source>
        <translation>panneau via XWayland</translation>
    </message>
    <message>
        <source>clipboard capture stopped: the Wayland connection was lost</source>
        <translation>capture du presse-papiers arrêtée&#x202f;: la connexion Wayland est perdue</translation>
    </message>
    <message>
        <source>paste into X windows only</source>
        <translation>collage dans les fenêtres X seulement</translation>
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
        <source>front application through KWin&apos;s window list</source>
        <translation>application au premier plan via la liste des fenêtres de KWin</translation>
    </message>
    <message>
        <source>paste through KWin&apos;s fake input</source>
        <translation>collage via la saisie simulée de KWin</translation>
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
    <name>PanelModes</name>
    <message>
        <source>Select a result first</source>
        <translation>Sélectionnez d’abord un résultat</translation>
    </message>
    <message>
        <source>Only files and folders can be renamed</source>
        <translation>Seuls les fichiers et dossiers peuvent être renommés</translation>
    </message>
    <message>
        <source>Renaming %1. ↩ to save, esc to cancel</source>
        <translation>Renommage de %1. ↩ enregistre, esc annule</translation>
    </message>
    <message>
        <source>That isn&apos;t a valid name</source>
        <translation>Ce nom n’est pas valide</translation>
    </message>
    <message>
        <source>%1 already exists here</source>
        <translation>%1 existe déjà ici</translation>
    </message>
    <message>
        <source>Renamed to %1</source>
        <translation>Renommé en %1</translation>
    </message>
    <message>
        <source>Click Clear again to delete all clips except pinned ones. This can&apos;t be undone.</source>
        <extracomment>&quot;Clear&quot; is the label of the panel&apos;s button that empties the list.</extracomment>
        <translation>Cliquez à nouveau sur Effacer pour supprimer tous les clips sauf les épinglés. Action irréversible.</translation>
    </message>
    <message>
        <source>Click Clear again to forget the places you&apos;ve opened. Favorites stay.</source>
        <translation>Cliquez à nouveau sur Effacer pour oublier les lieux ouverts. Les favoris restent.</translation>
    </message>
    <message>
        <source>Cleared recent history</source>
        <translation>Historique récent effacé</translation>
    </message>
    <message>
        <source>Use these keys on any search result</source>
        <translation>Ces touches agissent sur tout résultat de recherche</translation>
    </message>
</context>
<context>
    <name>PanelTexts</name>
    <message>
        <source>Path, file name, URL, google:…, &gt; command, keyword, or ? for help</source>
        <translation>Chemin, nom de fichier, URL, google:…, &gt; commande, mot-clé ou ? pour l’aide</translation>
    </message>
    <message>
        <source>Search actions for “%1”…</source>
        <translation>Chercher des actions pour «&#x202f;%1&#x202f;»…</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Nouveau nom</translation>
    </message>
    <message>
        <source>Search clipboard history</source>
        <translation>Chercher dans l’historique du presse-papiers</translation>
    </message>
    <message>
        <source>Path, file name, URL, &gt; command, or ? for help</source>
        <translation>Chemin, nom de fichier, URL, &gt; commande ou ? pour l’aide</translation>
    </message>
    <message>
        <source>Path, URL, or ? for help</source>
        <translation>Chemin, URL ou ? pour l’aide</translation>
    </message>
    <message>
        <source>? for help</source>
        <translation>? pour l’aide</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Recherche…</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Aucun résultat</translation>
    </message>
    <message>
        <source>Type a path, a file name, a URL, google:text, &gt; command, or a keyword like control, cmd, lock.
Filters: in:desktop img: pdf: folder: today: week:   ·   Type ? for help, ?? for every keyword.</source>
        <extracomment>Keep the typed words as they are: google:, control, cmd, lock, in:desktop, img:, pdf:, folder:, today:, week:.</extracomment>
        <translation>Tapez un chemin, un nom de fichier, une URL, google:texte, &gt; commande ou un mot-clé comme control, cmd, lock.
Filtres&#xa0;: in:desktop img: pdf: folder: today: week:   ·   ? pour l’aide, ?? pour tous les mots-clés.</translation>
    </message>
    <message>
        <source>Clipboard history is off.
Turn it on in Settings (⌘,).</source>
        <translation>L’historique du presse-papiers est désactivé.
Activez-le dans les Paramètres (⌘,).</translation>
    </message>
    <message>
        <source>No clips match “%1”</source>
        <translation>Aucun clip ne correspond à «&#x202f;%1&#x202f;»</translation>
    </message>
    <message>
        <source>Nothing copied yet.
Text, images, links and files you copy show up here.</source>
        <translation>Rien de copié pour l’instant.
Les textes, images, liens et fichiers copiés apparaissent ici.</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>verb</comment>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Actions</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>Favori</translation>
    </message>
    <message>
        <source>Show in Finder</source>
        <translation>Afficher dans Finder</translation>
    </message>
    <message>
        <source>Run action</source>
        <translation>Exécuter l’action</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>As plain text</source>
        <translation>En texte brut</translation>
    </message>
    <message>
        <source>Paste in app</source>
        <translation>Coller dans l’app</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>Épingler</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Click to Confirm</source>
        <translation>Cliquer pour confirmer</translation>
    </message>
    <message>
        <source>Clear Clips</source>
        <translation>Effacer les clips</translation>
    </message>
    <message>
        <source>Clear Recent</source>
        <translation>Effacer les récents</translation>
    </message>
    <message>
        <source>Delete all clips except pinned ones</source>
        <translation>Supprimer tous les clips sauf les épinglés</translation>
    </message>
    <message>
        <source>Forget the places you&apos;ve opened (favorites stay)</source>
        <translation>Oublier les lieux ouverts (les favoris restent)</translation>
    </message>
    <message>
        <source>Clipboard (%1)</source>
        <translation>Presse-papiers (%1)</translation>
    </message>
    <message>
        <source>Run (%1)</source>
        <translation>Exécuter (%1)</translation>
    </message>
    <message>
        <source>%1 to switch</source>
        <translation>%1 pour changer</translation>
    </message>
</context>
<context>
    <name>QueryCommand</name>
    <message>
        <source>usage: zarvo-cli query [--json] TEXT
</source>
        <translation>usage&#xa0;: zarvo-cli query [--json] TEXT
</translation>
    </message>
</context>
<context>
    <name>QueryPipeline</name>
    <message>
        <source>No folder named “%1”. Try in:desktop, in:downloads or in:~/path</source>
        <translation>Aucun dossier nommé «&#x202f;%1&#x202f;». Essayez in:desktop, in:downloads ou in:~/path</translation>
    </message>
</context>
<context>
    <name>ResultItem</name>
    <message>
        <source>Run in Terminal</source>
        <translation>Exécuter dans Terminal</translation>
    </message>
    <message>
        <source>Connect to server</source>
        <translation>Se connecter au serveur</translation>
    </message>
    <message>
        <source>Connect to %1</source>
        <translation>Se connecter à %1</translation>
    </message>
</context>
<context>
    <name>ResultRow</name>
    <message>
        <source>Recent</source>
        <comment>row tag</comment>
        <translation>Récent</translation>
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
        <translation>Favori</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <comment>row tag</comment>
        <translation>Presse-papiers</translation>
    </message>
    <message>
        <source>Run</source>
        <comment>row tag: a shell command</comment>
        <translation>Exécuter</translation>
    </message>
    <message>
        <source>Server</source>
        <comment>row tag</comment>
        <translation>Serveur</translation>
    </message>
    <message>
        <source>↩ Try</source>
        <translation>↩ Essayer</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment>row tag</comment>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Open in browser</source>
        <translation>Ouvrir dans le navigateur</translation>
    </message>
    <message>
        <source>Copy to the clipboard</source>
        <translation>Copier dans le presse-papiers</translation>
    </message>
    <message>
        <source>Copy command</source>
        <translation>Copier la commande</translation>
    </message>
    <message>
        <source>Copy path</source>
        <translation>Copier le chemin</translation>
    </message>
    <message>
        <source>Copy URL</source>
        <translation>Copier l’URL</translation>
    </message>
    <message>
        <source>Show in Finder (⌘↩)</source>
        <translation>Afficher dans Finder (⌘↩)</translation>
    </message>
    <message>
        <source>clip</source>
        <comment>spoken kind</comment>
        <translation>clip</translation>
    </message>
    <message>
        <source>help</source>
        <comment>spoken kind</comment>
        <translation>aide</translation>
    </message>
    <message>
        <source>command</source>
        <comment>spoken kind</comment>
        <translation>commande</translation>
    </message>
    <message>
        <source>server</source>
        <comment>spoken kind</comment>
        <translation>serveur</translation>
    </message>
    <message>
        <source>clipboard history</source>
        <comment>spoken kind</comment>
        <translation>historique du presse-papiers</translation>
    </message>
    <message>
        <source>web search</source>
        <comment>spoken kind</comment>
        <translation>recherche web</translation>
    </message>
    <message>
        <source>web address</source>
        <comment>spoken kind</comment>
        <translation>adresse web</translation>
    </message>
    <message>
        <source>action</source>
        <comment>spoken kind</comment>
        <translation>action</translation>
    </message>
    <message>
        <source>application</source>
        <comment>spoken kind</comment>
        <translation>application</translation>
    </message>
    <message>
        <source>folder</source>
        <comment>spoken kind</comment>
        <translation>dossier</translation>
    </message>
    <message>
        <source>file</source>
        <comment>spoken kind</comment>
        <translation>fichier</translation>
    </message>
    <message>
        <source>settings</source>
        <comment>spoken kind</comment>
        <translation>paramètres</translation>
    </message>
    <message>
        <source>link</source>
        <comment>spoken kind</comment>
        <translation>lien</translation>
    </message>
    <message>
        <source>favorite</source>
        <translation>favori</translation>
    </message>
    <message>
        <source>pinned</source>
        <translation>épinglé</translation>
    </message>
</context>
<context>
    <name>Salvage</name>
    <message numerus="yes">
        <source>the stored %1 could not be read whole; %Ln entries were read, and the stored value is kept unchanged under “%2” in the settings file</source>
        <extracomment>%1 is what was stored (history, favorites), %2 the key it is kept under.</extracomment>
        <translation>
            <numerusform>les données enregistrées (%1) n’ont pas pu être lues en entier&#x202f;; %Ln entrée a été lue, et la valeur enregistrée est gardée telle quelle sous «&#x202f;%2&#x202f;» dans le fichier de réglages</numerusform>
            <numerusform>les données enregistrées (%1) n’ont pas pu être lues en entier&#x202f;; %Ln entrées ont été lues, et la valeur enregistrée est gardée telle quelle sous «&#x202f;%2&#x202f;» dans le fichier de réglages</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SessionReport</name>
    <message>
        <source>grabbed on X11</source>
        <translation>capture sous X11</translation>
    </message>
    <message>
        <source>only while an X11 app is in front</source>
        <translation>seulement quand une app X11 est au premier plan</translation>
    </message>
    <message>
        <source>through the desktop portal</source>
        <translation>via le portail du bureau</translation>
    </message>
    <message>
        <source>waiting for the desktop portal</source>
        <translation>en attente du portail du bureau</translation>
    </message>
    <message>
        <source>through the desktop&apos;s shortcuts</source>
        <translation>via les raccourcis du bureau</translation>
    </message>
    <message>
        <source>through %1&apos;s shortcuts</source>
        <translation>via les raccourcis de %1</translation>
    </message>
    <message>
        <source>off (another app holds it)</source>
        <translation>inactif (une autre app l’utilise)</translation>
    </message>
    <message>
        <source>off (the desktop holds it)</source>
        <translation>inactif (le bureau l’utilise)</translation>
    </message>
    <message>
        <source>off (%1 holds it)</source>
        <translation>inactif (%1 l’utilise)</translation>
    </message>
    <message>
        <source>off (no hot-key service here)</source>
        <translation>inactif (aucun service de raccourcis globaux ici)</translation>
    </message>
    <message>
        <source>no hot keys set</source>
        <translation>aucun raccourci global défini</translation>
    </message>
    <message>
        <source>panel key %1</source>
        <extracomment>%1 says how the key reaches Zarvo (&quot;grabbed on X11&quot;, &quot;through the desktop portal&quot;).</extracomment>
        <translation>raccourci du panneau (%1)</translation>
    </message>
    <message>
        <source>hot keys %1</source>
        <translation>raccourcis (%1)</translation>
    </message>
    <message>
        <source>clipboard key %1</source>
        <translation>raccourci du presse-papiers (%1)</translation>
    </message>
    <message>
        <source>panel key %1, clipboard key %2</source>
        <translation>raccourci du panneau (%1), raccourci du presse-papiers (%2)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>Where Zarvo runs (&quot;Wayland (KWin), panel on XWayland&quot;), then how its hot keys reach it.</extracomment>
        <translation>%1&#x202f;: %2</translation>
    </message>
    <message>
        <source>(the desktop portal did not answer)</source>
        <extracomment>Follows how a key reaches Zarvo (&quot;only while an X11 app is in front&quot;).</extracomment>
        <translation>(le portail du bureau n’a pas répondu)</translation>
    </message>
</context>
<context>
    <name>ShellCommand</name>
    <message>
        <source>The command contains a NUL character</source>
        <translation>La commande contient un caractère NUL</translation>
    </message>
    <message>
        <source>Could not create “%1”: %2</source>
        <translation>Impossible de créer «&#x202f;%1&#x202f;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Could not write “%1”: %2</source>
        <translation>Impossible d’écrire «&#x202f;%1&#x202f;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Could not make “%1” executable</source>
        <translation>Impossible de rendre «&#x202f;%1&#x202f;» exécutable</translation>
    </message>
    <message>
        <source>Terminal isn&apos;t installed</source>
        <translation>Terminal n’est pas installé</translation>
    </message>
</context>
<context>
    <name>Shortcuts</name>
    <message>
        <source>Home Folder</source>
        <translation>Dossier personnel</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Bureau</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documents</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>Téléchargements</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musique</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Movies</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Applications</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Utilitaires</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>Bibliothèque</translation>
    </message>
    <message>
        <source>Application Support</source>
        <translation>Application Support</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Corbeille</translation>
    </message>
    <message>
        <source>Temporary Items</source>
        <translation>Éléments temporaires</translation>
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
        <translation>fichier hosts</translation>
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
        <translation>Calculatrice</translation>
    </message>
    <message>
        <source>Activity Monitor</source>
        <translation>Moniteur d’activité</translation>
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
        <translation>Capture d’écran</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>Informations système</translation>
    </message>
    <message>
        <source>Disk Utility</source>
        <translation>Utilitaire de disque</translation>
    </message>
    <message>
        <source>Console</source>
        <translation>Console</translation>
    </message>
    <message>
        <source>Passwords</source>
        <translation>Mots de passe</translation>
    </message>
    <message>
        <source>Font Book</source>
        <translation>Livre des polices</translation>
    </message>
    <message>
        <source>App Store</source>
        <translation>App Store</translation>
    </message>
    <message>
        <source>Screen Sharing</source>
        <translation>Partage d’écran</translation>
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
        <translation>Wi‑Fi</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>Bluetooth</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>VPN</source>
        <translation>VPN</translation>
    </message>
    <message>
        <source>Displays</source>
        <translation>Écrans</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Souris</translation>
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
        <translation>Utilisateurs et groupes</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Mise à jour de logiciels</translation>
    </message>
    <message>
        <source>Login Items</source>
        <translation>Éléments de connexion</translation>
    </message>
    <message>
        <source>Privacy &amp; Security</source>
        <translation>Confidentialité et sécurité</translation>
    </message>
    <message>
        <source>Printers &amp; Scanners</source>
        <translation>Imprimantes et scanners</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Notifications</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>Accessibilité</translation>
    </message>
    <message>
        <source>Date &amp; Time</source>
        <translation>Date et heure</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apparence</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Fond d’écran</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Stockage</translation>
    </message>
    <message>
        <source>Language &amp; Region</source>
        <translation>Langue et région</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>Partage</translation>
    </message>
    <message>
        <source>About This Mac</source>
        <translation>About This Mac</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Application</translation>
    </message>
    <message>
        <source>System Settings › %1</source>
        <extracomment>Keep &quot;System Settings&quot; as it is: it is replaced by the desktop&apos;s own name for its settings.</extracomment>
        <translation>System Settings › %1</translation>
    </message>
    <message>
        <source>Custom shortcut → %1</source>
        <translation>Raccourci personnalisé → %1</translation>
    </message>
    <message>
        <source>System action</source>
        <translation>Action système</translation>
    </message>
</context>
<context>
    <name>StartNotices</name>
    <message>
        <source>your desktop&apos;s keyboard shortcut settings</source>
        <translation>les paramètres des raccourcis clavier de votre bureau</translation>
    </message>
    <message>
        <source>Zarvo is running</source>
        <translation>Zarvo est lancé</translation>
    </message>
</context>
<context>
    <name>StoreCommands</name>
    <message>
        <source>usage: zarvo-cli %1</source>
        <extracomment>%1 is the command&apos;s syntax, kept as it is.</extracomment>
        <translation>usage&#xa0;: zarvo-cli %1</translation>
    </message>
    <message>
        <source>zarvo-cli: unknown option %1</source>
        <translation>zarvo-cli&#xa0;: option inconnue %1</translation>
    </message>
    <message>
        <source>%1 needs an integer from 0 to 4294967295, not %2</source>
        <translation>%1 attend un entier de 0 à 4294967295, pas %2</translation>
    </message>
    <message>
        <source>%1 needs an integer, not %2</source>
        <translation>%1 attend un entier, pas %2</translation>
    </message>
    <message>
        <source>%1 needs true or false, not %2</source>
        <translation>%1 attend true ou false, pas %2</translation>
    </message>
    <message>
        <source>%1 needs a JSON array of strings or a comma-separated list</source>
        <translation>%1 attend un tableau JSON de chaînes ou une liste séparée par des virgules</translation>
    </message>
    <message>
        <source>%1 needs a JSON array of {&quot;keyword&quot;: …, &quot;target&quot;: …} objects</source>
        <translation>%1 attend un tableau JSON d’objets {&quot;keyword&quot;: …, &quot;target&quot;: …}</translation>
    </message>
    <message>
        <source>%1: not a UUID: %2</source>
        <translation>%1&#xa0;: pas un UUID&#xa0;: %2</translation>
    </message>
    <message>
        <source>unsupported setting</source>
        <translation>paramètre non pris en charge</translation>
    </message>
    <message>
        <source>zarvo-cli: unknown setting %1; `zarvo-cli settings list` shows them</source>
        <translation>zarvo-cli&#xa0;: paramètre inconnu %1&#x202f;; `zarvo-cli settings list` les affiche</translation>
    </message>
    <message>
        <source>zarvo-cli: launch at login could not be changed</source>
        <translation>zarvo-cli&#xa0;: le lancement à l’ouverture de session n’a pas pu être modifié</translation>
    </message>
    <message>
        <source>starred %1</source>
        <translation>étoile ajoutée&#xa0;: %1</translation>
    </message>
    <message>
        <source>unstarred %1</source>
        <translation>étoile retirée&#xa0;: %1</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>«&#x202f;%1&#x202f;»</translation>
    </message>
</context>
<context>
    <name>SystemActions</name>
    <message>
        <source>Lock Screen</source>
        <translation>Verrouiller l’écran</translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation>Mettre en veille</translation>
    </message>
    <message>
        <source>Turn Off Display</source>
        <translation>Éteindre l’écran</translation>
    </message>
    <message>
        <source>Start Screen Saver</source>
        <translation>Lancer l’économiseur d’écran</translation>
    </message>
    <message>
        <source>Restart…</source>
        <translation>Redémarrer…</translation>
    </message>
    <message>
        <source>Shut Down…</source>
        <translation>Éteindre…</translation>
    </message>
    <message>
        <source>Log Out…</source>
        <translation>Se déconnecter…</translation>
    </message>
    <message>
        <source>Empty Trash</source>
        <translation>Vider la corbeille</translation>
    </message>
    <message>
        <source>Eject All Disks</source>
        <translation>Éjecter tous les disques</translation>
    </message>
    <message>
        <source>Copy IP Address</source>
        <translation>Copier l’adresse IP</translation>
    </message>
    <message>
        <source>No disks to eject</source>
        <translation>Aucun disque à éjecter</translation>
    </message>
    <message numerus="yes">
        <source>Ejected %Ln disk(s)</source>
        <translation>
            <numerusform>%Ln disque éjecté</numerusform>
            <numerusform>%Ln disques éjectés</numerusform>
        </translation>
    </message>
    <message>
        <source>Couldn&apos;t restart: %1</source>
        <translation>Redémarrage impossible&#xa0;: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t shut down: %1</source>
        <translation>Extinction impossible&#xa0;: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t log out: %1</source>
        <translation>Déconnexion impossible&#xa0;: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t lock the screen: %1</source>
        <translation>Impossible de verrouiller l’écran&#xa0;: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t %1: %2</source>
        <extracomment>%1 is the action&apos;s title in lower case, %2 the reason.</extracomment>
        <translation>Impossible (%1)&#xa0;: %2</translation>
    </message>
    <message>
        <source>no session service</source>
        <translation>aucun service de session</translation>
    </message>
    <message>
        <source>Press ↩ again to empty trash. This can&apos;t be undone.</source>
        <translation>Appuyez à nouveau sur ↩ pour vider la corbeille. Action irréversible.</translation>
    </message>
    <message>
        <source>No session manager answers: press ↩ again to restart now. Unsaved work in open applications may be lost.</source>
        <translation>Aucun gestionnaire de session ne répond&#xa0;: ↩ à nouveau pour redémarrer maintenant. Le travail non enregistré peut être perdu.</translation>
    </message>
    <message>
        <source>No session manager answers: press ↩ again to shut down now. Unsaved work in open applications may be lost.</source>
        <translation>Aucun gestionnaire de session ne répond&#xa0;: ↩ à nouveau pour éteindre maintenant. Le travail non enregistré peut être perdu.</translation>
    </message>
    <message>
        <source>Locking the screen…</source>
        <translation>Verrouillage de l’écran…</translation>
    </message>
    <message>
        <source>no session manager answers</source>
        <translation>aucun gestionnaire de session ne répond</translation>
    </message>
    <message>
        <source>Ejecting…</source>
        <translation>Éjection…</translation>
    </message>
    <message>
        <source>No network connection</source>
        <translation>Aucune connexion réseau</translation>
    </message>
    <message>
        <source>Copied IP address %1</source>
        <translation>Adresse IP %1 copiée</translation>
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
    <name>Text</name>
    <message>
        <source>“%1”</source>
        <extracomment>Quotation marks around a name in a message: „%1“ in German, « %1 » in French.</extracomment>
        <translation>«&#x202f;%1&#x202f;»</translation>
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
    <name>UpdateDialogs</name>
    <message>
        <source>Software Update</source>
        <translation>Mise à jour de logiciels</translation>
    </message>
    <message>
        <source>You&apos;re up to date!</source>
        <translation>Vous êtes à jour&#x202f;!</translation>
    </message>
    <message>
        <source>Zarvo %1 is currently the newest version available.</source>
        <translation>Zarvo %1 est actuellement la version la plus récente.</translation>
    </message>
    <message>
        <source>Update Error!</source>
        <translation>Erreur de mise à jour&#x202f;!</translation>
    </message>
    <message>
        <source>A new version of Zarvo is available!</source>
        <translation>Une nouvelle version de Zarvo est disponible&#x202f;!</translation>
    </message>
    <message>
        <source>Zarvo %1 is now available—you have %2. Would you like to install it now?</source>
        <translation>Zarvo %1 est disponible (vous avez la %2). Voulez-vous l’installer maintenant&#x202f;?</translation>
    </message>
    <message>
        <source>Install and Relaunch</source>
        <translation>Installer et relancer</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Plus tard</translation>
    </message>
    <message>
        <source>The update was not installed.</source>
        <translation>La mise à jour n’a pas été installée.</translation>
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
        <translation>Google Traduction</translation>
    </message>
    <message>
        <source>Search %1 for “%2”</source>
        <extracomment>%1 is the search engine&apos;s name, %2 the text searched for.</extracomment>
        <translation>Rechercher «&#x202f;%2&#x202f;» sur %1</translation>
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
        <translation>usage&#xa0;: zarvo [--toggle | --clipboard | --settings | --status | --quit]
  (aucune)     lancer Zarvo, ou afficher le panneau de celui qui tourne
  --toggle     afficher ou masquer le panneau (à associer là où le bureau n’a pas de touches globales)
  --clipboard  afficher ou masquer l’historique du presse-papiers
  --settings   ouvrir la fenêtre des paramètres
  --status     indiquer où tourne le Zarvo lancé et quels services du bureau il utilise
  --quit       quitter le Zarvo lancé
</translation>
    </message>
    <message>
        <source>zarvo: the running Zarvo did not answer: %1</source>
        <translation>zarvo&#xa0;: le Zarvo lancé n’a pas répondu&#xa0;: %1</translation>
    </message>
    <message>
        <source>zarvo: Zarvo is not running</source>
        <translation>zarvo&#xa0;: Zarvo n’est pas lancé</translation>
    </message>
</context>
<context>
    <name>zarvo::AppCatalog</name>
    <message>
        <source>Application</source>
        <translation>Application</translation>
    </message>
</context>
<context>
    <name>zarvo::ClipStore</name>
    <message numerus="yes">
        <source>the index in %1 could not be read whole and was set aside as “%2”; %Ln clips were salvaged into a fresh index, and the data files of every clip it names are kept</source>
        <extracomment>%1 is a folder, %2 a file name.</extracomment>
        <translation>
            <numerusform>l’index dans %1 n’a pas pu être lu en entier et a été mis de côté sous «&#x202f;%2&#x202f;»&#x202f;; %Ln clip a été récupéré dans un nouvel index, et les fichiers de données de tous les clips qu’il nomme sont gardés</numerusform>
            <numerusform>l’index dans %1 n’a pas pu être lu en entier et a été mis de côté sous «&#x202f;%2&#x202f;»&#x202f;; %Ln clips ont été récupérés dans un nouvel index, et les fichiers de données de tous les clips qu’il nomme sont gardés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the index in %1 could not be read whole nor set aside; %Ln clips were read, and the index is not written over</source>
        <extracomment>%1 is a folder.</extracomment>
        <translation>
            <numerusform>l’index dans %1 n’a pu être ni lu en entier ni mis de côté&#x202f;; %Ln clip a été lu, et l’index n’est pas écrasé</numerusform>
            <numerusform>l’index dans %1 n’a pu être ni lu en entier ni mis de côté&#x202f;; %Ln clips ont été lus, et l’index n’est pas écrasé</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>zarvo::ResultActions</name>
    <message>
        <source>Show Clipboard History</source>
        <translation>Afficher l’historique du presse-papiers</translation>
    </message>
    <message>
        <source>Run in Terminal</source>
        <translation>Exécuter dans Terminal</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>verb</comment>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Copy URL</source>
        <translation>Copier l’URL</translation>
    </message>
    <message>
        <source>Copy as Markdown Link</source>
        <translation>Copier comme lien Markdown</translation>
    </message>
    <message>
        <source>Copy Command</source>
        <translation>Copier la commande</translation>
    </message>
    <message>
        <source>Reveal in Finder</source>
        <translation>Afficher dans Finder</translation>
    </message>
    <message>
        <source>Quick Look</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Open in Terminal</source>
        <translation>Ouvrir dans Terminal</translation>
    </message>
    <message>
        <source>Paste Path into %1</source>
        <translation>Coller le chemin dans %1</translation>
    </message>
    <message>
        <source>Front App</source>
        <translation>l’app active</translation>
    </message>
    <message>
        <source>Copy File</source>
        <translation>Copier le fichier</translation>
    </message>
    <message>
        <source>Copy Path</source>
        <translation>Copier le chemin</translation>
    </message>
    <message>
        <source>Copy Name</source>
        <translation>Copier le nom</translation>
    </message>
    <message>
        <source>Remove from Favorites</source>
        <translation>Retirer des favoris</translation>
    </message>
    <message>
        <source>Add to Favorites</source>
        <translation>Ajouter aux favoris</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>Renommer…</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Dupliquer</translation>
    </message>
    <message>
        <source>Compress to ZIP</source>
        <translation>Compresser en ZIP</translation>
    </message>
    <message>
        <source>Move to…</source>
        <translation>Déplacer vers…</translation>
    </message>
    <message>
        <source>Get Info</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>Mettre à la corbeille</translation>
    </message>
    <message>
        <source>Remove from History</source>
        <translation>Retirer de l’historique</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Copy as Plain Text</source>
        <translation>Copier en texte brut</translation>
    </message>
    <message>
        <source>Paste into %1</source>
        <translation>Coller dans %1</translation>
    </message>
    <message>
        <source>Open Link</source>
        <translation>Ouvrir le lien</translation>
    </message>
    <message>
        <source>Unpin</source>
        <translation>Désépingler</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>Épingler</translation>
    </message>
    <message>
        <source>Delete from Clipboard History</source>
        <translation>Supprimer de l’historique du presse-papiers</translation>
    </message>
    <message>
        <source>Paste into Front App</source>
        <translation>Coller dans l’app active</translation>
    </message>
    <message>
        <source>Actions…</source>
        <translation>Actions…</translation>
    </message>
    <message>
        <source>Select a file or folder</source>
        <translation>Sélectionnez un fichier ou un dossier</translation>
    </message>
    <message>
        <source>Duplicating %1…</source>
        <translation>Duplication de %1…</translation>
    </message>
    <message>
        <source>Duplicated as %1</source>
        <translation>Dupliqué sous %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t compress %1: the archiver bsdtar (libarchive-tools) is not installed</source>
        <translation>Impossible de compresser %1&#xa0;: l’archiveur bsdtar (libarchive-tools) n’est pas installé</translation>
    </message>
    <message>
        <source>Couldn&apos;t compress %1: %2</source>
        <translation>Impossible de compresser %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Compressing %1…</source>
        <translation>Compression de %1…</translation>
    </message>
    <message>
        <source>Compressed to %1</source>
        <translation>Compressé en %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t compress %1</source>
        <translation>Impossible de compresser %1</translation>
    </message>
    <message>
        <source>%1 already exists in %2</source>
        <translation>%1 existe déjà dans %2</translation>
    </message>
    <message>
        <source>Move</source>
        <comment>verb</comment>
        <extracomment>The button of the folder chooser.</extracomment>
        <translation>Déplacer</translation>
    </message>
    <message>
        <source>Move %1 to…</source>
        <translation>Déplacer %1 vers…</translation>
    </message>
    <message>
        <source>Moved %1 to Trash</source>
        <translation>%1 mis à la corbeille</translation>
    </message>
    <message>
        <source>Copied — press %1 to paste (%2 in a terminal)</source>
        <translation>Copié — appuyez sur %1 pour coller (%2 dans un terminal)</translation>
    </message>
    <message>
        <source>Copied — press %1 to paste</source>
        <translation>Copié — appuyez sur %1 pour coller</translation>
    </message>
    <message>
        <source>Nothing to paste</source>
        <translation>Rien à coller</translation>
    </message>
    <message>
        <source>Nothing to open — path not found</source>
        <translation>Rien à ouvrir — chemin introuvable</translation>
    </message>
    <message>
        <source>%1 came from the clipboard and runs code. Press ↩ again to open it.</source>
        <translation>%1 vient du presse-papiers et exécute du code. ↩ à nouveau pour l’ouvrir.</translation>
    </message>
    <message>
        <source>Nothing to reveal</source>
        <translation>Rien à afficher</translation>
    </message>
    <message>
        <source>Nothing to preview</source>
        <translation>Rien à prévisualiser</translation>
    </message>
    <message>
        <source>No terminal app found</source>
        <translation>Aucune app de terminal trouvée</translation>
    </message>
    <message>
        <source>Nothing to copy</source>
        <translation>Rien à copier</translation>
    </message>
    <message>
        <source>Copied %1</source>
        <translation>Copié&#xa0;: %1</translation>
    </message>
    <message>
        <source>Copied file %1</source>
        <translation>Fichier %1 copié</translation>
    </message>
    <message>
        <source>Nothing to favorite</source>
        <translation>Rien à mettre en favori</translation>
    </message>
    <message>
        <source>★ Added %1 to favorites</source>
        <translation>★ %1 ajouté aux favoris</translation>
    </message>
    <message>
        <source>Removed %1 from favorites</source>
        <translation>%1 retiré des favoris</translation>
    </message>
</context>
<context>
    <name>zarvo::app::AppDelegate</name>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Quit Zarvo</source>
        <translation>Quitter Zarvo</translation>
    </message>
    <message>
        <source>Zarvo Shortcut</source>
        <translation>Raccourci de Zarvo</translation>
    </message>
    <message>
        <source>Choose Another Key…</source>
        <translation>Choisir une autre touche…</translation>
    </message>
    <message>
        <source>Open Zarvo</source>
        <translation>Ouvrir Zarvo</translation>
    </message>
    <message>
        <source>Change %1&apos;s Shortcuts?</source>
        <translation>Modifier les raccourcis de %1&#x202f;?</translation>
    </message>
    <message>
        <source>%1 could not be bound: %2</source>
        <translation>%1 n’a pas pu être associé&#xa0;: %2</translation>
    </message>
    <message>
        <source>Zarvo: no status area on this desktop; open the panel with the hot key, from the application menu (Zarvo, with Clipboard History and Settings), or with “zarvo --toggle”</source>
        <translation>Zarvo&#xa0;: pas de zone de notification sur ce bureau&#x202f;; ouvrez le panneau avec le raccourci, depuis le menu des applications (Zarvo, avec l’historique du presse-papiers et les paramètres) ou avec «&#x202f;zarvo --toggle&#x202f;»</translation>
    </message>
</context>
<context>
    <name>zarvo::app::StatusMenu</name>
    <message>
        <source>Open Zarvo</source>
        <translation>Ouvrir Zarvo</translation>
    </message>
    <message>
        <source>Clipboard History</source>
        <translation>Historique du presse-papiers</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Paramètres…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Rechercher des mises à jour…</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Effacer l’historique</translation>
    </message>
    <message>
        <source>Quit Zarvo</source>
        <translation>Quitter Zarvo</translation>
    </message>
    <message>
        <source>Open Zarvo  (%1)</source>
        <translation>Ouvrir Zarvo  (%1)</translation>
    </message>
    <message>
        <source>Clipboard History  (%1)</source>
        <translation>Historique du presse-papiers  (%1)</translation>
    </message>
</context>
<context>
    <name>zarvo::app::Updater</name>
    <message>
        <source>Updates come with your package manager</source>
        <translation>Les mises à jour viennent de votre gestionnaire de paquets</translation>
    </message>
    <message>
        <source>Update checks are not set up for this build</source>
        <translation>La recherche de mises à jour n’est pas configurée pour cette version</translation>
    </message>
    <message>
        <source>Only a copy installed from the portable folder updates itself</source>
        <translation>Seule une copie installée depuis le dossier portable se met à jour elle-même</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Mise à jour de logiciels</translation>
    </message>
    <message>
        <source>The update is not offered over HTTPS (%1).</source>
        <translation>La mise à jour n’est pas proposée en HTTPS (%1).</translation>
    </message>
    <message>
        <source>The update&apos;s size (%1 bytes) is not believable.</source>
        <translation>La taille de la mise à jour (%1 octets) n’est pas crédible.</translation>
    </message>
    <message>
        <source>The update is not signed.</source>
        <translation>La mise à jour n’est pas signée.</translation>
    </message>
    <message>
        <source>The update has %1 bytes, not the %2 the feed announced.</source>
        <translation>La mise à jour fait %1 octets, et non les %2 annoncés par le flux.</translation>
    </message>
    <message>
        <source>The update&apos;s signature does not match; it was not installed.</source>
        <translation>La signature de la mise à jour ne correspond pas&#x202f;; elle n’a pas été installée.</translation>
    </message>
    <message>
        <source>The update&apos;s signature cannot be checked: a file of Zarvo is missing. Reinstall Zarvo; the update was not installed.</source>
        <translation>La signature de la mise à jour ne peut pas être vérifiée&#x202f;: un fichier de Zarvo manque. Réinstallez Zarvo&#x202f;; la mise à jour n’a pas été installée.</translation>
    </message>
    <message>
        <source>The address %1 is not HTTPS.</source>
        <translation>L’adresse %1 n’est pas en HTTPS.</translation>
    </message>
    <message>
        <source>The update server sent the request on to another place (%1).</source>
        <translation>Le serveur de mises à jour a renvoyé la requête ailleurs (%1).</translation>
    </message>
    <message>
        <source>The answer of the update server is larger than %1 bytes.</source>
        <translation>La réponse du serveur de mises à jour dépasse %1 octets.</translation>
    </message>
    <message>
        <source>The update server could not be reached: %1</source>
        <translation>Le serveur de mises à jour est injoignable&#xa0;: %1</translation>
    </message>
    <message>
        <source>This copy cannot install updates.</source>
        <translation>Cette copie ne peut pas installer de mises à jour.</translation>
    </message>
    <message>
        <source>No room to unpack the update: %1</source>
        <translation>Pas de place pour décompresser la mise à jour&#xa0;: %1</translation>
    </message>
    <message>
        <source>The update could not be saved: %1</source>
        <translation>La mise à jour n’a pas pu être enregistrée&#xa0;: %1</translation>
    </message>
    <message>
        <source>The update could not be unpacked: %1</source>
        <translation>La mise à jour n’a pas pu être décompressée&#xa0;: %1</translation>
    </message>
    <message>
        <source>The update holds no Zarvo of build %1.</source>
        <translation>La mise à jour ne contient pas de Zarvo de build %1.</translation>
    </message>
</context>
<context>
    <name>zarvo::ui::ActionList</name>
    <message>
        <source>destructive</source>
        <translation>destructif</translation>
    </message>
</context>
<context>
    <name>zarvo::ui::AppChooser</name>
    <message>
        <source>Choose an App</source>
        <translation>Choisir une app</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
</context>
<context>
    <name>zarvo::ui::ClipPreview</name>
    <message>
        <source>From %1</source>
        <translation>De %1</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n fichier</numerusform>
            <numerusform>%n fichiers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 character(s)</source>
        <translation>
            <numerusform>%1 caractère</numerusform>
            <numerusform>%1 caractères</numerusform>
        </translation>
    </message>
    <message>
        <source>Pinned</source>
        <translation>Épinglé</translation>
    </message>
    <message>
        <source>Clip text</source>
        <translation>Texte du clip</translation>
    </message>
    <message>
        <source>Clip image</source>
        <translation>Image du clip</translation>
    </message>
    <message>
        <source>Clip files</source>
        <translation>Fichiers du clip</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Copy to the clipboard (↩ copies and closes)</source>
        <translation>Copier dans le presse-papiers (↩ copie et ferme)</translation>
    </message>
    <message numerus="yes">
        <source>%1 more file(s)</source>
        <translation>
            <numerusform>%1 autre fichier</numerusform>
            <numerusform>%1 autres fichiers</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>zarvo::ui::PreviewWindow</name>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Modified %1</source>
        <translation>Modifié le %1</translation>
    </message>
    <message>
        <source>Created %1</source>
        <translation>Créé le %1</translation>
    </message>
</context>
<context>
    <name>zarvo::ui::SearchAccessSection</name>
    <message>
        <source>Search Access</source>
        <translation>Accès de recherche</translation>
    </message>
    <message>
        <source>Zarvo finds files in these folders. Folders you can&apos;t read are skipped.</source>
        <translation>Zarvo trouve les fichiers dans ces dossiers. Les dossiers que vous ne pouvez pas lire sont ignorés.</translation>
    </message>
    <message>
        <source>Folders searched</source>
        <translation>Dossiers parcourus</translation>
    </message>
    <message>
        <source>Add Folder…</source>
        <translation>Ajouter un dossier…</translation>
    </message>
    <message>
        <source>Folders left out</source>
        <translation>Dossiers exclus</translation>
    </message>
    <message>
        <source>Leave Out Folder…</source>
        <translation>Exclure un dossier…</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Retirer %1</translation>
    </message>
    <message>
        <source>Search a Folder</source>
        <translation>Parcourir un dossier</translation>
    </message>
    <message>
        <source>Leave Out a Folder</source>
        <translation>Exclure un dossier</translation>
    </message>
</context>
<context>
    <name>zarvo::ui::SearchView</name>
    <message>
        <source>No matching actions</source>
        <translation>Aucune action correspondante</translation>
    </message>
    <message>
        <source>Clear (esc)</source>
        <translation>Effacer (esc)</translation>
    </message>
    <message>
        <source>Run</source>
        <comment>tab</comment>
        <translation>Exécuter</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <comment>tab</comment>
        <translation>Presse-papiers</translation>
    </message>
    <message>
        <source>Open with</source>
        <translation>Ouvrir avec</translation>
    </message>
    <message>
        <source>Search Access Settings</source>
        <translation>Paramètres d’accès de recherche</translation>
    </message>
    <message>
        <source>Open Privacy Settings</source>
        <translation>Ouvrir les paramètres de confidentialité</translation>
    </message>
    <message>
        <source>Open with %1</source>
        <translation>Ouvrir avec %1</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Recherche</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Actions for</source>
        <translation>Actions pour</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Actions</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Clipboard history</source>
        <translation>Historique du presse-papiers</translation>
    </message>
</context>
<context>
    <name>zarvo::ui::SettingsView</name>
    <message>
        <source>1 day</source>
        <translation>1 jour</translation>
    </message>
    <message>
        <source>7 days</source>
        <translation>7 jours</translation>
    </message>
    <message>
        <source>30 days</source>
        <translation>30 jours</translation>
    </message>
    <message>
        <source>90 days</source>
        <translation>90 jours</translation>
    </message>
    <message>
        <source>1 year</source>
        <translation>1 an</translation>
    </message>
    <message>
        <source>Up to 500 clips</source>
        <translation>Jusqu’à 500 clips</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Search Access</source>
        <translation>Accès de recherche</translation>
    </message>
    <message>
        <source>macOS hides search results from folders Zarvo isn&apos;t allowed to read.</source>
        <translation>macOS masque les résultats des dossiers que Zarvo n’a pas le droit de lire.</translation>
    </message>
    <message>
        <source>Files &amp;&amp; Folders…</source>
        <translation>Fichiers &amp;&amp; dossiers…</translation>
    </message>
    <message>
        <source>Full Disk Access…</source>
        <translation>Accès complet au disque…</translation>
    </message>
    <message>
        <source>Desktop, Documents, Downloads</source>
        <translation>Bureau, Documents, Téléchargements</translation>
    </message>
    <message>
        <source>Everything (Mail, other users, external drives)</source>
        <translation>Tout (Mail, autres utilisateurs, disques externes)</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Show Zarvo</source>
        <translation>Afficher Zarvo</translation>
    </message>
    <message>
        <source>Show clipboard history</source>
        <translation>Afficher l’historique du presse-papiers</translation>
    </message>
    <message>
        <source>Switch tabs (in the panel)</source>
        <translation>Changer d’onglet (dans le panneau)</translation>
    </message>
    <message>
        <source>Lines to add</source>
        <translation>Lignes à ajouter</translation>
    </message>
    <message>
        <source>Global shortcuts are captured in every app: while Zarvo runs, ⌘R no longer reloads pages in browsers, and ⇧⌘V no longer pastes as plain text in apps that use it.</source>
        <translation>Les raccourcis globaux sont captés dans toutes les apps&#xa0;: tant que Zarvo tourne, ⌘R ne recharge plus les pages des navigateurs et ⇧⌘V ne colle plus en texte brut dans les apps qui l’utilisent.</translation>
    </message>
    <message>
        <source>Behavior</source>
        <translation>Comportement</translation>
    </message>
    <message>
        <source>Paste file path from clipboard when opened</source>
        <translation>Coller le chemin du presse-papiers à l’ouverture</translation>
    </message>
    <message>
        <source>Show hidden files in path completion</source>
        <translation>Afficher les fichiers cachés dans la complétion</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Lancer à l’ouverture de session</translation>
    </message>
    <message>
        <source>Open in Terminal (⌥↩) uses</source>
        <translation>Ouvrir dans le terminal (⌥↩) utilise</translation>
    </message>
    <message>
        <source>Type a keyword in Zarvo and press ↩, like Windows Run (control, cmd, %TEMP%…). Custom keywords override built-in ones. Type ?? to list all, ? for help.</source>
        <extracomment>“control” and “cmd” are keywords the user types: keep them as they are.</extracomment>
        <translation>Tapez un mot-clé dans Zarvo et appuyez sur ↩, comme la fenêtre Exécuter de Windows (control, cmd, %TEMP%…). Vos mots-clés priment sur ceux intégrés. Tapez ?? pour tout lister, ? pour l’aide.</translation>
    </message>
    <message>
        <source>Add Shortcut</source>
        <translation>Ajouter un raccourci</translation>
    </message>
    <message>
        <source>Built-in shortcuts (%1)</source>
        <translation>Raccourcis intégrés (%1)</translation>
    </message>
    <message>
        <source>Clipboard History</source>
        <translation>Historique du presse-papiers</translation>
    </message>
    <message>
        <source>Clips stay on this Mac. Copies that password managers mark as private are never saved. Clearing keeps pinned clips.</source>
        <extracomment>Keep “this Mac” in English: it is replaced with the desktop&apos;s word after translation.</extracomment>
        <translation>Les clips restent sur this Mac. Les copies marquées privées par les gestionnaires de mots de passe ne sont jamais enregistrées. Effacer garde les clips épinglés.</translation>
    </message>
    <message>
        <source>Keep clipboard history</source>
        <translation>Conserver l’historique du presse-papiers</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>Ajouter une app…</translation>
    </message>
    <message>
        <source>Clear Clipboard History</source>
        <translation>Effacer l’historique du presse-papiers</translation>
    </message>
    <message>
        <source>Keep clips for</source>
        <translation>Garder les clips</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Mises à jour</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>Rechercher automatiquement les mises à jour</translation>
    </message>
    <message>
        <source>Check Now</source>
        <translation>Vérifier maintenant</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Effacer l’historique</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
    </message>
    <message>
        <source>keyword</source>
        <translation>mot-clé</translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation>Mot-clé</translation>
    </message>
    <message>
        <source>~/path, https://url, or App Name</source>
        <translation>~/chemin, https://url ou nom d’app</translation>
    </message>
    <message>
        <source>Opens</source>
        <translation>Ouvre</translation>
    </message>
    <message numerus="yes">
        <source>Never save copies from (%n app(s))</source>
        <translation>
            <numerusform>Ne jamais enregistrer les copies de (%n app)</numerusform>
            <numerusform>Ne jamais enregistrer les copies de (%n apps)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n clip(s)</source>
        <translation>
            <numerusform>%n clip</numerusform>
            <numerusform>%n clips</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n pinned</source>
        <translation>
            <numerusform>%1, %n épinglé</numerusform>
            <numerusform>%1, %n épinglés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n remembered item(s)</source>
        <translation>
            <numerusform>%n élément mémorisé</numerusform>
            <numerusform>%n éléments mémorisés</numerusform>
        </translation>
    </message>
    <message>
        <source>Update checks are not set up for this build</source>
        <translation>La recherche de mises à jour n’est pas configurée pour cette version</translation>
    </message>
    <message>
        <source>Once a day Zarvo asks %1 whether there&apos;s a new version. Updates are signed, and nothing about you is sent.</source>
        <translation>Une fois par jour, Zarvo demande à %1 s’il existe une nouvelle version. Les mises à jour sont signées et rien ne vous concernant n’est envoyé.</translation>
    </message>
    <message>
        <source>Press keys… (esc to cancel)</source>
        <translation>Appuyez sur des touches… (esc pour annuler)</translation>
    </message>
    <message>
        <source>To open Zarvo from every app, add these lines to %1 and reload it:</source>
        <translation>Pour ouvrir Zarvo depuis toute app, ajoutez ces lignes à %1 et rechargez-le&#xa0;:</translation>
    </message>
    <message>
        <source>Change %1&apos;s Shortcuts?</source>
        <translation>Modifier les raccourcis de %1&#x202f;?</translation>
    </message>
    <message>
        <source>%1 could not be bound: %2</source>
        <translation>%1 n’a pas pu être associé&#xa0;: %2</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <comment>global hot keys</comment>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <comment>typed keywords</comment>
        <translation>Raccourcis</translation>
    </message>
    <message>
        <source>Remove this shortcut</source>
        <translation>Retirer ce raccourci</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Retirer %1</translation>
    </message>
</context>
<context>
    <name>zarvo::ui::SettingsWindow</name>
    <message>
        <source>Zarvo Settings</source>
        <translation>Paramètres de Zarvo</translation>
    </message>
</context>
<context>
    <name>zarvo::ui::ShortcutRecorder</name>
    <message>
        <source>Include ⌘, ⌥ or ⌃ in the shortcut.</source>
        <translation>Le raccourci doit contenir ⌘, ⌥ ou ⌃.</translation>
    </message>
    <message>
        <source>%1 is already another Zarvo shortcut.</source>
        <translation>%1 est déjà un autre raccourci de Zarvo.</translation>
    </message>
    <message>
        <source>%1 already does something in the Zarvo panel. Try another key.</source>
        <translation>%1 a déjà une fonction dans le panneau de Zarvo. Essayez une autre touche.</translation>
    </message>
    <message>
        <source>%1 is already used by another app.</source>
        <translation>%1 est déjà utilisé par une autre app.</translation>
    </message>
    <message>
        <source>%1 and %2 are already used by another app.</source>
        <translation>%1 et %2 sont déjà utilisés par une autre app.</translation>
    </message>
</context>
</TS>
