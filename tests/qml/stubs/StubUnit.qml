import QtQml

// Stands in for the unit formatter (published as "unit") with conversions whose results the
// tests can tell apart from their arguments.
QtObject {
    function convertLevelToAltitude(level) {
        return level * 100;
    }

    function convertTasToIas(tas, altitude) {
        return tas - altitude / 1000;
    }

    function convertTasToMach(tas, altitude) {
        return tas / 600 + altitude / 10000000;
    }
}
