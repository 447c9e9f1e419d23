<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AirplaneListModel</name>
    <message>
        <source>New airplane</source>
        <translation>Nouvel avion</translation>
    </message>
    <message>
        <source>The airplane file %1 does not exist.</source>
        <translation>Le fichier d&apos;avion %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>%1 is a folder, not an airplane file.</source>
        <translation>%1 est un dossier, pas un fichier d&apos;avion.</translation>
    </message>
    <message>
        <source>The airplane file %1 cannot be opened: %2</source>
        <translation>Le fichier d&apos;avion %1 ne peut pas être ouvert : %2</translation>
    </message>
    <message>
        <source>The file %1 is too large to be an airplane file.</source>
        <translation>Le fichier %1 est trop volumineux pour être un fichier d&apos;avion.</translation>
    </message>
    <message>
        <source>The airplane file %1 is empty.</source>
        <translation>Le fichier d&apos;avion %1 est vide.</translation>
    </message>
    <message>
        <source>The file %1 is not a valid airplane file. %2</source>
        <translation>Le fichier %1 n&apos;est pas un fichier d&apos;avion valide. %2</translation>
    </message>
    <message>
        <source>The file %1 is not a valid airplane file. Unknown fuel type %2.</source>
        <translation>Le fichier %1 n&apos;est pas un fichier d&apos;avion valide. Type de carburant inconnu %2.</translation>
    </message>
    <message>
        <source>The file %1 is not a valid airplane file. Unknown fuel unit type %2.</source>
        <translation>Le fichier %1 n&apos;est pas un fichier d&apos;avion valide. Type d&apos;unité de carburant inconnu %2.</translation>
    </message>
    <message>
        <source>There is no airplane to export.</source>
        <translation>Il n&apos;y a aucun avion à exporter.</translation>
    </message>
    <message>
        <source>No file name was given for the airplane.</source>
        <translation>Aucun nom de fichier n&apos;a été donné pour l&apos;avion.</translation>
    </message>
    <message>
        <source>The airplane file %1 cannot be written: %2</source>
        <translation>Le fichier d&apos;avion %1 ne peut pas être écrit : %2</translation>
    </message>
