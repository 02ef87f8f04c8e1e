<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CommandLine</name>
    <message>
        <source>Zorbla takes no file or folder: &apos;%1&apos;.
%2</source>
        <translation>Zorbla n&apos;accepte ni fichier ni dossier : « %1 ».
%2</translation>
    </message>
    <message>
        <source>--kiosk and --voices do not go together.</source>
        <translation>--kiosk et --voices ne peuvent pas être utilisées ensemble.</translation>
    </message>
    <message>
        <source>There is no edition &apos;%1&apos;. The editions installed are: %2.</source>
        <translation>Il n&apos;y a pas d&apos;édition « %1 ». Les éditions installées sont : %2.</translation>
    </message>
    <message>
        <source>Usage: zorbla [--kiosk | --voices] [--language CODE] [--touch] [--help] [--version]</source>
        <translation>Usage : zorbla [--kiosk | --voices] [--language CODE] [--touch] [--help] [--version]</translation>
    </message>
    <message>
        <source>Zorbla: the alphabet, numbers and colours for young children.
It works in the folder it is started in when that folder has a text.txt.
Otherwise an installed Zorbla reads each word table, picture and sound
first from the family&apos;s own folder (~/.local/share/zorbla, and
~/.local/share/zorbla/CODE for the other editions), which holds only
what the family recorded or changed, then from a school&apos;s folders
(the site setting&apos;s, then zorbla/CODE in /usr/local/share), then from
where the edition is installed.
Settings (kiosk, language, site) are read from /etc/xdg/zorbla/zorbla.conf
for the whole machine, whose &quot;locked&quot; keys hold, and from
~/.config/zorbla/zorbla.conf for the user. See man zorbla.

Options:
  --language CODE  The edition: its words, pictures and sounds, and the
                   program&apos;s own words. Without it, the desktop&apos;s language
                   chooses, and English where there is no edition of it.
                   Editions: %1.
  --voices         The voice studio: record the family&apos;s own voice for any
                   sound of the working folder, or put the pack&apos;s back.
  --kiosk          A locked start for the youngest: Escape and the exit door
                   end Zorbla only when held for three seconds, and T opens
                   no word editor.
  --touch          Letter keys on the screen in the games that ask for
                   typing, for a touch screen or a whiteboard without a
                   keyboard. On by itself where there is a touch screen.
  -h, --help       Show this help and end.
  -v, --version    Show the version and end.
</source>
        <translation>Zorbla : l&apos;alphabet, les nombres et les couleurs pour les jeunes enfants.
Zorbla travaille dans le dossier où il est lancé si ce dossier contient un
text.txt. Sinon, un Zorbla installé lit chaque table de mots, image et son
d&apos;abord dans le dossier de la famille (~/.local/share/zorbla, et
~/.local/share/zorbla/CODE pour les autres éditions), qui ne contient que
ce que la famille a enregistré ou changé, puis dans les dossiers d&apos;une
école (celui du réglage site, puis zorbla/CODE dans /usr/local/share),
puis là où l&apos;édition est installée.
Les réglages (kiosk, language, site) sont lus dans /etc/xdg/zorbla/zorbla.conf
pour toute la machine, dont les clés « locked » s&apos;imposent, et dans
~/.config/zorbla/zorbla.conf pour l&apos;utilisateur. Voir man zorbla.

Options :
  --language CODE  L&apos;édition : ses mots, ses images et ses sons, ainsi que
                   les mots du programme lui-même. Sans cette option, c&apos;est
                   la langue du bureau qui décide, et l&apos;anglais si cette
                   langue n&apos;a pas d&apos;édition.
                   Éditions : %1.
  --voices         Le studio des voix : enregistrer la voix de la famille
                   pour n&apos;importe quel son du dossier de travail, ou
                   remettre les sons d&apos;origine.
  --kiosk          Un démarrage verrouillé pour les tout-petits : Échap et
                   la porte de sortie ne ferment Zorbla que si on les
                   maintient trois secondes, et T n&apos;ouvre pas l&apos;éditeur
                   de mots.
  --touch          Des touches de lettres à l&apos;écran dans les jeux où l&apos;on
                   tape, pour un écran tactile ou un tableau blanc
                   interactif sans clavier. Activé d&apos;office là où il y a un
                   écran tactile.
  -h, --help       Afficher cette aide et quitter.
  -v, --version    Afficher la version et quitter.
