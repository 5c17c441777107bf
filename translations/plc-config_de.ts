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
    <name>plc::ActionNames</name>
    <message>
        <source>Connection test</source>
        <translation>Verbindungstest</translation>
    </message>
    <message>
        <source>UART 1 download</source>
        <translation>Download UART 1</translation>
    </message>
    <message>
        <source>UART 1 upload</source>
        <translation>Upload UART 1</translation>
    </message>
    <message>
        <source>UART 1 slave settings download</source>
        <translation>Download Slave-Einstellungen UART 1</translation>
    </message>
    <message>
        <source>UART 1 slave settings upload</source>
        <translation>Upload Slave-Einstellungen UART 1</translation>
    </message>
    <message>
        <source>UART 2 download</source>
        <translation>Download UART 2</translation>
    </message>
    <message>
        <source>UART 2 upload</source>
        <translation>Upload UART 2</translation>
    </message>
    <message>
        <source>UART 2 slave settings download</source>
        <translation>Download Slave-Einstellungen UART 2</translation>
    </message>
    <message>
        <source>UART 2 slave settings upload</source>
        <translation>Upload Slave-Einstellungen UART 2</translation>
    </message>
    <message>
        <source>I/O map download</source>
        <translation>Download E/A-Belegung</translation>
    </message>
    <message>
        <source>I/O map upload</source>
        <translation>Upload E/A-Belegung</translation>
    </message>
    <message>
        <source>1-wire bus search</source>
        <translation>1-Wire-Bussuche</translation>
    </message>
    <message>
        <source>1-wire download</source>
        <translation>Download 1-Wire</translation>
    </message>
    <message>
        <source>1-wire upload</source>
        <translation>Upload 1-Wire</translation>
    </message>
    <message>
        <source>UART 1 error buffer read</source>
        <translation>Fehlerpuffer UART 1 lesen</translation>
    </message>
    <message>
        <source>UART 2 error buffer read</source>
        <translation>Fehlerpuffer UART 2 lesen</translation>
    </message>
    <message>
        <source>1-wire error buffer read</source>
        <translation>1-Wire-Fehlerpuffer lesen</translation>
    </message>
    <message>
        <source>PLC restart</source>
        <translation>Neustart der Steuerung</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Firmware-Update</translation>
    </message>
    <message>
        <source>Load to PLC</source>
        <translation>In Steuerung laden</translation>
    </message>
    <message>
        <source>Compare with controller</source>
        <translation>Mit Steuerung vergleichen</translation>
    </message>
</context>
<context>
    <name>plc::AuxTransfer</name>
    <message>
        <source>mode word</source>
        <translation>Betriebsartwort</translation>
    </message>
    <message>
        <source>sensor records</source>
        <translation>Sensordatensätze</translation>
    </message>
</context>
<context>
    <name>plc::BenchRun</name>
    <message>
        <source>the production window</source>
        <translation>das Produktionsfenster</translation>
    </message>
    <message>
        <source>CPU type</source>
        <translation>CPU-Typ</translation>
    </message>
    <message>
        <source>done</source>
        <translation>fertig</translation>
    </message>
    <message>
        <source>, left with a partial download</source>
        <translation>, Download unvollständig</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>bestanden</translation>
    </message>
    <message>
        <source>firmware update</source>
        <translation>Firmware-Update</translation>
    </message>
    <message>
        <source>download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>verify</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>restart</source>
        <translation>Neustart</translation>
    </message>
</context>
<context>
    <name>plc::BenchTable</name>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>CPU type</source>
        <translation>CPU-Typ</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Run again</source>
        <translation>Wiederholen</translation>
    </message>
</context>
<context>
    <name>plc::BufferReader</name>
    <message>
        <source>not kept: the port is not a Modbus master</source>
        <translation>nicht geführt: Der Port ist kein Modbus-Master</translation>
    </message>
    <message>
        <source>no records</source>
        <translation>keine Einträge</translation>
    </message>
    <message>
        <source>1 record</source>
        <translation>1 Eintrag</translation>
    </message>
    <message>
        <source>%1 records</source>
        <translation>%1 Einträge</translation>
    </message>
</context>
<context>
    <name>plc::BusMatch</name>
    <message>
        <source>row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>new</source>
        <translation>neu</translation>
    </message>
    <message>
        <source>in table, %1</source>
        <translation>in Tabelle, %1</translation>
    </message>
</context>
<context>
    <name>plc::BusSearchDialog</name>
    <message>
        <source>Search module for 1-wire device</source>
        <translation>Suche nach 1-Wire-Geräten</translation>
    </message>
    <message>
        <source>Number sensor on the bus</source>
        <translation>Anzahl Sensoren am Bus</translation>
    </message>
    <message>
        <source>Start address for automatic slave addition in the main table</source>
        <translation>Startadresse zum automatischen Einfügen in die Haupttabelle</translation>
    </message>
    <message>
        <source>Where each device found stands in the sensor table</source>
        <translation>Wo jedes gefundene Gerät in der Sensortabelle steht</translation>
    </message>
    <message>
        <source>Start search</source>
        <translation>Suche starten</translation>
    </message>
    <message>
        <source>Add new in the table</source>
        <translation>Neue in Tabelle einfügen</translation>
    </message>
    <message>
        <source>Replace all in the table</source>
        <translation>Alle in Tabelle ersetzen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Searching the bus: %1 s left</source>
        <translation>Bus wird durchsucht: noch %1 s</translation>
    </message>
    <message>
        <source>1 device found</source>
        <translation>1 Gerät gefunden</translation>
    </message>
    <message>
        <source>%1 devices found</source>
        <translation>%1 Geräte gefunden</translation>
    </message>
    <message>
        <source>add found devices</source>
        <translation>gefundene Geräte einfügen</translation>
    </message>
    <message>
        <source>replace sensors with found devices</source>
        <translation>Sensoren durch gefundene Geräte ersetzen</translation>
    </message>
    <message>
        <source>Add new in the table: %1 added, %2 already in the table</source>
        <translation>Neue in Tabelle einfügen: %1 eingefügt, %2 schon in der Tabelle</translation>
    </message>
</context>
<context>
    <name>plc::CommandLine</name>
    <message>
        <source>Configures the controller without a window.

Commands:
  test                       the connection test; prints &quot;CPU type N&quot;
  download FILE [--only L]   writes a configuration file&apos;s ports to the controller;
                             L is a comma-separated choice of uart1,uart2,onewire
                             (and iomap for a project)
  upload FILE                reads the ports back and saves them as a configuration file
  buffers [--json]           reads the three error buffers and prints them
  verify FILE                reads the ports back and names every difference from the
                             configuration file (exit code 1 when there is one)
  csv FILE --table T [--import CSV]
                             prints table T (uart1, uart2, onewire) of a configuration
                             file as CSV, or replaces it by the rows of a CSV file
  diff A B [--json]          names every difference between two sides, each a file or
                             --port P for the controller on P, in the order given
                             (diff a.plcproj --port COM3: the file on the left); exit
                             code 1 when there is one
  convert IN OUT             writes IN as the kind of file OUT names; what a configuration
                             file cannot hold is named on standard error
  search [--json] [FILE]     the 1-wire bus search: prints each device found; with a file,
                             &quot;new&quot; or the sensor table&apos;s row (&quot;row N (name)&quot;) beside
                             each, and the table&apos;s sensors that were not found
  report FILE --out PDF [--port P]
                             writes the commissioning report of a file as PDF; with a
                             port, the controller&apos;s CPU type and whether it holds what
                             the file holds
  history [--json] [--since DATE]
                             prints this user&apos;s writes to controllers, oldest first;
                             --json the lines as stored; DATE an ISO 8601 date or
                             date-time (2025-03-01, 2025-03-01T08:15)

FILE may be a project (.plcproj): download, upload and verify then take its I/O map
too, and verify its Field Net lists. A controller compared with a file reads the parts
that file holds.

Without a command the window opens; with a configuration file (.vqc, .rfp) or project
(.plcproj) alone it opens and loads that file. Results go to standard output; progress
and messages to standard error.

A window already open for the same user takes the file instead and comes to the front;
--new-window [FILE] opens a window of its own (for a second controller).

Several controllers at once: --port repeated, or --ports COM1,COM2,/dev/ttyUSB3, for
test, download, upload, buffers and verify; each port runs side by side with the others.
upload to several ports needs {port} in its file name (cell-{port}.vqc). --json prints
one object per port.

Exit codes: 0 done; 1 the controller refused or did not answer (verify, diff: a
difference); 2 bad arguments or a bad file; 3 the port cannot be opened; 130 stopped by
Ctrl-C. With several ports the highest of the ports&apos; codes.</source>
        <translation>Konfiguriert die Steuerung ohne Fenster.

Befehle:
  test                       der Verbindungstest; gibt „CPU-Typ N“ aus
  download FILE [--only L]   schreibt die Ports einer Konfigurationsdatei in die
                             Steuerung; L ist eine durch Kommas getrennte Auswahl aus
                             uart1,uart2,onewire (und iomap bei einem Projekt)
  upload FILE                liest die Ports zurück und speichert sie als
                             Konfigurationsdatei
  buffers [--json]           liest die drei Fehlerpuffer und gibt sie aus
  verify FILE                liest die Ports zurück und nennt jeden Unterschied zur
                             Konfigurationsdatei (Exit-Code 1, wenn es einen gibt)
  csv FILE --table T [--import CSV]
                             gibt Tabelle T (uart1, uart2, onewire) einer
                             Konfigurationsdatei als CSV aus oder ersetzt sie durch die
                             Zeilen einer CSV-Datei
  diff A B [--json]          nennt jeden Unterschied zwischen zwei Seiten, jede eine Datei
                             oder --port P für die Steuerung an P, in der angegebenen
                             Reihenfolge (diff a.plcproj --port COM3: die Datei links);
                             Exit-Code 1, wenn es einen gibt
  convert IN OUT             schreibt IN als die Dateiart, die OUT nennt; was eine
                             Konfigurationsdatei nicht aufnehmen kann, steht auf der
                             Standardfehlerausgabe
  search [--json] [FILE]     die 1-Wire-Bussuche: gibt jedes gefundene Gerät aus; mit
                             einer Datei daneben „neu“ oder die Zeile der Sensortabelle
                             („Zeile N (Name)“) und die nicht gefundenen Sensoren der
                             Tabelle
  report FILE --out PDF [--port P]
                             schreibt den Inbetriebnahmebericht einer Datei als PDF; mit
                             einem Port den CPU-Typ der Steuerung und ob sie enthält, was
                             die Datei enthält
  history [--json] [--since DATE]
                             gibt die Schreibvorgänge dieses Benutzers in Steuerungen aus,
                             älteste zuerst; --json die Zeilen wie gespeichert; DATE ein
                             ISO-8601-Datum oder -Zeitpunkt (2025-03-01, 2025-03-01T08:15)

FILE darf ein Projekt (.plcproj) sein: download, upload und verify nehmen dann auch seine
E/A-Belegung, verify auch seine Field-Net-Listen. Eine Steuerung, die mit einer Datei
verglichen wird, wird in den Teilen gelesen, die diese Datei enthält.

Ohne Befehl öffnet sich das Fenster; mit einer Konfigurationsdatei (.vqc, .rfp) oder einem
Projekt (.plcproj) allein öffnet es sich und lädt diese Datei. Ergebnisse gehen auf die
Standardausgabe, Fortschritt und Meldungen auf die Standardfehlerausgabe.

Ein schon geöffnetes Fenster desselben Benutzers übernimmt stattdessen die Datei und kommt
nach vorn; --new-window [FILE] öffnet ein eigenes Fenster (für eine zweite Steuerung).

Mehrere Steuerungen gleichzeitig: --port mehrfach oder --ports COM1,COM2,/dev/ttyUSB3, für
test, download, upload, buffers und verify; die Ports laufen parallel. upload von
mehreren Ports braucht {port} im Dateinamen (cell-{port}.vqc). --json gibt ein Objekt je
Port aus.

Exit-Codes: 0 fertig; 1 die Steuerung lehnte ab oder antwortete nicht (verify, diff: ein
Unterschied); 2 falsche Argumente oder eine fehlerhafte Datei; 3 der Port kann nicht
geöffnet werden; 130 mit Strg-C angehalten. Bei mehreren Ports der höchste der Codes.</translation>
    </message>
    <message>
        <source>
Try plc-config --help.</source>
        <translation>
