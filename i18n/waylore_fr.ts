<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Version %1 %2</source>
        <translation>Version %1 %2</translation>
    </message>
    <message>
        <source>debug</source>
        <translation>débogage</translation>
    </message>
    <message>
        <source>This program is provided as is, without any warranty.
It is meant for flight simulation only:
never use it to plan or fly a real flight.</source>
        <translation>Ce programme est fourni tel quel, sans aucune garantie.
Il est destiné uniquement à la simulation de vol :
ne l&apos;utilisez jamais pour préparer ou effectuer un vol réel.</translation>
    </message>
    <message>
        <source>Built with the Qt framework and the Grantlee template engine. Icons from Font Awesome Free (CC BY 4.0). Map data from the OpenStreetMap contributors; navigation data from the X-Plane navigation data files.</source>
        <translation>Réalisé avec le framework Qt et le moteur de modèles Grantlee. Icônes de Font Awesome Free (CC BY 4.0). Données cartographiques des contributeurs d&apos;OpenStreetMap ; données de navigation issues des fichiers de données de navigation de X-Plane.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
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
        <translation>Cycle AIRAC différent</translation>
    </message>
    <message>
        <source>The Waylore database has AIRAC cycle %1, but your X-Plane installation uses cycle %2.

Open the database dialog to update the database.</source>
        <translation>La base de données de Waylore est au cycle AIRAC %1, mais votre installation X-Plane utilise le cycle %2.

Ouvrez la fenêtre de la base de données pour la mettre à jour.</translation>
    </message>
    <message>
        <source>Open database...</source>
        <translation>Ouvrir la base de données...</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorer</translation>
    </message>
</context>
<context>
    <name>AirplaneContextMenu</name>
    <message>
        <source>Disconnect</source>
        <translation>Se déconnecter</translation>
    </message>
    <message>
        <source>Moving map</source>
        <translation>Carte mobile</translation>
    </message>
</context>
<context>
    <name>AirplaneDialog</name>
    <message>
        <source>Manage airplanes</source>
        <translation>Gérer les avions</translation>
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
        <translation>Importer un avion depuis un fichier</translation>
    </message>
    <message>
        <source>Export the selected airplane to file</source>
        <translation>Exporter l&apos;avion sélectionné dans un fichier</translation>
    </message>
    <message>
        <source>Error during import/export</source>
        <translation>Erreur pendant l&apos;import/export</translation>
    </message>
    <message>
        <source>Airplane list</source>
        <translation>Liste des avions</translation>
    </message>
    <message>
        <source>Create a new empty airplane</source>
        <translation>Créer un nouvel avion vide</translation>
    </message>
    <message>
        <source>Remove the selected airplane</source>
        <translation>Supprimer l&apos;avion sélectionné</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Performances</translation>
    </message>
    <message>
        <source>Fuel</source>
        <translation>Carburant</translation>
    </message>
    <message>
        <source>Identification</source>
        <translation>Identification</translation>
    </message>
    <message>
        <source>ICAO</source>
        <translation>OACI</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Constructeur</translation>
    </message>
    <message>
        <source>Max passengers</source>
        <translation>Passagers max.</translation>
    </message>
    <message>
        <source>Maximum number of passengers in the airplane</source>
        <translation>Nombre maximal de passagers dans l&apos;avion</translation>
    </message>
    <message>
        <source>Max cargo</source>
        <translation>Fret max.</translation>
    </message>
    <message>
        <source>Available cargo payload when the airplane contains all the passengers</source>
        <translation>Charge de fret disponible lorsque l&apos;avion transporte tous les passagers</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Masse</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>À vide</translation>
    </message>
    <message>
        <source>Empty operational weight (OEW)</source>
        <translation>Masse de base opérationnelle (OEW)</translation>
    </message>
    <message>
        <source>Max. zero-fuel</source>
        <translation>Max. sans carburant</translation>
    </message>
    <message>
        <source>Maximum weight without fuel (MZFW)</source>
        <translation>Masse maximale sans carburant (MZFW)</translation>
    </message>
    <message>
        <source>Max. takeoff</source>
        <translation>Max. au décollage</translation>
    </message>
    <message>
        <source>Maximum takeoff weight (MTOW)</source>
        <translation>Masse maximale au décollage (MTOW)</translation>
    </message>
    <message>
        <source>Max. landing</source>
        <translation>Max. à l&apos;atterrissage</translation>
    </message>
    <message>
        <source>Maximum landing weight (MLW)</source>
        <translation>Masse maximale à l&apos;atterrissage (MLW)</translation>
    </message>
    <message>
        <source>Takeoff</source>
        <translation>Décollage</translation>
    </message>
    <message>
        <source>V2</source>
        <translation>V2</translation>
    </message>
    <message>
        <source>Takeoff safety speed (kts)</source>
        <translation>Vitesse de sécurité au décollage (kt)</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Minimum runway length for takeoff (meters)</source>
        <translation>Longueur de piste minimale pour le décollage (mètres)</translation>
    </message>
    <message>
        <source>Landing</source>
        <translation>Atterrissage</translation>
    </message>
    <message>
        <source>VAT</source>
        <translation>VAT</translation>
    </message>
    <message>
        <source>Indicated airspeed at the runway threshold (kts)</source>
        <translation>Vitesse indiquée au seuil de piste (kt)</translation>
    </message>
    <message>
        <source>Minimum runway length for landing (meters)</source>
        <translation>Longueur de piste minimale pour l&apos;atterrissage (mètres)</translation>
    </message>
    <message>
        <source>Cruise</source>
        <translation>Croisière</translation>
    </message>
    <message>
        <source>Ceiling</source>
        <translation>Plafond</translation>
    </message>
    <message>
        <source>FL</source>
        <translation>FL</translation>
    </message>
    <message>
        <source>Maximum allowed cruise level</source>
        <translation>Niveau de croisière maximal autorisé</translation>
    </message>
    <message>
        <source>Maximum TAS</source>
        <translation>TAS maximale</translation>
    </message>
    <message>
        <source>Maximal true air-speed at ceiling level</source>
        <translation>Vitesse propre maximale au niveau du plafond</translation>
    </message>
    <message>
        <source>Initial climb</source>
        <translation>Montée initiale</translation>
    </message>
    <message>
        <source>IAS</source>
        <translation>IAS</translation>
    </message>
    <message>
        <source>Indicated air-speed (IAS) for initial climb</source>
        <translation>Vitesse indiquée (IAS) en montée initiale</translation>
    </message>
    <message>
        <source>ROC</source>
        <translation>Vz montée</translation>
    </message>
    <message>
        <source>Rate for initial climb</source>
        <translation>Taux de montée initiale</translation>
    </message>
    <message>
        <source>Climb</source>
        <translation>Montée</translation>
    </message>
    <message>
        <source>Indicated air-speed for climb</source>
        <translation>Vitesse indiquée en montée</translation>
    </message>
    <message>
        <source>Rate of climb</source>
        <translation>Taux de montée</translation>
    </message>
    <message>
        <source>Descent</source>
        <translation>Descente</translation>
    </message>
    <message>
        <source>Indicated air-speed for descent</source>
        <translation>Vitesse indiquée en descente</translation>
    </message>
    <message>
        <source>ROD</source>
        <translation>Vz descente</translation>
    </message>
    <message>
        <source>Rate of descent</source>
        <translation>Taux de descente</translation>
    </message>
    <message>
        <source>Approach</source>
        <translation>Approche</translation>
    </message>
    <message>
        <source>Indicated air-speed for approach</source>
        <translation>Vitesse indiquée en approche</translation>
    </message>
    <message>
        <source>Rate of descent for approach</source>
        <translation>Taux de descente en approche</translation>
    </message>
    <message>
        <source>Operational fuel</source>
        <translation>Carburant opérationnel</translation>
    </message>
    <message>
        <source>Taxi</source>
        <translation>Roulage</translation>
    </message>
    <message>
        <source>Burned fuel during taxi</source>
        <translation>Carburant consommé pendant le roulage</translation>
    </message>
    <message>
        <source>Climb flow</source>
        <translation>Débit en montée</translation>
    </message>
    <message>
        <source>Burned fuel per hour during climb</source>
        <translation>Carburant consommé par heure en montée</translation>
    </message>
    <message>
        <source>Cruise flow</source>
        <translation>Débit en croisière</translation>
    </message>
    <message>
        <source>Burned fuel per hour during cruise</source>
        <translation>Carburant consommé par heure en croisière</translation>
    </message>
    <message>
        <source>Descent flow</source>
        <translation>Débit en descente</translation>
    </message>
    <message>
        <source>Burned fuel per hour during descent</source>
        <translation>Carburant consommé par heure en descente</translation>
    </message>
    <message>
        <source>Additional fuel</source>
        <translation>Carburant supplémentaire</translation>
    </message>
    <message>
        <source>Alternate flow</source>
        <translation>Débit vers le dégagement</translation>
    </message>
    <message>
        <source>Burned fuel per hour to reach alternate airport from the missed approach point</source>
        <translation>Carburant consommé par heure pour rejoindre l&apos;aérodrome de dégagement depuis le point d&apos;approche interrompue</translation>
    </message>
    <message>
        <source>Contingency</source>
        <translation>Réserve de route</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Contingency fuel: additional en-route fuel consumption caused by wind or routing changes.</source>
        <translation>Carburant de réserve de route : consommation supplémentaire en route due au vent ou aux changements d&apos;itinéraire.</translation>
    </message>
    <message>
        <source>Extra reserve</source>
        <translation>Réserve supplémentaire</translation>
    </message>
    <message>
        <source>Fuel added at the discretion of the Captain or the dispatcher</source>
        <translation>Carburant ajouté à la discrétion du commandant de bord ou du régulateur</translation>
    </message>
    <message>
        <source>Final reserve</source>
        <translation>Réserve finale</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Final reserve fuel is the minimum fuel required to fly for 30 minutes</source>
        <translation>La réserve finale est le carburant minimal nécessaire pour voler 30 minutes</translation>
    </message>
    <message>
        <source>Tank</source>
        <translation>Réservoir</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Masse</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Fuel capacity</source>
        <translation>Capacité carburant</translation>
    </message>
    <message>
        <source>Total capacity of the airplane tanks</source>
        <translation>Capacité totale des réservoirs de l&apos;avion</translation>
    </message>
    <message>
        <source>Registration</source>
        <translation>Immatriculation</translation>
    </message>
    <message>
        <source>Airplane registration</source>
        <translation>Immatriculation de l&apos;avion</translation>
    </message>
    <message>
        <source>Equipments</source>
        <translation>Équipements</translation>
    </message>
    <message>
        <source>Airplane equipment</source>
        <translation>Équipement de l&apos;avion</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transpondeur</translation>
    </message>
    <message>
        <source>More information</source>
        <translation>Plus d&apos;informations</translation>
    </message>
    <message>
        <source>Aircraft registration</source>
        <translation>Immatriculation des aéronefs</translation>
    </message>
    <message>
        <source>Equipment codes</source>
        <translation>Codes d&apos;équipement</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Airplane files</source>
        <translation>Fichiers d&apos;avion</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tous</translation>
    </message>
