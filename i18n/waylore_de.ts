<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version %1 %2</source>
        <translation>Version %1 %2</translation>
    </message>
    <message>
        <source>debug</source>
        <translation>Debug</translation>
    </message>
    <message>
        <source>This program is provided as is, without any warranty.
It is meant for flight simulation only:
never use it to plan or fly a real flight.</source>
        <translation>Dieses Programm wird ohne jede Gewährleistung bereitgestellt.
Es ist nur für die Flugsimulation gedacht:
verwenden Sie es niemals zur Planung oder Durchführung eines echten Fluges.</translation>
    </message>
    <message>
        <source>Built with the Qt framework and the Grantlee template engine. Icons from Font Awesome Free (CC BY 4.0). Map data from the OpenStreetMap contributors; navigation data from the X-Plane navigation data files.</source>
        <translation>Erstellt mit dem Qt-Framework und der Vorlagen-Engine Grantlee. Symbole von Font Awesome Free (CC BY 4.0). Kartendaten von den OpenStreetMap-Mitwirkenden; Navigationsdaten aus den Navigationsdatendateien von X-Plane.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>AirSpeedHelper</name>
    <message>
        <source>IAS %1kts </source>
        <translation>IAS %1 kt </translation>
    </message>
</context>
<context>
    <name>AiracMismatchDialog</name>
    <message>
        <source>AIRAC cycle mismatch</source>
        <translation>AIRAC-Zyklus stimmt nicht überein</translation>
    </message>
    <message>
        <source>The Waylore database has AIRAC cycle %1, but your X-Plane installation uses cycle %2.

Open the database dialog to update the database.</source>
        <translation>Die Waylore-Datenbank hat den AIRAC-Zyklus %1, Ihre X-Plane-Installation verwendet jedoch den Zyklus %2.

Öffnen Sie den Datenbankdialog, um die Datenbank zu aktualisieren.</translation>
    </message>
    <message>
        <source>Open database...</source>
        <translation>Datenbank öffnen...</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorieren</translation>
    </message>
</context>
<context>
    <name>AirplaneContextMenu</name>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>Moving map</source>
        <translation>Mitlaufende Karte</translation>
    </message>
</context>
<context>
    <name>AirplaneDialog</name>
    <message>
        <source>Manage airplanes</source>
        <translation>Flugzeuge verwalten</translation>
    </message>
    <message>
        <source>/h</source>
        <translation>/h</translation>
    </message>
    <message>
        <source>kts</source>
        <translation>kt</translation>
    </message>
    <message>
        <source>ft/min</source>
        <translation>ft/min</translation>
    </message>
    <message>
        <source>Import an airplane from file</source>
        <translation>Flugzeug aus Datei importieren</translation>
    </message>
    <message>
        <source>Export the selected airplane to file</source>
        <translation>Ausgewähltes Flugzeug in Datei exportieren</translation>
    </message>
    <message>
        <source>Error during import/export</source>
        <translation>Fehler beim Import/Export</translation>
    </message>
    <message>
        <source>Airplane list</source>
        <translation>Flugzeugliste</translation>
    </message>
    <message>
        <source>Create a new empty airplane</source>
        <translation>Neues leeres Flugzeug anlegen</translation>
    </message>
    <message>
        <source>Remove the selected airplane</source>
        <translation>Ausgewähltes Flugzeug entfernen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Flugleistungen</translation>
    </message>
    <message>
        <source>Fuel</source>
        <translation>Kraftstoff</translation>
    </message>
    <message>
        <source>Identification</source>
        <translation>Kennung</translation>
    </message>
    <message>
        <source>ICAO</source>
        <translation>ICAO</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <source>Max passengers</source>
        <translation>Max. Passagiere</translation>
    </message>
    <message>
        <source>Maximum number of passengers in the airplane</source>
        <translation>Maximale Anzahl an Passagieren im Flugzeug</translation>
    </message>
    <message>
        <source>Max cargo</source>
        <translation>Max. Fracht</translation>
    </message>
    <message>
        <source>Available cargo payload when the airplane contains all the passengers</source>
        <translation>Verfügbare Frachtzuladung, wenn das Flugzeug mit allen Passagieren besetzt ist</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Empty operational weight (OEW)</source>
        <translation>Betriebsleergewicht (OEW)</translation>
    </message>
    <message>
        <source>Max. zero-fuel</source>
        <translation>Max. ohne Kraftstoff</translation>
    </message>
    <message>
        <source>Maximum weight without fuel (MZFW)</source>
        <translation>Höchstgewicht ohne Kraftstoff (MZFW)</translation>
    </message>
    <message>
        <source>Max. takeoff</source>
        <translation>Max. Start</translation>
    </message>
    <message>
        <source>Maximum takeoff weight (MTOW)</source>
        <translation>Höchstabfluggewicht (MTOW)</translation>
    </message>
    <message>
        <source>Max. landing</source>
        <translation>Max. Landung</translation>
    </message>
    <message>
        <source>Maximum landing weight (MLW)</source>
        <translation>Höchstlandegewicht (MLW)</translation>
    </message>
    <message>
        <source>Takeoff</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>V2</source>
        <translation>V2</translation>
    </message>
    <message>
        <source>Takeoff safety speed (kts)</source>
        <translation>Sicherheitsstartgeschwindigkeit (kt)</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Strecke</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Minimum runway length for takeoff (meters)</source>
        <translation>Mindestpistenlänge für den Start (Meter)</translation>
    </message>
    <message>
        <source>Landing</source>
        <translation>Landung</translation>
    </message>
    <message>
        <source>VAT</source>
        <translation>VAT</translation>
    </message>
    <message>
        <source>Indicated airspeed at the runway threshold (kts)</source>
        <translation>Angezeigte Fluggeschwindigkeit an der Pistenschwelle (kt)</translation>
    </message>
    <message>
        <source>Minimum runway length for landing (meters)</source>
        <translation>Mindestpistenlänge für die Landung (Meter)</translation>
    </message>
    <message>
        <source>Cruise</source>
        <translation>Reiseflug</translation>
    </message>
    <message>
        <source>Ceiling</source>
        <translation>Dienstgipfelhöhe</translation>
    </message>
    <message>
        <source>FL</source>
        <translation>FL</translation>
    </message>
    <message>
        <source>Maximum allowed cruise level</source>
        <translation>Maximal zulässige Reiseflughöhe</translation>
    </message>
    <message>
        <source>Maximum TAS</source>
        <translation>Maximale TAS</translation>
    </message>
    <message>
        <source>Maximal true air-speed at ceiling level</source>
        <translation>Maximale wahre Eigengeschwindigkeit in Gipfelhöhe</translation>
    </message>
    <message>
        <source>Initial climb</source>
        <translation>Anfangssteigflug</translation>
    </message>
    <message>
        <source>IAS</source>
        <translation>IAS</translation>
    </message>
    <message>
        <source>Indicated air-speed (IAS) for initial climb</source>
        <translation>Angezeigte Fluggeschwindigkeit (IAS) im Anfangssteigflug</translation>
    </message>
    <message>
        <source>ROC</source>
        <translation>Steigrate</translation>
    </message>
    <message>
        <source>Rate for initial climb</source>
        <translation>Steigrate im Anfangssteigflug</translation>
    </message>
    <message>
        <source>Climb</source>
        <translation>Steigflug</translation>
    </message>
    <message>
        <source>Indicated air-speed for climb</source>
        <translation>Angezeigte Fluggeschwindigkeit im Steigflug</translation>
    </message>
    <message>
        <source>Rate of climb</source>
        <translation>Steigrate</translation>
    </message>
    <message>
        <source>Descent</source>
        <translation>Sinkflug</translation>
    </message>
    <message>
        <source>Indicated air-speed for descent</source>
        <translation>Angezeigte Fluggeschwindigkeit im Sinkflug</translation>
    </message>
    <message>
        <source>ROD</source>
        <translation>Sinkrate</translation>
    </message>
    <message>
        <source>Rate of descent</source>
        <translation>Sinkrate</translation>
    </message>
    <message>
        <source>Approach</source>
        <translation>Anflug</translation>
    </message>
    <message>
        <source>Indicated air-speed for approach</source>
        <translation>Angezeigte Fluggeschwindigkeit im Anflug</translation>
    </message>
    <message>
        <source>Rate of descent for approach</source>
        <translation>Sinkrate im Anflug</translation>
    </message>
    <message>
        <source>Operational fuel</source>
        <translation>Betriebskraftstoff</translation>
    </message>
    <message>
        <source>Taxi</source>
        <translation>Rollen</translation>
    </message>
    <message>
        <source>Burned fuel during taxi</source>
        <translation>Beim Rollen verbrauchter Kraftstoff</translation>
    </message>
    <message>
        <source>Climb flow</source>
        <translation>Verbrauch im Steigflug</translation>
    </message>
    <message>
        <source>Burned fuel per hour during climb</source>
        <translation>Kraftstoffverbrauch pro Stunde im Steigflug</translation>
    </message>
    <message>
        <source>Cruise flow</source>
        <translation>Verbrauch im Reiseflug</translation>
    </message>
    <message>
        <source>Burned fuel per hour during cruise</source>
        <translation>Kraftstoffverbrauch pro Stunde im Reiseflug</translation>
    </message>
    <message>
        <source>Descent flow</source>
        <translation>Verbrauch im Sinkflug</translation>
    </message>
    <message>
        <source>Burned fuel per hour during descent</source>
        <translation>Kraftstoffverbrauch pro Stunde im Sinkflug</translation>
    </message>
    <message>
        <source>Additional fuel</source>
        <translation>Zusätzlicher Kraftstoff</translation>
    </message>
    <message>
        <source>Alternate flow</source>
        <translation>Verbrauch zum Ausweichflughafen</translation>
    </message>
    <message>
        <source>Burned fuel per hour to reach alternate airport from the missed approach point</source>
        <translation>Kraftstoffverbrauch pro Stunde vom Fehlanflugpunkt zum Ausweichflughafen</translation>
    </message>
    <message>
        <source>Contingency</source>
        <translation>Streckenreserve</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Contingency fuel: additional en-route fuel consumption caused by wind or routing changes.</source>
        <translation>Streckenreserve: zusätzlicher Kraftstoffverbrauch unterwegs durch Wind oder Streckenänderungen.</translation>
    </message>
    <message>
        <source>Extra reserve</source>
        <translation>Extrareserve</translation>
    </message>
    <message>
        <source>Fuel added at the discretion of the Captain or the dispatcher</source>
        <translation>Nach Ermessen des Kommandanten oder des Flugdienstberaters hinzugefügter Kraftstoff</translation>
    </message>
    <message>
        <source>Final reserve</source>
        <translation>Endreserve</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Final reserve fuel is the minimum fuel required to fly for 30 minutes</source>
        <translation>Die Endreserve ist der Mindestkraftstoff für 30 Minuten Flug</translation>
    </message>
    <message>
        <source>Tank</source>
        <translation>Tank</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Masse</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Fuel capacity</source>
        <translation>Tankkapazität</translation>
    </message>
    <message>
        <source>Total capacity of the airplane tanks</source>
        <translation>Gesamtkapazität der Flugzeugtanks</translation>
    </message>
    <message>
        <source>Registration</source>
        <translation>Kennzeichen</translation>
    </message>
    <message>
        <source>Airplane registration</source>
        <translation>Luftfahrzeugkennzeichen</translation>
    </message>
    <message>
        <source>Equipments</source>
        <translation>Ausrüstung</translation>
    </message>
    <message>
        <source>Airplane equipment</source>
        <translation>Ausrüstung des Flugzeugs</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>More information</source>
        <translation>Weitere Informationen</translation>
    </message>
    <message>
        <source>Aircraft registration</source>
        <translation>Luftfahrzeugkennzeichen</translation>
    </message>
    <message>
        <source>Equipment codes</source>
        <translation>Ausrüstungscodes</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Airplane files</source>
        <translation>Flugzeugdateien</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
</context>
<context>
    <name>AirplaneHelper</name>
    <message>
        <source>Airplane</source>
        <translation>Flugzeug</translation>
    </message>
    <message>
        <source>More...</source>
        <translation>Mehr...</translation>
    </message>
    <message>
        <source>Load factor %1%</source>
        <translation>Auslastung %1 %</translation>
    </message>
    <message>
        <source>Load factor (percentage) utilizing available passenger or cargo capacity</source>
        <translation>Auslastung (Prozent) der verfügbaren Passagier- oder Frachtkapazität</translation>
    </message>
    <message>
        <source>Cruise</source>
        <translation>Reiseflug</translation>
    </message>
    <message>
        <source>Cruise flight level</source>
        <translation>Reiseflugfläche</translation>
    </message>
    <message>
        <source>TAS</source>
        <translation>TAS</translation>
    </message>
    <message>
        <source>Cruise True Air Speed</source>
        <translation>Wahre Eigengeschwindigkeit (TAS) im Reiseflug</translation>
    </message>
</context>
<context>
    <name>AirplaneListModel</name>
    <message>
        <source>New airplane</source>
        <translation>Neues Flugzeug</translation>
    </message>
    <message>
        <source>The airplane file %1 does not exist.</source>
        <translation>Die Flugzeugdatei %1 existiert nicht.</translation>
    </message>
    <message>
        <source>%1 is a folder, not an airplane file.</source>
        <translation>%1 ist ein Ordner, keine Flugzeugdatei.</translation>
    </message>
    <message>
        <source>The airplane file %1 cannot be opened: %2</source>
        <translation>Die Flugzeugdatei %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The file %1 is too large to be an airplane file.</source>
        <translation>Die Datei %1 ist zu groß für eine Flugzeugdatei.</translation>
    </message>
    <message>
        <source>The airplane file %1 is empty.</source>
        <translation>Die Flugzeugdatei %1 ist leer.</translation>
    </message>
    <message>
        <source>The file %1 is not a valid airplane file. %2</source>
        <translation>Die Datei %1 ist keine gültige Flugzeugdatei. %2</translation>
    </message>
    <message>
        <source>The file %1 is not a valid airplane file. Unknown fuel type %2.</source>
        <translation>Die Datei %1 ist keine gültige Flugzeugdatei. Unbekannte Kraftstoffart %2.</translation>
    </message>
    <message>
        <source>The file %1 is not a valid airplane file. Unknown fuel unit type %2.</source>
        <translation>Die Datei %1 ist keine gültige Flugzeugdatei. Unbekannte Kraftstoffeinheit %2.</translation>
    </message>
    <message>
        <source>There is no airplane to export.</source>
        <translation>Es gibt kein Flugzeug zum Exportieren.</translation>
    </message>
    <message>
        <source>No file name was given for the airplane.</source>
        <translation>Für das Flugzeug wurde kein Dateiname angegeben.</translation>
    </message>
    <message>
        <source>The airplane file %1 cannot be written: %2</source>
        <translation>Die Flugzeugdatei %1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>AirplaneMenu</name>
    <message>
        <source>&amp;Airplane</source>
        <translation>&amp;Flugzeug</translation>
    </message>
    <message>
        <source>Connect to simulator</source>
        <translation>Mit dem Simulator verbinden</translation>
    </message>
    <message>
        <source>Manage airplanes...</source>
        <translation>Flugzeuge verwalten...</translation>
    </message>
</context>
<context>
    <name>Airport</name>
    <message>
        <source>Airport %1</source>
        <translation>Flughafen %1</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>UID</source>
        <translation>UID</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>METAR</source>
        <translation>METAR</translation>
    </message>
    <message>
        <source>Loading METAR...</source>
        <translation>METAR wird geladen...</translation>
    </message>
    <message>
        <source>Runway</source>
        <translation>Piste</translation>
    </message>
    <message>
        <source>Air Traffic Control (ATC)</source>
        <translation>Flugverkehrskontrolle (ATC)</translation>
    </message>
    <message>
        <source>No ATCs for %1</source>
        <translation>Keine ATC für %1</translation>
    </message>
    <message>
        <source>ATC</source>
        <translation>ATC</translation>
    </message>
    <message>
        <source>SID/STAR procedures</source>
        <translation>SID/STAR-Verfahren</translation>
    </message>
    <message>
        <source>No procedures for %1</source>
        <translation>Keine Verfahren für %1</translation>
    </message>
    <message>
        <source>Show all sections for %1</source>
        <translation>Alle Abschnitte für %1 anzeigen</translation>
    </message>
