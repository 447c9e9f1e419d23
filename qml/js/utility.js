.pragma library

// Start of AIRAC cycle 2601 (22 January 2026, midnight UTC); cycles are 28 days long and every
// year is counted as 13 of them.
const cycleReference = Date.UTC(2026, 0, 22);
const cycleLength = 28 * 24 * 3600 * 1000;

// Web site of the navigation-data service the dialogs point to for newer cycles.
const cyclewellUrl = "https://www.cyclewell.com/";

function decode(text) {
    try {
        return decodeURIComponent(text);
    } catch (error) {
        // A path that was never a URL may hold a bare "%": keep it as it is.
        return text;
    }
}

function urlToPath(url) {
    let path = url.toString();
    if (path.startsWith("file:///")) {
        // file:///C:/x keeps the drive letter, file:///home/x keeps the leading slash.
        path = path.charAt(9) === ":" ? path.substring(8) : path.substring(7);
    }
    return decode(path);
}

function pathToUrl(path) {
    return "file://" + encodeURI(path);
}

function pad(value) {
    const text = String(value);
    return text.length < 2 ? "0" + text : text;
}

function hms(seconds) {
    const hours = Math.floor(seconds / 3600);
    const minutes = Math.floor((seconds % 3600) / 60);
    const rest = (seconds % 3600) % 60;
    return pad(hours) + ":" + pad(minutes) + ":" + pad(rest);
}

// The AIRAC cycle of the given day (today when none is given) as YY * 100 + cycle.
function currentCycle(day) {
    const date = day === undefined ? new Date() : day;
    const today = Date.UTC(date.getFullYear(), date.getMonth(), date.getDate());
    let cycle = 1 + Math.floor((today - cycleReference) / cycleLength);
    let year = 2026;
    while (cycle > 13) {
        cycle -= 13;
        year += 1;
    }
    while (cycle < 1) {
        cycle += 13;
        year -= 1;
    }
    return (year % 100) * 100 + cycle;
}