Siehe plc-config --help.</translation>
    </message>
    <message>
        <source>COMn (mapped as in the settings file) or a device; again for several.</source>
        <translation>COMn (zugeordnet wie in der Einstellungsdatei) oder ein Gerät; mehrfach für mehrere.</translation>
    </message>
    <message>
        <source>Several ports, comma-separated.</source>
        <translation>Mehrere Ports, durch Kommas getrennt.</translation>
    </message>
    <message>
        <source>Line settings such as 9600,N,8,1.</source>
        <translation>Leitungseinstellungen wie 9600,N,8,1.</translation>
    </message>
    <message>
        <source>download: the parts to write, of uart1,uart2,onewire (and iomap for a project).</source>
        <translation>download: die zu schreibenden Teile aus uart1,uart2,onewire (und iomap bei einem Projekt).</translation>
    </message>
    <message>
        <source>Print JSON instead of text.</source>
        <translation>JSON statt Text ausgeben.</translation>
    </message>
    <message>
        <source>csv: the table, uart1, uart2 or onewire.</source>
        <translation>csv: die Tabelle, uart1, uart2 oder onewire.</translation>
    </message>
    <message>
        <source>csv: the CSV file whose rows replace the table.</source>
        <translation>csv: die CSV-Datei, deren Zeilen die Tabelle ersetzen.</translation>
    </message>
    <message>
        <source>report: the PDF file to write.</source>
        <translation>report: die zu schreibende PDF-Datei.</translation>
    </message>
    <message>
        <source>history: the writes since this ISO 8601 date or date-time.</source>
        <translation>history: die Schreibvorgänge seit diesem ISO-8601-Datum oder -Zeitpunkt.</translation>
    </message>
    <message>
        <source>The settings file to use instead of set.ini beside the program.</source>
        <translation>Die zu verwendende Einstellungsdatei statt set.ini neben dem Programm.</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;.</source>
        <translation>Unbekannter Befehl „%1“.</translation>
    </message>
    <message>
        <source>%1 needs two files: IN and OUT.</source>
        <translation>%1 braucht zwei Dateien: IN und OUT.</translation>
    </message>
    <message>
        <source>%1 needs a file.</source>
        <translation>%1 braucht eine Datei.</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>%1 takes no --%2.</source>
        <translation>%1 erlaubt kein --%2.</translation>
    </message>
    <message>
        <source>csv needs --table uart1, uart2 or onewire.</source>
        <translation>csv braucht --table uart1, uart2 oder onewire.</translation>
    </message>
    <message>
        <source>report needs --out FILE, the PDF to write.</source>
        <translation>report braucht --out FILE, die zu schreibende PDF-Datei.</translation>
    </message>
    <message>
        <source>--only knows uart1, uart2, onewire and iomap, not &quot;%1&quot;.</source>
        <translation>--only kennt uart1, uart2, onewire und iomap, nicht „%1“.</translation>
    </message>
    <message>
        <source>--only knows uart1, uart2 and onewire, not &quot;%1&quot;.</source>
        <translation>--only kennt uart1, uart2 und onewire, nicht „%1“.</translation>
    </message>
    <message>
        <source>--only iomap: %1 is a configuration file; it holds no I/O map.</source>
        <translation>--only iomap: %1 ist eine Konfigurationsdatei; sie enthält keine E/A-Belegung.</translation>
    </message>
    <message>
        <source>--only names no part.</source>
        <translation>--only nennt keinen Teil.</translation>
    </message>
    <message>
        <source>--port %1: the ports are COM1 to COM10, or a device.</source>
        <translation>--port %1: Die Ports sind COM1 bis COM10 oder ein Gerät.</translation>
    </message>
    <message>
        <source>--port %1: %2 is named twice.</source>
        <translation>--port %1: %2 ist doppelt genannt.</translation>
    </message>
    <message>
        <source>--ports names no port.</source>
        <translation>--ports nennt keinen Port.</translation>
    </message>
    <message>
        <source>diff compares two sides: two files, a file and --port P, or two ports.</source>
        <translation>diff vergleicht zwei Seiten: zwei Dateien, eine Datei und --port P oder zwei Ports.</translation>
    </message>
    <message>
        <source>upload to several ports writes a file per port: put {port} in the file name, such as cell-{port}.vqc.</source>
        <translation>upload von mehreren Ports schreibt eine Datei je Port: {port} in den Dateinamen setzen, etwa cell-{port}.vqc.</translation>
    </message>
    <message>
        <source>upload: two ports would write %1.</source>
        <translation>upload: Zwei Ports würden %1 schreiben.</translation>
    </message>
    <message>
        <source>--line %1: %2</source>
        <translation>--line %1: %2</translation>
    </message>
    <message>
        <source>report reads one controller: give --port once.</source>
        <translation>report liest eine Steuerung: --port einmal angeben.</translation>
    </message>
    <message>
        <source>--settings %1: no such file.</source>
        <translation>--settings %1: Datei nicht gefunden.</translation>
    </message>
    <message>
        <source>test, download, upload, buffers, verify, csv, diff, convert, search, report or history.</source>
        <translation>test, download, upload, buffers, verify, csv, diff, convert, search, report oder history.</translation>
    </message>
    <message>
        <source>The configuration file (.vqc, .rfp) or project (.plcproj).</source>
        <translation>Die Konfigurationsdatei (.vqc, .rfp) oder das Projekt (.plcproj).</translation>
    </message>
</context>
<context>
    <name>plc::Commands</name>
    <message>
        <source>(not kept: the port is not a Modbus master)</source>
        <translation>(nicht geführt: Der Port ist kein Modbus-Master)</translation>
    </message>
    <message>
        <source>1 difference</source>
        <translation>1 Unterschied</translation>
    </message>
    <message>
        <source>%1 differences</source>
        <translation>%1 Unterschiede</translation>
    </message>
    <message>
        <source>equal</source>
        <translation>gleich</translation>
    </message>
    <message>
        <source>%1: written</source>
        <translation>%1: geschrieben</translation>
    </message>
    <message>
        <source>%1: read</source>
        <translation>%1: gelesen</translation>
    </message>
    <message>
        <source>saved %1</source>
        <translation>gespeichert: %1</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>controller</source>
        <translation>Steuerung</translation>
    </message>
</context>
<context>
    <name>plc::CompareDialog</name>
    <message>
        <source>No differences</source>
        <translation>Keine Unterschiede</translation>
    </message>
    <message>
        <source>1 difference</source>
        <translation>1 Unterschied</translation>
    </message>
    <message>
        <source>%1 differences</source>
        <translation>%1 Unterschiede</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>Teil</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Spalte</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>Write the differing parts</source>
        <translation>Abweichende Teile schreiben</translation>
    </message>
    <message>
        <source>Take the controller&apos;s values</source>
        <translation>Werte der Steuerung übernehmen</translation>
    </message>
    <message>
        <source>Take the file&apos;s values</source>
        <translation>Werte der Datei übernehmen</translation>
    </message>
</context>
<context>
    <name>plc::ConfigFile</name>
    <message>
        <source>Save PLC configuration</source>
        <translation>Steuerungskonfiguration speichern</translation>
    </message>
    <message>
        <source>Load PLC configuration</source>
        <translation>Steuerungskonfiguration laden</translation>
    </message>
    <message>
        <source>Volquen technology PLC config (*.vqc *.rfp);;All file (*.*)</source>
        <translation>Volquen technology Steuerungskonfiguration (*.vqc *.rfp);;Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Cannot save the configuration to %1: %2</source>
        <translation>Die Konfiguration kann nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
</context>
<context>
    <name>plc::ConfigRecord</name>
    <message>
        <source>request table</source>
        <translation>Anfragetabelle</translation>
    </message>
    <message>
        <source>sensor table</source>
        <translation>Sensortabelle</translation>
    </message>
    <message>
        <source>port mode</source>
        <translation>Portbetriebsart</translation>
    </message>
    <message>
        <source>speed index</source>
        <translation>Baudraten-Index</translation>
    </message>
    <message>
        <source>parity index</source>
        <translation>Paritäts-Index</translation>
    </message>
    <message>
        <source>bit-number index</source>
        <translation>Datenbit-Index</translation>
    </message>
    <message>
        <source>stop-bit index</source>
        <translation>Stoppbit-Index</translation>
    </message>
    <message>
        <source>The configuration cannot be saved: %1 holds &quot;%2&quot;; %3 fits there.</source>
        <translation>Die Konfiguration kann nicht gespeichert werden: %1 enthält „%2“; dort passt %3.</translation>
    </message>
    <message>
        <source>a byte of two hexadecimal digits</source>
        <translation>ein Byte aus zwei Hexadezimalziffern</translation>
    </message>
    <message>
        <source>a whole number from 0 to 255</source>
        <translation>eine ganze Zahl von 0 bis 255</translation>
    </message>
    <message>
        <source>a whole number from -32768 to 32767</source>
        <translation>eine ganze Zahl von -32768 bis 32767</translation>
    </message>
    <message>
        <source>the %1 %2, row %3, column &quot;%4&quot;</source>
        <translation>%1 %2, Zeile %3, Spalte „%4“</translation>
    </message>
    <message>
        <source>the %1 box &quot;%2&quot;</source>
        <translation>das Feld „%2“ von %1</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>eine ganze Zahl</translation>
    </message>
    <message>
        <source>This is not a configuration file the tool can load: %1.</source>
        <translation>Dies ist keine Konfigurationsdatei, die das Programm laden kann: %1.</translation>
    </message>
    <message>
        <source>the %1 is %2, where 0 to %3 are known</source>
        <translation>%1 ist %2, bekannt sind 0 bis %3</translation>
    </message>
    <message>
        <source>the %1 slave timeout is %2, not a whole number of milliseconds</source>
        <translation>der Slave-Timeout von %1 ist %2, keine ganze Anzahl Millisekunden</translation>
    </message>
    <message>
        <source>The file is %1 bytes long; a configuration file is %2 bytes</source>
        <translation>Die Datei ist %1 Bytes lang; eine Konfigurationsdatei hat %2 Bytes</translation>
    </message>
    <message>
        <source>%1 request count</source>
        <translation>%1 Anfrageanzahl</translation>
    </message>
    <message>
        <source>auxiliary port mode</source>
        <translation>Zusatzport-Betriebsart</translation>
    </message>
    <message>
        <source>sensor count</source>
        <translation>Sensoranzahl</translation>
    </message>
</context>
<context>
    <name>plc::ConnectionTest</name>
    <message>
        <source>No first answer from PLC. Check cable connection,port setting,and e.t.c.</source>
        <translation>Keine erste Antwort von der Steuerung. Kabelverbindung, Porteinstellung usw. prüfen.</translation>
    </message>
    <message>
        <source>No second answer from PLC with type. Check cable connection,port setting,and e.t.c.</source>
        <translation>Keine zweite Antwort von der Steuerung mit dem Typ. Kabelverbindung, Porteinstellung usw. prüfen.</translation>
    </message>
    <message>
        <source>the controller answered ENQ with NAK</source>
        <translation>die Steuerung beantwortete ENQ mit NAK</translation>
    </message>
    <message>
        <source>the controller answered ENQ with 0x%1, not ACK</source>
        <translation>die Steuerung beantwortete ENQ mit 0x%1 statt ACK</translation>
    </message>
    <message>
        <source>no answer to ENQ within %1 ms</source>
        <translation>keine Antwort auf ENQ innerhalb von %1 ms</translation>
    </message>
    <message>
        <source>ENQ answered, but no CPU type came within %1 ms</source>
        <translation>ENQ beantwortet, aber kein CPU-Typ innerhalb von %1 ms</translation>
    </message>
    <message>
        <source>Successful connect to the CPU with type %1</source>
        <translation>Erfolgreich verbunden mit der CPU vom Typ %1</translation>
    </message>
    <message>
        <source>CPU type %1</source>
        <translation>CPU-Typ %1</translation>
    </message>
</context>
<context>
    <name>plc::ConvLibrary</name>
    <message>
        <source>The conversion library %1 cannot be loaded: %2</source>
        <translation>Die Umrechnungsbibliothek %1 kann nicht geladen werden: %2</translation>
    </message>
    <message>
        <source>The conversion library %1 (%2) has no function %3</source>
        <translation>Die Umrechnungsbibliothek %1 (%2) hat keine Funktion %3</translation>
    </message>
</context>
<context>
    <name>plc::Converter</name>
    <message>
        <source>Incorrect value for conversion to IEEE format!</source>
        <translation>Ungültiger Wert für die Umrechnung ins IEEE-Format!</translation>
    </message>
    <message>
        <source>Incorrect value for conversion to float format!</source>
        <translation>Ungültiger Wert für die Umrechnung ins Gleitkommaformat!</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <translation>Typfehler: „%1“ ist keine Zahl</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large for a single-precision number</source>
        <translation>Überlauf: „%1“ ist zu groß für eine Zahl einfacher Genauigkeit</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a hexadecimal byte</source>
        <translation>Typfehler: „%1“ ist kein hexadezimales Byte</translation>
    </message>
</context>
<context>
    <name>plc::ConverterTab</name>
    <message>
        <source>Floating-point number to IEEE converter</source>
        <translation>Umrechnung Gleitkommazahl in IEEE</translation>
    </message>
    <message>
        <source>To IEEE</source>
        <translation>In IEEE</translation>
    </message>
    <message>
        <source>To float</source>
        <translation>In Gleitkomma</translation>
    </message>
</context>
<context>
    <name>plc::CsvFile</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
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
    <name>plc::DiagFrames</name>
    <message>
        <source>Command panel</source>
        <translation>Befehle</translation>
    </message>
</context>
<context>
    <name>plc::EditLabels</name>
    <message>
        <source>UART 1</source>
        <translation>UART 1</translation>
    </message>
    <message>
        <source>UART 2</source>
        <translation>UART 2</translation>
    </message>
    <message>
        <source>1-wire</source>
        <translation>1-Wire</translation>
    </message>
    <message>
        <source>I/O map</source>
        <translation>E/A-Belegung</translation>
    </message>
    <message>
        <source>project note</source>
        <translation>Projektnotiz</translation>
    </message>
    <message>
        <source>change sensor table</source>
        <translation>Sensortabelle ändern</translation>
    </message>
    <message>
        <source>change %1 requests</source>
        <translation>Anfragen von %1 ändern</translation>
    </message>
    <message>
        <source>add sensor %1</source>
        <translation>Sensor %1 hinzufügen</translation>
    </message>
    <message>
        <source>delete sensor %1</source>
        <translation>Sensor %1 löschen</translation>
    </message>
    <message>
        <source>edit sensor %1</source>
        <translation>Sensor %1 bearbeiten</translation>
    </message>
    <message>
        <source>add request %1</source>
        <translation>Anfrage %1 hinzufügen</translation>
    </message>
    <message>
        <source>delete request %1</source>
        <translation>Anfrage %1 löschen</translation>
    </message>
    <message>
        <source>edit request %1</source>
        <translation>Anfrage %1 bearbeiten</translation>
    </message>
    <message>
        <source>change configuration</source>
        <translation>Konfiguration ändern</translation>
    </message>
    <message>
        <source>edit project note</source>
        <translation>Projektnotiz bearbeiten</translation>
    </message>
    <message>
        <source>change I/O map</source>
        <translation>E/A-Belegung ändern</translation>
    </message>
    <message>
        <source>change %1 configuration</source>
        <translation>Konfiguration von %1 ändern</translation>
    </message>
    <message>
        <source>change %1 settings</source>
        <translation>Einstellungen von %1 ändern</translation>
    </message>