</context>
<context>
    <name>Atc</name>
    <message>
        <source>AWOS, ASOS, ATIS</source>
        <translation>AWOS, ASOS, ATIS</translation>
    </message>
    <message>
        <source>Unicom, CTAF, Radio</source>
        <translation>Unicom, CTAF, Funk</translation>
    </message>
    <message>
        <source>Clearance delivery</source>
        <translation>Freigabe (Delivery)</translation>
    </message>
    <message>
        <source>Ground</source>
        <translation>Rollkontrolle (Ground)</translation>
    </message>
    <message>
        <source>Tower</source>
        <translation>Turm (Tower)</translation>
    </message>
    <message>
        <source>Approach</source>
        <translation>Anflug</translation>
    </message>
    <message>
        <source>Departure</source>
        <translation>Abflug</translation>
    </message>
    <message>
        <source>Unknown ATC type</source>
        <translation>Unbekannte ATC-Art</translation>
    </message>
    <message>
        <source>%1MHz</source>
        <translation>%1 MHz</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>Uncompressing database...</source>
        <translation>Datenbank wird entpackt...</translation>
    </message>
    <message>
        <source>Loading points...</source>
        <translation>Punkte werden geladen...</translation>
    </message>
    <message>
        <source>Loading procedures...</source>
        <translation>Verfahren werden geladen...</translation>
    </message>
    <message>
        <source>Loading segments...</source>
        <translation>Segmente werden geladen...</translation>
    </message>
    <message>
        <source>Loading runways...</source>
        <translation>Pisten werden geladen...</translation>
    </message>
    <message>
        <source>Loading airport boundaries...</source>
        <translation>Flughafengrenzen werden geladen...</translation>
    </message>
    <message>
        <source>Loading taxiways...</source>
        <translation>Rollwege werden geladen...</translation>
    </message>
    <message>
        <source>Loading ground paintings...</source>
        <translation>Bodenmarkierungen werden geladen...</translation>
    </message>
    <message>
        <source>Loading taxi names...</source>
        <translation>Rollwegnamen werden geladen...</translation>
    </message>
    <message>
        <source>Loading startup points...</source>
        <translation>Abstellpositionen werden geladen...</translation>
    </message>
