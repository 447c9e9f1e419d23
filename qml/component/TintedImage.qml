import QtQuick
import Qt5Compat.GraphicalEffects

// An image recoloured whole (every opaque pixel takes the colour) while the colour is not
// fully transparent.
Image {
    id: image

    property color color: "transparent"

    layer.enabled: image.color.a > 0
    layer.effect: ColorOverlay {
        color: image.color
    }
}