</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>Door</source>
        <translation>Porte</translation>
    </message>
</context>
<context>
    <name>Originals</name>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot create the folder of %1</source>
        <translation>impossible de créer le dossier de %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 has no original kept</source>
        <translation>aucun original de %1 n&apos;a été conservé</translation>
    </message>
    <message>
        <source>cannot remove %1: %2</source>
        <translation>impossible de supprimer %1 : %2</translation>
    </message>
</context>
<context>
    <name>PictureButtons</name>
    <message>
        <source>PICTURE</source>
        <translation>IMAGE</translation>
    </message>
</context>
<context>
    <name>WordTable</name>
    <message>
        <source>the line is empty; every line needs a prefix of three characters, four words between three commas and a full stop, as in &quot;01 ANT,APPLE,ARM,AXE.&quot;</source>
        <translation>la ligne est vide&#xa0;; chaque ligne doit avoir un préfixe de trois caractères, puis quatre mots séparés par trois virgules et un point final, comme dans &quot;01 AVION,ABEILLE,ANANAS,ARBRE.&quot;</translation>
    </message>
    <message>
        <source>no comma; four words need three commas between them</source>
        <translation>aucune virgule&#xa0;; quatre mots doivent être séparés par trois virgules</translation>
    </message>
    <message>
        <source>a comma within the first three characters; they are the prefix before the first word, as &quot;01 &quot; in &quot;01 ANT,APPLE,ARM,AXE.&quot;</source>
        <translation>une virgule dans les trois premiers caractères&#xa0;; ils forment le préfixe placé avant le premier mot, comme &quot;01 &quot; dans &quot;01 AVION,ABEILLE,ANANAS,ARBRE.&quot;</translation>
    </message>
    <message>
        <source>only one comma; four words need three commas between them</source>
        <translation>une seule virgule&#xa0;; quatre mots doivent être séparés par trois virgules</translation>
    </message>
    <message>
        <source>only two commas; four words need three commas between them</source>
        <translation>deux virgules seulement&#xa0;; quatre mots doivent être séparés par trois virgules</translation>
    </message>
    <message>
        <source>no full stop after the third comma; the fourth word ends with &quot;.&quot;</source>
        <translation>pas de point après la troisième virgule&#xa0;; le quatrième mot se termine par &quot;.&quot;</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, ligne %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the table has room for %1 lines only; delete this line and those after it</source>
        <translation>la table ne peut contenir que %1 lignes&#xa0;; supprimez cette ligne et les suivantes</translation>
    </message>
    <message>
        <source>the word table is missing from the folder %1</source>
        <translation>la table des mots est absente du dossier %1</translation>
    </message>
    <message>
        <source>this is a folder, not a word table file</source>
        <translation>c&apos;est un dossier, et non un fichier de table des mots</translation>
    </message>
    <message>
        <source>the file is %1 bytes long, far too large for a word table of at most %2 lines</source>
        <translation>le fichier fait %1 octets, bien trop pour une table des mots d&apos;au plus %2 lignes</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <translation>ouverture impossible&#xa0;: %1</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>lecture impossible&#xa0;: %1</translation>
    </message>
    <message>
        <source>the file is far too large for a word table</source>
        <translation>le fichier est bien trop grand pour une table des mots</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Zorbla cannot start in the folder %1.

%2</source>
        <translation>Zorbla ne peut pas démarrer dans le dossier %1.

