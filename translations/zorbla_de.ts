<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CommandLine</name>
    <message>
        <source>Zorbla takes no file or folder: &apos;%1&apos;.
%2</source>
        <translation>Zorbla nimmt keine Datei und keinen Ordner an: „%1“.
%2</translation>
    </message>
    <message>
        <source>--kiosk and --voices do not go together.</source>
        <translation>--kiosk und --voices lassen sich nicht kombinieren.</translation>
    </message>
    <message>
        <source>There is no edition &apos;%1&apos;. The editions installed are: %2.</source>
        <translation>Es gibt keine Sprachfassung „%1“. Installiert sind diese Sprachfassungen: %2.</translation>
    </message>
    <message>
        <source>Usage: zorbla [--kiosk | --voices] [--language CODE] [--touch] [--help] [--version]</source>
        <translation>Aufruf: zorbla [--kiosk | --voices] [--language CODE] [--touch] [--help] [--version]</translation>
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
        <translation>Zorbla: das Alphabet, die Zahlen und die Farben für kleine Kinder.
Es arbeitet in dem Ordner, in dem es startet, wenn dort eine text.txt liegt.
Sonst liest ein installiertes Zorbla jede Worttabelle, jedes Bild und jeden
Ton zuerst aus dem eigenen Ordner der Familie (~/.local/share/zorbla, und
~/.local/share/zorbla/CODE für die anderen Sprachfassungen), in dem nur
liegt, was die Familie aufgenommen oder geändert hat, dann aus den Ordnern
einer Schule (dem der Einstellung site, dann zorbla/CODE in
/usr/local/share), dann von dort, wo die Sprachfassung installiert ist.
Einstellungen (kiosk, language, site) werden aus /etc/xdg/zorbla/zorbla.conf
für den ganzen Rechner gelesen, dessen Schlüssel unter &quot;locked&quot; gelten, und
aus ~/.config/zorbla/zorbla.conf für den Benutzer. Siehe man zorbla.

Optionen:
  --language CODE  Die Sprachfassung: ihre Wörter, Bilder und Töne und die
                   Texte des Programms. Ohne die Option wählt die Sprache des
                   Desktops, sonst Englisch, falls es für sie keine gibt.
                   Sprachfassungen: %1.
  --voices         Das Stimmenstudio: die Stimme der Familie für jeden Ton des
                   Arbeitsordners aufnehmen oder den Originalton zurückholen.
  --kiosk          Gesperrter Start für Kleinkinder: Esc und die Ausgangstür
                   beenden Zorbla nur, wenn sie drei Sekunden lang gehalten
                   werden, und T öffnet keinen Wort-Editor.
  --touch          Buchstabentasten auf dem Bildschirm in den Spielen, in
                   denen getippt wird, für einen Touchscreen oder eine
                   interaktive Tafel ohne Tastatur. Wo es einen Touchscreen
                   gibt, ist das von selbst eingeschaltet.
  -h, --help       Diese Hilfe zeigen und beenden.
  -v, --version    Die Version zeigen und beenden.
</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>Door</source>
        <translation>Tür</translation>
    </message>
</context>
<context>
    <name>Originals</name>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>cannot create the folder of %1</source>
        <translation>der Ordner für %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 has no original kept</source>
        <translation>für %1 ist kein Original aufbewahrt</translation>
    </message>
    <message>
        <source>cannot remove %1: %2</source>
        <translation>%1 kann nicht entfernt werden: %2</translation>
    </message>
</context>
<context>
    <name>PictureButtons</name>
    <message>
        <source>PICTURE</source>
        <translation>BILD</translation>
    </message>
