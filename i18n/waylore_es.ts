<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AirplaneListModel</name>
    <message>
        <source>New airplane</source>
        <translation>Nuevo avión</translation>
    </message>
    <message>
        <source>The airplane file %1 does not exist.</source>
        <translation>El archivo de avión %1 no existe.</translation>
    </message>
    <message>
        <source>%1 is a folder, not an airplane file.</source>
        <translation>%1 es una carpeta, no un archivo de avión.</translation>
    </message>
    <message>
        <source>The airplane file %1 cannot be opened: %2</source>
        <translation>No se puede abrir el archivo de avión %1: %2</translation>
    </message>
    <message>
        <source>The file %1 is too large to be an airplane file.</source>
        <translation>El archivo %1 es demasiado grande para ser un archivo de avión.</translation>
    </message>
    <message>
        <source>The airplane file %1 is empty.</source>
        <translation>El archivo de avión %1 está vacío.</translation>
    </message>
    <message>
        <source>The file %1 is not a valid airplane file. %2</source>
        <translation>El archivo %1 no es un archivo de avión válido. %2</translation>
    </message>
    <message>
        <source>The file %1 is not a valid airplane file. Unknown fuel type %2.</source>
        <translation>El archivo %1 no es un archivo de avión válido. Tipo de combustible desconocido %2.</translation>
    </message>
    <message>
        <source>The file %1 is not a valid airplane file. Unknown fuel unit type %2.</source>
        <translation>El archivo %1 no es un archivo de avión válido. Tipo de unidad de combustible desconocido %2.</translation>
    </message>
    <message>
        <source>There is no airplane to export.</source>
        <translation>No hay ningún avión que exportar.</translation>
    </message>
    <message>
        <source>No file name was given for the airplane.</source>
        <translation>No se ha indicado ningún nombre de archivo para el avión.</translation>
    </message>
    <message>
        <source>The airplane file %1 cannot be written: %2</source>
        <translation>No se puede escribir el archivo de avión %1: %2</translation>
    </message>
