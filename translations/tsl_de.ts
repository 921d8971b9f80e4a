<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Append</name>
    <message>
        <source>%1% complete (%2 of %3 parts read - %4)</source>
        <translation>%1% erledigt (%2 von %3 Teilen gelesen – %4)</translation>
    </message>
    <message>
        <source>%1 cannot be appended to itself: the list entry %2 is that file.</source>
        <translation>%1 kann nicht an sich selbst angehängt werden: Der Listeneintrag %2 ist diese Datei.</translation>
    </message>
    <message>
        <source>Nothing was appended.</source>
        <translation>Es wurde nichts angehängt.</translation>
    </message>
    <message>
        <source>Nothing was appended to %1: these list entries cannot be appended.</source>
        <translation>An %1 wurde nichts angehängt: Diese Listeneinträge können nicht angehängt werden.</translation>
    </message>
    <message>
        <source>does not exist</source>
        <translation>ist nicht vorhanden</translation>
    </message>
    <message>
        <source>is a directory</source>
        <translation>ist ein Ordner</translation>
    </message>
    <message>
        <source>is not an ordinary file</source>
        <translation>ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>is a hidden file</source>
        <translation>ist eine versteckte Datei</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Processed %1</source>
        <translation>%1 verarbeitet</translation>
    </message>
    <message>
        <source>Nothing was appended to %1: %2</source>
        <translation>An %1 wurde nichts angehängt: %2</translation>
    </message>
    <message>
        <source>Not deleted, changed while they were read: %1</source>
        <translation>Nicht gelöscht, da beim Lesen verändert: %1</translation>
    </message>
    <message>
        <source>The wipe was stopped; the data is safe in %1.</source>
        <translation>Das Überschreiben wurde abgebrochen; die Daten sind in %1 sicher.</translation>
    </message>
    <message>
        <source>%1 is a read-only file.</source>
        <translation>%1 ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>Do you want to add the selected files to it anyway?</source>
        <translation>Möchten Sie die ausgewählten Dateien trotzdem anhängen?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used as the file to append to: %2</source>
        <translation>„%1“ kann nicht als Datei zum Anhängen verwendet werden: %2</translation>
    </message>
    <message>
        <source>Enter the name of a file in the &quot;Save in&quot; directory.</source>
        <translation>Geben Sie den Namen einer Datei im Ordner „Speichern in“ ein.</translation>
    </message>
    <message>
        <source>No file to append to is named.</source>
        <translation>Es ist keine Datei zum Anhängen angegeben.</translation>
    </message>
    <message>
        <source>it names a directory, not a file.</source>
        <translation>Der Name bezeichnet einen Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>a file name cannot contain &quot;/&quot;.</source>
        <translation>Ein Dateiname darf kein „/“ enthalten.</translation>
    </message>
    <message>
        <source>the name holds a NUL character.</source>
        <translation>Der Name enthält ein NUL-Zeichen.</translation>
    </message>
    <message>
        <source>%1 is in use by another program.
To add the specified parts to the file, first close
it in whatever program is using it, and then click OK.</source>
        <translation>%1 wird von einem anderen Programm verwendet.
Um die angegebenen Teile an die Datei anzuhängen, schließen Sie sie
zuerst in dem Programm, das sie verwendet, und klicken Sie dann auf OK.</translation>
    </message>
    <message>
        <source>%1 is a symbolic link. Name the file it leads to;
nothing was appended.</source>
        <translation>%1 ist eine symbolische Verknüpfung. Geben Sie die Datei an, auf die sie zeigt;
es wurde nichts angehängt.</translation>
    </message>
</context>
<context>
    <name>AppendLists</name>
    <message>
        <source>0 files</source>
        <translation>0 Dateien</translation>
    </message>
    <message>
        <source>Double-click to refresh the list of files.</source>
        <translation>Doppelklicken, um die Dateiliste zu aktualisieren.</translation>
    </message>
    <message>
        <source>Append</source>
        <translation>Anhängen</translation>
    </message>
    <message>
        <source>Click to increase the font size in the file lists.</source>
        <translation>Klicken, um die Schrift in den Dateilisten zu vergrößern.</translation>
    </message>
    <message>
        <source>Larger list font</source>
        <translation>Größere Listenschrift</translation>
    </message>
    <message>
        <source>Click to decrease the font size in the file lists.</source>
        <translation>Klicken, um die Schrift in den Dateilisten zu verkleinern.</translation>
    </message>
    <message>
        <source>Smaller list font</source>
        <translation>Kleinere Listenschrift</translation>
    </message>
    <message>
        <source>Click the buttons to the right (or drag) to move files to the other box.</source>
        <translation>Mit den Schaltflächen rechts (oder durch Ziehen) Dateien in die andere Liste verschieben.</translation>
    </message>
    <message>
        <source>Files in the Find parts in folder</source>
        <translation>Dateien im Ordner „Teile suchen in“</translation>
    </message>
    <message>
        <source>&gt;&gt;</source>
        <translation>&gt;&gt;</translation>
    </message>
    <message>
        <source>Click to move all files to list.</source>
        <translation>Klicken, um alle Dateien in die Liste zu verschieben.</translation>
    </message>
    <message>
        <source>Move all files to list</source>
        <translation>Alle Dateien in die Liste verschieben</translation>
    </message>
    <message>
        <source>&gt;</source>
        <translation>&gt;</translation>
    </message>
    <message>
        <source>Click to move selected file(s) to list.</source>
        <translation>Klicken, um die ausgewählten Dateien in die Liste zu verschieben.</translation>
    </message>
    <message>
        <source>Move selected files to list</source>
        <translation>Ausgewählte Dateien in die Liste verschieben</translation>
    </message>
    <message>
        <source>&lt;</source>
        <translation>&lt;</translation>
    </message>
    <message>
        <source>Click to remove selected file(s) from list.</source>
        <translation>Klicken, um die ausgewählten Dateien aus der Liste zu entfernen.</translation>
    </message>
    <message>
        <source>Remove selected files from list</source>
        <translation>Ausgewählte Dateien aus der Liste entfernen</translation>
    </message>
    <message>
        <source>&lt;&lt;</source>
        <translation>&lt;&lt;</translation>
    </message>
    <message>
        <source>Click to remove all files from list.</source>
        <translation>Klicken, um alle Dateien aus der Liste zu entfernen.</translation>
    </message>
    <message>
        <source>Remove all files from list</source>
        <translation>Alle Dateien aus der Liste entfernen</translation>
    </message>
    <message>
        <source>Files to append, in order</source>
        <translation>Anzuhängende Dateien, in dieser Reihenfolge</translation>
    </message>
    <message>
        <source>Click to move the selected file up in the append order.</source>
        <translation>Klicken, um die ausgewählte Datei in der Reihenfolge nach oben zu schieben.</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Click to move the selected file down in the append order.</source>
        <translation>Klicken, um die ausgewählte Datei in der Reihenfolge nach unten zu schieben.</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Nach unten</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Appends each FILE, in the order given, to the end of TARGET. TARGET is created
when it does not exist; when it exists its bytes are kept in front. The FILEs
may lie in different directories: each is read from where its path leads.
Every FILE is appended or none: a FILE that is not there, not an ordinary
file, hidden or unreadable, or that is TARGET itself under any name, refuses
the whole run before anything is written. A new TARGET is written under a
temporary name (.tsl-a...) beside it and renamed when complete, never more
open than its FILEs; a FILE that changes while it is read appends nothing.
After a failure or Ctrl-C an existing TARGET is cut back to its old length,
mode and times and a new one removed. A TARGET that is a symbolic link is
refused. A second Ctrl-C ends at once.

A read-only TARGET brings the question whether to add the files anyway (Yes
clears its read-only attribute); a TARGET that cannot be opened for writing
otherwise (a running program, say) brings the in-use message, OK to try
again. A run-time error asks whether to go on (the run is taken back either
way). Without a terminal (standard input and standard error) these take No,
Cancel and stop, unless -y (Yes/No
questions) or --on-error continue say otherwise.

With --delete the FILEs are deleted afterwards, wiped first unless --no-wipe
is given, but only when nothing at all was reported during the run. The
stored settings AppendDelete, WipeOnDel and ChunkSize apply unless an option
overrides them.

Exit status: 0 when every FILE was appended, 1 when something was refused,
stopped or a run-time error was answered, 2 for bad usage, 130 stopped by
Ctrl-C.</source>
        <translation>Hängt jede FILE in der angegebenen Reihenfolge an das Ende von TARGET an. TARGET
wird angelegt, wenn es nicht vorhanden ist; ist es vorhanden, bleiben seine Bytes
vorn erhalten. Die FILEs dürfen in verschiedenen Ordnern liegen: Jede wird von dort
gelesen, wohin ihr Pfad führt.
Entweder wird jede FILE angehängt oder keine: Eine FILE, die nicht vorhanden, keine
gewöhnliche Datei, versteckt oder unlesbar ist oder unter irgendeinem Namen TARGET
selbst ist, lässt den ganzen Lauf ablehnen, bevor etwas geschrieben wird. Ein neues
TARGET wird unter einem temporären Namen (.tsl-a...) daneben geschrieben und erst
fertig umbenannt, nie länger offen als seine FILEs; eine FILE, die sich beim Lesen
ändert, hängt nichts an.
Nach einem Fehler oder Strg-C wird ein vorhandenes TARGET auf seine alte Länge,
seine Rechte und Zeiten zurückgesetzt und ein neues entfernt. Ein TARGET, das eine
symbolische Verknüpfung ist, wird abgelehnt. Ein zweites Strg-C beendet sofort.

Ein schreibgeschütztes TARGET führt zur Frage, ob die Dateien trotzdem angehängt
werden sollen (Ja hebt den Schreibschutz auf); ein TARGET, das sich anderweitig
nicht zum Schreiben öffnen lässt (etwa von einem laufenden Programm), führt zur
Meldung „wird verwendet“, OK versucht es erneut. Ein Laufzeitfehler fragt, ob es
weitergehen soll (der Lauf wird so oder so zurückgenommen). Ohne Terminal
(Standardeingabe und Standardfehlerausgabe) gelten Nein, Abbrechen und Anhalten,
sofern nicht -y (Ja/Nein-Fragen) oder --on-error continue anderes sagen.

Mit --delete werden die FILEs danach gelöscht, zuvor überschrieben, sofern nicht
--no-wipe angegeben ist, aber nur, wenn während des Laufs gar nichts gemeldet
wurde. Die gespeicherten Einstellungen AppendDelete, WipeOnDel und ChunkSize
gelten, sofern keine Option sie übersteuert.

Rückgabewert: 0, wenn jede FILE angehängt wurde, 1, wenn etwas abgelehnt oder
angehalten oder ein Laufzeitfehler beantwortet wurde, 2 bei falschem Aufruf,
130 bei Abbruch durch Strg-C.</translation>
    </message>
    <message>
        <source>The file to append to (created when missing).</source>
        <translation>Die Datei, an die angehängt wird (wird angelegt, wenn sie fehlt).</translation>
    </message>
    <message>
        <source>Delete the FILEs after a run without any error (setting AppendDelete).</source>
        <translation>Die FILEs nach einem fehlerfreien Lauf löschen (Einstellung AppendDelete).</translation>
    </message>
    <message>
        <source>Keep the FILEs, whatever AppendDelete says.</source>
        <translation>Die FILEs behalten, gleich was AppendDelete sagt.</translation>
    </message>
    <message>
        <source>Delete without overwriting the files first (setting WipeOnDel off).</source>
        <translation>Löschen, ohne die Dateien zuvor zu überschreiben (Einstellung WipeOnDel aus).</translation>
    </message>
    <message>
        <source>The files to append, in this order.</source>
        <translation>Die anzuhängenden Dateien, in dieser Reihenfolge.</translation>
    </message>
    <message>
        <source>--delete and --keep cannot be given together.</source>
        <translation>--delete und --keep können nicht zusammen angegeben werden.</translation>
    </message>
    <message>
        <source>No FILE was deleted, since something was reported.</source>
        <translation>Keine FILE wurde gelöscht, da etwas gemeldet wurde.</translation>
    </message>
    <message>
        <source>Name the file to append to with --to TARGET.</source>
        <translation>Geben Sie die Datei, an die angehängt wird, mit --to TARGET an.</translation>
    </message>
    <message>
        <source>Name at least one FILE to append.</source>
        <translation>Geben Sie mindestens eine anzuhängende FILE an.</translation>
    </message>
    <message>
        <source>Answer every Yes/No question (overwrite, read-only, ...) with Yes, without asking; not the run-time error question (see --on-error).</source>
        <translation>Jede Ja/Nein-Frage (Überschreiben, Schreibschutz, ...) ohne Rückfrage mit Ja beantworten; nicht die Frage nach einem Laufzeitfehler (siehe --on-error).</translation>
    </message>
    <message>
        <source>Answer every Yes/No question with No, without asking.</source>
        <translation>Jede Ja/Nein-Frage ohne Rückfrage mit Nein beantworten.</translation>
    </message>
    <message>
        <source>After a run-time error (disk full, a file that cannot be created, ...): stop (the default) or continue with the next step. Without this option the question is asked on a terminal, and answered stop otherwise.</source>
        <translation>Nach einem Laufzeitfehler (Datenträger voll, eine Datei lässt sich nicht anlegen, ...): anhalten (stop, die Vorgabe) oder mit dem nächsten Schritt fortfahren (continue). Ohne diese Option wird auf einem Terminal gefragt und sonst mit stop geantwortet.</translation>
    </message>
    <message>
        <source>Show only questions, messages and errors.</source>
        <translation>Nur Fragen, Meldungen und Fehler zeigen.</translation>
    </message>
    <message>
        <source>Largest single read and write, 10000..10000000 bytes (setting ChunkSize).</source>
        <translation>Größter einzelner Lese- und Schreibvorgang, 10000..10000000 Byte (Einstellung ChunkSize).</translation>
    </message>
    <message>
        <source>Answer every Yes/No question with Yes, without asking.</source>
        <translation>Jede Ja/Nein-Frage ohne Rückfrage mit Ja beantworten.</translation>
    </message>
    <message>
        <source>--yes and --no cannot be given together.</source>
        <translation>--yes und --no können nicht zusammen angegeben werden.</translation>
    </message>
    <message>
        <source>--on-error takes stop or continue.</source>
        <translation>--on-error nimmt stop oder continue.</translation>
    </message>
    <message>
        <source>a number of bytes</source>
        <translation>eine Anzahl Byte</translation>
    </message>
    <message>
        <source>tsl-cli: cancelled</source>
        <translation>tsl-cli: abgebrochen</translation>
    </message>
    <message>
        <source>Write the combined files into DIR (default: the pieces&apos; directory).</source>
        <translation>Die zusammengefügten Dateien in DIR schreiben (Vorgabe: der Ordner der Teile).</translation>
    </message>
    <message>
        <source>When pieces are missing: skip the set, ask, or combine the existing pieces (setting MissingParts 0, 1, 2).</source>
        <translation>Wenn Teile fehlen: den Satz überspringen, fragen oder die vorhandenen Teile zusammenfügen (Einstellung MissingParts 0, 1, 2).</translation>
    </message>
    <message>
        <source>When extra pieces are found: ask, or always include them (setting ExtraParts 0, 1).</source>
        <translation>Wenn zusätzliche Teile gefunden werden: fragen oder sie immer einbeziehen (Einstellung ExtraParts 0, 1).</translation>
    </message>
    <message>
        <source>Answer every parts report (missing, extra or wrong-size pieces) this way without asking.</source>
        <translation>Jeden Teilebericht (fehlende, zusätzliche oder falsch große Teile) ohne Rückfrage so beantworten.</translation>
    </message>
    <message>
        <source>Answer the piece-size prompt of a set without a piece size with BYTES (0 skips the size check).</source>
        <translation>Die Frage nach der Teilgröße eines Satzes ohne Teilgröße mit BYTES beantworten (0 lässt die Größenprüfung aus).</translation>
    </message>
    <message>
        <source>Highest piece number to look for, 1..19682 (setting HighPart).</source>
        <translation>Höchste zu suchende Teilnummer, 1..19682 (Einstellung HighPart).</translation>
    </message>
    <message>
        <source>Do not look for pieces beyond the expected last one (SearchExtra off).</source>
        <translation>Nicht nach Teilen jenseits des erwarteten letzten suchen (SearchExtra aus).</translation>
    </message>
    <message>
        <source>Do not check piece sizes (PSizeCheck off).</source>
        <translation>Teilgrößen nicht prüfen (PSizeCheck aus).</translation>
    </message>
    <message>
        <source>Never ask for the piece size (PSizePrompt off).</source>
        <translation>Nie nach der Teilgröße fragen (PSizePrompt aus).</translation>
    </message>
    <message>
        <source>Do not treat name_ext.NNN and name.ext.NNN as the same set (UnderPeriod off).</source>
        <translation>name_ext.NNN und name.ext.NNN nicht als denselben Satz behandeln (UnderPeriod aus).</translation>
    </message>
    <message>
        <source>Do not repair a lost extension such as clip_mpg -&gt; clip.mpg (FixExt off).</source>
        <translation>Eine verlorene Endung wie clip_mpg -&gt; clip.mpg nicht reparieren (FixExt aus).</translation>
    </message>
    <message>
        <source>Delete the pieces, the info file and the batch file of each combined set (CombineDelete on).</source>
        <translation>Teile, Infodatei und Batchdatei jedes zusammengefügten Satzes löschen (CombineDelete an).</translation>
    </message>
    <message>
        <source>Keep the pieces, the info file and the batch file, whatever CombineDelete says.</source>
        <translation>Teile, Infodatei und Batchdatei behalten, gleich was CombineDelete sagt.</translation>
    </message>
    <message>
        <source>Delete pieces without overwriting them first (WipeOnDel off).</source>
        <translation>Teile löschen, ohne sie zuvor zu überschreiben (WipeOnDel aus).</translation>
    </message>
    <message>
        <source>An info file (name.000) or a piece (name.001) of each set; all in one directory.</source>
        <translation>Eine Infodatei (name.000) oder ein Teil (name.001) jedes Satzes; alle in einem Ordner.</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>eine Zahl</translation>
    </message>
    <message>
        <source>--piece-size takes a number of bytes.</source>
        <translation>--piece-size nimmt eine Anzahl Byte.</translation>
    </message>
    <message>
        <source>Name at least one SET (name.000 or name.001).</source>
        <translation>Geben Sie mindestens einen SET an (name.000 oder name.001).</translation>
    </message>
    <message>
        <source>All SETs must be in one directory.</source>
        <translation>Alle SETs müssen in einem Ordner liegen.</translation>
    </message>
    <message>
        <source>Shows and changes the stored settings.

  list              every key: section, loaded value, where it came from
                    (store, default, refused: stored text that does not convert,
                    replaced: by its range rule, cleared: a bad initial directory)
  get KEY           the loaded value of KEY
  set KEY VALUE     writes VALUE into KEY&apos;s section of the current store, then
                    shows what it loads as; SplitSize also takes a size&apos;s name
                    (%1)
  store             which store is in use
  store ini|registry  moves every setting into tsl.ini or the native store and
                    removes the other one

