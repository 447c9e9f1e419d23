import QtQuick
import QtQuick.Controls
import Waylore.Ui as Ui

// A spin box that shows its value with a prefix, a suffix and a unit (FL350, 5,000 ft/min) and
// takes a typed number whole or not at all; negative values are reached with the arrows, and a
// box of descents alone reads a typed number as the descent it names.
SpinBox {
    id: spinBox

    property string prefix: ""
    property string suffix: ""
    property string unit: ""

    // A count or a level has no unit, and no blank after it.
    function toText(value, locale) {
        return prefix + Number(value).toLocaleString(locale, 'f', 0) + suffix + (unit ? " " + unit : "");
    }

    // Read by the rule the waypoint's fields read with (Ui.TypedNumberReader): any blank, point,
    // comma or apostrophe groups digits by three, the last mark is a decimal point where it is the
    // language's or stands before one or two digits. A text that does not read wholly as a number
    // keeps the value the box had: a part of it ("13" of "1e3") would be stored as if it were what
    // the pilot meant. The decorations are taken only where the box shows them: a unit's letter
    // inside the number ("1m3" in metres) is no decoration.
    function toValue(text, locale) {
        const cut = (typed, end) => end && typed.endsWith(end) ? typed.slice(0, -end.length).trim() : typed;
        const bare = cut(cut(text.trim(), unit), suffix);
        const read = Ui.TypedNumberReader.read(prefix && bare.startsWith(prefix) ? bare.slice(prefix.length) : bare, locale.decimalPoint);
        if (isNaN(read))
            return spinBox.value;
        // The box holds whole numbers: a typed decimal is rounded, not cut.
        const magnitude = Math.round(Math.abs(read));
        const lowest = Math.min(spinBox.from, spinBox.to);
        const highest = Math.max(spinBox.from, spinBox.to);
        const number = (read < 0 || highest < 0) ? -magnitude : magnitude;
        // Held within the box here: the box takes the value as a 32-bit whole number, which
        // would wrap one of 2^32 or more round to a small one.
        return Math.min(Math.max(number, lowest), highest);
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
    // Every character reaches the reading but the minus sign, which the arrows give: a letter
    // dropped as it is typed would leave a number the pilot never typed ("1e3" read as 13).
    validator: RegularExpressionValidator {
        regularExpression: /[^-]*/
    }
    onPrefixChanged: redraw()
    onSuffixChanged: redraw()
    onUnitChanged: redraw()
}
