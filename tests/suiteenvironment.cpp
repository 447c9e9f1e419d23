// A suite started by hand runs as CTest runs it: without a display it draws offscreen instead of
// aborting, and it measures its texts with the tests' own fonts, so that a failure seen by hand is
// the one CTest sees. What the caller sets wins (xvfb-run's display for a pixel test, say).
#include <QByteArray>
#include <QtGlobal>

namespace {

const bool kEnvironmentSet = [] {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    if (qEnvironmentVariableIsEmpty("FONTCONFIG_FILE"))
        qputenv("FONTCONFIG_FILE", QByteArrayLiteral(WAYLORE_TEST_FONTCONFIG_FILE));
    return true;
}();

} // namespace