Options go before the action, so a VALUE may start with &apos;-&apos; (set SameDir -1).
The store is tsl.ini in the program directory while that file exists, else the
native store: $XDG_CONFIG_HOME/Tessel/TSL.conf (~/.config), with the machine-wide
file in the first folder of $XDG_CONFIG_DIRS (/etc/xdg) read for missing keys.

Environment (for every tsl-cli command):
  TSL_PROGRAM_DIR   the program directory that holds tsl.ini
                    (default: the folder of tsl-cli)
  XDG_CONFIG_HOME   moves the per-user store
  XDG_CONFIG_DIRS   moves the machine-wide store</source>
        <translation>Zeigt und ändert die gespeicherten Einstellungen.

  list              jeden Schlüssel: Abschnitt, geladener Wert, seine Herkunft
                    (store, default, refused: gespeicherter Text, der sich nicht
                    umwandeln lässt, replaced: durch seine Bereichsregel,
                    cleared: ein ungültiger Anfangsordner)
  get KEY           den geladenen Wert von KEY
  set KEY VALUE     schreibt VALUE in den Abschnitt von KEY im aktuellen Speicher
                    und zeigt, wie er geladen wird; SplitSize nimmt auch den
                    Namen einer Größe (%1)
  store             welcher Speicher verwendet wird
  store ini|registry  verschiebt alle Einstellungen nach tsl.ini oder in den
                    nativen Speicher und entfernt den anderen

Optionen stehen vor der Aktion, daher darf ein VALUE mit „-“ beginnen
(set SameDir -1). Der Speicher ist tsl.ini im Programmordner, solange diese Datei
vorhanden ist, sonst der native Speicher: $XDG_CONFIG_HOME/Tessel/TSL.conf
(~/.config), wobei fehlende Schlüssel aus der systemweiten Datei im ersten Ordner
von $XDG_CONFIG_DIRS (/etc/xdg) gelesen werden.

Umgebung (für jeden tsl-cli-Befehl):
  TSL_PROGRAM_DIR   der Programmordner, der tsl.ini enthält
                    (Vorgabe: der Ordner von tsl-cli)
  XDG_CONFIG_HOME   verlegt den benutzereigenen Speicher
  XDG_CONFIG_DIRS   verlegt den systemweiten Speicher</translation>
    </message>
    <message>
        <source>store, recorded only</source>
        <translation>store, nur vermerkt</translation>
    </message>
    <message>
        <source>default, recorded only</source>
        <translation>default, nur vermerkt</translation>
    </message>
    <message>
        <source>list, get KEY, set KEY VALUE or store [ini|registry].</source>
        <translation>list, get KEY, set KEY VALUE oder store [ini|registry].</translation>
    </message>
    <message>
        <source>Name an action: list, get, set or store.</source>
        <translation>Geben Sie eine Aktion an: list, get, set oder store.</translation>
    </message>
    <message>
        <source>The store is &apos;ini&apos; or &apos;registry&apos;.</source>
        <translation>Der Speicher ist „ini“ oder „registry“.</translation>
    </message>
    <message>
        <source>Show or apply TSL&apos;s desktop registration: the info file type (*.000) opening in
TSL (CombineAssoc), the Split entry for MPEG video (AssocSplit) and the send-to
entries of Thunar, Nautilus and KDE (AssocSendTo). Everything is per user under
$XDG_DATA_HOME and $XDG_CONFIG_HOME; a setting that is off removes what TSL
added and nothing else.

  status  (the default) what is registered, and the type of a .000 file
  apply   bring the registration in line with the stored settings</source>
        <translation>Zeigt oder wendet die Desktop-Registrierung von TSL an: der Dateityp Infodatei
(*.000), der sich in TSL öffnet (CombineAssoc), der Eintrag „Aufteilen“ für
MPEG-Videos (AssocSplit) und die „Senden an“-Einträge von Thunar, Nautilus und
KDE (AssocSendTo). Alles liegt pro Benutzer unter $XDG_DATA_HOME und
$XDG_CONFIG_HOME; eine abgeschaltete Einstellung entfernt, was TSL hinzugefügt
hat, und sonst nichts.

  status  (die Vorgabe) was registriert ist und der Typ einer .000-Datei
  apply   die Registrierung mit den gespeicherten Einstellungen abgleichen</translation>
    </message>
    <message>
        <source>not registered</source>
        <translation>nicht registriert</translation>
    </message>
    <message>
        <source>another program&apos;s file (left alone)</source>
        <translation>Datei eines anderen Programms (nicht angetastet)</translation>
    </message>
    <message>
        <source>registered, out of date</source>
        <translation>registriert, veraltet</translation>
    </message>
    <message>
        <source>status or apply.</source>
        <translation>status oder apply.</translation>
    </message>
    <message>
        <source>Name one action: status or apply.</source>
        <translation>Geben Sie eine Aktion an: status oder apply.</translation>
    </message>
    <message>
        <source>The action is &apos;status&apos; or &apos;apply&apos;.</source>
        <translation>Die Aktion ist „status“ oder „apply“.</translation>
    </message>
    <message>
        <source>Shows what the info file of a split file records: piece count, piece size,
total size, the three time stamps (UTC) and the attributes.</source>
        <translation>Zeigt, was die Infodatei einer aufgeteilten Datei verzeichnet: Anzahl der Teile,
Teilgröße, Gesamtgröße, die drei Zeitstempel (UTC) und die Attribute.</translation>
    </message>
    <message>
        <source>The info file.</source>
        <translation>Die Infodatei.</translation>
    </message>
    <message>
        <source>Name exactly one info file.</source>
        <translation>Geben Sie genau eine Infodatei an.</translation>
    </message>
    <message>
        <source>File:          %1
</source>
        <translation>Datei:            %1
</translation>
    </message>
    <message>
        <source>Pieces:        %1
</source>
        <translation>Teile:            %1
</translation>
    </message>
    <message>
        <source>Piece size:    %1
</source>
        <translation>Teilgröße:        %1
</translation>
    </message>
    <message>
        <source>Total size:    %1
</source>
        <translation>Gesamtgröße:      %1
</translation>
    </message>
    <message>
        <source>Created:       %1
</source>
        <translation>Erstellt:         %1
</translation>
    </message>
    <message>
        <source>Last written:  %1
</source>
        <translation>Zuletzt geändert: %1
</translation>
    </message>
    <message>
        <source>Last accessed: %1
</source>
        <translation>Letzter Zugriff:  %1
</translation>
    </message>
    <message>
        <source>Attributes:    %1
</source>
        <translation>Attribute:        %1
</translation>
    </message>
    <message>
        <source>Split each FILE into numbered pieces, with an info file and a batch file.</source>
        <translation>Jede FILE in nummerierte Teile aufteilen, mit Infodatei und Batchdatei.</translation>
    </message>
    <message>
        <source>Combine each SET of pieces (name.000 or name.001) back into its file.</source>
        <translation>Die Teile jedes SET (name.000 oder name.001) wieder zu seiner Datei zusammenfügen.</translation>
    </message>
    <message>
        <source>Append each FILE, in order, to the end of --to TARGET.</source>
        <translation>Jede FILE der Reihe nach an das Ende von --to TARGET anhängen.</translation>
    </message>
    <message>
        <source>Check each SET and its joined file against the checksum file NAME.sha256.</source>
        <translation>Jeden SET und seine zusammengefügte Datei mit der Prüfsummendatei NAME.sha256 prüfen.</translation>
    </message>
    <message>
        <source>Show what an info file (.000) records.</source>
        <translation>Zeigen, was eine Infodatei (.000) verzeichnet.</translation>
    </message>
    <message>
        <source>Show and change the stored settings, and choose their store.</source>
        <translation>Die gespeicherten Einstellungen zeigen, ändern und ihren Speicher wählen.</translation>
    </message>
    <message>
        <source>Show or apply TSL&apos;s desktop registration (status or apply).</source>
        <translation>Die Desktop-Registrierung von TSL zeigen oder anwenden (status oder apply).</translation>
    </message>
    <message>
        <source>Usage: tsl-cli COMMAND [options] [FILE...]

TSL moves large files in pieces.

Commands:
</source>
        <translation>Aufruf: tsl-cli COMMAND [Optionen] [FILE...]

TSL bewegt große Dateien in Teilen.

Befehle:
</translation>
    </message>
    <message>
        <source>
Run &apos;tsl-cli COMMAND --help&apos; for the options of a command.
Exit status: 0 when everything was done, 1 when something was skipped
or failed, 2 for bad usage (also a FILE, SET or folder that is not there),
130 when Ctrl-C or SIGTERM stopped it.
</source>
        <translation>
„tsl-cli COMMAND --help“ zeigt die Optionen eines Befehls.
Rückgabewert: 0, wenn alles erledigt wurde, 1, wenn etwas übersprungen wurde
oder fehlschlug, 2 bei falschem Aufruf (auch bei einer FILE, einem SET oder
Ordner, die nicht vorhanden sind), 130 bei Abbruch durch Strg-C oder SIGTERM.
</translation>
    </message>
    <message>
        <source>tsl-cli: unknown command &apos;%1&apos;

</source>
        <translation>tsl-cli: unbekannter Befehl „%1“

