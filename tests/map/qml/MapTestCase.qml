import QtQuick
import QtTest

// A test case that fails on any warning its test functions provoke.
TestCase {
    when: windowShown

    function init() {
        failOnWarning(/.*/)
    }
}