</context>
<context>
    <name>WordTable</name>
    <message>
        <source>the line is empty; every line needs a prefix of three characters, four words between three commas and a full stop, as in &quot;01 ANT,APPLE,ARM,AXE.&quot;</source>
        <translation>die Zeile ist leer; jede Zeile braucht ein Präfix aus drei Zeichen, vier Wörter mit drei Kommas dazwischen und einen Punkt, wie in „01 AFFE,APFEL,ARM,AXT.“</translation>
    </message>
    <message>
        <source>no comma; four words need three commas between them</source>
        <translation>kein Komma; vier Wörter brauchen drei Kommas dazwischen</translation>
    </message>
    <message>
        <source>a comma within the first three characters; they are the prefix before the first word, as &quot;01 &quot; in &quot;01 ANT,APPLE,ARM,AXE.&quot;</source>
        <translation>ein Komma in den ersten drei Zeichen; sie sind das Präfix vor dem ersten Wort, wie „01 “ in „01 AFFE,APFEL,ARM,AXT.“</translation>
    </message>
    <message>
        <source>only one comma; four words need three commas between them</source>
        <translation>nur ein Komma; vier Wörter brauchen drei Kommas dazwischen</translation>
    </message>
    <message>
        <source>only two commas; four words need three commas between them</source>
        <translation>nur zwei Kommas; vier Wörter brauchen drei Kommas dazwischen</translation>
    </message>
    <message>
        <source>no full stop after the third comma; the fourth word ends with &quot;.&quot;</source>
        <translation>kein Punkt nach dem dritten Komma; das vierte Wort endet mit „.“</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, Zeile %2: %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the table has room for %1 lines only; delete this line and those after it</source>
        <translation>die Tabelle hat nur Platz für %1 Zeilen; bitte diese Zeile und alle folgenden löschen</translation>
    </message>
    <message>
        <source>the word table is missing from the folder %1</source>
        <translation>im Ordner %1 fehlt die Worttabelle</translation>
    </message>
    <message>
        <source>this is a folder, not a word table file</source>
        <translation>das ist ein Ordner, keine Worttabellen-Datei</translation>
    </message>
    <message>
        <source>the file is %1 bytes long, far too large for a word table of at most %2 lines</source>
        <translation>die Datei ist %1 Byte groß, viel zu groß für eine Worttabelle mit höchstens %2 Zeilen</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <translation>kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>the file is far too large for a word table</source>
        <translation>die Datei ist viel zu groß für eine Worttabelle</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Zorbla cannot start in the folder %1.

%2</source>
        <translation>Zorbla kann im Ordner %1 nicht starten.

%2</translation>
    </message>
</context>
<context>
    <name>zorbla::CountingGame</name>
    <message>
        <source>Guess number</source>
        <translation>Zahl raten</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
</context>
<context>
    <name>zorbla::DrawingBoard</name>
    <message>
        <source>Drawing</source>
        <translation>Malen</translation>
    </message>
    <message>
        <source>Change background color (erase)</source>
        <translation>Hintergrundfarbe ändern (löschen)</translation>
    </message>
    <message>
        <source>black</source>
        <translation>schwarz</translation>
    </message>
    <message>
        <source>dark blue</source>
        <translation>dunkelblau</translation>
    </message>
    <message>
        <source>dark green</source>
        <translation>dunkelgrün</translation>
    </message>
    <message>
        <source>dark turquoise</source>
        <translation>dunkeltürkis</translation>
    </message>
    <message>
        <source>dark red</source>
        <translation>dunkelrot</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>lila</translation>
    </message>
    <message>
        <source>olive</source>
        <translation>olivgrün</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>hellgrau</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>grau</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blau</translation>
    </message>
    <message>
        <source>green</source>
        <translation>grün</translation>
    </message>
    <message>
        <source>turquoise</source>
        <translation>türkis</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rot</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>rosa</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>gelb</translation>
    </message>
    <message>
        <source>white</source>
        <translation>weiß</translation>
    </message>
</context>
<context>
    <name>zorbla::KeyQuiz</name>
    <message>
        <source>Press keyboard</source>
        <translation>Taste drücken</translation>
    </message>
    <message>
        <source>Press keyboard:</source>
        <translation>Taste drücken:</translation>
    </message>
</context>
<context>
    <name>zorbla::LetterKeys</name>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>Rub out</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>zorbla::LetterPad</name>
    <message>
        <source>Drawing letter</source>
        <translation>Buchstaben malen</translation>
    </message>
</context>
<context>
    <name>zorbla::MainWindow</name>
    <message>
        <source>PREVIOUS PICTURE</source>
        <translation>VORHERIGES BILD</translation>
    </message>
    <message>
        <source>NEXT PICTURE</source>
        <translation>NÄCHSTES BILD</translation>
    </message>
    <message>
        <source>COLOURS</source>
        <translation>FARBEN</translation>
    </message>
    <message>
        <source>GUESS?</source>
        <translation>RATEN?</translation>
    </message>
    <message>
        <source>RECORD</source>
        <translation>AUFNEHMEN</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOPP</translation>
    </message>
    <message>
        <source>SPEAK</source>
        <translation>SPRICH</translation>
    </message>
    <message>
        <source>Zorbla - </source>
        <translation>Zorbla - </translation>
    </message>
    <message>
        <source>The word table could not be read again, so the words read before stay in use.