</translation>
    </message>
    <message>
        <source>Part size in bytes, %1..%2 (setting SplitSize); k, M, G count 1000s, KiB, MiB, GiB 1024s (2MiB); or a name (bytes): %3.</source>
        <translation>Teilgröße in Byte, %1..%2 (Einstellung SplitSize); k, M, G zählen in 1000ern, KiB, MiB, GiB in 1024ern (2MiB); oder ein Name (Byte): %3.</translation>
    </message>
    <message>
        <source>Cut each FILE into N pieces, %1..%2 (settings SplitMode 1 and SplitPieces): each FILE gets its own part size. The last piece may be smaller, and a very small FILE gives fewer than N pieces, never more.</source>
        <translation>Jede FILE in N Teile zerlegen, %1..%2 (Einstellungen SplitMode 1 und SplitPieces): Jede FILE erhält ihre eigene Teilgröße. Das letzte Teil kann kleiner sein, und eine sehr kleine FILE ergibt weniger als N Teile, nie mehr.</translation>
    </message>
    <message>
        <source>Output directory; default the directory of the FILEs.</source>
        <translation>Zielordner; Vorgabe ist der Ordner der FILEs.</translation>
    </message>
    <message>
        <source>Write only pieces FIRST to LAST of the one FILE (no info file, batch file or deletion).</source>
        <translation>Nur die Teile FIRST bis LAST der einen FILE schreiben (keine Infodatei, Batchdatei oder Löschung).</translation>
    </message>
    <message>
        <source>Name the pieces after an 8.3-style short name (setting SplitFileNames 1).</source>
        <translation>Die Teile nach einem Kurznamen im 8.3-Stil benennen (Einstellung SplitFileNames 1).</translation>
    </message>
    <message>
        <source>Write no info file (setting Split000 off).</source>
        <translation>Keine Infodatei schreiben (Einstellung Split000 aus).</translation>
    </message>
    <message>
        <source>Write no batch file (setting SplitBat off).</source>
        <translation>Keine Batchdatei schreiben (Einstellung SplitBat aus).</translation>
    </message>
    <message>
        <source>Delete each FILE after splitting it (setting SplitDelete on).</source>
        <translation>Jede FILE nach dem Aufteilen löschen (Einstellung SplitDelete an).</translation>
    </message>
    <message>
        <source>Keep each FILE, whatever SplitDelete says.</source>
        <translation>Jede FILE behalten, gleich was SplitDelete sagt.</translation>
    </message>
    <message>
        <source>Delete without overwriting first (setting WipeOnDel off).</source>
        <translation>Löschen, ohne zuvor zu überschreiben (Einstellung WipeOnDel aus).</translation>
    </message>
    <message>
        <source>When pieces of a FILE exist already: never overwrite, ask, always overwrite (setting PartsExist).</source>
        <translation>Wenn Teile einer FILE bereits vorhanden sind: nie überschreiben, fragen, immer überschreiben (Einstellung PartsExist).</translation>
    </message>
    <message>
        <source>The files to split.</source>
        <translation>Die aufzuteilenden Dateien.</translation>
    </message>
    <message>
        <source>--size and --pieces cannot be used together.</source>
        <translation>--size und --pieces können nicht zusammen verwendet werden.</translation>
    </message>
    <message>
        <source>a number of pieces</source>
        <translation>eine Anzahl Teile</translation>
    </message>
    <message>
        <source>--existing takes never, ask or always.</source>
        <translation>--existing nimmt never, ask oder always.</translation>
    </message>
    <message>
        <source>All FILEs must be in one directory (run tsl-cli once per directory).</source>
        <translation>Alle FILEs müssen in einem Ordner liegen (tsl-cli einmal je Ordner aufrufen).</translation>
    </message>
    <message>
        <source>--range takes FIRST-LAST, two piece numbers from 1 up.</source>
        <translation>--range nimmt FIRST-LAST, zwei Teilnummern ab 1.</translation>
    </message>
    <message>
        <source>--range: the first piece cannot be higher than the last.</source>
        <translation>--range: Das erste Teil darf nicht höher sein als das letzte.</translation>
    </message>
    <message>
        <source>--range works with one FILE only.</source>
        <translation>--range geht nur mit einer einzigen FILE.</translation>
    </message>
    <message>
        <source>%1 has %2 pieces of this size: --range must stay within 1-%2.</source>
        <translation>%1 hat %2 Teile dieser Größe: --range muss innerhalb von 1-%2 bleiben.</translation>
    </message>
    <message>
        <source>Name at least one FILE to split.</source>
        <translation>Geben Sie mindestens eine aufzuteilende FILE an.</translation>
    </message>
    <message>
        <source>[o]k / [c]ancel</source>
        <translation>[o] OK / [c] Abbrechen</translation>
    </message>
    <message>
        <source>[y]es / [n]o</source>
        <translation>[y] Ja / [n] Nein</translation>
    </message>
    <message>
        <source>[a]bort / [r]etry / [i]gnore</source>
        <translation>[a] Abbrechen / [r] Wiederholen / [i] Ignorieren</translation>
    </message>
    <message>
        <source>Checks each SET against its checksum file NAME.sha256 (the format of
sha256sum; a hand-made one will do): every piece the file has a line for,
found under any name combine accepts, and the joined file NAME when it is
there. SET is the checksum file, an info file or a piece of the set, or the
joined file.

Prints one line for each damaged, missing or unreadable file, then one line
for each SET: NAME: OK or NAME: FAILED, with the counts.
Pieces that are missing do not fail a SET whose joined file is there and
intact.

Exit status: 0 when every SET is intact, 1 when something differs, is missing
or cannot be read (or a SET has no checksum file), 2 bad usage, 130 stopped
by Ctrl-C.</source>
        <translation>Prüft jeden SET anhand seiner Prüfsummendatei NAME.sha256 (im Format von
sha256sum; eine von Hand erstellte genügt): jedes Teil, für das die Datei eine
Zeile hat, gefunden unter jedem Namen, den combine annimmt, und die
zusammengefügte Datei NAME, wenn sie vorhanden ist. SET ist die Prüfsummendatei,
eine Infodatei oder ein Teil des Satzes oder die zusammengefügte Datei.

Gibt eine Zeile für jede beschädigte, fehlende oder unlesbare Datei aus, dann
eine Zeile je SET: NAME: OK oder NAME: FAILED, mit den Anzahlen.
Fehlende Teile lassen einen SET nicht scheitern, dessen zusammengefügte Datei
vorhanden und unversehrt ist.

Rückgabewert: 0, wenn jeder SET unversehrt ist, 1, wenn etwas abweicht, fehlt
oder nicht gelesen werden kann (oder ein SET keine Prüfsummendatei hat), 2 bei
falschem Aufruf, 130 bei Abbruch durch Strg-C.</translation>
    </message>
    <message>
        <source>Files hashed at once, 1..%1 (default: the number of processors).</source>
        <translation>Gleichzeitig geprüfte Dateien, 1..%1 (Vorgabe: die Anzahl der Prozessoren).</translation>
    </message>
    <message>
        <source>Largest single read, 10000..10000000 bytes (setting ChunkSize).</source>
        <translation>Größter einzelner Lesevorgang, 10000..10000000 Byte (Einstellung ChunkSize).</translation>
    </message>
    <message>
        <source>Do not take name_ext.NNN and name.ext.NNN for pieces of name.ext (UnderPeriod off).</source>
        <translation>name_ext.NNN und name.ext.NNN nicht als Teile von name.ext ansehen (UnderPeriod aus).</translation>
    </message>
    <message>
        <source>A checksum file (name.sha256), an info file or piece of a set (name.000, name.001), or the joined file.</source>
        <translation>Eine Prüfsummendatei (name.sha256), eine Infodatei oder ein Teil eines Satzes (name.000, name.001) oder die zusammengefügte Datei.</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to %1.</source>
        <translation>--jobs nimmt eine Zahl von 1 bis %1.</translation>
    </message>
    <message>
        <source>no piece checksums</source>
        <translation>keine Prüfsummen der Teile</translation>
    </message>
    <message>
        <source>no checksum for the joined file</source>
        <translation>keine Prüfsumme für die zusammengefügte Datei</translation>
    </message>
    <message>
        <source>tsl-cli: %1: %2 improperly formatted line(s) left aside</source>
        <translation>tsl-cli: %1: %2 falsch formatierte Zeile(n) übergangen</translation>
    </message>
    <message>
        <source>Name at least one SET (name.sha256, name.000 or name.001).</source>
        <translation>Geben Sie mindestens einen SET an (name.sha256, name.000 oder name.001).</translation>
    </message>
    <message>
        <source>%1: no such file.</source>
        <translation>%1: Datei nicht vorhanden.</translation>
    </message>
    <message>
        <source>%1: not an ordinary file.</source>
        <translation>%1: keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>%1: a hidden file (its name starts with &quot;.&quot;), which TSL leaves alone.</source>
        <translation>%1: eine versteckte Datei (ihr Name beginnt mit „.“), die TSL nicht antastet.</translation>
    </message>
    <message>
        <source>%1 takes %2 from %3 to %4.</source>
        <extracomment>%1 an option, %2 what it takes (&quot;a number of bytes&quot;), %3 and %4 the bounds</extracomment>
        <translation>%1 nimmt %2 von %3 bis %4.</translation>
    </message>
    <message>
        <source>%1 (default %2): </source>
        <extracomment>%1 the answer letters (&quot;[y]es / [n]o&quot;), %2 the default answer</extracomment>
        <translation>%1 (Vorgabe %2): </translation>
    </message>
    <message>
        <source>=&gt; &quot;%1&quot; (default)</source>
        <translation>=&gt; „%1“ (Vorgabe)</translation>
    </message>
    <message>
        <source>[%1] (Enter keeps it, Ctrl-D cancels): </source>
        <translation>[%1] (Eingabetaste behält ihn, Strg-D bricht ab): </translation>
    </message>
    <message>
        <source>Combines each SET of pieces back into its file: finds the pieces (also as
name_ext.NNN and in the other numbering scheme), looks for extra pieces,
checks piece sizes, reports missing, extra and wrong-size pieces, joins the
pieces, restores the time stamps and the read-only attribute from the info
file, and deletes the pieces when asked to. Each option overrides the
setting of the same meaning.
Each file is written under a temporary name (.tsl-c...) in the output
directory, checked (its size, the pieces unchanged) and renamed to NAME only
when complete: an existing NAME stays as it was until then, and a result
known not to be whole never replaces it.
When the set&apos;s folder has NAME.sha256, every piece it has a line for is
checked before anything is written (a damaged one is listed among the
corrupt parts, by name) and the joined bytes against its line for NAME
before the commit; a set that fails the check is never deleted, and the
checksum file goes with a verified set that is deleted.
A set joined with a gap counts as failed and keeps its pieces. --keep keeps
the pieces whatever CombineDelete says. Without a terminal (and at the end
of input) overwriting an existing file is answered No unless --yes says so,
and a run-time error stops the run unless --on-error continue says so.
Ctrl-C (or SIGTERM) stops the run and removes the file being written; a
second Ctrl-C ends at once.
Exit status: 0 when every set was combined, 1 when a set was skipped or
cancelled or a run-time error was answered, 2 for bad usage, 130 stopped
by Ctrl-C.</source>
        <translation>Fügt die Teile jedes SET wieder zu seiner Datei zusammen: findet die Teile (auch
als name_ext.NNN und im anderen Nummernschema), sucht nach zusätzlichen Teilen,
prüft die Teilgrößen, meldet fehlende, zusätzliche und falsch große Teile, fügt
die Teile zusammen, stellt Zeitstempel und Schreibschutz aus der Infodatei wieder
her und löscht die Teile, wenn gewünscht. Jede Option übersteuert die Einstellung
gleicher Bedeutung.
Jede Datei wird unter einem temporären Namen (.tsl-c...) im Zielordner
geschrieben, geprüft (ihre Größe, die Teile unverändert) und erst fertig in NAME
umbenannt: Ein vorhandenes NAME bleibt bis dahin, wie es war, und ein Ergebnis,
das bekanntermaßen unvollständig ist, ersetzt es nie.
Liegt im Ordner des Satzes NAME.sha256, wird jedes Teil, für das sie eine Zeile
hat, geprüft, bevor etwas geschrieben wird (ein beschädigtes steht mit Namen
unter den beschädigten Teilen), und die zusammengefügten Bytes vor dem Übernehmen
gegen ihre Zeile für NAME; ein Satz, der die Prüfung nicht besteht, wird nie
gelöscht, und die Prüfsummendatei geht mit einem geprüften Satz, der gelöscht
wird. Ein mit Lücke
zusammengefügter Satz gilt als fehlgeschlagen und behält seine Teile. --keep
behält die Teile, gleich was CombineDelete sagt. Ohne Terminal (und am Ende der
Eingabe) wird das Überschreiben einer vorhandenen Datei mit Nein beantwortet,
sofern nicht --yes es sagt, und ein Laufzeitfehler hält den Lauf an, sofern
nicht --on-error continue es sagt. Strg-C (oder SIGTERM) hält den Lauf an und
entfernt die gerade geschriebene Datei; ein zweites Strg-C beendet sofort.
Rückgabewert: 0, wenn jeder Satz zusammengefügt wurde, 1, wenn ein Satz
übersprungen oder abgebrochen oder ein Laufzeitfehler beantwortet wurde, 2 bei
falschem Aufruf, 130 bei Abbruch durch Strg-C.</translation>
    </message>
    <message>
        <source>Splits each FILE into numbered pieces (FILE.001, FILE.002, ...; letters such as
FILE.00a above 999 pieces), with an info file (FILE.000) and a batch file
(FILE.bat) that rebuilds FILE, and a checksum file (FILE.sha256) that
sha256sum -c checks. All FILEs are in one directory.

Messages go to standard error; on a terminal the progress is one updating line.
Questions are asked when standard input and standard error are terminals. Else (and
at the end of input) overwriting existing pieces is answered No unless --yes or
--existing always says so, and a run-time error stops the run unless
--on-error continue says so; both question and answer are printed.
Ctrl-C (or SIGTERM) stops the run: the pieces of the file being split are
removed, files split before stay; a second Ctrl-C ends at once.
Each file is written under temporary names (.tsl-s...) and renamed into place
when all its pieces are written and checked; only then is anything deleted.
--keep keeps the FILEs whatever SplitDelete says.

Piece sizes that are a multiple of the file system&apos;s block size (4096 bytes on
most: 4MiB, 100MiB) split and combine almost instantly on XFS and btrfs, which
share the blocks of the pieces and the file instead of copying them.

With --pieces N each FILE gets the part size that cuts it into N pieces: its
length / N rounded up, and from 1 MiB on rounded up to whole 4096-byte blocks.
The info file records that size, as for any split. The last piece may be
smaller, and a very small FILE gives fewer than N pieces (never more); a FILE
whose pieces would hold less than the smallest part size is not split.

Exit status: 0 every file split, 1 a file skipped or a run-time error answered,
2 bad usage, 130 stopped by Ctrl-C.</source>
        <translation>Teilt jede FILE in nummerierte Teile auf (FILE.001, FILE.002, ...; über 999 Teilen
Buchstaben wie FILE.00a), mit einer Infodatei (FILE.000) und einer Batchdatei
(FILE.bat), die FILE wiederherstellt, und einer Prüfsummendatei (FILE.sha256),
die sha256sum -c prüft. Alle FILEs liegen in einem Ordner.

Meldungen gehen auf die Standardfehlerausgabe; auf einem Terminal ist der
Fortschritt eine sich aktualisierende Zeile. Gefragt wird, wenn Standardeingabe
und Standardfehlerausgabe Terminals sind. Sonst (und am Ende der Eingabe) wird
das Überschreiben vorhandener Teile mit Nein beantwortet, sofern nicht --yes
oder --existing always es sagen, und ein Laufzeitfehler hält den Lauf an, sofern
nicht --on-error continue es sagt; Frage und Antwort werden beide ausgegeben.
Strg-C (oder SIGTERM) hält den Lauf an: Die Teile der gerade aufgeteilten Datei
werden entfernt, zuvor aufgeteilte Dateien bleiben; ein zweites Strg-C beendet
sofort.
Jede Datei wird unter temporären Namen (.tsl-s...) geschrieben und an ihren Platz
umbenannt, wenn alle ihre Teile geschrieben und geprüft sind; erst dann wird
etwas gelöscht. --keep behält die FILEs, gleich was SplitDelete sagt.

