.pragma library

// The airplane editor's fields: the list model's role name of each control and where the
// control keeps its value ("text", "index" of a combo box or "number" of a spin box), in the
// order they are loaded and saved. The list model converts a written fuel quantity by the
// airplane's fuel type and unit as they stand, so those two come before the quantities; "fuel"
// marks the quantities a change of unit type converts.
const fields = [
    { role: "icao", kind: "text" },
    { role: "name", kind: "text" },
    { role: "manufacturer", kind: "text" },
    { role: "maxpassengers", kind: "number" },
    { role: "maxcargo", kind: "number" },
    { role: "eow", kind: "number" },
    { role: "mzfw", kind: "number" },
    { role: "mtow", kind: "number" },
    { role: "mlw", kind: "number" },
    { role: "v2", kind: "number" },
    { role: "takeoffdistance", kind: "number" },
    { role: "vat", kind: "number" },
    { role: "landingdistance", kind: "number" },
    { role: "ceilinglvl", kind: "number" },
    { role: "maxcruisetas", kind: "number" },
    { role: "initialias", kind: "number" },
    { role: "initialvs", kind: "number" },
    { role: "climbias", kind: "number" },
    { role: "climbvs", kind: "number" },
    { role: "descentias", kind: "number" },
    { role: "descentvs", kind: "number" },
    { role: "approachias", kind: "number" },
    { role: "approachvs", kind: "number" },
    { role: "fueltype", kind: "index" },
    { role: "unittype", kind: "index" },
    { role: "taxifuel", kind: "number", fuel: true },
    { role: "climbfuel", kind: "number", fuel: true },
    { role: "cruisefuel", kind: "number", fuel: true },
    { role: "descentfuel", kind: "number", fuel: true },
    { role: "alternatefuel", kind: "number", fuel: true },
    { role: "contingencyfuel", kind: "number" },
    { role: "extrafuel", kind: "number", fuel: true },
    { role: "finalfuel", kind: "number" },
    // The one write that may make the list model signal `changed`.
    { role: "fuelcapacity", kind: "number", fuel: true, signals: true },
    { role: "registration", kind: "text" },
    { role: "equipment", kind: "text" },
    { role: "transponder", kind: "text" }
];

// The field controls under the given items, by role name: each control names its own role.
// A role without a control, or with two, or a control of no known role, would lose an edit
// silently; it is an error of the page.
function controlsByRole(items) {
    const known = new Set(fields.map(field => field.role));
    const controls = {};
    const visit = item => {
        if (typeof item.role === "string") {
            if (!known.has(item.role))
                throw new Error("No airplane field named " + item.role);
            if (controls[item.role])
                throw new Error("Two controls for the airplane field " + item.role);
            controls[item.role] = item;
        }
        for (let i = 0; i < item.children.length; ++i)
            visit(item.children[i]);
    };
    for (let i = 0; i < items.length; ++i)
        visit(items[i]);
    for (const field of fields) {
        if (!controls[field.role])
            throw new Error("No control for the airplane field " + field.role);
    }
    return controls;
}

function read(control, kind) {
    return kind === "index" ? control.currentIndex : kind === "text" ? control.text : control.value;
}

function write(control, kind, value) {
    if (kind === "index")
        control.currentIndex = value;
    else if (kind === "text")
        control.text = value;
    else
        control.value = value;
}

// Shows the airplane of `row` as the list model gives it, in the display units.
function load(model, row, controls) {
    for (const field of fields)
        write(controls[field.role], field.kind, model.get(field.role, row));
}

function save(model, row, controls, emitChanged) {
    for (const field of fields) {
        const value = read(controls[field.role], field.kind);
        if (field.signals)
            model.set(field.role, row, value, emitChanged);
        else
            model.set(field.role, row, value);
    }
}

// A fuel quantity shown in unit type `from` ("Mass" 0, "Volume" 1), shown in unit type `to`:
// through the stored kilograms, with the display units of the preferences (kg or lbs, L or gal)
// on both sides, so that gallons and pounds convert as litres and kilograms do. Whole numbers,
// as the boxes show them.
function convertFuel(unit, value, fuelType, from, to) {
    if (from === to)
        return value;
    const volumeUnit = unit.volumeUnitStrings.indexOf(unit.fuelUnitToString(1));
    const displayUnit = type => type === 1 ? volumeUnit : -1;
    const kg = unit.toStorableFuel(value, fuelType, from, displayUnit(from));
    return Math.round(unit.fromStorableFuel(kg, fuelType, to, displayUnit(to)));
}

function convertFuelControls(unit, controls, fuelType, from, to) {
    for (const field of fields) {
        if (field.fuel)
            controls[field.role].value = convertFuel(unit, controls[field.role].value, fuelType, from, to);
    }
}