</context>
<context>
    <name>plc::ErrorRecords</name>
    <message>
        <source>illegal register address </source>
        <translation>unzulässige Registeradresse</translation>
    </message>
    <message>
        <source> illegal argument </source>
        <translation>unzulässiges Argument</translation>
    </message>
    <message>
        <source> receive data error </source>
        <translation>Fehler beim Datenempfang</translation>
    </message>
    <message>
        <source> timeout error occurred  </source>
        <translation>Zeitüberschreitung aufgetreten</translation>
    </message>
    <message>
        <source>master is busy now </source>
        <translation>Master ist beschäftigt</translation>
    </message>
    <message>
        <source>execute function error </source>
        <translation>Fehler bei der Funktionsausführung</translation>
    </message>
    <message>
        <source>General error number :</source>
        <translation>Anzahl allgemeiner Fehler: </translation>
    </message>
    <message>
        <source>Timeout error number :</source>
        <translation>Anzahl Zeitüberschreitungen: </translation>
    </message>
    <message>
        <source>No any device error :</source>
        <translation>Fehler „kein Gerät“: </translation>
    </message>
    <message>
        <source>No device found error :</source>
        <translation>Fehler „Gerät nicht gefunden“: </translation>
    </message>
    <message>
        <source>Number of error :</source>
        <translation>Anzahl Fehler: </translation>
    </message>
    <message>
        <source>No error</source>
        <translation>Kein Fehler</translation>
    </message>
    <message>
        <source>Active error</source>
        <translation>Aktiver Fehler</translation>
    </message>
    <message>
        <source>Old error</source>
        <translation>Alter Fehler</translation>
    </message>
    <message>
        <source>Inactive error</source>
        <translation>Inaktiver Fehler</translation>
    </message>
    <message>
        <source>UART1 modbus error buffer</source>
        <translation>UART1 Modbus-Fehlerpuffer</translation>
    </message>
    <message>
        <source>UART2 modbus error buffer</source>
        <translation>UART2 Modbus-Fehlerpuffer</translation>
    </message>
    <message>
        <source>1-wire error slave buffer</source>
        <translation>1-Wire-Slave-Fehlerpuffer</translation>
    </message>
</context>
<context>
    <name>plc::ExchangeText</name>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Request</source>
        <translation>Anfrage</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Daten</translation>
    </message>
    <message>
        <source>Answer ms</source>
        <translation>Antwort ms</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>accepted</source>
        <translation>angenommen</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>abgelehnt</translation>
    </message>
    <message>
        <source>timeout</source>
        <translation>Timeout</translation>
    </message>
    <message>
        <source>wrong answer</source>
        <translation>falsche Antwort</translation>
    </message>
    <message>
        <source>port lost</source>
        <translation>Port verloren</translation>
    </message>
    <message>
        <source>1 exchange not recorded while paused</source>
        <translation>1 Austausch während der Pause nicht aufgezeichnet</translation>
    </message>
    <message>
        <source>%1 exchanges not recorded while paused</source>
        <translation>%1 Austausche während der Pause nicht aufgezeichnet</translation>
    </message>
</context>
<context>
    <name>plc::FileCommands</name>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>%1: keys this program does not know are ignored: %2</source>
        <translation>%1: Schlüssel, die dieses Programm nicht kennt, werden ignoriert: %2</translation>
    </message>
    <message>
        <source>%1: %2 rows imported into %3</source>
        <translation>%1: %2 Zeilen importiert in %3</translation>
    </message>
    <message>
        <source>saved %1</source>
        <translation>gespeichert: %1</translation>
    </message>
</context>
<context>
    <name>plc::FirmwareImage</name>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>a record starts with &apos;:&apos;</source>
        <translation>ein Datensatz beginnt mit &apos;:&apos;</translation>
    </message>
    <message>
        <source>not a well-formed record</source>
        <translation>kein wohlgeformter Datensatz</translation>
    </message>
    <message>
        <source>bad checksum %1, the record needs %2</source>
        <translation>falsche Prüfsumme %1, der Datensatz braucht %2</translation>
    </message>
    <message>
        <source>data beyond the 4 GB address space</source>
        <translation>Daten jenseits des 4-GB-Adressraums</translation>
    </message>
    <message>
        <source>data at %1 given twice</source>
        <translation>Daten an %1 doppelt angegeben</translation>
    </message>
    <message>
        <source>an address record holds 2 bytes</source>
        <translation>ein Adressdatensatz enthält 2 Bytes</translation>
    </message>
    <message>
        <source>a start address holds 4 bytes</source>
        <translation>eine Startadresse enthält 4 Bytes</translation>
    </message>
    <message>
        <source>record type %1 is not supported</source>
        <translation>Datensatztyp %1 wird nicht unterstützt</translation>
    </message>
    <message>
        <source>no end-of-file record: the file is cut short</source>
        <translation>kein Dateiende-Datensatz: die Datei ist abgeschnitten</translation>
    </message>
    <message>
        <source>larger than the 4 GB address space</source>
        <translation>größer als der 4-GB-Adressraum</translation>
    </message>
    <message>
        <source>Cannot read the image %1: %2</source>
        <translation>Das Abbild %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Bad Intel HEX file %1: %2</source>
        <translation>Fehlerhafte Intel-HEX-Datei %1: %2</translation>
    </message>
    <message>
        <source>Bad binary file %1: %2</source>
        <translation>Fehlerhafte Binärdatei %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The image is empty: there is nothing to write</source>
        <translation>Das Abbild ist leer: es gibt nichts zu schreiben</translation>
    </message>
    <message>
        <source>the flash (%1 to %2, %3 KB)</source>
        <translation>dem Flash (%1 bis %2, %3 KB)</translation>
    </message>
    <message>
        <source>The image lies outside %1: it has data at %2</source>
        <translation>Das Abbild liegt außerhalb von %1: es hat Daten an %2</translation>
    </message>
    <message>
        <source>The image does not fit %1: it reaches %2</source>
        <translation>Das Abbild passt nicht in den Bereich von %1: es reicht bis %2</translation>
    </message>
</context>
<context>
    <name>plc::FlashRead</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>No page is erased: no backup needed</source>
        <translation>Keine Seite wird gelöscht: keine Sicherung nötig</translation>
    </message>
    <message>
        <source>The chip is readout-protected: the pages to be erased cannot be read, so no backup can be made; nothing was erased.</source>
        <translation>Der Chip ist auslesegeschützt: die zu löschenden Seiten können nicht gelesen werden, daher ist keine Sicherung möglich; nichts wurde gelöscht.</translation>
    </message>
    <message>
        <source>The backup failed; nothing was erased. </source>
        <translation>Die Sicherung ist fehlgeschlagen; nichts wurde gelöscht. </translation>
    </message>
    <message>
        <source>Backup of %1 (%2 bytes) saved in %3</source>
        <translation>Sicherung von %1 (%2 Bytes) in %3 gespeichert</translation>
    </message>
    <message>
        <source>; nothing was erased.</source>
        <translation>; nichts wurde gelöscht.</translation>
    </message>
    <message>
        <source>The flash holds %1 bytes (%2 KB); %3 bytes cannot be read.</source>
        <translation>Der Flash fasst %1 Bytes (%2 KB); %3 Bytes können nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Flash %1 (%2 bytes) saved in %3</source>
        <translation>Flash %1 (%2 Bytes) in %3 gespeichert</translation>
    </message>
    <message>
        <source>The flash holds the image (%1 bytes compared)</source>
        <translation>Der Flash enthält das Abbild (%1 Bytes verglichen)</translation>
    </message>
    <message>
        <source>The flash differs from the image: first at %1, %2 of %3 bytes differ.</source>
        <translation>Der Flash weicht vom Abbild ab: zuerst an %1, %2 von %3 Bytes weichen ab.</translation>
    </message>
</context>
<context>
    <name>plc::Frame</name>
    <message>
        <source>Overflow: the frame is too long for its checksum</source>
        <translation>Überlauf: Der Rahmen ist zu lang für seine Prüfsumme</translation>
    </message>
</context>
<context>
    <name>plc::GeneralSettingFrame</name>
    <message>
        <source>General setting</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Restart PLC</source>
        <translation>Steuerung neu starten</translation>
    </message>
    <message>
        <source>Writes the restart word (%1) into the controller</source>
        <translation>Schreibt das Neustartwort (%1) in die Steuerung</translation>
    </message>
    <message>
        <source>Start update firmware for STM32F3</source>
        <translation>Firmware-Update für STM32F3 starten</translation>
    </message>
    <message>
        <source>Writes the update word (%1) into the controller, then starts the firmware update program</source>
        <translation>Schreibt das Update-Wort (%1) in die Steuerung und startet dann das Firmware-Update-Programm</translation>
    </message>
    <message>
        <source>%1: switched to the loader; the update continues in its own window</source>
        <translation>%1: auf den Loader umgeschaltet; das Update läuft in seinem eigenen Fenster weiter</translation>
    </message>
</context>
<context>
    <name>plc::GuidedUpdate</name>
    <message>
        <source>The chip is readout-protected. Readout Unprotect removes the protection and ERASES THE WHOLE FLASH of the controller; the controller restarts into its loader. Unprotect now?</source>
        <translation>Der Chip ist auslesegeschützt. Readout Unprotect entfernt den Schutz und LÖSCHT DEN GESAMTEN FLASH der Steuerung; die Steuerung startet neu in ihren Loader. Jetzt entsperren?</translation>
    </message>
    <message>
        <source>The flash is write-protected. Write Unprotect removes the write protection of the whole flash; the controller restarts into its loader. Unprotect now?</source>
        <translation>Der Flash ist schreibgeschützt. Write Unprotect entfernt den Schreibschutz des gesamten Flashs; die Steuerung startet neu in ihren Loader. Jetzt entsperren?</translation>
    </message>
    <message>
        <source>Its flash cannot be read, so no backup of the firmware in it can be made. </source>
        <translation>Der Flash kann nicht gelesen werden, daher ist keine Sicherung der Firmware darin möglich. </translation>
    </message>
    <message>
        <source>The chip is readout-protected: the pages to be erased cannot be read, so no backup can be made. Write the firmware without a backup?</source>
        <translation>Der Chip ist auslesegeschützt: die zu löschenden Seiten können nicht gelesen werden, daher ist keine Sicherung möglich. Die Firmware ohne Sicherung schreiben?</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Verbindung wird hergestellt...</translation>
    </message>
    <message>
        <source>Done: %1.</source>
        <translation>Fertig: %1.</translation>
    </message>
    <message>
        <source>Readout Unprotect: erasing the whole flash...</source>
        <translation>Readout Unprotect: der gesamte Flash wird gelöscht...</translation>
    </message>
    <message>
        <source>Write Unprotect...</source>
        <translation>Write Unprotect...</translation>
    </message>
    <message>
        <source>Backup of the pages to be erased...</source>
        <translation>Sicherung der zu löschenden Seiten...</translation>
    </message>
    <message>
        <source>No backup: the flash cannot be read</source>
        <translation>Keine Sicherung: der Flash kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>No backup: Readout Unprotect erased the whole flash</source>
        <translation>Keine Sicherung: Readout Unprotect hat den gesamten Flash gelöscht</translation>
    </message>
    <message>
        <source>Firmware written and verified (%1 KB), started</source>
        <translation>Firmware geschrieben und geprüft (%1 KB), gestartet</translation>
    </message>
    <message>
        <source> The controller stays in its loader: write again, or switch it off and on to run the firmware it holds.</source>
        <translation> Die Steuerung bleibt in ihrem Loader: erneut schreiben oder sie aus- und wieder einschalten, um die Firmware darin zu starten.</translation>
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
        <translation>Listet die Seiten, die alle eingegebenen Wörter enthalten, und markiert die Wörter auf der Seite; die Eingabetaste springt zur nächsten Fundstelle</translation>
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
    <name>plc::HistoryCommand</name>
    <message>
        <source>--since %1: not an ISO 8601 date (2025-03-01) or date-time (2025-03-01T08:15).
Try plc-config --help.</source>
        <translation>--since %1: kein ISO-8601-Datum (2025-03-01) oder -Zeitpunkt (2025-03-01T08:15).
Siehe plc-config --help.</translation>
    </message>
    <message>
        <source>No write recorded in %1.</source>
        <translation>Kein Schreibvorgang in %1 aufgezeichnet.</translation>
    </message>
</context>
<context>
    <name>plc::HistoryDialog</name>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Action:</source>
        <translation>Aktion:</translation>
    </message>
    <message>
        <source>Result:</source>
        <translation>Ergebnis:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
</context>
<context>
    <name>plc::HistoryEntry</name>
    <message>
        <source>done and verified</source>
        <translation>fertig und geprüft</translation>
    </message>
    <message>
        <source>done</source>
        <translation>fertig</translation>
    </message>
    <message>
        <source> (the controller may hold a partial configuration)</source>
        <translation> (die Steuerung enthält womöglich eine unvollständige Konfiguration)</translation>
    </message>
</context>
<context>
    <name>plc::IoMapFrame</name>
    <message>
        <source>Input-output configuration</source>
        <translation>Ein-/Ausgangskonfiguration</translation>
    </message>
    <message>
        <source>New IO config</source>
        <translation>Neue E/A-Konfig.</translation>
    </message>
    <message>
        <source>Upload from PLC</source>
        <translation>Aus Steuerung lesen</translation>
    </message>
    <message>
        <source>Reads the inputs and outputs (I/O map block, %1) from the controller</source>
        <translation>Liest die Ein- und Ausgänge (E/A-Block, %1) aus der Steuerung</translation>
    </message>
    <message>
        <source>Download to PLC</source>
        <translation>In Steuerung laden</translation>
    </message>
    <message>
        <source>Writes the inputs and outputs (I/O map block, %1) into the controller</source>
        <translation>Schreibt die Ein- und Ausgänge (E/A-Block, %1) in die Steuerung</translation>
    </message>
    <message>
        <source>upload I/O map</source>
        <translation>E/A-Belegung lesen</translation>
    </message>