%1</source>
        <translation>Die Worttabelle konnte nicht erneut gelesen werden, daher bleiben die zuvor gelesenen Wörter in Gebrauch.

%1</translation>
    </message>
    <message>
        <source>Previous picture</source>
        <translation>Vorheriges Bild</translation>
    </message>
    <message>
        <source>Next picture</source>
        <translation>Nächstes Bild</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>small letter</source>
        <translation>Kleinbuchstabe</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rot</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>gelb</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>braun</translation>
    </message>
    <message>
        <source>green</source>
        <translation>grün</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blau</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>AUSGANG</translation>
    </message>
    <message>
        <source>Alphabet blocks</source>
        <translation>Buchstabenwürfel</translation>
    </message>
    <message>
        <source>Spider</source>
        <translation>Spinne</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stern</translation>
    </message>
</context>
<context>
    <name>zorbla::MediaControl</name>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Aufnehmen</translation>
    </message>
</context>
<context>
    <name>zorbla::MissingLetterGame</name>
    <message>
        <source>Missing letter</source>
        <translation>Fehlender Buchstabe</translation>
    </message>
    <message>
        <source>New picture, first letter missing</source>
        <translation>Neues Bild, der erste Buchstabe fehlt</translation>
    </message>
    <message>
        <source>New picture, any letter missing</source>
        <translation>Neues Bild, ein Buchstabe fehlt</translation>
    </message>
</context>
<context>
    <name>zorbla::QuizWindow</name>
    <message>
        <source>Check</source>
        <translation>Prüfen</translation>
    </message>
</context>
<context>
    <name>zorbla::VoiceStudio</name>
    <message>
        <source>Letter %1</source>
        <translation>Buchstabe %1</translation>
    </message>
    <message>
        <source>Number %1</source>
        <translation>Zahl %1</translation>
    </message>
    <message>
        <source>&quot;small letter&quot;, before a small letter</source>
        <translation>„Kleinbuchstabe“, vor einem Kleinbuchstaben</translation>
    </message>
    <message>
        <source>the word COLOURS</source>
        <translation>das Wort FARBEN</translation>
    </message>
    <message>
        <source>the title picture</source>
        <translation>das Titelbild</translation>
    </message>
    <message>
        <source>the spider</source>
        <translation>die Spinne</translation>
    </message>
    <message>
        <source>the star</source>
        <translation>der Stern</translation>
    </message>
    <message>
        <source>a click on the sky</source>
        <translation>ein Klick auf den Himmel</translation>
    </message>
    <message>
        <source>goodbye, at the door</source>
        <translation>Auf Wiedersehen, an der Tür</translation>
    </message>
    <message>
        <source>the letter game: press this letter</source>
        <translation>das Buchstabenspiel: diesen Buchstaben drücken</translation>
    </message>
    <message>
        <source>the guessing game: which letter is missing</source>
        <translation>das Ratespiel: welcher Buchstabe fehlt</translation>
    </message>
    <message>
        <source>the counting game: how many</source>
        <translation>das Zählspiel: wie viele</translation>
    </message>
    <message>
        <source>the drawing board</source>
        <translation>die Maltafel</translation>
    </message>
    <message>
        <source>the letter pad</source>
        <translation>die Buchstabentafel</translation>
    </message>
    <message>
        <source>a right answer</source>
        <translation>eine richtige Antwort</translation>
    </message>
    <message>
        <source>a wrong answer</source>
        <translation>eine falsche Antwort</translation>
    </message>
    <message>
        <source>the alphabet blocks&apos; song</source>
        <translation>das Lied der ABC-Würfel</translation>
    </message>
    <message>
        <source>the boing</source>
        <translation>das Boing</translation>
    </message>
    <message>
        <source>the colour red</source>
        <translation>die Farbe Rot</translation>
    </message>
    <message>
        <source>the colour orange</source>
        <translation>die Farbe Orange</translation>
    </message>
    <message>
        <source>the colour blue</source>
        <translation>die Farbe Blau</translation>
    </message>
    <message>
        <source>the colour brown</source>
        <translation>die Farbe Braun</translation>
    </message>
    <message>
        <source>the colour green</source>
        <translation>die Farbe Grün</translation>
    </message>
    <message>
        <source>the colour yellow</source>
        <translation>die Farbe Gelb</translation>
    </message>
    <message>
        <source>Zorbla - Voices</source>
        <translation>Zorbla - Stimmen</translation>
    </message>
    <message>
        <source>RECORDING</source>
        <translation>AUFNAHME</translation>
    </message>
    <message>
        <source>Space: record, and Space again to stop. The take plays back at once.