</context>
<context>
    <name>Airport</name>
    <message>
        <source>Airport %1</source>
        <translation>Aéroport %1</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Région</translation>
    </message>
    <message>
        <source>UID</source>
        <translation>UID</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Altitude</translation>
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
        <translation>Chargement du METAR...</translation>
    </message>
    <message>
        <source>Runway</source>
        <translation>Piste</translation>
    </message>
    <message>
        <source>Air Traffic Control (ATC)</source>
        <translation>Contrôle de la circulation aérienne (ATC)</translation>
    </message>
    <message>
        <source>No ATCs for %1</source>
        <translation>Aucun ATC pour %1</translation>
    </message>
    <message>
        <source>ATC</source>
        <translation>ATC</translation>
    </message>
    <message>
        <source>SID/STAR procedures</source>
        <translation>Procédures SID/STAR</translation>
    </message>
    <message>
        <source>No procedures for %1</source>
        <translation>Aucune procédure pour %1</translation>
    </message>
    <message>
        <source>Show all sections for %1</source>
        <translation>Afficher toutes les sections de %1</translation>
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
        <translation>Unicom, CTAF, Radio</translation>
    </message>
    <message>
        <source>Clearance delivery</source>
        <translation>Délivrance des clairances</translation>
    </message>
    <message>
        <source>Ground</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Tower</source>
        <translation>Tour</translation>
    </message>
    <message>
        <source>Approach</source>
        <translation>Approche</translation>
    </message>
    <message>
        <source>Departure</source>
        <translation>Départ</translation>
    </message>
    <message>
        <source>Unkown ATC type</source>
        <translation>Type d&apos;ATC inconnu</translation>
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
        <translation>Décompression de la base de données...</translation>
    </message>
    <message>
        <source>Loading points...</source>
        <translation>Chargement des points...</translation>
    </message>
    <message>
        <source>Loading procedures...</source>
        <translation>Chargement des procédures...</translation>
    </message>
    <message>
        <source>Loading segments...</source>
        <translation>Chargement des segments...</translation>
    </message>
    <message>
        <source>Loading runways...</source>
        <translation>Chargement des pistes...</translation>
    </message>
    <message>
        <source>Loading aiport boundaries...</source>
        <translation>Chargement des limites d&apos;aéroport...</translation>
    </message>
    <message>
        <source>Loading taxiways...</source>
        <translation>Chargement des voies de circulation...</translation>
    </message>
    <message>
        <source>Loading ground paintings...</source>
        <translation>Chargement des marquages au sol...</translation>
    </message>
    <message>
        <source>Loading taxi names...</source>
        <translation>Chargement des noms de voies de circulation...</translation>
    </message>
    <message>
        <source>Loading startup points...</source>
        <translation>Chargement des postes de stationnement...</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>Cannot save file</source>
        <translation>Impossible d&apos;enregistrer le fichier</translation>
    </message>
    <message>
        <source>The document has no file name.</source>
        <translation>Le document n&apos;a pas de nom de fichier.</translation>
    </message>
    <message>
        <source>Cannot open file</source>
        <translation>Impossible d&apos;ouvrir le fichier</translation>
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
        <translation>X-Plane 11/12 FMS sans SID/STAR (*.fms)</translation>
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
        <translation>Garmin GTN sans SID/STAR (*.gfp)</translation>
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
        <translation>Plan de vol PMDG (*.rte)</translation>
    </message>
    <message>
        <source>Universal FMC (*.ufmc)</source>
        <translation>Universal FMC (*.ufmc)</translation>
    </message>
    <message>
        <source>GPS eXchange Format (*.gpx)</source>
        <translation>Format d&apos;échange GPS (*.gpx)</translation>
    </message>
    <message>
        <source>Google Earth (*.kml)</source>
        <translation>Google Earth (*.kml)</translation>
    </message>
    <message>
        <source>Operational Flight Plan (*.txt)</source>
        <translation>Plan de vol opérationnel (*.txt)</translation>
    </message>
    <message>
        <source>Adobe PDF (*.pdf)</source>
        <translation>Adobe PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Copy full route to clipboard</source>
        <translation>Copier la route complète dans le presse-papiers</translation>
    </message>
    <message>
        <source>Copy en-route part to clipboard</source>
        <translation>Copier la partie en route dans le presse-papiers</translation>
    </message>
    <message>
        <source>Copy ICAO route to clipboard</source>
        <translation>Copier la route OACI dans le presse-papiers</translation>
    </message>
    <message>
        <source>Copy all waypoints to clipboard</source>
        <translation>Copier tous les points de cheminement dans le presse-papiers</translation>
    </message>
    <message>
        <source>Copy operational briefing to clipboard</source>
        <translation>Copier le briefing opérationnel dans le presse-papiers</translation>
    </message>
    <message>
        <source>IVAO flight plan</source>
        <translation>Plan de vol IVAO</translation>
    </message>
    <message>
        <source>VATSIM flight plan</source>
        <translation>Plan de vol VATSIM</translation>
    </message>
    <message>
        <source>Shared link</source>
        <translation>Lien partagé</translation>
    </message>
    <message>
        <source>The flight plan needs at least a departure and an arrival to be exported.</source>
        <translation>Le plan de vol doit comporter au moins un départ et une arrivée pour être exporté.</translation>
    </message>
    <message>
        <source>A shared link needs the image of the map: share from the File menu, or choose a file format as the default export format in the preferences.</source>
        <translation>Un lien partagé nécessite l&apos;image de la carte : partagez depuis le menu Fichier, ou choisissez un format de fichier comme format d&apos;exportation par défaut dans les préférences.</translation>
    </message>
    <message>
        <source>Export format %1 is not known.</source>
        <translation>Le format d&apos;exportation %1 est inconnu.</translation>
    </message>
    <message>
        <source>A shared link needs the image of the map: share from the File menu.</source>
        <translation>Un lien partagé nécessite l&apos;image de la carte : partagez depuis le menu Fichier.</translation>
    </message>
    <message>
        <source>No export folder is set: choose the simulator folder, or a folder of your own in the export preferences.</source>
        <translation>Aucun dossier d&apos;exportation n&apos;est défini : choisissez le dossier du simulateur, ou un dossier de votre choix dans les préférences d&apos;exportation.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Le dossier %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>A PDF can only be made by the program with its windows.</source>
        <translation>Un PDF ne peut être créé que par le programme avec ses fenêtres.</translation>
    </message>
    <message>
        <source>The file %1 could not be made from the flight plan.</source>
        <translation>Le fichier %1 n&apos;a pas pu être créé à partir du plan de vol.</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1: %2</source>
        <translation>Impossible d&apos;écrire dans le dossier %1 : %2</translation>
    </message>
    <message>
        <source>Cannot write the file %1 (is the disk full?): %2</source>
        <translation>Impossible d&apos;écrire le fichier %1 (le disque est-il plein ?) : %2</translation>
    </message>
    <message>
        <source>Clipboard text %1 is not known.</source>
        <translation>Le texte de presse-papiers %1 est inconnu.</translation>
    </message>
    <message>
        <source>There is no clipboard to copy to.</source>
        <translation>Aucun presse-papiers n&apos;est disponible pour la copie.</translation>
    </message>
    <message>
        <source>The text could not be made from the flight plan.</source>
        <translation>Le texte n&apos;a pas pu être créé à partir du plan de vol.</translation>
    </message>
    <message>
        <source>clipboard</source>
        <translation>presse-papiers</translation>
    </message>
    <message>
        <source>The address of the filing page is not valid: %1</source>
        <translation>L&apos;adresse de la page de dépôt du plan de vol n&apos;est pas valide : %1</translation>
    </message>
    <message>
        <source>No web browser could open %1</source>
        <translation>Aucun navigateur web n&apos;a pu ouvrir %1</translation>
    </message>
    <message>
        <source>A shared link is being made already.</source>
        <translation>Un lien partagé est déjà en cours de création.</translation>
    </message>
    <message>
        <source>The map image %1 cannot be read: %2</source>
        <translation>L&apos;image de la carte %1 ne peut pas être lue : %2</translation>
    </message>
    <message>
        <source>The address of the share service is not valid: %1</source>
        <translation>L&apos;adresse du service de partage n&apos;est pas valide : %1</translation>
    </message>
    <message>
        <source>The share service did not answer in time. Please try again later.</source>
        <translation>Le service de partage n&apos;a pas répondu à temps. Veuillez réessayer plus tard.</translation>
    </message>
    <message>
        <source>The share service cannot be reached: %1</source>
        <translation>Le service de partage est injoignable : %1</translation>
    </message>
    <message>
        <source>The share service answered with an error (%1). Please try again later.</source>
        <translation>Le service de partage a répondu par une erreur (%1). Veuillez réessayer plus tard.</translation>
    </message>
    <message>
        <source>The share service gave no link.</source>
        <translation>Le service de partage n&apos;a fourni aucun lien.</translation>
    </message>
</context>
<context>
    <name>FlightplanXml</name>
    <message>
        <source>Waypoint %1 has no position on earth (%2, %3), it can not be opened!</source>
        <translation>Le point %1 n&apos;a pas de position sur la Terre (%2, %3), il ne peut pas être ouvert !</translation>
    </message>