</context>
<context>
    <name>plc::IoTransfer</name>
    <message>
        <source>I/O map block</source>
        <translation>E/A-Block</translation>
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
    <name>plc::LineSettings</name>
    <message>
        <source>Invalid line settings &quot;%1&quot;: %2</source>
        <translation>Ungültige Leitungseinstellungen „%1“: %2</translation>
    </message>
    <message>
        <source>%1 settings where speed, parity, data bits and stop bits are needed; check the stored port settings</source>
        <translation>%1 Einstellungen, benötigt werden Baudrate, Parität, Datenbits und Stoppbits; die gespeicherten Porteinstellungen prüfen</translation>
    </message>
    <message>
        <source>the speed setting is empty</source>
        <translation>die Baudrate ist leer</translation>
    </message>
    <message>
        <source>the parity setting is empty</source>
        <translation>die Parität ist leer</translation>
    </message>
    <message>
        <source>the data bits setting is empty</source>
        <translation>die Datenbits sind leer</translation>
    </message>
    <message>
        <source>the stop bits setting is empty</source>
        <translation>die Stoppbits sind leer</translation>
    </message>
    <message>
        <source>the speed &quot;%1&quot; is not a baud rate</source>
        <translation>die Geschwindigkeit „%1“ ist keine Baudrate</translation>
    </message>
    <message>
        <source>the parity &quot;%1&quot; is unknown</source>
        <translation>die Parität „%1“ ist unbekannt</translation>
    </message>
    <message>
        <source>a serial port cannot use %1 data bits</source>
        <translation>ein serieller Port kann keine %1 Datenbits verwenden</translation>
    </message>
    <message>
        <source>the stop bits &quot;%1&quot; are unknown</source>
        <translation>die Stoppbits „%1“ sind unbekannt</translation>
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
    <name>plc::LinkAction</name>
    <message>
        <source>You are shure for download configuration to the PLC ? </source>
        <translation>Soll die Konfiguration wirklich in die Steuerung geladen werden?</translation>
    </message>
</context>
<context>
    <name>plc::ListEntries</name>
    <message>
        <source>Odd</source>
        <translation>Ungerade</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Gerade</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Read coils</source>
        <translation>Coils lesen</translation>
    </message>
    <message>
        <source>Read holding register</source>
        <translation>Holding-Register lesen</translation>
    </message>
    <message>
        <source>Write multiply register</source>
        <translation>Mehrere Register schreiben</translation>
    </message>
    <message>
        <source>Write coils</source>
        <translation>Coils schreiben</translation>
    </message>
    <message>
        <source>Read input register</source>
        <translation>Input-Register lesen</translation>
    </message>
    <message>
        <source>Input -X</source>
        <translation>Eingang -X</translation>
    </message>
    <message>
        <source>Output -Y</source>
        <translation>Ausgang -Y</translation>
    </message>
    <message>
        <source>Output-Y</source>
        <translation>Ausgang-Y</translation>
    </message>
    <message>
        <source>Not use</source>
        <translation>Nicht benutzt</translation>
    </message>
    <message>
        <source>1-wire master</source>
        <translation>1-Wire-Master</translation>
    </message>
    <message>
        <source>Field Net</source>
        <translation>Field Net</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Master</translation>
    </message>
    <message>
        <source>Slave</source>
        <translation>Slave</translation>
    </message>
</context>
<context>
    <name>plc::LoaderClient</name>
    <message>
        <source>loader %1.%2, %3 (0x%4), %5 KB flash in %6 KB pages</source>
        <translation>Loader %1.%2, %3 (0x%4), %5 KB Flash in Seiten zu %6 KB</translation>
    </message>
    <message>
        <source> The controller holds a partial firmware and stays in its loader; run the update again.</source>
        <translation> Die Steuerung enthält eine unvollständige Firmware und bleibt in ihrem Loader; das Update erneut ausführen.</translation>
    </message>
    <message>
        <source>The loader refused %1 (NACK).</source>
        <translation>Der Loader hat %1 abgelehnt (NACK).</translation>
    </message>
    <message>
        <source>The loader answered %1 to %2 instead of ACK (0x79): the speed or the parity is wrong, or the line is disturbed.</source>
        <translation>Der Loader beantwortete %2 mit %1 statt ACK (0x79): Baudrate oder Parität sind falsch, oder die Leitung ist gestört.</translation>
    </message>
    <message>
        <source>The loader did not answer %1.</source>
        <translation>Der Loader hat %1 nicht beantwortet.</translation>
    </message>
    <message>
        <source>The serial port %1 was lost: %2.</source>
        <translation>Der serielle Port %1 ging verloren: %2.</translation>
    </message>
    <message>
        <source>The loader answered %1 instead of ACK (0x79): the speed or the parity is wrong. The loader takes 1200 to 115200 baud with 8 data bits, even parity and 1 stop bit (no parity only where the line cannot carry it).</source>
        <translation>Der Loader antwortete %1 statt ACK (0x79): Baudrate oder Parität sind falsch. Der Loader arbeitet mit 1200 bis 115200 Baud, 8 Datenbits, gerader Parität und 1 Stoppbit (ohne Parität nur, wo die Leitung sie nicht übertragen kann).</translation>
    </message>
    <message>
        <source>No answer from the controller&apos;s loader on %1. Either the controller is not in its loader (press &quot;Start update firmware for STM32F3&quot; in the configuration tool first) or the lines are not wired.</source>
        <translation>Keine Antwort vom Loader der Steuerung an %1. Entweder ist die Steuerung nicht in ihrem Loader (zuerst im Konfigurationsprogramm „Firmware-Update für STM32F3 starten“ drücken) oder die Leitungen sind nicht verdrahtet.</translation>
    </message>
    <message>
        <source>The loader does not list the command %1, which an update needs.</source>
        <translation>Der Loader führt den Befehl %1 nicht auf, den ein Update braucht.</translation>
    </message>
    <message>
        <source>The loader lists no erase command (0x43 or 0x44).</source>
        <translation>Der Loader führt keinen Löschbefehl auf (0x43 oder 0x44).</translation>
    </message>
    <message>
        <source>The loader reports the product ID 0x%1, a chip this program does not know; nothing was written.</source>
        <translation>Der Loader meldet die Produkt-ID 0x%1, einen Chip, den dieses Programm nicht kennt; nichts wurde geschrieben.</translation>
    </message>
    <message>
        <source>The chip reports no flash size (0x%1).</source>
        <translation>Der Chip meldet keine Flash-Größe (0x%1).</translation>
    </message>
    <message>
        <source>Read Memory at %1</source>
        <translation>Read Memory an %1</translation>
    </message>
    <message>
        <source>The chip is readout-protected: its loader refuses to read the flash. Readout Unprotect removes the protection and erases the whole flash; then write the firmware again.</source>
        <translation>Der Chip ist auslesegeschützt: sein Loader verweigert das Lesen des Flashs. Readout Unprotect entfernt den Schutz und löscht den gesamten Flash; danach die Firmware erneut schreiben.</translation>
    </message>
    <message>
        <source>Write Memory at %1</source>
        <translation>Write Memory an %1</translation>
    </message>
    <message>
        <source>The flash is write-protected: the loader refused to write at %1. Write Unprotect removes the protection (the chip restarts into its loader); then write the firmware again.</source>
        <translation>Der Flash ist schreibgeschützt: der Loader verweigerte das Schreiben an %1. Write Unprotect entfernt den Schutz (der Chip startet neu in seinen Loader); danach die Firmware erneut schreiben.</translation>
    </message>
    <message>
        <source>Erase of %1 pages from page %2</source>
        <translation>das Löschen von %1 Seiten ab Seite %2</translation>
    </message>
    <message>
        <source> It did so %1 times; the update stopped.</source>
        <translation> Das geschah %1-mal; das Update wurde angehalten.</translation>
    </message>
    <message>
        <source>The loader does not answer any more; the update stopped.</source>
        <translation>Der Loader antwortet nicht mehr; das Update wurde angehalten.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>Cancelled; the flash was not changed.</source>
        <translation>Abgebrochen; der Flash wurde nicht verändert.</translation>
    </message>
    <message>
        <source>Go to %1</source>
        <translation>Go nach %1</translation>
    </message>
    <message>
        <source>; nothing was erased.</source>
        <translation>; nichts wurde gelöscht.</translation>
    </message>
    <message>
        <source>Verification failed: the flash at %1 holds %2 where the image has %3. The firmware was not started.</source>
        <translation>Prüfung fehlgeschlagen: der Flash enthält an %1 %2, wo das Abbild %3 hat. Die Firmware wurde nicht gestartet.</translation>
    </message>
    <message>
        <source>The flash is write-protected: %1 of the %2 pages to be erased are locked, from page %3 on. Write Unprotect removes the protection (the chip restarts into its loader); then write the firmware again. Nothing was erased.</source>
        <translation>Der Flash ist schreibgeschützt: %1 der %2 zu löschenden Seiten sind gesperrt, ab Seite %3. Write Unprotect entfernt den Schutz (der Chip startet neu in seinen Loader); danach die Firmware erneut schreiben. Es wurde nichts gelöscht.</translation>
    </message>
</context>
<context>
    <name>plc::LoaderPort</name>
    <message>
        <source>The line settings &quot;%1&quot; are not speed,parity,8,1 with a speed from 1200 to 115200 and parity E (the loader&apos;s) or N</source>
        <translation>Die Leitungseinstellungen „%1“ sind nicht Baudrate,Parität,8,1 mit einer Baudrate von 1200 bis 115200 und Parität E (die des Loaders) oder N</translation>
    </message>
    <message>
        <source>No serial port is chosen</source>
        <translation>Kein serieller Port gewählt</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The serial port %1 refuses %2 (%3).%4</source>
        <translation>Der serielle Port %1 lehnt %2 ab (%3).%4</translation>
    </message>
    <message>
        <source>the speed %1</source>
        <translation>die Baudrate %1</translation>
    </message>
    <message>
        <source>even parity, which the loader uses</source>
        <translation>die gerade Parität des Loaders</translation>
    </message>
    <message>
        <source>no parity</source>
        <translation>den Betrieb ohne Parität</translation>
    </message>
    <message>
        <source> Pseudo-terminals and some adapters cannot carry parity: choose no parity (line 115200,N,8,1, or 8N1 in the window) where the other end has none.</source>
        <translation> Pseudo-Terminals und manche Adapter können keine Parität übertragen: ohne Parität arbeiten (Leitung 115200,N,8,1 oder 8N1 im Fenster), wo die Gegenstelle keine hat.</translation>
    </message>
    <message>
        <source>8 data bits, 1 stop bit, no flow control</source>
        <translation>8 Datenbits, 1 Stoppbit ohne Flusssteuerung</translation>
    </message>
    <message>
        <source>the device is gone</source>
        <translation>das Gerät ist verschwunden</translation>
    </message>
    <message>
        <source>it takes no more bytes</source>
        <translation>sie nimmt keine Bytes mehr an</translation>
    </message>
    <message>
        <source>The serial port %1 cannot drive its %2 line (%3): a pseudo-terminal and some adapters have no modem lines. Enter the loader by hand or leave out the line sequence.</source>
        <translation>Der serielle Port %1 kann seine %2-Leitung nicht setzen (%3): ein Pseudo-Terminal und manche Adapter haben keine Modemleitungen. Den Loader von Hand aufrufen oder die Leitungsfolge weglassen.</translation>
    </message>
</context>
<context>
    <name>plc::LoaderSwitch</name>
    <message>
        <source>The switch to the loader failed: %1</source>
        <translation>Das Umschalten auf den Loader ist fehlgeschlagen: %1</translation>
    </message>
</context>
<context>
    <name>plc::MainWindow</name>
    <message>
        <source>The tables hold changes that are neither saved in a configuration file nor written to the controller.
</source>
        <translation>Die Tabellen enthalten Änderungen, die weder in einer Konfigurationsdatei gespeichert noch in die Steuerung geschrieben sind.
</translation>
    </message>
    <message>
        <source>the main window</source>
        <translation>das Hauptfenster</translation>
    </message>
    <message>
        <source>Not implemented yet </source>
        <translation>Noch nicht umgesetzt</translation>
    </message>
    <message>
        <source>PLC Tavrix v 467 for  STM32F103C8T6 from firmware G029   //Active port - COM %1</source>
        <translation>PLC Tavrix v 467 für STM32F103C8T6 ab Firmware G029   //Aktiver Port - COM %1</translation>
    </message>
    <message>
        <source>upload from PLC</source>
        <translation>aus Steuerung lesen</translation>
    </message>
    <message>
        <source>Configuration saved to %1</source>
        <translation>Konfiguration gespeichert in %1</translation>
    </message>
    <message>
        <source>The configuration file %1 no longer exists. It has been taken off the recent configurations.</source>
        <translation>Die Konfigurationsdatei %1 existiert nicht mehr. Sie wurde aus den zuletzt verwendeten Konfigurationen entfernt.</translation>
    </message>
    <message>
        <source>Save them before starting a new configuration?</source>
        <translation>Vor dem Beginn einer neuen Konfiguration speichern?</translation>
    </message>
    <message>
        <source>new config</source>
        <translation>neue Konfiguration</translation>
    </message>
    <message>
        <source>Open project</source>
        <translation>Projekt öffnen</translation>
    </message>
    <message>
        <source>open %1</source>
        <translation>%1 öffnen</translation>
    </message>
    <message>
        <source>Project loaded from %1</source>
        <translation>Projekt geladen aus %1</translation>
    </message>
    <message>
        <source>. Ignored unknown keys: %1</source>
        <translation>. Unbekannte Schlüssel ignoriert: %1</translation>
    </message>
    <message>
        <source>Save project</source>
        <translation>Projekt speichern</translation>
    </message>
    <message>
        <source>Project saved to %1</source>
        <translation>Projekt gespeichert in %1</translation>
    </message>
    <message>
        <source>Save them before loading %1?</source>
        <translation>Vor dem Laden von %1 speichern?</translation>
    </message>
    <message>
        <source>load %1</source>
        <translation>%1 laden</translation>
    </message>
    <message>
        <source>Configuration loaded from %1</source>
        <translation>Konfiguration geladen aus %1</translation>
    </message>
    <message>
        <source>New default application setting was saved in *.ini file successfully </source>
        <translation>Die neue Standardeinstellung wurde erfolgreich in der *.ini-Datei gespeichert</translation>
    </message>
    <message>
        <source>Save them before quitting?</source>
        <translation>Vor dem Beenden speichern?</translation>
    </message>
</context>
<context>
    <name>plc::ManualLanguage</name>
    <message>
        <source>en</source>
        <comment>the code of the language this translation is in: de for German</comment>
        <translation>de</translation>
    </message>
</context>
<context>
    <name>plc::MemoryMap</name>
    <message>
        <source>address %1 (hex)</source>
        <translation>Adresse %1 (hex)</translation>
    </message>
