import QtQuick
import QtTest

// A test case in which any warning fails the test. Cases put their own preparation in
// prepare(), not in init().
TestCase {
    function prepare() {
    }

    function init() {
        failOnWarning(/.*/);
        prepare();
    }

    when: windowShown
}
