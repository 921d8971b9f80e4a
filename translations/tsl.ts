<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>Append</name>
    <message>
        <source>%1% complete (%2 of %3 parts read - %4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be appended to itself: the list entry %2 is that file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was appended.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was appended to %1: these list entries cannot be appended.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is a directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not an ordinary file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is a hidden file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Processed %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was appended to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not deleted, changed while they were read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wipe was stopped; the data is safe in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a read-only file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to add the selected files to it anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used as the file to append to: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the name of a file in the &quot;Save in&quot; directory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file to append to is named.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it names a directory, not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a file name cannot contain &quot;/&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name holds a NUL character.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is in use by another program.
To add the specified parts to the file, first close
it in whatever program is using it, and then click OK.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a symbolic link. Name the file it leads to;
nothing was appended.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AppendLists</name>
    <message>
        <source>0 files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double-click to refresh the list of files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Append</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to increase the font size in the file lists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Larger list font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to decrease the font size in the file lists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smaller list font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click the buttons to the right (or drag) to move files to the other box.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files in the Find parts in folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to move all files to list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move all files to list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to move selected file(s) to list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move selected files to list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to remove selected file(s) from list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove selected files from list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;&lt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to remove all files from list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove all files from list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files to append, in order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to move the selected file up in the append order.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to move the selected file down in the append order.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move down</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file to append to (created when missing).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the FILEs after a run without any error (setting AppendDelete).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the FILEs, whatever AppendDelete says.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete without overwriting the files first (setting WipeOnDel off).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The files to append, in this order.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--delete and --keep cannot be given together.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No FILE was deleted, since something was reported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name the file to append to with --to TARGET.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name at least one FILE to append.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer every Yes/No question (overwrite, read-only, ...) with Yes, without asking; not the run-time error question (see --on-error).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer every Yes/No question with No, without asking.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After a run-time error (disk full, a file that cannot be created, ...): stop (the default) or continue with the next step. Without this option the question is asked on a terminal, and answered stop otherwise.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show only questions, messages and errors.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Largest single read and write, 10000..10000000 bytes (setting ChunkSize).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer every Yes/No question with Yes, without asking.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--yes and --no cannot be given together.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--on-error takes stop or continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a number of bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tsl-cli: cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the combined files into DIR (default: the pieces&apos; directory).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When pieces are missing: skip the set, ask, or combine the existing pieces (setting MissingParts 0, 1, 2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When extra pieces are found: ask, or always include them (setting ExtraParts 0, 1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer every parts report (missing, extra or wrong-size pieces) this way without asking.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer the piece-size prompt of a set without a piece size with BYTES (0 skips the size check).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highest piece number to look for, 1..19682 (setting HighPart).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do not look for pieces beyond the expected last one (SearchExtra off).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do not check piece sizes (PSizeCheck off).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Never ask for the piece size (PSizePrompt off).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do not treat name_ext.NNN and name.ext.NNN as the same set (UnderPeriod off).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do not repair a lost extension such as clip_mpg -&gt; clip.mpg (FixExt off).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the pieces, the info file and the batch file of each combined set (CombineDelete on).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the pieces, the info file and the batch file, whatever CombineDelete says.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete pieces without overwriting them first (WipeOnDel off).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An info file (name.000) or a piece (name.001) of each set; all in one directory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--piece-size takes a number of bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name at least one SET (name.000 or name.001).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All SETs must be in one directory.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>store, recorded only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>default, recorded only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>list, get KEY, set KEY VALUE or store [ini|registry].</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name an action: list, get, set or store.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The store is &apos;ini&apos; or &apos;registry&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or apply TSL&apos;s desktop registration: the info file type (*.000) opening in
TSL (CombineAssoc), the Split entry for MPEG video (AssocSplit) and the send-to
entries of Thunar, Nautilus and KDE (AssocSendTo). Everything is per user under
$XDG_DATA_HOME and $XDG_CONFIG_HOME; a setting that is off removes what TSL
added and nothing else.

  status  (the default) what is registered, and the type of a .000 file
  apply   bring the registration in line with the stored settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not registered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another program&apos;s file (left alone)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>registered, out of date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>status or apply.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name one action: status or apply.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The action is &apos;status&apos; or &apos;apply&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows what the info file of a split file records: piece count, piece size,
total size, the three time stamps (UTC) and the attributes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The info file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name exactly one info file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File:          %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pieces:        %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Piece size:    %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total size:    %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Created:       %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last written:  %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last accessed: %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attributes:    %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split each FILE into numbered pieces, with an info file and a batch file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Combine each SET of pieces (name.000 or name.001) back into its file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Append each FILE, in order, to the end of --to TARGET.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check each SET and its joined file against the checksum file NAME.sha256.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show what an info file (.000) records.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show and change the stored settings, and choose their store.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or apply TSL&apos;s desktop registration (status or apply).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: tsl-cli COMMAND [options] [FILE...]

TSL moves large files in pieces.

Commands:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Run &apos;tsl-cli COMMAND --help&apos; for the options of a command.
Exit status: 0 when everything was done, 1 when something was skipped
or failed, 2 for bad usage (also a FILE, SET or folder that is not there),
130 when Ctrl-C or SIGTERM stopped it.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tsl-cli: unknown command &apos;%1&apos;

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Part size in bytes, %1..%2 (setting SplitSize); k, M, G count 1000s, KiB, MiB, GiB 1024s (2MiB); or a name (bytes): %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut each FILE into N pieces, %1..%2 (settings SplitMode 1 and SplitPieces): each FILE gets its own part size. The last piece may be smaller, and a very small FILE gives fewer than N pieces, never more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output directory; default the directory of the FILEs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write only pieces FIRST to LAST of the one FILE (no info file, batch file or deletion).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name the pieces after an 8.3-style short name (setting SplitFileNames 1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write no info file (setting Split000 off).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write no batch file (setting SplitBat off).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete each FILE after splitting it (setting SplitDelete on).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep each FILE, whatever SplitDelete says.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete without overwriting first (setting WipeOnDel off).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When pieces of a FILE exist already: never overwrite, ask, always overwrite (setting PartsExist).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The files to split.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--size and --pieces cannot be used together.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a number of pieces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--existing takes never, ask or always.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All FILEs must be in one directory (run tsl-cli once per directory).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--range takes FIRST-LAST, two piece numbers from 1 up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--range: the first piece cannot be higher than the last.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--range works with one FILE only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has %2 pieces of this size: --range must stay within 1-%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name at least one FILE to split.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[o]k / [c]ancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[y]es / [n]o</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[a]bort / [r]etry / [i]gnore</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files hashed at once, 1..%1 (default: the number of processors).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Largest single read, 10000..10000000 bytes (setting ChunkSize).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do not take name_ext.NNN and name.ext.NNN for pieces of name.ext (UnderPeriod off).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A checksum file (name.sha256), an info file or piece of a set (name.000, name.001), or the joined file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no piece checksums</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no checksum for the joined file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tsl-cli: %1: %2 improperly formatted line(s) left aside</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name at least one SET (name.sha256, name.000 or name.001).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no such file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not an ordinary file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: a hidden file (its name starts with &quot;.&quot;), which TSL leaves alone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes %2 from %3 to %4.</source>
        <extracomment>%1 an option, %2 what it takes (&quot;a number of bytes&quot;), %3 and %4 the bounds</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (default %2): </source>
        <extracomment>%1 the answer letters (&quot;[y]es / [n]o&quot;), %2 the default answer</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>=&gt; &quot;%1&quot; (default)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[%1] (Enter keeps it, Ctrl-D cancels): </source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the checksum file NAME.sha256 (setting Checksums on).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write no checksum file (setting Checksums off).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--checksums and --no-checksums cannot be given together.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Appended %1 of %n files (%2 bytes) to %3; deleted %4.</source>
        <extracomment>%1 the files appended, %n the files given, %2 the bytes, %3 the target</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Appended %1 of %n files (%2 bytes) to %3.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>--to names a directory: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>=&gt; %1 (--piece-size)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 takes %2 or %3.</source>
        <extracomment>%1 an option&apos;s name, %2 and %3 the words it takes (&quot;never, ask&quot;, &quot;always&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no such directory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, stored &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ini: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>registry: %1 (machine-wide fallback: %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tsl-cli: unknown key &apos;%1&apos;. Known keys:
  %2
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot hold &quot;%2&quot;: it is no text it takes. Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot hold &quot;%2&quot;: it is no number it takes. Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 is out of its range: it would load as %3. Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tsl-cli: could not write %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 = %2  (recorded only)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tsl-cli: the settings could not be moved to %1; the store in use is %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong number of words for &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>registered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings: CombineAssoc %1, AssocSplit %2, AssocSendTo %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A file named name.000 is: %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changed %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: (Bad .000 file)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a name (%1) or a number of bytes (k, M, G count 1000s, KiB, MiB, GiB 1024s)</source>
        <extracomment>%1 the names of the common sizes (&quot;floppy, email, ...&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>=&gt; %1 (--yes)</source>
        <extracomment>%1 the answer given (&quot;Yes&quot;, &quot;No&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>=&gt; %1 (--no)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>=&gt; %1 (nobody to ask: keeps the files as they are)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>=&gt; %1 (default)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>=&gt; %1 (--on-error continue)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>=&gt; %1 (--on-error stop)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: damaged (checksum differs)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: unreadable (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n pieces intact</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n damaged</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n missing</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unreadable</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 intact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 not joined yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 unreadable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: OK (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: FAILED (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no line for %2 or its pieces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: FAILED (no checksum file %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hidden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>archive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 the attribute bits as a number, %2 their names (&quot;read-only, archive&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tsl-cli: %1
Try &apos;tsl-cli %2 --help&apos;.
</source>
        <extracomment>%1 what was wrong, %2 the command given (split, combine, ...)</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Combine</name>
    <message>
        <source>Nothing was combined: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This .000 file is probably messed up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click the Retry button to try to read the file again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click the Ignore button if you want to combine files anyway.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click the Abort button to skip this file set.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file is missing, so the file set will be skipped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is missing the following part:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is missing the following parts:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to combine the existing parts?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The following extra part to %1 was found:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The following extra parts to %1 were found:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to combine this one also?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to combine these also?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missing parts of %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extra parts of %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corrupt parts of %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved the list to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (error %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searching for extra part %1 - %2% complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searching for part %1 - %2% complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>y / n: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list was not saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>end of input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--report-answer skip: no next set to skip to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no terminal to ask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skipped %1: part %2 lies past the highest part searched.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1% complete (%2 of %3 parts read - %4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1% complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Part %1 is missing. Continue with the next piece?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: that file is also read by this run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not combined: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was written for it, and its parts were kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the file is gone since the set was checked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none of its parts was found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes were joined, but its info file records %2 bytes; the existing %3 was kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleting combined parts...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wipe of the parts of %1 was stopped; their data is safe in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was written, but it is not the whole file: its parts were kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Processed %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The parts of %1 were kept: an earlier answer or error switched deleting off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a file name. Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 exists, too. Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a read-only file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to overwrite it anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 goes on past the highest part searched (%2); this part was found after it:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raise the highest part number to combine the whole set. The parts are kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 goes on past the highest part searched (%2): part %3 exists. The file was joined from the parts found; the parts are kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was written with %2 bytes, but its info file records %3 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not the original: its parts, info file and batch file are kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skipped %1: %2 part is missing (%3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skipped %1: %2 parts are missing (%3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking file size for part %1 - %2% complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corrupted Parts:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These parts of %1 are the wrong size.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This part of %1 is the wrong size.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking %1: %2 of %3 files, %4% complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missing Parts...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the list of missing parts to the clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the list of missing parts to a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extra Parts...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the list of extra parts to the clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the list of extra parts to a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In&amp;clude Extra Parts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xclude Extra Parts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corrupt Parts...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the list of corrupt parts to the clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the list of corrupt parts to a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In&amp;clude Corrupt Parts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xclude Corrupt Parts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Skip to Next File Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy &amp;List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sa&amp;ve List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Combine Existing Parts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Combine to First &amp;Gap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Combine to &amp;Gap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking piece %1 of %2...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be read (%2): the parts of %3 were not checked against it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no line for %2 or its parts: they were not checked against it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the joined file does not match its checksum in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Part %1 -- %2: damaged (checksum differs)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These parts of %1 differ from their checksums in %1.sha256.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This part of %1 differs from its checksum in %1.sha256.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
exists already. Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list could not be saved to
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the part size (in bytes) for the
segments of %1. Click the Cancel button
to skip the part size check.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1% complete (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n file set combined</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n file sets combined</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Enter a new filename for
%1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to overwrite the existing file
%1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Part %1 -- This might not be the correct &apos;last part&apos; for this movie.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Part %1 -- %2 missing bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Part %1 -- %2 extra bytes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Info file type (*.000)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open .000 files with TSL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default for .000 files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split (Open With)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split (KDE menu)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send to (Thunar)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send to (Nautilus scripts)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send to (KDE menu)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the program&apos;s path cannot stand in a desktop entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TSL could not bring its desktop registration up to date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TSL works as before; only the file manager&apos;s entries for TSL may be missing or out of date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its folder could not be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a file that TSL did not write is there; it was left alone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it could not be made executable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it could not be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 failed</source>
        <extracomment>%1 a folder, %2 the tool run on it (update-mime-database), %3 what the tool said</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 failed (%3)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bad file name or number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File already open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File already exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too many files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device unavailable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk not ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>use</source>
        <comment>cannot ...</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>open</source>
        <comment>cannot ...</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>create</source>
        <comment>cannot ...</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read</source>
        <comment>cannot ...</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write</source>
        <comment>cannot ...</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>flush</source>
        <comment>cannot ...</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>close</source>
        <comment>cannot ...</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>delete</source>
        <comment>cannot ...</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rename</source>
        <comment>cannot ...</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>truncate</source>
        <comment>cannot ...</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (run-time error %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot %1 %2: %3</source>
        <extracomment>%1 is a verb such as &quot;open&quot;, %2 the file, %3 the reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Runtime Error: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Procedure: %1.Shit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want the program to try to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Click NO to close the program.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 byte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the folder does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: this is no folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the folder cannot be written to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the name is %2 long; this file system allows %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: a folder has that name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: a file of that name is there already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the file is read-only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: that file is also read by this run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: this run would write two files of that name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the file changed while it was read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: was not written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 were written where %3 were planned.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: it does not hold %2 as planned.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>removed %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>could not remove %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cut %1 back to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>could not cut %1 back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: two files of this run would use this name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The drive you specified (%1) for the %2 does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TSL will default to &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no disk in drive %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want the program to create it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was an error (76) creating %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - %2 (%3 bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the initial Combine folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the initial Split folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the initial Append folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number of pieces takes a whole number from %1 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display About dialog...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set program options...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse for file(s)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse for directory...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave these values at 0 if you want to split a file the &quot;normal&quot; way.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Combine files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to increase the font size in the file lists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to decrease the font size in the file lists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to move the selected file down in the append order.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to remove all files from list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to remove selected file(s) from list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to move selected file(s) to list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to move all files to list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to move the selected file up in the append order.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click the buttons to the right (or drag) to move files to the other box.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click the Browse button to choose a directory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Append files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Either a) enter or browse for an existing file; or, b) enter a nonexistent filename to use for the resulting file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double-click to change the &quot;Save In&quot; directory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Combine files - this is specifically for sequentially-numbered parts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split files into sequentially-numbered pieces.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concatenate files or append files to the end of another file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double-click to refresh the list of files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set on the Split page of the options: pieces of one part size, or a number of pieces, for which every file gets its own part size (its length divided by that number, rounded up).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>initial combine directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>initial split directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>initial append directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3.5&quot; floppy disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>e-mail attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CD, 650 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CD, 700 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>largest file on FAT32</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DVD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DVD, dual layer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blu-ray disc, 25 GB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When additional parts exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When parts are missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When parts exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For part names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Part size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chunk size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highest part number to look for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List font size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2): %3 is outside %4 to %5; %6 is used instead.</source>
        <extracomment>%1 the setting&apos;s name, %2 its key, %3 the stored value</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some stored settings are outside the range TSL accepts:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Options... and OK to store the values in use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings were written, but %1 could not be removed, so it would still be used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove it, or choose that store again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be written to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was changed: TSL keeps its settings where they were.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The directory you specified (%1) for the
%2 does not exist.</source>
        <extracomment>%1 the directory, %2 what it is for (&quot;initial split directory&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Split</name>
    <message>
        <source>%1 will not be split into %2 pieces because each would hold %3 bytes, less than the smallest part size (%4 bytes).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 will not be split into %2 pieces because each would hold %3 bytes, more than the largest part size (%4 bytes).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the folder the pieces go to: the output folder is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was split: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The starting piece cannot be higher than the ending piece...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not split: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was written for it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 will be skipped because it is not an ordinary file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 will be skipped because it does not exist in the %2 directory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 will not be split because it is smaller than the part size specified. You should set the part size lower (to at least %2 bytes).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 will not be split because it would need %2 parts, and parts can only be numbered up to 19682. You should set the part size higher (to at least %3 bytes).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was skipped: its split files exist already and are never overwritten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to overwrite the existing split files for %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the file changed while it was read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not split.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No batch file was written for %1: with %2 parts, part %3 is named %4.bat.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleting original file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removed what an earlier split of %1 left: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wipe of %1 was stopped; its data is safe in the pieces.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was split, but not deleted: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an error was reported before.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it changed while it was read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Processed %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1% complete (%2 of %3 parts written - %4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1% complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No checksum file was written for %1: its name would be too long.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was left as it is: it is not a checksum file TSL can rewrite, so it has no lines for these pieces.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n file split</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files split</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1% complete (%2)</source>
        <extracomment>%2 what was done (&quot;1 of 3 files split&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>The chosen files lie in different folders:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose files of one folder at a time. Nothing was selected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>000 files (*.000)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>000 &amp; 001 files (*.000 *.001)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>001 files (*.001)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Movie files (*.mpg *.avi *.mov *.rm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the folder to save in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Bad .000 file)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A job is still running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to stop it and close TSL?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a directory...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TSL is already running...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 piece</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 pieces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes each</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each file is cut into %1 pieces of its own size: the last may be smaller, and a very small file gives fewer pieces (never more).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each file is cut into pieces of %1 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 -- file not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 files selected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 -- %2 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save in directory: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A set&apos;s info file (.000) or first piece (.001) to combine, or files to split; all in one folder. A path with blanks may come unquoted, as several words. Put -- before a FILE that starts with &apos;-&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: tsl [options] [FILE...]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the file sets to combine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the files to split</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the file to append to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the folder for the combined files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the folder for the pieces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the folder to find parts in</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pieces to extract must be whole numbers from 1 to %1, the pieces of %2. Leave both at 0 to split the whole file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not added (not an ordinary file): %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not an ordinary file; there is nothing to split.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n file</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>You can only change this directory if you enter
the name of a file that does not already exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n piece, %1 bytes each.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pieces, %1 bytes each.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>tsl: %1
Try &apos;tsl --help&apos; for more information.
</source>
        <extracomment>%1 what was wrong with the command line</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About TSL...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Splits large files into pieces, combines the pieces back into the whole file, and appends files to one another.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Written by Tessel with the Qt toolkit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>TSL...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co&amp;mbine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File sets:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse for file sets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Combine in:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse for the Combine in folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Combine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Split</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source files:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse for source files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split in:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse for the Split in folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spli&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extract parts:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First part to extract</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last part to extract</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;ppend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save in directory: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Filename:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse for the file to append to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find parts in:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse for the Find parts in folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Appen&amp;d</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmOpt</name>
    <message>
        <source>Options...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co&amp;mbine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options for combining sequentially-numbered files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Associate .000 files with &amp;TSL.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto-combine when a .&amp;000 file is double-clicked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fix &quot;_mpg&quot; extension on combined files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;how &quot;Combine&quot; tooltips.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sa&amp;ve combined file in the same directory as its parts (override &quot;Remember&quot; option).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Treat &quot;File_mpg.002&quot; and &quot;File.mpg.002&quot; as interchangea&amp;ble.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When parts are missing:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do &amp;not combine (skip file set).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As&amp;k.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Combine e&amp;xisting.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remember &quot;Combine in&quot; directory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De&amp;lete parts after combining.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;earch for additional parts (parts which have the same name but are not covered by the 000 file).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When additional parts exist:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ask.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Al&amp;ways include.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Split</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options for splitting files into sequentially-numbered pieces.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Associate .mpg files with &amp;TSL.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;how &quot;Split&quot; tooltips.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For part names:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Use Long File Names.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use &amp;8.3 names.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cr&amp;eate DOS batch file for reassembly.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create .&amp;000 file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Part Si&amp;ze:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Part size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a size, or choose one of the common limits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Units:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 kilobyte = 1024 bytes; 1 megabyte = 1048576 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Kilobytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Me&amp;gabytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split into a number o&amp;f pieces:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each file gets its own part size: its length divided by this number, rounded up. The last piece may be smaller, and a very small file gives fewer pieces (never more).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of pieces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Valid range: 2 - 19682)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last piece may be smaller, and a very small file gives fewer pieces (never more).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search for e&amp;xisting parts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When parts exist:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Never overwrite (i.e. don&apos;t split).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Al&amp;ways overwrite.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De&amp;lete original file after splitting.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sa&amp;ve split pieces in the same directory as the original file (override &quot;Remember&quot; option).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remember &quot;Split in&quot; directory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;ppend / Misc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options for file concatenation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;lose TSL after auto-combine.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Highest part number to look for:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This applies when looking for missing parts if you don&apos;t have the 000 file, and always applies when looking for extra parts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Valid range: 1 - 19682)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Verify file sizes when combining.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;rompt for part size if necessary.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a SendTo shortcut for &amp;TSL.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chunk si&amp;ze:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is a &quot;techie&quot; setting - if the program works ok, there&apos;s no reason to change it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;When deleting files, overwrite them with random data first (more secure).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &quot;&amp;Append&quot; tooltips.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D&amp;elete appended parts when complete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Directories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Initial directories to seek files, save files, etc.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Initial Directories:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Com&amp;bine:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter or browse for the initial Combine directory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse for the initial Combine directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bro&amp;wse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sp&amp;lit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter or browse for the initial Split directory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse for the initial Split directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Appe&amp;nd:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter or browse for the initial Append directory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse for the initial Append directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brows&amp;e...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use .&amp;ini file (tsl.ini)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Registr&amp;y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write checksums (.sha&amp;256).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write a checksum file beside the pieces, so Combine can name a damaged piece and sha256sum -c can check the set on any machine.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
