<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
        <source>Unkown ATC type</source>
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
        <source>Loading aiport boundaries...</source>
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
    <name>Exporter</name>
    <message>
        <source>X-Plane 11/12 FMS (*.fms)</source>
        <translation>X-Plane 11/12 FMS (*.fms)</translation>
    </message>
    <message>
        <source>X-Plane 11/12 FMS without SID/STAR (*.fms)</source>
        <translation>X-Plane 11/12 FMS ohne SID/STAR (*.fms)</translation>
    </message>
    <message>
        <source>X-Plane 9/10 FMS (*.fms)</source>
        <translation>X-Plane 9/10 FMS (*.fms)</translation>
    </message>
    <message>
        <source>X-FMC (*.fpl)</source>
        <translation>X-FMC (*.fpl)</translation>
    </message>
    <message>
        <source>Aerosoft Airbus (*.flp)</source>
        <translation>Aerosoft Airbus (*.flp)</translation>
    </message>
    <message>
        <source>Aerosoft CRJ (*.flp)</source>
        <translation>Aerosoft CRJ (*.flp)</translation>
    </message>
    <message>
        <source>FlightFactor A320 (*.in)</source>
        <translation>FlightFactor A320 (*.in)</translation>
    </message>
    <message>
        <source>FlightFactor 757 v2 (*.flp)</source>
        <translation>FlightFactor 757 v2 (*.flp)</translation>
    </message>
    <message>
        <source>FlightFactor 767-777 (*.flp)</source>
        <translation>FlightFactor 767-777 (*.flp)</translation>
    </message>
    <message>
        <source>Garmin GTN (*.gfp)</source>
        <translation>Garmin GTN (*.gfp)</translation>
    </message>
    <message>
        <source>Garmin GTN without SID/STAR (*.gfp)</source>
        <translation>Garmin GTN ohne SID/STAR (*.gfp)</translation>
    </message>
    <message>
        <source>IVAO/IVAP (*.fpl)</source>
        <translation>IVAO/IVAP (*.fpl)</translation>
    </message>
    <message>
        <source>IVAO/XIVAP (*.fpl)</source>
        <translation>IVAO/XIVAP (*.fpl)</translation>
    </message>
    <message>
        <source>IXEG 737 (*.fpl)</source>
        <translation>IXEG 737 (*.fpl)</translation>
    </message>
    <message>
        <source>JARDesign Airbus (*.fpl)</source>
        <translation>JARDesign Airbus (*.fpl)</translation>
    </message>
    <message>
        <source>PMDG Flightplan (*.rte)</source>
        <translation>PMDG-Flugplan (*.rte)</translation>
    </message>
    <message>
        <source>Universal FMC (*.ufmc)</source>
        <translation>Universal FMC (*.ufmc)</translation>
    </message>
    <message>
        <source>GPS eXchange Format (*.gpx)</source>
        <translation>GPS-Austauschformat (*.gpx)</translation>
    </message>
    <message>
        <source>Google Earth (*.kml)</source>
        <translation>Google Earth (*.kml)</translation>
    </message>
    <message>
        <source>Operational Flight Plan (*.txt)</source>
        <translation>Operationeller Flugplan (*.txt)</translation>
    </message>
    <message>
        <source>Adobe PDF (*.pdf)</source>
        <translation>Adobe PDF (*.pdf)</translation>
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
</context>
<context>
    <name>Generator</name>
    <message>
        <source>Navigation database changed. Please generate the route again.</source>
        <translation>Die Navigationsdatenbank hat sich geändert. Bitte erzeugen Sie die Route erneut.</translation>
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
        <source>Show waypoint details %1</source>
        <translation>Details zum Wegpunkt %1 anzeigen</translation>
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
</context>
<context>
    <name>PrintManager</name>
    <message>
        <source>Operational flight plan</source>
        <translation>Operationeller Flugplan</translation>
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
</context>
<context>
    <name>Region</name>
    <message>
        <source>Unknown region</source>
        <translation>Unbekannte Region</translation>
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
        <translation>(V2 %1 kt für %2)</translation>
    </message>
    <message>
        <source>(VAT %1kts for %2)</source>
        <translation>(VAT %1 kt für %2)</translation>
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
</context>
</TS>