</context>
<context>
    <name>Airport</name>
    <message>
        <source>Airport %1</source>
        <translation>Aeropuerto %1</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Región</translation>
    </message>
    <message>
        <source>UID</source>
        <translation>UID</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Elevación</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>METAR</source>
        <translation>METAR</translation>
    </message>
    <message>
        <source>Loading METAR...</source>
        <translation>Cargando METAR...</translation>
    </message>
    <message>
        <source>Runway</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Air Traffic Control (ATC)</source>
        <translation>Control del tránsito aéreo (ATC)</translation>
    </message>
    <message>
        <source>No ATCs for %1</source>
        <translation>Ningún ATC para %1</translation>
    </message>
    <message>
        <source>ATC</source>
        <translation>ATC</translation>
    </message>
    <message>
        <source>SID/STAR procedures</source>
        <translation>Procedimientos SID/STAR</translation>
    </message>
    <message>
        <source>No procedures for %1</source>
        <translation>Ningún procedimiento para %1</translation>
    </message>
    <message>
        <source>Show all sections for %1</source>
        <translation>Mostrar todas las secciones de %1</translation>
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
        <translation>Entrega de autorizaciones</translation>
    </message>
    <message>
        <source>Ground</source>
        <translation>Rodadura</translation>
    </message>
    <message>
        <source>Tower</source>
        <translation>Torre</translation>
    </message>
    <message>
        <source>Approach</source>
        <translation>Aproximación</translation>
    </message>
    <message>
        <source>Departure</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Unkown ATC type</source>
        <translation>Tipo de ATC desconocido</translation>
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
        <translation>Descomprimiendo la base de datos...</translation>
    </message>
    <message>
        <source>Loading points...</source>
        <translation>Cargando puntos...</translation>
    </message>
    <message>
        <source>Loading procedures...</source>
        <translation>Cargando procedimientos...</translation>
    </message>
    <message>
        <source>Loading segments...</source>
        <translation>Cargando segmentos...</translation>
    </message>
    <message>
        <source>Loading runways...</source>
        <translation>Cargando pistas...</translation>
    </message>
    <message>
        <source>Loading aiport boundaries...</source>
        <translation>Cargando límites de aeropuerto...</translation>
    </message>
    <message>
        <source>Loading taxiways...</source>
        <translation>Cargando calles de rodaje...</translation>
    </message>
    <message>
        <source>Loading ground paintings...</source>
        <translation>Cargando marcas en el suelo...</translation>
    </message>
    <message>
        <source>Loading taxi names...</source>
        <translation>Cargando nombres de calles de rodaje...</translation>
    </message>
    <message>
        <source>Loading startup points...</source>
        <translation>Cargando puestos de estacionamiento...</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>Cannot save file</source>
        <translation>No se puede guardar el archivo</translation>
    </message>
    <message>
        <source>The document has no file name.</source>
        <translation>El documento no tiene nombre de archivo.</translation>
    </message>
    <message>
        <source>Cannot open file</source>
        <translation>No se puede abrir el archivo</translation>
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
        <translation>X-Plane 11/12 FMS sin SID/STAR (*.fms)</translation>
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
        <translation>Garmin GTN sin SID/STAR (*.gfp)</translation>
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
        <translation>Plan de vuelo PMDG (*.rte)</translation>
    </message>
    <message>
        <source>Universal FMC (*.ufmc)</source>
        <translation>Universal FMC (*.ufmc)</translation>
    </message>
    <message>
        <source>GPS eXchange Format (*.gpx)</source>
        <translation>Formato de intercambio GPS (*.gpx)</translation>
    </message>
    <message>
        <source>Google Earth (*.kml)</source>
        <translation>Google Earth (*.kml)</translation>
    </message>
    <message>
        <source>Operational Flight Plan (*.txt)</source>
        <translation>Plan de vuelo operacional (*.txt)</translation>
    </message>
    <message>
        <source>Adobe PDF (*.pdf)</source>
        <translation>Adobe PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Copy full route to clipboard</source>
        <translation>Copiar la ruta completa al portapapeles</translation>
    </message>
    <message>
        <source>Copy en-route part to clipboard</source>
        <translation>Copiar la parte en ruta al portapapeles</translation>
    </message>
    <message>
        <source>Copy ICAO route to clipboard</source>
        <translation>Copiar la ruta OACI al portapapeles</translation>
    </message>
    <message>
        <source>Copy all waypoints to clipboard</source>
        <translation>Copiar todos los puntos de ruta al portapapeles</translation>
    </message>
    <message>
        <source>Copy operational briefing to clipboard</source>
        <translation>Copiar el briefing operacional al portapapeles</translation>
    </message>
    <message>
        <source>IVAO flight plan</source>
        <translation>Plan de vuelo IVAO</translation>
    </message>
    <message>
        <source>VATSIM flight plan</source>
        <translation>Plan de vuelo VATSIM</translation>
    </message>
    <message>
        <source>Shared link</source>
        <translation>Enlace compartido</translation>
    </message>
    <message>
        <source>The flight plan needs at least a departure and an arrival to be exported.</source>
        <translation>El plan de vuelo necesita al menos una salida y una llegada para poder exportarse.</translation>
    </message>
    <message>
        <source>A shared link needs the image of the map: share from the File menu, or choose a file format as the default export format in the preferences.</source>
        <translation>Un enlace compartido necesita la imagen del mapa: comparta desde el menú Archivo o elija un formato de archivo como formato de exportación predeterminado en las preferencias.</translation>
    </message>
    <message>
        <source>Export format %1 is not known.</source>
        <translation>El formato de exportación %1 es desconocido.</translation>
    </message>
    <message>
        <source>A shared link needs the image of the map: share from the File menu.</source>
        <translation>Un enlace compartido necesita la imagen del mapa: comparta desde el menú Archivo.</translation>
    </message>
    <message>
        <source>No export folder is set: choose the simulator folder, or a folder of your own in the export preferences.</source>
        <translation>No hay ninguna carpeta de exportación definida: elija la carpeta del simulador o una carpeta propia en las preferencias de exportación.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>La carpeta %1 no existe.</translation>
    </message>
    <message>
        <source>A PDF can only be made by the program with its windows.</source>
        <translation>Solo el programa con sus ventanas puede crear un PDF.</translation>
    </message>
    <message>
        <source>The file %1 could not be made from the flight plan.</source>
        <translation>No se ha podido crear el archivo %1 a partir del plan de vuelo.</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1: %2</source>
        <translation>No se puede escribir en la carpeta %1: %2</translation>
    </message>
    <message>
        <source>Cannot write the file %1 (is the disk full?): %2</source>
        <translation>No se puede escribir el archivo %1 (¿está lleno el disco?): %2</translation>
    </message>
    <message>
        <source>Clipboard text %1 is not known.</source>
        <translation>El texto de portapapeles %1 es desconocido.</translation>
    </message>
    <message>
        <source>There is no clipboard to copy to.</source>
        <translation>No hay ningún portapapeles al que copiar.</translation>
    </message>
    <message>
        <source>The text could not be made from the flight plan.</source>
        <translation>No se ha podido crear el texto a partir del plan de vuelo.</translation>
    </message>
    <message>
        <source>clipboard</source>
        <translation>portapapeles</translation>
    </message>
    <message>
        <source>The address of the filing page is not valid: %1</source>
        <translation>La dirección de la página de presentación del plan de vuelo no es válida: %1</translation>
    </message>
    <message>
        <source>No web browser could open %1</source>
        <translation>Ningún navegador web ha podido abrir %1</translation>
    </message>
    <message>
        <source>A shared link is being made already.</source>
        <translation>Ya se está creando un enlace compartido.</translation>
    </message>
    <message>
        <source>The map image %1 cannot be read: %2</source>
        <translation>No se puede leer la imagen del mapa %1: %2</translation>
    </message>
    <message>
        <source>The address of the share service is not valid: %1</source>
        <translation>La dirección del servicio para compartir no es válida: %1</translation>
    </message>
    <message>
        <source>The share service did not answer in time. Please try again later.</source>
        <translation>El servicio para compartir no ha respondido a tiempo. Inténtelo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>The share service cannot be reached: %1</source>
        <translation>No se puede contactar con el servicio para compartir: %1</translation>
    </message>
    <message>
        <source>The share service answered with an error (%1). Please try again later.</source>
        <translation>El servicio para compartir ha respondido con un error (%1). Inténtelo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>The share service gave no link.</source>
        <translation>El servicio para compartir no ha devuelto ningún enlace.</translation>
    </message>
</context>
<context>
    <name>FlightplanXml</name>
    <message>
        <source>Waypoint %1 has no position on earth (%2, %3), it can not be opened!</source>
        <translation>¡El punto de ruta %1 no tiene posición en la Tierra (%2, %3), no se puede abrir!</translation>
    </message>
</context>
<context>
    <name>FmsImport</name>
    <message>
        <source>Cannot open file</source>
        <translation>No se puede abrir el archivo</translation>
    </message>
    <message>
        <source>Wrong file format</source>
        <translation>Formato de archivo incorrecto</translation>
    </message>
    <message>
        <source>This file is not recognized as a flightplan FMS file.</source>
        <translation>Este archivo no se reconoce como un plan de vuelo FMS.</translation>
    </message>
    <message>
        <source>This file is not at FMS version 3 or FMS1100.</source>
        <translation>Este archivo no está en la versión 3 de FMS ni en FMS1100.</translation>
    </message>
    <message>
        <source>No navigation database to resolve the waypoints.</source>
        <translation>No hay base de datos de navegación para resolver los puntos de ruta.</translation>
    </message>