Enter: keep it in place of the sound.  Escape: throw it away.
Up and Down: the next sound.  R: put the pack&apos;s sound back.</source>
        <translation>Leertaste: aufnehmen, noch einmal Leertaste: anhalten. Die Aufnahme spielt sofort ab.
Enter: statt des bisherigen Tons übernehmen.  Esc: verwerfen.
Pfeil auf und ab: nächster Ton.  R: Originalton wiederherstellen.</translation>
    </message>
    <message>
        <source>Put this sound back</source>
        <translation>Diesen Ton wiederherstellen</translation>
    </message>
    <message>
        <source>Put all sounds back...</source>
        <translation>Alle Töne wiederherstellen...</translation>
    </message>
    <message>
        <source>The sound server went away during the take, so it was thrown away and the sound stays as it was. Press Space to record again when sound is back.</source>
        <translation>Der Soundserver ist während der Aufnahme weggefallen; die Aufnahme wurde deshalb verworfen, und der Ton bleibt, wie er war. Sobald der Ton wieder funktioniert, mit der Leertaste neu aufnehmen.</translation>
    </message>
    <message>
        <source>Choose a sound and press Space to record your own voice for it.</source>
        <translation>Einen Ton auswählen und die Leertaste drücken, um die eigene Stimme dafür aufzunehmen.</translation>
    </message>
    <message>
        <source> (family&apos;s voice)</source>
        <translation> (Stimme der Familie)</translation>
    </message>
    <message>
        <source>There is no microphone. Plug one in, or choose it in the desktop&apos;s sound settings, and press Space again. No sound was changed.</source>
        <translation>Es ist kein Mikrofon da. Bitte eines anschließen oder in den Toneinstellungen des Desktops auswählen und erneut die Leertaste drücken. Es wurde kein Ton geändert.</translation>
    </message>
    <message>
        <source>Nothing can be recorded: there is no sound server. No sound was changed. Press Space again once the computer&apos;s sound works.</source>
        <translation>Es kann nichts aufgenommen werden: Es gibt keinen Soundserver. Es wurde kein Ton geändert. Sobald der Ton des Computers funktioniert, erneut die Leertaste drücken.</translation>
    </message>
    <message>
        <source>Recording... say the word now, then press Space.</source>
        <translation>Aufnahme... jetzt das Wort sprechen, dann die Leertaste drücken.</translation>
    </message>
    <message>
        <source>Nothing was heard. Speak a little closer to the microphone and press Space again.</source>
        <translation>Es war nichts zu hören. Etwas näher am Mikrofon sprechen und erneut die Leertaste drücken.</translation>
    </message>
    <message>
        <source>That was too loud: the sound was cut off. Speak a little further from the microphone and press Space again.</source>
        <translation>Das war zu laut: Der Ton wurde abgeschnitten. Etwas weiter weg vom Mikrofon sprechen und erneut die Leertaste drücken.</translation>
    </message>
    <message>
        <source>Listen. Enter keeps it in place of the sound, Escape throws it away.</source>
        <translation>Jetzt anhören. Enter übernimmt die Aufnahme statt des bisherigen Tons, Esc verwirft sie.</translation>
    </message>
    <message>
        <source>The take could not be kept, and the sound stays as it was: %1</source>
        <translation>Die Aufnahme konnte nicht übernommen werden, der Ton bleibt, wie er war: %1</translation>
    </message>
    <message>
        <source>Kept: &quot;%1&quot; now speaks with your voice.</source>
        <translation>Übernommen: „%1“ spricht jetzt mit der Stimme der Familie.</translation>
    </message>
    <message>
        <source>Thrown away: the sound stays as it was.</source>
        <translation>Verworfen: Der Ton bleibt, wie er war.</translation>
    </message>
    <message>
        <source>This sound is still the pack&apos;s own.</source>
        <translation>Dieser Ton ist noch der Originalton.</translation>
    </message>
    <message>
        <source>The pack&apos;s sound could not be put back: %1</source>
        <translation>Der Originalton konnte nicht wiederhergestellt werden: %1</translation>
    </message>
    <message>
        <source>The pack&apos;s sound is back.</source>
        <translation>Der Originalton ist wieder da.</translation>
    </message>
    <message>
        <source>Every sound is still the pack&apos;s own.</source>
        <translation>Alle Töne sind noch Originaltöne.</translation>
    </message>
    <message>
        <source>Put back the pack&apos;s own sound in place of all %1 recorded by the family?</source>
        <translation>Für alle %1 von der Familie aufgenommenen Töne wieder die Originaltöne einsetzen?</translation>
    </message>
    <message>
        <source>Every sound is the pack&apos;s own again.</source>
        <translation>Alle Töne sind wieder Originaltöne.</translation>
    </message>
    <message>
        <source>%1 sounds could not be put back: %2</source>
        <translation>%1 Töne konnten nicht wiederhergestellt werden: %2</translation>
    </message>
    <message>
        <source>Letter %1, its sound</source>
        <translation>Buchstabe %1, sein Laut</translation>
    </message>
    <message>
        <source>%1, their sound</source>
        <translation>%1, ihr Laut</translation>
    </message>
    <message>
        <source>A letter says its name</source>
        <translation>Ein Buchstabe sagt seinen Namen</translation>
    </message>
    <message>
        <source>A letter says its sound, and words are sounded out</source>
        <translation>Ein Buchstabe sagt seinen Laut, und Wörter werden lautiert</translation>
    </message>
    <message>
        <source>A letter says its name, then its sound</source>
        <translation>Ein Buchstabe sagt seinen Namen, dann seinen Laut</translation>
    </message>
    <message>
        <source>What a letter says</source>
        <translation>Was ein Buchstabe sagt</translation>
    </message>
    <message>
        <source>Set for the whole computer in %1</source>
        <translation>Für den ganzen Rechner festgelegt in %1</translation>
    </message>
    <message>
        <source>The choice could not be kept: %1</source>
        <translation>Die Wahl konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Kept: Zorbla&apos;s letters speak so from its next start.</source>
        <translation>Gespeichert: Zorblas Buchstaben sprechen so ab dem nächsten Start.</translation>
    </message>
