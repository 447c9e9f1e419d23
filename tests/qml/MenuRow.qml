import QtQml

// One list row for MenuHost: the roles the context menus read, as properties.
QtObject {
    property var role_uid
    property var role_code
    property var role_type
    property var role_type_string
    property var role_bounding
    property var role_index
    property var role_runway
    property var role_available_runways: []
    property var role_procedure_type
    property var role_procedure_uid
    property var role_procedure_identifier
    property var role_procedure_all_transitions: []
    property var role_available_procedures: []
    property var role_uid_p0
    property var role_code_p0
    property var role_uid_p1
    property var role_code_p1
    property var role_transition
    property var role_transitions_bounding
    property var role_name
}
