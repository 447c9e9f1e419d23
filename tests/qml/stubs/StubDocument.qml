import QtQml

// Stands in for the document (published as "document").
QtObject {
    property string name: "Untitled"
    property bool saved: true
}