Teilgrößen, die ein Vielfaches der Blockgröße des Dateisystems sind (meist 4096
Byte: 4MiB, 100MiB), werden auf XFS und btrfs fast sofort aufgeteilt und
zusammengefügt, da diese die Blöcke der Teile und der Datei gemeinsam nutzen,
statt sie zu kopieren.

Mit --pieces N erhält jede FILE die Teilgröße, die sie in N Teile zerlegt: ihre
Länge / N aufgerundet, ab 1 MiB auf ganze 4096-Byte-Blöcke aufgerundet. Die
Infodatei verzeichnet diese Größe wie bei jeder Aufteilung. Das letzte Teil kann
kleiner sein, und eine sehr kleine FILE ergibt weniger als N Teile (nie mehr);
eine FILE, deren Teile weniger als die kleinste Teilgröße enthielten, wird nicht
aufgeteilt.

Rückgabewert: 0, jede Datei aufgeteilt, 1, eine Datei übersprungen oder ein
Laufzeitfehler beantwortet, 2 bei falschem Aufruf, 130 bei Abbruch durch Strg-C.</translation>
    </message>
    <message>
        <source>Write the checksum file NAME.sha256 (setting Checksums on).</source>
        <translation>Die Prüfsummendatei NAME.sha256 schreiben (Einstellung Checksums an).</translation>
    </message>
    <message>
        <source>Write no checksum file (setting Checksums off).</source>
        <translation>Keine Prüfsummendatei schreiben (Einstellung Checksums aus).</translation>
    </message>
    <message>
        <source>--checksums and --no-checksums cannot be given together.</source>
        <translation>--checksums und --no-checksums können nicht zusammen angegeben werden.</translation>
    </message>
    <message numerus="yes">
        <source>Appended %1 of %n files (%2 bytes) to %3; deleted %4.</source>
        <extracomment>%1 the files appended, %n the files given, %2 the bytes, %3 the target</extracomment>
        <translation>
            <numerusform>%1 von %n Datei (%2 Byte) an %3 angehängt; %4 gelöscht.</numerusform>
            <numerusform>%1 von %n Dateien (%2 Byte) an %3 angehängt; %4 gelöscht.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Appended %1 of %n files (%2 bytes) to %3.</source>
        <translation>
            <numerusform>%1 von %n Datei (%2 Byte) an %3 angehängt.</numerusform>
            <numerusform>%1 von %n Dateien (%2 Byte) an %3 angehängt.</numerusform>
        </translation>
    </message>
    <message>
        <source>--to names a directory: %1</source>
        <translation>--to bezeichnet einen Ordner: %1</translation>
    </message>
    <message>
        <source>=&gt; %1 (--piece-size)</source>
        <translation>=&gt; %1 (--piece-size)</translation>
    </message>
    <message>
        <source>--%1 takes %2 or %3.</source>
        <extracomment>%1 an option&apos;s name, %2 and %3 the words it takes (&quot;never, ask&quot;, &quot;always&quot;)</extracomment>
        <translation>--%1 erwartet %2 oder %3.</translation>
    </message>
    <message>
        <source>%1: no such directory.</source>
        <translation>%1: Ordner nicht vorhanden.</translation>
    </message>
    <message>
        <source>, stored &quot;%1&quot;</source>
        <translation>, gespeichert „%1“</translation>
    </message>
    <message>
        <source>ini: %1</source>
        <translation>ini: %1</translation>
    </message>
    <message>
        <source>registry: %1 (machine-wide fallback: %2)</source>
        <translation>registry: %1 (systemweite Rückfallebene: %2)</translation>
    </message>
    <message>
        <source>tsl-cli: unknown key &apos;%1&apos;. Known keys:
  %2
</source>
        <translation>tsl-cli: unbekannter Schlüssel „%1“. Bekannte Schlüssel:
  %2
</translation>
    </message>
    <message>
        <source>%1 cannot hold &quot;%2&quot;: it is no text it takes. Nothing was written.</source>
        <translation>%1 kann „%2“ nicht aufnehmen: Das ist kein zulässiger Text. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1 cannot hold &quot;%2&quot;: it is no number it takes. Nothing was written.</source>
        <translation>%1 kann „%2“ nicht aufnehmen: Das ist keine zulässige Zahl. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1 %2 is out of its range: it would load as %3. Nothing was written.</source>
        <translation>%1 %2 liegt außerhalb des Bereichs: Beim Laden würde daraus %3. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>tsl-cli: could not write %1 to %2</source>
        <translation>tsl-cli: %1 konnte nicht in %2 geschrieben werden</translation>
    </message>
    <message>
        <source>%1 = %2  (recorded only)</source>
        <translation>%1 = %2  (nur vermerkt)</translation>
    </message>
    <message>
        <source>tsl-cli: the settings could not be moved to %1; the store in use is %2</source>
        <translation>tsl-cli: Die Einstellungen konnten nicht nach %1 verschoben werden; verwendet wird der Speicher %2</translation>
    </message>
    <message>
        <source>Wrong number of words for &apos;%1&apos;.</source>
        <translation>Falsche Anzahl Wörter für „%1“.</translation>
    </message>
    <message>
        <source>registered</source>
        <translation>registriert</translation>
    </message>
    <message>
        <source>Settings: CombineAssoc %1, AssocSplit %2, AssocSendTo %3</source>
        <translation>Einstellungen: CombineAssoc %1, AssocSplit %2, AssocSendTo %3</translation>
    </message>
    <message>
        <source>Program: %1</source>
        <translation>Programm: %1</translation>
    </message>
    <message>
        <source>A file named name.000 is: %1 (%2)</source>
        <translation>Eine Datei namens name.000 ist: %1 (%2)</translation>
    </message>
    <message>
        <source>Changed %1</source>
        <translation>Geändert: %1</translation>
    </message>
    <message>
        <source>%1: (Bad .000 file)</source>
        <translation>%1: (Fehlerhafte .000-Datei)</translation>
    </message>
    <message>
        <source>a name (%1) or a number of bytes (k, M, G count 1000s, KiB, MiB, GiB 1024s)</source>
        <extracomment>%1 the names of the common sizes (&quot;floppy, email, ...&quot;)</extracomment>
        <translation>einen Namen (%1) oder eine Anzahl Byte (k, M, G zählen in 1000ern, KiB, MiB, GiB in 1024ern)</translation>
    </message>
    <message>
        <source>=&gt; %1 (--yes)</source>
        <extracomment>%1 the answer given (&quot;Yes&quot;, &quot;No&quot;)</extracomment>
        <translation>=&gt; %1 (--yes)</translation>
    </message>
    <message>
        <source>=&gt; %1 (--no)</source>
        <translation>=&gt; %1 (--no)</translation>
    </message>
    <message>
        <source>=&gt; %1 (nobody to ask: keeps the files as they are)</source>
        <translation>=&gt; %1 (niemand da, der antworten kann: Die Dateien bleiben, wie sie sind)</translation>
    </message>
    <message>
        <source>=&gt; %1 (default)</source>
        <translation>=&gt; %1 (Vorgabe)</translation>
    </message>
    <message>
        <source>=&gt; %1 (--on-error continue)</source>
        <translation>=&gt; %1 (--on-error continue)</translation>
    </message>
    <message>
        <source>=&gt; %1 (--on-error stop)</source>
        <translation>=&gt; %1 (--on-error stop)</translation>
    </message>
    <message>
        <source>%1: damaged (checksum differs)</source>
        <translation>%1: beschädigt (Prüfsumme weicht ab)</translation>
    </message>
    <message>
        <source>%1: missing</source>
        <translation>%1: fehlt</translation>
    </message>
    <message>
        <source>%1: unreadable (%2)</source>
        <translation>%1: unlesbar (%2)</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n pieces intact</source>
        <translation>
            <numerusform>%1 von %n Teil unversehrt</numerusform>
            <numerusform>%1 von %n Teilen unversehrt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n damaged</source>
        <translation>
            <numerusform>%n beschädigt</numerusform>
            <numerusform>%n beschädigt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n missing</source>
        <translation>
            <numerusform>%n fehlt</numerusform>
            <numerusform>%n fehlen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unreadable</source>
        <translation>
            <numerusform>%n unlesbar</numerusform>
            <numerusform>%n unlesbar</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 intact</source>
        <translation>%1 unversehrt</translation>
    </message>
    <message>
        <source>%1 damaged</source>
        <translation>%1 beschädigt</translation>
    </message>
    <message>
        <source>%1 not joined yet</source>
        <translation>%1 noch nicht zusammengefügt</translation>
    </message>
    <message>
        <source>%1 unreadable</source>
        <translation>%1 unlesbar</translation>
    </message>
    <message>
        <source>%1: OK (%2)</source>
        <translation>%1: OK (%2)</translation>
    </message>
    <message>
        <source>%1: FAILED (%2)</source>
        <translation>%1: FAILED (%2)</translation>
    </message>
    <message>
        <source>%1 has no line for %2 or its pieces</source>
        <translation>%1 hat keine Zeile für %2 oder seine Teile</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>%1: FAILED (no checksum file %2)</source>
        <translation>%1: FAILED (keine Prüfsummendatei %2)</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>read-only</source>
        <translation>schreibgeschützt</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>versteckt</translation>
    </message>
    <message>
        <source>system</source>
        <translation>System</translation>
    </message>
    <message>
        <source>archive</source>
        <translation>Archiv</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 the attribute bits as a number, %2 their names (&quot;read-only, archive&quot;)</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>tsl-cli: %1
Try &apos;tsl-cli %2 --help&apos;.
</source>
        <extracomment>%1 what was wrong, %2 the command given (split, combine, ...)</extracomment>
        <translation>tsl-cli: %1
„tsl-cli %2 --help“ zeigt die Optionen.
</translation>
    </message>