</context>
<context>
    <name>zorbla::WordEditor</name>
    <message>
        <source>Word change</source>
        <translation>Wörter bearbeiten</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1 is far too large for a word table, so it is not opened.</source>
        <translation>%1 ist viel zu groß für eine Worttabelle und wird deshalb nicht geöffnet.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Nothing was saved. %1

Mend the line and press Save again, or press Cancel to keep the file as it was.</source>
        <translation>Es wurde nichts gespeichert. %1

Bitte die Zeile berichtigen und erneut auf „Speichern“ klicken, oder auf „Abbrechen“ klicken, um die Datei unverändert zu lassen.</translation>
    </message>
    <message>
        <source>Nothing was saved. %1, line %2: the character &quot;%3&quot; cannot be stored in this file, which is written in the Windows-1250 code page.</source>
        <translation>Es wurde nichts gespeichert. %1, Zeile %2: Das Zeichen „%3“ kann in dieser Datei nicht gespeichert werden, da sie in der Codepage Windows-1250 geschrieben ist.</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2. The file on disk is as it was.</source>
        <translation>%1 konnte nicht gespeichert werden: %2. Die Datei auf dem Datenträger ist unverändert.</translation>
    </message>
</context>
<context>
    <name>zorbla::WordQuiz</name>
    <message>
        <source>Write the right word</source>
        <translation>Das richtige Wort schreiben</translation>
    </message>
    <message>
        <source>Enter the requested word</source>
        <translation>Das gesuchte Wort eingeben</translation>
    </message>
    <message>
        <source>This word has</source>
        <translation>Dieses Wort hat</translation>
    </message>
    <message>
        <source>letters</source>
        <translation>Buchstaben</translation>
    </message>
</context>
</TS>