</context>
<context>
    <name>FmsImport</name>
    <message>
        <source>Cannot open file</source>
        <translation>Impossible d&apos;ouvrir le fichier</translation>
    </message>
    <message>
        <source>Wrong file format</source>
        <translation>Format de fichier incorrect</translation>
    </message>
    <message>
        <source>This file is not recognized as a flightplan FMS file.</source>
        <translation>Ce fichier n&apos;est pas reconnu comme un plan de vol FMS.</translation>
    </message>
    <message>
        <source>This file is not at FMS version 3 or FMS1100.</source>
        <translation>Ce fichier n&apos;est pas au format FMS version 3 ou FMS1100.</translation>
    </message>
    <message>
        <source>No navigation database to resolve the waypoints.</source>
        <translation>Aucune base de données de navigation pour retrouver les points.</translation>
    </message>
</context>
<context>
    <name>Generator</name>
    <message>
        <source>Navigation database changed. Please generate the route again.</source>
        <translation>La base de données de navigation a changé. Veuillez générer la route de nouveau.</translation>
    </message>
</context>
<context>
    <name>InfoManager</name>
    <message>
        <source>No METAR available for %1.</source>
        <translation>Aucun METAR disponible pour %1.</translation>
    </message>
    <message>
        <source>Cannot fetch METAR for %1: %2</source>
        <translation>Impossible d&apos;obtenir le METAR de %1 : %2</translation>
    </message>
    <message>
        <source>Show waypoint details %1</source>
        <translation>Afficher les détails du point %1</translation>
    </message>
</context>
<context>
    <name>Metar</name>
    <message>
        <source>Few clouds</source>
        <translation>Quelques nuages</translation>
    </message>
    <message>
        <source>Scattered clouds</source>
        <translation>Nuages épars</translation>
    </message>
    <message>
        <source>Broken cloud cover</source>
        <translation>Ciel fragmenté</translation>
    </message>
    <message>
        <source>Overcast</source>
        <translation>Ciel couvert</translation>
    </message>
    <message>
        <source>Vertical visibility</source>
        <translation>Visibilité verticale</translation>
    </message>
    <message>
        <source>drizzle</source>
        <translation>bruine</translation>
    </message>
    <message>
        <source>rain</source>
        <translation>pluie</translation>
    </message>
    <message>
        <source>snow</source>
        <translation>neige</translation>
    </message>
    <message>
        <source>snow grains</source>
        <translation>neige en grains</translation>
    </message>
    <message>
        <source>ice crystals</source>
        <translation>cristaux de glace</translation>
    </message>
    <message>
        <source>ice pellets</source>
        <translation>granules de glace</translation>
    </message>
    <message>
        <source>hail</source>
        <translation>grêle</translation>
    </message>
    <message>
        <source>small hail or snow pellets</source>
        <translation>grésil ou neige roulée</translation>
    </message>
    <message>
        <source>unknown precipitation</source>
        <translation>précipitations inconnues</translation>
    </message>
    <message>
        <source>mist</source>
        <translation>brume</translation>
    </message>
    <message>
        <source>fog</source>
        <translation>brouillard</translation>
    </message>
    <message>
        <source>smoke</source>
        <translation>fumée</translation>
    </message>
    <message>
        <source>volcanic ash</source>
        <translation>cendres volcaniques</translation>
    </message>
    <message>
        <source>widespread dust</source>
        <translation>poussière généralisée</translation>
    </message>
    <message>
        <source>sand</source>
        <translation>sable</translation>
    </message>
    <message>
        <source>haze</source>
        <translation>brume sèche</translation>
    </message>
    <message>
        <source>spray</source>
        <translation>embruns</translation>
    </message>
    <message>
        <source>dust or sand whirls</source>
        <translation>tourbillons de poussière ou de sable</translation>
    </message>
    <message>
        <source>squalls</source>
        <translation>grains</translation>
    </message>
    <message>
        <source>funnel cloud</source>
        <translation>nuage en entonnoir</translation>
    </message>
    <message>
        <source>sandstorm</source>
        <translation>tempête de sable</translation>
    </message>
    <message>
        <source>duststorm</source>
        <translation>tempête de poussière</translation>
    </message>
    <message>
        <source>light %1</source>
        <translation>%1 de faible intensité</translation>
    </message>
    <message>
        <source>heavy %1</source>
        <translation>%1 de forte intensité</translation>
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
        <translation>Calme</translation>
    </message>
    <message>
        <source>Variable direction at %1 %2</source>
        <translation>Direction variable, %1 %2</translation>
    </message>
    <message>
        <source>From %1° true at %2 %3</source>
        <translation>Du %1° vrai à %2 %3</translation>
    </message>
    <message>
        <source>, gusting to %1 %2</source>
        <translation>, rafales à %1 %2</translation>
    </message>
    <message>
        <source>%1, height unavailable</source>
        <translation>%1, hauteur inconnue</translation>
    </message>
    <message>
        <source>%1 at %2 ft above ground</source>
        <translation>%1 à %2 ft au-dessus du sol</translation>
    </message>
    <message>
        <source>%1 below 100 ft above ground</source>
        <translation>%1 sous 100 ft au-dessus du sol</translation>
    </message>
    <message>
        <source> (cumulonimbus)</source>
        <translation> (cumulonimbus)</translation>
    </message>
    <message>
        <source> (towering cumulus)</source>
        <translation> (cumulus bourgeonnant)</translation>
    </message>
    <message>
        <source>Clear sky</source>
        <translation>Ciel clair</translation>
    </message>
    <message>
        <source>No clouds detected below 12000 ft</source>
        <translation>Aucun nuage détecté sous 12000 ft</translation>
    </message>
    <message>
        <source>No clouds detected</source>
        <translation>Aucun nuage détecté</translation>
    </message>
    <message>
        <source>No significant clouds</source>
        <translation>Pas de nuages significatifs</translation>
    </message>
    <message>
        <source>Varying from %1° to %2° true</source>
        <translation>Variant de %1° à %2° vrai</translation>
    </message>
    <message>
        <source>10 km or more</source>
        <translation>10 km ou plus</translation>
    </message>
    <message>
        <source>No significant weather</source>
        <translation>Pas de temps significatif</translation>
    </message>
    <message>
        <source>No clouds below 5000 ft or the higher minimum sector altitude; no cumulonimbus or towering cumulus</source>
        <translation>Pas de nuages sous 5000 ft ou sous l&apos;altitude minimale de secteur la plus élevée ; pas de cumulonimbus ni de cumulus bourgeonnant</translation>
    </message>
    <message>
        <source>Less than 50 m</source>
        <translation>Moins de 50 m</translation>
    </message>
    <message>
        <source>%1 m</source>
        <translation>%1 m</translation>
    </message>
    <message>
        <source>%1 %2 statute miles</source>
        <translation>%1 %2 milles terrestres</translation>
    </message>
    <message>
        <source>Less than %1 statute miles</source>
        <translation>Moins de %1 milles terrestres</translation>
    </message>
    <message>
        <source>More than %1 statute miles</source>
        <translation>Plus de %1 milles terrestres</translation>
    </message>
    <message>
        <source>%1 statute miles</source>
        <translation>%1 milles terrestres</translation>
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
        <translation>Observé</translation>
    </message>
    <message>
        <source>Day %1 of the month, %2:%3 UTC</source>
        <translation>Jour %1 du mois, %2:%3 UTC</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Automated observation</source>
        <translation>Observation automatique</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Vent</translation>
    </message>
    <message>
        <source>Wind direction</source>
        <translation>Direction du vent</translation>
    </message>
    <message>
        <source>Visibility</source>
        <translation>Visibilité</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Temps présent</translation>
    </message>
    <message>
        <source>Clouds</source>
        <translation>Nuages</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>Dew point</source>
        <translation>Point de rosée</translation>
    </message>
    <message>
        <source>Altimeter (QNH)</source>
        <translation>Calage altimétrique (QNH)</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>thunderstorm with %1</source>
        <translation>orage avec %1</translation>
    </message>
    <message>
        <source>thunderstorm</source>
        <translation>orage</translation>
    </message>
    <message>
        <source>showers</source>
        <translation>averses</translation>
    </message>
    <message>
        <source>showers of %1</source>
        <translation>averses de %1</translation>
    </message>
    <message>
        <source>freezing %1</source>
        <translation>%1 se congelant</translation>
    </message>
    <message>
        <source>shallow %1</source>
        <translation>%1 mince</translation>
    </message>
    <message>
        <source>partial %1</source>
        <translation>%1 partiel</translation>
    </message>
    <message>
        <source>patches of %1</source>
        <translation>bancs de %1</translation>
    </message>
    <message>
        <source>low drifting %1</source>
        <translation>chasse-%1 bas</translation>
    </message>
    <message>
        <source>blowing %1</source>
        <translation>chasse-%1 élevé</translation>
    </message>
    <message>
        <source>%1 in the vicinity</source>
        <translation>%1 au voisinage</translation>
    </message>
    <message>
        <source>tornado or waterspout</source>
        <translation>tornade ou trombe marine</translation>
    </message>
    <message>
        <source>%1 °C</source>
        <translation>%1 °C</translation>
    </message>
    <message>
        <source>more than %1</source>
        <translation>plus de %1</translation>
    </message>