</context>
<context>
    <name>Combine</name>
    <message>
        <source>Nothing was combined: %1</source>
        <translation>Es wurde nichts zusammengefügt: %1</translation>
    </message>
    <message>
        <source>This .000 file is probably messed up.</source>
        <translation>Diese .000-Datei ist vermutlich beschädigt.</translation>
    </message>
    <message>
        <source>Click the Retry button to try to read the file again.</source>
        <translation>Klicken Sie auf „Wiederholen“, um die Datei erneut zu lesen.</translation>
    </message>
    <message>
        <source>Click the Ignore button if you want to combine files anyway.</source>
        <translation>Klicken Sie auf „Ignorieren“, um die Dateien trotzdem zusammenzufügen.</translation>
    </message>
    <message>
        <source>Click the Abort button to skip this file set.</source>
        <translation>Klicken Sie auf „Abbrechen“, um diesen Dateisatz zu überspringen.</translation>
    </message>
    <message>
        <source>This file is missing, so the file set will be skipped.</source>
        <translation>Diese Datei fehlt, daher wird der Dateisatz übersprungen.</translation>
    </message>
    <message>
        <source>%1 is missing the following part:</source>
        <translation>Bei %1 fehlt das folgende Teil:</translation>
    </message>
    <message>
        <source>%1 is missing the following parts:</source>
        <translation>Bei %1 fehlen die folgenden Teile:</translation>
    </message>
    <message>
        <source>Do you want to combine the existing parts?</source>
        <translation>Möchten Sie die vorhandenen Teile zusammenfügen?</translation>
    </message>
    <message>
        <source>The following extra part to %1 was found:</source>
        <translation>Das folgende zusätzliche Teil von %1 wurde gefunden:</translation>
    </message>
    <message>
        <source>The following extra parts to %1 were found:</source>
        <translation>Die folgenden zusätzlichen Teile von %1 wurden gefunden:</translation>
    </message>
    <message>
        <source>Do you want to combine this one also?</source>
        <translation>Möchten Sie es ebenfalls zusammenfügen?</translation>
    </message>
    <message>
        <source>Do you want to combine these also?</source>
        <translation>Möchten Sie diese ebenfalls zusammenfügen?</translation>
    </message>
    <message>
        <source>Missing parts of %1:</source>
        <translation>Fehlende Teile von %1:</translation>
    </message>
    <message>
        <source>Extra parts of %1:</source>
        <translation>Zusätzliche Teile von %1:</translation>
    </message>
    <message>
        <source>Corrupt parts of %1:</source>
        <translation>Beschädigte Teile von %1:</translation>
    </message>
    <message>
        <source>Saved the list to %1</source>
        <translation>Liste gespeichert unter %1</translation>
    </message>
    <message>
        <source>%1 (error %2)</source>
        <translation>%1 (Fehler %2)</translation>
    </message>
    <message>
        <source>Searching for extra part %1 - %2% complete</source>
        <translation>Suche nach zusätzlichem Teil %1 – %2% erledigt</translation>
    </message>
    <message>
        <source>Searching for part %1 - %2% complete</source>
        <translation>Suche nach Teil %1 – %2% erledigt</translation>
    </message>
    <message>
        <source>y / n: </source>
        <translation>y (ja) / n (nein): </translation>
    </message>
    <message>
        <source>The list was not saved.</source>
        <translation>Die Liste wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>end of input</source>
        <translation>Ende der Eingabe</translation>
    </message>
    <message>
        <source>--report-answer skip: no next set to skip to</source>
        <translation>--report-answer skip: kein nächster Satz, zu dem gesprungen werden kann</translation>
    </message>
    <message>
        <source>no terminal to ask</source>
        <translation>kein Terminal für eine Rückfrage</translation>
    </message>
    <message>
        <source>Skipped %1: part %2 lies past the highest part searched.</source>
        <translation>%1 übersprungen: Teil %2 liegt jenseits des höchsten gesuchten Teils.</translation>
    </message>
    <message>
        <source>%1% complete (%2 of %3 parts read - %4)</source>
        <translation>%1% erledigt (%2 von %3 Teilen gelesen – %4)</translation>
    </message>
    <message>
        <source>%1% complete</source>
        <translation>%1% erledigt</translation>
    </message>
    <message>
        <source>Part %1 is missing. Continue with the next piece?</source>
        <translation>Teil %1 fehlt. Mit dem nächsten Teil fortfahren?</translation>
    </message>
    <message>
        <source>%1: that file is also read by this run.</source>
        <translation>%1: Diese Datei wird in diesem Lauf auch gelesen.</translation>
    </message>
    <message>
        <source>%1 was not combined: %2</source>
        <translation>%1 wurde nicht zusammengefügt: %2</translation>
    </message>
    <message>
        <source>Nothing was written for it, and its parts were kept.</source>
        <translation>Dafür wurde nichts geschrieben, und seine Teile wurden behalten.</translation>
    </message>
    <message>
        <source>%1: the file is gone since the set was checked.</source>
        <translation>%1: Die Datei ist seit der Prüfung des Satzes verschwunden.</translation>
    </message>
    <message>
        <source>none of its parts was found.</source>
        <translation>Keines seiner Teile wurde gefunden.</translation>
    </message>
    <message>
        <source>%1 bytes were joined, but its info file records %2 bytes; the existing %3 was kept.</source>
        <translation>%1 Byte wurden zusammengefügt, aber die Infodatei verzeichnet %2 Byte; die vorhandene Datei %3 wurde behalten.</translation>
    </message>
    <message>
        <source>Deleting combined parts...</source>
        <translation>Zusammengefügte Teile werden gelöscht...</translation>
    </message>
    <message>
        <source>The wipe of the parts of %1 was stopped; their data is safe in %2.</source>
        <translation>Das Überschreiben der Teile von %1 wurde abgebrochen; ihre Daten sind in %2 sicher.</translation>
    </message>
    <message>
        <source>%1 was written, but it is not the whole file: its parts were kept.</source>
        <translation>%1 wurde geschrieben, ist aber nicht die ganze Datei: Die Teile wurden behalten.</translation>
    </message>
    <message>
        <source>Processed %1</source>
        <translation>%1 verarbeitet</translation>
    </message>
    <message>
        <source>The parts of %1 were kept: an earlier answer or error switched deleting off.</source>
        <translation>Die Teile von %1 wurden behalten: Eine frühere Antwort oder ein Fehler hat das Löschen abgeschaltet.</translation>
    </message>
    <message>
        <source>%1 is not a file name. Please try again.</source>
        <translation>%1 ist kein Dateiname. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>%1 exists, too. Please try again.</source>
        <translation>%1 ist ebenfalls vorhanden. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>%1 is a read-only file.</source>
        <translation>%1 ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>Do you want to overwrite it anyway?</source>
        <translation>Möchten Sie die Datei trotzdem überschreiben?</translation>
    </message>
    <message>
        <source>%1 goes on past the highest part searched (%2); this part was found after it:</source>
        <translation>%1 reicht über das höchste gesuchte Teil (%2) hinaus; dieses Teil wurde danach gefunden:</translation>
    </message>
    <message>
        <source>Raise the highest part number to combine the whole set. The parts are kept.</source>
        <translation>Erhöhen Sie die höchste Teilnummer, um den ganzen Satz zusammenzufügen. Die Teile werden behalten.</translation>
    </message>
    <message>
        <source>%1 goes on past the highest part searched (%2): part %3 exists. The file was joined from the parts found; the parts are kept.</source>
        <translation>%1 reicht über das höchste gesuchte Teil (%2) hinaus: Teil %3 ist vorhanden. Die Datei wurde aus den gefundenen Teilen zusammengefügt; die Teile werden behalten.</translation>
    </message>
    <message>
        <source>%1 was written with %2 bytes, but its info file records %3 bytes.</source>
        <translation>%1 wurde mit %2 Byte geschrieben, aber die Infodatei verzeichnet %3 Byte.</translation>
    </message>
    <message>
        <source>The file is not the original: its parts, info file and batch file are kept.</source>
        <translation>Die Datei ist nicht das Original: Teile, Infodatei und Batchdatei werden behalten.</translation>
    </message>
    <message>
        <source>Skipped %1: %2 part is missing (%3).</source>
        <translation>%1 übersprungen: %2 Teil fehlt (%3).</translation>
    </message>
    <message>
        <source>Skipped %1: %2 parts are missing (%3).</source>
        <translation>%1 übersprungen: %2 Teile fehlen (%3).</translation>
    </message>
    <message>
        <source>Checking file size for part %1 - %2% complete</source>
        <translation>Dateigröße von Teil %1 wird geprüft – %2% erledigt</translation>
    </message>
    <message>
        <source>Corrupted Parts:</source>
        <translation>Beschädigte Teile:</translation>
    </message>
    <message>
        <source>These parts of %1 are the wrong size.</source>
        <translation>Diese Teile von %1 haben die falsche Größe.</translation>
    </message>
    <message>
        <source>This part of %1 is the wrong size.</source>
        <translation>Dieses Teil von %1 hat die falsche Größe.</translation>
    </message>
    <message>
        <source>Checking %1: %2 of %3 files, %4% complete</source>
        <translation>%1 wird geprüft: %2 von %3 Dateien, %4% erledigt</translation>
    </message>
    <message>
        <source>Missing Parts...</source>
        <translation>Fehlende Teile...</translation>
    </message>
    <message>
        <source>Copy the list of missing parts to the clipboard</source>
        <translation>Liste der fehlenden Teile in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Save the list of missing parts to a file</source>
        <translation>Liste der fehlenden Teile in eine Datei speichern</translation>
    </message>
    <message>
        <source>Extra Parts...</source>
        <translation>Zusätzliche Teile...</translation>
    </message>
    <message>
        <source>Copy the list of extra parts to the clipboard</source>
        <translation>Liste der zusätzlichen Teile in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Save the list of extra parts to a file</source>
        <translation>Liste der zusätzlichen Teile in eine Datei speichern</translation>
    </message>
    <message>
        <source>In&amp;clude Extra Parts</source>
        <translation>Zusätzliche Teile &amp;einbeziehen</translation>
    </message>
    <message>
        <source>E&amp;xclude Extra Parts</source>
        <translation>Zusätzliche Teile &amp;weglassen</translation>
    </message>
    <message>
        <source>Corrupt Parts...</source>
        <translation>Beschädigte Teile...</translation>
    </message>
    <message>
        <source>Copy the list of corrupt parts to the clipboard</source>
        <translation>Liste der beschädigten Teile in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Save the list of corrupt parts to a file</source>
        <translation>Liste der beschädigten Teile in eine Datei speichern</translation>
    </message>
    <message>
        <source>In&amp;clude Corrupt Parts</source>
        <translation>Beschädigte Teile &amp;einbeziehen</translation>
    </message>
    <message>
        <source>E&amp;xclude Corrupt Parts</source>
        <translation>Beschädigte Teile &amp;weglassen</translation>
    </message>
    <message>
        <source>&amp;Skip to Next File Set</source>
        <translation>Zum &amp;nächsten Dateisatz springen</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Copy &amp;List</source>
        <translation>Liste &amp;kopieren</translation>
    </message>
    <message>
        <source>Sa&amp;ve List</source>
        <translation>Liste &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Combine Existing Parts</source>
        <translation>&amp;Vorhandene Teile zusammenfügen</translation>
    </message>
    <message>
        <source>Combine to First &amp;Gap</source>
        <translation>Bis zur ersten &amp;Lücke zusammenfügen</translation>
    </message>
    <message>
        <source>Combine to &amp;Gap</source>
        <translation>Bis zur &amp;Lücke zusammenfügen</translation>
    </message>
    <message>
        <source>Checking piece %1 of %2...</source>
        <translation>Prüfe Teil %1 von %2...</translation>
    </message>
    <message>
        <source>%1 could not be read (%2): the parts of %3 were not checked against it.</source>
        <translation>%1 konnte nicht gelesen werden (%2): Die Teile von %3 wurden nicht damit geprüft.</translation>
    </message>
    <message>
        <source>%1 has no line for %2 or its parts: they were not checked against it.</source>
        <translation>%1 hat keine Zeile für %2 oder seine Teile: Sie wurden nicht damit geprüft.</translation>
    </message>
    <message>
        <source>the joined file does not match its checksum in %1.</source>
        <translation>Die zusammengefügte Datei stimmt nicht mit ihrer Prüfsumme in %1 überein.</translation>
    </message>
    <message>
        <source>Part %1 -- %2: damaged (checksum differs)</source>
        <translation>Teil %1 -- %2: beschädigt (Prüfsumme weicht ab)</translation>
    </message>
    <message>
        <source>These parts of %1 differ from their checksums in %1.sha256.</source>
        <translation>Diese Teile von %1 weichen von ihren Prüfsummen in %1.sha256 ab.</translation>
    </message>
    <message>
        <source>This part of %1 differs from its checksum in %1.sha256.</source>
        <translation>Dieses Teil von %1 weicht von seiner Prüfsumme in %1.sha256 ab.</translation>
    </message>
    <message>
        <source>%1
exists already. Do you want to replace it?</source>
        <translation>%1
ist bereits vorhanden. Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>The list could not be saved to
%1</source>
        <translation>Die Liste konnte nicht gespeichert werden unter
%1</translation>
    </message>
    <message>
        <source>Enter the part size (in bytes) for the
segments of %1. Click the Cancel button
to skip the part size check.</source>
        <translation>Geben Sie die Teilgröße (in Byte) für die
