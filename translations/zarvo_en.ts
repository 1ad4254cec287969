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
