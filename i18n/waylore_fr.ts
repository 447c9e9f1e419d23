<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AirplaneListModel</name>
    <message>
        <source>New airplane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The airplane file %1 does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a folder, not an airplane file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The airplane file %1 cannot be opened: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is too large to be an airplane file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The airplane file %1 is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is not a valid airplane file. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is not a valid airplane file. Unknown fuel type %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is not a valid airplane file. Unknown fuel unit type %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no airplane to export.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file name was given for the airplane.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The airplane file %1 cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Airport</name>
    <message>
        <source>Airport %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Region</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>METAR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading METAR...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Runway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Air Traffic Control (ATC)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No ATCs for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ATC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SID/STAR procedures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No procedures for %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Atc</name>
    <message>
        <source>AWOS, ASOS, ATIS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unicom, CTAF, Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clearance delivery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ground</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tower</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Approach</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Departure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unkown ATC type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1MHz</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>Uncompressing database...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading points...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading procedures...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading segments...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading runways...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading aiport boundaries...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading taxiways...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading ground paintings...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading taxi names...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading startup points...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>Cannot save file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document has no file name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FlightplanXml</name>
    <message>
        <source>Waypoint %1 has no position on earth (%2, %3), it can not be opened!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FmsImport</name>
    <message>
        <source>Cannot open file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong file format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file is not recognized as a flightplan FMS file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file is not at FMS version 3 or FMS1100.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1 of this FMS file is not a valid waypoint: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No navigation database to resolve the waypoints.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Generator</name>
    <message>
        <source>Navigation database changed. Please generate the route again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InfoManager</name>
    <message>
        <source>No METAR available for %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot fetch METAR for %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Metar</name>
    <message>
        <source>Few clouds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scattered clouds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Broken cloud cover</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overcast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical visibility</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>drizzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>snow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>snow grains</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ice crystals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ice pellets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>small hail or snow pellets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown precipitation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>smoke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>volcanic ash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>widespread dust</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>haze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>spray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dust or sand whirls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>squalls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>funnel cloud</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sandstorm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>duststorm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>light %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>heavy %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>m/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>km/h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Variable direction at %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From %1° true at %2 %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, gusting to %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, height unavailable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 at %2 ft above ground</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 below 100 ft above ground</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (cumulonimbus)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (towering cumulus)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear sky</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No clouds detected below 12000 ft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No clouds detected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No significant clouds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Varying from %1° to %2° true</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 km or more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No significant weather</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No clouds below 5000 ft or the higher minimum sector altitude; no cumulonimbus or towering cumulus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Less than 50 m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 statute miles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Less than %1 statute miles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More than %1 statute miles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 statute miles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 hPa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 inHg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Observed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day %1 of the month, %2:%3 UTC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automated observation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wind direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visibility</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weather</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clouds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dew point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Altimeter (QNH)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>thunderstorm with %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>thunderstorm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>showers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>showers of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>freezing %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>shallow %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>partial %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>patches of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>low drifting %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blowing %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 in the vicinity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tornado or waterspout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 °C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>more than %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NetLoader</name>
    <message>
        <source>Downloading database:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing database file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR: cannot write databasefile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading database...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR: cannot download database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database successfully downloaded!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR: cannot load database file!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Point</name>
    <message>
        <source>Region %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>enroute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>attached to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ARC Center Fix Waypoint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Combined Named Intersection and RNAV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unnamed Charted Intersection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle Marker as Waypoint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NDB Navaid as Waypoint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outer Marker as Waypoint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Named Intersection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RNAV Waypoint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Final Approach Fix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Initial and Final Approach Fix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Final Approach Course Fix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intermediate Approach Fix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off-Route Intersection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Initial Approach Fix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Final Approach Course Fix at Initial Approach Fix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Final Approach Course Fix at Intermediate Approach Fix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missed Approach Fix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Initial Approach Fix and Missed Approach Fix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oceanic Entry/Exit Waypoint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unnamed Stepdown Fix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Named Stepdown Fix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FIR/UIR or Controlled Airspace Intersection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude/Longitude Intersection Full Degree of Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude/Longitude Intersection Half Degree of Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STAR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Approach</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Region</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FIX type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>enroute (no terminal)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attached %1 procedure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to %1 %2 (%3 %4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>from %1 %2 (%3 %4)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Procedure</name>
    <message>
        <source>Unknown procedure type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transition %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missed approach</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missed approach:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Error expecting XML document at line %1!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file has been generated with %1, it can not be opened!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file has been generated with incompatible version %1, it can not be opened!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End of document was expected at line %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error expecting &lt;%1&gt; start element at line %2!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error expecting &lt;/%1&gt; end element at line %2!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid list count %1 for element &lt;%2&gt; at line %3!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error at line %2 expecting string got %1!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error at line %2 expecting integer got %1!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error at line %2 expecting number got %1!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error at line %2 expecting date and time got %1!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <source>limited to %1kts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>either</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown record type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at or above %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at or below %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at or above %1 to at or below %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at or above %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at %1, glide slope FAF altitude at %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at or above %1, glide slope FAF altitude at %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at %1, glide slope FACF altitude at %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at or above %1, glide slope FACF altitude at %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at or above %1 for stepdown fix in final approach</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown record altitude description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Initial fix %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track to fix %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Course %1 to fix %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direct to fix %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fix %1 course %2 to an altitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track %1 from fix %2 from to distance %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track %1 from fix %2 to DME %3 distance %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From fix %1 heading %2 to a manual termination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Course %1 to an altitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Course %1 to DME %2 distance %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Course %1 to an intercept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Course %1 to VOR %2 radial %3 termination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Constant radius %1 arc center %2 to fix %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arc radius center %1 to fix %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heading %1 to an altitude termination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heading %1 to DME %2 distance %3 termination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heading %1 to an intercept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heading %1 to a manual termination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heading %1 to VOR %2 radial %3 termination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>045/180 procedure from %1 heading %2 turn %3 %4 (%5 each)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Racetrack course %1 reversal %2 %3 (%4 each), altitude termination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Racetrack course %1 reversal %2 %3 (%4 each), single circuit terminating at fix %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Racetrack course %1 reversal %2 %3 (%4 each), manual termination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown record termination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IAF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FACF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FAF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fly-over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stepdown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holding</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Region</name>
    <message>
        <source>Unknown region</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Router</name>
    <message>
        <source>Navigation database changed. Please generate the route again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Need two valid, different points for departure and arrival</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Routing interrupted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No path found between departure and arrival</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Routing done!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Runway</name>
    <message>
        <source>UID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Surface</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Available thresholds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>heading %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instrument Landing System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Runway %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attached to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Procedures for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Segment</name>
    <message>
        <source>LOW (Victor) enroute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HIGH (Jet) enroute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TRACK route</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Procedure route</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DRCT direct route</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>backward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no restriction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Route %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Segment from %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flight level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Unknown startup type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown airplanes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Startup location %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Airplanes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Taxiname</name>
    <message>
        <source>Taxiway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wingspan</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tracks</name>
    <message>
        <source>Cannot download tracks: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read tracks: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read tracks: expected a list of tracks.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Waypoint</name>
    <message>
        <source>INI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Initial climb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CLB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Climb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CRU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cruise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Descent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Approach</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TOC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top of climb (TOC)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TOD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top of descent (TOD)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apogee (TOC/TOD)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waypoint %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Departure %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrival %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(TAS %2, GS %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(V2 %1kts for %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(VAT %1kts for %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IAS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuel on board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 (burned %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Air temp.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Air press.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>for %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next waypoint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Airway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fly at</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slope</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical speed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>XpLoader</name>
    <message>
        <source>Loading airports:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading segments:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading user fix points:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading fix points:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading nav points:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading tracks...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WARNING: incoherent data cycles among FIX/NAV/AWY files!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR: FAACIFP cannot be loaded as of now!
Please uncheck custom data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR: no valid X-Plane installation 
at given path!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compressing database...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR: cannot write databasefile</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
