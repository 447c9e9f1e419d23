import QtQml
import QtQml.Models

// Stands in for the airplane list (published as "airplanes"): two airplanes.
ListModel {
    id: model

    property int currentIndex: 0
    readonly property QtObject current: currentIndex === 0 ? stubFirst : stubSecond
    property QtObject stubFirst: QtObject {
        property int ceilinglvl: 410
        property int maxcruisetas: 470
    }
    property QtObject stubSecond: QtObject {
        property int ceilinglvl: 250
        property int maxcruisetas: 280
    }

    signal changed

    ListElement {
        decoration: "Airbus A320"
    }
    ListElement {
        decoration: "Cessna 172"
    }
}
