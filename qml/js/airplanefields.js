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

// Shows the airplane of `row` as the list model gives it, in the display units. Returns what the
// fuel boxes stand for (see fuelShown), to be handed to the conversions and the save.
function load(model, row, controls) {
    for (const field of fields)
        write(controls[field.role], field.kind, model.get(field.role, row));
    const fuel = { fuelType: controls.fueltype.currentIndex, shown: {}, kg: {} };
    for (const field of fields) {
        if (field.fuel) {
            fuel.shown[field.role] = controls[field.role].value;
            fuel.kg[field.role] = model.stored(field.role, row);
        }
    }
    return fuel;
}

// Whole pounds, litres or gallons are coarser than the stored kilograms: a box still showing the
// figure it was given, for the fuel type it was given for, stands for its kilograms, not for its
// rounded figure. Another unit type shows those, and the save writes them back unchanged; only an
// edit (or another fuel type) makes the figure itself count.
function fuelShown(fuel, controls, role) {
    return !!fuel && controls.fueltype.currentIndex === fuel.fuelType
        && controls[role].value === fuel.shown[role];
}

// The display unit of unit type `type` for the conversions of Unit: the volume preference for
// "Volume", the mass preference (-1) for "Mass".
function displayUnit(unit, type) {
    return type === 1 ? unit.volumeUnitStrings.indexOf(unit.fuelUnitToString(1)) : -1;
}

function save(model, row, controls, emitChanged, unit, fuel) {
    for (const field of fields) {
        let value = read(controls[field.role], field.kind);
        if (field.fuel && fuelShown(fuel, controls, field.role)) {
            const type = controls.unittype.currentIndex;
            value = unit.fromStorableFuel(fuel.kg[field.role], fuel.fuelType, type, displayUnit(unit, type));
        }
        if (field.signals)
            model.set(field.role, row, value, emitChanged);
        else
            model.set(field.role, row, value);
    }
}

// The largest figures the boxes take in the units they show, for the limits in kilograms: a mass
// (`weight`, `cargo`) in the mass unit, a fuel quantity or flow (`fuel`) as unit type `type` of
// fuel `fuelType` shows it. Rounded down, so that the figure is stored within its limit.
function tops(unit, constants, fuelType, type) {
    return {
        weight: Math.floor(unit.fromStorableMass(constants.maxWeight)),
        cargo: Math.floor(unit.fromStorableMass(constants.maxCargo)),
        fuel: Math.floor(unit.fromStorableFuel(constants.maxFuel, fuelType, type, displayUnit(unit, type)))
    };
}

// A fuel quantity shown in unit type `from` ("Mass" 0, "Volume" 1), shown in unit type `to`:
// through the kilograms, with the display units of the preferences (kg or lbs, L or gal) on both
// sides, so that gallons and pounds convert as litres and kilograms do. Whole numbers, as the
// boxes show them.
function convertFuel(unit, value, fuelType, from, to) {
    if (from === to)
        return value;
    const kg = unit.toStorableFuel(value, fuelType, from, displayUnit(unit, from));
    return Math.round(unit.fromStorableFuel(kg, fuelType, to, displayUnit(unit, to)));
}

// Each fuel box in unit type `to`: one that still shows what it was given converts from its
// kilograms, so that a switch there and back shows the first figures again; an edited one from
// its figure, whose kilograms it then stands for.
function convertFuelControls(unit, controls, fuel, from, to) {
    if (from === to)
        return;
    const fuelType = controls.fueltype.currentIndex;
    for (const field of fields) {
        if (!field.fuel)
            continue;
        const control = controls[field.role];
        if (!fuelShown(fuel, controls, field.role))
            fuel.kg[field.role] = unit.toStorableFuel(control.value, fuelType, from, displayUnit(unit, from));
        control.value = Math.round(unit.fromStorableFuel(fuel.kg[field.role], fuelType, to, displayUnit(unit, to)));
        fuel.shown[field.role] = control.value;
    }
    fuel.fuelType = fuelType;
}
