<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Accessibility</name>
    <message numerus="yes">
        <source>%1, %n item(s)</source>
        <translation>
            <numerusform>%1, %n item</numerusform>
            <numerusform>%1, %n items</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Clip</name>
    <message numerus="yes">
        <source>%1 and %Ln more</source>
        <extracomment>%1 is the first file&apos;s name.</extracomment>
        <translation>
            <numerusform>%1 and %n more</numerusform>
            <numerusform>%1 and %n more</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClipRows</name>
    <message numerus="yes">
        <source>%Ln yr. ago</source>
        <translation>
            <numerusform>%n yr. ago</numerusform>
            <numerusform>%n yr. ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %Ln yr.</source>
        <translation>
            <numerusform>in %n yr.</numerusform>
            <numerusform>in %n yr.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln mo. ago</source>
        <translation>
            <numerusform>%n mo. ago</numerusform>
            <numerusform>%n mo. ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %Ln mo.</source>
        <translation>
            <numerusform>in %n mo.</numerusform>
            <numerusform>in %n mo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln wk. ago</source>
        <translation>
            <numerusform>%n wk. ago</numerusform>
            <numerusform>%n wk. ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %Ln wk.</source>
        <translation>
            <numerusform>in %n wk.</numerusform>
            <numerusform>in %n wk.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s) ago</source>
        <translation>
            <numerusform>%n day ago</numerusform>
            <numerusform>%n days ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %Ln day(s)</source>
        <translation>
            <numerusform>in %n day</numerusform>
            <numerusform>in %n days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln hr. ago</source>
        <translation>
            <numerusform>%n hr. ago</numerusform>
            <numerusform>%n hr. ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %Ln hr.</source>
        <translation>
            <numerusform>in %n hr.</numerusform>
            <numerusform>in %n hr.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln min. ago</source>
        <translation>
            <numerusform>%n min. ago</numerusform>
            <numerusform>%n min. ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %Ln min.</source>
        <translation>
            <numerusform>in %n min.</numerusform>
            <numerusform>in %n min.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln sec. ago</source>
        <translation>
            <numerusform>%n sec. ago</numerusform>
            <numerusform>%n sec. ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %Ln sec.</source>
        <translation>
            <numerusform>in %n sec.</numerusform>
            <numerusform>in %n sec.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln lines</source>
        <translation>
            <numerusform>%n lines</numerusform>
            <numerusform>%n lines</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files</source>
        <translation>
            <numerusform>%n files</numerusform>
            <numerusform>%n files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the first %Ln kept</source>
        <extracomment>Of the files a clip holds, how many were kept.</extracomment>
        <translation>
            <numerusform>the first %n kept</numerusform>
            <numerusform>the first %n kept</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln clip(s) you copied · %1 or clip:</source>
        <extracomment>%1 is the clipboard hot key. Keep &quot;clip:&quot;: it is what the user types.</extracomment>
        <translation>
            <numerusform>%n clip you copied · %1 or clip:</numerusform>
            <numerusform>%n clips you copied · %1 or clip:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClipboardTab</name>
    <message numerus="yes">
        <source>Cleared %Ln clip(s). Pinned clips stay</source>
        <translation>
            <numerusform>Cleared %n clip. Pinned clips stay</numerusform>
            <numerusform>Cleared %n clips. Pinned clips stay</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cleared %Ln clip(s)</source>
        <translation>
            <numerusform>Cleared %n clip</numerusform>
            <numerusform>Cleared %n clips</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClipsCommand</name>
    <message numerus="yes">
        <source>%n clip(s) dropped</source>
        <translation>
            <numerusform>%n clip dropped</numerusform>
            <numerusform>%n clips dropped</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClipsWatch</name>
    <message numerus="yes">
        <source>clips: stopped, %n copy(s) captured</source>
        <translation>
            <numerusform>clips: stopped, %n copy captured</numerusform>
            <numerusform>clips: stopped, %n copies captured</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>IndexCommand</name>
    <message numerus="yes">
        <source>%n folder(s) without a watch, re-listed when they change</source>
        <translation>
            <numerusform>%n folder without a watch, re-listed when it changes</numerusform>
            <numerusform>%n folders without a watch, re-listed when they change</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>IndexedFolders</name>
    <message numerus="yes">
        <source>Indexing… %Ln files and folders so far</source>
        <translation>
            <numerusform>Indexing… %Ln files and folders so far</numerusform>
            <numerusform>Indexing… %Ln files and folders so far</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files and folders indexed</source>
        <translation>
            <numerusform>%Ln files and folders indexed</numerusform>
            <numerusform>%Ln files and folders indexed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>every %Ln minutes</source>
        <translation>
            <numerusform>every %n minutes</numerusform>
            <numerusform>every %n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln folders are re-listed %1: raise fs.inotify.max_user_watches</source>
        <extracomment>%1 is how often: every minute, every two minutes, every 5 minutes.</extracomment>
        <translation>
            <numerusform>%Ln folder is re-listed %1: raise fs.inotify.max_user_watches</numerusform>
            <numerusform>%Ln folders are re-listed %1: raise fs.inotify.max_user_watches</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Salvage</name>
    <message numerus="yes">
        <source>the stored %1 could not be read whole; %Ln entries were read, and the stored value is kept unchanged under “%2” in the settings file</source>
        <extracomment>%1 is what was stored (history, favorites), %2 the key it is kept under.</extracomment>
        <translation>
            <numerusform>the stored %1 could not be read whole; %n entry was read, and the stored value is kept unchanged under “%2” in the settings file</numerusform>
            <numerusform>the stored %1 could not be read whole; %n entries were read, and the stored value is kept unchanged under “%2” in the settings file</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SystemActions</name>
    <message numerus="yes">
        <source>Ejected %Ln disk(s)</source>
        <translation>
            <numerusform>Ejected %n disk</numerusform>
            <numerusform>Ejected %n disks</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>zarvo::ClipStore</name>
    <message numerus="yes">
        <source>the index in %1 could not be read whole and was set aside as “%2”; %Ln clips were salvaged into a fresh index, and the data files of every clip it names are kept</source>
        <extracomment>%1 is a folder, %2 a file name.</extracomment>
        <translation>
            <numerusform>the index in %1 could not be read whole and was set aside as “%2”; %n clip was salvaged into a fresh index, and the data files of every clip it names are kept</numerusform>
            <numerusform>the index in %1 could not be read whole and was set aside as “%2”; %n clips were salvaged into a fresh index, and the data files of every clip it names are kept</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the index in %1 could not be read whole nor set aside; %Ln clips were read, and the index is not written over</source>
        <extracomment>%1 is a folder.</extracomment>
        <translation>
            <numerusform>the index in %1 could not be read whole nor set aside; %n clip was read, and the index is not written over</numerusform>
            <numerusform>the index in %1 could not be read whole nor set aside; %n clips were read, and the index is not written over</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>zarvo::ui::ClipPreview</name>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n file</numerusform>
            <numerusform>%n files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 character(s)</source>
        <translation>
            <numerusform>%1 character</numerusform>
            <numerusform>%1 characters</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 more file(s)</source>
        <translation>
            <numerusform>%1 more file</numerusform>
            <numerusform>%1 more files</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>zarvo::ui::SettingsView</name>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n day</numerusform>
            <numerusform>%n days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Never save copies from (%n app(s))</source>
        <translation>
            <numerusform>Never save copies from (%n app)</numerusform>
            <numerusform>Never save copies from (%n apps)</numerusform>
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
            <numerusform>%1, %n pinned</numerusform>
            <numerusform>%1, %n pinned</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n remembered item(s)</source>
        <translation>
            <numerusform>%n remembered item</numerusform>
            <numerusform>%n remembered items</numerusform>
        </translation>
    </message>
</context>
</TS>
