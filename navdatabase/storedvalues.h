#pragma once

class Boundary;
class Paintlight;
class Point;
class Procedure;
class Runway;
class Segment;
class Startup;
class Taxiname;
class Taxiway;

// Whether an item read from the stored database file holds only values the import itself
// makes: a latitude within -90..90 and a longitude within -180..180 (or neither, as the import
// leaves a position it cannot take), finite numbers, a point type of its own. A file whose
// records read cleanly but hold anything else was altered, and is refused as damaged.
namespace StoredValues {

bool acceptable(const Point &point);
bool acceptable(const Procedure &procedure);
bool acceptable(const Segment &segment);
bool acceptable(const Runway &runway);
bool acceptable(const Boundary &boundary);
bool acceptable(const Taxiway &taxiway);
bool acceptable(const Paintlight &paintlight);
bool acceptable(const Taxiname &taxiname);
bool acceptable(const Startup &startup);

// Null rows (a segment whose end is not a point) are the reader's own.
template <typename T>
bool acceptableItem(const T *item)
{
    return !item || acceptable(*item);
}

} // namespace StoredValues
