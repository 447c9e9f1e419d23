.pragma library
.import Waylore.Ui.Native 1.0 as Native

// Start of AIRAC cycle 2601 (22 January 2026, midnight UTC); cycles are 28 days long. A year's
// cycle 1 is the first cycle that becomes effective in it, so a year holds 13 or 14 cycles
// (2043 holds 14).
const cycleReference = Date.UTC(2026, 0, 22);
const cycleLength = 28 * 24 * 3600 * 1000;

// Web site of the navigation-data service the dialogs point to for newer cycles.
const cyclewellUrl = "https://www.cyclewell.com/";

// Local paths and file URLs go through the platform's own conversion: a hand-made one loses
// '#', '?' and '%' in file names.
function urlToPath(url) {
    return Native.LocalFile.toPath(url);
}

function pathToUrl(path) {
    return Native.LocalFile.toUrl(path);
}

// The folder of a local file path. The platform file dialogs' own folder property still holds
// the folder they were opened in, not the one the file was chosen in.
function folderOfPath(path) {
    const cut = path.lastIndexOf("/");
    return cut > 0 ? path.substring(0, cut) : (cut === 0 ? "/" : "");
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
    const index = Math.floor((today - cycleReference) / cycleLength);
    const year = new Date(cycleReference + index * cycleLength).getUTCFullYear();
    const firstOfYear = Math.ceil((Date.UTC(year, 0, 1) - cycleReference) / cycleLength);
    return (year % 100) * 100 + index - firstOfYear + 1;
}
