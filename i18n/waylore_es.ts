<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Version %1 %2</source>
        <translation>Versión %1 %2</translation>
    </message>
    <message>
        <source>debug</source>
        <translation>depuración</translation>
    </message>
    <message>
        <source>This program is provided as is, without any warranty.
It is meant for flight simulation only:
never use it to plan or fly a real flight.</source>
        <translation>Este programa se proporciona tal cual, sin ninguna garantía.
Está destinado únicamente a la simulación de vuelo:
no lo utilice nunca para planificar o realizar un vuelo real.</translation>
    </message>
    <message>
        <source>Built with the Qt framework and the Grantlee template engine. Icons from Font Awesome Free (CC BY 4.0). Map data from the OpenStreetMap contributors; navigation data from the X-Plane navigation data files.</source>
        <translation>Desarrollado con el framework Qt y el motor de plantillas Grantlee. Iconos de Font Awesome Free (CC BY 4.0). Datos de mapas de los colaboradores de OpenStreetMap; datos de navegación de los archivos de datos de navegación de X-Plane.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
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
        <translation>El ciclo AIRAC no coincide</translation>
    </message>
    <message>
        <source>The Waylore database has AIRAC cycle %1, but your X-Plane installation uses cycle %2.

Open the database dialog to update the database.</source>
        <translation>La base de datos de Waylore tiene el ciclo AIRAC %1, pero su instalación de X-Plane usa el ciclo %2.

Abra el diálogo de la base de datos para actualizarla.</translation>
    </message>
    <message>
        <source>Open database...</source>
        <translation>Abrir base de datos...</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorar</translation>
    </message>
</context>
<context>
    <name>AirplaneContextMenu</name>
    <message>
        <source>Disconnect</source>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>Moving map</source>
        <translation>Mapa móvil</translation>
    </message>
</context>
<context>
    <name>AirplaneDialog</name>
    <message>
        <source>Manage airplanes</source>
        <translation>Gestionar aviones</translation>
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
        <translation>Importar un avión desde un archivo</translation>
    </message>
    <message>
        <source>Export the selected airplane to file</source>
        <translation>Exportar el avión seleccionado a un archivo</translation>
    </message>
    <message>
        <source>Error during import/export</source>
        <translation>Error durante la importación/exportación</translation>
    </message>
    <message>
        <source>Airplane list</source>
        <translation>Lista de aviones</translation>
    </message>
    <message>
        <source>Create a new empty airplane</source>
        <translation>Crear un avión nuevo vacío</translation>
    </message>
    <message>
        <source>Remove the selected airplane</source>
        <translation>Eliminar el avión seleccionado</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Rendimiento</translation>
    </message>
    <message>
        <source>Fuel</source>
        <translation>Combustible</translation>
    </message>
    <message>
        <source>Identification</source>
        <translation>Identificación</translation>
    </message>
    <message>
        <source>ICAO</source>
        <translation>OACI</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Fabricante</translation>
    </message>
    <message>
        <source>Max passengers</source>
        <translation>Pasajeros máx.</translation>
    </message>
    <message>
        <source>Maximum number of passengers in the airplane</source>
        <translation>Número máximo de pasajeros en el avión</translation>
    </message>
    <message>
        <source>Max cargo</source>
        <translation>Carga máx.</translation>
    </message>
    <message>
        <source>Available cargo payload when the airplane contains all the passengers</source>
        <translation>Carga de mercancía disponible cuando el avión lleva todos los pasajeros</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Vacío</translation>
    </message>
    <message>
        <source>Empty operational weight (OEW)</source>
        <translation>Peso operativo en vacío (OEW)</translation>
    </message>
    <message>
        <source>Max. zero-fuel</source>
        <translation>Máx. sin combustible</translation>
    </message>
    <message>
        <source>Maximum weight without fuel (MZFW)</source>
        <translation>Peso máximo sin combustible (MZFW)</translation>
    </message>
    <message>
        <source>Max. takeoff</source>
        <translation>Máx. al despegue</translation>
    </message>
    <message>
        <source>Maximum takeoff weight (MTOW)</source>
        <translation>Peso máximo al despegue (MTOW)</translation>
    </message>
    <message>
        <source>Max. landing</source>
        <translation>Máx. al aterrizaje</translation>
    </message>
    <message>
        <source>Maximum landing weight (MLW)</source>
        <translation>Peso máximo al aterrizaje (MLW)</translation>
    </message>
    <message>
        <source>Takeoff</source>
        <translation>Despegue</translation>
    </message>
    <message>
        <source>V2</source>
        <translation>V2</translation>
    </message>
    <message>
        <source>Takeoff safety speed (kts)</source>
        <translation>Velocidad de seguridad en el despegue (kt)</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distancia</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Minimum runway length for takeoff (meters)</source>
        <translation>Longitud mínima de pista para el despegue (metros)</translation>
    </message>
    <message>
        <source>Landing</source>
        <translation>Aterrizaje</translation>
    </message>
    <message>
        <source>VAT</source>
        <translation>VAT</translation>
    </message>
    <message>
        <source>Indicated airspeed at the runway threshold (kts)</source>
        <translation>Velocidad indicada en el umbral de pista (kt)</translation>
    </message>
    <message>
        <source>Minimum runway length for landing (meters)</source>
        <translation>Longitud mínima de pista para el aterrizaje (metros)</translation>
    </message>
    <message>
        <source>Cruise</source>
        <translation>Crucero</translation>
    </message>
    <message>
        <source>Ceiling</source>
        <translation>Techo</translation>
    </message>
    <message>
        <source>FL</source>
        <translation>FL</translation>
    </message>
    <message>
        <source>Maximum allowed cruise level</source>
        <translation>Nivel de crucero máximo permitido</translation>
    </message>
    <message>
        <source>Maximum TAS</source>
        <translation>TAS máxima</translation>
    </message>
    <message>
        <source>Maximal true air-speed at ceiling level</source>
        <translation>Velocidad verdadera máxima en el nivel de techo</translation>
    </message>
    <message>
        <source>Initial climb</source>
        <translation>Ascenso inicial</translation>
    </message>
    <message>
        <source>IAS</source>
        <translation>IAS</translation>
    </message>
    <message>
        <source>Indicated air-speed (IAS) for initial climb</source>
        <translation>Velocidad indicada (IAS) en el ascenso inicial</translation>
    </message>
    <message>
        <source>ROC</source>
        <translation>Régimen asc.</translation>
    </message>
    <message>
        <source>Rate for initial climb</source>
        <translation>Régimen del ascenso inicial</translation>
    </message>
    <message>
        <source>Climb</source>
        <translation>Ascenso</translation>
    </message>
    <message>
        <source>Indicated air-speed for climb</source>
        <translation>Velocidad indicada en ascenso</translation>
    </message>
    <message>
        <source>Rate of climb</source>
        <translation>Régimen de ascenso</translation>
    </message>
    <message>
        <source>Descent</source>
        <translation>Descenso</translation>
    </message>
    <message>
        <source>Indicated air-speed for descent</source>
        <translation>Velocidad indicada en descenso</translation>
    </message>
    <message>
        <source>ROD</source>
        <translation>Régimen desc.</translation>
    </message>
    <message>
        <source>Rate of descent</source>
        <translation>Régimen de descenso</translation>
    </message>
    <message>
        <source>Approach</source>
        <translation>Aproximación</translation>
    </message>
    <message>
        <source>Indicated air-speed for approach</source>
        <translation>Velocidad indicada en aproximación</translation>
    </message>
    <message>
        <source>Rate of descent for approach</source>
        <translation>Régimen de descenso en aproximación</translation>
    </message>
    <message>
        <source>Operational fuel</source>
        <translation>Combustible operativo</translation>
    </message>
    <message>
        <source>Taxi</source>
        <translation>Rodaje</translation>
    </message>
    <message>
        <source>Burned fuel during taxi</source>
        <translation>Combustible consumido durante el rodaje</translation>
    </message>
    <message>
        <source>Climb flow</source>
        <translation>Consumo en ascenso</translation>
    </message>
    <message>
        <source>Burned fuel per hour during climb</source>
        <translation>Combustible consumido por hora en ascenso</translation>
    </message>
    <message>
        <source>Cruise flow</source>
        <translation>Consumo en crucero</translation>
    </message>
    <message>
        <source>Burned fuel per hour during cruise</source>
        <translation>Combustible consumido por hora en crucero</translation>
    </message>
    <message>
        <source>Descent flow</source>
        <translation>Consumo en descenso</translation>
    </message>
    <message>
        <source>Burned fuel per hour during descent</source>
        <translation>Combustible consumido por hora en descenso</translation>
    </message>
    <message>
        <source>Additional fuel</source>
        <translation>Combustible adicional</translation>
    </message>
    <message>
        <source>Alternate flow</source>
        <translation>Consumo hacia el alternativo</translation>
    </message>
    <message>
        <source>Burned fuel per hour to reach alternate airport from the missed approach point</source>
        <translation>Combustible consumido por hora para llegar al aeropuerto alternativo desde el punto de aproximación frustrada</translation>
    </message>
    <message>
        <source>Contingency</source>
        <translation>Contingencia</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Contingency fuel: additional en-route fuel consumption caused by wind or routing changes.</source>
        <translation>Combustible de contingencia: consumo adicional en ruta debido al viento o a cambios de ruta.</translation>
    </message>
    <message>
        <source>Extra reserve</source>
        <translation>Reserva extra</translation>
    </message>
    <message>
        <source>Fuel added at the discretion of the Captain or the dispatcher</source>
        <translation>Combustible añadido a criterio del comandante o del despachador</translation>
    </message>
    <message>
        <source>Final reserve</source>
        <translation>Reserva final</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Final reserve fuel is the minimum fuel required to fly for 30 minutes</source>
        <translation>La reserva final es el combustible mínimo necesario para volar 30 minutos</translation>
    </message>
    <message>
        <source>Tank</source>
        <translation>Depósito</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Masa</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Fuel capacity</source>
        <translation>Capacidad de combustible</translation>
    </message>
    <message>
        <source>Total capacity of the airplane tanks</source>
        <translation>Capacidad total de los depósitos del avión</translation>
    </message>
    <message>
        <source>Registration</source>
        <translation>Matrícula</translation>
    </message>
    <message>
        <source>Airplane registration</source>
        <translation>Matrícula del avión</translation>
    </message>
    <message>
        <source>Equipments</source>
        <translation>Equipos</translation>
    </message>
    <message>
        <source>Airplane equipment</source>
        <translation>Equipo del avión</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transpondedor</translation>
    </message>
    <message>
        <source>More information</source>
        <translation>Más información</translation>
    </message>
    <message>
        <source>Aircraft registration</source>
        <translation>Matrícula de aeronaves</translation>
    </message>
    <message>
        <source>Equipment codes</source>
        <translation>Códigos de equipo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Airplane files</source>
        <translation>Archivos de avión</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