</context>
<context>
    <name>Generator</name>
    <message>
        <source>Navigation database changed. Please generate the route again.</source>
        <translation>La base de datos de navegación ha cambiado. Genere la ruta de nuevo.</translation>
    </message>
</context>
<context>
    <name>InfoManager</name>
    <message>
        <source>No METAR available for %1.</source>
        <translation>No hay METAR disponible para %1.</translation>
    </message>
    <message>
        <source>Cannot fetch METAR for %1: %2</source>
        <translation>No se puede obtener el METAR de %1: %2</translation>
    </message>
    <message>
        <source>Show waypoint details %1</source>
        <translation>Mostrar los detalles del punto de ruta %1</translation>
    </message>
</context>
<context>
    <name>Metar</name>
    <message>
        <source>Few clouds</source>
        <translation>Pocas nubes</translation>
    </message>
    <message>
        <source>Scattered clouds</source>
        <translation>Nubes dispersas</translation>
    </message>
    <message>
        <source>Broken cloud cover</source>
        <translation>Nubosidad fragmentada</translation>
    </message>
    <message>
        <source>Overcast</source>
        <translation>Cubierto</translation>
    </message>
    <message>
        <source>Vertical visibility</source>
        <translation>Visibilidad vertical</translation>
    </message>
    <message>
        <source>drizzle</source>
        <translation>llovizna</translation>
    </message>
    <message>
        <source>rain</source>
        <translation>lluvia</translation>
    </message>
    <message>
        <source>snow</source>
        <translation>nieve</translation>
    </message>
    <message>
        <source>snow grains</source>
        <translation>cinarra</translation>
    </message>
    <message>
        <source>ice crystals</source>
        <translation>cristales de hielo</translation>
    </message>
    <message>
        <source>ice pellets</source>
        <translation>hielo granulado</translation>
    </message>
    <message>
        <source>hail</source>
        <translation>granizo</translation>
    </message>
    <message>
        <source>small hail or snow pellets</source>
        <translation>granizo pequeño o nieve granulada</translation>
    </message>
    <message>
        <source>unknown precipitation</source>
        <translation>precipitación desconocida</translation>
    </message>
    <message>
        <source>mist</source>
        <translation>neblina</translation>
    </message>
    <message>
        <source>fog</source>
        <translation>niebla</translation>
    </message>
    <message>
        <source>smoke</source>
        <translation>humo</translation>
    </message>
    <message>
        <source>volcanic ash</source>
        <translation>ceniza volcánica</translation>
    </message>
    <message>
        <source>widespread dust</source>
        <translation>polvo extendido</translation>
    </message>
    <message>
        <source>sand</source>
        <translation>arena</translation>
    </message>
    <message>
        <source>haze</source>
        <translation>calima</translation>
    </message>
    <message>
        <source>spray</source>
        <translation>rociones</translation>
    </message>
    <message>
        <source>dust or sand whirls</source>
        <translation>remolinos de polvo o arena</translation>
    </message>
    <message>
        <source>squalls</source>
        <translation>turbonadas</translation>
    </message>
    <message>
        <source>funnel cloud</source>
        <translation>nube embudo</translation>
    </message>
    <message>
        <source>sandstorm</source>
        <translation>tempestad de arena</translation>
    </message>
    <message>
        <source>duststorm</source>
        <translation>tempestad de polvo</translation>
    </message>
    <message>
        <source>light %1</source>
        <translation>%1 débil</translation>
    </message>
    <message>
        <source>heavy %1</source>
        <translation>%1 fuerte</translation>
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
        <translation>Calma</translation>
    </message>
    <message>
        <source>Variable direction at %1 %2</source>
        <translation>Dirección variable a %1 %2</translation>
    </message>
    <message>
        <source>From %1° true at %2 %3</source>
        <translation>Del %1° verdadero a %2 %3</translation>
    </message>
    <message>
        <source>, gusting to %1 %2</source>
        <translation>, ráfagas de %1 %2</translation>
    </message>
    <message>
        <source>%1, height unavailable</source>
        <translation>%1, altura no disponible</translation>
    </message>
    <message>
        <source>%1 at %2 ft above ground</source>
        <translation>%1 a %2 ft sobre el suelo</translation>
    </message>
    <message>
        <source>%1 below 100 ft above ground</source>
        <translation>%1 por debajo de 100 ft sobre el suelo</translation>
    </message>
    <message>
        <source> (cumulonimbus)</source>
        <translation> (cumulonimbo)</translation>
    </message>
    <message>
        <source> (towering cumulus)</source>
        <translation> (cúmulo en torre)</translation>
    </message>
    <message>
        <source>Clear sky</source>
        <translation>Cielo despejado</translation>
    </message>
    <message>
        <source>No clouds detected below 12000 ft</source>
        <translation>No se detectan nubes por debajo de 12000 ft</translation>
    </message>
    <message>
        <source>No clouds detected</source>
        <translation>No se detectan nubes</translation>
    </message>
    <message>
        <source>No significant clouds</source>
        <translation>Sin nubes significativas</translation>
    </message>
    <message>
        <source>Varying from %1° to %2° true</source>
        <translation>Variando de %1° a %2° verdadero</translation>
    </message>
    <message>
        <source>10 km or more</source>
        <translation>10 km o más</translation>
    </message>
    <message>
        <source>No significant weather</source>
        <translation>Sin tiempo significativo</translation>
    </message>
    <message>
        <source>No clouds below 5000 ft or the higher minimum sector altitude; no cumulonimbus or towering cumulus</source>
        <translation>Sin nubes por debajo de 5000 ft o de la altitud mínima de sector más alta; sin cumulonimbos ni cúmulos en torre</translation>
    </message>
    <message>
        <source>Less than 50 m</source>
        <translation>Menos de 50 m</translation>
    </message>
    <message>
        <source>%1 m</source>
        <translation>%1 m</translation>
    </message>
    <message>
        <source>%1 %2 statute miles</source>
        <translation>%1 %2 millas terrestres</translation>
    </message>
    <message>
        <source>Less than %1 statute miles</source>
        <translation>Menos de %1 millas terrestres</translation>
    </message>
    <message>
        <source>More than %1 statute miles</source>
        <translation>Más de %1 millas terrestres</translation>
    </message>
    <message>
        <source>%1 statute miles</source>
        <translation>%1 millas terrestres</translation>
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
        <translation>Observado</translation>
    </message>
    <message>
        <source>Day %1 of the month, %2:%3 UTC</source>
        <translation>Día %1 del mes, %2:%3 UTC</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>Automated observation</source>
        <translation>Observación automática</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Viento</translation>
    </message>
    <message>
        <source>Wind direction</source>
        <translation>Dirección del viento</translation>
    </message>
    <message>
        <source>Visibility</source>
        <translation>Visibilidad</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Tiempo presente</translation>
    </message>
    <message>
        <source>Clouds</source>
        <translation>Nubes</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Dew point</source>
        <translation>Punto de rocío</translation>
    </message>
    <message>
        <source>Altimeter (QNH)</source>
        <translation>Reglaje altimétrico (QNH)</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>thunderstorm with %1</source>
        <translation>tormenta con %1</translation>
    </message>
    <message>
        <source>thunderstorm</source>
        <translation>tormenta</translation>
    </message>
    <message>
        <source>showers</source>
        <translation>chubascos</translation>
    </message>
    <message>
        <source>showers of %1</source>
        <translation>chubascos de %1</translation>
    </message>
    <message>
        <source>freezing %1</source>
        <translation>%1 engelante</translation>
    </message>
    <message>
        <source>shallow %1</source>
        <translation>%1 baja</translation>
    </message>
    <message>
        <source>partial %1</source>
        <translation>%1 parcial</translation>
    </message>
    <message>
        <source>patches of %1</source>
        <translation>bancos de %1</translation>
    </message>
    <message>
        <source>low drifting %1</source>
        <translation>%1 levantada a poca altura</translation>
    </message>
    <message>
        <source>blowing %1</source>
        <translation>%1 levantada</translation>
    </message>
    <message>
        <source>%1 in the vicinity</source>
        <translation>%1 en las proximidades</translation>
    </message>
    <message>
        <source>tornado or waterspout</source>
        <translation>tornado o tromba marina</translation>
    </message>
    <message>
        <source>%1 °C</source>
        <translation>%1 °C</translation>
    </message>
    <message>
        <source>more than %1</source>
        <translation>más de %1</translation>
    </message>
