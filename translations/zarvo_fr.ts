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
        <source>Shortcuts</source>
        <translation>Raccourcis</translation>
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
