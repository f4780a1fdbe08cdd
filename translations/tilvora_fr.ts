<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Artwork</name>
    <message>
        <source>Tilvora</source>
        <translation>Tilvora</translation>
    </message>
    <message>
        <source>Quran reader and recitation player</source>
        <translation>Lecteur du Coran et de sa récitation</translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>Tilvora cannot start.

%1</source>
        <extracomment>%1 is the reason, in a paragraph of its own.</extracomment>
        <translation>Tilvora ne peut pas démarrer.

%1</translation>
    </message>
    <message>
        <source>Tilvora</source>
        <translation>Tilvora</translation>
    </message>
</context>
<context>
    <name>LogicText</name>
    <message>
        <source>Media Files not found...</source>
        <translation>Fichiers audio introuvables...</translation>
    </message>
    <message>
        <source>Media File %1 is not present at the specified path...
Current Path : %2

Please Specify a valid path for Media Files (using the Controls Menu) and use this Application !</source>
        <translation>Le fichier %1 n’est pas dans le dossier indiqué...
Dossier actuel : %2

Indiquez un dossier valide pour les fichiers audio (menu Contrôles), puis utilisez le programme.</translation>
    </message>
    <message>
        <source>Tilvora - ProgramID : </source>
        <translation>Tilvora - numéro du programme : </translation>
    </message>
    <message>
        <source>No Data found in the Database for Current Voice in Programs registered...

Invalid Programs / Speakers added to database without related Data !</source>
        <translation>Aucune donnée dans la base pour la voix choisie parmi les programmes enregistrés...

Des programmes ou des récitants ont été ajoutés à la base sans leurs données !</translation>
    </message>
    <message>
        <source>Cannot Access the specified Media File
Make sure that the Media Files folder exists in the same application folder !</source>
        <translation>Impossible d’accéder au fichier audio indiqué
Vérifiez que le dossier des fichiers audio existe dans le dossier du programme !</translation>
    </message>
    <message>
        <source>No recording of this verse</source>
        <translation>Pas d’enregistrement de ce verset</translation>
    </message>
    <message>
        <source>The voice &quot;%1&quot; has no recording of %2.

Choose another voice in the control pane, or set the folder of this voice&apos;s recordings with Controls &gt; Set Data Path.</source>
        <translation>La voix « %1 » n’a pas d’enregistrement de %2.

Choisissez une autre voix dans le panneau de contrôle, ou indiquez le dossier de ses enregistrements avec Contrôles &gt; Choisir le dossier des enregistrements.</translation>
    </message>
    <message>
        <source>No verse was found for “%1”.</source>
        <translation>Aucun verset trouvé pour « %1 ».</translation>
    </message>
    <message>
        <source>No verse to show for this choice.</source>
        <translation>Aucun verset à afficher pour ce choix.</translation>
    </message>
    <message>
        <source>%1
Specified path is invalid and cannot be mapped properly...</source>
        <translation>%1
Le dossier indiqué n’est pas valide et ne peut pas être ouvert...</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Le dossier %1 n’existe pas.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 n’est pas un dossier.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be opened: permission denied.</source>
        <translation>Le dossier %1 ne peut pas être ouvert : accès refusé.</translation>
    </message>
    <message>
        <source>There is no verse %1:%2.</source>
        <translation>Il n’y a pas de verset %1:%2.</translation>
    </message>
    <message>
        <source>The range %1 to %2 ends before it starts.</source>
        <translation>Le passage de %1 à %2 finit avant de commencer.</translation>
    </message>
    <message>
        <source>The request could not be carried out: the content database refused it.
%1</source>
        <translation>La demande n’a pas pu aboutir : la base du contenu l’a refusée.