</context>
<context>
    <name>plc::MissingSensorMarks</name>
    <message>
        <source>not found</source>
        <translation>nicht gefunden</translation>
    </message>
</context>
<context>
    <name>plc::ModbusDiagTab</name>
    <message>
        <source>Reads the Modbus error buffer of UART %1 from the controller</source>
        <translation>Liest den Modbus-Fehlerpuffer von UART %1 aus der Steuerung</translation>
    </message>
    <message>
        <source>Read modbus buffer 1</source>
        <translation>Modbus-Puffer 1 lesen</translation>
    </message>
    <message>
        <source>Read modbus buffer 2</source>
        <translation>Modbus-Puffer 2 lesen</translation>
    </message>
</context>
<context>
    <name>plc::ModemLines</name>
    <message>
        <source>&quot;%1&quot; in the line sequence &quot;%2&quot; is not dtr=0|1, rts=0|1 or wait=ms (0 to %3)</source>
        <translation>„%1“ in der Leitungsfolge „%2“ ist nicht dtr=0|1, rts=0|1 oder wait=ms (0 bis %3)</translation>
    </message>
</context>
<context>
    <name>plc::MultiPort</name>
    <message>
        <source>done</source>
        <translation>fertig</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>angehalten</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>abgelehnt</translation>
    </message>
    <message>
        <source>unanswered</source>
        <translation>unbeantwortet</translation>
    </message>
    <message>
        <source>wrong answer</source>
        <translation>falsche Antwort</translation>
    </message>
    <message>
        <source>port lost</source>
        <translation>Port verloren</translation>
    </message>
    <message>
        <source>port not opened</source>
        <translation>Port nicht geöffnet</translation>
    </message>
    <message>
        <source>busy</source>
        <translation>beschäftigt</translation>
    </message>
    <message>
        <source>stopped by Ctrl-C</source>
        <translation>mit Strg-C angehalten</translation>
    </message>
    <message>
        <source>%1: %2 in %3</source>
        <translation>%1: %2 in %3</translation>
    </message>
    <message>
        <source>%1: %2 after %3</source>
        <translation>%1: %2 nach %3</translation>
    </message>
    <message>
        <source>, left with a partial download</source>
        <translation>, Download unvollständig</translation>
    </message>
    <message>
        <source>Stopped by Ctrl-C; no port was left with a partial download.</source>
        <translation>Mit Strg-C angehalten; an keinem Port ist ein Download unvollständig.</translation>
    </message>
    <message>
        <source>Stopped by Ctrl-C; left with a partial download: %1.</source>
        <translation>Mit Strg-C angehalten; Download unvollständig an: %1.</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit-Code</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
</context>
<context>
    <name>plc::OneWireDiagTab</name>
    <message>
        <source>Read 1-wire buffer</source>
        <translation>1-Wire-Puffer lesen</translation>
    </message>
    <message>
        <source>Reads the 1-wire error buffer from the controller</source>
        <translation>Liest den 1-Wire-Fehlerpuffer aus der Steuerung</translation>
    </message>
</context>
<context>
    <name>plc::OneWireTab</name>
    <message>
        <source>Auxiliary port setting</source>
        <translation>Zusatzport-Einstellung</translation>
    </message>
    <message>
        <source>Write to PLC</source>
        <translation>In Steuerung schreiben</translation>
    </message>
    <message>
        <source>Writes the port mode (mode word, %1) and, for a 1-wire master, the sensor table (from %2) into the controller</source>
        <translation>Schreibt die Portbetriebsart (Betriebsartwort, %1) und bei einem 1-Wire-Master die Sensortabelle (ab %2) in die Steuerung</translation>
    </message>
    <message>
        <source>Upload from PLC</source>
        <translation>Aus Steuerung lesen</translation>
    </message>
    <message>
        <source>Reads the port mode, the Field Net line settings or the sensor table from the controller</source>
        <translation>Liest Portbetriebsart, Field-Net-Leitungseinstellungen oder Sensortabelle aus der Steuerung</translation>
    </message>
    <message>
        <source>Field Net port setting</source>
        <translation>Field-Net-Port-Einstellung</translation>
    </message>
    <message>
        <source>1-wire master configuration</source>
        <translation>1-Wire-Master-Konfiguration</translation>
    </message>
    <message>
        <source>Add slave</source>
        <translation>Slave hinzufügen</translation>
    </message>
    <message>
        <source>Modify slave</source>
        <translation>Slave ändern</translation>
    </message>
    <message>
        <source>Delete slave</source>
        <translation>Slave löschen</translation>
    </message>
    <message>
        <source>Search slave</source>
        <translation>Slaves suchen</translation>
    </message>
    <message>
        <source>Delete all slave</source>
        <translation>Alle Slaves löschen</translation>
    </message>
    <message>
        <source>1-wire sensors</source>
        <translation>1-Wire-Sensoren</translation>
    </message>
    <message>
        <source>import CSV into 1-wire sensors</source>
        <translation>CSV in 1-Wire-Sensoren importieren</translation>
    </message>
    <message>
        <source>Replace with found device...</source>
        <translation>Durch gefundenes Gerät ersetzen...</translation>
    </message>
    <message>
        <source>upload 1-wire</source>
        <translation>1-Wire lesen</translation>
    </message>
    <message>
        <source>replace sensor %1</source>
        <translation>Sensor %1 ersetzen</translation>
    </message>
</context>
<context>
    <name>plc::PlcLink</name>
    <message>
        <source>No serial port is chosen (port number %1)</source>
        <translation>Kein serieller Port gewählt (Portnummer %1)</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The serial port %1 refuses %2 (%3): %4</source>
        <translation>Der serielle Port %1 lehnt %2 ab (%3): %4</translation>
    </message>
    <message>
        <source>the speed</source>
        <translation>die Baudrate</translation>
    </message>
    <message>
        <source>the parity</source>
        <translation>die Parität</translation>
    </message>
    <message>
        <source>the data bits</source>
        <translation>die Datenbits</translation>
    </message>
    <message>
        <source>the stop bits</source>
        <translation>die Stoppbits</translation>
    </message>
    <message>
        <source>no flow control</source>
        <translation>keine Flusssteuerung</translation>
    </message>
    <message>
        <source>The serial port is not open</source>
        <translation>Der serielle Port ist nicht geöffnet</translation>
    </message>
    <message>
        <source>The serial port is still waiting for the controller</source>
        <translation>Der serielle Port wartet noch auf die Steuerung</translation>
    </message>
    <message>
        <source>Stopped by Ctrl-C</source>
        <translation>Mit Strg-C angehalten</translation>
    </message>
    <message>
        <source>Cancelled by the user</source>
        <translation>Vom Benutzer abgebrochen</translation>
    </message>
</context>
<context>
    <name>plc::PortDetection</name>
    <message>
        <source>Serial ports</source>
        <translation>Serielle Ports</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Vendor ID</source>
        <translation>Hersteller-ID</translation>
    </message>
    <message>
        <source>Product ID</source>
        <translation>Produkt-ID</translation>
    </message>
    <message>
        <source>No serial ports found</source>
        <translation>Keine seriellen Ports gefunden</translation>
    </message>
</context>
<context>
    <name>plc::PortSettingsDialog</name>
    <message>
        <source>COM-port setting</source>
        <translation>COM-Port-Einstellung</translation>
    </message>
    <message>
        <source>Detect...</source>
        <translation>Erkennen...</translation>
    </message>
    <message>
        <source>COM-port :</source>
        <translation>COM-Port:</translation>
    </message>
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
    <message>
        <source>Test</source>
        <translation>Testen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Settings file: %1</source>
        <translation>Einstellungsdatei: %1</translation>
    </message>
    <message>
        <source>Selects the serial port you choose from the system&apos;s</source>
        <translation>Wählt den seriellen Port aus denen des Systems</translation>
    </message>
    <message>
        <source>Maps COM%1 to the device you choose from the system&apos;s serial ports ([PORTS] in the settings file)</source>
        <translation>Ordnet COM%1 das Gerät zu, das Sie aus den seriellen Ports des Systems wählen ([PORTS] in der Einstellungsdatei)</translation>
    </message>
    <message>
        <source>%1 lies outside COM1 to COM10</source>
        <translation>%1 liegt außerhalb von COM1 bis COM10</translation>
    </message>
</context>
<context>
    <name>plc::PortTransfer</name>
    <message>
        <source>Please, use only digit n the address field </source>
        <translation>Bitte im Adressfeld nur Ziffern verwenden</translation>
    </message>
    <message>
        <source>Please, use valid range - address range from 1 to 247 </source>
        <translation>Bitte gültigen Bereich verwenden - Adressbereich von 1 bis 247</translation>
    </message>
    <message>
        <source>Please, use valid range - timeout range from 0 to 32767 </source>
        <translation>Bitte gültigen Bereich verwenden - Timeout-Bereich von 0 bis 32767</translation>
    </message>
    <message>
        <source>port word</source>
        <translation>Portwort</translation>
    </message>
    <message>
        <source>request table</source>
        <translation>Anfragetabelle</translation>
    </message>
    <message>
        <source>slave timeout</source>
        <translation>Slave-Timeout</translation>
    </message>
</context>
<context>
    <name>plc::PortsInUse</name>
    <message>
        <source>%1 is in use by %2</source>
        <translation>%1 wird von %2 benutzt</translation>
    </message>
    <message>
        <source>in use by %1</source>
        <translation>benutzt von %1</translation>
    </message>
</context>
<context>
    <name>plc::ProductionWindow</name>
    <message>
        <source>Production</source>
        <translation>Produktion</translation>
    </message>
    <message>
        <source>Refresh ports</source>
        <translation>Ports aktualisieren</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save report</source>
        <translation>Bericht speichern</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Wählen...</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Firmware-Update</translation>
    </message>
    <message>
        <source>8N1 (a line without parity)</source>
        <translation>8N1 (Leitung ohne Parität)</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Neustart</translation>
    </message>
    <message>
        <source>Project or configuration file:</source>
        <translation>Projekt- oder Konfigurationsdatei:</translation>
    </message>
    <message>
        <source>Open project</source>
        <translation>Projekt öffnen</translation>
    </message>
    <message>
        <source>Firmware image</source>
        <translation>Firmware-Abbild</translation>
    </message>
    <message>
        <source>Firmware image (*.hex *.ihex *.ihx *.bin);;All file (*.*)</source>
        <translation>Firmware-Abbild (*.hex *.ihex *.ihx *.bin);;Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Choose at least one step.</source>
        <translation>Mindestens einen Schritt wählen.</translation>
    </message>
    <message>
        <source>Choose a project or configuration file first.</source>
        <translation>Zuerst eine Projekt- oder Konfigurationsdatei wählen.</translation>
    </message>
    <message>
        <source>Choose the firmware image first.</source>
        <translation>Zuerst das Firmware-Abbild wählen.</translation>
    </message>
    <message>
        <source>Tick the ports to run on.</source>
        <translation>Die Ports ankreuzen, die bearbeitet werden sollen.</translation>
    </message>
    <message>
        <source>%1 passed, %2 failed</source>
        <translation>%1 bestanden, %2 fehlgeschlagen</translation>
    </message>
    <message>
        <source>The report cannot be saved to %1: %2</source>
        <translation>Der Bericht kann nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Report saved to %1 and %2</source>
        <translation>Bericht gespeichert in %1 und %2</translation>
    </message>
</context>
<context>
    <name>plc::ProgramInfo</name>
    <message>
        <source>All rights reserved.</source>
        <translation>Alle Rechte vorbehalten.</translation>
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
    <name>plc::ProgressEstimate</name>
    <message>
        <source>about %1 min left</source>
        <translation>noch etwa %1 min</translation>
    </message>
    <message>
        <source>about %1 s left</source>
        <translation>noch etwa %1 s</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Prüfen</translation>
    </message>
</context>
<context>
    <name>plc::ProgressWindow</name>
    <message>
        <source>Download/upload progress</source>
        <translation>Fortschritt Download/Upload</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Stop before the next exchange with the controller</source>
        <translation>Vor dem nächsten Austausch mit der Steuerung anhalten</translation>
    </message>
</context>
<context>
    <name>plc::ProjectActions</name>
    <message>
        <source>

Written before the stop: %1. Not written: %2.</source>
        <translation>

Vor dem Abbruch geschrieben: %1. Nicht geschrieben: %2.</translation>
    </message>
    <message>
        <source>Compare with controller</source>
        <translation>Mit Steuerung vergleichen</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Steuerung</translation>
    </message>
    <message>
        <source>take the controller&apos;s values</source>
        <translation>Werte der Steuerung übernehmen</translation>
    </message>
    <message>
        <source>%1: controller&apos;s values taken, %2</source>
        <translation>%1: Werte der Steuerung übernommen, %2</translation>
    </message>
    <message>
        <source>Compare with file</source>
        <translation>Mit Datei vergleichen</translation>
    </message>
    <message>
        <source>PLC project or configuration (*.plcproj *.vqc *.rfp);;All file (*.*)</source>
        <translation>Steuerungsprojekt oder -konfiguration (*.plcproj *.vqc *.rfp);;Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Compare with file: %1</source>
        <translation>Mit Datei vergleichen: %1</translation>
    </message>
    <message>
        <source>take the file&apos;s values</source>
        <translation>Werte der Datei übernehmen</translation>
    </message>
</context>
<context>
    <name>plc::ProjectCompare</name>
    <message>
        <source>rows</source>
        <translation>Zeilen</translation>
    </message>
    <message>
        <source>mode</source>
        <translation>Betriebsart</translation>
    </message>
    <message>
        <source>speed</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>parity</source>
        <translation>Parität</translation>
    </message>
    <message>
        <source>bit number</source>
        <translation>Datenbits</translation>
    </message>
    <message>
        <source>stop bits</source>
        <translation>Stoppbits</translation>
    </message>
    <message>
        <source>address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>timeout</source>
        <translation>Timeout</translation>
    </message>
    <message>
        <source>data bits</source>
        <translation>Datenbits</translation>
    </message>
    <message>
        <source> point %1</source>
        <translation> Punkt %1</translation>
    </message>
    <message>
        <source> row %1</source>
        <translation> Zeile %1</translation>
    </message>
