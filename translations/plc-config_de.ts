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
    <name>plc::CsvMenu</name>
    <message>
        <source>nothing</source>
        <translation>nichts</translation>
    </message>
    <message>
        <source>1 row</source>
        <translation>1 Zeile</translation>
    </message>
    <message>
        <source>%1 rows</source>
        <translation>%1 Zeilen</translation>
    </message>
    <message>
        <source>%1: %2 exported to %3</source>
        <translation>%1: %2 exportiert nach %3</translation>
    </message>
    <message>
        <source>%1: %2 imported from %3</source>
        <translation>%1: %2 importiert aus %3</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>CSV importieren</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>CSV exportieren...</translation>
    </message>
    <message>
        <source>Import CSV...</source>
        <translation>CSV importieren...</translation>
    </message>
</context>
<context>
    <name>plc::CsvTable</name>
    <message>
        <source>CSV file (*.csv);;All file (*.*)</source>
        <translation>CSV-Datei (*.csv);;Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>The CSV file was not imported: </source>
        <translation>Die CSV-Datei wurde nicht importiert: </translation>
    </message>
    <message>
        <source>line %1 has a quote inside a cell that does not start with one.</source>
        <translation>Zeile %1 enthält ein Anführungszeichen in einer Zelle, die nicht mit einem beginnt.</translation>
    </message>
    <message>
        <source>line %1 opens a quote that is never closed.</source>
        <translation>Zeile %1 öffnet ein Anführungszeichen, das nie geschlossen wird.</translation>
    </message>
    <message>
        <source>line %1 has text after a closing quote.</source>
        <translation>Zeile %1 enthält Text nach einem schließenden Anführungszeichen.</translation>
    </message>
    <message>
        <source>it is empty; line 1 must name the columns.</source>
        <translation>sie ist leer; Zeile 1 muss die Spalten benennen.</translation>
    </message>
    <message>
        <source>line %1, column %2 is &quot;%3&quot; where the table has &quot;%4&quot;.</source>
        <translation>Zeile %1, Spalte %2 lautet „%3“, die Tabelle hat dort „%4“.</translation>
    </message>
    <message>
        <source>line %1 has %2 cells where the table has %3 columns.</source>
        <translation>Zeile %1 hat %2 Zellen, die Tabelle hat %3 Spalten.</translation>
    </message>
    <message>
        <source>line %1: </source>
        <translation>Zeile %1: </translation>
    </message>
    <message>
        <source>line %1, column &quot;%2&quot; holds &quot;%3&quot;.
</source>
        <translation>Zeile %1, Spalte „%2“ enthält „%3“.
</translation>
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
    <name>plc::HexText</name>
    <message>
        <source>Overflow: the hexadecimal text &quot;%1&quot; is too long</source>
        <translation>Überlauf: Der Hexadezimaltext „%1“ ist zu lang</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a whole number</source>
        <translation>Typfehler: „%1“ ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in 16 bits</source>
        <translation>Überlauf: %1 passt nicht in 16 Bit</translation>
    </message>
</context>
<context>
    <name>plc::KeepNames</name>
    <message>
        <source>%1 name kept</source>
        <translation>%1 Name übernommen</translation>
    </message>
    <message>
        <source>%1 names kept</source>
        <translation>%1 Namen übernommen</translation>
    </message>
    <message>
        <source>%1 row new</source>
        <translation>%1 Zeile neu</translation>
    </message>
    <message>
        <source>%1 rows new</source>
        <translation>%1 Zeilen neu</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>plc::LineSettingsBox</name>
    <message>
        <source>Speed setting:</source>
        <translation>Baudrate:</translation>
    </message>
    <message>
        <source>Parity setting</source>
        <translation>Parität</translation>
    </message>
    <message>
        <source>Bit number:</source>
        <translation>Datenbits:</translation>
    </message>
    <message>
        <source>Stop bit</source>
        <translation>Stoppbit</translation>
    </message>
</context>
<context>
    <name>plc::ProgressBoard</name>
    <message>
        <source>waiting</source>
        <translation>wartet</translation>
    </message>
</context>
<context>
    <name>plc::RowName</name>
    <message>
        <source>free text of up to %1 characters, kept in the project file only</source>
        <translation>freier Text mit bis zu %1 Zeichen, nur in der Projektdatei gespeichert</translation>
    </message>
    <message>
        <source>A name has at most %1 characters; this one has %2.</source>
        <translation>Ein Name hat höchstens %1 Zeichen; dieser hat %2.</translation>
    </message>
</context>
<context>
    <name>plc::TableHeadings</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
</context>
<context>
    <name>plc::WholeFile</name>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
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