Teile von %1 ein. Klicken Sie auf „Abbrechen“,
um die Prüfung der Teilgröße auszulassen.</translation>
    </message>
    <message>
        <source>%1% complete (%2)</source>
        <translation>%1% erledigt (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n file set combined</source>
        <translation>
            <numerusform>%1 von %n Dateisatz zusammengefügt</numerusform>
            <numerusform>%1 von %n Dateisätzen zusammengefügt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n file sets combined</source>
        <translation>
            <numerusform>%1 von %n Dateisatz zusammengefügt</numerusform>
            <numerusform>%1 von %n Dateisätzen zusammengefügt</numerusform>
        </translation>
    </message>
    <message>
        <source>Enter a new filename for
%1.</source>
        <translation>Geben Sie einen neuen Dateinamen ein für
%1.</translation>
    </message>
    <message>
        <source>Do you want to overwrite the existing file
%1?</source>
        <translation>Möchten Sie die vorhandene Datei
%1 überschreiben?</translation>
    </message>
    <message>
        <source>Part %1 -- This might not be the correct &apos;last part&apos; for this movie.</source>
        <translation>Teil %1 -- Dies ist möglicherweise nicht das richtige „letzte Teil“ dieses Films.</translation>
    </message>
    <message>
        <source>Part %1 -- %2 missing bytes</source>
        <translation>Teil %1 -- %2 Byte fehlen</translation>
    </message>
    <message>
        <source>Part %1 -- %2 extra bytes</source>
        <translation>Teil %1 -- %2 Byte zu viel</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Info file type (*.000)</source>
        <translation>Dateityp Infodatei (*.000)</translation>
    </message>
    <message>
        <source>Open .000 files with TSL</source>
        <translation>.000-Dateien mit TSL öffnen</translation>
    </message>
    <message>
        <source>Default for .000 files</source>
        <translation>Standard für .000-Dateien</translation>
    </message>
    <message>
        <source>Split (Open With)</source>
        <translation>Aufteilen („Öffnen mit“)</translation>
    </message>
    <message>
        <source>Split (KDE menu)</source>
        <translation>Aufteilen (KDE-Menü)</translation>
    </message>
    <message>
        <source>Send to (Thunar)</source>
        <translation>Senden an (Thunar)</translation>
    </message>
    <message>
        <source>Send to (Nautilus scripts)</source>
        <translation>Senden an (Nautilus-Skripte)</translation>
    </message>
    <message>
        <source>Send to (KDE menu)</source>
        <translation>Senden an (KDE-Menü)</translation>
    </message>
    <message>
        <source>%1: the program&apos;s path cannot stand in a desktop entry</source>
        <translation>%1: Der Pfad des Programms kann nicht in einem Desktop-Eintrag stehen</translation>
    </message>
    <message>
        <source>TSL could not bring its desktop registration up to date:</source>
        <translation>TSL konnte seine Desktop-Registrierung nicht aktualisieren:</translation>
    </message>
    <message>
        <source>TSL works as before; only the file manager&apos;s entries for TSL may be missing or out of date.</source>
        <translation>TSL funktioniert wie bisher; nur die Einträge für TSL im Dateimanager fehlen womöglich oder sind veraltet.</translation>
    </message>
    <message>
        <source>its folder could not be made</source>
        <translation>ihr Ordner konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>a file that TSL did not write is there; it was left alone</source>
        <translation>dort liegt eine Datei, die nicht von TSL stammt; sie wurde nicht angetastet</translation>
    </message>
    <message>
        <source>it could not be made executable</source>
        <translation>sie konnte nicht ausführbar gemacht werden</translation>
    </message>
    <message>
        <source>it could not be read</source>
        <translation>sie konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1: %2 failed</source>
        <extracomment>%1 a folder, %2 the tool run on it (update-mime-database), %3 what the tool said</extracomment>
        <translation>%1: %2 ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>%1: %2 failed (%3)</source>
        <translation>%1: %2 ist fehlgeschlagen (%3)</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorieren</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Ungültiger Prozeduraufruf oder ungültiges Argument</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Speicher</translation>
    </message>
    <message>
        <source>Bad file name or number</source>
        <translation>Ungültiger Dateiname oder ungültige Dateinummer</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>File already open</source>
        <translation>Datei bereits geöffnet</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>E/A-Fehler des Geräts</translation>
    </message>
    <message>
        <source>File already exists</source>
        <translation>Datei bereits vorhanden</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Datenträger voll</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>Lesen über das Dateiende hinaus</translation>
    </message>
    <message>
        <source>Too many files</source>
        <translation>Zu viele Dateien</translation>
    </message>
    <message>
        <source>Device unavailable</source>
        <translation>Gerät nicht verfügbar</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>Disk not ready</source>
        <translation>Datenträger nicht bereit</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Pfad nicht gefunden</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Ungültiger Eigenschaftswert</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Anwendungs- oder objektdefinierter Fehler</translation>
    </message>
    <message>
        <source>use</source>
        <comment>cannot ...</comment>
        <translation>verwenden</translation>
    </message>
    <message>
        <source>open</source>
        <comment>cannot ...</comment>
        <translation>öffnen</translation>
    </message>
    <message>
        <source>create</source>
        <comment>cannot ...</comment>
        <translation>anlegen</translation>
    </message>
    <message>
        <source>read</source>
        <comment>cannot ...</comment>
        <translation>lesen</translation>
    </message>
    <message>
        <source>write</source>
        <comment>cannot ...</comment>
        <translation>schreiben</translation>
    </message>
    <message>
        <source>flush</source>
        <comment>cannot ...</comment>
        <translation>leeren</translation>
    </message>
    <message>
        <source>close</source>
        <comment>cannot ...</comment>
        <translation>schließen</translation>
    </message>
    <message>
        <source>delete</source>
        <comment>cannot ...</comment>
        <translation>löschen</translation>
    </message>
    <message>
        <source>rename</source>
        <comment>cannot ...</comment>
        <translation>umbenennen</translation>
    </message>
    <message>
        <source>truncate</source>
        <comment>cannot ...</comment>
        <translation>kürzen</translation>
    </message>
    <message>
        <source>%1 (run-time error %2)</source>
        <translation>%1 (Laufzeitfehler %2)</translation>
    </message>
    <message>
        <source>cannot %1 %2: %3</source>
        <extracomment>%1 is a verb such as &quot;open&quot;, %2 the file, %3 the reason</extracomment>
        <translation>%2 lässt sich nicht %1: %3</translation>
    </message>
    <message>
        <source>Runtime Error: %1</source>
        <translation>Laufzeitfehler: %1</translation>
    </message>
    <message>
        <source>Procedure: %1.Shit</source>
        <translation>Prozedur: %1.Shit</translation>
    </message>
    <message>
        <source>Do you want the program to try to continue?</source>
        <translation>Soll das Programm versuchen fortzufahren?</translation>
    </message>
    <message>
        <source>(Click NO to close the program.)</source>
        <translation>(Klicken Sie auf NEIN, um das Programm zu beenden.)</translation>
    </message>
    <message>
        <source>1 byte</source>
        <translation>1 Byte</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Byte</translation>
    </message>
    <message>
        <source>%1: the folder does not exist.</source>
        <translation>%1: Der Ordner ist nicht vorhanden.</translation>
    </message>
    <message>
        <source>%1: this is no folder.</source>
        <translation>%1: Dies ist kein Ordner.</translation>
    </message>
    <message>
        <source>%1: the folder cannot be written to.</source>
        <translation>%1: In den Ordner kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>%1: the name is %2 long; this file system allows %3.</source>
        <translation>%1: Der Name ist %2 lang; dieses Dateisystem erlaubt %3.</translation>
    </message>
    <message>
        <source>%1: a folder has that name.</source>
        <translation>%1: Ein Ordner trägt diesen Namen.</translation>
    </message>
    <message>
        <source>%1: a file of that name is there already.</source>
        <translation>%1: Eine Datei dieses Namens ist bereits vorhanden.</translation>
    </message>
    <message>
        <source>%1: the file is read-only.</source>
        <translation>%1: Die Datei ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>%1: that file is also read by this run.</source>
        <translation>%1: Diese Datei wird in diesem Lauf auch gelesen.</translation>
    </message>
    <message>
        <source>%1: this run would write two files of that name.</source>
        <translation>%1: Dieser Lauf würde zwei Dateien dieses Namens schreiben.</translation>
    </message>
    <message>
        <source>%1: the file changed while it was read.</source>
        <translation>%1: Die Datei wurde während des Lesens verändert.</translation>
    </message>
    <message>
        <source>%1: was not written.</source>
        <translation>%1: wurde nicht geschrieben.</translation>
    </message>
    <message>
        <source>%1: %2 were written where %3 were planned.</source>
        <translation>%1: %2 wurden geschrieben, geplant waren %3.</translation>
    </message>
    <message>
        <source>%1: it does not hold %2 as planned.</source>
        <translation>%1: Die Datei enthält nicht wie geplant %2.</translation>
    </message>
    <message>
        <source>removed %1</source>
        <translation>%1 entfernt</translation>
    </message>
    <message>
        <source>could not remove %1</source>
        <translation>%1 konnte nicht entfernt werden</translation>
    </message>
    <message>
        <source>cut %1 back to %2</source>
        <translation>%1 auf %2 zurückgekürzt</translation>
    </message>
    <message>
        <source>could not cut %1 back</source>
        <translation>%1 konnte nicht zurückgekürzt werden</translation>
    </message>
    <message>
        <source>%1: two files of this run would use this name.</source>
        <translation>%1: Zwei Dateien dieses Laufs würden diesen Namen verwenden.</translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <translation>
            <numerusform>%n übersprungen</numerusform>
            <numerusform>%n übersprungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n fehlgeschlagen</numerusform>
            <numerusform>%n fehlgeschlagen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The drive you specified (%1) for the %2 does not exist.</source>
        <translation>Das angegebene Laufwerk (%1) für den %2 ist nicht vorhanden.</translation>
    </message>
    <message>
        <source>TSL will default to &apos;%1&apos;.</source>
        <translation>TSL verwendet stattdessen „%1“.</translation>
    </message>
    <message>
        <source>There is no disk in drive %1.</source>
        <translation>In Laufwerk %1 ist kein Datenträger.</translation>
    </message>
    <message>
        <source>Do you want the program to create it?</source>
        <translation>Soll das Programm ihn anlegen?</translation>
    </message>
    <message>
        <source>There was an error (76) creating %1.</source>
        <translation>Beim Anlegen von %1 ist ein Fehler (76) aufgetreten.</translation>
    </message>
    <message>
        <source>%1 - %2 (%3 bytes)</source>
        <translation>%1 - %2 (%3 Byte)</translation>
    </message>
    <message>
        <source>Choose the initial Combine folder</source>
        <translation>Anfangsordner für „Zusammenfügen“ wählen</translation>
    </message>
    <message>
        <source>Choose the initial Split folder</source>
        <translation>Anfangsordner für „Aufteilen“ wählen</translation>
    </message>
    <message>
        <source>Choose the initial Append folder</source>
        <translation>Anfangsordner für „Anhängen“ wählen</translation>
    </message>
    <message>
        <source>The number of pieces takes a whole number from %1 to %2.</source>
        <translation>Die Anzahl der Teile muss eine ganze Zahl von %1 bis %2 sein.</translation>
    </message>
    <message>
        <source>Display About dialog...</source>
        <translation>Info-Dialog anzeigen...</translation>
    </message>
    <message>
        <source>Set program options...</source>
        <translation>Programmoptionen einstellen...</translation>
    </message>
    <message>
        <source>Close program.</source>
        <translation>Programm schließen.</translation>
    </message>
    <message>
        <source>Browse for file(s)...</source>
        <translation>Datei(en) suchen...</translation>
    </message>
    <message>
        <source>Browse for directory...</source>
        <translation>Ordner suchen...</translation>
    </message>
    <message>
        <source>Leave these values at 0 if you want to split a file the &quot;normal&quot; way.</source>
        <translation>Diese Werte auf 0 lassen, um eine Datei „normal“ aufzuteilen.</translation>
    </message>
    <message>
        <source>Combine files.</source>
        <translation>Dateien zusammenfügen.</translation>
    </message>
    <message>
        <source>Split files.</source>
        <translation>Dateien aufteilen.</translation>
    </message>
    <message>
        <source>Click to increase the font size in the file lists.</source>
        <translation>Klicken, um die Schrift in den Dateilisten zu vergrößern.</translation>
    </message>
    <message>
        <source>Click to decrease the font size in the file lists.</source>
        <translation>Klicken, um die Schrift in den Dateilisten zu verkleinern.</translation>
    </message>
    <message>
        <source>Click to move the selected file down in the append order.</source>
        <translation>Klicken, um die ausgewählte Datei in der Reihenfolge nach unten zu schieben.</translation>
    </message>
    <message>
        <source>Click to remove all files from list.</source>
        <translation>Klicken, um alle Dateien aus der Liste zu entfernen.</translation>
    </message>
    <message>
        <source>Click to remove selected file(s) from list.</source>
        <translation>Klicken, um die ausgewählten Dateien aus der Liste zu entfernen.</translation>
    </message>
    <message>
        <source>Click to move selected file(s) to list.</source>
        <translation>Klicken, um die ausgewählten Dateien in die Liste zu verschieben.</translation>
    </message>
    <message>
        <source>Click to move all files to list.</source>
        <translation>Klicken, um alle Dateien in die Liste zu verschieben.</translation>
    </message>
    <message>
        <source>Click to move the selected file up in the append order.</source>
        <translation>Klicken, um die ausgewählte Datei in der Reihenfolge nach oben zu schieben.</translation>
    </message>
    <message>
        <source>Click the buttons to the right (or drag) to move files to the other box.</source>
        <translation>Mit den Schaltflächen rechts (oder durch Ziehen) Dateien in die andere Liste verschieben.</translation>
    </message>
    <message>
        <source>Click the Browse button to choose a directory.</source>
        <translation>Klicken Sie auf „Durchsuchen“, um einen Ordner zu wählen.</translation>
    </message>
    <message>
        <source>Append files.</source>
        <translation>Dateien anhängen.</translation>
    </message>
    <message>
        <source>Either a) enter or browse for an existing file; or, b) enter a nonexistent filename to use for the resulting file.</source>
        <translation>Entweder a) eine vorhandene Datei eingeben oder suchen oder b) einen noch nicht vorhandenen Dateinamen für die Ergebnisdatei eingeben.</translation>
    </message>
    <message>
        <source>Double-click to change the &quot;Save In&quot; directory.</source>
        <translation>Doppelklicken, um den Ordner „Speichern in“ zu ändern.</translation>
    </message>
    <message>
        <source>Combine files - this is specifically for sequentially-numbered parts.</source>
        <translation>Dateien zusammenfügen – speziell für fortlaufend nummerierte Teile.</translation>
    </message>
    <message>
        <source>Split files into sequentially-numbered pieces.</source>
        <translation>Dateien in fortlaufend nummerierte Teile aufteilen.</translation>
    </message>
    <message>
        <source>Concatenate files or append files to the end of another file.</source>
        <translation>Dateien aneinanderhängen oder an das Ende einer anderen Datei anhängen.</translation>
    </message>
    <message>
        <source>Double-click to refresh the list of files.</source>
        <translation>Doppelklicken, um die Dateiliste zu aktualisieren.</translation>
    </message>
    <message>
        <source>Set on the Split page of the options: pieces of one part size, or a number of pieces, for which every file gets its own part size (its length divided by that number, rounded up).</source>
        <translation>Eingestellt auf der Seite „Aufteilen“ der Optionen: Teile einer festen Teilgröße oder eine Anzahl Teile, für die jede Datei ihre eigene Teilgröße erhält (ihre Länge geteilt durch diese Zahl, aufgerundet).</translation>
    </message>
    <message>
        <source>initial combine directory</source>
        <translation>Anfangsordner zum Zusammenfügen</translation>
    </message>
    <message>
        <source>initial split directory</source>
        <translation>Anfangsordner zum Aufteilen</translation>
    </message>
    <message>
        <source>initial append directory</source>
        <translation>Anfangsordner zum Anhängen</translation>
    </message>
    <message>
        <source>3.5&quot; floppy disk</source>
        <translation>3,5-Zoll-Diskette</translation>
    </message>
    <message>
        <source>e-mail attachment</source>
        <translation>E-Mail-Anhang</translation>
    </message>
    <message>
        <source>CD, 650 MB</source>
        <translation>CD, 650 MB</translation>
    </message>
    <message>
        <source>CD, 700 MB</source>
        <translation>CD, 700 MB</translation>
    </message>
    <message>
        <source>largest file on FAT32</source>
        <translation>größte Datei auf FAT32</translation>
    </message>
    <message>
        <source>DVD</source>
        <translation>DVD</translation>
    </message>
    <message>
        <source>DVD, dual layer</source>
        <translation>DVD, zweilagig</translation>
    </message>
    <message>
        <source>Blu-ray disc, 25 GB</source>
        <translation>Blu-ray Disc, 25 GB</translation>
    </message>
    <message>
        <source>When additional parts exist</source>
        <translation>Wenn zusätzliche Teile vorhanden sind</translation>
    </message>
    <message>
        <source>When parts are missing</source>
        <translation>Wenn Teile fehlen</translation>
    </message>
    <message>
        <source>When parts exist</source>
        <translation>Wenn Teile vorhanden sind</translation>
    </message>
    <message>
        <source>For part names</source>
        <translation>Für Teilnamen</translation>
    </message>
    <message>
        <source>Part size</source>
        <translation>Teilgröße</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>Chunk size</source>
        <translation>Blockgröße</translation>
    </message>
    <message>
        <source>Highest part number to look for</source>
        <translation>Höchste zu suchende Teilnummer</translation>
    </message>
    <message>
        <source>List font size</source>
        <translation>Schriftgröße der Listen</translation>
    </message>
    <message>
        <source>%1 (%2): %3 is outside %4 to %5; %6 is used instead.</source>
        <extracomment>%1 the setting&apos;s name, %2 its key, %3 the stored value</extracomment>
        <translation>%1 (%2): %3 liegt außerhalb von %4 bis %5; stattdessen wird %6 verwendet.</translation>
    </message>
    <message>
        <source>Some stored settings are outside the range TSL accepts:</source>
        <translation>Einige gespeicherte Einstellungen liegen außerhalb des Bereichs, den TSL annimmt:</translation>
    </message>
    <message>
        <source>Choose Options... and OK to store the values in use.</source>
        <translation>Wählen Sie „Optionen...“ und „OK“, um die verwendeten Werte zu speichern.</translation>
    </message>
    <message>
        <source>The settings were written, but %1 could not be removed, so it would still be used.</source>
        <translation>Die Einstellungen wurden geschrieben, aber %1 konnte nicht entfernt werden und würde daher weiterhin verwendet.</translation>
    </message>
    <message>
        <source>Remove it, or choose that store again.</source>
        <translation>Entfernen Sie die Datei oder wählen Sie diesen Speicher erneut.</translation>
    </message>
    <message>
        <source>The settings could not be written to %1.</source>
        <translation>Die Einstellungen konnten nicht in %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>Nothing was changed: TSL keeps its settings where they were.</source>
        <translation>Es wurde nichts geändert: TSL behält seine Einstellungen, wo sie waren.</translation>
    </message>
    <message>
        <source>The directory you specified (%1) for the
%2 does not exist.</source>
        <extracomment>%1 the directory, %2 what it is for (&quot;initial split directory&quot;)</extracomment>
        <translation>Der angegebene Ordner (%1) für den
%2 ist nicht vorhanden.</translation>
    </message>