</context>
<context>
    <name>NetLoader</name>
    <message>
        <source>Downloading database:</source>
        <translation>Téléchargement de la base de données :</translation>
    </message>
    <message>
        <source>Writing database file...</source>
        <translation>Écriture du fichier de base de données...</translation>
    </message>
    <message>
        <source>ERROR: cannot write databasefile</source>
        <translation>ERREUR : impossible d&apos;écrire le fichier de base de données</translation>
    </message>
    <message>
        <source>Loading database...</source>
        <translation>Chargement de la base de données...</translation>
    </message>
    <message>
        <source>ERROR: cannot download database</source>
        <translation>ERREUR : impossible de télécharger la base de données</translation>
    </message>
    <message>
        <source>Database successfully downloaded!</source>
        <translation>Base de données téléchargée avec succès !</translation>
    </message>
    <message>
        <source>ERROR: cannot load database file!</source>
        <translation>ERREUR : impossible de charger le fichier de base de données !</translation>
    </message>
</context>
<context>
    <name>Point</name>
    <message>
        <source>Region %1</source>
        <translation>Région %1</translation>
    </message>
    <message>
        <source>enroute</source>
        <translation>en route</translation>
    </message>
    <message>
        <source>attached to %1</source>
        <translation>rattaché à %1</translation>
    </message>
    <message>
        <source>ARC Center Fix Waypoint</source>
        <translation>Point de centre d&apos;arc (ARC)</translation>
    </message>
    <message>
        <source>Combined Named Intersection and RNAV</source>
        <translation>Intersection nommée et point RNAV combinés</translation>
    </message>
    <message>
        <source>Unnamed Charted Intersection</source>
        <translation>Intersection cartographiée sans nom</translation>
    </message>
    <message>
        <source>Middle Marker as Waypoint</source>
        <translation>Radioborne intermédiaire comme point</translation>
    </message>
    <message>
        <source>NDB Navaid as Waypoint</source>
        <translation>Balise NDB comme point</translation>
    </message>
    <message>
        <source>Outer Marker as Waypoint</source>
        <translation>Radioborne extérieure comme point</translation>
    </message>
    <message>
        <source>Named Intersection</source>
        <translation>Intersection nommée</translation>
    </message>
    <message>
        <source>RNAV Waypoint</source>
        <translation>Point RNAV</translation>
    </message>
    <message>
        <source>Final Approach Fix</source>
        <translation>Repère d&apos;approche finale</translation>
    </message>
    <message>
        <source>Initial and Final Approach Fix</source>
        <translation>Repère d&apos;approche initiale et finale</translation>
    </message>
    <message>
        <source>Final Approach Course Fix</source>
        <translation>Repère d&apos;axe d&apos;approche finale</translation>
    </message>
    <message>
        <source>Intermediate Approach Fix</source>
        <translation>Repère d&apos;approche intermédiaire</translation>
    </message>
    <message>
        <source>Off-Route Intersection</source>
        <translation>Intersection hors route</translation>
    </message>
    <message>
        <source>Initial Approach Fix</source>
        <translation>Repère d&apos;approche initiale</translation>
    </message>
    <message>
        <source>Final Approach Course Fix at Initial Approach Fix</source>
        <translation>Repère d&apos;axe d&apos;approche finale au repère d&apos;approche initiale</translation>
    </message>
    <message>
        <source>Final Approach Course Fix at Intermediate Approach Fix</source>
        <translation>Repère d&apos;axe d&apos;approche finale au repère d&apos;approche intermédiaire</translation>
    </message>
    <message>
        <source>Missed Approach Fix</source>
        <translation>Repère d&apos;approche interrompue</translation>
    </message>
    <message>
        <source>Initial Approach Fix and Missed Approach Fix</source>
        <translation>Repère d&apos;approche initiale et d&apos;approche interrompue</translation>
    </message>
    <message>
        <source>Oceanic Entry/Exit Waypoint</source>
        <translation>Point d&apos;entrée/sortie océanique</translation>
    </message>
    <message>
        <source>Unnamed Stepdown Fix</source>
        <translation>Repère de palier sans nom</translation>
    </message>
    <message>
        <source>Named Stepdown Fix</source>
        <translation>Repère de palier nommé</translation>
    </message>
    <message>
        <source>FIR/UIR or Controlled Airspace Intersection</source>
        <translation>Intersection FIR/UIR ou d&apos;espace aérien contrôlé</translation>
    </message>
    <message>
        <source>Latitude/Longitude Intersection Full Degree of Latitude</source>
        <translation>Intersection latitude/longitude, degré entier de latitude</translation>
    </message>
    <message>
        <source>Latitude/Longitude Intersection Half Degree of Latitude</source>
        <translation>Intersection latitude/longitude, demi-degré de latitude</translation>
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
        <translation>Approche</translation>
    </message>
    <message>
        <source>Multiple</source>
        <translation>Multiple</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Région</translation>
    </message>
    <message>
        <source>UID</source>
        <translation>UID</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>FIX type</source>
        <translation>Type de point</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>enroute (no terminal)</source>
        <translation>en route (sans terminal)</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Altitude</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Attached %1 procedure</source>
        <translation>Procédure %1 rattachée</translation>
    </message>
    <message>
        <source>to %1 %2 (%3 %4)</source>
        <translation>vers %1 %2 (%3 %4)</translation>
    </message>
    <message>
        <source>from %1 %2 (%3 %4)</source>
        <translation>depuis %1 %2 (%3 %4)</translation>
    </message>
    <message>
        <source>Outgoing segments</source>
        <translation>Segments sortants</translation>
    </message>
    <message>
        <source>Incoming segments</source>
        <translation>Segments entrants</translation>
    </message>
