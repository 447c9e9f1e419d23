.pragma library

// An airport's ground rows as the database's map models give them, laid out in metres around a
// centre (a QtPositioning coordinate).

function offset(centre, north, east) {
    return centre.atDistanceAndAzimuth(north, 0).atDistanceAndAzimuth(east, 90);
}

// Corners of a rectangle `length` by `width` metres along `heading`, centred north/east of centre.
function rectangle(centre, north, east, heading, length, width) {
    const middle = offset(centre, north, east);
    const ends = [middle.atDistanceAndAzimuth(length / 2, heading + 180), middle.atDistanceAndAzimuth(length / 2, heading)];
    return [ends[0].atDistanceAndAzimuth(width / 2, heading - 90), ends[1].atDistanceAndAzimuth(width / 2, heading - 90),
        ends[1].atDistanceAndAzimuth(width / 2, heading + 90), ends[0].atDistanceAndAzimuth(width / 2, heading + 90)];
}

// A runway through the centre along `heading`, its ends named codes[0] and codes[1].
function runway(centre, heading, length, width, codes, properties) {
    const rect = rectangle(centre, 0, 0, heading, length, width);
    return Object.assign({ role_uid: "RWY", role_name: codes.join("/"), role_bounding: null, role_rect: rect, role_inrect: rect,
            role_line: [centre.atDistanceAndAzimuth(length / 2, heading + 180), centre.atDistanceAndAzimuth(length / 2, heading)],
            role_codes: codes, role_verticalcodes: codes.map(code => code.replace(/([LRC])$/, "\n$1")),
            role_headings: [heading, (heading + 180) % 360], role_width: width, role_color: "asphalt", role_hasmarkings: true,
            role_hascenterlights: true, role_linecolor: "#f5f5f5", role_lightcolor: "yellow", role_tooltip: "Runway" }, properties || {});
}

function taxiname(position, name, direction, heading) {
    return { role_position: position, role_name: name, role_direction: direction, role_heading: heading, role_tooltip: name };
}