</context>
<context>
    <name>Split</name>
    <message>
        <source>%1 will not be split into %2 pieces because each would hold %3 bytes, less than the smallest part size (%4 bytes).</source>
        <translation>%1 wird nicht in %2 Teile aufgeteilt, weil jedes %3 Byte enthielte, weniger als die kleinste Teilgröße (%4 Byte).</translation>
    </message>
    <message>
        <source>%1 will not be split into %2 pieces because each would hold %3 bytes, more than the largest part size (%4 bytes).</source>
        <translation>%1 wird nicht in %2 Teile aufgeteilt, weil jedes %3 Byte enthielte, mehr als die größte Teilgröße (%4 Byte).</translation>
    </message>
    <message>
        <source>Choose the folder the pieces go to: the output folder is empty.</source>
        <translation>Wählen Sie den Ordner für die Teile: Der Zielordner ist leer.</translation>
    </message>
    <message>
        <source>Nothing was split: %1</source>
        <translation>Es wurde nichts aufgeteilt: %1</translation>
    </message>
    <message>
        <source>The starting piece cannot be higher than the ending piece...</source>
        <translation>Das erste Teil darf nicht höher sein als das letzte...</translation>
    </message>
    <message>
        <source>%1 was not split: %2</source>
        <translation>%1 wurde nicht aufgeteilt: %2</translation>
    </message>
    <message>
        <source>Nothing was written for it.</source>
        <translation>Dafür wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The file %1 will be skipped because it is not an ordinary file.</source>
        <translation>Die Datei %1 wird übersprungen, weil sie keine gewöhnliche Datei ist.</translation>
    </message>
    <message>
        <source>The file %1 will be skipped because it does not exist in the %2 directory.</source>
        <translation>Die Datei %1 wird übersprungen, weil sie im Ordner %2 nicht vorhanden ist.</translation>
    </message>
    <message>
        <source>%1 will not be split because it is smaller than the part size specified. You should set the part size lower (to at least %2 bytes).</source>
        <translation>%1 wird nicht aufgeteilt, weil sie kleiner als die angegebene Teilgröße ist. Sie sollten die Teilgröße niedriger einstellen (auf mindestens %2 Byte).</translation>
    </message>
    <message>
        <source>%1 will not be split because it would need %2 parts, and parts can only be numbered up to 19682. You should set the part size higher (to at least %3 bytes).</source>
        <translation>%1 wird nicht aufgeteilt, weil sie %2 Teile bräuchte und Teile nur bis 19682 nummeriert werden können. Sie sollten die Teilgröße höher einstellen (auf mindestens %3 Byte).</translation>
    </message>
    <message>
        <source>%1 was skipped: its split files exist already and are never overwritten.</source>
        <translation>%1 wurde übersprungen: Ihre Teile sind bereits vorhanden und werden nie überschrieben.</translation>
    </message>
    <message>
        <source>Do you want to overwrite the existing split files for %1?</source>
        <translation>Möchten Sie die vorhandenen Teile von %1 überschreiben?</translation>
    </message>
    <message>
        <source>%1: the file changed while it was read.</source>
        <translation>%1: Die Datei wurde während des Lesens verändert.</translation>
    </message>
    <message>
        <source>%1 was not split.</source>
        <translation>%1 wurde nicht aufgeteilt.</translation>
    </message>
    <message>
        <source>No batch file was written for %1: with %2 parts, part %3 is named %4.bat.</source>
        <translation>Für %1 wurde keine Batchdatei geschrieben: Bei %2 Teilen heißt Teil %3 %4.bat.</translation>
    </message>
    <message>
        <source>Deleting original file...</source>
        <translation>Originaldatei wird gelöscht...</translation>
    </message>
    <message>
        <source>Removed what an earlier split of %1 left: %2</source>
        <translation>Reste einer früheren Aufteilung von %1 entfernt: %2</translation>
    </message>
    <message>
        <source>The wipe of %1 was stopped; its data is safe in the pieces.</source>
        <translation>Das Überschreiben von %1 wurde abgebrochen; die Daten sind in den Teilen sicher.</translation>
    </message>
    <message>
        <source>%1 was split, but not deleted: %2</source>
        <translation>%1 wurde aufgeteilt, aber nicht gelöscht: %2</translation>
    </message>
    <message>
        <source>an error was reported before.</source>
        <translation>Zuvor wurde ein Fehler gemeldet.</translation>
    </message>
    <message>
        <source>it changed while it was read.</source>
        <translation>Die Datei wurde während des Lesens verändert.</translation>
    </message>
    <message>
        <source>Processed %1</source>
        <translation>%1 verarbeitet</translation>
    </message>
    <message>
        <source>%1% complete (%2 of %3 parts written - %4)</source>
        <translation>%1% erledigt (%2 von %3 Teilen geschrieben – %4)</translation>
    </message>
    <message>
        <source>%1% complete</source>
        <translation>%1% erledigt</translation>
    </message>
    <message>
        <source>No checksum file was written for %1: its name would be too long.</source>
        <translation>Für %1 wurde keine Prüfsummendatei geschrieben: Ihr Name wäre zu lang.</translation>
    </message>
    <message>
        <source>%1 was left as it is: it is not a checksum file TSL can rewrite, so it has no lines for these pieces.</source>
        <translation>%1 blieb, wie sie war: Sie ist keine Prüfsummendatei, die TSL neu schreiben kann, und hat daher keine Zeilen für diese Teile.</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n file split</source>
        <translation>
            <numerusform>%1 von %n Datei aufgeteilt</numerusform>
            <numerusform>%1 von %n Dateien aufgeteilt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files split</source>
        <translation>
            <numerusform>%1 von %n Datei aufgeteilt</numerusform>
            <numerusform>%1 von %n Dateien aufgeteilt</numerusform>
        </translation>
    </message>
    <message>
        <source>%1% complete (%2)</source>
        <extracomment>%2 what was done (&quot;1 of 3 files split&quot;)</extracomment>
        <translation>%1% erledigt (%2)</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>The chosen files lie in different folders:</source>
        <translation>Die gewählten Dateien liegen in verschiedenen Ordnern:</translation>
    </message>
    <message>
        <source>Choose files of one folder at a time. Nothing was selected.</source>
        <translation>Bitte jeweils Dateien aus nur einem Ordner wählen. Es wurde nichts ausgewählt.</translation>
    </message>
    <message>
        <source>000 files (*.000)</source>
        <translation>000-Dateien (*.000)</translation>
    </message>
    <message>
        <source>000 &amp; 001 files (*.000 *.001)</source>
        <translation>000- und 001-Dateien (*.000 *.001)</translation>
    </message>
    <message>
        <source>001 files (*.001)</source>
        <translation>001-Dateien (*.001)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Movie files (*.mpg *.avi *.mov *.rm)</source>
        <translation>Filmdateien (*.mpg *.avi *.mov *.rm)</translation>
    </message>
    <message>
        <source>Choose the folder to save in</source>
        <translation>Ordner zum Speichern wählen</translation>
    </message>
    <message>
        <source>(Bad .000 file)</source>
        <translation>(Fehlerhafte .000-Datei)</translation>
    </message>
    <message>
        <source>A job is still running.</source>
        <translation>Ein Auftrag läuft noch.</translation>
    </message>
    <message>
        <source>Do you want to stop it and close TSL?</source>
        <translation>Möchten Sie ihn abbrechen und TSL schließen?</translation>
    </message>
    <message>
        <source>Choose a directory...</source>
        <translation>Ordner wählen...</translation>
    </message>
    <message>
        <source>TSL is already running...</source>
        <translation>TSL läuft bereits...</translation>
    </message>
    <message>
        <source>1 piece</source>
        <translation>1 Teil</translation>
    </message>
    <message>
        <source>%1 pieces</source>
        <translation>%1 Teile</translation>
    </message>
    <message>
        <source>%1 bytes total</source>
        <translation>%1 Byte insgesamt</translation>
    </message>
    <message>
        <source>%1 bytes each</source>
        <translation>je %1 Byte</translation>
    </message>
    <message>
        <source>Each file is cut into %1 pieces of its own size: the last may be smaller, and a very small file gives fewer pieces (never more).</source>
        <translation>Jede Datei wird in %1 Teile eigener Größe zerlegt: Das letzte kann kleiner sein, und eine sehr kleine Datei ergibt weniger Teile (nie mehr).</translation>
    </message>
    <message>
        <source>Each file is cut into pieces of %1 bytes.</source>
        <translation>Jede Datei wird in Teile zu %1 Byte zerlegt.</translation>
    </message>
    <message>
        <source>%1 -- file not found</source>
        <translation>%1 -- Datei nicht gefunden</translation>
    </message>
    <message>
        <source>%1 files selected.</source>
        <translation>%1 Dateien ausgewählt.</translation>
    </message>
    <message>
        <source>%1 -- %2 bytes</source>
        <translation>%1 -- %2 Byte</translation>
    </message>
    <message>
        <source>Save in directory: %1</source>
        <translation>Speichern in Ordner: %1</translation>
    </message>
    <message>
        <source>A set&apos;s info file (.000) or first piece (.001) to combine, or files to split; all in one folder. A path with blanks may come unquoted, as several words. Put -- before a FILE that starts with &apos;-&apos;.</source>
        <translation>Die Infodatei (.000) oder das erste Teil (.001) eines zusammenzufügenden Satzes oder aufzuteilende Dateien, alle in einem Ordner. Ein Pfad mit Leerzeichen darf ohne Anführungszeichen als mehrere Wörter kommen. Vor eine FILE, die mit „-“ beginnt, gehört --.</translation>
    </message>
    <message>
        <source>Usage: tsl [options] [FILE...]</source>
        <translation>Aufruf: tsl [Optionen] [FILE...]</translation>
    </message>
    <message>
        <source>Choose the file sets to combine</source>
        <translation>Zusammenzufügende Dateisätze wählen</translation>
    </message>
    <message>
        <source>Choose the files to split</source>
        <translation>Aufzuteilende Dateien wählen</translation>
    </message>
    <message>
        <source>Choose the file to append to</source>
        <translation>Datei wählen, an die angehängt wird</translation>
    </message>
    <message>
        <source>Choose the folder for the combined files</source>
        <translation>Ordner für die zusammengefügten Dateien wählen</translation>
    </message>
    <message>
        <source>Choose the folder for the pieces</source>
        <translation>Ordner für die Teile wählen</translation>
    </message>
    <message>
        <source>Choose the folder to find parts in</source>
        <translation>Ordner wählen, in dem Teile gesucht werden</translation>
    </message>
    <message>
        <source>TSL moves large files in pieces: it splits a file into numbered pieces
(movie.avi.001, movie.avi.002, ...) with an info file (movie.avi.000) and a
batch file that rebuilds it, combines the pieces of each set back into the
file, and appends files to one another.

Started with files, the window opens the Combine panel for a set of pieces
(a FILE ending in .000 or .001) or the Split panel for any other FILE, with
the files selected; without files it opens the empty Combine panel. With the
options &quot;Auto-combine&quot; and &quot;Associate .000 files with TSL&quot; on, a set given
here is combined at once. One window runs at a time: a second tsl says
&quot;TSL is already running...&quot; and ends. tsl-cli runs the same jobs from a
terminal.

The settings are read from tsl.ini in the program directory (the folder of
tsl, or $TSL_PROGRAM_DIR) while that file exists, else from
$XDG_CONFIG_HOME/Tessel/TSL.conf (~/.config), with /etc/xdg/Tessel/TSL.conf
for keys the user has not set.

Exit status: 0, or 2 for an unknown option.</source>
        <translation>TSL bewegt große Dateien in Teilen: Es teilt eine Datei in nummerierte Teile auf
(movie.avi.001, movie.avi.002, ...), mit einer Infodatei (movie.avi.000) und
einer Batchdatei, die sie wiederherstellt, fügt die Teile jedes Satzes wieder zur
Datei zusammen und hängt Dateien aneinander an.

Mit Dateien gestartet, öffnet das Fenster die Seite „Zusammenfügen“ für einen
Satz von Teilen (eine FILE, die auf .000 oder .001 endet) oder die Seite
„Aufteilen“ für jede andere FILE, mit den Dateien ausgewählt; ohne Dateien öffnet
es die leere Seite „Zusammenfügen“. Sind die Optionen „Automatisch
zusammenfügen“ und „.000-Dateien mit TSL verknüpfen“ an, wird ein hier
angegebener Satz sofort zusammengefügt. Es läuft immer nur ein Fenster: Ein
zweites tsl meldet „TSL läuft bereits...“ und endet. tsl-cli führt dieselben
Aufträge im Terminal aus.

Die Einstellungen werden aus tsl.ini im Programmordner (dem Ordner von tsl oder
$TSL_PROGRAM_DIR) gelesen, solange diese Datei vorhanden ist, sonst aus
$XDG_CONFIG_HOME/Tessel/TSL.conf (~/.config), mit /etc/xdg/Tessel/TSL.conf für
Schlüssel, die der Benutzer nicht gesetzt hat.

Rückgabewert: 0 oder 2 bei einer unbekannten Option.</translation>
    </message>
    <message>
        <source>The pieces to extract must be whole numbers from 1 to %1, the pieces of %2. Leave both at 0 to split the whole file.</source>
        <translation>Die zu extrahierenden Teile müssen ganze Zahlen von 1 bis %1 sein, die Teile von %2. Beide Werte auf 0 lassen, um die ganze Datei aufzuteilen.</translation>
    </message>
    <message>
        <source>Not added (not an ordinary file): %1</source>
        <translation>Nicht hinzugefügt (keine gewöhnliche Datei): %1</translation>
    </message>
    <message>
        <source>%1 is not an ordinary file; there is nothing to split.</source>
        <translation>%1 ist keine gewöhnliche Datei; es gibt nichts aufzuteilen.</translation>
    </message>
    <message numerus="yes">
        <source>%n file</source>
        <translation>
            <numerusform>%n Datei</numerusform>
            <numerusform>%n Dateien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n Datei</numerusform>
            <numerusform>%n Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>You can only change this directory if you enter
the name of a file that does not already exist.</source>
        <translation>Dieser Ordner lässt sich nur ändern, wenn Sie
den Namen einer noch nicht vorhandenen Datei eingeben.</translation>
    </message>
    <message numerus="yes">
        <source>%n piece, %1 bytes each.</source>
        <translation>
            <numerusform>%n Teil, je %1 Byte.</numerusform>
            <numerusform>%n Teile, je %1 Byte.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pieces, %1 bytes each.</source>
        <translation>
            <numerusform>%n Teil, je %1 Byte.</numerusform>
            <numerusform>%n Teile, je %1 Byte.</numerusform>
        </translation>
    </message>
    <message>
        <source>tsl: %1
Try &apos;tsl --help&apos; for more information.
</source>
        <extracomment>%1 what was wrong with the command line</extracomment>
        <translation>tsl: %1
