import QtQuick
import QtTest
import Waylore.Ui
import "qrc:/qt/qml/Waylore/Ui/js/utility.js" as Utility

StrictTestCase {
    name: "Constants"

    function test_singletons() {
        compare(FontAwesome.iconSize, 14);
        compare(Size.extraMargin, 16);
        compare(Size.smallFont, Qt.platform.os === "windows" ? 8.5 : 10.5);
        compare(ThemeColor.greenLight, Qt.color("#008000"));
        compare(ThemeColor.redLight, Qt.color("#cd5c5c"));
        compare(ThemeColor.greenDark, Qt.color("#90ee90"));
        compare(ThemeColor.redDark, Qt.color("#f08080"));
        compare(ThemeColor.grey, Qt.color("#808080"));
    }

    function test_urlToPath_data() {
        return [
            // The platform decides what a drive letter means; elsewhere it is a folder name.
            { tag: "drive letter", url: "file:///D:/Users/a%20b/x.fpxml", path: (Qt.platform.os === "windows" ? "" : "/") + "D:/Users/a b/x.fpxml" },
            { tag: "unix", url: "file:///home/a/x.fpxml", path: "/home/a/x.fpxml" },
            { tag: "url object", url: Qt.resolvedUrl("file:///tmp/a%23b.fms"), path: "/tmp/a#b.fms" },
            { tag: "plain path kept", url: "/tmp/a%20b", path: "/tmp/a%20b" },
            { tag: "hash, question mark, percent", url: "file:///tmp/a%23b%3Fc%2520.fpxml", path: "/tmp/a#b?c%20.fpxml" },
            { tag: "bare percent kept", url: "/tmp/100%.fpxml", path: "/tmp/100%.fpxml" },
            { tag: "broken escape in url kept", url: "file:///tmp/%zz", path: "/tmp/%zz" }
        ];
    }

    function test_urlToPath(data) {
        compare(Utility.urlToPath(data.url), data.path);
    }

    function test_pathToUrl_data() {
        return [
            { tag: "unix", path: "/home/a b/x.fpxml", url: "file:///home/a%20b/x.fpxml", back: "/home/a b/x.fpxml" },
            { tag: "drive", path: "C:/Plans/x.fms", url: "file:///C:/Plans/x.fms", back: (Qt.platform.os === "windows" ? "" : "/") + "C:/Plans/x.fms" },
            { tag: "hash and question mark", path: "/p/EGLL#2?.fpxml", url: "file:///p/EGLL%232%3F.fpxml", back: "/p/EGLL#2?.fpxml" },
            { tag: "percent", path: "/p/100%25 b.fms", url: "file:///p/100%2525%20b.fms", back: "/p/100%25 b.fms" },
            { tag: "empty", path: "", url: "", back: "" }
        ];
    }

    function test_pathToUrl(data) {
        compare(Utility.pathToUrl(data.path), data.url);
        compare(Utility.urlToPath(Utility.pathToUrl(data.path)), data.back);
    }

    // A name typed without an ending gets the chosen filter's; a dot in a folder is no ending.
    function test_withExtension_data() {
        return [
            { tag: "no ending", path: "/p/eddf-lirf", filter: "X-Plane 11/12 FMS (*.fms)", result: "/p/eddf-lirf.fms" },
            { tag: "own ending kept", path: "/p/eddf-lirf.txt", filter: "X-Plane 11/12 FMS (*.fms)", result: "/p/eddf-lirf.txt" },
            { tag: "dotted folder", path: "/p.d/a b", filter: "Airplane files (*.apxml)", result: "/p.d/a b.apxml" },
            { tag: "All (*.*)", path: "/p/route", filter: "All (*.*)", result: "/p/route" }
        ];
    }

    function test_withExtension(data) {
        compare(LocalFile.withExtension(data.path, data.filter), data.result);
    }

    function test_hms_data() {
        return [
            { tag: "3725 s", seconds: 3725, text: "01:02:05" },
            { tag: "zero", seconds: 0, text: "00:00:00" },
            { tag: "100 hours", seconds: 360000, text: "100:00:00" },
            { tag: "fraction", seconds: 61.5, text: "00:01:1.5" },
            { tag: "59 s", seconds: 59, text: "00:00:59" }
        ];
    }

    function test_hms(data) {
        compare(Utility.hms(data.seconds), data.text);
    }

    function test_currentCycle_data() {
        return [
            { tag: "2601 first day", day: new Date(2026, 0, 22, 10), cycle: 2601 },
            { tag: "2601 last day", day: new Date(2026, 1, 18, 23, 59), cycle: 2601 },
            { tag: "2602 first day", day: new Date(2026, 1, 19, 0, 1), cycle: 2602 },
            { tag: "2513 last day", day: new Date(2026, 0, 21, 23), cycle: 2513 },
            { tag: "2513 in december", day: new Date(2025, 11, 25), cycle: 2513 },
            { tag: "2512 first day", day: new Date(2025, 10, 27), cycle: 2512 },
            { tag: "2511 last day", day: new Date(2025, 10, 26), cycle: 2511 },
            { tag: "2701 after 13 cycles", day: new Date(2027, 0, 21), cycle: 2701 },
            { tag: "2613", day: new Date(2027, 0, 20), cycle: 2613 },
            // 2043 begins with a cycle on 1 January and holds 14: the 14th starts on 31 December.
            { tag: "4213 last day", day: new Date(2042, 11, 31), cycle: 4213 },
            { tag: "4301 on new year", day: new Date(2043, 0, 1), cycle: 4301 },
            { tag: "4302", day: new Date(2043, 0, 29), cycle: 4302 },
            { tag: "4313 last day", day: new Date(2043, 11, 30), cycle: 4313 },
            { tag: "4314 first day", day: new Date(2043, 11, 31), cycle: 4314 },
            { tag: "4314 in the next year", day: new Date(2044, 0, 27), cycle: 4314 },
            { tag: "4401", day: new Date(2044, 0, 28), cycle: 4401 }
        ];
    }

    function test_currentCycle(data) {
        compare(Utility.currentCycle(data.day), data.cycle);
    }

    function test_currentCycle_today() {
        const cycle = Utility.currentCycle();
        verify(cycle % 100 >= 1 && cycle % 100 <= 14, "cycle number " + cycle);
        verify(Math.abs(Math.floor(cycle / 100) - new Date().getFullYear() % 100) <= 1, "year of " + cycle);
    }
}
