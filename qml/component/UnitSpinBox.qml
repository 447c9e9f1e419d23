import QtQuick
import QtQuick.Controls

// A spin box that shows its value with a prefix, a suffix and a unit (FL350, 5,000 ft/min) and
// takes typed digits only; negative values are reached with the arrows, and a box of descents
// alone reads a typed number as the descent it names.
SpinBox {
    id: spinBox

    property string prefix: ""
    property string suffix: ""
    property string unit: ""
    // Group separators of the locales in use: a shown "5,000" or "5 000" stays editable. A French
    // pilot groups with the space bar's blank, not with the no-break blank the box shows.
    readonly property string groupSeparators: ",.' \u00a0\u202f"

    // A count or a level has no unit, and no blank after it.
    function toText(value, locale) {
        return prefix + Number(value).toLocaleString(locale, 'f', 0) + suffix + (unit ? " " + unit : "");
    }

    // Read here rather than by the locale: Qt's Spanish refuses a group in a four-digit number
    // ("2.100") and each language takes only some blanks. Any of the marks groups digits by
    // three; the last one is a decimal point where it is the language's, or where it stands
    // before one or two digits ("147,5" in English, "147.5" in German), which it can only be.
    // A text that does not read wholly as a number keeps the value the box had: a part of it
    // ("2" of "2 1x0") would be stored as if it were what the pilot meant.
    function toValue(text, locale) {
        const bare = text.replace(unit, "").replace(suffix, "").replace(prefix, "").trim();
        const signed = /^(-?)(.*)$/.exec(bare.replace(/[ \u00a0\u202f]/g, " "));
        const last = /^(.*)([ .,'])([0-9]+)$/.exec(signed[2]);
        const decimal = !!last && (last[2] === locale.decimalPoint || (/[.,]/.test(last[2]) && last[3].length <= 2));
        const whole = decimal ? last[1] : signed[2];
        const groups = /^[0-9]{1,3}([ .,'])[0-9]{3}(?:\1[0-9]{3})*$/.exec(whole);
        if (!/^[0-9]+$/.test(whole) && !(groups && (!decimal || groups[1] !== last[2])))
            return spinBox.value;
        // The box holds whole numbers: a typed decimal is rounded, not cut.
        const magnitude = Math.round(Number(whole.replace(/[^0-9]/g, "") + "." + (decimal ? last[3] : "0")));
        const lowest = Math.min(spinBox.from, spinBox.to);
        const highest = Math.max(spinBox.from, spinBox.to);
        const number = (signed[1] || highest < 0) ? -magnitude : magnitude;
        // Held within the box here: the box takes the value as a 32-bit whole number, which
        // would wrap one of 2^32 or more round to a small one.
        return Math.min(Math.max(number, lowest), highest);
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
    // digits would reject the shown "FL350" and then let anything through, the minus sign too.
    validator: RegularExpressionValidator {
        regularExpression: new RegExp("^(?:" + spinBox.escaped(spinBox.prefix) + ")?[0-9" + spinBox.groupSeparators + "]*(?:"
                                      + spinBox.escaped(spinBox.suffix) + ")? ?(?:" + spinBox.escaped(spinBox.unit) + ")?$")
    }
    onPrefixChanged: redraw()
    onSuffixChanged: redraw()
    onUnitChanged: redraw()
}