„tsl --help“ gibt weitere Informationen.
</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About TSL...</source>
        <translation>Über TSL...</translation>
    </message>
    <message>
        <source>Splits large files into pieces, combines the pieces back into the whole file, and appends files to one another.</source>
        <translation>Teilt große Dateien in Teile auf, fügt die Teile wieder zur ganzen Datei zusammen und hängt Dateien aneinander an.</translation>
    </message>
    <message>
        <source>Written by Tessel with the Qt toolkit.</source>
        <translation>Geschrieben von Tessel mit dem Qt-Toolkit.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>TSL...</source>
        <translation>TSL...</translation>
    </message>
    <message>
        <source>Co&amp;mbine</source>
        <translation>&amp;Zusammenfügen</translation>
    </message>
    <message>
        <source>File sets:</source>
        <translation>Dateisätze:</translation>
    </message>
    <message>
        <source>Browse for file sets</source>
        <translation>Dateisätze suchen</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>Combine in:</source>
        <translation>Zusammenfügen in:</translation>
    </message>
    <message>
        <source>Browse for the Combine in folder</source>
        <translation>Ordner für „Zusammenfügen in“ suchen</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>Du&amp;rchsuchen...</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Sch&amp;ließen</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Info...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Optionen...</translation>
    </message>
    <message>
        <source>&amp;Combine</source>
        <translation>Zusammen&amp;fügen</translation>
    </message>
    <message>
        <source>&amp;Split</source>
        <translation>&amp;Aufteilen</translation>
    </message>
    <message>
        <source>Source files:</source>
        <translation>Quelldateien:</translation>
    </message>
    <message>
        <source>Browse for source files</source>
        <translation>Quelldateien suchen</translation>
    </message>
    <message>
        <source>Split in:</source>
        <translation>Aufteilen in:</translation>
    </message>
    <message>
        <source>Browse for the Split in folder</source>
        <translation>Ordner für „Aufteilen in“ suchen</translation>
    </message>
    <message>
        <source>Spli&amp;t</source>
        <translation>Auf&amp;teilen</translation>
    </message>
    <message>
        <source>Extract parts:</source>
        <translation>Teile extrahieren:</translation>
    </message>
    <message>
        <source>First part to extract</source>
        <translation>Erstes zu extrahierendes Teil</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Last part to extract</source>
        <translation>Letztes zu extrahierendes Teil</translation>
    </message>
    <message>
        <source>A&amp;ppend</source>
        <translation>An&amp;hängen</translation>
    </message>
    <message>
        <source>Save in directory: </source>
        <translation>Speichern in Ordner: </translation>
    </message>
    <message>
        <source>&amp;Filename:</source>
        <translation>Datei&amp;name:</translation>
    </message>
    <message>
        <source>Browse for the file to append to</source>
        <translation>Datei suchen, an die angehängt wird</translation>
    </message>
    <message>
        <source>Find parts in:</source>
        <translation>Teile suchen in:</translation>
    </message>
    <message>
        <source>Browse for the Find parts in folder</source>
        <translation>Ordner für „Teile suchen in“ suchen</translation>
    </message>
    <message>
        <source>Appen&amp;d</source>
        <translation>Anhän&amp;gen</translation>
    </message>
</context>
<context>
    <name>frmOpt</name>
    <message>
        <source>Options...</source>
        <translation>Optionen...</translation>
    </message>
    <message>
        <source>Co&amp;mbine</source>
        <translation>&amp;Zusammenfügen</translation>
    </message>
    <message>
        <source>Options for combining sequentially-numbered files.</source>
        <translation>Optionen zum Zusammenfügen fortlaufend nummerierter Dateien.</translation>
    </message>
    <message>
        <source>Associate .000 files with &amp;TSL.</source>
        <translation>.000-Dateien mit TSL verknü&amp;pfen.</translation>
    </message>
    <message>
        <source>Auto-combine when a .&amp;000 file is double-clicked.</source>
        <translation>Automatisch zusammenfügen, wenn eine .&amp;000-Datei doppelt angeklickt wird.</translation>
    </message>
    <message>
        <source>&amp;Fix &quot;_mpg&quot; extension on combined files.</source>
        <translation>Endung „_mpg“ zusammengefügter Dateien &amp;berichtigen.</translation>
    </message>
    <message>
        <source>S&amp;how &quot;Combine&quot; tooltips.</source>
        <translation>Hin&amp;weise für „Zusammenfügen“ zeigen.</translation>
    </message>
    <message>
        <source>Sa&amp;ve combined file in the same directory as its parts (override &quot;Remember&quot; option).</source>
        <translation>Zusammengefügte Datei im Ordner ihrer Teile &amp;speichern (statt der Option „Merken“).</translation>
    </message>
    <message>
        <source>Treat &quot;File_mpg.002&quot; and &quot;File.mpg.002&quot; as interchangea&amp;ble.</source>
        <translation>„Datei_mpg.002“ und „Datei.mpg.002“ als &amp;gleichwertig behandeln.</translation>
    </message>
    <message>
        <source>When parts are missing:</source>
        <translation>Wenn Teile fehlen:</translation>
    </message>
    <message>
        <source>Do &amp;not combine (skip file set).</source>
        <translation>&amp;Nicht zusammenfügen (Dateisatz überspringen).</translation>
    </message>
    <message>
        <source>As&amp;k.</source>
        <translation>&amp;Fragen.</translation>
    </message>
    <message>
        <source>Combine e&amp;xisting.</source>
        <translation>&amp;Vorhandene zusammenfügen.</translation>
    </message>
    <message>
        <source>&amp;Remember &quot;Combine in&quot; directory.</source>
        <translation>Ordner „Zusammenfügen in“ &amp;merken.</translation>
    </message>
    <message>
        <source>De&amp;lete parts after combining.</source>
        <translation>Teile nach dem Zusammenfügen &amp;löschen.</translation>
    </message>
    <message>
        <source>S&amp;earch for additional parts (parts which have the same name but are not covered by the 000 file).</source>
        <translation>Nach zusätzlichen Teilen s&amp;uchen (Teile mit gleichem Namen, die die 000-Datei nicht erfasst).</translation>
    </message>
    <message>
        <source>When additional parts exist:</source>
        <translation>Wenn zusätzliche Teile vorhanden sind:</translation>
    </message>
    <message>
        <source>&amp;Ask.</source>
        <translation>Na&amp;chfragen.</translation>
    </message>
    <message>
        <source>Al&amp;ways include.</source>
        <translation>Immer &amp;einbeziehen.</translation>
    </message>
    <message>
        <source>&amp;Split</source>
        <translation>Auf&amp;teilen</translation>
    </message>
    <message>
        <source>Options for splitting files into sequentially-numbered pieces.</source>
        <translation>Optionen zum Aufteilen von Dateien in fortlaufend nummerierte Teile.</translation>
    </message>
    <message>
        <source>Associate .mpg files with &amp;TSL.</source>
        <translation>.mpg-Dateien mit TSL verknü&amp;pfen.</translation>
    </message>
    <message>
        <source>S&amp;how &quot;Split&quot; tooltips.</source>
        <translation>Hin&amp;weise für „Aufteilen“ zeigen.</translation>
    </message>
    <message>
        <source>For part names:</source>
        <translation>Für Teilnamen:</translation>
    </message>
    <message>
        <source>&amp;Use Long File Names.</source>
        <translation>&amp;Lange Dateinamen verwenden.</translation>
    </message>
    <message>
        <source>Use &amp;8.3 names.</source>
        <translation>&amp;8.3-Namen verwenden.</translation>
    </message>
    <message>
        <source>Cr&amp;eate DOS batch file for reassembly.</source>
        <translation>DOS-Batchdatei zum Zusammensetzen &amp;erstellen.</translation>
    </message>
    <message>
        <source>Create .&amp;000 file.</source>
        <translation>.&amp;000-Datei erstellen.</translation>
    </message>
    <message>
        <source>Part Si&amp;ze:</source>
        <translation>Teil&amp;größe:</translation>
    </message>
    <message>
        <source>Part size</source>
        <translation>Teilgröße</translation>
    </message>
    <message>
        <source>Type a size, or choose one of the common limits.</source>
        <translation>Eine Größe eingeben oder eine der üblichen Grenzen wählen.</translation>
    </message>
    <message>
        <source>Units:</source>
        <translation>Einheiten:</translation>
    </message>
    <message>
        <source>&amp;Bytes</source>
        <translation>&amp;Byte</translation>
    </message>
    <message>
        <source>1 kilobyte = 1024 bytes; 1 megabyte = 1048576 bytes</source>
        <translation>1 Kilobyte = 1024 Byte; 1 Megabyte = 1048576 Byte</translation>
    </message>
    <message>
        <source>&amp;Kilobytes</source>
        <translation>&amp;Kilobyte</translation>
    </message>
    <message>
        <source>Me&amp;gabytes</source>
        <translation>Megab&amp;yte</translation>
    </message>
    <message>
        <source>Split into a number o&amp;f pieces:</source>
        <translation>In eine Anzahl Teile au&amp;fteilen:</translation>
    </message>
    <message>
        <source>Each file gets its own part size: its length divided by this number, rounded up. The last piece may be smaller, and a very small file gives fewer pieces (never more).</source>
        <translation>Jede Datei erhält ihre eigene Teilgröße: ihre Länge geteilt durch diese Zahl, aufgerundet. Das letzte Teil kann kleiner sein, und eine sehr kleine Datei ergibt weniger Teile (nie mehr).</translation>
    </message>
    <message>
        <source>Number of pieces</source>
        <translation>Anzahl der Teile</translation>
    </message>
    <message>
        <source>(Valid range: 2 - 19682)</source>
        <translation>(Gültiger Bereich: 2 - 19682)</translation>
    </message>
    <message>
        <source>The last piece may be smaller, and a very small file gives fewer pieces (never more).</source>
        <translation>Das letzte Teil kann kleiner sein, und eine sehr kleine Datei ergibt weniger Teile (nie mehr).</translation>
    </message>
    <message>
        <source>Search for e&amp;xisting parts.</source>
        <translation>Nach &amp;vorhandenen Teilen suchen.</translation>
    </message>
    <message>
        <source>When parts exist:</source>
        <translation>Wenn Teile vorhanden sind:</translation>
    </message>
    <message>
        <source>&amp;Never overwrite (i.e. don&apos;t split).</source>
        <translation>&amp;Nie überschreiben (d. h. nicht aufteilen).</translation>
    </message>
    <message>
        <source>Al&amp;ways overwrite.</source>
        <translation>Immer &amp;überschreiben.</translation>
    </message>
    <message>
        <source>De&amp;lete original file after splitting.</source>
        <translation>Originaldatei nach dem Aufteilen l&amp;öschen.</translation>
    </message>
    <message>
        <source>Sa&amp;ve split pieces in the same directory as the original file (override &quot;Remember&quot; option).</source>
        <translation>Teile im Ordner der Originaldatei &amp;speichern (statt der Option „Merken“).</translation>
    </message>
    <message>
        <source>&amp;Remember &quot;Split in&quot; directory.</source>
        <translation>Ordner „Aufteilen in“ &amp;merken.</translation>
    </message>
    <message>
        <source>A&amp;ppend / Misc</source>
        <translation>An&amp;hängen / Sonstiges</translation>
    </message>
    <message>
        <source>Options for file concatenation.</source>
        <translation>Optionen zum Aneinanderhängen von Dateien.</translation>
    </message>
    <message>
        <source>C&amp;lose TSL after auto-combine.</source>
        <translation>TSL nach automatischem Zusammenfügen &amp;schließen.</translation>
    </message>
    <message>
        <source>&amp;Highest part number to look for:</source>
        <translation>Höchste zu suchende Teil&amp;nummer:</translation>
    </message>
    <message>
        <source>This applies when looking for missing parts if you don&apos;t have the 000 file, and always applies when looking for extra parts.</source>
        <translation>Gilt bei der Suche nach fehlenden Teilen, wenn keine 000-Datei vorhanden ist, und immer bei der Suche nach zusätzlichen Teilen.</translation>
    </message>
    <message>
        <source>(Valid range: 1 - 19682)</source>
        <translation>(Gültiger Bereich: 1 - 19682)</translation>
    </message>
    <message>
        <source>&amp;Verify file sizes when combining.</source>
        <translation>Dateigrößen beim Zusammenfügen &amp;prüfen.</translation>
    </message>
    <message>
        <source>P&amp;rompt for part size if necessary.</source>
        <translation>&amp;Bei Bedarf nach der Teilgröße fragen.</translation>
    </message>
    <message>
        <source>Create a SendTo shortcut for &amp;TSL.</source>
        <translation>„Senden an“-&amp;Eintrag für TSL anlegen.</translation>
    </message>
    <message>
        <source>Chunk si&amp;ze:</source>
        <translation>Block&amp;größe:</translation>
    </message>
    <message>
        <source>This is a &quot;techie&quot; setting - if the program works ok, there&apos;s no reason to change it.</source>
        <translation>Dies ist eine Einstellung für Technikinteressierte – wenn das Programm gut läuft, gibt es keinen Grund, sie zu ändern.</translation>
    </message>
    <message>
        <source>&amp;When deleting files, overwrite them with random data first (more secure).</source>
        <translation>Dateien vor dem Löschen mit Zufallsdaten &amp;überschreiben (sicherer).</translation>
    </message>
    <message>
        <source>Show &quot;&amp;Append&quot; tooltips.</source>
        <translation>Hin&amp;weise für „Anhängen“ zeigen.</translation>
    </message>
    <message>
        <source>D&amp;elete appended parts when complete.</source>
        <translation>Angehängte Teile danach &amp;löschen.</translation>
    </message>
    <message>
        <source>&amp;Directories</source>
        <translation>Or&amp;dner</translation>
    </message>
    <message>
        <source>Initial directories to seek files, save files, etc.</source>
        <translation>Anfangsordner zum Suchen und Speichern von Dateien usw.</translation>
    </message>
    <message>
        <source>Initial Directories:</source>
        <translation>Anfangsordner:</translation>
    </message>
    <message>
        <source>Com&amp;bine:</source>
        <translation>Zu&amp;sammenfügen:</translation>
    </message>
    <message>
        <source>Enter or browse for the initial Combine directory.</source>
        <translation>Anfangsordner für „Zusammenfügen“ eingeben oder suchen.</translation>
    </message>
    <message>
        <source>Browse for the initial Combine directory</source>
        <translation>Anfangsordner für „Zusammenfügen“ suchen</translation>
    </message>
    <message>
        <source>Bro&amp;wse...</source>
        <translation>D&amp;urchsuchen...</translation>
    </message>
    <message>
        <source>Sp&amp;lit:</source>
        <translation>Au&amp;fteilen:</translation>
    </message>
    <message>
        <source>Enter or browse for the initial Split directory.</source>
        <translation>Anfangsordner für „Aufteilen“ eingeben oder suchen.</translation>
    </message>
    <message>
        <source>Browse for the initial Split directory</source>
        <translation>Anfangsordner für „Aufteilen“ suchen</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>Durchsuch&amp;en...</translation>
    </message>
    <message>
        <source>Appe&amp;nd:</source>
        <translation>Anhä&amp;ngen:</translation>
    </message>
    <message>
        <source>Enter or browse for the initial Append directory.</source>
        <translation>Anfangsordner für „Anhängen“ eingeben oder suchen.</translation>
    </message>
    <message>
        <source>Browse for the initial Append directory</source>
        <translation>Anfangsordner für „Anhängen“ suchen</translation>
    </message>
    <message>
        <source>Brows&amp;e...</source>
        <translation>Durchsu&amp;chen...</translation>
    </message>
    <message>
        <source>Use .&amp;ini file (tsl.ini)</source>
        <translation>.&amp;ini-Datei verwenden (tsl.ini)</translation>
    </message>
    <message>
        <source>Use Registr&amp;y</source>
        <translation>&amp;Registrierung verwenden</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Write checksums (.sha&amp;256).</source>
        <translation>Prüfsummen schreiben (.sha&amp;256).</translation>
    </message>
    <message>
        <source>Write a checksum file beside the pieces, so Combine can name a damaged piece and sha256sum -c can check the set on any machine.</source>
        <translation>Eine Prüfsummendatei neben die Teile schreiben, damit Zusammenfügen ein beschädigtes Teil benennen und sha256sum -c den Satz auf jedem Rechner prüfen kann.</translation>
    </message>
</context>
</TS>