%2</translation>
    </message>
</context>
<context>
    <name>zorbla::CountingGame</name>
    <message>
        <source>Guess number</source>
        <translation>Devine le nombre</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
</context>
<context>
    <name>zorbla::DrawingBoard</name>
    <message>
        <source>Drawing</source>
        <translation>Dessin</translation>
    </message>
    <message>
        <source>Change background color (erase)</source>
        <translation>Changer le fond (effacer)</translation>
    </message>
    <message>
        <source>black</source>
        <translation>noir</translation>
    </message>
    <message>
        <source>dark blue</source>
        <translation>bleu foncé</translation>
    </message>
    <message>
        <source>dark green</source>
        <translation>vert foncé</translation>
    </message>
    <message>
        <source>dark turquoise</source>
        <translation>turquoise foncé</translation>
    </message>
    <message>
        <source>dark red</source>
        <translation>rouge foncé</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>violet</translation>
    </message>
    <message>
        <source>olive</source>
        <translation>vert olive</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>gris clair</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>gris</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>bleu</translation>
    </message>
    <message>
        <source>green</source>
        <translation>vert</translation>
    </message>
    <message>
        <source>turquoise</source>
        <translation>turquoise</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>rose</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>jaune</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanc</translation>
    </message>
</context>
<context>
    <name>zorbla::KeyQuiz</name>
    <message>
        <source>Press keyboard</source>
        <translation>Appuie sur la touche</translation>
    </message>
    <message>
        <source>Press keyboard:</source>
        <translation>Appuie sur&#xa0;:</translation>
    </message>
</context>
<context>
    <name>zorbla::LetterKeys</name>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Rub out</source>
        <translation>Effacer</translation>
    </message>
</context>
<context>
    <name>zorbla::LetterPad</name>
    <message>
        <source>Drawing letter</source>
        <translation>Trace la lettre</translation>
    </message>
</context>
<context>
    <name>zorbla::MainWindow</name>
    <message>
        <source>PREVIOUS PICTURE</source>
        <translation>IMAGE PRÉCÉDENTE</translation>
    </message>
    <message>
        <source>NEXT PICTURE</source>
        <translation>IMAGE SUIVANTE</translation>
    </message>
    <message>
        <source>COLOURS</source>
        <translation>COULEURS</translation>
    </message>
    <message>
        <source>GUESS?</source>
        <translation>DEVINE&#xa0;?</translation>
    </message>
    <message>
        <source>RECORD</source>
        <translation>ENREG.</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOP</translation>
    </message>
    <message>
        <source>SPEAK</source>
        <translation>ÉCOUTE</translation>
    </message>
    <message>
        <source>Zorbla - </source>
        <translation>Zorbla - </translation>
    </message>
    <message>
        <source>The word table could not be read again, so the words read before stay in use.

%1</source>
        <translation>La table des mots n&apos;a pas pu être relue&#xa0;; les mots lus auparavant restent donc utilisés.

%1</translation>
    </message>
    <message>
        <source>Previous picture</source>
        <translation>Image précédente</translation>
    </message>
    <message>
        <source>Next picture</source>
        <translation>Image suivante</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>small letter</source>
        <translation>lettre minuscule</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>jaune</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>marron</translation>
    </message>
    <message>
        <source>green</source>
        <translation>vert</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>bleu</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>SORTIE</translation>
    </message>
    <message>
        <source>Alphabet blocks</source>
        <translation>Cubes de l&apos;alphabet</translation>
    </message>
    <message>
        <source>Spider</source>
        <translation>Araignée</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Étoile</translation>
    </message>
</context>
<context>
    <name>zorbla::MediaControl</name>
    <message>
        <source>Play</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Enregistrer</translation>
    </message>
