import QtQuick

// Reports to the analytics client how long a page or dialog was shown, once per showing.
Item {
    id: tracker

    required property string location
    required property string title
    required property bool opened
    property date startedtime

    function start() {
        startedtime = new Date();
    }

    // A tracker that never saw a start sends nothing; one created already open counts from
    // its creation.
    function stop() {
        if (isNaN(startedtime.getTime()))
            return;
        const elapsed = new Date() - startedtime;
        startedtime = new Date(NaN);
        ga.sendEvent("page_view", location, title, {
            "engagement_time_msec": elapsed
        });
    }

    visible: false
    onOpenedChanged: opened ? start() : stop()

    Component.onCompleted: {
        if (opened)
            start();
    }
}