</context>
<context>
    <name>PrintManager</name>
    <message>
        <source>Operational flight plan</source>
        <translation>Plan de vol opérationnel</translation>
    </message>
</context>
<context>
    <name>Procedure</name>
    <message>
        <source>Unknown procedure type</source>
        <translation>Type de procédure inconnu</translation>
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
        <translation>Type</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Enregistrements</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>Sorties</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Entrées</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instructions</translation>
    </message>
    <message>
        <source>Transition %1</source>
        <translation>Transition %1</translation>
    </message>
    <message>
        <source>Missed approach</source>
        <translation>Approche interrompue</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Missed approach:</source>
        <translation>Approche interrompue :</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Error expecting XML document at line %1!</source>
        <translation>Document XML attendu à la ligne %1 !</translation>
    </message>
    <message>
        <source>This file has been generated with %1, it can not be opened!</source>
        <translation>Ce fichier a été créé avec %1, il ne peut pas être ouvert !</translation>
    </message>
    <message>
        <source>This file has been generated with incompatible version %1, it can not be opened!</source>
        <translation>Ce fichier a été créé avec la version incompatible %1, il ne peut pas être ouvert !</translation>
    </message>
    <message>
        <source>End of document was expected at line %1</source>
        <translation>Fin du document attendue à la ligne %1</translation>
    </message>
    <message>
        <source>Error expecting &lt;%1&gt; start element at line %2!</source>
        <translation>Élément de début &lt;%1&gt; attendu à la ligne %2 !</translation>
    </message>
    <message>
        <source>Error expecting &lt;/%1&gt; end element at line %2!</source>
        <translation>Élément de fin &lt;/%1&gt; attendu à la ligne %2 !</translation>
    </message>
    <message>
        <source>Invalid list count %1 for element &lt;%2&gt; at line %3!</source>
        <translation>Nombre d&apos;éléments %1 invalide pour l&apos;élément &lt;%2&gt; à la ligne %3 !</translation>
    </message>
    <message>
        <source>Error at line %2 expecting string got %1!</source>
        <translation>Erreur à la ligne %2 : texte attendu, %1 trouvé !</translation>
    </message>
    <message>
        <source>Error at line %2 expecting integer got %1!</source>
        <translation>Erreur à la ligne %2 : entier attendu, %1 trouvé !</translation>
    </message>
    <message>
        <source>Error at line %2 expecting number got %1!</source>
        <translation>Erreur à la ligne %2 : nombre attendu, %1 trouvé !</translation>
    </message>
    <message>
        <source>Error at line %2 expecting date and time got %1!</source>
        <translation>Erreur à la ligne %2 : date et heure attendues, %1 trouvé !</translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <source>limited to %1kts</source>
        <translation>limité à %1 kt</translation>
    </message>
    <message>
        <source>left</source>
        <translation>gauche</translation>
    </message>
    <message>
        <source>right</source>
        <translation>droite</translation>
    </message>
    <message>
        <source>either</source>
        <translation>indifférent</translation>
    </message>
    <message>
        <source>Unknown record type</source>
        <translation>Type d&apos;enregistrement inconnu</translation>
    </message>
    <message>
        <source>at or above %1</source>
        <translation>à ou au-dessus de %1</translation>
    </message>
    <message>
        <source>at or below %1</source>
        <translation>à ou au-dessous de %1</translation>
    </message>
    <message>
        <source>at %1</source>
        <translation>à %1</translation>
    </message>
    <message>
        <source>at or above %1 to at or below %2</source>
        <translation>à ou au-dessus de %1 et à ou au-dessous de %2</translation>
    </message>
    <message>
        <source>at or above %2</source>
        <translation>à ou au-dessus de %2</translation>
    </message>
    <message>
        <source>at %1, glide slope FAF altitude at %2</source>
        <translation>à %1, altitude FAF de l&apos;alignement de descente à %2</translation>
    </message>
    <message>
        <source>at or above %1, glide slope FAF altitude at %2</source>
        <translation>à ou au-dessus de %1, altitude FAF de l&apos;alignement de descente à %2</translation>
    </message>
    <message>
        <source>at %1, glide slope FACF altitude at %2</source>
        <translation>à %1, altitude FACF de l&apos;alignement de descente à %2</translation>
    </message>
    <message>
        <source>at or above %1, glide slope FACF altitude at %2</source>
        <translation>à ou au-dessus de %1, altitude FACF de l&apos;alignement de descente à %2</translation>
    </message>
    <message>
        <source>at or above %1 for stepdown fix in final approach</source>
        <translation>à ou au-dessus de %1 pour le repère de palier en approche finale</translation>
    </message>
    <message>
        <source>Unknown record altitude description</source>
        <translation>Description d&apos;altitude d&apos;enregistrement inconnue</translation>
    </message>
    <message>
        <source>Initial fix %1</source>
        <translation>Repère initial %1</translation>
    </message>
    <message>
        <source>Track to fix %1</source>
        <translation>Trajectoire vers le repère %1</translation>
    </message>
    <message>
        <source>Course %1 to fix %2</source>
        <translation>Route %1 vers le repère %2</translation>
    </message>
    <message>
        <source>Direct to fix %1</source>
        <translation>Direct vers le repère %1</translation>
    </message>
    <message>
        <source>Fix %1 course %2 to an altitude</source>
        <translation>Repère %1, route %2 jusqu&apos;à une altitude</translation>
    </message>
    <message>
        <source>Track %1 from fix %2 from to distance %3</source>
        <translation>Trajectoire %1 depuis le repère %2 jusqu&apos;à la distance %3</translation>
    </message>
    <message>
        <source>Track %1 from fix %2 to DME %3 distance %4</source>
        <translation>Trajectoire %1 depuis le repère %2 jusqu&apos;au DME %3 distance %4</translation>
    </message>
    <message>
        <source>From fix %1 heading %2 to a manual termination</source>
        <translation>Depuis le repère %1, cap %2 jusqu&apos;à une fin manuelle</translation>
    </message>
    <message>
        <source>Course %1 to an altitude</source>
        <translation>Route %1 jusqu&apos;à une altitude</translation>
    </message>
    <message>
        <source>Course %1 to DME %2 distance %3</source>
        <translation>Route %1 jusqu&apos;au DME %2 distance %3</translation>
    </message>
    <message>
        <source>Course %1 to an intercept</source>
        <translation>Route %1 jusqu&apos;à une interception</translation>
    </message>
    <message>
        <source>Course %1 to VOR %2 radial %3 termination</source>
        <translation>Route %1 jusqu&apos;au VOR %2 radiale %3</translation>
    </message>
    <message>
        <source>Constant radius %1 arc center %2 to fix %3</source>
        <translation>Arc de rayon constant %1 centré sur %2 jusqu&apos;au repère %3</translation>
    </message>
    <message>
        <source>Arc radius center %1 to fix %2</source>
        <translation>Arc centré sur %1 jusqu&apos;au repère %2</translation>
    </message>
    <message>
        <source>Heading %1 to an altitude termination</source>
        <translation>Cap %1 jusqu&apos;à une altitude</translation>
    </message>
    <message>
        <source>Heading %1 to DME %2 distance %3 termination</source>
        <translation>Cap %1 jusqu&apos;au DME %2 distance %3</translation>
    </message>
    <message>
        <source>Heading %1 to an intercept</source>
        <translation>Cap %1 jusqu&apos;à une interception</translation>
    </message>
    <message>
        <source>Heading %1 to a manual termination</source>
        <translation>Cap %1 jusqu&apos;à une fin manuelle</translation>
    </message>
    <message>
        <source>Heading %1 to VOR %2 radial %3 termination</source>
        <translation>Cap %1 jusqu&apos;au VOR %2 radiale %3</translation>
    </message>
    <message>
        <source>045/180 procedure from %1 heading %2 turn %3 %4 (%5 each)</source>
        <translation>Virage conventionnel 045/180 depuis %1 cap %2 virage %3 %4 (%5 chacun)</translation>
    </message>
    <message>
        <source>Racetrack course %1 reversal %2 %3 (%4 each), altitude termination</source>
        <translation>Hippodrome route %1 retournement %2 %3 (%4 chacun), fin à une altitude</translation>
    </message>
    <message>
        <source>Racetrack course %1 reversal %2 %3 (%4 each), single circuit terminating at fix %5</source>
        <translation>Hippodrome route %1 retournement %2 %3 (%4 chacun), un seul circuit se terminant au repère %5</translation>
    </message>
    <message>
        <source>Racetrack course %1 reversal %2 %3 (%4 each), manual termination</source>
        <translation>Hippodrome route %1 retournement %2 %3 (%4 chacun), fin manuelle</translation>
    </message>
    <message>
        <source>Unknown record termination</source>
        <translation>Fin d&apos;enregistrement inconnue</translation>
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
        <translation>survol</translation>
    </message>
    <message>
        <source>stepdown</source>
        <translation>palier</translation>
    </message>
    <message>
        <source>holding</source>
        <translation>attente</translation>
    </message>
