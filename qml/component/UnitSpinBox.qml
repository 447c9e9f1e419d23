import QtQuick
import QtQuick.Controls

// A spin box that shows its value with a prefix, a suffix and a unit (FL350, 5,000 ft/min) and
// takes typed digits only; negative values are reached with the arrows.
SpinBox {
    id: spinBox

    property string prefix: ""
    property string suffix: ""
    property string unit: ""
    // Group separators of the locales in use: a shown "5,000" or "5 000" stays editable. A French
    // pilot groups with the space bar's blank, not with the no-break blank the box shows.
    readonly property string groupSeparators: ",.' \u00a0\u202f"

    function toText(value, locale) {
        return prefix + Number(value).toLocaleString(locale, 'f', 0) + suffix + " " + unit;
    }

    // A text that does not read wholly as a number keeps the value the box had: a part of it
    // ("2" of "2 1x0") would be stored as if it were what the pilot meant.
    function toValue(text, locale) {
        const bare = text.replace(unit, "").replace(suffix, "").replace(prefix, "").trim();
        // Any blank groups digits: the locale reads only its own one (French a narrow no-break
        // blank and the space bar's, not the wider no-break blank).
        const grouped = bare.replace(/[ \u00a0\u202f]/g, locale.groupSeparator);
        let number = NaN;
        try {
            number = Number.fromLocaleString(locale, grouped);
        } catch (error) {
            // "147,5" in English or "147.5" in German: a single mark before one or two digits
            // groups nothing, so it can only be the other language's decimal point.
            const decimal = /^([0-9]+)[.,]([0-9]{1,2})$/.exec(bare);
            if (decimal)
                number = Number(decimal[1] + "." + decimal[2]);
        }
        // The box holds whole numbers: a typed decimal is rounded, not cut.
        return isFinite(number) ? Math.round(number) : spinBox.value;
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
