import QtQml

// Stands in for the translation manager (published as "translationManager").
QtObject {
    property string language: "system"
    property bool restartRequired: false
    property string activeLanguage: "en"

    function stubReset() {
        language = "system";
        restartRequired = false;
        activeLanguage = "en";
    }
}
