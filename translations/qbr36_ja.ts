<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>r36::session::Session</name>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit memory %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear memories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert empty memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the partition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset the partition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the bank links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the program-scan links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change a setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move memories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing differs.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>r36::session::Transfer</name>
    <message>
        <source>Read all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read This Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write This Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank Write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read selected memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write selected memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write changes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>r36::session::TransferWorker</name>
    <message>
        <source>Stopped before %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Nothing reached the receiver.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The receiver took %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Everything read before it is kept.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>r36::ui::AboutText</name>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clone utility and memory editor for the QB-R36 receiver.
Provided as is, without warranty of any kind. Keep a clone file of
your receiver before you write to it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>r36::ui::EditCommands</name>
    <message>
        <source>Edit(&amp;E)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert empty memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memories %1..%2 copied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing pasted: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memories %1..%2 pasted</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>r36::ui::FindBar</name>
    <message>
        <source>Frequency in MHz, name or BANK-CH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No memory matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 matching memories</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>r36::ui::LinkDialog</name>
    <message>
        <source>BANK-LINK Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PS LINK Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 %3, %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unavailable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>member</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a member</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>r36::ui::MainWindow</name>
    <message>
        <source>Memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup of the receiver could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t save the port and speed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank Total Error. Init Data?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The changes were neither saved to a file nor written to the receiver. Discard them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R36 Files (*.R36);;All Files (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>csv Files (*.csv);;All Files (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t open the file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 lines of the file were skipped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t save the file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error at line%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t write the file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the memories first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open(&amp;O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import(&amp;I)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export(&amp;E)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backups…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port(&amp;P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comm(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write all(&amp;W)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read all(&amp;R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verify after writing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t save the settings file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version(&amp;V)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing is known yet of what the receiver holds. Read it first to keep a backup and to see what the write will change.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the receiver first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write without reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing differs: the receiver already holds what %1 writes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 will change on the receiver:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1    version %2    %3 memories in use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No backup yet: every Read all leaves one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backups of the receiver, newest first:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>r36::ui::MemoryDetailDialog</name>
    <message>
        <source>auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   PREV.     &lt;&lt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   NEXT      &gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modulation Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offset Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TSQ/DCS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Train</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DCS Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory Setting</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>r36::ui::MemoryListModel</name>
    <message>
        <source>BANK-CH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subtone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TSQ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DCS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Train</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offset Freq.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>r36::ui::MemoryPage</name>
    <message>
        <source>Clear all memories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear selected memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read selected memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write selected memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank-Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PS-Link</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>r36::ui::PartitionEditor</name>
    <message>
        <source>Bank %1 count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank Write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bank counts total %1; they must total %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>r36::ui::SettingsPage</name>
    <message>
        <source>Remocon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>key ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read This Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write This Page</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>r36::ui::TransferBar</name>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop the transfer before its next exchange (Esc)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>r36::ui::VersionWindow</name>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
