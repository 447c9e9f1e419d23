import QtQuick.Controls

MenuSeparator {
}