</context>
<context>
    <name>Region</name>
    <message>
        <source>Unknown region</source>
        <translation>Région inconnue</translation>
    </message>
</context>
<context>
    <name>Router</name>
    <message>
        <source>Navigation database changed. Please generate the route again.</source>
        <translation>La base de données de navigation a changé. Veuillez générer la route de nouveau.</translation>
    </message>
    <message>
        <source>Need two valid, different points for departure and arrival</source>
        <translation>Il faut deux points valides et différents pour le départ et l&apos;arrivée</translation>
    </message>
    <message>
        <source>Routing interrupted</source>
        <translation>Calcul de route interrompu</translation>
    </message>
    <message>
        <source>No path found between departure and arrival</source>
        <translation>Aucun chemin trouvé entre le départ et l&apos;arrivée</translation>
    </message>
    <message>
        <source>Routing done!</source>
        <translation>Calcul de route terminé !</translation>
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
        <translation>Revêtement</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Available thresholds</source>
        <translation>Seuils disponibles</translation>
    </message>
    <message>
        <source>heading %1</source>
        <translation>cap %1</translation>
    </message>
    <message>
        <source>Instrument Landing System</source>
        <translation>Système d&apos;atterrissage aux instruments</translation>
    </message>
    <message>
        <source>Runway %1</source>
        <translation>Piste %1</translation>
    </message>
    <message>
        <source>Attached to %1</source>
        <translation>Rattachée à %1</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Procedures for %1</source>
        <translation>Procédures pour %1</translation>
    </message>
    <message>
        <source>No %1</source>
        <translation>Aucune %1</translation>
    </message>
