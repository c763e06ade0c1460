// Pocket calculator. ECMAScript 3 only: the PSP browser knows nothing newer.
//
// The state holds the text on display (entry), the unrounded number behind it
// when it shows a result rather than typed digits (result, else null), the
// number and operator waiting for a second operand (stored, op), whether the
// next digit starts a new number (fresh) and whether the display shows an
// error. Results keep full precision from one operation to the next; only the
// display rounds them.

var CALC_MAX_DIGITS = 12;

function calcNew() {
    return { entry: "0", result: null, stored: null, op: null, fresh: true, error: false };
}

function calcIsDigit(key) {
    return key.length == 1 && key >= "0" && key <= "9";
}

function calcDigitCount(text) {
    var count = 0;
    for (var i = 0; i < text.length; i++) {
        if (calcIsDigit(text.charAt(i))) {
            count++;
        }
    }
    return count;
}

// At most twelve significant digits, so that 0.1 + 0.2 shows 0.3.
function calcFormat(value) {
    if (isNaN(value) || !isFinite(value)) {
        return "Error";
    }
    return String(parseFloat(value.toPrecision(CALC_MAX_DIGITS)));
}

// The number on display at full precision.
function calcEntryValue(state) {
    return state.result != null ? state.result : parseFloat(state.entry);
}

// A sum or difference keeps fifteen significant digits of its larger operand:
// the binary rounding below them is noise, and dropping it makes
// 0.1 + 0.2 - 0.3 exactly 0 rather than 5.55e-17.
function calcDropNoise(sum, left, right) {
    var larger = Math.max(Math.abs(left), Math.abs(right));
    var places = 14 - Math.floor(Math.log(larger) / Math.LN10);
    if (sum == 0 || !isFinite(sum) || places > 300) {
        return sum;
    }
    if (places >= 0) {
        var scale = Math.pow(10, places);
        return Math.round(sum * scale) / scale;
    }
    var unit = Math.pow(10, -places);
    return Math.round(sum / unit) * unit;
}

function calcApply(left, op, right) {
    if (op == "+") {
        return calcDropNoise(left + right, left, right);
    }
    if (op == "-") {
        return calcDropNoise(left - right, left, right);
    }
    if (op == "*") {
        return left * right;
    }
    if (right == 0) {
        return NaN;
    }
    return left / right;
}

function calcShow(state, value) {
    state.entry = calcFormat(value);
    state.result = value;
    state.error = state.entry == "Error";
    state.fresh = true;
    if (state.error) {
        state.result = null;
        state.stored = null;
        state.op = null;
    }
}

function calcTypeDigit(state, key) {
    state.result = null;
    if (state.fresh || state.entry == "0") {
        state.entry = key;
    } else if (calcDigitCount(state.entry) < CALC_MAX_DIGITS) {
        state.entry += key;
    }
    state.fresh = false;
}

function calcTypePoint(state) {
    state.result = null;
    if (state.fresh) {
        state.entry = "0.";
    } else if (state.entry.indexOf(".") < 0 && calcDigitCount(state.entry) < CALC_MAX_DIGITS) {
        state.entry += ".";
    }
    state.fresh = false;
}

function calcBackspace(state) {
    if (state.fresh) {
        return;
    }
    state.entry = state.entry.substring(0, state.entry.length - 1);
    if (state.entry == "" || state.entry == "-" || state.entry == "-0") {
        state.entry = "0";
    }
}

function calcNegate(state) {
    if (parseFloat(state.entry) == 0 && state.entry.indexOf(".") < 0) {
        return;
    }
    if (state.result != null) {
        state.result = -state.result;
    }
    if (state.entry.charAt(0) == "-") {
        state.entry = state.entry.substring(1);
    } else {
        state.entry = "-" + state.entry;
    }
}

// Percent of the stored number while adding or subtracting (200 + 10 % is
// 200 + 20), a hundredth of the entry otherwise.
function calcPercent(state) {
    var value = calcEntryValue(state) / 100;
    if (state.op == "+" || state.op == "-") {
        value = state.stored * value;
    }
    calcShow(state, value);
}

function calcOperator(state, op) {
    var value = calcEntryValue(state);
    if (state.op != null && !state.fresh) {
        value = calcApply(state.stored, state.op, value);
    } else if (state.op != null) {
        value = state.stored;
    }
    calcShow(state, value);
    if (!state.error) {
        state.stored = value;
        state.op = op;
    }
}

function calcEquals(state) {
    if (state.op == null) {
        state.fresh = true;
        return;
    }
    var result = calcApply(state.stored, state.op, calcEntryValue(state));
    state.stored = null;
    state.op = null;
    calcShow(state, result);
}

// One key: a digit, ".", "+", "-", "*", "/", "=", "%", "neg", "back" or "C".
function calcPress(state, key) {
    if (key == "C") {
        var fresh = calcNew();
        for (var field in fresh) {
            state[field] = fresh[field];
        }
        return;
    }
    if (state.error) {
        if (!calcIsDigit(key) && key != ".") {
            return;
        }
        state.error = false;
        state.entry = "0";
        state.fresh = true;
    }
    if (calcIsDigit(key)) {
        calcTypeDigit(state, key);
    } else if (key == ".") {
        calcTypePoint(state);
    } else if (key == "back") {
        calcBackspace(state);
    } else if (key == "neg") {
        calcNegate(state);
    } else if (key == "%") {
        calcPercent(state);
    } else if (key == "=") {
        calcEquals(state);
    } else {
        calcOperator(state, key);
    }
}

// The operation waiting for its second number, such as "12 +", or "".
function calcPending(state) {
    var symbols = { "+": "+", "-": "-", "*": "\u00d7", "/": "\u00f7" };
    if (state.op == null) {
        return "";
    }
    return calcFormat(state.stored) + " " + symbols[state.op];
}

var calcState = calcNew();

// Key handler of calc.html.
function calcKey(key) {
    calcPress(calcState, key);
    var form = document.forms["calc"];
    form.elements["display"].value = calcState.entry;
    form.elements["pending"].value = calcPending(calcState);
}
