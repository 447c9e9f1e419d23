import QtQuick
import QtQuick.Controls
import QtTest
import Qt.labs.settings
import "qrc:/qt/qml/Waylore/Ui/js/utility.js" as Utility

StubWindow {
    id: window

    Settings {
        id: storedDatabase

        category: "database"
    }

    SignalSpy {
        id: mismatchSpy

        signalName: "cycleMismatch"
    }

    StrictTestCase {
        name: "Splash"

        function prepare() {
            database.stubReset();
            xploader.stubReset();
            window.stubs.databaseDialog.stubOpened = 0;
            mismatchSpy.clear();
        }

        function createSplash() {
            const splash = window.create("dialog/SplashDialog.qml");
            verify(splash);
            mismatchSpy.target = splash;
            tryVerify(() => splash.opened);
            return splash;
        }

        function test_loadsBehindTheSplash() {
            const splash = createSplash();
            compare(database.stubCalls, ["loadAsync"]);
            compare(findChild(splash, "cycleLine").text, "Loading ...");
            database.progress("Reading database file...");
            compare(findChild(splash, "progressLine").text, "Reading database file...");
            compare(findChild(splash, "cycleLine").text, "Loading ...", "no cycle before the data tells one");
            splash.destroy();
        }

        function test_cycleLine_data() {
            const current = Utility.currentCycle(new Date());
            const older = current % 100 === 1 ? current - 88 : current - 1;
            return [
                { tag: "current", cycle: String(current), expected: "AIRAC " + current, outdated: false },
                { tag: "older", cycle: String(older), expected: "AIRAC " + older + " is outdated ", outdated: true }
            ];
        }

        function test_cycleLine(data) {
            const splash = createSplash();
            database.cycle = data.cycle;
            database.progress("Loading airports");
            const line = findChild(splash, "cycleLine").text;
            verify(line.startsWith(data.expected), line);
            compare(line.includes("→ get cycle " + Utility.currentCycle() + " from "), data.outdated, line);
            compare(line.includes("color: yellow;"), data.outdated);
            splash.destroy();
        }

        function test_emptyDatabaseOpensTheDatabaseDialog() {
            const splash = createSplash();
            database.stubEmpty = true;
            // A load refused without a thread of its own: no finished.
            database.loaded(false);
            tryVerify(() => !splash.visible);
            compare(window.stubs.databaseDialog.stubOpened, 1);
            compare(mismatchSpy.count, 0);
            database.finished();
            compare(window.stubs.databaseDialog.stubOpened, 1, "the finishing step runs once");
            splash.destroy();
        }

        function test_cycleMismatch_data() {
            return [
                { tag: "differ", database: "2601", xp: "2603", mismatch: true },
                { tag: "equal", database: "2601", xp: "2601", mismatch: false },
                { tag: "no X-Plane", database: "2601", xp: "", mismatch: false },
                { tag: "no cycle in database", database: "", xp: "2603", mismatch: false }
            ];
        }

        function test_cycleMismatch(data) {
            const splash = createSplash();
            database.stubEmpty = false;
            database.cycle = data.database;
            xploader.stubCycle = data.xp;
            database.finished();
            tryVerify(() => !splash.visible);
            compare(window.stubs.databaseDialog.stubOpened, 0);
            compare(mismatchSpy.count, data.mismatch ? 1 : 0);
            if (data.mismatch)
                compare([mismatchSpy.signalArguments[0][0], mismatchSpy.signalArguments[0][1]], ["2601", "2603"]);
            splash.destroy();
        }
    }

    StrictTestCase {
        name: "DatabaseDialog"

        property var dialog: null

        function prepare() {
            settings.clear();
            translationManager.stubReset();
            database.stubReset();
            xploader.stubReset();
            netloader.stubReset();
            ga.stubReset();
            window.stubs.preferencesDialog.stubForcedExports = 0;
            dialog = window.create("dialog/DatabaseDialog.qml");
            dialog.open();
            tryVerify(() => dialog.opened);
        }

        function cleanup() {
            dialog.destroy();
            dialog = null;
        }

        // The dialog is no taller than the window: its content scrolls the control into view
        // before the click, as the pilot would.
        function click(name) {
            const control = findChild(dialog, name);
            const area = findChild(dialog, "contentArea");
            const top = control.mapToItem(area.contentItem, 0, 0).y;
            area.contentY = Math.max(0, Math.min(top - 10, area.contentHeight - area.height));
            mouseClick(control);
        }

        function test_firstStartShowsNoLoaderButton() {
            verify(!findChild(dialog, "serverButton").checked);
            verify(!findChild(dialog, "xplaneButton").checked);
            verify(!findChild(dialog, "downloadButton").visible);
            verify(!findChild(dialog, "importButton").visible);
            verify(findChild(dialog, "clearButton").visible);
            compare(findChild(dialog, "pathField").text, "/opt/X-Plane 12");
        }

        // Neither loader empties the working database first: it is replaced only once the new
        // one is whole. The import reads the path the pilot sees at once.
        function test_loaderRun_data() {
            return [
                { tag: "download", source: "serverButton", button: "importButton", start: "downloadButton", loader: netloader,
                  message: "Database successfully downloaded!", fromServer: true, exports: 1, language: "en", time: "\\d+\\.\\d", count: "1,234" },
                { tag: "import", source: "xplaneButton", button: "downloadButton", start: "importButton", loader: xploader,
                  message: "ERROR: apt.dat not found", fromServer: false, exports: 0, language: "fr", time: "\\d+,\\d", count: "1\u202f234" }
            ];
        }

        function test_loaderRun(data) {
            translationManager.activeLanguage = data.language;
            click(data.source);
            verify(!findChild(dialog, data.button).visible);
            findChild(dialog, "pathField").text = "/data/X-Plane 11";
            click(data.start);
            compare(data.loader.stubCalls, ["loadAsync"]);
            compare(database.stubCalls, []);
            compare(window.stubs.preferencesDialog.stubForcedExports, data.exports);
            if (!data.fromServer)
                compare(storedDatabase.value("xpPath"), "/data/X-Plane 11");

            const ok = findChild(dialog, "okButton");
            const status = findChild(dialog, "statusText");
            data.loader.started();
            verify(dialog.running);
            verify(!ok.enabled);
            verify(!findChild(dialog, data.start).enabled);
            verify(!findChild(dialog, "clearButton").enabled);
            verify(!findChild(dialog, data.source).enabled);
            data.loader.progress("Reading 40%");
            compare(status.text, "Reading 40%");
            wait(120);
            database.cycle = "2601";
            database.pointCount = 1234;
            data.loader.progress(data.message);
            data.loader.done();
            verify(!dialog.running);
            verify(ok.enabled);
            verify(new RegExp("^" + data.message + " \\(in " + data.time + "s\\)$").test(status.text), status.text);
            compare(findChild(dialog, "pointCount").text, data.count);
            compare(findChild(dialog, "cycleValue").text, "2601");
            compare(ga.stubEvents.length, 1);
            const event = ga.stubEvents[0];
            compare([event.name, event.location, event.title], ["databaseloaded", "/database", "Database"]);
            compare([event.parameters.cycle, event.parameters.databasefromserver, event.parameters.databasefromxp],
                    ["2601", data.fromServer, !data.fromServer]);
            compare(event.parameters.customdata, Qt.Unchecked);
            verify(event.parameters.loadtime >= 0.12, event.parameters.loadtime);
            compare(event.parameters.status, status.text);
        }

        function test_clearEmptiesTheDatabase() {
            database.pointCount = 50;
            database.cycle = "2601";
            dialog.refresh();
            click("clearButton");
            compare(database.stubCalls, ["removeBinFile"]);
            compare(findChild(dialog, "statusText").text, "Database file deleted");
            compare(findChild(dialog, "pointCount").text, "0");
        }

        function test_newerCycleNote_data() {
            const current = Utility.currentCycle();
            return [
                { tag: "older", cycle: "2001", shown: true },
                { tag: "current", cycle: String(current), shown: false },
                { tag: "none", cycle: "", shown: false }
            ];
        }

        function test_newerCycleNote(data) {
            database.cycle = data.cycle;
            database.loaded(true);
            compare(findChild(dialog, "newerCycle").visible, data.shown);
        }

        // The start opens this dialog for any database that lacks a list: it says which.
        function test_unusableDatabase_data() {
            return [
                { tag: "nothing loaded", empty: true, lists: null,
                  text: "No navigation database is loaded: build one from a source above." },
                { tag: "load refused for memory", empty: true, lists: null, refusal: "memory",
                  text: "Not enough memory to load the navigation database." },
                { tag: "stored file cut short", empty: true, lists: null, refusal: "cut",
                  text: "No navigation database is loaded: the stored one is cut short. Build one from a source above." },
                { tag: "stored file changed while read", empty: true, lists: null, refusal: "changed",
                  text: "No navigation database is loaded: the stored one changed while it was read. Build one from a source above, or restart %1 to read it again." },
                { tag: "small simulator folder", empty: true, lists: ["boundaries", "taxiways"],
                  text: "This database cannot be used: it has no airport boundaries and taxiways. %1 opens this dialog at every start until a database with all of them is built." },
                { tag: "no airways", empty: true, lists: ["segments"],
                  text: "This database cannot be used: it has no airway segments. %1 opens this dialog at every start until a database with all of them is built." },
                { tag: "usable", empty: false, lists: null, text: "" }
            ];
        }

        function test_unusableDatabase(data) {
            database.stubEmpty = data.empty;
            database.stubEmptyLists = data.lists;
            database.stubRefusal = data.refusal || "";
            database.pointCount = data.empty && data.lists === null ? 0 : 40;
            dialog.close();
            tryVerify(() => !dialog.visible);
            dialog.open();
            tryVerify(() => dialog.opened);
            const note = findChild(dialog, "unusableText");
            compare(note.text, data.text.replace("%1", Qt.application.name));
            compare(note.visible, data.text !== "");
        }

        // A search that finds nothing keeps the path and says where it looked.
        function test_autodetect_data() {
            return [
                { tag: "found", path: "/opt/X-Plane 12", field: "/opt/X-Plane 12", text: "X-Plane found in /opt/X-Plane 12" },
                { tag: "nothing found", path: "", field: "/data/X-Plane 11",
                  text: "No folder \"X-Plane 12\" or \"X-Plane 11\" found in: /home/pilot, /opt/x-plane. Choose the X-Plane folder yourself." }
            ];
        }

        function test_autodetect(data) {
            click("xplaneButton");
            const field = findChild(dialog, "pathField");
            field.text = "/data/X-Plane 11";
            const note = findChild(dialog, "autodetectText");
            verify(!note.visible);
            xploader.stubPath = data.path;
            click("autodetectButton");
            compare(field.text, data.field);
            compare(note.text, data.text);
            verify(note.visible);
        }

        function test_choicesPersist() {
            click("xplaneButton");
            findChild(dialog, "pathField").text = "/games/X-Plane 12";
            dialog.destroy();
            wait(0);
            dialog = window.create("dialog/DatabaseDialog.qml");
            verify(findChild(dialog, "xplaneButton").checked);
            verify(!findChild(dialog, "serverButton").checked);
            compare(findChild(dialog, "pathField").text, "/games/X-Plane 12");
        }
    }

    StrictTestCase {
        name: "AiracMismatchDialog"

        function test_buttons_data() {
            return [
                { tag: "open database", button: "openDatabaseButton", requested: 1 },
                { tag: "ignore", button: "ignoreButton", requested: 0 }
            ];
        }

        function test_buttons(data) {
            const dialog = window.create("dialog/AiracMismatchDialog.qml", { databaseCycle: "2601", xpCycle: "2603" });
            const spy = createTemporaryQmlObject("import QtTest; SignalSpy { signalName: \"openDatabaseRequested\" }", window);
            spy.target = dialog;
            dialog.open();
            tryVerify(() => dialog.opened);
            verify(findChild(dialog, "message").text.startsWith("The Waylore database has AIRAC cycle 2601, but your X-Plane installation uses cycle 2603."));
            mouseClick(findChild(dialog, data.button));
            tryVerify(() => !dialog.visible);
            compare(spy.count, data.requested);
            dialog.destroy();
        }
    }

    StrictTestCase {
        name: "TracksUpdateDialog"

        function test_pagesFollowTheUpdate() {
            const dialog = window.create("dialog/TracksUpdateDialog.qml");
            tracks.updating = false;
            dialog.open();
            tryVerify(() => dialog.opened);
            tracks.update();
            const close = findChild(dialog, "closeButton");
            verify(!close.enabled);
            compare(findChild(dialog, "pages").currentIndex, 0);
            tracks.log = "<b>NAT</b> A B C";
            tracks.updating = false;
            verify(close.enabled);
            compare(findChild(dialog, "pages").currentIndex, 1);
            const bar = findChild(dialog, "logView").ScrollBar.vertical.contentItem;
            compare(bar.opacity, 0);
            tracks.log = Array(40).fill("<b>NAT</b> A B C").join("<br>");
            tryCompare(bar, "opacity", 1);
            compare(findChild(dialog, "heading").text, "Updated tracks:");
            tracks.failed = true;
            compare(findChild(dialog, "heading").text, "Tracks not updated, the tracks in use are kept:");
            tracks.failed = false;
            mouseClick(close);
            tryVerify(() => !dialog.visible);
            dialog.destroy();
        }

        // Modal: a click beside it leaves it open; Escape closes it.
        function test_closedByEscapeOnly() {
            const dialog = window.create("dialog/TracksUpdateDialog.qml");
            tracks.updating = false;
            dialog.open();
            tryVerify(() => dialog.opened);
            const outside = Qt.point(window.width - 2, window.height - 2);
            verify(dialog.x + dialog.width < outside.x || dialog.y + dialog.height < outside.y);
            mouseClick(window, outside.x, outside.y);
            wait(50);
            verify(dialog.visible);
            keyClick(Qt.Key_Escape);
            tryVerify(() => !dialog.visible);
            dialog.destroy();
        }
    }
}