</context>
<context>
    <name>NetLoader</name>
    <message>
        <source>Downloading database:</source>
        <translation>Descargando la base de datos:</translation>
    </message>
    <message>
        <source>Writing database file...</source>
        <translation>Escribiendo el archivo de la base de datos...</translation>
    </message>
    <message>
        <source>ERROR: cannot write databasefile</source>
        <translation>ERROR: no se puede escribir el archivo de la base de datos</translation>
    </message>
    <message>
        <source>Loading database...</source>
        <translation>Cargando la base de datos...</translation>
    </message>
    <message>
        <source>ERROR: cannot download database</source>
        <translation>ERROR: no se puede descargar la base de datos</translation>
    </message>
    <message>
        <source>Database successfully downloaded!</source>
        <translation>¡Base de datos descargada correctamente!</translation>
    </message>
    <message>
        <source>ERROR: cannot load database file!</source>
        <translation>ERROR: ¡no se puede cargar el archivo de la base de datos!</translation>
    </message>
</context>
<context>
    <name>Point</name>
    <message>
        <source>Region %1</source>
        <translation>Región %1</translation>
    </message>
    <message>
        <source>enroute</source>
        <translation>en ruta</translation>
    </message>
    <message>
        <source>attached to %1</source>
        <translation>asociado a %1</translation>
    </message>
    <message>
        <source>ARC Center Fix Waypoint</source>
        <translation>Punto centro de arco (ARC)</translation>
    </message>
    <message>
        <source>Combined Named Intersection and RNAV</source>
        <translation>Intersección con nombre y punto RNAV combinados</translation>
    </message>
    <message>
        <source>Unnamed Charted Intersection</source>
        <translation>Intersección cartografiada sin nombre</translation>
    </message>
    <message>
        <source>Middle Marker as Waypoint</source>
        <translation>Radiobaliza intermedia como punto de ruta</translation>
    </message>
    <message>
        <source>NDB Navaid as Waypoint</source>
        <translation>Radiofaro NDB como punto de ruta</translation>
    </message>
    <message>
        <source>Outer Marker as Waypoint</source>
        <translation>Radiobaliza exterior como punto de ruta</translation>
    </message>
    <message>
        <source>Named Intersection</source>
        <translation>Intersección con nombre</translation>
    </message>
    <message>
        <source>RNAV Waypoint</source>
        <translation>Punto de ruta RNAV</translation>
    </message>
    <message>
        <source>Final Approach Fix</source>
        <translation>Fijo de aproximación final</translation>
    </message>
    <message>
        <source>Initial and Final Approach Fix</source>
        <translation>Fijo de aproximación inicial y final</translation>
    </message>
    <message>
        <source>Final Approach Course Fix</source>
        <translation>Fijo de curso de aproximación final</translation>
    </message>
    <message>
        <source>Intermediate Approach Fix</source>
        <translation>Fijo de aproximación intermedia</translation>
    </message>
    <message>
        <source>Off-Route Intersection</source>
        <translation>Intersección fuera de ruta</translation>
    </message>
    <message>
        <source>Initial Approach Fix</source>
        <translation>Fijo de aproximación inicial</translation>
    </message>
    <message>
        <source>Final Approach Course Fix at Initial Approach Fix</source>
        <translation>Fijo de curso de aproximación final en el fijo de aproximación inicial</translation>
    </message>
    <message>
        <source>Final Approach Course Fix at Intermediate Approach Fix</source>
        <translation>Fijo de curso de aproximación final en el fijo de aproximación intermedia</translation>
    </message>
    <message>
        <source>Missed Approach Fix</source>
        <translation>Fijo de aproximación frustrada</translation>
    </message>
    <message>
        <source>Initial Approach Fix and Missed Approach Fix</source>
        <translation>Fijo de aproximación inicial y de aproximación frustrada</translation>
    </message>
    <message>
        <source>Oceanic Entry/Exit Waypoint</source>
        <translation>Punto de entrada/salida oceánica</translation>
    </message>
    <message>
        <source>Unnamed Stepdown Fix</source>
        <translation>Fijo de escalón sin nombre</translation>
    </message>
    <message>
        <source>Named Stepdown Fix</source>
        <translation>Fijo de escalón con nombre</translation>
    </message>
    <message>
        <source>FIR/UIR or Controlled Airspace Intersection</source>
        <translation>Intersección FIR/UIR o de espacio aéreo controlado</translation>
    </message>
    <message>
        <source>Latitude/Longitude Intersection Full Degree of Latitude</source>
        <translation>Intersección latitud/longitud, grado entero de latitud</translation>
    </message>
    <message>
        <source>Latitude/Longitude Intersection Half Degree of Latitude</source>
        <translation>Intersección latitud/longitud, medio grado de latitud</translation>
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
        <translation>Aproximación</translation>
    </message>
    <message>
        <source>Multiple</source>
        <translation>Múltiple</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Región</translation>
    </message>
    <message>
        <source>UID</source>
        <translation>UID</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>FIX type</source>
        <translation>Tipo de fijo</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>enroute (no terminal)</source>
        <translation>en ruta (sin terminal)</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Elevación</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Attached %1 procedure</source>
        <translation>Procedimiento %1 asociado</translation>
    </message>
    <message>
        <source>to %1 %2 (%3 %4)</source>
        <translation>hacia %1 %2 (%3 %4)</translation>
    </message>
    <message>
        <source>from %1 %2 (%3 %4)</source>
        <translation>desde %1 %2 (%3 %4)</translation>
    </message>
    <message>
        <source>Outgoing segments</source>
        <translation>Segmentos salientes</translation>
    </message>
    <message>
        <source>Incoming segments</source>
        <translation>Segmentos entrantes</translation>
    </message>
