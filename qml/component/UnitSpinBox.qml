import QtQuick
import QtQuick.Controls

// A spin box that shows its value with a prefix, a suffix and a unit (FL350, 5,000 ft/min) and
// takes typed digits only; negative values are reached with the arrows.
SpinBox {
    id: spinBox

    property string prefix: ""
    property string suffix: ""
    property string unit: ""
    // Group separators of the locales in use: a shown "5,000" or "5 000" stays editable.
    readonly property string groupSeparators: ",.'\u00a0\u202f"

    function toText(value, locale) {
        return prefix + Number(value).toLocaleString(locale, 'f', 0) + suffix + " " + unit;
    }

    function toValue(text, locale) {
        const bare = text.replace(unit, "").replace(suffix, "").replace(prefix, "").trim();
        try {
            return Number.fromLocaleString(locale, bare);
        } catch (error) {
            // Nothing readable was typed: keep the value the box had.
            return spinBox.value;
        }
    }

    function escaped(text) {
        return text.replace(/[.*+?^${}()|[\]\\/]/g, "\\$&");
    }

    // The box draws its text anew only when its value or its locale changes: a new unit with the
    // same value (the preferences changed, another airplane loaded) would keep the old unit text.
    // A locale of its own for a moment, then the inherited one again, draws it with the new one.
    function redraw() {
        const inherited = locale.name; // qmllint disable type
        locale = Qt.locale(inherited === "C" ? "en_US" : "C");
        locale = undefined;
    }

    textFromValue: toText
    valueFromText: toValue
    // Digits only ([0-9]+), around the decorations the box shows itself: a validator of bare
    // digits would reject the shown "FL350 " and then let anything through, the minus sign too.
    validator: RegularExpressionValidator {
        regularExpression: new RegExp("^(?:" + spinBox.escaped(spinBox.prefix) + ")?[0-9" + spinBox.groupSeparators + "]*(?:"
                                      + spinBox.escaped(spinBox.suffix) + ")? ?(?:" + spinBox.escaped(spinBox.unit) + ")?$")
    }
    onPrefixChanged: redraw()
    onSuffixChanged: redraw()
    onUnitChanged: redraw()
}
