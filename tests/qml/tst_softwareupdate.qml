import QtQuick
import QtTest
import Waylore.Ui

// The update check on answers handed to it: how the change-log page is read, how versions
// compare, and which outcome opens the dialog.
StrictTestCase {
    id: testCase

    property var messages: []
    property SoftwareUpdate updater

    function page(heading) {
        return "<html><body><div class=\"nav\">menu</div>\n<div class=\"entry-content wp-block-post-content is-layout-flow\">\n" + heading + "\n<ul><li>Fixes</li></ul></div><div>footer</div></body></html>";
    }

    function prepare() {
        messages = [];
        ga.stubReset();
        updater = createTemporaryObject(updaterComponent, testCase.parent, { "currentVersion": "4.9.3" });
    }

    function test_parse_data() {
        return [
            { tag: "bold version before a year", page: page("<h2 class=\"wp-block-heading\">Version <strong>4.10.0</strong> (2026)</h2>"), ok: true, version: "4.10.0" },
            { tag: "heading over lines, upper case", page: page("<H2>\nRelease 5.0.1\n</H2><h2>4.0.0</h2>"), ok: true, version: "5.0.1" },
            { tag: "no version in the heading", page: page("<h2>Spring release</h2>"), ok: false, version: "" },
            { tag: "no heading", page: page("<p>4.10.0</p>"), ok: false, version: "" },
            { tag: "class with capitals", page: "<div class=\"WP-block-post-content\"><h2>4.10.0</h2></div>", ok: false, version: "" },
            { tag: "no content block", page: "<html>nothing</html>", ok: false, version: "" }
        ];
    }

    function test_parse(data) {
        compare(updater.parse(data.page), data.ok);
        compare(updater.latestVersion, data.version);
        if (data.ok)
            verify(updater.changelog.startsWith("<html><div class=\"entry-content") && updater.changelog.endsWith("</div></html>"), updater.changelog);
    }

    function test_isNewer_data() {
        return [
            { tag: "minor above nine", latest: "4.10.0", current: "4.9.3", newer: true },
            { tag: "same", latest: "4.9.3", current: "4.9.3", newer: false },
            { tag: "older", latest: "4.9.2", current: "4.9.3", newer: false },
            { tag: "major", latest: "5.0.0", current: "4.99.99", newer: true },
            { tag: "blanks trimmed", latest: " 4.9.4 ", current: "4.9.3\n", newer: true },
            { tag: "suffix on the running version", latest: "9.0.0", current: "4.9.3-beta", newer: false },
            { tag: "two parts", latest: "5.0", current: "4.9.3", newer: false }
        ];
    }

    function test_isNewer(data) {
        compare(updater.isNewer(data.latest, data.current), data.newer);
    }

    function test_outcomes_data() {
        const newer = page("<h2>Version <b>4.10.0</b> 2026</h2>");
        const same = page("<h2>Version 4.9.3</h2>");
        return [
            { tag: "asked, newer", background: false, status: 200, page: newer, index: SoftwareUpdate.Index.NewVersionAvailable, open: true, code: "" },
            { tag: "asked, up to date", background: false, status: 200, page: same, index: SoftwareUpdate.Index.AlreadyUpToDate, open: true, code: "" },
            { tag: "asked, 404", background: false, status: 404, page: "", index: SoftwareUpdate.Index.Error, open: true, code: "404" },
            { tag: "asked, unreadable page", background: false, status: 200, page: "<html/>", index: SoftwareUpdate.Index.Error, open: true, code: "999" },
            { tag: "background, newer", background: true, status: 200, page: newer, index: SoftwareUpdate.Index.NewVersionAvailable, open: true, code: "" },
            { tag: "background, up to date", background: true, status: 200, page: same, index: SoftwareUpdate.Index.AlreadyUpToDate, open: false, code: "" },
            { tag: "background, 500", background: true, status: 500, page: "", index: SoftwareUpdate.Index.Error, open: false, code: "500" }
        ];
    }

    function test_outcomes(data) {
        updater.backgroundCheck = data.background;
        if (!data.background)
            updater.open();
        updater.received(data.status, data.page);
        compare(updater.index, data.index);
        compare(updater.code, data.code);
        compare(updater.visible, data.open);
        compare(messages, []);
    }

    // No answer at all: a status line, and the dialog the user opened closes.
    function test_unreachable() {
        updater.checkUrl = "http://127.0.0.1:9/changelog";
        updater.check();
        verify(updater.visible);
        compare(updater.index, SoftwareUpdate.Index.Checking);
        tryCompare(testCase, "messages", ["Cannot reach the update page, no update check done"], 5000);
        tryCompare(updater, "visible", false);
        // An answer that began and was broken off says why.
        network.stubBrokenOff = "the answer is too long";
        updater.check();
        tryCompare(testCase, "messages", ["Cannot reach the update page, no update check done", "No update check done: the answer is too long"], 5000);
        network.stubBrokenOff = "";
        // The dialog is no page of the program's own: its showing is not reported.
        compare(ga.stubEvents, []);
    }

    function test_defaults() {
        compare(updater.checkForUpdateAutomatically, false);
        verify(updater.checkUrl.startsWith("https://"), updater.checkUrl);
    }

    Item {
        id: status

        function message(text, error) {
            testCase.messages.push(text);
            testCase.messages = testCase.messages;
        }
    }
    Component {
        id: updaterComponent

        SoftwareUpdate {
        }
    }
}
