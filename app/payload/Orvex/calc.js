// Pocket calculator. ECMAScript 3 only: the PSP browser knows nothing newer.
//
// The state holds the text on display (entry), the number and operator waiting
// for a second operand (stored, op), whether the next digit starts a new number
// (fresh) and whether the display shows an error.

var CALC_MAX_DIGITS = 12;

function calcNew() {
    return { entry: "0", stored: null, op: null, fresh: true, error: false };
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

function calcApply(left, op, right) {
    if (op == "+") {
        return left + right;
    }
    if (op == "-") {
        return left - right;
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
    state.error = state.entry == "Error";
    state.fresh = true;
    if (state.error) {
        state.stored = null;
        state.op = null;
    }
}

function calcTypeDigit(state, key) {
    if (state.fresh || state.entry == "0") {
        state.entry = key;
    } else if (calcDigitCount(state.entry) < CALC_MAX_DIGITS) {
        state.entry += key;
    }
    state.fresh = false;
}

function calcTypePoint(state) {
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
    if (state.entry.charAt(0) == "-") {
        state.entry = state.entry.substring(1);
    } else {
        state.entry = "-" + state.entry;
    }
}

// Percent of the stored number while adding or subtracting (200 + 10 % is
// 200 + 20), a hundredth of the entry otherwise.
function calcPercent(state) {
    var value = parseFloat(state.entry) / 100;
    if (state.op == "+" || state.op == "-") {
        value = state.stored * value;
    }
    calcShow(state, value);
}

function calcOperator(state, op) {
    var value = parseFloat(state.entry);
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
    var result = calcApply(state.stored, state.op, parseFloat(state.entry));
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