</context>
<context>
    <name>plc::ProjectFile</name>
    <message>
        <source>The project file cannot be read: %1.</source>
        <translation>Die Projektdatei kann nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>eine Liste</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>ein Objekt</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nichts</translation>
    </message>
    <message>
        <source>%1 holds %2; %3 fits there</source>
        <translation>%1 enthält %2; dort passt %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, row %2, column &quot;%3&quot; holds &quot;%4&quot;: %5</source>
        <translation>%1, Zeile %2, Spalte „%3“ enthält „%4“: %5</translation>
    </message>
    <message>
        <source>%1, row %2, column &quot;%3&quot;</source>
        <translation>%1, Zeile %2, Spalte „%3“</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>ein Text</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>eines von %1</translation>
    </message>
    <message>
        <source>the UART %1 request table</source>
        <translation>die Anfragetabelle von UART %1</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>eine ganze Zahl</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>eine ganze Zahl von %1 bis %2</translation>
    </message>
    <message>
        <source>the 1-wire sensor table</source>
        <translation>die 1-Wire-Sensortabelle</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes; a sensor has %3</source>
        <translation>%1 enthält %2 Bytes; ein Sensor hat %3</translation>
    </message>
    <message>
        <source>a text of two hexadecimal digits</source>
        <translation>ein Text aus zwei Hexadezimalziffern</translation>
    </message>
    <message>
        <source>%1 is &quot;%2&quot;; an input X0 to X24, an output Y0 to Y24 or nothing fits there</source>
        <translation>%1 ist „%2“; dort passt ein Eingang X0 bis X24, ein Ausgang Y0 bis Y24 oder nichts</translation>
    </message>
    <message>
        <source>%1 is &quot;%2&quot;, given to an earlier point already</source>
        <translation>%1 ist „%2“, schon an einen früheren Punkt vergeben</translation>
    </message>
    <message>
        <source>%1 holds %2 points; the controller has %3</source>
        <translation>%1 enthält %2 Punkte; die Steuerung hat %3</translation>
    </message>
    <message>
        <source>the I/O map, point %1, &quot;name&quot;</source>
        <translation>die E/A-Belegung, Punkt %1, „name“</translation>
    </message>
    <message>
        <source>a version from 1 on</source>
        <translation>eine Version ab 1</translation>
    </message>
    <message>
        <source>it has schema version %1; this program reads up to %2</source>
        <translation>sie hat die Schemaversion %1; dieses Programm liest bis %2</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>Zeile %1, Spalte %2: %3</translation>
    </message>
    <message>
        <source>it holds no object of settings</source>
        <translation>sie enthält kein Objekt mit Einstellungen</translation>
    </message>
    <message>
        <source>PLC project (*.plcproj);;</source>
        <translation>Steuerungsprojekt (*.plcproj);;</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>%1 is refused: %2</source>
        <translation>%1 wird abgelehnt: %2</translation>
    </message>
    <message>
        <source>%1 not written: the configuration file has no place for it</source>
        <translation>%1 nicht geschrieben: Die Konfigurationsdatei hat dafür keinen Platz</translation>
    </message>
    <message>
        <source>Project note</source>
        <translation>Projektnotiz</translation>
    </message>
    <message>
        <source>UART 2 bit number and stop bits</source>
        <translation>UART 2 Datenbits und Stoppbits</translation>
    </message>
    <message>
        <source>Field Net line settings</source>
        <translation>Field-Net-Leitungseinstellungen</translation>
    </message>
    <message>
        <source>I/O map</source>
        <translation>E/A-Belegung</translation>
    </message>
    <message>
        <source>Request and sensor names</source>
        <translation>Namen von Anfragen und Sensoren</translation>
    </message>
    <message>
        <source>Cannot save the project to %1: %2</source>
        <translation>Das Projekt kann nicht in %1 gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>plc::ProjectNoteDialog</name>
    <message>
        <source>Project note</source>
        <translation>Projektnotiz</translation>
    </message>
</context>
<context>
    <name>plc::ProjectTransfer</name>
    <message>
        <source>UART 1</source>
        <translation>UART 1</translation>
    </message>
    <message>
        <source>UART 2</source>
        <translation>UART 2</translation>
    </message>
    <message>
        <source>1-wire</source>
        <translation>1-Wire</translation>
    </message>
    <message>
        <source>I/O map</source>
        <translation>E/A-Belegung</translation>
    </message>
</context>
<context>
    <name>plc::ReportActions</name>
    <message>
        <source>The report could not be printed.</source>
        <translation>Der Bericht konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>Export report as PDF</source>
        <translation>Bericht als PDF exportieren</translation>
    </message>
    <message>
        <source>PDF document (*.pdf);;All file (*.*)</source>
        <translation>PDF-Dokument (*.pdf);;Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Report saved to %1</source>
        <translation>Bericht gespeichert in %1</translation>
    </message>
</context>
<context>
    <name>plc::ReportCommand</name>
    <message>
        <source>saved %1</source>
        <translation>gespeichert: %1</translation>
    </message>
</context>
<context>
    <name>plc::ReportContent</name>
    <message>
        <source>Modbus master</source>
        <translation>Modbus-Master</translation>
    </message>
    <message>
        <source>Modbus slave</source>
        <translation>Modbus-Slave</translation>
    </message>
    <message>
        <source>Not use</source>
        <translation>Nicht benutzt</translation>
    </message>
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
    <message>
        <source>Configuration</source>
        <translation>Konfiguration</translation>
    </message>
    <message>
        <source>not saved to a file</source>
        <translation>nicht in einer Datei gespeichert</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Commissioning report</source>
        <translation>Inbetriebnahmebericht</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>matches the file</source>
        <translation>stimmt mit der Datei überein</translation>
    </message>
    <message>
        <source>differs in 1 place</source>
        <translation>weicht an 1 Stelle ab</translation>
    </message>
    <message>
        <source>differs in %1 places</source>
        <translation>weicht an %1 Stellen ab</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>CPU type</source>
        <translation>CPU-Typ</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Steuerung</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Betriebsart</translation>
    </message>
    <message>
        <source>MB address</source>
        <translation>MB-Adresse</translation>
    </message>
    <message>
        <source>Timeout,[msec]</source>
        <translation>Timeout [ms]</translation>
    </message>
    <message>
        <source>Modbus master configuration</source>
        <translation>Modbus-Master-Konfiguration</translation>
    </message>
    <message>
        <source>No request in the table.</source>
        <translation>Keine Anfrage in der Tabelle.</translation>
    </message>
    <message>
        <source>Auxiliary port setting</source>
        <translation>Zusatzport-Einstellung</translation>
    </message>
    <message>
        <source>Field Net port setting</source>
        <translation>Field-Net-Port-Einstellung</translation>
    </message>
    <message>
        <source>not kept in a configuration file</source>
        <translation>nicht in einer Konfigurationsdatei enthalten</translation>
    </message>
    <message>
        <source>1-wire master configuration</source>
        <translation>1-Wire-Master-Konfiguration</translation>
    </message>
    <message>
        <source>No sensor in the table.</source>
        <translation>Kein Sensor in der Tabelle.</translation>
    </message>
    <message>
        <source>A configuration file keeps no I/O map.</source>
        <translation>Eine Konfigurationsdatei enthält keine E/A-Belegung.</translation>
    </message>
</context>
<context>
    <name>plc::ReportDocument</name>
    <message>
        <source>The report could not be written to %1: %2</source>
        <translation>Der Bericht konnte nicht in %1 geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>plc::RequestCheck</name>
    <message>
        <source>Error in configurations</source>
        <translation>Fehler in der Konfiguration</translation>
    </message>
    <message>
        <source>the slave address data</source>
        <translation>den Slave-Adressdaten</translation>
    </message>
    <message>
        <source>the size of request </source>
        <translation>der Anfragegröße</translation>
    </message>
    <message>
        <source>the master address data</source>
        <translation>den Master-Adressdaten</translation>
    </message>
    <message>
        <source>the function code</source>
        <translation>dem Funktionscode</translation>
    </message>
    <message>
        <source>the Timeout</source>
        <translation>dem Timeout</translation>
    </message>
    <message>
        <source>You configuration has error in </source>
        <translation>Ihre Konfiguration hat einen Fehler in </translation>
    </message>
    <message>
        <source>the number of slaves. <byte value="xd"/>
Maximum allowed number is %1 </source>
        <translation>der Anzahl der Slaves. <byte value="xd"/>
Höchstens erlaubt sind %1</translation>
    </message>
    <message>
        <source> - row %1<byte value="xd"/>
Column [%2]</source>
        <translation> - Zeile %1<byte value="xd"/>
Spalte [%2]</translation>
    </message>
    <message>
        <source>%1 + Num word: up to %2 for coils, %3 for registers</source>
        <translation>%1 + Anz. Worte: bis %2 für Coils, %3 für Register</translation>
    </message>
    <message>
        <source>up to %1 requests</source>
        <translation>bis zu %1 Anfragen</translation>
    </message>
    <message>
        <source>%1 coils, %2 registers read, %3 registers written</source>
        <translation>%1 Coils, %2 Register beim Lesen, %3 Register beim Schreiben</translation>
    </message>
    <message>
        <source>It is not a whole number.</source>
        <translation>Das ist keine ganze Zahl.</translation>
    </message>
</context>
<context>
    <name>plc::RequestDialog</name>
    <message>
        <source>Slave number</source>
        <translation>Slave-Nummer</translation>
    </message>
    <message>
        <source>Slave modbus address</source>
        <translation>Modbus-Adresse des Slaves</translation>
    </message>
    <message>
        <source>Word/Coil  number to read/write-slave part</source>
        <translation>Anzahl Worte/Coils zum Lesen/Schreiben (Slave)</translation>
    </message>
    <message>
        <source>Slave address point start read/write</source>
        <translation>Startadresse im Slave zum Lesen/Schreiben</translation>
    </message>
    <message>
        <source>Master address to place Word/Coil from slave</source>
        <translation>Master-Adresse für Worte/Coils vom Slave</translation>
    </message>
    <message>
        <source>Timeout,[msec]</source>
        <translation>Timeout [ms]</translation>
    </message>
    <message>
        <source>Slave setting</source>
        <translation>Slave-Einstellung</translation>
    </message>
    <message>
        <source>Function type</source>
        <translation>Funktionstyp</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>plc::RequestEditing</name>
    <message>
        <source>Error in data</source>
        <translation>Fehler in den Daten</translation>
    </message>
    <message>
        <source>You are shure for delete this sensor?</source>
        <translation>Soll dieser Eintrag wirklich gelöscht werden?</translation>
    </message>
    <message>
        <source>You put wrong value  %1</source>
        <translation>Falscher Wert eingegeben: %1</translation>
    </message>
    <message>
        <source>the request&apos;s row in the table</source>
        <translation>die Zeile der Anfrage in der Tabelle</translation>
    </message>
</context>
<context>
    <name>plc::RequestRecord</name>
    <message>
        <source>Row %1, column [%2]: &quot;%3&quot; is not a whole number</source>
        <translation>Zeile %1, Spalte [%2]: „%3“ ist keine ganze Zahl</translation>
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
    <name>plc::SearchCommand</name>
    <message>
        <source>new</source>
        <translation>neu</translation>
    </message>
    <message>
        <source>not found: %1</source>
        <translation>nicht gefunden: %1</translation>
    </message>
    <message>
        <source>1 device found</source>
        <translation>1 Gerät gefunden</translation>
    </message>
    <message>
        <source>%1 devices found</source>
        <translation>%1 Geräte gefunden</translation>
    </message>
</context>
<context>
    <name>plc::SensorCheck</name>
    <message>
        <source>Error in configuration</source>
        <translation>Fehler in der Konfiguration</translation>
    </message>
    <message>
        <source>You configuration has error</source>
        <translation>Ihre Konfiguration hat einen Fehler</translation>
    </message>
    <message>
        <source> - too much sensors. Maximum value is %1</source>
        <translation> - zu viele Sensoren. Höchstwert ist %1</translation>
    </message>
    <message>
        <source> in master addresing data Dxxxx. Row is %1</source>
        <translation> in den Master-Adressdaten Dxxxx. Zeile %1</translation>
    </message>
    <message>
        <source> in the addresing data - row %1<byte value="xd"/>
Column Byte %2</source>
        <translation> in den Adressdaten - Zeile %1<byte value="xd"/>
Spalte Byte %2</translation>
    </message>
    <message>
        <source>up to %1 sensors</source>
        <translation>bis zu %1 Sensoren</translation>
    </message>
    <message>
        <source>two hexadecimal digits</source>
        <translation>zwei Hexadezimalziffern</translation>
    </message>
    <message>
        <source>Dxxxx register, a whole number %1</source>
        <translation>Dxxxx-Register, eine ganze Zahl %1</translation>
    </message>
</context>
<context>
    <name>plc::SensorDialog</name>
    <message>
        <source>Byte 0</source>
        <translation>Byte 0</translation>
    </message>
    <message>
        <source>Byte1</source>
        <translation>Byte 1</translation>
    </message>
    <message>
        <source>Byte 2</source>
        <translation>Byte 2</translation>
    </message>
    <message>
        <source>Byte3</source>
        <translation>Byte 3</translation>
    </message>
    <message>
        <source>Byte 4</source>
        <translation>Byte 4</translation>
    </message>
    <message>
        <source>Byte 5</source>
        <translation>Byte 5</translation>
    </message>
    <message>
        <source>Byte 6</source>
        <translation>Byte 6</translation>
    </message>
    <message>
        <source>Byte 7</source>
        <translation>Byte 7</translation>
    </message>
    <message>
        <source>Add/modify 1-wire slave</source>
        <translation>1-Wire-Slave hinzufügen/ändern</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Add/modify</source>
        <translation>Hinzufügen/Ändern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>plc::SensorEditing</name>
    <message>
        <source>You are shure for delete this sensor?</source>
        <translation>Soll dieser Sensor wirklich gelöscht werden?</translation>
    </message>
    <message>
        <source>Delete all sensors from the table?</source>
        <translation>Alle Sensoren aus der Tabelle löschen?</translation>
    </message>
    <message>
        <source>Dxxxx register of the first device found, a whole number %1; the next ones follow %2 apart</source>
        <translation>Dxxxx-Register des ersten gefundenen Geräts, eine ganze Zahl %1; die nächsten folgen im Abstand %2</translation>
    </message>
    <message>
        <source>The start address must be a whole number</source>
        <translation>Die Startadresse muss eine ganze Zahl sein</translation>
    </message>
    <message>
        <source>The last sensor&apos;s Dxxxx must be a whole number</source>
        <translation>Dxxxx des letzten Sensors muss eine ganze Zahl sein</translation>
    </message>