</context>
<context>
    <name>Segment</name>
    <message>
        <source>LOW (Victor) enroute</source>
        <translation>En route BAS (Victor)</translation>
    </message>
    <message>
        <source>HIGH (Jet) enroute</source>
        <translation>En route HAUT (Jet)</translation>
    </message>
    <message>
        <source>TRACK route</source>
        <translation>Route TRACK</translation>
    </message>
    <message>
        <source>Procedure route</source>
        <translation>Route de procédure</translation>
    </message>
    <message>
        <source>DRCT direct route</source>
        <translation>Route directe DRCT</translation>
    </message>
    <message>
        <source>backward</source>
        <translation>sens inverse</translation>
    </message>
    <message>
        <source>no restriction</source>
        <translation>aucune restriction</translation>
    </message>
    <message>
        <source>forward</source>
        <translation>sens direct</translation>
    </message>
    <message>
        <source>Route %1</source>
        <translation>Route %1</translation>
    </message>
    <message>
        <source>Segment from %1 to %2</source>
        <translation>Segment de %1 à %2</translation>
    </message>
    <message>
        <source>UID</source>
        <translation>UID</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Sens</translation>
    </message>
    <message>
        <source>Flight level</source>
        <translation>Niveau de vol</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Unknown startup type</source>
        <translation>Type de poste inconnu</translation>
    </message>
    <message>
        <source>Unknown airplanes</source>
        <translation>Avions inconnus</translation>
    </message>
    <message>
        <source>Startup location %1</source>
        <translation>Poste de stationnement %1</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Airplanes</source>
        <translation>Avions</translation>
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
        <translation>Voie de circulation</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Sens</translation>
    </message>
    <message>
        <source>Wingspan</source>
        <translation>Envergure</translation>
    </message>