</context>
<context>
    <name>DatabaseDialog</name>
    <message>
        <source> (in %1s)</source>
        <translation> (in %1 s)</translation>
    </message>
    <message>
        <source>Navigation database</source>
        <translation>Navigationsdatenbank</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>%1 needs a navigation database to display the map and plan flights. Choose the source for the database between:</source>
        <translation>%1 benötigt eine Navigationsdatenbank, um die Karte anzuzeigen und Flüge zu planen. Wählen Sie die Quelle der Datenbank:</translation>
    </message>
    <message>
        <source>&lt;b&gt;Server:&lt;/b&gt; download the default AIRAC included with %1.</source>
        <translation>&lt;b&gt;Server:&lt;/b&gt; das mit %1 mitgelieferte Standard-AIRAC herunterladen.</translation>
    </message>
    <message>
        <source>&lt;b&gt;X-Plane:&lt;/b&gt; import the navigation data installed in your X-Plane folder.</source>
        <translation>&lt;b&gt;X-Plane:&lt;/b&gt; die in Ihrem X-Plane-Ordner installierten Navigationsdaten importieren.</translation>
    </message>
    <message>
        <source>To use the latest AIRAC cycle, get it from </source>
        <translation>Um den neuesten AIRAC-Zyklus zu verwenden, beziehen Sie ihn von </translation>
    </message>
    <message>
        <source> or another provider.</source>
        <translation> oder einem anderen Anbieter.</translation>
    </message>
    <message>
        <source>Database source</source>
        <translation>Quelle der Datenbank</translation>
    </message>
    <message>
        <source>Download the default database from our server</source>
        <translation>Standarddatenbank von unserem Server herunterladen</translation>
    </message>
    <message>
        <source>Import the database from your X-Plane installation</source>
        <translation>Datenbank aus Ihrer X-Plane-Installation importieren</translation>
    </message>
    <message>
        <source>X-Plane path</source>
        <translation>X-Plane-Pfad</translation>
    </message>
    <message>
        <source>Path of X-Plane installation base directory</source>
        <translation>Pfad des X-Plane-Installationsordners</translation>
    </message>
    <message>
        <source>Autodetect</source>
        <translation>Automatisch erkennen</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Use custom data (from Cyclewell, Navigraph...)</source>
        <translation>Eigene Daten verwenden (von Cyclewell, Navigraph...)</translation>
    </message>
    <message>
        <source>Load user FIX (user_fix.dat)</source>
        <translation>Benutzer-FIX laden (user_fix.dat)</translation>
    </message>
    <message>
        <source>Current database</source>
        <translation>Aktuelle Datenbank</translation>
    </message>
    <message>
        <source>AIRAC cycle</source>
        <translation>AIRAC-Zyklus</translation>
    </message>
    <message>
        <source>(the AIRAC cycle %1 is available, get it from </source>
        <translation>(der AIRAC-Zyklus %1 ist verfügbar, beziehen Sie ihn von </translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>(including APT, NDB, VOR, DME, FIX,...)</source>
        <translation>(einschließlich APT, NDB, VOR, DME, FIX,...)</translation>
    </message>
    <message>
        <source>Segments</source>
        <translation>Segmente</translation>
    </message>
    <message>
        <source>(routes consist of a series of segments)</source>
        <translation>(Luftstraßen bestehen aus einer Folge von Segmenten)</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Database file deleted</source>
        <translation>Datenbankdatei gelöscht</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Import from X-Plane</source>
        <translation>Aus X-Plane importieren</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Please choose path to X-Plane installation</source>
        <translation>Bitte wählen Sie den Pfad der X-Plane-Installation</translation>
    </message>
    <message>
        <source>No navigation database is loaded: build one from a source above.</source>
        <translation>Es ist keine Navigationsdatenbank geladen: erstellen Sie eine aus einer der Quellen oben.</translation>
    </message>
    <message>
        <source>airway segments</source>
        <translation>Luftstraßensegmente</translation>
    </message>
    <message>
        <source>runways</source>
        <translation>Pisten</translation>
    </message>
    <message>
        <source>airport boundaries</source>
        <translation>Flughafengrenzen</translation>
    </message>
    <message>
        <source>taxiways</source>
        <translation>Rollwege</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>This database cannot be used: it has no %1. %2 opens this dialog at every start until a database with all of them is built.</source>
        <translation>Diese Datenbank ist nicht verwendbar: sie enthält keine %1. %2 öffnet diesen Dialog bei jedem Start, bis eine Datenbank mit allen erstellt ist.</translation>
    </message>
    <message>
        <source>X-Plane found in %1</source>
        <translation>X-Plane gefunden in %1</translation>
    </message>
    <message>
        <source>No folder &quot;X-Plane 12&quot; or &quot;X-Plane 11&quot; found in: %1. Choose the X-Plane folder yourself.</source>
        <translation>Kein Ordner „X-Plane 12“ oder „X-Plane 11“ gefunden in: %1. Wählen Sie den X-Plane-Ordner selbst aus.</translation>
    </message>
    <message>
        <source>Not enough memory to load the navigation database.</source>
        <translation>Nicht genug Speicher, um die Navigationsdatenbank zu laden.</translation>
    </message>
    <message>
        <source>No navigation database is loaded: the stored one is cut short. Build one from a source above.</source>
        <translation>Es ist keine Navigationsdatenbank geladen: die gespeicherte ist abgeschnitten. Erstellen Sie eine aus einer der Quellen oben.</translation>
    </message>
    <message>
        <source>No navigation database is loaded: the stored one changed while it was read. Build one from a source above, or restart %1 to read it again.</source>
        <translation>Es ist keine Navigationsdatenbank geladen: die gespeicherte hat sich beim Lesen geändert. Erstellen Sie eine aus einer der Quellen oben, oder starten Sie %1 neu, um sie erneut zu lesen.</translation>
    </message>
    <message>
        <source>No navigation database is loaded: the stored one is damaged. Build one from a source above.</source>
        <translation>Es ist keine Navigationsdatenbank geladen: die gespeicherte ist beschädigt. Erstellen Sie eine aus einer der Quellen oben.</translation>
    </message>
    <message>
        <source>No navigation database is loaded: the stored one was written by another version of %1. Build one from a source above.</source>
        <translation>Es ist keine Navigationsdatenbank geladen: die gespeicherte wurde von einer anderen Version von %1 geschrieben. Erstellen Sie eine aus einer der Quellen oben.</translation>
    </message>
    <message>
        <source>No navigation database is loaded: the stored one cannot be read. Build one from a source above.</source>
        <translation>Es ist keine Navigationsdatenbank geladen: die gespeicherte kann nicht gelesen werden. Erstellen Sie eine aus einer der Quellen oben.</translation>
    </message>
</context>
<context>
    <name>DebugMenu</name>
    <message>
        <source>&amp;Debug</source>
        <translation>Debu&amp;g</translation>
    </message>
    <message>
        <source>Navmap export to PNG</source>
        <translation>Navigationskarte als PNG exportieren</translation>
    </message>
    <message>
        <source>Navmap export to JPG</source>
        <translation>Navigationskarte als JPG exportieren</translation>
    </message>
    <message>
        <source>Load EGKK-CHT-MCT-EGPK for moving test</source>
        <translation>EGKK-CHT-MCT-EGPK für den Bewegungstest laden</translation>
    </message>
    <message>
        <source>Load URELO/OKIPA for route finding test</source>
        <translation>URELO/OKIPA für den Routensuchtest laden</translation>
    </message>
    <message>
        <source>Load TEPRI/GELTA for route finding test</source>
        <translation>TEPRI/GELTA für den Routensuchtest laden</translation>
    </message>
    <message>
        <source>Load DETOB/BIBAG for route finding test</source>
        <translation>DETOB/BIBAG für den Routensuchtest laden</translation>
    </message>
    <message>
        <source>Load TOU/MTG for route finding test</source>
        <translation>TOU/MTG für den Routensuchtest laden</translation>
    </message>
    <message>
        <source>Load MTG/TRA for route finding test</source>
        <translation>MTG/TRA für den Routensuchtest laden</translation>
    </message>
</context>
<context>
    <name>DesktopWindow</name>
    <message numerus="yes">
        <source>%n waypoint(s) not in this navigation database became coordinate points</source>
        <translation>
            <numerusform>%n Wegpunkt, der in dieser Navigationsdatenbank fehlt, wurde zu einem Koordinatenpunkt</numerusform>
            <numerusform>%n Wegpunkte, die in dieser Navigationsdatenbank fehlen, wurden zu Koordinatenpunkten</numerusform>
        </translation>
    </message>
    <message>
        <source>Welcome to %1 %2</source>
        <translation>Willkommen bei %1 %2</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Create new flight plan</source>
        <translation>Neuen Flugplan erstellen</translation>
    </message>
    <message>
        <source>Open existing flight plan</source>
        <translation>Vorhandenen Flugplan öffnen</translation>
    </message>
    <message>
        <source>Save flight plan</source>
        <translation>Flugplan speichern</translation>
    </message>
    <message>
        <source>Flight information</source>
        <translation>Fluginformationen</translation>
    </message>
    <message>
        <source>Open the route generator</source>
        <translation>Routengenerator öffnen</translation>
    </message>
    <message>
        <source>Quick export to X-Plane</source>
        <translation>Schnellexport nach X-Plane</translation>
    </message>
    <message>
        <source>Default format: </source>
        <translation>Standardformat: </translation>
    </message>
    <message>
        <source>Export directory: </source>
        <translation>Exportordner: </translation>
    </message>
    <message>
        <source>These settings can be modified in the preferences.</source>
        <translation>Diese Einstellungen können in den Einstellungen geändert werden.</translation>
    </message>
    <message>
        <source>Disconnect from simulator</source>
        <translation>Vom Simulator trennen</translation>
    </message>
    <message>
        <source>Connect to simulator</source>
        <translation>Mit dem Simulator verbinden</translation>
    </message>
    <message>
        <source>Hide airports on the map</source>
        <translation>Flughäfen auf der Karte ausblenden</translation>
    </message>
    <message>
        <source>Show airports on the map</source>
        <translation>Flughäfen auf der Karte einblenden</translation>
    </message>
    <message>
        <source>Hide airports ground</source>
        <translation>Flughafenboden ausblenden</translation>
    </message>
    <message>
        <source>Show airports ground</source>
        <translation>Flughafenboden einblenden</translation>
    </message>
    <message>
        <source>Hide NDB on the map</source>
        <translation>NDB auf der Karte ausblenden</translation>
    </message>
    <message>
        <source>Show NDB on the map</source>
        <translation>NDB auf der Karte einblenden</translation>
    </message>
    <message>
        <source>Hide VOR and DME on the map</source>
        <translation>VOR und DME auf der Karte ausblenden</translation>
    </message>
    <message>
        <source>Show VOR and DME on the map</source>
        <translation>VOR und DME auf der Karte einblenden</translation>
    </message>
    <message>
        <source>Hide FIX on the map</source>
        <translation>FIX auf der Karte ausblenden</translation>
    </message>
    <message>
        <source>Show FIX on the map</source>
        <translation>FIX auf der Karte einblenden</translation>
    </message>
    <message>
        <source>Hide HIGH (Jet) segments on the map</source>
        <translation>HIGH-Segmente (Jet) auf der Karte ausblenden</translation>
    </message>
    <message>
        <source>Show HIGH (Jet) segments on the map</source>
        <translation>HIGH-Segmente (Jet) auf der Karte einblenden</translation>
    </message>
    <message>
        <source>Hide LOW (Victor) segments on the map</source>
        <translation>LOW-Segmente (Victor) auf der Karte ausblenden</translation>
    </message>
    <message>
        <source>Show LOW (Victor) segments on the map</source>
        <translation>LOW-Segmente (Victor) auf der Karte einblenden</translation>
    </message>
    <message>
        <source>Hide tracks on the map</source>
        <translation>Tracks auf der Karte ausblenden</translation>
    </message>
    <message>
        <source>Show tracks on the map</source>
        <translation>Tracks auf der Karte einblenden</translation>
    </message>
    <message>
        <source>Change map theme</source>
        <translation>Kartenthema ändern</translation>
    </message>
    <message>
        <source>Hide cloud map</source>
        <translation>Wolkenkarte ausblenden</translation>
    </message>
    <message>
        <source>Show cloud map</source>
        <translation>Wolkenkarte einblenden</translation>
    </message>
    <message>
        <source>Hide precipitation map</source>
        <translation>Niederschlagskarte ausblenden</translation>
    </message>
    <message>
        <source>Show precipitation map</source>
        <translation>Niederschlagskarte einblenden</translation>
    </message>
    <message>
        <source>Hide wind map</source>
        <translation>Windkarte ausblenden</translation>
    </message>
    <message>
        <source>Show wind map</source>
        <translation>Windkarte einblenden</translation>
    </message>
    <message>
        <source>Hide flight plan table</source>
        <translation>Flugplantabelle ausblenden</translation>
    </message>
    <message>
        <source>Show flight plan table </source>
        <translation>Flugplantabelle einblenden </translation>
    </message>
    <message>
        <source>Hide side panel</source>
        <translation>Seitenleiste ausblenden</translation>
    </message>
    <message>
        <source>Show side panel</source>
        <translation>Seitenleiste einblenden</translation>
    </message>
    <message>
        <source>Reset preferences</source>
        <translation>Einstellungen zurücksetzen</translation>
    </message>
    <message>
        <source>Restore preferences to factory defaults, all user settings will
be lost. These operations cannot be reverted!</source>
        <translation>Einstellungen auf Werkseinstellungen zurücksetzen, alle Benutzereinstellungen
gehen verloren. Diese Vorgänge können nicht rückgängig gemacht werden!</translation>
    </message>
    <message>
        <source>Problem with the preferences</source>
        <translation>Problem mit den Einstellungen</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>Cannot save file</source>
        <translation>Datei kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>The document has no file name.</source>
        <translation>Das Dokument hat keinen Dateinamen.</translation>
    </message>
    <message>
        <source>Cannot open file</source>
        <translation>Datei kann nicht geöffnet werden</translation>
    </message>
</context>
<context>
    <name>EditMenu</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>Suchen...</translation>
    </message>
    <message>
        <source>Select navigation database...</source>
        <translation>Navigationsdatenbank auswählen...</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Einstellungen...</translation>
    </message>
</context>
<context>
    <name>ExportAsDialog</name>
    <message>
        <source>Cannot export image to %1</source>
        <translation>Bild kann nicht nach %1 exportiert werden</translation>
    </message>
    <message>
        <source>Cannot export image to %1: %2</source>
        <translation>Bild kann nicht nach %1 exportiert werden: %2</translation>
    </message>
    <message>
        <source>Exported %1</source>
        <translation>%1 exportiert</translation>
    </message>
    <message>
        <source>Navmap image JPEG</source>
        <translation>Kartenbild JPEG</translation>
    </message>
    <message>
        <source>Navmap image PNG</source>
        <translation>Kartenbild PNG</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
</context>
<context>
    <name>Exporter</name>
    <message>
        <source>X-Plane 11/12 FMS</source>
        <translation>X-Plane 11/12 FMS</translation>
    </message>
    <message>
        <source>X-Plane 11/12 FMS without SID/STAR</source>
        <translation>X-Plane 11/12 FMS ohne SID/STAR</translation>
    </message>
    <message>
        <source>X-Plane 9/10 FMS</source>
        <translation>X-Plane 9/10 FMS</translation>
    </message>
    <message>
        <source>X-FMC</source>
        <translation>X-FMC</translation>
    </message>
    <message>
        <source>Aerosoft Airbus</source>
        <translation>Aerosoft Airbus</translation>
    </message>
    <message>
        <source>Aerosoft CRJ</source>
        <translation>Aerosoft CRJ</translation>
    </message>
    <message>
        <source>FlightFactor A320</source>
        <translation>FlightFactor A320</translation>
    </message>
    <message>
        <source>FlightFactor 757 v2</source>
        <translation>FlightFactor 757 v2</translation>
    </message>
    <message>
        <source>FlightFactor 767-777</source>
        <translation>FlightFactor 767-777</translation>
    </message>
    <message>
        <source>Garmin GTN</source>
        <translation>Garmin GTN</translation>
    </message>
    <message>
        <source>Garmin GTN without SID/STAR</source>
        <translation>Garmin GTN ohne SID/STAR</translation>
    </message>
    <message>
        <source>IVAO/IVAP</source>
        <translation>IVAO/IVAP</translation>
    </message>
    <message>
        <source>IVAO/XIVAP</source>
        <translation>IVAO/XIVAP</translation>
    </message>
    <message>
        <source>IXEG 737</source>
        <translation>IXEG 737</translation>
    </message>
    <message>
        <source>JARDesign Airbus</source>
        <translation>JARDesign Airbus</translation>
    </message>
    <message>
        <source>PMDG Flightplan</source>
        <translation>PMDG Flightplan</translation>
    </message>
    <message>
        <source>Universal FMC</source>
        <translation>Universal FMC</translation>
    </message>
    <message>
        <source>GPS eXchange Format</source>
        <translation>GPS eXchange Format</translation>
    </message>
    <message>
        <source>Google Earth</source>
        <translation>Google Earth</translation>
    </message>
    <message>
        <source>Operational Flight Plan</source>
        <translation>Operationeller Flugplan</translation>
    </message>
    <message>
        <source>Adobe PDF</source>
        <translation>Adobe PDF</translation>
    </message>
    <message>
        <source>Copy full route to clipboard</source>
        <translation>Vollständige Route in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Copy en-route part to clipboard</source>
        <translation>Streckenteil in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Copy ICAO route to clipboard</source>
        <translation>ICAO-Route in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Copy all waypoints to clipboard</source>
        <translation>Alle Wegpunkte in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Copy operational briefing to clipboard</source>
        <translation>Operationelles Briefing in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>IVAO flight plan</source>
        <translation>IVAO-Flugplan</translation>
    </message>
    <message>
        <source>VATSIM flight plan</source>
        <translation>VATSIM-Flugplan</translation>
    </message>
    <message>
        <source>Shared link</source>
        <translation>Geteilter Link</translation>
    </message>
    <message>
        <source>The flight plan needs at least a departure and an arrival to be exported.</source>
        <translation>Der Flugplan braucht mindestens einen Abflug und eine Ankunft, um exportiert zu werden.</translation>
    </message>
    <message>
        <source>A shared link needs the image of the map: share from the File menu, or choose a file format as the default export format in the preferences.</source>
        <translation>Ein geteilter Link braucht das Bild der Karte: Teilen Sie über das Menü Datei, oder wählen Sie in den Einstellungen ein Dateiformat als Standard-Exportformat.</translation>
    </message>
    <message>
        <source>Export format %1 is not known.</source>
        <translation>Das Exportformat %1 ist unbekannt.</translation>
    </message>
    <message>
        <source>A shared link needs the image of the map: share from the File menu.</source>
        <translation>Ein geteilter Link braucht das Bild der Karte: Teilen Sie über das Menü Datei.</translation>
    </message>
    <message>
        <source>No export folder is set: choose the simulator folder, or a folder of your own in the export preferences.</source>
        <translation>Es ist kein Exportordner festgelegt: Wählen Sie den Simulatorordner oder einen eigenen Ordner in den Exporteinstellungen.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Der Ordner %1 existiert nicht.</translation>
    </message>
    <message>
        <source>A PDF can only be made by the program with its windows.</source>
        <translation>Ein PDF kann nur das Programm mit seinen Fenstern erstellen.</translation>
    </message>
    <message>
        <source>The file %1 could not be made from the flight plan.</source>
        <translation>Die Datei %1 konnte nicht aus dem Flugplan erstellt werden.</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1: %2</source>
        <translation>In den Ordner %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot write the file %1 (is the disk full?): %2</source>
        <translation>Die Datei %1 kann nicht geschrieben werden (ist der Datenträger voll?): %2</translation>
    </message>
    <message>
        <source>Clipboard text %1 is not known.</source>
        <translation>Der Zwischenablagetext %1 ist unbekannt.</translation>
    </message>
    <message>
        <source>There is no clipboard to copy to.</source>
        <translation>Es gibt keine Zwischenablage, in die kopiert werden kann.</translation>
    </message>
    <message>
        <source>The text could not be made from the flight plan.</source>
        <translation>Der Text konnte nicht aus dem Flugplan erstellt werden.</translation>
    </message>
    <message>
        <source>clipboard</source>
        <translation>Zwischenablage</translation>
    </message>
    <message>
        <source>The address of the filing page is not valid: %1</source>
        <translation>Die Adresse der Seite zur Flugplanaufgabe ist ungültig: %1</translation>
    </message>
    <message>
        <source>No web browser could open %1</source>
        <translation>Kein Webbrowser konnte %1 öffnen</translation>
    </message>
    <message>
        <source>A shared link is being made already.</source>
        <translation>Ein geteilter Link wird bereits erstellt.</translation>
    </message>
    <message>
        <source>The map image %1 cannot be read: %2</source>
        <translation>Das Kartenbild %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The address of the share service is not valid: %1</source>
        <translation>Die Adresse des Dienstes zum Teilen ist ungültig: %1</translation>
    </message>
    <message>
        <source>The share service did not answer in time. Please try again later.</source>
        <translation>Der Dienst zum Teilen hat nicht rechtzeitig geantwortet. Bitte versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>The share service cannot be reached: %1</source>
        <translation>Der Dienst zum Teilen ist nicht erreichbar: %1</translation>
    </message>
    <message>
        <source>The share service answered with an error (%1). Please try again later.</source>
        <translation>Der Dienst zum Teilen hat mit einem Fehler geantwortet (%1). Bitte versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>The share service gave no link.</source>
        <translation>Der Dienst zum Teilen hat keinen Link geliefert.</translation>
    </message>
    <message>
        <source>The share service gave no link: %1.</source>
        <translation>Der Dienst zum Teilen hat keinen Link geliefert: %1.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>%1 is a link to %2, which cannot be written: %3</source>
        <translation>%1 ist eine Verknüpfung auf %2, die nicht geschrieben werden kann: %3</translation>
    </message>
</context>
<context>
    <name>ExporterErrorDialog</name>
    <message>
        <source>Error during export</source>
        <translation>Fehler beim Export</translation>
    </message>
</context>
<context>
    <name>FileManager</name>
    <message>
        <source>The flight plan has been modified</source>
        <translation>Der Flugplan wurde geändert</translation>
    </message>
    <message>
        <source>Do you want to save changes before creating a new flight plan?</source>
        <translation>Möchten Sie die Änderungen speichern, bevor Sie einen neuen Flugplan anlegen?</translation>
    </message>
    <message>
        <source>Do you want to save changes before opening another flight plan?</source>
        <translation>Möchten Sie die Änderungen speichern, bevor Sie einen anderen Flugplan öffnen?</translation>
    </message>
    <message>
        <source>Save changes</source>
        <translation>Änderungen speichern</translation>
    </message>
    <message>
        <source>The flight plan contains unsaved modifications. Do you want to save before quit?</source>
        <translation>Der Flugplan enthält ungespeicherte Änderungen. Möchten Sie vor dem Beenden speichern?</translation>
    </message>
    <message>
        <source>Do you want to save changes before loading another flight plan?</source>
        <translation>Möchten Sie die Änderungen speichern, bevor Sie einen anderen Flugplan laden?</translation>
    </message>
    <message>
        <source>Flightplan files</source>
        <translation>Flugplandateien</translation>
    </message>
    <message>
        <source>FMS files</source>
        <translation>FMS-Dateien</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
</context>
<context>
    <name>FileMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Import FMS file...</source>
        <translation>FMS-Datei importieren...</translation>
    </message>
    <message>
        <source>Edit flight information...</source>
        <translation>Fluginformationen bearbeiten...</translation>
    </message>
    <message>
        <source>Page setup...</source>
        <translation>Seite einrichten...</translation>
    </message>
    <message>
        <source>Preview...</source>
        <translation>Vorschau...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Export flight plan to PDF...</source>
        <translation>Flugplan als PDF exportieren...</translation>
    </message>
    <message>
        <source>Export flight plan to file</source>
        <translation>Flugplan in Datei exportieren</translation>
    </message>
    <message>
        <source>Export to...</source>
        <translation>Exportieren nach...</translation>
    </message>
    <message>
        <source>Direct export to %1</source>
        <translation>Direktexport nach %1</translation>
    </message>
    <message>
        <source>Export flight plan to network</source>
        <translation>Flugplan an ein Netzwerk exportieren</translation>
    </message>
    <message>
        <source>Export flight plan to IVAO</source>
        <translation>Flugplan an IVAO exportieren</translation>
    </message>
    <message>
        <source>Export flight plan to VATSIM</source>
        <translation>Flugplan an VATSIM exportieren</translation>
    </message>
    <message>
        <source>Copy flight plan to clipboard</source>
        <translation>Flugplan in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Full route</source>
        <translation>Vollständige Route</translation>
    </message>
    <message>
        <source>Enroute only</source>
        <translation>Nur Streckenteil</translation>
    </message>
    <message>
        <source>ICAO route</source>
        <translation>ICAO-Route</translation>
    </message>
    <message>
        <source>All waypoints</source>
        <translation>Alle Wegpunkte</translation>
    </message>
    <message>
        <source>Briefing (OFP)</source>
        <translation>Briefing (OFP)</translation>
    </message>
    <message>
        <source>Share link</source>
        <translation>Link teilen</translation>
    </message>
    <message>
        <source>Export navigation map to image...</source>
        <translation>Navigationskarte als Bild exportieren...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Error during printing</source>
        <translation>Fehler beim Drucken</translation>
    </message>
</context>
<context>
    <name>FlightInfoDialog</name>
    <message>
        <source>Flight information</source>
        <translation>Fluginformationen</translation>
    </message>
    <message>
        <source>Flight info</source>
        <translation>Fluginfo</translation>
    </message>
    <message>
        <source>Pilot name</source>
        <translation>Name des Piloten</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Fluggesellschaft</translation>
    </message>
    <message>
        <source>Flight number</source>
        <translation>Flugnummer</translation>
    </message>
    <message>
        <source>Sequence</source>
        <translation>Sequenz</translation>
    </message>
    <message>
        <source>Alternate airport</source>
        <translation>Ausweichflughafen</translation>
    </message>
    <message>
        <source>Departure (UTC)</source>
        <translation>Abflug (UTC)</translation>
    </message>
    <message>
        <source>YYYY-MM-DD hh:mm</source>
        <translation>JJJJ-MM-TT hh:mm</translation>
    </message>
    <message>
        <source>Airplane details</source>
        <translation>Flugzeugdetails</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>FlightplanPanel</name>
    <message>
        <source>Altitude</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>From %1 to %2 (%3)</source>
        <translation>Von %1 nach %2 (%3)</translation>
    </message>
    <message>
        <source>Planned fuel %1</source>
        <translation>Geplanter Kraftstoff %1</translation>
    </message>
    <message>
        <source>Taxi burn</source>
        <translation>Verbrauch Rollen</translation>
    </message>
    <message>
        <source>Burned fuel during taxi</source>
        <translation>Beim Rollen verbrauchter Kraftstoff</translation>
    </message>
    <message>
        <source>Enroute burn</source>
        <translation>Verbrauch Strecke</translation>
    </message>
    <message>
        <source>Burned fuel during flight</source>
        <translation>Während des Fluges verbrauchter Kraftstoff</translation>
    </message>
    <message>
        <source>Total reserve</source>
        <translation>Gesamtreserve</translation>
    </message>
    <message>
        <source>Includes alternate fuel, contingency reserve, extra reserve and final reserve</source>
        <translation>Umfasst Ausweichkraftstoff, Streckenreserve, Extrareserve und Endreserve</translation>
    </message>
    <message>
        <source>Block fuel</source>
        <translation>Blockkraftstoff</translation>
    </message>
    <message>
        <source>Total fuel to load in the tanks</source>
        <translation>Gesamtmenge zu tankender Kraftstoff</translation>
    </message>
    <message>
        <source>Maximum fuel tank capacity %1</source>
        <translation>Maximale Tankkapazität %1</translation>
    </message>
    <message>
        <source>%1 load sheet</source>
        <translation>Ladeblatt %1</translation>
    </message>
    <message>
        <source>Total payload</source>
        <translation>Gesamtnutzlast</translation>
    </message>
    <message>
        <source>Commercial payload including passengers, luggages and cargo</source>
        <translation>Nutzlast einschließlich Passagieren, Gepäck und Fracht</translation>
    </message>
    <message>
        <source>Zero fuel weight</source>
        <translation>Gewicht ohne Kraftstoff</translation>
    </message>
    <message>
        <source>Airplane operational weight prior to fuel tanking</source>
        <translation>Betriebsgewicht des Flugzeugs vor dem Betanken</translation>
    </message>
    <message>
        <source>Maximum zero-fuel weight is %1</source>
        <translation>Das Höchstgewicht ohne Kraftstoff beträgt %1</translation>
    </message>
    <message>
        <source>Takeoff weight</source>
        <translation>Abfluggewicht</translation>
    </message>
    <message>
        <source>Estimated takeoff weight</source>
        <translation>Geschätztes Abfluggewicht</translation>
    </message>
    <message>
        <source>Maximum takeoff weight is %1</source>
        <translation>Das Höchstabfluggewicht beträgt %1</translation>
    </message>
    <message>
        <source>Landing weight</source>
        <translation>Landegewicht</translation>
    </message>
    <message>
        <source>Estimated landing weight</source>
        <translation>Geschätztes Landegewicht</translation>
    </message>
    <message>
        <source>Maximum landing weight is %1</source>
        <translation>Das Höchstlandegewicht beträgt %1</translation>
    </message>
    <message>
        <source>The flight plan is empty, add waypoints from %1%2 database%3 or start the %4%5 generator%6 or...</source>
        <translation>Der Flugplan ist leer. Fügen Sie Wegpunkte aus der %1%2 Datenbank%3 hinzu, starten Sie den %4%5 Generator%6 oder...</translation>
    </message>
    <message>
        <source>Get inspired</source>
        <translation>Lassen Sie sich inspirieren</translation>
    </message>
    <message>
        <source>Open the route generator</source>
        <translation>Routengenerator öffnen</translation>
    </message>
    <message>
        <source>Airspeeds and altitudes are automatically computed on waypoint change</source>
        <translation>Geschwindigkeiten und Höhen werden bei jeder Änderung der Wegpunkte automatisch berechnet</translation>
    </message>
    <message>
        <source>Compute air speeds and altitudes for all waypoints</source>
        <translation>Geschwindigkeiten und Höhen für alle Wegpunkte berechnen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>%1 waypoint(s)</source>
        <translation>%1 Wegpunkt(e)</translation>
    </message>
    <message>
        <source>distance</source>
        <translation>Entfernung</translation>
    </message>
    <message>
        <source>duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Fuel</source>
        <translation>Kraftstoff</translation>
    </message>
    <message>
        <source>Briefing</source>
        <translation>Briefing</translation>
    </message>
</context>
<context>
    <name>FlightplanXml</name>
    <message>
        <source>Waypoint %1 has no position on earth (%2, %3), it can not be opened!</source>
        <translation>Der Wegpunkt %1 hat keine Position auf der Erde (%2, %3), er kann nicht geöffnet werden!</translation>
    </message>
</context>
<context>
    <name>FmsImport</name>
    <message>
        <source>Cannot open file</source>
        <translation>Datei kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Wrong file format</source>
        <translation>Falsches Dateiformat</translation>
    </message>
    <message>
        <source>This file is not recognized as a flightplan FMS file.</source>
        <translation>Diese Datei wird nicht als FMS-Flugplandatei erkannt.</translation>
    </message>
    <message>
        <source>This file is not at FMS version 3 or FMS1100.</source>
        <translation>Diese Datei hat nicht das Format FMS Version 3 oder FMS1100.</translation>
    </message>
    <message>
        <source>No navigation database to resolve the waypoints.</source>
        <translation>Keine Navigationsdatenbank, um die Wegpunkte aufzulösen.</translation>
    </message>
    <message>
        <source>Damaged file</source>
        <translation>Beschädigte Datei</translation>
    </message>
    <message>
        <source>Line %1 gives &quot;%2&quot; as the number of waypoints. Nothing was imported.</source>
        <translation>Zeile %1 gibt &quot;%2&quot; als Anzahl der Wegpunkte an. Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>The file announces %1 waypoints on line %2 but holds %3: it is cut short or damaged. Nothing was imported.</source>
        <translation>Die Datei kündigt in Zeile %2 %1 Wegpunkte an, enthält aber %3: Sie ist abgeschnitten oder beschädigt. Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>Line %1 gives &quot;%2&quot; as the latitude. Nothing was imported.</source>
        <translation>Zeile %1 gibt &quot;%2&quot; als Breite an. Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>Line %1 gives &quot;%2&quot; as the longitude. Nothing was imported.</source>
        <translation>Zeile %1 gibt &quot;%2&quot; als Länge an. Es wurde nichts importiert.</translation>
    </message>
</context>
<context>
    <name>Generator</name>
    <message>
        <source>Navigation database changed. Please generate the route again.</source>
        <translation>Die Navigationsdatenbank hat sich geändert. Bitte erzeugen Sie die Route erneut.</translation>
    </message>
</context>
<context>
    <name>GeneratorDialog</name>
    <message>
        <source>Routing in progress...</source>
        <translation>Routenberechnung läuft...</translation>
    </message>
    <message>
        <source>Route generator</source>
        <translation>Routengenerator</translation>
    </message>
    <message>
        <source>(in %1 s)</source>
        <translation>(in %1 s)</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Departure</source>
        <translation>Abflug</translation>
    </message>
    <message>
        <source>SID output</source>
        <translation>SID-Endpunkt</translation>
    </message>
    <message>
        <source>Arrival</source>
        <translation>Ankunft</translation>
    </message>
    <message>
        <source>STAR input</source>
        <translation>STAR-Anfangspunkt</translation>
    </message>
    <message>
        <source>Hit the Enter key to validate airport</source>
        <translation>Drücken Sie die Eingabetaste, um den Flughafen zu bestätigen</translation>
    </message>
    <message>
        <source>Airplane details</source>
        <translation>Flugzeugdetails</translation>
    </message>
    <message>
        <source>Routing options</source>
        <translation>Routenoptionen</translation>
    </message>
    <message>
        <source>Airway navigation</source>
        <translation>Navigation auf Luftstraßen</translation>
    </message>
    <message>
        <source>Prefer HIGH (Jet) routes during cruise</source>
        <translation>Im Reiseflug obere Luftstraßen (Jet) bevorzugen</translation>
    </message>
    <message>
        <source>Use only LOW (Victor) routes</source>
        <translation>Nur untere Luftstraßen (Victor) verwenden</translation>
    </message>
    <message>
        <source>No route preference between HIGH and LOW</source>
        <translation>Keine Präferenz zwischen oberen und unteren Luftstraßen</translation>
    </message>
    <message>
        <source>Ignore airways during routing</source>
        <translation>Luftstraßen bei der Routenberechnung ignorieren</translation>
    </message>
    <message>
        <source>Radio navigation</source>
        <translation>Funknavigation</translation>
    </message>
    <message>
        <source>Routing status</source>
        <translation>Status der Routenberechnung</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>of</source>
        <translation>von</translation>
    </message>
    <message>
        <source>%1nm</source>
        <translation>%1 NM</translation>
    </message>
    <message>
        <source>Close when finished</source>
        <translation>Nach Abschluss schließen</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Fit map to generated route</source>
        <translation>Karte an die erzeugte Route anpassen</translation>
    </message>
    <message>
        <source>Interrupt</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Erzeugen</translation>
    </message>
    <message>
        <source>Re-generate</source>
        <translation>Neu erzeugen</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Manual...</source>
        <translation>Handbuch...</translation>
    </message>
    <message>
        <source>FAQ...</source>
        <translation>FAQ...</translation>
    </message>
    <message>
        <source>Check for updates...</source>
        <translation>Nach Updates suchen...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Über...</translation>
    </message>
</context>
<context>
    <name>InfoManager</name>
    <message>
        <source>No METAR available for %1.</source>
        <translation>Kein METAR für %1 verfügbar.</translation>
    </message>
    <message>
        <source>Cannot fetch METAR for %1: %2</source>
        <translation>METAR für %1 kann nicht abgerufen werden: %2</translation>
    </message>
    <message>
        <source>This item is not in the navigation database any more.</source>
        <translation>Dieses Element ist nicht mehr in der Navigationsdatenbank.</translation>
    </message>
    <message>
        <source>the service redirected to another host</source>
        <translation>der Dienst hat auf einen anderen Server umgeleitet</translation>
    </message>
    <message>
        <source>the service redirects in a loop</source>
        <translation>der Dienst leitet im Kreis weiter</translation>
    </message>
</context>
<context>
    <name>InformationPanel</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Show previous item</source>
        <translation>Vorheriges Element anzeigen</translation>
    </message>
    <message>
        <source>Navigate history</source>
        <translation>Im Verlauf navigieren</translation>
    </message>
    <message>
        <source>Show next item</source>
        <translation>Nächstes Element anzeigen</translation>
    </message>
</context>
<context>
    <name>InspirationMenu</name>
    <message>
        <source>&amp;Inspiration</source>
        <translation>&amp;Inspiration</translation>
    </message>
    <message>
        <source>Europe</source>
        <translation>Europa</translation>
    </message>
    <message>
        <source>Paris Charles De Gaulle - Nice Côte d&apos;Azur</source>
        <translation>Paris Charles De Gaulle - Nizza Côte d&apos;Azur</translation>
    </message>
    <message>
        <source>Paris Charles De Gaulle - Wien Schwechat</source>
        <translation>Paris Charles De Gaulle - Wien Schwechat</translation>
    </message>
    <message>
        <source>Zurich Kloten - Innsbruck Kranebitten</source>
        <translation>Zürich Kloten - Innsbruck Kranebitten</translation>
    </message>
    <message>
        <source>Amsterdam Schiphol - Oslo Gardermoen</source>
        <translation>Amsterdam Schiphol - Oslo Gardermoen</translation>
    </message>
    <message>
        <source>Hamburg Fuhlsbüttel - Muenchen Franz Joseph</source>
        <translation>Hamburg Fuhlsbüttel - München Franz Joseph</translation>
    </message>
    <message>
        <source>Muenchen Franz Joseph - London Heathrow</source>
        <translation>München Franz Joseph - London Heathrow</translation>
    </message>
    <message>
        <source>Torino Caselle - Lyon Saint Exupery</source>
        <translation>Turin Caselle - Lyon Saint-Exupéry</translation>
    </message>
    <message>
        <source>Roma Leonardo Da Vinci - Barcelona El Prat</source>
        <translation>Rom Leonardo Da Vinci - Barcelona El Prat</translation>
    </message>
    <message>
        <source>London Gatwick - Glasgow Prestwick</source>
        <translation>London Gatwick - Glasgow Prestwick</translation>
    </message>
    <message>
        <source>Oslo Gardermoen - Tromso Langnes</source>
        <translation>Oslo Gardermoen - Tromsø Langnes</translation>
    </message>
    <message>
        <source>Istanbul Ataturk - Frankfurt am Main</source>
        <translation>Istanbul Atatürk - Frankfurt am Main</translation>
    </message>
    <message>
        <source>Barcelona El Prat - Madrid Barajas</source>
        <translation>Barcelona El Prat - Madrid Barajas</translation>
    </message>
    <message>
        <source>London Heathrow - Athens Eleftherios Venizelos</source>
        <translation>London Heathrow - Athen Eleftherios Venizelos</translation>
    </message>
    <message>
        <source>Geneva Cointrin - Bern Belp</source>
        <translation>Genf Cointrin - Bern Belp</translation>
    </message>
    <message>
        <source>Innsbruck Kranebitten - Bolzano Dolomiti</source>
        <translation>Innsbruck Kranebitten - Bozen Dolomiti</translation>
    </message>
    <message>
        <source>North America</source>
        <translation>Nordamerika</translation>
    </message>
    <message>
        <source>San Francisco - New York John F. Kennedy</source>
        <translation>San Francisco - New York John F. Kennedy</translation>
    </message>
    <message>
        <source>Los Angeles - Seattle Tacoma</source>
        <translation>Los Angeles - Seattle Tacoma</translation>
    </message>
    <message>
        <source>Las Vegas McCarran - Chicago O&apos;Hare</source>
        <translation>Las Vegas McCarran - Chicago O&apos;Hare</translation>
    </message>
    <message>
        <source>Dallas Fort Worth - Miami</source>
        <translation>Dallas Fort Worth - Miami</translation>
    </message>
    <message>
        <source>Miami - Boston Logan</source>
        <translation>Miami - Boston Logan</translation>
    </message>
    <message>
        <source>Seattle Tacoma Intl - Salt Lake City Intl</source>
        <translation>Seattle Tacoma Intl - Salt Lake City Intl</translation>
    </message>
    <message>
        <source>Toronto Pearson Intl - Vancouver Intl</source>
        <translation>Toronto Pearson Intl - Vancouver Intl</translation>
    </message>
    <message>
        <source>Seattle Boeing Field - Portland Intl</source>
        <translation>Seattle Boeing Field - Portland Intl</translation>
    </message>
    <message>
        <source>Las Vegas North - Grand Canyon National Park</source>
        <translation>Las Vegas Nord - Grand-Canyon-Nationalpark</translation>
    </message>
    <message>
        <source>South America</source>
        <translation>Südamerika</translation>
    </message>
    <message>
        <source>Mexico Licenciado Benito Juarez Intl - Bogota El Dorado Intl</source>
        <translation>Mexiko-Stadt Licenciado Benito Juárez Intl - Bogotá El Dorado Intl</translation>
    </message>
    <message>
        <source>Rio de Janeiro Galeao Intl - Santiago Arturo Benitez Intl</source>
        <translation>Rio de Janeiro Galeão Intl - Santiago Arturo Benítez Intl</translation>
    </message>
    <message>
        <source>Sao Paulo Guarulhos Intl - Buenos Aires Ezeiza Intl</source>
        <translation>São Paulo Guarulhos Intl - Buenos Aires Ezeiza Intl</translation>
    </message>
    <message>
        <source>Lima Jorge Chavez Intl - Cusco Alejandro Velasco Astete</source>
        <translation>Lima Jorge Chávez Intl - Cusco Alejandro Velasco Astete</translation>
    </message>
    <message>
        <source>Rio de Janeiro Santos Dumont - Angra dos Reis</source>
        <translation>Rio de Janeiro Santos Dumont - Angra dos Reis</translation>
    </message>
    <message>
        <source>Asia</source>
        <translation>Asien</translation>
    </message>
    <message>
        <source>Singapore Changi - Tokyo Narita</source>
        <translation>Singapur Changi - Tokio Narita</translation>
    </message>
    <message>
        <source>Hong Kong - Mumbai Chhatrapati</source>
        <translation>Hong Kong - Mumbai Chhatrapati</translation>
    </message>
    <message>
        <source>Taipei Taoyuan Intl - Tokyo Haneda Intl</source>
        <translation>Taipeh Taoyuan Intl - Tokio Haneda Intl</translation>
    </message>
    <message>
        <source>Dubai Intl - Singapore Changi</source>
        <translation>Dubai Intl - Singapur Changi</translation>
    </message>
    <message>
        <source>Tokyo Haneda Intl - Sapporo New Chitose Intl</source>
        <translation>Tokio Haneda Intl - Sapporo New Chitose Intl</translation>
    </message>
    <message>
        <source>Kathmandu Tribhuvan Intl - Lukla Tenzing-Hillary</source>
        <translation>Kathmandu Tribhuvan Intl - Lukla Tenzing-Hillary</translation>
    </message>
    <message>
        <source>Africa</source>
        <translation>Afrika</translation>
    </message>
    <message>
        <source>Cape Town Intl - Dubai Intl</source>
        <translation>Kapstadt Intl - Dubai Intl</translation>
    </message>
    <message>
        <source>Casablanca Mohammed V Intl - Carthage</source>
        <translation>Casablanca Mohammed V Intl - Karthago</translation>
    </message>
    <message>
        <source>Dakar Leopold Sedar Senghor Intl - Rabat Sale Intl</source>
        <translation>Dakar Léopold Sédar Senghor Intl - Rabat-Salé Intl</translation>
    </message>
    <message>
        <source>Johannesburg O. R. Tambo Intl - Nairobi Jomo Kenyatta Intl</source>
        <translation>Johannesburg O. R. Tambo Intl - Nairobi Jomo Kenyatta Intl</translation>
    </message>
    <message>
        <source>Addis Ababa Bole Intl - Dire Dawa Intl</source>
        <translation>Addis Abeba Bole Intl - Dire Dawa Intl</translation>
    </message>
    <message>
        <source>Cape Town Intl - George</source>
        <translation>Kapstadt Intl - George</translation>
    </message>
    <message>
        <source>Oceanic</source>
        <translation>Ozeanisch</translation>
    </message>
    <message>
        <source>Paris Charles De Gaulle - New York John F. Kennedy</source>
        <translation>Paris Charles De Gaulle - New York John F. Kennedy</translation>
    </message>
    <message>
        <source>Los Angeles - Tokyo Haneda</source>
        <translation>Los Angeles - Tokio Haneda</translation>
    </message>
    <message>
        <source>Los Angeles - Honolulu Daniel K Inouye</source>
        <translation>Los Angeles - Honolulu Daniel K Inouye</translation>
    </message>
    <message>
        <source>San Francisco - Honolulu Daniel K Inouye</source>
        <translation>San Francisco - Honolulu Daniel K Inouye</translation>
    </message>
    <message>
        <source>Keflavik - Boston Logan</source>
        <translation>Keflavík - Boston Logan</translation>
    </message>
    <message>
        <source>Sydney Kingsford Smith - Auckland Intl</source>
        <translation>Sydney Kingsford Smith - Auckland Intl</translation>
    </message>
    <message>
        <source>Auckland Intl - Queenstown Intl</source>
        <translation>Auckland Intl - Queenstown Intl</translation>
    </message>
    <message>
        <source>Brisbane Intl - Gold Coast</source>
        <translation>Brisbane Intl - Gold Coast</translation>
    </message>
    <message>
        <source>Christchurch Intl - McMurdo Phoenix Airfield</source>
        <translation>Christchurch Intl - McMurdo Phoenix Airfield</translation>
    </message>
    <message>
        <source>Add random airport</source>
        <translation>Zufälligen Flughafen hinzufügen</translation>
    </message>
    <message>
        <source>Add two random airports</source>
        <translation>Zwei zufällige Flughäfen hinzufügen</translation>
    </message>
</context>
<context>
    <name>MapMenu</name>
    <message>
        <source>&amp;Map</source>
        <translation>&amp;Karte</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Fit zoom to flight plan</source>
        <translation>Zoom an den Flugplan anpassen</translation>
    </message>
    <message>
        <source>Airports</source>
        <translation>Flughäfen</translation>
    </message>
    <message>
        <source>Airport ground</source>
        <translation>Flughafenboden</translation>
    </message>
    <message>
        <source>NDB</source>
        <translation>NDB</translation>
    </message>
    <message>
        <source>VOR</source>
        <translation>VOR</translation>
    </message>
    <message>
        <source>FIX</source>
        <translation>FIX</translation>
    </message>
    <message>
        <source>Segment high</source>
        <translation>Obere Segmente</translation>
    </message>
    <message>
        <source>Segment low</source>
        <translation>Untere Segmente</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Tracks</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>Connect to simulator</source>
        <translation>Mit dem Simulator verbinden</translation>
    </message>
    <message>
        <source>Moving map</source>
        <translation>Mitlaufende Karte</translation>
    </message>
</context>
<context>
    <name>Metar</name>
    <message>
        <source>Few clouds</source>
        <translation>Wenige Wolken</translation>
    </message>
    <message>
        <source>Scattered clouds</source>
        <translation>Aufgelockerte Bewölkung</translation>
    </message>
    <message>
        <source>Broken cloud cover</source>
        <translation>Durchbrochene Bewölkung</translation>
    </message>
    <message>
        <source>Overcast</source>
        <translation>Bedeckt</translation>
    </message>
    <message>
        <source>Vertical visibility</source>
        <translation>Vertikalsicht</translation>
    </message>
    <message>
        <source>drizzle</source>
        <translation>Niesel</translation>
    </message>
    <message>
        <source>rain</source>
        <translation>Regen</translation>
    </message>
    <message>
        <source>snow</source>
        <translation>Schnee</translation>
    </message>
    <message>
        <source>snow grains</source>
        <translation>Schneegriesel</translation>
    </message>
    <message>
        <source>ice crystals</source>
        <translation>Eiskristalle</translation>
    </message>
    <message>
        <source>ice pellets</source>
        <translation>Eiskörner</translation>
    </message>
    <message>
        <source>hail</source>
        <translation>Hagel</translation>
    </message>
    <message>
        <source>small hail or snow pellets</source>
        <translation>Frostgraupel oder Schneegraupel</translation>
    </message>
    <message>
        <source>unknown precipitation</source>
        <translation>unbekannter Niederschlag</translation>
    </message>
    <message>
        <source>mist</source>
        <translation>feuchter Dunst</translation>
    </message>
    <message>
        <source>fog</source>
        <translation>Nebel</translation>
    </message>
    <message>
        <source>smoke</source>
        <translation>Rauch</translation>
    </message>
    <message>
        <source>volcanic ash</source>
        <translation>Vulkanasche</translation>
    </message>
    <message>
        <source>widespread dust</source>
        <translation>verbreiteter Staub</translation>
    </message>
    <message>
        <source>sand</source>
        <translation>Sand</translation>
    </message>
    <message>
        <source>haze</source>
        <translation>trockener Dunst</translation>
    </message>
    <message>
        <source>spray</source>
        <translation>Gischt</translation>
    </message>
    <message>
        <source>dust or sand whirls</source>
        <translation>Staub- oder Sandwirbel</translation>
    </message>
    <message>
        <source>squalls</source>
        <translation>Böen</translation>
    </message>
    <message>
        <source>funnel cloud</source>
        <translation>Trichterwolke</translation>
    </message>
    <message>
        <source>sandstorm</source>
        <translation>Sandsturm</translation>
    </message>
    <message>
        <source>duststorm</source>
        <translation>Staubsturm</translation>
    </message>
    <message>
        <source>light %1</source>
        <translation>%1, leicht</translation>
    </message>
    <message>
        <source>heavy %1</source>
        <translation>%1, stark</translation>
    </message>
    <message>
        <source>kt</source>
        <translation>kt</translation>
    </message>
    <message>
        <source>m/s</source>
        <translation>m/s</translation>
    </message>
    <message>
        <source>km/h</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>Calm</source>
        <translation>Windstille</translation>
    </message>
    <message>
        <source>Variable direction at %1 %2</source>
        <translation>Wechselnde Richtung mit %1 %2</translation>
    </message>
    <message>
        <source>From %1° true at %2 %3</source>
        <translation>Aus %1° rechtweisend mit %2 %3</translation>
    </message>
    <message>
        <source>, gusting to %1 %2</source>
        <translation>, Böen bis %1 %2</translation>
    </message>
    <message>
        <source>%1, height unavailable</source>
        <translation>%1, Höhe nicht verfügbar</translation>
    </message>
    <message>
        <source>%1 at %2 ft above ground</source>
        <translation>%1 in %2 ft über Grund</translation>
    </message>
    <message>
        <source>%1 below 100 ft above ground</source>
        <translation>%1 unter 100 ft über Grund</translation>
    </message>
    <message>
        <source> (cumulonimbus)</source>
        <translation> (Cumulonimbus)</translation>
    </message>
    <message>
        <source> (towering cumulus)</source>
        <translation> (Cumulus congestus)</translation>
    </message>
    <message>
        <source>Clear sky</source>
        <translation>Wolkenlos</translation>
    </message>
    <message>
        <source>No clouds detected below 12000 ft</source>
        <translation>Keine Wolken unter 12000 ft erkannt</translation>
    </message>
    <message>
        <source>No clouds detected</source>
        <translation>Keine Wolken erkannt</translation>
    </message>
    <message>
        <source>No significant clouds</source>
        <translation>Keine signifikante Bewölkung</translation>
    </message>
    <message>
        <source>Varying from %1° to %2° true</source>
        <translation>Wechselnd zwischen %1° und %2° rechtweisend</translation>
    </message>
    <message>
        <source>10 km or more</source>
        <translation>10 km oder mehr</translation>
    </message>
    <message>
        <source>No significant weather</source>
        <translation>Kein signifikantes Wetter</translation>
    </message>
    <message>
        <source>No clouds below 5000 ft or the higher minimum sector altitude; no cumulonimbus or towering cumulus</source>
        <translation>Keine Wolken unter 5000 ft oder der höheren Mindestsektorhöhe; kein Cumulonimbus und kein Cumulus congestus</translation>
    </message>
    <message>
        <source>Less than 50 m</source>
        <translation>Weniger als 50 m</translation>
    </message>
    <message>
        <source>%1 m</source>
        <translation>%1 m</translation>
    </message>
    <message>
        <source>%1 %2 statute miles</source>
        <translation>%1 %2 Meilen (statute)</translation>
    </message>
    <message>
        <source>Less than %1 statute miles</source>
        <translation>Weniger als %1 Meilen (statute)</translation>
    </message>
    <message>
        <source>More than %1 statute miles</source>
        <translation>Mehr als %1 Meilen (statute)</translation>
    </message>
    <message>
        <source>%1 statute miles</source>
        <translation>%1 Meilen (statute)</translation>
    </message>
    <message>
        <source>%1 hPa</source>
        <translation>%1 hPa</translation>
    </message>
    <message>
        <source>%1 inHg</source>
        <translation>%1 inHg</translation>
    </message>
    <message>
        <source>Observed</source>
        <translation>Beobachtet</translation>
    </message>
    <message>
        <source>Day %1 of the month, %2:%3 UTC</source>
        <translation>Tag %1 des Monats, %2:%3 UTC</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>Automated observation</source>
        <translation>Automatische Beobachtung</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Wind</translation>
    </message>
    <message>
        <source>Wind direction</source>
        <translation>Windrichtung</translation>
    </message>
    <message>
        <source>Visibility</source>
        <translation>Sicht</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Wetter</translation>
    </message>
    <message>
        <source>Clouds</source>
        <translation>Wolken</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Dew point</source>
        <translation>Taupunkt</translation>
    </message>
    <message>
        <source>Altimeter (QNH)</source>
        <translation>Höhenmessereinstellung (QNH)</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>thunderstorm with %1</source>
        <translation>Gewitter mit %1</translation>
    </message>
    <message>
        <source>thunderstorm</source>
        <translation>Gewitter</translation>
    </message>
    <message>
        <source>showers</source>
        <translation>Schauer</translation>
    </message>
    <message>
        <source>showers of %1</source>
        <translation>Schauer aus %1</translation>
    </message>
    <message>
        <source>freezing %1</source>
        <translation>gefrierender %1</translation>
    </message>
    <message>
        <source>shallow %1</source>
        <translation>flacher %1</translation>
    </message>
    <message>
        <source>partial %1</source>
        <translation>teilweise %1</translation>
    </message>
    <message>
        <source>patches of %1</source>
        <translation>%1 in Schwaden</translation>
    </message>
    <message>
        <source>low drifting %1</source>
        <translation>fegender %1</translation>
    </message>
    <message>
        <source>blowing %1</source>
        <translation>treibender %1</translation>
    </message>
    <message>
        <source>%1 in the vicinity</source>
        <translation>%1 in der Umgebung</translation>
    </message>
    <message>
        <source>tornado or waterspout</source>
        <translation>Tornado oder Wasserhose</translation>
    </message>
    <message>
        <source>%1 °C</source>
        <translation>%1 °C</translation>
    </message>
    <message>
        <source>more than %1</source>
        <translation>mehr als %1</translation>
    </message>
</context>
<context>
    <name>Navigation</name>
    <message>
        <source>The map cannot keep its tiles on disk: %1</source>
        <translation>Die Karte kann ihre Kacheln nicht auf der Festplatte behalten: %1</translation>
    </message>
    <message>
        <source>Custom point</source>
        <translation>Eigener Punkt</translation>
    </message>
    <message>
        <source>Create COORD point</source>
        <translation>COORD-Punkt erstellen</translation>
    </message>
    <message>
        <source>Add COORD to flight plan</source>
        <translation>COORD zum Flugplan hinzufügen</translation>
    </message>
    <message>
        <source>Map zoom in</source>
        <translation>Karte vergrößern</translation>
    </message>
    <message>
        <source>Map zoom out</source>
        <translation>Karte verkleinern</translation>
    </message>
</context>
<context>
    <name>NetLoader</name>
    <message>
        <source>Downloading database:</source>
        <translation>Datenbank wird heruntergeladen:</translation>
    </message>
    <message>
        <source>Writing database file...</source>
        <translation>Datenbankdatei wird geschrieben...</translation>
    </message>
    <message>
        <source>ERROR: cannot write databasefile</source>
        <translation>FEHLER: Datenbankdatei kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Loading database...</source>
        <translation>Datenbank wird geladen...</translation>
    </message>
    <message>
        <source>ERROR: cannot download database</source>
        <translation>FEHLER: Datenbank kann nicht heruntergeladen werden</translation>
    </message>
    <message>
        <source>Database successfully downloaded!</source>
        <translation>Datenbank erfolgreich heruntergeladen!</translation>
    </message>
    <message>
        <source>ERROR: cannot load database file!</source>
        <translation>FEHLER: Datenbankdatei kann nicht geladen werden!</translation>
    </message>
    <message>
        <source>the server answered %1 %2</source>
        <translation>der Server antwortete %1 %2</translation>
    </message>
    <message>
        <source>the answer is too short for a database file</source>
        <translation>die Antwort ist zu kurz für eine Datenbankdatei</translation>
    </message>
    <message>
        <source>the server redirects in a loop</source>
        <translation>der Server leitet im Kreis weiter</translation>
    </message>
    <message>
        <source>the server closed the connection before the end</source>
        <translation>der Server hat die Verbindung vor dem Ende geschlossen</translation>
    </message>
</context>
<context>
    <name>PlanLimits</name>
    <message>
        <source>The file %1 is too large to be a flight plan.</source>
        <translation>Die Datei %1 ist zu groß für einen Flugplan.</translation>
    </message>
</context>
<context>
    <name>Point</name>
    <message>
        <source>Region %1</source>
        <translation>Region %1</translation>
    </message>
    <message>
        <source>enroute</source>
        <translation>Strecke</translation>
    </message>
    <message>
        <source>attached to %1</source>
        <translation>gehört zu %1</translation>
    </message>
    <message>
        <source>GPS point</source>
        <translation>GPS-Punkt</translation>
    </message>
    <message>
        <source>ARC Center Fix Waypoint</source>
        <translation>Bogenmittelpunkt (ARC)</translation>
    </message>
    <message>
        <source>Combined Named Intersection and RNAV</source>
        <translation>Kombinierter benannter Kreuzungspunkt und RNAV-Punkt</translation>
    </message>
    <message>
        <source>Unnamed Charted Intersection</source>
        <translation>Unbenannter kartierter Kreuzungspunkt</translation>
    </message>
    <message>
        <source>Middle Marker as Waypoint</source>
        <translation>Mittelmarker als Wegpunkt</translation>
    </message>
    <message>
        <source>NDB Navaid as Waypoint</source>
        <translation>NDB-Funkfeuer als Wegpunkt</translation>
    </message>
    <message>
        <source>Outer Marker as Waypoint</source>
        <translation>Voreinflugzeichen als Wegpunkt</translation>
    </message>
    <message>
        <source>Named Intersection</source>
        <translation>Benannter Kreuzungspunkt</translation>
    </message>
    <message>
        <source>RNAV Waypoint</source>
        <translation>RNAV-Wegpunkt</translation>
    </message>
    <message>
        <source>Final Approach Fix</source>
        <translation>Endanflugfix</translation>
    </message>
    <message>
        <source>Initial and Final Approach Fix</source>
        <translation>Anfangs- und Endanflugfix</translation>
    </message>
    <message>
        <source>Final Approach Course Fix</source>
        <translation>Endanflugkursfix</translation>
    </message>
    <message>
        <source>Intermediate Approach Fix</source>
        <translation>Zwischenanflugfix</translation>
    </message>
    <message>
        <source>Off-Route Intersection</source>
        <translation>Kreuzungspunkt abseits der Strecke</translation>
    </message>
    <message>
        <source>Initial Approach Fix</source>
        <translation>Anfangsanflugfix</translation>
    </message>
    <message>
        <source>Final Approach Course Fix at Initial Approach Fix</source>
        <translation>Endanflugkursfix am Anfangsanflugfix</translation>
    </message>
    <message>
        <source>Final Approach Course Fix at Intermediate Approach Fix</source>
        <translation>Endanflugkursfix am Zwischenanflugfix</translation>
    </message>
    <message>
        <source>Missed Approach Fix</source>
        <translation>Fehlanflugfix</translation>
    </message>
    <message>
        <source>Initial Approach Fix and Missed Approach Fix</source>
        <translation>Anfangsanflug- und Fehlanflugfix</translation>
    </message>
    <message>
        <source>Oceanic Entry/Exit Waypoint</source>
        <translation>Ozeanischer Ein-/Ausflugpunkt</translation>
    </message>
    <message>
        <source>Unnamed Stepdown Fix</source>
        <translation>Unbenannter Stufenfix</translation>
    </message>
    <message>
        <source>Named Stepdown Fix</source>
        <translation>Benannter Stufenfix</translation>
    </message>
    <message>
        <source>FIR/UIR or Controlled Airspace Intersection</source>
        <translation>Kreuzungspunkt FIR/UIR oder kontrollierter Luftraum</translation>
    </message>
    <message>
        <source>Latitude/Longitude Intersection Full Degree of Latitude</source>
        <translation>Breiten-/Längenkreuzungspunkt, ganzer Breitengrad</translation>
    </message>
    <message>
        <source>Latitude/Longitude Intersection Half Degree of Latitude</source>
        <translation>Breiten-/Längenkreuzungspunkt, halber Breitengrad</translation>
    </message>
    <message>
        <source>SID</source>
        <translation>SID</translation>
    </message>
    <message>
        <source>STAR</source>
        <translation>STAR</translation>
    </message>
    <message>
        <source>Approach</source>
        <translation>Anflug</translation>
    </message>
    <message>
        <source>Multiple</source>
        <translation>Mehrfach</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>UID</source>
        <translation>UID</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>FIX type</source>
        <translation>Fix-Typ</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>enroute (no terminal)</source>
        <translation>Strecke (kein Terminal)</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Attached %1 procedure</source>
        <translation>Zugehöriges %1-Verfahren</translation>
    </message>
    <message>
        <source>to %1 %2 (%3 %4)</source>
        <translation>nach %1 %2 (%3 %4)</translation>
    </message>
    <message>
        <source>from %1 %2 (%3 %4)</source>
        <translation>von %1 %2 (%3 %4)</translation>
    </message>
    <message>
        <source>Outgoing segments</source>
        <translation>Abgehende Segmente</translation>
    </message>
    <message>
        <source>Incoming segments</source>
        <translation>Ankommende Segmente</translation>
    </message>
    <message>
        <source>Airport</source>
        <translation>Flughafen</translation>
    </message>
</context>
<context>
    <name>PointContextMenu</name>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 information</source>
        <translation>Informationen zu %1</translation>
    </message>
    <message>
        <source>Airport</source>
        <translation>Flughafen</translation>
    </message>
    <message>
        <source>Airport information</source>
        <translation>Informationen zum Flughafen</translation>
    </message>
    <message>
        <source>Select %1</source>
        <translation>%1 auswählen</translation>
    </message>
    <message>
        <source>Fit to zoom</source>
        <translation>Zoom anpassen</translation>
    </message>
    <message>
        <source>More info...</source>
        <translation>Weitere Infos...</translation>
    </message>
    <message>
        <source>METAR</source>
        <translation>METAR</translation>
    </message>
    <message>
        <source>Runways</source>
        <translation>Pisten</translation>
    </message>
    <message>
        <source>ATC</source>
        <translation>ATC</translation>
    </message>
    <message>
        <source>SID/STAR</source>
        <translation>SID/STAR</translation>
    </message>
    <message>
        <source>Flight plan</source>
        <translation>Flugplan</translation>
    </message>
    <message>
        <source>Add %1 to route</source>
        <translation>%1 zur Route hinzufügen</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>%1 entfernen</translation>
    </message>
    <message>
        <source>Start with %1</source>
        <translation>Mit %1 beginnen</translation>
    </message>
    <message>
        <source>End with %1</source>
        <translation>Mit %1 enden</translation>
    </message>
</context>
<context>
    <name>PointPanel</name>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Search (min 2 chars)...</source>
        <translation>Suchen (mind. 2 Zeichen)...</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Suche löschen</translation>
    </message>
    <message>
        <source>APT</source>
        <translation>APT</translation>
    </message>
    <message>
        <source>NDB</source>
        <translation>NDB</translation>
    </message>
    <message>
        <source>VOR/DME</source>
        <translation>VOR/DME</translation>
    </message>
    <message>
        <source>FIX</source>
        <translation>FIX</translation>
    </message>
    <message>
        <source>%1 points filtered</source>
        <translation>%1 Punkte gefiltert</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Please choose path to export flight plans</source>
        <translation>Bitte wählen Sie den Ordner für den Export der Flugpläne</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>X-Plane</source>
        <translation>X-Plane</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Masse</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Default transition altitude</source>
        <translation>Standard-Übergangshöhe</translation>
    </message>
    <message>
        <source> ft</source>
        <translation> ft</translation>
    </message>
    <message>
        <source>User interface</source>
        <translation>Benutzeroberfläche</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>Restart the application to apply the language change.</source>
        <translation>Starten Sie die Anwendung neu, um die Sprachänderung zu übernehmen.</translation>
    </message>
    <message>
        <source>Dark mode</source>
        <translation>Dunkler Modus</translation>
    </message>
    <message>
        <source>Automatic (depends on map theme)</source>
        <translation>Automatisch (abhängig vom Kartendesign)</translation>
    </message>
    <message>
        <source>Always disabled</source>
        <translation>Immer deaktiviert</translation>
    </message>
    <message>
        <source>Always enabled</source>
        <translation>Immer aktiviert</translation>
    </message>
    <message>
        <source>Personal details</source>
        <translation>Persönliche Angaben</translation>
    </message>
    <message>
        <source>These details are used in some file export formats.</source>
        <translation>Diese Angaben werden in einigen Exportformaten verwendet.</translation>
    </message>
    <message>
        <source>Pilot name (PIC)</source>
        <translation>Name des Piloten (PIC)</translation>
    </message>
    <message>
        <source>Company name</source>
        <translation>Name der Fluggesellschaft</translation>
    </message>
    <message>
        <source>Airport detail</source>
        <translation>Flughafendetails</translation>
    </message>
    <message>
        <source>Full detail</source>
        <translation>Alle Details</translation>
    </message>
    <message>
        <source>Limited detail</source>
        <translation>Eingeschränkte Details</translation>
    </message>
    <message>
        <source>(restart required)</source>
        <translation>(Neustart erforderlich)</translation>
    </message>
    <message>
        <source>In &apos;Limited Detail&apos; mode the application does not 
load ground paintings, taxiways signs, nor startup 
locations, in order to reduce startup time.</source>
        <translation>Im Modus „Eingeschränkte Details“ lädt die Anwendung 
weder Bodenmarkierungen noch Rollwegschilder noch 
Startpositionen, um die Startzeit zu verkürzen.</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Navigation database</source>
        <translation>Navigationsdatenbank</translation>
    </message>
    <message>
        <source>To select the navigation database, please go to the dedicated
&apos;Select navigation database&apos; dialog from the &apos;Edit&apos; menu, or open
it with the button below.</source>
        <translation>Um die Navigationsdatenbank auszuwählen, öffnen Sie den Dialog
„Navigationsdatenbank auswählen“ im Menü „Bearbeiten“ oder öffnen
Sie ihn mit der Schaltfläche unten.</translation>
    </message>
    <message>
        <source>Select navigation database</source>
        <translation>Navigationsdatenbank auswählen</translation>
    </message>
    <message>
        <source>Flight plan export</source>
        <translation>Flugplanexport</translation>
    </message>
    <message>
        <source>Add direct (DCT/DRCT) to exported route</source>
        <translation>Direktverbindungen (DCT/DRCT) in die exportierte Route einfügen</translation>
    </message>
    <message>
        <source>Default export format</source>
        <translation>Standard-Exportformat</translation>
    </message>
    <message>
        <source>Export to FMS directory (in &lt;tt&gt;&amp;lt;X-Plane&amp;gt;/Output/FMS plans&lt;/tt&gt;)</source>
        <translation>In den FMS-Ordner exportieren (in &lt;tt&gt;&amp;lt;X-Plane&amp;gt;/Output/FMS plans&lt;/tt&gt;)</translation>
    </message>
    <message>
        <source>Export to custom directory</source>
        <translation>In einen eigenen Ordner exportieren</translation>
    </message>
    <message>
        <source>Directory to export flight plans</source>
        <translation>Ordner für den Export der Flugpläne</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Plane tracking</source>
        <translation>Flugzeugverfolgung</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Host</translation>
    </message>
    <message>
        <source>Host name or IP</source>
        <translation>Hostname oder IP</translation>
    </message>
    <message>
        <source>Leave empty if X-Plane is running
on this machine.</source>
        <translation>Leer lassen, wenn X-Plane auf
diesem Rechner läuft.</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Port to connect</source>
        <translation>Port für die Verbindung</translation>
    </message>
    <message>
        <source>Leave empty if you are running
X-Plane 11 or 12.</source>
        <translation>Leer lassen, wenn Sie
X-Plane 11 oder 12 verwenden.</translation>
    </message>
    <message>
        <source>Software update</source>
        <translation>Softwareaktualisierung</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>Automatisch nach Updates suchen</translation>
    </message>
    <message>
        <source>Check now</source>
        <translation>Jetzt prüfen</translation>
    </message>
    <message>
        <source>Analysis</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>Share anonymous information about usage</source>
        <translation>Anonyme Nutzungsdaten teilen</translation>
    </message>
    <message>
        <source>Help us to improve %1 by sending anonymous
information about your usage of the application.</source>
        <translation>Helfen Sie uns, %1 zu verbessern, indem Sie anonyme
Informationen über Ihre Nutzung der Anwendung senden.</translation>
    </message>
    <message>
        <source>Reset preferences</source>
        <translation>Einstellungen zurücksetzen</translation>
    </message>
    <message>
        <source>Restore preferences to factory defaults, all user settings will
be lost. These operations cannot be reverted!</source>
        <translation>Einstellungen auf Werkseinstellungen zurücksetzen, alle Benutzereinstellungen
gehen verloren. Diese Vorgänge können nicht rückgängig gemacht werden!</translation>
    </message>
    <message>
        <source>Reset airplanes</source>
        <translation>Flugzeuge zurücksetzen</translation>
    </message>
    <message>
        <source>Reset all preferences and quit</source>
        <translation>Alle Einstellungen zurücksetzen und beenden</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>PrintManager</name>
    <message>
        <source>Operational flight plan</source>
        <translation>Operationeller Flugplan</translation>
    </message>
    <message>
        <source>%1 names no page of the flight plan, whose last page is %2.</source>
        <translation>%1 bezeichnet keine Seite des Flugplans, dessen letzte Seite %2 ist.</translation>
    </message>
    <message>
        <source>Invalid Pages Definition</source>
        <translation>Ungültige Seitenangabe</translation>
    </message>
</context>
<context>
    <name>Procedure</name>
    <message>
        <source>Unknown procedure type</source>
        <translation>Unbekannte Verfahrensart</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>UID</source>
        <translation>UID</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Datensätze</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>Ausgänge</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Eingänge</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Anweisungen</translation>
    </message>
    <message>
        <source>Transition %1</source>
        <translation>Übergang %1</translation>
    </message>
    <message>
        <source>Missed approach</source>
        <translation>Fehlanflug</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Missed approach:</source>
        <translation>Fehlanflug:</translation>
    </message>
</context>
<context>
    <name>ProcedureContextMenu</name>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>No procedure</source>
        <translation>Kein Verfahren</translation>
    </message>
    <message>
        <source>Show %1</source>
        <translation>%1 anzeigen</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Insert transition...</source>
        <translation>Übergang einfügen...</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>%1 entfernen</translation>
    </message>
    <message>
        <source>Change procedure</source>
        <translation>Verfahren ändern</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Auswählen...</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Error expecting XML document at line %1!</source>
        <translation>XML-Dokument in Zeile %1 erwartet!</translation>
    </message>
    <message>
        <source>This file has been generated with %1, it can not be opened!</source>
        <translation>Diese Datei wurde mit %1 erzeugt, sie kann nicht geöffnet werden!</translation>
    </message>
    <message>
        <source>This file has been generated with incompatible version %1, it can not be opened!</source>
        <translation>Diese Datei wurde mit der inkompatiblen Version %1 erzeugt, sie kann nicht geöffnet werden!</translation>
    </message>
    <message>
        <source>End of document was expected at line %1</source>
        <translation>Dokumentende in Zeile %1 erwartet</translation>
    </message>
    <message>
        <source>Error expecting &lt;%1&gt; start element at line %2!</source>
        <translation>Startelement &lt;%1&gt; in Zeile %2 erwartet!</translation>
    </message>
    <message>
        <source>Error expecting &lt;/%1&gt; end element at line %2!</source>
        <translation>Endelement &lt;/%1&gt; in Zeile %2 erwartet!</translation>
    </message>
    <message>
        <source>Invalid list count %1 for element &lt;%2&gt; at line %3!</source>
        <translation>Ungültige Listenanzahl %1 für Element &lt;%2&gt; in Zeile %3!</translation>
    </message>
    <message>
        <source>Error at line %2 expecting string got %1!</source>
        <translation>Fehler in Zeile %2: Text erwartet, %1 erhalten!</translation>
    </message>
    <message>
        <source>Error at line %2 expecting integer got %1!</source>
        <translation>Fehler in Zeile %2: Ganzzahl erwartet, %1 erhalten!</translation>
    </message>
    <message>
        <source>Error at line %2 expecting number got %1!</source>
        <translation>Fehler in Zeile %2: Zahl erwartet, %1 erhalten!</translation>
    </message>
    <message>
        <source>Error at line %2 expecting date and time got %1!</source>
        <translation>Fehler in Zeile %2: Datum und Uhrzeit erwartet, %1 erhalten!</translation>
    </message>
    <message>
        <source>Upgrading from %1 version 4.0.0</source>
        <translation>Aktualisierung von %1 Version 4.0.0</translation>
    </message>
    <message>
        <source>In order to run %1 version %2 you must uninstall version 4.0.0 from Windows settings before! Then install (or repair) version %2 again.</source>
        <translation>Um %1 Version %2 zu verwenden, müssen Sie zuerst Version 4.0.0 über die Windows-Einstellungen deinstallieren! Installieren (oder reparieren) Sie anschließend Version %2 erneut.</translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <source>limited to %1kts</source>
        <translation>begrenzt auf %1 kt</translation>
    </message>
    <message>
        <source>left</source>
        <translation>links</translation>
    </message>
    <message>
        <source>right</source>
        <translation>rechts</translation>
    </message>
    <message>
        <source>either</source>
        <translation>beliebig</translation>
    </message>
    <message>
        <source>Unknown record type</source>
        <translation>Unbekannte Datensatzart</translation>
    </message>
    <message>
        <source>at or above %1</source>
        <translation>in oder über %1</translation>
    </message>
    <message>
        <source>at or below %1</source>
        <translation>in oder unter %1</translation>
    </message>
    <message>
        <source>at %1</source>
        <translation>in %1</translation>
    </message>
    <message>
        <source>at or above %1 to at or below %2</source>
        <translation>in oder über %1 bis in oder unter %2</translation>
    </message>
    <message>
        <source>at or above %2</source>
        <translation>in oder über %2</translation>
    </message>
    <message>
        <source>at %1, glide slope FAF altitude at %2</source>
        <translation>in %1, Gleitpfad-FAF-Höhe bei %2</translation>
    </message>
    <message>
        <source>at or above %1, glide slope FAF altitude at %2</source>
        <translation>in oder über %1, Gleitpfad-FAF-Höhe bei %2</translation>
    </message>
    <message>
        <source>at %1, glide slope FACF altitude at %2</source>
        <translation>in %1, Gleitpfad-FACF-Höhe bei %2</translation>
    </message>
    <message>
        <source>at or above %1, glide slope FACF altitude at %2</source>
        <translation>in oder über %1, Gleitpfad-FACF-Höhe bei %2</translation>
    </message>
    <message>
        <source>at or above %1 for stepdown fix in final approach</source>
        <translation>in oder über %1 für den Stufenfix im Endanflug</translation>
    </message>
    <message>
        <source>Unknown record altitude description</source>
        <translation>Unbekannte Höhenbeschreibung des Datensatzes</translation>
    </message>
    <message>
        <source>Initial fix %1</source>
        <translation>Anfangsfix %1</translation>
    </message>
    <message>
        <source>Track to fix %1</source>
        <translation>Kurs über Grund zum Fix %1</translation>
    </message>
    <message>
        <source>Course %1 to fix %2</source>
        <translation>Kurs %1 zum Fix %2</translation>
    </message>
    <message>
        <source>Direct to fix %1</source>
        <translation>Direkt zum Fix %1</translation>
    </message>
    <message>
        <source>Fix %1 course %2 to an altitude</source>
        <translation>Fix %1, Kurs %2 bis zu einer Höhe</translation>
    </message>
    <message>
        <source>Track %1 from fix %2 from to distance %3</source>
        <translation>Kurs %1 vom Fix %2 bis zur Entfernung %3</translation>
    </message>
    <message>
        <source>Track %1 from fix %2 to DME %3 distance %4</source>
        <translation>Kurs %1 vom Fix %2 bis DME %3 Entfernung %4</translation>
    </message>
    <message>
        <source>From fix %1 heading %2 to a manual termination</source>
        <translation>Vom Fix %1 Steuerkurs %2 bis zum manuellen Ende</translation>
    </message>
    <message>
        <source>Course %1 to an altitude</source>
        <translation>Kurs %1 bis zu einer Höhe</translation>
    </message>
    <message>
        <source>Course %1 to DME %2 distance %3</source>
        <translation>Kurs %1 bis DME %2 Entfernung %3</translation>
    </message>
    <message>
        <source>Course %1 to an intercept</source>
        <translation>Kurs %1 bis zum Abfangen</translation>
    </message>
    <message>
        <source>Course %1 to VOR %2 radial %3 termination</source>
        <translation>Kurs %1 bis VOR %2 Radial %3</translation>
    </message>
    <message>
        <source>Constant radius %1 arc center %2 to fix %3</source>
        <translation>Bogen mit konstantem Radius %1 um %2 bis zum Fix %3</translation>
    </message>
    <message>
        <source>Arc radius center %1 to fix %2</source>
        <translation>Bogen um %1 bis zum Fix %2</translation>
    </message>
    <message>
        <source>Heading %1 to an altitude termination</source>
        <translation>Steuerkurs %1 bis zu einer Höhe</translation>
    </message>
    <message>
        <source>Heading %1 to DME %2 distance %3 termination</source>
        <translation>Steuerkurs %1 bis DME %2 Entfernung %3</translation>
    </message>
    <message>
        <source>Heading %1 to an intercept</source>
        <translation>Steuerkurs %1 bis zum Abfangen</translation>
    </message>
    <message>
        <source>Heading %1 to a manual termination</source>
        <translation>Steuerkurs %1 bis zum manuellen Ende</translation>
    </message>
    <message>
        <source>Heading %1 to VOR %2 radial %3 termination</source>
        <translation>Steuerkurs %1 bis VOR %2 Radial %3</translation>
    </message>
    <message>
        <source>045/180 procedure from %1 heading %2 turn %3 %4 (%5 each)</source>
        <translation>Verfahrenskurve 045/180 von %1 Steuerkurs %2 Kurve %3 %4 (je %5)</translation>
    </message>
    <message>
        <source>Racetrack course %1 reversal %2 %3 (%4 each), altitude termination</source>
        <translation>Platzrunde Kurs %1 Umkehr %2 %3 (je %4), Ende bei einer Höhe</translation>
    </message>
    <message>
        <source>Racetrack course %1 reversal %2 %3 (%4 each), single circuit terminating at fix %5</source>
        <translation>Platzrunde Kurs %1 Umkehr %2 %3 (je %4), eine Runde mit Ende am Fix %5</translation>
    </message>
    <message>
        <source>Racetrack course %1 reversal %2 %3 (%4 each), manual termination</source>
        <translation>Platzrunde Kurs %1 Umkehr %2 %3 (je %4), manuelles Ende</translation>
    </message>
    <message>
        <source>Unknown record termination</source>
        <translation>Unbekanntes Datensatzende</translation>
    </message>
    <message>
        <source>IAF</source>
        <translation>IAF</translation>
    </message>
    <message>
        <source>FACF</source>
        <translation>FACF</translation>
    </message>
    <message>
        <source>FAF</source>
        <translation>FAF</translation>
    </message>
    <message>
        <source>fly-over</source>
        <translation>Überflug</translation>
    </message>
    <message>
        <source>stepdown</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>holding</source>
        <translation>Warteschleife</translation>
    </message>
    <message>
        <source>Engine Out SID</source>
        <translation>SID bei Triebwerksausfall</translation>
    </message>
    <message>
        <source>SID Runway Transition</source>
        <translation>SID-Pistenübergang</translation>
    </message>
    <message>
        <source>SID or SID Common Route</source>
        <translation>SID oder gemeinsame SID-Strecke</translation>
    </message>
    <message>
        <source>SID Enroute Transition</source>
        <translation>SID-Streckenübergang</translation>
    </message>
    <message>
        <source>STAR Enroute Transition</source>
        <translation>STAR-Streckenübergang</translation>
    </message>
    <message>
        <source>STAR or STAR Common Route</source>
        <translation>STAR oder gemeinsame STAR-Strecke</translation>
    </message>
    <message>
        <source>STAR Runway Transition</source>
        <translation>STAR-Pistenübergang</translation>
    </message>
    <message>
        <source>Approach Transition</source>
        <translation>Anflugübergang</translation>
    </message>
    <message>
        <source>Localizer/Backcourse Approach</source>
        <translation>Localizer-/Backcourse-Anflug</translation>
    </message>
    <message>
        <source>VORDME Approach</source>
        <translation>VOR/DME-Anflug</translation>
    </message>
    <message>
        <source>Flight Management System (FMS) Approach</source>
        <translation>Flugmanagementsystem-Anflug (FMS)</translation>
    </message>
    <message>
        <source>Instrument Guidance System (IGS) Approach</source>
        <translation>Instrumentenführungssystem-Anflug (IGS)</translation>
    </message>
    <message>
        <source>Instrument Landing System (ILS) Approach</source>
        <translation>Instrumentenlandesystem-Anflug (ILS)</translation>
    </message>
    <message>
        <source>GNSS Landing System (GLS)Approach</source>
        <translation>GNSS-Landesystem-Anflug (GLS)</translation>
    </message>
    <message>
        <source>Localizer Only (LOC) Approach</source>
        <translation>Nur-Localizer-Anflug (LOC)</translation>
    </message>
    <message>
        <source>Microwave Landing System (MLS) Approach</source>
        <translation>Mikrowellenlandesystem-Anflug (MLS)</translation>
    </message>
    <message>
        <source>Non-Directional Beacon (NDB) Approach</source>
        <translation>NDB-Anflug (ungerichtetes Funkfeuer)</translation>
    </message>
    <message>
        <source>Global Positioning System (GPS) Approach</source>
        <translation>GPS-Anflug (Global Positioning System)</translation>
    </message>
    <message>
        <source>Non-Directional Beacon + DME (NDB+DME) Approach</source>
        <translation>NDB/DME-Anflug (ungerichtetes Funkfeuer + DME)</translation>
    </message>
    <message>
        <source>Area Navigation (RNAV) Approach</source>
        <translation>Flächennavigationsanflug (RNAV)</translation>
    </message>
    <message>
        <source>VOR Approach using VORDME/VORTAC</source>
        <translation>VOR-Anflug mit VOR/DME oder VORTAC</translation>
    </message>
    <message>
        <source>TACAN Approach</source>
        <translation>TACAN-Anflug</translation>
    </message>
    <message>
        <source>Simplified Directional Facility (SDF) Approach</source>
        <translation>Anflug mit vereinfachter Richtungsanlage (SDF)</translation>
    </message>
    <message>
        <source>VOR Approach</source>
        <translation>VOR-Anflug</translation>
    </message>
    <message>
        <source>Localizer Directional Aid (LDA) Approach</source>
        <translation>Anflug mit Localizer-Richtungshilfe (LDA)</translation>
    </message>
    <message>
        <source>Missed Approach</source>
        <translation>Fehlanflug</translation>
    </message>
</context>
<context>
    <name>Region</name>
    <message>
        <source>Unknown region</source>
        <translation>Unbekannte Region</translation>
    </message>
</context>
<context>
    <name>ReplyGuard</name>
    <message>
        <source>the answer is too long</source>
        <translation>die Antwort ist zu lang</translation>
    </message>
    <message>
        <source>the service did not answer in time</source>
        <translation>der Dienst hat nicht rechtzeitig geantwortet</translation>
    </message>
    <message>
        <source>the answer was cut short</source>
        <translation>die Antwort wurde abgeschnitten</translation>
    </message>
    <message>
        <source>the server sent the answer compressed</source>
        <translation>der Server hat die Antwort komprimiert gesendet</translation>
    </message>
    <message>
        <source>the answer is damaged</source>
        <translation>die Antwort ist beschädigt</translation>
    </message>
</context>
<context>
    <name>RouteContextMenu</name>
    <message>
        <source>Route</source>
        <translation>Route</translation>
    </message>
    <message>
        <source>Generator</source>
        <translation>Generator</translation>
    </message>
    <message>
        <source>Compute IAS/alt</source>
        <translation>IAS/Höhe berechnen</translation>
    </message>
    <message>
        <source>Clear route</source>
        <translation>Route löschen</translation>
    </message>
    <message>
        <source>Reverse route</source>
        <translation>Route umkehren</translation>
    </message>
    <message>
        <source>Fit to zoom</source>
        <translation>Zoom anpassen</translation>
    </message>
</context>
<context>
    <name>RouteMenu</name>
    <message>
        <source>&amp;Route</source>
        <translation>&amp;Route</translation>
    </message>
    <message>
        <source>Generator</source>
        <translation>Generator</translation>
    </message>
    <message>
        <source>Add point to the route</source>
        <translation>Punkt zur Route hinzufügen</translation>
    </message>
    <message>
        <source>Start with point</source>
        <translation>Mit dem Punkt beginnen</translation>
    </message>
    <message>
        <source>End with point</source>
        <translation>Mit dem Punkt enden</translation>
    </message>
    <message>
        <source>Remove point from route</source>
        <translation>Punkt aus der Route entfernen</translation>
    </message>
    <message>
        <source>Add or remove point</source>
        <translation>Punkt hinzufügen oder entfernen</translation>
    </message>
    <message>
        <source>Compute altitudes and speeds</source>
        <translation>Höhen und Geschwindigkeiten berechnen</translation>
    </message>
    <message>
        <source>Autocompute on waypoint change</source>
        <translation>Bei Änderung der Wegpunkte automatisch berechnen</translation>
    </message>
    <message>
        <source>Information for point</source>
        <translation>Informationen zum Punkt</translation>
    </message>
    <message>
        <source>Information for waypoint</source>
        <translation>Informationen zum Wegpunkt</translation>
    </message>
    <message>
        <source>Edit the current waypoint</source>
        <translation>Aktuellen Wegpunkt bearbeiten</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Umkehren</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Update oceanic tracks...</source>
        <translation>Ozeanische Tracks aktualisieren...</translation>
    </message>
</context>
<context>
    <name>Router</name>
    <message>
        <source>Navigation database changed. Please generate the route again.</source>
        <translation>Die Navigationsdatenbank hat sich geändert. Bitte erzeugen Sie die Route erneut.</translation>
    </message>
    <message>
        <source>Need two valid, different points for departure and arrival</source>
        <translation>Für Abflug und Ankunft werden zwei gültige, verschiedene Punkte benötigt</translation>
    </message>
    <message>
        <source>Routing interrupted</source>
        <translation>Routenberechnung abgebrochen</translation>
    </message>
    <message>
        <source>Routing failed: no thread can be started for the search</source>
        <translation>Routenberechnung fehlgeschlagen: Für die Suche kann kein Thread gestartet werden</translation>
    </message>
    <message>
        <source>Routing failed: there is not enough memory for the search</source>
        <translation>Routenberechnung fehlgeschlagen: Der Speicher reicht für die Suche nicht aus</translation>
    </message>
    <message>
        <source>No path found between departure and arrival</source>
        <translation>Kein Weg zwischen Abflug und Ankunft gefunden</translation>
    </message>
    <message>
        <source>Routing done!</source>
        <translation>Routenberechnung abgeschlossen!</translation>
    </message>
</context>
<context>
    <name>Runway</name>
    <message>
        <source>UID</source>
        <translation>UID</translation>
    </message>
    <message>
        <source>Surface</source>
        <translation>Oberfläche</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Available thresholds</source>
        <translation>Verfügbare Schwellen</translation>
    </message>
    <message>
        <source>heading %1</source>
        <translation>Kurs %1</translation>
    </message>
    <message>
        <source>Instrument Landing System</source>
        <translation>Instrumentenlandesystem</translation>
    </message>
    <message>
        <source>Runway %1</source>
        <translation>Piste %1</translation>
    </message>
    <message>
        <source>Attached to %1</source>
        <translation>Gehört zu %1</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Procedures for %1</source>
        <translation>Verfahren für %1</translation>
    </message>
    <message>
        <source>No %1</source>
        <translation>Keine %1</translation>
    </message>
</context>
<context>
    <name>RunwayContextMenu</name>
    <message>
        <source>Runway %1</source>
        <translation>Piste %1</translation>
    </message>
    <message>
        <source>Show information</source>
        <translation>Informationen anzeigen</translation>
    </message>
    <message>
        <source>Fit to zoom</source>
        <translation>Zoom anpassen</translation>
    </message>
</context>
<context>
    <name>RunwaysContextMenu</name>
    <message>
        <source>Runway...</source>
        <translation>Piste...</translation>
    </message>
</context>
<context>
    <name>SaveFileDialog</name>
    <message>
        <source>%1 already exists.</source>
        <translation>Die Datei %1 existiert bereits.</translation>
    </message>
    <message>
        <source>Do you want to replace it?</source>
        <translation>Soll sie überschrieben werden?</translation>
    </message>
</context>
<context>
    <name>ScaleBar</name>
    <message>
        <source>%1nm</source>
        <translation>%1nm</translation>
    </message>
</context>
<context>
    <name>Segment</name>
    <message>
        <source>LOW (Victor) enroute</source>
        <translation>Strecke UNTEN (Victor)</translation>
    </message>
    <message>
        <source>HIGH (Jet) enroute</source>
        <translation>Strecke OBEN (Jet)</translation>
    </message>
    <message>
        <source>TRACK route</source>
        <translation>TRACK-Route</translation>
    </message>
    <message>
        <source>Procedure route</source>
        <translation>Verfahrensroute</translation>
    </message>
    <message>
        <source>DRCT direct route</source>
        <translation>DRCT-Direktroute</translation>
    </message>
    <message>
        <source>backward</source>
        <translation>rückwärts</translation>
    </message>
    <message>
        <source>no restriction</source>
        <translation>keine Einschränkung</translation>
    </message>
    <message>
        <source>forward</source>
        <translation>vorwärts</translation>
    </message>
    <message>
        <source>Route %1</source>
        <translation>Route %1</translation>
    </message>
    <message>
        <source>Segment from %1 to %2</source>
        <translation>Segment von %1 nach %2</translation>
    </message>
    <message>
        <source>UID</source>
        <translation>UID</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>Flight level</source>
        <translation>Flugfläche</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Entfernung</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Anfang</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
</context>
<context>
    <name>SegmentContextMenu</name>
    <message>
        <source>Segment %1</source>
        <translation>Segment %1</translation>
    </message>
    <message>
        <source>Show information</source>
        <translation>Informationen anzeigen</translation>
    </message>
    <message>
        <source>Fit to zoom</source>
        <translation>Zoom anpassen</translation>
    </message>
    <message>
        <source>First point %1</source>
        <translation>Erster Punkt %1</translation>
    </message>
    <message>
        <source>Select %1</source>
        <translation>%1 auswählen</translation>
    </message>
    <message>
        <source>Add to the route</source>
        <translation>Zur Route hinzufügen</translation>
    </message>
    <message>
        <source>Remove from route</source>
        <translation>Aus der Route entfernen</translation>
    </message>
    <message>
        <source>Second point %1</source>
        <translation>Zweiter Punkt %1</translation>
    </message>
</context>
<context>
    <name>Selection</name>
    <message>
        <source>%1nm</source>
        <translation>%1nm</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The preferences file %1 cannot be read: the program starts with its default preferences.</source>
        <translation>Die Einstellungsdatei %1 kann nicht gelesen werden: Das Programm startet mit den Standardeinstellungen.</translation>
    </message>
    <message>
        <source>The preferences file %1 cannot be read. It is kept as %2, and the program starts with its default preferences.</source>
        <translation>Die Einstellungsdatei %1 kann nicht gelesen werden. Sie wird als %2 aufbewahrt, und das Programm startet mit den Standardeinstellungen.</translation>
    </message>
    <message>
        <source>The preferences file %1 cannot be read.</source>
        <translation>Die Einstellungsdatei %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Line %1 of the preferences file %2 cannot be read: &quot;%3&quot;. Every other preference is kept, and the file as it was is kept as %4.</source>
        <translation>Zeile %1 der Einstellungsdatei %2 ist nicht lesbar: „%3“. Alle anderen Einstellungen bleiben erhalten, und die Datei, wie sie war, wird als %4 aufbewahrt.</translation>
    </message>
    <message>
        <source>Lines %1 of the preferences file %2 cannot be read: %3. Every other preference is kept, and the file as it was is kept as %4.</source>
        <translation>Die Zeilen %1 der Einstellungsdatei %2 sind nicht lesbar: %3. Alle anderen Einstellungen bleiben erhalten, und die Datei, wie sie war, wird als %4 aufbewahrt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <comment>a line of the preferences file, quoted as the language quotes</comment>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>The preferences file %1 has lines that cannot be read, and they cannot be left out: the disk is full. The file is kept as it is, and the program uses the preferences it could read in it.</source>
        <translation>Die Einstellungsdatei %1 enthält Zeilen, die nicht lesbar sind, und sie können nicht entfernt werden: Die Festplatte ist voll. Die Datei bleibt, wie sie ist, und das Programm verwendet die Einstellungen, die es darin lesen konnte.</translation>
    </message>
    <message>
        <source>The preferences file %1 cannot be read. It is kept as %2, and the program does without it.</source>
        <translation>Die Einstellungsdatei %1 kann nicht gelesen werden. Sie wird als %2 aufbewahrt, und das Programm kommt ohne sie aus.</translation>
    </message>
    <message>
        <source>The preferences cannot be written to %1: the disk may be full or the file protected. Preferences changed in this session will be lost when the program ends.</source>
        <translation>Die Einstellungen können nicht in %1 geschrieben werden: Die Festplatte ist vielleicht voll oder die Datei geschützt. In dieser Sitzung geänderte Einstellungen gehen beim Beenden des Programms verloren.</translation>
    </message>
</context>
<context>
    <name>SoftwareUpdate</name>
    <message>
        <source>Cannot reach the update page, no update check done</source>
        <translation>Die Update-Seite ist nicht erreichbar, keine Prüfung durchgeführt</translation>
    </message>
    <message>
        <source>No update check done: %1</source>
        <translation>Keine Update-Prüfung durchgeführt: %1</translation>
    </message>
    <message>
        <source>Software update</source>
        <translation>Softwareaktualisierung</translation>
    </message>
    <message>
        <source>Checking for software updates...</source>
        <translation>Suche nach Softwareaktualisierungen...</translation>
    </message>
    <message>
        <source>New version %1 available (you are running version %2).</source>
        <translation>Neue Version %1 verfügbar (Sie verwenden Version %2).</translation>
    </message>
    <message>
        <source>You are already running the latest version %1.</source>
        <translation>Sie verwenden bereits die neueste Version %1.</translation>
    </message>
    <message>
        <source>Cannot check for new version, error code %1</source>
        <translation>Prüfung auf neue Version nicht möglich, Fehlercode %1</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>SplashDialog</name>
    <message>
        <source>AIRAC %1</source>
        <translation>AIRAC %1</translation>
    </message>
    <message>
        <source>AIRAC %1 is outdated </source>
        <translation>AIRAC %1 ist veraltet </translation>
    </message>
    <message>
        <source>→ get cycle %2 from </source>
        <translation>→ beziehen Sie Zyklus %2 von </translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Loading ...</source>
        <translation>Wird geladen...</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Unknown startup type</source>
        <translation>Unbekannte Art der Abstellposition</translation>
    </message>
    <message>
        <source>Unknown airplanes</source>
        <translation>Unbekannte Flugzeuge</translation>
    </message>
    <message>
        <source>Startup location %1</source>
        <translation>Abstellposition %1</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Airplanes</source>
        <translation>Flugzeuge</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
</context>
<context>
    <name>StatusPanel</name>
    <message>
        <source>AIRAC %1</source>
        <translation>AIRAC %1</translation>
    </message>
    <message>
        <source> | %1</source>
        <translation> | %1</translation>
    </message>
</context>
<context>
    <name>Taxiname</name>
    <message>
        <source>Taxiway</source>
        <translation>Rollweg</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>Wingspan</source>
        <translation>Spannweite</translation>
    </message>
</context>
<context>
    <name>Tracks</name>
    <message>
        <source>Cannot download tracks: %1</source>
        <translation>Tracks können nicht heruntergeladen werden: %1</translation>
    </message>
    <message>
        <source>Cannot read tracks: %1</source>
        <translation>Tracks können nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Cannot read tracks: expected a list of tracks.</source>
        <translation>Tracks können nicht gelesen werden: eine Liste von Tracks wurde erwartet.</translation>
    </message>
    <message>
        <source>Cannot read tracks: the answer is empty.</source>
        <translation>Tracks können nicht gelesen werden: die Antwort ist leer.</translation>
    </message>
    <message>
        <source>Cannot read tracks: the answer holds no track.</source>
        <translation>Tracks können nicht gelesen werden: die Antwort enthält keinen Track.</translation>
    </message>
    <message>
        <source>No track could be laid on the fixes of the database.</source>
        <translation>Kein Track ließ sich auf die Wegpunkte der Datenbank legen.</translation>
    </message>
    <message>
        <source>Left out: %1</source>
        <translation>Ausgelassen: %1</translation>
    </message>
</context>
<context>
    <name>TracksUpdateDialog</name>
    <message>
        <source>Oceanic tracks</source>
        <translation>Ozeanische Tracks</translation>
    </message>
    <message>
        <source>Updating tracks...</source>
        <translation>Tracks werden aktualisiert...</translation>
    </message>
    <message>
        <source>Updated tracks:</source>
        <translation>Aktualisierte Tracks:</translation>
    </message>
    <message>
        <source>Tracks not updated, the tracks in use are kept:</source>
        <translation>Tracks nicht aktualisiert, die bisherigen Tracks bleiben:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>TransitionContextMenu</name>
    <message>
        <source>Transition %1</source>
        <translation>Übergang %1</translation>
    </message>
    <message>
        <source>Insert transition</source>
        <translation>Übergang einfügen</translation>
    </message>
    <message>
        <source>Hide %1</source>
        <translation>%1 ausblenden</translation>
    </message>
    <message>
        <source>Show only %1</source>
        <translation>Nur %1 anzeigen</translation>
    </message>
    <message>
        <source>Procedure %1</source>
        <translation>Verfahren %1</translation>
    </message>
    <message>
        <source>Show all transitions</source>
        <translation>Alle Übergänge anzeigen</translation>
    </message>
    <message>
        <source>Fit to zoom</source>
        <translation>Zoom anpassen</translation>
    </message>
</context>
<context>
    <name>ViewMenu</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Flight plan</source>
        <translation>Flugplan</translation>
    </message>
    <message>
        <source>Side panel</source>
        <translation>Seitenleiste</translation>
    </message>
    <message>
        <source>Previous info item</source>
        <translation>Vorheriges Info-Element</translation>
    </message>
    <message>
        <source>Next info item</source>
        <translation>Nächstes Info-Element</translation>
    </message>
</context>
<context>
    <name>Waypoint</name>
    <message>
        <source>INI</source>
        <translation>INI</translation>
    </message>
    <message>
        <source>Initial climb</source>
        <translation>Anfangssteigflug</translation>
    </message>
    <message>
        <source>CLB</source>
        <translation>CLB</translation>
    </message>
    <message>
        <source>Climb</source>
        <translation>Steigflug</translation>
    </message>
    <message>
        <source>CRU</source>
        <translation>CRU</translation>
    </message>
    <message>
        <source>Cruise</source>
        <translation>Reiseflug</translation>
    </message>
    <message>
        <source>DES</source>
        <translation>DES</translation>
    </message>
    <message>
        <source>Descent</source>
        <translation>Sinkflug</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>APP</translation>
    </message>
    <message>
        <source>Approach</source>
        <translation>Anflug</translation>
    </message>
    <message>
        <source>TOC</source>
        <translation>TOC</translation>
    </message>
    <message>
        <source>Top of climb (TOC)</source>
        <translation>Ende des Steigflugs (TOC)</translation>
    </message>
    <message>
        <source>TOD</source>
        <translation>TOD</translation>
    </message>
    <message>
        <source>Top of descent (TOD)</source>
        <translation>Beginn des Sinkflugs (TOD)</translation>
    </message>
    <message>
        <source>APO</source>
        <translation>APO</translation>
    </message>
    <message>
        <source>Apogee (TOC/TOD)</source>
        <translation>Gipfelpunkt (TOC/TOD)</translation>
    </message>
    <message>
        <source>Waypoint %1</source>
        <translation>Wegpunkt %1</translation>
    </message>
    <message>
        <source>Departure %1</source>
        <translation>Abflug %1</translation>
    </message>
    <message>
        <source>Arrival %1</source>
        <translation>Ankunft %1</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Phase</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>(TAS %2, GS %3)</source>
        <translation>(TAS %2, GS %3)</translation>
    </message>
    <message>
        <source>(V2 %1kts for %2)</source>
        <translation>(V2 %1kts für %2)</translation>
    </message>
    <message>
        <source>(VAT %1kts for %2)</source>
        <translation>(VAT %1kts für %2)</translation>
    </message>
    <message>
        <source>IAS</source>
        <translation>IAS</translation>
    </message>
    <message>
        <source>Total time</source>
        <translation>Gesamtzeit</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Fuel on board</source>
        <translation>Kraftstoff an Bord</translation>
    </message>
    <message>
        <source>%1 %2 (burned %3)</source>
        <translation>%1 %2 (verbraucht %3)</translation>
    </message>
    <message>
        <source>Air temp.</source>
        <translation>Lufttemp.</translation>
    </message>
    <message>
        <source>Air press.</source>
        <translation>Luftdruck</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>More info</source>
        <translation>Weitere Informationen</translation>
    </message>
    <message>
        <source>for %1 %2</source>
        <translation>für %1 %2</translation>
    </message>
    <message>
        <source>Next waypoint</source>
        <translation>Nächster Wegpunkt</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Kennung</translation>
    </message>
    <message>
        <source>Airway</source>
        <translation>Luftstraße</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Kurs</translation>
    </message>
    <message>
        <source>To next</source>
        <translation>Bis zum nächsten</translation>
    </message>
    <message>
        <source>Next in</source>
        <translation>Nächster in</translation>
    </message>
    <message>
        <source>Fly at</source>
        <translation>Fliegen in</translation>
    </message>
    <message>
        <source>Slope</source>
        <translation>Neigung</translation>
    </message>
    <message>
        <source>Vertical speed</source>
        <translation>Vertikalgeschwindigkeit</translation>
    </message>
</context>
<context>
    <name>WaypointContextMenu</name>
    <message>
        <source>Waypoint %1</source>
        <translation>Wegpunkt %1</translation>
    </message>
    <message>
        <source>%1 information</source>
        <translation>Informationen zu %1</translation>
    </message>
    <message>
        <source>Airport information</source>
        <translation>Informationen zum Flughafen</translation>
    </message>
    <message>
        <source>Waypoint info</source>
        <translation>Wegpunktinfo</translation>
    </message>
    <message>
        <source>Edit waypoint...</source>
        <translation>Wegpunkt bearbeiten...</translation>
    </message>
    <message>
        <source>Remove waypoint</source>
        <translation>Wegpunkt entfernen</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Duplicate waypoint</source>
        <translation>Wegpunkt duplizieren</translation>
    </message>
</context>
<context>
    <name>WaypointDelegateModel</name>
    <message>
        <source>No SID</source>
        <translation>Keine SID</translation>
    </message>
    <message>
        <source>No STAR</source>
        <translation>Keine STAR</translation>
    </message>
</context>
<context>
    <name>WaypointEditDialog</name>
    <message>
        <source>Edit waypoint %1</source>
        <translation>Wegpunkt %1 bearbeiten</translation>
    </message>
    <message>
        <source>Altitude and IAS cannot be modified as &apos;auto-compute&apos; is enabled.
You can uncheck this feature in the &apos;Route&apos; menu.</source>
        <translation>Höhe und IAS können nicht geändert werden, da die automatische Berechnung aktiviert ist.
Sie können diese Funktion im Menü „Route“ abschalten.</translation>
    </message>
    <message>
        <source>Edit altitude, IAS or comment for this waypoint. Empty the field 
to clear the value.</source>
        <translation>Bearbeiten Sie Höhe, IAS oder Kommentar dieses Wegpunkts. Leeren Sie das Feld, 
um den Wert zu löschen.</translation>
    </message>
    <message>
        <source>Editable properties</source>
        <translation>Bearbeitbare Eigenschaften</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>FL or ft</source>
        <translation>FL oder ft</translation>
    </message>
    <message>
        <source>Format 1500ft or FL300</source>
        <translation>Format 1500ft oder FL300</translation>
    </message>
    <message>
        <source>IAS</source>
        <translation>IAS</translation>
    </message>
    <message>
        <source>M or kts</source>
        <translation>M oder kt</translation>
    </message>
    <message>
        <source>Format 180kts or M0.78</source>
        <translation>Format 180kts oder M0,78</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>WaypointText</name>
    <message>
        <source>Not an altitude: 1500ft or FL300</source>
        <translation>Keine Höhe: 1500ft oder FL300</translation>
    </message>
    <message>
        <source>Above the ceiling FL%1</source>
        <translation>Über der Dienstgipfelhöhe FL%1</translation>
    </message>
    <message>
        <source>Below %1ft</source>
        <translation>Unter %1ft</translation>
    </message>
    <message>
        <source>Not a speed: 180kts or M0.78</source>
        <translation>Keine Geschwindigkeit: 180kts oder M0,78</translation>
    </message>
    <message>
        <source>Above the top speed M%1</source>
        <translation>Über der Höchstgeschwindigkeit M%1</translation>
    </message>
    <message>
        <source>Below %1kts</source>
        <translation>Unter %1kts</translation>
    </message>
    <message>
        <source>Above the top speed %1kts</source>
        <translation>Über der Höchstgeschwindigkeit %1kts</translation>
    </message>
    <message>
        <source>-1ft means no altitude: empty the field</source>
        <translation>-1ft bedeutet keine Höhe: Feld leeren</translation>
    </message>
</context>
<context>
    <name>Weather</name>
    <message>
        <source>Weather maps need the address of a weather tile service (setting &quot;weather/tileHost&quot;).</source>
        <translation>Wetterkarten benötigen die Adresse eines Wetterkacheldienstes (Einstellung &quot;weather/tileHost&quot;).</translation>
    </message>
    <message>
        <source>Weather maps need the API key of the weather tile service, 32 lower-case hexadecimal characters (setting &quot;weather/apiKey&quot;).</source>
        <translation>Wetterkarten benötigen den API-Schlüssel des Wetterkacheldienstes, 32 hexadezimale Kleinbuchstaben (Einstellung &quot;weather/apiKey&quot;).</translation>
    </message>
</context>
<context>
    <name>WholeReadFile</name>
    <message>
        <source>%1 is a folder, a device or a pipe, not a file.</source>
        <translation>%1 ist ein Ordner, ein Gerät oder eine Pipe, keine Datei.</translation>
    </message>
</context>
<context>
    <name>XpConnect</name>
    <message>
        <source>Connecting to X-Plane at %1</source>
        <translation>Verbindung zu X-Plane auf %1 wird hergestellt</translation>
    </message>
    <message>
        <source>no address</source>
        <translation>keine Adresse</translation>
    </message>
    <message>
        <source>Cannot find the X-Plane host %1: %2</source>
        <translation>Der X-Plane-Host %1 wurde nicht gefunden: %2</translation>
    </message>
    <message>
        <source>X-Plane connection error: %1</source>
        <translation>X-Plane-Verbindungsfehler: %1</translation>
    </message>
    <message>
        <source>Disconnected from X-Plane</source>
        <translation>Von X-Plane getrennt</translation>
    </message>
    <message>
        <source>Connected to X-Plane at %1</source>
        <translation>Mit X-Plane auf %1 verbunden</translation>
    </message>
    <message>
        <source>Connection to X-Plane at %1 lost, trying again</source>
        <translation>Verbindung zu X-Plane auf %1 verloren, neuer Versuch</translation>
    </message>
    <message>
        <source>No answer from X-Plane at %1, trying again</source>
        <translation>Keine Antwort von X-Plane auf %1, neuer Versuch</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Steuerkurs</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>TAS</source>
        <translation>TAS</translation>
    </message>
    <message>
        <source>GS</source>
        <translation>GS</translation>
    </message>
    <message>
        <source>Vertical speed</source>
        <translation>Vertikalgeschwindigkeit</translation>
    </message>
    <message>
        <source>Fuel on board</source>
        <translation>Kraftstoff an Bord</translation>
    </message>
</context>
<context>
    <name>XpLoader</name>
    <message>
        <source>Loading airports:</source>
        <translation>Flughäfen werden geladen:</translation>
    </message>
    <message>
        <source>Loading segments:</source>
        <translation>Segmente werden geladen:</translation>
    </message>
    <message>
        <source>Loading user fix points:</source>
        <translation>Benutzerfixpunkte werden geladen:</translation>
    </message>
    <message>
        <source>Loading fix points:</source>
        <translation>Fixpunkte werden geladen:</translation>
    </message>
    <message>
        <source>Loading nav points:</source>
        <translation>Navigationshilfen werden geladen:</translation>
    </message>
    <message>
        <source>Loading tracks...</source>
        <translation>Tracks werden geladen...</translation>
    </message>
    <message>
        <source>WARNING: incoherent data cycles among FIX/NAV/AWY files!</source>
        <translation>WARNUNG: uneinheitliche Datenzyklen in den FIX/NAV/AWY-Dateien!</translation>
    </message>
    <message>
        <source>ERROR: FAACIFP cannot be loaded as of now!
Please uncheck custom data.</source>
        <translation>FEHLER: FAACIFP kann derzeit nicht geladen werden!
Bitte deaktivieren Sie die eigenen Daten.</translation>
    </message>
    <message>
        <source>ERROR: no valid X-Plane installation 
at given path!</source>
        <translation>FEHLER: keine gültige X-Plane-Installation 
im angegebenen Pfad!</translation>
    </message>
    <message>
        <source>Compressing database...</source>
        <translation>Datenbank wird komprimiert...</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>ERROR: cannot write databasefile</source>
        <translation>FEHLER: Datenbankdatei kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>ERROR: cannot write databasefile: %1</source>
        <translation>FEHLER: Datenbankdatei kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>ERROR: the import needs more memory than there is</source>
        <translation>FEHLER: Der Import braucht mehr Speicher, als vorhanden ist</translation>
    </message>
    <message>
        <source>ERROR: the import failed: %1</source>
        <translation>FEHLER: Der Import ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>ERROR: no thread can be started for the import</source>
        <translation>FEHLER: Für den Import kann kein Thread gestartet werden</translation>
    </message>
</context>
</TS>