</context>
<context>
    <name>plc::SensorReplaceDialog</name>
    <message>
        <source>Replace with found device</source>
        <translation>Durch gefundenes Gerät ersetzen</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Sensor</translation>
    </message>
    <message>
        <source>New devices of the last search</source>
        <translation>Neue Geräte der letzten Suche</translation>
    </message>
    <message>
        <source>Eight bytes of two hexadecimal digits, Byte 0 first</source>
        <translation>Acht Bytes aus je zwei Hexadezimalziffern, Byte 0 zuerst</translation>
    </message>
    <message>
        <source>ROM code</source>
        <translation>ROM-Code</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
</context>
<context>
    <name>plc::SerialPorts</name>
    <message>
        <source>Device: %1</source>
        <translation>Gerät: %1</translation>
    </message>
    <message>
        <source>Device: %1 (not present)</source>
        <translation>Gerät: %1 (nicht vorhanden)</translation>
    </message>
    <message>
        <source>mapped in [PORTS]</source>
        <translation>zugeordnet in [PORTS]</translation>
    </message>
    <message>
        <source>not in [PORTS]</source>
        <translation>nicht in [PORTS]</translation>
    </message>
    <message>
        <source>present</source>
        <translation>vorhanden</translation>
    </message>
    <message>
        <source>not present</source>
        <translation>nicht vorhanden</translation>
    </message>
</context>
<context>
    <name>plc::ServiceTransfer</name>
    <message>
        <source>The firmware update program %1 is missing or cannot be run; nothing was sent to the PLC</source>
        <translation>Das Firmware-Update-Programm %1 fehlt oder kann nicht ausgeführt werden; nichts wurde an die Steuerung gesendet</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>You are shure for restart PLC ? </source>
        <translation>Soll die Steuerung wirklich neu gestartet werden?</translation>
    </message>
    <message>
        <source>You are shure for update firmware for the PLC ? </source>
        <translation>Soll die Firmware der Steuerung wirklich aktualisiert werden?</translation>
    </message>
    <message>
        <source>Cannot start %1: %2</source>
        <translation>%1 kann nicht gestartet werden: %2</translation>
    </message>
</context>
<context>
    <name>plc::StatusLine</name>
    <message>
        <source>Changes not saved or written</source>
        <translation>Änderungen nicht gespeichert oder geschrieben</translation>
    </message>
    <message>
        <source>The tables hold changes that are neither in the last configuration file loaded or saved nor written to the controller</source>
        <translation>Die Tabellen enthalten Änderungen, die weder in der zuletzt geladenen oder gespeicherten Konfigurationsdatei stehen noch in die Steuerung geschrieben sind</translation>
    </message>
</context>
<context>
    <name>plc::StatusTexts</name>
    <message>
        <source>%1 → no device, %2</source>
        <translation>%1 → kein Gerät, %2</translation>
    </message>
    <message>
        <source>%1 (not present), %2</source>
        <translation>%1 (nicht vorhanden), %2</translation>
    </message>
    <message>
        <source>%1 cancelled after %2 of %3 pieces: the controller may hold a partial configuration; download again</source>
        <translation>%1 nach %2 von %3 Blöcken abgebrochen: Konfiguration evtl. unvollständig; Download wiederholen</translation>
    </message>
    <message>
        <source>%1 cancelled after %2 of %3 writes: the controller may hold a partial configuration; download again</source>
        <translation>%1 nach %2 von %3 Schreibvorgängen abgebrochen: Konfiguration evtl. unvollständig; Download wiederholen</translation>
    </message>
    <message>
        <source>%1 stopped after %2 of %3 pieces: the controller may hold a partial configuration; download again</source>
        <translation>%1 nach %2 von %3 Blöcken unterbrochen: Konfiguration evtl. unvollständig; Download wiederholen</translation>
    </message>
    <message>
        <source>%1 stopped after %2 of %3 writes: the controller may hold a partial configuration; download again</source>
        <translation>%1 nach %2 von %3 Schreibvorgängen unterbrochen: Konfiguration evtl. unvollständig; Download wiederholen</translation>
    </message>
    <message>
        <source>; nothing written</source>
        <translation>; nichts geschrieben</translation>
    </message>
    <message>
        <source>nothing sent</source>
        <translation>nichts gesendet</translation>
    </message>
    <message>
        <source>done and verified in %1 s</source>
        <translation>fertig und geprüft in %1 s</translation>
    </message>
    <message>
        <source>done in %1 s</source>
        <translation>fertig in %1 s</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>; the controller may still be in its loader after an unfinished firmware update: run the update again to finish it</source>
        <translation>; die Steuerung ist nach einem unvollendeten Firmware-Update womöglich noch in ihrem Loader: das Update erneut ausführen, um es abzuschließen</translation>
    </message>
</context>
<context>
    <name>plc::TableHeadings</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Slot</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Num word</source>
        <translation>Anz. Worte</translation>
    </message>
    <message>
        <source>Address slave</source>
        <translation>Adresse Slave</translation>
    </message>
    <message>
        <source>Address master</source>
        <translation>Adresse Master</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funktion</translation>
    </message>
    <message>
        <source>Timeout,[ms]</source>
        <translation>Timeout [ms]</translation>
    </message>
    <message>
        <source>Prog.name</source>
        <translation>Prog.name</translation>
    </message>
    <message>
        <source>Num</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Byte 0</source>
        <translation>Byte 0</translation>
    </message>
    <message>
        <source>Byte 1</source>
        <translation>Byte 1</translation>
    </message>
    <message>
        <source>Byte 2</source>
        <translation>Byte 2</translation>
    </message>
    <message>
        <source>Byte 3</source>
        <translation>Byte 3</translation>
    </message>
    <message>
        <source>Byte 4</source>
        <translation>Byte 4</translation>
    </message>
    <message>
        <source>Byte 5</source>
        <translation>Byte 5</translation>
    </message>
    <message>
        <source>Byte 6</source>
        <translation>Byte 6</translation>
    </message>
    <message>
        <source>Byte 7</source>
        <translation>Byte 7</translation>
    </message>
    <message>
        <source>Dxxxx</source>
        <translation>Dxxxx</translation>
    </message>
    <message>
        <source>Errors  type</source>
        <translation>Fehlerart</translation>
    </message>
    <message>
        <source>Short descriptions of error</source>
        <translation>Kurzbeschreibung des Fehlers</translation>
    </message>
</context>
<context>
    <name>plc::TrafficMonitor</name>
    <message>
        <source>Traffic monitor</source>
        <translation>Kommunikationsmonitor</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Gespeichert in %1</translation>
    </message>
</context>
<context>
    <name>plc::TransferSteps</name>
    <message>
        <source>The controller holds something else than was written: %1 at %2</source>
        <translation>Die Steuerung enthält etwas anderes, als geschrieben wurde: %1 bei %2</translation>
    </message>
    <message>
        <source>The serial port %1 was lost: %2</source>
        <translation>Der serielle Port %1 ging verloren: %2</translation>
    </message>
    <message>
        <source>Wrong answer from PLC</source>
        <translation>Falsche Antwort von der Steuerung</translation>
    </message>
    <message>
        <source>Answer timeout from PLC</source>
        <translation>Zeitüberschreitung bei der Antwort der Steuerung</translation>
    </message>
</context>
<context>
    <name>plc::UartPort</name>
    <message>
        <source>Slave add/modify</source>
        <translation>Slave hinzufügen/ändern</translation>
    </message>
    <message>
        <source>Form1</source>
        <translation>Slave hinzufügen/ändern</translation>
    </message>
    <message>
        <source>You are enter incorrect value ! Pls use correct value!</source>
        <translation>Falscher Wert eingegeben! Bitte einen gültigen Wert verwenden!</translation>
    </message>
    <message>
        <source>You are enter incorrect value ! Pls use correct value !</source>
        <translation>Falscher Wert eingegeben! Bitte einen gültigen Wert verwenden!</translation>
    </message>
    <message>
        <source>You are enter incorrect value !  Pls use correct value !</source>
        <translation>Falscher Wert eingegeben! Bitte einen gültigen Wert verwenden!</translation>
    </message>
</context>
<context>
    <name>plc::UartTab</name>
    <message>
        <source>Write to PLC</source>
        <translation>In Steuerung schreiben</translation>
    </message>
    <message>
        <source>Writes the mode and line settings (port word, %1) and, for a master, the request table (from %2) into the controller</source>
        <translation>Schreibt Betriebsart und Leitungseinstellungen (Portwort, %1) und bei einem Master die Anfragetabelle (ab %2) in die Steuerung</translation>
    </message>
    <message>
        <source>Upload from PLC</source>
        <translation>Aus Steuerung lesen</translation>
    </message>
    <message>
        <source>Reads the mode, the line settings and the slave address or request table of %1 from the controller</source>
        <translation>Liest Betriebsart, Leitungseinstellungen und Slave-Adresse oder Anfragetabelle von %1 aus der Steuerung</translation>
    </message>
    <message>
        <source>Modbus master</source>
        <translation>Modbus-Master</translation>
    </message>
    <message>
        <source>Modbus slave</source>
        <translation>Modbus-Slave</translation>
    </message>
    <message>
        <source>Not use</source>
        <translation>Nicht benutzt</translation>
    </message>
    <message>
        <source>Modbus general setting</source>
        <translation>Modbus allgemein</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Writes the slave address and line settings (port word, %1) and the slave timeout (%2) into the controller</source>
        <translation>Schreibt Slave-Adresse und Leitungseinstellungen (Portwort, %1) und den Slave-Timeout (%2) in die Steuerung</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Upload</translation>
    </message>
    <message>
        <source>Reads the slave address, line settings and slave timeout from the controller</source>
        <translation>Liest Slave-Adresse, Leitungseinstellungen und Slave-Timeout aus der Steuerung</translation>
    </message>
    <message>
        <source>Modbus slave setting</source>
        <translation>Modbus-Slave-Einstellung</translation>
    </message>
    <message>
        <source>MB address</source>
        <translation>MB-Adresse</translation>
    </message>
    <message>
        <source>Timeout,[msec]</source>
        <translation>Timeout [ms]</translation>
    </message>
    <message>
        <source>Modbus master configuration</source>
        <translation>Modbus-Master-Konfiguration</translation>
    </message>
    <message>
        <source>Add slave</source>
        <translation>Slave hinzufügen</translation>
    </message>
    <message>
        <source>Modify slave</source>
        <translation>Slave ändern</translation>
    </message>
    <message>
        <source>Delete slave</source>
        <translation>Slave löschen</translation>
    </message>
    <message>
        <source>%1 requests</source>
        <translation>Anfragen von %1</translation>
    </message>
    <message>
        <source>import CSV into %1 requests</source>
        <translation>CSV in Anfragen von %1 importieren</translation>
    </message>
    <message>
        <source>upload %1</source>
        <translation>%1 lesen</translation>
    </message>
</context>
<context>
    <name>plc::UndoHistory</name>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Wiederholen: %1</translation>
    </message>
</context>
<context>
    <name>plc::UpdateCommandLine</name>
    <message>
        <source>usage: plc-update [--port COMn|device]... [--ports A,B,...] [--line 115200,E,8,1] [--baud B] [--no-verify] [--no-start] [--readout-unprotect] [--write-unprotect] [--backup FILE | --no-backup] [--switch [--plc-line L]] [--entry SEQ] [--exit SEQ] FILE
       plc-update [options] --read FILE [--size N]
       plc-update [options] --compare FILE</source>
        <translation>Aufruf: plc-update [--port COMn|Gerät]... [--ports A,B,...] [--line 115200,E,8,1] [--baud B] [--no-verify] [--no-start] [--readout-unprotect] [--write-unprotect] [--backup FILE | --no-backup] [--switch [--plc-line L]] [--entry SEQ] [--exit SEQ] FILE
        plc-update [Optionen] --read FILE [--size N]
        plc-update [Optionen] --compare FILE</translation>
    </message>
    <message>
        <source>Writes firmware to the controller through its serial loader, reads its flash into a file or compares it with a file. Without arguments it opens its window.

FILE is Intel HEX (.hex, .ihex, .ihx, or text that reads as HEX) or raw binary placed at 0x08000000. A file written by --read or --backup is Intel HEX when its name ends .hex, raw binary otherwise. With several ports, a file name of --read or --backup holds {port}, which becomes the port&apos;s name.

A line sequence (--entry, --exit) is a comma-separated list of dtr=0|1, rts=0|1 (1 asserts the line) and wait=ms, run in order: rts=1,dtr=0,wait=100,dtr=1,wait=50.

Exit codes: 0 done (--compare: equal); 1 the controller refused or did not answer, or the flash differs; 2 bad arguments or a bad file; 3 the port cannot be opened, was lost or cannot drive its lines; 130 stopped by Ctrl-C. With several ports the highest of the ports&apos; codes.</source>
        <translation>Schreibt Firmware über den seriellen Loader in die Steuerung, liest deren Flash in eine Datei oder vergleicht ihn mit einer Datei. Ohne Argumente öffnet sich das Fenster.

FILE ist Intel HEX (.hex, .ihex, .ihx oder Text, der sich als HEX liest) oder rohes Binär ab 0x08000000. Eine von --read oder --backup geschriebene Datei ist Intel HEX, wenn ihr Name auf .hex endet, sonst rohes Binär. Bei mehreren Ports enthält ein Dateiname von --read oder --backup {port}, das zum Namen des Ports wird.

Eine Leitungsfolge (--entry, --exit) ist eine durch Kommas getrennte Liste aus dtr=0|1, rts=0|1 (1 setzt die Leitung) und wait=ms, der Reihe nach ausgeführt: rts=1,dtr=0,wait=100,dtr=1,wait=50.