</context>
<context>
    <name>zorbla::MissingLetterGame</name>
    <message>
        <source>Missing letter</source>
        <translation>Lettre manquante</translation>
    </message>
    <message>
        <source>New picture, first letter missing</source>
        <translation>Nouvelle image, la première lettre manque</translation>
    </message>
    <message>
        <source>New picture, any letter missing</source>
        <translation>Nouvelle image, une lettre manque</translation>
    </message>
</context>
<context>
    <name>zorbla::QuizWindow</name>
    <message>
        <source>Check</source>
        <translation>Vérifier</translation>
    </message>
</context>
<context>
    <name>zorbla::VoiceStudio</name>
    <message>
        <source>Letter %1</source>
        <translation>Lettre %1</translation>
    </message>
    <message>
        <source>Number %1</source>
        <translation>Nombre %1</translation>
    </message>
    <message>
        <source>&quot;small letter&quot;, before a small letter</source>
        <translation>«&#xa0;lettre minuscule&#xa0;», avant une lettre minuscule</translation>
    </message>
    <message>
        <source>the word COLOURS</source>
        <translation>le mot COULEURS</translation>
    </message>
    <message>
        <source>the title picture</source>
        <translation>l&apos;image du titre</translation>
    </message>
    <message>
        <source>the spider</source>
        <translation>l&apos;araignée</translation>
    </message>
    <message>
        <source>the star</source>
        <translation>l&apos;étoile</translation>
    </message>
    <message>
        <source>a click on the sky</source>
        <translation>un clic sur le ciel</translation>
    </message>
    <message>
        <source>goodbye, at the door</source>
        <translation>au revoir, à la porte</translation>
    </message>
    <message>
        <source>the letter game: press this letter</source>
        <translation>le jeu des lettres&#xa0;: appuie sur cette lettre</translation>
    </message>
    <message>
        <source>the guessing game: which letter is missing</source>
        <translation>le jeu de devinette&#xa0;: quelle lettre manque</translation>
    </message>
    <message>
        <source>the counting game: how many</source>
        <translation>le jeu pour compter&#xa0;: combien</translation>
    </message>
    <message>
        <source>the drawing board</source>
        <translation>l&apos;ardoise à dessin</translation>
    </message>
    <message>
        <source>the letter pad</source>
        <translation>l&apos;ardoise à lettres</translation>
    </message>
    <message>
        <source>a right answer</source>
        <translation>une bonne réponse</translation>
    </message>
    <message>
        <source>a wrong answer</source>
        <translation>une mauvaise réponse</translation>
    </message>
    <message>
        <source>the alphabet blocks&apos; song</source>
        <translation>la chanson des cubes de l&apos;alphabet</translation>
    </message>
    <message>
        <source>the boing</source>
        <translation>le boing</translation>
    </message>
    <message>
        <source>the colour red</source>
        <translation>la couleur rouge</translation>
    </message>
    <message>
        <source>the colour orange</source>
        <translation>la couleur orange</translation>
    </message>
    <message>
        <source>the colour blue</source>
        <translation>la couleur bleue</translation>
    </message>
    <message>
        <source>the colour brown</source>
        <translation>la couleur marron</translation>
    </message>
    <message>
        <source>the colour green</source>
        <translation>la couleur verte</translation>
    </message>
    <message>
        <source>the colour yellow</source>
        <translation>la couleur jaune</translation>
    </message>
    <message>
        <source>Zorbla - Voices</source>
        <translation>Zorbla - Voix</translation>
    </message>
    <message>
        <source>RECORDING</source>
        <translation>ENREGISTREMENT</translation>
    </message>
    <message>
        <source>Space: record, and Space again to stop. The take plays back at once.
Enter: keep it in place of the sound.  Escape: throw it away.
Up and Down: the next sound.  R: put the pack&apos;s sound back.</source>
        <translation>Espace&#xa0;: enregistrer, et Espace de nouveau pour arrêter. L&apos;enregistrement est rejoué aussitôt.