</context>
<context>
    <name>Tracks</name>
    <message>
        <source>Cannot download tracks: %1</source>
        <translation>Impossible de télécharger les routes océaniques : %1</translation>
    </message>
    <message>
        <source>Cannot read tracks: %1</source>
        <translation>Impossible de lire les routes océaniques : %1</translation>
    </message>
    <message>
        <source>Cannot read tracks: expected a list of tracks.</source>
        <translation>Impossible de lire les routes océaniques : une liste de routes était attendue.</translation>
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
        <translation>Montée initiale</translation>
    </message>
    <message>
        <source>CLB</source>
        <translation>CLB</translation>
    </message>
    <message>
        <source>Climb</source>
        <translation>Montée</translation>
    </message>
    <message>
        <source>CRU</source>
        <translation>CRU</translation>
    </message>
    <message>
        <source>Cruise</source>
        <translation>Croisière</translation>
    </message>
    <message>
        <source>DES</source>
        <translation>DES</translation>
    </message>
    <message>
        <source>Descent</source>
        <translation>Descente</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>APP</translation>
    </message>
    <message>
        <source>Approach</source>
        <translation>Approche</translation>
    </message>
    <message>
        <source>TOC</source>
        <translation>TOC</translation>
    </message>
    <message>
        <source>Top of climb (TOC)</source>
        <translation>Fin de montée (TOC)</translation>
    </message>
    <message>
        <source>TOD</source>
        <translation>TOD</translation>
    </message>
    <message>
        <source>Top of descent (TOD)</source>
        <translation>Début de descente (TOD)</translation>
    </message>
    <message>
        <source>APO</source>
        <translation>APO</translation>
    </message>
    <message>
        <source>Apogee (TOC/TOD)</source>
        <translation>Apogée (TOC/TOD)</translation>
    </message>
    <message>
        <source>Waypoint %1</source>
        <translation>Point %1</translation>
    </message>
    <message>
        <source>Departure %1</source>
        <translation>Départ %1</translation>
    </message>
    <message>
        <source>Arrival %1</source>
        <translation>Arrivée %1</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Phase</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Altitude</translation>
    </message>
    <message>
        <source>(TAS %2, GS %3)</source>
        <translation>(TAS %2, GS %3)</translation>
    </message>
    <message>
        <source>(V2 %1kts for %2)</source>
        <translation>(V2 %1 kt pour %2)</translation>
    </message>
    <message>
        <source>(VAT %1kts for %2)</source>
        <translation>(VAT %1 kt pour %2)</translation>
    </message>
    <message>
        <source>IAS</source>
        <translation>IAS</translation>
    </message>
    <message>
        <source>Total time</source>
        <translation>Temps total</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>Fuel on board</source>
        <translation>Carburant à bord</translation>
    </message>
    <message>
        <source>%1 %2 (burned %3)</source>
        <translation>%1 %2 (consommé %3)</translation>
    </message>
    <message>
        <source>Air temp.</source>
        <translation>Temp. air</translation>
    </message>
    <message>
        <source>Air press.</source>
        <translation>Press. air</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>More info</source>
        <translation>Plus d&apos;informations</translation>
    </message>
    <message>
        <source>for %1 %2</source>
        <translation>pour %1 %2</translation>
    </message>
    <message>
        <source>Next waypoint</source>
        <translation>Point suivant</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Airway</source>
        <translation>Voie aérienne</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Cap</translation>
    </message>
    <message>
        <source>To next</source>
        <translation>Jusqu&apos;au suivant</translation>
    </message>
    <message>
        <source>Next in</source>
        <translation>Suivant dans</translation>
    </message>
    <message>
        <source>Fly at</source>
        <translation>Voler à</translation>
    </message>
    <message>
        <source>Slope</source>
        <translation>Pente</translation>
    </message>
    <message>
        <source>Vertical speed</source>
        <translation>Vitesse verticale</translation>
    </message>
</context>
<context>
    <name>XpConnect</name>
    <message>
        <source>Connecting to X-Plane at %1</source>
        <translation>Connexion à X-Plane sur %1 en cours</translation>
    </message>
    <message>
        <source>no address</source>
        <translation>aucune adresse</translation>
    </message>
    <message>
        <source>Cannot find the X-Plane host %1: %2</source>
        <translation>Impossible de trouver l&apos;hôte X-Plane %1 : %2</translation>
    </message>
    <message>
        <source>X-Plane connection error: %1</source>
        <translation>Erreur de connexion à X-Plane : %1</translation>
    </message>
    <message>
        <source>Disconnected from X-Plane</source>
        <translation>Déconnecté de X-Plane</translation>
    </message>
    <message>
        <source>Connected to X-Plane at %1</source>
        <translation>Connecté à X-Plane sur %1</translation>
    </message>
    <message>
        <source>Connection to X-Plane at %1 lost, trying again</source>
        <translation>Connexion à X-Plane sur %1 perdue, nouvelle tentative</translation>
    </message>
    <message>
        <source>No answer from X-Plane at %1, trying again</source>
        <translation>Aucune réponse de X-Plane sur %1, nouvelle tentative</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Cap</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Altitude</translation>
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
        <translation>Vitesse verticale</translation>
    </message>
    <message>
        <source>Fuel on board</source>
        <translation>Carburant à bord</translation>
    </message>
</context>
<context>
    <name>XpLoader</name>
    <message>
        <source>Loading airports:</source>
        <translation>Chargement des aéroports :</translation>
    </message>
    <message>
        <source>Loading segments:</source>
        <translation>Chargement des segments :</translation>
    </message>
    <message>
        <source>Loading user fix points:</source>
        <translation>Chargement des points utilisateur :</translation>
    </message>
    <message>
        <source>Loading fix points:</source>
        <translation>Chargement des points de report :</translation>
    </message>
    <message>
        <source>Loading nav points:</source>
        <translation>Chargement des aides à la navigation :</translation>
    </message>
    <message>
        <source>Loading tracks...</source>
        <translation>Chargement des routes océaniques...</translation>
    </message>
    <message>
        <source>WARNING: incoherent data cycles among FIX/NAV/AWY files!</source>
        <translation>ATTENTION : cycles de données incohérents entre les fichiers FIX/NAV/AWY !</translation>
    </message>
    <message>
        <source>ERROR: FAACIFP cannot be loaded as of now!
Please uncheck custom data.</source>
        <translation>ERREUR : FAACIFP ne peut pas être chargé pour le moment !
Veuillez décocher les données personnalisées.</translation>
    </message>
    <message>
        <source>ERROR: no valid X-Plane installation 
at given path!</source>
        <translation>ERREUR : aucune installation X-Plane valide 
à l&apos;emplacement indiqué !</translation>
    </message>
    <message>
        <source>Compressing database...</source>
        <translation>Compression de la base de données...</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>ERROR: cannot write databasefile</source>
        <translation>ERREUR : impossible d&apos;écrire le fichier de base de données</translation>
    </message>
</context>
</TS>