Exit-Codes: 0 fertig (--compare: gleich); 1 die Steuerung lehnte ab oder antwortete nicht, oder der Flash weicht ab; 2 falsche Argumente oder eine fehlerhafte Datei; 3 der Port kann nicht geöffnet werden, ging verloren oder kann seine Leitungen nicht setzen; 130 mit Strg-C angehalten. Bei mehreren Ports der höchste der Codes.</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Zeigt diese Hilfe und endet.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Zeigt die Version und endet.</translation>
    </message>
    <message>
        <source>The port, COMn or a device (repeat for several); default: the tool&apos;s.</source>
        <translation>Der Port, COMn oder ein Gerät (für mehrere wiederholen); Vorgabe: der des Konfigurationsprogramms.</translation>
    </message>
    <message>
        <source>Several ports at once, comma-separated.</source>
        <translation>Mehrere Ports zugleich, durch Kommas getrennt.</translation>
    </message>
    <message>
        <source>The loader&apos;s line: speed (1200 to 115200), parity E or N, 8, 1.</source>
        <translation>Die Leitung des Loaders: Baudrate (1200 bis 115200), Parität E oder N, 8, 1.</translation>
    </message>
    <message>
        <source>The loader&apos;s speed: 115200, 230400, 460800 or 921600; falls back to 115200 without an answer.</source>
        <translation>Die Baudrate des Loaders: 115200, 230400, 460800 oder 921600; ohne Antwort zurück auf 115200.</translation>
    </message>
    <message>
        <source>Does not read the written blocks back.</source>
        <translation>Liest die geschriebenen Blöcke nicht zurück.</translation>
    </message>
    <message>
        <source>Leaves the controller in its loader.</source>
        <translation>Lässt die Steuerung in ihrem Loader.</translation>
    </message>
    <message>
        <source>Removes readout protection (erases the whole flash).</source>
        <translation>Entfernt den Ausleseschutz (löscht den gesamten Flash).</translation>
    </message>
    <message>
        <source>Removes write protection.</source>
        <translation>Entfernt den Schreibschutz.</translation>
    </message>
    <message>
        <source>Before erasing, saves the pages to be erased.</source>
        <translation>Sichert vor dem Löschen die zu löschenden Seiten.</translation>
    </message>
    <message>
        <source>Writes without a backup (the default here).</source>
        <translation>Schreibt ohne Sicherung (hier die Vorgabe).</translation>
    </message>
    <message>
        <source>Saves the flash in a file instead of writing.</source>
        <translation>Speichert den Flash in einer Datei, statt zu schreiben.</translation>
    </message>
    <message>
        <source>--read: bytes from the start of flash (64K, 0x800, 4096); default the whole flash.</source>
        <translation>--read: Bytes ab Beginn des Flashs (64K, 0x800, 4096); Vorgabe: der gesamte Flash.</translation>
    </message>
    <message>
        <source>Compares the flash with a file instead of writing (exit code 1 when it differs).</source>
        <translation>Vergleicht den Flash mit einer Datei, statt zu schreiben (Exit-Code 1, wenn er abweicht).</translation>
    </message>
    <message>
        <source>First switches a running controller to its loader.</source>
        <translation>Schaltet zuerst eine laufende Steuerung auf ihren Loader um.</translation>
    </message>
    <message>
        <source>--switch: the controller&apos;s own line settings (default: the tool&apos;s stored ones).</source>
        <translation>--switch: die eigenen Leitungseinstellungen der Steuerung (Vorgabe: die im Konfigurationsprogramm gespeicherten).</translation>
    </message>
    <message>
        <source>Drives DTR and RTS before the loader is reached.</source>
        <translation>Setzt DTR und RTS, bevor der Loader angesprochen wird.</translation>
    </message>
    <message>
        <source>Drives DTR and RTS after the write, in place of Go.</source>
        <translation>Setzt DTR und RTS nach dem Schreiben, anstelle von Go.</translation>
    </message>
    <message>
        <source>--baud takes 115200, 230400, 460800 or 921600, not %1</source>
        <translation>--baud nimmt 115200, 230400, 460800 oder 921600, nicht %1</translation>
    </message>
    <message>
        <source>name one image file to write, or --read FILE, or --compare FILE</source>
        <translation>eine zu schreibende Abbilddatei nennen, oder --read FILE, oder --compare FILE</translation>
    </message>
    <message>
        <source>--backup and --no-backup exclude each other</source>
        <translation>--backup und --no-backup schließen einander aus</translation>
    </message>
    <message>
        <source>--size goes with --read</source>
        <translation>--size gehört zu --read</translation>
    </message>
    <message>
        <source>--size takes a byte count (4096, 0x1000, 4K), not %1</source>
        <translation>--size nimmt eine Byteanzahl (4096, 0x1000, 4K), nicht %1</translation>
    </message>
    <message>
        <source>The image to write (Intel HEX or raw binary).</source>
        <translation>Das zu schreibende Abbild (Intel HEX oder rohes Binär).</translation>
    </message>
    <message>
        <source>--switch is not available here</source>
        <translation>--switch ist hier nicht verfügbar</translation>
    </message>
    <message>
        <source>no serial port: name one with --port</source>
        <translation>kein serieller Port: einen mit --port nennen</translation>
    </message>
    <message>
        <source>%1 is named twice</source>
        <translation>%1 ist doppelt genannt</translation>
    </message>
    <message>
        <source>several ports need {port} in the name of --%1</source>
        <translation>mehrere Ports brauchen {port} im Namen von --%1</translation>
    </message>
</context>
<context>
    <name>plc::UpdateMain</name>
    <message>
        <source>plc-update: cannot start its window %1: %2</source>
        <translation>plc-update: das Fenster %1 lässt sich nicht starten: %2</translation>
    </message>
</context>
<context>
    <name>plc::UpdateProgram</name>
    <message>
        <source>The firmware update program %1 is missing or cannot be run</source>
        <translation>Das Firmware-Update-Programm %1 fehlt oder kann nicht ausgeführt werden</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>The firmware update program %1 did not run to its end: %2</source>
        <translation>Das Firmware-Update-Programm %1 lief nicht bis zum Ende: %2</translation>
    </message>
</context>
<context>
    <name>plc::UpdateRun</name>
    <message>
        <source>erase</source>
        <translation>löschen</translation>
    </message>
    <message>
        <source>write</source>
        <translation>schreiben</translation>
    </message>
    <message>
        <source>verify</source>
        <translation>prüfen</translation>
    </message>
    <message>
        <source>switching the controller to its loader</source>
        <translation>die Steuerung wird auf ihren Loader umgeschaltet</translation>
    </message>
    <message>
        <source>no answer at %1 baud; falling back to %2 baud</source>
        <translation>keine Antwort bei %1 Baud; zurück auf %2 Baud</translation>
    </message>
    <message>
        <source>Readout Unprotect: the whole flash is erased</source>
        <translation>Readout Unprotect: der gesamte Flash wird gelöscht</translation>
    </message>
    <message>
        <source> From the command line, --switch sends that word first.</source>
        <translation> Auf der Kommandozeile sendet --switch zuerst dieses Update-Wort.</translation>
    </message>
    <message>
        <source>Write Unprotect</source>
        <translation>Write Unprotect</translation>
    </message>
    <message>
        <source> Run again with --write-unprotect to do so.</source>
        <translation> Dazu erneut mit --write-unprotect ausführen.</translation>
    </message>
    <message>
        <source>done: %1 pages erased, %2 blocks written, %3 blank blocks skipped, %4 verified, %5</source>
        <translation>fertig: %1 Seiten gelöscht, %2 Blöcke geschrieben, %3 leere Blöcke übersprungen, %4 geprüft, %5</translation>
    </message>
    <message>
        <source>the controller stays in its loader</source>
        <translation>die Steuerung bleibt in ihrem Loader</translation>
    </message>
    <message>
        <source>firmware started</source>
        <translation>Firmware gestartet</translation>
    </message>
    <message>
        <source>firmware started by the exit sequence</source>
        <translation>Firmware durch die Ausstiegsfolge gestartet</translation>
    </message>
    <message>
        <source> Reading and comparing are not possible while it lasts.</source>
        <translation> Lesen und Vergleichen sind nicht möglich, solange der Schutz besteht.</translation>
    </message>
    <message>
        <source> Its flash cannot be read for a backup: run again with --no-backup in place of --backup to go on without one.</source>
        <translation> Der Flash kann für eine Sicherung nicht gelesen werden: erneut mit --no-backup statt --backup ausführen, um ohne Sicherung fortzufahren.</translation>
    </message>
    <message>
        <source> Run again with --readout-unprotect to do so. Whether the flash is write-protected too shows only then: add --write-unprotect to remove that in the same run.</source>
        <translation> Dazu erneut mit --readout-unprotect ausführen. Ob der Flash auch schreibgeschützt ist, zeigt sich erst dann: --write-unprotect hinzufügen, um das im selben Lauf zu entfernen.</translation>
    </message>
    <message>
        <source>done in %1 s</source>
        <translation>fertig in %1 s</translation>
    </message>
    <message>
        <source>%1 after %2 s (exit code %3)</source>
        <translation>%1 nach %2 s (Exit-Code %3)</translation>
    </message>
</context>
<context>
    <name>plc::UpdateWindow</name>
    <message>
        <source>Firmware update</source>
        <translation>Firmware-Update</translation>
    </message>
    <message>
        <source>8E1 (the loader&apos;s)</source>
        <translation>8E1 (die des Loaders)</translation>
    </message>
    <message>
        <source>8N1 (a line without parity)</source>
        <translation>8N1 (Leitung ohne Parität)</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>none (as rts=1,dtr=0,wait=100,dtr=1,wait=50)</source>
        <translation>keine (etwa rts=1,dtr=0,wait=100,dtr=1,wait=50)</translation>
    </message>
    <message>
        <source>Drives DTR and RTS before the loader is reached, for boards that wire them to reset and BOOT0: dtr=0|1, rts=0|1 (1 asserts the line) and wait=ms, run in order</source>
        <translation>Setzt DTR und RTS, bevor der Loader angesprochen wird, für Platinen, die sie mit Reset und BOOT0 verbinden: dtr=0|1, rts=0|1 (1 setzt die Leitung) und wait=ms, der Reihe nach ausgeführt</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Wählen...</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Line:</source>
        <translation>Leitung:</translation>
    </message>
    <message>
        <source>Entry sequence:</source>
        <translation>Einstiegsfolge:</translation>
    </message>
    <message>
        <source>Loader:</source>
        <translation>Loader:</translation>
    </message>
    <message>
        <source>Firmware:</source>
        <translation>Firmware:</translation>
    </message>
    <message>
        <source>Stopping before the next command...</source>
        <translation>Wird vor dem nächsten Befehl angehalten...</translation>
    </message>
    <message>
        <source>Firmware image</source>
        <translation>Firmware-Abbild</translation>
    </message>
    <message>
        <source>Firmware images (*.hex *.ihex *.ihx *.bin);;All files (*)</source>
        <translation>Firmware-Abbilder (*.hex *.ihex *.ihx *.bin);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Port COM%1:</source>
        <translation>Port COM%1:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Prüfen</translation>
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
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>New config</source>
        <translation>Neue Konfiguration</translation>
    </message>
    <message>
        <source>Load config</source>
        <translation>Konfiguration laden</translation>
    </message>
    <message>
        <source>Save config</source>
        <translation>Konfiguration speichern</translation>
    </message>
    <message>
        <source>Recent configurations</source>
        <translation>Zuletzt verwendete Konfigurationen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Export report as PDF...</source>
        <translation>Bericht als PDF exportieren...</translation>
    </message>
    <message>
        <source>Save app setting</source>
        <translation>Programmeinstellung speichern</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Open project...</source>
        <translation>Projekt öffnen...</translation>
    </message>
    <message>
        <source>Save project</source>
        <translation>Projekt speichern</translation>
    </message>
    <message>
        <source>Save project as...</source>
        <translation>Projekt speichern unter...</translation>
    </message>
    <message>
        <source>Project note...</source>
        <translation>Projektnotiz...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Farbschema</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>PLC</source>
        <translation>Steuerung</translation>
    </message>
    <message>
        <source>Comm. setting</source>
        <translation>Verbindungseinstellung</translation>
    </message>
    <message>
        <source>Check config</source>
        <translation>Konfiguration prüfen</translation>
    </message>
    <message>
        <source>Search 1-wire</source>
        <translation>1-Wire-Bus durchsuchen</translation>
    </message>
    <message>
        <source>Upload from PLC</source>
        <translation>Aus Steuerung lesen</translation>
    </message>
    <message>
        <source>Load to PLC</source>
        <translation>In Steuerung laden</translation>
    </message>
    <message>
        <source>Compare with controller</source>
        <translation>Mit Steuerung vergleichen</translation>
    </message>
    <message>
        <source>Compare with file...</source>
        <translation>Mit Datei vergleichen...</translation>
    </message>
    <message>
        <source>Production...</source>
        <translation>Produktion...</translation>
    </message>
    <message>
        <source>Traffic monitor</source>
        <translation>Kommunikationsmonitor</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>Verlauf...</translation>
    </message>
    <message>
        <source>Verify after writing</source>
        <translation>Nach dem Schreiben prüfen</translation>
    </message>
    <message>
        <source>After each successful download, read back what was written and compare</source>
        <translation>Nach jedem erfolgreichen Download das Geschriebene zurücklesen und vergleichen</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>&amp;Tabelle</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>CSV exportieren...</translation>
    </message>
    <message>
        <source>Import CSV...</source>
        <translation>CSV importieren...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
</context>
<context>
    <name>plc::WindowTabs</name>
    <message>
        <source>HW config</source>
        <translation>HW-Konfig.</translation>
    </message>
    <message>
        <source>1-wire</source>
        <translation>1-Wire</translation>
    </message>
    <message>
        <source>Modbus diag</source>
        <translation>Modbus-Diagnose</translation>
    </message>
    <message>
        <source>1-wire diag</source>
        <translation>1-Wire-Diagnose</translation>
    </message>
    <message>
        <source>Converter</source>
        <translation>Umrechner</translation>
    </message>
</context>
</TS>
