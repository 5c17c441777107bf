<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>plc::AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>&lt;b&gt;PLC Tavrix&lt;/b&gt;&lt;br&gt;Configuration tool for the STM32F103C8T6 controller</source>
        <translation>&lt;b&gt;PLC Tavrix&lt;/b&gt;&lt;br&gt;Konfigurationsprogramm für die Steuerung STM32F103C8T6</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Licence:</source>
        <translation>Lizenz:</translation>
    </message>
    <message>
        <source>Settings file:</source>
        <translation>Einstellungsdatei:</translation>
    </message>
    <message>
        <source>History file:</source>
        <translation>Verlaufsdatei:</translation>
    </message>
    <message>
        <source>F1 opens the manual at the page of the tab or dialog in use.</source>
        <translation>F1 öffnet das Handbuch auf der Seite des aktiven Reiters oder Dialogs.</translation>
    </message>
</context>
<context>
    <name>plc::HelpWindow</name>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Lists the pages that hold every word typed and marks the words in the page; Enter finds the next place</source>
        <translation>Listet die Seiten, die alle eingegebenen Wörter enthalten, und markiert die Wörter auf der Seite; Eingabe springt zur nächsten Stelle</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vor</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>%1 - Manual</source>
        <translation>%1 - Handbuch</translation>
    </message>
</context>
<context>
    <name>plc::WindowMenus</name>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Takes effect at the next start</source>
        <translation>Wirksam ab dem nächsten Start</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Handbuch</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Über...</translation>
    </message>
</context>
</TS>
