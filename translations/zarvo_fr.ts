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
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
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