Entrée&#xa0;: le garder à la place du son.  Échap&#xa0;: le supprimer.
Flèches haut et bas&#xa0;: changer de son.  R&#xa0;: rétablir le son d&apos;origine.</translation>
    </message>
    <message>
        <source>Put this sound back</source>
        <translation>Rétablir ce son</translation>
    </message>
    <message>
        <source>Put all sounds back...</source>
        <translation>Rétablir tous les sons...</translation>
    </message>
    <message>
        <source>The sound server went away during the take, so it was thrown away and the sound stays as it was. Press Space to record again when sound is back.</source>
        <translation>Le serveur de son s&apos;est arrêté pendant l&apos;enregistrement&#xa0;: celui-ci a été supprimé et le son reste tel qu&apos;il était. Appuyez sur Espace pour enregistrer de nouveau quand le son sera revenu.</translation>
    </message>
    <message>
        <source>Choose a sound and press Space to record your own voice for it.</source>
        <translation>Choisissez un son et appuyez sur Espace pour l&apos;enregistrer avec votre propre voix.</translation>
    </message>
    <message>
        <source> (family&apos;s voice)</source>
        <translation> (voix de la famille)</translation>
    </message>
    <message>
        <source>There is no microphone. Plug one in, or choose it in the desktop&apos;s sound settings, and press Space again. No sound was changed.</source>
        <translation>Aucun micro n&apos;est disponible. Branchez-en un, ou choisissez-le dans les réglages du son du bureau, puis appuyez de nouveau sur Espace. Aucun son n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Nothing can be recorded: there is no sound server. No sound was changed. Press Space again once the computer&apos;s sound works.</source>
        <translation>Impossible d&apos;enregistrer&#xa0;: il n&apos;y a pas de serveur de son. Aucun son n&apos;a été modifié. Appuyez de nouveau sur Espace quand le son de l&apos;ordinateur fonctionnera.</translation>
    </message>
    <message>
        <source>Recording... say the word now, then press Space.</source>
        <translation>Enregistrement... dites le mot maintenant, puis appuyez sur Espace.</translation>
    </message>
    <message>
        <source>Nothing was heard. Speak a little closer to the microphone and press Space again.</source>
        <translation>Rien n&apos;a été entendu. Parlez un peu plus près du micro et appuyez de nouveau sur Espace.</translation>
    </message>
    <message>
        <source>That was too loud: the sound was cut off. Speak a little further from the microphone and press Space again.</source>
        <translation>C&apos;était trop fort&#xa0;: le son a été coupé. Parlez un peu plus loin du micro et appuyez de nouveau sur Espace.</translation>
    </message>
    <message>
        <source>Listen. Enter keeps it in place of the sound, Escape throws it away.</source>
        <translation>Écoutez. Entrée le garde à la place du son, Échap le supprime.</translation>
    </message>
    <message>
        <source>The take could not be kept, and the sound stays as it was: %1</source>
        <translation>L&apos;enregistrement n&apos;a pas pu être gardé, et le son reste tel qu&apos;il était&#xa0;: %1</translation>
    </message>
    <message>
        <source>Kept: &quot;%1&quot; now speaks with your voice.</source>
        <translation>Gardé&#xa0;: «&#xa0;%1&#xa0;» parle maintenant avec votre voix.</translation>
    </message>
    <message>
        <source>Thrown away: the sound stays as it was.</source>
        <translation>Supprimé&#xa0;: le son reste tel qu&apos;il était.</translation>
    </message>
    <message>
        <source>This sound is still the pack&apos;s own.</source>
        <translation>Ce son est encore celui d&apos;origine.</translation>
    </message>
    <message>
        <source>The pack&apos;s sound could not be put back: %1</source>
        <translation>Le son d&apos;origine n&apos;a pas pu être rétabli&#xa0;: %1</translation>
    </message>
    <message>
        <source>The pack&apos;s sound is back.</source>
        <translation>Le son d&apos;origine est rétabli.</translation>
    </message>
    <message>
        <source>Every sound is still the pack&apos;s own.</source>
        <translation>Tous les sons sont encore ceux d&apos;origine.</translation>
    </message>
    <message>
        <source>Put back the pack&apos;s own sound in place of all %1 recorded by the family?</source>
        <translation>Rétablir les sons d&apos;origine à la place de tous les sons enregistrés par la famille (%1)&#xa0;?</translation>
    </message>
    <message>
        <source>Every sound is the pack&apos;s own again.</source>
        <translation>Tous les sons d&apos;origine sont rétablis.</translation>
    </message>
    <message>
        <source>%1 sounds could not be put back: %2</source>
        <translation>Impossible de rétablir %1 son(s)&#xa0;: %2</translation>
    </message>
    <message>
        <source>Letter %1, its sound</source>
        <translation>Lettre %1, son son</translation>
    </message>
    <message>
        <source>%1, their sound</source>
        <translation>%1, leur son</translation>
    </message>
    <message>
        <source>A letter says its name</source>
        <translation>Une lettre dit son nom</translation>
    </message>
    <message>
        <source>A letter says its sound, and words are sounded out</source>
        <translation>Une lettre dit son son, et les mots sont lus son par son</translation>
    </message>
    <message>
        <source>A letter says its name, then its sound</source>
        <translation>Une lettre dit son nom, puis son son</translation>
    </message>
    <message>
        <source>What a letter says</source>
        <translation>Ce que dit une lettre</translation>
    </message>
    <message>
        <source>Set for the whole computer in %1</source>
        <translation>Réglé pour tout l&apos;ordinateur dans %1</translation>
    </message>
    <message>
        <source>The choice could not be kept: %1</source>
        <translation>Le choix n&apos;a pas pu être gardé : %1</translation>
    </message>
    <message>
        <source>Kept: Zorbla&apos;s letters speak so from its next start.</source>
        <translation>Gardé : les lettres de Zorbla parleront ainsi dès son prochain lancement.</translation>
    </message>