</context>
<context>
    <name>PrintManager</name>
    <message>
        <source>Operational flight plan</source>
        <translation>Plan de vuelo operacional</translation>
    </message>
</context>
<context>
    <name>Procedure</name>
    <message>
        <source>Unknown procedure type</source>
        <translation>Tipo de procedimiento desconocido</translation>
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
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Registros</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>Salidas</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Entradas</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instrucciones</translation>
    </message>
    <message>
        <source>Transition %1</source>
        <translation>Transición %1</translation>
    </message>
    <message>
        <source>Missed approach</source>
        <translation>Aproximación frustrada</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Missed approach:</source>
        <translation>Aproximación frustrada:</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Error expecting XML document at line %1!</source>
        <translation>¡Se esperaba un documento XML en la línea %1!</translation>
    </message>
    <message>
        <source>This file has been generated with %1, it can not be opened!</source>
        <translation>¡Este archivo se ha creado con %1, no se puede abrir!</translation>
    </message>
    <message>
        <source>This file has been generated with incompatible version %1, it can not be opened!</source>
        <translation>¡Este archivo se ha creado con la versión incompatible %1, no se puede abrir!</translation>
    </message>
    <message>
        <source>End of document was expected at line %1</source>
        <translation>Se esperaba el final del documento en la línea %1</translation>
    </message>
    <message>
        <source>Error expecting &lt;%1&gt; start element at line %2!</source>
        <translation>¡Se esperaba el elemento de inicio &lt;%1&gt; en la línea %2!</translation>
    </message>
    <message>
        <source>Error expecting &lt;/%1&gt; end element at line %2!</source>
        <translation>¡Se esperaba el elemento de cierre &lt;/%1&gt; en la línea %2!</translation>
    </message>
    <message>
        <source>Invalid list count %1 for element &lt;%2&gt; at line %3!</source>
        <translation>¡Número de elementos %1 no válido para el elemento &lt;%2&gt; en la línea %3!</translation>
    </message>
    <message>
        <source>Error at line %2 expecting string got %1!</source>
        <translation>¡Error en la línea %2: se esperaba un texto y se obtuvo %1!</translation>
    </message>
    <message>
        <source>Error at line %2 expecting integer got %1!</source>
        <translation>¡Error en la línea %2: se esperaba un entero y se obtuvo %1!</translation>
    </message>
    <message>
        <source>Error at line %2 expecting number got %1!</source>
        <translation>¡Error en la línea %2: se esperaba un número y se obtuvo %1!</translation>
    </message>
    <message>
        <source>Error at line %2 expecting date and time got %1!</source>
        <translation>¡Error en la línea %2: se esperaban fecha y hora y se obtuvo %1!</translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <source>limited to %1kts</source>
        <translation>limitado a %1 kt</translation>
    </message>
    <message>
        <source>left</source>
        <translation>izquierda</translation>
    </message>
    <message>
        <source>right</source>
        <translation>derecha</translation>
    </message>
    <message>
        <source>either</source>
        <translation>cualquiera</translation>
    </message>
    <message>
        <source>Unknown record type</source>
        <translation>Tipo de registro desconocido</translation>
    </message>
    <message>
        <source>at or above %1</source>
        <translation>a %1 o por encima</translation>
    </message>
    <message>
        <source>at or below %1</source>
        <translation>a %1 o por debajo</translation>
    </message>
    <message>
        <source>at %1</source>
        <translation>a %1</translation>
    </message>
    <message>
        <source>at or above %1 to at or below %2</source>
        <translation>a %1 o por encima hasta %2 o por debajo</translation>
    </message>
    <message>
        <source>at or above %2</source>
        <translation>a %2 o por encima</translation>
    </message>
    <message>
        <source>at %1, glide slope FAF altitude at %2</source>
        <translation>a %1, altitud FAF de la senda de planeo a %2</translation>
    </message>
    <message>
        <source>at or above %1, glide slope FAF altitude at %2</source>
        <translation>a %1 o por encima, altitud FAF de la senda de planeo a %2</translation>
    </message>
    <message>
        <source>at %1, glide slope FACF altitude at %2</source>
        <translation>a %1, altitud FACF de la senda de planeo a %2</translation>
    </message>
    <message>
        <source>at or above %1, glide slope FACF altitude at %2</source>
        <translation>a %1 o por encima, altitud FACF de la senda de planeo a %2</translation>
    </message>
    <message>
        <source>at or above %1 for stepdown fix in final approach</source>
        <translation>a %1 o por encima para el fijo de escalón en la aproximación final</translation>
    </message>
    <message>
        <source>Unknown record altitude description</source>
        <translation>Descripción de altitud del registro desconocida</translation>
    </message>
    <message>
        <source>Initial fix %1</source>
        <translation>Fijo inicial %1</translation>
    </message>
    <message>
        <source>Track to fix %1</source>
        <translation>Derrota hacia el fijo %1</translation>
    </message>
    <message>
        <source>Course %1 to fix %2</source>
        <translation>Curso %1 hacia el fijo %2</translation>
    </message>
    <message>
        <source>Direct to fix %1</source>
        <translation>Directo al fijo %1</translation>
    </message>
    <message>
        <source>Fix %1 course %2 to an altitude</source>
        <translation>Fijo %1, rumbo %2 hasta una altitud</translation>
    </message>
    <message>
        <source>Track %1 from fix %2 from to distance %3</source>
        <translation>Derrota %1 desde el fijo %2 hasta la distancia %3</translation>
    </message>
    <message>
        <source>Track %1 from fix %2 to DME %3 distance %4</source>
        <translation>Derrota %1 desde el fijo %2 hasta el DME %3 distancia %4</translation>
    </message>
    <message>
        <source>From fix %1 heading %2 to a manual termination</source>
        <translation>Desde el fijo %1, rumbo %2 hasta una terminación manual</translation>
    </message>
    <message>
        <source>Course %1 to an altitude</source>
        <translation>Curso %1 hasta una altitud</translation>
    </message>
    <message>
        <source>Course %1 to DME %2 distance %3</source>
        <translation>Curso %1 hasta el DME %2 distancia %3</translation>
    </message>
    <message>
        <source>Course %1 to an intercept</source>
        <translation>Curso %1 hasta una interceptación</translation>
    </message>
    <message>
        <source>Course %1 to VOR %2 radial %3 termination</source>
        <translation>Curso %1 hasta el VOR %2 radial %3</translation>
    </message>
    <message>
        <source>Constant radius %1 arc center %2 to fix %3</source>
        <translation>Arco de radio constante %1 con centro en %2 hasta el fijo %3</translation>
    </message>
    <message>
        <source>Arc radius center %1 to fix %2</source>
        <translation>Arco con centro en %1 hasta el fijo %2</translation>
    </message>
    <message>
        <source>Heading %1 to an altitude termination</source>
        <translation>Rumbo %1 hasta una altitud</translation>
    </message>
    <message>
        <source>Heading %1 to DME %2 distance %3 termination</source>
        <translation>Rumbo %1 hasta el DME %2 distancia %3</translation>
    </message>
    <message>
        <source>Heading %1 to an intercept</source>
        <translation>Rumbo %1 hasta una interceptación</translation>
    </message>
    <message>
        <source>Heading %1 to a manual termination</source>
        <translation>Rumbo %1 hasta una terminación manual</translation>
    </message>
    <message>
        <source>Heading %1 to VOR %2 radial %3 termination</source>
        <translation>Rumbo %1 hasta el VOR %2 radial %3</translation>
    </message>
    <message>
        <source>045/180 procedure from %1 heading %2 turn %3 %4 (%5 each)</source>
        <translation>Viraje reglamentario 045/180 desde %1 rumbo %2 viraje %3 %4 (%5 cada uno)</translation>
    </message>
    <message>
        <source>Racetrack course %1 reversal %2 %3 (%4 each), altitude termination</source>
        <translation>Circuito de espera rumbo %1 inversión %2 %3 (%4 cada uno), terminación a una altitud</translation>
    </message>
    <message>
        <source>Racetrack course %1 reversal %2 %3 (%4 each), single circuit terminating at fix %5</source>
        <translation>Circuito de espera rumbo %1 inversión %2 %3 (%4 cada uno), un solo circuito que termina en el fijo %5</translation>
    </message>
    <message>
        <source>Racetrack course %1 reversal %2 %3 (%4 each), manual termination</source>
        <translation>Circuito de espera rumbo %1 inversión %2 %3 (%4 cada uno), terminación manual</translation>
    </message>
    <message>
        <source>Unknown record termination</source>
        <translation>Terminación de registro desconocida</translation>
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
        <translation>de sobrevuelo</translation>
    </message>
    <message>
        <source>stepdown</source>
        <translation>escalón</translation>
    </message>
    <message>
        <source>holding</source>
        <translation>espera</translation>
    </message>
