#pragma once

#include <QString>

class Procedure;

// Pieces shared by the information pages of points, airports and runways.
namespace InfoText {

// The link that opens a procedure's page from another page: its identifier, leading to
// "PROCEDURE>" and the procedure's UID. Identifier and UID come from the CIFP files, so both
// are escaped; the panel gets the key back unescaped.
QString procedureLink(const Procedure *procedure);

} // namespace InfoText