</context>
<context>
    <name>zorbla::WordEditor</name>
    <message>
        <source>Word change</source>
        <translation>Modifier les mots</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%1 is far too large for a word table, so it is not opened.</source>
        <translation>%1 est bien trop grand pour une table des mots&#xa0;; il n&apos;est donc pas ouvert.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>Impossible d&apos;ouvrir %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>Impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Nothing was saved. %1

Mend the line and press Save again, or press Cancel to keep the file as it was.</source>
        <translation>Rien n&apos;a été enregistré. %1

Corrigez la ligne et appuyez de nouveau sur Enregistrer, ou appuyez sur Annuler pour garder le fichier tel qu&apos;il était.</translation>
    </message>
    <message>
        <source>Nothing was saved. %1, line %2: the character &quot;%3&quot; cannot be stored in this file, which is written in the Windows-1250 code page.</source>
        <translation>Rien n&apos;a été enregistré. %1, ligne %2&#xa0;: le caractère «&#xa0;%3&#xa0;» ne peut pas être enregistré dans ce fichier, qui est écrit avec la page de code Windows-1250.</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2. The file on disk is as it was.</source>
        <translation>Impossible d&apos;enregistrer %1&#xa0;: %2. Le fichier sur le disque est resté tel qu&apos;il était.</translation>
    </message>
</context>
<context>
    <name>zorbla::WordQuiz</name>
    <message>
        <source>Write the right word</source>
        <translation>Écris le bon mot</translation>
    </message>
    <message>
        <source>Enter the requested word</source>
        <translation>Écris le mot demandé</translation>
    </message>
    <message>
        <source>This word has</source>
        <translation>Ce mot a</translation>
    </message>
    <message>
        <source>letters</source>
        <translation>lettres</translation>
    </message>
</context>
</TS>