</context>
<context>
    <name>Region</name>
    <message>
        <source>Unknown region</source>
        <translation>Región desconocida</translation>
    </message>
</context>
<context>
    <name>Router</name>
    <message>
        <source>Navigation database changed. Please generate the route again.</source>
        <translation>La base de datos de navegación ha cambiado. Genere la ruta de nuevo.</translation>
    </message>
    <message>
        <source>Need two valid, different points for departure and arrival</source>
        <translation>Se necesitan dos puntos válidos y distintos para la salida y la llegada</translation>
    </message>
    <message>
        <source>Routing interrupted</source>
        <translation>Cálculo de ruta interrumpido</translation>
    </message>
    <message>
        <source>No path found between departure and arrival</source>
        <translation>No se ha encontrado ningún camino entre la salida y la llegada</translation>
    </message>
    <message>
        <source>Routing done!</source>
        <translation>¡Cálculo de ruta terminado!</translation>
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
        <translation>Superficie</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Anchura</translation>
    </message>
    <message>
        <source>Available thresholds</source>
        <translation>Umbrales disponibles</translation>
    </message>
    <message>
        <source>heading %1</source>
        <translation>rumbo %1</translation>
    </message>
    <message>
        <source>Instrument Landing System</source>
        <translation>Sistema de aterrizaje por instrumentos</translation>
    </message>
    <message>
        <source>Runway %1</source>
        <translation>Pista %1</translation>
    </message>
    <message>
        <source>Attached to %1</source>
        <translation>Asociada a %1</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Procedures for %1</source>
        <translation>Procedimientos para %1</translation>
    </message>
    <message>
        <source>No %1</source>
        <translation>Ningún %1</translation>
    </message>