</context>
<context>
    <name>AirplaneHelper</name>
    <message>
        <source>Airplane</source>
        <translation>Avion</translation>
    </message>
    <message>
        <source>More...</source>
        <translation>Plus...</translation>
    </message>
    <message>
        <source>Load factor %1%</source>
        <translation>Taux de remplissage %1 %</translation>
    </message>
    <message>
        <source>Load factor (percentage) utilizing available passenger or cargo capacity</source>
        <translation>Taux de remplissage (pourcentage) de la capacité disponible en passagers ou en fret</translation>
    </message>
    <message>
        <source>Cruise</source>
        <translation>Croisière</translation>
    </message>
    <message>
        <source>Cruise flight level</source>
        <translation>Niveau de vol de croisière</translation>
    </message>
    <message>
        <source>TAS</source>
        <translation>TAS</translation>
    </message>
    <message>
        <source>Cruise True Air Speed</source>
        <translation>Vitesse propre (TAS) en croisière</translation>
    </message>
</context>
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
    <name>AirplaneMenu</name>
    <message>
        <source>&amp;Airplane</source>
        <translation>&amp;Avion</translation>
    </message>
    <message>
        <source>Connect to simulator</source>
        <translation>Se connecter au simulateur</translation>
    </message>
    <message>
        <source>Manage airplanes...</source>
        <translation>Gérer les avions...</translation>
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
        <source>Unknown ATC type</source>
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
        <source>Loading airport boundaries...</source>
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
    <name>DatabaseDialog</name>
    <message>
        <source> (in %1s)</source>
        <translation> (en %1 s)</translation>
    </message>
    <message>
        <source>Navigation database</source>
        <translation>Base de données de navigation</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>%1 needs a navigation database to display the map and plan flights. Choose the source for the database between:</source>
        <translation>%1 a besoin d&apos;une base de données de navigation pour afficher la carte et préparer les vols. Choisissez la source de la base de données parmi :</translation>
    </message>
    <message>
        <source>&lt;b&gt;Server:&lt;/b&gt; download the default AIRAC included with %1.</source>
        <translation>&lt;b&gt;Serveur :&lt;/b&gt; télécharger l&apos;AIRAC par défaut fourni avec %1.</translation>
    </message>
    <message>
        <source>&lt;b&gt;X-Plane:&lt;/b&gt; import the navigation data installed in your X-Plane folder.</source>
        <translation>&lt;b&gt;X-Plane :&lt;/b&gt; importer les données de navigation installées dans votre dossier X-Plane.</translation>
    </message>
    <message>
        <source>To use the latest AIRAC cycle, get it from </source>
        <translation>Pour utiliser le dernier cycle AIRAC, procurez-le auprès de </translation>
    </message>
    <message>
        <source> or another provider.</source>
        <translation> ou d&apos;un autre fournisseur.</translation>
    </message>
    <message>
        <source>Database source</source>
        <translation>Source de la base de données</translation>
    </message>
    <message>
        <source>Download the default database from our server</source>
        <translation>Télécharger la base de données par défaut depuis notre serveur</translation>
    </message>
    <message>
        <source>Import the database from your X-Plane installation</source>
        <translation>Importer la base de données depuis votre installation X-Plane</translation>
    </message>
    <message>
        <source>X-Plane path</source>
        <translation>Chemin de X-Plane</translation>
    </message>
    <message>
        <source>Path of X-Plane installation base directory</source>
        <translation>Chemin du dossier d&apos;installation de X-Plane</translation>
    </message>
    <message>
        <source>Autodetect</source>
        <translation>Détection automatique</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>Use custom data (from Cyclewell, Navigraph...)</source>
        <translation>Utiliser des données personnalisées (de Cyclewell, Navigraph...)</translation>
    </message>
    <message>
        <source>Load user FIX (user_fix.dat)</source>
        <translation>Charger les FIX utilisateur (user_fix.dat)</translation>
    </message>
    <message>
        <source>Current database</source>
        <translation>Base de données actuelle</translation>
    </message>
    <message>
        <source>AIRAC cycle</source>
        <translation>Cycle AIRAC</translation>
    </message>
    <message>
        <source>(the AIRAC cycle %1 is available, get it from </source>
        <translation>(le cycle AIRAC %1 est disponible, procurez-le auprès de </translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>(including APT, NDB, VOR, DME, FIX,...)</source>
        <translation>(dont APT, NDB, VOR, DME, FIX,...)</translation>
    </message>
    <message>
        <source>Segments</source>
        <translation>Segments</translation>
    </message>
    <message>
        <source>(routes consist of a series of segments)</source>
        <translation>(les routes sont constituées d&apos;une suite de segments)</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Database file deleted</source>
        <translation>Fichier de base de données supprimé</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Import from X-Plane</source>
        <translation>Importer depuis X-Plane</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Please choose path to X-Plane installation</source>
        <translation>Veuillez choisir le chemin de l&apos;installation X-Plane</translation>
    </message>
    <message>
        <source>No navigation database is loaded: build one from a source above.</source>
        <translation>Aucune base de données de navigation n&apos;est chargée : créez-en une à partir d&apos;une des sources ci-dessus.</translation>
    </message>
    <message>
        <source>airway segments</source>
        <translation>segments de voies aériennes</translation>
    </message>
    <message>
        <source>runways</source>
        <translation>pistes</translation>
    </message>
    <message>
        <source>airport boundaries</source>
        <translation>limites d&apos;aéroport</translation>
    </message>
    <message>
        <source>taxiways</source>
        <translation>voies de circulation</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>This database cannot be used: it has no %1. %2 opens this dialog at every start until a database with all of them is built.</source>
        <translation>Cette base de données est inutilisable : elle ne contient pas de %1. %2 ouvre cette fenêtre à chaque démarrage jusqu&apos;à ce qu&apos;une base les contenant toutes soit créée.</translation>
    </message>
    <message>
        <source>X-Plane found in %1</source>
        <translation>X-Plane trouvé dans %1</translation>
    </message>
    <message>
        <source>No folder &quot;X-Plane 12&quot; or &quot;X-Plane 11&quot; found in: %1. Choose the X-Plane folder yourself.</source>
        <translation>Aucun dossier « X-Plane 12 » ou « X-Plane 11 » trouvé dans : %1. Choisissez vous-même le dossier de X-Plane.</translation>
    </message>
    <message>
        <source>Not enough memory to load the navigation database.</source>
        <translation>Pas assez de mémoire pour charger la base de données de navigation.</translation>
    </message>
    <message>
        <source>No navigation database is loaded: the stored one is cut short. Build one from a source above.</source>
        <translation>Aucune base de données de navigation n&apos;est chargée : celle enregistrée est tronquée. Créez-en une à partir d&apos;une des sources ci-dessus.</translation>
    </message>
    <message>
        <source>No navigation database is loaded: the stored one changed while it was read. Build one from a source above, or restart %1 to read it again.</source>
        <translation>Aucune base de données de navigation n&apos;est chargée : celle enregistrée a changé pendant sa lecture. Créez-en une à partir d&apos;une des sources ci-dessus, ou redémarrez %1 pour la relire.</translation>
    </message>
    <message>
        <source>No navigation database is loaded: the stored one is damaged. Build one from a source above.</source>
        <translation>Aucune base de données de navigation n&apos;est chargée : celle enregistrée est endommagée. Créez-en une à partir d&apos;une des sources ci-dessus.</translation>
    </message>
    <message>
        <source>No navigation database is loaded: the stored one was written by another version of %1. Build one from a source above.</source>
        <translation>Aucune base de données de navigation n&apos;est chargée : celle enregistrée a été écrite par une autre version de %1. Créez-en une à partir d&apos;une des sources ci-dessus.</translation>
    </message>
    <message>
        <source>No navigation database is loaded: the stored one cannot be read. Build one from a source above.</source>
        <translation>Aucune base de données de navigation n&apos;est chargée : celle enregistrée ne peut pas être lue. Créez-en une à partir d&apos;une des sources ci-dessus.</translation>
    </message>
</context>
<context>
    <name>DebugMenu</name>
    <message>
        <source>&amp;Debug</source>
        <translation>Dé&amp;bogage</translation>
    </message>
    <message>
        <source>Navmap export to PNG</source>
        <translation>Exporter la carte de navigation en PNG</translation>
    </message>
    <message>
        <source>Navmap export to JPG</source>
        <translation>Exporter la carte de navigation en JPG</translation>
    </message>
    <message>
        <source>Load EGKK-CHT-MCT-EGPK for moving test</source>
        <translation>Charger EGKK-CHT-MCT-EGPK pour le test de déplacement</translation>
    </message>
    <message>
        <source>Load URELO/OKIPA for route finding test</source>
        <translation>Charger URELO/OKIPA pour le test de recherche de route</translation>
    </message>
    <message>
        <source>Load TEPRI/GELTA for route finding test</source>
        <translation>Charger TEPRI/GELTA pour le test de recherche de route</translation>
    </message>
    <message>
        <source>Load DETOB/BIBAG for route finding test</source>
        <translation>Charger DETOB/BIBAG pour le test de recherche de route</translation>
    </message>
    <message>
        <source>Load TOU/MTG for route finding test</source>
        <translation>Charger TOU/MTG pour le test de recherche de route</translation>
    </message>
    <message>
        <source>Load MTG/TRA for route finding test</source>
        <translation>Charger MTG/TRA pour le test de recherche de route</translation>
    </message>
</context>
<context>
    <name>DesktopWindow</name>
    <message numerus="yes">
        <source>%n waypoint(s) not in this navigation database became coordinate points</source>
        <translation>
            <numerusform>%n point de cheminement absent de cette base de données de navigation est devenu un point de coordonnées</numerusform>
            <numerusform>%n points de cheminement absents de cette base de données de navigation sont devenus des points de coordonnées</numerusform>
        </translation>
    </message>
    <message>
        <source>Welcome to %1 %2</source>
        <translation>Bienvenue dans %1 %2</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Create new flight plan</source>
        <translation>Créer un nouveau plan de vol</translation>
    </message>
    <message>
        <source>Open existing flight plan</source>
        <translation>Ouvrir un plan de vol existant</translation>
    </message>
    <message>
        <source>Save flight plan</source>
        <translation>Enregistrer le plan de vol</translation>
    </message>
    <message>
        <source>Flight information</source>
        <translation>Informations du vol</translation>
    </message>
    <message>
        <source>Open the route generator</source>
        <translation>Ouvrir le générateur de route</translation>
    </message>
    <message>
        <source>Quick export to X-Plane</source>
        <translation>Export rapide vers X-Plane</translation>
    </message>
    <message>
        <source>Default format: </source>
        <translation>Format par défaut : </translation>
    </message>
    <message>
        <source>Export directory: </source>
        <translation>Dossier d&apos;export : </translation>
    </message>
    <message>
        <source>These settings can be modified in the preferences.</source>
        <translation>Ces réglages peuvent être modifiés dans les préférences.</translation>
    </message>
    <message>
        <source>Disconnect from simulator</source>
        <translation>Se déconnecter du simulateur</translation>
    </message>
    <message>
        <source>Connect to simulator</source>
        <translation>Se connecter au simulateur</translation>
    </message>
    <message>
        <source>Hide airports on the map</source>
        <translation>Masquer les aéroports sur la carte</translation>
    </message>
    <message>
        <source>Show airports on the map</source>
        <translation>Afficher les aéroports sur la carte</translation>
    </message>
    <message>
        <source>Hide airports ground</source>
        <translation>Masquer le sol des aéroports</translation>
    </message>
    <message>
        <source>Show airports ground</source>
        <translation>Afficher le sol des aéroports</translation>
    </message>
    <message>
        <source>Hide NDB on the map</source>
        <translation>Masquer les NDB sur la carte</translation>
    </message>
    <message>
        <source>Show NDB on the map</source>
        <translation>Afficher les NDB sur la carte</translation>
    </message>
    <message>
        <source>Hide VOR and DME on the map</source>
        <translation>Masquer les VOR et DME sur la carte</translation>
    </message>
    <message>
        <source>Show VOR and DME on the map</source>
        <translation>Afficher les VOR et DME sur la carte</translation>
    </message>
    <message>
        <source>Hide FIX on the map</source>
        <translation>Masquer les FIX sur la carte</translation>
    </message>
    <message>
        <source>Show FIX on the map</source>
        <translation>Afficher les FIX sur la carte</translation>
    </message>
    <message>
        <source>Hide HIGH (Jet) segments on the map</source>
        <translation>Masquer les segments HIGH (Jet) sur la carte</translation>
    </message>
    <message>
        <source>Show HIGH (Jet) segments on the map</source>
        <translation>Afficher les segments HIGH (Jet) sur la carte</translation>
    </message>
    <message>
        <source>Hide LOW (Victor) segments on the map</source>
        <translation>Masquer les segments LOW (Victor) sur la carte</translation>
    </message>
    <message>
        <source>Show LOW (Victor) segments on the map</source>
        <translation>Afficher les segments LOW (Victor) sur la carte</translation>
    </message>
    <message>
        <source>Hide tracks on the map</source>
        <translation>Masquer les tracks sur la carte</translation>
    </message>
    <message>
        <source>Show tracks on the map</source>
        <translation>Afficher les tracks sur la carte</translation>
    </message>
    <message>
        <source>Change map theme</source>
        <translation>Changer le thème de la carte</translation>
    </message>
    <message>
        <source>Hide cloud map</source>
        <translation>Masquer la carte des nuages</translation>
    </message>
    <message>
        <source>Show cloud map</source>
        <translation>Afficher la carte des nuages</translation>
    </message>
    <message>
        <source>Hide precipitation map</source>
        <translation>Masquer la carte des précipitations</translation>
    </message>
    <message>
        <source>Show precipitation map</source>
        <translation>Afficher la carte des précipitations</translation>
    </message>
    <message>
        <source>Hide wind map</source>
        <translation>Masquer la carte des vents</translation>
    </message>
    <message>
        <source>Show wind map</source>
        <translation>Afficher la carte des vents</translation>
    </message>
    <message>
        <source>Hide flight plan table</source>
        <translation>Masquer le tableau du plan de vol</translation>
    </message>
    <message>
        <source>Show flight plan table </source>
        <translation>Afficher le tableau du plan de vol </translation>
    </message>
    <message>
        <source>Hide side panel</source>
        <translation>Masquer le panneau latéral</translation>
    </message>
    <message>
        <source>Show side panel</source>
        <translation>Afficher le panneau latéral</translation>
    </message>
    <message>
        <source>Reset preferences</source>
        <translation>Réinitialiser les préférences</translation>
    </message>
    <message>
        <source>Restore preferences to factory defaults, all user settings will
be lost. These operations cannot be reverted!</source>
        <translation>Restaurer les préférences d&apos;usine, tous les réglages de l&apos;utilisateur
seront perdus. Ces opérations sont irréversibles !</translation>
    </message>
    <message>
        <source>Problem with the preferences</source>
        <translation>Problème avec les préférences</translation>
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
    <name>EditMenu</name>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>Rechercher...</translation>
    </message>
    <message>
        <source>Select navigation database...</source>
        <translation>Choisir la base de données de navigation...</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Préférences...</translation>
    </message>
</context>
<context>
    <name>ExportAsDialog</name>
    <message>
        <source>Cannot export image to %1</source>
        <translation>Impossible d&apos;exporter l&apos;image vers %1</translation>
    </message>
    <message>
        <source>Cannot export image to %1: %2</source>
        <translation>Impossible d&apos;exporter l&apos;image vers %1 : %2</translation>
    </message>
    <message>
        <source>Exported %1</source>
        <translation>%1 exporté</translation>
    </message>
    <message>
        <source>Navmap image JPEG</source>
        <translation>Image de la carte JPEG</translation>
    </message>
    <message>
        <source>Navmap image PNG</source>
        <translation>Image de la carte PNG</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tous</translation>
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
        <translation>X-Plane 11/12 FMS sans SID/STAR</translation>
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
        <translation>Garmin GTN sans SID/STAR</translation>
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
        <translation>Plan de vol opérationnel</translation>
    </message>
    <message>
        <source>Adobe PDF</source>
        <translation>Adobe PDF</translation>
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
    <message>
        <source>The share service gave no link: %1.</source>
        <translation>Le service de partage n&apos;a fourni aucun lien : %1.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>%1 is a link to %2, which cannot be written: %3</source>
        <translation>%1 est un lien vers %2, qui ne peut pas être écrit : %3</translation>
    </message>
</context>
<context>
    <name>ExporterErrorDialog</name>
    <message>
        <source>Error during export</source>
        <translation>Erreur pendant l&apos;export</translation>
    </message>
</context>
<context>
    <name>FileManager</name>
    <message>
        <source>The flight plan has been modified</source>
        <translation>Le plan de vol a été modifié</translation>
    </message>
    <message>
        <source>Do you want to save changes before creating a new flight plan?</source>
        <translation>Voulez-vous enregistrer les modifications avant de créer un nouveau plan de vol ?</translation>
    </message>
    <message>
        <source>Do you want to save changes before opening another flight plan?</source>
        <translation>Voulez-vous enregistrer les modifications avant d&apos;ouvrir un autre plan de vol ?</translation>
    </message>
    <message>
        <source>Save changes</source>
        <translation>Enregistrer les modifications</translation>
    </message>
    <message>
        <source>The flight plan contains unsaved modifications. Do you want to save before quit?</source>
        <translation>Le plan de vol contient des modifications non enregistrées. Voulez-vous l&apos;enregistrer avant de quitter ?</translation>
    </message>
    <message>
        <source>Do you want to save changes before loading another flight plan?</source>
        <translation>Voulez-vous enregistrer les modifications avant de charger un autre plan de vol ?</translation>
    </message>
    <message>
        <source>Flightplan files</source>
        <translation>Fichiers de plan de vol</translation>
    </message>
    <message>
        <source>FMS files</source>
        <translation>Fichiers FMS</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tous</translation>
    </message>
</context>
<context>
    <name>FileMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Enregistrer sous...</translation>
    </message>
    <message>
        <source>Import FMS file...</source>
        <translation>Importer un fichier FMS...</translation>
    </message>
    <message>
        <source>Edit flight information...</source>
        <translation>Modifier les informations du vol...</translation>
    </message>
    <message>
        <source>Page setup...</source>
        <translation>Mise en page...</translation>
    </message>
    <message>
        <source>Preview...</source>
        <translation>Aperçu...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimer...</translation>
    </message>
    <message>
        <source>Export flight plan to PDF...</source>
        <translation>Exporter le plan de vol en PDF...</translation>
    </message>
    <message>
        <source>Export flight plan to file</source>
        <translation>Exporter le plan de vol dans un fichier</translation>
    </message>
    <message>
        <source>Export to...</source>
        <translation>Exporter vers...</translation>
    </message>
    <message>
        <source>Direct export to %1</source>
        <translation>Export direct vers %1</translation>
    </message>
    <message>
        <source>Export flight plan to network</source>
        <translation>Exporter le plan de vol vers un réseau</translation>
    </message>
    <message>
        <source>Export flight plan to IVAO</source>
        <translation>Exporter le plan de vol vers IVAO</translation>
    </message>
    <message>
        <source>Export flight plan to VATSIM</source>
        <translation>Exporter le plan de vol vers VATSIM</translation>
    </message>
    <message>
        <source>Copy flight plan to clipboard</source>
        <translation>Copier le plan de vol dans le presse-papiers</translation>
    </message>
    <message>
        <source>Full route</source>
        <translation>Route complète</translation>
    </message>
    <message>
        <source>Enroute only</source>
        <translation>Partie en route seulement</translation>
    </message>
    <message>
        <source>ICAO route</source>
        <translation>Route OACI</translation>
    </message>
    <message>
        <source>All waypoints</source>
        <translation>Tous les points de cheminement</translation>
    </message>
    <message>
        <source>Briefing (OFP)</source>
        <translation>Briefing (OFP)</translation>
    </message>
    <message>
        <source>Share link</source>
        <translation>Lien de partage</translation>
    </message>
    <message>
        <source>Export navigation map to image...</source>
        <translation>Exporter la carte de navigation en image...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Error during printing</source>
        <translation>Erreur pendant l&apos;impression</translation>
    </message>
</context>
<context>
    <name>FlightInfoDialog</name>
    <message>
        <source>Flight information</source>
        <translation>Informations du vol</translation>
    </message>
    <message>
        <source>Flight info</source>
        <translation>Infos vol</translation>
    </message>
    <message>
        <source>Pilot name</source>
        <translation>Nom du pilote</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Compagnie</translation>
    </message>
    <message>
        <source>Flight number</source>
        <translation>Numéro de vol</translation>
    </message>
    <message>
        <source>Sequence</source>
        <translation>Séquence</translation>
    </message>
    <message>
        <source>Alternate airport</source>
        <translation>Aérodrome de dégagement</translation>
    </message>
    <message>
        <source>Departure (UTC)</source>
        <translation>Départ (UTC)</translation>
    </message>
    <message>
        <source>YYYY-MM-DD hh:mm</source>
        <translation>AAAA-MM-JJ hh:mm</translation>
    </message>
    <message>
        <source>Airplane details</source>
        <translation>Détails de l&apos;avion</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>FlightplanPanel</name>
    <message>
        <source>Altitude</source>
        <translation>Altitude</translation>
    </message>
    <message>
        <source>From %1 to %2 (%3)</source>
        <translation>De %1 à %2 (%3)</translation>
    </message>
    <message>
        <source>Planned fuel %1</source>
        <translation>Carburant prévu %1</translation>
    </message>
    <message>
        <source>Taxi burn</source>
        <translation>Conso. roulage</translation>
    </message>
    <message>
        <source>Burned fuel during taxi</source>
        <translation>Carburant consommé pendant le roulage</translation>
    </message>
    <message>
        <source>Enroute burn</source>
        <translation>Conso. en route</translation>
    </message>
    <message>
        <source>Burned fuel during flight</source>
        <translation>Carburant consommé pendant le vol</translation>
    </message>
    <message>
        <source>Total reserve</source>
        <translation>Réserve totale</translation>
    </message>
    <message>
        <source>Includes alternate fuel, contingency reserve, extra reserve and final reserve</source>
        <translation>Comprend le carburant de dégagement, la réserve de route, la réserve supplémentaire et la réserve finale</translation>
    </message>
    <message>
        <source>Block fuel</source>
        <translation>Carburant au bloc</translation>
    </message>
    <message>
        <source>Total fuel to load in the tanks</source>
        <translation>Carburant total à charger dans les réservoirs</translation>
    </message>
    <message>
        <source>Maximum fuel tank capacity %1</source>
        <translation>Capacité maximale des réservoirs %1</translation>
    </message>
    <message>
        <source>%1 load sheet</source>
        <translation>Devis de masse %1</translation>
    </message>
    <message>
        <source>Total payload</source>
        <translation>Charge marchande totale</translation>
    </message>
    <message>
        <source>Commercial payload including passengers, luggages and cargo</source>
        <translation>Charge marchande comprenant passagers, bagages et fret</translation>
    </message>
    <message>
        <source>Zero fuel weight</source>
        <translation>Masse sans carburant</translation>
    </message>
    <message>
        <source>Airplane operational weight prior to fuel tanking</source>
        <translation>Masse opérationnelle de l&apos;avion avant l&apos;avitaillement</translation>
    </message>
    <message>
        <source>Maximum zero-fuel weight is %1</source>
        <translation>La masse maximale sans carburant est de %1</translation>
    </message>
    <message>
        <source>Takeoff weight</source>
        <translation>Masse au décollage</translation>
    </message>
    <message>
        <source>Estimated takeoff weight</source>
        <translation>Masse estimée au décollage</translation>
    </message>
    <message>
        <source>Maximum takeoff weight is %1</source>
        <translation>La masse maximale au décollage est de %1</translation>
    </message>
    <message>
        <source>Landing weight</source>
        <translation>Masse à l&apos;atterrissage</translation>
    </message>
    <message>
        <source>Estimated landing weight</source>
        <translation>Masse estimée à l&apos;atterrissage</translation>
    </message>
    <message>
        <source>Maximum landing weight is %1</source>
        <translation>La masse maximale à l&apos;atterrissage est de %1</translation>
    </message>
    <message>
        <source>The flight plan is empty, add waypoints from %1%2 database%3 or start the %4%5 generator%6 or...</source>
        <translation>Le plan de vol est vide, ajoutez des points depuis la %1%2 base de données%3 ou lancez le %4%5 générateur%6 ou...</translation>
    </message>
    <message>
        <source>Get inspired</source>
        <translation>Laissez-vous inspirer</translation>
    </message>
    <message>
        <source>Open the route generator</source>
        <translation>Ouvrir le générateur de route</translation>
    </message>
    <message>
        <source>Airspeeds and altitudes are automatically computed on waypoint change</source>
        <translation>Les vitesses et altitudes sont calculées automatiquement à chaque modification des points</translation>
    </message>
    <message>
        <source>Compute air speeds and altitudes for all waypoints</source>
        <translation>Calculer les vitesses et altitudes de tous les points</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>%1 waypoint(s)</source>
        <translation>%1 point(s)</translation>
    </message>
    <message>
        <source>distance</source>
        <translation>distance</translation>
    </message>
    <message>
        <source>duration</source>
        <translation>durée</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tableau</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Fuel</source>
        <translation>Carburant</translation>
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
    <message>
        <source>Damaged file</source>
        <translation>Fichier endommagé</translation>
    </message>
    <message>
        <source>Line %1 gives &quot;%2&quot; as the number of waypoints. Nothing was imported.</source>
        <translation>La ligne %1 donne &quot;%2&quot; comme nombre de points. Rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>The file announces %1 waypoints on line %2 but holds %3: it is cut short or damaged. Nothing was imported.</source>
        <translation>Le fichier annonce %1 points à la ligne %2 mais en contient %3 : il est tronqué ou endommagé. Rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>Line %1 gives &quot;%2&quot; as the latitude. Nothing was imported.</source>
        <translation>La ligne %1 donne &quot;%2&quot; comme latitude. Rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>Line %1 gives &quot;%2&quot; as the longitude. Nothing was imported.</source>
        <translation>La ligne %1 donne &quot;%2&quot; comme longitude. Rien n&apos;a été importé.</translation>
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
    <name>GeneratorDialog</name>
    <message>
        <source>Routing in progress...</source>
        <translation>Calcul de la route en cours...</translation>
    </message>
    <message>
        <source>Route generator</source>
        <translation>Générateur de route</translation>
    </message>
    <message>
        <source>(in %1 s)</source>
        <translation>(en %1 s)</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Departure</source>
        <translation>Départ</translation>
    </message>
    <message>
        <source>SID output</source>
        <translation>Sortie de SID</translation>
    </message>
    <message>
        <source>Arrival</source>
        <translation>Arrivée</translation>
    </message>
    <message>
        <source>STAR input</source>
        <translation>Entrée de STAR</translation>
    </message>
    <message>
        <source>Hit the Enter key to validate airport</source>
        <translation>Appuyez sur Entrée pour valider l&apos;aérodrome</translation>
    </message>
    <message>
        <source>Airplane details</source>
        <translation>Détails de l&apos;avion</translation>
    </message>
    <message>
        <source>Routing options</source>
        <translation>Options de calcul de route</translation>
    </message>
    <message>
        <source>Airway navigation</source>
        <translation>Navigation sur les voies aériennes</translation>
    </message>
    <message>
        <source>Prefer HIGH (Jet) routes during cruise</source>
        <translation>Préférer les routes HAUTES (Jet) en croisière</translation>
    </message>
    <message>
        <source>Use only LOW (Victor) routes</source>
        <translation>N&apos;utiliser que les routes BASSES (Victor)</translation>
    </message>
    <message>
        <source>No route preference between HIGH and LOW</source>
        <translation>Aucune préférence entre routes HAUTES et BASSES</translation>
    </message>
    <message>
        <source>Ignore airways during routing</source>
        <translation>Ignorer les voies aériennes lors du calcul</translation>
    </message>
    <message>
        <source>Radio navigation</source>
        <translation>Radionavigation</translation>
    </message>
    <message>
        <source>Routing status</source>
        <translation>État du calcul</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>of</source>
        <translation>sur</translation>
    </message>
    <message>
        <source>%1nm</source>
        <translation>%1 NM</translation>
    </message>
    <message>
        <source>Close when finished</source>
        <translation>Fermer une fois terminé</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Fit map to generated route</source>
        <translation>Ajuster la carte à la route générée</translation>
    </message>
    <message>
        <source>Interrupt</source>
        <translation>Interrompre</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Générer</translation>
    </message>
    <message>
        <source>Re-generate</source>
        <translation>Régénérer</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>Manual...</source>
        <translation>Manuel...</translation>
    </message>
    <message>
        <source>FAQ...</source>
        <translation>FAQ...</translation>
    </message>
    <message>
        <source>Check for updates...</source>
        <translation>Rechercher des mises à jour...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>À propos...</translation>
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
        <source>This item is not in the navigation database any more.</source>
        <translation>Cet élément n&apos;est plus dans la base de données de navigation.</translation>
    </message>
    <message>
        <source>the service redirected to another host</source>
        <translation>le service a redirigé vers un autre serveur</translation>
    </message>
    <message>
        <source>the service redirects in a loop</source>
        <translation>le service redirige en boucle</translation>
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
        <translation>Afficher l&apos;élément précédent</translation>
    </message>
    <message>
        <source>Navigate history</source>
        <translation>Parcourir l&apos;historique</translation>
    </message>
    <message>
        <source>Show next item</source>
        <translation>Afficher l&apos;élément suivant</translation>
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
        <translation>Europe</translation>
    </message>
    <message>
        <source>Paris Charles De Gaulle - Nice Côte d&apos;Azur</source>
        <translation>Paris Charles De Gaulle - Nice Côte d&apos;Azur</translation>
    </message>
    <message>
        <source>Paris Charles De Gaulle - Wien Schwechat</source>
        <translation>Paris Charles De Gaulle - Vienne Schwechat</translation>
    </message>
    <message>
        <source>Zurich Kloten - Innsbruck Kranebitten</source>
        <translation>Zurich Kloten - Innsbruck Kranebitten</translation>
    </message>
    <message>
        <source>Amsterdam Schiphol - Oslo Gardermoen</source>
        <translation>Amsterdam Schiphol - Oslo Gardermoen</translation>
    </message>
    <message>
        <source>Hamburg Fuhlsbüttel - Muenchen Franz Joseph</source>
        <translation>Hambourg Fuhlsbüttel - Munich Franz Joseph</translation>
    </message>
    <message>
        <source>Muenchen Franz Joseph - London Heathrow</source>
        <translation>Munich Franz Joseph - Londres Heathrow</translation>
    </message>
    <message>
        <source>Torino Caselle - Lyon Saint Exupery</source>
        <translation>Turin Caselle - Lyon Saint-Exupéry</translation>
    </message>
    <message>
        <source>Roma Leonardo Da Vinci - Barcelona El Prat</source>
        <translation>Rome Leonardo Da Vinci - Barcelone El Prat</translation>
    </message>
    <message>
        <source>London Gatwick - Glasgow Prestwick</source>
        <translation>Londres Gatwick - Glasgow Prestwick</translation>
    </message>
    <message>
        <source>Oslo Gardermoen - Tromso Langnes</source>
        <translation>Oslo Gardermoen - Tromsø Langnes</translation>
    </message>
    <message>
        <source>Istanbul Ataturk - Frankfurt am Main</source>
        <translation>Istanbul Atatürk - Francfort-sur-le-Main</translation>
    </message>
    <message>
        <source>Barcelona El Prat - Madrid Barajas</source>
        <translation>Barcelone El Prat - Madrid Barajas</translation>
    </message>
    <message>
        <source>London Heathrow - Athens Eleftherios Venizelos</source>
        <translation>Londres Heathrow - Athènes Eleftherios Venizelos</translation>
    </message>
    <message>
        <source>Geneva Cointrin - Bern Belp</source>
        <translation>Genève Cointrin - Berne Belp</translation>
    </message>
    <message>
        <source>Innsbruck Kranebitten - Bolzano Dolomiti</source>
        <translation>Innsbruck Kranebitten - Bolzano Dolomiti</translation>
    </message>
    <message>
        <source>North America</source>
        <translation>Amérique du Nord</translation>
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
        <translation>Las Vegas Nord - parc national du Grand Canyon</translation>
    </message>
    <message>
        <source>South America</source>
        <translation>Amérique du Sud</translation>
    </message>
    <message>
        <source>Mexico Licenciado Benito Juarez Intl - Bogota El Dorado Intl</source>
        <translation>Mexico Licenciado Benito Juárez Intl - Bogota El Dorado Intl</translation>
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
        <translation>Asie</translation>
    </message>
    <message>
        <source>Singapore Changi - Tokyo Narita</source>
        <translation>Singapour Changi - Tokyo Narita</translation>
    </message>
    <message>
        <source>Hong Kong - Mumbai Chhatrapati</source>
        <translation>Hong Kong - Mumbai Chhatrapati</translation>
    </message>
    <message>
        <source>Taipei Taoyuan Intl - Tokyo Haneda Intl</source>
        <translation>Taipei Taoyuan Intl - Tokyo Haneda Intl</translation>
    </message>
    <message>
        <source>Dubai Intl - Singapore Changi</source>
        <translation>Dubaï Intl - Singapour Changi</translation>
    </message>
    <message>
        <source>Tokyo Haneda Intl - Sapporo New Chitose Intl</source>
        <translation>Tokyo Haneda Intl - Sapporo New Chitose Intl</translation>
    </message>
    <message>
        <source>Kathmandu Tribhuvan Intl - Lukla Tenzing-Hillary</source>
        <translation>Katmandou Tribhuvan Intl - Lukla Tenzing-Hillary</translation>
    </message>
    <message>
        <source>Africa</source>
        <translation>Afrique</translation>
    </message>
    <message>
        <source>Cape Town Intl - Dubai Intl</source>
        <translation>Le Cap Intl - Dubaï Intl</translation>
    </message>
    <message>
        <source>Casablanca Mohammed V Intl - Carthage</source>
        <translation>Casablanca Mohammed V Intl - Carthage</translation>
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
        <translation>Addis-Abeba Bole Intl - Dire Dawa Intl</translation>
    </message>
    <message>
        <source>Cape Town Intl - George</source>
        <translation>Le Cap Intl - George</translation>
    </message>
    <message>
        <source>Oceanic</source>
        <translation>Océanique</translation>
    </message>
    <message>
        <source>Paris Charles De Gaulle - New York John F. Kennedy</source>
        <translation>Paris Charles De Gaulle - New York John F. Kennedy</translation>
    </message>
    <message>
        <source>Los Angeles - Tokyo Haneda</source>
        <translation>Los Angeles - Tokyo Haneda</translation>
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
        <translation>Ajouter un aérodrome au hasard</translation>
    </message>
    <message>
        <source>Add two random airports</source>
        <translation>Ajouter deux aérodromes au hasard</translation>
    </message>
</context>
<context>
    <name>MapMenu</name>
    <message>
        <source>&amp;Map</source>
        <translation>&amp;Carte</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Fit zoom to flight plan</source>
        <translation>Ajuster le zoom au plan de vol</translation>
    </message>
    <message>
        <source>Airports</source>
        <translation>Aérodromes</translation>
    </message>
    <message>
        <source>Airport ground</source>
        <translation>Sol des aérodromes</translation>
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
        <translation>Segments hauts</translation>
    </message>
    <message>
        <source>Segment low</source>
        <translation>Segments bas</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Routes organisées</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>Connect to simulator</source>
        <translation>Se connecter au simulateur</translation>
    </message>
    <message>
        <source>Moving map</source>
        <translation>Carte mobile</translation>
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
    <name>Navigation</name>
    <message>
        <source>The map cannot keep its tiles on disk: %1</source>
        <translation>La carte ne peut pas garder ses tuiles sur le disque : %1</translation>
    </message>
    <message>
        <source>Custom point</source>
        <translation>Point personnalisé</translation>
    </message>
    <message>
        <source>Create COORD point</source>
        <translation>Créer un point COORD</translation>
    </message>
    <message>
        <source>Add COORD to flight plan</source>
        <translation>Ajouter le COORD au plan de vol</translation>
    </message>
    <message>
        <source>Map zoom in</source>
        <translation>Zoom avant sur la carte</translation>
    </message>
    <message>
        <source>Map zoom out</source>
        <translation>Zoom arrière sur la carte</translation>
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
    <message>
        <source>the server answered %1 %2</source>
        <translation>le serveur a répondu %1 %2</translation>
    </message>
    <message>
        <source>the answer is too short for a database file</source>
        <translation>la réponse est trop courte pour un fichier de base de données</translation>
    </message>
    <message>
        <source>the server redirects in a loop</source>
        <translation>le serveur redirige en boucle</translation>
    </message>
    <message>
        <source>the server closed the connection before the end</source>
        <translation>le serveur a fermé la connexion avant la fin</translation>
    </message>
</context>
<context>
    <name>PlanLimits</name>
    <message>
        <source>The file %1 is too large to be a flight plan.</source>
        <translation>Le fichier %1 est trop volumineux pour être un plan de vol.</translation>
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
        <source>GPS point</source>
        <translation>Point GPS</translation>
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
    <message>
        <source>Airport</source>
        <translation>Aéroport</translation>
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
        <translation>Informations sur %1</translation>
    </message>
    <message>
        <source>Airport</source>
        <translation>Aéroport</translation>
    </message>
    <message>
        <source>Airport information</source>
        <translation>Informations sur l&apos;aéroport</translation>
    </message>
    <message>
        <source>Select %1</source>
        <translation>Sélectionner %1</translation>
    </message>
    <message>
        <source>Fit to zoom</source>
        <translation>Ajuster le zoom</translation>
    </message>
    <message>
        <source>More info...</source>
        <translation>Plus d&apos;infos...</translation>
    </message>
    <message>
        <source>METAR</source>
        <translation>METAR</translation>
    </message>
    <message>
        <source>Runways</source>
        <translation>Pistes</translation>
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
        <translation>Plan de vol</translation>
    </message>
    <message>
        <source>Add %1 to route</source>
        <translation>Ajouter %1 à la route</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Retirer %1</translation>
    </message>
    <message>
        <source>Start with %1</source>
        <translation>Commencer par %1</translation>
    </message>
    <message>
        <source>End with %1</source>
        <translation>Terminer par %1</translation>
    </message>
</context>
<context>
    <name>PointPanel</name>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Search (min 2 chars)...</source>
        <translation>Rechercher (2 caractères min.)...</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Effacer la recherche</translation>
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
        <translation>%1 points filtrés</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Please choose path to export flight plans</source>
        <translation>Veuillez choisir le dossier d&apos;export des plans de vol</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Carte</translation>
    </message>
    <message>
        <source>X-Plane</source>
        <translation>X-Plane</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Masse</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Default transition altitude</source>
        <translation>Altitude de transition par défaut</translation>
    </message>
    <message>
        <source> ft</source>
        <translation> ft</translation>
    </message>
    <message>
        <source>User interface</source>
        <translation>Interface utilisateur</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>Restart the application to apply the language change.</source>
        <translation>Redémarrez l&apos;application pour appliquer le changement de langue.</translation>
    </message>
    <message>
        <source>Dark mode</source>
        <translation>Mode sombre</translation>
    </message>
    <message>
        <source>Automatic (depends on map theme)</source>
        <translation>Automatique (selon le thème de la carte)</translation>
    </message>
    <message>
        <source>Always disabled</source>
        <translation>Toujours désactivé</translation>
    </message>
    <message>
        <source>Always enabled</source>
        <translation>Toujours activé</translation>
    </message>
    <message>
        <source>Personal details</source>
        <translation>Informations personnelles</translation>
    </message>
    <message>
        <source>These details are used in some file export formats.</source>
        <translation>Ces informations sont utilisées par certains formats d&apos;export.</translation>
    </message>
    <message>
        <source>Pilot name (PIC)</source>
        <translation>Nom du pilote (commandant de bord)</translation>
    </message>
    <message>
        <source>Company name</source>
        <translation>Nom de la compagnie</translation>
    </message>
    <message>
        <source>Airport detail</source>
        <translation>Détail des aérodromes</translation>
    </message>
    <message>
        <source>Full detail</source>
        <translation>Détail complet</translation>
    </message>
    <message>
        <source>Limited detail</source>
        <translation>Détail limité</translation>
    </message>
    <message>
        <source>(restart required)</source>
        <translation>(redémarrage nécessaire)</translation>
    </message>
    <message>
        <source>In &apos;Limited Detail&apos; mode the application does not 
load ground paintings, taxiways signs, nor startup 
locations, in order to reduce startup time.</source>
        <translation>En mode « Détail limité », l&apos;application ne charge ni 
le marquage au sol, ni les panneaux des voies de circulation, ni les 
positions de départ, afin de réduire le temps de démarrage.</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Taille de police</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Navigation database</source>
        <translation>Base de données de navigation</translation>
    </message>
    <message>
        <source>To select the navigation database, please go to the dedicated
&apos;Select navigation database&apos; dialog from the &apos;Edit&apos; menu, or open
it with the button below.</source>
        <translation>Pour choisir la base de données de navigation, utilisez la fenêtre
« Choisir la base de données de navigation » du menu « Édition », ou ouvrez-la
avec le bouton ci-dessous.</translation>
    </message>
    <message>
        <source>Select navigation database</source>
        <translation>Choisir la base de données de navigation</translation>
    </message>
    <message>
        <source>Flight plan export</source>
        <translation>Export du plan de vol</translation>
    </message>
    <message>
        <source>Add direct (DCT/DRCT) to exported route</source>
        <translation>Ajouter les directs (DCT/DRCT) à la route exportée</translation>
    </message>
    <message>
        <source>Default export format</source>
        <translation>Format d&apos;export par défaut</translation>
    </message>
    <message>
        <source>Export to FMS directory (in &lt;tt&gt;&amp;lt;X-Plane&amp;gt;/Output/FMS plans&lt;/tt&gt;)</source>
        <translation>Exporter dans le dossier FMS (dans &lt;tt&gt;&amp;lt;X-Plane&amp;gt;/Output/FMS plans&lt;/tt&gt;)</translation>
    </message>
    <message>
        <source>Export to custom directory</source>
        <translation>Exporter dans un dossier personnalisé</translation>
    </message>
    <message>
        <source>Directory to export flight plans</source>
        <translation>Dossier d&apos;export des plans de vol</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>Plane tracking</source>
        <translation>Suivi de l&apos;avion</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Hôte</translation>
    </message>
    <message>
        <source>Host name or IP</source>
        <translation>Nom d&apos;hôte ou IP</translation>
    </message>
    <message>
        <source>Leave empty if X-Plane is running
on this machine.</source>
        <translation>Laissez vide si X-Plane fonctionne
sur cette machine.</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Port to connect</source>
        <translation>Port de connexion</translation>
    </message>
    <message>
        <source>Leave empty if you are running
X-Plane 11 or 12.</source>
        <translation>Laissez vide si vous utilisez
X-Plane 11 ou 12.</translation>
    </message>
    <message>
        <source>Software update</source>
        <translation>Mise à jour du logiciel</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>Rechercher automatiquement les mises à jour</translation>
    </message>
    <message>
        <source>Check now</source>
        <translation>Vérifier maintenant</translation>
    </message>
    <message>
        <source>Analysis</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>Share anonymous information about usage</source>
        <translation>Partager des informations anonymes d&apos;utilisation</translation>
    </message>
    <message>
        <source>Help us to improve %1 by sending anonymous
information about your usage of the application.</source>
        <translation>Aidez-nous à améliorer %1 en envoyant des informations
anonymes sur votre utilisation de l&apos;application.</translation>
    </message>
    <message>
        <source>Reset preferences</source>
        <translation>Réinitialiser les préférences</translation>
    </message>
    <message>
        <source>Restore preferences to factory defaults, all user settings will
be lost. These operations cannot be reverted!</source>
        <translation>Restaurer les préférences d&apos;usine, tous les réglages de l&apos;utilisateur
seront perdus. Ces opérations sont irréversibles !</translation>
    </message>
    <message>
        <source>Reset airplanes</source>
        <translation>Réinitialiser les avions</translation>
    </message>
    <message>
        <source>Reset all preferences and quit</source>
        <translation>Tout réinitialiser et quitter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>PrintManager</name>
    <message>
        <source>Operational flight plan</source>
        <translation>Plan de vol opérationnel</translation>
    </message>
    <message>
        <source>%1 names no page of the flight plan, whose last page is %2.</source>
        <translation>%1 ne désigne aucune page du plan de vol, qui s&apos;arrête à la page %2.</translation>
    </message>
    <message>
        <source>Invalid Pages Definition</source>
        <translation>Définition des pages non valide</translation>
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
    <name>ProcedureContextMenu</name>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>No procedure</source>
        <translation>Aucune procédure</translation>
    </message>
    <message>
        <source>Show %1</source>
        <translation>Afficher %1</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Insert transition...</source>
        <translation>Insérer une transition...</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Retirer %1</translation>
    </message>
    <message>
        <source>Change procedure</source>
        <translation>Changer de procédure</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Choisir...</translation>
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
    <message>
        <source>Upgrading from %1 version 4.0.0</source>
        <translation>Mise à niveau depuis %1 version 4.0.0</translation>
    </message>
    <message>
        <source>In order to run %1 version %2 you must uninstall version 4.0.0 from Windows settings before! Then install (or repair) version %2 again.</source>
        <translation>Pour utiliser %1 version %2, vous devez d&apos;abord désinstaller la version 4.0.0 depuis les paramètres de Windows ! Installez (ou réparez) ensuite à nouveau la version %2.</translation>
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
    <message>
        <source>Engine Out SID</source>
        <translation>SID panne moteur</translation>
    </message>
    <message>
        <source>SID Runway Transition</source>
        <translation>Transition piste de SID</translation>
    </message>
    <message>
        <source>SID or SID Common Route</source>
        <translation>SID ou tronçon commun de SID</translation>
    </message>
    <message>
        <source>SID Enroute Transition</source>
        <translation>Transition en route de SID</translation>
    </message>
    <message>
        <source>STAR Enroute Transition</source>
        <translation>Transition en route de STAR</translation>
    </message>
    <message>
        <source>STAR or STAR Common Route</source>
        <translation>STAR ou tronçon commun de STAR</translation>
    </message>
    <message>
        <source>STAR Runway Transition</source>
        <translation>Transition piste de STAR</translation>
    </message>
    <message>
        <source>Approach Transition</source>
        <translation>Transition d&apos;approche</translation>
    </message>
    <message>
        <source>Localizer/Backcourse Approach</source>
        <translation>Approche localizer/back course</translation>
    </message>
    <message>
        <source>VORDME Approach</source>
        <translation>Approche VOR/DME</translation>
    </message>
    <message>
        <source>Flight Management System (FMS) Approach</source>
        <translation>Approche système de gestion de vol (FMS)</translation>
    </message>
    <message>
        <source>Instrument Guidance System (IGS) Approach</source>
        <translation>Approche système de guidage aux instruments (IGS)</translation>
    </message>
    <message>
        <source>Instrument Landing System (ILS) Approach</source>
        <translation>Approche système d&apos;atterrissage aux instruments (ILS)</translation>
    </message>
    <message>
        <source>GNSS Landing System (GLS)Approach</source>
        <translation>Approche système d&apos;atterrissage GNSS (GLS)</translation>
    </message>
    <message>
        <source>Localizer Only (LOC) Approach</source>
        <translation>Approche localizer seul (LOC)</translation>
    </message>
    <message>
        <source>Microwave Landing System (MLS) Approach</source>
        <translation>Approche système d&apos;atterrissage hyperfréquences (MLS)</translation>
    </message>
    <message>
        <source>Non-Directional Beacon (NDB) Approach</source>
        <translation>Approche radiobalise non directionnelle (NDB)</translation>
    </message>
    <message>
        <source>Global Positioning System (GPS) Approach</source>
        <translation>Approche GPS (système de positionnement global)</translation>
    </message>
    <message>
        <source>Non-Directional Beacon + DME (NDB+DME) Approach</source>
        <translation>Approche radiobalise non directionnelle + DME (NDB+DME)</translation>
    </message>
    <message>
        <source>Area Navigation (RNAV) Approach</source>
        <translation>Approche navigation de surface (RNAV)</translation>
    </message>
    <message>
        <source>VOR Approach using VORDME/VORTAC</source>
        <translation>Approche VOR utilisant un VOR/DME ou VORTAC</translation>
    </message>
    <message>
        <source>TACAN Approach</source>
        <translation>Approche TACAN</translation>
    </message>
    <message>
        <source>Simplified Directional Facility (SDF) Approach</source>
        <translation>Approche installation directionnelle simplifiée (SDF)</translation>
    </message>
    <message>
        <source>VOR Approach</source>
        <translation>Approche VOR</translation>
    </message>
    <message>
        <source>Localizer Directional Aid (LDA) Approach</source>
        <translation>Approche aide directionnelle de type localizer (LDA)</translation>
    </message>
    <message>
        <source>Missed Approach</source>
        <translation>Approche interrompue</translation>
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
    <name>ReplyGuard</name>
    <message>
        <source>the answer is too long</source>
        <translation>la réponse est trop longue</translation>
    </message>
    <message>
        <source>the service did not answer in time</source>
        <translation>le service n&apos;a pas répondu à temps</translation>
    </message>
    <message>
        <source>the answer was cut short</source>
        <translation>la réponse a été interrompue</translation>
    </message>
    <message>
        <source>the server sent the answer compressed</source>
        <translation>le serveur a envoyé la réponse compressée</translation>
    </message>
    <message>
        <source>the answer is damaged</source>
        <translation>la réponse est endommagée</translation>
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
        <translation>Générateur</translation>
    </message>
    <message>
        <source>Compute IAS/alt</source>
        <translation>Calculer IAS/alt.</translation>
    </message>
    <message>
        <source>Clear route</source>
        <translation>Effacer la route</translation>
    </message>
    <message>
        <source>Reverse route</source>
        <translation>Inverser la route</translation>
    </message>
    <message>
        <source>Fit to zoom</source>
        <translation>Ajuster le zoom</translation>
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
        <translation>Générateur</translation>
    </message>
    <message>
        <source>Add point to the route</source>
        <translation>Ajouter le point à la route</translation>
    </message>
    <message>
        <source>Start with point</source>
        <translation>Commencer par le point</translation>
    </message>
    <message>
        <source>End with point</source>
        <translation>Terminer par le point</translation>
    </message>
    <message>
        <source>Remove point from route</source>
        <translation>Retirer le point de la route</translation>
    </message>
    <message>
        <source>Add or remove point</source>
        <translation>Ajouter ou retirer le point</translation>
    </message>
    <message>
        <source>Compute altitudes and speeds</source>
        <translation>Calculer les altitudes et vitesses</translation>
    </message>
    <message>
        <source>Autocompute on waypoint change</source>
        <translation>Calcul automatique à chaque modification des points</translation>
    </message>
    <message>
        <source>Information for point</source>
        <translation>Informations sur le point</translation>
    </message>
    <message>
        <source>Information for waypoint</source>
        <translation>Informations sur le point de cheminement</translation>
    </message>
    <message>
        <source>Edit the current waypoint</source>
        <translation>Modifier le point de cheminement actuel</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Inverser</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Update oceanic tracks...</source>
        <translation>Mettre à jour les routes océaniques...</translation>
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
        <source>Routing failed: no thread can be started for the search</source>
        <translation>Échec du calcul de route : aucun thread ne peut être démarré pour la recherche</translation>
    </message>
    <message>
        <source>Routing failed: there is not enough memory for the search</source>
        <translation>Échec du calcul de route : la mémoire ne suffit pas pour la recherche</translation>
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
    <name>RunwayContextMenu</name>
    <message>
        <source>Runway %1</source>
        <translation>Piste %1</translation>
    </message>
    <message>
        <source>Show information</source>
        <translation>Afficher les informations</translation>
    </message>
    <message>
        <source>Fit to zoom</source>
        <translation>Ajuster le zoom</translation>
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
        <translation>Le fichier %1 existe déjà.</translation>
    </message>
    <message>
        <source>Do you want to replace it?</source>
        <translation>Voulez-vous l&apos;écraser ?</translation>
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
    <name>SegmentContextMenu</name>
    <message>
        <source>Segment %1</source>
        <translation>Segment %1</translation>
    </message>
    <message>
        <source>Show information</source>
        <translation>Afficher les informations</translation>
    </message>
    <message>
        <source>Fit to zoom</source>
        <translation>Ajuster le zoom</translation>
    </message>
    <message>
        <source>First point %1</source>
        <translation>Premier point %1</translation>
    </message>
    <message>
        <source>Select %1</source>
        <translation>Sélectionner %1</translation>
    </message>
    <message>
        <source>Add to the route</source>
        <translation>Ajouter à la route</translation>
    </message>
    <message>
        <source>Remove from route</source>
        <translation>Retirer de la route</translation>
    </message>
    <message>
        <source>Second point %1</source>
        <translation>Second point %1</translation>
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
        <translation>Le fichier de préférences %1 est illisible : le programme démarre avec ses préférences par défaut.</translation>
    </message>
    <message>
        <source>The preferences file %1 cannot be read. It is kept as %2, and the program starts with its default preferences.</source>
        <translation>Le fichier de préférences %1 est illisible. Il est conservé sous le nom %2, et le programme démarre avec ses préférences par défaut.</translation>
    </message>
    <message>
        <source>The preferences file %1 cannot be read.</source>
        <translation>Le fichier de préférences %1 est illisible.</translation>
    </message>
    <message>
        <source>Line %1 of the preferences file %2 cannot be read: &quot;%3&quot;. Every other preference is kept, and the file as it was is kept as %4.</source>
        <translation>La ligne %1 du fichier de préférences %2 est illisible : « %3 ». Toutes les autres préférences sont conservées, et le fichier tel qu&apos;il était est conservé sous le nom %4.</translation>
    </message>
    <message>
        <source>Lines %1 of the preferences file %2 cannot be read: %3. Every other preference is kept, and the file as it was is kept as %4.</source>
        <translation>Les lignes %1 du fichier de préférences %2 sont illisibles : %3. Toutes les autres préférences sont conservées, et le fichier tel qu&apos;il était est conservé sous le nom %4.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <comment>a line of the preferences file, quoted as the language quotes</comment>
        <translation>« %1 »</translation>
    </message>
    <message>
        <source>The preferences file %1 has lines that cannot be read, and they cannot be left out: the disk is full. The file is kept as it is, and the program uses the preferences it could read in it.</source>
        <translation>Le fichier de préférences %1 contient des lignes illisibles, et elles ne peuvent pas être retirées : le disque est plein. Le fichier est conservé tel quel, et le programme utilise les préférences qu&apos;il a pu y lire.</translation>
    </message>
    <message>
        <source>The preferences file %1 cannot be read. It is kept as %2, and the program does without it.</source>
        <translation>Le fichier de préférences %1 est illisible. Il est conservé sous le nom %2, et le programme s&apos;en passe.</translation>
    </message>
    <message>
        <source>The preferences cannot be written to %1: the disk may be full or the file protected. Preferences changed in this session will be lost when the program ends.</source>
        <translation>Les préférences ne peuvent pas être écrites dans %1 : le disque est peut-être plein ou le fichier protégé. Les préférences modifiées pendant cette session seront perdues à la fermeture du programme.</translation>
    </message>
</context>
<context>
    <name>SoftwareUpdate</name>
    <message>
        <source>Cannot reach the update page, no update check done</source>
        <translation>Impossible d&apos;atteindre la page des mises à jour, aucune vérification effectuée</translation>
    </message>
    <message>
        <source>No update check done: %1</source>
        <translation>Aucune vérification des mises à jour effectuée : %1</translation>
    </message>
    <message>
        <source>Software update</source>
        <translation>Mise à jour du logiciel</translation>
    </message>
    <message>
        <source>Checking for software updates...</source>
        <translation>Recherche de mises à jour du logiciel...</translation>
    </message>
    <message>
        <source>New version %1 available (you are running version %2).</source>
        <translation>Nouvelle version %1 disponible (vous utilisez la version %2).</translation>
    </message>
    <message>
        <source>You are already running the latest version %1.</source>
        <translation>Vous utilisez déjà la dernière version %1.</translation>
    </message>
    <message>
        <source>Cannot check for new version, error code %1</source>
        <translation>Impossible de vérifier la présence d&apos;une nouvelle version, code d&apos;erreur %1</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
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
        <translation>L&apos;AIRAC %1 est périmé </translation>
    </message>
    <message>
        <source>→ get cycle %2 from </source>
        <translation>→ procurez-vous le cycle %2 auprès de </translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Loading ...</source>
        <translation>Chargement...</translation>
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
    <message>
        <source>Cannot read tracks: the answer is empty.</source>
        <translation>Impossible de lire les routes océaniques : la réponse est vide.</translation>
    </message>
    <message>
        <source>Cannot read tracks: the answer holds no track.</source>
        <translation>Impossible de lire les routes océaniques : la réponse ne contient aucune route.</translation>
    </message>
    <message>
        <source>No track could be laid on the fixes of the database.</source>
        <translation>Aucune route n&apos;a pu être placée sur les points de la base de données.</translation>
    </message>
    <message>
        <source>Left out: %1</source>
        <translation>Omis : %1</translation>
    </message>
</context>
<context>
    <name>TracksUpdateDialog</name>
    <message>
        <source>Oceanic tracks</source>
        <translation>Routes océaniques</translation>
    </message>
    <message>
        <source>Updating tracks...</source>
        <translation>Mise à jour des routes...</translation>
    </message>
    <message>
        <source>Updated tracks:</source>
        <translation>Routes mises à jour :</translation>
    </message>
    <message>
        <source>Tracks not updated, the tracks in use are kept:</source>
        <translation>Routes non mises à jour, les routes en service sont conservées :</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>TransitionContextMenu</name>
    <message>
        <source>Transition %1</source>
        <translation>Transition %1</translation>
    </message>
    <message>
        <source>Insert transition</source>
        <translation>Insérer la transition</translation>
    </message>
    <message>
        <source>Hide %1</source>
        <translation>Masquer %1</translation>
    </message>
    <message>
        <source>Show only %1</source>
        <translation>Afficher seulement %1</translation>
    </message>
    <message>
        <source>Procedure %1</source>
        <translation>Procédure %1</translation>
    </message>
    <message>
        <source>Show all transitions</source>
        <translation>Afficher toutes les transitions</translation>
    </message>
    <message>
        <source>Fit to zoom</source>
        <translation>Ajuster le zoom</translation>
    </message>
</context>
<context>
    <name>ViewMenu</name>
    <message>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>Flight plan</source>
        <translation>Plan de vol</translation>
    </message>
    <message>
        <source>Side panel</source>
        <translation>Panneau latéral</translation>
    </message>
    <message>
        <source>Previous info item</source>
        <translation>Élément d&apos;info précédent</translation>
    </message>
    <message>
        <source>Next info item</source>
        <translation>Élément d&apos;info suivant</translation>
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
        <translation>(V2 %1kts pour %2)</translation>
    </message>
    <message>
        <source>(VAT %1kts for %2)</source>
        <translation>(VAT %1kts pour %2)</translation>
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
    <name>WaypointContextMenu</name>
    <message>
        <source>Waypoint %1</source>
        <translation>Point %1</translation>
    </message>
    <message>
        <source>%1 information</source>
        <translation>Informations sur %1</translation>
    </message>
    <message>
        <source>Airport information</source>
        <translation>Informations sur l&apos;aéroport</translation>
    </message>
    <message>
        <source>Waypoint info</source>
        <translation>Infos du point</translation>
    </message>
    <message>
        <source>Edit waypoint...</source>
        <translation>Modifier le point...</translation>
    </message>
    <message>
        <source>Remove waypoint</source>
        <translation>Retirer le point</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Duplicate waypoint</source>
        <translation>Dupliquer le point</translation>
    </message>
</context>
<context>
    <name>WaypointDelegateModel</name>
    <message>
        <source>No SID</source>
        <translation>Aucune SID</translation>
    </message>
    <message>
        <source>No STAR</source>
        <translation>Aucune STAR</translation>
    </message>
</context>
<context>
    <name>WaypointEditDialog</name>
    <message>
        <source>Edit waypoint %1</source>
        <translation>Modifier le point %1</translation>
    </message>
    <message>
        <source>Altitude and IAS cannot be modified as &apos;auto-compute&apos; is enabled.
You can uncheck this feature in the &apos;Route&apos; menu.</source>
        <translation>L&apos;altitude et l&apos;IAS ne peuvent pas être modifiées car le « calcul automatique » est activé.
Vous pouvez désactiver cette fonction dans le menu « Route ».</translation>
    </message>
    <message>
        <source>Edit altitude, IAS or comment for this waypoint. Empty the field 
to clear the value.</source>
        <translation>Modifiez l&apos;altitude, l&apos;IAS ou le commentaire de ce point. Videz le champ 
pour effacer la valeur.</translation>
    </message>
    <message>
        <source>Editable properties</source>
        <translation>Propriétés modifiables</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Altitude</translation>
    </message>
    <message>
        <source>FL or ft</source>
        <translation>FL ou ft</translation>
    </message>
    <message>
        <source>Format 1500ft or FL300</source>
        <translation>Format 1500ft ou FL300</translation>
    </message>
    <message>
        <source>IAS</source>
        <translation>IAS</translation>
    </message>
    <message>
        <source>M or kts</source>
        <translation>M ou kt</translation>
    </message>
    <message>
        <source>Format 180kts or M0.78</source>
        <translation>Format 180kts ou M0,78</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Altitude illisible : 1500ft ou FL300</translation>
    </message>
    <message>
        <source>Above the ceiling FL%1</source>
        <translation>Au-dessus du plafond FL%1</translation>
    </message>
    <message>
        <source>Below %1ft</source>
        <translation>Sous %1ft</translation>
    </message>
    <message>
        <source>Not a speed: 180kts or M0.78</source>
        <translation>Vitesse illisible : 180kts ou M0,78</translation>
    </message>
    <message>
        <source>Above the top speed M%1</source>
        <translation>Au-delà de la vitesse maximale M%1</translation>
    </message>
    <message>
        <source>Below %1kts</source>
        <translation>Sous %1kts</translation>
    </message>
    <message>
        <source>Above the top speed %1kts</source>
        <translation>Au-delà de la vitesse maximale %1kts</translation>
    </message>
    <message>
        <source>-1ft means no altitude: empty the field</source>
        <translation>-1ft signifie aucune altitude : videz le champ</translation>
    </message>
</context>
<context>
    <name>Weather</name>
    <message>
        <source>Weather maps need the address of a weather tile service (setting &quot;weather/tileHost&quot;).</source>
        <translation>Les cartes météo nécessitent l&apos;adresse d&apos;un service de tuiles météo (réglage &quot;weather/tileHost&quot;).</translation>
    </message>
    <message>
        <source>Weather maps need the API key of the weather tile service, 32 lower-case hexadecimal characters (setting &quot;weather/apiKey&quot;).</source>
        <translation>Les cartes météo nécessitent la clé d&apos;API du service de tuiles météo, 32 caractères hexadécimaux en minuscules (réglage &quot;weather/apiKey&quot;).</translation>
    </message>
</context>
<context>
    <name>WholeReadFile</name>
    <message>
        <source>%1 is a folder, a device or a pipe, not a file.</source>
        <translation>%1 est un dossier, un périphérique ou un tube, pas un fichier.</translation>
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
    <message>
        <source>ERROR: cannot write databasefile: %1</source>
        <translation>ERREUR : impossible d&apos;écrire le fichier de base de données : %1</translation>
    </message>
    <message>
        <source>ERROR: the import needs more memory than there is</source>
        <translation>ERREUR : l&apos;importation demande plus de mémoire qu&apos;il n&apos;y en a</translation>
    </message>
    <message>
        <source>ERROR: the import failed: %1</source>
        <translation>ERREUR : l&apos;importation a échoué : %1</translation>
    </message>
    <message>
        <source>ERROR: no thread can be started for the import</source>
        <translation>ERREUR : aucun thread ne peut être démarré pour l&apos;import</translation>
    </message>
</context>
</TS>
