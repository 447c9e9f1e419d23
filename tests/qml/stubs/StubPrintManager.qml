import QtQml

// Stands in for the print manager (published as "printManager"), whose dialogs are the system's:
// a file it could not print to is told by its signal.
QtObject {
    signal failed(string message)
}