</context>
<context>
    <name>Segment</name>
    <message>
        <source>LOW (Victor) enroute</source>
        <translation>En ruta BAJA (Victor)</translation>
    </message>
    <message>
        <source>HIGH (Jet) enroute</source>
        <translation>En ruta ALTA (Jet)</translation>
    </message>
    <message>
        <source>TRACK route</source>
        <translation>Ruta TRACK</translation>
    </message>
    <message>
        <source>Procedure route</source>
        <translation>Ruta de procedimiento</translation>
    </message>
    <message>
        <source>DRCT direct route</source>
        <translation>Ruta directa DRCT</translation>
    </message>
    <message>
        <source>backward</source>
        <translation>sentido inverso</translation>
    </message>
    <message>
        <source>no restriction</source>
        <translation>sin restricción</translation>
    </message>
    <message>
        <source>forward</source>
        <translation>sentido directo</translation>
    </message>
    <message>
        <source>Route %1</source>
        <translation>Ruta %1</translation>
    </message>
    <message>
        <source>Segment from %1 to %2</source>
        <translation>Segmento de %1 a %2</translation>
    </message>
    <message>
        <source>UID</source>
        <translation>UID</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Sentido</translation>
    </message>
    <message>
        <source>Flight level</source>
        <translation>Nivel de vuelo</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distancia</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
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
        <translation>Tipo de puesto desconocido</translation>
    </message>
    <message>
        <source>Unknown airplanes</source>
        <translation>Aviones desconocidos</translation>
    </message>
    <message>
        <source>Startup location %1</source>
        <translation>Puesto de estacionamiento %1</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Airplanes</source>
        <translation>Aviones</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
</context>
<context>
    <name>Taxiname</name>
    <message>
        <source>Taxiway</source>
        <translation>Calle de rodaje</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Sentido</translation>
    </message>
    <message>
        <source>Wingspan</source>
        <translation>Envergadura</translation>
    </message>
