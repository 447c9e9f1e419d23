import QtQuick
import QtTest

// A test case in which any warning fails the test. Cases put their own preparation in
// prepare(), not in init(). The offscreen platform's note on each widget window it shows (the
// platform file dialogs) is no warning of the program's.
TestCase {
    function prepare() {
    }

    function init() {
        failOnWarning(/^(?!This plugin does not support propagateSizeHints\(\)$)/);
        prepare();
    }

    when: windowShown
}