</context>
<context>
    <name>AirplaneHelper</name>
    <message>
        <source>Airplane</source>
        <translation>Avión</translation>
    </message>
    <message>
        <source>More...</source>
        <translation>Más...</translation>
    </message>
    <message>
        <source>Load factor %1%</source>
        <translation>Factor de ocupación %1 %</translation>
    </message>
    <message>
        <source>Load factor (percentage) utilizing available passenger or cargo capacity</source>
        <translation>Factor de ocupación (porcentaje) de la capacidad disponible de pasajeros o carga</translation>
    </message>
    <message>
        <source>Cruise</source>
        <translation>Crucero</translation>
    </message>
    <message>
        <source>Cruise flight level</source>
        <translation>Nivel de vuelo de crucero</translation>
    </message>
    <message>
        <source>TAS</source>
        <translation>TAS</translation>
    </message>
    <message>
        <source>Cruise True Air Speed</source>
        <translation>Velocidad verdadera (TAS) en crucero</translation>
    </message>
</context>
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
    <name>AirplaneMenu</name>
    <message>
        <source>&amp;Airplane</source>
        <translation>Avió&amp;n</translation>
    </message>
    <message>
        <source>Connect to simulator</source>
        <translation>Conectar con el simulador</translation>
    </message>
    <message>
        <source>Manage airplanes...</source>
        <translation>Gestionar aviones...</translation>
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
        <source>Unknown ATC type</source>
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
        <source>Loading airport boundaries...</source>
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
    <name>DatabaseDialog</name>
    <message>
        <source> (in %1s)</source>
        <translation> (en %1 s)</translation>
    </message>
    <message>
        <source>Navigation database</source>
        <translation>Base de datos de navegación</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>%1 needs a navigation database to display the map and plan flights. Choose the source for the database between:</source>
        <translation>%1 necesita una base de datos de navegación para mostrar el mapa y planificar vuelos. Elija el origen de la base de datos entre:</translation>
    </message>
    <message>
        <source>&lt;b&gt;Server:&lt;/b&gt; download the default AIRAC included with %1.</source>
        <translation>&lt;b&gt;Servidor:&lt;/b&gt; descargar el AIRAC predeterminado incluido con %1.</translation>
    </message>
    <message>
        <source>&lt;b&gt;X-Plane:&lt;/b&gt; import the navigation data installed in your X-Plane folder.</source>
        <translation>&lt;b&gt;X-Plane:&lt;/b&gt; importar los datos de navegación instalados en su carpeta de X-Plane.</translation>
    </message>
    <message>
        <source>To use the latest AIRAC cycle, get it from </source>
        <translation>Para usar el último ciclo AIRAC, obténgalo de </translation>
    </message>
    <message>
        <source> or another provider.</source>
        <translation> o de otro proveedor.</translation>
    </message>
    <message>
        <source>Database source</source>
        <translation>Origen de la base de datos</translation>
    </message>
    <message>
        <source>Download the default database from our server</source>
        <translation>Descargar la base de datos predeterminada de nuestro servidor</translation>
    </message>
    <message>
        <source>Import the database from your X-Plane installation</source>
        <translation>Importar la base de datos desde su instalación de X-Plane</translation>
    </message>
    <message>
        <source>X-Plane path</source>
        <translation>Ruta de X-Plane</translation>
    </message>
    <message>
        <source>Path of X-Plane installation base directory</source>
        <translation>Ruta de la carpeta de instalación de X-Plane</translation>
    </message>
    <message>
        <source>Autodetect</source>
        <translation>Detectar automáticamente</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>Use custom data (from Cyclewell, Navigraph...)</source>
        <translation>Usar datos personalizados (de Cyclewell, Navigraph...)</translation>
    </message>
    <message>
        <source>Load user FIX (user_fix.dat)</source>
        <translation>Cargar los FIX de usuario (user_fix.dat)</translation>
    </message>
    <message>
        <source>Current database</source>
        <translation>Base de datos actual</translation>
    </message>
    <message>
        <source>AIRAC cycle</source>
        <translation>Ciclo AIRAC</translation>
    </message>
    <message>
        <source>(the AIRAC cycle %1 is available, get it from </source>
        <translation>(el ciclo AIRAC %1 está disponible, obténgalo de </translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>(including APT, NDB, VOR, DME, FIX,...)</source>
        <translation>(incluidos APT, NDB, VOR, DME, FIX,...)</translation>
    </message>
    <message>
        <source>Segments</source>
        <translation>Segmentos</translation>
    </message>
    <message>
        <source>(routes consist of a series of segments)</source>
        <translation>(las aerovías constan de una serie de segmentos)</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Database file deleted</source>
        <translation>Archivo de base de datos eliminado</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>Import from X-Plane</source>
        <translation>Importar desde X-Plane</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Please choose path to X-Plane installation</source>
        <translation>Elija la ruta de la instalación de X-Plane</translation>
    </message>
    <message>
        <source>No navigation database is loaded: build one from a source above.</source>
        <translation>No hay ninguna base de datos de navegación cargada: cree una a partir de una de las fuentes de arriba.</translation>
    </message>
    <message>
        <source>airway segments</source>
        <translation>segmentos de aerovías</translation>
    </message>
    <message>
        <source>runways</source>
        <translation>pistas</translation>
    </message>
    <message>
        <source>airport boundaries</source>
        <translation>límites de aeropuerto</translation>
    </message>
    <message>
        <source>taxiways</source>
        <translation>calles de rodaje</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>This database cannot be used: it has no %1. %2 opens this dialog at every start until a database with all of them is built.</source>
        <translation>Esta base de datos no se puede usar: no tiene %1. %2 abre este diálogo en cada inicio hasta que se cree una base de datos con todos ellos.</translation>
    </message>
    <message>
        <source>X-Plane found in %1</source>
        <translation>X-Plane encontrado en %1</translation>
    </message>
    <message>
        <source>No folder &quot;X-Plane 12&quot; or &quot;X-Plane 11&quot; found in: %1. Choose the X-Plane folder yourself.</source>
        <translation>No se encontró ninguna carpeta &quot;X-Plane 12&quot; o &quot;X-Plane 11&quot; en: %1. Elija usted mismo la carpeta de X-Plane.</translation>
    </message>
    <message>
        <source>Not enough memory to load the navigation database.</source>
        <translation>No hay memoria suficiente para cargar la base de datos de navegación.</translation>
    </message>
    <message>
        <source>No navigation database is loaded: the stored one is cut short. Build one from a source above.</source>
        <translation>No hay ninguna base de datos de navegación cargada: la guardada está truncada. Cree una a partir de una de las fuentes de arriba.</translation>
    </message>
    <message>
        <source>No navigation database is loaded: the stored one changed while it was read. Build one from a source above, or restart %1 to read it again.</source>
        <translation>No hay ninguna base de datos de navegación cargada: la guardada cambió mientras se leía. Cree una a partir de una de las fuentes de arriba, o vuelva a iniciar %1 para leerla de nuevo.</translation>
    </message>
    <message>
        <source>No navigation database is loaded: the stored one is damaged. Build one from a source above.</source>
        <translation>No hay ninguna base de datos de navegación cargada: la guardada está dañada. Cree una a partir de una de las fuentes de arriba.</translation>
    </message>
    <message>
        <source>No navigation database is loaded: the stored one was written by another version of %1. Build one from a source above.</source>
        <translation>No hay ninguna base de datos de navegación cargada: la guardada fue escrita por otra versión de %1. Cree una a partir de una de las fuentes de arriba.</translation>
    </message>
    <message>
        <source>No navigation database is loaded: the stored one cannot be read. Build one from a source above.</source>
        <translation>No hay ninguna base de datos de navegación cargada: la guardada no se puede leer. Cree una a partir de una de las fuentes de arriba.</translation>
    </message>
</context>
<context>
    <name>DebugMenu</name>
    <message>
        <source>&amp;Debug</source>
        <translation>&amp;Depuración</translation>
    </message>
    <message>
        <source>Navmap export to PNG</source>
        <translation>Exportar el mapa de navegación a PNG</translation>
    </message>
    <message>
        <source>Navmap export to JPG</source>
        <translation>Exportar el mapa de navegación a JPG</translation>
    </message>
    <message>
        <source>Load EGKK-CHT-MCT-EGPK for moving test</source>
        <translation>Cargar EGKK-CHT-MCT-EGPK para la prueba de movimiento</translation>
    </message>
    <message>
        <source>Load URELO/OKIPA for route finding test</source>
        <translation>Cargar URELO/OKIPA para la prueba de búsqueda de ruta</translation>
    </message>
    <message>
        <source>Load TEPRI/GELTA for route finding test</source>
        <translation>Cargar TEPRI/GELTA para la prueba de búsqueda de ruta</translation>
    </message>
    <message>
        <source>Load DETOB/BIBAG for route finding test</source>
        <translation>Cargar DETOB/BIBAG para la prueba de búsqueda de ruta</translation>
    </message>
    <message>
        <source>Load TOU/MTG for route finding test</source>
        <translation>Cargar TOU/MTG para la prueba de búsqueda de ruta</translation>
    </message>
    <message>
        <source>Load MTG/TRA for route finding test</source>
        <translation>Cargar MTG/TRA para la prueba de búsqueda de ruta</translation>
    </message>
</context>
<context>
    <name>DesktopWindow</name>
    <message numerus="yes">
        <source>%n waypoint(s) not in this navigation database became coordinate points</source>
        <translation>
            <numerusform>%n punto de ruta que no está en esta base de datos de navegación se convirtió en un punto de coordenadas</numerusform>
            <numerusform>%n puntos de ruta que no están en esta base de datos de navegación se convirtieron en puntos de coordenadas</numerusform>
        </translation>
    </message>
    <message>
        <source>Welcome to %1 %2</source>
        <translation>Bienvenido a %1 %2</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Create new flight plan</source>
        <translation>Crear un nuevo plan de vuelo</translation>
    </message>
    <message>
        <source>Open existing flight plan</source>
        <translation>Abrir un plan de vuelo existente</translation>
    </message>
    <message>
        <source>Save flight plan</source>
        <translation>Guardar el plan de vuelo</translation>
    </message>
    <message>
        <source>Flight information</source>
        <translation>Información del vuelo</translation>
    </message>
    <message>
        <source>Open the route generator</source>
        <translation>Abrir el generador de rutas</translation>
    </message>
    <message>
        <source>Quick export to X-Plane</source>
        <translation>Exportación rápida a X-Plane</translation>
    </message>
    <message>
        <source>Default format: </source>
        <translation>Formato predeterminado: </translation>
    </message>
    <message>
        <source>Export directory: </source>
        <translation>Carpeta de exportación: </translation>
    </message>
    <message>
        <source>These settings can be modified in the preferences.</source>
        <translation>Estos ajustes pueden modificarse en las preferencias.</translation>
    </message>
    <message>
        <source>Disconnect from simulator</source>
        <translation>Desconectar del simulador</translation>
    </message>
    <message>
        <source>Connect to simulator</source>
        <translation>Conectar con el simulador</translation>
    </message>
    <message>
        <source>Hide airports on the map</source>
        <translation>Ocultar los aeropuertos en el mapa</translation>
    </message>
    <message>
        <source>Show airports on the map</source>
        <translation>Mostrar los aeropuertos en el mapa</translation>
    </message>
    <message>
        <source>Hide airports ground</source>
        <translation>Ocultar el suelo de los aeropuertos</translation>
    </message>
    <message>
        <source>Show airports ground</source>
        <translation>Mostrar el suelo de los aeropuertos</translation>
    </message>
    <message>
        <source>Hide NDB on the map</source>
        <translation>Ocultar los NDB en el mapa</translation>
    </message>
    <message>
        <source>Show NDB on the map</source>
        <translation>Mostrar los NDB en el mapa</translation>
    </message>
    <message>
        <source>Hide VOR and DME on the map</source>
        <translation>Ocultar los VOR y DME en el mapa</translation>
    </message>
    <message>
        <source>Show VOR and DME on the map</source>
        <translation>Mostrar los VOR y DME en el mapa</translation>
    </message>
    <message>
        <source>Hide FIX on the map</source>
        <translation>Ocultar los FIX en el mapa</translation>
    </message>
    <message>
        <source>Show FIX on the map</source>
        <translation>Mostrar los FIX en el mapa</translation>
    </message>
    <message>
        <source>Hide HIGH (Jet) segments on the map</source>
        <translation>Ocultar los segmentos HIGH (Jet) en el mapa</translation>
    </message>
    <message>
        <source>Show HIGH (Jet) segments on the map</source>
        <translation>Mostrar los segmentos HIGH (Jet) en el mapa</translation>
    </message>
    <message>
        <source>Hide LOW (Victor) segments on the map</source>
        <translation>Ocultar los segmentos LOW (Victor) en el mapa</translation>
    </message>
    <message>
        <source>Show LOW (Victor) segments on the map</source>
        <translation>Mostrar los segmentos LOW (Victor) en el mapa</translation>
    </message>
    <message>
        <source>Hide tracks on the map</source>
        <translation>Ocultar los tracks en el mapa</translation>
    </message>
    <message>
        <source>Show tracks on the map</source>
        <translation>Mostrar los tracks en el mapa</translation>
    </message>
    <message>
        <source>Change map theme</source>
        <translation>Cambiar el tema del mapa</translation>
    </message>
    <message>
        <source>Hide cloud map</source>
        <translation>Ocultar el mapa de nubes</translation>
    </message>
    <message>
        <source>Show cloud map</source>
        <translation>Mostrar el mapa de nubes</translation>
    </message>
    <message>
        <source>Hide precipitation map</source>
        <translation>Ocultar el mapa de precipitaciones</translation>
    </message>
    <message>
        <source>Show precipitation map</source>
        <translation>Mostrar el mapa de precipitaciones</translation>
    </message>
    <message>
        <source>Hide wind map</source>
        <translation>Ocultar el mapa de viento</translation>
    </message>
    <message>
        <source>Show wind map</source>
        <translation>Mostrar el mapa de viento</translation>
    </message>
    <message>
        <source>Hide flight plan table</source>
        <translation>Ocultar la tabla del plan de vuelo</translation>
    </message>
    <message>
        <source>Show flight plan table </source>
        <translation>Mostrar la tabla del plan de vuelo </translation>
    </message>
    <message>
        <source>Hide side panel</source>
        <translation>Ocultar el panel lateral</translation>
    </message>
    <message>
        <source>Show side panel</source>
        <translation>Mostrar el panel lateral</translation>
    </message>
    <message>
        <source>Reset preferences</source>
        <translation>Restablecer las preferencias</translation>
    </message>
    <message>
        <source>Restore preferences to factory defaults, all user settings will
be lost. These operations cannot be reverted!</source>
        <translation>Restablecer las preferencias de fábrica, se perderán todos los ajustes
del usuario. ¡Estas operaciones no se pueden deshacer!</translation>
    </message>
    <message>
        <source>Problem with the preferences</source>
        <translation>Problema con las preferencias</translation>
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
    <name>EditMenu</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>Buscar...</translation>
    </message>
    <message>
        <source>Select navigation database...</source>
        <translation>Seleccionar base de datos de navegación...</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Preferencias...</translation>
    </message>
</context>
<context>
    <name>ExportAsDialog</name>
    <message>
        <source>Cannot export image to %1</source>
        <translation>No se puede exportar la imagen a %1</translation>
    </message>
    <message>
        <source>Cannot export image to %1: %2</source>
        <translation>No se puede exportar la imagen a %1: %2</translation>
    </message>
    <message>
        <source>Exported %1</source>
        <translation>%1 exportado</translation>
    </message>
    <message>
        <source>Navmap image JPEG</source>
        <translation>Imagen del mapa JPEG</translation>
    </message>
    <message>
        <source>Navmap image PNG</source>
        <translation>Imagen del mapa PNG</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
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
        <translation>X-Plane 11/12 FMS sin SID/STAR</translation>
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
        <translation>Garmin GTN sin SID/STAR</translation>
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
        <translation>Plan de vuelo operacional</translation>
    </message>
    <message>
        <source>Adobe PDF</source>
        <translation>Adobe PDF</translation>
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
    <message>
        <source>The share service gave no link: %1.</source>
        <translation>El servicio para compartir no ha devuelto ningún enlace: %1.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <source>%1 is a link to %2, which cannot be written: %3</source>
        <translation>%1 es un enlace a %2, que no se puede escribir: %3</translation>
    </message>
</context>
<context>
    <name>ExporterErrorDialog</name>
    <message>
        <source>Error during export</source>
        <translation>Error durante la exportación</translation>
    </message>
</context>
<context>
    <name>FileManager</name>
    <message>
        <source>The flight plan has been modified</source>
        <translation>El plan de vuelo se ha modificado</translation>
    </message>
    <message>
        <source>Do you want to save changes before creating a new flight plan?</source>
        <translation>¿Desea guardar los cambios antes de crear un nuevo plan de vuelo?</translation>
    </message>
    <message>
        <source>Do you want to save changes before opening another flight plan?</source>
        <translation>¿Desea guardar los cambios antes de abrir otro plan de vuelo?</translation>
    </message>
    <message>
        <source>Save changes</source>
        <translation>Guardar los cambios</translation>
    </message>
    <message>
        <source>The flight plan contains unsaved modifications. Do you want to save before quit?</source>
        <translation>El plan de vuelo contiene cambios sin guardar. ¿Desea guardarlo antes de salir?</translation>
    </message>
    <message>
        <source>Do you want to save changes before loading another flight plan?</source>
        <translation>¿Desea guardar los cambios antes de cargar otro plan de vuelo?</translation>
    </message>
    <message>
        <source>Flightplan files</source>
        <translation>Archivos de plan de vuelo</translation>
    </message>
    <message>
        <source>FMS files</source>
        <translation>Archivos FMS</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
</context>
<context>
    <name>FileMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Guardar como...</translation>
    </message>
    <message>
        <source>Import FMS file...</source>
        <translation>Importar archivo FMS...</translation>
    </message>
    <message>
        <source>Edit flight information...</source>
        <translation>Editar la información del vuelo...</translation>
    </message>
    <message>
        <source>Page setup...</source>
        <translation>Configurar página...</translation>
    </message>
    <message>
        <source>Preview...</source>
        <translation>Vista previa...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Export flight plan to PDF...</source>
        <translation>Exportar el plan de vuelo a PDF...</translation>
    </message>
    <message>
        <source>Export flight plan to file</source>
        <translation>Exportar el plan de vuelo a un archivo</translation>
    </message>
    <message>
        <source>Export to...</source>
        <translation>Exportar a...</translation>
    </message>
    <message>
        <source>Direct export to %1</source>
        <translation>Exportación directa a %1</translation>
    </message>
    <message>
        <source>Export flight plan to network</source>
        <translation>Exportar el plan de vuelo a una red</translation>
    </message>
    <message>
        <source>Export flight plan to IVAO</source>
        <translation>Exportar el plan de vuelo a IVAO</translation>
    </message>
    <message>
        <source>Export flight plan to VATSIM</source>
        <translation>Exportar el plan de vuelo a VATSIM</translation>
    </message>
    <message>
        <source>Copy flight plan to clipboard</source>
        <translation>Copiar el plan de vuelo al portapapeles</translation>
    </message>
    <message>
        <source>Full route</source>
        <translation>Ruta completa</translation>
    </message>
    <message>
        <source>Enroute only</source>
        <translation>Solo en ruta</translation>
    </message>
    <message>
        <source>ICAO route</source>
        <translation>Ruta OACI</translation>
    </message>
    <message>
        <source>All waypoints</source>
        <translation>Todos los puntos de ruta</translation>
    </message>
    <message>
        <source>Briefing (OFP)</source>
        <translation>Briefing (OFP)</translation>
    </message>
    <message>
        <source>Share link</source>
        <translation>Enlace para compartir</translation>
    </message>
    <message>
        <source>Export navigation map to image...</source>
        <translation>Exportar el mapa de navegación a imagen...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Error during printing</source>
        <translation>Error durante la impresión</translation>
    </message>
</context>
<context>
    <name>FlightInfoDialog</name>
    <message>
        <source>Flight information</source>
        <translation>Información del vuelo</translation>
    </message>
    <message>
        <source>Flight info</source>
        <translation>Info del vuelo</translation>
    </message>
    <message>
        <source>Pilot name</source>
        <translation>Nombre del piloto</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Compañía</translation>
    </message>
    <message>
        <source>Flight number</source>
        <translation>Número de vuelo</translation>
    </message>
    <message>
        <source>Sequence</source>
        <translation>Secuencia</translation>
    </message>
    <message>
        <source>Alternate airport</source>
        <translation>Aeropuerto alternativo</translation>
    </message>
    <message>
        <source>Departure (UTC)</source>
        <translation>Salida (UTC)</translation>
    </message>
    <message>
        <source>YYYY-MM-DD hh:mm</source>
        <translation>AAAA-MM-DD hh:mm</translation>
    </message>
    <message>
        <source>Airplane details</source>
        <translation>Detalles del avión</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>FlightplanPanel</name>
    <message>
        <source>Altitude</source>
        <translation>Altitud</translation>
    </message>
    <message>
        <source>From %1 to %2 (%3)</source>
        <translation>De %1 a %2 (%3)</translation>
    </message>
    <message>
        <source>Planned fuel %1</source>
        <translation>Combustible previsto %1</translation>
    </message>
    <message>
        <source>Taxi burn</source>
        <translation>Consumo en rodaje</translation>
    </message>
    <message>
        <source>Burned fuel during taxi</source>
        <translation>Combustible consumido durante el rodaje</translation>
    </message>
    <message>
        <source>Enroute burn</source>
        <translation>Consumo en ruta</translation>
    </message>
    <message>
        <source>Burned fuel during flight</source>
        <translation>Combustible consumido durante el vuelo</translation>
    </message>
    <message>
        <source>Total reserve</source>
        <translation>Reserva total</translation>
    </message>
    <message>
        <source>Includes alternate fuel, contingency reserve, extra reserve and final reserve</source>
        <translation>Incluye el combustible al alternativo, la reserva de contingencia, la reserva extra y la reserva final</translation>
    </message>
    <message>
        <source>Block fuel</source>
        <translation>Combustible de bloque</translation>
    </message>
    <message>
        <source>Total fuel to load in the tanks</source>
        <translation>Combustible total que cargar en los depósitos</translation>
    </message>
    <message>
        <source>Maximum fuel tank capacity %1</source>
        <translation>Capacidad máxima de los depósitos %1</translation>
    </message>
    <message>
        <source>%1 load sheet</source>
        <translation>Hoja de carga %1</translation>
    </message>
    <message>
        <source>Total payload</source>
        <translation>Carga de pago total</translation>
    </message>
    <message>
        <source>Commercial payload including passengers, luggages and cargo</source>
        <translation>Carga de pago comercial con pasajeros, equipaje y carga</translation>
    </message>
    <message>
        <source>Zero fuel weight</source>
        <translation>Peso sin combustible</translation>
    </message>
    <message>
        <source>Airplane operational weight prior to fuel tanking</source>
        <translation>Peso operativo del avión antes de repostar</translation>
    </message>
    <message>
        <source>Maximum zero-fuel weight is %1</source>
        <translation>El peso máximo sin combustible es %1</translation>
    </message>
    <message>
        <source>Takeoff weight</source>
        <translation>Peso al despegue</translation>
    </message>
    <message>
        <source>Estimated takeoff weight</source>
        <translation>Peso estimado al despegue</translation>
    </message>
    <message>
        <source>Maximum takeoff weight is %1</source>
        <translation>El peso máximo al despegue es %1</translation>
    </message>
    <message>
        <source>Landing weight</source>
        <translation>Peso al aterrizaje</translation>
    </message>
    <message>
        <source>Estimated landing weight</source>
        <translation>Peso estimado al aterrizaje</translation>
    </message>
    <message>
        <source>Maximum landing weight is %1</source>
        <translation>El peso máximo al aterrizaje es %1</translation>
    </message>
    <message>
        <source>The flight plan is empty, add waypoints from %1%2 database%3 or start the %4%5 generator%6 or...</source>
        <translation>El plan de vuelo está vacío: añada puntos de ruta desde la %1%2 base de datos%3, inicie el %4%5 generador%6 o...</translation>
    </message>
    <message>
        <source>Get inspired</source>
        <translation>Inspírese</translation>
    </message>
    <message>
        <source>Open the route generator</source>
        <translation>Abrir el generador de rutas</translation>
    </message>
    <message>
        <source>Airspeeds and altitudes are automatically computed on waypoint change</source>
        <translation>Las velocidades y altitudes se calculan automáticamente al cambiar los puntos de ruta</translation>
    </message>
    <message>
        <source>Compute air speeds and altitudes for all waypoints</source>
        <translation>Calcular las velocidades y altitudes de todos los puntos de ruta</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>%1 waypoint(s)</source>
        <translation>%1 punto(s) de ruta</translation>
    </message>
    <message>
        <source>distance</source>
        <translation>distancia</translation>
    </message>
    <message>
        <source>duration</source>
        <translation>duración</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabla</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Fuel</source>
        <translation>Combustible</translation>
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
    <message>
        <source>Damaged file</source>
        <translation>Archivo dañado</translation>
    </message>
    <message>
        <source>Line %1 gives &quot;%2&quot; as the number of waypoints. Nothing was imported.</source>
        <translation>La línea %1 da &quot;%2&quot; como número de puntos. No se importó nada.</translation>
    </message>
    <message>
        <source>The file announces %1 waypoints on line %2 but holds %3: it is cut short or damaged. Nothing was imported.</source>
        <translation>El archivo anuncia %1 puntos en la línea %2 pero contiene %3: está cortado o dañado. No se importó nada.</translation>
    </message>
    <message>
        <source>Line %1 gives &quot;%2&quot; as the latitude. Nothing was imported.</source>
        <translation>La línea %1 da &quot;%2&quot; como latitud. No se importó nada.</translation>
    </message>
    <message>
        <source>Line %1 gives &quot;%2&quot; as the longitude. Nothing was imported.</source>
        <translation>La línea %1 da &quot;%2&quot; como longitud. No se importó nada.</translation>
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
    <name>GeneratorDialog</name>
    <message>
        <source>Routing in progress...</source>
        <translation>Cálculo de la ruta en curso...</translation>
    </message>
    <message>
        <source>Route generator</source>
        <translation>Generador de rutas</translation>
    </message>
    <message>
        <source>(in %1 s)</source>
        <translation>(en %1 s)</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Departure</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>SID output</source>
        <translation>Salida de la SID</translation>
    </message>
    <message>
        <source>Arrival</source>
        <translation>Llegada</translation>
    </message>
    <message>
        <source>STAR input</source>
        <translation>Entrada de la STAR</translation>
    </message>
    <message>
        <source>Hit the Enter key to validate airport</source>
        <translation>Pulse Intro para validar el aeropuerto</translation>
    </message>
    <message>
        <source>Airplane details</source>
        <translation>Detalles del avión</translation>
    </message>
    <message>
        <source>Routing options</source>
        <translation>Opciones de ruta</translation>
    </message>
    <message>
        <source>Airway navigation</source>
        <translation>Navegación por aerovías</translation>
    </message>
    <message>
        <source>Prefer HIGH (Jet) routes during cruise</source>
        <translation>Preferir las aerovías ALTAS (Jet) en crucero</translation>
    </message>
    <message>
        <source>Use only LOW (Victor) routes</source>
        <translation>Usar solo aerovías BAJAS (Victor)</translation>
    </message>
    <message>
        <source>No route preference between HIGH and LOW</source>
        <translation>Sin preferencia entre aerovías ALTAS y BAJAS</translation>
    </message>
    <message>
        <source>Ignore airways during routing</source>
        <translation>Ignorar las aerovías en el cálculo de la ruta</translation>
    </message>
    <message>
        <source>Radio navigation</source>
        <translation>Radionavegación</translation>
    </message>
    <message>
        <source>Routing status</source>
        <translation>Estado del cálculo</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>of</source>
        <translation>de</translation>
    </message>
    <message>
        <source>%1nm</source>
        <translation>%1 NM</translation>
    </message>
    <message>
        <source>Close when finished</source>
        <translation>Cerrar al terminar</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Fit map to generated route</source>
        <translation>Ajustar el mapa a la ruta generada</translation>
    </message>
    <message>
        <source>Interrupt</source>
        <translation>Interrumpir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Generar</translation>
    </message>
    <message>
        <source>Re-generate</source>
        <translation>Volver a generar</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Manual...</source>
        <translation>Manual...</translation>
    </message>
    <message>
        <source>FAQ...</source>
        <translation>Preguntas frecuentes...</translation>
    </message>
    <message>
        <source>Check for updates...</source>
        <translation>Buscar actualizaciones...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Acerca de...</translation>
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
        <source>This item is not in the navigation database any more.</source>
        <translation>Este elemento ya no está en la base de datos de navegación.</translation>
    </message>
    <message>
        <source>the service redirected to another host</source>
        <translation>el servicio redirigió a otro servidor</translation>
    </message>
    <message>
        <source>the service redirects in a loop</source>
        <translation>el servicio redirige en bucle</translation>
    </message>
</context>
<context>
    <name>InformationPanel</name>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Show previous item</source>
        <translation>Mostrar el elemento anterior</translation>
    </message>
    <message>
        <source>Navigate history</source>
        <translation>Navegar por el historial</translation>
    </message>
    <message>
        <source>Show next item</source>
        <translation>Mostrar el elemento siguiente</translation>
    </message>
</context>
<context>
    <name>InspirationMenu</name>
    <message>
        <source>&amp;Inspiration</source>
        <translation>&amp;Inspiración</translation>
    </message>
    <message>
        <source>Europe</source>
        <translation>Europa</translation>
    </message>
    <message>
        <source>Paris Charles De Gaulle - Nice Côte d&apos;Azur</source>
        <translation>París Charles De Gaulle - Niza Côte d&apos;Azur</translation>
    </message>
    <message>
        <source>Paris Charles De Gaulle - Wien Schwechat</source>
        <translation>París Charles De Gaulle - Viena Schwechat</translation>
    </message>
    <message>
        <source>Zurich Kloten - Innsbruck Kranebitten</source>
        <translation>Zúrich Kloten - Innsbruck Kranebitten</translation>
    </message>
    <message>
        <source>Amsterdam Schiphol - Oslo Gardermoen</source>
        <translation>Ámsterdam Schiphol - Oslo Gardermoen</translation>
    </message>
    <message>
        <source>Hamburg Fuhlsbüttel - Muenchen Franz Joseph</source>
        <translation>Hamburgo Fuhlsbüttel - Múnich Franz Joseph</translation>
    </message>
    <message>
        <source>Muenchen Franz Joseph - London Heathrow</source>
        <translation>Múnich Franz Joseph - Londres Heathrow</translation>
    </message>
    <message>
        <source>Torino Caselle - Lyon Saint Exupery</source>
        <translation>Turín Caselle - Lyon Saint-Exupéry</translation>
    </message>
    <message>
        <source>Roma Leonardo Da Vinci - Barcelona El Prat</source>
        <translation>Roma Leonardo Da Vinci - Barcelona El Prat</translation>
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
        <translation>Estambul Atatürk - Fráncfort del Meno</translation>
    </message>
    <message>
        <source>Barcelona El Prat - Madrid Barajas</source>
        <translation>Barcelona El Prat - Madrid Barajas</translation>
    </message>
    <message>
        <source>London Heathrow - Athens Eleftherios Venizelos</source>
        <translation>Londres Heathrow - Atenas Eleftherios Venizelos</translation>
    </message>
    <message>
        <source>Geneva Cointrin - Bern Belp</source>
        <translation>Ginebra Cointrin - Berna Belp</translation>
    </message>
    <message>
        <source>Innsbruck Kranebitten - Bolzano Dolomiti</source>
        <translation>Innsbruck Kranebitten - Bolzano Dolomiti</translation>
    </message>
    <message>
        <source>North America</source>
        <translation>América del Norte</translation>
    </message>
    <message>
        <source>San Francisco - New York John F. Kennedy</source>
        <translation>San Francisco - Nueva York John F. Kennedy</translation>
    </message>
    <message>
        <source>Los Angeles - Seattle Tacoma</source>
        <translation>Los Ángeles - Seattle Tacoma</translation>
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
        <translation>Las Vegas Norte - Parque Nacional del Gran Cañón</translation>
    </message>
    <message>
        <source>South America</source>
        <translation>América del Sur</translation>
    </message>
    <message>
        <source>Mexico Licenciado Benito Juarez Intl - Bogota El Dorado Intl</source>
        <translation>Ciudad de México Licenciado Benito Juárez Intl - Bogotá El Dorado Intl</translation>
    </message>
    <message>
        <source>Rio de Janeiro Galeao Intl - Santiago Arturo Benitez Intl</source>
        <translation>Río de Janeiro Galeão Intl - Santiago Arturo Benítez Intl</translation>
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
        <translation>Río de Janeiro Santos Dumont - Angra dos Reis</translation>
    </message>
    <message>
        <source>Asia</source>
        <translation>Asia</translation>
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
        <translation>Taipéi Taoyuan Intl - Tokio Haneda Intl</translation>
    </message>
    <message>
        <source>Dubai Intl - Singapore Changi</source>
        <translation>Dubái Intl - Singapur Changi</translation>
    </message>
    <message>
        <source>Tokyo Haneda Intl - Sapporo New Chitose Intl</source>
        <translation>Tokio Haneda Intl - Sapporo New Chitose Intl</translation>
    </message>
    <message>
        <source>Kathmandu Tribhuvan Intl - Lukla Tenzing-Hillary</source>
        <translation>Katmandú Tribhuvan Intl - Lukla Tenzing-Hillary</translation>
    </message>
    <message>
        <source>Africa</source>
        <translation>África</translation>
    </message>
    <message>
        <source>Cape Town Intl - Dubai Intl</source>
        <translation>Ciudad del Cabo Intl - Dubái Intl</translation>
    </message>
    <message>
        <source>Casablanca Mohammed V Intl - Carthage</source>
        <translation>Casablanca Mohammed V Intl - Cartago</translation>
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
        <translation>Adís Abeba Bole Intl - Dire Dawa Intl</translation>
    </message>
    <message>
        <source>Cape Town Intl - George</source>
        <translation>Ciudad del Cabo Intl - George</translation>
    </message>
    <message>
        <source>Oceanic</source>
        <translation>Oceánico</translation>
    </message>
    <message>
        <source>Paris Charles De Gaulle - New York John F. Kennedy</source>
        <translation>París Charles De Gaulle - Nueva York John F. Kennedy</translation>
    </message>
    <message>
        <source>Los Angeles - Tokyo Haneda</source>
        <translation>Los Ángeles - Tokio Haneda</translation>
    </message>
    <message>
        <source>Los Angeles - Honolulu Daniel K Inouye</source>
        <translation>Los Ángeles - Honolulu Daniel K Inouye</translation>
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
        <translation>Añadir un aeropuerto al azar</translation>
    </message>
    <message>
        <source>Add two random airports</source>
        <translation>Añadir dos aeropuertos al azar</translation>
    </message>
</context>
<context>
    <name>MapMenu</name>
    <message>
        <source>&amp;Map</source>
        <translation>&amp;Mapa</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Fit zoom to flight plan</source>
        <translation>Ajustar el zoom al plan de vuelo</translation>
    </message>
    <message>
        <source>Airports</source>
        <translation>Aeropuertos</translation>
    </message>
    <message>
        <source>Airport ground</source>
        <translation>Superficie de los aeropuertos</translation>
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
        <translation>Segmentos altos</translation>
    </message>
    <message>
        <source>Segment low</source>
        <translation>Segmentos bajos</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Derrotas</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Connect to simulator</source>
        <translation>Conectar con el simulador</translation>
    </message>
    <message>
        <source>Moving map</source>
        <translation>Mapa móvil</translation>
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
    <name>Navigation</name>
    <message>
        <source>The map cannot keep its tiles on disk: %1</source>
        <translation>El mapa no puede guardar sus teselas en el disco: %1</translation>
    </message>
    <message>
        <source>Custom point</source>
        <translation>Punto personalizado</translation>
    </message>
    <message>
        <source>Create COORD point</source>
        <translation>Crear un punto COORD</translation>
    </message>
    <message>
        <source>Add COORD to flight plan</source>
        <translation>Añadir el COORD al plan de vuelo</translation>
    </message>
    <message>
        <source>Map zoom in</source>
        <translation>Acercar el mapa</translation>
    </message>
    <message>
        <source>Map zoom out</source>
        <translation>Alejar el mapa</translation>
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
    <message>
        <source>the server answered %1 %2</source>
        <translation>el servidor respondió %1 %2</translation>
    </message>
    <message>
        <source>the answer is too short for a database file</source>
        <translation>la respuesta es demasiado corta para un archivo de base de datos</translation>
    </message>
    <message>
        <source>the server redirects in a loop</source>
        <translation>el servidor redirige en bucle</translation>
    </message>
    <message>
        <source>the server closed the connection before the end</source>
        <translation>el servidor cerró la conexión antes del final</translation>
    </message>
</context>
<context>
    <name>PlanLimits</name>
    <message>
        <source>The file %1 is too large to be a flight plan.</source>
        <translation>El archivo %1 es demasiado grande para ser un plan de vuelo.</translation>
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
        <source>GPS point</source>
        <translation>Punto GPS</translation>
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
    <message>
        <source>Airport</source>
        <translation>Aeropuerto</translation>
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
        <translation>Información de %1</translation>
    </message>
    <message>
        <source>Airport</source>
        <translation>Aeropuerto</translation>
    </message>
    <message>
        <source>Airport information</source>
        <translation>Información del aeropuerto</translation>
    </message>
    <message>
        <source>Select %1</source>
        <translation>Seleccionar %1</translation>
    </message>
    <message>
        <source>Fit to zoom</source>
        <translation>Ajustar el zoom</translation>
    </message>
    <message>
        <source>More info...</source>
        <translation>Más información...</translation>
    </message>
    <message>
        <source>METAR</source>
        <translation>METAR</translation>
    </message>
    <message>
        <source>Runways</source>
        <translation>Pistas</translation>
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
        <translation>Plan de vuelo</translation>
    </message>
    <message>
        <source>Add %1 to route</source>
        <translation>Añadir %1 a la ruta</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Quitar %1</translation>
    </message>
    <message>
        <source>Start with %1</source>
        <translation>Empezar por %1</translation>
    </message>
    <message>
        <source>End with %1</source>
        <translation>Terminar en %1</translation>
    </message>
</context>
<context>
    <name>PointPanel</name>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Search (min 2 chars)...</source>
        <translation>Buscar (mín. 2 caracteres)...</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Borrar la búsqueda</translation>
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
        <translation>%1 puntos filtrados</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Please choose path to export flight plans</source>
        <translation>Elija la carpeta de exportación de los planes de vuelo</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>X-Plane</source>
        <translation>X-Plane</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzado</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Masa</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Default transition altitude</source>
        <translation>Altitud de transición predeterminada</translation>
    </message>
    <message>
        <source> ft</source>
        <translation> ft</translation>
    </message>
    <message>
        <source>User interface</source>
        <translation>Interfaz de usuario</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Predeterminado del sistema</translation>
    </message>
    <message>
        <source>Restart the application to apply the language change.</source>
        <translation>Reinicie la aplicación para aplicar el cambio de idioma.</translation>
    </message>
    <message>
        <source>Dark mode</source>
        <translation>Modo oscuro</translation>
    </message>
    <message>
        <source>Automatic (depends on map theme)</source>
        <translation>Automático (según el tema del mapa)</translation>
    </message>
    <message>
        <source>Always disabled</source>
        <translation>Siempre desactivado</translation>
    </message>
    <message>
        <source>Always enabled</source>
        <translation>Siempre activado</translation>
    </message>
    <message>
        <source>Personal details</source>
        <translation>Datos personales</translation>
    </message>
    <message>
        <source>These details are used in some file export formats.</source>
        <translation>Estos datos se usan en algunos formatos de exportación.</translation>
    </message>
    <message>
        <source>Pilot name (PIC)</source>
        <translation>Nombre del piloto (PIC)</translation>
    </message>
    <message>
        <source>Company name</source>
        <translation>Nombre de la compañía</translation>
    </message>
    <message>
        <source>Airport detail</source>
        <translation>Detalle de los aeropuertos</translation>
    </message>
    <message>
        <source>Full detail</source>
        <translation>Detalle completo</translation>
    </message>
    <message>
        <source>Limited detail</source>
        <translation>Detalle limitado</translation>
    </message>
    <message>
        <source>(restart required)</source>
        <translation>(es necesario reiniciar)</translation>
    </message>
    <message>
        <source>In &apos;Limited Detail&apos; mode the application does not 
load ground paintings, taxiways signs, nor startup 
locations, in order to reduce startup time.</source>
        <translation>En el modo «Detalle limitado» la aplicación no carga 
las marcas en el suelo, los letreros de las calles de rodaje ni las 
posiciones de salida, para reducir el tiempo de arranque.</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Tamaño de letra</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Navigation database</source>
        <translation>Base de datos de navegación</translation>
    </message>
    <message>
        <source>To select the navigation database, please go to the dedicated
&apos;Select navigation database&apos; dialog from the &apos;Edit&apos; menu, or open
it with the button below.</source>
        <translation>Para seleccionar la base de datos de navegación, vaya al diálogo
«Seleccionar base de datos de navegación» del menú «Edición», o ábralo
con el botón de abajo.</translation>
    </message>
    <message>
        <source>Select navigation database</source>
        <translation>Seleccionar base de datos de navegación</translation>
    </message>
    <message>
        <source>Flight plan export</source>
        <translation>Exportación del plan de vuelo</translation>
    </message>
    <message>
        <source>Add direct (DCT/DRCT) to exported route</source>
        <translation>Añadir los directos (DCT/DRCT) a la ruta exportada</translation>
    </message>
    <message>
        <source>Default export format</source>
        <translation>Formato de exportación predeterminado</translation>
    </message>
    <message>
        <source>Export to FMS directory (in &lt;tt&gt;&amp;lt;X-Plane&amp;gt;/Output/FMS plans&lt;/tt&gt;)</source>
        <translation>Exportar a la carpeta FMS (en &lt;tt&gt;&amp;lt;X-Plane&amp;gt;/Output/FMS plans&lt;/tt&gt;)</translation>
    </message>
    <message>
        <source>Export to custom directory</source>
        <translation>Exportar a una carpeta personalizada</translation>
    </message>
    <message>
        <source>Directory to export flight plans</source>
        <translation>Carpeta de exportación de los planes de vuelo</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>Plane tracking</source>
        <translation>Seguimiento del avión</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Host</translation>
    </message>
    <message>
        <source>Host name or IP</source>
        <translation>Nombre de host o IP</translation>
    </message>
    <message>
        <source>Leave empty if X-Plane is running
on this machine.</source>
        <translation>Déjelo vacío si X-Plane se ejecuta
en este equipo.</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Port to connect</source>
        <translation>Puerto de conexión</translation>
    </message>
    <message>
        <source>Leave empty if you are running
X-Plane 11 or 12.</source>
        <translation>Déjelo vacío si usa
X-Plane 11 o 12.</translation>
    </message>
    <message>
        <source>Software update</source>
        <translation>Actualización del programa</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>Buscar actualizaciones automáticamente</translation>
    </message>
    <message>
        <source>Check now</source>
        <translation>Comprobar ahora</translation>
    </message>
    <message>
        <source>Analysis</source>
        <translation>Análisis</translation>
    </message>
    <message>
        <source>Share anonymous information about usage</source>
        <translation>Compartir información anónima de uso</translation>
    </message>
    <message>
        <source>Help us to improve %1 by sending anonymous
information about your usage of the application.</source>
        <translation>Ayúdenos a mejorar %1 enviando información anónima
sobre su uso de la aplicación.</translation>
    </message>
    <message>
        <source>Reset preferences</source>
        <translation>Restablecer las preferencias</translation>
    </message>
    <message>
        <source>Restore preferences to factory defaults, all user settings will
be lost. These operations cannot be reverted!</source>
        <translation>Restablecer las preferencias de fábrica; se perderán todos los ajustes
del usuario. ¡Estas operaciones no se pueden deshacer!</translation>
    </message>
    <message>
        <source>Reset airplanes</source>
        <translation>Restablecer los aviones</translation>
    </message>
    <message>
        <source>Reset all preferences and quit</source>
        <translation>Restablecer todas las preferencias y salir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>PrintManager</name>
    <message>
        <source>Operational flight plan</source>
        <translation>Plan de vuelo operacional</translation>
    </message>
    <message>
        <source>%1 names no page of the flight plan, whose last page is %2.</source>
        <translation>%1 no designa ninguna página del plan de vuelo, cuya última página es la %2.</translation>
    </message>
    <message>
        <source>Invalid Pages Definition</source>
        <translation>Definición de páginas no válida</translation>
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
    <name>ProcedureContextMenu</name>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>No procedure</source>
        <translation>Ningún procedimiento</translation>
    </message>
    <message>
        <source>Show %1</source>
        <translation>Mostrar %1</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Insert transition...</source>
        <translation>Insertar transición...</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Quitar %1</translation>
    </message>
    <message>
        <source>Change procedure</source>
        <translation>Cambiar de procedimiento</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Elegir...</translation>
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
    <message>
        <source>Upgrading from %1 version 4.0.0</source>
        <translation>Actualización desde %1 versión 4.0.0</translation>
    </message>
    <message>
        <source>In order to run %1 version %2 you must uninstall version 4.0.0 from Windows settings before! Then install (or repair) version %2 again.</source>
        <translation>Para usar %1 versión %2 primero debe desinstalar la versión 4.0.0 desde la configuración de Windows. Después instale (o repare) de nuevo la versión %2.</translation>
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
    <message>
        <source>Engine Out SID</source>
        <translation>SID con fallo de motor</translation>
    </message>
    <message>
        <source>SID Runway Transition</source>
        <translation>Transición de pista de SID</translation>
    </message>
    <message>
        <source>SID or SID Common Route</source>
        <translation>SID o tramo común de SID</translation>
    </message>
    <message>
        <source>SID Enroute Transition</source>
        <translation>Transición en ruta de SID</translation>
    </message>
    <message>
        <source>STAR Enroute Transition</source>
        <translation>Transición en ruta de STAR</translation>
    </message>
    <message>
        <source>STAR or STAR Common Route</source>
        <translation>STAR o tramo común de STAR</translation>
    </message>
    <message>
        <source>STAR Runway Transition</source>
        <translation>Transición de pista de STAR</translation>
    </message>
    <message>
        <source>Approach Transition</source>
        <translation>Transición de aproximación</translation>
    </message>
    <message>
        <source>Localizer/Backcourse Approach</source>
        <translation>Aproximación localizador/rumbo posterior</translation>
    </message>
    <message>
        <source>VORDME Approach</source>
        <translation>Aproximación VOR/DME</translation>
    </message>
    <message>
        <source>Flight Management System (FMS) Approach</source>
        <translation>Aproximación sistema de gestión de vuelo (FMS)</translation>
    </message>
    <message>
        <source>Instrument Guidance System (IGS) Approach</source>
        <translation>Aproximación sistema de guiado por instrumentos (IGS)</translation>
    </message>
    <message>
        <source>Instrument Landing System (ILS) Approach</source>
        <translation>Aproximación sistema de aterrizaje por instrumentos (ILS)</translation>
    </message>
    <message>
        <source>GNSS Landing System (GLS)Approach</source>
        <translation>Aproximación sistema de aterrizaje GNSS (GLS)</translation>
    </message>
    <message>
        <source>Localizer Only (LOC) Approach</source>
        <translation>Aproximación solo localizador (LOC)</translation>
    </message>
    <message>
        <source>Microwave Landing System (MLS) Approach</source>
        <translation>Aproximación sistema de aterrizaje por microondas (MLS)</translation>
    </message>
    <message>
        <source>Non-Directional Beacon (NDB) Approach</source>
        <translation>Aproximación radiofaro no direccional (NDB)</translation>
    </message>
    <message>
        <source>Global Positioning System (GPS) Approach</source>
        <translation>Aproximación GPS (sistema de posicionamiento global)</translation>
    </message>
    <message>
        <source>Non-Directional Beacon + DME (NDB+DME) Approach</source>
        <translation>Aproximación radiofaro no direccional + DME (NDB+DME)</translation>
    </message>
    <message>
        <source>Area Navigation (RNAV) Approach</source>
        <translation>Aproximación de navegación de área (RNAV)</translation>
    </message>
    <message>
        <source>VOR Approach using VORDME/VORTAC</source>
        <translation>Aproximación VOR con VOR/DME o VORTAC</translation>
    </message>
    <message>
        <source>TACAN Approach</source>
        <translation>Aproximación TACAN</translation>
    </message>
    <message>
        <source>Simplified Directional Facility (SDF) Approach</source>
        <translation>Aproximación instalación direccional simplificada (SDF)</translation>
    </message>
    <message>
        <source>VOR Approach</source>
        <translation>Aproximación VOR</translation>
    </message>
    <message>
        <source>Localizer Directional Aid (LDA) Approach</source>
        <translation>Aproximación ayuda direccional tipo localizador (LDA)</translation>
    </message>
    <message>
        <source>Missed Approach</source>
        <translation>Aproximación frustrada</translation>
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
    <name>ReplyGuard</name>
    <message>
        <source>the answer is too long</source>
        <translation>la respuesta es demasiado larga</translation>
    </message>
    <message>
        <source>the service did not answer in time</source>
        <translation>el servicio no respondió a tiempo</translation>
    </message>
    <message>
        <source>the answer was cut short</source>
        <translation>la respuesta llegó cortada</translation>
    </message>
    <message>
        <source>the server sent the answer compressed</source>
        <translation>el servidor envió la respuesta comprimida</translation>
    </message>
    <message>
        <source>the answer is damaged</source>
        <translation>la respuesta está dañada</translation>
    </message>
</context>
<context>
    <name>RouteContextMenu</name>
    <message>
        <source>Route</source>
        <translation>Ruta</translation>
    </message>
    <message>
        <source>Generator</source>
        <translation>Generador</translation>
    </message>
    <message>
        <source>Compute IAS/alt</source>
        <translation>Calcular IAS/alt.</translation>
    </message>
    <message>
        <source>Clear route</source>
        <translation>Borrar la ruta</translation>
    </message>
    <message>
        <source>Reverse route</source>
        <translation>Invertir la ruta</translation>
    </message>
    <message>
        <source>Fit to zoom</source>
        <translation>Ajustar el zoom</translation>
    </message>
</context>
<context>
    <name>RouteMenu</name>
    <message>
        <source>&amp;Route</source>
        <translation>&amp;Ruta</translation>
    </message>
    <message>
        <source>Generator</source>
        <translation>Generador</translation>
    </message>
    <message>
        <source>Add point to the route</source>
        <translation>Añadir el punto a la ruta</translation>
    </message>
    <message>
        <source>Start with point</source>
        <translation>Empezar por el punto</translation>
    </message>
    <message>
        <source>End with point</source>
        <translation>Terminar en el punto</translation>
    </message>
    <message>
        <source>Remove point from route</source>
        <translation>Quitar el punto de la ruta</translation>
    </message>
    <message>
        <source>Add or remove point</source>
        <translation>Añadir o quitar el punto</translation>
    </message>
    <message>
        <source>Compute altitudes and speeds</source>
        <translation>Calcular altitudes y velocidades</translation>
    </message>
    <message>
        <source>Autocompute on waypoint change</source>
        <translation>Cálculo automático al cambiar los puntos de ruta</translation>
    </message>
    <message>
        <source>Information for point</source>
        <translation>Información del punto</translation>
    </message>
    <message>
        <source>Information for waypoint</source>
        <translation>Información del punto de ruta</translation>
    </message>
    <message>
        <source>Edit the current waypoint</source>
        <translation>Editar el punto de ruta actual</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Invertir</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Update oceanic tracks...</source>
        <translation>Actualizar las derrotas oceánicas...</translation>
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
        <source>Routing failed: no thread can be started for the search</source>
        <translation>Error en el cálculo de la ruta: no se puede iniciar un hilo para la búsqueda</translation>
    </message>
    <message>
        <source>Routing failed: there is not enough memory for the search</source>
        <translation>Error en el cálculo de la ruta: no hay memoria suficiente para la búsqueda</translation>
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
    <name>RunwayContextMenu</name>
    <message>
        <source>Runway %1</source>
        <translation>Pista %1</translation>
    </message>
    <message>
        <source>Show information</source>
        <translation>Mostrar la información</translation>
    </message>
    <message>
        <source>Fit to zoom</source>
        <translation>Ajustar el zoom</translation>
    </message>
</context>
<context>
    <name>RunwaysContextMenu</name>
    <message>
        <source>Runway...</source>
        <translation>Pista...</translation>
    </message>
</context>
<context>
    <name>SaveFileDialog</name>
    <message>
        <source>%1 already exists.</source>
        <translation>El fichero %1 ya existe.</translation>
    </message>
    <message>
        <source>Do you want to replace it?</source>
        <translation>¿Desea reemplazarlo?</translation>
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
    <name>SegmentContextMenu</name>
    <message>
        <source>Segment %1</source>
        <translation>Segmento %1</translation>
    </message>
    <message>
        <source>Show information</source>
        <translation>Mostrar la información</translation>
    </message>
    <message>
        <source>Fit to zoom</source>
        <translation>Ajustar el zoom</translation>
    </message>
    <message>
        <source>First point %1</source>
        <translation>Primer punto %1</translation>
    </message>
    <message>
        <source>Select %1</source>
        <translation>Seleccionar %1</translation>
    </message>
    <message>
        <source>Add to the route</source>
        <translation>Añadir a la ruta</translation>
    </message>
    <message>
        <source>Remove from route</source>
        <translation>Quitar de la ruta</translation>
    </message>
    <message>
        <source>Second point %1</source>
        <translation>Segundo punto %1</translation>
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
        <translation>El archivo de preferencias %1 no se puede leer: el programa se inicia con sus preferencias predeterminadas.</translation>
    </message>
    <message>
        <source>The preferences file %1 cannot be read. It is kept as %2, and the program starts with its default preferences.</source>
        <translation>El archivo de preferencias %1 no se puede leer. Se conserva como %2, y el programa se inicia con sus preferencias predeterminadas.</translation>
    </message>
    <message>
        <source>The preferences file %1 cannot be read.</source>
        <translation>El archivo de preferencias %1 no se puede leer.</translation>
    </message>
    <message>
        <source>Line %1 of the preferences file %2 cannot be read: &quot;%3&quot;. Every other preference is kept, and the file as it was is kept as %4.</source>
        <translation>La línea %1 del archivo de preferencias %2 no se puede leer: «%3». Todas las demás preferencias se conservan, y el archivo tal como estaba se conserva como %4.</translation>
    </message>
    <message>
        <source>Lines %1 of the preferences file %2 cannot be read: %3. Every other preference is kept, and the file as it was is kept as %4.</source>
        <translation>Las líneas %1 del archivo de preferencias %2 no se pueden leer: %3. Todas las demás preferencias se conservan, y el archivo tal como estaba se conserva como %4.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <comment>a line of the preferences file, quoted as the language quotes</comment>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>The preferences file %1 has lines that cannot be read, and they cannot be left out: the disk is full. The file is kept as it is, and the program uses the preferences it could read in it.</source>
        <translation>El archivo de preferencias %1 tiene líneas que no se pueden leer, y no se pueden quitar: el disco está lleno. El archivo se conserva tal como está, y el programa usa las preferencias que pudo leer en él.</translation>
    </message>
    <message>
        <source>The preferences file %1 cannot be read. It is kept as %2, and the program does without it.</source>
        <translation>El archivo de preferencias %1 no se puede leer. Se conserva como %2, y el programa prescinde de él.</translation>
    </message>
    <message>
        <source>The preferences cannot be written to %1: the disk may be full or the file protected. Preferences changed in this session will be lost when the program ends.</source>
        <translation>Las preferencias no se pueden escribir en %1: puede que el disco esté lleno o el archivo protegido. Las preferencias cambiadas en esta sesión se perderán al cerrar el programa.</translation>
    </message>
</context>
<context>
    <name>SoftwareUpdate</name>
    <message>
        <source>Cannot reach the update page, no update check done</source>
        <translation>No se puede acceder a la página de actualizaciones; no se ha comprobado nada</translation>
    </message>
    <message>
        <source>No update check done: %1</source>
        <translation>No se ha comprobado si hay actualizaciones: %1</translation>
    </message>
    <message>
        <source>Software update</source>
        <translation>Actualización del programa</translation>
    </message>
    <message>
        <source>Checking for software updates...</source>
        <translation>Buscando actualizaciones del programa...</translation>
    </message>
    <message>
        <source>New version %1 available (you are running version %2).</source>
        <translation>Nueva versión %1 disponible (usted usa la versión %2).</translation>
    </message>
    <message>
        <source>You are already running the latest version %1.</source>
        <translation>Ya usa la última versión %1.</translation>
    </message>
    <message>
        <source>Cannot check for new version, error code %1</source>
        <translation>No se puede comprobar si hay una versión nueva, código de error %1</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
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
        <translation>El AIRAC %1 está caducado </translation>
    </message>
    <message>
        <source>→ get cycle %2 from </source>
        <translation>→ obtenga el ciclo %2 de </translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Loading ...</source>
        <translation>Cargando...</translation>
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
    <message>
        <source>Cannot read tracks: the answer is empty.</source>
        <translation>No se pueden leer las rutas oceánicas: la respuesta está vacía.</translation>
    </message>
    <message>
        <source>Cannot read tracks: the answer holds no track.</source>
        <translation>No se pueden leer las rutas oceánicas: la respuesta no contiene ninguna ruta.</translation>
    </message>
    <message>
        <source>No track could be laid on the fixes of the database.</source>
        <translation>No se pudo trazar ninguna ruta sobre los puntos de la base de datos.</translation>
    </message>
    <message>
        <source>Left out: %1</source>
        <translation>Omitidos: %1</translation>
    </message>
</context>
<context>
    <name>TracksUpdateDialog</name>
    <message>
        <source>Oceanic tracks</source>
        <translation>Derrotas oceánicas</translation>
    </message>
    <message>
        <source>Updating tracks...</source>
        <translation>Actualizando las derrotas...</translation>
    </message>
    <message>
        <source>Updated tracks:</source>
        <translation>Derrotas actualizadas:</translation>
    </message>
    <message>
        <source>Tracks not updated, the tracks in use are kept:</source>
        <translation>Derrotas no actualizadas, se conservan las derrotas en uso:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>TransitionContextMenu</name>
    <message>
        <source>Transition %1</source>
        <translation>Transición %1</translation>
    </message>
    <message>
        <source>Insert transition</source>
        <translation>Insertar la transición</translation>
    </message>
    <message>
        <source>Hide %1</source>
        <translation>Ocultar %1</translation>
    </message>
    <message>
        <source>Show only %1</source>
        <translation>Mostrar solo %1</translation>
    </message>
    <message>
        <source>Procedure %1</source>
        <translation>Procedimiento %1</translation>
    </message>
    <message>
        <source>Show all transitions</source>
        <translation>Mostrar todas las transiciones</translation>
    </message>
    <message>
        <source>Fit to zoom</source>
        <translation>Ajustar el zoom</translation>
    </message>
</context>
<context>
    <name>ViewMenu</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Flight plan</source>
        <translation>Plan de vuelo</translation>
    </message>
    <message>
        <source>Side panel</source>
        <translation>Panel lateral</translation>
    </message>
    <message>
        <source>Previous info item</source>
        <translation>Elemento de información anterior</translation>
    </message>
    <message>
        <source>Next info item</source>
        <translation>Elemento de información siguiente</translation>
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
        <translation>(V2 %1kts para %2)</translation>
    </message>
    <message>
        <source>(VAT %1kts for %2)</source>
        <translation>(VAT %1kts para %2)</translation>
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
    <name>WaypointContextMenu</name>
    <message>
        <source>Waypoint %1</source>
        <translation>Punto de ruta %1</translation>
    </message>
    <message>
        <source>%1 information</source>
        <translation>Información de %1</translation>
    </message>
    <message>
        <source>Airport information</source>
        <translation>Información del aeropuerto</translation>
    </message>
    <message>
        <source>Waypoint info</source>
        <translation>Info del punto de ruta</translation>
    </message>
    <message>
        <source>Edit waypoint...</source>
        <translation>Editar el punto de ruta...</translation>
    </message>
    <message>
        <source>Remove waypoint</source>
        <translation>Quitar el punto de ruta</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Duplicate waypoint</source>
        <translation>Duplicar el punto de ruta</translation>
    </message>
</context>
<context>
    <name>WaypointDelegateModel</name>
    <message>
        <source>No SID</source>
        <translation>Sin SID</translation>
    </message>
    <message>
        <source>No STAR</source>
        <translation>Sin STAR</translation>
    </message>
</context>
<context>
    <name>WaypointEditDialog</name>
    <message>
        <source>Edit waypoint %1</source>
        <translation>Editar el punto de ruta %1</translation>
    </message>
    <message>
        <source>Altitude and IAS cannot be modified as &apos;auto-compute&apos; is enabled.
You can uncheck this feature in the &apos;Route&apos; menu.</source>
        <translation>La altitud y la IAS no se pueden modificar porque el «cálculo automático» está activado.
Puede desactivar esta función en el menú «Ruta».</translation>
    </message>
    <message>
        <source>Edit altitude, IAS or comment for this waypoint. Empty the field 
to clear the value.</source>
        <translation>Edite la altitud, la IAS o el comentario de este punto de ruta. Vacíe el campo 
para borrar el valor.</translation>
    </message>
    <message>
        <source>Editable properties</source>
        <translation>Propiedades editables</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Altitud</translation>
    </message>
    <message>
        <source>FL or ft</source>
        <translation>FL o ft</translation>
    </message>
    <message>
        <source>Format 1500ft or FL300</source>
        <translation>Formato 1500ft o FL300</translation>
    </message>
    <message>
        <source>IAS</source>
        <translation>IAS</translation>
    </message>
    <message>
        <source>M or kts</source>
        <translation>M o kt</translation>
    </message>
    <message>
        <source>Format 180kts or M0.78</source>
        <translation>Formato 180kts o M0,78</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentario</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>WaypointText</name>
    <message>
        <source>Not an altitude: 1500ft or FL300</source>
        <translation>Altitud no válida: 1500ft o FL300</translation>
    </message>
    <message>
        <source>Above the ceiling FL%1</source>
        <translation>Por encima del techo FL%1</translation>
    </message>
    <message>
        <source>Below %1ft</source>
        <translation>Por debajo de %1ft</translation>
    </message>
    <message>
        <source>Not a speed: 180kts or M0.78</source>
        <translation>Velocidad no válida: 180kts o M0,78</translation>
    </message>
    <message>
        <source>Above the top speed M%1</source>
        <translation>Por encima de la velocidad máxima M%1</translation>
    </message>
    <message>
        <source>Below %1kts</source>
        <translation>Por debajo de %1kts</translation>
    </message>
    <message>
        <source>Above the top speed %1kts</source>
        <translation>Por encima de la velocidad máxima %1kts</translation>
    </message>
    <message>
        <source>-1ft means no altitude: empty the field</source>
        <translation>-1ft significa sin altitud: vacíe el campo</translation>
    </message>
</context>
<context>
    <name>Weather</name>
    <message>
        <source>Weather maps need the address of a weather tile service (setting &quot;weather/tileHost&quot;).</source>
        <translation>Los mapas meteorológicos necesitan la dirección de un servicio de teselas meteorológicas (ajuste &quot;weather/tileHost&quot;).</translation>
    </message>
    <message>
        <source>Weather maps need the API key of the weather tile service, 32 lower-case hexadecimal characters (setting &quot;weather/apiKey&quot;).</source>
        <translation>Los mapas meteorológicos necesitan la clave de API del servicio de teselas meteorológicas, 32 caracteres hexadecimales en minúsculas (ajuste &quot;weather/apiKey&quot;).</translation>
    </message>
</context>
<context>
    <name>WholeReadFile</name>
    <message>
        <source>%1 is a folder, a device or a pipe, not a file.</source>
        <translation>%1 es una carpeta, un dispositivo o una tubería, no un archivo.</translation>
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
    <message>
        <source>ERROR: cannot write databasefile: %1</source>
        <translation>ERROR: no se puede escribir el archivo de la base de datos: %1</translation>
    </message>
    <message>
        <source>ERROR: the import needs more memory than there is</source>
        <translation>ERROR: la importación necesita más memoria de la que hay</translation>
    </message>
    <message>
        <source>ERROR: the import failed: %1</source>
        <translation>ERROR: la importación ha fallado: %1</translation>
    </message>
    <message>
        <source>ERROR: no thread can be started for the import</source>
        <translation>ERROR: no se puede iniciar un hilo para la importación</translation>
    </message>
</context>
</TS>