</context>
<context>
    <name>Tracks</name>
    <message>
        <source>Cannot download tracks: %1</source>
        <translation>No se pueden descargar las rutas oceánicas: %1</translation>
    </message>
    <message>
        <source>Cannot read tracks: %1</source>
        <translation>No se pueden leer las rutas oceánicas: %1</translation>
    </message>
    <message>
        <source>Cannot read tracks: expected a list of tracks.</source>
        <translation>No se pueden leer las rutas oceánicas: se esperaba una lista de rutas.</translation>
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
        <translation>Ascenso inicial</translation>
    </message>
    <message>
        <source>CLB</source>
        <translation>CLB</translation>
    </message>
    <message>
        <source>Climb</source>
        <translation>Ascenso</translation>
    </message>
    <message>
        <source>CRU</source>
        <translation>CRU</translation>
    </message>
    <message>
        <source>Cruise</source>
        <translation>Crucero</translation>
    </message>
    <message>
        <source>DES</source>
        <translation>DES</translation>
    </message>
    <message>
        <source>Descent</source>
        <translation>Descenso</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>APP</translation>
    </message>
    <message>
        <source>Approach</source>
        <translation>Aproximación</translation>
    </message>
    <message>
        <source>TOC</source>
        <translation>TOC</translation>
    </message>
    <message>
        <source>Top of climb (TOC)</source>
        <translation>Fin del ascenso (TOC)</translation>
    </message>
    <message>
        <source>TOD</source>
        <translation>TOD</translation>
    </message>
    <message>
        <source>Top of descent (TOD)</source>
        <translation>Inicio del descenso (TOD)</translation>
    </message>
    <message>
        <source>APO</source>
        <translation>APO</translation>
    </message>
    <message>
        <source>Apogee (TOC/TOD)</source>
        <translation>Apogeo (TOC/TOD)</translation>
    </message>
    <message>
        <source>Waypoint %1</source>
        <translation>Punto de ruta %1</translation>
    </message>
    <message>
        <source>Departure %1</source>
        <translation>Salida %1</translation>
    </message>
    <message>
        <source>Arrival %1</source>
        <translation>Llegada %1</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Fase</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Altitud</translation>
    </message>
    <message>
        <source>(TAS %2, GS %3)</source>
        <translation>(TAS %2, GS %3)</translation>
    </message>
    <message>
        <source>(V2 %1kts for %2)</source>
        <translation>(V2 %1 kt para %2)</translation>
    </message>
    <message>
        <source>(VAT %1kts for %2)</source>
        <translation>(VAT %1 kt para %2)</translation>
    </message>
    <message>
        <source>IAS</source>
        <translation>IAS</translation>
    </message>
    <message>
        <source>Total time</source>
        <translation>Tiempo total</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Fuel on board</source>
        <translation>Combustible a bordo</translation>
    </message>
    <message>
        <source>%1 %2 (burned %3)</source>
        <translation>%1 %2 (consumido %3)</translation>
    </message>
    <message>
        <source>Air temp.</source>
        <translation>Temp. aire</translation>
    </message>
    <message>
        <source>Air press.</source>
        <translation>Pres. aire</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentario</translation>
    </message>
    <message>
        <source>More info</source>
        <translation>Más información</translation>
    </message>
    <message>
        <source>for %1 %2</source>
        <translation>para %1 %2</translation>
    </message>
    <message>
        <source>Next waypoint</source>
        <translation>Siguiente punto de ruta</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Airway</source>
        <translation>Aerovía</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Rumbo</translation>
    </message>
    <message>
        <source>To next</source>
        <translation>Hasta el siguiente</translation>
    </message>
    <message>
        <source>Next in</source>
        <translation>Siguiente en</translation>
    </message>
    <message>
        <source>Fly at</source>
        <translation>Volar a</translation>
    </message>
    <message>
        <source>Slope</source>
        <translation>Pendiente</translation>
    </message>
    <message>
        <source>Vertical speed</source>
        <translation>Velocidad vertical</translation>
    </message>
</context>
<context>
    <name>XpConnect</name>
    <message>
        <source>Connecting to X-Plane at %1</source>
        <translation>Conectando con X-Plane en %1</translation>
    </message>
    <message>
        <source>no address</source>
        <translation>sin dirección</translation>
    </message>
    <message>
        <source>Cannot find the X-Plane host %1: %2</source>
        <translation>No se encuentra el host de X-Plane %1: %2</translation>
    </message>
    <message>
        <source>X-Plane connection error: %1</source>
        <translation>Error de conexión con X-Plane: %1</translation>
    </message>
    <message>
        <source>Disconnected from X-Plane</source>
        <translation>Desconectado de X-Plane</translation>
    </message>
    <message>
        <source>Connected to X-Plane at %1</source>
        <translation>Conectado con X-Plane en %1</translation>
    </message>
    <message>
        <source>Connection to X-Plane at %1 lost, trying again</source>
        <translation>Conexión con X-Plane en %1 perdida, reintentando</translation>
    </message>
    <message>
        <source>No answer from X-Plane at %1, trying again</source>
        <translation>Sin respuesta de X-Plane en %1, reintentando</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Rumbo</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Altitud</translation>
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
        <translation>Velocidad vertical</translation>
    </message>
    <message>
        <source>Fuel on board</source>
        <translation>Combustible a bordo</translation>
    </message>
</context>
<context>
    <name>XpLoader</name>
    <message>
        <source>Loading airports:</source>
        <translation>Cargando aeropuertos:</translation>
    </message>
    <message>
        <source>Loading segments:</source>
        <translation>Cargando segmentos:</translation>
    </message>
    <message>
        <source>Loading user fix points:</source>
        <translation>Cargando fijos de usuario:</translation>
    </message>
    <message>
        <source>Loading fix points:</source>
        <translation>Cargando fijos:</translation>
    </message>
    <message>
        <source>Loading nav points:</source>
        <translation>Cargando radioayudas:</translation>
    </message>
    <message>
        <source>Loading tracks...</source>
        <translation>Cargando rutas oceánicas...</translation>
    </message>
    <message>
        <source>WARNING: incoherent data cycles among FIX/NAV/AWY files!</source>
        <translation>ADVERTENCIA: ¡ciclos de datos incoherentes entre los archivos FIX/NAV/AWY!</translation>
    </message>
    <message>
        <source>ERROR: FAACIFP cannot be loaded as of now!
Please uncheck custom data.</source>
        <translation>ERROR: ¡FAACIFP no se puede cargar por ahora!
Desmarque los datos personalizados.</translation>
    </message>
    <message>
        <source>ERROR: no valid X-Plane installation 
at given path!</source>
        <translation>ERROR: ¡no hay una instalación de X-Plane válida 
en la ruta indicada!</translation>
    </message>
    <message>
        <source>Compressing database...</source>
        <translation>Comprimiendo la base de datos...</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>ERROR: cannot write databasefile</source>
        <translation>ERROR: no se puede escribir el archivo de la base de datos</translation>
    </message>
</context>
</TS>
