.pragma library

// Rows of an airport's ground as the database's map models give them, laid out in metres
// around a centre (a QtPositioning coordinate).

function offset(centre, north, east) {
    return centre.atDistanceAndAzimuth(north, 0).atDistanceAndAzimuth(east, 90);
}

// A rectangle `length` by `width` metres centred `north`/`east` of the centre, along `heading`.
function rectangle(centre, north, east, heading, length, width) {
    const middle = offset(centre, north, east);
    const end1 = middle.atDistanceAndAzimuth(length / 2, heading + 180);
    const end2 = middle.atDistanceAndAzimuth(length / 2, heading);
    return [end1.atDistanceAndAzimuth(width / 2, heading - 90), end2.atDistanceAndAzimuth(width / 2, heading - 90),
        end2.atDistanceAndAzimuth(width / 2, heading + 90), end1.atDistanceAndAzimuth(width / 2, heading + 90)];
}

// A runway through the centre along `heading` (degrees true), ends named codes[0] and codes[1].
function runway(centre, heading, length, width, codes, properties) {
    const end1 = centre.atDistanceAndAzimuth(length / 2, heading + 180);
    const end2 = centre.atDistanceAndAzimuth(length / 2, heading);
    const rect = rectangle(centre, 0, 0, heading, length, width);
    const vertical = codes.map(code => /[LRC]$/.test(code) ? code.slice(0, -1) + "\n" + code.slice(-1) : code);
    return Object.assign({
            role_uid: "RWY" + codes.join("/"),
            role_name: codes.join("/"),
            role_bounding: null,
            role_rect: rect,
            role_inrect: rect,
            role_line: [end1, end2],
            role_codes: codes,
            role_verticalcodes: vertical,
            role_headings: [heading, (heading + 180) % 360],
            role_width: width,
            role_color: "asphalt",
            role_hasmarkings: true,
            role_hascenterlights: true,
            role_linecolor: "#f5f5f5",
            role_lightcolor: "yellow",
            role_tooltip: "Runway " + codes.join("/")
        }, properties || {});
}

function taxiway(outline, color, surface) {
    return { role_polyline: outline, role_holes: [], role_color: color, role_surface: surface };
}

function taxiname(position, name, direction, heading) {
    return { role_position: position, role_name: name, role_direction: direction, role_heading: heading, role_tooltip: "Taxiway " + name };
}