%1</translation>
    </message>
    <message>
        <source>The request could not be carried out: %1</source>
        <translation>La demande n’a pas pu aboutir : %1</translation>
    </message>
    <message>
        <source>The verse has no start position in the current voice.</source>
        <translation>Le verset n’a pas de position de début dans la voix actuelle.</translation>
    </message>
    <message>
        <source>The start position &quot;%1&quot; of the verse is not a number of seconds.</source>
        <translation>La position de début « %1 » du verset n’est pas un nombre de secondes.</translation>
    </message>
    <message>
        <source>An unknown failure stopped the recitation.</source>
        <translation>Une erreur inconnue a arrêté la récitation.</translation>
    </message>
    <message>
        <source>The recitation stopped for an unknown reason.</source>
        <translation>La récitation s’est arrêtée pour une raison inconnue.</translation>
    </message>
    <message>
        <source>The speed must be a number from %1 to %2.</source>
        <translation>La vitesse doit être un nombre de %1 à %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not the id of a voice.</source>
        <translation>« %1 » n’est pas l’identifiant d’une voix.</translation>
    </message>
    <message>
        <source>%1 must be a whole number from %2 to %3, not &quot;%4&quot;.</source>
        <translation>%1 doit être un nombre entier de %2 à %3, et non « %4 ».</translation>
    </message>
    <message>
        <source>The verse repeat count</source>
        <translation>Le nombre de répétitions du verset</translation>
    </message>
    <message>
        <source>The range repeat count</source>
        <translation>Le nombre de répétitions de la suite</translation>
    </message>
    <message>
        <source>The gap in milliseconds</source>
        <translation>La pause en millisecondes</translation>
    </message>
    <message>
        <source>The first verse &quot;%1&quot; is not a verse reference such as 2:255.</source>
        <translation>Le premier verset « %1 » n’est pas une référence de verset comme 2:255.</translation>
    </message>
    <message>
        <source>The last verse &quot;%1&quot; is not a verse reference such as 2:255.</source>
        <translation>Le dernier verset « %1 » n’est pas une référence de verset comme 2:255.</translation>
    </message>
    <message>
        <source>The repeat counts, the gap or the time to repeat are out of range.</source>
        <translation>Les nombres de répétitions, la pause ou le temps pour répéter sont hors limites.</translation>
    </message>
    <message>
        <source>This content database holds no mushaf pages.</source>
        <translation>Cette base du contenu ne contient aucune page de mushaf.</translation>
    </message>
    <message>
        <source>There is no page &quot;%1&quot; in the mushaf: its pages are numbered 1 to %2.</source>
        <translation>Il n’y a pas de page « %1 » dans le mushaf : ses pages vont de 1 à %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a verse reference such as 2:255.</source>
        <translation>« %1 » n’est pas une référence de verset comme 2:255.</translation>
    </message>
    <message>
        <source>There is no page %1 in the mushaf.</source>
        <translation>Il n’y a pas de page %1 dans le mushaf.</translation>
    </message>
    <message>
        <source>The mushaf pages of this content database are not numbered 1 to %1.</source>
        <translation>Les pages du mushaf de cette base du contenu ne sont pas numérotées de 1 à %1.</translation>
    </message>
    <message>
        <source>The main window could not be prepared. %1</source>
        <translation>La fenêtre principale n’a pas pu être préparée. %1</translation>
    </message>
    <message>
        <source>The content database %1 was not found. Tilvora needs its content database DIC.DAT in the application folder %2.</source>
        <translation>La base du contenu %1 est introuvable. Tilvora a besoin de sa base du contenu DIC.DAT dans le dossier de l’application %2.</translation>
    </message>
    <message>
        <source>The file %1 is not a Tilvora content database (%2).</source>
        <translation>Le fichier %1 n’est pas une base du contenu de Tilvora (%2).</translation>
    </message>
    <message>
        <source>The content database %1 cannot be opened: %2</source>
        <translation>La base du contenu %1 ne peut pas être ouverte : %2</translation>
    </message>
    <message>
        <source>The content database %1 cannot be written (%2). Tilvora stores your choices in it; make sure no other program holds it and that it is writable, then start again.</source>
        <translation>La base du contenu %1 ne peut pas être écrite (%2). Tilvora y garde vos choix ; vérifiez qu’aucun autre programme ne la tient et qu’elle est accessible en écriture, puis relancez.</translation>
    </message>
    <message>
        <source>The content database %1 lacks a table or column that Tilvora needs (%2).</source>
        <translation>Il manque à la base du contenu %1 une table ou une colonne dont Tilvora a besoin (%2).</translation>
    </message>
    <message>
        <source>The content file %1 is damaged (%2), so Tilvora cannot read its texts. Reinstall Tilvora to get a whole copy of it. When Tilvora runs from your own folder, deleting %3 is enough: the next start copies it again.</source>
        <translation>Le fichier du contenu %1 est endommagé (%2), Tilvora ne peut donc pas lire ses textes. Réinstallez Tilvora pour en obtenir une copie entière. Quand Tilvora s’exécute depuis votre propre dossier, il suffit de supprimer %3 : le prochain démarrage le recopie.</translation>
    </message>
    <message>
        <source>The content file %1 is empty, so Tilvora has no texts to show. Reinstall Tilvora to get a whole copy of it. When Tilvora runs from your own folder, deleting %2 is enough: the next start copies it again.</source>
        <translation>Le fichier du contenu %1 est vide, Tilvora n’a donc aucun texte à afficher. Réinstallez Tilvora pour en obtenir une copie entière. Quand Tilvora s’exécute depuis votre propre dossier, il suffit de supprimer %2 : le prochain démarrage le recopie.</translation>
    </message>
    <message>
        <source>The database file %1 does not exist.</source>
        <translation>Le fichier de base de données %1 n’existe pas.</translation>
    </message>
    <message>
        <source>%1 is not a database file.</source>
        <translation>%1 n’est pas un fichier de base de données.</translation>
    </message>
    <message>
        <source>The database file %1 cannot be opened: %2</source>
        <translation>Le fichier de base de données %1 ne peut pas être ouvert : %2</translation>
    </message>
    <message>
        <source>Your Tilvora folder %1 could not be brought up to date with the installed content, so Tilvora uses it as it was. %2</source>
        <translation>Votre dossier Tilvora %1 n’a pas pu être mis à jour avec le contenu installé ; Tilvora l’utilise donc tel qu’il était. %2</translation>
    </message>
    <message>
        <source>Tilvora could not make your own folder %1. %2</source>
        <translation>Tilvora n’a pas pu créer votre propre dossier %1. %2</translation>
    </message>
    <message>
        <source>The installed folder %1 holds no content database (DIC.DAT).</source>
        <translation>Le dossier installé %1 ne contient pas de base du contenu (DIC.DAT).</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Le dossier %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>Another Tilvora is updating %1; it was waited for a minute.</source>
        <translation>Un autre Tilvora met à jour %1 ; il a été attendu une minute.</translation>
    </message>
    <message>
        <source>A new folder beside %1 cannot be made: %2</source>
        <translation>Un nouveau dossier à côté de %1 ne peut pas être créé : %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>Le fichier %1 ne peut pas être écrit : %2</translation>
    </message>
    <message>
        <source>The link %1 to the installed recordings cannot be made: %2</source>
        <translation>Le lien %1 vers les enregistrements installés ne peut pas être créé : %2</translation>
    </message>
    <message>
        <source>The voice folders of %1 cannot be carried into the new content: %2</source>
        <translation>Les dossiers des voix de %1 ne peuvent pas être repris dans le nouveau contenu : %2</translation>
    </message>
    <message>
        <source>The new folder cannot take the place of %1: %2</source>
        <translation>Le nouveau dossier ne peut pas prendre la place de %1 : %2</translation>
    </message>
    <message>
        <source>There is no voice %1.</source>
        <translation>Il n’y a pas de voix %1.</translation>
    </message>
    <message>
        <source>The voice %1 has no media folder.</source>
        <translation>La voix %1 n’a pas de dossier d’enregistrements.</translation>
    </message>
    <message>
        <source>The folder %1 holds no recording of chapter %2 (%3 or %4).</source>
        <translation>Le dossier %1 ne contient pas d’enregistrement de la sourate %2 (%3 ou %4).</translation>
    </message>
    <message>
        <source>There is no chapter %1.</source>
        <translation>Il n’y a pas de sourate %1.</translation>
    </message>
    <message>
        <source>The voice %1 has recordings of its own for chapter %2 (files other than %3, for %4 of its verses); the starts found were not stored over them.</source>
        <translation>La voix %1 a ses propres enregistrements de la sourate %2 (des fichiers autres que %3, pour %4 de ses versets) ; les débuts trouvés n’ont pas été enregistrés par-dessus.</translation>
    </message>
    <message>
        <source>No recitation found in %1: it holds only silence or steady noise.</source>
        <translation>Aucune récitation trouvée dans %1 : il ne contient que du silence ou un bruit constant.</translation>
    </message>
    <message>
        <source>No recitation found in %1: it pauses %2 times, where a recitation of the chapter&apos;s %3 verses pauses at least %4 times (a reciter pauses at the end of most verses).</source>
        <translation>Aucune récitation trouvée dans %1 : il marque %2 pauses, alors qu’une récitation des %3 versets de la sourate en marque au moins %4 (un récitateur s’arrête à la fin de la plupart des versets).</translation>
    </message>
    <message>
        <source>The recording %1 cannot be read.</source>
        <translation>L’enregistrement %1 ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The audio decoder gst-launch-1.0 could not be started; it comes with the package gstreamer1.0-tools.</source>
        <translation>Le décodeur audio gst-launch-1.0 n’a pas pu être lancé ; il est fourni par le paquet gstreamer1.0-tools.</translation>
    </message>
    <message>
        <source>The file %1 is not an audio file.</source>
        <translation>Le fichier %1 n’est pas un fichier audio.</translation>
    </message>
    <message>
        <source>The recording %1 could not be decoded: %2</source>
        <translation>L’enregistrement %1 n’a pas pu être décodé : %2</translation>
    </message>
    <message>
        <source>The recording %1 holds no sound.</source>
        <translation>L’enregistrement %1 ne contient aucun son.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address to download from (it must start with http:// or https://).</source>
        <translation>« %1 » n’est pas une adresse web d’où télécharger (elle doit commencer par http:// ou https://).</translation>
    </message>
    <message>
        <source>The chapters to download must run from 1 to 114, first to last, not %1 to %2.</source>
        <translation>Les sourates à télécharger doivent aller de 1 à 114, de la première à la dernière, et non de %1 à %2.</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>Le dossier %1 n’a pas pu être créé.</translation>
    </message>
    <message>
        <source>no space left on the disk</source>
        <translation>plus de place sur le disque</translation>
    </message>
    <message>
        <source>the server answered %1</source>
        <translation>le serveur a répondu %1</translation>
    </message>
    <message>
        <source>the server sent a page (%1), not a recording</source>
        <translation>le serveur a envoyé une page (%1), pas un enregistrement</translation>
    </message>
    <message>
        <source>the server announced %1 bytes, more than the %2 a verse&apos;s recording may take</source>
        <translation>le serveur a annoncé %1 octets, plus que les %2 que peut prendre l’enregistrement d’un verset</translation>
    </message>
    <message>
        <source>the server resumed the file at the wrong place</source>
        <translation>le serveur a repris le fichier au mauvais endroit</translation>
    </message>
    <message>
        <source>it is larger than the %1 a verse&apos;s recording may take</source>
        <translation>il dépasse les %1 que peut prendre l’enregistrement d’un verset</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>délai dépassé</translation>
    </message>
    <message>
        <source>the server refused to resume the file</source>
        <translation>le serveur a refusé de reprendre le fichier</translation>
    </message>
    <message>
        <source>it arrived with %1 of %2 bytes</source>
        <translation>il est arrivé avec %1 octets sur %2</translation>
    </message>
    <message>
        <source>the server sent the download to an address that is not http or https</source>
        <translation>le serveur a renvoyé le téléchargement vers une adresse qui n’est ni http ni https</translation>
    </message>
    <message>
        <source>the server sent the download elsewhere too many times</source>
        <translation>le serveur a renvoyé le téléchargement ailleurs trop de fois</translation>
    </message>
    <message>
        <source>the server stopped answering</source>
        <translation>le serveur a cessé de répondre</translation>
    </message>
    <message>
        <source>the server cannot be reached</source>
        <translation>le serveur est injoignable</translation>
    </message>
    <message>
        <source>the server is too slow</source>
        <translation>le serveur est trop lent</translation>
    </message>
    <message>
        <source>it arrived cut short (its last audio frame is incomplete)</source>
        <translation>il est arrivé tronqué (sa dernière trame audio est incomplète)</translation>
    </message>
    <message>
        <source>what arrived is not an MP3 recording</source>
        <translation>ce qui est arrivé n’est pas un enregistrement MP3</translation>
    </message>
    <message>
        <source>it could not be put in place: %1</source>
        <translation>il n’a pas pu être mis en place : %1</translation>
    </message>
    <message>
        <source>it is larger than the %1 MB a chapter may take</source>
        <translation>il dépasse les %1 Mo que peut prendre une sourate</translation>
    </message>
    <message>
        <source>chapter %1: %2</source>
        <translation>sourate %1 : %2</translation>
    </message>
    <message>
        <source>the server sent a web page, not the text</source>
        <translation>le serveur a envoyé une page web, pas le texte</translation>
    </message>
    <message>
        <source>what arrived is not the service&apos;s data</source>
        <translation>ce qui est arrivé n’est pas une donnée du service</translation>
    </message>
    <message>
        <source>the service answered %1</source>
        <translation>le service a répondu %1</translation>
    </message>
    <message>
        <source>the service&apos;s answer holds no list of texts</source>
        <translation>la réponse du service ne contient pas de liste de textes</translation>
    </message>
    <message>
        <source>the service sent chapter %1 instead</source>
        <translation>le service a envoyé la sourate %1 à la place</translation>
    </message>
    <message>
        <source>it has %1 verses, the chapter has %2</source>
        <translation>il a %1 versets, la sourate en a %2</translation>
    </message>
    <message>
        <source>its verse numbers are not 1 to %1, each once</source>
        <translation>ses numéros de versets ne vont pas de 1 à %1, chacun une fois</translation>
    </message>
    <message>
        <source>verse %1 has no text</source>
        <translation>le verset %1 n’a pas de texte</translation>
    </message>
    <message>
        <source>the service did not answer in time</source>
        <translation>le service n’a pas répondu à temps</translation>
    </message>
    <message>
        <source>the service cannot be reached (%1)</source>
        <translation>le service est injoignable (%1)</translation>
    </message>
    <message>
        <source>Your data could not be written to %1: %2.</source>
        <translation>Vos données n’ont pas pu être écrites dans %1 : %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>Le fichier %1 ne peut pas être lu : %2.</translation>
    </message>
    <message>
        <source>%1 is not a file of your Tilvora data (one written by File, Export my data). Nothing was changed.</source>
        <translation>%1 n’est pas un fichier de vos données Tilvora (comme en écrit Fichier, Exporter mes données). Rien n’a été changé.</translation>
    </message>
    <message>
        <source>%1 was written by a newer Tilvora, whose data this one cannot read. Nothing was changed.</source>
        <translation>%1 a été écrit par un Tilvora plus récent, dont celui-ci ne peut pas lire les données. Rien n’a été changé.</translation>
    </message>
    <message>
        <source>your own file %1 cannot be used</source>
        <translation>votre propre fichier %1 ne peut pas être utilisé</translation>
    </message>
    <message>
        <source>your own file cannot be changed now</source>
        <translation>votre propre fichier ne peut pas être modifié maintenant</translation>
    </message>
    <message>
        <source>your own file could not be changed</source>
        <translation>votre propre fichier n’a pas pu être modifié</translation>
    </message>
    <message>
        <source>%1 could not be imported: %2. Nothing was changed.</source>
        <translation>%1 n’a pas pu être importé : %2. Rien n’a été changé.</translation>
    </message>
    <message>
        <source>What you learn and your notes cannot be kept: the file %1 cannot be used. They last until Tilvora closes.</source>
        <translation>Ce que vous apprenez et vos notes ne peuvent pas être gardés : le fichier %1 ne peut pas être utilisé. Ils durent jusqu’à la fermeture de Tilvora.</translation>
    </message>
    <message>
        <source>Your bookmarks cannot be kept: the file %1 cannot be written. Bookmarks made now last until Tilvora closes.</source>
        <translation>Vos signets ne peuvent pas être gardés : le fichier %1 ne peut pas être écrit. Les signets posés maintenant durent jusqu’à la fermeture de Tilvora.</translation>
    </message>
    <message>
        <source>Your bookmarks file could not be read. It was set aside as %1, and Tilvora starts with no bookmarks.</source>
        <translation>Votre fichier de signets n’a pas pu être lu. Il a été mis de côté sous le nom %1, et Tilvora démarre sans signets.</translation>
    </message>
    <message>
        <source>the text could not be stored: %1</source>
        <translation>le texte n’a pas pu être enregistré : %1</translation>
    </message>
    <message>
        <source>the text could not be installed: %1</source>
        <translation>le texte n’a pas pu être installé : %1</translation>
    </message>
</context>
<context>
    <name>PaneTexts</name>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Whole Quran</source>
        <translation>Tout le Coran</translation>
    </message>
    <message>
        <source>Arabic without vowel marks, or words of a translation</source>
        <translation>Arabe sans voyelles, ou mots d’une traduction</translation>
    </message>
    <message>
        <source>Arabic is found without vowel marks; translations ignore letter case</source>
        <translation>L’arabe est cherché sans voyelles ; les traductions sans tenir compte des majuscules</translation>
    </message>
    <message>
        <source>Search every verse of every text; unticked, only the page shown is searched</source>
        <translation>Chercher dans chaque verset de chaque texte ; décoché, seulement dans la page affichée</translation>
    </message>
    <message>
        <source>Chapter</source>
        <extracomment>The first entry of the list of chapters (surahs).</extracomment>
        <translation>Sourate</translation>
    </message>
    <message>
        <source>Part</source>
        <extracomment>The first entry of the list of the thirty parts (juz).</extracomment>
        <translation>Juz</translation>
    </message>
    <message>
        <source>Root (approx.)</source>
        <extracomment>The first entry of the list of roots, which are found automatically.</extracomment>
        <translation>Racine (approx.)</translation>
    </message>
    <message>
        <source>Subject · موضوع</source>
        <extracomment>The first entry of the list of subjects, with the Arabic word.</extracomment>
        <translation>Sujet · موضوع</translation>
    </message>
    <message>
        <source>كلمة · Word</source>
        <extracomment>The first entry of the list of words, with the Arabic word.</extracomment>
        <translation>كلمة · Mot</translation>
    </message>
    <message>
        <source>Show a chapter (surah)</source>
        <translation>Afficher une sourate</translation>
    </message>
    <message>
        <source>Show a part (juz)</source>
        <translation>Afficher un juz</translation>
    </message>
    <message>
        <source>Show the verses of a root (roots are found automatically and are approximate)</source>
        <translation>Afficher les versets d’une racine (trouvées automatiquement, approximatives)</translation>
    </message>
    <message>
        <source>Show the verses of a subject</source>
        <translation>Afficher les versets d’un sujet</translation>
    </message>
    <message>
        <source>Show the verses that hold a word (written without vowel marks)</source>
        <translation>Afficher les versets qui contiennent un mot (écrit sans voyelles)</translation>
    </message>
    <message>
        <source>Part %1</source>
        <translation>Juz %1</translation>
    </message>
    <message>
        <source>Text in row %1</source>
        <extracomment>A screen reader&apos;s name of the list that chooses the text shown in a row of the reading pane; %1 is the row&apos;s number (1 to 4).</extracomment>
        <translation>Texte de la rangée %1</translation>
    </message>
    <message>
        <source>Media folder of %1</source>
        <extracomment>A screen reader&apos;s name of the link beside a voice that sets the folder of its recordings; %1 is the voice&apos;s name.</extracomment>
        <translation>Dossier des enregistrements de %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1 KB</source>
        <translation>%1 Ko</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 min %2 s</translation>
    </message>
</context>
<context>
    <name>QtHost</name>
    <message>
        <source>Tilvora</source>
        <translation>Tilvora</translation>
    </message>
    <message>
        <source>  No verse
  shown</source>
        <extracomment>The label beside the search box: the view shows no verse.</extracomment>
        <translation>  Aucun verset
  affiché</translation>
    </message>
    <message numerus="yes">
        <source>  %Ln verses
  shown</source>
        <extracomment>The label beside the search box: how many verses the view shows.</extracomment>
        <translation>
            <numerusform>  %Ln verset
  affiché</numerusform>
            <numerusform>  %Ln versets
  affichés</numerusform>
        </translation>
    </message>
    <message>
        <source>  No verse
  found</source>
        <extracomment>The label beside the search box: a search found nothing.</extracomment>
        <translation>  Aucun verset
  trouvé</translation>
    </message>
    <message numerus="yes">
        <source>  %Ln verses
  found</source>
        <extracomment>The label beside the search box: how many verses a search found (all shown).</extracomment>
        <translation>
            <numerusform>  %Ln verset
  trouvé</numerusform>
            <numerusform>  %Ln versets
  trouvés</numerusform>
        </translation>
    </message>
    <message>
        <source>  %1 found,
  %2 shown</source>
        <extracomment>The label beside the search box: verses found, and how many of them are shown.</extracomment>
        <translation>  %1 trouvés,
  %2 affichés</translation>
    </message>
    <message>
        <source>Recitation ended. Left out, with no recording in “%1”: %2.</source>
        <extracomment>%1 is the voice, %2 the list of verses (chapter:verse) left out.</extracomment>
        <translation>Récitation terminée. Omis, faute d’enregistrement dans « %1 » : %2.</translation>
    </message>
    <message>
        <source>%1 has no recording in “%2”: left out, the recitation goes on.</source>
        <extracomment>%1 is a verse (chapter:verse), %2 the voice.</extracomment>
        <translation>%1 n’a pas d’enregistrement dans « %2 » : omis, la récitation continue.</translation>
    </message>
</context>
<context>
    <name>UserSettings</name>
    <message>
        <source>Your settings cannot be kept: %1 is a folder, not a file. The choices you make now last until Tilvora closes.</source>
        <translation>Vos réglages ne peuvent pas être conservés : %1 est un dossier, pas un fichier. Vos choix valent jusqu’à la fermeture de Tilvora.</translation>
    </message>
    <message>
        <source>Your settings cannot be kept: the file %1 cannot be written. The choices you make now last until Tilvora closes.</source>
        <translation>Vos réglages ne peuvent pas être conservés : le fichier %1 ne peut pas être écrit. Vos choix valent jusqu’à la fermeture de Tilvora.</translation>
    </message>
    <message>
        <source>Tilvora</source>
        <translation>Tilvora</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged and cannot be replaced; the settings it holds are not all used.</source>
        <translation>Le fichier de réglages %1 est endommagé et ne peut pas être remplacé ; ses réglages ne sont pas tous utilisés.</translation>
    </message>
    <message>
        <source>The settings file %1 was damaged. The settings that could be read are kept; the others are back to their usual values.</source>
        <translation>Le fichier de réglages %1 était endommagé. Les réglages lisibles sont conservés ; les autres reprennent leurs valeurs habituelles.</translation>
    </message>
</context>
<context>
    <name>VerseMenu</name>
    <message>
        <source>Show in the &amp;mushaf</source>
        <translation>Afficher dans le &amp;mushaf</translation>
    </message>
    <message>
        <source>&amp;Bookmark this verse</source>
        <translation>&amp;Marquer ce verset</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy &amp;verse</source>
        <translation>Copier le &amp;verset</translation>
    </message>
    <message>
        <source>Copy &amp;reference</source>
        <translation>Copier la &amp;référence</translation>
    </message>
    <message>
        <source>Recite from &amp;here</source>
        <translation>Réciter à partir d’&amp;ici</translation>
    </message>
    <message>
        <source>Re&amp;peat this verse...</source>
        <translation>Ré&amp;péter ce verset...</translation>
    </message>
    <message>
        <source>Repeat from here &amp;to...</source>
        <translation>Répéter d’ici &amp;jusqu’à...</translation>
    </message>
    <message>
        <source>&amp;Note...</source>
        <translation>&amp;Note...</translation>
    </message>
    <message>
        <source>&amp;Listen and repeat from here...</source>
        <translation>É&amp;couter et répéter à partir d’ici...</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::AboutWindow</name>
    <message>
        <source>Quran reader and recitation player</source>
        <translation>Lecteur du Coran et de sa récitation</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Artwork and program by the Tilvora developers. Most translations are for non-commercial use only.</source>
        <translation>Illustrations et programme par les développeurs de Tilvora. La plupart des traductions sont réservées à un usage non commercial.</translation>
    </message>
    <message>
        <source>Tilvora shows the Quran with its translations and recites it.</source>
        <translation>Tilvora affiche le Coran avec ses traductions et le récite.</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::ChapterAlignmentDialog</name>
    <message>
        <source>Replace Them</source>
        <translation>Les remplacer</translation>
    </message>
    <message>
        <source>Keep Them</source>
        <translation>Les garder</translation>
    </message>
    <message>
        <source>Verse starts in the chapter files</source>
        <extracomment>The title of the window that finds where each verse starts in recordings of whole chapters.</extracomment>
        <translation>Débuts des versets dans les fichiers des sourates</translation>
    </message>
    <message>
        <source>Verse starts in the chapter files - %1</source>
        <translation>Débuts des versets dans les fichiers des sourates - %1</translation>
    </message>
    <message>
        <source>Looking for the chapter files...</source>
        <translation>Recherche des fichiers des sourates...</translation>
    </message>
    <message>
        <source>Verses to check (their starts were found with low confidence):</source>
        <translation>Versets à vérifier (leur début a été trouvé avec peu de certitude) :</translation>
    </message>
    <message>
        <source>Verse</source>
        <translation>Verset</translation>
    </message>
    <message>
        <source>Start (s)</source>
        <extracomment>A column heading: where the verse starts, in seconds.</extracomment>
        <translation>Début (s)</translation>
    </message>
    <message>
        <source>Confidence</source>
        <translation>Certitude</translation>
    </message>
    <message>
        <source> s</source>
        <extracomment>After a number of seconds.</extracomment>
        <translation> s</translation>
    </message>
    <message>
        <source>- 0.1 s</source>
        <extracomment>Moves the verse&apos;s start a tenth of a second earlier.</extracomment>
        <translation>- 0,1 s</translation>
    </message>
    <message>
        <source>+ 0.1 s</source>
        <extracomment>Moves the verse&apos;s start a tenth of a second later.</extracomment>
        <translation>+ 0,1 s</translation>
    </message>
    <message>
        <source>Play around it</source>
        <extracomment>Plays the recording from a little before the verse&apos;s start.</extracomment>
        <translation>Écouter autour</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Début :</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>Arrêt en cours...</translation>
    </message>
    <message>
        <source>No chapter file was found (001.mp3 ... 114.mp3, or .wma). %1</source>
        <extracomment>%1 is the reason the first chapter file could not be used.</extracomment>
        <translation>Aucun fichier de sourate trouvé (001.mp3 ... 114.mp3, ou .wma). %1</translation>
    </message>
    <message numerus="yes">
        <source>This voice already has recordings of its own for %n verses in the chapters %1 (a file per verse, say). Replace them with the starts found in the chapter files?

If you keep them, those chapters are left as they are.</source>
        <extracomment>%n is the number of verses; %1 the list of chapter numbers.</extracomment>
        <translation>
            <numerusform>Cette voix a déjà son propre enregistrement de %n verset dans les sourates %1 (un fichier par verset, par exemple). Le remplacer par le début trouvé dans les fichiers des sourates ?

Si vous le gardez, ces sourates restent telles quelles.</numerusform>
            <numerusform>Cette voix a déjà ses propres enregistrements de %n versets dans les sourates %1 (un fichier par verset, par exemple). Les remplacer par les débuts trouvés dans les fichiers des sourates ?

Si vous les gardez, ces sourates restent telles quelles.</numerusform>
        </translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>Sourate %1</translation>
    </message>
    <message>
        <source>The voice&apos;s own recordings were kept.</source>
        <translation>Les enregistrements propres à la voix ont été gardés.</translation>
    </message>
    <message>
        <source>Nothing was changed: the voice keeps its own recordings.</source>
        <translation>Rien n’a changé : la voix garde ses propres enregistrements.</translation>
    </message>
    <message numerus="yes">
        <source>Finding the verse starts of %n chapters...</source>
        <translation>
            <numerusform>Recherche des débuts des versets de %n sourate...</numerusform>
            <numerusform>Recherche des débuts des versets de %n sourates...</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopped: nothing was stored.</source>
        <translation>Arrêté : rien n’a été enregistré.</translation>
    </message>
    <message numerus="yes">
        <source>Stopped: the starts of %1 of %n chapters are stored.</source>
        <translation>
            <numerusform>Arrêté : les débuts de %1 sourate sur %n sont enregistrés.</numerusform>
            <numerusform>Arrêté : les débuts de %1 sourates sur %n sont enregistrés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Done: the starts of %1 of %2 chapters are stored; %n verses to check.</source>
        <extracomment>%1 chapters stored out of %2; %n verses to check by ear.</extracomment>
        <translation>
            <numerusform>Terminé : les débuts de %1 sourates sur %2 sont enregistrés ; %n verset à vérifier.</numerusform>
            <numerusform>Terminé : les débuts de %1 sourates sur %2 sont enregistrés ; %n versets à vérifier.</numerusform>
        </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The start could not be stored: %1</source>
        <extracomment>%1 is the reason.</extracomment>
        <translation>Le début n’a pas pu être enregistré : %1</translation>
    </message>
    <message>
        <source>Verse %1:%2 now starts at %3 s.</source>
        <extracomment>%1:%2 is the verse as chapter:verse, %3 a number of seconds.</extracomment>
        <translation>Le verset %1:%2 commence maintenant à %3 s.</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::ChoiceMemory</name>
    <message>
        <source>&amp;Remember My Texts and Voice</source>
        <extracomment>Whether the texts and the voice chosen in the control pane are chosen again at the next start.</extracomment>
        <translation>&amp;Retenir mes textes et ma voix</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::ControlPaneFollower</name>
    <message>
        <source>— None —</source>
        <extracomment>The entry of a row&apos;s list of texts that empties the row.</extracomment>
        <translation>— Aucun —</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::DownloadDialog</name>
    <message>
        <source>%1 KB</source>
        <extracomment>A size in kilobytes.</extracomment>
        <translation>%1 Ko</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>A size in megabytes.</extracomment>
        <translation>%1 Mo</translation>
    </message>
    <message>
        <source>%1 s</source>
        <extracomment>A time left: seconds.</extracomment>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <extracomment>A time left: minutes and seconds.</extracomment>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <extracomment>A time left: hours and minutes.</extracomment>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>Download recitation</source>
        <translation>Télécharger une récitation</translation>
    </message>
    <message>
        <source>%1 (%2 kbps)</source>
        <extracomment>A reciter and the bit rate of the recordings.</extracomment>
        <translation>%1 (%2 kbit/s)</translation>
    </message>
    <message>
        <source>Another address...</source>
        <translation>Autre adresse...</translation>
    </message>
    <message>
        <source>SSSAAA.mp3 (chapter and verse)</source>
        <translation>SSSAAA.mp3 (sourate et verset)</translation>
    </message>
    <message>
        <source>N.mp3 (verse number in the book)</source>
        <translation>N.mp3 (numéro du verset dans le Livre)</translation>
    </message>
    <message>
        <source>to</source>
        <translation>à</translation>
    </message>
    <message>
        <source>A voice without a folder gets one in your data folder.</source>
        <translation>Une voix sans dossier en reçoit un dans votre dossier de données.</translation>
    </message>
    <message>
        <source>Reciter:</source>
        <translation>Récitant :</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse :</translation>
    </message>
    <message>
        <source>File names:</source>
        <translation>Noms des fichiers :</translation>
    </message>
    <message>
        <source>Chapters:</source>
        <translation>Sourates :</translation>
    </message>
    <message>
        <source>Voice to fill:</source>
        <translation>Voix à remplir :</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>No voice reads one file per verse (SSSAAA.mp3), so there is no voice to fill.</source>
        <translation>Aucune voix ne lit un fichier par verset (SSSAAA.mp3) : il n’y a pas de voix à remplir.</translation>
    </message>
    <message>
        <source>Into %1</source>
        <translation>Dans %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1 of %2 files, %3</source>
        <extracomment>%1 files done of %2, %3 the size received so far.</extracomment>
        <translation>%1 fichiers sur %2, %3</translation>
    </message>
    <message>
        <source>%1 of %2 files, %3, %4/s</source>
        <extracomment>%1 files done of %2, %3 the size received so far, %4 the size received per second.</extracomment>
        <translation>%1 fichiers sur %2, %3, %4/s</translation>
    </message>
    <message>
        <source>%1 of %2 files, %3, %4/s, about %5 left</source>
        <extracomment>As before, and %5 the time left, e.g. &quot;3 min 20 s&quot;.</extracomment>
        <translation>%1 fichiers sur %2, %3, %4/s, environ %5 restant</translation>
    </message>
    <message>
        <source>Cancelled. </source>
        <translation>Annulé. </translation>
    </message>
    <message>
        <source>The download stopped: %1. </source>
        <translation>Le téléchargement s’est arrêté : %1. </translation>
    </message>
    <message>
        <source>%1 stored, %2 already there, %3 failed.</source>
        <extracomment>Files stored, files that were there already, files that failed.</extracomment>
        <translation>%1 enregistrés, %2 déjà présents, %3 en échec.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::GstAudioPlayer</name>
    <message>
        <source>The recording %1 cannot be played: GStreamer&apos;s playbin is not installed.</source>
        <translation>L’enregistrement %1 ne peut pas être lu : le playbin de GStreamer n’est pas installé.</translation>
    </message>
    <message>
        <source>The recording %1 could not be opened.</source>
        <translation>L’enregistrement %1 n’a pas pu être ouvert.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <source>The recording %1 could not be played: %2</source>
        <translation>L’enregistrement %1 n’a pas pu être lu : %2</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <extracomment>The View menu&apos;s submenu that sets the language of the program&apos;s windows.</extracomment>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>System Default</source>
        <extracomment>The language of the system (the default), as opposed to one chosen here.</extracomment>
        <translation>Langue du système</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::MainWindow</name>
    <message>
        <source> .:: Tilvora (version %1) ::.</source>
        <extracomment>The main window&apos;s title; %1 is the version, e.g. 2.08.09A.</extracomment>
        <translation> .:: Tilvora (version %1) ::.</translation>
    </message>
    <message>
        <source>Drag to widen or narrow the control pane; double-click for the usual width</source>
        <translation>Faites glisser pour élargir ou rétrécir le panneau de contrôle ; double-cliquez pour la largeur habituelle</translation>
    </message>
    <message>
        <source>Left and Right move it; Space gives the panes their usual widths</source>
        <translation>Gauche et Droite le déplacent ; Espace rend aux panneaux leur largeur habituelle</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Contrôles</translation>
    </message>
    <message>
        <source>Go to the search box</source>
        <translation>Aller à la zone de recherche</translation>
    </message>
    <message>
        <source>  Search Result(s):  </source>
        <extracomment>The label beside the search box before anything was shown.</extracomment>
        <translation>  Résultat(s) :  </translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Tilvora</source>
        <translation>Tilvora</translation>
    </message>
    <message>
        <source>Controls menu</source>
        <translation>Menu Contrôles</translation>
    </message>
    <message>
        <source>Pane divider</source>
        <extracomment>The strip between the reading pane and the control pane, which moves them apart when dragged.</extracomment>
        <translation>Séparateur des panneaux</translation>
    </message>
    <message>
        <source>&amp;Controls</source>
        <extracomment>The menu of the control pane (the pane where the texts and the voice are chosen).</extracomment>
        <translation>&amp;Contrôles</translation>
    </message>
    <message>
        <source>&amp;Hide/Un-Hide Pane</source>
        <extracomment>Hides the control pane, or shows it again.</extracomment>
        <translation>&amp;Masquer/afficher le panneau</translation>
    </message>
    <message>
        <source>Set Data &amp;Path</source>
        <extracomment>The submenu that sets the folder where a voice&apos;s recordings are.</extracomment>
        <translation>Choisir le &amp;dossier des enregistrements</translation>
    </message>
    <message>
        <source>Voice %1</source>
        <translation>Voix %1</translation>
    </message>
    <message>
        <source>&amp;Download recitation...</source>
        <translation>&amp;Télécharger une récitation...</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>An unexpected failure stopped the request.</source>
        <translation>Une erreur inattendue a interrompu la demande.</translation>
    </message>
    <message>
        <source>Download &amp;texts...</source>
        <translation>Télécharger des &amp;textes...</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::MediaFolderDialog</name>
    <message>
        <source>Specify / Select a valid Path...</source>
        <extracomment>The title of the dialog that sets the folder of a voice&apos;s recordings.</extracomment>
        <translation>Indiquez / choisissez un dossier valide...</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <extracomment>%1 is the dialog&apos;s title, %2 the voice.</extracomment>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Please browse the path of the Media Files Folder :</source>
        <translation>Choisissez le dossier des fichiers audio :</translation>
    </message>
    <message>
        <source>Mounted volumes</source>
        <translation>Volumes montés</translation>
    </message>
    <message>
        <source>This folder holds one file per chapter</source>
        <translation>Ce dossier contient un fichier par sourate</translation>
    </message>
    <message>
        <source>Find where each verse starts in the chapter files (001.mp3 ... 114.mp3)</source>
        <translation>Trouver où commence chaque verset dans les fichiers des sourates (001.mp3 ... 114.mp3)</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Accepter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Mapping Path exception...</source>
        <extracomment>The title of the message that the voice&apos;s stored folder cannot be opened.</extracomment>
        <translation>Dossier introuvable...</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::MemoriseDesk</name>
    <message>
        <source>&amp;Memorise</source>
        <translation>&amp;Mémoriser</translation>
    </message>
    <message>
        <source>&amp;Learn this page / verse range / chapter...</source>
        <translation>&amp;Apprendre cette page / ces versets / cette sourate...</translation>
    </message>
    <message>
        <source>Today&apos;s &amp;review</source>
        <translation>&amp;Révision du jour</translation>
    </message>
    <message>
        <source>&amp;Progress</source>
        <translation>&amp;Progrès</translation>
    </message>
    <message>
        <source>&amp;Forget...</source>
        <translation>&amp;Oublier...</translation>
    </message>
    <message>
        <source>Daily &amp;limit...</source>
        <translation>&amp;Limite quotidienne...</translation>
    </message>
    <message>
        <source>Today&apos;s &amp;review (%1)</source>
        <extracomment>%1 is how many pages are due today.</extracomment>
        <translation>&amp;Révision du jour (%1)</translation>
    </message>
    <message>
        <source>&amp;Export my data...</source>
        <translation>&amp;Exporter mes données...</translation>
    </message>
    <message>
        <source>&amp;Import my data...</source>
        <translation>&amp;Importer mes données...</translation>
    </message>
    <message>
        <source>&amp;Notes...</source>
        <translation>&amp;Notes...</translation>
    </message>
    <message>
        <source>Memorise</source>
        <translation>Mémoriser</translation>
    </message>
    <message>
        <source>Nothing is due for review today. Take up a page with Memorise, Learn.</source>
        <translation>Rien n’est à réviser aujourd’hui. Prenez une page avec Mémoriser, Apprendre.</translation>
    </message>
    <message>
        <source>The grade of page %1 could not be stored in your file.</source>
        <translation>La note de la page %1 n’a pas pu être enregistrée dans votre fichier.</translation>
    </message>
    <message>
        <source>The verses to learn could not be stored in your file.</source>
        <translation>Les versets à apprendre n’ont pas pu être enregistrés dans votre fichier.</translation>
    </message>
    <message>
        <source>The verses could not be taken out: your file could not be changed.</source>
        <translation>Les versets n’ont pas pu être retirés : votre fichier n’a pas pu être modifié.</translation>
    </message>
    <message>
        <source>Forget</source>
        <translation>Oublier</translation>
    </message>
    <message>
        <source>Learn</source>
        <translation>Apprendre</translation>
    </message>
    <message>
        <source>&amp;Forget</source>
        <translation>&amp;Oublier</translation>
    </message>
    <message>
        <source>&amp;Learn</source>
        <translation>&amp;Apprendre</translation>
    </message>
    <message>
        <source>You are learning %1 now; it is due for review today.</source>
        <translation>Vous apprenez maintenant %1 ; à réviser dès aujourd’hui.</translation>
    </message>
    <message>
        <source>Take %1 out of what you are learning? Its review schedule goes; the history of its reviews stays.</source>
        <translation>Retirer %1 de ce que vous apprenez ? Son calendrier de révision disparaît ; l’historique de ses révisions reste.</translation>
    </message>
    <message>
        <source>%1 is taken out of what you are learning.</source>
        <translation>%1 est retiré de ce que vous apprenez.</translation>
    </message>
    <message>
        <source>Daily limit</source>
        <translation>Limite quotidienne</translation>
    </message>
    <message>
        <source>Pages to review a day at most (1 to %1):</source>
        <translation>Pages à réviser par jour au plus (1 à %1) :</translation>
    </message>
    <message>
        <source>The daily limit could not be stored in your file.</source>
        <translation>La limite quotidienne n’a pas pu être enregistrée dans votre fichier.</translation>
    </message>
    <message>
        <source>The note could not be stored in your file.</source>
        <translation>La note n’a pas pu être enregistrée dans votre fichier.</translation>
    </message>
    <message>
        <source>Your data is written to %1: %2 bookmarks, %3 notes, %4 verses being learnt.</source>
        <extracomment>After the export: how many of each were written.</extracomment>
        <translation>Vos données sont écrites dans %1 : %2 signets, %3 notes, %4 versets en cours d’apprentissage.</translation>
    </message>
    <message>
        <source>Taken in from %1: %2 bookmarks, %3 notes, %4 verses being learnt, joined with yours; nothing of yours was lost.</source>
        <translation>Repris de %1 : %2 signets, %3 notes, %4 versets en cours d’apprentissage, joints aux vôtres ; rien des vôtres n’a été perdu.</translation>
    </message>
    <message>
        <source>Export my data</source>
        <translation>Exporter mes données</translation>
    </message>
    <message>
        <source>Tilvora data (*.json)</source>
        <translation>Données Tilvora (*.json)</translation>
    </message>
    <message>
        <source>Import my data</source>
        <translation>Importer mes données</translation>
    </message>
    <message>
        <source>Tilvora data (*.json);;All files (*)</source>
        <translation>Données Tilvora (*.json);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::MushafMode</name>
    <message>
        <source>&amp;Mushaf pages</source>
        <extracomment>The reading pane&apos;s second mode: the pages of a printed copy of the Quran.</extracomment>
        <translation>Pages du &amp;mushaf</translation>
    </message>
    <message>
        <source>&amp;Go to page...</source>
        <translation>&amp;Aller à la page...</translation>
    </message>
    <message>
        <source>&amp;Hide the text</source>
        <extracomment>Hides the text of the mushaf&apos;s page, for reciting from memory.</extracomment>
        <translation>&amp;Masquer le texte</translation>
    </message>
    <message>
        <source>&amp;Reveal</source>
        <extracomment>Shows hidden text of the mushaf&apos;s page again, step by step.</extracomment>
        <translation>&amp;Dévoiler</translation>
    </message>
    <message>
        <source>Next &amp;word</source>
        <translation>&amp;Mot suivant</translation>
    </message>
    <message>
        <source>Rest of the &amp;line</source>
        <translation>Reste de la &amp;ligne</translation>
    </message>
    <message>
        <source>Rest of the &amp;verse</source>
        <translation>Reste du &amp;verset</translation>
    </message>
    <message>
        <source>&amp;Everything</source>
        <translation>&amp;Tout</translation>
    </message>
    <message>
        <source>&amp;Hide the last word again</source>
        <translation>&amp;Masquer à nouveau le dernier mot</translation>
    </message>
    <message>
        <source>Mushaf pages</source>
        <translation>Pages du mushaf</translation>
    </message>
    <message>
        <source>Go to page</source>
        <translation>Aller à la page</translation>
    </message>
    <message>
        <source>Page of the mushaf (1 to %1):</source>
        <extracomment>%1 is the number of the mushaf&apos;s last page.</extracomment>
        <translation>Page du mushaf (1 à %1) :</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::NoteDialog</name>
    <message>
        <source>Note on %1</source>
        <extracomment>%1 names the verse, as Al-Baqarah 2:255.</extracomment>
        <translation>Note sur %1</translation>
    </message>
    <message>
        <source>Your note</source>
        <translation>Votre note</translation>
    </message>
    <message>
        <source>Saved as you typed it. An empty note is removed.</source>
        <translation>Enregistrée telle que vous l’avez tapée. Une note vide est supprimée.</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::NotesDialog</name>
    <message>
        <source>Your notes</source>
        <translation>Vos notes</translation>
    </message>
    <message>
        <source>Search in your notes</source>
        <translation>Chercher dans vos notes</translation>
    </message>
    <message>
        <source>Verse</source>
        <translation>Verset</translation>
    </message>
    <message>
        <source>First line</source>
        <translation>Première ligne</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Modifiée</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Modifier...</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Chercher :</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::PlayerStrip</name>
    <message>
        <source>Play</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Couper le son</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Previous verse</source>
        <translation>Verset précédent</translation>
    </message>
    <message>
        <source>Next verse</source>
        <translation>Verset suivant</translation>
    </message>
    <message>
        <source>Repeat: how often each verse and the whole range are recited, and the pause between</source>
        <translation>Répétition : combien de fois chaque verset et tout le passage sont récités, et la pause entre eux</translation>
    </message>
    <message>
        <source> times</source>
        <extracomment>After a spin box&apos;s number: how often a verse or a range is recited.</extracomment>
        <translation> fois</translation>
    </message>
    <message>
        <source>until stopped</source>
        <translation>jusqu’à l’arrêt</translation>
    </message>
    <message>
        <source> ms</source>
        <extracomment>After a spin box&apos;s number: milliseconds.</extracomment>
        <translation> ms</translation>
    </message>
    <message>
        <source>Each verse:</source>
        <translation>Chaque verset :</translation>
    </message>
    <message>
        <source>The whole range:</source>
        <translation>Tout le passage :</translation>
    </message>
    <message>
        <source>Pause between:</source>
        <translation>Pause entre :</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>%1×</source>
        <extracomment>A playback speed, e.g. 1.5×.</extracomment>
        <translation>%1×</translation>
    </message>
    <message>
        <source>%1× / %2 ▾</source>
        <extracomment>The repeat button&apos;s counts: each verse %1 times, the range %2 times (∞: until stopped).</extracomment>
        <translation>%1× / %2 ▾</translation>
    </message>
    <message>
        <source>Repeat %1</source>
        <extracomment>The repeat button&apos;s caption; %1 are its counts.</extracomment>
        <translation>Répéter %1</translation>
    </message>
    <message>
        <source>Repeat: each verse %1 times, the range until stopped</source>
        <translation>Répétition : chaque verset %1 fois, le passage jusqu’à l’arrêt</translation>
    </message>
    <message>
        <source>Repeat: each verse %1 times, the range %2 times</source>
        <translation>Répétition : chaque verset %1 fois, le passage %2 fois</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>error</source>
        <translation>erreur</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Rétablir le son</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::ProgressDialog</name>
    <message>
        <source>Progress</source>
        <translation>Progrès</translation>
    </message>
    <message>
        <source>Verses learnt: %1 (and %2 being learnt).
Pages learnt whole: %3.
Days in a row with a review: %4.</source>
        <translation>Versets appris : %1 (et %2 en cours).
Pages apprises entières : %3.
Jours d’affilée avec une révision : %4.</translation>
    </message>
    <message>
        <source>Share of each part taken up, and pages due on each of the next 14 days</source>
        <translation>Part de chaque juz en cours d’apprentissage, et pages à réviser chacun des 14 prochains jours</translation>
    </message>
    <message>
        <source>Each part: the share of its verses you are learning</source>
        <translation>Chaque juz : la part de ses versets que vous apprenez</translation>
    </message>
    <message>
        <source>Pages due on each of the next 14 days</source>
        <translation>Pages à réviser chacun des 14 prochains jours</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::RangeDialog</name>
    <message>
        <source>A page of the mushaf</source>
        <translation>Une page du mushaf</translation>
    </message>
    <message>
        <source>A range of verses</source>
        <translation>Une suite de versets</translation>
    </message>
    <message>
        <source>A chapter</source>
        <translation>Une sourate</translation>
    </message>
    <message>
        <source>A part (juz)</source>
        <translation>Un juz</translation>
    </message>
    <message>
        <source>chapter:verse</source>
        <extracomment>A verse is written chapter:verse, as 2:255.</extracomment>
        <translation>sourate:verset</translation>
    </message>
    <message>
        <source>&amp;What:</source>
        <translation>&amp;Quoi :</translation>
    </message>
    <message>
        <source>&amp;Number:</source>
        <translation>&amp;Numéro :</translation>
    </message>
    <message>
        <source>&amp;From verse:</source>
        <translation>&amp;Du verset :</translation>
    </message>
    <message>
        <source>&amp;To verse:</source>
        <translation>&amp;Au verset :</translation>
    </message>
    <message>
        <source>page %1</source>
        <translation>la page %1</translation>
    </message>
    <message>
        <source>chapter %1</source>
        <translation>la sourate %1</translation>
    </message>
    <message>
        <source>part %1</source>
        <translation>le juz %1</translation>
    </message>
    <message>
        <source>the verses %1 to %2</source>
        <translation>les versets %1 à %2</translation>
    </message>
    <message>
        <source>No verse begins on this page.</source>
        <translation>Aucun verset ne commence sur cette page.</translation>
    </message>
    <message>
        <source>The verses run from %1 to a later verse.</source>
        <translation>Les versets vont de %1 à un verset suivant.</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::ReadingComfort</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>&amp;Thème</translation>
    </message>
    <message>
        <source>Arabic &amp;Font</source>
        <translation>&amp;Police arabe</translation>
    </message>
    <message>
        <source>As the Text Defines</source>
        <extracomment>The Arabic font the text&apos;s own program names.</extracomment>
        <translation>Celle du texte</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom a&amp;vant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>Taille &amp;réelle</translation>
    </message>
    <message>
        <source>&amp;Next Match</source>
        <translation>Résultat &amp;suivant</translation>
    </message>
    <message>
        <source>&amp;Previous Match</source>
        <translation>Résultat &amp;précédent</translation>
    </message>
    <message>
        <source>&amp;Bookmarks</source>
        <translation>&amp;Signets</translation>
    </message>
    <message>
        <source>&amp;Bookmark the Verse at the Top</source>
        <translation>&amp;Marquer le verset en haut</translation>
    </message>
    <message>
        <source>&amp;Remove Bookmark</source>
        <translation>&amp;Supprimer un signet</translation>
    </message>
    <message>
        <source>The bookmark of %1 was not removed: %2.</source>
        <translation>Le signet de %1 n’a pas été supprimé : %2.</translation>
    </message>
    <message>
        <source>Your bookmark of %1 was not stored: %2.</source>
        <extracomment>%1 is a verse as chapter:verse, %2 the reason.</extracomment>
        <translation>Votre signet de %1 n’a pas été enregistré : %2.</translation>
    </message>
    <message>
        <source>Sepia</source>
        <extracomment>A colour theme: brown text on a cream page.</extracomment>
        <translation>Sépia</translation>
    </message>
    <message>
        <source>Dark</source>
        <extracomment>A colour theme: light text on a dark page.</extracomment>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>Light</source>
        <extracomment>A colour theme: the pages&apos; own colours.</extracomment>
        <translation>Clair</translation>
    </message>
    <message>
        <source>Tilvora</source>
        <translation>Tilvora</translation>
    </message>
    <message>
        <source>There is no verse to bookmark here.</source>
        <translation>Il n’y a pas de verset à marquer ici.</translation>
    </message>
    <message>
        <source>Bookmarked %1 (Bookmarks menu).</source>
        <extracomment>%1 is the verse, e.g. &quot;Al-Fatihah 1:2&quot;.</extracomment>
        <translation>%1 marqué (menu Signets).</translation>
    </message>
    <message>
        <source>%1 is bookmarked already.</source>
        <translation>%1 est déjà marqué.</translation>
    </message>
    <message>
        <source>The place where you stopped reading (%1) was not stored: %2.</source>
        <extracomment>%1 is a verse as chapter:verse, %2 the reason.</extracomment>
        <translation>L’endroit où vous avez arrêté votre lecture (%1) n’a pas été enregistré : %2.</translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>Sourate %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A chapter&apos;s heading: %1 its number, %2 its name.</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::RepeatDialog</name>
    <message>
        <source>Repeat from %1 to...</source>
        <translation>Répéter de %1 à...</translation>
    </message>
    <message>
        <source>Repeat verse %1</source>
        <translation>Répéter le verset %1</translation>
    </message>
    <message>
        <source>chapter:verse, e.g. 2:5</source>
        <translation>sourate:verset, par ex. 2:5</translation>
    </message>
    <message>
        <source>From %1 to verse:</source>
        <translation>De %1 au verset :</translation>
    </message>
    <message>
        <source> times</source>
        <translation> fois</translation>
    </message>
    <message>
        <source>until stopped</source>
        <translation>jusqu’à l’arrêt</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>Each verse:</source>
        <translation>Chaque verset :</translation>
    </message>
    <message>
        <source>The verse:</source>
        <translation>Le verset :</translation>
    </message>
    <message>
        <source>The whole range:</source>
        <translation>Tout le passage :</translation>
    </message>
    <message>
        <source>Pause between:</source>
        <translation>Pause entre :</translation>
    </message>
    <message>
        <source>Recite</source>
        <translation>Réciter</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>As long as the verse took, times %1</source>
        <extracomment>Listen and repeat: wait this many times as long as the verse took.</extracomment>
        <translation>Aussi longtemps que le verset, fois %1</translation>
    </message>
    <message>
        <source>Time to say each verse back:</source>
        <translation>Temps pour redire chaque verset :</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::ReviewWindow</name>
    <message>
        <source>Today&apos;s review</source>
        <translation>Révision du jour</translation>
    </message>
    <message>
        <source>Recite the page from memory, then reveal it and grade how well you knew it.</source>
        <translation>Récitez la page de mémoire, puis dévoilez-la et notez à quel point vous la saviez.</translation>
    </message>
    <message>
        <source>Next word</source>
        <translation>Mot suivant</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Rest of the line</source>
        <translation>Reste de la ligne</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Everything</source>
        <translation>Tout</translation>
    </message>
    <message>
        <source>Ctrl+Enter</source>
        <translation>Ctrl+Entrée</translation>
    </message>
    <message>
        <source>Hide a word again</source>
        <translation>Recacher un mot</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retour arrière</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>À revoir</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Bien</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Listen to the page</source>
        <translation>Écouter la page</translation>
    </message>
    <message>
        <source>How well did you know it?</source>
        <translation>Comment la saviez-vous ?</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A button&apos;s text and, in brackets, the key that presses it.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Page %1 (%2 of %3)</source>
        <translation>Page %1 (%2 sur %3)</translation>
    </message>
    <message>
        <source>Nothing is due for review today.</source>
        <translation>Rien n’est à réviser aujourd’hui.</translation>
    </message>
    <message>
        <source>Review done. Pages graded: %1.</source>
        <translation>Révision terminée. Pages notées : %1.</translation>
    </message>
    <message>
        <source>Again %1, hard %2, good %3, easy %4.</source>
        <translation>À revoir %1, difficile %2, bien %3, facile %4.</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::SplashWindow</name>
    <message>
        <source>Tilvora</source>
        <translation>Tilvora</translation>
    </message>
    <message>
        <source>Progress Indicator</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Loading, please wait...</source>
        <translation>Chargement, veuillez patienter...</translation>
    </message>
    <message>
        <source>Quran text: tanzil.net</source>
        <translation>Texte du Coran : tanzil.net</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <extracomment>%1 is the version, e.g. 2.08.09A.</extracomment>
        <translation>Version : %1</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::TextDownloadDialog</name>
    <message>
        <source>Download texts</source>
        <translation>Télécharger des textes</translation>
    </message>
    <message>
        <source>&amp;Fetch list</source>
        <translation>&amp;Charger la liste</translation>
    </message>
    <message>
        <source>Translations and commentaries</source>
        <translation>Traductions et commentaires</translation>
    </message>
    <message>
        <source>Translations</source>
        <translation>Traductions</translation>
    </message>
    <message>
        <source>Commentaries</source>
        <translation>Commentaires</translation>
    </message>
    <message>
        <source>Service address:</source>
        <translation>Adresse du service :</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Afficher :</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Texts to download</source>
        <translation>Textes à télécharger</translation>
    </message>
    <message>
        <source>&amp;Download</source>
        <translation>&amp;Télécharger</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Fetching the list of texts from %1...</source>
        <translation>Chargement de la liste des textes depuis %1...</translation>
    </message>
    <message numerus="yes">
        <source>%n text(s) offered by the service.</source>
        <translation>
            <numerusform>%n texte proposé par le service.</numerusform>
            <numerusform>%n textes proposés par le service.</numerusform>
        </translation>
    </message>
    <message>
        <source>The list of texts could not be fetched: %1. Shown instead: texts Tilvora knows by name, which download from the address above when it answers.</source>
        <translation>La liste des textes n’a pas pu être chargée : %1. À la place : les textes que Tilvora connaît par leur nom, téléchargés depuis l’adresse ci-dessus quand elle répond.</translation>
    </message>
    <message>
        <source>All languages</source>
        <translation>Toutes les langues</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Installé</translation>
    </message>
    <message>
        <source>Known by name</source>
        <translation>Connu par son nom</translation>
    </message>
    <message>
        <source>Installed, known by name</source>
        <translation>Installé, connu par son nom</translation>
    </message>
    <message>
        <source>Commentary</source>
        <translation>Commentaire (tafsir)</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Traduction</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>Téléchargement de %1...</translation>
    </message>
    <message>
        <source>%1 could not be removed: %2</source>
        <translation>%1 n’a pas pu être supprimé : %2</translation>
    </message>
    <message>
        <source>%1 was removed.</source>
        <translation>%1 a été supprimé.</translation>
    </message>
    <message>
        <source>%1 of %2 chapters, %3</source>
        <translation>%1 sourates sur %2, %3</translation>
    </message>
    <message>
        <source>Installed, %1 verses (%2). Choose it in a row of the control pane.</source>
        <translation>Installé, %1 versets (%2). Choisissez-le dans une rangée du volet de contrôle.</translation>
    </message>
    <message>
        <source>Cancelled. The chapters fetched are kept; Download goes on from there.</source>
        <translation>Annulé. Les sourates reçues sont gardées ; Télécharger reprend à partir de là.</translation>
    </message>
    <message>
        <source>Not installed: chapters %1 failed. Download again to fetch only what is missing.</source>
        <translation>Non installé : les sourates %1 ont échoué. Téléchargez à nouveau pour ne chercher que ce qui manque.</translation>
    </message>
    <message>
        <source>Not installed. Download again to fetch only what is missing.</source>
        <translation>Non installé. Téléchargez à nouveau pour ne chercher que ce qui manque.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1 of %2 chapters, %3, about %4 left</source>
        <translation>%1 sourates sur %2, %3, encore %4 environ</translation>
    </message>
    <message>
        <source>The download stopped: %1.</source>
        <translation>Le téléchargement s’est arrêté : %1.</translation>
    </message>
</context>
</TS>
